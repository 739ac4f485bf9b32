<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Зберегти</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Закри&amp;ти</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Закрити без збереження</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Зберегти все</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>Т&amp;ак</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Так &amp;для всіх</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ні</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Ні для вс&amp;іх</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Перервати</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ігнорувати</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Відхилити</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Відновити типово</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick запущено, але він не прийняв файли: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Пакетну обробку зупинено: до теки виведення більше не можна записувати файли.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>У черзі лишився 1 файл.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>У черзі лишився %n файл.</numerusform>
            <numerusform>У черзі лишилося %n файли.</numerusform>
            <numerusform>У черзі лишилося %n файлів.</numerusform>
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
        <translation>Додайте файл.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Додавання</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Зупинено.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Готово.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>Не вдалося перетворити 1 файл:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>Не вдалося перетворити %n файл:</numerusform>
            <numerusform>Не вдалося перетворити %n файли:</numerusform>
            <numerusform>Не вдалося перетворити %n файлів:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Формат виведення не вибрано</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>кодувальник нічого не вивів</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>зупинено</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Кодувальник несподівано завершив роботу.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>його зображення — Dolby Vision профілю %1, кольори якого правильно показує лише програвач Dolby Vision; Як у джерелі (копія) зберігає його як є</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>тимчасова тека %1 непридатна для журналу першого проходу</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>вийшло %1 із цільових %2: зображенню більше не потрібно</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>закодовано ще раз із %1 кбіт/с: із %2 кбіт/с вийшло %3, більше за ціль %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>закодовано ще раз із %1 кбіт/с: із %2 кбіт/с вийшло %3, значно менше за ціль %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>вийшло %1, більше за ціль %2, хоч як кодувати</translation>
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
        <translation>%1 — посилання на %2, якого не існує.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 — не програма.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 не існує.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick перетворює за допомогою FFmpeg, який не встановлено. Встановіть його (у Debian та Ubuntu: apt install ffmpeg), а потім пов’яжіть із ним кодувальник:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick перетворює за допомогою FFmpeg, який встановлено як %1. Пов’яжіть із ним кодувальник:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Кодувальника немає, тому нічого не можна перетворити.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Призначення</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Куди підуть файли: формат і найбільший файл, який там приймають</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Немає</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Перетягніть сюди відео або клацніть, щоб почати.
Диск DVD або Blu-ray читає кнопка «Читати» вище.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Виберіть привід DVD:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Читати</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Список файлів:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Додати файл</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Додати файли з теки</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Вилучити вибраний файл зі списку</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Вилучити всі файли</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Формат виведення:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Формат виведення</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Якість відео (бітрейт, кбіт/с):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Бітрейт відео</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Тека виведення:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Вибрати теку для виведення</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Вибрати теку виведення</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Відгук</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Надішліть нам пропозицію або запитання</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Усі команди</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Додати новий файл до списку</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Вилучити файл зі списку</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Почати перетворення</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Довідка і підручник</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Згорнути вікно</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Перетягніть медіафайли в цю область</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Поворот:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Налаштування повороту</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>файл %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, ще %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Бітрейт відео в кілобітах за секунду</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Сторінка продукту</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Вибрати теку виведення</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Усі команди</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Поступ обробки поточного файла</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Перетворити!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Виберіть теку:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Хвилин має бути менше ніж 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Хвилини</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Секунд має бути менше ніж 60</translation>
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
        <translation>Не вдалося створити теку виведення:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Не вдалося записати до теки виведення:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (відео MPEG4, висока якість)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (відео H264)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (відео MPEG4, стандартне)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (відео Apple/QuickTime)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (відео Flash)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (відео MPEG1)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (відео H.265/HEVC)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (відео AV1)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (відео AV1)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (відео VP9)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (відео H.264)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>Як у джерелі (копія)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>квантувач</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Командний рядок порожній</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>Помилка CreatePipe. Код помилки: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Файл або команду не знайдено</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Назва файла</translation>
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
        <translation>Стала якість</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Однакова якість за будь-якого розміру: рівні якості формату замість бітрейтів</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Цільовий розмір...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Найбільший розмір усього файла разом зі звуком; файл вийде не більшим і близьким до нього</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Цільовий розмір: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Цільовий розмір (увесь файл):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Цільовий розмір, заданий у меню</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Стала якість: менші числа виглядають краще й займають більше місця</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Цільовий розмір</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Найбільший розмір усього файла разом зі звуком, у мегабайтах, як їх рахують файлові менеджери (1 MB = 1 000 000 байтів), або з K чи G після числа: 25M, 700MB, 4G.
