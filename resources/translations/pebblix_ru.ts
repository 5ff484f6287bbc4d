<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pebblix</source>
        <translation>Об игре Pebblix</translation>
    </message>
    <message>
        <source>a ball puzzle game</source>
        <translation>головоломка с шариками</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>версия %1</translation>
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
        <translation>Свободно %1</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>столбец %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>строка %1</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>голубой</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жёлтый</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синий</translation>
    </message>
    <message>
        <source>red</source>
        <translation>красный</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелёный</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>розовый</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>фиолетовый</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>коричневый</translation>
    </message>
    <message>
        <source>light blue ball</source>
        <translation>голубой шарик</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>жёлтый шарик</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>синий шарик</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>красный шарик</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>зелёный шарик</translation>
    </message>
    <message>
        <source>pink ball</source>
        <translation>розовый шарик</translation>
    </message>
    <message>
        <source>purple ball</source>
        <translation>фиолетовый шарик</translation>
    </message>
    <message>
        <source>brown ball</source>
        <translation>коричневый шарик</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>строка %1, столбец %2</translation>
    </message>
    <message>
        <source>empty, %1</source>
        <translation>пусто, %1</translation>
    </message>
    <message>
        <source>%1, selected, %2</source>
        <translation>%1, выбран, %2</translation>
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
        <translation>Вы чемпион!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Введите своё имя</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Pebblix, a ball puzzle game: line up balls of one colour to score.</source>
        <translation>Pebblix — головоломка с шариками:
выстраивайте шарики одного цвета в ряд, чтобы набирать очки.</translation>
    </message>
    <message>
        <source>Start with the random seed &lt;N&gt; (a whole number).</source>
        <translation>Начать с зерном случайных чисел &lt;N&gt; (целое число).</translation>
    </message>
    <message>
        <source>Show the board at &lt;N&gt; times its size (1 to %1).</source>
        <translation>Показать поле, увеличенное в &lt;N&gt; раз (от 1 до %1).</translation>
    </message>
    <message>
        <source>Show the help page &lt;URL&gt;.</source>
        <translation>Показать страницу справки &lt;URL&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Неожиданный аргумент: %1</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 4294967295.</source>
        <translation>--seed требует целого числа от 0 до 4294967295.</translation>
    </message>
    <message>
        <source>--scale needs a whole number from 1 to %1.</source>
        <translation>--scale требует целого числа от 1 до %1.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Использование: %1 [параметры]</translation>
    </message>
    <message>
        <source>Cannot show the game: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Не удаётся показать игру: не задан ни DISPLAY, ни WAYLAND_DISPLAY.</translation>
    </message>
    <message>
        <source>Cannot show the game: the display %1 cannot be opened.</source>
        <translation>Не удаётся показать игру: дисплей «%1» не открывается.</translation>
    </message>
</context>
<context>
    <name>GameNarrator</name>
    <message>
        <source>%1 picked</source>
        <translation>%1 выбран</translation>
    </message>
    <message>
        <source>No free path there</source>
        <translation>Туда нет свободного пути</translation>
    </message>
    <message>
        <source>%1 arrives at %2</source>
        <translation>%1 прибыл в клетку: %2</translation>
    </message>
    <message>
        <source>Figure removed, %1 points, score %2</source>
        <translation>Фигура убрана, очков: %1, счёт %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>New balls: %1</source>
        <translation>Новые шарики: %1</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>Игра окончена, счёт %1</translation>
    </message>
    <message>
        <source>%1, score %2</source>
        <translation>%1, счёт %2</translation>
    </message>
    <message>
        <source>The next balls are hidden</source>
        <translation>Следующие шарики скрыты</translation>
    </message>
    <message>
        <source>Next balls: %1</source>
        <translation>Следующие шарики: %1</translation>
    </message>
</context>
<context>
    <name>HelpViewerWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Справка по игре %1</translation>
    </message>
</context>
<context>
    <name>HighScoresDialog</name>
    <message>
        <source>High Scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>The entry is no longer in the table; the name was not saved.</source>
        <translation>Этой записи больше нет в таблице; имя не сохранено.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>New game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>Начать новую игру?</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Настройки игры</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Линии</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Квадраты</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Блоки</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Число цветов</translation>
    </message>
    <message>
        <source>Show Next</source>
        <translation>Показывать следующие шарики</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Интерфейс</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Анимация</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Звуковые эффекты</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Неизвестный параметр «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Неизвестные параметры: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Не указано значение после «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Неожиданное значение после «%1».</translation>
    </message>
</context>
<context>
    <name>SaveFailureMessage</name>
    <message>
        <source>There is no space left on the disk.</source>
        <translation>На диске не осталось свободного места.</translation>
    </message>
    <message>
        <source>The file or its folder is write-protected.</source>
        <translation>Файл или его папка защищены от записи.</translation>
    </message>
    <message>
        <source>Another program is using the file.</source>
        <translation>Файл используется другой программой.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Не удалось записать файл.</translation>
    </message>
    <message>
        <source>The high score was not saved.</source>
        <translation>Рекорд не сохранён.</translation>
    </message>
    <message>
        <source>The name was not saved.</source>
        <translation>Имя не сохранено.</translation>
    </message>
    <message>
        <source>The options were not saved.</source>
        <translation>Настройки не сохранены.</translation>
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
        <translation>Аноним</translation>
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
        <translation>Показать или скрыть кнопку «Готово»</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Линии</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Квадраты</translation>
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
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>New Lines</source>
        <translation>Новая игра: Линии</translation>
    </message>
    <message>
        <source>New Squares</source>
        <translation>Новая игра: Квадраты</translation>
    </message>
    <message>
        <source>New Blocks</source>
        <translation>Новая игра: Блоки</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Настройки...</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>Рекорды...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Об игре...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Другие кнопки</translation>
    </message>
</context>
</TS>
