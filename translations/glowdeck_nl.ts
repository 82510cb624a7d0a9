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
    <name>glowdeck::main</name>
    <message>
        <source>Glowdeck already runs on this display; its panel opens there.</source>
        <translation>Glowdeck draait al op dit scherm; het paneel opent daar.</translation>
    </message>
</context>
</TS>
