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
    <name>glowdeck::main</name>
    <message>
        <source>Glowdeck already runs on this display; its panel opens there.</source>
        <translation>Glowdeck è già in esecuzione su questo schermo; il suo pannello si apre lì.</translation>
    </message>
</context>
</TS>
