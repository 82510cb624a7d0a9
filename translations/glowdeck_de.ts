<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>glowdeck::AllLightsRow</name>
    <message>
        <source>All Lights</source>
        <translation>Alle Leuchten</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>glowdeck::AppearanceSection</name>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Light appearance</source>
        <translation>Lichtmodus</translation>
    </message>
    <message>
        <source>White temperature</source>
        <translation>Farbtemperatur</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Warm</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Kalt</translation>
    </message>
    <message>
        <source>More colors…</source>
        <translation>Weitere Farben…</translation>
    </message>
    <message>
        <source>More Colors…</source>
        <translation>Weitere Farben…</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
</context>
<context>
    <name>glowdeck::ColorPanelController</name>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
</context>
<context>
    <name>glowdeck::CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Controls WiZ lights on the local network from the system tray.</source>
        <translation>Steuert WiZ-Leuchten im lokalen Netzwerk über die Systemleiste.</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>Unbekannter Befehl „%1“.</translation>
    </message>
</context>
<context>
    <name>glowdeck::EmptyState</name>
    <message>
        <source>No Lights Found</source>
        <translation>Keine Leuchten gefunden</translation>
    </message>
    <message>
        <source>Connect to the same Wi-Fi as your WiZ lights to get started.</source>
        <translation>Verbinde dich mit demselben WLAN wie deine WiZ-Leuchten, um loszulegen.</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>Leuchte hinzufügen…</translation>
    </message>
</context>
<context>
    <name>glowdeck::FormSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>glowdeck::LightMatch</name>
    <message>
        <source>There are no saved lights.</source>
        <translation>Es gibt keine gespeicherten Leuchten.</translation>
    </message>
    <message>
        <source>Known lights: %1.</source>
        <extracomment>%1: the lights as &quot;name (address)&quot;, separated by commas</extracomment>
        <translation>Bekannte Leuchten: %1.</translation>
    </message>
    <message>
        <source>An empty light name names no light. %1</source>
        <extracomment>%1: the known lights, a sentence of its own</extracomment>
        <translation>Ein leerer Name bezeichnet keine Leuchte. %1</translation>
    </message>
    <message>
        <source>No saved light has the address %1. %2</source>
        <translation>Keine gespeicherte Leuchte hat die Adresse %1. %2</translation>
    </message>
    <message>
        <source>No light is called &apos;%1&apos;. %2</source>
        <translation>Keine Leuchte heißt „%1“. %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; matches more than one light: %2. Name one of them fully or by its address.</source>
        <translation>„%1“ passt auf mehr als eine Leuchte: %2. Nenne eine davon vollständig oder mit ihrer Adresse.</translation>
    </message>
</context>
<context>
    <name>glowdeck::LightTile</name>
    <message>
        <source>Not responding</source>
        <translation>Reagiert nicht</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>glowdeck::MessageText</name>
    <message>
        <source>No bulbs replied. Use the same Wi-Fi, enable WiZ LAN control, or add an IP below.</source>
        <translation>Keine Leuchte hat geantwortet. Nutze dasselbe WLAN, aktiviere die WiZ-LAN-Steuerung oder füge unten eine IP-Adresse hinzu.</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>Die lokale Netzwerkverbindung konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Could not configure the local network connection.</source>
        <translation>Die lokale Netzwerkverbindung konnte nicht eingerichtet werden.</translation>
    </message>
    <message>
        <source>Could not listen for bulb replies.</source>
        <translation>Antworten der Leuchten können nicht empfangen werden.</translation>
    </message>
    <message>
        <source>Enter a valid bulb IPv4 address.</source>
        <translation>Gib eine gültige IPv4-Adresse der Leuchte ein.</translation>
    </message>
    <message>
        <source>Could not save the list of lights.</source>
        <translation>Die Liste der Leuchten konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Could not send to %1. Check local network access.</source>
        <translation>Senden an %1 nicht möglich. Prüfe den Zugriff auf das lokale Netzwerk.</translation>
    </message>
    <message>
        <source>%1 rejected the command. This bulb may not support it.</source>
        <translation>%1 hat den Befehl abgelehnt. Diese Leuchte unterstützt ihn möglicherweise nicht.</translation>
    </message>
    <message>
        <source>Could not turn on Start at Login: %1.</source>
        <translation>„Beim Anmelden starten“ konnte nicht eingeschaltet werden: %1.</translation>
    </message>
    <message>
        <source>Could not turn off Start at Login: %1.</source>
        <translation>„Beim Anmelden starten“ konnte nicht ausgeschaltet werden: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The list is full at %Ln lights. Forget one to add another.</source>
        <translation>
            <numerusform>Die Liste ist mit %Ln Leuchte voll. Entferne eine, um eine weitere hinzuzufügen.</numerusform>
            <numerusform>Die Liste ist mit %Ln Leuchten voll. Entferne eine, um eine weitere hinzuzufügen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>glowdeck::NumberText</name>
    <message>
        <source>%1%</source>
        <extracomment>A percentage of full brightness; a no-break space goes where the language puts a space.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 K</source>
        <extracomment>A white temperature in kelvins; a no-break space keeps the number and the unit together.</extracomment>
        <translation>%1&#xa0;K</translation>
    </message>
