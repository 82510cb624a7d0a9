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
    <name>glowdeck::LightMatch</name>
    <message>
        <source>There are no saved lights.</source>
        <translation>Brak zapisanych świateł.</translation>
    </message>
    <message>
        <source>Known lights: %1.</source>
        <extracomment>%1: the lights as &quot;name (address)&quot;, separated by commas</extracomment>
        <translation>Znane światła: %1.</translation>
    </message>
    <message>
        <source>An empty light name names no light. %1</source>
        <extracomment>%1: the known lights, a sentence of its own</extracomment>
        <translation>Pusta nazwa nie wskazuje żadnego światła. %1</translation>
    </message>
    <message>
        <source>No saved light has the address %1. %2</source>
        <translation>Żadne zapisane światło nie ma adresu %1. %2</translation>
    </message>
    <message>
        <source>No light is called &apos;%1&apos;. %2</source>
        <translation>Żadne światło nie nazywa się „%1”. %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; matches more than one light: %2. Name one of them fully or by its address.</source>
        <translation>„%1” pasuje do więcej niż jednego światła: %2. Podaj pełną nazwę jednego z nich lub jego adres.</translation>
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
    <name>glowdeck::Verb</name>
    <message>
        <source>Brightness must be 10-100, or +N or -N to step it.</source>
        <translation>Jasność musi wynosić 10–100 albo +N lub -N, aby ją zmienić.</translation>
    </message>
    <message>
        <source>Temperature must be 2200-6500 K.</source>
        <translation>Temperatura musi wynosić 2200–6500 K.</translation>
    </message>
    <message>
        <source>Colour must be &apos;#rrggbb&apos; or one of: %1.</source>
        <extracomment>%1: the colour names as typed on the command line, separated by spaces</extracomment>
        <translation>Kolor musi mieć postać „#rrggbb” lub być jednym z: %1.</translation>
    </message>
    <message>
        <source>Preset must be one of: %1.</source>
        <extracomment>%1: the preset names as typed on the command line, separated by spaces</extracomment>
        <translation>Scena musi być jedną z: %1.</translation>
    </message>
    <message>
        <source>Refused &apos;%1&apos;: arguments must be text without markup (&lt;, &gt;, &amp;), control characters or NUL.</source>
        <translation>Odrzucono „%1”: argumenty muszą być tekstem bez znaczników (&lt;, &gt;, &amp;), znaków sterujących i NUL.</translation>
    </message>
    <message>
        <source>No verb given.</source>
        <translation>Nie podano polecenia.</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>Nieznane polecenie „%1”.</translation>
    </message>
    <message>
        <source>Invalid value &apos;%1&apos;. %2</source>
        <extracomment>%2: what the value must be, a sentence of its own</extracomment>
        <translation>Nieprawidłowa wartość „%1”. %2</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos; for %2.</source>
        <extracomment>%2: the verb as typed (list, toggle, ...)</extracomment>
        <translation>Nieznana opcja „%1” dla %2.</translation>
    </message>
    <message>
        <source>%1 takes no lights: &apos;%2&apos;.</source>
        <extracomment>%1: the verb as typed (list or panel)</extracomment>
        <translation>%1 nie przyjmuje świateł: „%2”.</translation>
    </message>
    <message>
        <source>%1 needs a value. %2</source>
        <extracomment>%1: the verb as typed (brightness, color, ...); %2: what the value must be</extracomment>
        <translation>%1 wymaga wartości. %2</translation>
    </message>
    <message>
        <source>Name lights or give --all, not both.</source>
        <translation>Podaj światła albo --all, nie jedno i drugie.</translation>
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
Polecenia (dla skrótów klawiszowych i skryptów):
  list [--json]                       Światła: nazwa, adres, osiągalne,
                                      włączone, jasność, tryb.
  list --names                        Nazwy zapisanych świateł, bez odpytywania.
  on|off|toggle [LIGHT...|--all]      Przełącza światła; toggle idzie za
                                      pierwszym.
  brightness 10-100|+N|-N [LIGHT...|--all]
  temperature 2200-6500 [LIGHT...|--all]
  color &apos;#rrggbb&apos;|NAME [LIGHT...|--all]
                                      NAME: Red, Orange, Yellow, Green, Cyan,
                                      Blue, Purple.
  preset NAME [LIGHT...|--all]        Scena, na przykład Cozy lub Focus.
  panel                               Pokazuje lub ukrywa panel.

