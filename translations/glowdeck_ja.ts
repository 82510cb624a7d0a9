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
    <name>glowdeck::LightMatch</name>
    <message>
        <source>There are no saved lights.</source>
        <translation>保存済みのライトがありません。</translation>
    </message>
    <message>
        <source>Known lights: %1.</source>
        <extracomment>%1: the lights as &quot;name (address)&quot;, separated by commas</extracomment>
        <translation>既知のライト: %1。</translation>
    </message>
    <message>
        <source>An empty light name names no light. %1</source>
        <extracomment>%1: the known lights, a sentence of its own</extracomment>
        <translation>空の名前ではライトを指定できません。%1</translation>
    </message>
    <message>
        <source>No saved light has the address %1. %2</source>
        <translation>アドレス %1 の保存済みライトはありません。%2</translation>
    </message>
    <message>
        <source>No light is called &apos;%1&apos;. %2</source>
        <translation>「%1」という名前のライトはありません。%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; matches more than one light: %2. Name one of them fully or by its address.</source>
        <translation>「%1」は複数のライトに一致します: %2。いずれかを完全な名前かアドレスで指定してください。</translation>
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
    <name>glowdeck::Verb</name>
    <message>
        <source>Brightness must be 10-100, or +N or -N to step it.</source>
        <translation>明るさは 10～100、または増減する場合は +N か -N で指定してください。</translation>
    </message>
    <message>
        <source>Temperature must be 2200-6500 K.</source>
        <translation>色温度は 2200～6500 K で指定してください。</translation>
    </message>
    <message>
        <source>Colour must be &apos;#rrggbb&apos; or one of: %1.</source>
        <extracomment>%1: the colour names as typed on the command line, separated by spaces</extracomment>
        <translation>カラーは「#rrggbb」か次のいずれかで指定してください: %1。</translation>
    </message>
    <message>
        <source>Preset must be one of: %1.</source>
        <extracomment>%1: the preset names as typed on the command line, separated by spaces</extracomment>
        <translation>プリセットは次のいずれかで指定してください: %1。</translation>
    </message>
    <message>
        <source>Refused &apos;%1&apos;: arguments must be text without markup (&lt;, &gt;, &amp;), control characters or NUL.</source>
        <translation>「%1」は受け付けられません: 引数にはマークアップ (&lt;, &gt;, &amp;)、制御文字、NUL を含まないテキストを指定してください。</translation>
    </message>
    <message>
        <source>No verb given.</source>
        <translation>コマンドが指定されていません。</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>不明なコマンド「%1」です。</translation>
    </message>
    <message>
        <source>Invalid value &apos;%1&apos;. %2</source>
        <extracomment>%2: what the value must be, a sentence of its own</extracomment>
        <translation>無効な値「%1」です。%2</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos; for %2.</source>
        <extracomment>%2: the verb as typed (list, toggle, ...)</extracomment>
        <translation>%2 に不明なオプション「%1」です。</translation>
    </message>
    <message>
        <source>%1 takes no lights: &apos;%2&apos;.</source>
        <extracomment>%1: the verb as typed (list or panel)</extracomment>
        <translation>%1 にはライトを指定できません: 「%2」。</translation>
    </message>
    <message>
        <source>%1 needs a value. %2</source>
        <extracomment>%1: the verb as typed (brightness, color, ...); %2: what the value must be</extracomment>
        <translation>%1 には値が必要です。%2</translation>
    </message>
    <message>
        <source>Name lights or give --all, not both.</source>
        <translation>ライトを指定するか --all を指定してください。両方は指定できません。</translation>
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
コマンド（キーボードショートカットとスクリプト用）:
  list [--json]                       ライト一覧: 名前、アドレス、応答、オン、
                                      明るさ、モード。
  list --names                        保存済みライトの名前。
                                      ライトには問い合わせない。
  on|off|toggle [LIGHT...|--all]      ライトを切り替える。
                                      toggle は最初のライトに従う。
  brightness 10-100|+N|-N [LIGHT...|--all]
  temperature 2200-6500 [LIGHT...|--all]
  color &apos;#rrggbb&apos;|NAME [LIGHT...|--all]
                                      NAME: Red, Orange, Yellow, Green, Cyan, Blue,
                                      Purple。
  preset NAME [LIGHT...|--all]        プリセット（Cozy、Focus など）。
  panel                               パネルを表示または非表示にする。

