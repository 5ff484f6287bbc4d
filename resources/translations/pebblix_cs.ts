<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pebblix</source>
        <translation>O hře Pebblix</translation>
    </message>
    <message>
        <source>a ball puzzle game</source>
        <translation>logická hra s kuličkami</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>verze %1</translation>
    </message>
</context>
<context>
    <name>BoardPainter</name>
    <message>
        <source>Score %1</source>
        <translation>Skóre %1</translation>
    </message>
    <message>
        <source>NumOfEmpty %1</source>
        <translation>Volná %1</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>Board</source>
        <translation>Hrací plocha</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>sloupec %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>řádek %1</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>světle modrá</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>žlutá</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>modrá</translation>
    </message>
    <message>
        <source>red</source>
        <translation>červená</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zelená</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>růžová</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>fialová</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>hnědá</translation>
    </message>
    <message>
        <source>light blue ball</source>
        <translation>světle modrá kulička</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>žlutá kulička</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>modrá kulička</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>červená kulička</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>zelená kulička</translation>
    </message>
    <message>
        <source>pink ball</source>
        <translation>růžová kulička</translation>
    </message>
    <message>
        <source>purple ball</source>
        <translation>fialová kulička</translation>
    </message>
    <message>
        <source>brown ball</source>
        <translation>hnědá kulička</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>řádek %1, sloupec %2</translation>
    </message>
    <message>
        <source>empty, %1</source>
        <translation>prázdné, %1</translation>
    </message>
    <message>
        <source>%1, selected, %2</source>
        <translation>%1, vybraná, %2</translation>
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
        <translation>Jste šampion!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Zadejte své jméno</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Pebblix, a ball puzzle game: line up balls of one colour to score.</source>
        <translation>Pebblix, logická hra s kuličkami: řaďte kuličky jedné barvy a získávejte body.</translation>
    </message>
    <message>
        <source>Start with the random seed &lt;N&gt; (a whole number).</source>
        <translation>Začít se semínkem náhodných čísel &lt;N&gt; (celé číslo).</translation>
    </message>
    <message>
        <source>Show the board at &lt;N&gt; times its size (1 to %1).</source>
        <translation>Zobrazit hrací plochu zvětšenou &lt;N&gt;krát (1 až %1).</translation>
    </message>
    <message>
        <source>Show the help page &lt;URL&gt;.</source>
        <translation>Zobrazit stránku nápovědy &lt;URL&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Neočekávaný argument: %1</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 4294967295.</source>
        <translation>--seed vyžaduje celé číslo od 0 do 4294967295.</translation>
    </message>
    <message>
        <source>--scale needs a whole number from 1 to %1.</source>
        <translation>--scale vyžaduje celé číslo od 1 do %1.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Vypsat tuto nápovědu a skončit.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Vypsat verzi a skončit.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Použití: %1 [volby]</translation>
    </message>
    <message>
        <source>Cannot show the game: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Hru nelze zobrazit: není nastaveno DISPLAY ani WAYLAND_DISPLAY.</translation>
    </message>
    <message>
        <source>Cannot show the game: the display %1 cannot be opened.</source>
        <translation>Hru nelze zobrazit: displej „%1“ nelze otevřít.</translation>
    </message>
</context>
<context>
    <name>GameNarrator</name>
    <message>
        <source>%1 picked</source>
        <translation>%1 vybrána</translation>
    </message>
    <message>
        <source>No free path there</source>
        <translation>Tam nevede volná cesta</translation>
    </message>
    <message>
        <source>%1 arrives at %2</source>
        <translation>%1 dorazila na %2</translation>
    </message>
    <message>
        <source>Figure removed, %1 points, score %2</source>
        <translation>Obrazec odstraněn, bodů: %1, skóre %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 na %2</translation>
    </message>
    <message>
        <source>New balls: %1</source>
        <translation>Nové kuličky: %1</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>Konec hry, skóre %1</translation>
    </message>
    <message>
        <source>%1, score %2</source>
        <translation>%1, skóre %2</translation>
    </message>
    <message>
        <source>The next balls are hidden</source>
        <translation>Další kuličky jsou skryté</translation>
    </message>
    <message>
        <source>Next balls: %1</source>
        <translation>Další kuličky: %1</translation>
    </message>
</context>
<context>
    <name>HelpViewerWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Nápověda ke hře %1</translation>
    </message>
</context>
<context>
    <name>HighScoresDialog</name>
    <message>
        <source>High Scores</source>
        <translation>Nejlepší výsledky</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>The entry is no longer in the table; the name was not saved.</source>
        <translation>Záznam už v tabulce není; jméno nebylo uloženo.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>New game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>Začít novou hru?</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Možnosti hry</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Řady</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Čtverce</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Bloky</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Počet barev</translation>
    </message>
    <message>
        <source>Show Next</source>
        <translation>Zobrazovat další kuličky</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Rozhraní</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animace</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Zvukové efekty</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Volby:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Neznámá volba „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Neznámé volby: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Za „%1“ chybí hodnota.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Neočekávaná hodnota za „%1“.</translation>
    </message>
</context>
<context>
    <name>SaveFailureMessage</name>
    <message>
        <source>There is no space left on the disk.</source>
        <translation>Na disku už není žádné volné místo.</translation>
    </message>
    <message>
        <source>The file or its folder is write-protected.</source>
        <translation>Do souboru nebo jeho složky nelze zapisovat.</translation>
    </message>
    <message>
        <source>Another program is using the file.</source>
        <translation>Soubor používá jiný program.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Soubor se nepodařilo zapsat.</translation>
    </message>
    <message>
        <source>The high score was not saved.</source>
        <translation>Rekord nebyl uložen.</translation>
    </message>
    <message>
        <source>The name was not saved.</source>
        <translation>Jméno nebylo uloženo.</translation>
    </message>
    <message>
        <source>The options were not saved.</source>
        <translation>Možnosti nebyly uloženy.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Soubor: %1</translation>
    </message>
</context>
<context>
    <name>ShownName</name>
    <message>
        <source>Anonymous</source>
        <translation>Anonym</translation>
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
        <translation>Zobrazit nebo skrýt tlačítko „Hotovo“</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Řady</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Čtverce</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Bloky</translation>
    </message>
</context>
<context>
    <name>WindowCommandBar</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Hra</translation>
    </message>
    <message>
        <source>New Lines</source>
        <translation>Nová hra: Řady</translation>
    </message>
    <message>
        <source>New Squares</source>
        <translation>Nová hra: Čtverce</translation>
    </message>
    <message>
        <source>New Blocks</source>
        <translation>Nová hra: Bloky</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Možnosti...</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>Nejlepší výsledky...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O hře...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Hra</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Další tlačítka</translation>
    </message>
</context>
</TS>
