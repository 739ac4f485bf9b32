<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>D&apos;ac&amp;ord</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Desa</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel·la</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tanca</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Tanca sense desar</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Desa</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Desa-ho tot</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Obre</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Sí &amp;a tot</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;o a tot</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interromp</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintenta</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignora</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descarta</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplica</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reinicia</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaura les opcions per defecte</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick s&apos;està executant però no ha acceptat els fitxers: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>S&apos;ha aturat el lot: la carpeta de sortida no admet més fitxers.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>Queda 1 fitxer a la cua.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>Queda %n fitxer a la cua.</numerusform>
            <numerusform>Queden %n fitxers a la cua.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>registre: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Afegiu un fitxer.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Afegeix</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Aturat.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fet.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>No s&apos;ha pogut convertir 1 fitxer:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>No s&apos;ha pogut convertir %n fitxer:</numerusform>
            <numerusform>No s&apos;han pogut convertir %n fitxers:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>No s&apos;ha triat cap format de sortida</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>el codificador no ha mostrat res</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>aturat</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>El codificador s&apos;ha aturat inesperadament.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>la seva imatge és Dolby Vision perfil %1, els colors de la qual només mostra bé un reproductor Dolby Vision; «Igual que l&apos;origen (còpia)» la manté tal com és</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>la carpeta temporal %1 no es pot fer servir per al registre de la primera passada</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>ha quedat en %1 de l&apos;objectiu de %2: la imatge no necessita més</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>s&apos;ha tornat a codificar a %1 kb/s: a %2 kb/s ha quedat en %3, per sobre de l&apos;objectiu de %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>s&apos;ha tornat a codificar a %1 kb/s: a %2 kb/s ha quedat en %3, molt per sota de l&apos;objectiu de %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>ha quedat en %1, per sobre de l&apos;objectiu de %2, tot i les codificacions</translation>
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
        <translation>Correu (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 és un enllaç a %2, que no existeix.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 no és un programa.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 no existeix.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick converteix amb FFmpeg, que no està instal·lat. Instal·leu-lo (a Debian i Ubuntu: apt install ffmpeg) i després enllaceu-hi el codificador:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick converteix amb FFmpeg, que està instal·lat com a %1. Enllaceu-hi el codificador:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Falta el codificador, així que no es pot convertir res.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Destinat a</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>On van els fitxers: el format i el fitxer més gran que admet aquell destí</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Cap</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Deixeu anar aquí els vídeos o feu clic per començar.
Llegiu un disc DVD o Blu-ray amb el botó «Llegeix» de dalt.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Seleccioneu una unitat de DVD:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Llegeix</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Llista de fitxers:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Afegeix un fitxer</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Afegeix els fitxers d&apos;una carpeta</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Treu el fitxer seleccionat de la llista</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Configuració</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Treu tots els fitxers</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Format de sortida:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Format de sortida</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Qualitat del vídeo (taxa de bits, kbit/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Taxa de bits del vídeo</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Carpeta de sortida:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Selecciona la carpeta de sortida</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Selecciona una carpeta de sortida</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Opinió</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Envieu-nos un suggeriment o una pregunta</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Totes les ordres</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Afegeix un fitxer nou a la llista</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Treu un fitxer de la llista</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Comença la conversió</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Ajuda i tutorial</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Surt</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Minimitza la finestra</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Arrossegueu fitxers multimèdia a aquesta zona</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Gir:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Ajust del gir</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, falten %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Taxa de bits del vídeo en kilobits per segon</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Pàgina del producte</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Tria la carpeta de sortida</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Totes les ordres</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Progrés del fitxer actual</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Converteix ara!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Seleccioneu una carpeta:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Els minuts han de ser menys de 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minuts</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Els segons han de ser menys de 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Segons</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>No s&apos;ha pogut crear la carpeta de sortida:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>No es pot escriure a la carpeta de sortida:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (vídeo MPEG4 d&apos;alta qualitat)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (vídeo H264)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (vídeo MPEG4 estàndard)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (vídeo Apple/QuickTime)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (vídeo Flash)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (vídeo MPEG1)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (vídeo H.265/HEVC)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (vídeo AV1)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (vídeo AV1)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (vídeo VP9)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (vídeo H.264)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>Igual que l&apos;origen (còpia)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>quantificador</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>La línia d&apos;ordres és buida</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>Ha fallat CreatePipe. Error: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>No s&apos;ha trobat el fitxer o l&apos;ordre</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Nom del fitxer</translation>
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
        <translation>Qualitat constant</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>La mateixa qualitat sigui quina sigui la mida: els nivells de qualitat del format en lloc de taxes de bits</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Mida objectiu...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>La mida màxima de tot el fitxer, so inclòs; en surt com a màxim aquesta i a prop seu</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Mida objectiu: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Mida objectiu (tot el fitxer):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Mida objectiu, definida al menú</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Qualitat constant: els nombres més baixos es veuen millor i ocupen més espai</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Mida objectiu</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>El màxim que pot ocupar tot el fitxer, so inclòs, en megabytes tal com els compten els gestors de fitxers (1 MB = 1.000.000 bytes), o amb K o G després del nombre: 25M, 700MB, 4G.
Buit: sense objectiu, torna la taxa de bits o la qualitat.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>«%1» no és una mida. Escriviu un nombre de megabytes, o un nombre seguit de K, M o G: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Qualitat del vídeo (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° en sentit horari</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° en sentit antihorari</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Mirall vertical</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Mirall horitzontal</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Cap</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>L&apos;últim lot es va interrompre quan en quedava 1 fitxer. El voleu tornar a posar a la cua?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>L&apos;últim lot es va interrompre quan en quedava %n fitxer. El voleu tornar a posar a la cua?</numerusform>
            <numerusform>L&apos;últim lot es va interrompre quan en quedaven %n fitxers. Els voleu tornar a posar a la cua?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>no se&apos;n coneix la durada, així que no es pot apuntar a cap mida</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 és menys del que necessita només el so; la mida mínima que funciona és %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 deixa massa poc per a una imatge que valgui la pena; la mida mínima que funciona és %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>S&apos;estan convertint vídeos</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>sonoritat desconeguda «%1»: trieu ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off o un nombre de LUFS de -40 a -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Deixeu aquí els vídeos</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>S&apos;està cercant...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>La cua és plena: admet com a màxim %1 fitxers. No s&apos;ha afegit 1 fitxer.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>La cua és plena: admet com a màxim %1 fitxers. No s&apos;ha afegit %n fitxer.</numerusform>
            <numerusform>La cua és plena: admet com a màxim %1 fitxers. No s&apos;han afegit %n fitxers.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>No s&apos;ha afegit 1 fitxer: el seu nom no és UTF-8 vàlid.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>No s&apos;ha afegit %n fitxer: el seu nom no és UTF-8 vàlid.</numerusform>
            <numerusform>No s&apos;han afegit %n fitxers: els seus noms no són UTF-8 vàlid.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Obre fitxers</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Tots els formats</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Seleccioneu una unitat de DVD</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Arrossegueu aquí el vídeo</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Obre un fitxer</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>l&apos;interval de temps acaba a %1, que no és després del seu inici a %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>l&apos;interval de temps comença a %1, però el vídeo només dura %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>L&apos;inici «%1» no és un temps. Escriviu segons, m:ss o h:mm:ss, com ara 90, 1:30 o 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>El final «%1» no és un temps. Escriviu segons, m:ss o h:mm:ss, com ara 90, 1:30 o 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>El final ha de ser posterior a l&apos;inici.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>des de %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>fins a %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Interval de temps</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>el principi</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>el final</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Segons, m:ss o h:mm:ss, com ara 90, 1:30 o 1:02:03.5. Deixeu un temps buit per al principi o el final.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Inici:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Final:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Ús: tarnwick-cli [opcions] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Converteix fitxers de vídeo amb el codificador FFmpeg: un fitxer per cada
SOURCE o cada fitxer que trobi una cerca a la carpeta (els fitxers de la
carpeta mateixa i els fitxers de títol VOB i M2TS de les carpetes de sota;
no se segueixen els enllaços a carpetes).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Les sortides es diuen &lt;nom de l&apos;origen&gt;_&lt;hora&gt;&lt;minut&gt;&lt;segon&gt;.&lt;extensió&gt;; un
nom ja ocupat rep _2, _3, ... No se sobreescriu res a la carpeta de sortida,
i se suprimeix la sortida que no s&apos;ha acabat.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Estat de sortida: 0 tot convertit, 1 un o més han fallat, 2 ús incorrecte,
3 no hi ha codificador (falta FFmpeg, enllaçat com a data/conv.exe a la
carpeta del programa), 130 aturat amb Ctrl+C o un senyal de finalització.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 s&apos;ha indicat més d&apos;una vegada</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>format desconegut «%1» (un de: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>la taxa de bits ha de ser un nombre enter de kilobits per segon (de 1 a 1000000): «%1»</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>gir desconegut «%1» (un de: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output necessita una carpeta</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs accepta un nombre de 1 a 256 o «auto»: «%1»</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate no s&apos;aplica a copy, que no recodifica res</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate no s&apos;aplica a copy, que no recodifica res</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>no s&apos;ha indicat cap SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>convertit %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>ha fallat %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>convertits: %1, fallits: %2%3, temps: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, aturat</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  fitxer %3 de %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 en curs)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  falten %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Proveu «tarnwick-cli --help» per a més informació.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>no hi ha res a convertir</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (per defecte)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr no s&apos;aplica a copy, que no recodifica res</translation>
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
        <translation>En lloc d&apos;una taxa de bits:
  -q, --quality N        qualitat constant en l&apos;escala pròpia del format: el
                         CRF d&apos;H.264, H.265, AV1 i VP9, el quantificador
                         d&apos;MPEG-4, MPEG-1 i WMV; menys és millor (vegeu
                         --list-formats per a cada escala i el seu valor per
                         defecte)
      --size SIZE        tot el fitxer, so inclòs, com a màxim SIZE i a prop
                         seu: 25M, 700MB, 4G, en unitats decimals com compten
                         els gestors de fitxers (1M = 1.000.000 bytes; MiB i
                         GiB són binàries); dues passades on el codificador les
                         admet</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Una part de cada origen, per temps T en segons, m:ss o h:mm:ss, cadascun
amb decimals si cal (90, 1:30, 1:02:03.5):
      --start T          des de T; copy comença al fotograma clau a T o abans
      --end T            fins a T; un final més enllà del final d&apos;un origen és
                         el seu final</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality i --size defineixen cadascun la qualitat de la imatge: indiqueu-ne només un</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>la qualitat per a %1 ha de ser un nombre enter de %2 (la millor) a %3: «%4»</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>la mida ha de ser un nombre de megabytes, o seguit de K, M o G (25M, 700MB, 4G): «%1»</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 accepta un temps en segons, m:ss o h:mm:ss (com ara 90, 1:30 o 1:02:03.5): «%2»</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) ha de ser posterior a --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end ha de ser posterior al principi: «%1»</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality no s&apos;aplica a copy, que no recodifica res</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size no s&apos;aplica a copy, que no recodifica res</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>qualitat %1, de %2 (la millor) a %3</translation>
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
        <translation>Opcions:
  -f, --format NAME      el format de sortida, un de:
%1
  -b, --bitrate KBITS    taxa de bits del vídeo en kilobits per segon
                         (per defecte: la del format, vegeu --list-formats)
  -r, --rotate NAME      none (per defecte), cw, ccw, vflip, hflip, 180
  -o, --output DIR       carpeta de sortida, es crea si no existeix
                         (per defecte ./output)
      --web              per al web: els fitxers MP4 i MOV porten l&apos;índex al
                         principi, perquè un navegador els reprodueixi mentre
                         arriben
      --sdr              HDR a SDR: l&apos;HDR passa a SDR en tots els formats;
                         si no, H.265, AV1 i VP9 mantenen l&apos;HDR en 10 bits
      --crop             retalla les bandes negres comunes a totes les imatges
      --loudness TARGET  el so de cada fitxer a una mateixa sonoritat, pics
                         reals sota -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) o un nombre de LUFS, de -40 a -5
  -j, --jobs N           N conversions alhora; «auto» per a una per nucli
      --disc DIR         posa a la cua els fitxers de títol del VIDEO_TS d&apos;un
                         DVD o del BDMV/STREAM d&apos;un Blu-ray sota DIR
                         (es pot repetir)
  -n, --dry-run          mostra les ordres de cada fitxer, no converteix res
      --json             un esdeveniment JSON per línia a la sortida estàndard
      --list-formats     mostra els formats amb la taxa de bits per defecte
  -h, --help             aquest text
  -v, --version          la versió del programa</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop no s&apos;aplica a copy, que no recodifica res</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>destí desconegut «%1» per a --for (un de: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 tria el format i la mida pel seu compte: traieu %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>En lloc d&apos;un format i una mida, on va el fitxer:
      --for NAME         format i fitxer màxim d&apos;aquell destí, un de:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, màxim %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, índex al principi</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Atura</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Res d&apos;aquest escriptori no pot obrir l&apos;ajuda. És a:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Res d&apos;aquest escriptori no pot obrir el tutorial. És a:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Res d&apos;aquest escriptori no pot obrir la pàgina del producte. És a:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Aquest escriptori no té cap programa de correu. L&apos;adreça és:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Afegeix un fitxer</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Afegeix una carpeta</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Treu</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Treu-ho tot</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Llegeix DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Comença</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Configuració...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
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
        <translation>Pàgina del producte</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Envia comentaris</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Obre la carpeta de registres</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Res d&apos;aquest escriptori no pot obrir la carpeta de registres. És a:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Surt</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Gir</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Per al web</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>Fitxers MP4 i MOV amb l&apos;índex al principi, perquè un navegador els reprodueixi mentre arriben</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Conversions simultànies</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automàtic</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 fitxer convertit</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n fitxer convertit</numerusform>
            <numerusform>%n fitxers convertits</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, %1 amb errors.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Lot aturat</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Lot acabat</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR a SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>El vídeo HDR es converteix en vídeo SDR normal en tots els formats, també en H.265, AV1 i VP9, que altrament el mantenen en HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Interval de temps...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Sonoritat uniforme</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivat</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Radiodifusió, EBU R128 (-23 LUFS)</translation>
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
        <translation>Sortida</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Retalla les bandes negres</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Cada imatge retallada a allò que hi ha dins de les seves bandes negres horitzontals o verticals</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Configuració</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Avís sonor en acabar</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Activat</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Desactivat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Enrere</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Retall d&apos;àudio</translation>
    </message>
</context>
</TS>
