<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;U redu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spremi</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Odustani</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zatvori</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Zatvori bez spremanja</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spremi</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Spremi sve</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>D&amp;a, za sve</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;e, za sve</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Prekini</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Pokušaj ponovo</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Zanemari</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odbaci</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoć</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetiraj</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Vrati na zadane vrijednosti</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick je pokrenut, ali nije preuzeo datoteke: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Skupna obrada je zaustavljena: u izlaznu mapu ne stane više datoteka.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>U redu čekanja ostala je 1 datoteka.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>U redu čekanja ostala je %n datoteka.</numerusform>
            <numerusform>U redu čekanja ostale su %n datoteke.</numerusform>
            <numerusform>U redu čekanja ostalo je %n datoteka.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>zapisnik: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Dodajte datoteku.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Prekinuto.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Gotovo.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>1 datoteku nije bilo moguće pretvoriti:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>%n datoteku nije bilo moguće pretvoriti:</numerusform>
            <numerusform>%n datoteke nije bilo moguće pretvoriti:</numerusform>
            <numerusform>%n datoteka nije bilo moguće pretvoriti:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Izlazni format nije odabran</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>koder nije ništa ispisao</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>zaustavljeno</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Koder se neočekivano zaustavio.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>slika mu je Dolby Vision profila %1, čije boje ispravno prikazuje samo Dolby Vision reproduktor; „Isto kao izvor (kopija)” ga ostavlja nepromijenjenim</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>privremena mapa %1 ne može se koristiti za zapisnik prvog prolaza</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>ispalo je %1 od ciljanih %2: slici ne treba više</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>ponovno kodirano s %1 kbit/s: s %2 kbit/s ispalo je %3, iznad cilja %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>ponovno kodirano s %1 kbit/s: s %2 kbit/s ispalo je %3, znatno ispod cilja %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>ispalo je %1, iznad cilja %2, kako god se kodiralo</translation>
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
        <translation>%1 je poveznica na %2, koji ne postoji.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 nije program.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 ne postoji.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick pretvara pomoću FFmpega, koji nije instaliran. Instalirajte ga (na Debianu i Ubuntuu: apt install ffmpeg), a zatim povežite koder s njim:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick pretvara pomoću FFmpega, koji je instaliran kao %1. Povežite koder s njim:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Koder nedostaje pa se ništa ne može pretvoriti.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Odredište</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Kamo idu datoteke: format i najveća datoteka koju to odredište prima</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Ništa</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Ispustite videozapise ovdje ili kliknite za početak.
