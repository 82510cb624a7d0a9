<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <translation>Wszystkie światła</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłącz</translation>
    </message>
</context>
<context>
    <name>glowdeck::AppearanceSection</name>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Light appearance</source>
        <translation>Tryb światła</translation>
    </message>
    <message>
        <source>White temperature</source>
        <translation>Temperatura bieli</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Ciepła</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Zimna</translation>
    </message>
    <message>
        <source>More colors…</source>
        <translation>Więcej kolorów…</translation>
    </message>
    <message>
        <source>More Colors…</source>
        <translation>Więcej kolorów…</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Pomarańczowy</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyjan</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Fioletowy</translation>
    </message>
</context>
<context>
    <name>glowdeck::ColorPanelController</name>
    <message>
        <source>Colors</source>
        <translation>Kolory</translation>
    </message>
</context>
<context>
    <name>glowdeck::CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Wyświetl tę pomoc i zakończ.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Wyświetl wersję i zakończ.</translation>
    </message>
    <message>
        <source>Controls WiZ lights on the local network from the system tray.</source>
        <translation>Steruje światłami WiZ w sieci lokalnej z zasobnika systemowego.</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>Nieznane polecenie „%1”.</translation>
    </message>
</context>
<context>
    <name>glowdeck::EmptyState</name>
    <message>
        <source>No Lights Found</source>
        <translation>Nie znaleziono świateł</translation>
    </message>
    <message>
        <source>Connect to the same Wi-Fi as your WiZ lights to get started.</source>
        <translation>Połącz się z tą samą siecią Wi-Fi co światła WiZ, aby zacząć.</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>Dodaj światło…</translation>
    </message>
</context>
<context>
    <name>glowdeck::FormSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>glowdeck::LightTile</name>
    <message>
        <source>Not responding</source>
        <translation>Nie odpowiada</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
</context>
<context>
    <name>glowdeck::MessageText</name>
    <message>
        <source>No bulbs replied. Use the same Wi-Fi, enable WiZ LAN control, or add an IP below.</source>
        <translation>Żadne światło nie odpowiedziało. Użyj tej samej sieci Wi-Fi, włącz sterowanie LAN w WiZ lub dodaj adres IP poniżej.</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>Nie można otworzyć połączenia z siecią lokalną.</translation>
    </message>
    <message>
        <source>Could not configure the local network connection.</source>
        <translation>Nie można skonfigurować połączenia z siecią lokalną.</translation>
    </message>
    <message>
        <source>Could not listen for bulb replies.</source>
        <translation>Nie można odbierać odpowiedzi świateł.</translation>
    </message>
    <message>
        <source>Enter a valid bulb IPv4 address.</source>
        <translation>Wpisz prawidłowy adres IPv4 światła.</translation>
    </message>
    <message>
        <source>Could not save the list of lights.</source>
        <translation>Nie można zapisać listy świateł.</translation>
    </message>
    <message>
        <source>Could not send to %1. Check local network access.</source>
        <translation>Nie można wysłać do %1. Sprawdź dostęp do sieci lokalnej.</translation>
    </message>
    <message>
        <source>%1 rejected the command. This bulb may not support it.</source>
        <translation>%1 odrzuciło polecenie. To światło może go nie obsługiwać.</translation>
    </message>
    <message>
        <source>Could not turn on Start at Login: %1.</source>
        <translation>Nie można włączyć opcji „Uruchamiaj po zalogowaniu”: %1.</translation>
    </message>
    <message>
        <source>Could not turn off Start at Login: %1.</source>
        <translation>Nie można wyłączyć opcji „Uruchamiaj po zalogowaniu”: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The list is full at %Ln lights. Forget one to add another.</source>
        <translation>
            <numerusform>Lista jest pełna: %Ln światło. Zapomnij jedno, aby dodać kolejne.</numerusform>
            <numerusform>Lista jest pełna: %Ln światła. Zapomnij jedno, aby dodać kolejne.</numerusform>
            <numerusform>Lista jest pełna: %Ln świateł. Zapomnij jedno, aby dodać kolejne.</numerusform>
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
        <translation>Dodaj światło</translation>
    </message>
    <message>
        <source>Enter the light’s IP address from your router or WiZ app.</source>
        <translation>Wpisz adres IP światła z routera lub aplikacji WiZ.</translation>
    </message>
    <message>
        <source>IPv4 address</source>
        <translation>Adres IPv4</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Rename Light</source>
        <translation>Zmień nazwę światła</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>glowdeck::PanelHeader</name>
    <message>
        <source>Discover lights</source>
        <translation>Wyszukaj światła</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Więcej opcji</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>Dodaj światło…</translation>
    </message>
    <message>
        <source>Rename Light…</source>
        <translation>Zmień nazwę światła…</translation>
    </message>
    <message>
        <source>Forget Light</source>
        <translation>Zapomnij światło</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Quit Glowdeck</source>
        <translation>Zakończ Glowdeck</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerButton</name>
    <message>
        <source>Turn off</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>Włącz</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerSwitch</name>
    <message>
        <source>Power</source>
        <translation>Zasilanie</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetName</name>
    <message>
        <source>Cozy</source>
        <translation>Przytulnie</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Skupienie</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noc</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Zmierzch</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <translation>Kominek</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>Ocean</translation>
    </message>
    <message>
        <source>Romance</source>
        <translation>Romantyka</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>Las</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Impreza</translation>
    </message>
    <message>
        <source>Relax</source>
        <translation>Relaks</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Świeca</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetsSection</name>
    <message>
        <source>Presets</source>
        <translation>Sceny</translation>
    </message>
    <message>
        <source>A tunable-white bulb cannot show this preset.</source>
        <translation>Żarówka z regulacją bieli nie może wyświetlić tej sceny.</translation>
    </message>
    <message>
        <source>A dimmable-white bulb cannot show this preset.</source>
        <translation>Ściemniana biała żarówka nie może wyświetlić tej sceny.</translation>
    </message>
    <message>
        <source>A plug cannot show presets.</source>
        <translation>Gniazdko nie może wyświetlać scen.</translation>
    </message>
    <message>
        <source>A fan light cannot show presets.</source>
        <translation>Wentylator z oświetleniem nie może wyświetlać scen.</translation>
    </message>
</context>
<context>
    <name>glowdeck::Spinner</name>
    <message>
        <source>Scanning</source>
        <translation>Wyszukiwanie</translation>
    </message>
</context>
<context>
    <name>glowdeck::main</name>
    <message>
        <source>Glowdeck already runs on this display; its panel opens there.</source>
        <translation>Glowdeck działa już na tym ekranie; jego panel otworzy się tam.</translation>
    </message>
</context>
</TS>
