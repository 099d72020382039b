<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>AboutDialog</name>
    <message>
        <source>【注意事項】
１．このゲームはスロットで出た数だけ
&#x3000;進むすごろくです。ゴールを目指してね。
２．一マス歩くたびに体力が一つ減ります。
&#x3000;体力がなくなるとゲームオーバーです。
３．名前の入力とオプションの設定は、
&#x3000;ゲームをしていない時だけ変えられます。
４．名前や設定は保存されません。終了する
&#x3000;と最初の値に戻ります。
５．このソフトウェアは無保証です。使用に
&#x3000;よって生じた損害には責任を負いません。
６．ご意見やご感想は、バージョン情報の
&#x3000;連絡先までお寄せください。</source>
        <translation>[Read Me]
1. Spin the drum and walk as many
   squares as it shows. Reach the goal!
2. Every square you walk costs a point
   of pep. Run out, and it&apos;s game over.
3. Your name and the options can only
   be changed between games.
4. Nothing is saved: quit, and your
   name and options are reset.
5. No warranty: we are not liable for
   any damage that comes from using it.
6. We&apos;d love your comments: write to
   the address shown in About.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ぽてりん&#x3000;一本道</source>
        <translation>Poterin Ipponmichi</translation>
    </message>
    <message>
        <source>Ｖｅｒｓｉｏｎ&#x3000;1.01</source>
        <translation>Version 1.01</translation>
    </message>
    <message>
        <source>ホームページアドレス</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>ファイル名&#x3000;poterin101.zip</source>
        <translation>File name: poterin101.zip</translation>
    </message>
    <message>
        <source>Form3</source>
        <comment>notes</comment>
        <extracomment>The title of the usage notes, opened by Help &gt; 注意事項.</extracomment>
        <translation>Read Me</translation>
    </message>
    <message>
        <source>Form3</source>
        <comment>version</comment>
        <extracomment>The title of the version information, opened by Help &gt; バージョン情報.</extracomment>
        <translation>About Poterin Ipponmichi</translation>
    </message>
    <message>
        <source>注意事項</source>
        <extracomment>What a screen reader calls the notes text.
