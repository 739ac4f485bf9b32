<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvesta</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Loobu</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sul&amp;ge</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Sulge salvestamata</translation>
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
        <translation>Salvesta</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salvesta kõik</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ava</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Jah</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Jah &amp;kõigile</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ei</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>E&amp;i kõigile</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Katkesta</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Proovi uuesti</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Eira</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulge</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Hülga</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Abi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Rakenda</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Lähtesta</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Taasta vaikeväärtused</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick töötab, kuid ei võtnud faile vastu: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Pakktöötlus peatus: väljundkausta ei mahu rohkem faile.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>Järjekorda jäi 1 fail.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>Järjekorda jäi %n fail.</numerusform>
            <numerusform>Järjekorda jäi %n faili.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>logi: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Lisa fail.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lisa</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Peatatud.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Valmis.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>1 faili ei õnnestunud teisendada:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>%n faili ei õnnestunud teisendada:</numerusform>
            <numerusform>%n faili ei õnnestunud teisendada:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Väljundvormingut pole valitud</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>kodeerija ei väljastanud midagi</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>peatatud</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Kodeerija peatus ootamatult.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>selle pilt on Dolby Vision profiil %1, mille värve näitab õigesti ainult Dolby Visioni toega mängija; „Sama mis allikas (koopia)“ jätab selle muutmata</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>ajutist kausta %1 ei saa kasutada esimese läbimise logi jaoks</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>tulemus oli %1 sihtmärgist %2: pilt rohkem ei vaja</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>kodeeriti uuesti kiirusel %1 kb/s: kiirusel %2 kb/s oli tulemus %3, üle sihtmärgi %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>kodeeriti uuesti kiirusel %1 kb/s: kiirusel %2 kb/s oli tulemus %3, tublisti alla sihtmärgi %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>tulemus oli %1, üle sihtmärgi %2, kuidas seda ka ei kodeeritud</translation>
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
        <translation>%1 on link asukohale %2, mida pole olemas.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 ei ole programm.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 pole olemas.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick teisendab FFmpegiga, mis pole paigaldatud. Paigalda see (Debianis ja Ubuntus: apt install ffmpeg) ja lingi seejärel kodeerija sellele:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick teisendab FFmpegiga, mis on paigaldatud asukohta %1. Lingi kodeerija sellele:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Kodeerija puudub, seega ei saa midagi teisendada.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Sihtkoht</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Kuhu failid lähevad: vorming ja suurim fail, mida see sihtkoht vastu võtab</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Puudub</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Lohista videod siia või klõpsa alustamiseks.
