<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;täng</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Stäng utan att spara</translation>
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
        <translation>Spara</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Spara alla</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja till &amp;alla</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;ej till alla</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorera</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Förkasta</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Återställ standardvärden</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick körs men tog inte emot filerna: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Batchkonverteringen stoppades: utdatamappen tar inte emot fler filer.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>1 fil finns kvar i kön.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>%n fil finns kvar i kön.</numerusform>
            <numerusform>%n filer finns kvar i kön.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>logg: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Lägg till en fil.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Stoppad.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Klart.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>1 fil kunde inte konverteras:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>%n fil kunde inte konverteras:</numerusform>
            <numerusform>%n filer kunde inte konverteras:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Inget utdataformat har valts</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>kodaren skrev inte ut något</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>stoppad</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Kodaren avslutades oväntat.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>bilden är Dolby Vision-profil %1, vars färger bara en Dolby Vision-spelare visar rätt; Samma som källan (kopia) behåller den som den är</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>den tillfälliga mappen %1 kan inte användas för första passets logg</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>den blev %1 av målet %2: bilden behöver inte mer</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>kodades om med %1 kb/s: med %2 kb/s blev den %3, över målet %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>kodades om med %1 kb/s: med %2 kb/s blev den %3, långt under målet %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>den blev %1, över målet %2, hur den än kodades</translation>
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
        <translation>E-post (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 är en länk till %2, som inte finns.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 är inte ett program.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 finns inte.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick konverterar med FFmpeg, som inte är installerat. Installera det (i Debian och Ubuntu: apt install ffmpeg) och länka sedan kodaren till det:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick konverterar med FFmpeg, som är installerat som %1. Länka kodaren till det:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Kodaren saknas, så inget kan konverteras.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Gjord för</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Vart filerna ska: formatet och den största fil som platsen tar emot</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Ingen</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Släpp videor här eller klicka för att börja.
Läs en DVD eller Blu-ray med ”Läs DVD” ovan.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Välj en DVD-enhet:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Läs DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Fillista:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Lägg till en fil</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Lägg till filer från en mapp</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Ta bort markerad fil från listan</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Ta bort alla filer</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Utdataformat:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Utdataformat</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Videokvalitet (bithastighet, kbit/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Bithastighet för video</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Utdatamapp:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Välj en mapp för utdata</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Välj en utdatamapp</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Skicka oss ett förslag eller en fråga</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Alla kommandon</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Lägg till en ny fil i fillistan</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Ta bort en fil från fillistan</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Starta konverteringen</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Hjälp och handledning</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Minimera fönstret</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Dra mediefiler till den här släppytan</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Rotera:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Rotationsinställning</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>fil %1 av %2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, %1 kvar</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Bithastighet för video i kilobit per sekund</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Produktsida</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Välj utdatamappen</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Alla kommandon</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Förlopp för aktuell fil</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Konvertera nu!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Välj en mapp:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Minuterna måste vara färre än 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minuter</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Sekunderna måste vara färre än 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Sekunder</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Utdatamappen kunde inte skapas:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Det går inte att skriva till utdatamappen:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (MPEG4-video, hög kvalitet)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (H264-video)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (MPEG4-video, standard)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (Apple/QuickTime-video)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (Flash-video)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (MPEG1-video)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (H.265/HEVC-video)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (AV1-video)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (AV1-video)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (VP9-video)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (H.264-video)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>Samma som källan (kopia)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>kvantiserare</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Kommandoraden är tom</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe misslyckades. Fel: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Filen eller kommandot hittades inte</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>Konstant kvalitet</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Samma kvalitet oavsett storlek: formatets kvalitetsnivåer i stället för bithastigheter</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Målstorlek...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Hur stor hela filen får bli, ljud inräknat; den blir högst så stor och nära det</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Målstorlek: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Målstorlek (hela filen):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Målstorlek, inställd i menyn</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Konstant kvalitet: lägre tal ser bättre ut och tar mer plats</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Målstorlek</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Hur mycket hela filen högst får ta, ljud inräknat, i megabyte som filhanterare räknar dem (1 MB = 1 000 000 byte), eller med K eller G efter talet: 25M, 700MB, 4G.
Tomt: inget mål, bithastigheten eller kvaliteten igen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>”%1” är ingen storlek. Skriv ett antal megabyte, eller ett tal med K, M eller G efter: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Videokvalitet (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° medurs</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° moturs</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Spegla vertikalt</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Spegla horisontellt</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Den senaste batchkonverteringen avbröts med 1 fil kvar. Vill du lägga till den i kön igen?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Den senaste batchkonverteringen avbröts med %n fil kvar. Vill du lägga till den i kön igen?</numerusform>
            <numerusform>Den senaste batchkonverteringen avbröts med %n filer kvar. Vill du lägga till dem i kön igen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>längden är okänd, så ingen storlek kan eftersträvas</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 är mindre än vad ljudet ensamt behöver; den minsta storlek som fungerar är %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 lämnar för lite för en bild värd att se; den minsta storlek som fungerar är %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Konverterar videor</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>okänd ljudstyrka ”%1”: välj ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off eller ett antal LUFS från -40 till -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Släpp videofiler här</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Söker...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Kön är full: den rymmer högst %1 filer. 1 fil lades inte till.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Kön är full: den rymmer högst %1 filer. %n fil lades inte till.</numerusform>
            <numerusform>Kön är full: den rymmer högst %1 filer. %n filer lades inte till.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 fil lades inte till: dess namn är inte giltig UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n fil lades inte till: dess namn är inte giltig UTF-8.</numerusform>
            <numerusform>%n filer lades inte till: deras namn är inte giltig UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Öppna filer</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Alla format</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Välj en DVD-enhet</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Dra din video hit</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Öppna fil</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>tidsintervallet slutar vid %1, vilket inte är efter dess start vid %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>tidsintervallet börjar vid %1, men videon är bara %2 lång</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Starten ”%1” är ingen tid. Skriv sekunder, m:ss eller h:mm:ss, till exempel 90, 1:30 eller 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Slutet ”%1” är ingen tid. Skriv sekunder, m:ss eller h:mm:ss, till exempel 90, 1:30 eller 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Slutet måste komma efter starten.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 till %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>från %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>till %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Tidsintervall</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>början</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>slutet</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Sekunder, m:ss eller h:mm:ss, till exempel 90, 1:30 eller 1:02:03.5. Lämna en tid tom för början eller slutet.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Slut:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Användning: tarnwick-cli [flaggor] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Konverterar videofiler med kodaren FFmpeg: en fil per SOURCE, eller varje fil
som en sökning i en mapp hittar (mappens egna filer och titelfilerna VOB och
M2TS i mapparna under den; länkar till mappar följs inte).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Utdata får namnet &lt;källnamn&gt;_&lt;timme&gt;&lt;minut&gt;&lt;sekund&gt;.&lt;filändelse&gt;; ett namn
som redan är taget får _2, _3, ... Inget i utdatamappen skrivs över, och
utdata som inte blev klar tas bort.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Slutstatus: 0 allt konverterat, 1 en eller flera misslyckades, 2 felaktig
användning, 3 ingen kodare (FFmpeg, länkad som data/conv.exe i programmappen,
saknas), 130 stoppad med Ctrl+C eller en avslutningssignal.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 angavs mer än en gång</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>okänt format ”%1” (ett av: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>bithastigheten måste vara ett heltal i kilobit per sekund (1 till 1000000): ”%1”</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>okänd rotation ”%1” (en av: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output behöver en mapp</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs tar ett tal från 1 till 256 eller ”auto”: ”%1”</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate gäller inte copy, som inte kodar om något</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate gäller inte copy, som inte kodar om något</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>ingen SOURCE angiven</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>konverterade %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>misslyckades %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>%1 konverterade, %2 misslyckades%3 på %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, stoppad</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2 %  fil %3 av %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 körs)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  %1 kvar</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Prova ”tarnwick-cli --help” för mer information.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>inget att konvertera</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (standard)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr gäller inte copy, som inte kodar om något</translation>
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
        <translation>I stället för en bithastighet:
  -q, --quality N        konstant kvalitet på formatets egen skala: CRF för
                         H.264, H.265, AV1 och VP9, kvantiseraren för MPEG-4,
                         MPEG-1 och WMV; lägre är bättre (se --list-formats för
                         varje skala och dess standardvärde)
      --size SIZE        hela filen, ljud inräknat, högst SIZE och nära det:
                         25M, 700MB, 4G, i decimala enheter som filhanterare
                         räknar (1M = 1 000 000 byte; MiB och GiB är binära);
                         två pass där kodaren stöder det</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>En del av varje källa, med tider T i sekunder, m:ss eller h:mm:ss, var och en
med decimaler vid behov (90, 1:30, 1:02:03.5):
      --start T          från T; copy börjar vid nyckelbilden vid eller före T
      --end T            till T; ett slut efter källans slut blir källans slut</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality och --size styr var för sig bildens kvalitet: ange bara en av dem</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>kvaliteten för %1 måste vara ett heltal från %2 (bäst) till %3: ”%4”</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>storleken måste vara ett antal megabyte, eller med K, M eller G efter (25M, 700MB, 4G): ”%1”</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 tar en tid i sekunder, m:ss eller h:mm:ss (till exempel 90, 1:30 eller 1:02:03.5): ”%2”</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) måste komma efter --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end måste komma efter början: ”%1”</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality gäller inte copy, som inte kodar om något</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size gäller inte copy, som inte kodar om något</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>kvalitet %1, %2 (bäst) till %3</translation>
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
        <translation>Flaggor:
  -f, --format NAME      utdataformatet, ett av:
%1
  -b, --bitrate KBITS    bithastighet för video i kilobit per sekund
                         (standard: formatets egen, se --list-formats)
  -r, --rotate NAME      none (standard), cw, ccw, vflip, hflip, 180
  -o, --output DIR       utdatamapp, skapas om den saknas (standard ./output)
      --web              för webben: MP4- och MOV-filer får sitt index först,
                         så att en webbläsare spelar upp dem medan de laddas
      --sdr              HDR till SDR: HDR-källor blir SDR i alla format;
                         utan den behåller H.265, AV1 och VP9 HDR i 10 bitar
      --crop             beskär de svarta kanter som bilderna har gemensamt
      --loudness TARGET  varje fils ljud på samma ljudstyrka, äkta toppar
                         under -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) eller ett antal LUFS, -40 till -5
  -j, --jobs N           N konverteringar samtidigt; ”auto” för en per kärna
      --disc DIR         köa titelfilerna i en DVD:s VIDEO_TS eller en
                         Blu-rays BDMV/STREAM under DIR (kan upprepas)
  -n, --dry-run          skriv ut varje fils kommandon, konvertera inget
      --json             en JSON-händelse per rad på standard ut
      --list-formats     skriv ut formaten med deras standardbithastigheter
  -h, --help             den här texten
  -v, --version          programmets version</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop gäller inte copy, som inte kodar om något</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>okänd plats ”%1” för --for (en av: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 väljer själv format och storlek: utelämna %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>I stället för ett format och en storlek, vart filen ska:
      --for NAME         platsens format och största fil, en av:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, högst %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, index först</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Stoppa</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Inget på det här skrivbordet kan öppna hjälpen. Den finns här:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Inget på det här skrivbordet kan öppna handledningen. Den finns här:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Inget på det här skrivbordet kan öppna produktsidan. Den finns här:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Det finns inget e-postprogram på det här skrivbordet. Adressen är:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Lägg till en fil</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Lägg till en mapp</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Ta bort alla</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Läs DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starta</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Inställningar...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Handledning</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Produktsida</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Skicka feedback</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Öppna loggmappen</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Inget på det här skrivbordet kan öppna loggmappen. Den finns här:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotera</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>För webben</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>MP4- och MOV-filer med indexet först, så att en webbläsare spelar upp dem medan de laddas</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Samtidiga konverteringar</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatiskt</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 fil konverterad</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n fil konverterad</numerusform>
            <numerusform>%n filer konverterade</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, %1 misslyckades.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Batchkonvertering stoppad</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Batchkonvertering klar</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR till SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>HDR-video blir vanlig SDR-video i alla format, även i H.265, AV1 och VP9, som annars behåller HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Tidsintervall...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Jämn ljudstyrka</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Sändning, EBU R128 (-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>Podcast (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>Streaming (-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Utdata</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Beskär svarta kanter</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Varje bild beskärs till det som ligger innanför de svarta kanterna ovan och under eller på sidorna</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Ljudsignal när det är klart</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>På</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Musikklippning</translation>
    </message>
</context>
</TS>
