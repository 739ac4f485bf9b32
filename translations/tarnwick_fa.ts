<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;تأیید</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;ذخیره</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ان&amp;صراف</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;بستن</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>بستن بدون ذخیره</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ذخیره</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>ذخیرهٔ همه</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>بازکردن</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;بله</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>&amp;بله برای همه</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;نه</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>ن&amp;ه برای همه</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>تلاش دوباره</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>نادیده گرفتن</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>انصراف</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>دورانداختن</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>راهنما</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>اعمال</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>بازتنظیم</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>بازنشانی پیش‌فرض‌ها</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick در حال اجراست ولی پرونده‌ها را نپذیرفت: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>پردازش دسته‌ای متوقف شد: پوشهٔ خروجی پروندهٔ دیگری نمی‌پذیرد.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>یک پرونده در صف مانده است.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>%n پرونده در صف مانده است.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>گزارش: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>لطفاً یک پرونده بیفزایید.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>افزودن</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>متوقف شد.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>انجام شد.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>یک پرونده تبدیل نشد:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>%n پرونده تبدیل نشد:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>هیچ قالب خروجی‌ای انتخاب نشده است</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>رمزگذار چیزی چاپ نکرد</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>متوقف شد</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>رمزگذار به‌طور غیرمنتظره متوقف شد.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>تصویر آن Dolby Vision با پروفایل %1 است که رنگ‌هایش را فقط پخش‌کنندهٔ Dolby Vision درست نشان می‌دهد؛ «همانند منبع (رونوشت)» آن را همان‌طور که هست نگه می‌دارد</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>پوشهٔ موقت %1 را نمی‌توان برای گزارش گذر نخست به کار برد</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>حجم %1 از هدف %2 شد: تصویر بیش از این نیاز ندارد</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>دوباره با %1 کیلوبیت بر ثانیه رمزگذاری شد: با %2 کیلوبیت بر ثانیه حجم %3 شد، بالاتر از هدف %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>دوباره با %1 کیلوبیت بر ثانیه رمزگذاری شد: با %2 کیلوبیت بر ثانیه حجم %3 شد، بسیار پایین‌تر از هدف %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>حجم %1 شد، بالاتر از هدف %2، هر طور که رمزگذاری شود</translation>
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
        <translation>ایمیل (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 پیوندی به %2 است که وجود ندارد.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 برنامه نیست.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 وجود ندارد.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick با FFmpeg تبدیل می‌کند که نصب نیست. آن را نصب کنید (در Debian و Ubuntu: apt install ffmpeg) و سپس رمزگذار را به آن پیوند دهید:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick با FFmpeg تبدیل می‌کند که با نام %1 نصب شده است. رمزگذار را به آن پیوند دهید:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>رمزگذار وجود ندارد، پس هیچ چیز تبدیل نمی‌شود.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>مقصد</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>پرونده‌ها به کجا می‌روند: قالب و بزرگ‌ترین پرونده‌ای که آن مقصد می‌پذیرد</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>هیچ</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>ویدیوهای خود را اینجا رها کنید یا برای شروع کلیک کنید.
با «خواندن DVD» در بالا، دیسک DVD یا Blu-ray را بخوانید.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>یک درایو DVD برگزینید:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>خواندن DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>فهرست پرونده‌ها:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>افزودن پرونده</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>افزودن پرونده‌ها از یک پوشه</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>برداشتن پروندهٔ گزیده از فهرست</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>راهنما</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>تنظیمات</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>برداشتن همهٔ پرونده‌ها</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>قالب خروجی:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>قالب خروجی</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>کیفیت ویدیو (نرخ بیت، کیلوبیت بر ثانیه):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>نرخ بیت ویدیو</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>پوشهٔ خروجی:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>گزینش پوشه‌ای برای خروجی</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>گزینش پوشهٔ خروجی</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>بازخورد</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>پیشنهاد یا پرسش خود را برای ما بفرستید</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>همهٔ فرمان‌ها</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>افزودن پروندهٔ تازه به فهرست پرونده‌ها</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>برداشتن یک پرونده از فهرست پرونده‌ها</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>شروع تبدیل</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>راهنما و آموزش</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>کوچک کردن پنجره</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>پرونده‌های رسانه‌ای را به این ناحیه بکشید</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>چرخش:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>تنظیم چرخش</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>پرونده %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>، %1 مانده</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>نرخ بیت ویدیو بر حسب کیلوبیت بر ثانیه</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>صفحهٔ محصول</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>گزینش پوشهٔ خروجی</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>همهٔ فرمان‌ها</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>پیشرفت پروندهٔ کنونی</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>اکنون تبدیل کنید!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>یک پوشه برگزینید:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>دقیقه باید کمتر از 60 باشد</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>دقیقه</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>ثانیه باید کمتر از 60 باشد</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>ثانیه</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>پوشهٔ خروجی ساخته نشد:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>نمی‌توان در پوشهٔ خروجی نوشت:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (ویدیوی MPEG4 با کیفیت بالا)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (ویدیوی H264)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (ویدیوی MPEG4 استاندارد)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (ویدیوی Apple/QuickTime)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (ویدیوی Flash)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (ویدیوی MPEG1)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (ویدیوی H.265/HEVC)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (ویدیوی AV1)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (ویدیوی AV1)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (ویدیوی VP9)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (ویدیوی H.264)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>همانند منبع (رونوشت)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>کوانتایزر</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>خط فرمان خالی است</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe شکست خورد. خطا: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>پرونده یا فرمان پیدا نشد</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>نام پرونده</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>قالب</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>کیفیت ثابت</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>کیفیت یکسان، هر حجمی که شود: سطح‌های کیفیت قالب به جای نرخ بیت</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>حجم هدف...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>بیشترین حجم کل پرونده، همراه با صدا؛ پرونده حداکثر همین‌قدر و نزدیک به آن می‌شود</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>حجم هدف: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>حجم هدف (کل پرونده):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>حجم هدف، تنظیم‌شده در منو</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>کیفیت ثابت: عددهای کمتر بهتر به نظر می‌رسند و فضای بیشتری می‌گیرند</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>حجم هدف</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>بیشترین فضایی که کل پرونده، همراه با صدا، می‌تواند بگیرد، بر حسب مگابایت آن‌گونه که مدیران پرونده می‌شمارند (1 MB = 1,000,000 بایت)، یا با K یا G پس از عدد: 25M، 700MB، 4G.
خالی: بدون هدف، دوباره نرخ بیت یا کیفیت.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>«%1» حجم نیست. عددی بر حسب مگابایت بنویسید، یا عددی با K، M یا G پس از آن: 25M، 700MB، 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>کیفیت ویدیو (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° ساعتگرد</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° پادساعتگرد</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>قرینهٔ عمودی</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>قرینهٔ افقی</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>هیچ</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>آخرین پردازش دسته‌ای با یک پروندهٔ باقی‌مانده قطع شد. دوباره به صف افزوده شود؟</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>آخرین پردازش دسته‌ای با %n پروندهٔ باقی‌مانده قطع شد. دوباره به صف افزوده شوند؟</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>مدت آن معلوم نیست، پس نمی‌توان حجمی را هدف گرفت</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 کمتر از چیزی است که صدا به‌تنهایی نیاز دارد؛ کوچک‌ترین حجم شدنی %2 است</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 برای تصویری که ارزش دیدن داشته باشد جای بسیار کمی می‌گذارد؛ کوچک‌ترین حجم شدنی %2 است</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>در حال تبدیل ویدیوها</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>بلندی صدای ناشناخته «%1»: یکی از ebu (-23 LUFS)، stream (-14 LUFS)، podcast (-16 LUFS)، off یا عددی بر حسب LUFS از -40 تا -5 را برگزینید</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>ویدیو را اینجا رها کنید</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>در حال جستجو...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>صف پر است: حداکثر %1 پرونده در آن جا می‌گیرد. یک پرونده افزوده نشد.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>صف پر است: حداکثر %1 پرونده در آن جا می‌گیرد. %n پرونده افزوده نشد.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>یک پرونده افزوده نشد: نام آن UTF-8 معتبر نیست.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n پرونده افزوده نشد: نام آن‌ها UTF-8 معتبر نیست.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>باز کردن پرونده‌ها</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>همهٔ قالب‌ها</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>لطفاً یک درایو DVD برگزینید</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>ویدیو را اینجا بکشید</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>باز کردن پرونده</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>بازهٔ زمانی در %1 پایان می‌یابد که پس از آغازش در %2 نیست</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>بازهٔ زمانی در %1 آغاز می‌شود، ولی ویدیو فقط %2 طول دارد</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>آغاز «%1» زمان نیست. ثانیه، m:ss یا h:mm:ss بنویسید، مانند 90، 1:30 یا 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>پایان «%1» زمان نیست. ثانیه، m:ss یا h:mm:ss بنویسید، مانند 90، 1:30 یا 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>پایان باید پس از آغاز باشد.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 تا %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>از %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>تا %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>بازهٔ زمانی</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>آغاز</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>پایان</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>ثانیه، m:ss یا h:mm:ss، مانند 90، 1:30 یا 1:02:03.5. برای آغاز یا پایان، زمان را خالی بگذارید.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>آغاز:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>پایان:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>کاربرد: tarnwick-cli [گزینه‌ها] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>پرونده‌های ویدیویی را با رمزگذار FFmpeg تبدیل می‌کند: یک پرونده برای هر SOURCE
یا هر پرونده‌ای که جستجوی پوشه بیابد (پرونده‌های خود پوشه، و پرونده‌های عنوان
VOB و M2TS در پوشه‌های زیر آن؛ پیوندهای پوشه دنبال نمی‌شوند).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>نام خروجی‌ها &lt;نام منبع&gt;_&lt;ساعت&gt;&lt;دقیقه&gt;&lt;ثانیه&gt;.&lt;پسوند&gt; است؛ به نامی که
پیش‌تر گرفته شده _2، _3، ... افزوده می‌شود. چیزی در پوشهٔ خروجی بازنویسی
نمی‌شود و خروجی‌ای که تمام نشده باشد حذف می‌شود.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>وضعیت خروج: 0 همه تبدیل شد، 1 یک یا چند مورد شکست خورد، 2 کاربرد نادرست،
3 رمزگذار نیست (FFmpeg که با نام data/conv.exe در پوشهٔ برنامه پیوند شده،
وجود ندارد)، 130 با Ctrl+C یا یک سیگنال پایان متوقف شد.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 بیش از یک بار داده شده است</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>قالب ناشناخته «%1» (یکی از: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>نرخ بیت باید عددی صحیح بر حسب کیلوبیت بر ثانیه باشد (1 تا 1000000): «%1»</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>چرخش ناشناخته «%1» (یکی از: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output به یک پوشه نیاز دارد</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs عددی از 1 تا 256 یا «auto» می‌پذیرد: «%1»</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate برای copy کاربرد ندارد، چون copy چیزی را دوباره رمزگذاری نمی‌کند</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate برای copy کاربرد ندارد، چون copy چیزی را دوباره رمزگذاری نمی‌کند</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>هیچ SOURCE داده نشده است</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>تبدیل شد %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>ناموفق %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>تبدیل‌شده: %1، ناموفق: %2%3، زمان: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>، متوقف شد</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  پروندهٔ %3 از %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 در حال اجرا)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  %1 مانده</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>برای اطلاعات بیشتر «tarnwick-cli --help» را امتحان کنید.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>چیزی برای تبدیل نیست</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (پیش‌فرض)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr برای copy کاربرد ندارد، چون copy چیزی را دوباره رمزگذاری نمی‌کند</translation>
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
        <translation>به جای نرخ بیت:
  -q, --quality N        کیفیت ثابت بر مقیاس خود قالب: CRF برای H.264،
                         H.265، AV1 و VP9، و کوانتایزر برای MPEG-4، MPEG-1
                         و WMV؛ کمتر بهتر است (مقیاس هر قالب و پیش‌فرض آن
                         را در --list-formats ببینید)
      --size SIZE        کل پرونده، همراه با صدا، حداکثر SIZE و نزدیک به
                         آن: 25M، 700MB، 4G، با یکای دهدهی آن‌گونه که مدیران
                         پرونده می‌شمارند (1M = 1,000,000 بایت؛ MiB و GiB
                         دودویی‌اند)؛ دو گذر هرجا رمزگذار آن را بپذیرد</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>بخشی از هر منبع، با زمان‌های T بر حسب ثانیه، m:ss یا h:mm:ss، در صورت نیاز
با کسر (90، 1:30، 1:02:03.5):
      --start T          از T؛ copy از فریم کلیدی در T یا پیش از آن آغاز می‌کند
      --end T            تا T؛ پایانی پس از پایان منبع، همان پایان منبع است</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate، --quality و --size هر یک کیفیت تصویر را تعیین می‌کنند: فقط یکی را بدهید</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>کیفیت برای %1 باید عددی صحیح از %2 (بهترین) تا %3 باشد: «%4»</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>حجم باید عددی بر حسب مگابایت باشد، یا با K، M یا G پس از آن (25M، 700MB، 4G): «%1»</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 زمانی بر حسب ثانیه، m:ss یا h:mm:ss می‌پذیرد (مانند 90، 1:30 یا 1:02:03.5): «%2»</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) باید پس از --start (%2) باشد</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end باید پس از آغاز باشد: «%1»</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality برای copy کاربرد ندارد، چون copy چیزی را دوباره رمزگذاری نمی‌کند</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size برای copy کاربرد ندارد، چون copy چیزی را دوباره رمزگذاری نمی‌کند</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>کیفیت %1، از %2 (بهترین) تا %3</translation>
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
        <translation>گزینه‌ها:
  -f, --format NAME      قالب خروجی، یکی از:
%1
  -b, --bitrate KBITS    نرخ بیت ویدیو بر حسب کیلوبیت بر ثانیه
                         (پیش‌فرض: نرخ خود قالب، نگاه کنید به --list-formats)
  -r, --rotate NAME      none (پیش‌فرض)، cw، ccw، vflip، hflip، 180
  -o, --output DIR       پوشهٔ خروجی، اگر نباشد ساخته می‌شود (پیش‌فرض ./output)
      --web              مناسب وب: نمایهٔ پرونده‌های MP4 و MOV در آغاز می‌آید
                         تا مرورگر آن‌ها را در حین رسیدن پخش کند
      --sdr              HDR به SDR: منابع HDR در همهٔ قالب‌ها SDR می‌شوند؛ بدون
                         آن، H.265، AV1 و VP9 HDR را در 10 بیت نگه می‌دارند
      --crop             برش نوارهای سیاهی که همهٔ تصویرها در آن‌ها یکسان‌اند
      --loudness TARGET  صدای هر پرونده با یک بلندی، قله‌های واقعی
                         زیر -1 dBTP: ebu (-23 LUFS)، stream (-14)،
                         podcast (-16)، یا عددی بر حسب LUFS، از -40 تا -5
  -j, --jobs N           N تبدیل هم‌زمان؛ «auto» برای یکی به ازای هر هسته
      --disc DIR         افزودن پرونده‌های عنوانِ VIDEO_TS یک DVD یا
                         BDMV/STREAM یک Blu-ray در زیر DIR به صف (تکرارپذیر)
  -n, --dry-run          چاپ فرمان‌های هر پرونده، بدون تبدیل
      --json             یک رویداد JSON در هر خط روی خروجی استاندارد
      --list-formats     چاپ قالب‌ها با نرخ بیت پیش‌فرضشان
  -h, --help             همین متن
  -v, --version          نگارش برنامه</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop برای copy کاربرد ندارد، چون copy چیزی را دوباره رمزگذاری نمی‌کند</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>مقصد ناشناخته «%1» برای --for (یکی از: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 قالب و اندازه را خودش برمی‌گزیند: %2 را کنار بگذارید</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>به جای قالب و اندازه، جایی که پرونده می‌رود:
      --for NAME         قالب و بزرگ‌ترین پروندهٔ آن مقصد، یکی از:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1، حداکثر %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1، نمایه در آغاز</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>توقف</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>چیزی روی این میزکار راهنما را باز نمی‌کند. راهنما اینجاست:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>چیزی روی این میزکار آموزش را باز نمی‌کند. آموزش اینجاست:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>چیزی روی این میزکار صفحهٔ محصول را باز نمی‌کند. این صفحه اینجاست:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>روی این میزکار هیچ برنامهٔ ایمیلی نیست. نشانی این است:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>افزودن پرونده</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>افزودن پوشه</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>برداشتن</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>برداشتن همه</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>خواندن DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>شروع</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>تنظیمات...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>راهنما</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>آموزش</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>صفحهٔ محصول</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>فرستادن بازخورد</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>باز کردن پوشهٔ گزارش‌ها</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>چیزی روی این میزکار پوشهٔ گزارش‌ها را باز نمی‌کند. این پوشه اینجاست:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>چرخش</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>مناسب وب</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>پرونده‌های MP4 و MOV با نمایه در آغاز، تا مرورگر آن‌ها را در حین رسیدن پخش کند</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>تبدیل‌های هم‌زمان</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>خودکار</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>یک پرونده تبدیل شد</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n پرونده تبدیل شد</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>، %1 ناموفق.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>پردازش دسته‌ای متوقف شد</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>پردازش دسته‌ای پایان یافت</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR به SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>ویدیوی HDR در همهٔ قالب‌ها به ویدیوی SDR معمولی تبدیل می‌شود، حتی در H.265، AV1 و VP9 که در غیر این صورت HDR را نگه می‌دارند</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>بازهٔ زمانی...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>بلندی صدای یکسان</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>خاموش</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>پخش همگانی، EBU R128 (-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>پادکست (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>استریم (-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>خروجی</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>برش نوارهای سیاه</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>هر تصویر بریده به آنچه درون نوارهای سیاه افقی یا عمودی آن است</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>تنظیمات</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>اعلان صوتی</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>روشن</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>خاموش</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>بازگشت</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>برش موسیقی</translation>
    </message>
</context>
</TS>
