<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pebblix</source>
        <translation>Over Pebblix</translation>
    </message>
    <message>
        <source>a ball puzzle game</source>
        <translation>een puzzelspel met ballen</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>versie %1</translation>
    </message>
</context>
<context>
    <name>BoardPainter</name>
    <message>
        <source>Score %1</source>
        <translation>Score %1</translation>
    </message>
    <message>
        <source>NumOfEmpty %1</source>
        <translation>Vrij %1</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>Board</source>
        <translation>Speelbord</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>kolom %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>rij %1</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>lichtblauw</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>geel</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>roze</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>paars</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>bruin</translation>
    </message>
    <message>
        <source>light blue ball</source>
        <translation>lichtblauwe bal</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>gele bal</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>blauwe bal</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>rode bal</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>groene bal</translation>
    </message>
    <message>
        <source>pink ball</source>
        <translation>roze bal</translation>
    </message>
    <message>
        <source>purple ball</source>
        <translation>paarse bal</translation>
    </message>
    <message>
        <source>brown ball</source>
        <translation>bruine bal</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>rij %1, kolom %2</translation>
    </message>
    <message>
        <source>empty, %1</source>
        <translation>leeg, %1</translation>
    </message>
    <message>
        <source>%1, selected, %2</source>
        <translation>%1, gekozen, %2</translation>
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
        <translation>Topscore</translation>
    </message>
    <message>
        <source>Yor are the champion!</source>
        <translation>Jij bent de kampioen!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Voer je naam in</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Pebblix, a ball puzzle game: line up balls of one colour to score.</source>
        <translation>Pebblix, een puzzelspel met ballen:
zet ballen van één kleur op een rij om te scoren.</translation>
    </message>
    <message>
        <source>Start with the random seed &lt;N&gt; (a whole number).</source>
        <translation>Beginnen met startwaarde &lt;N&gt; voor het toeval (een geheel getal).</translation>
    </message>
    <message>
        <source>Show the board at &lt;N&gt; times its size (1 to %1).</source>
        <translation>Het speelbord op &lt;N&gt; keer zijn grootte tonen (1 tot en met %1).</translation>
    </message>
    <message>
        <source>Show the help page &lt;URL&gt;.</source>
        <translation>De helppagina &lt;URL&gt; tonen.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Onverwacht argument: %1</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 4294967295.</source>
        <translation>--seed verwacht een geheel getal van 0 tot en met 4294967295.</translation>
    </message>
    <message>
        <source>--scale needs a whole number from 1 to %1.</source>
        <translation>--scale verwacht een geheel getal van 1 tot en met %1.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Gebruik: %1 [opties]</translation>
    </message>
    <message>
        <source>Cannot show the game: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Kan het spel niet tonen: DISPLAY noch WAYLAND_DISPLAY is ingesteld.</translation>
    </message>
    <message>
        <source>Cannot show the game: the display %1 cannot be opened.</source>
        <translation>Kan het spel niet tonen: beeldscherm ‘%1’ kan niet worden geopend.</translation>
    </message>
</context>
<context>
    <name>GameNarrator</name>
    <message>
        <source>%1 picked</source>
        <translation>%1 gekozen</translation>
    </message>
    <message>
        <source>No free path there</source>
        <translation>Geen vrije weg daarheen</translation>
    </message>
    <message>
        <source>%1 arrives at %2</source>
        <translation>%1 komt aan op %2</translation>
    </message>
    <message>
        <source>Figure removed, %1 points, score %2</source>
        <translation>Figuur verwijderd, %1 punten, score %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 op %2</translation>
    </message>
    <message>
        <source>New balls: %1</source>
        <translation>Nieuwe ballen: %1</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>Spel voorbij, score %1</translation>
    </message>
    <message>
        <source>%1, score %2</source>
        <translation>%1, score %2</translation>
    </message>
    <message>
        <source>The next balls are hidden</source>
        <translation>De volgende ballen zijn verborgen</translation>
    </message>
    <message>
        <source>Next balls: %1</source>
        <translation>Volgende ballen: %1</translation>
    </message>
</context>
<context>
    <name>HelpViewerWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Help bij %1</translation>
    </message>
</context>
<context>
    <name>HighScoresDialog</name>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>The entry is no longer in the table; the name was not saved.</source>
        <translation>De vermelding staat niet meer in de lijst; de naam is niet opgeslagen.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>New game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>Een nieuw spel beginnen?</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spelopties</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lijnen</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Vierkanten</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blokken</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Aantal kleuren</translation>
    </message>
    <message>
        <source>Show Next</source>
        <translation>Volgende ballen tonen</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animatie</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Geluidseffecten</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Onbekende optie ‘%1’.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Onbekende opties: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Ontbrekende waarde na ‘%1’.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Onverwachte waarde na ‘%1’.</translation>
    </message>
</context>
<context>
    <name>SaveFailureMessage</name>
    <message>
        <source>There is no space left on the disk.</source>
        <translation>Er is geen ruimte meer vrij op de schijf.</translation>
    </message>
    <message>
        <source>The file or its folder is write-protected.</source>
        <translation>Het bestand of de map ervan is tegen schrijven beveiligd.</translation>
    </message>
    <message>
        <source>Another program is using the file.</source>
        <translation>Een ander programma gebruikt het bestand.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Het bestand kon niet worden geschreven.</translation>
    </message>
    <message>
        <source>The high score was not saved.</source>
        <translation>De topscore is niet opgeslagen.</translation>
    </message>
    <message>
        <source>The name was not saved.</source>
        <translation>De naam is niet opgeslagen.</translation>
    </message>
    <message>
        <source>The options were not saved.</source>
        <translation>De opties zijn niet opgeslagen.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Bestand: %1</translation>
    </message>
</context>
<context>
    <name>ShownName</name>
    <message>
        <source>Anonymous</source>
        <translation>Anoniem</translation>
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
        <translation>Knop ‘Klaar’ tonen of verbergen</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lijnen</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Vierkanten</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blokken</translation>
    </message>
</context>
<context>
    <name>WindowCommandBar</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>New Lines</source>
        <translation>Nieuw spel: Lijnen</translation>
    </message>
    <message>
        <source>New Squares</source>
        <translation>Nieuw spel: Vierkanten</translation>
    </message>
    <message>
        <source>New Blocks</source>
        <translation>Nieuw spel: Blokken</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opties...</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>Topscores...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Meer knoppen</translation>
    </message>
</context>
</TS>
