<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>glowdeck::AllLightsRow</name>
    <message>
        <source>All Lights</source>
        <translation>كل المصابيح</translation>
    </message>
    <message>
        <source>On</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
</context>
<context>
    <name>glowdeck::AppearanceSection</name>
    <message>
        <source>Brightness</source>
        <translation>السطوع</translation>
    </message>
    <message>
        <source>White</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>ملوّن</translation>
    </message>
    <message>
        <source>Light appearance</source>
        <translation>وضع الإضاءة</translation>
    </message>
    <message>
        <source>White temperature</source>
        <translation>درجة حرارة الأبيض</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>دافئ</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>بارد</translation>
    </message>
    <message>
        <source>More colors…</source>
        <translation>ألوان أخرى…</translation>
    </message>
    <message>
        <source>More Colors…</source>
        <translation>ألوان أخرى…</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>برتقالي</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>سماوي</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>بنفسجي</translation>
    </message>
</context>
<context>
    <name>glowdeck::ColorPanelController</name>
    <message>
        <source>Colors</source>
        <translation>الألوان</translation>
    </message>
</context>
<context>
    <name>glowdeck::CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>اعرض هذه المساعدة واخرج.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>اعرض الإصدار واخرج.</translation>
    </message>
    <message>
        <source>Controls WiZ lights on the local network from the system tray.</source>
        <translation>يتحكّم في مصابيح WiZ على الشبكة المحلية من علبة النظام.</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>أمر غير معروف «%1».</translation>
    </message>
</context>
<context>
    <name>glowdeck::EmptyState</name>
    <message>
        <source>No Lights Found</source>
        <translation>لم يُعثر على مصابيح</translation>
    </message>
    <message>
        <source>Connect to the same Wi-Fi as your WiZ lights to get started.</source>
        <translation>اتصل بشبكة Wi-Fi نفسها التي تتصل بها مصابيح WiZ للبدء.</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>إضافة مصباح…</translation>
    </message>
</context>
<context>
    <name>glowdeck::FormSheet</name>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>glowdeck::LightMatch</name>
    <message>
        <source>There are no saved lights.</source>
        <translation>لا توجد مصابيح محفوظة.</translation>
    </message>
    <message>
        <source>Known lights: %1.</source>
        <extracomment>%1: the lights as &quot;name (address)&quot;, separated by commas</extracomment>
        <translation>المصابيح المعروفة: %1.</translation>
    </message>
    <message>
        <source>An empty light name names no light. %1</source>
        <extracomment>%1: the known lights, a sentence of its own</extracomment>
        <translation>الاسم الفارغ لا يدل على أي مصباح. %1</translation>
    </message>
    <message>
        <source>No saved light has the address %1. %2</source>
        <translation>لا يوجد مصباح محفوظ بالعنوان %1. %2</translation>
    </message>
    <message>
        <source>No light is called &apos;%1&apos;. %2</source>
        <translation>لا يوجد مصباح باسم «%1». %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; matches more than one light: %2. Name one of them fully or by its address.</source>
        <translation>«%1» يطابق أكثر من مصباح: %2. اذكر أحدها باسمه الكامل أو بعنوانه.</translation>
    </message>
</context>
<context>
    <name>glowdeck::LightTile</name>
    <message>
        <source>Not responding</source>
        <translation>لا يستجيب</translation>
    </message>
    <message>
        <source>On</source>
        <translation>يعمل</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>مطفأ</translation>
    </message>
