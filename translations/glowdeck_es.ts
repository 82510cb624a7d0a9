<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>Todas las luces</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Encender</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apagar</translation>
    </message>
</context>
<context>
    <name>glowdeck::AppearanceSection</name>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Light appearance</source>
        <translation>Modo de luz</translation>
    </message>
    <message>
        <source>White temperature</source>
        <translation>Temperatura del blanco</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Cálido</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Frío</translation>
    </message>
    <message>
        <source>More colors…</source>
        <translation>Más colores…</translation>
    </message>
    <message>
        <source>More Colors…</source>
        <translation>Más colores…</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
</context>
<context>
    <name>glowdeck::ColorPanelController</name>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
</context>
<context>
    <name>glowdeck::CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Controls WiZ lights on the local network from the system tray.</source>
        <translation>Controla las luces WiZ de la red local desde la bandeja del sistema.</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>Orden desconocida «%1».</translation>
    </message>
</context>
<context>
    <name>glowdeck::EmptyState</name>
    <message>
        <source>No Lights Found</source>
        <translation>No se encontraron luces</translation>
    </message>
    <message>
        <source>Connect to the same Wi-Fi as your WiZ lights to get started.</source>
        <translation>Conéctate a la misma red Wi-Fi que tus luces WiZ para empezar.</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>Añadir luz…</translation>
    </message>
</context>
<context>
    <name>glowdeck::FormSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>glowdeck::LightMatch</name>
    <message>
        <source>There are no saved lights.</source>
        <translation>No hay luces guardadas.</translation>
    </message>
    <message>
        <source>Known lights: %1.</source>
        <extracomment>%1: the lights as &quot;name (address)&quot;, separated by commas</extracomment>
        <translation>Luces conocidas: %1.</translation>
    </message>
    <message>
        <source>An empty light name names no light. %1</source>
        <extracomment>%1: the known lights, a sentence of its own</extracomment>
        <translation>Un nombre de luz vacío no nombra ninguna luz. %1</translation>
    </message>
    <message>
        <source>No saved light has the address %1. %2</source>
        <translation>Ninguna luz guardada tiene la dirección %1. %2</translation>
    </message>
    <message>
        <source>No light is called &apos;%1&apos;. %2</source>
        <translation>Ninguna luz se llama «%1». %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; matches more than one light: %2. Name one of them fully or by its address.</source>
        <translation>«%1» coincide con más de una luz: %2. Nombra una de ellas completa o por su dirección.</translation>
    </message>
</context>
<context>
    <name>glowdeck::LightTile</name>
    <message>
        <source>Not responding</source>
        <translation>No responde</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Encendida</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apagada</translation>
    </message>
</context>
<context>
    <name>glowdeck::MessageText</name>
    <message>
        <source>No bulbs replied. Use the same Wi-Fi, enable WiZ LAN control, or add an IP below.</source>
        <translation>Ninguna luz ha respondido. Usa la misma red Wi-Fi, activa el control LAN de WiZ o añade una IP abajo.</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>No se ha podido abrir la conexión de red local.</translation>
    </message>
    <message>
        <source>Could not configure the local network connection.</source>
        <translation>No se ha podido configurar la conexión de red local.</translation>
    </message>
    <message>
        <source>Could not listen for bulb replies.</source>
        <translation>No se pueden recibir las respuestas de las luces.</translation>
    </message>
    <message>
        <source>Enter a valid bulb IPv4 address.</source>
        <translation>Introduce una dirección IPv4 válida de la luz.</translation>
    </message>
    <message>
        <source>Could not save the list of lights.</source>
        <translation>No se ha podido guardar la lista de luces.</translation>
    </message>
    <message>
        <source>Could not send to %1. Check local network access.</source>
        <translation>No se ha podido enviar a %1. Comprueba el acceso a la red local.</translation>
    </message>
    <message>
        <source>%1 rejected the command. This bulb may not support it.</source>
        <translation>%1 ha rechazado la orden. Puede que esta luz no la admita.</translation>
    </message>
    <message>
        <source>Could not turn on Start at Login: %1.</source>
        <translation>No se ha podido activar «Iniciar al iniciar sesión»: %1.</translation>
    </message>
    <message>
        <source>Could not turn off Start at Login: %1.</source>
        <translation>No se ha podido desactivar «Iniciar al iniciar sesión»: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The list is full at %Ln lights. Forget one to add another.</source>
        <translation>
            <numerusform>La lista está llena con %Ln luz. Olvida una para añadir otra.</numerusform>
            <numerusform>La lista está llena con %Ln luces. Olvida una para añadir otra.</numerusform>
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
        <translation>Añadir luz</translation>
    </message>
    <message>
        <source>Enter the light’s IP address from your router or WiZ app.</source>
        <translation>Introduce la dirección IP de la luz que muestra tu router o la app WiZ.</translation>
    </message>
    <message>
        <source>IPv4 address</source>
        <translation>Dirección IPv4</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Rename Light</source>
        <translation>Cambiar nombre de la luz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>glowdeck::PanelHeader</name>
    <message>
        <source>Discover lights</source>
        <translation>Buscar luces</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Más opciones</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>Añadir luz…</translation>
    </message>
    <message>
        <source>Rename Light…</source>
        <translation>Cambiar nombre de la luz…</translation>
    </message>
    <message>
        <source>Forget Light</source>
        <translation>Olvidar luz</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message>
        <source>Quit Glowdeck</source>
        <translation>Salir de Glowdeck</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerButton</name>
    <message>
        <source>Turn off</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>Encender</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerSwitch</name>
    <message>
        <source>Power</source>
        <translation>Encendido</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetName</name>
    <message>
        <source>Cozy</source>
        <translation>Acogedor</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Enfoque</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Atardecer</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <translation>Chimenea</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>Océano</translation>
    </message>
    <message>
        <source>Romance</source>
        <translation>Romance</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>Bosque</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Fiesta</translation>
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
        <translation>Vela</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetsSection</name>
    <message>
        <source>Presets</source>
        <translation>Escenas</translation>
    </message>
    <message>
        <source>A tunable-white bulb cannot show this preset.</source>
        <translation>Una bombilla de blanco regulable no puede mostrar esta escena.</translation>
    </message>
    <message>
        <source>A dimmable-white bulb cannot show this preset.</source>
        <translation>Una bombilla blanca regulable en intensidad no puede mostrar esta escena.</translation>
    </message>
    <message>
        <source>A plug cannot show presets.</source>
        <translation>Un enchufe no puede mostrar escenas.</translation>
    </message>
    <message>
        <source>A fan light cannot show presets.</source>
        <translation>Un ventilador con luz no puede mostrar escenas.</translation>
    </message>
