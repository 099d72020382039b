<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Form3</source>
        <translation type="unfinished"></translation>
    </message>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ぽてりん&#x3000;一本道</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ｖｅｒｓｉｏｎ&#x3000;1.01</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ホームページアドレス</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル名&#x3000;potelin101.zip</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnimatedCourseView</name>
    <message>
        <source>内部でエラーが発生しました。from %1</source>
        <extracomment>An animation was asked to start while another still runs; %1 names it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t execute SetMainDisplay from %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CourseRemarks</name>
    <message>
        <source>今日の夢はたのしかったなぁ。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>あ、１００円み～つけたっ＼(^O^)／</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>う～～んっっ、眠いよぉぉ～～&#x3000;(^o`)～・</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>強い風がっ・・</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>わぁ、大吉じゃない！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>お～、お茶がうまいねぇ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>きゃぁっ、トカゲっ！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>おっとっとっと、よろけちゃったぁ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>煎餅は醤油味が一番</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>チョ、チョ、チョコレート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>どっちへ行けばいいんだろう (｀～´)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>げっ、ガム踏んじゃった</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>・・・ぐぅ～～ (-_-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>茶柱がたったわ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>あわてない、あわてない (^-^)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ひとやすみ、ひとやすみ (^_^)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ジャーンプっ！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>あ、ＵＦＯだっ！！ (&apos;o&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>これは、つらいわぁぁっ (x x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>坂道ごーろごろっ！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自転車でＧＯ！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ようかんは厚く切んなくちゃね</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>漫画家の見方栄養ドリンク参上</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>・・・はっ、だめだわ、寝てしまった (ﾟoﾟ;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>あ～れ～、風にとばされる～～</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>う゛、お財布落としちゃったぁ (ToT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ガーンッ、忘れ物しちゃったぁ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マスカットキャンディはおいしいな</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>じゃんじゃん持ってこ～い (ﾍ_ﾍ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>あ、爪がわれちゃった (-o-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>シュークリームをカシュっとね</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ねこ ふんじゃった♪</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>くらっ、めまいが・・</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>加速装置っっっ！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ジャンボジェットで高いな早いなでっかいな</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>仮免とってバイクでスイスイ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>風に押されて、らららんららん</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同じ所をグルグル回ってない？&#x3000;(ﾟ?ﾟ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>えっ、(‥);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>びっくりするじゃないのぉ (^^;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>やっぱりショートケーキよね</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>肩凝っちゃったぁ (･_･)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>おなかがすたちゃったぁ (^ﾛ^)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゴロゴロゴロゴロゴロッ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>道を間違えちゃった</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ちょっと覗いてみようかなぁ～ (°°)～</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>よし、いくぞっ (･∧･)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>じゅうぶんです。 (^O^)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今日の運勢は最高よ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ドリンク剤１リットル一気のみっ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>なにか、危険の香りがするわね (⌒ρ⌒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ま、こんなもんね (^Ｏ^);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この世は私のために回ってるのよ (^◯^)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ほほほほほほほっ&#x3000;(＾▽＾)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>さぁっ！いくぞぉっ！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>やったー！！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CourseView</name>
    <message>
        <source>コース</source>
        <extracomment>What a screen reader calls the view of the course.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not Execute InitDisplay from CourseView::SetMainDisplay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 マス目</source>
        <extracomment>What a screen reader says of the square the heroine stands on.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A square&apos;s number, then the heroine&apos;s remark on it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameApplication</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ぽてりん 一本道</source>
        <extracomment>The program&apos;s name, the title of its message boxes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ぽてりん 一本道</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>オプション</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前の入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゲームスタート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイトルへ戻る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デバグ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注意事項</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>NameInputForm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前を入力してね</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>あおいそらのしたでうたうこねこのゆめをみた</source>
        <extracomment>Typed as the name, this phrase shows the hidden debug item. Make it a sentence nobody types by chance.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名無しの権兵衛</source>
        <extracomment>The name of a player who entered none; the status panel shows it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>DebugForm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スタート位置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>体力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スロット最小値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スロット最大値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矢印位置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイマー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回転幅</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>歩きアニメ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更に進むアニメ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>戻るアニメ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了確認画面</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メッセージのチェック</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべてチェックする</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>チェックしない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemarkBox</name>
    <message>
        <source>メッセージ</source>
        <extracomment>What a screen reader calls the box with the heroine&apos;s remarks.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultDialog</name>
    <message>
        <source>MessageForm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開始時刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了時刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>経過時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了時体力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コマ目まで</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>来たのにぃ～～</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>やめちゃうの？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>またねっ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SlotDrum</name>
    <message>
        <source>スロットドラム</source>
        <extracomment>What a screen reader calls the drum.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回転中</source>
        <extracomment>What a screen reader says while the drum turns.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3 (矢印: %4)</source>
        <extracomment>The three numbers the drum shows, then the one the arrow points at.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スタート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ストップ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <extracomment>The drum button after a square with only a remark.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラッキー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>体力上昇</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更に進む</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>も、戻る</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SquareEffects</name>
    <message numerus="yes">
        <source>更に%n歩、進みま～す</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>うみゅ～～(ToT)&#x3000;%n歩、戻るるる</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>うおぉぉぉぉっ！&#x3000;%n体力が回復した</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>スロットの矢印の位置が下がった</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回転速度が下がった</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スロットのパラメータはすべて良い方向に変化した</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ばたん、きゅぅ～～</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusPanelWidget</name>
    <message>
        <source>名前</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>体力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スロットドラム</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゴールまで</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>あと</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>歩</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>体力 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矢印の位置 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回転の幅 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回転の間隔 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゴールまで あと %1 歩</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