</context>
<context>
    <name>glowdeck::MessageText</name>
    <message>
        <source>No bulbs replied. Use the same Wi-Fi, enable WiZ LAN control, or add an IP below.</source>
        <translation>لم يستجب أي مصباح. استخدم شبكة Wi-Fi نفسها، أو فعّل التحكم عبر الشبكة المحلية في WiZ، أو أضف عنوان IP أدناه.</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>تعذّر فتح اتصال الشبكة المحلية.</translation>
    </message>
    <message>
        <source>Could not configure the local network connection.</source>
        <translation>تعذّر إعداد اتصال الشبكة المحلية.</translation>
    </message>
    <message>
        <source>Could not listen for bulb replies.</source>
        <translation>تعذّر استقبال ردود المصابيح.</translation>
    </message>
    <message>
        <source>Enter a valid bulb IPv4 address.</source>
        <translation>أدخل عنوان IPv4 صالحًا للمصباح.</translation>
    </message>
    <message>
        <source>Could not save the list of lights.</source>
        <translation>تعذّر حفظ قائمة المصابيح.</translation>
    </message>
    <message>
        <source>Could not send to %1. Check local network access.</source>
        <translation>تعذّر الإرسال إلى %1. تحقّق من الوصول إلى الشبكة المحلية.</translation>
    </message>
    <message>
        <source>%1 rejected the command. This bulb may not support it.</source>
        <translation>رفض %1 الأمر. قد لا يدعمه هذا المصباح.</translation>
    </message>
    <message>
        <source>Could not turn on Start at Login: %1.</source>
        <translation>تعذّر تفعيل «التشغيل عند تسجيل الدخول»: %1.</translation>
    </message>
    <message>
        <source>Could not turn off Start at Login: %1.</source>
        <translation>تعذّر إيقاف «التشغيل عند تسجيل الدخول»: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The list is full at %Ln lights. Forget one to add another.</source>
        <translation>
            <numerusform>امتلأت القائمة بـ %Ln مصباح. أزل مصباحًا لإضافة آخر.</numerusform>
            <numerusform>امتلأت القائمة بـ %Ln مصباح. أزل مصباحًا لإضافة آخر.</numerusform>
            <numerusform>امتلأت القائمة بـ %Ln مصباحين. أزل مصباحًا لإضافة آخر.</numerusform>
            <numerusform>امتلأت القائمة بـ %Ln مصابيح. أزل مصباحًا لإضافة آخر.</numerusform>
            <numerusform>امتلأت القائمة بـ %Ln مصباحًا. أزل مصباحًا لإضافة آخر.</numerusform>
            <numerusform>امتلأت القائمة بـ %Ln مصباح. أزل مصباحًا لإضافة آخر.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>glowdeck::NumberText</name>
    <message>
        <source>%1%</source>
        <extracomment>A percentage of full brightness; a no-break space goes where the language puts a space.</extracomment>
        <translation>%1٪</translation>
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
        <translation>إضافة مصباح</translation>
    </message>
    <message>
        <source>Enter the light’s IP address from your router or WiZ app.</source>
        <translation>أدخل عنوان IP للمصباح كما يظهر في الموجّه أو تطبيق WiZ.</translation>
    </message>
    <message>
        <source>IPv4 address</source>
        <translation>عنوان IPv4</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Rename Light</source>
        <translation>إعادة تسمية المصباح</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
</context>
<context>
    <name>glowdeck::PanelHeader</name>
    <message>
        <source>Discover lights</source>
        <translation>البحث عن مصابيح</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>خيارات أخرى</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>إضافة مصباح…</translation>
    </message>
    <message>
        <source>Rename Light…</source>
        <translation>إعادة تسمية المصباح…</translation>
    </message>
    <message>
        <source>Forget Light</source>
        <translation>إزالة المصباح</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>التشغيل عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>Quit Glowdeck</source>
        <translation>إنهاء Glowdeck</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerButton</name>
    <message>
        <source>Turn off</source>
        <translation>إيقاف التشغيل</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>تشغيل</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerSwitch</name>
    <message>
        <source>Power</source>
        <translation>الطاقة</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetName</name>
    <message>
        <source>Cozy</source>
        <translation>دافئ</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>تركيز</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>ليل</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>غروب</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <translation>موقد</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>محيط</translation>
    </message>
    <message>
        <source>Romance</source>
        <translation>رومانسي</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>غابة</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>حفلة</translation>
    </message>
    <message>
        <source>Relax</source>
        <translation>استرخاء</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفاز</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>شمعة</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetsSection</name>
    <message>
        <source>Presets</source>
        <translation>المشاهد</translation>
    </message>
    <message>
        <source>A tunable-white bulb cannot show this preset.</source>
        <translation>لا يمكن لمصباح أبيض قابل للضبط عرض هذا المشهد.</translation>
    </message>
    <message>
        <source>A dimmable-white bulb cannot show this preset.</source>
        <translation>لا يمكن لمصباح أبيض قابل للتعتيم عرض هذا المشهد.</translation>
    </message>
    <message>
        <source>A plug cannot show presets.</source>
        <translation>لا يمكن للمقبس عرض المشاهد.</translation>
    </message>
    <message>
        <source>A fan light cannot show presets.</source>
        <translation>لا يمكن لمروحة الإضاءة عرض المشاهد.</translation>
    </message>