</context>
<context>
    <name>glowdeck::Panel</name>
    <message>
        <source>Add Light</source>
        <translation>Leuchte hinzufügen</translation>
    </message>
    <message>
        <source>Enter the light’s IP address from your router or WiZ app.</source>
        <translation>Gib die IP-Adresse der Leuchte aus deinem Router oder der WiZ-App ein.</translation>
    </message>
    <message>
        <source>IPv4 address</source>
        <translation>IPv4-Adresse</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Rename Light</source>
        <translation>Leuchte umbenennen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>glowdeck::PanelHeader</name>
    <message>
        <source>Discover lights</source>
        <translation>Leuchten suchen</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Weitere Optionen</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>Leuchte hinzufügen…</translation>
    </message>
    <message>
        <source>Rename Light…</source>
        <translation>Leuchte umbenennen…</translation>
    </message>
    <message>
        <source>Forget Light</source>
        <translation>Leuchte entfernen</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Quit Glowdeck</source>
        <translation>Glowdeck beenden</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerButton</name>
    <message>
        <source>Turn off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>Einschalten</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerSwitch</name>
    <message>
        <source>Power</source>
        <translation>Ein/Aus</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetName</name>
    <message>
        <source>Cozy</source>
        <translation>Gemütlich</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Abendrot</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <translation>Kaminfeuer</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>Ozean</translation>
    </message>
    <message>
        <source>Romance</source>
        <translation>Romantik</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>Wald</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Party</translation>
    </message>
    <message>
        <source>Relax</source>
        <translation>Entspannen</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Kerze</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetsSection</name>
    <message>
        <source>Presets</source>
        <translation>Szenen</translation>
    </message>
    <message>
        <source>A tunable-white bulb cannot show this preset.</source>
        <translation>Eine Leuchte mit einstellbarem Weiß kann diese Szene nicht zeigen.</translation>
    </message>
    <message>
        <source>A dimmable-white bulb cannot show this preset.</source>
        <translation>Eine dimmbare weiße Leuchte kann diese Szene nicht zeigen.</translation>
    </message>
    <message>
        <source>A plug cannot show presets.</source>
        <translation>Eine Steckdose kann keine Szenen zeigen.</translation>
    </message>
    <message>
        <source>A fan light cannot show presets.</source>
        <translation>Eine Ventilatorleuchte kann keine Szenen zeigen.</translation>
    </message>
</context>
<context>
    <name>glowdeck::Spinner</name>
    <message>
        <source>Scanning</source>
        <translation>Suche läuft</translation>
    </message>