</context>
<context>
    <name>glowdeck::Spinner</name>
    <message>
        <source>Scanning</source>
        <translation>Buscando</translation>
    </message>
</context>
<context>
    <name>glowdeck::Verb</name>
    <message>
        <source>Brightness must be 10-100, or +N or -N to step it.</source>
        <translation>El brillo debe estar entre 10 y 100, o ser +N o -N para variarlo.</translation>
    </message>
    <message>
        <source>Temperature must be 2200-6500 K.</source>
        <translation>La temperatura debe estar entre 2200 y 6500 K.</translation>
    </message>
    <message>
        <source>Colour must be &apos;#rrggbb&apos; or one of: %1.</source>
        <extracomment>%1: the colour names as typed on the command line, separated by spaces</extracomment>
        <translation>El color debe ser «#rrggbb» o uno de: %1.</translation>
    </message>
    <message>
        <source>Preset must be one of: %1.</source>
        <extracomment>%1: the preset names as typed on the command line, separated by spaces</extracomment>
        <translation>La escena debe ser una de: %1.</translation>
    </message>
    <message>
        <source>Refused &apos;%1&apos;: arguments must be text without markup (&lt;, &gt;, &amp;), control characters or NUL.</source>
        <translation>Se rechazó «%1»: los argumentos deben ser texto sin marcado (&lt;, &gt;, &amp;), caracteres de control ni NUL.</translation>
    </message>
    <message>
        <source>No verb given.</source>
        <translation>No se ha indicado ninguna orden.</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>Orden desconocida «%1».</translation>
    </message>
    <message>
        <source>Invalid value &apos;%1&apos;. %2</source>
        <extracomment>%2: what the value must be, a sentence of its own</extracomment>
        <translation>Valor no válido «%1». %2</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos; for %2.</source>
        <extracomment>%2: the verb as typed (list, toggle, ...)</extracomment>
        <translation>Opción desconocida «%1» para %2.</translation>
    </message>
    <message>
        <source>%1 takes no lights: &apos;%2&apos;.</source>
        <extracomment>%1: the verb as typed (list or panel)</extracomment>
        <translation>%1 no admite luces: «%2».</translation>
    </message>
    <message>
        <source>%1 needs a value. %2</source>
        <extracomment>%1: the verb as typed (brightness, color, ...); %2: what the value must be</extracomment>
        <translation>%1 necesita un valor. %2</translation>
    </message>
    <message>
        <source>Name lights or give --all, not both.</source>
        <translation>Nombra luces o indica --all, no ambas cosas.</translation>
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
Órdenes (para atajos de teclado y scripts):
  list [--json]                       Las luces: nombre, dirección, accesible,
                                      encendida, brillo, modo.
  list --names                        Los nombres de las luces guardadas, sin
                                      consultarlas.
  on|off|toggle [LIGHT...|--all]      Conmuta luces; toggle sigue a la primera.
  brightness 10-100|+N|-N [LIGHT...|--all]
  temperature 2200-6500 [LIGHT...|--all]
  color &apos;#rrggbb&apos;|NAME [LIGHT...|--all]
                                      NAME: Red, Orange, Yellow, Green, Cyan,
                                      Blue, Purple.
  preset NAME [LIGHT...|--all]        Una escena, como Cozy o Focus.
  panel                               Muestra u oculta el panel.

