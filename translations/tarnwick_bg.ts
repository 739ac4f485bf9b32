<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Добре</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Запазване</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отказ</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>З&amp;атваряне</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Затваряне без запазване</translation>
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
        <translation>Запазване</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Запазване на всичко</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Отваряне</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Да за &amp;всички</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Не</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Н&amp;е за всички</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прекъсване</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторен опит</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Пренебрегване</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затваряне</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Отхвърляне</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Прилагане</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Нулиране</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>По подразбиране</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick работи, но не прие файловете: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Пакетната обработка е спряна: изходната папка не приема повече файлове.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>В опашката остава 1 файл.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>В опашката остава %n файл.</numerusform>
            <numerusform>В опашката остават %n файла.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>журнал: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Добавете файл.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавяне</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Спряно.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Готово.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>1 файл не можа да бъде преобразуван:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>%n файл не можа да бъде преобразуван:</numerusform>
            <numerusform>%n файла не можаха да бъдат преобразувани:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Не е избран изходен формат</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>кодерът не изведе нищо</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>спряно</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Кодерът спря неочаквано.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>картината му е Dolby Vision профил %1, чиито цветове показва правилно само плейър с Dolby Vision; „Като източника (копие)“ го запазва както е</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>временната папка %1 не може да се използва за журнала на първия проход</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>получи се %1 от целевите %2: картината няма нужда от повече</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>кодирано отново с %1 кбит/с: с %2 кбит/с се получи %3, над целта %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>кодирано отново с %1 кбит/с: с %2 кбит/с се получи %3, доста под целта %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>получи се %1, над целта %2, както и да се кодира</translation>
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
        <translation>Имейл (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 е връзка към %2, който не съществува.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 не е програма.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 не съществува.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick преобразува с FFmpeg, който не е инсталиран. Инсталирайте го (в Debian и Ubuntu: apt install ffmpeg), след което свържете кодера с него:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick преобразува с FFmpeg, който е инсталиран като %1. Свържете кодера с него:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Кодерът липсва, затова нищо не може да бъде преобразувано.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Предназначено за</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Къде отиват файловете: форматът и най-големият файл, който това място приема</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Без</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Пуснете видеата си тук или щракнете, за да започнете.
Прочетете DVD или Blu-ray диск с бутона „Четене“ отгоре.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Изберете DVD устройство:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Четене</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Списък с файлове:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Добавяне на файл</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Добавяне на файлове от папка</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Премахване на избрания файл от списъка</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощ</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Премахване на всички файлове</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Изходен формат:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Изходен формат</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Качество на видео (битрейт, кбит/с):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Битрейт на видеото</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Изходна папка:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Избор на папка за изходните файлове</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Избор на изходна папка</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Отзиви</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Изпратете ни предложение или въпрос</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Всички команди</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Добавяне на нов файл в списъка</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Премахване на файл от списъка</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Начало на преобразуването</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Помощ и ръководство</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Изход</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Минимизиране на прозореца</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Плъзнете мултимедийни файлове в тази област</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Завъртане:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Настройка на завъртането</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>файл %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, още %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Битрейт на видеото в килобита в секунда</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Страница на продукта</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Избор на изходна папка</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Всички команди</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Напредък на текущия файл</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Преобразувай сега!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Изберете папка:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Минутите трябва да са по-малко от 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Минути</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Секундите трябва да са по-малко от 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Секунди</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Изходната папка не можа да бъде създадена:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>В изходната папка не може да се записва:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (видео MPEG4, високо качество)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (видео H264)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (видео MPEG4, стандартно)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (видео Apple/QuickTime)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (видео Flash)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (видео MPEG1)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (видео H.265/HEVC)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (видео AV1)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (видео AV1)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (видео VP9)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (видео H.264)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>Като източника (копие)</translation>
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
        <translation>Командният ред е празен</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>Неуспех при CreatePipe. Грешка: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Файлът или командата не са намерени</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Име на файла</translation>
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
        <translation>Постоянно качество</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Едно и също качество при всеки размер: нивата на качество на формата вместо битрейт</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Целеви размер...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Най-големият размер на целия файл, заедно със звука; файлът излиза не по-голям и близо до него</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Целеви размер: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Целеви размер (целият файл):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Целеви размер, зададен в менюто</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Постоянно качество: по-малките числа изглеждат по-добре и заемат повече място</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Целеви размер</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Най-много колко може да заема целият файл, заедно със звука, в мегабайти, както ги броят файловите мениджъри (1 MB = 1 000 000 байта), или с K или G след числото: 25M, 700MB, 4G.
Празно: без цел, отново битрейт или качество.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>„%1“ не е размер. Въведете брой мегабайти или число с K, M или G след него: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Качество на видео (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° по часовниковата стрелка</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° обратно на часовниковата стрелка</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Огледално по вертикала</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Огледално по хоризонтала</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Без</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Последната пакетна обработка беше прекъсната и остана 1 файл. Да бъде ли добавен отново в опашката?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Последната пакетна обработка беше прекъсната и остана %n файл. Да бъде ли добавен отново в опашката?</numerusform>
            <numerusform>Последната пакетна обработка беше прекъсната и останаха %n файла. Да бъдат ли добавени отново в опашката?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>продължителността му не е известна, затова не може да се цели размер</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 е по-малко, отколкото е нужно само за звука; най-малкият възможен размер е %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 оставя твърде малко за гледаема картина; най-малкият възможен размер е %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Преобразуване на видеа</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>непозната сила на звука „%1“: изберете ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off или число в LUFS от -40 до -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Пуснете видеата си тук</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Търсене...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Опашката е пълна: побира най-много %1 файла. 1 файл не беше добавен.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Опашката е пълна: побира най-много %1 файла. %n файл не беше добавен.</numerusform>
            <numerusform>Опашката е пълна: побира най-много %1 файла. %n файла не бяха добавени.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 файл не беше добавен: името му не е валиден UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n файл не беше добавен: името му не е валиден UTF-8.</numerusform>
            <numerusform>%n файла не бяха добавени: имената им не са валиден UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Отваряне на файлове</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Всички формати</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Изберете DVD устройство</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Плъзнете видеото си тук</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Отваряне на файл</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>времевият интервал свършва на %1, което не е след началото му на %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>времевият интервал започва от %1, но видеото е дълго само %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Началото „%1“ не е време. Въведете секунди, m:ss или h:mm:ss, например 90, 1:30 или 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Краят „%1“ не е време. Въведете секунди, m:ss или h:mm:ss, например 90, 1:30 или 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Краят трябва да е след началото.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>от %1</translation>
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
        <translation>Времеви интервал</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>от началото</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>до края</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Секунди, m:ss или h:mm:ss, например 90, 1:30 или 1:02:03.5. Оставете време празно за началото или края.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Начало:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Край:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Употреба: tarnwick-cli [опции] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Преобразува видеофайлове с кодера FFmpeg: по един файл за всеки SOURCE или
всеки файл, който търсенето в папка намери (файловете на самата папка, както
и файловете със заглавия VOB и M2TS в папките под нея; връзките към папки
не се следват).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Изходните файлове се наричат &lt;източник&gt;_&lt;час&gt;&lt;минута&gt;&lt;секунда&gt;.&lt;разширение&gt;;
вече заето име получава _2, _3, ... Нищо в изходната папка не се презаписва,
а незавършеният изходен файл се премахва.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Код на изход: 0 всичко е преобразувано, 1 един или повече неуспешни,
2 грешна употреба, 3 няма кодер (липсва FFmpeg, свързан като data/conv.exe
в папката на програмата), 130 спряно с Ctrl+C или сигнал за прекратяване.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 е зададена повече от веднъж</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>непознат формат „%1“ (един от: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>битрейтът трябва да е цяло число килобита в секунда (от 1 до 1000000): „%1“</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>непознато завъртане „%1“ (едно от: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output изисква папка</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs приема число от 1 до 256 или „auto“: „%1“</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate не се прилага за copy, който не прекодира нищо</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate не се прилага за copy, който не прекодира нищо</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>не е зададен SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>преобразуван %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>неуспешен %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>преобразувани: %1, неуспешни: %2%3, време: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, спряно</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  файл %3 от %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 се изпълняват)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  остават %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Вижте „tarnwick-cli --help“ за повече информация.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>няма нищо за преобразуване</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (по подразбиране)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr не се прилага за copy, който не прекодира нищо</translation>
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
        <translation>Вместо битрейт:
  -q, --quality N        постоянно качество по скалата на формата: CRF за
                         H.264, H.265, AV1 и VP9, квантизатор за MPEG-4,
                         MPEG-1 и WMV; по-малко е по-добре (скалата на всеки
                         формат и стойността по подразбиране: --list-formats)
      --size SIZE        целият файл, заедно със звука, най-много SIZE и
                         близо до него: 25M, 700MB, 4G, в десетични единици,
                         както броят файловите мениджъри (1M = 1 000 000
                         байта; MiB и GiB са двоични); два прохода, където
                         кодерът ги поддържа</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Част от всеки източник, по времена T в секунди, m:ss или h:mm:ss, с дробна
част при нужда (90, 1:30, 1:02:03.5):
      --start T          от T; copy започва от ключовия кадър в T или преди
      --end T            до T; край след края на източника е неговият край</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality и --size задават качеството на картината: дайте едно</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>качеството за %1 трябва да е цяло число от %2 (най-добро) до %3: „%4“</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>размерът трябва да е брой мегабайти или число с K, M или G след него (25M, 700MB, 4G): „%1“</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 приема време в секунди, m:ss или h:mm:ss (например 90, 1:30 или 1:02:03.5): „%2“</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) трябва да е след --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end трябва да е след началото: „%1“</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality не се прилага за copy, който не прекодира нищо</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size не се прилага за copy, който не прекодира нищо</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>качество %1, от %2 (най-добро) до %3</translation>
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
        <translation>Опции:
  -f, --format NAME      изходният формат, един от:
%1
  -b, --bitrate KBITS    битрейт на видеото в килобита в секунда
                         (по подразбиране: на формата, вж. --list-formats)
  -r, --rotate NAME      none (по подразбиране), cw, ccw, vflip, hflip, 180
  -o, --output DIR       изходна папка, създава се, ако липсва
                         (по подразбиране ./output)
      --web              за уеб: файловете MP4 и MOV получават индекса си
                         в началото, за да ги възпроизвежда браузърът,
                         докато пристигат
      --sdr              HDR към SDR: HDR става SDR във всеки формат;
                         без нея H.265, AV1 и VP9 запазват HDR в 10 бита
      --crop             изрязване на черните ивици, общи за кадрите
      --loudness TARGET  звукът на всеки файл с една сила, истинските пикове
                         под -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) или число в LUFS от -40 до -5
  -j, --jobs N           N преобразувания наведнъж; „auto“ – по едно на ядро
      --disc DIR         добавяне в опашката на файловете със заглавия
                         от VIDEO_TS на DVD или от BDMV/STREAM на Blu-ray
                         под DIR (може да се повтаря)
  -n, --dry-run          извеждане на командите за файловете без преобразуване
      --json             по едно JSON събитие на ред в стандартния изход
      --list-formats     извеждане на форматите с битрейта им по подразбиране
  -h, --help             този текст
  -v, --version          версията на програмата</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop не се прилага за copy, който не прекодира нищо</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>непознато място „%1“ за --for (едно от: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 сам избира формата и размера: премахнете %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Вместо формат и размер – къде отива файлът:
      --for NAME         форматът и най-големият файл за мястото, едно от:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, до %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, индексът отпред</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Спиране</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>На този работен плот няма с какво да се отвори помощта. Тя се намира тук:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>На този работен плот няма с какво да се отвори ръководството. То се намира тук:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>На този работен плот няма с какво да се отвори страницата на продукта. Тя се намира тук:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>На този работен плот няма пощенска програма. Адресът е:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Добавяне на файл</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Добавяне на папка</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Премахване</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Премахване на всички</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Четене на DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Настройки...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощ</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Ръководство</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Страница на продукта</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Изпращане на отзив</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Отваряне на папката с журнали</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>На този работен плот няма с какво да се отвори папката с журнали. Тя се намира тук:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Изход</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Завъртане</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>За уеб</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>Файлове MP4 и MOV с индекс в началото, за да ги възпроизвежда браузърът, докато пристигат</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Едновременни преобразувания</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматично</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 файл е преобразуван</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n файл е преобразуван</numerusform>
            <numerusform>%n файла са преобразувани</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, неуспешни: %1.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Обработката е спряна</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Обработката е завършена</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR към SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>HDR видеото става обикновено SDR видео във всеки формат, също и в H.265, AV1 и VP9, които иначе го запазват в HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Времеви интервал...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Изравнена сила на звука</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Изкл.</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Излъчване, EBU R128 (-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>Подкаст (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>Стрийминг (-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Изход</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Изрязване на черните ивици</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Всеки кадър изрязан до това, което е вътре в черните ивици отгоре и отдолу или отстрани</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Звуков сигнал при край</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Изкл.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Изрязване на музика</translation>
    </message>
</context>
</TS>