DVD- või Blu-ray-plaadi lugemiseks kasuta ülal nuppu „Loe DVD“.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Vali DVD-seade:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Loe DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Failide loend:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Lisa fail</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Lisa failid kaustast</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Eemalda valitud fail loendist</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Abi</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Sätted</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Eemalda kõik failid</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Väljundvorming:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Väljundvorming</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Video kvaliteet (bitikiirus, kbit/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Video bitikiirus</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Väljundkaust:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Vali kaust väljundi jaoks</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Vali väljundkaust</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Arvamus</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Saada meile oma ettepanek või küsimus</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Kõik käsud</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Lisa failide loendisse uus fail</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Eemalda fail failide loendist</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Alusta teisendamist</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Abi ja õpetus</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Välju</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Minimeeri aken</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Lohista meediafailid sellele alale</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Pööra:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Pööramise säte</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>fail %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, jäänud %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Video bitikiirus kilobittides sekundis</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Tooteleht</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Vali väljundkaust</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Kõik käsud</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Praeguse faili edenemine</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Teisenda kohe!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Vali kaust:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Minutid peavad olema alla 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minutid</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Sekundid peavad olema alla 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Sekundid</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Väljundkausta ei saanud luua:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Väljundkausta ei saa kirjutada:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (MPEG4-video, kõrge kvaliteet)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (H264-video)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (MPEG4-video, standardne)</translation>
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
        <translation>Sama mis allikas (koopia)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>kvantija</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Käsurida on tühi</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe nurjus. Viga: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Faili või käsku ei leitud</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Failinimi</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Vorming</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>Püsikvaliteet</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Sama kvaliteet suurusest olenemata: vormingu kvaliteeditasemed bitikiiruste asemel</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Sihtsuurus...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Kogu faili suurim lubatud suurus koos heliga; tulemus on kõige rohkem nii suur ja selle lähedal</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Sihtsuurus: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Sihtsuurus (kogu fail):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Sihtsuurus, määratud menüüs</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Püsikvaliteet: väiksemad arvud näevad parem välja ja võtavad rohkem ruumi</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Sihtsuurus</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Kõige rohkem, mida kogu fail koos heliga võib võtta, megabaitides nagu failihaldurid neid loevad (1 MB = 1 000 000 baiti), või arv, mille järel on K või G: 25M, 700MB, 4G.
Tühi: sihtmärki pole, jälle bitikiirus või kvaliteet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>„%1“ pole suurus. Kirjuta megabaitide arv või arv, mille järel on K, M või G: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Video kvaliteet (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° päripäeva</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° vastupäeva</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Peegelda vertikaalselt</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Peegelda horisontaalselt</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Puudub</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Eelmine pakktöötlus katkes ja 1 fail jäi teisendamata. Kas lisada see uuesti järjekorda?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Eelmine pakktöötlus katkes ja %n fail jäi teisendamata. Kas lisada see uuesti järjekorda?</numerusform>
            <numerusform>Eelmine pakktöötlus katkes ja %n faili jäi teisendamata. Kas lisada need uuesti järjekorda?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>selle kestus pole teada, seega ei saa suurust sihtida</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 on vähem, kui ainuüksi heli vajab; väikseim sobiv suurus on %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 jätab liiga vähe vaatamisväärse pildi jaoks; väikseim sobiv suurus on %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Videote teisendamine</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>tundmatu valjus „%1“: vali ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off või LUFS-arv vahemikus -40 kuni -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Lohista videofailid siia</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Otsimine...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Järjekord on täis: sinna mahub kuni %1 faili. 1 faili ei lisatud.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Järjekord on täis: sinna mahub kuni %1 faili. %n faili ei lisatud.</numerusform>
            <numerusform>Järjekord on täis: sinna mahub kuni %1 faili. %n faili ei lisatud.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 faili ei lisatud: selle nimi pole korrektne UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n faili ei lisatud: selle nimi pole korrektne UTF-8.</numerusform>
            <numerusform>%n faili ei lisatud: nende nimed pole korrektne UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Ava failid</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Kõik vormingud</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Vali DVD-seade</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Lohista video siia</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ava fail</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>ajavahemik lõpeb ajal %1, mis pole pärast selle algust ajal %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>ajavahemik algab ajal %1, kuid video on ainult %2 pikk</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Algus „%1“ pole aeg. Kirjuta sekundid, m:ss või h:mm:ss, näiteks 90, 1:30 või 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Lõpp „%1“ pole aeg. Kirjuta sekundid, m:ss või h:mm:ss, näiteks 90, 1:30 või 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Lõpp peab olema pärast algust.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 kuni %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>alates %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>kuni %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Ajavahemik</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>algus</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>lõpp</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Sekundid, m:ss või h:mm:ss, näiteks 90, 1:30 või 1:02:03.5. Jäta aeg tühjaks, kui soovid algust või lõppu.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Algus:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Lõpp:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Kasutus: tarnwick-cli [võtmed] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Teisendab videofaile FFmpeg-kodeerijaga: ühe faili iga SOURCE kohta või iga
faili, mille kaustaotsing leiab (kausta enda failid ning alamkaustades olevad
VOB- ja M2TS-pealkirjafailid; kaustalinke ei järgita).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Väljundfailide nimed on &lt;allika nimi&gt;_&lt;tund&gt;&lt;minut&gt;&lt;sekund&gt;.&lt;laiend&gt;; juba
võetud nimi saab lõpu _2, _3, ... Väljundkaustas ei kirjutata midagi üle ja
lõpetamata väljundfail eemaldatakse.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Väljumiskood: 0 kõik teisendatud, 1 vähemalt üks nurjus, 2 vale kasutus,
3 kodeerijat pole (puudub FFmpeg, mis on programmi kaustas lingitud kui
data/conv.exe), 130 peatatud klahvidega Ctrl+C või lõpetamissignaaliga.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 on antud mitu korda</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>tundmatu vorming „%1“ (võimalikud: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>bitikiirus peab olema täisarv kilobittides sekundis (1 kuni 1000000): „%1“</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>tundmatu pööre „%1“ (võimalikud: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output vajab kausta</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs ootab arvu vahemikus 1 kuni 256 või „auto“: „%1“</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate ei kehti vormingule copy, mis ei kodeeri midagi ümber</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate ei kehti vormingule copy, mis ei kodeeri midagi ümber</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>SOURCE on andmata</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>teisendatud %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>nurjus %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>teisendatud %1, nurjus %2%3, aeg %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, peatatud</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  fail %3/%4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 töös)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  jäänud %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Lisateave: „tarnwick-cli --help“.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>pole midagi teisendada</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (vaikimisi)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr ei kehti vormingule copy, mis ei kodeeri midagi ümber</translation>
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
        <translation>Bitikiiruse asemel:
  -q, --quality N        püsikvaliteet vormingu enda skaalal: H.264, H.265, AV1
                         ja VP9 puhul CRF, MPEG-4, MPEG-1 ja WMV puhul
                         kvantija; väiksem on parem (iga skaala ja selle
                         vaikeväärtus: vt --list-formats)
      --size SIZE        kogu fail koos heliga kõige rohkem SIZE ja selle
                         lähedal: 25M, 700MB, 4G, kümnendühikutes nagu
                         failihaldurid loevad (1M = 1 000 000 baiti; MiB ja GiB
                         on kahendühikud); kaks läbimist, kui kodeerija neid
                         toetab</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Iga allika osa, ajad T sekundites, m:ss või h:mm:ss, soovi korral murdosaga
(90, 1:30, 1:02:03.5):
      --start T          alates T-st; copy algab võtmekaadrist T juures või
                         enne seda
      --end T            kuni T-ni; allika lõpust kaugemal olev lõpp on allika
                         lõpp</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality ja --size määravad kõik pildi kvaliteedi: anna neist ainult üks</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>vormingu %1 kvaliteet peab olema täisarv vahemikus %2 (parim) kuni %3: „%4“</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>suurus peab olema megabaitide arv või arv, mille järel on K, M või G (25M, 700MB, 4G): „%1“</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 vajab aega sekundites, m:ss või h:mm:ss (näiteks 90, 1:30 või 1:02:03.5): „%2“</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) peab olema pärast --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end peab olema pärast algust: „%1“</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality ei kehti vormingule copy, mis ei kodeeri midagi ümber</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size ei kehti vormingule copy, mis ei kodeeri midagi ümber</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>kvaliteet %1, %2 (parim) kuni %3</translation>
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
        <translation>Võtmed:
  -f, --format NAME      väljundvorming, üks järgmistest:
%1
  -b, --bitrate KBITS    video bitikiirus kilobittides sekundis
                         (vaikimisi: vormingu oma, vt --list-formats)
  -r, --rotate NAME      none (vaikimisi), cw, ccw, vflip, hflip, 180
  -o, --output DIR       väljundkaust, luuakse vajadusel (vaikimisi ./output)
      --web              veebi jaoks: MP4- ja MOV-failide indeks algusesse,
                         et brauser saaks neid juba laadimise ajal esitada
      --sdr              HDR SDR-iks: HDR-allikatest saab igas vormingus SDR;
                         muidu säilitavad H.265, AV1 ja VP9 HDR-i 10 bitis
      --crop             kärbi mustad ribad, milles kõik pildid ühtivad
      --loudness TARGET  iga faili heli ühele valjusele, tõelised tipud
                         alla -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) või LUFS-arv vahemikus -40 kuni -5
  -j, --jobs N           N teisendust korraga; „auto“: üks tuuma kohta
      --disc DIR         lisa järjekorda DIR-i all olevad DVD kausta VIDEO_TS
                         või Blu-ray kausta BDMV/STREAM pealkirjafailid
                         (korratav)
  -n, --dry-run          väljasta iga faili käsud, ära teisenda midagi
      --json             üks JSON-sündmus rea kohta standardväljundisse
      --list-formats     väljasta vormingud koos vaikimisi bitikiirustega
  -h, --help             see tekst
  -v, --version          programmi versioon</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop ei kehti vormingule copy, mis ei kodeeri midagi ümber</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>tundmatu sihtkoht „%1“ võtmele --for (võimalikud: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 valib vormingu ja suuruse ise: jäta %2 ära</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Vormingu ja suuruse asemel faili sihtkoht:
      --for NAME         sihtkoha vorming ja suurim fail, üks järgmistest:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, kuni %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, indeks ees</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Peata</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Sellel töölaual pole midagi, mis abi avaks. See asub siin:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Sellel töölaual pole midagi, mis õpetuse avaks. See asub siin:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Sellel töölaual pole midagi, mis tootelehe avaks. See asub siin:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Sellel töölaual pole e-posti programmi. Aadress on:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Lisa fail</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Lisa kaust</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eemalda</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Eemalda kõik</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Loe DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Alusta</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Sätted...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Abi</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Õpetus</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Tooteleht</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Saada tagasisidet</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Ava logikaust</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Sellel töölaual pole midagi, mis logikausta avaks. See asub siin:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Välju</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Pööra</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Veebi jaoks</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>MP4- ja MOV-failid, mille indeks on alguses, et brauser saaks neid juba laadimise ajal esitada</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Samaaegsed teisendused</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automaatne</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 fail teisendatud</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n fail teisendatud</numerusform>
            <numerusform>%n faili teisendatud</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, %1 nurjus.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Pakktöötlus peatatud</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Pakktöötlus valmis</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR SDR-iks</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>HDR-video muutub igas vormingus tavaliseks SDR-videoks, ka H.265, AV1 ja VP9 puhul, mis muidu säilitavad HDR-i</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Ajavahemik...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Ühtlane valjus</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Väljas</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Ringhääling, EBU R128 (-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>Taskuhääling (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>Voogedastus (-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Väljund</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Kärbi mustad ribad</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Iga pilt kärbitud selleks, mis jääb tema letterbox- või pillarbox-ribade vahele</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Sätted</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Helisignaal</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Sees</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Väljas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tagasi</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Muusikalõikur</translation>
    </message>
</context>
</TS>