Порожньо: без цілі, знову бітрейт або якість.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>«%1» — не розмір. Введіть кількість мегабайтів або число з K, M чи G після нього: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Якість відео (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° за годинниковою стрілкою</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° проти годинникової стрілки</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Віддзеркалити вертикально</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Віддзеркалити горизонтально</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Немає</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Останню пакетну обробку було перервано, лишився 1 файл. Знову додати його до черги?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Останню пакетну обробку було перервано, лишився %n файл. Знову додати їх до черги?</numerusform>
            <numerusform>Останню пакетну обробку було перервано, лишилося %n файли. Знову додати їх до черги?</numerusform>
            <numerusform>Останню пакетну обробку було перервано, лишилося %n файлів. Знову додати їх до черги?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>його тривалість невідома, тому неможливо націлитися на розмір</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 — менше, ніж потрібно самому звуку; найменший придатний розмір — %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 залишає замало для прийнятного зображення; найменший придатний розмір — %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Перетворення відео</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>невідома гучність «%1»: виберіть ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off або число LUFS від -40 до -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Перетягніть відео сюди</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Пошук...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Чергу заповнено: у ній уміщується не більше %1 файлів. 1 файл не додано.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Чергу заповнено: у ній уміщується не більше %1 файлів. %n файл не додано.</numerusform>
            <numerusform>Чергу заповнено: у ній уміщується не більше %1 файлів. %n файли не додано.</numerusform>
            <numerusform>Чергу заповнено: у ній уміщується не більше %1 файлів. %n файлів не додано.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 файл не додано: його назва не є коректним UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n файл не додано: їхні назви не є коректним UTF-8.</numerusform>
            <numerusform>%n файли не додано: їхні назви не є коректним UTF-8.</numerusform>
            <numerusform>%n файлів не додано: їхні назви не є коректним UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Відкрити файли</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Усі формати</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Виберіть привід DVD</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Перетягніть відео сюди</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Відкрити файл</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>проміжок часу закінчується на %1, що не пізніше за його початок на %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>проміжок часу починається на %1, але відео триває лише %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Початок «%1» не є часом. Введіть секунди, m:ss або h:mm:ss, наприклад 90, 1:30 або 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Кінець «%1» не є часом. Введіть секунди, m:ss або h:mm:ss, наприклад 90, 1:30 або 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Кінець має бути пізніше за початок.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>від %1</translation>
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
        <translation>Проміжок часу</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>початок</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>кінець</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Секунди, m:ss або h:mm:ss, наприклад 90, 1:30 або 1:02:03.5. Залиште час порожнім, щоб почати з початку або дійти до кінця.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Початок:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Кінець:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Використання: tarnwick-cli [параметри] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Перетворює відеофайли кодувальником FFmpeg: по файлу на кожен SOURCE або
кожен файл, знайдений пошуком у теці (файли самої теки, а також файли
заголовків VOB і M2TS у вкладених теках; за посиланнями на теки пошук
не переходить).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Вихідні файли називаються &lt;назва&gt;_&lt;година&gt;&lt;хвилина&gt;&lt;секунда&gt;.&lt;суфікс&gt;;
до вже зайнятої назви додається _2, _3, ... У теці виведення нічого
не перезаписується, а незавершений вихідний файл вилучається.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Код виходу: 0 — усе перетворено, 1 — були помилки, 2 — неправильний виклик,
3 — немає кодувальника (відсутній FFmpeg, пов’язаний як data/conv.exe у теці
програми), 130 — зупинено клавішами Ctrl+C або сигналом завершення.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 вказано більше одного разу</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>невідомий формат «%1» (допустимі: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>бітрейт має бути цілим числом кілобітів за секунду (від 1 до 1000000): «%1»</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>невідомий поворот «%1» (допустимі: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>для --output потрібна тека</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs приймає число від 1 до 256 або «auto»: «%1»</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate не застосовується до copy: він нічого не перекодовує</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate не застосовується до copy: він нічого не перекодовує</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>не вказано SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>перетворено %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>помилка %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>перетворено: %1, з помилкою: %2%3, час: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, зупинено</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  файл %3 з %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 виконується)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  лишилося %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Докладніше: «tarnwick-cli --help».</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>нічого перетворювати</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (типово)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr не застосовується до copy: він нічого не перекодовує</translation>
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
        <translation>Замість бітрейту:
  -q, --quality N        стала якість за власною шкалою формату: CRF для
                         H.264, H.265, AV1 і VP9, квантувач для MPEG-4,
                         MPEG-1 і WMV; менше — краще (шкалу кожного формату
                         та її типове значення див. у --list-formats)
      --size SIZE        увесь файл разом зі звуком — не більше SIZE і
                         близько до нього: 25M, 700MB, 4G, у десяткових
                         одиницях, як у файлових менеджерах (1M = 1 000 000
                         байтів; MiB і GiB — двійкові); два проходи, якщо
                         кодувальник їх підтримує</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Частина кожного джерела за часом T у секундах, m:ss або h:mm:ss, за потреби
з дробовою частиною (90, 1:30, 1:02:03.5):
      --start T          від T; copy починає з ключового кадру в T чи раніше
      --end T            до T; кінець після кінця джерела — це його кінець</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality і --size задають якість зображення: вкажіть лише один</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>якість для %1 має бути цілим числом від %2 (найкраща) до %3: «%4»</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>розмір має бути кількістю мегабайтів або числом з K, M чи G після нього (25M, 700MB, 4G): «%1»</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 приймає час у секундах, m:ss або h:mm:ss (наприклад 90, 1:30 або 1:02:03.5): «%2»</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) має бути пізніше за --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end має бути пізніше за початок: «%1»</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality не застосовується до copy: він нічого не перекодовує</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size не застосовується до copy: він нічого не перекодовує</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>якість %1, від %2 (найкраща) до %3</translation>
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
        <translation>Параметри:
  -f, --format NAME      формат виведення, один з:
%1
  -b, --bitrate KBITS    бітрейт відео в кілобітах за секунду
                         (типово: бітрейт формату, див. --list-formats)
  -r, --rotate NAME      none (типово), cw, ccw, vflip, hflip, 180
  -o, --output DIR       тека виведення, створюється, якщо її немає
                         (типово ./output)
      --web              для вебу: індекс файлів MP4 і MOV на початку,
                         браузер відтворює їх ще під час завантаження
      --sdr              HDR у SDR: джерела HDR стають SDR у кожному форматі;
                         без нього H.265, AV1 і VP9 зберігають HDR у 10 бітах
      --crop             обрізати чорні смуги, спільні для всіх кадрів
      --loudness TARGET  звук кожного файла з однаковою гучністю, справжні
                         піки нижче -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) або число LUFS від -40 до -5
  -j, --jobs N           N перетворень одночасно; «auto» — по одному на ядро
      --disc DIR         додати до черги файли заголовків з VIDEO_TS диска
                         DVD або з BDMV/STREAM диска Blu-ray у DIR
                         (можна повторювати)
  -n, --dry-run          вивести команди для кожного файла, не перетворюючи
      --json             одна подія JSON на рядок у стандартний вивід
      --list-formats     вивести формати з їхнім типовим бітрейтом
  -h, --help             цей текст
  -v, --version          версія програми</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop не застосовується до copy: він нічого не перекодовує</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>невідоме місце «%1» для --for (допустимі: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 сам вибирає формат і розмір: приберіть %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Замість формату й розміру — куди піде файл:
      --for NAME         формат і найбільший файл для цього місця, одне з:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, не більше %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, індекс на початку</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Зупинити</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>На цій стільниці нічим відкрити довідку. Вона міститься тут:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>На цій стільниці нічим відкрити підручник. Він міститься тут:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>На цій стільниці нічим відкрити сторінку продукту. Її адреса:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>На цій стільниці немає поштової програми. Адреса:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Додати файл</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Додати теку</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Вилучити</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Вилучити всі</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Читати DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Почати</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Налаштування...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Підручник</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Сторінка продукту</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Надіслати відгук</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Відкрити теку журналів</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>На цій стільниці нічим відкрити теку журналів. Вона міститься тут:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Для вебу</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>Файли MP4 і MOV з індексом на початку: браузер відтворює їх ще під час завантаження</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Перетворень одночасно</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматично</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 файл перетворено</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n файл перетворено</numerusform>
            <numerusform>%n файли перетворено</numerusform>
            <numerusform>%n файлів перетворено</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, з помилкою: %1.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Обробку зупинено</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Обробку завершено</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR у SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>Відео HDR стає звичайним відео SDR у будь-якому форматі, зокрема в H.265, AV1 і VP9, які інакше зберігають HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Проміжок часу...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Рівна гучність</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Вимк.</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Мовлення, EBU R128 (-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>Подкаст (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>Стримінг (-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Виведення</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Обрізати чорні смуги</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Кожен кадр обрізається до того, що лежить усередині чорних смуг згори й знизу або з боків</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Звуковий сигнал після завершення</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Увімк.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Вимк.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Нарізання музики</translation>
    </message>
</context>
</TS>