</context>
<context>
    <name>glowdeck::Spinner</name>
    <message>
        <source>Scanning</source>
        <translation>جارٍ البحث</translation>
    </message>
</context>
<context>
    <name>glowdeck::Verb</name>
    <message>
        <source>Brightness must be 10-100, or +N or -N to step it.</source>
        <translation>يجب أن يكون السطوع بين 10 و100، أو ‎+N أو ‎-N لتغييره.</translation>
    </message>
    <message>
        <source>Temperature must be 2200-6500 K.</source>
        <translation>يجب أن تكون درجة الحرارة بين 2200 و6500 K.</translation>
    </message>
    <message>
        <source>Colour must be &apos;#rrggbb&apos; or one of: %1.</source>
        <extracomment>%1: the colour names as typed on the command line, separated by spaces</extracomment>
        <translation>يجب أن يكون اللون «#rrggbb» أو أحد: %1.</translation>
    </message>
    <message>
        <source>Preset must be one of: %1.</source>
        <extracomment>%1: the preset names as typed on the command line, separated by spaces</extracomment>
        <translation>يجب أن يكون المشهد أحد: %1.</translation>
    </message>
    <message>
        <source>Refused &apos;%1&apos;: arguments must be text without markup (&lt;, &gt;, &amp;), control characters or NUL.</source>
        <translation>رُفض «%1»: يجب أن تكون الوسائط نصًا بلا ترميز (&lt;، &gt;، &amp;) أو محارف تحكم أو NUL.</translation>
    </message>
    <message>
        <source>No verb given.</source>
        <translation>لم يُحدَّد أمر.</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>أمر غير معروف «%1».</translation>
    </message>
    <message>
        <source>Invalid value &apos;%1&apos;. %2</source>
        <extracomment>%2: what the value must be, a sentence of its own</extracomment>
        <translation>قيمة غير صالحة «%1». %2</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos; for %2.</source>
        <extracomment>%2: the verb as typed (list, toggle, ...)</extracomment>
        <translation>خيار غير معروف «%1» للأمر %2.</translation>
    </message>
    <message>
        <source>%1 takes no lights: &apos;%2&apos;.</source>
        <extracomment>%1: the verb as typed (list or panel)</extracomment>
        <translation>الأمر %1 لا يقبل مصابيح: «%2».</translation>
    </message>
    <message>
        <source>%1 needs a value. %2</source>
        <extracomment>%1: the verb as typed (brightness, color, ...); %2: what the value must be</extracomment>
        <translation>الأمر %1 يحتاج إلى قيمة. %2</translation>
    </message>
    <message>
        <source>Name lights or give --all, not both.</source>
        <translation>اذكر مصابيح أو استخدم --all، لا الاثنين معًا.</translation>
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
الأوامر (لاختصارات لوحة المفاتيح والبرامج النصية):
  list [--json]                       المصابيح: الاسم، العنوان، الاتصال،
                                      التشغيل، السطوع، الوضع.
  list --names                        أسماء المصابيح المحفوظة، دون سؤال أي
                                      مصباح.
  on|off|toggle [LIGHT...|--all]      تبديل المصابيح؛ يتبع toggle أولها.
  brightness 10-100|+N|-N [LIGHT...|--all]
  temperature 2200-6500 [LIGHT...|--all]
  color &apos;#rrggbb&apos;|NAME [LIGHT...|--all]
                                      NAME: Red, Orange, Yellow, Green, Cyan,
                                      Blue, Purple.
  preset NAME [LIGHT...|--all]        مشهد، مثل Cozy أو Focus.
  panel                               إظهار اللوحة أو إخفاؤها.

