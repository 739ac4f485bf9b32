<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>保存せずに閉じる</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>すべて保存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>全てはい(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>全ていいえ(&amp;O)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>無視</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>変更を破棄</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>デフォルトに戻す</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick は実行中ですが、ファイルを受け取りませんでした: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>一括変換を停止しました。出力フォルダーにこれ以上ファイルを書き込めません。</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>キューに 1 個のファイルが残っています。</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>キューに %n 個のファイルが残っています。</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>ログ: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>ファイルを追加してください。</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>停止しました</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完了しました</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>1 個のファイルを変換できませんでした:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>%n 個のファイルを変換できませんでした:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>the encoder printed nothing</source>
        <translation>エンコーダーは何も出力しませんでした</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>No output format is chosen</source>
        <translation>出力形式が選択されていません</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>エンコーダーが予期せず停止しました。</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>映像が Dolby Vision プロファイル %1 で、その色は Dolby Vision 対応プレーヤーでしか正しく表示されません。元と同じ (コピー) ならそのまま残せます</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>一時フォルダー %1 を 1 パス目のログに使用できません</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>目標 %2 に対して %1 になりました: 映像にはこれ以上必要ありません</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>%1 kb/s で再エンコードしました: %2 kb/s では %3 になり、目標 %4 を超えました</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>%1 kb/s で再エンコードしました: %2 kb/s では %3 になり、目標 %4 を大きく下回りました</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>%1 になり、目標 %2 を超えました (どうエンコードしても超えます)</translation>
    </message>
</context>
<context>
    <name>tarnwick::Destinations</name>
    <message>
        <source>Discord (10 MB)</source>
        <translation>Discord (10 MB)</translation>
    </message>
    <message>
        <source>E-mail (25 MB)</source>
        <translation>メール (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 は %2 へのリンクですが、リンク先が存在しません。</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 は実行できるプログラムではありません。</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 が存在しません。</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick は FFmpeg で変換しますが、FFmpeg がインストールされていません。インストールしてから (Debian と Ubuntu: apt install ffmpeg)、エンコーダーをそれにリンクしてください:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick は FFmpeg で変換します。FFmpeg は %1 にインストールされています。エンコーダーをそれにリンクしてください:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>エンコーダーが見つからないため、何も変換できません。</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>送り先</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>ファイルの送り先: その送り先の形式と受け付ける最大ファイルサイズ</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>ここに動画をドロップするか、クリックして始めます。
DVD や Blu-ray は上の「DVD 読込」で読み込めます。</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>DVD ドライブを選択:</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>ファイル一覧:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>フォルダーからファイルを追加</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>選択したファイルを一覧から削除</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>すべてのファイルを削除</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>出力形式:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>出力形式</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>画質 (ビットレート kbps):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>ビデオビットレート</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>出力先:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>出力先フォルダーを選択</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>出力先フォルダーを選択</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>ご意見</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>ご提案やご質問をお送りください</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>すべてのコマンド</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>ファイル一覧に新しいファイルを追加</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>ファイル一覧からファイルを削除</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>変換を開始</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>ヘルプとチュートリアル</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>ウィンドウを最小化</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>メディアファイルをこの領域にドラッグしてください</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>回転:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>回転の設定</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>ファイル %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>、残り %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>ビデオビットレート (キロビット毎秒)</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>出力先フォルダーを選択</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>現在のファイルの進行状況</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>製品ページ</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>すべてのコマンド</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>今すぐ変換！</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>DVD 読込</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>フォルダーを選択:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>分は 60 未満にしてください</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>分</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>秒は 60 未満にしてください</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>秒</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>出力フォルダーを作成できませんでした:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>出力フォルダーに書き込めません:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (高画質 MPEG4 ビデオ)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (H264 ビデオ)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (標準 MPEG4 ビデオ)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (Apple/QuickTime ビデオ)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (Flash ビデオ)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media ビデオ)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (MPEG1 ビデオ)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (H.265/HEVC ビデオ)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (AV1 ビデオ)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (AV1 ビデオ)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (VP9 ビデオ)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (H.264 ビデオ)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>元と同じ (コピー)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>量子化値</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>コマンドラインが空です</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe に失敗しました。エラー: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>ファイルまたはコマンドが見つかりません</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>固定品質</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>サイズに関係なく同じ品質: ビットレートの代わりに形式の品質レベルを使用</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>目標サイズ...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>音声を含むファイル全体の最大サイズ。このサイズ以下で、これに近いサイズになります</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>目標サイズ: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>目標サイズ (ファイル全体):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>目標サイズ (メニューで設定)</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>固定品質: 数値が低いほど高画質になり、サイズが大きくなります</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>目標サイズ</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>音声を含むファイル全体の最大サイズ。ファイルマネージャーと同じ数え方のメガバイト (1 MB = 1,000,000 バイト) で指定するか、数値の後に K または G を付けます: 25M、700MB、4G。
空欄: 目標なし (ビットレートまたは品質に戻ります)。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>&quot;%1&quot; はサイズではありません。メガバイト数か、後に K、M、G を付けた数値を入力してください: 25M、700MB、4G。</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>画質 (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>時計回りに 90 度</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>反時計回りに 90 度</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180 度</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>前回の一括変換は中断され、1 個のファイルが残っています。もう一度キューに追加しますか？</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>前回の一括変換は中断され、%n 個のファイルが残っています。もう一度キューに追加しますか？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>長さが不明なため、目標サイズに合わせられません</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 は音声だけに必要なサイズより小さいです。指定できる最小サイズは %2 です</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 では見られる映像にするには少なすぎます。指定できる最小サイズは %2 です</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>動画を変換中</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>不明なラウドネス &quot;%1&quot;: ebu (-23 LUFS)、stream (-14 LUFS)、podcast (-16 LUFS)、off、または -40 から -5 までの LUFS の数値を指定してください</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>ここに動画をドロップ</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>検索中...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>キューがいっぱいです (最大 %1 個のファイル)。1 個のファイルを追加できませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>キューがいっぱいです (最大 %1 個のファイル)。%n 個のファイルを追加できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 個のファイルを追加できませんでした。ファイル名が有効な UTF-8 ではありません。</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n 個のファイルを追加できませんでした。ファイル名が有効な UTF-8 ではありません。</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>すべての形式</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>DVD ドライブを選択してください</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>ここに動画をドラッグ</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>時間範囲の終了 %1 が開始 %2 より後ではありません</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>時間範囲の開始は %1 ですが、ビデオの長さは %2 しかありません</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>開始 &quot;%1&quot; は時間ではありません。秒、m:ss または h:mm:ss で入力してください (例: 90、1:30、1:02:03.5)。</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>終了 &quot;%1&quot; は時間ではありません。秒、m:ss または h:mm:ss で入力してください (例: 90、1:30、1:02:03.5)。</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>終了は開始より後にしてください。</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 ～ %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>%1 から</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>%1 まで</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>時間範囲</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>先頭</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>末尾</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>秒、m:ss または h:mm:ss (例: 90、1:30、1:02:03.5)。空欄にすると先頭または末尾になります。</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>開始:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>終了:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>使い方: tarnwick-cli [オプション] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>FFmpeg エンコーダーで動画ファイルを変換します。SOURCE ごとに 1 ファイル、
またはフォルダー検索で見つかったすべてのファイル (フォルダー直下のファイルと、
その下のフォルダーにある VOB と M2TS のタイトルファイル) を変換します。
フォルダーへのリンクはたどりません。</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>出力ファイル名は &lt;元の名前&gt;_&lt;時&gt;&lt;分&gt;&lt;秒&gt;.&lt;拡張子&gt; です。使用済みの名前には
_2, _3, ... が付きます。出力フォルダー内のファイルは上書きされず、
完了しなかった出力は削除されます。</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>終了ステータス: 0 すべて変換、1 失敗あり、2 使い方の誤り、
3 エンコーダーなし (プログラムフォルダーの data/conv.exe としてリンクされた FFmpeg がない)、
130 Ctrl+C または終了シグナルで停止。</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 が複数回指定されています</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>不明な形式 &quot;%1&quot; (指定可能: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>ビットレートはキロビット毎秒の整数 (1 から 1000000) で指定してください: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>不明な回転 &quot;%1&quot; (指定可能: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output にはフォルダーを指定してください</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs には 1 から 256 の数値または &quot;auto&quot; を指定してください: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>SOURCE が指定されていません</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>変換済み %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>失敗 %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>変換 %1 件、失敗 %2 件%3、所要時間 %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>、停止</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  ファイル %3/%4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (ほかに %1 個実行中)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  残り %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>詳しくは &quot;tarnwick-cli --help&quot; を実行してください。</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>変換するものがありません</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate は copy には使えません (copy は再エンコードしません)</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate は copy には使えません (copy は再エンコードしません)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr は copy には使えません (copy は再エンコードしません)</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (既定)</translation>
    </message>
    <message>
        <source>Instead of a bitrate:
  -q, --quality N        constant quality on the format&apos;s own scale: the CRF
                         of H.264, H.265, AV1 and VP9, the quantiser of
                         MPEG-4, MPEG-1 and WMV; lower is better (see
                         --list-formats for each scale and its default)
      --size SIZE        the whole file, sound included, at most SIZE and
                         close to it: 25M, 700MB, 4G, in decimal units as
                         file managers count (1M = 1,000,000 bytes; MiB and
                         GiB are binary); two passes where the encoder
                         takes them</source>
        <translation>ビットレートの代わりに:
  -q, --quality N        形式ごとの尺度による固定品質: H.264、H.265、AV1、
                         VP9 は CRF、MPEG-4、MPEG-1、WMV は量子化値。低い
                         ほど高画質 (各尺度と既定値は --list-formats を参照)
      --size SIZE        音声を含むファイル全体を SIZE 以下で、それに近い
                         サイズにする: 25M、700MB、4G。ファイルマネージャー
                         と同じ 10 進単位 (1M = 1,000,000 バイト。MiB と
                         GiB は 2 進)。エンコーダーが対応していれば 2 パス</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>各ソースの一部。時間 T は秒、m:ss または h:mm:ss で、小数も指定可能
(90、1:30、1:02:03.5):
      --start T          T から。copy は T またはその前のキーフレームから開始
      --end T            T まで。ソースの末尾より後の終了はソースの末尾</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate、--quality、--size はどれも画質を決めます。1 つだけ指定してください</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>%1 の品質は %2 (最高) から %3 の整数で指定してください: &quot;%4&quot;</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>サイズはメガバイト数か、後に K、M、G を付けた数値で指定してください (25M、700MB、4G): &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 には秒、m:ss または h:mm:ss で時間を指定してください (例: 90、1:30、1:02:03.5): &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) は --start (%2) より後にしてください</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end は先頭より後にしてください: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality は copy には使えません (copy は再エンコードしません)</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size は copy には使えません (copy は再エンコードしません)</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>品質 %1、%2 (最高) から %3</translation>
    </message>
    <message>
        <source>Options:
  -f, --format NAME      the output format, one of:
%1
  -b, --bitrate KBITS    video bitrate in kilobits per second
                         (default: the format&apos;s own, see --list-formats)
  -r, --rotate NAME      none (default), cw, ccw, vflip, hflip, 180
  -o, --output DIR       output folder, created if missing (default ./output)
      --web              made for the web: MP4 and MOV files get their index
                         at the front, so a browser plays them as they arrive
      --sdr              HDR to SDR: HDR sources become SDR in every format;
                         without it H.265, AV1 and VP9 keep HDR in 10 bits
      --crop             crop the black bars the pictures agree on
      --loudness TARGET  every file&apos;s sound at one loudness, true peaks
                         under -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16), or a number of LUFS, -40 to -5
  -j, --jobs N           N conversions at once; &quot;auto&quot; for one per core
      --disc DIR         queue a DVD&apos;s VIDEO_TS or a Blu-ray&apos;s BDMV/STREAM
                         title files below DIR (repeatable)
  -n, --dry-run          print each file&apos;s commands, convert nothing
      --json             one JSON event per line on standard output
      --list-formats     print the formats with their default bitrates
  -h, --help             this text
  -v, --version          the program&apos;s version</source>
        <translation>オプション:
  -f, --format NAME      出力形式。次のいずれか:
%1
  -b, --bitrate KBITS    ビデオビットレート (キロビット毎秒)
                         (既定: 形式ごとの値。--list-formats を参照)
  -r, --rotate NAME      none (既定), cw, ccw, vflip, hflip, 180
  -o, --output DIR       出力フォルダー。なければ作成 (既定 ./output)
      --web              Web 向け: MP4 と MOV のインデックスを先頭に置き、
                         ブラウザーが受信しながら再生できるようにする
      --sdr              HDR を SDR に: HDR のソースをどの形式でも
                         SDR にする。指定しないと H.265、AV1、VP9 は
                         HDR を 10 ビットで保つ
      --crop             すべての映像に共通する黒帯をトリミング
      --loudness TARGET  各ファイルの音声を同じラウドネスにそろえ、
                         トゥルーピークを -1 dBTP 未満に: ebu (-23 LUFS)、
                         stream (-14)、podcast (-16)、または LUFS の数値
                         (-40 ～ -5)
  -j, --jobs N           同時に N 個変換。&quot;auto&quot; でコアごとに 1 個
      --disc DIR         DIR の下にある DVD の VIDEO_TS または Blu-ray の
                         BDMV/STREAM のタイトルファイルをキューに追加
                         (複数指定可)
  -n, --dry-run          各ファイルのコマンドを表示し、変換はしない
      --json             標準出力に 1 行ごとに 1 個の JSON イベントを出力
      --list-formats     形式と既定のビットレートを一覧表示
  -h, --help             このヘルプを表示
  -v, --version          プログラムのバージョンを表示</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop は copy には使えません (copy は再エンコードしません)</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>--for の送り先 &quot;%1&quot; は不明です (指定可能: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 は形式とサイズを自動で選びます: %2 は指定しないでください</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>形式とサイズの代わりに、ファイルの送り先を指定:
      --for NAME         送り先の形式と最大ファイルサイズ。次のいずれか:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1、最大 %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1、インデックスが先頭</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>このデスクトップにはヘルプを開くプログラムがありません。ヘルプの場所:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>このデスクトップにはチュートリアルを開くプログラムがありません。チュートリアルの場所:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>このデスクトップには製品ページを開くプログラムがありません。アドレス:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>このデスクトップにはメールプログラムがありません。アドレス:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>すべて削除</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>DVD 読込</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>設定...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>チュートリアル</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>製品ページ</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>ご意見を送信</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>ログフォルダーを開く</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>このデスクトップにはログフォルダーを開くプログラムがありません。フォルダーの場所:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 個のファイルを変換しました</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n 個のファイルを変換しました</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>(%1 個は失敗しました)。</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>一括変換を停止しました</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>一括変換が完了しました</translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>。</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Web 向け</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>MP4 と MOV のインデックスを先頭に置き、ブラウザーが受信しながら再生できるようにします</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>同時に変換する数</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR を SDR に変換</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>HDR 動画をどの形式でも通常の SDR 動画にします。H.265、AV1、VP9 も含みます (指定しない場合は HDR のまま保ちます)</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>時間範囲...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>音量の均一化</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>放送、EBU R128 (-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>ポッドキャスト (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>ストリーミング (-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>黒帯をトリミング</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>各映像をレターボックスまたはピラーボックスの黒帯の内側にトリミング</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>完了時に音で知らせる</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>音楽カッター</translation>
    </message>
</context>
</TS>
