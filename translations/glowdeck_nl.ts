<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
        <translation>Alle lampen</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
</context>
<context>
    <name>glowdeck::AppearanceSection</name>
    <message>
        <source>Brightness</source>
        <translation>Helderheid</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Light appearance</source>
        <translation>Lichtmodus</translation>
    </message>
    <message>
        <source>White temperature</source>
        <translation>Kleurtemperatuur</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Warm</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Koel</translation>
    </message>
    <message>
        <source>More colors…</source>
        <translation>Meer kleuren…</translation>
    </message>
    <message>
        <source>More Colors…</source>
        <translation>Meer kleuren…</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oranje</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyaan</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Paars</translation>
    </message>
</context>
<context>
    <name>glowdeck::ColorPanelController</name>
    <message>
        <source>Colors</source>
        <translation>Kleuren</translation>
    </message>
</context>
<context>
    <name>glowdeck::CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Controls WiZ lights on the local network from the system tray.</source>
        <translation>Bedient WiZ-lampen in het lokale netwerk vanuit het systeemvak.</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>Onbekende opdracht ‘%1’.</translation>
    </message>
</context>
<context>
    <name>glowdeck::EmptyState</name>
    <message>
        <source>No Lights Found</source>
        <translation>Geen lampen gevonden</translation>
    </message>
    <message>
        <source>Connect to the same Wi-Fi as your WiZ lights to get started.</source>
        <translation>Maak verbinding met hetzelfde wifi-netwerk als je WiZ-lampen om te beginnen.</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>Lamp toevoegen…</translation>
    </message>
</context>
<context>
    <name>glowdeck::FormSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>glowdeck::LightMatch</name>
    <message>
        <source>There are no saved lights.</source>
        <translation>Er zijn geen opgeslagen lampen.</translation>
    </message>
    <message>
        <source>Known lights: %1.</source>
        <extracomment>%1: the lights as &quot;name (address)&quot;, separated by commas</extracomment>
        <translation>Bekende lampen: %1.</translation>
    </message>
    <message>
        <source>An empty light name names no light. %1</source>
        <extracomment>%1: the known lights, a sentence of its own</extracomment>
        <translation>Een lege lampnaam noemt geen lamp. %1</translation>
    </message>
    <message>
        <source>No saved light has the address %1. %2</source>
        <translation>Geen opgeslagen lamp heeft het adres %1. %2</translation>
    </message>
    <message>
        <source>No light is called &apos;%1&apos;. %2</source>
        <translation>Geen lamp heet ‘%1’. %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; matches more than one light: %2. Name one of them fully or by its address.</source>
        <translation>‘%1’ past op meer dan één lamp: %2. Noem er één volledig of met haar adres.</translation>
    </message>
</context>
<context>
    <name>glowdeck::LightTile</name>
    <message>
        <source>Not responding</source>
        <translation>Reageert niet</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
</context>
<context>
    <name>glowdeck::MessageText</name>
    <message>
        <source>No bulbs replied. Use the same Wi-Fi, enable WiZ LAN control, or add an IP below.</source>
        <translation>Geen lamp heeft gereageerd. Gebruik hetzelfde wifi-netwerk, schakel WiZ LAN-bediening in of voeg hieronder een IP-adres toe.</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>Kan de lokale netwerkverbinding niet openen.</translation>
    </message>
    <message>
        <source>Could not configure the local network connection.</source>
        <translation>Kan de lokale netwerkverbinding niet instellen.</translation>
    </message>
    <message>
        <source>Could not listen for bulb replies.</source>
        <translation>Kan niet luisteren naar antwoorden van lampen.</translation>
    </message>
    <message>
        <source>Enter a valid bulb IPv4 address.</source>
        <translation>Voer een geldig IPv4-adres van de lamp in.</translation>
    </message>
    <message>
        <source>Could not save the list of lights.</source>
        <translation>Kan de lijst met lampen niet opslaan.</translation>
    </message>
    <message>
        <source>Could not send to %1. Check local network access.</source>
        <translation>Kan niet verzenden naar %1. Controleer de toegang tot het lokale netwerk.</translation>
    </message>
    <message>
        <source>%1 rejected the command. This bulb may not support it.</source>
        <translation>%1 heeft de opdracht geweigerd. Deze lamp ondersteunt die mogelijk niet.</translation>
    </message>
    <message>
        <source>Could not turn on Start at Login: %1.</source>
        <translation>Kan ‘Starten bij aanmelden’ niet inschakelen: %1.</translation>
    </message>
    <message>
        <source>Could not turn off Start at Login: %1.</source>
        <translation>Kan ‘Starten bij aanmelden’ niet uitschakelen: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The list is full at %Ln lights. Forget one to add another.</source>
        <translation>
            <numerusform>De lijst is vol met %Ln lamp. Vergeet er een om een andere toe te voegen.</numerusform>
            <numerusform>De lijst is vol met %Ln lampen. Vergeet er een om een andere toe te voegen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>glowdeck::NumberText</name>
    <message>
        <source>%1%</source>
        <extracomment>A percentage of full brightness; a no-break space goes where the language puts a space.</extracomment>
        <translation>%1%</translation>
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
        <translation>Lamp toevoegen</translation>
    </message>
    <message>
        <source>Enter the light’s IP address from your router or WiZ app.</source>
        <translation>Voer het IP-adres van de lamp in uit je router of de WiZ-app.</translation>
    </message>
    <message>
        <source>IPv4 address</source>
        <translation>IPv4-adres</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Rename Light</source>
        <translation>Lamp hernoemen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
