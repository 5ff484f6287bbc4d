<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pebblix</source>
        <translation>Sobre o Pebblix</translation>
    </message>
    <message>
        <source>a ball puzzle game</source>
        <translation>um jogo de quebra-cabeça com bolas</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>versão %1</translation>
    </message>
</context>
<context>
    <name>BoardPainter</name>
    <message>
        <source>Score %1</source>
        <translation>Pontos %1</translation>
    </message>
    <message>
        <source>NumOfEmpty %1</source>
        <translation>Livres %1</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>coluna %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>linha %1</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>azul-claro</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
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
        <translation>roxo</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrom</translation>
    </message>
    <message>
        <source>light blue ball</source>
        <translation>bola azul-clara</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>bola amarela</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>bola azul</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>bola vermelha</translation>
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
        <translation>bola roxa</translation>
    </message>
    <message>
        <source>brown ball</source>
        <translation>bola marrom</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <source>empty, %1</source>
        <translation>vazia, %1</translation>
    </message>
    <message>
        <source>%1, selected, %2</source>
        <translation>%1, escolhida, %2</translation>
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
        <translation>Recorde</translation>
    </message>
    <message>
        <source>Yor are the champion!</source>
        <translation>Você é o campeão!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Digite seu nome</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Pebblix, a ball puzzle game: line up balls of one colour to score.</source>
        <translation>Pebblix, um jogo de quebra-cabeça com bolas:
alinhe bolas da mesma cor para marcar pontos.</translation>
    </message>
    <message>
        <source>Start with the random seed &lt;N&gt; (a whole number).</source>
        <translation>Começar com a semente aleatória &lt;N&gt; (um número inteiro).</translation>
    </message>
    <message>
        <source>Show the board at &lt;N&gt; times its size (1 to %1).</source>
        <translation>Mostrar o tabuleiro com &lt;N&gt; vezes o seu tamanho (de 1 a %1).</translation>
    </message>
    <message>
        <source>Show the help page &lt;URL&gt;.</source>
        <translation>Mostrar a página de ajuda &lt;URL&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 4294967295.</source>
        <translation>--seed precisa de um número inteiro de 0 a 4294967295.</translation>
    </message>
    <message>
        <source>--scale needs a whole number from 1 to %1.</source>
        <translation>--scale precisa de um número inteiro de 1 a %1.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Mostrar a versão e sair.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opções]</translation>
    </message>
    <message>
        <source>Cannot show the game: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Não é possível mostrar o jogo: nem DISPLAY nem WAYLAND_DISPLAY está definido.</translation>
    </message>
    <message>
        <source>Cannot show the game: the display %1 cannot be opened.</source>
        <translation>Não é possível mostrar o jogo: não é possível abrir a tela “%1”.</translation>
    </message>
</context>
<context>
    <name>GameNarrator</name>
    <message>
        <source>%1 picked</source>
        <translation>%1 escolhida</translation>
    </message>
    <message>
        <source>No free path there</source>
        <translation>Não há caminho livre até lá</translation>
    </message>
    <message>
        <source>%1 arrives at %2</source>
        <translation>%1 chega a %2</translation>
    </message>
    <message>
        <source>Figure removed, %1 points, score %2</source>
        <translation>Figura removida, %1 pontos, placar %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>New balls: %1</source>
        <translation>Novas bolas: %1</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>Fim de jogo, placar %1</translation>
    </message>
    <message>
        <source>%1, score %2</source>
        <translation>%1, placar %2</translation>
    </message>
    <message>
        <source>The next balls are hidden</source>
        <translation>As próximas bolas estão ocultas</translation>
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
        <translation>Ajuda do %1</translation>
    </message>
</context>
<context>
    <name>HighScoresDialog</name>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>The entry is no longer in the table; the name was not saved.</source>
        <translation>A entrada não está mais na tabela; o nome não foi salvo.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>Começar um novo jogo?</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opções de jogo</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linhas</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Quadrados</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blocos</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Número de cores</translation>
    </message>
    <message>
        <source>Show Next</source>
        <translation>Mostrar as próximas bolas</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animação</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Efeitos sonoros</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opções desconhecidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta o valor depois de “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado depois de “%1”.</translation>
    </message>
</context>
<context>
    <name>SaveFailureMessage</name>
    <message>
        <source>There is no space left on the disk.</source>
        <translation>Não há mais espaço livre no disco.</translation>
    </message>
    <message>
        <source>The file or its folder is write-protected.</source>
        <translation>O arquivo ou a pasta dele está protegido contra gravação.</translation>
    </message>
    <message>
        <source>Another program is using the file.</source>
        <translation>Outro programa está usando o arquivo.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Não foi possível gravar o arquivo.</translation>
    </message>
    <message>
        <source>The high score was not saved.</source>
        <translation>O recorde não foi salvo.</translation>
    </message>
    <message>
        <source>The name was not saved.</source>
        <translation>O nome não foi salvo.</translation>
    </message>
    <message>
        <source>The options were not saved.</source>
        <translation>As opções não foram salvas.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Arquivo: %1</translation>
    </message>
</context>
<context>
    <name>ShownName</name>
    <message>
        <source>Anonymous</source>
        <translation>Anônimo</translation>
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
        <translation>Mostrar ou ocultar o botão “Concluído”</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linhas</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Quadrados</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blocos</translation>
    </message>
</context>
<context>
    <name>WindowCommandBar</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>New Lines</source>
        <translation>Novo jogo: Linhas</translation>
    </message>
    <message>
        <source>New Squares</source>
        <translation>Novo jogo: Quadrados</translation>
    </message>
    <message>
        <source>New Blocks</source>
        <translation>Novo jogo: Blocos</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opções...</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>Recordes...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Mais botões</translation>
    </message>
</context>
</TS>
