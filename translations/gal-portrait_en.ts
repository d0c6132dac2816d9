<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Hints</name>
    <message>
        <source>もっと左 左 ！</source>
        <translation>Further left!</translation>
    </message>
    <message>
        <source>もっと右 右 ！</source>
        <translation>Further right!</translation>
    </message>
    <message>
        <source>もっと上 上 ！</source>
        <translation>Further up!</translation>
    </message>
    <message>
        <source>もっと下 下 ！</source>
        <translation>Further down!</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>ゲーム</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>ゲーム開始</source>
        <translation>Start Game</translation>
    </message>
    <message>
        <source>ゲーム中止</source>
        <translation>Stop Game</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>少女の選択</source>
        <translation>Girl</translation>
    </message>
    <message>
        <source>少女 A</source>
        <translation>Girl A</translation>
    </message>
    <message>
        <source>少女 B</source>
        <translation>Girl B</translation>
    </message>
    <message>
        <source>サイレントモード</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>キーワードで検索</source>
        <translation>Search by Keyword</translation>
    </message>
    <message>
        <source>ヘルプについて</source>
        <translation>Using Help</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About GAL PORTRAIT</translation>
    </message>
</context>
<context>
    <name>Parts</name>
    <message>
        <source>右眉</source>
        <translation>Right eyebrow</translation>
    </message>
    <message>
        <source>右眉の上</source>
        <translation>On the right eyebrow</translation>
    </message>
    <message>
        <source>左眉</source>
        <translation>Left eyebrow</translation>
    </message>
    <message>
        <source>左眉の上</source>
        <translation>On the left eyebrow</translation>
    </message>
    <message>
        <source>右目</source>
        <translation>Right eye</translation>
    </message>
    <message>
        <source>右目の上</source>
        <translation>On the right eye</translation>
    </message>
    <message>
        <source>左目</source>
        <translation>Left eye</translation>
    </message>
    <message>
        <source>左目の上</source>
        <translation>On the left eye</translation>
    </message>
    <message>
        <source>鼻</source>
        <translation>Nose</translation>
    </message>
    <message>
        <source>鼻の上</source>
        <translation>On the nose</translation>
    </message>
    <message>
        <source>口</source>
        <translation>Mouth</translation>
    </message>
    <message>
        <source>口の上</source>
        <translation>On the mouth</translation>
    </message>
</context>
<context>
    <name>RecordMessages</name>
    <message>
        <source>記録を保存できませんでした。</source>
        <translation>The record could not be saved.</translation>
    </message>
    <message>
        <source>記録のファイルを読むことができません。</source>
        <translation>The record file cannot be read.</translation>
    </message>
    <message>
        <source>既定の記録で遊べますが、記録は保存されません。</source>
        <translation>You can play with the default record, but no record will be saved.</translation>
    </message>
    <message>
        <source>フォルダ「%1」を作れません。</source>
        <translation>The folder “%1” cannot be created.</translation>
    </message>
    <message>
        <source>ロックファイル「%1」がフォルダになっています。</source>
        <translation>The lock file “%1” is a folder.</translation>
    </message>
    <message>
        <source>ロックファイル「%1」が普通のファイルではありません。</source>
        <translation>The lock file “%1” is not a plain file.</translation>
    </message>
    <message>
        <source>ほかに起動している GAL PORTRAIT が記録を保存しています。</source>
        <translation>Another running GAL PORTRAIT is saving the record.</translation>
    </message>
    <message>
        <source>ロックファイル「%1」を作れません。</source>
        <translation>The lock file “%1” cannot be created.</translation>
    </message>
    <message>
        <source>記録のファイルの書き方のため、記録を書き込めません。</source>
        <translation>The record cannot be written because of how the record file is laid out.</translation>
    </message>
    <message>
        <source>保存すると、記録のファイルが大きさの上限 (4 MiB) を超えます。</source>
        <translation>Saving would take the record file past its size limit (4 MiB).</translation>
    </message>
    <message>
        <source>記録のファイルを最後まで書き込めません (%1)。</source>
        <translation>The record file cannot be written in full (%1).</translation>
    </message>
