<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>Tutte le luci</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Accendi</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Spegni</translation>
    </message>
</context>
<context>
    <name>glowdeck::AppearanceSection</name>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Light appearance</source>
        <translation>Modalità luce</translation>
    </message>
    <message>
        <source>White temperature</source>
        <translation>Temperatura del bianco</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Caldo</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Freddo</translation>
    </message>
    <message>
        <source>More colors…</source>
        <translation>Altri colori…</translation>
    </message>
    <message>
        <source>More Colors…</source>
        <translation>Altri colori…</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
</context>
<context>
    <name>glowdeck::ColorPanelController</name>
    <message>
        <source>Colors</source>
        <translation>Colori</translation>
    </message>
</context>
<context>
    <name>glowdeck::CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esci.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esci.</translation>
    </message>
    <message>
        <source>Controls WiZ lights on the local network from the system tray.</source>
        <translation>Controlla le luci WiZ della rete locale dall’area di notifica.</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>Comando sconosciuto «%1».</translation>
    </message>
</context>
<context>
    <name>glowdeck::EmptyState</name>
    <message>
        <source>No Lights Found</source>
        <translation>Nessuna luce trovata</translation>
    </message>
    <message>
        <source>Connect to the same Wi-Fi as your WiZ lights to get started.</source>
        <translation>Connettiti alla stessa rete Wi-Fi delle tue luci WiZ per iniziare.</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>Aggiungi luce…</translation>
    </message>
</context>
<context>
    <name>glowdeck::FormSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>glowdeck::LightMatch</name>
    <message>
        <source>There are no saved lights.</source>
        <translation>Non ci sono luci salvate.</translation>
    </message>
    <message>
        <source>Known lights: %1.</source>
        <extracomment>%1: the lights as &quot;name (address)&quot;, separated by commas</extracomment>
        <translation>Luci note: %1.</translation>
    </message>
    <message>
        <source>An empty light name names no light. %1</source>
        <extracomment>%1: the known lights, a sentence of its own</extracomment>
        <translation>Un nome di luce vuoto non indica nessuna luce. %1</translation>
    </message>
    <message>
        <source>No saved light has the address %1. %2</source>
        <translation>Nessuna luce salvata ha l’indirizzo %1. %2</translation>
    </message>
    <message>
        <source>No light is called &apos;%1&apos;. %2</source>
        <translation>Nessuna luce si chiama «%1». %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; matches more than one light: %2. Name one of them fully or by its address.</source>
        <translation>«%1» corrisponde a più di una luce: %2. Indicane una per intero o con il suo indirizzo.</translation>
    </message>
</context>
<context>
    <name>glowdeck::LightTile</name>
    <message>
        <source>Not responding</source>
        <translation>Non risponde</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Accesa</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Spenta</translation>
    </message>
