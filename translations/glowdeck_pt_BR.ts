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
    <name>glowdeck::LightMatch</name>
    <message>
        <source>There are no saved lights.</source>
        <translation>Não há luzes salvas.</translation>
    </message>
    <message>
        <source>Known lights: %1.</source>
        <extracomment>%1: the lights as &quot;name (address)&quot;, separated by commas</extracomment>
        <translation>Luzes conhecidas: %1.</translation>
    </message>
    <message>
        <source>An empty light name names no light. %1</source>
        <extracomment>%1: the known lights, a sentence of its own</extracomment>
        <translation>Um nome de luz vazio não indica nenhuma luz. %1</translation>
    </message>
    <message>
        <source>No saved light has the address %1. %2</source>
        <translation>Nenhuma luz salva tem o endereço %1. %2</translation>
    </message>
    <message>
        <source>No light is called &apos;%1&apos;. %2</source>
        <translation>Nenhuma luz se chama “%1”. %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; matches more than one light: %2. Name one of them fully or by its address.</source>
        <translation>“%1” corresponde a mais de uma luz: %2. Indique uma delas por completo ou pelo endereço.</translation>
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
    <name>glowdeck::Verb</name>
    <message>
        <source>Brightness must be 10-100, or +N or -N to step it.</source>
        <translation>O brilho deve ser de 10 a 100, ou +N ou -N para ajustá-lo.</translation>
    </message>
    <message>
        <source>Temperature must be 2200-6500 K.</source>
        <translation>A temperatura deve ser de 2200 a 6500 K.</translation>
    </message>
    <message>
        <source>Colour must be &apos;#rrggbb&apos; or one of: %1.</source>
        <extracomment>%1: the colour names as typed on the command line, separated by spaces</extracomment>
        <translation>A cor deve ser “#rrggbb” ou uma destas: %1.</translation>
    </message>
    <message>
        <source>Preset must be one of: %1.</source>
        <extracomment>%1: the preset names as typed on the command line, separated by spaces</extracomment>
        <translation>A cena deve ser uma destas: %1.</translation>
    </message>
    <message>
        <source>Refused &apos;%1&apos;: arguments must be text without markup (&lt;, &gt;, &amp;), control characters or NUL.</source>
        <translation>“%1” recusado: os argumentos devem ser texto sem marcação (&lt;, &gt;, &amp;), caracteres de controle ou NUL.</translation>
    </message>
    <message>
        <source>No verb given.</source>
        <translation>Nenhum comando informado.</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>Comando desconhecido “%1”.</translation>
    </message>
    <message>
        <source>Invalid value &apos;%1&apos;. %2</source>
        <extracomment>%2: what the value must be, a sentence of its own</extracomment>
        <translation>Valor inválido “%1”. %2</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos; for %2.</source>
        <extracomment>%2: the verb as typed (list, toggle, ...)</extracomment>
        <translation>Opção desconhecida “%1” para %2.</translation>
    </message>
    <message>
        <source>%1 takes no lights: &apos;%2&apos;.</source>
        <extracomment>%1: the verb as typed (list or panel)</extracomment>
        <translation>%1 não aceita luzes: “%2”.</translation>
    </message>
    <message>
        <source>%1 needs a value. %2</source>
        <extracomment>%1: the verb as typed (brightness, color, ...); %2: what the value must be</extracomment>
        <translation>%1 precisa de um valor. %2</translation>
    </message>
    <message>
        <source>Name lights or give --all, not both.</source>
        <translation>Indique luzes ou use --all, não os dois.</translation>
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
Comandos (para atalhos de teclado e scripts):
  list [--json]                       As luzes: nome, endereço, acessível,
                                      ligada, brilho, modo.
  list --names                        Os nomes das luzes salvas, sem consultá-
                                      las.
  on|off|toggle [LIGHT...|--all]      Liga ou desliga luzes; toggle segue a
                                      primeira.
  brightness 10-100|+N|-N [LIGHT...|--all]
  temperature 2200-6500 [LIGHT...|--all]
  color &apos;#rrggbb&apos;|NAME [LIGHT...|--all]
                                      NAME: Red, Orange, Yellow, Green, Cyan,
                                      Blue, Purple.
  preset NAME [LIGHT...|--all]        Uma cena, como Cozy ou Focus.
  panel                               Mostra ou oculta o painel.