DVD ili Blu-ray disk učitajte gumbom „Čitaj DVD” iznad.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Odaberite DVD pogon:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Čitaj DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Popis datoteka:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Dodaj datoteku</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Dodaj datoteke iz mape</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Ukloni odabrano s popisa</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoć</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Ukloni sve datoteke</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Izlazni format:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Izlazni format</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Kvaliteta videa (brzina, kbit/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Brzina prijenosa videa</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Izlazna mapa:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Odaberite mapu za izlaz</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Odaberite izlaznu mapu</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Mišljenje</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Pošaljite nam prijedlog ili pitanje</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Sve naredbe</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Dodaj novu datoteku na popis</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Ukloni datoteku s popisa</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Započni pretvaranje</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Pomoć i vodič</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izlaz</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Minimiziraj prozor</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Povucite medijske datoteke u ovo područje</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Zakreni:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Postavka zakretanja</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>video %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, još %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Brzina prijenosa videa u kilobitima po sekundi</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Stranica proizvoda</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Odaberite izlaznu mapu</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Sve naredbe</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Napredak trenutne datoteke</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Pretvori odmah!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Odaberite mapu:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Minute moraju biti manje od 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Sekunde moraju biti manje od 60</translation>
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
        <translation>Izlaznu mapu nije moguće stvoriti:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>U izlaznu mapu nije moguće pisati:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (MPEG4 video, visoka kvaliteta)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (H264 video)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (MPEG4 video, standardni)</translation>
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
        <translation>Isto kao izvor (kopija)</translation>
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
        <translation>Naredbeni redak je prazan</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe nije uspio. Greška: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Datoteka ili naredba nije pronađena</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Naziv datoteke</translation>
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
        <translation>Konstantna kvaliteta</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Ista kvaliteta bez obzira na veličinu: razine kvalitete formata umjesto brzine prijenosa</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Ciljna veličina...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Najveća veličina cijele datoteke, zajedno sa zvukom; datoteka neće biti veća i bit će blizu nje</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Ciljna veličina: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Ciljna veličina (cijela datoteka):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Ciljna veličina, postavljena u izborniku</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Konstantna kvaliteta: manji brojevi izgledaju bolje i zauzimaju više prostora</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Ciljna veličina</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Najviše koliko cijela datoteka smije zauzeti, zajedno sa zvukom, u megabajtima kako ih broje upravitelji datoteka (1 MB = 1.000.000 bajtova), ili s K ili G iza broja: 25M, 700MB, 4G.
Prazno: bez cilja, ponovno brzina prijenosa ili kvaliteta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>„%1” nije veličina. Upišite broj megabajta ili broj s K, M ili G iza njega: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Kvaliteta videa (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° u smjeru kazaljke na satu</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° suprotno od kazaljke na satu</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Zrcali okomito</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Zrcali vodoravno</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ništa</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Posljednja skupna obrada je prekinuta, a ostala je 1 datoteka. Želite li je ponovno staviti u red čekanja?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Posljednja skupna obrada je prekinuta, a ostala je %n datoteka. Želite li je ponovno staviti u red čekanja?</numerusform>
            <numerusform>Posljednja skupna obrada je prekinuta, a ostale su %n datoteke. Želite li ih ponovno staviti u red čekanja?</numerusform>
            <numerusform>Posljednja skupna obrada je prekinuta, a ostalo je %n datoteka. Želite li ih ponovno staviti u red čekanja?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>trajanje nije poznato pa se ne može ciljati veličina</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 je manje nego što treba samom zvuku; najmanja upotrebljiva veličina je %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 ostavlja premalo za gledljivu sliku; najmanja upotrebljiva veličina je %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Pretvaranje videozapisa</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>nepoznata glasnoća „%1”: odaberite ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off ili broj LUFS-a od -40 do -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Ispustite videozapise ovdje</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Traženje...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Red čekanja je pun: najveći broj datoteka je %1. 1 datoteka nije dodana.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Red čekanja je pun: najveći broj datoteka je %1. %n datoteka nije dodana.</numerusform>
            <numerusform>Red čekanja je pun: najveći broj datoteka je %1. %n datoteke nisu dodane.</numerusform>
            <numerusform>Red čekanja je pun: najveći broj datoteka je %1. %n datoteka nije dodano.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 datoteka nije dodana: njezin naziv nije valjan UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n datoteka nije dodana: njezin naziv nije valjan UTF-8.</numerusform>
            <numerusform>%n datoteke nisu dodane: njihovi nazivi nisu valjan UTF-8.</numerusform>
            <numerusform>%n datoteka nije dodano: njihovi nazivi nisu valjan UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Otvori datoteke</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Svi formati</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Odaberite DVD pogon</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Povucite video ovdje</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otvori datoteku</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>vremenski raspon završava u %1, što nije nakon njegova početka u %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>vremenski raspon počinje u %1, ali video traje samo %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Početak „%1” nije vrijeme. Upišite sekunde, m:ss ili h:mm:ss, na primjer 90, 1:30 ili 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Kraj „%1” nije vrijeme. Upišite sekunde, m:ss ili h:mm:ss, na primjer 90, 1:30 ili 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Kraj mora biti nakon početka.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 – %2</translation>
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
        <translation>Vremenski raspon</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>početak</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>kraj</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Sekunde, m:ss ili h:mm:ss, na primjer 90, 1:30 ili 1:02:03.5. Ostavite vrijeme prazno za početak ili kraj.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Početak:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Kraj:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Upotreba: tarnwick-cli [mogućnosti] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Pretvara videodatoteke koderom FFmpeg: po jednu datoteku za svaki SOURCE ili
svaku datoteku koju pronađe pretraživanje mape (datoteke same mape te VOB i
M2TS datoteke naslova u mapama ispod nje; poveznice na mape se ne slijede).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Izlazne datoteke nazivaju se &lt;izvor&gt;_&lt;sat&gt;&lt;minuta&gt;&lt;sekunda&gt;.&lt;nastavak&gt;; već
zauzet naziv dobiva _2, _3, ... U izlaznoj mapi ništa se ne prepisuje,
a nedovršena izlazna datoteka se uklanja.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Izlazni status: 0 sve pretvoreno, 1 barem jedna nije uspjela, 2 pogrešna
upotreba, 3 nema kodera (nedostaje FFmpeg, povezan kao data/conv.exe u mapi
programa), 130 zaustavljeno tipkama Ctrl+C ili signalom za prekid.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 navedeno više puta</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>nepoznat format „%1” (mogući: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>brzina prijenosa mora biti cijeli broj kilobita po sekundi (1 do 1000000): „%1”</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>nepoznato zakretanje „%1” (moguće: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output zahtijeva mapu</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs prima broj od 1 do 256 ili „auto”: „%1”</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate ne vrijedi za copy, koji ništa ne kodira ponovno</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate ne vrijedi za copy, koji ništa ne kodira ponovno</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>nije naveden SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>pretvoreno %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>neuspjelo %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>pretvoreno: %1, neuspjelo: %2%3, vrijeme: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, zaustavljeno</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  datoteka %3 od %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 u tijeku)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  preostalo %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Više informacija: „tarnwick-cli --help”.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>nema ničega za pretvaranje</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (zadano)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr ne vrijedi za copy, koji ništa ne kodira ponovno</translation>
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
        <translation>Umjesto brzine prijenosa:
  -q, --quality N        konstantna kvaliteta na vlastitoj ljestvici formata:
                         CRF za H.264, H.265, AV1 i VP9, kvantizator za
                         MPEG-4, MPEG-1 i WMV; manje je bolje (ljestvicu
                         svakog formata i njezinu zadanu vrijednost vidi
                         u --list-formats)
      --size SIZE        cijela datoteka, zajedno sa zvukom, najviše SIZE i
                         blizu toga: 25M, 700MB, 4G, u decimalnim jedinicama
                         kako broje upravitelji datoteka (1M = 1.000.000
                         bajtova; MiB i GiB su binarne); dva prolaza gdje
                         ih koder podržava</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Dio svakog izvora, po vremenima T u sekundama, m:ss ili h:mm:ss, po potrebi
s decimalama (90, 1:30, 1:02:03.5):
      --start T          od T; copy počinje od ključnog okvira u T ili prije
      --end T            do T; kraj iza kraja izvora je kraj izvora</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality i --size određuju kvalitetu slike: navedite jedno od njih</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>kvaliteta za %1 mora biti cijeli broj od %2 (najbolje) do %3: „%4”</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>veličina mora biti broj megabajta ili broj s K, M ili G iza njega (25M, 700MB, 4G): „%1”</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 prima vrijeme u sekundama, m:ss ili h:mm:ss (na primjer 90, 1:30 ili 1:02:03.5): „%2”</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) mora biti nakon --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end mora biti nakon početka: „%1”</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality ne vrijedi za copy, koji ništa ne kodira ponovno</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size ne vrijedi za copy, koji ništa ne kodira ponovno</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>kvaliteta %1, od %2 (najbolje) do %3</translation>
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
        <translation>Mogućnosti:
  -f, --format NAME      izlazni format, jedan od:
%1
  -b, --bitrate KBITS    brzina prijenosa videa u kilobitima po sekundi
                         (zadano: ona formata, vidi --list-formats)
  -r, --rotate NAME      none (zadano), cw, ccw, vflip, hflip, 180
  -o, --output DIR       izlazna mapa, stvara se ako ne postoji
                         (zadano ./output)
      --web              za web: indeks MP4 i MOV datoteka na početku, kako bi
                         ih preglednik reproducirao već tijekom preuzimanja
      --sdr              HDR u SDR: HDR izvori postaju SDR u svakom formatu;
                         bez nje H.265, AV1 i VP9 zadržavaju HDR u 10 bita
      --crop             obreži crne trake zajedničke svim slikama
      --loudness TARGET  zvuk svake datoteke na istoj glasnoći, stvarni vrhovi
                         ispod -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) ili broj LUFS-a, od -40 do -5
  -j, --jobs N           N pretvaranja istodobno; „auto”: jedno po jezgri
      --disc DIR         stavi u red čekanja datoteke naslova iz VIDEO_TS
                         DVD-a ili BDMV/STREAM Blu-raya ispod DIR
                         (može se ponoviti)
  -n, --dry-run          ispiši naredbe za svaku datoteku, ništa ne pretvaraj
      --json             jedan JSON događaj po retku na standardni izlaz
      --list-formats     ispiši formate sa zadanim brzinama prijenosa
  -h, --help             ovaj tekst
  -v, --version          verzija programa</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop ne vrijedi za copy, koji ništa ne kodira ponovno</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>nepoznato odredište „%1” za --for (moguća: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 sam bira format i veličinu: izostavite %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Umjesto formata i veličine, kamo ide datoteka:
      --for NAME         format i najveća datoteka tog odredišta, jedno od:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, najviše %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, indeks na početku</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Zaustavi</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Ništa na ovoj radnoj površini ne može otvoriti pomoć. Nalazi se ovdje:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Ništa na ovoj radnoj površini ne može otvoriti vodič. Nalazi se ovdje:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Ništa na ovoj radnoj površini ne može otvoriti stranicu proizvoda. Nalazi se ovdje:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Na ovoj radnoj površini nema programa za e-poštu. Adresa je:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Dodaj datoteku</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Dodaj mapu</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ukloni</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Ukloni sve</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Čitaj DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Pokreni</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Postavke...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoć</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Vodič</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Stranica proizvoda</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Pošalji povratne informacije</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Otvori mapu zapisnika</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Ništa na ovoj radnoj površini ne može otvoriti mapu zapisnika. Nalazi se ovdje:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izlaz</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Zakreni</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Za web</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>MP4 i MOV datoteke s indeksom na početku, kako bi ih preglednik reproducirao već tijekom preuzimanja</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Istodobna pretvaranja</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatski</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 datoteka pretvorena</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n datoteka pretvorena</numerusform>
            <numerusform>%n datoteke pretvorene</numerusform>
            <numerusform>%n datoteka pretvoreno</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, neuspjelih: %1.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Skupna obrada zaustavljena</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Skupna obrada završena</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR u SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>HDR video postaje običan SDR video u svakom formatu, i u H.265, AV1 i VP9, koji ga inače zadržavaju u HDR-u</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Vremenski raspon...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Ujednačena glasnoća</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Isključeno</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Emitiranje, EBU R128 (-23 LUFS)</translation>
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
        <translation>Izlaz</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Obreži crne trake</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Svaka slika obrezana na ono što je unutar njezinih letterbox ili pillarbox traka</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Zvučni podsjetnik</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Uključeno</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Isključeno</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Natrag</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Rezač glazbe</translation>
    </message>
</context>
</TS>