LIGHT هو اسم مصباح محفوظ (مطابق تمامًا، بأي حالة أحرف، أو بداية فريدة) أو
عنوانه؛ ومن دونه يعمل الأمر على المصباح المحدد في اللوحة. يتولى Glowdeck
العمل إن كان قيد التشغيل؛ وإلا يعمل الأمر بنفسه على المصابيح المحفوظة (قائمة
اللوحة؛ وأولها يقوم مقام المصباح المحدد)، ولا يرسل إلا إلى المصابيح التي
يسمّيها، ولا يبث أبدًا. ينتظر حتى ثانية واحدة ردود المصابيح، ثم ينتهي بالرمز
0 إذا ردّت كلها، و1 مع تسمية ما لم يرد منها أو رفض الأمر، و2 عند خطأ في
الاستخدام.
</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbCommand</name>
    <message>
        <source>The running Glowdeck did not answer: %1</source>
        <extracomment>%1: the error the session bus reports, in English</extracomment>
        <translation>لم يرد Glowdeck العامل: %1</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>تعذّر فتح الاتصال بالشبكة المحلية.</translation>
    </message>
    <message>
        <source>The lights did not answer in time.</source>
        <translation>لم ترد المصابيح في الوقت المحدد.</translation>
    </message>
    <message>
        <source>Run &apos;glowdeck --help&apos; for the verbs.</source>
        <translation>شغّل «glowdeck --help» لعرض الأوامر.</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbRunner</name>
    <message>
        <source>%1 did not answer.</source>
        <translation>لم يرد %1.</translation>
    </message>
    <message>
        <source>%1 cannot show a colour.</source>
        <translation>لا يستطيع %1 عرض لون.</translation>
    </message>
    <message>
        <source>%1 cannot show a white temperature.</source>
        <translation>لا يستطيع %1 عرض درجة حرارة الأبيض.</translation>
    </message>
    <message>
        <source>%1 cannot show a brightness.</source>
        <translation>لا يستطيع %1 عرض سطوع.</translation>
    </message>
    <message>
        <source>%1 cannot show the preset %2.</source>
        <extracomment>%2: the preset&apos;s name as typed on the command line (Cozy, Focus, ...)</extracomment>
        <translation>لا يستطيع %1 عرض المشهد %2.</translation>
    </message>
    <message>
        <source>%1 cannot show this.</source>
        <translation>لا يستطيع %1 عرض هذا.</translation>
    </message>
    <message>
        <source>%1: off</source>
        <extracomment>A light&apos;s state: %1 the light as &quot;name (address)&quot;</extracomment>
        <translation>%1: مطفأ</translation>
    </message>
    <message>
        <source>%1: on, %2 %, colour %3</source>
        <extracomment>%2: the brightness in percent; %3: the colour as #rrggbb</extracomment>
        <translation>%1: يعمل، %2%، لون %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset %3</source>
        <extracomment>%2: the brightness in percent; %3: the preset&apos;s name (Cozy, Focus, ...)</extracomment>
        <translation>%1: يعمل، %2%، المشهد %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset scene %3</source>
        <extracomment>%2: the brightness in percent; %3: the number of a scene Glowdeck has no name for</extracomment>
        <translation>%1: يعمل، %2%، المشهد رقم %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, %3 K</source>
        <extracomment>%2: the brightness in percent; %3: the white temperature in kelvin</extracomment>
        <translation>%1: يعمل، %2%، %3 K</translation>
    </message>
    <message>
        <source>There is no panel to show here.</source>
        <translation>لا توجد لوحة لعرضها هنا.</translation>
    </message>
    <message>
        <source>There are no saved lights.</source>
        <translation>لا توجد مصابيح محفوظة.</translation>
    </message>
    <message>
        <source>No light is selected: name one, or give --all.</source>
        <translation>لم يُحدَّد مصباح: اذكر واحدًا أو استخدم --all.</translation>
    </message>
    <message>
        <source>%1: not answering</source>
        <translation>%1: لا يرد</translation>
    </message>
    <message>
        <source>%1 rejected the command.</source>
        <translation>رفض %1 الأمر.</translation>
    </message>
</context>
<context>
    <name>glowdeck::main</name>
    <message>
        <source>Glowdeck already runs on this display; its panel opens there.</source>
        <translation>يعمل Glowdeck بالفعل على هذه الشاشة؛ وستُفتح لوحته هناك.</translation>
    </message>
</context>
</TS>
