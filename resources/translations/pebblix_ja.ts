<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pebblix</source>
        <translation>Pebblix について</translation>
    </message>
    <message>
        <source>a ball puzzle game</source>
        <translation>ボールのパズルゲーム</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>BoardPainter</name>
    <message>
        <source>Score %1</source>
        <translation>スコア %1</translation>
    </message>
    <message>
        <source>NumOfEmpty %1</source>
        <translation>空き %1</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>%1 列</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>%1 行</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>水色</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>茶色</translation>
    </message>
    <message>
        <source>light blue ball</source>
        <translation>水色のボール</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>黄色のボール</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>青のボール</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>赤のボール</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>緑のボール</translation>
    </message>
    <message>
        <source>pink ball</source>
        <translation>ピンクのボール</translation>
    </message>
    <message>
        <source>purple ball</source>
        <translation>紫のボール</translation>
    </message>
    <message>
        <source>brown ball</source>
        <translation>茶色のボール</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>%1 行 %2 列</translation>
    </message>
    <message>
        <source>empty, %1</source>
        <translation>空き、%1</translation>
    </message>
    <message>
        <source>%1, selected, %2</source>
        <translation>%1、選択中、%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>ChampionDialog</name>
    <message>
        <source>High Score</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Yor are the champion!</source>
        <translation>あなたがチャンピオンです！</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>名前を入力してください</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Pebblix, a ball puzzle game: line up balls of one colour to score.</source>
        <translation>Pebblix — ボールのパズルゲーム。同じ色のボールを並べて得点しましょう。</translation>
    </message>
    <message>
        <source>Start with the random seed &lt;N&gt; (a whole number).</source>
        <translation>乱数のシード &lt;N&gt;（整数）で開始します。</translation>
    </message>
    <message>
        <source>Show the board at &lt;N&gt; times its size (1 to %1).</source>
        <translation>盤面を &lt;N&gt; 倍の大きさで表示します（1～%1）。</translation>
    </message>
    <message>
        <source>Show the help page &lt;URL&gt;.</source>
        <translation>ヘルプページ &lt;URL&gt; を表示します。</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>予期しない引数です：%1</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 4294967295.</source>
        <translation>--seed には 0～4294967295 の整数を指定してください。</translation>
    </message>
    <message>
        <source>--scale needs a whole number from 1 to %1.</source>
        <translation>--scale には 1～%1 の整数を指定してください。</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>使い方：%1 [オプション]</translation>
    </message>
    <message>
        <source>Cannot show the game: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>ゲームを表示できません：DISPLAY も WAYLAND_DISPLAY も設定されていません。</translation>
    </message>
    <message>
        <source>Cannot show the game: the display %1 cannot be opened.</source>
        <translation>ゲームを表示できません：ディスプレイ「%1」を開けません。</translation>
    </message>
</context>
<context>
    <name>GameNarrator</name>
    <message>
        <source>%1 picked</source>
        <translation>%1を選択</translation>
    </message>
    <message>
        <source>No free path there</source>
        <translation>そこへ行ける道がありません</translation>
    </message>
    <message>
        <source>%1 arrives at %2</source>
        <translation>%1が%2に到着</translation>
    </message>
    <message>
        <source>Figure removed, %1 points, score %2</source>
        <translation>図形を消去、%1 点、スコア %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>New balls: %1</source>
        <translation>新しいボール: %1</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>ゲームオーバー、スコア %1</translation>
    </message>
    <message>
        <source>%1, score %2</source>
        <translation>%1、スコア %2</translation>
    </message>
    <message>
        <source>The next balls are hidden</source>
        <translation>次のボールは非表示です</translation>
    </message>
    <message>
        <source>Next balls: %1</source>
        <translation>次のボール: %1</translation>
    </message>
</context>
<context>
    <name>HelpViewerWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1 ヘルプ</translation>
    </message>
</context>
<context>
    <name>HighScoresDialog</name>
    <message>
        <source>High Scores</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>The entry is no longer in the table; the name was not saved.</source>
        <translation>この記録はもう表にありません。名前は保存されませんでした。</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>New game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>新しいゲームを始めますか？</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>ゲームのオプション</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>ライン</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>スクエア</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>ブロック</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>色数</translation>
    </message>
    <message>
        <source>Show Next</source>
        <translation>次のボールを表示</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>インターフェイス</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>アニメーション</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>効果音</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>オプション：</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>「%1」は不明なオプションです。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>不明なオプションです：%1。</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>「%1」の後に値がありません。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>「%1」の後に予期しない値があります。</translation>
    </message>
</context>
<context>
    <name>SaveFailureMessage</name>
    <message>
        <source>There is no space left on the disk.</source>
        <translation>ディスクに空き容量がありません。</translation>
    </message>
    <message>
        <source>The file or its folder is write-protected.</source>
        <translation>ファイルまたはそのフォルダーは書き込み禁止です。</translation>
    </message>
    <message>
        <source>Another program is using the file.</source>
        <translation>別のプログラムがファイルを使用中です。</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>ファイルに書き込めませんでした。</translation>
    </message>
    <message>
        <source>The high score was not saved.</source>
        <translation>ハイスコアは保存されませんでした。</translation>
    </message>
    <message>
        <source>The name was not saved.</source>
        <translation>名前は保存されませんでした。</translation>
    </message>
    <message>
        <source>The options were not saved.</source>
        <translation>オプションは保存されませんでした。</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>ファイル: %1</translation>
    </message>
</context>
<context>
    <name>ShownName</name>
    <message>
        <source>Anonymous</source>
        <translation>名無し</translation>
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
        <translation>「完了」ボタンの表示／非表示</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>ライン</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>スクエア</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>ブロック</translation>
    </message>
</context>
<context>
    <name>WindowCommandBar</name>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>New Lines</source>
        <translation>新しいゲーム：ライン</translation>
    </message>
    <message>
        <source>New Squares</source>
        <translation>新しいゲーム：スクエア</translation>
    </message>
    <message>
        <source>New Blocks</source>
        <translation>新しいゲーム：ブロック</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>オプション...</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>ハイスコア...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>その他のボタン</translation>
    </message>
</context>
</TS>
