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
    <name>glowdeck::main</name>
    <message>
        <source>Glowdeck already runs on this display; its panel opens there.</source>
        <translation>يعمل Glowdeck بالفعل على هذه الشاشة؛ وستُفتح لوحته هناك.</translation>
    </message>
</context>
</TS>