</context>
<context>
    <name>glowdeck::Verb</name>
    <message>
        <source>Brightness must be 10-100, or +N or -N to step it.</source>
        <translation>Die Helligkeit muss 10–100 sein, oder +N bzw. -N, um sie zu ändern.</translation>
    </message>
    <message>
        <source>Temperature must be 2200-6500 K.</source>
        <translation>Die Farbtemperatur muss 2200–6500 K sein.</translation>
    </message>
    <message>
        <source>Colour must be &apos;#rrggbb&apos; or one of: %1.</source>
        <extracomment>%1: the colour names as typed on the command line, separated by spaces</extracomment>
        <translation>Die Farbe muss „#rrggbb“ sein oder eine von: %1.</translation>
    </message>
    <message>
        <source>Preset must be one of: %1.</source>
        <extracomment>%1: the preset names as typed on the command line, separated by spaces</extracomment>
        <translation>Die Szene muss eine sein von: %1.</translation>
    </message>
    <message>
        <source>Refused &apos;%1&apos;: arguments must be text without markup (&lt;, &gt;, &amp;), control characters or NUL.</source>
        <translation>„%1“ abgelehnt: Argumente müssen Text ohne Auszeichnung (&lt;, &gt;, &amp;), Steuerzeichen oder NUL sein.</translation>
    </message>
    <message>
        <source>No verb given.</source>
        <translation>Kein Befehl angegeben.</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>Unbekannter Befehl „%1“.</translation>
    </message>
    <message>
        <source>Invalid value &apos;%1&apos;. %2</source>
        <extracomment>%2: what the value must be, a sentence of its own</extracomment>
        <translation>Ungültiger Wert „%1“. %2</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos; for %2.</source>
        <extracomment>%2: the verb as typed (list, toggle, ...)</extracomment>
        <translation>Unbekannte Option „%1“ für %2.</translation>
    </message>
    <message>
        <source>%1 takes no lights: &apos;%2&apos;.</source>
        <extracomment>%1: the verb as typed (list or panel)</extracomment>
        <translation>%1 nimmt keine Leuchten: „%2“.</translation>
    </message>
    <message>
        <source>%1 needs a value. %2</source>
        <extracomment>%1: the verb as typed (brightness, color, ...); %2: what the value must be</extracomment>
        <translation>%1 braucht einen Wert. %2</translation>
    </message>
    <message>
        <source>Name lights or give --all, not both.</source>
        <translation>Nenne Leuchten oder gib --all an, nicht beides.</translation>
    </message>
    <message>
        <source>
Verbs (for keyboard shortcuts and scripts):
  list [--json]                       The lights: name, address, reachable, on,
                                      brightness, mode.
  list --names                        The saved lights&apos; names, asking no light.
  on|off|toggle [LIGHT...|--all]      Switch lights; toggle follows the first one.
  brightness 10-100|+N|-N [LIGHT...|--all]
  temperature 2200-6500 [LIGHT...|--all]
  color &apos;#rrggbb&apos;|NAME [LIGHT...|--all]
                                      NAME: Red, Orange, Yellow, Green, Cyan, Blue,
                                      Purple.
  preset NAME [LIGHT...|--all]        A preset scene, such as Cozy or Focus.
  panel                               Show or hide the panel.

LIGHT is a saved light&apos;s name (exact, any case, or a unique beginning) or its
address; without one a verb acts on the light selected in the panel. A running
Glowdeck does the work; without one the verb works on its own, with the saved
lights (the panel&apos;s list; the first of them stands for the selected one),
sending only to the lights it names, never a broadcast. It waits up to
1 s for the lights&apos; answers and exits 0 when all answered, 1 naming those that
did not answer or rejected the command, 2 for a usage error.
</source>
        <translation>
Befehle (für Tastenkürzel und Skripte):
  list [--json]                       Die Leuchten: Name, Adresse, erreichbar,
                                      an, Helligkeit, Modus.
  list --names                        Die Namen der gespeicherten Leuchten, ohne
                                      Abfrage.
  on|off|toggle [LIGHT...|--all]      Schaltet Leuchten; toggle folgt der
                                      ersten.
  brightness 10-100|+N|-N [LIGHT...|--all]
  temperature 2200-6500 [LIGHT...|--all]
  color &apos;#rrggbb&apos;|NAME [LIGHT...|--all]
                                      NAME: Red, Orange, Yellow, Green, Cyan,
                                      Blue, Purple.
  preset NAME [LIGHT...|--all]        Eine Szene, etwa Cozy oder Focus.
  panel                               Zeigt oder verbirgt das Panel.

