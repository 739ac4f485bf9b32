<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>От&amp;мена</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Закрыть без сохранения</translation>
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
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Сохранить все</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Да для &amp;всех</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Н&amp;ет для всех</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прервать</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Отклонить</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>По умолчанию</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick запущен, но не принял файлы: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Пакетная обработка прервана: в папку вывода больше нельзя записывать файлы.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>В очереди остался 1 файл.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>В очереди остался %n файл.</numerusform>
            <numerusform>В очереди осталось %n файла.</numerusform>
            <numerusform>В очереди осталось %n файлов.</numerusform>
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
        <translation>Добавьте файл.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавление</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Прервано.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Готово.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>Не удалось конвертировать 1 файл:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>Не удалось конвертировать %n файл:</numerusform>
            <numerusform>Не удалось конвертировать %n файла:</numerusform>
            <numerusform>Не удалось конвертировать %n файлов:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>the encoder printed nothing</source>
        <translation>кодировщик ничего не вывел</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>прервано</translation>
    </message>
    <message>
        <source>No output format is chosen</source>
        <translation>Не выбран формат вывода</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Кодировщик неожиданно завершил работу.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>изображение в Dolby Vision профиля %1, его цвета правильно показывает только плеер с Dolby Vision; «Как в источнике (копия)» сохранит его как есть</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>временную папку %1 нельзя использовать для журнала первого прохода</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>получилось %1 при цели %2: изображению больше не нужно</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>перекодировано с %1 кбит/с: при %2 кбит/с получилось %3, больше цели %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>перекодировано с %1 кбит/с: при %2 кбит/с получилось %3, намного меньше цели %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>получилось %1 — больше цели %2 при любом кодировании</translation>
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
        <translation>E-mail (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 — ссылка на %2, которого нет.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 — не программа.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 не существует.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick конвертирует с помощью FFmpeg, который не установлен. Установите его (в Debian и Ubuntu: apt install ffmpeg), затем свяжите с ним кодировщик:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick конвертирует с помощью FFmpeg, который установлен как %1. Свяжите с ним кодировщик:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Кодировщик отсутствует, поэтому ничего нельзя конвертировать.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Назначение</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Куда пойдут файлы: формат и наибольший размер файла, который там принимают</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Перетащите сюда видео или щёлкните, чтобы начать.
Диск DVD или Blu-ray читает кнопка «Читать» выше.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Выберите DVD-привод:</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Список файлов:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Добавить файл</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Добавить файлы из папки</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Удалить выбранный файл из списка</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Удалить все файлы</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Формат вывода:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Формат вывода</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Качество видео (битрейт, кбит/с):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Битрейт видео</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Папка вывода:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Выбрать папку вывода</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Выбрать папку вывода</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Отзыв</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Отправьте нам предложение или вопрос</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Все команды</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Добавить новый файл в список</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Удалить файл из списка</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Начать конвертирование</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Справка и руководство</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Свернуть окно</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Перетащите медиафайлы в эту область</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Поворот:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Настройка поворота</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>файл %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, ещё %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Битрейт видео в килобитах в секунду</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Выбрать папку вывода</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Ход обработки текущего файла</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Страница продукта</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Все команды</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Конвертировать!</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Читать</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Выберите папку:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Минуты должны быть меньше 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Минуты</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Секунды должны быть меньше 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Секунды</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Не удалось создать папку вывода:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Невозможно записать в папку вывода:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (видео MPEG4, высокое качество)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (видео H264)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (видео MPEG4, стандартное)</translation>
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
        <translation>Как в источнике (копия)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>квантователь</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Командная строка пуста</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>Ошибка CreatePipe. Код ошибки: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Файл или команда не найдены</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Имя файла</translation>
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
        <translation>Постоянное качество</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Одинаковое качество при любом размере: уровни качества формата вместо битрейтов</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Целевой размер...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Наибольший размер всего файла вместе со звуком; файл получится не больше него и близко к нему</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Целевой размер: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Целевой размер (весь файл):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Целевой размер, заданный в меню</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Постоянное качество: чем меньше число, тем лучше изображение и больше файл</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Целевой размер</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Наибольший размер всего файла вместе со звуком, в мегабайтах, как их считают файловые менеджеры (1 MB = 1&#xa0;000&#xa0;000 байт), или с K или G после числа: 25M, 700MB, 4G.
Пусто: без цели, снова битрейт или качество.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>«%1» — не размер. Введите число мегабайт или число с K, M или G после него: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Качество видео (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° по часовой стрелке</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° против часовой стрелки</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Отразить по вертикали</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Отразить по горизонтали</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Последняя пакетная обработка была прервана, остался 1 файл. Снова поставить его в очередь?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Последняя пакетная обработка была прервана, остался %n файл. Снова поставить их в очередь?</numerusform>
            <numerusform>Последняя пакетная обработка была прервана, осталось %n файла. Снова поставить их в очередь?</numerusform>
            <numerusform>Последняя пакетная обработка была прервана, осталось %n файлов. Снова поставить их в очередь?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>его длительность неизвестна, поэтому нельзя рассчитать размер</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 — меньше, чем нужно одному звуку; наименьший подходящий размер — %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 оставляет слишком мало для приличного изображения; наименьший подходящий размер — %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Конвертирование видео</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>неизвестная громкость «%1»: выберите ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off или число LUFS от -40 до -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Перетащите видео сюда</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Поиск...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Очередь заполнена: в ней помещается не более %1 файлов. 1 файл не добавлен.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Очередь заполнена: в ней помещается не более %1 файлов. %n файл не добавлен.</numerusform>
            <numerusform>Очередь заполнена: в ней помещается не более %1 файлов. %n файла не добавлены.</numerusform>
            <numerusform>Очередь заполнена: в ней помещается не более %1 файлов. %n файлов не добавлено.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 файл не добавлен: его имя не в кодировке UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n файл не добавлен: их имена не в кодировке UTF-8.</numerusform>
            <numerusform>%n файла не добавлены: их имена не в кодировке UTF-8.</numerusform>
            <numerusform>%n файлов не добавлено: их имена не в кодировке UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Открыть файлы</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Все форматы</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Выберите DVD-привод</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Перетащите видео сюда</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>интервал времени заканчивается в %1, не позже своего начала в %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>интервал времени начинается в %1, но видео длится всего %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Начало «%1» — не время. Введите секунды, m:ss или h:mm:ss, например 90, 1:30 или 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Конец «%1» — не время. Введите секунды, m:ss или h:mm:ss, например 90, 1:30 или 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Конец должен быть позже начала.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>с %1 до %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>с %1</translation>
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
        <translation>Интервал времени</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>начало</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>конец</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Секунды, m:ss или h:mm:ss, например 90, 1:30 или 1:02:03.5. Пустое поле означает начало или конец.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Начало:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Конец:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Использование: tarnwick-cli [параметры] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Конвертирует видеофайлы кодировщиком FFmpeg: по файлу на каждый SOURCE или
каждый файл, найденный поиском в папке (файлы самой папки, а также файлы
заголовков VOB и M2TS во вложенных папках; по ссылкам на папки поиск
не переходит).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Выходные файлы называются &lt;имя&gt;_&lt;час&gt;&lt;минута&gt;&lt;секунда&gt;.&lt;расширение&gt;;
к уже занятому имени добавляется _2, _3, ... В папке вывода ничего
не перезаписывается, а незавершённый выходной файл удаляется.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Код возврата: 0 — всё конвертировано, 1 — были ошибки, 2 — неверный вызов,
3 — нет кодировщика (отсутствует FFmpeg, связанный как data/conv.exe в папке
программы), 130 — прервано клавишами Ctrl+C или сигналом завершения.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 указан более одного раза</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>неизвестный формат «%1» (допустимы: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>битрейт должен быть целым числом килобит в секунду (от 1 до 1000000): «%1»</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>неизвестный поворот «%1» (допустимы: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>для --output нужна папка</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs принимает число от 1 до 256 или «auto»: «%1»</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>не указан SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>конвертирован %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>ошибка %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>конвертировано: %1, с ошибкой: %2%3, время: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, прервано</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  файл %3 из %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 выполняется)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  осталось %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Подробнее: «tarnwick-cli --help».</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>нечего конвертировать</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate не применяется к copy: он ничего не перекодирует</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate не применяется к copy: он ничего не перекодирует</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr не применяется к copy: он ничего не перекодирует</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (по умолчанию)</translation>
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
        <translation>Вместо битрейта:
  -q, --quality N        постоянное качество по шкале формата: CRF для
                         H.264, H.265, AV1 и VP9, квантователь для MPEG-4,
                         MPEG-1 и WMV; меньше — лучше (шкалы и значения
                         по умолчанию см. в --list-formats)
      --size SIZE        весь файл вместе со звуком, не больше SIZE и близко
                         к нему: 25M, 700MB, 4G, в десятичных единицах, как
                         считают файловые менеджеры (1M = 1 000 000 байт;
                         MiB и GiB — двоичные); два прохода, где кодировщик
                         их поддерживает</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Часть каждого источника по времени T в секундах, m:ss или h:mm:ss, при
желании с дробной частью (90, 1:30, 1:02:03.5):
      --start T          с T; copy начинает с ключевого кадра в T или раньше
      --end T            до T; конец за концом источника — это его конец</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality и --size задают качество изображения: укажите только один</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>качество для %1 должно быть целым числом от %2 (лучшее) до %3: «%4»</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>размер должен быть числом мегабайт или числом с K, M или G после него (25M, 700MB, 4G): «%1»</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 принимает время в секундах, m:ss или h:mm:ss (например 90, 1:30 или 1:02:03.5): «%2»</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) должен быть позже --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end должен быть позже начала: «%1»</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality не применяется к copy: он ничего не перекодирует</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size не применяется к copy: он ничего не перекодирует</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>качество %1, от %2 (лучшее) до %3</translation>
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
        <translation>Параметры:
  -f, --format NAME      формат вывода, один из:
%1
  -b, --bitrate KBITS    битрейт видео в килобитах в секунду
                         (по умолчанию: битрейт формата, см. --list-formats)
  -r, --rotate NAME      none (по умолчанию), cw, ccw, vflip, hflip, 180
  -o, --output DIR       папка вывода, создаётся при отсутствии
                         (по умолчанию ./output)
      --web              для веба: индекс файлов MP4 и MOV в начале,
                         браузер воспроизводит их во время загрузки
      --sdr              HDR в SDR: HDR-источники становятся SDR в любом
                         формате; без него H.265, AV1 и VP9 сохраняют HDR
                         в 10 битах
      --crop             обрезать чёрные полосы, общие для всех кадров
      --loudness TARGET  звук каждого файла с одной громкостью, истинные
                         пики ниже -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) или число LUFS от -40 до -5
  -j, --jobs N           N заданий одновременно; «auto» — по одному на ядро
      --disc DIR         поставить в очередь файлы заголовков из VIDEO_TS
                         диска DVD или из BDMV/STREAM диска Blu-ray в DIR
                         (можно повторять)
  -n, --dry-run          вывести команды каждого файла, ничего не конвертируя
      --json             одно событие JSON на строку в стандартный вывод
      --list-formats     вывести форматы с их битрейтом по умолчанию
  -h, --help             этот текст
  -v, --version          версия программы</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop не применяется к copy: он ничего не перекодирует</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>неизвестное место «%1» для --for (допустимы: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 сам выбирает формат и размер: уберите %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Вместо формата и размера — куда пойдёт файл:
      --for NAME         формат и наибольший файл для этого места, одно из:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, не больше %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, индекс в начале</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Прервать</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>На этом рабочем столе нечем открыть справку. Она находится здесь:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>На этом рабочем столе нечем открыть руководство. Оно находится здесь:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>На этом рабочем столе нечем открыть страницу продукта. Её адрес:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>На этом рабочем столе нет почтовой программы. Адрес:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Добавить файл</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Читать DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начать</translation>
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
        <translation>Справка</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Руководство</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Страница продукта</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Отправить отзыв</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Открыть папку журналов</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>На этом рабочем столе нечем открыть папку журналов. Она находится здесь:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 файл конвертирован</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n файл конвертирован</numerusform>
            <numerusform>%n файла конвертировано</numerusform>
            <numerusform>%n файлов конвертировано</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, с ошибкой: %1.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Обработка прервана</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Обработка завершена</translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Для веба</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>Файлы MP4 и MOV с индексом в начале: браузер воспроизводит их ещё во время загрузки</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Конвертировать одновременно</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR в SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>HDR-видео становится обычным SDR-видео в любом формате, в том числе в H.265, AV1 и VP9, которые иначе сохраняют HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Интервал времени...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Ровная громкость</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Вещание, EBU R128 (-23 LUFS)</translation>
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
        <translation>Вывод</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Обрезать чёрные полосы</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Каждый кадр обрезается до того, что лежит внутри чёрных полос сверху и снизу или по бокам</translation>
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
        <translation>Звуковой сигнал по окончании</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Выкл.</translation>
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
        <translation>Нарезка музыки</translation>
    </message>
</context>
</TS>
