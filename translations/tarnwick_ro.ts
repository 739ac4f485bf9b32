<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvează</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Renunță</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>În&amp;chide</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Închide fără salvare</translation>
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
        <translation>Salvează</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salvează tot</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da la &amp;toate</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Nu la t&amp;oate</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonează</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reîncearcă</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignoră</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Renunță</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Înlătură</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplică</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetează</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restabilește valorile implicite</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick rulează, dar nu a preluat fișierele: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Lotul s-a oprit: dosarul de ieșire nu mai acceptă fișiere.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>A rămas 1 fișier în coadă.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>A rămas %n fișier în coadă.</numerusform>
            <numerusform>Au rămas %n fișiere în coadă.</numerusform>
            <numerusform>Au rămas %n de fișiere în coadă.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>jurnal: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Adăugați un fișier.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adăugare</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Oprit.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Gata.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>1 fișier nu a putut fi convertit:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>%n fișier nu a putut fi convertit:</numerusform>
            <numerusform>%n fișiere nu au putut fi convertite:</numerusform>
            <numerusform>%n de fișiere nu au putut fi convertite:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Nu este ales niciun format de ieșire</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>codificatorul nu a afișat nimic</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>oprit</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Codificatorul s-a oprit neașteptat.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>imaginea sa este în Dolby Vision, profilul %1, ale cărei culori le arată corect doar un player Dolby Vision; Ca sursa (copiere) o păstrează așa cum este</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>dosarul temporar %1 nu poate fi folosit pentru jurnalul primei treceri</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>a ieșit %1 din ținta de %2: imaginea nu are nevoie de mai mult</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>recodificat la %1 kb/s: la %2 kb/s a ieșit %3, peste ținta de %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>recodificat la %1 kb/s: la %2 kb/s a ieșit %3, mult sub ținta de %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>a ieșit %1, peste ținta de %2, oricum ar fi fost codificat</translation>
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
        <translation>%1 este o legătură către %2, care nu există.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 nu este un program.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 nu există.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick convertește cu FFmpeg, care nu este instalat. Instalați-l (pe Debian și Ubuntu: apt install ffmpeg), apoi legați codificatorul la el:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick convertește cu FFmpeg, care este instalat ca %1. Legați codificatorul la el:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Codificatorul lipsește, deci nu se poate converti nimic.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Destinație</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Unde ajung fișierele: formatul și cel mai mare fișier pe care îl acceptă acel loc</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Niciuna</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Plasați aici videoclipuri sau dați clic pentru a începe.