LIGHT es el nombre de una luz guardada (exacto, sin distinguir mayúsculas, o
un comienzo único) o su dirección; sin él, una orden actúa sobre la luz
seleccionada en el panel. Un Glowdeck en ejecución hace el trabajo; si no hay
ninguno, la orden actúa por su cuenta con las luces guardadas (la lista del
panel; la primera hace de luz seleccionada), enviando solo a las luces que
nombra, nunca por difusión. Espera hasta 1 s las respuestas de las luces y
termina con 0 si todas respondieron, con 1 nombrando las que no respondieron
o rechazaron la orden, y con 2 ante un error de uso.
</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbCommand</name>
    <message>
        <source>The running Glowdeck did not answer: %1</source>
        <extracomment>%1: the error the session bus reports, in English</extracomment>
        <translation>El Glowdeck en ejecución no respondió: %1</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>No se ha podido abrir la conexión con la red local.</translation>
    </message>
    <message>
        <source>The lights did not answer in time.</source>
        <translation>Las luces no respondieron a tiempo.</translation>
    </message>
    <message>
        <source>Run &apos;glowdeck --help&apos; for the verbs.</source>
        <translation>Ejecuta «glowdeck --help» para ver las órdenes.</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbRunner</name>
    <message>
        <source>%1 did not answer.</source>
        <translation>%1 no respondió.</translation>
    </message>
    <message>
        <source>%1 cannot show a colour.</source>
        <translation>%1 no puede mostrar un color.</translation>
    </message>
    <message>
        <source>%1 cannot show a white temperature.</source>
        <translation>%1 no puede mostrar una temperatura de blanco.</translation>
    </message>
    <message>
        <source>%1 cannot show a brightness.</source>
        <translation>%1 no puede mostrar un brillo.</translation>
    </message>
    <message>
        <source>%1 cannot show the preset %2.</source>
        <extracomment>%2: the preset&apos;s name as typed on the command line (Cozy, Focus, ...)</extracomment>
        <translation>%1 no puede mostrar la escena %2.</translation>
    </message>
    <message>
        <source>%1 cannot show this.</source>
        <translation>%1 no puede mostrar esto.</translation>
    </message>
    <message>
        <source>%1: off</source>
        <extracomment>A light&apos;s state: %1 the light as &quot;name (address)&quot;</extracomment>
        <translation>%1: apagada</translation>
    </message>
    <message>
        <source>%1: on, %2 %, colour %3</source>
        <extracomment>%2: the brightness in percent; %3: the colour as #rrggbb</extracomment>
        <translation>%1: encendida, %2 %, color %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset %3</source>
        <extracomment>%2: the brightness in percent; %3: the preset&apos;s name (Cozy, Focus, ...)</extracomment>
        <translation>%1: encendida, %2 %, escena %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset scene %3</source>
        <extracomment>%2: the brightness in percent; %3: the number of a scene Glowdeck has no name for</extracomment>
        <translation>%1: encendida, %2 %, escena n.º %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, %3 K</source>
        <extracomment>%2: the brightness in percent; %3: the white temperature in kelvin</extracomment>
        <translation>%1: encendida, %2 %, %3 K</translation>
    </message>
    <message>
        <source>There is no panel to show here.</source>
        <translation>Aquí no hay ningún panel que mostrar.</translation>
    </message>
    <message>
        <source>There are no saved lights.</source>
        <translation>No hay luces guardadas.</translation>
    </message>
    <message>
        <source>No light is selected: name one, or give --all.</source>
        <translation>No hay ninguna luz seleccionada: nombra una o indica --all.</translation>
    </message>
    <message>
        <source>%1: not answering</source>
        <translation>%1: no responde</translation>
    </message>
    <message>
        <source>%1 rejected the command.</source>
        <translation>%1 rechazó la orden.</translation>
    </message>
</context>
<context>
    <name>glowdeck::main</name>
    <message>
        <source>Glowdeck already runs on this display; its panel opens there.</source>
        <translation>Glowdeck ya se está ejecutando en esta pantalla; su panel se abre allí.</translation>
    </message>
</context>
</TS>