LIGHT é o nome de uma luz salva (exato, sem diferenciar maiúsculas, ou um
início único) ou o seu endereço; sem ele, um comando age sobre a luz
selecionada no painel. Um Glowdeck em execução faz o trabalho; sem ele, o
comando age sozinho, com as luzes salvas (a lista do painel; a primeira vale
pela selecionada), enviando apenas para as luzes que nomeia, nunca por
broadcast. Ele espera até 1 s pelas respostas das luzes e sai com 0 quando
todas responderam, com 1 nomeando as que não responderam ou recusaram o
comando, e com 2 para um erro de uso.
</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbCommand</name>
    <message>
        <source>The running Glowdeck did not answer: %1</source>
        <extracomment>%1: the error the session bus reports, in English</extracomment>
        <translation>O Glowdeck em execução não respondeu: %1</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>Não foi possível abrir a conexão com a rede local.</translation>
    </message>
    <message>
        <source>The lights did not answer in time.</source>
        <translation>As luzes não responderam a tempo.</translation>
    </message>
    <message>
        <source>Run &apos;glowdeck --help&apos; for the verbs.</source>
        <translation>Execute “glowdeck --help” para ver os comandos.</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbRunner</name>
    <message>
        <source>%1 did not answer.</source>
        <translation>%1 não respondeu.</translation>
    </message>
    <message>
        <source>%1 cannot show a colour.</source>
        <translation>%1 não pode exibir uma cor.</translation>
    </message>
    <message>
        <source>%1 cannot show a white temperature.</source>
        <translation>%1 não pode exibir uma temperatura de branco.</translation>
    </message>
    <message>
        <source>%1 cannot show a brightness.</source>
        <translation>%1 não pode exibir um brilho.</translation>
    </message>
    <message>
        <source>%1 cannot show the preset %2.</source>
        <extracomment>%2: the preset&apos;s name as typed on the command line (Cozy, Focus, ...)</extracomment>
        <translation>%1 não pode exibir a cena %2.</translation>
    </message>
    <message>
        <source>%1 cannot show this.</source>
        <translation>%1 não pode exibir isto.</translation>
    </message>
    <message>
        <source>%1: off</source>
        <extracomment>A light&apos;s state: %1 the light as &quot;name (address)&quot;</extracomment>
        <translation>%1: desligada</translation>
    </message>
    <message>
        <source>%1: on, %2 %, colour %3</source>
        <extracomment>%2: the brightness in percent; %3: the colour as #rrggbb</extracomment>
        <translation>%1: ligada, %2%, cor %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset %3</source>
        <extracomment>%2: the brightness in percent; %3: the preset&apos;s name (Cozy, Focus, ...)</extracomment>
        <translation>%1: ligada, %2%, cena %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset scene %3</source>
        <extracomment>%2: the brightness in percent; %3: the number of a scene Glowdeck has no name for</extracomment>
        <translation>%1: ligada, %2%, cena nº %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, %3 K</source>
        <extracomment>%2: the brightness in percent; %3: the white temperature in kelvin</extracomment>
        <translation>%1: ligada, %2%, %3 K</translation>
    </message>
    <message>
        <source>There is no panel to show here.</source>
        <translation>Não há painel para mostrar aqui.</translation>
    </message>
    <message>
        <source>There are no saved lights.</source>
        <translation>Não há luzes salvas.</translation>
    </message>
    <message>
        <source>No light is selected: name one, or give --all.</source>
        <translation>Nenhuma luz selecionada: indique uma ou use --all.</translation>
    </message>
    <message>
        <source>%1: not answering</source>
        <translation>%1: não responde</translation>
    </message>
    <message>
        <source>%1 rejected the command.</source>
        <translation>%1 recusou o comando.</translation>
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