----------
What a screen reader says of the notes window.</extracomment>
        <translation>Notes</translation>
    </message>
    <message>
        <source>ぽてりんの顔</source>
        <extracomment>What a screen reader calls the program&apos;s face in the version panel.</extracomment>
        <translation>Poterin&apos;s face</translation>
    </message>
    <message>
        <source>ゲームの注意事項です。OK で閉じます</source>
        <translation>Notes on the game. OK closes them.</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <extracomment>What a screen reader says of the version window.</extracomment>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>AnimatedCourseView</name>
    <message>
        <source>内部でエラーが発生しました。from %1</source>
        <extracomment>An animation was asked to start while another still runs; %1 names it.</extracomment>
        <translation>Something went wrong inside the game: an animation started while another was still running. (%1)</translation>
    </message>
    <message>
        <source>Don&apos;t execute SetMainDisplay from %1</source>
        <translation>Something went wrong inside the game: the course was not set up yet. (%1)</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>%1 が出た</source>
        <extracomment>Spoken when the drum stops: the number the heroine walks.</extracomment>
        <translation>The drum says %1</translation>
    </message>
    <message>
        <source>%1 マス目</source>
        <extracomment>Spoken when a walk ends: the square reached.</extracomment>
        <translation>Square %1</translation>
    </message>
    <message>
        <source>体力 %1</source>
        <extracomment>Spoken when the stamina changed.</extracomment>
        <translation>Pep %1</translation>
    </message>
    <message>
        <source>ゴールまで あと %1 歩</source>
        <extracomment>Spoken when the distance to the goal changed.</extracomment>
        <translation>%1 steps to the goal</translation>
    </message>
    <message>
        <source>ボタン %1</source>
        <extracomment>Spoken when the drum button shows a new caption.</extracomment>
        <translation>Button %1</translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>Joins the parts of one announcement.</extracomment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>CourseRemarks</name>
    <message>
        <source>今日の夢はたのしかったなぁ。</source>
        <translation>What a fun dream I had last night.</translation>
    </message>
    <message>
        <source>あ、１００円み～つけたっ＼(^O^)／</source>
        <translation>Ooh, I found a 100-yen coin! ＼(^O^)／</translation>
    </message>
    <message>
        <source>う～～んっっ、眠いよぉぉ～～&#x3000;(^o`)～・</source>
        <translation>Mmmmh... I&apos;m so sleeeepy (^o`)～・</translation>
    </message>
    <message>
        <source>強い風がっ・・</source>
        <translation>Whoa, what a wind...!</translation>
    </message>
    <message>
        <source>わぁ、大吉じゃない！</source>
        <translation>Wow, a super-lucky fortune slip!</translation>
    </message>
    <message>
        <source>お～、お茶がうまいねぇ</source>
        <translation>Ahh, this tea hits the spot</translation>
    </message>
    <message>
        <source>きゃぁっ、トカゲっ！</source>
        <translation>Eek, a lizard!</translation>
    </message>
    <message>
        <source>おっとっとっと、よろけちゃったぁ</source>
        <translation>Whoa-whoa-whoa, I stumbled!</translation>
    </message>
    <message>
        <source>煎餅は醤油味が一番</source>
        <translation>Rice crackers? Soy sauce ones are best</translation>
    </message>
    <message>
        <source>チョ、チョ、チョコレート</source>
        <translation>Cho-cho-chocolate!</translation>
    </message>
    <message>
        <source>どっちへ行けばいいんだろう (｀～´)</source>
        <translation>Which way do I go now? (｀～´)</translation>
    </message>
    <message>
        <source>げっ、ガム踏んじゃった</source>
        <translation>Yuck, I stepped on gum!</translation>
    </message>
    <message>
        <source>・・・ぐぅ～～ (-_-)</source>
        <translation>...zzzzz (-_-)</translation>
    </message>
    <message>
        <source>茶柱がたったわ</source>
        <translation>A tea stalk floats upright: good luck!</translation>
    </message>
    <message>
        <source>あわてない、あわてない (^-^)</source>
        <translation>Easy does it, easy does it (^-^)</translation>
    </message>
    <message>
        <source>ひとやすみ、ひとやすみ (^_^)</source>
        <translation>Break time, break time (^_^)</translation>
    </message>
    <message>
        <source>ジャーンプっ！！</source>
        <translation>Juuump!!</translation>
    </message>
    <message>
        <source>あ、ＵＦＯだっ！！ (&apos;o&apos;)</source>
        <translation>Look, a UFO!! (&apos;o&apos;)</translation>
    </message>
    <message>
        <source>これは、つらいわぁぁっ (x x)</source>
        <translation>This is sooo tough (x x)</translation>
    </message>
    <message>
        <source>坂道ごーろごろっ！</source>
        <translation>Rolling, rolling down the hill!</translation>
    </message>
    <message>
        <source>自転車でＧＯ！！</source>
        <translation>Off I go on my bike!!</translation>
    </message>
    <message>
        <source>ようかんは厚く切んなくちゃね</source>
        <translation>Sweet bean jelly: cut it nice and thick!</translation>
    </message>
    <message>
        <source>漫画家の見方栄養ドリンク参上</source>
        <translation>Here comes the manga artist&apos;s best friend: energy drink!</translation>
    </message>
    <message>
        <source>・・・はっ、だめだわ、寝てしまった (ﾟoﾟ;)</source>
        <translation>...huh? Oh no, I dozed off (ﾟoﾟ;)</translation>
    </message>
    <message>
        <source>あ～れ～、風にとばされる～～</source>
        <translation>Aaaah, the wind&apos;s blowing me awaaay!</translation>
    </message>
    <message>
        <source>う゛、お財布落としちゃったぁ (ToT)</source>
        <translation>Ugh, I&apos;ve lost my wallet (ToT)</translation>
    </message>
    <message>
        <source>ガーンッ、忘れ物しちゃったぁ</source>
        <translation>Oh no! I left something behind!</translation>
    </message>
    <message>
        <source>マスカットキャンディはおいしいな</source>
        <translation>Muscat grape candy is so yummy</translation>
    </message>
    <message>
        <source>じゃんじゃん持ってこ～い (ﾍ_ﾍ)</source>
        <translation>Bring it on, keep &apos;em coming (ﾍ_ﾍ)</translation>
    </message>
    <message>
        <source>あ、爪がわれちゃった (-o-)</source>
        <translation>Oh no, I broke a nail (-o-)</translation>
    </message>
    <message>
        <source>シュークリームをカシュっとね</source>
        <translation>Cream puff, gone in one puff!</translation>
    </message>
    <message>
        <source>ねこ ふんじゃった♪</source>
        <translation>Oops, I stepped on the cat♪</translation>
    </message>
    <message>
        <source>くらっ、めまいが・・</source>
        <translation>Whoa... so dizzy...</translation>
    </message>
    <message>
        <source>加速装置っっっ！</source>
        <translation>Turbo boost, engage!!!</translation>
    </message>
    <message>
        <source>ジャンボジェットで高いな早いなでっかいな</source>
        <translation>Jumbo jet: so high, so fast, so big!</translation>
    </message>
    <message>
        <source>仮免とってバイクでスイスイ</source>
        <translation>Got my learner&apos;s permit: vroom, vroom!</translation>
    </message>
    <message>
        <source>風に押されて、らららんららん</source>
        <translation>Pushed along by the wind, la-la-la-la-la!</translation>
    </message>
    <message>
        <source>同じ所をグルグル回ってない？&#x3000;(ﾟ?ﾟ)</source>
        <translation>Am I going round in circles? (ﾟ?ﾟ)</translation>
    </message>
    <message>
        <source>えっ、(‥);</source>
        <translation>Huh? (‥);</translation>
    </message>
    <message>
        <source>びっくりするじゃないのぉ (^^;)</source>
        <translation>Hey, don&apos;t scare me like that! (^^;)</translation>
    </message>
    <message>
        <source>やっぱりショートケーキよね</source>
        <translation>Nothing beats strawberry shortcake!</translation>
    </message>
    <message>
        <source>肩凝っちゃったぁ (･_･)</source>
        <translation>My shoulders are so stiff (･_･)</translation>
    </message>
    <message>
        <source>おなかがすたちゃったぁ (^ﾛ^)</source>
        <translation>I&apos;m sooo hungwy (^ﾛ^)</translation>
    </message>
    <message>
        <source>ゴロゴロゴロゴロゴロッ</source>
        <translation>Roll-roll-roll-roll-rollin&apos;!</translation>
    </message>
    <message>
        <source>道を間違えちゃった</source>
        <translation>Oops, wrong way!</translation>
    </message>
    <message>
        <source>ちょっと覗いてみようかなぁ～ (°°)～</source>
        <translation>Maybe I&apos;ll take a little peek... (°°)～</translation>
    </message>
    <message>
        <source>よし、いくぞっ (･∧･)</source>
        <translation>Right, here I go! (･∧･)</translation>
    </message>
    <message>
        <source>じゅうぶんです。 (^O^)</source>
        <translation>That&apos;ll do nicely. (^O^)</translation>
    </message>
    <message>
        <source>今日の運勢は最高よ</source>
        <translation>My horoscope says today&apos;s my lucky day!</translation>
    </message>
    <message>
        <source>ドリンク剤１リットル一気のみっ</source>
        <translation>Chugging a whole liter of energy drink!</translation>
    </message>
    <message>
        <source>なにか、危険の香りがするわね (⌒ρ⌒)</source>
        <translation>I smell danger around here (⌒ρ⌒)</translation>
    </message>
    <message>
        <source>ま、こんなもんね (^Ｏ^);</source>
        <translation>Well, that&apos;s how it goes (^Ｏ^);</translation>
    </message>
    <message>
        <source>この世は私のために回ってるのよ (^◯^)</source>
        <translation>The world revolves around me (^◯^)</translation>
    </message>
    <message>
        <source>ほほほほほほほっ&#x3000;(＾▽＾)</source>
        <translation>Ohohohohohoho! (＾▽＾)</translation>
    </message>
    <message>
        <source>さぁっ！いくぞぉっ！！</source>
        <translation>Okay! Here I goooo!!</translation>
    </message>
    <message>
        <source>やったー！！</source>
        <translation>I did it!!</translation>
    </message>
</context>
<context>
    <name>CourseView</name>
    <message>
        <source>コース</source>
        <extracomment>What a screen reader calls the view of the course.</extracomment>
        <translation>Course</translation>
    </message>
    <message>
        <source>not Execute InitDisplay from CourseView::SetMainDisplay</source>
        <translation>Something went wrong inside the game: the course view was not ready.</translation>
    </message>
    <message>
        <source>%1 マス目</source>
        <extracomment>What a screen reader says of the square the heroine stands on.</extracomment>
        <translation>Square %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A square&apos;s number, then the heroine&apos;s remark on it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>スタート</source>
        <extracomment>A kind of square, as the course&apos;s description names the squares ahead.</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>ゴール</source>
        <translation>Goal</translation>
    </message>
    <message>
        <source>ひとこと</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>ラッキー</source>
        <translation>Lucky</translation>
    </message>
    <message>
        <source>体力上昇</source>
        <translation>Pep up</translation>
    </message>
    <message>
        <source>更に進む</source>
        <translation>Onward</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>Nothing</translation>
    </message>
    <message>
        <source>%1。この先: %2</source>
        <extracomment>The course&apos;s description: the square, then the kinds of the next squares.</extracomment>
        <translation>%1. Ahead: %2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>GameApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>ぽてりん 一本道</source>
        <extracomment>The program&apos;s name, the title of its message boxes.</extracomment>
        <translation>Poterin Ipponmichi</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ぽてりん 一本道</source>
        <translation>Poterin Ipponmichi</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>名前の入力</source>
        <translation>&amp;Enter Name...</translation>
    </message>
    <message>
        <source>ゲームスタート</source>
        <translation>&amp;New Game</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>&amp;Restart</translation>
    </message>
    <message>
        <source>タイトルへ戻る</source>
        <translation>&amp;Back to Title</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>デバグ</source>
        <translation>&amp;Debug...</translation>
    </message>
    <message>
        <source>注意事項</source>
        <translation>&amp;Read Me...</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>オプション</source>
        <comment>menu</comment>
        <extracomment>The menu title; its first item opens the options.</extracomment>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>オプション</source>
        <comment>item</comment>
        <extracomment>Opens the options dialog: in English the item ends in an ellipsis, as every item that opens a dialog does.</extracomment>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>ファイル メニューの ゲームスタート で始まります</source>
        <extracomment>What a screen reader says on the title screen.</extracomment>
        <translation>New Game in the File menu begins a game</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>NameInputForm</source>
        <translation>Enter Name</translation>
    </message>
    <message>
        <source>名前を入力してね</source>
        <translation>Tell me your name!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>あおいそらのしたでうたうこねこのゆめをみた</source>
        <extracomment>Typed as the name, this phrase shows the hidden debug item. Make it a sentence nobody types by chance.</extracomment>
        <translation>i dreamed of a kitten singing under the blue sky</translation>
    </message>
    <message>
        <source>名無しの権兵衛</source>
        <extracomment>The name of a player who entered none; the status panel shows it.</extracomment>
        <translation>John Doe</translation>
    </message>
    <message>
        <source>名前の入力</source>
        <extracomment>What a screen reader says of the name entry window.</extracomment>
        <translation>Enter Name</translation>
    </message>
    <message>
        <source>名前</source>
        <extracomment>The name field, as a screen reader names it.</extracomment>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>スタート位置</source>
        <translation>Start square</translation>
    </message>
    <message>
        <source>体力</source>
        <translation>Pep</translation>
    </message>
    <message>
        <source>スロット最小値</source>
        <translation>Drum min</translation>
    </message>
    <message>
        <source>スロット最大値</source>
        <translation>Drum max</translation>
    </message>
    <message>
        <source>矢印位置</source>
        <translation>Arrow row</translation>
    </message>
    <message>
        <source>タイマー</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>回転幅</source>
        <translation>Spin width</translation>
    </message>
    <message>
        <source>歩きアニメ</source>
        <translation>Walk anim</translation>
    </message>
    <message>
        <source>更に進むアニメ</source>
        <translation>Onward anim</translation>
    </message>
    <message>
        <source>戻るアニメ</source>
        <translation>Back anim</translation>
    </message>
    <message>
        <source>終了確認画面</source>
        <translation>Confirm quit</translation>
    </message>
    <message>
        <source>メッセージのチェック</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>すべてチェックする</source>
        <translation>Wait for each one</translation>
    </message>
    <message>
        <source>チェックしない</source>
        <translation>Don&apos;t wait</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>DebugForm</source>
        <comment>options</comment>
        <extracomment>The title of the options, opened by Options &gt; オプション.</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>DebugForm</source>
        <comment>debug</comment>
        <extracomment>The title of the debug settings, opened by Options &gt; デバグ.</extracomment>
        <translation>Debug</translation>
    </message>
    <message>
        <source>%1 を増やす</source>
        <extracomment>The up arrow of a number field of the debug dialog.</extracomment>
        <translation>Raise %1</translation>
    </message>
    <message>
        <source>%1 を減らす</source>
        <extracomment>The down arrow of a number field of the debug dialog.</extracomment>
        <translation>Lower %1</translation>
    </message>
    <message>
        <source>オプション</source>
        <extracomment>What a screen reader says of the options window.</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>マスのメッセージをチェックするか選んでね</source>
        <translation>Choose whether each square&apos;s message waits for you</translation>
    </message>
    <message>
        <source>デバグ</source>
        <extracomment>What a screen reader says of the debug window.</extracomment>
        <translation>Debug</translation>
    </message>
    <message>
        <source>次のゲームの設定を数で入力してね</source>
        <translation>Enter the next game&apos;s settings as numbers</translation>
    </message>
</context>
<context>
    <name>RemarkBox</name>
    <message>
        <source>メッセージ</source>
        <extracomment>What a screen reader calls the box with the heroine&apos;s remarks.</extracomment>
        <translation>Remarks</translation>
    </message>
</context>
<context>
    <name>ResultDialog</name>
    <message>
        <source>開始時刻</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>終了時刻</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>経過時間</source>
        <translation>Time taken</translation>
    </message>
    <message>
        <source>終了時体力</source>
        <translation>Pep left</translation>
    </message>
    <message>
        <source>コマ目まで</source>
        <translation>squares along,</translation>
    </message>
    <message>
        <source>来たのにぃ～～</source>
        <translation>all that way, too!</translation>
    </message>
    <message>
        <source>やめちゃうの？</source>
        <extracomment>What a screen reader says of the quit question.</extracomment>
        <translation>Leaving already?</translation>
    </message>
    <message>
        <source>またねっ</source>
        <extracomment>What a screen reader says of the farewell.</extracomment>
        <translation>See ya!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>MessageForm</source>
        <comment>goal</comment>
        <extracomment>The title of the result at the goal.</extracomment>
        <translation>Goal!</translation>
    </message>
    <message>
        <source>MessageForm</source>
        <comment>game over</comment>
        <extracomment>The title of the game over; the window is only 170 pixels wide.</extracomment>
        <translation>Game Over</translation>
    </message>
    <message>
        <source>MessageForm</source>
        <comment>quit</comment>
        <extracomment>The title of the question before quitting, asked by File &gt; 閉じる; the window is only 170 pixels wide.</extracomment>
        <translation>Quit</translation>
    </message>
    <message>
        <source>MessageForm</source>
        <comment>farewell</comment>
        <extracomment>The title of the goodbye after quitting; the window is only 170 pixels wide.</extracomment>
        <translation>Goodbye</translation>
    </message>
    <message>
        <source>やったぁぁぁっ♪</source>
        <extracomment>The words drawn in the goal picture.</extracomment>
        <translation>Yaaay!</translation>
    </message>
    <message>
        <source>きゅぅ～～っ</source>
        <extracomment>The words drawn in the game over picture.</extracomment>
        <translation>Kyuuuu!</translation>
    </message>
    <message>
        <source>ぽてりん</source>
        <extracomment>The quit question&apos;s picture.
----------
The farewell&apos;s picture.</extracomment>
        <translation>Poterin</translation>
    </message>
    <message>
        <source>ゴール</source>
        <extracomment>What a screen reader says of the goal result.</extracomment>
        <translation>Goal</translation>
    </message>
    <message>
        <source>やったぁぁぁっ♪ %1 マス目でゴール。開始時刻 %2、終了時刻 %3、経過時間 %4、終了時体力 %5</source>
        <extracomment>The goal result read out: the picture&apos;s words, the square, the start, end and elapsed time and the stamina left.</extracomment>
        <translation>Yaaay! Goal on square %1. Started %2, finished %3, took %4, pep left %5</translation>
    </message>
    <message>
        <source>ゲームオーバー</source>
        <extracomment>What a screen reader says of the game over result.</extracomment>
        <translation>Game over</translation>
    </message>
    <message>
        <source>きゅぅ～～っ %1 %2 %3 体力が尽きた</source>
        <extracomment>Game over read out: the picture&apos;s words, the square reached with the caption and remark the window shows.</extracomment>
        <translation>Kyuuuu! %1 %2 %3 All out of pep!</translation>
    </message>
    <message>
        <source>ゲームをやめますか。はい でやめる、いいえ で続ける</source>
        <extracomment>The quit question read out, with what each answer does.</extracomment>
        <translation>Quit the game? Yes quits, No plays on.</translation>
    </message>
    <message>
        <source>さようなら。OK で終わります</source>
        <extracomment>The farewell read out.</extracomment>
        <translation>Goodbye. OK ends the program.</translation>
    </message>
</context>
<context>
    <name>SlotDrum</name>
    <message>
        <source>スロットドラム</source>
        <extracomment>What a screen reader calls the drum.</extracomment>
        <translation>Slot drum</translation>
    </message>
    <message>
        <source>回転中</source>
        <extracomment>What a screen reader says while the drum turns.</extracomment>
        <translation>Spinning</translation>
    </message>
    <message>
        <source>%1 %2 %3 (矢印: %4)</source>
        <extracomment>The three numbers the drum shows, then the one the arrow points at.</extracomment>
        <translation>%1 %2 %3 (arrow: %4)</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>ストップ</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <extracomment>The drum button after a square with only a remark.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>ラッキー</source>
        <translation>Lucky!</translation>
    </message>
    <message>
        <source>体力上昇</source>
        <translation>Pep up!</translation>
    </message>
    <message>
        <source>更に進む</source>
        <translation>Onward!</translation>
    </message>
    <message>
        <source>も、戻る</source>
        <translation>B-back!</translation>
    </message>
    <message>
        <source>ドラムのボタン（待ってね）</source>
        <extracomment>The drum button&apos;s name for a screen reader while it shows no caption.</extracomment>
        <translation>Drum button (wait)</translation>
    </message>
</context>
<context>
    <name>SquareEffects</name>
    <message numerus="yes">
        <source>更に%n歩、進みま～す</source>
        <translation>
            <numerusform>%n more step, off I go!</numerusform>
            <numerusform>%n more steps, off I go!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>うみゅ～～(ToT)&#x3000;%n歩、戻るるる</source>
        <translation>
            <numerusform>Waaah (ToT) %n step baaack</numerusform>
            <numerusform>Waaah (ToT) %n steps baaack</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>うおぉぉぉぉっ！&#x3000;%n体力が回復した</source>
        <translation>
            <numerusform>Whoooa! Got %n pep back</numerusform>
            <numerusform>Whoooa! Got %n pep back</numerusform>
        </translation>
    </message>
    <message>
        <source>スロットの矢印の位置が下がった</source>
        <translation>The drum&apos;s arrow moved down</translation>
    </message>
    <message>
        <source>回転速度が下がった</source>
        <translation>The drum spins slower now</translation>
    </message>
    <message>
        <source>スロットのパラメータはすべて良い方向に変化した</source>
        <translation>Everything about the drum got better</translation>
    </message>
    <message>
        <source>ばたん、きゅぅ～～</source>
        <translation>Thud... all out of pep!</translation>
    </message>
</context>
<context>
    <name>StatusPanelWidget</name>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>体力</source>
        <translation>Pep</translation>
    </message>
    <message>
        <source>スロットドラム</source>
        <translation>Slot drum</translation>
    </message>
    <message>
        <source>ゴールまで</source>
        <translation>To the goal</translation>
    </message>
    <message>
        <source>あと</source>
        <extracomment>Before the steps left to the goal (&quot;あと 12 歩&quot;: 12 steps to go). A language that puts it all after the number may leave this a space.</extracomment>
        <translation> </translation>
    </message>
    <message>
        <source>歩</source>
        <translation>left</translation>
    </message>
    <message>
        <source>名前 %1</source>
        <translation>Name %1</translation>
    </message>
    <message>
        <source>体力 %1</source>
        <translation>Pep %1</translation>
    </message>
    <message>
        <source>矢印の位置 %1</source>
        <translation>Arrow row %1</translation>
    </message>
    <message>
        <source>回転の幅 %1</source>
        <translation>Spin width %1</translation>
    </message>
    <message>
        <source>回転の間隔 %1</source>
        <translation>Spin interval %1</translation>
    </message>
    <message>
        <source>ゴールまで あと %1 歩</source>
        <translation>Steps to the goal: %1</translation>
    </message>
</context>
</TS>
