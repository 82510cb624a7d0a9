<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>所有灯</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
</context>
<context>
    <name>glowdeck::AppearanceSection</name>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白光</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>彩色</translation>
    </message>
    <message>
        <source>Light appearance</source>
        <translation>灯光模式</translation>
    </message>
    <message>
        <source>White temperature</source>
        <translation>色温</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>暖</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>冷</translation>
    </message>
    <message>
        <source>More colors…</source>
        <translation>更多颜色…</translation>
    </message>
    <message>
        <source>More Colors…</source>
        <translation>更多颜色…</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
</context>
<context>
    <name>glowdeck::ColorPanelController</name>
    <message>
        <source>Colors</source>
        <translation>颜色</translation>
    </message>
</context>
<context>
    <name>glowdeck::CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Controls WiZ lights on the local network from the system tray.</source>
        <translation>从系统托盘控制本地网络中的 WiZ 灯。</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>未知命令“%1”。</translation>
    </message>
</context>
<context>
    <name>glowdeck::EmptyState</name>
    <message>
        <source>No Lights Found</source>
        <translation>未找到灯</translation>
    </message>
    <message>
        <source>Connect to the same Wi-Fi as your WiZ lights to get started.</source>
        <translation>请连接到与 WiZ 灯相同的 Wi-Fi 以开始使用。</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>添加灯…</translation>
    </message>
</context>
<context>
    <name>glowdeck::FormSheet</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>glowdeck::LightMatch</name>
    <message>
        <source>There are no saved lights.</source>
        <translation>没有已保存的灯。</translation>
    </message>
    <message>
        <source>Known lights: %1.</source>
        <extracomment>%1: the lights as &quot;name (address)&quot;, separated by commas</extracomment>
        <translation>已知的灯：%1。</translation>
    </message>
    <message>
        <source>An empty light name names no light. %1</source>
        <extracomment>%1: the known lights, a sentence of its own</extracomment>
        <translation>空的灯名称不能指定任何灯。%1</translation>
    </message>
    <message>
        <source>No saved light has the address %1. %2</source>
        <translation>没有已保存的灯使用地址 %1。%2</translation>
    </message>
    <message>
        <source>No light is called &apos;%1&apos;. %2</source>
        <translation>没有名为“%1”的灯。%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; matches more than one light: %2. Name one of them fully or by its address.</source>
        <translation>“%1”匹配多盏灯：%2。请写出其中一盏的完整名称或地址。</translation>
    </message>
</context>
<context>
    <name>glowdeck::LightTile</name>
    <message>
        <source>Not responding</source>
        <translation>无响应</translation>
    </message>
    <message>
        <source>On</source>
        <translation>已开启</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>已关闭</translation>
    </message>