Citiți un DVD sau Blu-ray cu „Citește DVD” de mai sus.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Selectați o unitate DVD:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Citește DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Listă de fișiere:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Adaugă un fișier</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Adaugă fișiere dintr-un dosar</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Elimină din listă fișierul selectat</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Setări</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Elimină toate fișierele</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Format de ieșire:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Format de ieșire</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Calitate video (rată de biți, kb/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Rată de biți video</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Dosar de ieșire:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Selectați un dosar pentru ieșire</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Selectați un dosar de ieșire</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Părere</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Trimiteți-ne o sugestie sau o întrebare</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Toate comenzile</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Adaugă un fișier nou în lista de fișiere</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Elimină un fișier din lista de fișiere</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Pornește conversia</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Ajutor și tutorial</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ieșire</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Minimizează fereastra</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Trageți fișiere multimedia în această zonă</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Rotire:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Setare rotire</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>fișierul %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, încă %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Rata de biți video în kilobiți pe secundă</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Pagina produsului</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Alegeți dosarul de ieșire</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Toate comenzile</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Progresul fișierului curent</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Convertește acum!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Selectați un dosar:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Minutele trebuie să fie mai puțin de 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Secundele trebuie să fie mai puțin de 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Secunde</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Dosarul de ieșire nu a putut fi creat:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Nu se poate scrie în dosarul de ieșire:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (video MPEG4 de înaltă calitate)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (video H264)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (video MPEG4 standard)</translation>
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
        <translation>Ca sursa (copiere)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>cuantizor</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Linie de comandă goală</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe a eșuat. Eroare: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Fișierul sau comanda nu a fost găsită</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Nume fișier</translation>
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
        <translation>Calitate constantă</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Aceeași calitate indiferent de dimensiune: nivelurile de calitate ale formatului în loc de rate de biți</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Dimensiune țintă...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Cât de mare poate fi tot fișierul, cu sunet cu tot; iese cel mult atât și aproape de atât</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Dimensiune țintă: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Dimensiune țintă (tot fișierul):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Dimensiune țintă, setată din meniu</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Calitate constantă: numerele mai mici arată mai bine și ocupă mai mult spațiu</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Dimensiune țintă</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Cât poate ocupa cel mult tot fișierul, cu sunet cu tot, în megaocteți așa cum îi numără administratoarele de fișiere (1 MB = 1.000.000 de octeți), sau cu K ori G după număr: 25M, 700MB, 4G.
Gol: fără țintă, din nou rata de biți sau calitatea.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>„%1” nu este o dimensiune. Scrieți un număr de megaocteți sau un număr urmat de K, M sau G: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Calitate video (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° în sens orar</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° în sens antiorar</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Oglindire verticală</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Oglindire orizontală</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Niciuna</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Ultimul lot a fost întrerupt și a rămas 1 fișier. Îl adăugați din nou în coadă?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Ultimul lot a fost întrerupt și a rămas %n fișier. Îl adăugați din nou în coadă?</numerusform>
            <numerusform>Ultimul lot a fost întrerupt și au rămas %n fișiere. Le adăugați din nou în coadă?</numerusform>
            <numerusform>Ultimul lot a fost întrerupt și au rămas %n de fișiere. Le adăugați din nou în coadă?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>durata nu este cunoscută, deci nu se poate ținti nicio dimensiune</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 este mai puțin decât are nevoie doar sunetul; cea mai mică dimensiune care merge este %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 lasă prea puțin pentru o imagine care să merite privită; cea mai mică dimensiune care merge este %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Se convertesc videoclipuri</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>intensitate sonoră necunoscută „%1”: alegeți ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off sau un număr de LUFS între -40 și -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Plasați fișierele video aici</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Se caută...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Coada este plină: cuprinde cel mult %1 de fișiere. 1 fișier nu a fost adăugat.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Coada este plină: cuprinde cel mult %1 de fișiere. %n fișier nu a fost adăugat.</numerusform>
            <numerusform>Coada este plină: cuprinde cel mult %1 de fișiere. %n fișiere nu au fost adăugate.</numerusform>
            <numerusform>Coada este plină: cuprinde cel mult %1 de fișiere. %n de fișiere nu au fost adăugate.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 fișier nu a fost adăugat: numele său nu este UTF-8 valid.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n fișier nu a fost adăugat: numele său nu este UTF-8 valid.</numerusform>
            <numerusform>%n fișiere nu au fost adăugate: numele lor nu sunt UTF-8 valid.</numerusform>
            <numerusform>%n de fișiere nu au fost adăugate: numele lor nu sunt UTF-8 valid.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Deschide fișiere</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Toate formatele</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Selectați o unitate DVD</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Trageți videoclipul aici</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Deschide un fișier</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>intervalul de timp se termină la %1, care nu este după începutul său de la %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>intervalul de timp începe la %1, dar videoclipul durează doar %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Începutul „%1” nu este un timp. Scrieți secunde, m:ss sau h:mm:ss, de exemplu 90, 1:30 sau 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Sfârșitul „%1” nu este un timp. Scrieți secunde, m:ss sau h:mm:ss, de exemplu 90, 1:30 sau 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Sfârșitul trebuie să fie după început.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 până la %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>de la %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>până la %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Interval de timp</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>început</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>sfârșit</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Secunde, m:ss sau h:mm:ss, de exemplu 90, 1:30 sau 1:02:03.5. Lăsați un timp gol pentru început sau sfârșit.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Început:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Sfârșit:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Utilizare: tarnwick-cli [opțiuni] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Convertește fișiere video cu codificatorul FFmpeg: câte un fișier pentru
fiecare SOURCE sau fiecare fișier găsit prin căutarea într-un dosar (fișierele
dosarului însuși și fișierele de titlu VOB și M2TS din dosarele de sub el;
legăturile către dosare nu sunt urmate).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Fișierele de ieșire se numesc &lt;nume sursă&gt;_&lt;oră&gt;&lt;minut&gt;&lt;secundă&gt;.&lt;extensie&gt;;
un nume deja folosit primește _2, _3, ... Nimic din dosarul de ieșire nu este
suprascris, iar un fișier de ieșire neterminat este eliminat.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Cod de ieșire: 0 totul convertit, 1 unul sau mai multe au eșuat, 2 utilizare
greșită, 3 lipsește codificatorul (FFmpeg, legat ca data/conv.exe în dosarul
programului), 130 oprit cu Ctrl+C sau cu un semnal de terminare.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 este dat de mai multe ori</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>format necunoscut „%1” (unul dintre: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>rata de biți trebuie să fie un număr întreg de kilobiți pe secundă (între 1 și 1000000): „%1”</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>rotire necunoscută „%1” (una dintre: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output necesită un dosar</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs acceptă un număr de la 1 la 256 sau „auto”: „%1”</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate nu se aplică la copy, care nu recodifică nimic</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate nu se aplică la copy, care nu recodifică nimic</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>nu s-a dat nicio SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>convertit %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>eșuat %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>convertite: %1, eșuate: %2%3, durată: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, oprit</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  fișierul %3 din %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 în lucru)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  încă %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Încercați „tarnwick-cli --help” pentru mai multe informații.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>nimic de convertit</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (implicit)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr nu se aplică la copy, care nu recodifică nimic</translation>
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
        <translation>În locul unei rate de biți:
  -q, --quality N        calitate constantă pe scara proprie a formatului: CRF
                         pentru H.264, H.265, AV1 și VP9, cuantizorul pentru
                         MPEG-4, MPEG-1 și WMV; mai mic e mai bine (vedeți
                         --list-formats pentru fiecare scară și valoarea
                         implicită)
      --size SIZE        tot fișierul, cu sunet cu tot, cel mult SIZE și
                         aproape de atât: 25M, 700MB, 4G, în unități zecimale
                         așa cum numără administratoarele de fișiere
                         (1M = 1.000.000 de octeți; MiB și GiB sunt binare);
                         două treceri unde codificatorul le acceptă</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>O parte din fiecare sursă, după timpi T în secunde, m:ss sau h:mm:ss, fiecare
cu zecimale dacă se dorește (90, 1:30, 1:02:03.5):
      --start T          de la T; copy începe la cadrul cheie de la T sau
                         dinaintea lui
      --end T            până la T; un sfârșit după sfârșitul sursei înseamnă
                         sfârșitul ei</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality și --size stabilesc fiecare calitatea imaginii: dați doar una dintre ele</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>calitatea pentru %1 trebuie să fie un număr întreg de la %2 (cea mai bună) la %3: „%4”</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>dimensiunea trebuie să fie un număr de megaocteți sau un număr urmat de K, M sau G (25M, 700MB, 4G): „%1”</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 acceptă un timp în secunde, m:ss sau h:mm:ss (de exemplu 90, 1:30 sau 1:02:03.5): „%2”</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) trebuie să fie după --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end trebuie să fie după început: „%1”</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality nu se aplică la copy, care nu recodifică nimic</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size nu se aplică la copy, care nu recodifică nimic</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>calitate %1, de la %2 (cea mai bună) la %3</translation>
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
        <translation>Opțiuni:
  -f, --format NAME      formatul de ieșire, unul dintre:
%1
  -b, --bitrate KBITS    rata de biți video în kilobiți pe secundă
                         (implicit: cea a formatului, vedeți --list-formats)
  -r, --rotate NAME      none (implicit), cw, ccw, vflip, hflip, 180
  -o, --output DIR       dosarul de ieșire, creat dacă lipsește
                         (implicit ./output)
      --web              pentru web: fișierele MP4 și MOV au indexul la
                         început, astfel încât un navigator le redă pe măsură
                         ce sosesc
      --sdr              HDR în SDR: sursele HDR devin SDR în orice format;
                         fără ea, H.265, AV1 și VP9 păstrează HDR pe 10 biți
      --crop             decupează benzile negre comune tuturor imaginilor
      --loudness TARGET  sunetul fiecărui fișier la aceeași intensitate,
                         vârfuri reale sub -1 dBTP: ebu (-23 LUFS),
                         stream (-14), podcast (-16) sau un număr de LUFS,
                         între -40 și -5
  -j, --jobs N           N conversii simultan; „auto” pentru una pe nucleu
      --disc DIR         pune în coadă fișierele de titlu din VIDEO_TS al unui
                         DVD sau din BDMV/STREAM al unui Blu-ray de sub DIR
                         (repetabil)
  -n, --dry-run          afișează comenzile pentru fișiere, nu convertește
                         nimic
      --json             un eveniment JSON pe linie la ieșirea standard
      --list-formats     afișează formatele cu ratele de biți implicite
  -h, --help             acest text
  -v, --version          versiunea programului</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop nu se aplică la copy, care nu recodifică nimic</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>loc necunoscut „%1” pentru --for (unul dintre: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 alege singur formatul și dimensiunea: omiteți %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>În locul unui format și al unei dimensiuni, unde ajunge fișierul:
      --for NAME         formatul și mărimea maximă a locului, unul dintre:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, cel mult %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, indexul la început</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Oprește</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Nimic de pe acest desktop nu poate deschide ajutorul. Se află aici:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Nimic de pe acest desktop nu poate deschide tutorialul. Se află aici:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Nimic de pe acest desktop nu poate deschide pagina produsului. Adresa este:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Acest desktop nu are niciun program de e-mail. Adresa este:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Adaugă un fișier</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Adaugă un dosar</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Elimină</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Elimină tot</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Citește DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Pornește</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Setări...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Pagina produsului</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Trimite o părere</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Deschide dosarul de jurnale</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Nimic de pe acest desktop nu poate deschide dosarul de jurnale. Se află aici:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ieșire</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotire</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Pentru web</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>Fișiere MP4 și MOV cu indexul la început, ca un navigator să le redea pe măsură ce sosesc</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Conversii simultane</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automat</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 fișier convertit</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n fișier convertit</numerusform>
            <numerusform>%n fișiere convertite</numerusform>
            <numerusform>%n de fișiere convertite</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, eșuate: %1.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Lot oprit</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Lot terminat</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR în SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>Video HDR devine video SDR obișnuit în orice format, inclusiv în H.265, AV1 și VP9, care altfel îl păstrează în HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Interval de timp...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Volum uniform</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Oprit</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Difuzare, EBU R128 (-23 LUFS)</translation>
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
        <translation>Ieșire</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Decupare benzi negre</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Fiecare imagine decupată la ce se află în interiorul benzilor negre de sus și de jos sau din lateral</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Setări</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Semnal sonor la final</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Pornit</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Oprit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Tăiere muzică</translation>
    </message>
</context>
</TS>
