<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Menté&amp;s</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Mégse</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Bezárás</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Bezárás mentés nélkül</translation>
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
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Összes mentése</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Megnyitás</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Igen</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Igen, &amp;mindre</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nem</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Nem, min&amp;dre</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Megszakítás</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Újra</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Mellőzés</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Eldobás</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Visszaállítás</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Alapértelmezések visszaállítása</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>A Tarnwick fut, de nem vette át a fájlokat: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>A kötegelt feldolgozás leállt: a kimeneti mappába nem fér több fájl.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>1 fájl maradt a várólistán.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>%n fájl maradt a várólistán.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>napló: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Adjon hozzá egy fájlt.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hozzáadás</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Leállítva.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Kész.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>1 fájlt nem sikerült konvertálni:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>%n fájlt nem sikerült konvertálni:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Nincs kiválasztva kimeneti formátum</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>a kódoló nem írt ki semmit</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>leállítva</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>A kódoló váratlanul leállt.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>a képe Dolby Vision (%1. profil), amelynek színeit csak Dolby Vision-lejátszó mutatja helyesen; az „Ugyanaz, mint a forrás (másolás)” változatlanul megtartja</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>a(z) %1 ideiglenes mappa nem használható az első menet naplójához</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>az eredmény %1 lett a(z) %2 célból: a képnek nincs szüksége többre</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>újrakódolva %1 kb/s-mal: %2 kb/s-mal az eredmény %3 lett, a(z) %4 cél felett</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>újrakódolva %1 kb/s-mal: %2 kb/s-mal az eredmény %3 lett, jóval a(z) %4 cél alatt</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>az eredmény %1 lett, a(z) %2 cél felett, akárhogy is lett kódolva</translation>
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
        <translation>%1 egy nem létező célra mutató hivatkozás: %2.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 nem program.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 nem létezik.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>A Tarnwick az FFmpeg segítségével konvertál, de az nincs telepítve. Telepítse (Debian és Ubuntu alatt: apt install ffmpeg), majd irányítsa rá a kódoló hivatkozását:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>A Tarnwick az FFmpeg segítségével konvertál, amely itt van telepítve: %1. Irányítsa rá a kódoló hivatkozását:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>A kódoló hiányzik, így semmit sem lehet konvertálni.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Célhely</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Hová kerülnek a fájlok: a formátum és a legnagyobb fájl, amelyet az a hely elfogad</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Nincs</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Húzza ide a videókat, vagy kattintson a kezdéshez.
