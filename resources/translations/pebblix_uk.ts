<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pebblix</source>
        <translation>Про гру Pebblix</translation>
    </message>
    <message>
        <source>a ball puzzle game</source>
        <translation>головоломка з кульками</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>версія %1</translation>
    </message>
</context>
<context>
    <name>BoardPainter</name>
    <message>
        <source>Score %1</source>
        <translation>Очки %1</translation>
    </message>
    <message>
        <source>NumOfEmpty %1</source>
        <translation>Вільно %1</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>Board</source>
        <translation>Ігрове поле</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>стовпець %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>рядок %1</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>блакитна</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жовта</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синя</translation>
    </message>
    <message>
        <source>red</source>
        <translation>червона</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелена</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>рожева</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>фіолетова</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>коричнева</translation>
    </message>
    <message>
        <source>light blue ball</source>
        <translation>блакитна кулька</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>жовта кулька</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>синя кулька</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>червона кулька</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>зелена кулька</translation>
    </message>
    <message>
        <source>pink ball</source>
        <translation>рожева кулька</translation>
    </message>
    <message>
        <source>purple ball</source>
        <translation>фіолетова кулька</translation>
    </message>
    <message>
        <source>brown ball</source>
        <translation>коричнева кулька</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>рядок %1, стовпець %2</translation>
    </message>
    <message>
        <source>empty, %1</source>
        <translation>порожньо, %1</translation>
    </message>
    <message>
        <source>%1, selected, %2</source>
        <translation>%1, вибрана, %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>ChampionDialog</name>
    <message>
        <source>High Score</source>
        <translation>Рекорд</translation>
    </message>
    <message>
        <source>Yor are the champion!</source>
        <translation>Ви чемпіон!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Введіть своє ім’я</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Pebblix, a ball puzzle game: line up balls of one colour to score.</source>
        <translation>Pebblix — головоломка з кульками:
вишиковуйте кульки одного кольору в ряд, щоб набирати очки.</translation>
    </message>
    <message>
        <source>Start with the random seed &lt;N&gt; (a whole number).</source>
        <translation>Почати із зерном випадкових чисел &lt;N&gt; (ціле число).</translation>
    </message>
    <message>
        <source>Show the board at &lt;N&gt; times its size (1 to %1).</source>
        <translation>Показати поле, збільшене в &lt;N&gt; разів (від 1 до %1).</translation>
    </message>
    <message>
        <source>Show the help page &lt;URL&gt;.</source>
        <translation>Показати сторінку довідки &lt;URL&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Неочікуваний аргумент: %1</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 4294967295.</source>
        <translation>--seed потребує цілого числа від 0 до 4294967295.</translation>
    </message>
    <message>
        <source>--scale needs a whole number from 1 to %1.</source>
        <translation>--scale потребує цілого числа від 1 до %1.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Показати цю довідку й вийти.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Показати версію й вийти.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Використання: %1 [параметри]</translation>
    </message>
    <message>
        <source>Cannot show the game: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Не вдається показати гру: не задано ні DISPLAY, ні WAYLAND_DISPLAY.</translation>
    </message>
    <message>
        <source>Cannot show the game: the display %1 cannot be opened.</source>
        <translation>Не вдається показати гру: дисплей «%1» не відкривається.</translation>
    </message>
</context>
<context>
    <name>GameNarrator</name>
    <message>
        <source>%1 picked</source>
        <translation>%1 вибрана</translation>
    </message>
    <message>
        <source>No free path there</source>
        <translation>Туди немає вільного шляху</translation>
    </message>
    <message>
        <source>%1 arrives at %2</source>
        <translation>%1 прибула в клітинку: %2</translation>
    </message>
    <message>
        <source>Figure removed, %1 points, score %2</source>
        <translation>Фігуру прибрано, очок: %1, рахунок %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>New balls: %1</source>
        <translation>Нові кульки: %1</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>Гру закінчено, рахунок %1</translation>
    </message>
    <message>
        <source>%1, score %2</source>
        <translation>%1, рахунок %2</translation>
    </message>
    <message>
        <source>The next balls are hidden</source>
        <translation>Наступні кульки приховано</translation>
    </message>
    <message>
        <source>Next balls: %1</source>
        <translation>Наступні кульки: %1</translation>
    </message>
</context>
<context>
    <name>HelpViewerWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Довідка до гри %1</translation>
    </message>
</context>
<context>
    <name>HighScoresDialog</name>
    <message>
        <source>High Scores</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>The entry is no longer in the table; the name was not saved.</source>
        <translation>Цього запису вже немає в таблиці; ім’я не збережено.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>New game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>Почати нову гру?</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Налаштування гри</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Лінії</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Квадрати</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Блоки</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Кількість кольорів</translation>
    </message>
    <message>
        <source>Show Next</source>
        <translation>Показувати наступні кульки</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Інтерфейс</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Анімація</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Звукові ефекти</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Параметри:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Невідомий параметр «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Невідомі параметри: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Не вказано значення після «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Неочікуване значення після «%1».</translation>
    </message>
</context>
<context>
    <name>SaveFailureMessage</name>
    <message>
        <source>There is no space left on the disk.</source>
        <translation>На диску не залишилося вільного місця.</translation>
    </message>
    <message>
        <source>The file or its folder is write-protected.</source>
        <translation>Файл або його тека захищені від запису.</translation>
    </message>
    <message>
        <source>Another program is using the file.</source>
        <translation>Файл використовує інша програма.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Не вдалося записати файл.</translation>
    </message>
    <message>
        <source>The high score was not saved.</source>
        <translation>Рекорд не збережено.</translation>
    </message>
    <message>
        <source>The name was not saved.</source>
        <translation>Ім’я не збережено.</translation>
    </message>
    <message>
        <source>The options were not saved.</source>
        <translation>Налаштування не збережено.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Файл: %1</translation>
    </message>
</context>
<context>
    <name>ShownName</name>
    <message>
        <source>Anonymous</source>
        <translation>Анонім</translation>
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
        <translation>Показати або сховати кнопку «Готово»</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Лінії</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Квадрати</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Блоки</translation>
    </message>
</context>
<context>
    <name>WindowCommandBar</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Гра</translation>
    </message>
    <message>
        <source>New Lines</source>
        <translation>Нова гра: Лінії</translation>
    </message>
    <message>
        <source>New Squares</source>
        <translation>Нова гра: Квадрати</translation>
    </message>
    <message>
        <source>New Blocks</source>
        <translation>Нова гра: Блоки</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Налаштування...</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>Рекорди...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Про гру...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Гра</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Інші кнопки</translation>
    </message>
</context>
</TS>