</context>
<context>
    <name>glowdeck::PanelHeader</name>
    <message>
        <source>Discover lights</source>
        <translation>Lampen zoeken</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Meer opties</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>Lamp toevoegen…</translation>
    </message>
    <message>
        <source>Rename Light…</source>
        <translation>Lamp hernoemen…</translation>
    </message>
    <message>
        <source>Forget Light</source>
        <translation>Lamp vergeten</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Starten bij aanmelden</translation>
    </message>
    <message>
        <source>Quit Glowdeck</source>
        <translation>Glowdeck afsluiten</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerButton</name>
    <message>
        <source>Turn off</source>
        <translation>Uitschakelen</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>Inschakelen</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerSwitch</name>
    <message>
        <source>Power</source>
        <translation>Aan/uit</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetName</name>
    <message>
        <source>Cozy</source>
        <translation>Gezellig</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Focus</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Avondrood</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <translation>Haardvuur</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>Oceaan</translation>
    </message>
    <message>
        <source>Romance</source>
        <translation>Romantiek</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>Bos</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Feest</translation>
    </message>
    <message>
        <source>Relax</source>
        <translation>Ontspannen</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>Tv</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Kaars</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetsSection</name>
    <message>
        <source>Presets</source>
        <translation>Scènes</translation>
    </message>
    <message>
        <source>A tunable-white bulb cannot show this preset.</source>
        <translation>Een lamp met instelbaar wit kan deze scène niet tonen.</translation>
    </message>
    <message>
        <source>A dimmable-white bulb cannot show this preset.</source>
        <translation>Een dimbare witte lamp kan deze scène niet tonen.</translation>
    </message>
    <message>
        <source>A plug cannot show presets.</source>
        <translation>Een stekker kan geen scènes tonen.</translation>
    </message>
    <message>
        <source>A fan light cannot show presets.</source>
        <translation>Een ventilatorlamp kan geen scènes tonen.</translation>
    </message>
</context>
<context>
    <name>glowdeck::Spinner</name>
    <message>
        <source>Scanning</source>
        <translation>Zoeken</translation>
    </message>
</context>
<context>
    <name>glowdeck::Verb</name>
    <message>
        <source>Brightness must be 10-100, or +N or -N to step it.</source>
        <translation>Helderheid moet 10-100 zijn, of +N of -N om haar te verstellen.</translation>
    </message>
    <message>
        <source>Temperature must be 2200-6500 K.</source>
        <translation>Temperatuur moet 2200-6500 K zijn.</translation>
    </message>
    <message>
        <source>Colour must be &apos;#rrggbb&apos; or one of: %1.</source>
        <extracomment>%1: the colour names as typed on the command line, separated by spaces</extracomment>
        <translation>Kleur moet ‘#rrggbb’ zijn of een van: %1.</translation>
    </message>
    <message>
        <source>Preset must be one of: %1.</source>
        <extracomment>%1: the preset names as typed on the command line, separated by spaces</extracomment>
        <translation>Scène moet een van deze zijn: %1.</translation>
    </message>
    <message>
        <source>Refused &apos;%1&apos;: arguments must be text without markup (&lt;, &gt;, &amp;), control characters or NUL.</source>
        <translation>‘%1’ geweigerd: argumenten moeten tekst zijn zonder opmaak (&lt;, &gt;, &amp;), stuurtekens of NUL.</translation>
    </message>
    <message>
        <source>No verb given.</source>
        <translation>Geen opdracht opgegeven.</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>Onbekende opdracht ‘%1’.</translation>
    </message>
    <message>
        <source>Invalid value &apos;%1&apos;. %2</source>
        <extracomment>%2: what the value must be, a sentence of its own</extracomment>
        <translation>Ongeldige waarde ‘%1’. %2</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos; for %2.</source>
        <extracomment>%2: the verb as typed (list, toggle, ...)</extracomment>
        <translation>Onbekende optie ‘%1’ voor %2.</translation>
    </message>
    <message>
        <source>%1 takes no lights: &apos;%2&apos;.</source>
        <extracomment>%1: the verb as typed (list or panel)</extracomment>
        <translation>%1 neemt geen lampen: ‘%2’.</translation>
    </message>
    <message>
        <source>%1 needs a value. %2</source>
        <extracomment>%1: the verb as typed (brightness, color, ...); %2: what the value must be</extracomment>
        <translation>%1 heeft een waarde nodig. %2</translation>
    </message>
    <message>
        <source>Name lights or give --all, not both.</source>
        <translation>Noem lampen of geef --all, niet allebei.</translation>
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
Opdrachten (voor sneltoetsen en scripts):
  list [--json]                       De lampen: naam, adres, bereikbaar, aan,
                                      helderheid, modus.
  list --names                        De namen van de opgeslagen lampen, zonder
                                      te vragen.
  on|off|toggle [LIGHT...|--all]      Schakelt lampen; toggle volgt de eerste.
  brightness 10-100|+N|-N [LIGHT...|--all]
  temperature 2200-6500 [LIGHT...|--all]
  color &apos;#rrggbb&apos;|NAME [LIGHT...|--all]
                                      NAME: Red, Orange, Yellow, Green, Cyan,
                                      Blue, Purple.
  preset NAME [LIGHT...|--all]        Een scène, zoals Cozy of Focus.
  panel                               Toont of verbergt het paneel.

