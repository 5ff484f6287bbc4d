<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pebblix</source>
        <translation>Informazioni su Pebblix</translation>
    </message>
    <message>
        <source>a ball puzzle game</source>
        <translation>un rompicapo con le palline</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>versione %1</translation>
    </message>
</context>
<context>
    <name>BoardPainter</name>
    <message>
        <source>Score %1</source>
        <translation>Punti %1</translation>
    </message>
    <message>
        <source>NumOfEmpty %1</source>
        <translation>Libere %1</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>Board</source>
        <translation>Tabellone</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonna %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>azzurro</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>viola</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrone</translation>
    </message>
    <message>
        <source>light blue ball</source>
        <translation>pallina azzurra</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>pallina gialla</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>pallina blu</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>pallina rossa</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>pallina verde</translation>
    </message>
    <message>
        <source>pink ball</source>
        <translation>pallina rosa</translation>
    </message>
    <message>
        <source>purple ball</source>
        <translation>pallina viola</translation>
    </message>
    <message>
        <source>brown ball</source>
        <translation>pallina marrone</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>empty, %1</source>
        <translation>vuota, %1</translation>
    </message>
    <message>
        <source>%1, selected, %2</source>
        <translation>%1, scelta, %2</translation>
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
        <translation>Record</translation>
    </message>
    <message>
        <source>Yor are the champion!</source>
        <translation>Sei il campione!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Pebblix, a ball puzzle game: line up balls of one colour to score.</source>
        <translation>Pebblix, un rompicapo con le palline:
allinea palline dello stesso colore per fare punti.</translation>
    </message>
    <message>
        <source>Start with the random seed &lt;N&gt; (a whole number).</source>
        <translation>Inizia con il seme casuale &lt;N&gt; (un numero intero).</translation>
    </message>
    <message>
        <source>Show the board at &lt;N&gt; times its size (1 to %1).</source>
        <translation>Mostra il tabellone a &lt;N&gt; volte la sua dimensione (da 1 a %1).</translation>
    </message>
    <message>
        <source>Show the help page &lt;URL&gt;.</source>
        <translation>Mostra la pagina della guida &lt;URL&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argomento inatteso: %1</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 4294967295.</source>
        <translation>--seed richiede un numero intero da 0 a 4294967295.</translation>
    </message>
    <message>
        <source>--scale needs a whole number from 1 to %1.</source>
        <translation>--scale richiede un numero intero da 1 a %1.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Mostra questo aiuto ed esci.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Mostra la versione ed esci.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opzioni]</translation>
    </message>
    <message>
        <source>Cannot show the game: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Impossibile mostrare il gioco: non è impostato né DISPLAY né WAYLAND_DISPLAY.</translation>
    </message>
    <message>
        <source>Cannot show the game: the display %1 cannot be opened.</source>
        <translation>Impossibile mostrare il gioco: non si riesce ad aprire lo schermo «%1».</translation>
    </message>
</context>
<context>
    <name>GameNarrator</name>
    <message>
        <source>%1 picked</source>
        <translation>%1 scelta</translation>
    </message>
    <message>
        <source>No free path there</source>
        <translation>Nessun percorso libero fin lì</translation>
    </message>
    <message>
        <source>%1 arrives at %2</source>
        <translation>%1 arriva in %2</translation>
    </message>
    <message>
        <source>Figure removed, %1 points, score %2</source>
        <translation>Figura rimossa, %1 punti, punteggio %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>New balls: %1</source>
        <translation>Nuove palline: %1</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>Partita finita, punteggio %1</translation>
    </message>
    <message>
        <source>%1, score %2</source>
        <translation>%1, punteggio %2</translation>
    </message>
    <message>
        <source>The next balls are hidden</source>
        <translation>Le prossime palline sono nascoste</translation>
    </message>
    <message>
        <source>Next balls: %1</source>
        <translation>Prossime palline: %1</translation>
    </message>
</context>
<context>
    <name>HelpViewerWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Guida di %1</translation>
    </message>
</context>
<context>
    <name>HighScoresDialog</name>
    <message>
        <source>High Scores</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>The entry is no longer in the table; the name was not saved.</source>
        <translation>La voce non è più in classifica; il nome non è stato salvato.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>Iniziare una nuova partita?</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opzioni di gioco</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linee</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Quadrati</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blocchi</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Numero di colori</translation>
    </message>
    <message>
        <source>Show Next</source>
        <translation>Mostra le prossime palline</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaccia</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animazione</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Effetti sonori</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opzione sconosciuta «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opzioni sconosciute: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Manca il valore dopo «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valore inatteso dopo «%1».</translation>
    </message>
</context>
<context>
    <name>SaveFailureMessage</name>
    <message>
        <source>There is no space left on the disk.</source>
        <translation>Non c’è più spazio sul disco.</translation>
    </message>
    <message>
        <source>The file or its folder is write-protected.</source>
        <translation>Il file o la sua cartella sono protetti da scrittura.</translation>
    </message>
    <message>
        <source>Another program is using the file.</source>
        <translation>Un altro programma sta usando il file.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Impossibile scrivere il file.</translation>
    </message>
    <message>
        <source>The high score was not saved.</source>
        <translation>Il record non è stato salvato.</translation>
    </message>
    <message>
        <source>The name was not saved.</source>
        <translation>Il nome non è stato salvato.</translation>
    </message>
    <message>
        <source>The options were not saved.</source>
        <translation>Le opzioni non sono state salvate.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>File: %1</translation>
    </message>
</context>
<context>
    <name>ShownName</name>
    <message>
        <source>Anonymous</source>
        <translation>Anonimo</translation>
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
        <translation>Mostra o nascondi il pulsante «Fatto»</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linee</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Quadrati</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blocchi</translation>
    </message>
</context>
<context>
    <name>WindowCommandBar</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>New Lines</source>
        <translation>Nuova partita: Linee</translation>
    </message>
    <message>
        <source>New Squares</source>
        <translation>Nuova partita: Quadrati</translation>
    </message>
    <message>
        <source>New Blocks</source>
        <translation>Nuova partita: Blocchi</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opzioni...</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>Classifica...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Altri pulsanti</translation>
    </message>
</context>
</TS>
