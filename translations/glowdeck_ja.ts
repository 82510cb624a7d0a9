<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
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
        <translation>すべてのライト</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
</context>
<context>
    <name>glowdeck::AppearanceSection</name>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>Light appearance</source>
        <translation>ライトのモード</translation>
    </message>
    <message>
        <source>White temperature</source>
        <translation>色温度</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>暖色</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>寒色</translation>
    </message>
    <message>
        <source>More colors…</source>
        <translation>その他の色…</translation>
    </message>
    <message>
        <source>More Colors…</source>
        <translation>その他の色…</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>シアン</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫</translation>
    </message>
</context>
<context>
    <name>glowdeck::ColorPanelController</name>
    <message>
        <source>Colors</source>
        <translation>色</translation>
    </message>
</context>
<context>
    <name>glowdeck::CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Controls WiZ lights on the local network from the system tray.</source>
        <translation>システムトレイからローカルネットワーク上の WiZ ライトを操作します。</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>不明なコマンド「%1」です。</translation>
    </message>
</context>
<context>
    <name>glowdeck::EmptyState</name>
    <message>
        <source>No Lights Found</source>
        <translation>ライトが見つかりません</translation>
    </message>
    <message>
        <source>Connect to the same Wi-Fi as your WiZ lights to get started.</source>
        <translation>始めるには、WiZ ライトと同じ Wi-Fi に接続してください。</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>ライトを追加…</translation>
    </message>
</context>
<context>
    <name>glowdeck::FormSheet</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>glowdeck::LightTile</name>
    <message>
        <source>Not responding</source>
        <translation>応答なし</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
</context>
<context>
    <name>glowdeck::MessageText</name>
    <message>
        <source>No bulbs replied. Use the same Wi-Fi, enable WiZ LAN control, or add an IP below.</source>
        <translation>応答したライトはありません。同じ Wi-Fi を使うか、WiZ の LAN 制御をオンにするか、下で IP アドレスを追加してください。</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>ローカルネットワーク接続を開けませんでした。</translation>
    </message>
    <message>
        <source>Could not configure the local network connection.</source>
        <translation>ローカルネットワーク接続を設定できませんでした。</translation>
    </message>
    <message>
        <source>Could not listen for bulb replies.</source>
        <translation>ライトからの応答を受信できませんでした。</translation>
    </message>
    <message>
        <source>Enter a valid bulb IPv4 address.</source>
        <translation>ライトの有効な IPv4 アドレスを入力してください。</translation>
    </message>
    <message>
        <source>Could not save the list of lights.</source>
        <translation>ライトの一覧を保存できませんでした。</translation>
    </message>
    <message>
        <source>Could not send to %1. Check local network access.</source>
        <translation>%1 に送信できませんでした。ローカルネットワークへのアクセスを確認してください。</translation>
    </message>
    <message>
        <source>%1 rejected the command. This bulb may not support it.</source>
        <translation>%1 がコマンドを拒否しました。このライトは対応していない可能性があります。</translation>
    </message>
    <message>
        <source>Could not turn on Start at Login: %1.</source>
        <translation>「ログイン時に起動」をオンにできませんでした: %1。</translation>
    </message>
    <message>
        <source>Could not turn off Start at Login: %1.</source>
        <translation>「ログイン時に起動」をオフにできませんでした: %1。</translation>
    </message>
    <message numerus="yes">
        <source>The list is full at %Ln lights. Forget one to add another.</source>
        <translation>
            <numerusform>リストは %Ln 個のライトでいっぱいです。追加するには、いずれかを削除してください。</numerusform>
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
        <translation>ライトを追加</translation>
    </message>
    <message>
        <source>Enter the light’s IP address from your router or WiZ app.</source>
        <translation>ルーターまたは WiZ アプリに表示されるライトの IP アドレスを入力してください。</translation>
    </message>
    <message>
        <source>IPv4 address</source>
        <translation>IPv4 アドレス</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Rename Light</source>
        <translation>ライトの名前を変更</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
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
        <translation>ライトを検索</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>その他のオプション</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>ライトを追加…</translation>
    </message>
    <message>
        <source>Rename Light…</source>
        <translation>ライトの名前を変更…</translation>
    </message>
    <message>
        <source>Forget Light</source>
        <translation>ライトを削除</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Quit Glowdeck</source>
        <translation>Glowdeck を終了</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerButton</name>
    <message>
        <source>Turn off</source>
        <translation>オフにする</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>オンにする</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerSwitch</name>
    <message>
        <source>Power</source>
        <translation>電源</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetName</name>
    <message>
        <source>Cozy</source>
        <translation>くつろぎ</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>集中</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>夜</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>夕焼け</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <translation>暖炉</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>海</translation>
    </message>
    <message>
        <source>Romance</source>
        <translation>ロマンス</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>森</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>パーティー</translation>
    </message>
    <message>
        <source>Relax</source>
        <translation>リラックス</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>テレビ</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>キャンドル</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetsSection</name>
    <message>
        <source>Presets</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>A tunable-white bulb cannot show this preset.</source>
        <translation>色温度調整タイプの電球ではこのプリセットを表示できません。</translation>
    </message>
    <message>
        <source>A dimmable-white bulb cannot show this preset.</source>
        <translation>調光のみの白色電球ではこのプリセットを表示できません。</translation>
    </message>
    <message>
        <source>A plug cannot show presets.</source>
        <translation>スマートプラグではプリセットを使用できません。</translation>
    </message>
    <message>
        <source>A fan light cannot show presets.</source>
        <translation>ライト付きファンではプリセットを使用できません。</translation>
    </message>
</context>
<context>
    <name>glowdeck::Spinner</name>
    <message>
        <source>Scanning</source>
        <translation>検索中</translation>
    </message>
</context>
<context>
    <name>glowdeck::main</name>
    <message>
        <source>Glowdeck already runs on this display; its panel opens there.</source>
        <translation>Glowdeck はこのディスプレイですでに実行中です。そちらでパネルが開きます。</translation>
    </message>
</context>
</TS>