</context>
<context>
    <name>glowdeck::MessageText</name>
    <message>
        <source>No bulbs replied. Use the same Wi-Fi, enable WiZ LAN control, or add an IP below.</source>
        <translation>Nessuna luce ha risposto. Usa la stessa rete Wi-Fi, attiva il controllo LAN di WiZ o aggiungi un IP qui sotto.</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>Impossibile aprire la connessione alla rete locale.</translation>
    </message>
    <message>
        <source>Could not configure the local network connection.</source>
        <translation>Impossibile configurare la connessione alla rete locale.</translation>
    </message>
    <message>
        <source>Could not listen for bulb replies.</source>
        <translation>Impossibile ricevere le risposte delle luci.</translation>
    </message>
    <message>
        <source>Enter a valid bulb IPv4 address.</source>
        <translation>Inserisci un indirizzo IPv4 valido della luce.</translation>
    </message>
    <message>
        <source>Could not save the list of lights.</source>
        <translation>Impossibile salvare l’elenco delle luci.</translation>
    </message>
    <message>
        <source>Could not send to %1. Check local network access.</source>
        <translation>Impossibile inviare a %1. Controlla l’accesso alla rete locale.</translation>
    </message>
    <message>
        <source>%1 rejected the command. This bulb may not support it.</source>
        <translation>%1 ha rifiutato il comando. Questa luce potrebbe non supportarlo.</translation>
    </message>
    <message>
        <source>Could not turn on Start at Login: %1.</source>
        <translation>Impossibile attivare «Avvia all’accesso»: %1.</translation>
    </message>
    <message>
        <source>Could not turn off Start at Login: %1.</source>
        <translation>Impossibile disattivare «Avvia all’accesso»: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The list is full at %Ln lights. Forget one to add another.</source>
        <translation>
            <numerusform>L’elenco è pieno con %Ln luce. Dimenticane una per aggiungerne un’altra.</numerusform>
            <numerusform>L’elenco è pieno con %Ln luci. Dimenticane una per aggiungerne un’altra.</numerusform>
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
        <translation>Aggiungi luce</translation>
    </message>
    <message>
        <source>Enter the light’s IP address from your router or WiZ app.</source>
        <translation>Inserisci l’indirizzo IP della luce indicato dal router o dall’app WiZ.</translation>
    </message>
    <message>
        <source>IPv4 address</source>
        <translation>Indirizzo IPv4</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Rename Light</source>
        <translation>Rinomina luce</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>glowdeck::PanelHeader</name>
    <message>
        <source>Discover lights</source>
        <translation>Cerca luci</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Altre opzioni</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>Aggiungi luce…</translation>
    </message>
    <message>
        <source>Rename Light…</source>
        <translation>Rinomina luce…</translation>
    </message>
    <message>
        <source>Forget Light</source>
        <translation>Dimentica luce</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Avvia all’accesso</translation>
    </message>
    <message>
        <source>Quit Glowdeck</source>
        <translation>Esci da Glowdeck</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerButton</name>
    <message>
        <source>Turn off</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>Accendi</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerSwitch</name>
    <message>
        <source>Power</source>
        <translation>Accensione</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetName</name>
    <message>
        <source>Cozy</source>
        <translation>Accogliente</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Focus</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Notte</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Tramonto</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <translation>Camino</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>Oceano</translation>
    </message>
    <message>
        <source>Romance</source>
        <translation>Romantico</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>Foresta</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Festa</translation>
    </message>
    <message>
        <source>Relax</source>
        <translation>Relax</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Candela</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetsSection</name>
    <message>
        <source>Presets</source>
        <translation>Scene</translation>
    </message>
    <message>
        <source>A tunable-white bulb cannot show this preset.</source>
        <translation>Una lampadina a bianco regolabile non può mostrare questa scena.</translation>
    </message>
    <message>
        <source>A dimmable-white bulb cannot show this preset.</source>
        <translation>Una lampadina bianca dimmerabile non può mostrare questa scena.</translation>
    </message>
    <message>
        <source>A plug cannot show presets.</source>
        <translation>Una presa non può mostrare scene.</translation>
    </message>
    <message>
        <source>A fan light cannot show presets.</source>
        <translation>Un ventilatore con luce non può mostrare scene.</translation>
    </message>
</context>
<context>
    <name>glowdeck::Spinner</name>
    <message>
        <source>Scanning</source>
        <translation>Ricerca in corso</translation>
    </message>
</context>
<context>
    <name>glowdeck::Verb</name>
    <message>
        <source>Brightness must be 10-100, or +N or -N to step it.</source>
        <translation>La luminosità deve essere tra 10 e 100, oppure +N o -N per variarla.</translation>
    </message>
    <message>
        <source>Temperature must be 2200-6500 K.</source>
        <translation>La temperatura deve essere tra 2200 e 6500 K.</translation>
    </message>
    <message>
        <source>Colour must be &apos;#rrggbb&apos; or one of: %1.</source>
        <extracomment>%1: the colour names as typed on the command line, separated by spaces</extracomment>
        <translation>Il colore deve essere «#rrggbb» o uno tra: %1.</translation>
    </message>
    <message>
        <source>Preset must be one of: %1.</source>
        <extracomment>%1: the preset names as typed on the command line, separated by spaces</extracomment>
        <translation>La scena deve essere una tra: %1.</translation>
    </message>
    <message>
        <source>Refused &apos;%1&apos;: arguments must be text without markup (&lt;, &gt;, &amp;), control characters or NUL.</source>
        <translation>«%1» rifiutato: gli argomenti devono essere testo senza markup (&lt;, &gt;, &amp;), caratteri di controllo o NUL.</translation>
    </message>
    <message>
        <source>No verb given.</source>
        <translation>Nessun comando indicato.</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>Comando sconosciuto «%1».</translation>
    </message>
    <message>
        <source>Invalid value &apos;%1&apos;. %2</source>
        <extracomment>%2: what the value must be, a sentence of its own</extracomment>
        <translation>Valore non valido «%1». %2</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos; for %2.</source>
        <extracomment>%2: the verb as typed (list, toggle, ...)</extracomment>
        <translation>Opzione sconosciuta «%1» per %2.</translation>
    </message>
    <message>
        <source>%1 takes no lights: &apos;%2&apos;.</source>
        <extracomment>%1: the verb as typed (list or panel)</extracomment>
        <translation>%1 non accetta luci: «%2».</translation>
    </message>
    <message>
        <source>%1 needs a value. %2</source>
        <extracomment>%1: the verb as typed (brightness, color, ...); %2: what the value must be</extracomment>
        <translation>%1 richiede un valore. %2</translation>
    </message>
    <message>
        <source>Name lights or give --all, not both.</source>
        <translation>Indica delle luci oppure --all, non entrambi.</translation>
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
Comandi (per scorciatoie da tastiera e script):
  list [--json]                       Le luci: nome, indirizzo, raggiungibile,
                                      accesa, luminosità, modalità.
  list --names                        I nomi delle luci salvate, senza
                                      interrogarle.
  on|off|toggle [LIGHT...|--all]      Accende o spegne luci; toggle segue la
                                      prima.
  brightness 10-100|+N|-N [LIGHT...|--all]
  temperature 2200-6500 [LIGHT...|--all]
  color &apos;#rrggbb&apos;|NAME [LIGHT...|--all]
                                      NAME: Red, Orange, Yellow, Green, Cyan,
                                      Blue, Purple.
  preset NAME [LIGHT...|--all]        Una scena, come Cozy o Focus.
  panel                               Mostra o nasconde il pannello.

