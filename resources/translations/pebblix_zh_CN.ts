<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pebblix</source>
        <translation>关于 Pebblix</translation>
    </message>
    <message>
        <source>a ball puzzle game</source>
        <translation>彩球益智游戏</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>BoardPainter</name>
    <message>
        <source>Score %1</source>
        <translation>得分 %1</translation>
    </message>
    <message>
        <source>NumOfEmpty %1</source>
        <translation>空格 %1</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>Board</source>
        <translation>棋盘</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>浅蓝</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>green</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>粉红</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>棕</translation>
    </message>
    <message>
        <source>light blue ball</source>
        <translation>浅蓝色球</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>黄色球</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>蓝色球</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>红色球</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>绿色球</translation>
    </message>
    <message>
        <source>pink ball</source>
        <translation>粉红色球</translation>
    </message>
    <message>
        <source>purple ball</source>
        <translation>紫色球</translation>
    </message>
    <message>
        <source>brown ball</source>
        <translation>棕色球</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>第 %1 行，第 %2 列</translation>
    </message>
    <message>
        <source>empty, %1</source>
        <translation>空，%1</translation>
    </message>
    <message>
        <source>%1, selected, %2</source>
        <translation>%1，已选中，%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
</context>
<context>
    <name>ChampionDialog</name>
    <message>
        <source>High Score</source>
        <translation>高分</translation>
    </message>
    <message>
        <source>Yor are the champion!</source>
        <translation>你是冠军！</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>请输入你的名字</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Pebblix, a ball puzzle game: line up balls of one colour to score.</source>
        <translation>Pebblix，一款彩球益智游戏：把同色的球排成图形即可得分。</translation>
    </message>
    <message>
        <source>Start with the random seed &lt;N&gt; (a whole number).</source>
        <translation>使用随机种子 &lt;N&gt;（整数）开始游戏。</translation>
    </message>
    <message>
        <source>Show the board at &lt;N&gt; times its size (1 to %1).</source>
        <translation>以 &lt;N&gt; 倍大小显示棋盘（1 到 %1）。</translation>
    </message>
    <message>
        <source>Show the help page &lt;URL&gt;.</source>
        <translation>显示帮助页面 &lt;URL&gt;。</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>意外的参数：%1</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 4294967295.</source>
        <translation>--seed 需要 0 到 4294967295 之间的整数。</translation>
    </message>
    <message>
        <source>--scale needs a whole number from 1 to %1.</source>
        <translation>--scale 需要 1 到 %1 之间的整数。</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>用法：%1 [选项]</translation>
    </message>
    <message>
        <source>Cannot show the game: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>无法显示游戏：DISPLAY 和 WAYLAND_DISPLAY 均未设置。</translation>
    </message>
    <message>
        <source>Cannot show the game: the display %1 cannot be opened.</source>
        <translation>无法显示游戏：无法打开显示器“%1”。</translation>
    </message>
</context>
<context>
    <name>GameNarrator</name>
    <message>
        <source>%1 picked</source>
        <translation>已选中%1</translation>
    </message>
    <message>
        <source>No free path there</source>
        <translation>没有通往那里的空闲路径</translation>
    </message>
    <message>
        <source>%1 arrives at %2</source>
        <translation>%1到达%2</translation>
    </message>
    <message>
        <source>Figure removed, %1 points, score %2</source>
        <translation>图形已消除，得 %1 分，总分 %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1在%2</translation>
    </message>
    <message>
        <source>New balls: %1</source>
        <translation>新球：%1</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>游戏结束，总分 %1</translation>
    </message>
    <message>
        <source>%1, score %2</source>
        <translation>%1，总分 %2</translation>
    </message>
    <message>
        <source>The next balls are hidden</source>
        <translation>下一组球已隐藏</translation>
    </message>
    <message>
        <source>Next balls: %1</source>
        <translation>下一组球：%1</translation>
    </message>
</context>
<context>
    <name>HelpViewerWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1 帮助</translation>
    </message>
</context>
<context>
    <name>HighScoresDialog</name>
    <message>
        <source>High Scores</source>
        <translation>高分榜</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>The entry is no longer in the table; the name was not saved.</source>
        <translation>该记录已不在榜上，名字未保存。</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>New game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>开始新游戏吗？</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>游戏选项</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>方形</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>团块</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>颜色数</translation>
    </message>
    <message>
        <source>Show Next</source>
        <translation>显示下一组彩球</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>界面</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>动画</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>音效</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>未知选项“%1”。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>未知选项：%1。</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1”之后缺少值。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1”之后有意外的值。</translation>
    </message>
</context>
<context>
    <name>SaveFailureMessage</name>
    <message>
        <source>There is no space left on the disk.</source>
        <translation>磁盘上已没有剩余空间。</translation>
    </message>
    <message>
        <source>The file or its folder is write-protected.</source>
        <translation>文件或其所在文件夹受写保护。</translation>
    </message>
    <message>
        <source>Another program is using the file.</source>
        <translation>另一个程序正在使用该文件。</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>无法写入文件。</translation>
    </message>
    <message>
        <source>The high score was not saved.</source>
        <translation>高分未保存。</translation>
    </message>
    <message>
        <source>The name was not saved.</source>
        <translation>名字未保存。</translation>
    </message>
    <message>
        <source>The options were not saved.</source>
        <translation>选项未保存。</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>文件：%1</translation>
    </message>
</context>
<context>
    <name>ShownName</name>
    <message>
        <source>Anonymous</source>
        <translation>匿名</translation>
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
        <translation>显示或隐藏“完成”按钮</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>方形</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>团块</translation>
    </message>
</context>
<context>
    <name>WindowCommandBar</name>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>New Lines</source>
        <translation>新游戏：直线</translation>
    </message>
    <message>
        <source>New Squares</source>
        <translation>新游戏：方形</translation>
    </message>
    <message>
        <source>New Blocks</source>
        <translation>新游戏：团块</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>选项...</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>高分榜...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>更多按钮</translation>
    </message>
</context>
</TS>
