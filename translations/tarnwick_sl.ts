<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;V redu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Shrani</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Prekliči</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zapri</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Zapri brez shranjevanja</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Shrani</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Shrani vse</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Odpri</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da za &amp;vse</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;e za vse</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Prekini</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Poskusi znova</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Prezri</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zapri</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Zavrzi</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoč</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uveljavi</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ponastavi</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Obnovi privzete</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick se izvaja, vendar ni prevzel datotek: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Paketna obdelava se je ustavila: izhodna mapa ne sprejme več datotek.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>V vrsti je ostala 1 datoteka.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>V vrsti je ostala %n datoteka.</numerusform>
            <numerusform>V vrsti sta ostali %n datoteki.</numerusform>
            <numerusform>V vrsti so ostale %n datoteke.</numerusform>
            <numerusform>V vrsti je ostalo %n datotek.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>dnevnik: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Dodajte datoteko.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodajanje</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Ustavljeno.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Končano.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>1 datoteke ni bilo mogoče pretvoriti:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>%n datoteke ni bilo mogoče pretvoriti:</numerusform>
            <numerusform>%n datotek ni bilo mogoče pretvoriti:</numerusform>
            <numerusform>%n datotek ni bilo mogoče pretvoriti:</numerusform>
            <numerusform>%n datotek ni bilo mogoče pretvoriti:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Izhodna oblika ni izbrana</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>kodirnik ni izpisal ničesar</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>ustavljeno</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Kodirnik se je nepričakovano ustavil.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>njegova slika je Dolby Vision profila %1, katere barve pravilno prikaže le predvajalnik Dolby Vision; Kot vir (kopija) jo ohrani takšno, kot je</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>začasne mape %1 ni mogoče uporabiti za dnevnik prvega prehoda</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>rezultat ima %1 od cilja %2: slika ne potrebuje več</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>znova kodirano pri %1 kb/s: pri %2 kb/s je rezultat imel %3, nad ciljem %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>znova kodirano pri %1 kb/s: pri %2 kb/s je rezultat imel %3, precej pod ciljem %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>rezultat ima %1, nad ciljem %2, ne glede na način kodiranja</translation>
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
        <translation>E-pošta (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 je povezava na %2, ki ne obstaja.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 ni program.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 ne obstaja.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick pretvarja s FFmpeg, ki ni nameščen. Namestite ga (v Debianu in Ubuntuju: apt install ffmpeg), nato nanj povežite kodirnik:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick pretvarja s FFmpeg, ki je nameščen kot %1. Nanj povežite kodirnik:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Kodirnik manjka, zato ni mogoče pretvoriti ničesar.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Namenjeno za</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Kam gredo datoteke: oblika in največja datoteka, ki jo tisto mesto sprejme</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Brez</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Spustite videoposnetke sem ali kliknite za začetek.
DVD ali Blu-ray preberete z gumbom »Beri DVD« zgoraj.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Izberite pogon DVD:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Beri DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Seznam datotek:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Dodaj datoteko</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Dodaj datoteke iz mape</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Odstrani izbrano datoteko s seznama</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoč</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Nastavitve</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Odstrani vse datoteke</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Izhodna oblika:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Izhodna oblika</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Kakovost videa (bitna hitrost, kb/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Bitna hitrost videa</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Izhodna mapa:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Izberite mapo za izhod</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Izberite izhodno mapo</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Odziv</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Pošljite nam predlog ali vprašanje</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Vsi ukazi</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Dodaj novo datoteko na seznam datotek</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Odstrani datoteko s seznama datotek</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Začni pretvarjanje</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Pomoč in vodnik</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Končaj</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Skrči okno</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Povlecite predstavnostne datoteke na to območje</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Zasuk:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Nastavitev zasuka</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>datoteka %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, še %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Bitna hitrost videa v kilobitih na sekundo</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Stran izdelka</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Izberite izhodno mapo</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Vsi ukazi</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Napredek trenutne datoteke</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Pretvori zdaj!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Izberite mapo:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Minute morajo biti manj kot 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Sekunde morajo biti manj kot 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Sekunde</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Izhodne mape ni bilo mogoče ustvariti:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>V izhodno mapo ni mogoče pisati:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (video MPEG4, visoka kakovost)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (video H264)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (video MPEG4, standardni)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (video Apple/QuickTime)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (video Flash)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (video MPEG1)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (video H.265/HEVC)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (video AV1)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (video AV1)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (video VP9)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (video H.264)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>Kot vir (kopija)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>kvantizator</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Ukazna vrstica je prazna</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe ni uspel. Napaka: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Datoteke ali ukaza ni mogoče najti</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Ime datoteke</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Oblika</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>Stalna kakovost</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Enaka kakovost ne glede na velikost: ravni kakovosti formata namesto bitnih hitrosti</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Ciljna velikost ...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Največja velikost cele datoteke, skupaj z zvokom; rezultat bo največ tolikšen in blizu tega</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Ciljna velikost: %1 ...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Ciljna velikost (cela datoteka):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Ciljna velikost, nastavljena v meniju</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Stalna kakovost: manjša števila so videti bolje in zasedejo več prostora</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Ciljna velikost</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Največ, kar sme zasesti cela datoteka, skupaj z zvokom, v megabajtih, kot jih štejejo upravljalniki datotek (1 MB = 1.000.000 bajtov), ali s K ali G za številom: 25M, 700MB, 4G.
Prazno: brez cilja, spet bitna hitrost ali kakovost.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>»%1« ni velikost. Vpišite število megabajtov ali število s K, M ali G za njim: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Kakovost videa (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° v desno</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° v levo</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Navpično zrcaljenje</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Vodoravno zrcaljenje</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brez</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Zadnja paketna obdelava je bila prekinjena, ostala je 1 datoteka. Jo želite znova dodati v vrsto?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Zadnja paketna obdelava je bila prekinjena, ostala je %n datoteka. Jih želite znova dodati v vrsto?</numerusform>
            <numerusform>Zadnja paketna obdelava je bila prekinjena, ostali sta %n datoteki. Ju želite znova dodati v vrsto?</numerusform>
            <numerusform>Zadnja paketna obdelava je bila prekinjena, ostale so %n datoteke. Jih želite znova dodati v vrsto?</numerusform>
            <numerusform>Zadnja paketna obdelava je bila prekinjena, ostalo je %n datotek. Jih želite znova dodati v vrsto?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>dolžina ni znana, zato ni mogoče ciljati na nobeno velikost</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 je manj, kot potrebuje že sam zvok; najmanjša velikost, ki deluje, je %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 pusti premalo za sliko, vredno ogleda; najmanjša velikost, ki deluje, je %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Pretvarjanje videoposnetkov</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>neznana glasnost »%1«: izberite ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off ali število LUFS od -40 do -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Spustite video sem</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Iskanje ...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Vrsta je polna: sprejme največ %1 datotek. 1 datoteka ni bila dodana.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Vrsta je polna: sprejme največ %1 datotek. %n datoteka ni bila dodana.</numerusform>
            <numerusform>Vrsta je polna: sprejme največ %1 datotek. %n datoteki nista bili dodani.</numerusform>
            <numerusform>Vrsta je polna: sprejme največ %1 datotek. %n datoteke niso bile dodane.</numerusform>
            <numerusform>Vrsta je polna: sprejme največ %1 datotek. %n datotek ni bilo dodanih.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 datoteka ni bila dodana: njeno ime ni veljaven UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n datoteka ni bila dodana: imena datotek niso veljaven UTF-8.</numerusform>
            <numerusform>%n datoteki nista bili dodani: imeni datotek nista veljaven UTF-8.</numerusform>
            <numerusform>%n datoteke niso bile dodane: imena datotek niso veljaven UTF-8.</numerusform>
            <numerusform>%n datotek ni bilo dodanih: imena datotek niso veljaven UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Odpri datoteke</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Vse oblike</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Izberite pogon DVD</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Sem povlecite video</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Odpri datoteko</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>časovni obseg se konča pri %1, kar ni za njegovim začetkom pri %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>časovni obseg se začne pri %1, video pa traja le %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Začetek »%1« ni čas. Vpišite sekunde, m:ss ali h:mm:ss, na primer 90, 1:30 ali 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Konec »%1« ni čas. Vpišite sekunde, m:ss ali h:mm:ss, na primer 90, 1:30 ali 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Konec mora biti za začetkom.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 do %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>od %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>do %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Časovni obseg</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>začetek</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>konec</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Sekunde, m:ss ali h:mm:ss, na primer 90, 1:30 ali 1:02:03.5. Prazen čas pomeni začetek ali konec.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Začetek:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Konec:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Uporaba: tarnwick-cli [možnosti] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Pretvarja videodatoteke s kodirnikom FFmpeg: eno datoteko za vsak SOURCE ali
vsako datoteko, ki jo najde iskanje po mapi (datoteke same mape ter naslovne
datoteke VOB in M2TS v mapah pod njo; povezavam na mape ne sledi).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Izhodne datoteke se imenujejo &lt;ime vira&gt;_&lt;ura&gt;&lt;minuta&gt;&lt;sekunda&gt;.&lt;pripona&gt;;
že zasedeno ime dobi _2, _3, ... V izhodni mapi se nič ne prepiše,
nedokončana izhodna datoteka pa se odstrani.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Izhodno stanje: 0 vse pretvorjeno, 1 ena ali več ni uspela, 2 napačna uporaba,
3 ni kodirnika (FFmpeg, povezan kot data/conv.exe v mapi programa, manjka),
130 ustavljeno s Ctrl+C ali signalom za končanje.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 je podan več kot enkrat</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>neznana oblika »%1« (ena od: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>bitna hitrost mora biti celo število kilobitov na sekundo (od 1 do 1000000): »%1«</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>neznan zasuk »%1« (eden od: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output potrebuje mapo</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs sprejme število od 1 do 256 ali »auto«: »%1«</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate ne velja za copy, ki ničesar ne kodira znova</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate ne velja za copy, ki ničesar ne kodira znova</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>ni podanega SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>pretvorjeno %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>ni uspelo %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>pretvorjenih: %1, neuspelih: %2%3, čas: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, ustavljeno</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2 %  datoteka %3 od %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 v teku)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  še %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Za več informacij poskusite »tarnwick-cli --help«.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>ni ničesar za pretvorbo</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (privzeto)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr ne velja za copy, ki ničesar ne kodira znova</translation>
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
        <translation>Namesto bitne hitrosti:
  -q, --quality N        stalna kakovost na formatovi lastni lestvici: CRF za
                         H.264, H.265, AV1 in VP9, kvantizator za MPEG-4,
                         MPEG-1 in WMV; manj je bolje (lestvico in privzeto
                         vrednost vsakega formata izpiše --list-formats)
      --size SIZE        cela datoteka, skupaj z zvokom, največ SIZE in blizu
                         tega: 25M, 700MB, 4G, v desetiških enotah, kot štejejo
                         upravljalniki datotek (1M = 1.000.000 bajtov; MiB in
                         GiB sta dvojiški); dva prehoda, kjer ju kodirnik
                         podpira</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Del vsakega vira, s časi T v sekundah, m:ss ali h:mm:ss, po želji z
decimalnim delom (90, 1:30, 1:02:03.5):
      --start T          od T; copy začne pri ključni sličici pri T ali pred
                         njim
      --end T            do T; konec za koncem vira je konec vira</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality in --size vsak določa kakovost slike: podajte le enega od njih</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>kakovost za %1 mora biti celo število od %2 (najboljša) do %3: »%4«</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>velikost mora biti število megabajtov ali število s K, M ali G za njim (25M, 700MB, 4G): »%1«</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 sprejme čas v sekundah, m:ss ali h:mm:ss (na primer 90, 1:30 ali 1:02:03.5): »%2«</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) mora biti za --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end mora biti za začetkom: »%1«</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality ne velja za copy, ki ničesar ne kodira znova</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size ne velja za copy, ki ničesar ne kodira znova</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>kakovost %1, od %2 (najboljša) do %3</translation>
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
        <translation>Možnosti:
  -f, --format NAME      izhodna oblika, ena od:
%1
  -b, --bitrate KBITS    bitna hitrost videa v kilobitih na sekundo
                         (privzeto: hitrost oblike, glejte --list-formats)
  -r, --rotate NAME      none (privzeto), cw, ccw, vflip, hflip, 180
  -o, --output DIR       izhodna mapa, ustvarjena, če manjka (privzeto
                         ./output)
      --web              za splet: datoteke MP4 in MOV dobijo kazalo na
                         začetek, da jih brskalnik predvaja že med prenosom
      --sdr              HDR v SDR: viri HDR postanejo SDR v vsaki obliki;
                         brez nje H.265, AV1 in VP9 ohranijo HDR v 10 bitih
      --crop             obreže črne pasove, ki so skupni vsem slikam
      --loudness TARGET  zvok vsake datoteke na isti glasnosti, pravi vrhovi
                         pod -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) ali število LUFS, od -40 do -5
  -j, --jobs N           N pretvorb hkrati; »auto« za eno na jedro
      --disc DIR         v vrsto doda naslovne datoteke iz VIDEO_TS na DVD-ju
                         ali BDMV/STREAM na Blu-rayu pod DIR (ponovljivo)
  -n, --dry-run          izpiše ukaze za vsako datoteko, ničesar ne pretvori
      --json             en dogodek JSON na vrstico na standardni izhod
      --list-formats     izpiše oblike z njihovimi privzetimi bitnimi
                         hitrostmi
  -h, --help             to besedilo
  -v, --version          različica programa</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop ne velja za copy, ki ničesar ne kodira znova</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>neznano mesto »%1« za --for (eno od: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 sam izbere obliko in velikost: izpustite %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Namesto oblike in velikosti, kam gre datoteka:
      --for NAME         oblika in največja datoteka tistega mesta, eno od:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, največ %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, kazalo na začetku</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Ustavi</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Na tem namizju pomoči ne more odpreti nič. Nahaja se tukaj:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Na tem namizju vodnika ne more odpreti nič. Nahaja se tukaj:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Na tem namizju strani izdelka ne more odpreti nič. Njen naslov je:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Na tem namizju ni poštnega programa. Naslov je:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Dodaj datoteko</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Dodaj mapo</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odstrani</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Odstrani vse</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Beri DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Začni</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Nastavitve ...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoč</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Vodnik</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Stran izdelka</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Pošlji odziv</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Odpri mapo dnevnikov</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Na tem namizju mape dnevnikov ne more odpreti nič. Nahaja se tukaj:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Končaj</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Zasuk</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Za splet</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>Datoteke MP4 in MOV s kazalom na začetku, da jih brskalnik predvaja že med prenosom</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Hkratne pretvorbe</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Samodejno</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>Pretvorjena je 1 datoteka</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>Pretvorjena je %n datoteka</numerusform>
            <numerusform>Pretvorjeni sta %n datoteki</numerusform>
            <numerusform>Pretvorjene so %n datoteke</numerusform>
            <numerusform>Pretvorjenih je %n datotek</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, neuspelih: %1.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Paketna obdelava ustavljena</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Paketna obdelava končana</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR v SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>Video HDR postane navaden video SDR v vsaki obliki, tudi v H.265, AV1 in VP9, ki ga sicer ohranijo v HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Časovni obseg ...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Enakomerna glasnost</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Izklop</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Oddajanje, EBU R128 (-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>Podcast (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>Pretakanje (-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Izhod</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Obreži črne pasove</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Vsaka slika je obrezana na to, kar je znotraj črnih pasov zgoraj in spodaj ali ob straneh</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Nastavitve</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Zvočni opomnik</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Vklop</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Izklop</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazaj</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Rezanje glasbe</translation>
    </message>
</context>
</TS>
