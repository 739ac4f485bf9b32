<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;אישור</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;שמור</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;ביטול</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;סגור</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>סגור ללא שמירה</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>שמור</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>שמור הכל</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;כן</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>כן ל&amp;הכל</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;לא</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>ל&amp;א להכל</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>בטל</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>נסה שוב</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>התעלם</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>שכח</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>החל</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>אפס</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>שחזר ברירות מחדל</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick פועל אך לא קיבל את הקבצים: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>האצווה נעצרה: תיקיית הפלט אינה מקבלת קבצים נוספים.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>נותר קובץ אחד בתור.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>נותר %n קובץ בתור.</numerusform>
            <numerusform>נותרו %n קבצים בתור.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>יומן: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>נא להוסיף קובץ.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>הוספה</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>נעצר.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>הסתיים.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>לא ניתן היה להמיר קובץ אחד:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>לא ניתן היה להמיר %n קובץ:</numerusform>
            <numerusform>לא ניתן היה להמיר %n קבצים:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>לא נבחר פורמט פלט</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>המקודד לא הדפיס דבר</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>נעצר</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>המקודד נעצר באופן בלתי צפוי.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>התמונה שלו היא Dolby Vision בפרופיל %1, שאת צבעיו מציג נכון רק נגן Dolby Vision; &quot;כמו המקור (העתקה)&quot; שומר אותו כפי שהוא</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>לא ניתן להשתמש בתיקייה הזמנית %1 עבור היומן של המעבר הראשון</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>יצא %1 מתוך היעד %2: התמונה לא צריכה יותר</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>קודד שוב ב־%1 kbit/s: ב־%2 kbit/s יצא %3, מעל היעד %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>קודד שוב ב־%1 kbit/s: ב־%2 kbit/s יצא %3, הרבה מתחת ליעד %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>יצא %1, מעל היעד %2, בכל אופן קידוד</translation>
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
        <translation>דוא״ל (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 הוא קישור אל %2, שאינו קיים.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 אינו תכנית.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 אינו קיים.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick ממיר בעזרת FFmpeg, שאינו מותקן. יש להתקין אותו (ב־Debian וב־Ubuntu: apt install ffmpeg) ולאחר מכן לקשר אליו את המקודד:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick ממיר בעזרת FFmpeg, שמותקן בתור %1. יש לקשר אליו את המקודד:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>המקודד חסר, ולכן לא ניתן להמיר דבר.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>יעד</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>לאן הקבצים הולכים: הפורמט והקובץ הגדול ביותר שהיעד מקבל</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>ללא</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>אפשר לשחרר כאן סרטונים או ללחוץ כדי להתחיל.
לקריאת תקליטור DVD או Blu-ray יש ללחוץ על &quot;קריאת DVD&quot; למעלה.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>בחירת כונן DVD:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>קריאת DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>רשימת קבצים:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>הוספת קובץ</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>הוספת קבצים מתיקייה</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>הסרת הקובץ הנבחר מהרשימה</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>הגדרות</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>הסרת כל הקבצים</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>פורמט פלט:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>פורמט פלט</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>איכות וידאו (קצב סיביות, kbit/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>קצב סיביות של הווידאו</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>תיקיית פלט:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>בחירת תיקייה לפלט</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>בחירת תיקיית פלט</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>משוב</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>שליחת הצעה או שאלה אלינו</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>כל הפקודות</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>הוספת קובץ חדש לרשימת הקבצים</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>הסרת קובץ מרשימת הקבצים</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>התחלת ההמרה</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>עזרה ומדריך</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>מזעור החלון</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>יש לגרור קובצי מדיה לאזור זה</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>סיבוב:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>הגדרת סיבוב</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>קובץ %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, נותרו %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>קצב סיביות של הווידאו בקילוביט לשנייה</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>דף המוצר</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>בחירת תיקיית הפלט</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>כל הפקודות</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>התקדמות הקובץ הנוכחי</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>המרה עכשיו!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>נא לבחור תיקייה:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>מספר הדקות חייב להיות קטן מ־60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>דקות</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>מספר השניות חייב להיות קטן מ־60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>שניות</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>לא ניתן היה ליצור את תיקיית הפלט:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>לא ניתן לכתוב לתיקיית הפלט:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (וידאו MPEG4 באיכות גבוהה)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (וידאו H264)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (וידאו MPEG4 רגיל)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (וידאו Apple/QuickTime)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (וידאו Flash)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (וידאו MPEG1)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (וידאו H.265/HEVC)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (וידאו AV1)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (וידאו AV1)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (וידאו VP9)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (וידאו H.264)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>כמו המקור (העתקה)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>מכמת</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>שורת הפקודה ריקה</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe נכשל. שגיאה: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>הקובץ או הפקודה לא נמצאו</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>שם קובץ</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>פורמט</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>איכות קבועה</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>אותה איכות בכל גודל: רמות האיכות של הפורמט במקום קצבי סיביות</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>גודל יעד...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>הגודל המרבי של הקובץ כולו, כולל השמע; הקובץ יוצא לכל היותר בגודל הזה וקרוב אליו</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>גודל יעד: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>גודל יעד (הקובץ כולו):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>גודל יעד, נקבע בתפריט</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>איכות קבועה: מספרים נמוכים נראים טוב יותר ותופסים יותר מקום</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>גודל יעד</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>המקסימום שהקובץ כולו יכול לתפוס, כולל השמע, במגה־בייטים כפי שמנהלי קבצים סופרים אותם (1 MB = 1,000,000 בתים), או עם K או G אחרי המספר: 25M, 700MB, 4G.
ריק: ללא יעד, שוב קצב סיביות או איכות.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>&quot;%1&quot; אינו גודל. יש לכתוב מספר מגה־בייטים, או מספר ואחריו K, M או G: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>איכות וידאו (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° עם כיוון השעון</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° נגד כיוון השעון</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>היפוך אנכי</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>היפוך אופקי</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>ללא</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>האצווה האחרונה נקטעה כשנותר קובץ אחד. להוסיף אותו שוב לתור?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>האצווה האחרונה נקטעה כשנותר %n קובץ. להוסיף אותו שוב לתור?</numerusform>
            <numerusform>האצווה האחרונה נקטעה כשנותרו %n קבצים. להוסיף אותם שוב לתור?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>האורך שלו אינו ידוע, ולכן אי אפשר לכוון לגודל</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 קטן ממה שהשמע לבדו צריך; הגודל הקטן ביותר שמתאים הוא %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 משאיר מעט מדי לתמונה ששווה לצפות בה; הגודל הקטן ביותר שמתאים הוא %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>המרת סרטונים</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>עוצמת קול לא ידועה &quot;%1&quot;: יש לבחור ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, או מספר LUFS בין -40 ל־-5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>אפשר לשחרר כאן סרטונים</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>מתבצע חיפוש...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>התור מלא: הוא מכיל %1 קבצים לכל היותר. קובץ אחד לא נוסף.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>התור מלא: הוא מכיל %1 קבצים לכל היותר. %n קובץ לא נוסף.</numerusform>
            <numerusform>התור מלא: הוא מכיל %1 קבצים לכל היותר. %n קבצים לא נוספו.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>קובץ אחד לא נוסף: שמו אינו UTF-8 תקין.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n קובץ לא נוסף: שמו אינו UTF-8 תקין.</numerusform>
            <numerusform>%n קבצים לא נוספו: שמותיהם אינם UTF-8 תקין.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>פתיחת קבצים</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>כל הפורמטים</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>נא לבחור כונן DVD</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>אפשר לגרור לכאן סרטון</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>פתיחת קובץ</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>טווח הזמן מסתיים ב־%1, וזה לא אחרי ההתחלה שלו ב־%2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>טווח הזמן מתחיל ב־%1, אבל הווידאו באורך %2 בלבד</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>ההתחלה &quot;%1&quot; אינה זמן. יש להקליד שניות, m:ss או h:mm:ss, כגון 90, 1:30 או 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>הסוף &quot;%1&quot; אינו זמן. יש להקליד שניות, m:ss או h:mm:ss, כגון 90, 1:30 או 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>הסוף חייב לבוא אחרי ההתחלה.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 עד %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>מ־%1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>עד %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>טווח זמן</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>ההתחלה</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>הסוף</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>שניות, m:ss או h:mm:ss, כגון 90, 1:30 או 1:02:03.5. אפשר להשאיר זמן ריק כדי להתחיל מההתחלה או להגיע עד הסוף.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>התחלה:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>סוף:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>שימוש: tarnwick-cli [אפשרויות] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>ממיר קובצי וידאו בעזרת המקודד FFmpeg: קובץ אחד לכל SOURCE או כל קובץ
שחיפוש בתיקייה מוצא (הקבצים של התיקייה עצמה, וקובצי הכותרים VOB ו־M2TS
בתיקיות שמתחתיה; אין מעבר דרך קישורים לתיקיות).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>שמות הפלטים הם &lt;שם המקור&gt;_&lt;שעה&gt;&lt;דקה&gt;&lt;שנייה&gt;.&lt;סיומת&gt;; שם שכבר תפוס
מקבל _2, _3, ... שום דבר בתיקיית הפלט אינו נדרס, ופלט שלא הושלם
נמחק.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>מצב יציאה: 0 הכול הומר, 1 אחד או יותר נכשלו, 2 שימוש שגוי, 3 אין מקודד
(FFmpeg, המקושר בתור data/conv.exe בתיקיית התכנית, חסר), 130 נעצר
ב־Ctrl+C או באות סיום.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 צוין יותר מפעם אחת</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>פורמט לא ידוע &quot;%1&quot; (אחד מתוך: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>קצב הסיביות חייב להיות מספר שלם של קילוביט לשנייה (1 עד 1000000): &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>סיבוב לא ידוע &quot;%1&quot; (אחד מתוך: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output דורש תיקייה</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs מקבל מספר בין 1 ל־256 או &quot;auto&quot;: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate אינו חל על copy, שאינו מקודד דבר מחדש</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate אינו חל על copy, שאינו מקודד דבר מחדש</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>לא צוין SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>הומר %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>נכשל %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>הומרו: %1, נכשלו: %2%3, זמן: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, נעצר</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  קובץ %3 מתוך %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 פועלים)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  נותרו %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>למידע נוסף: &quot;tarnwick-cli --help&quot;.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>אין מה להמיר</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (ברירת מחדל)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr אינו חל על copy, שאינו מקודד דבר מחדש</translation>
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
        <translation>במקום קצב סיביות:
  -q, --quality N        איכות קבועה בסולם של הפורמט עצמו: CRF של H.264,
                         H.265, AV1 ו־VP9, המכמת של MPEG-4, MPEG-1 ו־WMV;
                         נמוך יותר עדיף (הסולם של כל פורמט וברירת המחדל
                         שלו מופיעים ב־--list-formats)
      --size SIZE        הקובץ כולו, כולל השמע, לכל היותר SIZE וקרוב לכך:
                         25M, 700MB, 4G, ביחידות עשרוניות כפי שמנהלי קבצים
                         סופרים (1M = 1,000,000 בתים; MiB ו־GiB בינאריים);
                         שני מעברים כשהמקודד תומך בהם</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>חלק מכל מקור, לפי זמנים T בשניות, m:ss או h:mm:ss, עם שבר אם רוצים
(90, 1:30, 1:02:03.5):
      --start T          מ־T; copy מתחיל בפריים המפתח שב־T או לפניו
      --end T            עד T; סוף שאחרי סוף המקור הוא סוף המקור</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality ו־--size קובעים כל אחד את איכות התמונה: יש לציין רק אחד</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>האיכות עבור %1 חייבת להיות מספר שלם מ־%2 (הטוב ביותר) עד %3: &quot;%4&quot;</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>הגודל חייב להיות מספר מגה־בייטים, או מספר ואחריו K, M או G (25M, 700MB, 4G): &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 מקבל זמן בשניות, m:ss או h:mm:ss (כגון 90, 1:30 או 1:02:03.5): &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) חייב לבוא אחרי --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end חייב לבוא אחרי ההתחלה: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality אינו חל על copy, שאינו מקודד דבר מחדש</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size אינו חל על copy, שאינו מקודד דבר מחדש</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>איכות %1, מ־%2 (הטוב ביותר) עד %3</translation>
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
        <translation>אפשרויות:
  -f, --format NAME      פורמט הפלט, אחד מתוך:
%1
  -b, --bitrate KBITS    קצב סיביות הווידאו בקילוביט לשנייה
                         (ברירת מחדל: של הפורמט, ראו --list-formats)
  -r, --rotate NAME      none (ברירת מחדל), cw, ccw, vflip, hflip, 180
  -o, --output DIR       תיקיית הפלט, נוצרת אם חסרה (ברירת מחדל ./output)
      --web              מותאם לרשת: קובצי MP4 ו־MOV מקבלים את האינדקס שלהם
                         בהתחלה, כך שדפדפן מנגן אותם תוך כדי הורדה
      --sdr              HDR ל־SDR: מקורות HDR הופכים ל־SDR בכל פורמט;
                         בלעדיה, H.265, AV1 ו־VP9 שומרים על HDR ב־10 סיביות
      --crop             חיתוך הפסים השחורים המשותפים לכל התמונות
      --loudness TARGET  הקול של כל קובץ בעוצמה אחת, שיאים אמיתיים
                         מתחת ל־-1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16), או מספר LUFS, בין -40 ל־-5
  -j, --jobs N           N המרות בו־זמנית; &quot;auto&quot; – אחת לכל ליבה
      --disc DIR         הוספת קובצי הכותרים של VIDEO_TS בתקליטור DVD או של
                         BDMV/STREAM בתקליטור Blu-ray שמתחת ל־DIR לתור
                         (ניתן לחזור על האפשרות)
  -n, --dry-run          הדפסת הפקודות של כל קובץ, ללא המרה
      --json             אירוע JSON אחד בכל שורה בפלט התקני
      --list-formats     הדפסת הפורמטים עם קצב הסיביות שלהם כברירת מחדל
  -h, --help             טקסט זה
  -v, --version          גרסת התכנית</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop אינו חל על copy, שאינו מקודד דבר מחדש</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>יעד לא ידוע &quot;%1&quot; עבור --for (אחד מתוך: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 בוחר בעצמו את הפורמט ואת הגודל: יש להשמיט את %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>במקום פורמט וגודל, לאן הקובץ הולך:
      --for NAME         הפורמט והקובץ הגדול ביותר של היעד, אחד מתוך:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, לכל היותר %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, האינדקס בהתחלה</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>עצירה</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>אין בשולחן העבודה הזה תכנית שיכולה לפתוח את העזרה. היא נמצאת כאן:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>אין בשולחן העבודה הזה תכנית שיכולה לפתוח את המדריך. הוא נמצא כאן:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>אין בשולחן העבודה הזה תכנית שיכולה לפתוח את דף המוצר. הוא נמצא כאן:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>אין בשולחן העבודה הזה תכנית דואר. הכתובת היא:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>הוספת קובץ</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>הוספת תיקייה</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>הסרה</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>הסרת הכול</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>קריאת DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>התחלה</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>הגדרות...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>מדריך</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>דף המוצר</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>שליחת משוב</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>פתיחת תיקיית היומנים</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>אין בשולחן העבודה הזה תכנית שיכולה לפתוח את תיקיית היומנים. היא נמצאת כאן:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>סיבוב</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>מותאם לרשת</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>קובצי MP4 ו־MOV עם האינדקס בהתחלה, כך שדפדפן מנגן אותם תוך כדי הורדה</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>המרות בו־זמנית</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>אוטומטי</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>קובץ אחד הומר</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n קובץ הומר</numerusform>
            <numerusform>%n קבצים הומרו</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, כשלים: %1.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>האצווה נעצרה</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>האצווה הסתיימה</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR ל־SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>וידאו HDR הופך לווידאו SDR רגיל בכל פורמט, גם ב־H.265, ב־AV1 וב־VP9, ששומרים אותו אחרת ב־HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>טווח זמן...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>עוצמה אחידה</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>כבוי</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>שידור, EBU R128 (-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>פודקאסט (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>הזרמה (-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>פלט</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>חיתוך פסים שחורים</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>כל תמונה נחתכת למה שנמצא בתוך פסי ה־letterbox או ה־pillarbox שלה</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>הגדרות</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>התראה קולית</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>פעיל</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>כבוי</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>חזרה</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>חיתוך מוזיקה</translation>
    </message>
</context>
</TS>
