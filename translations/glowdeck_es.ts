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
    <name>glowdeck::main</name>
    <message>
        <source>Glowdeck already runs on this display; its panel opens there.</source>
        <translation>Glowdeck ya se está ejecutando en esta pantalla; su panel se abre allí.</translation>
    </message>
</context>
</TS>
