<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pebblix</source>
        <translation>Acerca de Pebblix</translation>
    </message>
    <message>
        <source>a ball puzzle game</source>
        <translation>un juego de puzle con bolas</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>versión %1</translation>
    </message>
</context>
<context>
    <name>BoardPainter</name>
    <message>
        <source>Score %1</source>
        <translation>Puntos %1</translation>
    </message>
    <message>
        <source>NumOfEmpty %1</source>
        <translation>Libres %1</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>columna %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>celeste</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarilla</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>red</source>
        <translation>roja</translation>
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
        <translation>morada</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrón</translation>
    </message>
    <message>
        <source>light blue ball</source>
        <translation>bola celeste</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>bola amarilla</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>bola azul</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>bola roja</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>bola verde</translation>
    </message>
    <message>
        <source>pink ball</source>
        <translation>bola rosa</translation>
    </message>
    <message>
        <source>purple ball</source>
        <translation>bola morada</translation>
    </message>
    <message>
        <source>brown ball</source>
        <translation>bola marrón</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>empty, %1</source>
        <translation>vacía, %1</translation>
    </message>
    <message>
        <source>%1, selected, %2</source>
        <translation>%1, elegida, %2</translation>
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
        <translation>Récord</translation>
    </message>
    <message>
        <source>Yor are the champion!</source>
        <translation>¡Eres el campeón!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Escribe tu nombre</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Pebblix, a ball puzzle game: line up balls of one colour to score.</source>
        <translation>Pebblix, un juego de puzle con bolas:
alinea bolas del mismo color para puntuar.</translation>
    </message>
    <message>
        <source>Start with the random seed &lt;N&gt; (a whole number).</source>
        <translation>Empezar con la semilla aleatoria &lt;N&gt; (un número entero).</translation>
    </message>
    <message>
        <source>Show the board at &lt;N&gt; times its size (1 to %1).</source>
        <translation>Mostrar el tablero a &lt;N&gt; veces su tamaño (de 1 a %1).</translation>
    </message>
    <message>
        <source>Show the help page &lt;URL&gt;.</source>
        <translation>Mostrar la página de ayuda &lt;URL&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 4294967295.</source>
        <translation>--seed necesita un número entero de 0 a 4294967295.</translation>
    </message>
    <message>
        <source>--scale needs a whole number from 1 to %1.</source>
        <translation>--scale necesita un número entero de 1 a %1.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>Cannot show the game: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>No se puede mostrar el juego: no hay DISPLAY ni WAYLAND_DISPLAY.</translation>
    </message>
    <message>
        <source>Cannot show the game: the display %1 cannot be opened.</source>
        <translation>No se puede mostrar el juego: no se puede abrir la pantalla «%1».</translation>
    </message>
</context>
<context>
    <name>GameNarrator</name>
    <message>
        <source>%1 picked</source>
        <translation>%1 elegida</translation>
    </message>
    <message>
        <source>No free path there</source>
        <translation>No hay camino libre hasta allí</translation>
    </message>
    <message>
        <source>%1 arrives at %2</source>
        <translation>%1 llega a %2</translation>
    </message>
    <message>
        <source>Figure removed, %1 points, score %2</source>
        <translation>Figura eliminada, %1 puntos, puntuación %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>New balls: %1</source>
        <translation>Bolas nuevas: %1</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>Fin de la partida, puntuación %1</translation>
    </message>
    <message>
        <source>%1, score %2</source>
        <translation>%1, puntuación %2</translation>
    </message>
    <message>
        <source>The next balls are hidden</source>
        <translation>Las próximas bolas están ocultas</translation>
    </message>
    <message>
        <source>Next balls: %1</source>
        <translation>Próximas bolas: %1</translation>
    </message>
</context>
<context>
    <name>HelpViewerWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
</context>
<context>
    <name>HighScoresDialog</name>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>The entry is no longer in the table; the name was not saved.</source>
        <translation>La entrada ya no está en la tabla; el nombre no se ha guardado.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>¿Empezar una nueva partida?</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opciones de juego</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Cuadrados</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Bloques</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Número de colores</translation>
    </message>
    <message>
        <source>Show Next</source>
        <translation>Mostrar las bolas siguientes</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animación</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Efectos de sonido</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta el valor después de «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado después de «%1».</translation>
    </message>
</context>
<context>
    <name>SaveFailureMessage</name>
    <message>
        <source>There is no space left on the disk.</source>
        <translation>No queda espacio libre en el disco.</translation>
    </message>
    <message>
        <source>The file or its folder is write-protected.</source>
        <translation>El archivo o su carpeta están protegidos contra escritura.</translation>
    </message>
    <message>
        <source>Another program is using the file.</source>
        <translation>Otro programa está usando el archivo.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>No se pudo escribir el archivo.</translation>
    </message>
    <message>
        <source>The high score was not saved.</source>
        <translation>El récord no se ha guardado.</translation>
    </message>
    <message>
        <source>The name was not saved.</source>
        <translation>El nombre no se ha guardado.</translation>
    </message>
    <message>
        <source>The options were not saved.</source>
        <translation>Las opciones no se han guardado.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Archivo: %1</translation>
    </message>
</context>
<context>
    <name>ShownName</name>
    <message>
        <source>Anonymous</source>
        <translation>Anónimo</translation>
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
        <translation>Mostrar u ocultar el botón «Listo»</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Cuadrados</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Bloques</translation>
    </message>
</context>
<context>
    <name>WindowCommandBar</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>New Lines</source>
        <translation>Nueva partida: Líneas</translation>
    </message>
    <message>
        <source>New Squares</source>
        <translation>Nueva partida: Cuadrados</translation>
    </message>
    <message>
        <source>New Blocks</source>
        <translation>Nueva partida: Bloques</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opciones...</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>Récords...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Más botones</translation>
    </message>
</context>
</TS>
