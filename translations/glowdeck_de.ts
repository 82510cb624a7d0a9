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
    <name>glowdeck::main</name>
    <message>
        <source>Glowdeck already runs on this display; its panel opens there.</source>
        <translation>Glowdeck läuft bereits auf diesem Bildschirm; sein Bedienfeld öffnet sich dort.</translation>
    </message>
</context>
</TS>