</context>
<context>
    <name>gp::AboutDialog</name>
    <message>
        <source>目かくし福笑いゲーム</source>
        <translation>A blindfold face-assembly game</translation>
    </message>
    <message>
        <source>32Bit Version</source>
        <translation>32-bit Version</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Debug Mode!!</source>
        <translation>Debug mode on!</translation>
    </message>
</context>
<context>
    <name>gp::GameModel</name>
    <message>
        <source>時間切れ ！</source>
        <translation>Time&apos;s up!</translation>
    </message>
</context>
<context>
    <name>gp::HelpViewer</name>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>キーワード</source>
        <translation>Keywords</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>調べたいことばを入力してください(&amp;W):</source>
        <translation>Type the &amp;word you are looking for:</translation>
    </message>
    <message>
        <source>ファイルが見つからないか、読むことができません。</source>
        <translation>The file is missing or cannot be read.</translation>
    </message>
    <message>
        <source>ヘルプファイルの形式が正しくありません。</source>
        <translation>The help file is not in the right format.</translation>
    </message>
    <message>
        <source>ヘルプの作業用ファイル「%1」を作れませんでした。%2</source>
        <translation>The help&apos;s working file “%1” could not be created. %2</translation>
    </message>
    <message>
        <source>ヘルプファイル「%1」を開けませんでした。</source>
        <translation>The help file “%1” could not be opened.</translation>
    </message>
    <message>
        <source>ヘルプを表示できません</source>
        <translation>Help cannot be shown</translation>
    </message>
    <message>
        <source>%1 のプログラムと同じフォルダに、ヘルプファイル %2 があるかを確かめてください。</source>
        <translation>Check that the help file %2 lies in the same folder as the %1 program.</translation>
    </message>
    <message>
        <source>ja</source>
        <comment>help pages</comment>
        <extracomment>The language of the help pages to show: their folder and filter in the help file.</extracomment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>gp::MainController</name>
    <message>
        <source>GAL PORTRAITを終了します。</source>
        <translation>Quit GAL PORTRAIT?</translation>
    </message>
    <message>
        <source>YRM.INIファイルが不正です。</source>
        <translation>The YRM.INI file is invalid.</translation>
    </message>
</context>
<context>
    <name>gp::MainWindow</name>
    <message>
        <source>透明なドラッグアイコン</source>
        <translation>Transparent drag icon</translation>
    </message>
    <message>
        <source>少女 A</source>
        <translation>Girl A</translation>
    </message>
    <message>
        <source>少女 B</source>
        <translation>Girl B</translation>
    </message>
    <message>
        <source>完成した顔</source>
        <translation>Finished face</translation>
    </message>
    <message>
        <source>カバー</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>得点 %1 点、%2</source>
        <translation>Score %1, %2</translation>
    </message>
    <message>
        <source>ゲーム開始 ！</source>
        <translation>Game started!</translation>
    </message>
</context>
<context>
    <name>gp::NewRecordDialog</name>
    <message>
        <source> おめでとう!  記録更新です</source>
        <translation>Well done!
A new record!</translation>
    </message>
    <message>
        <source>Name : </source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>gp::PartDragger</name>
    <message>
        <source>%1を持ちました</source>
        <translation>%1 picked up</translation>
    </message>
    <message>
        <source>ここには置けません</source>
        <translation>It cannot be placed here</translation>
    </message>
    <message>
        <source>%1を置きました</source>
        <translation>%1 placed</translation>
    </message>
</context>
<context>
    <name>gp::SpokenServices</name>
    <message>
        <source>記録更新です。%1 点。名前を入力して Enter を押してください</source>
        <translation>New record: %1 points. Type your name and press Enter</translation>
    </message>
</context>
<context>
    <name>gp::StatusFrame</name>
    <message>
        <source>枠</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>状況</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>メッセージ</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>2分</source>
        <translation>2m</translation>
    </message>
    <message>
        <source>1分</source>
        <translation>1m</translation>
    </message>
    <message>
        <source>0分</source>
        <translation>0m</translation>
    </message>
    <message>
        <source>残り時間</source>
        <translation>Time Left</translation>
    </message>
    <message>
        <source>Heigh Score</source>
        <translation>High Score</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>3分</source>
        <translation>3m</translation>
    </message>
    <message>
        <source>記録保持者</source>
        <translation>Record Holder</translation>
    </message>
    <message>
        <source>完了</source>
        <translation>Done</translation>
    </message>
</context>
</TS>