LIGHT は保存済みライトの名前（完全一致、大文字小文字を区別しない、または一意
な先頭部分）かそのアドレスです。省略すると、パネルで選択中のライトが対象に
なります。Glowdeck が起動中ならそちらが処理し、起動していなければコマンド
自身が保存済みライト（パネルの一覧。先頭のライトが選択中のライトの代わり）
を使って処理します。送信先は指定されたライトだけで、ブロードキャストはしま
せん。ライトの応答を最大 1 秒待ち、すべて応答すれば 0、応答しなかったか
コマンドを拒否したライトがあればその名前を示して 1、使い方の誤りなら 2 で
終了します。
</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbCommand</name>
    <message>
        <source>The running Glowdeck did not answer: %1</source>
        <extracomment>%1: the error the session bus reports, in English</extracomment>
        <translation>起動中の Glowdeck が応答しませんでした: %1</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>ローカルネットワークへの接続を開けませんでした。</translation>
    </message>
    <message>
        <source>The lights did not answer in time.</source>
        <translation>ライトが時間内に応答しませんでした。</translation>
    </message>
    <message>
        <source>Run &apos;glowdeck --help&apos; for the verbs.</source>
        <translation>コマンドの一覧は「glowdeck --help」で表示できます。</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbRunner</name>
    <message>
        <source>%1 did not answer.</source>
        <translation>%1 が応答しませんでした。</translation>
    </message>
    <message>
        <source>%1 cannot show a colour.</source>
        <translation>%1 はカラーを表示できません。</translation>
    </message>
    <message>
        <source>%1 cannot show a white temperature.</source>
        <translation>%1 は色温度を表示できません。</translation>
    </message>
    <message>
        <source>%1 cannot show a brightness.</source>
        <translation>%1 は明るさを変更できません。</translation>
    </message>
    <message>
        <source>%1 cannot show the preset %2.</source>
        <extracomment>%2: the preset&apos;s name as typed on the command line (Cozy, Focus, ...)</extracomment>
        <translation>%1 はプリセット %2 を表示できません。</translation>
    </message>
    <message>
        <source>%1 cannot show this.</source>
        <translation>%1 はこれを表示できません。</translation>
    </message>
    <message>
        <source>%1: off</source>
        <extracomment>A light&apos;s state: %1 the light as &quot;name (address)&quot;</extracomment>
        <translation>%1: オフ</translation>
    </message>
    <message>
        <source>%1: on, %2 %, colour %3</source>
        <extracomment>%2: the brightness in percent; %3: the colour as #rrggbb</extracomment>
        <translation>%1: オン、%2%、カラー %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset %3</source>
        <extracomment>%2: the brightness in percent; %3: the preset&apos;s name (Cozy, Focus, ...)</extracomment>
        <translation>%1: オン、%2%、プリセット %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset scene %3</source>
        <extracomment>%2: the brightness in percent; %3: the number of a scene Glowdeck has no name for</extracomment>
        <translation>%1: オン、%2%、プリセット (シーン %3)</translation>
    </message>
    <message>
        <source>%1: on, %2 %, %3 K</source>
        <extracomment>%2: the brightness in percent; %3: the white temperature in kelvin</extracomment>
        <translation>%1: オン、%2%、%3 K</translation>
    </message>
    <message>
        <source>There is no panel to show here.</source>
        <translation>ここには表示するパネルがありません。</translation>
    </message>
    <message>
        <source>There are no saved lights.</source>
        <translation>保存済みのライトがありません。</translation>
    </message>
    <message>
        <source>No light is selected: name one, or give --all.</source>
        <translation>ライトが選択されていません: ライトを指定するか --all を指定してください。</translation>
    </message>
    <message>
        <source>%1: not answering</source>
        <translation>%1: 応答なし</translation>
    </message>
    <message>
        <source>%1 rejected the command.</source>
        <translation>%1 がコマンドを拒否しました。</translation>
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