</context>
<context>
    <name>glowdeck::MessageText</name>
    <message>
        <source>No bulbs replied. Use the same Wi-Fi, enable WiZ LAN control, or add an IP below.</source>
        <translation>没有灯响应。请使用同一 Wi-Fi、启用 WiZ 局域网控制，或在下方添加 IP 地址。</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>无法打开本地网络连接。</translation>
    </message>
    <message>
        <source>Could not configure the local network connection.</source>
        <translation>无法配置本地网络连接。</translation>
    </message>
    <message>
        <source>Could not listen for bulb replies.</source>
        <translation>无法接收灯的响应。</translation>
    </message>
    <message>
        <source>Enter a valid bulb IPv4 address.</source>
        <translation>请输入灯的有效 IPv4 地址。</translation>
    </message>
    <message>
        <source>Could not save the list of lights.</source>
        <translation>无法保存灯列表。</translation>
    </message>
    <message>
        <source>Could not send to %1. Check local network access.</source>
        <translation>无法发送到 %1。请检查本地网络访问权限。</translation>
    </message>
    <message>
        <source>%1 rejected the command. This bulb may not support it.</source>
        <translation>%1 拒绝了该命令。此灯可能不支持该命令。</translation>
    </message>
    <message>
        <source>Could not turn on Start at Login: %1.</source>
        <translation>无法开启“登录时启动”：%1。</translation>
    </message>
    <message>
        <source>Could not turn off Start at Login: %1.</source>
        <translation>无法关闭“登录时启动”：%1。</translation>
    </message>
    <message numerus="yes">
        <source>The list is full at %Ln lights. Forget one to add another.</source>
        <translation>
            <numerusform>列表已满，共 %Ln 个灯。请移除一个后再添加。</numerusform>
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
        <translation>添加灯</translation>
    </message>
    <message>
        <source>Enter the light’s IP address from your router or WiZ app.</source>
        <translation>输入路由器或 WiZ 应用中显示的灯 IP 地址。</translation>
    </message>
    <message>
        <source>IPv4 address</source>
        <translation>IPv4 地址</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Rename Light</source>
        <translation>重命名灯</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>glowdeck::PanelHeader</name>
    <message>
        <source>Discover lights</source>
        <translation>搜索灯</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>更多选项</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>添加灯…</translation>
    </message>
    <message>
        <source>Rename Light…</source>
        <translation>重命名灯…</translation>
    </message>
    <message>
        <source>Forget Light</source>
        <translation>移除灯</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Quit Glowdeck</source>
        <translation>退出 Glowdeck</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerButton</name>
    <message>
        <source>Turn off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>开启</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerSwitch</name>
    <message>
        <source>Power</source>
        <translation>电源</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetName</name>
    <message>
        <source>Cozy</source>
        <translation>舒适</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>专注</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>夜晚</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>日落</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <translation>壁炉</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>海洋</translation>
    </message>
    <message>
        <source>Romance</source>
        <translation>浪漫</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>森林</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>派对</translation>
    </message>
    <message>
        <source>Relax</source>
        <translation>放松</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>电视</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>烛光</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetsSection</name>
    <message>
        <source>Presets</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>A tunable-white bulb cannot show this preset.</source>
        <translation>可调白光灯泡无法显示此预设。</translation>
    </message>
    <message>
        <source>A dimmable-white bulb cannot show this preset.</source>
        <translation>可调光白光灯泡无法显示此预设。</translation>
    </message>
    <message>
        <source>A plug cannot show presets.</source>
        <translation>插座无法显示预设。</translation>
    </message>
    <message>
        <source>A fan light cannot show presets.</source>
        <translation>风扇灯无法显示预设。</translation>
    </message>
</context>
<context>
    <name>glowdeck::Spinner</name>
    <message>
        <source>Scanning</source>
        <translation>正在搜索</translation>
    </message>
</context>
<context>
    <name>glowdeck::Verb</name>
    <message>
        <source>Brightness must be 10-100, or +N or -N to step it.</source>
        <translation>亮度必须为 10-100，或用 +N、-N 进行增减。</translation>
    </message>
    <message>
        <source>Temperature must be 2200-6500 K.</source>
        <translation>色温必须为 2200-6500 K。</translation>
    </message>
    <message>
        <source>Colour must be &apos;#rrggbb&apos; or one of: %1.</source>
        <extracomment>%1: the colour names as typed on the command line, separated by spaces</extracomment>
        <translation>颜色必须为“#rrggbb”或以下之一：%1。</translation>
    </message>
    <message>
        <source>Preset must be one of: %1.</source>
        <extracomment>%1: the preset names as typed on the command line, separated by spaces</extracomment>
        <translation>预设必须为以下之一：%1。</translation>
    </message>
    <message>
        <source>Refused &apos;%1&apos;: arguments must be text without markup (&lt;, &gt;, &amp;), control characters or NUL.</source>
        <translation>已拒绝“%1”：参数必须是不含标记（&lt;、&gt;、&amp;）、控制字符或 NUL 的文本。</translation>
    </message>
    <message>
        <source>No verb given.</source>
        <translation>未指定命令。</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>未知命令“%1”。</translation>
    </message>
    <message>
        <source>Invalid value &apos;%1&apos;. %2</source>
        <extracomment>%2: what the value must be, a sentence of its own</extracomment>
        <translation>无效的值“%1”。%2</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos; for %2.</source>
        <extracomment>%2: the verb as typed (list, toggle, ...)</extracomment>
        <translation>%2 的未知选项“%1”。</translation>
    </message>
    <message>
        <source>%1 takes no lights: &apos;%2&apos;.</source>
        <extracomment>%1: the verb as typed (list or panel)</extracomment>
        <translation>%1 不接受灯：“%2”。</translation>
    </message>
    <message>
        <source>%1 needs a value. %2</source>
        <extracomment>%1: the verb as typed (brightness, color, ...); %2: what the value must be</extracomment>
        <translation>%1 需要一个值。%2</translation>
    </message>
    <message>
        <source>Name lights or give --all, not both.</source>
        <translation>请指定灯或使用 --all，不能同时使用。</translation>
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
命令（用于键盘快捷键和脚本）：
  list [--json]                       列出灯：名称、地址、是否可达、开关、亮度、
                                      模式。
  list --names                        已保存灯的名称，不询问灯。
  on|off|toggle [LIGHT...|--all]      开关灯；toggle 以第一盏灯为准。
  brightness 10-100|+N|-N [LIGHT...|--all]
  temperature 2200-6500 [LIGHT...|--all]
  color &apos;#rrggbb&apos;|NAME [LIGHT...|--all]
                                      NAME：Red、Orange、Yellow、Green、Cyan、Blue、
                                      Purple。
  preset NAME [LIGHT...|--all]        一个预设，例如 Cozy 或 Focus。
  panel                               显示或隐藏面板。