LIGHT to nazwa zapisanego światła (dokładna, bez względu na wielkość liter lub
jednoznaczny początek) albo jego adres; bez niej polecenie działa na światło
wybrane w panelu. Pracę wykonuje uruchomiony Glowdeck; bez niego polecenie
działa samo, na zapisanych światłach (liście z panelu; pierwsze z nich
zastępuje wybrane), wysyłając tylko do świateł, które wymienia, nigdy
rozgłoszeniowo. Czeka do 1 s na odpowiedzi świateł i kończy się kodem 0, gdy
wszystkie odpowiedziały, 1 z nazwami tych, które nie odpowiedziały lub
odrzuciły polecenie, oraz 2 przy błędzie użycia.
</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbCommand</name>
    <message>
        <source>The running Glowdeck did not answer: %1</source>
        <extracomment>%1: the error the session bus reports, in English</extracomment>
        <translation>Uruchomiony Glowdeck nie odpowiedział: %1</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>Nie można otworzyć połączenia z siecią lokalną.</translation>
    </message>
    <message>
        <source>The lights did not answer in time.</source>
        <translation>Światła nie odpowiedziały na czas.</translation>
    </message>
    <message>
        <source>Run &apos;glowdeck --help&apos; for the verbs.</source>
        <translation>Uruchom „glowdeck --help”, aby zobaczyć polecenia.</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbRunner</name>
    <message>
        <source>%1 did not answer.</source>
        <translation>%1 nie odpowiedziało.</translation>
    </message>
    <message>
        <source>%1 cannot show a colour.</source>
        <translation>%1 nie może wyświetlić koloru.</translation>
    </message>
    <message>
        <source>%1 cannot show a white temperature.</source>
        <translation>%1 nie może wyświetlić temperatury bieli.</translation>
    </message>
    <message>
        <source>%1 cannot show a brightness.</source>
        <translation>%1 nie może wyświetlić jasności.</translation>
    </message>
    <message>
        <source>%1 cannot show the preset %2.</source>
        <extracomment>%2: the preset&apos;s name as typed on the command line (Cozy, Focus, ...)</extracomment>
        <translation>%1 nie może wyświetlić sceny %2.</translation>
    </message>
    <message>
        <source>%1 cannot show this.</source>
        <translation>%1 nie może tego wyświetlić.</translation>
    </message>
    <message>
        <source>%1: off</source>
        <extracomment>A light&apos;s state: %1 the light as &quot;name (address)&quot;</extracomment>
        <translation>%1: wyłączone</translation>
    </message>
    <message>
        <source>%1: on, %2 %, colour %3</source>
        <extracomment>%2: the brightness in percent; %3: the colour as #rrggbb</extracomment>
        <translation>%1: włączone, %2%, kolor %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset %3</source>
        <extracomment>%2: the brightness in percent; %3: the preset&apos;s name (Cozy, Focus, ...)</extracomment>
        <translation>%1: włączone, %2%, scena %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset scene %3</source>
        <extracomment>%2: the brightness in percent; %3: the number of a scene Glowdeck has no name for</extracomment>
        <translation>%1: włączone, %2%, scena nr %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, %3 K</source>
        <extracomment>%2: the brightness in percent; %3: the white temperature in kelvin</extracomment>
        <translation>%1: włączone, %2%, %3 K</translation>
    </message>
    <message>
        <source>There is no panel to show here.</source>
        <translation>Nie ma tu panelu do pokazania.</translation>
    </message>
    <message>
        <source>There are no saved lights.</source>
        <translation>Brak zapisanych świateł.</translation>
    </message>
    <message>
        <source>No light is selected: name one, or give --all.</source>
        <translation>Nie wybrano światła: podaj jedno albo --all.</translation>
    </message>
    <message>
        <source>%1: not answering</source>
        <translation>%1: nie odpowiada</translation>
    </message>
    <message>
        <source>%1 rejected the command.</source>
        <translation>%1 odrzuciło polecenie.</translation>
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
