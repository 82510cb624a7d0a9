<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Todas as luzes</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligar</translation>
    </message>
</context>
<context>
    <name>glowdeck::AppearanceSection</name>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Light appearance</source>
        <translation>Modo da luz</translation>
    </message>
    <message>
        <source>White temperature</source>
        <translation>Temperatura do branco</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Quente</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Frio</translation>
    </message>
    <message>
        <source>More colors…</source>
        <translation>Mais cores…</translation>
    </message>
    <message>
        <source>More Colors…</source>
        <translation>Mais cores…</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
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
        <translation>Azul</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
</context>
<context>
    <name>glowdeck::ColorPanelController</name>
    <message>
        <source>Colors</source>
        <translation>Cores</translation>
    </message>
</context>
<context>
    <name>glowdeck::CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar a versão e sair.</translation>
    </message>
    <message>
        <source>Controls WiZ lights on the local network from the system tray.</source>
        <translation>Controla as luzes WiZ da rede local pela bandeja do sistema.</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>Comando desconhecido “%1”.</translation>
    </message>
</context>
<context>
    <name>glowdeck::EmptyState</name>
    <message>
        <source>No Lights Found</source>
        <translation>Nenhuma luz encontrada</translation>
    </message>
    <message>
        <source>Connect to the same Wi-Fi as your WiZ lights to get started.</source>
        <translation>Conecte-se à mesma rede Wi-Fi das suas luzes WiZ para começar.</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>Adicionar luz…</translation>
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
        <translation>Não responde</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligada</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligada</translation>
    </message>
</context>
<context>
    <name>glowdeck::MessageText</name>
    <message>
        <source>No bulbs replied. Use the same Wi-Fi, enable WiZ LAN control, or add an IP below.</source>
        <translation>Nenhuma luz respondeu. Use a mesma rede Wi-Fi, ative o controle LAN do WiZ ou adicione um IP abaixo.</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>Não foi possível abrir a conexão de rede local.</translation>
    </message>
    <message>
        <source>Could not configure the local network connection.</source>
        <translation>Não foi possível configurar a conexão de rede local.</translation>
    </message>
    <message>
        <source>Could not listen for bulb replies.</source>
        <translation>Não foi possível receber as respostas das luzes.</translation>
    </message>
    <message>
        <source>Enter a valid bulb IPv4 address.</source>
        <translation>Digite um endereço IPv4 válido da luz.</translation>
    </message>
    <message>
        <source>Could not save the list of lights.</source>
        <translation>Não foi possível salvar a lista de luzes.</translation>
    </message>
    <message>
        <source>Could not send to %1. Check local network access.</source>
        <translation>Não foi possível enviar para %1. Verifique o acesso à rede local.</translation>
    </message>
    <message>
        <source>%1 rejected the command. This bulb may not support it.</source>
        <translation>%1 recusou o comando. Talvez esta luz não seja compatível com ele.</translation>
    </message>
    <message>
        <source>Could not turn on Start at Login: %1.</source>
        <translation>Não foi possível ativar “Iniciar ao entrar”: %1.</translation>
    </message>
    <message>
        <source>Could not turn off Start at Login: %1.</source>
        <translation>Não foi possível desativar “Iniciar ao entrar”: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The list is full at %Ln lights. Forget one to add another.</source>
        <translation>
            <numerusform>A lista está cheia com %Ln luz. Esqueça uma para adicionar outra.</numerusform>
            <numerusform>A lista está cheia com %Ln luzes. Esqueça uma para adicionar outra.</numerusform>
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
        <translation>Adicionar luz</translation>
    </message>
    <message>
        <source>Enter the light’s IP address from your router or WiZ app.</source>
        <translation>Digite o endereço IP da luz mostrado no roteador ou no app WiZ.</translation>
    </message>
    <message>
        <source>IPv4 address</source>
        <translation>Endereço IPv4</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Rename Light</source>
        <translation>Renomear luz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
</context>
<context>
    <name>glowdeck::PanelHeader</name>
    <message>
        <source>Discover lights</source>
        <translation>Procurar luzes</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Mais opções</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>Adicionar luz…</translation>
    </message>
    <message>
        <source>Rename Light…</source>
        <translation>Renomear luz…</translation>
    </message>
    <message>
        <source>Forget Light</source>
        <translation>Esquecer luz</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Iniciar ao entrar</translation>
    </message>
    <message>
        <source>Quit Glowdeck</source>
        <translation>Sair do Glowdeck</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerButton</name>
    <message>
        <source>Turn off</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>Ligar</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerSwitch</name>
    <message>
        <source>Power</source>
        <translation>Liga/desliga</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetName</name>
    <message>
        <source>Cozy</source>
        <translation>Aconchego</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Foco</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noite</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Pôr do sol</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <translation>Lareira</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>Oceano</translation>
    </message>
    <message>
        <source>Romance</source>
        <translation>Romance</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>Floresta</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Festa</translation>
    </message>
    <message>
        <source>Relax</source>
        <translation>Relaxar</translation>
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
        <translation>Cenas</translation>
    </message>
    <message>
        <source>A tunable-white bulb cannot show this preset.</source>
        <translation>Uma lâmpada de branco ajustável não pode exibir esta cena.</translation>
    </message>
    <message>
        <source>A dimmable-white bulb cannot show this preset.</source>
        <translation>Uma lâmpada branca dimerizável não pode exibir esta cena.</translation>
    </message>
    <message>
        <source>A plug cannot show presets.</source>
        <translation>Uma tomada não pode exibir cenas.</translation>
    </message>
    <message>
        <source>A fan light cannot show presets.</source>
        <translation>Um ventilador com luz não pode exibir cenas.</translation>
    </message>
</context>
<context>
    <name>glowdeck::Spinner</name>
    <message>
        <source>Scanning</source>
        <translation>Procurando</translation>
    </message>
</context>
<context>
    <name>glowdeck::main</name>
    <message>
        <source>Glowdeck already runs on this display; its panel opens there.</source>
        <translation>O Glowdeck já está em execução nesta tela; o painel dele abre lá.</translation>
    </message>
</context>
</TS>
