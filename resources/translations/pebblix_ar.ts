<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pebblix</source>
        <translation>حول Pebblix</translation>
    </message>
    <message>
        <source>a ball puzzle game</source>
        <translation>لعبة ألغاز بالكرات</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>الإصدار %1</translation>
    </message>
</context>
<context>
    <name>BoardPainter</name>
    <message>
        <source>Score %1</source>
        <translation>النقاط %1</translation>
    </message>
    <message>
        <source>NumOfEmpty %1</source>
        <translation>فارغة %1</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>Board</source>
        <translation>اللوحة</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>العمود %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>الصف %1</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>أزرق فاتح</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>وردي</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>بنفسجي</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>بني</translation>
    </message>
    <message>
        <source>light blue ball</source>
        <translation>كرة زرقاء فاتحة</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>كرة صفراء</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>كرة زرقاء</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>كرة حمراء</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>كرة خضراء</translation>
    </message>
    <message>
        <source>pink ball</source>
        <translation>كرة وردية</translation>
    </message>
    <message>
        <source>purple ball</source>
        <translation>كرة بنفسجية</translation>
    </message>
    <message>
        <source>brown ball</source>
        <translation>كرة بنية</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>الصف %1، العمود %2</translation>
    </message>
    <message>
        <source>empty, %1</source>
        <translation>فارغة، %1</translation>
    </message>
    <message>
        <source>%1, selected, %2</source>
        <translation>%1، محددة، %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
</context>
<context>
    <name>ChampionDialog</name>
    <message>
        <source>High Score</source>
        <translation>نتيجة قياسية</translation>
    </message>
    <message>
        <source>Yor are the champion!</source>
        <translation>أنت البطل!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>أدخل اسمك</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Pebblix, a ball puzzle game: line up balls of one colour to score.</source>
        <translation>Pebblix، لعبة ألغاز بالكرات: رتّب كرات من لون واحد لتحرز النقاط.</translation>
    </message>
    <message>
        <source>Start with the random seed &lt;N&gt; (a whole number).</source>
        <translation>البدء ببذرة عشوائية &lt;N&gt; (عدد صحيح).</translation>
    </message>
    <message>
        <source>Show the board at &lt;N&gt; times its size (1 to %1).</source>
        <translation>عرض اللوحة بحجم &lt;N&gt; أضعاف (من 1 إلى %1).</translation>
    </message>
    <message>
        <source>Show the help page &lt;URL&gt;.</source>
        <translation>عرض صفحة المساعدة &lt;URL&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>وسيط غير متوقع: %1</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 4294967295.</source>
        <translation>يحتاج --seed إلى عدد صحيح من 0 إلى 4294967295.</translation>
    </message>
    <message>
        <source>--scale needs a whole number from 1 to %1.</source>
        <translation>يحتاج --scale إلى عدد صحيح من 1 إلى %1.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>عرض هذه المساعدة والخروج.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>عرض الإصدار والخروج.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>الاستخدام: %1 [خيارات]</translation>
    </message>
    <message>
        <source>Cannot show the game: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>تعذّر عرض اللعبة: لم يُضبط DISPLAY ولا WAYLAND_DISPLAY.</translation>
    </message>
    <message>
        <source>Cannot show the game: the display %1 cannot be opened.</source>
        <translation>تعذّر عرض اللعبة: لا يمكن فتح الشاشة «%1».</translation>
    </message>
</context>
<context>
    <name>GameNarrator</name>
    <message>
        <source>%1 picked</source>
        <translation>تم اختيار %1</translation>
    </message>
    <message>
        <source>No free path there</source>
        <translation>لا يوجد طريق حر إلى هناك</translation>
    </message>
    <message>
        <source>%1 arrives at %2</source>
        <translation>وصلت %1 إلى %2</translation>
    </message>
    <message>
        <source>Figure removed, %1 points, score %2</source>
        <translation>أزيل الشكل، %1 نقاط، المجموع %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 في %2</translation>
    </message>
    <message>
        <source>New balls: %1</source>
        <translation>كرات جديدة: %1</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>انتهت اللعبة، المجموع %1</translation>
    </message>
    <message>
        <source>%1, score %2</source>
        <translation>%1، المجموع %2</translation>
    </message>
    <message>
        <source>The next balls are hidden</source>
        <translation>الكرات التالية مخفية</translation>
    </message>
    <message>
        <source>Next balls: %1</source>
        <translation>الكرات التالية: %1</translation>
    </message>
</context>
<context>
    <name>HelpViewerWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>مساعدة %1</translation>
    </message>
</context>
<context>
    <name>HighScoresDialog</name>
    <message>
        <source>High Scores</source>
        <translation>أفضل النتائج</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>النقاط</translation>
    </message>
    <message>
        <source>The entry is no longer in the table; the name was not saved.</source>
        <translation>لم يعد هذا السجل في الجدول؛ لم يُحفظ الاسم.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>New game</source>
        <translation>لعبة جديدة</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>هل تريد بدء لعبة جديدة؟</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>خيارات اللعبة</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>خطوط</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>مربعات</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>كتل</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>عدد الألوان</translation>
    </message>
    <message>
        <source>Show Next</source>
        <translation>إظهار الكرات التالية</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>الواجهة</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>الرسوم المتحركة</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>المؤثرات الصوتية</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>الخيارات:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>الخيار «%1» غير معروف.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>خيارات غير معروفة: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>لا توجد قيمة بعد «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>قيمة غير متوقعة بعد «%1».</translation>
    </message>
</context>
<context>
    <name>SaveFailureMessage</name>
    <message>
        <source>There is no space left on the disk.</source>
        <translation>لم تعد هناك مساحة فارغة على القرص.</translation>
    </message>
    <message>
        <source>The file or its folder is write-protected.</source>
        <translation>الملف أو مجلده محمي من الكتابة.</translation>
    </message>
    <message>
        <source>Another program is using the file.</source>
        <translation>برنامج آخر يستخدم الملف.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>تعذّرت كتابة الملف.</translation>
    </message>
    <message>
        <source>The high score was not saved.</source>
        <translation>لم تُحفظ النتيجة القياسية.</translation>
    </message>
    <message>
        <source>The name was not saved.</source>
        <translation>لم يُحفظ الاسم.</translation>
    </message>
    <message>
        <source>The options were not saved.</source>
        <translation>لم تُحفظ الخيارات.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>الملف: %1</translation>
    </message>
</context>
<context>
    <name>ShownName</name>
    <message>
        <source>Anonymous</source>
        <translation>مجهول</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Pebblix</source>
        <translation>Pebblix</translation>
    </message>
    <message>
        <source>Show or Hide Done Button</source>
        <translation>إظهار زر «تم» أو إخفاؤه</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>خطوط</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>مربعات</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>كتل</translation>
    </message>
</context>
<context>
    <name>WindowCommandBar</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;اللعبة</translation>
    </message>
    <message>
        <source>New Lines</source>
        <translation>لعبة جديدة: خطوط</translation>
    </message>
    <message>
        <source>New Squares</source>
        <translation>لعبة جديدة: مربعات</translation>
    </message>
    <message>
        <source>New Blocks</source>
        <translation>لعبة جديدة: كتل</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>خيارات...</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>أفضل النتائج...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;حول...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>لعبة جديدة</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>اللعبة</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>مزيد من الأزرار</translation>
    </message>
</context>
</TS>
