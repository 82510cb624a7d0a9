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
    <name>glowdeck::main</name>
    <message>
        <source>Glowdeck already runs on this display; its panel opens there.</source>
        <translation>Glowdeck 已在此显示器上运行，其面板将在那里打开。</translation>
    </message>
</context>
</TS>