LIGHT 是已保存灯的名称（完全一致、不区分大小写，或唯一的开头部分）或其地址；
省略时命令作用于面板中选中的灯。若 Glowdeck 正在运行，由它执行；否则命令
自行使用已保存的灯（面板中的列表；第一盏代表选中的灯）执行，只发送给所指定
的灯，从不广播。命令最多等待 1 秒让灯应答：全部应答时以 0 退出；有灯未应答
或拒绝命令时以 1 退出并列出这些灯；用法错误时以 2 退出。
</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbCommand</name>
    <message>
        <source>The running Glowdeck did not answer: %1</source>
        <extracomment>%1: the error the session bus reports, in English</extracomment>
        <translation>正在运行的 Glowdeck 没有应答：%1</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>无法打开本地网络连接。</translation>
    </message>
    <message>
        <source>The lights did not answer in time.</source>
        <translation>灯未能及时应答。</translation>
    </message>
    <message>
        <source>Run &apos;glowdeck --help&apos; for the verbs.</source>
        <translation>运行“glowdeck --help”查看命令。</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbRunner</name>
    <message>
        <source>%1 did not answer.</source>
        <translation>%1 没有应答。</translation>
    </message>
    <message>
        <source>%1 cannot show a colour.</source>
        <translation>%1 无法显示彩色。</translation>
    </message>
    <message>
        <source>%1 cannot show a white temperature.</source>
        <translation>%1 无法显示白光色温。</translation>
    </message>
    <message>
        <source>%1 cannot show a brightness.</source>
        <translation>%1 无法调节亮度。</translation>
    </message>
    <message>
        <source>%1 cannot show the preset %2.</source>
        <extracomment>%2: the preset&apos;s name as typed on the command line (Cozy, Focus, ...)</extracomment>
        <translation>%1 无法显示预设 %2。</translation>
    </message>
    <message>
        <source>%1 cannot show this.</source>
        <translation>%1 无法显示此项。</translation>
    </message>
    <message>
        <source>%1: off</source>
        <extracomment>A light&apos;s state: %1 the light as &quot;name (address)&quot;</extracomment>
        <translation>%1：关</translation>
    </message>
    <message>
        <source>%1: on, %2 %, colour %3</source>
        <extracomment>%2: the brightness in percent; %3: the colour as #rrggbb</extracomment>
        <translation>%1：开，%2%，彩色 %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset %3</source>
        <extracomment>%2: the brightness in percent; %3: the preset&apos;s name (Cozy, Focus, ...)</extracomment>
        <translation>%1：开，%2%，预设 %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset scene %3</source>
        <extracomment>%2: the brightness in percent; %3: the number of a scene Glowdeck has no name for</extracomment>
        <translation>%1：开，%2%，预设（场景 %3）</translation>
    </message>
    <message>
        <source>%1: on, %2 %, %3 K</source>
        <extracomment>%2: the brightness in percent; %3: the white temperature in kelvin</extracomment>
        <translation>%1：开，%2%，%3 K</translation>
    </message>
    <message>
        <source>There is no panel to show here.</source>
        <translation>这里没有可显示的面板。</translation>
    </message>
    <message>
        <source>There are no saved lights.</source>
        <translation>没有已保存的灯。</translation>
    </message>
    <message>
        <source>No light is selected: name one, or give --all.</source>
        <translation>未选择灯：请指定一盏灯，或使用 --all。</translation>
    </message>
    <message>
        <source>%1: not answering</source>
        <translation>%1：无应答</translation>
    </message>
    <message>
        <source>%1 rejected the command.</source>
        <translation>%1 拒绝了命令。</translation>
    </message>
</context>
<context>
    <name>glowdeck::main</name>
    <message>
        <source>Glowdeck already runs on this display; its panel opens there.</source>
        <translation>Glowdeck 已在此显示器上运行，其面板将在那里打开。</translation>
    </message>
</context>
</TS>