LIGHT è il nome di una luce salvata (esatto, senza distinzione tra maiuscole
e minuscole, o un inizio univoco) o il suo indirizzo; senza, un comando agisce
sulla luce selezionata nel pannello. Se Glowdeck è in esecuzione, fa lui il
lavoro; altrimenti il comando agisce da solo, con le luci salvate (l’elenco del
pannello; la prima vale come luce selezionata), inviando solo alle luci che
nomina, mai in broadcast. Attende fino a 1 s le risposte delle luci ed esce
con 0 se tutte hanno risposto, con 1 indicando quelle che non hanno risposto
o hanno rifiutato il comando, con 2 per un errore di utilizzo.
</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbCommand</name>
    <message>
        <source>The running Glowdeck did not answer: %1</source>
        <extracomment>%1: the error the session bus reports, in English</extracomment>
        <translation>Il Glowdeck in esecuzione non ha risposto: %1</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>Impossibile aprire la connessione alla rete locale.</translation>
    </message>
    <message>
        <source>The lights did not answer in time.</source>
        <translation>Le luci non hanno risposto in tempo.</translation>
    </message>
    <message>
        <source>Run &apos;glowdeck --help&apos; for the verbs.</source>
        <translation>Esegui «glowdeck --help» per i comandi.</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbRunner</name>
    <message>
        <source>%1 did not answer.</source>
        <translation>%1 non ha risposto.</translation>
    </message>
    <message>
        <source>%1 cannot show a colour.</source>
        <translation>%1 non può mostrare un colore.</translation>
    </message>
    <message>
        <source>%1 cannot show a white temperature.</source>
        <translation>%1 non può mostrare una temperatura del bianco.</translation>
    </message>
    <message>
        <source>%1 cannot show a brightness.</source>
        <translation>%1 non può mostrare una luminosità.</translation>
    </message>
    <message>
        <source>%1 cannot show the preset %2.</source>
        <extracomment>%2: the preset&apos;s name as typed on the command line (Cozy, Focus, ...)</extracomment>
        <translation>%1 non può mostrare la scena %2.</translation>
    </message>
    <message>
        <source>%1 cannot show this.</source>
        <translation>%1 non può mostrare questo.</translation>
    </message>
    <message>
        <source>%1: off</source>
        <extracomment>A light&apos;s state: %1 the light as &quot;name (address)&quot;</extracomment>
        <translation>%1: spenta</translation>
    </message>
    <message>
        <source>%1: on, %2 %, colour %3</source>
        <extracomment>%2: the brightness in percent; %3: the colour as #rrggbb</extracomment>
        <translation>%1: accesa, %2%, colore %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset %3</source>
        <extracomment>%2: the brightness in percent; %3: the preset&apos;s name (Cozy, Focus, ...)</extracomment>
        <translation>%1: accesa, %2%, scena %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset scene %3</source>
        <extracomment>%2: the brightness in percent; %3: the number of a scene Glowdeck has no name for</extracomment>
        <translation>%1: accesa, %2%, scena n. %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, %3 K</source>
        <extracomment>%2: the brightness in percent; %3: the white temperature in kelvin</extracomment>
        <translation>%1: accesa, %2%, %3 K</translation>
    </message>
    <message>
        <source>There is no panel to show here.</source>
        <translation>Qui non c’è nessun pannello da mostrare.</translation>
    </message>
    <message>
        <source>There are no saved lights.</source>
        <translation>Non ci sono luci salvate.</translation>
    </message>
    <message>
        <source>No light is selected: name one, or give --all.</source>
        <translation>Nessuna luce selezionata: indicane una oppure --all.</translation>
    </message>
    <message>
        <source>%1: not answering</source>
        <translation>%1: non risponde</translation>
    </message>
    <message>
        <source>%1 rejected the command.</source>
        <translation>%1 ha rifiutato il comando.</translation>
    </message>
</context>
<context>
    <name>glowdeck::main</name>
    <message>
        <source>Glowdeck already runs on this display; its panel opens there.</source>
        <translation>Glowdeck è già in esecuzione su questo schermo; il suo pannello si apre lì.</translation>
    </message>
</context>
</TS>