LIGHT ist der Name einer gespeicherten Leuchte (genau, in beliebiger Schreibung
oder ein eindeutiger Anfang) oder ihre Adresse; ohne sie wirkt ein Befehl auf
die im Panel gewählte Leuchte. Ein laufendes Glowdeck erledigt die Arbeit; ohne
es arbeitet der Befehl allein mit den gespeicherten Leuchten (der Liste des
Panels; die erste steht für die gewählte) und sendet nur an die Leuchten, die
er nennt, nie per Broadcast. Er wartet bis zu 1 s auf die Antworten der
Leuchten und endet mit 0, wenn alle geantwortet haben, mit 1 unter Nennung
derer, die nicht geantwortet oder den Befehl abgelehnt haben, mit 2 bei einem
Bedienungsfehler.
</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbCommand</name>
    <message>
        <source>The running Glowdeck did not answer: %1</source>
        <extracomment>%1: the error the session bus reports, in English</extracomment>
        <translation>Das laufende Glowdeck hat nicht geantwortet: %1</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>Die Verbindung zum lokalen Netzwerk konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The lights did not answer in time.</source>
        <translation>Die Leuchten haben nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>Run &apos;glowdeck --help&apos; for the verbs.</source>
        <translation>„glowdeck --help“ zeigt die Befehle.</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbRunner</name>
    <message>
        <source>%1 did not answer.</source>
        <translation>%1 hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>%1 cannot show a colour.</source>
        <translation>%1 kann keine Farbe zeigen.</translation>
    </message>
    <message>
        <source>%1 cannot show a white temperature.</source>
        <translation>%1 kann keine Farbtemperatur zeigen.</translation>
    </message>
    <message>
        <source>%1 cannot show a brightness.</source>
        <translation>%1 kann keine Helligkeit zeigen.</translation>
    </message>
    <message>
        <source>%1 cannot show the preset %2.</source>
        <extracomment>%2: the preset&apos;s name as typed on the command line (Cozy, Focus, ...)</extracomment>
        <translation>%1 kann die Szene %2 nicht zeigen.</translation>
    </message>
    <message>
        <source>%1 cannot show this.</source>
        <translation>%1 kann das nicht zeigen.</translation>
    </message>
    <message>
        <source>%1: off</source>
        <extracomment>A light&apos;s state: %1 the light as &quot;name (address)&quot;</extracomment>
        <translation>%1: aus</translation>
    </message>
    <message>
        <source>%1: on, %2 %, colour %3</source>
        <extracomment>%2: the brightness in percent; %3: the colour as #rrggbb</extracomment>
        <translation>%1: an, %2 %, Farbe %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset %3</source>
        <extracomment>%2: the brightness in percent; %3: the preset&apos;s name (Cozy, Focus, ...)</extracomment>
        <translation>%1: an, %2 %, Szene %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset scene %3</source>
        <extracomment>%2: the brightness in percent; %3: the number of a scene Glowdeck has no name for</extracomment>
        <translation>%1: an, %2 %, Szene Nr. %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, %3 K</source>
        <extracomment>%2: the brightness in percent; %3: the white temperature in kelvin</extracomment>
        <translation>%1: an, %2 %, %3 K</translation>
    </message>
    <message>
        <source>There is no panel to show here.</source>
        <translation>Hier gibt es kein Panel zum Anzeigen.</translation>
    </message>
    <message>
        <source>There are no saved lights.</source>
        <translation>Es gibt keine gespeicherten Leuchten.</translation>
    </message>
    <message>
        <source>No light is selected: name one, or give --all.</source>
        <translation>Keine Leuchte ist gewählt: Nenne eine oder gib --all an.</translation>
    </message>
    <message>
        <source>%1: not answering</source>
        <translation>%1: antwortet nicht</translation>
    </message>
    <message>
        <source>%1 rejected the command.</source>
        <translation>%1 hat den Befehl abgelehnt.</translation>
    </message>
</context>
<context>
    <name>glowdeck::main</name>
    <message>
        <source>Glowdeck already runs on this display; its panel opens there.</source>
        <translation>Glowdeck läuft bereits auf diesem Bildschirm; sein Bedienfeld öffnet sich dort.</translation>
    </message>
</context>
</TS>
