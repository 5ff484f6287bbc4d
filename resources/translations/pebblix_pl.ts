<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pebblix</source>
        <translation>O grze Pebblix</translation>
    </message>
    <message>
        <source>a ball puzzle game</source>
        <translation>gra logiczna z kulkami</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>wersja %1</translation>
    </message>
</context>
<context>
    <name>BoardPainter</name>
    <message>
        <source>Score %1</source>
        <translation>Wynik %1</translation>
    </message>
    <message>
        <source>NumOfEmpty %1</source>
        <translation>Wolne %1</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>kolumna %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>wiersz %1</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>jasnoniebieska</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>żółta</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieska</translation>
    </message>
    <message>
        <source>red</source>
        <translation>czerwona</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielona</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>różowa</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>fioletowa</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>brązowa</translation>
    </message>
    <message>
        <source>light blue ball</source>
        <translation>jasnoniebieska kulka</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>żółta kulka</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>niebieska kulka</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>czerwona kulka</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>zielona kulka</translation>
    </message>
    <message>
        <source>pink ball</source>
        <translation>różowa kulka</translation>
    </message>
    <message>
        <source>purple ball</source>
        <translation>fioletowa kulka</translation>
    </message>
    <message>
        <source>brown ball</source>
        <translation>brązowa kulka</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>empty, %1</source>
        <translation>puste, %1</translation>
    </message>
    <message>
        <source>%1, selected, %2</source>
        <translation>%1, wybrana, %2</translation>
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
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Yor are the champion!</source>
        <translation>Jesteś mistrzem!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Wpisz swoje imię</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Pebblix, a ball puzzle game: line up balls of one colour to score.</source>
        <translation>Pebblix, gra logiczna z kulkami:
układaj kulki jednego koloru, aby zdobywać punkty.</translation>
    </message>
    <message>
        <source>Start with the random seed &lt;N&gt; (a whole number).</source>
        <translation>Rozpocznij z ziarnem losowania &lt;N&gt; (liczba całkowita).</translation>
    </message>
    <message>
        <source>Show the board at &lt;N&gt; times its size (1 to %1).</source>
        <translation>Pokaż planszę powiększoną &lt;N&gt; razy (od 1 do %1).</translation>
    </message>
    <message>
        <source>Show the help page &lt;URL&gt;.</source>
        <translation>Pokaż stronę pomocy &lt;URL&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Nieoczekiwany argument: %1</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 4294967295.</source>
        <translation>--seed wymaga liczby całkowitej od 0 do 4294967295.</translation>
    </message>
    <message>
        <source>--scale needs a whole number from 1 to %1.</source>
        <translation>--scale wymaga liczby całkowitej od 1 do %1.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Wyświetl tę pomoc i zakończ.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Wyświetl wersję i zakończ.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Użycie: %1 [opcje]</translation>
    </message>
    <message>
        <source>Cannot show the game: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Nie można wyświetlić gry: nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY.</translation>
    </message>
    <message>
        <source>Cannot show the game: the display %1 cannot be opened.</source>
        <translation>Nie można wyświetlić gry: nie można otworzyć ekranu „%1”.</translation>
    </message>
</context>
<context>
    <name>GameNarrator</name>
    <message>
        <source>%1 picked</source>
        <translation>%1 wybrana</translation>
    </message>
    <message>
        <source>No free path there</source>
        <translation>Brak wolnej drogi do tego pola</translation>
    </message>
    <message>
        <source>%1 arrives at %2</source>
        <translation>%1 dotarła do pola: %2</translation>
    </message>
    <message>
        <source>Figure removed, %1 points, score %2</source>
        <translation>Figura usunięta, punkty: %1, wynik %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 na polu: %2</translation>
    </message>
    <message>
        <source>New balls: %1</source>
        <translation>Nowe kulki: %1</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>Koniec gry, wynik %1</translation>
    </message>
    <message>
        <source>%1, score %2</source>
        <translation>%1, wynik %2</translation>
    </message>
    <message>
        <source>The next balls are hidden</source>
        <translation>Następne kulki są ukryte</translation>
    </message>
    <message>
        <source>Next balls: %1</source>
        <translation>Następne kulki: %1</translation>
    </message>
</context>
<context>
    <name>HelpViewerWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Pomoc do gry %1</translation>
    </message>
</context>
<context>
    <name>HighScoresDialog</name>
    <message>
        <source>High Scores</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>The entry is no longer in the table; the name was not saved.</source>
        <translation>Tego wpisu nie ma już w tabeli; imię nie zostało zapisane.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>Rozpocząć nową grę?</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opcje gry</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Kwadraty</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Bloki</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Liczba kolorów</translation>
    </message>
    <message>
        <source>Show Next</source>
        <translation>Pokazuj następne kulki</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfejs</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animacja</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Efekty dźwiękowe</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nieznana opcja „%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nieznane opcje: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Brak wartości po „%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Nieoczekiwana wartość po „%1”.</translation>
    </message>
</context>
<context>
    <name>SaveFailureMessage</name>
    <message>
        <source>There is no space left on the disk.</source>
        <translation>Na dysku nie ma już wolnego miejsca.</translation>
    </message>
    <message>
        <source>The file or its folder is write-protected.</source>
        <translation>Plik lub jego folder jest chroniony przed zapisem.</translation>
    </message>
    <message>
        <source>Another program is using the file.</source>
        <translation>Inny program używa tego pliku.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Nie udało się zapisać pliku.</translation>
    </message>
    <message>
        <source>The high score was not saved.</source>
        <translation>Rekord nie został zapisany.</translation>
    </message>
    <message>
        <source>The name was not saved.</source>
        <translation>Imię nie zostało zapisane.</translation>
    </message>
    <message>
        <source>The options were not saved.</source>
        <translation>Opcje nie zostały zapisane.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Plik: %1</translation>
    </message>
</context>
<context>
    <name>ShownName</name>
    <message>
        <source>Anonymous</source>
        <translation>Anonim</translation>
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
        <translation>Pokaż lub ukryj przycisk „Gotowe”</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Kwadraty</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Bloki</translation>
    </message>
</context>
<context>
    <name>WindowCommandBar</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>New Lines</source>
        <translation>Nowa gra: Linie</translation>
    </message>
    <message>
        <source>New Squares</source>
        <translation>Nowa gra: Kwadraty</translation>
    </message>
    <message>
        <source>New Blocks</source>
        <translation>Nowa gra: Bloki</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opcje...</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>Najlepsze wyniki...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O grze...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Więcej przycisków</translation>
    </message>
</context>
</TS>