LIGHT is de naam van een opgeslagen lamp (exact, hoofdletterongevoelig of een
uniek begin) of haar adres; zonder LIGHT werkt een opdracht op de lamp die in
het paneel is gekozen. Een draaiende Glowdeck doet het werk; zonder die werkt
de opdracht zelf, met de opgeslagen lampen (de lijst van het paneel; de eerste
geldt als de gekozen lamp), en stuurt alleen naar de lampen die ze noemt, nooit
een broadcast. Ze wacht tot 1 s op de antwoorden van de lampen en eindigt met
0 als alle lampen antwoordden, met 1 en de namen van de lampen die niet
antwoordden of de opdracht weigerden, en met 2 bij een gebruiksfout.
</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbCommand</name>
    <message>
        <source>The running Glowdeck did not answer: %1</source>
        <extracomment>%1: the error the session bus reports, in English</extracomment>
        <translation>De draaiende Glowdeck antwoordde niet: %1</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>Kan de verbinding met het lokale netwerk niet openen.</translation>
    </message>
    <message>
        <source>The lights did not answer in time.</source>
        <translation>De lampen antwoordden niet op tijd.</translation>
    </message>
    <message>
        <source>Run &apos;glowdeck --help&apos; for the verbs.</source>
        <translation>Voer ‘glowdeck --help’ uit voor de opdrachten.</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbRunner</name>
    <message>
        <source>%1 did not answer.</source>
        <translation>%1 antwoordde niet.</translation>
    </message>
    <message>
        <source>%1 cannot show a colour.</source>
        <translation>%1 kan geen kleur tonen.</translation>
    </message>
    <message>
        <source>%1 cannot show a white temperature.</source>
        <translation>%1 kan geen witte kleurtemperatuur tonen.</translation>
    </message>
    <message>
        <source>%1 cannot show a brightness.</source>
        <translation>%1 kan geen helderheid tonen.</translation>
    </message>
    <message>
        <source>%1 cannot show the preset %2.</source>
        <extracomment>%2: the preset&apos;s name as typed on the command line (Cozy, Focus, ...)</extracomment>
        <translation>%1 kan de scène %2 niet tonen.</translation>
    </message>
    <message>
        <source>%1 cannot show this.</source>
        <translation>%1 kan dit niet tonen.</translation>
    </message>
    <message>
        <source>%1: off</source>
        <extracomment>A light&apos;s state: %1 the light as &quot;name (address)&quot;</extracomment>
        <translation>%1: uit</translation>
    </message>
    <message>
        <source>%1: on, %2 %, colour %3</source>
        <extracomment>%2: the brightness in percent; %3: the colour as #rrggbb</extracomment>
        <translation>%1: aan, %2%, kleur %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset %3</source>
        <extracomment>%2: the brightness in percent; %3: the preset&apos;s name (Cozy, Focus, ...)</extracomment>
        <translation>%1: aan, %2%, scène %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset scene %3</source>
        <extracomment>%2: the brightness in percent; %3: the number of a scene Glowdeck has no name for</extracomment>
        <translation>%1: aan, %2%, scène nr. %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, %3 K</source>
        <extracomment>%2: the brightness in percent; %3: the white temperature in kelvin</extracomment>
        <translation>%1: aan, %2%, %3 K</translation>
    </message>
    <message>
        <source>There is no panel to show here.</source>
        <translation>Hier is geen paneel om te tonen.</translation>
    </message>
    <message>
        <source>There are no saved lights.</source>
        <translation>Er zijn geen opgeslagen lampen.</translation>
    </message>
    <message>
        <source>No light is selected: name one, or give --all.</source>
        <translation>Er is geen lamp gekozen: noem er een of geef --all.</translation>
    </message>
    <message>
        <source>%1: not answering</source>
        <translation>%1: antwoordt niet</translation>
    </message>
    <message>
        <source>%1 rejected the command.</source>
        <translation>%1 weigerde de opdracht.</translation>
    </message>
</context>
<context>
    <name>glowdeck::main</name>
    <message>
        <source>Glowdeck already runs on this display; its panel opens there.</source>
        <translation>Glowdeck draait al op dit scherm; het paneel opent daar.</translation>
    </message>
</context>
</TS>
