<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>確定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>關閉而不儲存</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>全部儲存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>全部皆是(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>全部皆否(&amp;O)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>終止</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>丟棄</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>還原到預設值</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick 正在執行，但未接收檔案：%1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>批次轉換已停止：輸出資料夾無法再寫入檔案。</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>佇列中還剩 1 個檔案。</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>佇列中還剩 %n 個檔案。</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>記錄檔：%1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>請新增檔案。</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>已停止。</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完成。</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>有 1 個檔案無法轉換：</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>有 %n 個檔案無法轉換：</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>未選擇輸出格式</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>編碼器沒有任何輸出</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>編碼器意外停止。</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>其畫面為 Dolby Vision 設定檔 %1，只有 Dolby Vision 播放器能正確顯示其色彩；「與來源相同（複製）」可保留原樣</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>暫存資料夾 %1 無法用於存放第一階段編碼的記錄檔</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>結果為 %1，目標為 %2：畫面不需要更多空間</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>以 %1 kb/s 重新編碼：使用 %2 kb/s 時結果為 %3，超過目標 %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>以 %1 kb/s 重新編碼：使用 %2 kb/s 時結果為 %3，遠低於目標 %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>結果為 %1，超過目標 %2，無論如何編碼都是如此</translation>
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
        <translation>電子郵件 (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 是指向 %2 的連結，但後者不存在。</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 不是可執行的程式。</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 不存在。</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick 使用 FFmpeg 進行轉換，但尚未安裝 FFmpeg。請先安裝（Debian 與 Ubuntu：apt install ffmpeg），再將編碼器連結到 FFmpeg：</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick 使用 FFmpeg 進行轉換，FFmpeg 已安裝為 %1。請將編碼器連結到 FFmpeg：</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>缺少編碼器，因此無法轉換任何檔案。</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>適用於</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>檔案的去處：該去處使用的格式與可接受的最大檔案</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>無</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>將影片拖放到這裡，或按一下以開始。
用上方的「讀取 DVD」讀取 DVD 或藍光光碟。</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>選擇 DVD 光碟機：</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>讀取 DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>檔案清單：</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>新增檔案</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>從資料夾新增檔案</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>從清單移除選取的檔案</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>移除所有檔案</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>輸出格式：</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>輸出格式</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>影片品質（位元速率，kbps）：</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>影片位元速率</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>輸出路徑：</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>選擇輸出資料夾</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>選擇輸出資料夾</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>意見回饋</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>將您的建議或問題傳送給我們</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>所有命令</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>將新檔案加入檔案清單</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>從檔案清單移除檔案</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>開始轉換</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>說明與教學</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>最小化視窗</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>將媒體檔案拖曳到此區域</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>旋轉：</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>旋轉設定</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>檔案 %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>，剩餘 %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>影片位元速率（每秒千位元）</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>產品網頁</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>選擇輸出資料夾</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>所有命令</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>目前檔案的進度</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>立即轉換！</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>選擇資料夾：</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>分鐘必須小於 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>秒必須小於 60</translation>
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
        <translation>無法建立輸出資料夾：

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>無法寫入輸出資料夾：

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4（高畫質 MPEG4 影片）</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4（H264 影片）</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI（標準 MPEG4 影片）</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV（Apple/QuickTime 影片）</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV（Flash 影片）</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV（Windows Media 影片）</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG（MPEG1 影片）</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4（H.265/HEVC 影片）</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4（AV1 影片）</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM（AV1 影片）</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM（VP9 影片）</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV（H.264 影片）</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>與來源相同（複製）</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>量化參數</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>命令列是空的</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe 失敗。錯誤： </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>找不到檔案或命令</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
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
        <translation>無論大小，品質不變：使用格式本身的品質等級而非位元速率</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>目標大小...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>整個檔案（含音訊）的最大大小；結果不超過該值並盡量接近</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>目標大小：%1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>目標大小（整個檔案）：</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>目標大小，在選單中設定</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>固定品質：數值越低畫面越好，佔用空間越大</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>目標大小</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>整個檔案（含音訊）最多可佔用的大小，以 MB 為單位，按檔案管理員的算法（1 MB = 1,000,000 位元組），也可在數字後加 K 或 G：25M、700MB、4G。
留空：不設目標，恢復使用位元速率或品質。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>「%1」不是有效的大小。請輸入 MB 數，或在數字後加 K、M 或 G：25M、700MB、4G。</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>影片品質（%1）：</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>順時針旋轉 90 度</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>逆時針旋轉 90 度</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>垂直翻轉</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>水平翻轉</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>旋轉 180 度</translation>
    </message>
    <message>
        <source>None</source>
        <translation>不旋轉</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>上次的批次轉換已中斷，還剩 1 個檔案。要重新加入佇列嗎？</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>上次的批次轉換已中斷，還剩 %n 個檔案。要重新加入佇列嗎？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>其長度未知，因此無法依目標大小編碼</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 小於僅音訊所需的大小；可用的最小大小為 %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 留給畫面的空間太少，畫質無法觀看；可用的最小大小為 %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>正在轉換影片</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>未知的響度「%1」：請選擇 ebu（-23 LUFS）、stream（-14 LUFS）、podcast（-16 LUFS）、off，或 -40 到 -5 之間的 LUFS 值</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>將影片檔案拖放到這裡</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>正在搜尋...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>佇列已滿：最多可容納 %1 個檔案。有 1 個檔案未加入。</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>佇列已滿：最多可容納 %1 個檔案。有 %n 個檔案未加入。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>有 1 個檔案未加入：其檔名不是有效的 UTF-8。</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>有 %n 個檔案未加入：其檔名不是有效的 UTF-8。</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>所有格式</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>請選擇 DVD 光碟機</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>將影片拖曳到這裡</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>開啟檔案</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>時間範圍結束於 %1，不晚於其開始時間 %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>時間範圍開始於 %1，但影片只有 %2 長</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>開始時間「%1」不是有效的時間。請輸入秒數、m:ss 或 h:mm:ss，例如 90、1:30 或 1:02:03.5。</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>結束時間「%1」不是有效的時間。請輸入秒數、m:ss 或 h:mm:ss，例如 90、1:30 或 1:02:03.5。</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>結束時間必須晚於開始時間。</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>從 %1 起</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>至 %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>時間範圍</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>開頭</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>結尾</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>秒數、m:ss 或 h:mm:ss，例如 90、1:30 或 1:02:03.5。留空表示從開頭開始或到結尾為止。</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>開始：</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>結束：</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>用法：tarnwick-cli [選項] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>使用 FFmpeg 編碼器轉換影片檔案：每個 SOURCE 一個檔案，或資料夾搜尋
找到的每個檔案（資料夾本身的檔案，以及其下各資料夾中的 VOB 和 M2TS
標題檔案；不追蹤指向資料夾的連結）。</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>輸出檔案命名為 &lt;來源名稱&gt;_&lt;時&gt;&lt;分&gt;&lt;秒&gt;.&lt;副檔名&gt;；已被使用的名稱會依序
加上 _2、_3……輸出資料夾中的檔案不會被覆寫，未完成的輸出會被刪除。</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>結束狀態：0 全部轉換成功，1 有檔案轉換失敗，2 用法錯誤，
3 缺少編碼器（程式資料夾中連結為 data/conv.exe 的 FFmpeg 不存在），
130 被 Ctrl+C 或終止訊號停止。</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 指定了多次</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>未知的格式「%1」（可選：%2）</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>位元速率必須是以每秒千位元為單位的整數（1 到 1000000）：「%1」</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>未知的旋轉方式「%1」（可選：%2）</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output 需要一個資料夾</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs 需要 1 到 256 之間的數字或「auto」：「%1」</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate 不適用於 copy：它不會重新編碼任何內容</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate 不適用於 copy：它不會重新編碼任何內容</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>未指定 SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>已轉換 %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>失敗 %1：%2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>已轉換 %1 個，失敗 %2 個%3，耗時 %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>，已停止</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  第 %3/%4 個檔案</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  （另有 %1 個進行中）</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  剩餘 %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>如需更多資訊，請執行「tarnwick-cli --help」。</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>沒有可轉換的檔案</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1（預設）</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr 不適用於 copy：它不會重新編碼任何內容</translation>
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
        <translation>代替位元速率：
  -q, --quality N        依格式本身刻度的固定品質：H.264、H.265、AV1 和
                         VP9 為 CRF，MPEG-4、MPEG-1 和 WMV 為量化參數；
                         越低越好（各刻度及其預設值見 --list-formats）
      --size SIZE        整個檔案（含音訊）不超過 SIZE 並盡量接近：25M、
                         700MB、4G，採用檔案管理員的十進位單位
                         （1M = 1,000,000 位元組；MiB 和 GiB 為二進位）；
                         編碼器支援時使用兩階段編碼</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>擷取每個來源的一部分，時間 T 可為秒數、m:ss 或 h:mm:ss，皆可帶小數
（90、1:30、1:02:03.5）：
      --start T          從 T 開始；copy 從 T 處或之前的關鍵影格開始
      --end T            到 T 為止；超出來源結尾的結束時間即為來源的結尾</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate、--quality 和 --size 都用於設定畫質：只能指定其中一個</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>%1 的品質必須是 %2（最佳）到 %3 之間的整數：「%4」</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>大小必須是 MB 數，或在數字後加 K、M 或 G（25M、700MB、4G）：「%1」</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 需要以秒數、m:ss 或 h:mm:ss 表示的時間（例如 90、1:30 或 1:02:03.5）：「%2」</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end（%1）必須晚於 --start（%2）</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end 必須晚於開頭：「%1」</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality 不適用於 copy：它不會重新編碼任何內容</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size 不適用於 copy：它不會重新編碼任何內容</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>品質 %1，%2（最佳）到 %3</translation>
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
        <translation>選項：
  -f, --format NAME      輸出格式，可選：
%1
  -b, --bitrate KBITS    影片位元速率，單位為每秒千位元
                         （預設為該格式本身的位元速率，見 --list-formats）
  -r, --rotate NAME      none（預設）, cw, ccw, vflip, hflip, 180
  -o, --output DIR       輸出資料夾，不存在時自動建立（預設 ./output）
      --web              適合網頁播放：MP4 和 MOV 檔案的索引放在開頭，
                         瀏覽器可邊下載邊播放
      --sdr              HDR 轉 SDR：HDR 來源在所有格式中都轉為 SDR；
                         不加此選項時 H.265、AV1 和 VP9 以 10 位元保留 HDR
      --crop             裁掉所有畫面共有的黑邊
      --loudness TARGET  讓每個檔案的聲音達到同一響度，真實峰值低於 -1 dBTP：
                         ebu（-23 LUFS）、stream（-14）、podcast（-16），
                         或 -40 到 -5 之間的 LUFS 值
  -j, --jobs N           同時進行 N 個轉換；「auto」表示每個核心一個
      --disc DIR         將 DIR 下 DVD 的 VIDEO_TS 或藍光的 BDMV/STREAM
                         中的標題檔案加入佇列（可重複指定）
  -n, --dry-run          顯示每個檔案的命令，不進行轉換
      --json             在標準輸出上每行輸出一個 JSON 事件
      --list-formats     顯示各格式及其預設位元速率
  -h, --help             顯示此說明
  -v, --version          顯示程式版本</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop 不適用於 copy：它不會重新編碼任何內容</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>--for 的未知去處「%1」（可選：%2）</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 會自行選擇格式與大小：請移除 %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>不指定格式與大小，改為指定檔案的去處：
      --for NAME         該去處的格式與最大檔案大小，可選：</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1，最大 %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1，索引在前</translation>
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
        <translation>此桌面上沒有可以開啟說明的程式。說明位於：

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>此桌面上沒有可以開啟教學的程式。教學位於：

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>此桌面上沒有可以開啟產品網頁的程式。其網址為：

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>此桌面上沒有郵件程式。郵件地址為：

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>新增檔案</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>新增資料夾</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>全部移除</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>讀取 DVD</translation>
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
        <translation>說明</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>教學</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>產品網頁</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>傳送意見回饋</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>開啟記錄檔資料夾</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>此桌面上沒有可以開啟記錄檔資料夾的程式。它位於：

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋轉</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>適合網頁播放</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>MP4 和 MOV 檔案的索引放在開頭，瀏覽器可邊下載邊播放</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>同時轉換數</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>已轉換 1 個檔案</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>已轉換 %n 個檔案</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>。</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>，%1 個失敗。</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>批次轉換已停止</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>批次轉換已完成</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR 轉 SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>HDR 影片在所有格式中都轉為一般 SDR 影片，包括 H.265、AV1 和 VP9（否則它們會保留 HDR）</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>時間範圍...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>統一響度</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>廣播，EBU R128（-23 LUFS）</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>Podcast（-16 LUFS）</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>串流（-14 LUFS）</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>輸出</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>裁切黑邊</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>將每個畫面裁切為其上下或左右黑邊以內的部分</translation>
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
        <translation>完成時發出提示音</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>開</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>關</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>音樂裁剪</translation>
    </message>
</context>
</TS>
