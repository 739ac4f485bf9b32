<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;У реду</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сачувај</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;дустани</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Затвори</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Затвори без чувања</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сачувај</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Сачувај све</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Отвори</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Да за &amp;све</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Не</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Н&amp;е за све</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прекини</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Покушај поново</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Занемари</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затвори</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Одустани</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Одбаци</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помоћ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Примени</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ресетуј</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Врати подразумевано</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick је покренут, али није преузео датотеке: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Групна обрада је прекинута: излазна фасцикла више не прима датотеке.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>У реду чекања је остала 1 датотека.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>У реду чекања је остала %n датотека.</numerusform>
            <numerusform>У реду чекања су остале %n датотеке.</numerusform>
            <numerusform>У реду чекања је остало %n датотека.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>дневник: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Додајте датотеку.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Додавање</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Прекинуто.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Готово.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>Није успело претварање 1 датотеке:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>Није успело претварање %n датотеке:</numerusform>
            <numerusform>Није успело претварање %n датотеке:</numerusform>
            <numerusform>Није успело претварање %n датотека:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Није изабран излазни формат</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>кодер није ништа исписао</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>прекинуто</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Кодер се неочекивано зауставио.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>слика је Dolby Vision профила %1, чије боје исправно приказује само Dolby Vision плејер; Као извор (копија) је задржава онакву каква јесте</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>привремена фасцикла %1 не може да се користи за дневник првог пролаза</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>испало је %1 од циљаних %2: слици не треба више</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>поново кодирано са %1 kb/s: са %2 kb/s испало је %3, изнад циља %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>поново кодирано са %1 kb/s: са %2 kb/s испало је %3, знатно испод циља %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>испало је %1, изнад циља %2, како год да је кодирано</translation>
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
        <translation>Е-пошта (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 је веза ка %2, а то не постоји.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 није програм.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 не постоји.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick претвара помоћу FFmpeg-а, који није инсталиран. Инсталирајте га (на Debian-у и Ubuntu-у: apt install ffmpeg), па повежите кодер са њим:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick претвара помоћу FFmpeg-а, који је инсталиран као %1. Повежите кодер са њим:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Кодер недостаје, па ништа не може да се претвори.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Намењено за</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Где датотеке иду: формат и највећа датотека коју то место прима</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Ниједно</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Превуците видео снимке овде или кликните да почнете.
DVD или Blu-ray диск читајте дугметом „Читај DVD“ изнад.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Изаберите DVD уређај:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Читај DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Списак датотека:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Додај датотеку</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Додај датотеке из фасцикле</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Уклони изабрану датотеку са списка</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помоћ</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Подешавања</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Уклони све датотеке</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Излазни формат:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Излазни формат</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Квалитет видеа (проток бита, kb/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Проток бита видеа</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Излазна фасцикла:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Изаберите фасциклу за излаз</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Изаберите излазну фасциклу</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Утисци</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Пошаљите нам предлог или питање</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Све наредбе</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Додај нову датотеку на списак</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Уклони датотеку са списка</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Започни претварање</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Помоћ и упутство</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Изађи</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Умањи прозор</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Превуците мултимедијалне датотеке у ову област</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Окретање:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Подешавање окретања</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, још %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Проток бита видеа у килобитима у секунди</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Страница производа</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Изаберите излазну фасциклу</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Све наредбе</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Напредак текуће датотеке</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Претвори сада!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Изаберите фасциклу:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Број минута мора бити мањи од 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Минути</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Број секунди мора бити мањи од 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Секунде</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Није могуће направити излазну фасциклу:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Није могуће писати у излазну фасциклу:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (MPEG4 видео, висок квалитет)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (H264 видео)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (MPEG4 видео, стандардни)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (Apple/QuickTime видео)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (Flash видео)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (MPEG1 видео)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (H.265/HEVC видео)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (AV1 видео)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (AV1 видео)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (VP9 видео)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (H.264 видео)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>Као извор (копија)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>квантизатор</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Командна линија је празна</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe није успео. Грешка: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Датотека или наредба није пронађена</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Назив датотеке</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>Константан квалитет</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Исти квалитет без обзира на величину: нивои квалитета формата уместо протока бита</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Циљна величина...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Највећа величина целе датотеке, заједно са звуком; датотека неће бити већа и биће близу ње</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Циљна величина: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Циљна величина (цела датотека):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Циљна величина, подешена у менију</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Константан квалитет: мањи бројеви изгледају боље и заузимају више простора</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Циљна величина</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Највише колико цела датотека сме да заузме, заједно са звуком, у мегабајтима како их рачунају менаџери датотека (1 MB = 1.000.000 бајтова), или са K или G после броја: 25M, 700MB, 4G.
Празно: без циља, поново проток бита или квалитет.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>„%1“ није величина. Унесите број мегабајта или број са K, M или G после њега: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Квалитет видеа (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° у смеру казаљке на сату</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° супротно од казаљке на сату</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Преврни вертикално</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Преврни хоризонтално</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Без окретања</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Последња групна обрада је прекинута, остала је 1 датотека. Поново је ставити у ред чекања?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Последња групна обрада је прекинута, остала је %n датотека. Поново их ставити у ред чекања?</numerusform>
            <numerusform>Последња групна обрада је прекинута, остале су %n датотеке. Поново их ставити у ред чекања?</numerusform>
            <numerusform>Последња групна обрада је прекинута, остало је %n датотека. Поново их ставити у ред чекања?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>трајање није познато, па се не може циљати величина</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 је мање него што је потребно самом звуку; најмања употребљива величина је %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 оставља премало за слику која може да се гледа; најмања употребљива величина је %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Претварање видео снимака</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>непозната гласноћа „%1“: изаберите ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off или број LUFS од -40 до -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Превуците видео овде</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Претрага...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Ред чекања је пун: прима највише %1 датотека. 1 датотека није додата.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Ред чекања је пун: прима највише %1 датотека. %n датотека није додата.</numerusform>
            <numerusform>Ред чекања је пун: прима највише %1 датотека. %n датотеке нису додате.</numerusform>
            <numerusform>Ред чекања је пун: прима највише %1 датотека. %n датотека није додато.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 датотека није додата: њен назив није исправан UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n датотека није додата: њихови називи нису исправан UTF-8.</numerusform>
            <numerusform>%n датотеке нису додате: њихови називи нису исправан UTF-8.</numerusform>
            <numerusform>%n датотека није додато: њихови називи нису исправан UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Отвори датотеке</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Сви формати</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Изаберите DVD уређај</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Превуците видео овде</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Отвори датотеку</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>временски опсег се завршава у %1, што није после његовог почетка у %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>временски опсег почиње у %1, али видео траје само %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Почетак „%1“ није време. Унесите секунде, m:ss или h:mm:ss, на пример 90, 1:30 или 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Крај „%1“ није време. Унесите секунде, m:ss или h:mm:ss, на пример 90, 1:30 или 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Крај мора бити после почетка.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>од %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>до %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Временски опсег</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>почетак</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>крај</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Секунде, m:ss или h:mm:ss, на пример 90, 1:30 или 1:02:03.5. Оставите време празно за почетак или крај.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Почетак:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Крај:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Употреба: tarnwick-cli [опције] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Претвара видео датотеке FFmpeg кодером: по једну датотеку за сваки SOURCE или
сваку датотеку коју пронађе претрага фасцикле (датотеке саме фасцикле и
насловне датотеке VOB и M2TS у фасциклама испод ње; везе ка фасциклама се
не прате).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Излазне датотеке се зову &lt;име извора&gt;_&lt;сат&gt;&lt;минут&gt;&lt;секунд&gt;.&lt;наставак&gt;; већ
заузето име добија _2, _3, ... Ништа у излазној фасцикли се не преписује,
а излаз који није довршен се уклања.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Излазни статус: 0 све претворено, 1 једна или више неуспешних, 2 погрешна
употреба, 3 нема кодера (недостаје FFmpeg, повезан као data/conv.exe у фасцикли
програма), 130 заустављено са Ctrl+C или сигналом за окончање.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 је задато више пута</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>непознат формат „%1“ (један од: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>проток бита мора бити цео број килобита у секунди (од 1 до 1000000): „%1“</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>непознато окретање „%1“ (једно од: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output захтева фасциклу</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs прима број од 1 до 256 или „auto“: „%1“</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate се не примењује на copy, који ништа не кодира поново</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate се не примењује на copy, који ништа не кодира поново</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>није задат SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>претворено %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>неуспело %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>претворено: %1, неуспешно: %2%3, време: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, прекинуто</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  датотека %3 од %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 у току)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  још %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>За више информација покрените „tarnwick-cli --help“.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>нема ничега за претварање</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (подразумевано)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr се не примењује на copy, који ништа не кодира поново</translation>
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
        <translation>Уместо протока бита:
  -q, --quality N        константан квалитет на сопственој скали формата: CRF
                         за H.264, H.265, AV1 и VP9, квантизатор за MPEG-4,
                         MPEG-1 и WMV; мање је боље (скалу сваког формата и
                         њену подразумевану вредност видите у --list-formats)
      --size SIZE        цела датотека, заједно са звуком, највише SIZE и
                         близу тога: 25M, 700MB, 4G, у децималним јединицама
                         како рачунају менаџери датотека (1M = 1.000.000
                         бајтова; MiB и GiB су бинарне); два пролаза где
                         их кодер подржава</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Део сваког извора, по временима T у секундама, m:ss или h:mm:ss, по потреби
са разломком (90, 1:30, 1:02:03.5):
      --start T          од T; copy почиње од кључног кадра у T или пре њега
      --end T            до T; крај после краја извора је крај извора</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality и --size одређују квалитет слике: наведите једну од њих</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>квалитет за %1 мора бити цео број од %2 (најбоље) до %3: „%4“</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>величина мора бити број мегабајта или број са K, M или G после њега (25M, 700MB, 4G): „%1“</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 прима време у секундама, m:ss или h:mm:ss (на пример 90, 1:30 или 1:02:03.5): „%2“</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) мора бити после --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end мора бити после почетка: „%1“</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality се не примењује на copy, који ништа не кодира поново</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size се не примењује на copy, који ништа не кодира поново</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>квалитет %1, од %2 (најбоље) до %3</translation>
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
        <translation>Опције:
  -f, --format NAME      излазни формат, један од:
%1
  -b, --bitrate KBITS    проток бита видеа у килобитима у секунди
                         (подразумевано: проток формата, види --list-formats)
  -r, --rotate NAME      none (подразумевано), cw, ccw, vflip, hflip, 180
  -o, --output DIR       излазна фасцикла, прави се ако не постоји
                         (подразумевано ./output)
      --web              за веб: индекс MP4 и MOV датотека иде на почетак,
                         па их прегледач пушта док пристижу
      --sdr              HDR у SDR: HDR извори постају SDR у сваком формату;
                         без ње H.265, AV1 и VP9 задржавају HDR у 10 бита
      --crop             исеци црне траке заједничке свим сликама
      --loudness TARGET  звук сваке датотеке на истој гласноћи, прави врхови
                         испод -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) или број LUFS, од -40 до -5
  -j, --jobs N           N претварања одједном; „auto“ за једно по језгру
      --disc DIR         стави у ред насловне датотеке из VIDEO_TS DVD-а или
                         из BDMV/STREAM Blu-ray-а испод DIR (може више пута)
  -n, --dry-run          испиши наредбе за сваку датотеку, ништа не претварај
      --json             један JSON догађај по реду на стандардни излаз
      --list-formats     испиши формате са подразумеваним протоком бита
  -h, --help             овај текст
  -v, --version          верзија програма</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop се не примењује на copy, који ништа не кодира поново</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>непознато место „%1“ за --for (једно од: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 сам бира формат и величину: изоставите %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Уместо формата и величине, где датотека иде:
      --for NAME         формат и највећа датотека тог места, једно од:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, највише %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, индекс на почетку</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Заустави</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Ништа на овој радној површи не отвара помоћ. Она се налази овде:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Ништа на овој радној површи не отвара упутство. Оно се налази овде:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Ништа на овој радној површи не отвара страницу производа. Њена адреса је:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>На овој радној површи нема програма за е-пошту. Адреса је:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Додај датотеку</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Додај фасциклу</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Уклони</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Уклони све</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Читај DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Почни</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Подешавања...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помоћ</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Упутство</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Страница производа</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Пошаљи утиске</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Отвори фасциклу дневника</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Ништа на овој радној површи не отвара фасциклу дневника. Она се налази овде:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Изађи</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Окрени</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>За веб</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>MP4 и MOV датотеке са индексом на почетку, да би их прегледач пуштао док пристижу</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Претварања одједном</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Аутоматски</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 датотека претворена</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n датотека претворена</numerusform>
            <numerusform>%n датотеке претворене</numerusform>
            <numerusform>%n датотека претворено</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, неуспешно: %1.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Групна обрада прекинута</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Групна обрада завршена</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR у SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>HDR видео постаје обичан SDR видео у сваком формату, и у H.265, AV1 и VP9, који га иначе задржавају у HDR-у</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Временски опсег...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Уједначена гласноћа</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Искључено</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Емитовање, EBU R128 (-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>Подкаст (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>Стриминг (-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Излаз</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Исеци црне траке</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Свака слика се исеца на оно што је унутар црних трака горе и доле или са стране</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Подешавања</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Звучни сигнал на крају</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Укључено</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Искључено</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Сечење музике</translation>
    </message>
</context>
</TS>