DVD-t vagy Blu-rayt a fenti „Beolvasás” gombbal olvashat be.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Válasszon DVD-meghajtót:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Beolvasás</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Fájllista:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Fájl hozzáadása</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Fájlok hozzáadása mappából</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>A kijelölt eltávolítása a listáról</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Minden fájl eltávolítása</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Kimeneti formátum:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Kimeneti formátum</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Videominőség (bitráta, kbit/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Videó bitrátája</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Kimeneti mappa:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Válasszon mappát a kimenethez</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Kimeneti mappa kiválasztása</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Javaslat</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Küldje el nekünk javaslatát vagy kérdését</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Minden parancs</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Új fájl hozzáadása a fájllistához</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Fájl eltávolítása a fájllistáról</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Konvertálás indítása</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Súgó és útmutató</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Ablak minimalizálása</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Húzza a médiafájlokat erre a területre</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Forgatás:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Forgatás beállítása</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>%1/%2. fájl</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, még %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Videó bitrátája kilobit/másodpercben</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Termékoldal</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Kimeneti mappa kiválasztása</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Minden parancs</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Az aktuális fájl előrehaladása</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Konvertálás most!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Válasszon mappát:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>A percnek 60-nál kisebbnek kell lennie</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Perc</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>A másodpercnek 60-nál kisebbnek kell lennie</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Másodperc</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>A kimeneti mappa nem hozható létre:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>A kimeneti mappa nem írható:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (MPEG4 videó, kiváló minőség)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (H264 videó)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (MPEG4 videó, szabványos)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (Apple/QuickTime videó)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (Flash videó)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (MPEG1 videó)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (H.265/HEVC videó)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (AV1 videó)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (AV1 videó)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (VP9 videó)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (H.264 videó)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>Ugyanaz, mint a forrás (másolás)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>kvantáló</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>A parancssor üres</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>A CreatePipe sikertelen. Hiba: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>A fájl vagy a parancs nem található</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Fájlnév</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formátum</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>Állandó minőség</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Ugyanaz a minőség méretétől függetlenül: a formátum minőségi szintjei bitráták helyett</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Célméret...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>A teljes fájl legnagyobb mérete a hanggal együtt; az eredmény legfeljebb ekkora, és közel lesz hozzá</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Célméret: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Célméret (a teljes fájl):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Célméret, a menüben beállítva</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Állandó minőség: a kisebb számok jobban néznek ki, és több helyet foglalnak</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Célméret</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>A teljes fájl legfeljebb ennyi helyet foglalhat a hanggal együtt, megabájtban, ahogy a fájlkezelők számolják (1 MB = 1 000 000 bájt), vagy a szám után K-val vagy G-vel: 25M, 700MB, 4G.
Üres: nincs cél, ismét a bitráta vagy a minőség.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>A(z) „%1” nem méret. Írjon be megabájtszámot, vagy egy számot K, M vagy G utótaggal: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Videominőség (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° az óramutató járásával egyezően</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° az óramutató járásával ellentétesen</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Függőleges tükrözés</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Vízszintes tükrözés</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nincs</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Az előző kötegelt feldolgozás megszakadt, 1 fájl maradt hátra. Felveszi újra a várólistára?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Az előző kötegelt feldolgozás megszakadt, %n fájl maradt hátra. Felveszi őket újra a várólistára?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>a hossza nem ismert, így nem lehet méretet megcélozni</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 kevesebb, mint amennyi magának a hangnak kell; a legkisebb működő méret: %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 túl keveset hagy egy nézhető képhez; a legkisebb működő méret: %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Videók konvertálása</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>ismeretlen hangosság: „%1”; válasszon: ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, vagy egy LUFS-értéket -40 és -5 között</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Húzza ide a videofájlokat</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Keresés...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>A várólista megtelt: legfeljebb %1 fájlt tartalmazhat. 1 fájl nem lett hozzáadva.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>A várólista megtelt: legfeljebb %1 fájlt tartalmazhat. %n fájl nem lett hozzáadva.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 fájl nem lett hozzáadva: a neve nem érvényes UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n fájl nem lett hozzáadva: a nevük nem érvényes UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Fájlok megnyitása</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Minden formátum</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Válasszon DVD-meghajtót</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Húzza ide a videót</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Fájl megnyitása</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>az időtartomány vége (%1) nem a kezdete (%2) után van</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>az időtartomány kezdete %1, de a videó csak %2 hosszú</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>A(z) „%1” kezdet nem időpont. Adjon meg másodperceket, m:ss vagy h:mm:ss formát, például 90, 1:30 vagy 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>A(z) „%1” vég nem időpont. Adjon meg másodperceket, m:ss vagy h:mm:ss formát, például 90, 1:30 vagy 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>A végnek a kezdet után kell lennie.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>ettől: %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>eddig: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Időtartomány</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>az eleje</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>a vége</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Másodpercek, m:ss vagy h:mm:ss, például 90, 1:30 vagy 1:02:03.5. Az elejéhez vagy a végéhez hagyja üresen az időt.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Kezdet:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Vég:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Használat: tarnwick-cli [kapcsolók] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Videofájlokat konvertál az FFmpeg kódolóval: SOURCE-onként egy fájlt, vagy
minden fájlt, amelyet egy mappában keresés talál (a mappa saját fájljait,
valamint az alatta lévő mappák VOB és M2TS címfájljait; a mappákra mutató
hivatkozásokat nem követi).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>A kimenetek neve &lt;forrás neve&gt;_&lt;óra&gt;&lt;perc&gt;&lt;másodperc&gt;.&lt;kiterjesztés&gt;; a már
foglalt név _2, _3, ... végződést kap. A kimeneti mappában semmi sem íródik
felül, a be nem fejezett kimenet pedig törlődik.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Kilépési kód: 0 minden konvertálva, 1 egy vagy több sikertelen, 2 hibás
használat, 3 nincs kódoló (hiányzik az FFmpeg, amelyre data/conv.exe néven
mutat hivatkozás a programmappában), 130 leállítva Ctrl+C-vel vagy
leállítási jelzéssel.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 többször is meg van adva</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>ismeretlen formátum: „%1” (lehetséges: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>a bitrátának egész számnak kell lennie kilobit/másodpercben (1–1000000): „%1”</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>ismeretlen forgatás: „%1” (lehetséges: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>a --output kapcsolóhoz mappa kell</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>a --jobs értéke 1 és 256 közötti szám vagy „auto” lehet: „%1”</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>a --bitrate nem vonatkozik a copy formátumra, amely semmit sem kódol újra</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>a --rotate nem vonatkozik a copy formátumra, amely semmit sem kódol újra</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>nincs megadva SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>konvertálva: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>sikertelen: %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>%1 konvertálva, %2 sikertelen%3, idő: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, leállítva</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  %3/%4. fájl</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 fut)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  még %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Részletek: „tarnwick-cli --help”.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>nincs mit konvertálni</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (alapértelmezett)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>a --sdr nem vonatkozik a copy formátumra, amely semmit sem kódol újra</translation>
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
        <translation>Bitráta helyett:
  -q, --quality N        állandó minőség a formátum saját skáláján: H.264,
                         H.265, AV1 és VP9 esetén a CRF, MPEG-4, MPEG-1 és WMV
                         esetén a kvantáló; a kisebb jobb (a skálákat és
                         alapértékeiket lásd: --list-formats)
      --size SIZE        a teljes fájl a hanggal együtt legfeljebb SIZE és
                         közel hozzá: 25M, 700MB, 4G, decimális egységekben,
                         ahogy a fájlkezelők számolnak (1M = 1 000 000 bájt; a
                         MiB és a GiB bináris); két menet, ahol a kódoló
                         támogatja</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Minden forrás egy része, T időpontokkal másodpercben, m:ss vagy h:mm:ss
formában, igény szerint törtrésszel (90, 1:30, 1:02:03.5):
      --start T          T-től; a copy a T-nél vagy előtte lévő kulcskockánál
                         kezd
      --end T            T-ig; a forrás végén túli vég a forrás vége</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>a --bitrate, a --quality és a --size mind a kép minőségét szabja meg: csak az egyiket adja meg</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>a(z) %1 minőségének egész számnak kell lennie %2 (legjobb) és %3 között: „%4”</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>a méretnek megabájtszámnak kell lennie, vagy K, M vagy G utótagos számnak (25M, 700MB, 4G): „%1”</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>a --%1 időt vár másodpercben, m:ss vagy h:mm:ss formában (például 90, 1:30 vagy 1:02:03.5): „%2”</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>a --end (%1) értékének a --start (%2) után kell lennie</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>a --end értékének az eleje után kell lennie: „%1”</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>a --quality nem vonatkozik a copy formátumra, amely semmit sem kódol újra</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>a --size nem vonatkozik a copy formátumra, amely semmit sem kódol újra</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>minőség %1, %2 (legjobb) – %3</translation>
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
        <translation>Kapcsolók:
  -f, --format NAME      a kimeneti formátum, a következők egyike:
%1
  -b, --bitrate KBITS    videó bitrátája kilobit/másodpercben
                         (alapértelmezett: a formátumé, lásd --list-formats)
  -r, --rotate NAME      none (alapértelmezett), cw, ccw, vflip, hflip, 180
  -o, --output DIR       kimeneti mappa, szükség esetén létrejön
                         (alapértelmezett: ./output)
      --web              webre: az MP4 és MOV fájlok indexe az elejükre kerül,
                         így a böngésző már letöltés közben lejátssza őket
      --sdr              HDR-ből SDR: a HDR-forrás minden formátumban
                         SDR lesz; nélküle a H.265, AV1 és VP9 10 biten
                         megtartja a HDR-t
      --crop             a képeken egyezően látható fekete sávok levágása
      --loudness TARGET  minden fájl hangja egy hangosságon, a valódi csúcsok
                         -1 dBTP alatt: ebu (-23 LUFS), stream (-14),
                         podcast (-16) vagy LUFS-érték -40 és -5 között
  -j, --jobs N           N konvertálás egyszerre; „auto”: magonként egy
      --disc DIR         a DIR alatti DVD VIDEO_TS vagy Blu-ray BDMV/STREAM
                         címfájljainak felvétele a várólistára (ismételhető)
  -n, --dry-run          minden fájl parancsainak kiírása, konvertálás nélkül
      --json             soronként egy JSON-esemény a szabványos kimenetre
      --list-formats     a formátumok kiírása alapértelmezett bitrátájukkal
  -h, --help             ez a szöveg
  -v, --version          a program verziója</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>a --crop nem vonatkozik a copy formátumra, amely semmit sem kódol újra</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>ismeretlen hely a --for kapcsolóhoz: „%1” (lehetséges: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>a --for %1 maga választja ki a formátumot és a méretet: hagyja el ezt: %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Formátum és méret helyett az, hogy hová kerül a fájl:
      --for NAME         a hely formátuma és legnagyobb fájlja, egyike:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, legfeljebb %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, index elöl</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Leállítás</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Ezen az asztali környezeten semmi sem tudja megnyitni a súgót. Itt található:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Ezen az asztali környezeten semmi sem tudja megnyitni az útmutatót. Itt található:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Ezen az asztali környezeten semmi sem tudja megnyitni a termékoldalt. Címe:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Ezen az asztali környezeten nincs levelezőprogram. A cím:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Fájl hozzáadása</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Mappa hozzáadása</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eltávolítás</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Összes eltávolítása</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>DVD beolvasása</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Indítás</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Beállítások...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Útmutató</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Termékoldal</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Visszajelzés küldése</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Naplómappa megnyitása</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Ezen az asztali környezeten semmi sem tudja megnyitni a naplómappát. Itt található:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Forgatás</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Webre optimalizálva</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>MP4 és MOV fájlok az elejükön az indexszel, így a böngésző már letöltés közben lejátssza őket</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Egyidejű konvertálások</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatikus</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 fájl konvertálva</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n fájl konvertálva</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, %1 sikertelen.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>A kötegelt feldolgozás leállt</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>A kötegelt feldolgozás kész</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR-ből SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>A HDR-videó minden formátumban hagyományos SDR-videóvá válik, a H.265, AV1 és VP9 formátumban is, amelyek egyébként megtartják a HDR-t</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Időtartomány...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Egyenletes hangerő</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Műsorszórás, EBU R128 (-23 LUFS)</translation>
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
        <translation>Kimenet</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Fekete sávok levágása</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Minden kép a letterbox vagy pillarbox sávjain belüli részre vágva</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Hangjelzés</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Be</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Zenevágó</translation>
    </message>
</context>
</TS>
