<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pebblix</source>
        <translation>Über Pebblix</translation>
    </message>
    <message>
        <source>a ball puzzle game</source>
        <translation>ein Kugel-Puzzlespiel</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>BoardPainter</name>
    <message>
        <source>Score %1</source>
        <translation>Punkte %1</translation>
    </message>
    <message>
        <source>NumOfEmpty %1</source>
        <translation>Frei %1</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>hellblau</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>lila</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>braun</translation>
    </message>
    <message>
        <source>light blue ball</source>
        <translation>hellblaue Kugel</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>gelbe Kugel</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>blaue Kugel</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>rote Kugel</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>grüne Kugel</translation>
    </message>
    <message>
        <source>pink ball</source>
        <translation>rosa Kugel</translation>
    </message>
    <message>
        <source>purple ball</source>
        <translation>lila Kugel</translation>
    </message>
    <message>
        <source>brown ball</source>
        <translation>braune Kugel</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>empty, %1</source>
        <translation>leer, %1</translation>
    </message>
    <message>
        <source>%1, selected, %2</source>
        <translation>%1, ausgewählt, %2</translation>
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
        <translation>Du bist der Champion!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Gib deinen Namen ein</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Pebblix, a ball puzzle game: line up balls of one colour to score.</source>
        <translation>Pebblix, ein Kugel-Puzzlespiel:
Reihe Kugeln einer Farbe auf, um Punkte zu machen.</translation>
    </message>
    <message>
        <source>Start with the random seed &lt;N&gt; (a whole number).</source>
        <translation>Mit dem Zufallsstartwert &lt;N&gt; beginnen (eine ganze Zahl).</translation>
    </message>
    <message>
        <source>Show the board at &lt;N&gt; times its size (1 to %1).</source>
        <translation>Das Spielfeld in &lt;N&gt;-facher Größe zeigen (1 bis %1).</translation>
    </message>
    <message>
        <source>Show the help page &lt;URL&gt;.</source>
        <translation>Die Hilfeseite &lt;URL&gt; zeigen.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 4294967295.</source>
        <translation>--seed braucht eine ganze Zahl von 0 bis 4294967295.</translation>
    </message>
    <message>
        <source>--scale needs a whole number from 1 to %1.</source>
        <translation>--scale braucht eine ganze Zahl von 1 bis %1.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Diese Hilfe ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Die Version ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>Cannot show the game: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Keine Anzeige für das Spiel: Weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt.</translation>
    </message>
    <message>
        <source>Cannot show the game: the display %1 cannot be opened.</source>
        <translation>Keine Anzeige für das Spiel: „%1“ lässt sich nicht öffnen.</translation>
    </message>
</context>
<context>
    <name>GameNarrator</name>
    <message>
        <source>%1 picked</source>
        <translation>%1 aufgenommen</translation>
    </message>
    <message>
        <source>No free path there</source>
        <translation>Dorthin ist kein Weg frei</translation>
    </message>
    <message>
        <source>%1 arrives at %2</source>
        <translation>%1 erreicht %2</translation>
    </message>
    <message>
        <source>Figure removed, %1 points, score %2</source>
        <translation>Figur entfernt, %1 Punkte, Punktestand %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>New balls: %1</source>
        <translation>Neue Kugeln: %1</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>Spiel vorbei, Punktestand %1</translation>
    </message>
    <message>
        <source>%1, score %2</source>
        <translation>%1, Punktestand %2</translation>
    </message>
    <message>
        <source>The next balls are hidden</source>
        <translation>Die nächsten Kugeln sind verborgen</translation>
    </message>
    <message>
        <source>Next balls: %1</source>
        <translation>Nächste Kugeln: %1</translation>
    </message>
</context>
<context>
    <name>HelpViewerWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1-Hilfe</translation>
    </message>
</context>
<context>
    <name>HighScoresDialog</name>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>The entry is no longer in the table; the name was not saved.</source>
        <translation>Der Eintrag steht nicht mehr in der Bestenliste; der Name wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>Ein neues Spiel beginnen?</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Spielart</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linien</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Quadrate</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blöcke</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Anzahl der Farben</translation>
    </message>
    <message>
        <source>Show Next</source>
        <translation>Nächste Kugeln anzeigen</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Soundeffekte</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach „%1“ fehlt der Wert.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach „%1“.</translation>
    </message>
</context>
<context>
    <name>SaveFailureMessage</name>
    <message>
        <source>There is no space left on the disk.</source>
        <translation>Auf dem Datenträger ist kein Platz mehr frei.</translation>
    </message>
    <message>
        <source>The file or its folder is write-protected.</source>
        <translation>Die Datei oder ihr Ordner ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Another program is using the file.</source>
        <translation>Ein anderes Programm verwendet die Datei.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The high score was not saved.</source>
        <translation>Der Rekord wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The name was not saved.</source>
        <translation>Der Name wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The options were not saved.</source>
        <translation>Die Optionen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
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
        <translation>Schaltfläche „Fertig“ ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linien</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Quadrate</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blöcke</translation>
    </message>
</context>
<context>
    <name>WindowCommandBar</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>New Lines</source>
        <translation>Neues Spiel: Linien</translation>
    </message>
    <message>
        <source>New Squares</source>
        <translation>Neues Spiel: Quadrate</translation>
    </message>
    <message>
        <source>New Blocks</source>
        <translation>Neues Spiel: Blöcke</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>Bestenliste...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Weitere Schaltflächen</translation>
    </message>
</context>
</TS>
