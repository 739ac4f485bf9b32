<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;حسنًا</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>ا&amp;حفظ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>أل&amp;غِ</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>أ&amp;غلق</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>أغلق بلا حفظ</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>احفظ</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>احفظ الكلّ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>افتح</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;نعم</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>ن&amp;عم للكلّ</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;لا</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>لا لل&amp;كلّ</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>أجهض</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>حاول مجدّدًا</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>أغلق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>ارفض</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>تعليمات</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>طبّق</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>صفّر</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>استعد الافتراضيّات</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick قيد التشغيل لكنه لم يستلم الملفات: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>توقفت المعالجة الدفعية: لا يقبل مجلد الإخراج مزيدًا من الملفات.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>بقي ملف واحد في قائمة الانتظار.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>بقي %n ملف في قائمة الانتظار.</numerusform>
            <numerusform>بقي %n ملف في قائمة الانتظار.</numerusform>
            <numerusform>بقي %n ملفان في قائمة الانتظار.</numerusform>
            <numerusform>بقيت %n ملفات في قائمة الانتظار.</numerusform>
            <numerusform>بقي %n ملفًا في قائمة الانتظار.</numerusform>
            <numerusform>بقي %n ملف في قائمة الانتظار.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>السجل: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>يُرجى إضافة ملف.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>متوقف.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>اكتمل.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>تعذّر تحويل ملف واحد:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>تعذّر تحويل %n ملف:</numerusform>
            <numerusform>تعذّر تحويل %n ملف:</numerusform>
            <numerusform>تعذّر تحويل %n ملفين:</numerusform>
            <numerusform>تعذّر تحويل %n ملفات:</numerusform>
            <numerusform>تعذّر تحويل %n ملفًا:</numerusform>
            <numerusform>تعذّر تحويل %n ملف:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>لم يُختر تنسيق للإخراج</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>لم يطبع المرمّز شيئًا</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>أُوقف</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>توقف المرمّز على نحو غير متوقع.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>صورته بتقنية Dolby Vision بالملف التعريفي %1، ولا يعرض ألوانها إلا مشغّل Dolby Vision؛ «مثل المصدر (نسخ)» يُبقيها كما هي</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>لا يمكن استخدام المجلد المؤقت %1 لسجل التمريرة الأولى</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>جاء الحجم %1 من الهدف %2: لا تحتاج الصورة إلى أكثر</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>أُعيد الترميز بمعدل %1 كيلوبت/ث: بمعدل %2 كيلوبت/ث جاء الحجم %3، فوق الهدف %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>أُعيد الترميز بمعدل %1 كيلوبت/ث: بمعدل %2 كيلوبت/ث جاء الحجم %3، أقل بكثير من الهدف %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>جاء الحجم %1، فوق الهدف %2، مهما كانت طريقة الترميز</translation>
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
        <translation>البريد الإلكتروني (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 رابط إلى %2، وهو غير موجود.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 ليس برنامجًا.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 غير موجود.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>يحوّل Tarnwick الملفات باستخدام FFmpeg، وهو غير مثبّت. ثبّته (على Debian وUbuntu: apt install ffmpeg)، ثم اربط المرمّز به:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>يحوّل Tarnwick الملفات باستخدام FFmpeg، وهو مثبّت باسم %1. اربط المرمّز به:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>المرمّز مفقود، لذا لا يمكن تحويل أي شيء.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>الوجهة</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>أين تذهب الملفات: التنسيق وأكبر ملف تقبله تلك الوجهة</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>بلا</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>أفلت مقاطع الفيديو هنا، أو انقر للبدء.
اقرأ قرص DVD أو Blu-ray بالزر «قراءة DVD» في الأعلى.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>اختر محرك DVD:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>قراءة DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>قائمة الملفات:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>إضافة ملف</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>إضافة ملفات من مجلد</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>إزالة الملف المحدد من القائمة</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>تعليمات</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>إزالة كل الملفات</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>تنسيق الإخراج:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>تنسيق الإخراج</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>جودة الفيديو (معدل البت بالكيلوبت/ث):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>معدل بت الفيديو</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>مجلد الإخراج:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>اختيار مجلد للإخراج</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>اختيار مجلد الإخراج</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>أرسل إلينا اقتراحك أو سؤالك</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>كل الأوامر</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>إضافة ملف جديد إلى قائمة الملفات</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>إزالة ملف من قائمة الملفات</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>بدء التحويل</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>التعليمات والدليل التعليمي</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>تصغير النافذة</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>اسحب ملفات الوسائط إلى هذه المنطقة</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>التدوير:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>إعداد التدوير</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>الملف %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>، بقي %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>معدل بت الفيديو بالكيلوبت في الثانية</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>صفحة المنتج</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>اختيار مجلد الإخراج</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>كل الأوامر</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>تقدّم الملف الحالي</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>ابدأ التحويل الآن!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>اختر مجلدًا:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>يجب أن تكون الدقائق أقل من 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>الدقائق</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>يجب أن تكون الثواني أقل من 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>الثواني</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>تعذّر إنشاء مجلد الإخراج:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>تتعذّر الكتابة في مجلد الإخراج:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (فيديو MPEG4 عالي الجودة)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (فيديو H264)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (فيديو MPEG4 قياسي)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (فيديو Apple/QuickTime)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (فيديو Flash)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (فيديو MPEG1)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (فيديو H.265/HEVC)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (فيديو AV1)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (فيديو AV1)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (فيديو VP9)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (فيديو H.264)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>مثل المصدر (نسخ)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>المكمّم</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>سطر الأوامر فارغ</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>فشل CreatePipe. الخطأ: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>لم يُعثر على الملف أو الأمر</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>اسم الملف</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>التنسيق</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>جودة ثابتة</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>الجودة نفسها أيًّا كان الحجم: مستويات جودة التنسيق بدلًا من معدلات البت</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>الحجم المستهدف...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>أكبر حجم مسموح للملف كله بما فيه الصوت؛ يخرج الملف بهذا الحجم على الأكثر وقريبًا منه</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>الحجم المستهدف: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>الحجم المستهدف (الملف كله):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>الحجم المستهدف، مضبوط من القائمة</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>جودة ثابتة: الأرقام الأصغر تعطي مظهرًا أفضل وتشغل مساحة أكبر</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>الحجم المستهدف</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>أقصى ما يمكن أن يشغله الملف كله بما فيه الصوت، بالميغابايت كما تحسبها مديرات الملفات (1 MB = 1,000,000 بايت)، أو مع K أو G بعد الرقم: 25M، 700MB، 4G.
فارغ: بلا هدف، ويعود معدل البت أو الجودة.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>«%1» ليس حجمًا. اكتب عدد الميغابايتات، أو عددًا يتبعه K أو M أو G: 25M، 700MB، 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>جودة الفيديو (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° باتجاه عقارب الساعة</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° عكس اتجاه عقارب الساعة</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>انعكاس رأسي</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>انعكاس أفقي</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>بلا</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>انقطعت المعالجة الدفعية الأخيرة وبقي ملف واحد. أتريد إعادته إلى قائمة الانتظار؟</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>انقطعت المعالجة الدفعية الأخيرة وبقي %n ملف. أتريد إعادتها إلى قائمة الانتظار؟</numerusform>
            <numerusform>انقطعت المعالجة الدفعية الأخيرة وبقي %n ملف. أتريد إعادته إلى قائمة الانتظار؟</numerusform>
            <numerusform>انقطعت المعالجة الدفعية الأخيرة وبقي %n ملفان. أتريد إعادتهما إلى قائمة الانتظار؟</numerusform>
            <numerusform>انقطعت المعالجة الدفعية الأخيرة وبقيت %n ملفات. أتريد إعادتها إلى قائمة الانتظار؟</numerusform>
            <numerusform>انقطعت المعالجة الدفعية الأخيرة وبقي %n ملفًا. أتريد إعادتها إلى قائمة الانتظار؟</numerusform>
            <numerusform>انقطعت المعالجة الدفعية الأخيرة وبقي %n ملف. أتريد إعادتها إلى قائمة الانتظار؟</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>مدته غير معروفة، لذا لا يمكن استهداف حجم</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 أقل مما يحتاجه الصوت وحده؛ أصغر حجم ممكن هو %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 يترك القليل جدًا لصورة تستحق المشاهدة؛ أصغر حجم ممكن هو %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>جارٍ تحويل مقاطع الفيديو</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>علو صوت غير معروف «%1»: اختر ebu (-23 LUFS) أو stream (-14 LUFS) أو podcast (-16 LUFS) أو off أو عددًا من LUFS من -40 إلى -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>أفلت ملفات الفيديو هنا</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>جارٍ البحث...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>قائمة الانتظار ممتلئة: الحد الأقصى لعدد الملفات فيها %1. لم يُضف ملف واحد.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>قائمة الانتظار ممتلئة: الحد الأقصى لعدد الملفات فيها %1. لم يُضف %n ملف.</numerusform>
            <numerusform>قائمة الانتظار ممتلئة: الحد الأقصى لعدد الملفات فيها %1. لم يُضف %n ملف.</numerusform>
            <numerusform>قائمة الانتظار ممتلئة: الحد الأقصى لعدد الملفات فيها %1. لم يُضف %n ملفان.</numerusform>
            <numerusform>قائمة الانتظار ممتلئة: الحد الأقصى لعدد الملفات فيها %1. لم تُضف %n ملفات.</numerusform>
            <numerusform>قائمة الانتظار ممتلئة: الحد الأقصى لعدد الملفات فيها %1. لم يُضف %n ملفًا.</numerusform>
            <numerusform>قائمة الانتظار ممتلئة: الحد الأقصى لعدد الملفات فيها %1. لم يُضف %n ملف.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>لم يُضف ملف واحد: اسمه ليس UTF-8 صالحًا.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>لم يُضف %n ملف: أسماؤها ليست UTF-8 صالحًا.</numerusform>
            <numerusform>لم يُضف %n ملف: اسمه ليس UTF-8 صالحًا.</numerusform>
            <numerusform>لم يُضف %n ملفان: اسماهما ليسا UTF-8 صالحًا.</numerusform>
            <numerusform>لم تُضف %n ملفات: أسماؤها ليست UTF-8 صالحًا.</numerusform>
            <numerusform>لم يُضف %n ملفًا: أسماؤها ليست UTF-8 صالحًا.</numerusform>
            <numerusform>لم يُضف %n ملف: أسماؤها ليست UTF-8 صالحًا.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>فتح ملفات</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>كل التنسيقات</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>يُرجى اختيار محرك أقراص DVD</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>اسحب الفيديو إلى هنا</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>فتح ملف</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>ينتهي النطاق الزمني عند %1، وهذا ليس بعد بدايته عند %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>يبدأ النطاق الزمني عند %1، لكن مدة الفيديو %2 فقط</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>البداية «%1» ليست وقتًا. اكتب الثواني أو m:ss أو h:mm:ss، مثل 90 أو 1:30 أو 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>النهاية «%1» ليست وقتًا. اكتب الثواني أو m:ss أو h:mm:ss، مثل 90 أو 1:30 أو 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>يجب أن تأتي النهاية بعد البداية.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>من %1 إلى %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>من %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>حتى %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>النطاق الزمني</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>البداية</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>النهاية</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>ثوانٍ أو m:ss أو h:mm:ss، مثل 90 أو 1:30 أو 1:02:03.5. اترك الوقت فارغًا للبدء من البداية أو الانتهاء عند النهاية.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>البداية:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>النهاية:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>الاستخدام: tarnwick-cli [خيارات] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>يحوّل ملفات الفيديو باستخدام المرمّز FFmpeg: ملف واحد لكل SOURCE أو كل ملف
يعثر عليه البحث في مجلد (ملفات المجلد نفسه، وملفات العناوين VOB وM2TS في
المجلدات التي تحته؛ ولا تُتبع الروابط إلى المجلدات).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>تُسمّى ملفات الإخراج &lt;اسم المصدر&gt;_&lt;الساعة&gt;&lt;الدقيقة&gt;&lt;الثانية&gt;.&lt;الامتداد&gt;؛
ويُضاف إلى الاسم المأخوذ مسبقًا _2، _3، ... لا يُكتب فوق أي شيء في مجلد
الإخراج، ويُحذف الإخراج الذي لم يكتمل.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>حالة الخروج: 0 حُوِّل الكل، 1 فشل واحد أو أكثر، 2 استخدام خاطئ، 3 لا يوجد مرمّز
(FFmpeg المربوط باسم data/conv.exe في مجلد البرنامج مفقود)، 130 أُوقف
بالمفتاحين Ctrl+C أو بإشارة إنهاء.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>حُدِّد --%1 أكثر من مرة</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>تنسيق غير معروف «%1» (أحد: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>يجب أن يكون معدل البت عددًا صحيحًا من الكيلوبت في الثانية (من 1 إلى 1000000): «%1»</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>تدوير غير معروف «%1» (أحد: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>يحتاج --output إلى مجلد</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>يقبل --jobs عددًا من 1 إلى 256 أو «auto»: «%1»</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>لا ينطبق --bitrate على copy، فهو لا يعيد ترميز أي شيء</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>لا ينطبق --rotate على copy، فهو لا يعيد ترميز أي شيء</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>لم يُحدَّد أي SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>حُوِّل %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>فشل %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>المحوَّلة: %1، الفاشلة: %2%3، المدة: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>، أُوقف</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  الملف %3 من %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 قيد التشغيل)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  المتبقي %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>جرّب «tarnwick-cli --help» لمزيد من المعلومات.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>لا شيء للتحويل</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (الافتراضي)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>لا ينطبق --sdr على copy، فهو لا يعيد ترميز أي شيء</translation>
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
        <translation>بدلًا من معدل البت:
  -q, --quality N        جودة ثابتة على مقياس التنسيق نفسه: CRF في H.264
                         وH.265 وAV1 وVP9، والمكمّم في MPEG-4 وMPEG-1 وWMV؛
                         الأقل أفضل (انظر --list-formats لمعرفة مقياس كل
                         تنسيق وقيمته الافتراضية)
      --size SIZE        الملف كله بما فيه الصوت، بحجم SIZE على الأكثر
                         وقريبًا منه: 25M، 700MB، 4G، بوحدات عشرية كما تحسبها
                         مديرات الملفات (1M = 1,000,000 بايت؛ أما MiB وGiB
                         فثنائية)؛ بتمريرتين حيث يدعمهما المرمّز</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>جزء من كل مصدر، بأوقات T بالثواني أو m:ss أو h:mm:ss، مع كسر عند الحاجة
(90، 1:30، 1:02:03.5):
      --start T          من T؛ يبدأ copy من الإطار المفتاحي عند T أو قبله
      --end T            حتى T؛ النهاية بعد نهاية المصدر هي نهايته</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>كلٌّ من --bitrate و--quality و--size يحدد جودة الصورة: حدد واحدًا منها فقط</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>يجب أن تكون الجودة لـ %1 عددًا صحيحًا من %2 (الأفضل) إلى %3: «%4»</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>يجب أن يكون الحجم عددًا من الميغابايتات، أو عددًا يتبعه K أو M أو G (25M، 700MB، 4G): «%1»</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>يقبل --%1 وقتًا بالثواني أو m:ss أو h:mm:ss (مثل 90 أو 1:30 أو 1:02:03.5): «%2»</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>يجب أن يأتي --end (%1) بعد --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>يجب أن يأتي --end بعد البداية: «%1»</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>لا ينطبق --quality على copy، فهو لا يعيد ترميز أي شيء</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>لا ينطبق --size على copy، فهو لا يعيد ترميز أي شيء</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>الجودة %1، من %2 (الأفضل) إلى %3</translation>
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
        <translation>الخيارات:
  -f, --format NAME      تنسيق الإخراج، وهو واحد من:
%1
  -b, --bitrate KBITS    معدل بت الفيديو بالكيلوبت في الثانية
                         (الافتراضي: معدل التنسيق نفسه، انظر --list-formats)
  -r, --rotate NAME      none (الافتراضي)، cw، ccw، vflip، hflip، 180
  -o, --output DIR       مجلد الإخراج، يُنشأ عند الحاجة (الافتراضي ./output)
      --web              مهيّأ للويب: تحصل ملفات MP4 وMOV على فهرسها في
                         البداية، فيشغّلها المتصفح أثناء وصولها
      --sdr              HDR إلى SDR: تصبح مصادر HDR بصيغة SDR في كل تنسيق؛
                         ودونه تُبقي H.265 وAV1 وVP9 على HDR بعمق 10 بت
      --crop             قص الأشرطة السوداء التي تتفق عليها الصور
      --loudness TARGET  صوت كل ملف بعلو واحد، والذروات الحقيقية
                         تحت -1 dBTP: ebu (-23 LUFS)، stream (-14)،
                         podcast (-16)، أو عدد من LUFS بين -40 و-5
  -j, --jobs N           N من التحويلات في آن واحد؛ «auto» لواحد لكل نواة
      --disc DIR         إضافة ملفات العناوين في VIDEO_TS لقرص DVD أو في
                         BDMV/STREAM لقرص Blu-ray تحت DIR إلى قائمة الانتظار
                         (يمكن تكراره)
  -n, --dry-run          طباعة أوامر كل ملف دون تحويل أي شيء
      --json             حدث JSON واحد في كل سطر على المخرج القياسي
      --list-formats     طباعة التنسيقات مع معدلات البت الافتراضية لها
  -h, --help             هذا النص
  -v, --version          إصدار البرنامج</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>لا ينطبق --crop على copy، فهو لا يعيد ترميز أي شيء</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>وجهة غير معروفة «%1» للخيار --for (أحد: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>يختار --for %1 التنسيق والحجم بنفسه: احذف %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>بدلًا من تنسيق وحجم، أين يذهب الملف:
      --for NAME         تنسيق تلك الوجهة وأكبر ملف لها، وهو واحد من:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1، بحد أقصى %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1، الفهرس أولًا</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>لا يوجد على سطح المكتب هذا ما يفتح التعليمات. إنها في:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>لا يوجد على سطح المكتب هذا ما يفتح الدليل التعليمي. إنه في:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>لا يوجد على سطح المكتب هذا ما يفتح صفحة المنتج. إنها في:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>لا يوجد على سطح المكتب هذا برنامج بريد. العنوان هو:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>إضافة ملف</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>إضافة مجلد</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>إزالة الكل</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>قراءة DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>بدء</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>الإعدادات...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>تعليمات</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>الدليل التعليمي</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>صفحة المنتج</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>إرسال الملاحظات</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>فتح مجلد السجلات</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>لا يوجد على سطح المكتب هذا ما يفتح مجلد السجلات. إنه في:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>التدوير</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>مهيّأ للويب</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>ملفات MP4 وMOV مع فهرسها في البداية، ليشغّلها المتصفح أثناء وصولها</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>التحويلات المتزامنة</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>حُوِّل ملف واحد</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>حُوِّل %n ملف</numerusform>
            <numerusform>حُوِّل %n ملف</numerusform>
            <numerusform>حُوِّل %n ملفان</numerusform>
            <numerusform>حُوِّلت %n ملفات</numerusform>
            <numerusform>حُوِّل %n ملفًا</numerusform>
            <numerusform>حُوِّل %n ملف</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>، وفشل %1.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>أُوقفت المعالجة الدفعية</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>اكتملت المعالجة الدفعية</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR إلى SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>يصبح فيديو HDR فيديو SDR عاديًا في كل التنسيقات، حتى في H.265 وAV1 وVP9 التي تُبقيه HDR فيما عدا ذلك</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>النطاق الزمني...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>علو صوت موحّد</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>معطّل</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>البث، EBU R128 (-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>بودكاست (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>البث عبر الإنترنت (-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>الإخراج</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>قص الأشرطة السوداء</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>كل صورة مقصوصة إلى ما يقع داخل أشرطتها السوداء الأفقية أو العمودية</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>تنبيه صوتي</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>مُفعّل</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>معطّل</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>قص الموسيقى</translation>
    </message>
</context>
</TS>
