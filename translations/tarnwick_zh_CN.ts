<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>关闭且不保存</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>全部保存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>全是(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>全否(&amp;O)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>丢弃</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>恢复默认值</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick 正在运行，但未接收这些文件：%1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>批量转换已停止：输出文件夹无法再写入文件。</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>队列中还剩 1 个文件。</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>队列中还剩 %n 个文件。</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>日志：%1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>请添加文件。</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
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
        <translation>有 1 个文件无法转换：</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>有 %n 个文件无法转换：</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>the encoder printed nothing</source>
        <translation>编码器没有任何输出</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>No output format is chosen</source>
        <translation>未选择输出格式</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>编码器意外停止。</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>其画面为 Dolby Vision 配置文件 %1，只有 Dolby Vision 播放器能正确显示其颜色；“与源相同（复制）”可原样保留</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>临时文件夹 %1 无法用于存放第一遍编码的日志</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>结果为 %1，目标为 %2：画面不需要更多空间</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>以 %1 kb/s 重新编码：使用 %2 kb/s 时结果为 %3，超过目标 %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>以 %1 kb/s 重新编码：使用 %2 kb/s 时结果为 %3，远低于目标 %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>结果为 %1，超过目标 %2，无论如何编码都是如此</translation>
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
        <translation>电子邮件 (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 是指向 %2 的链接，但后者不存在。</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 不是可执行程序。</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 不存在。</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick 使用 FFmpeg 进行转换，但尚未安装 FFmpeg。请先安装（Debian 和 Ubuntu：apt install ffmpeg），然后将编码器链接到它：</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick 使用 FFmpeg 进行转换，FFmpeg 已安装在 %1。请将编码器链接到它：</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>缺少编码器，因此无法转换任何文件。</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>适用于</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>文件的去处：该去处使用的格式和可接受的最大文件</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>将视频拖放到这里，或点击开始。
用上方的“读取 DVD”读取 DVD 或蓝光光盘。</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>选择 DVD 驱动器：</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>文件列表：</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>从文件夹添加文件</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>从列表中移除所选文件</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>移除所有文件</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>输出格式：</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>输出格式</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>视频质量（比特率，kbps）：</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>视频比特率</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>输出路径：</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>向我们发送建议或问题</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>所有命令</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>向文件列表添加新文件</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>从文件列表移除文件</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>开始转换</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>帮助和教程</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>最小化窗口</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>将媒体文件拖到此区域</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>旋转：</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>旋转设置</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>文件 %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>，剩余 %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>视频比特率（千比特每秒）</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>当前文件的进度</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>产品页面</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>所有命令</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>立即转换！</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>读取 DVD</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>选择文件夹：</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>分钟必须小于60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>秒必须小于60</translation>
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
        <translation>无法创建输出文件夹：

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>无法写入输出文件夹：

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4（高质量 MPEG4 视频）</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4（H264 视频）</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI（标准 MPEG4 视频）</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV（Apple/QuickTime 视频）</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV（Flash 视频）</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV（Windows Media 视频）</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG（MPEG1 视频）</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4（H.265/HEVC 视频）</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4（AV1 视频）</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM（AV1 视频）</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM（VP9 视频）</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV（H.264 视频）</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>与源相同（复制）</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>量化参数</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>命令行为空</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe 失败。错误：</translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>找不到文件或命令</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>文件名</translation>
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
        <translation>恒定质量</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>无论大小，质量不变：使用格式自身的质量级别而非比特率</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>目标大小...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>整个文件（含音频）的最大大小；结果不超过该值并尽量接近</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>目标大小：%1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>目标大小（整个文件）：</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>目标大小，在菜单中设置</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>恒定质量：数值越低画面越好，占用空间越大</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>目标大小</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>整个文件（含音频）最多可占用的大小，以兆字节为单位，按文件管理器的算法（1 MB = 1,000,000 字节），也可在数字后加 K 或 G：25M、700MB、4G。
留空：不设目标，恢复使用比特率或质量。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>“%1”不是有效的大小。请输入兆字节数，或在数字后加 K、M 或 G：25M、700MB、4G。</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>视频质量（%1）：</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>顺时针旋转 90 度</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>逆时针旋转 90 度</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>垂直镜像</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>水平镜像</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>旋转 180 度</translation>
    </message>
    <message>
        <source>None</source>
        <translation>不旋转</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>上次的批量转换被中断，还剩 1 个文件。要重新加入队列吗？</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>上次的批量转换被中断，还剩 %n 个文件。要重新加入队列吗？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>其时长未知，因此无法按目标大小编码</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 小于仅音频所需的大小；可用的最小大小为 %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 留给画面的空间太少，画质无法观看；可用的最小大小为 %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>正在转换视频</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>未知响度“%1”：请选择 ebu（-23 LUFS）、stream（-14 LUFS）、podcast（-16 LUFS）、off，或 -40 到 -5 之间的 LUFS 值</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>将视频文件拖放到这里</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>正在搜索...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>队列已满：最多容纳 %1 个文件。有 1 个文件未添加。</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>队列已满：最多容纳 %1 个文件。有 %n 个文件未添加。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>有 1 个文件未添加：其文件名不是有效的 UTF-8。</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>有 %n 个文件未添加：其文件名不是有效的 UTF-8。</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>所有格式</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>请选择 DVD 驱动器</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>将视频拖到这里</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>时间范围结束于 %1，不晚于其开始时间 %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>时间范围开始于 %1，但视频只有 %2 长</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>开始时间“%1”不是有效的时间。请输入秒数、m:ss 或 h:mm:ss，例如 90、1:30 或 1:02:03.5。</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>结束时间“%1”不是有效的时间。请输入秒数、m:ss 或 h:mm:ss，例如 90、1:30 或 1:02:03.5。</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>结束时间必须晚于开始时间。</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>从 %1 起</translation>
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
        <translation>时间范围</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>开头</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>结尾</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>秒数、m:ss 或 h:mm:ss，例如 90、1:30 或 1:02:03.5。留空表示从开头开始或到结尾为止。</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>开始：</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>结束：</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>用法：tarnwick-cli [选项] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>使用 FFmpeg 编码器转换视频文件：每个 SOURCE 一个文件，或文件夹搜索
找到的每个文件（文件夹自身的文件，以及其下各文件夹中的 VOB 和 M2TS
标题文件；不跟随指向文件夹的链接）。</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>输出文件命名为 &lt;源文件名&gt;_&lt;时&gt;&lt;分&gt;&lt;秒&gt;.&lt;扩展名&gt;；已被占用的名称依次
加上 _2、_3……输出文件夹中的文件不会被覆盖，未完成的输出会被删除。</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>退出状态：0 全部转换成功，1 有文件转换失败，2 用法错误，
3 缺少编码器（程序文件夹中链接为 data/conv.exe 的 FFmpeg 不存在），
130 被 Ctrl+C 或终止信号停止。</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 指定了多次</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>未知格式“%1”（可选：%2）</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>比特率必须是以千比特每秒为单位的整数（1 到 1000000）：“%1”</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>未知旋转方式“%1”（可选：%2）</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output 需要一个文件夹</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs 需要 1 到 256 之间的数字或“auto”：“%1”</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>未指定 SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>已转换 %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>失败 %1：%2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>已转换 %1 个，失败 %2 个%3，用时 %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>，已停止</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  第 %3/%4 个文件</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  （另有 %1 个进行中）</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  剩余 %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>更多信息请运行“tarnwick-cli --help”。</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>没有可转换的文件</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate 不适用于 copy：它不重新编码任何内容</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate 不适用于 copy：它不重新编码任何内容</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr 不适用于 copy：它不重新编码任何内容</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1（默认）</translation>
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
        <translation>代替比特率：
  -q, --quality N        按格式自身刻度的恒定质量：H.264、H.265、AV1 和
                         VP9 为 CRF，MPEG-4、MPEG-1 和 WMV 为量化参数；
                         越低越好（各刻度及其默认值见 --list-formats）
      --size SIZE        整个文件（含音频）不超过 SIZE 并尽量接近：25M、
                         700MB、4G，采用文件管理器的十进制单位
                         （1M = 1,000,000 字节；MiB 和 GiB 为二进制）；
                         编码器支持时使用两遍编码</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>截取每个源的一部分，时间 T 可为秒数、m:ss 或 h:mm:ss，均可带小数
（90、1:30、1:02:03.5）：
      --start T          从 T 开始；copy 从 T 处或之前的关键帧开始
      --end T            到 T 为止；超出源末尾的结束时间即为源的末尾</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate、--quality 和 --size 都用于设定画质：只能指定其中一个</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>%1 的质量必须是 %2（最佳）到 %3 之间的整数：“%4”</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>大小必须是兆字节数，或在数字后加 K、M 或 G（25M、700MB、4G）：“%1”</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 需要以秒数、m:ss 或 h:mm:ss 表示的时间（例如 90、1:30 或 1:02:03.5）：“%2”</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end（%1）必须晚于 --start（%2）</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end 必须晚于开头：“%1”</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality 不适用于 copy：它不重新编码任何内容</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size 不适用于 copy：它不重新编码任何内容</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>质量 %1，%2（最佳）到 %3</translation>
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
        <translation>选项：
  -f, --format NAME      输出格式，可选：
%1
  -b, --bitrate KBITS    视频比特率，单位为千比特每秒
                         （默认为该格式自身的比特率，见 --list-formats）
  -r, --rotate NAME      none（默认）, cw, ccw, vflip, hflip, 180
  -o, --output DIR       输出文件夹，不存在时自动创建（默认 ./output）
      --web              适合网页播放：MP4 和 MOV 文件的索引放在开头，
                         浏览器可边下载边播放
      --sdr              HDR 转 SDR：HDR 源在所有格式中都转为 SDR；
                         不加此项时 H.265、AV1 和 VP9 以 10 位保留 HDR
      --crop             裁掉所有画面共有的黑边
      --loudness TARGET  让每个文件的声音达到同一响度，真峰值低于 -1 dBTP：
                         ebu（-23 LUFS）、stream（-14）、podcast（-16），
                         或 -40 到 -5 之间的 LUFS 值
  -j, --jobs N           同时进行 N 个转换；“auto”表示每个核心一个
      --disc DIR         将 DIR 下 DVD 的 VIDEO_TS 或蓝光的 BDMV/STREAM
                         中的标题文件加入队列（可重复）
  -n, --dry-run          显示每个文件的命令，不进行转换
      --json             在标准输出上每行输出一个 JSON 事件
      --list-formats     显示各格式及其默认比特率
  -h, --help             显示此帮助
  -v, --version          显示程序版本</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop 不适用于 copy：它不重新编码任何内容</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>--for 的未知去处“%1”（可选：%2）</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 会自行选择格式和大小：请去掉 %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>不指定格式和大小，而指定文件的去处：
      --for NAME         该去处的格式和最大文件大小，可选：</translation>
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
        <translation>此桌面上没有可以打开帮助的程序。帮助位于：

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>此桌面上没有可以打开教程的程序。教程位于：

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>此桌面上没有可以打开产品页面的程序。其地址为：

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>此桌面上没有邮件程序。邮件地址为：

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>添加文件夹</translation>
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
        <translation>读取 DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>设置...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>教程</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>产品页面</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>发送反馈</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>打开日志文件夹</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>此桌面上没有可以打开日志文件夹的程序。它位于：

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>已转换 1 个文件</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>已转换 %n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>，%1 个失败。</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>批量转换已停止</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>批量转换已完成</translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>。</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>适合网页播放</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>MP4 和 MOV 文件的索引放在开头，浏览器可边下载边播放</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>同时转换数</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR 转 SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>HDR 视频在所有格式中都转为普通 SDR 视频，包括 H.265、AV1 和 VP9（否则它们会保留 HDR）</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>时间范围...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>统一响度</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>广播，EBU R128（-23 LUFS）</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>播客（-16 LUFS）</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>流媒体（-14 LUFS）</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>裁剪黑边</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>将每个画面裁剪为其上下或左右黑边以内的部分</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>完成时声音提醒</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>音乐剪切</translation>
    </message>
</context>
</TS>
