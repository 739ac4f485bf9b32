<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Labi</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Saglabāt</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>At&amp;celt</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Aizvērt</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Aizvērt nesaglabājot</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Saglabāt</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Saglabāt visu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Atvērt</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Jā</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Jā vis&amp;am</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nē</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Nē &amp;visam</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Pārtraukt</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Vēlreiz</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorēt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Aizvērt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Nesaglabāt</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Palīdzība</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Pielietot</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atstatīt</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Atjaunot noklusējumus</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick darbojas, taču nepieņēma failus: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Pakešapstrāde apturēta: izvades mapē vairs nevar ierakstīt failus.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>Rindā palika 1 fails.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>Rindā palika %n fails.</numerusform>
            <numerusform>Rindā palika %n faili.</numerusform>
            <numerusform>Rindā palika %n failu.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>žurnāls: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Lūdzu, pievienojiet failu.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Pievienošana</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Apturēts.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Gatavs.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>Neizdevās konvertēt 1 failu:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>Neizdevās konvertēt %n failu:</numerusform>
            <numerusform>Neizdevās konvertēt %n failus:</numerusform>
            <numerusform>Neizdevās konvertēt %n failu:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Nav izvēlēts izvades formāts</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>kodētājs neko neizvadīja</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>apturēts</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Kodētājs negaidīti apstājās.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>tā attēls ir Dolby Vision profils %1, kura krāsas pareizi rāda tikai Dolby Vision atskaņotājs; Kā avots (kopija) to saglabā nemainītu</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>pagaidu mapi %1 nevar izmantot pirmā gājiena žurnālam</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>rezultāts ir %1 no mērķa %2: attēlam vairāk nevajag</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>pārkodēts ar %1 kb/s: ar %2 kb/s rezultāts bija %3, virs mērķa %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>pārkodēts ar %1 kb/s: ar %2 kb/s rezultāts bija %3, krietni zem mērķa %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>rezultāts ir %1, virs mērķa %2, lai kā tas tika kodēts</translation>
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
        <translation>E-pasts (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 ir saite uz %2, kas neeksistē.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 nav programma.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 neeksistē.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick konvertē ar FFmpeg, kas nav instalēts. Instalējiet to (Debian un Ubuntu: apt install ffmpeg), pēc tam izveidojiet uz to kodētāja saiti:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick konvertē ar FFmpeg, kas ir instalēts kā %1. Izveidojiet uz to kodētāja saiti:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Trūkst kodētāja, tāpēc neko nevar konvertēt.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Galamērķis</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Kur faili nonāks: formāts un lielākais fails, ko šī vieta pieņem</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Nav</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Nometiet video šeit vai noklikšķiniet, lai sāktu.
DVD vai Blu-ray disku nolasiet ar pogu “Lasīt DVD” augšā.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Izvēlieties DVD diskdzini:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Lasīt DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Failu saraksts:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Pievienot failu</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Pievienot failus no mapes</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Izņemt atlasīto failu no saraksta</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Palīdzība</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Iestatījumi</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Izņemt visus failus</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Izvades formāts:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Izvades formāts</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Video kvalitāte (bitu ātrums, kb/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Video bitu ātrums</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Izvades mape:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Izvēlēties mapi izvadei</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Izvēlēties izvades mapi</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Viedoklis</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Nosūtiet mums ieteikumu vai jautājumu</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Visas komandas</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Pievienot failu sarakstam jaunu failu</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Izņemt failu no failu saraksta</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Sākt konvertēšanu</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Palīdzība un pamācība</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Iziet</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Minimizēt logu</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Velciet multivides failus uz šo laukumu</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Pagriezt:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Pagriešanas iestatījums</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>fails %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, atlicis %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Video bitu ātrums kilobitos sekundē</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Produkta lapa</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Izvēlieties izvades mapi</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Visas komandas</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Pašreizējā faila progress</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Konvertēt tagad!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Izvēlieties mapi:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Minūtēm jābūt mazāk par 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minūtes</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Sekundēm jābūt mazāk par 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Sekundes</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Neizdevās izveidot izvades mapi:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Izvades mapē nevar rakstīt:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (augstas kvalitātes MPEG4 video)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (H264 video)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (standarta MPEG4 video)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (Apple/QuickTime video)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (Flash video)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (MPEG1 video)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (H.265/HEVC video)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (AV1 video)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (AV1 video)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (VP9 video)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (H.264 video)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>Kā avots (kopija)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>kvantizētājs</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Komandrinda ir tukša</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe neizdevās. Kļūda: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Fails vai komanda nav atrasta</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Faila nosaukums</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formāts</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>Nemainīga kvalitāte</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Tāda pati kvalitāte neatkarīgi no izmēra: formāta kvalitātes līmeņi bitu ātruma vietā</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Mērķa izmērs...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Lielākais, cik var būt viss fails kopā ar skaņu; rezultāts būs ne lielāks un tuvu tam</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Mērķa izmērs: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Mērķa izmērs (viss fails):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Mērķa izmērs, iestatīts izvēlnē</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Nemainīga kvalitāte: mazāki skaitļi izskatās labāk un aizņem vairāk vietas</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Mērķa izmērs</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Vairākais, ko var aizņemt viss fails kopā ar skaņu, megabaitos, kā tos skaita failu pārvaldnieki (1 MB = 1 000 000 baitu), vai ar K vai G aiz skaitļa: 25M, 700MB, 4G.
Tukšs: nav mērķa, atkal bitu ātrums vai kvalitāte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>“%1” nav izmērs. Ierakstiet megabaitu skaitu vai skaitli ar K, M vai G aiz tā: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Video kvalitāte (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° pa labi</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° pa kreisi</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Atspoguļot vertikāli</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Atspoguļot horizontāli</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nav</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Pēdējā pakešapstrāde tika pārtraukta, un palika 1 fails. Vai ievietot to rindā vēlreiz?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Pēdējā pakešapstrāde tika pārtraukta, un palika %n fails. Vai ievietot tos rindā vēlreiz?</numerusform>
            <numerusform>Pēdējā pakešapstrāde tika pārtraukta, un palika %n faili. Vai ievietot tos rindā vēlreiz?</numerusform>
            <numerusform>Pēdējā pakešapstrāde tika pārtraukta, un palika %n failu. Vai ievietot tos rindā vēlreiz?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>tā ilgums nav zināms, tāpēc nevar tiekties uz kādu izmēru</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 ir mazāk, nekā vajag skaņai vien; mazākais derīgais izmērs ir %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 atstāj par maz attēlam, ko būtu vērts skatīties; mazākais derīgais izmērs ir %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Notiek video konvertēšana</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>nezināms skaļums “%1”: izvēlieties ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off vai LUFS skaitli no -40 līdz -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Nometiet video failus šeit</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Meklē...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Rinda ir pilna: tajā var būt ne vairāk kā %1 faili. Neizdevās pievienot 1 failu.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Rinda ir pilna: tajā var būt ne vairāk kā %1 faili. Neizdevās pievienot %n failu.</numerusform>
            <numerusform>Rinda ir pilna: tajā var būt ne vairāk kā %1 faili. Neizdevās pievienot %n failus.</numerusform>
            <numerusform>Rinda ir pilna: tajā var būt ne vairāk kā %1 faili. Neizdevās pievienot %n failu.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>Neizdevās pievienot 1 failu: tā nosaukums nav derīgs UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>Neizdevās pievienot %n failu: failu nosaukumi nav derīgs UTF-8.</numerusform>
            <numerusform>Neizdevās pievienot %n failus: to nosaukumi nav derīgs UTF-8.</numerusform>
            <numerusform>Neizdevās pievienot %n failu: failu nosaukumi nav derīgs UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Atvērt failus</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Visi formāti</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Lūdzu, izvēlieties DVD diskdzini</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Velciet video šeit</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Atvērt failu</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>laika intervāls beidzas %1, kas nav pēc tā sākuma %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>laika intervāls sākas %1, bet video ir tikai %2 garš</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Sākums “%1” nav laiks. Ierakstiet sekundes, m:ss vai h:mm:ss, piemēram, 90, 1:30 vai 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Beigas “%1” nav laiks. Ierakstiet sekundes, m:ss vai h:mm:ss, piemēram, 90, 1:30 vai 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Beigām jābūt pēc sākuma.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>no %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>līdz %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Laika intervāls</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>sākums</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>beigas</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Sekundes, m:ss vai h:mm:ss, piemēram, 90, 1:30 vai 1:02:03.5. Atstājiet laiku tukšu, lai būtu sākums vai beigas.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Sākums:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Beigas:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Lietojums: tarnwick-cli [opcijas] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Konvertē video failus ar FFmpeg kodētāju: pa vienam failam katram SOURCE vai
katru failu, ko atrod mapes meklēšana (pašas mapes failus un VOB un M2TS
titulu failus mapēs zem tās; saitēm uz mapēm neseko).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Izvades failu nosaukumi ir
&lt;avota nosaukums&gt;_&lt;stunda&gt;&lt;minūte&gt;&lt;sekunde&gt;.&lt;paplašinājums&gt;; jau aizņemts
nosaukums saņem _2, _3, ... Izvades mapē nekas netiek pārrakstīts, un
nepabeigta izvade tiek izdzēsta.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Izejas statuss: 0 viss konvertēts, 1 viens vai vairāki neizdevās, 2 nepareizs
lietojums, 3 nav kodētāja (trūkst FFmpeg, kas piesaistīts kā data/conv.exe
programmas mapē), 130 apturēts ar Ctrl+C vai beigšanas signālu.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 norādīts vairāk nekā vienreiz</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>nezināms formāts “%1” (iespējamie: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>bitu ātrumam jābūt veselam kilobitu skaitam sekundē (no 1 līdz 1000000): “%1”</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>nezināms pagrieziens “%1” (iespējamie: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output nepieciešama mape</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs pieņem skaitli no 1 līdz 256 vai “auto”: “%1”</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate neattiecas uz copy, kas neko nepārkodē</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate neattiecas uz copy, kas neko nepārkodē</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>nav norādīts SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>konvertēts %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>neizdevās %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>konvertēti: %1, neizdevās: %2%3, laiks: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, apturēts</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  fails %3 no %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 notiek)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  atlicis %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Plašāka informācija: “tarnwick-cli --help”.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>nav ko konvertēt</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (noklusējums)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr neattiecas uz copy, kas neko nepārkodē</translation>
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
        <translation>Bitu ātruma vietā:
  -q, --quality N        nemainīga kvalitāte paša formāta skalā: H.264, H.265,
                         AV1 un VP9 – CRF, MPEG-4, MPEG-1 un WMV –
                         kvantizētājs; mazāks ir labāk (katras skalas
                         noklusējumu sk. --list-formats)
      --size SIZE        viss fails kopā ar skaņu ne vairāk kā SIZE un tuvu
                         tam: 25M, 700MB, 4G, decimālās vienībās, kā skaita
                         failu pārvaldnieki (1M = 1 000 000 baitu; MiB un GiB
                         ir bināras); divi gājieni, ja kodētājs tos atbalsta</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Katra avota daļa pēc laikiem T sekundēs, m:ss vai h:mm:ss, ja vajag, ar
daļu (90, 1:30, 1:02:03.5):
      --start T          no T; copy sāk ar atslēgkadru pie T vai pirms tā
      --end T            līdz T; beigas aiz avota beigām ir tā beigas</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality un --size katrs nosaka attēla kvalitāti: norādiet tikai vienu no tiem</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>%1 kvalitātei jābūt veselam skaitlim no %2 (labākā) līdz %3: “%4”</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>izmēram jābūt megabaitu skaitam vai skaitlim ar K, M vai G (25M, 700MB, 4G): “%1”</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 vajag laiku sekundēs, m:ss vai h:mm:ss (piemēram, 90, 1:30 vai 1:02:03.5): “%2”</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) jābūt pēc --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end jābūt pēc sākuma: “%1”</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality neattiecas uz copy, kas neko nepārkodē</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size neattiecas uz copy, kas neko nepārkodē</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>kvalitāte %1, no %2 (labākā) līdz %3</translation>
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
        <translation>Opcijas:
  -f, --format NAME      izvades formāts, viens no:
%1
  -b, --bitrate KBITS    video bitu ātrums kilobitos sekundē
                         (noklusējums: formāta ātrums, sk. --list-formats)
  -r, --rotate NAME      none (noklusējums), cw, ccw, vflip, hflip, 180
  -o, --output DIR       izvades mape, tiek izveidota, ja trūkst
                         (noklusējums ./output)
      --web              tīmeklim: MP4 un MOV failiem indekss ir sākumā, lai
                         pārlūks tos atskaņotu jau ielādes laikā
      --sdr              HDR uz SDR: HDR avoti visos formātos kļūst par SDR;
                         bez tās H.265, AV1 un VP9 saglabā HDR 10 bitos
      --crop             apgriezt melnās joslas, kas kopīgas visiem attēliem
      --loudness TARGET  katra faila skaņa vienā skaļumā, patiesās virsotnes
                         zem -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) vai LUFS skaitlis no -40 līdz -5
  -j, --jobs N           N konvertēšanas vienlaikus; “auto”: viena uz kodolu
      --disc DIR         ievietot rindā DVD VIDEO_TS vai Blu-ray BDMV/STREAM
                         titulu failus zem DIR (var atkārtot)
  -n, --dry-run          izvadīt katra faila komandas, neko nekonvertēt
      --json             pa vienam JSON notikumam rindā standarta izvadē
      --list-formats     izvadīt formātus ar to noklusējuma bitu ātrumiem
  -h, --help             šis teksts
  -v, --version          programmas versija</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop neattiecas uz copy, kas neko nepārkodē</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>nezināms galamērķis “%1” opcijai --for (iespējamie: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 pats izvēlas formātu un izmēru: izlaidiet %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Formāta un izmēra vietā – kur fails nonāks:
      --for NAME         šīs vietas formāts un lielākais fails, viens no:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, līdz %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, indekss sākumā</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Apturēt</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Šajā darbvirsmā nekas nevar atvērt palīdzību. Tā atrodas šeit:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Šajā darbvirsmā nekas nevar atvērt pamācību. Tā atrodas šeit:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Šajā darbvirsmā nekas nevar atvērt produkta lapu. Tās adrese:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Šajā darbvirsmā nav e-pasta programmas. Adrese:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Pievienot failu</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Pievienot mapi</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Izņemt</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Izņemt visus</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Lasīt DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Sākt</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Iestatījumi...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Palīdzība</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Pamācība</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Produkta lapa</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Sūtīt viedokli</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Atvērt žurnālu mapi</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Šajā darbvirsmā nekas nevar atvērt žurnālu mapi. Tā atrodas šeit:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Iziet</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Pagriezt</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Tīmeklim</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>MP4 un MOV faili ar indeksu sākumā, lai pārlūks tos atskaņotu jau ielādes laikā</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Vienlaicīgas konvertēšanas</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automātiski</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>Konvertēts 1 fails</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>Konvertēts %n fails</numerusform>
            <numerusform>Konvertēti %n faili</numerusform>
            <numerusform>Konvertēto failu: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, neizdevās: %1.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Pakešapstrāde apturēta</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Pakešapstrāde pabeigta</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR uz SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>HDR video kļūst par parastu SDR video visos formātos, arī H.265, AV1 un VP9, kuros tas citādi paliek HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Laika intervāls...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Vienmērīgs skaļums</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Izslēgts</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Apraide, EBU R128 (-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>Aplāde (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>Straumēšana (-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Izvade</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Apgriezt melnās joslas</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Katrs attēls apgriezts līdz tam, kas atrodas tā letterbox vai pillarbox joslu iekšpusē</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Iestatījumi</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Skaņas signāls</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Ieslēgts</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Izslēgts</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atpakaļ</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Mūzikas griešana</translation>
    </message>
</context>
</TS>
