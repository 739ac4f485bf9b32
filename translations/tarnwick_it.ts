<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Chiudi senza salvare</translation>
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
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salva tutti</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Sì &amp;a tutti</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;o a tutti</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignora</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Ripristina valori predefiniti</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick è in esecuzione ma non ha accettato i file: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Il lotto si è interrotto: la cartella di destinazione non accetta altri file.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>Rimane 1 file in coda.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>Rimane %n file in coda.</numerusform>
            <numerusform>Rimangono %n file in coda.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>registro: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Aggiungi un file.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Interrotto.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>Impossibile convertire 1 file:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>Impossibile convertire %n file:</numerusform>
            <numerusform>Impossibile convertire %n file:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>the encoder printed nothing</source>
        <translation>l&apos;encoder non ha prodotto alcun output</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>interrotto</translation>
    </message>
    <message>
        <source>No output format is chosen</source>
        <translation>Nessun formato di uscita scelto</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>L&apos;encoder si è arrestato in modo imprevisto.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>l’immagine è Dolby Vision profilo %1, i cui colori solo un lettore Dolby Vision mostra correttamente; Come la sorgente (copia) la mantiene così com’è</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>la cartella temporanea %1 non può essere usata per il registro della prima passata</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>il file è risultato di %1 su un obiettivo di %2: l&apos;immagine non ha bisogno di più</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>ricodificato a %1 kb/s: a %2 kb/s era risultato di %3, sopra l&apos;obiettivo di %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>ricodificato a %1 kb/s: a %2 kb/s era risultato di %3, ben sotto l&apos;obiettivo di %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>è risultato di %1, sopra l&apos;obiettivo di %2, comunque sia stato codificato</translation>
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
        <translation>%1 è un collegamento a %2, che non esiste.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 non è un programma.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 non esiste.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick converte con FFmpeg, che non è installato. Installalo (su Debian e Ubuntu: apt install ffmpeg), poi collega l&apos;encoder a esso:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick converte con FFmpeg, installato come %1. Collega l&apos;encoder a esso:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Manca l&apos;encoder, quindi non è possibile convertire nulla.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Dove vanno i file: il formato e il file più grande che quella destinazione accetta</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Nessuna</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Trascina qui i tuoi video o fai clic per iniziare.
Leggi un DVD o un Blu-ray con «Leggi DVD» qui sopra.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Seleziona un&apos;unità DVD:</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Elenco dei file:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Aggiungi un file</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Aggiungi i file di una cartella</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Rimuovi il file selezionato dall&apos;elenco</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Rimuovi tutti i file</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Formato di uscita:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato di uscita</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Qualità video (bitrate in kbit/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Bitrate video</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Cartella di destinazione:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Seleziona la cartella di destinazione</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Seleziona una cartella di destinazione</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Inviaci un suggerimento o una domanda</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Tutti i comandi</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Aggiungi un nuovo file all&apos;elenco</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Rimuovi un file dall&apos;elenco</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Avvia la conversione</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Guida e tutorial</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Trascina i file multimediali in quest&apos;area</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Rotazione:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Impostazione della rotazione</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, mancano %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Bitrate video in kilobit al secondo</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Scegli la cartella di destinazione</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Avanzamento del file corrente</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Pagina del prodotto</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Tutti i comandi</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Converti ora!</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Leggi DVD</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Seleziona una cartella:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>I minuti devono essere meno di 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>I secondi devono essere meno di 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Secondi</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Impossibile creare la cartella di destinazione:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Impossibile scrivere nella cartella di destinazione:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (video MPEG4 di alta qualità)</translation>
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
        <translation>Come la sorgente (copia)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>quantizzatore</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Riga di comando vuota</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe non riuscita. Errore: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>File o comando non trovato</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Nome del file</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>Qualità costante</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>La stessa qualità a prescindere dalla dimensione: i livelli di qualità del formato invece dei bitrate</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Dimensione target...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>La dimensione massima dell&apos;intero file, audio incluso; risulta al massimo quella e vicino a essa</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Dimensione target: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Dimensione target (intero file):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Dimensione target, impostata nel menu</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Qualità costante: i numeri più bassi danno un&apos;immagine migliore e occupano più spazio</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Dimensione target</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>La dimensione massima dell&apos;intero file, audio incluso, in megabyte come li contano i gestori di file (1 MB = 1.000.000 byte), oppure con K o G dopo il numero: 25M, 700MB, 4G.
Vuoto: nessun target, di nuovo il bitrate o la qualità.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>&quot;%1&quot; non è una dimensione. Scrivi un numero di megabyte, o un numero seguito da K, M o G: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Qualità video (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° in senso orario</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° in senso antiorario</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Specchio verticale</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Specchio orizzontale</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>L&apos;ultimo lotto è stato interrotto con 1 file rimasto. Rimetterlo in coda?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>L&apos;ultimo lotto è stato interrotto con %n file rimasto. Rimetterlo in coda?</numerusform>
            <numerusform>L&apos;ultimo lotto è stato interrotto con %n file rimasti. Rimetterli in coda?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>la sua durata non è nota, quindi non si può puntare a nessuna dimensione</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 è meno di quanto serve al solo audio; la dimensione minima possibile è %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 lascia troppo poco per un&apos;immagine guardabile; la dimensione minima possibile è %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Conversione dei video in corso</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>intensità sonora sconosciuta &quot;%1&quot;: scegli ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off o un numero di LUFS da -40 a -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Trascina qui i tuoi video</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Ricerca...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>La coda è piena: contiene al massimo %1 file. 1 file non è stato aggiunto.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>La coda è piena: contiene al massimo %1 file. %n file non è stato aggiunto.</numerusform>
            <numerusform>La coda è piena: contiene al massimo %1 file. %n file non sono stati aggiunti.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 file non è stato aggiunto: il suo nome non è UTF-8 valido.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n file non è stato aggiunto: il suo nome non è UTF-8 valido.</numerusform>
            <numerusform>%n file non sono stati aggiunti: i loro nomi non sono UTF-8 valido.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Tutti i formati</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Seleziona un&apos;unità DVD</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Trascina qui il tuo video</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri un file</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>l&apos;intervallo di tempo finisce a %1, che non è dopo il suo inizio a %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>l&apos;intervallo di tempo inizia a %1, ma il video dura solo %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>L&apos;inizio &quot;%1&quot; non è un tempo. Scrivi secondi, m:ss o h:mm:ss, come 90, 1:30 o 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>La fine &quot;%1&quot; non è un tempo. Scrivi secondi, m:ss o h:mm:ss, come 90, 1:30 o 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>La fine deve venire dopo l&apos;inizio.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>da %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>fino a %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Intervallo di tempo</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>l&apos;inizio</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>la fine</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Secondi, m:ss o h:mm:ss, come 90, 1:30 o 1:02:03.5. Lascia un tempo vuoto per l&apos;inizio o la fine.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Inizio:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fine:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Uso: tarnwick-cli [opzioni] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Converte file video con l&apos;encoder FFmpeg: un file per ogni SOURCE oppure ogni
file trovato cercando in una cartella (i file della cartella stessa e i file
dei titoli VOB e M2TS nelle cartelle sottostanti; i collegamenti a cartelle
non vengono seguiti).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Le uscite si chiamano &lt;nome origine&gt;_&lt;ora&gt;&lt;minuto&gt;&lt;secondo&gt;.&lt;estensione&gt;; un
nome già usato riceve _2, _3, ... Nella cartella di destinazione non viene
sovrascritto nulla, e un&apos;uscita non completata viene rimossa.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Stato di uscita: 0 tutto convertito, 1 uno o più non riusciti, 2 uso errato,
3 nessun encoder (manca FFmpeg, collegato come data/conv.exe nella cartella del
programma), 130 interrotto da Ctrl+C o da un segnale di terminazione.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 indicato più di una volta</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>formato sconosciuto &quot;%1&quot; (uno tra: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>il bitrate deve essere un numero intero di kilobit al secondo (da 1 a 1000000): &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>rotazione sconosciuta &quot;%1&quot; (una tra: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output richiede una cartella</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs accetta un numero da 1 a 256 o &quot;auto&quot;: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>nessuna SOURCE indicata</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>convertito %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>non riuscito %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>convertiti: %1, non riusciti: %2%3, tempo: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, interrotto</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  file %3 di %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 in corso)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  mancano %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Prova &quot;tarnwick-cli --help&quot; per saperne di più.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>niente da convertire</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate non si applica a copy, che non ricodifica nulla</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate non si applica a copy, che non ricodifica nulla</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr non si applica a copy, che non ricodifica nulla</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (predefinito)</translation>
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
        <translation>Invece di un bitrate:
  -q, --quality N        qualità costante sulla scala propria del formato: il
                         CRF di H.264, H.265, AV1 e VP9, il quantizzatore di
                         MPEG-4, MPEG-1 e WMV; più basso è meglio (vedi
                         --list-formats per ogni scala e il suo predefinito)
      --size SIZE        l’intero file, audio incluso, al massimo SIZE e
                         vicino a esso: 25M, 700MB, 4G, in unità decimali
                         come li contano i gestori di file (1M = 1.000.000
                         byte; MiB e GiB sono binari); due passate dove
                         l’encoder le supporta</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Una parte di ogni sorgente, per tempi T in secondi, m:ss o h:mm:ss, ciascuno
con una frazione se si vuole (90, 1:30, 1:02:03.5):
      --start T          da T; copy inizia dal fotogramma chiave in T o prima
      --end T            fino a T; una fine oltre la sorgente è la sua fine</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality e --size regolano ciascuno l&apos;immagine: indicane solo uno</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>la qualità per %1 deve essere un numero intero da %2 (la migliore) a %3: &quot;%4&quot;</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>la dimensione deve essere un numero di megabyte, o con K, M o G dopo (25M, 700MB, 4G): &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 accetta un tempo in secondi, m:ss o h:mm:ss (come 90, 1:30 o 1:02:03.5): &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) deve venire dopo --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end deve venire dopo l&apos;inizio: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality non si applica a copy, che non ricodifica nulla</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size non si applica a copy, che non ricodifica nulla</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>qualità %1, da %2 (la migliore) a %3</translation>
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
        <translation>Opzioni:
  -f, --format NAME      il formato di uscita, uno tra:
%1
  -b, --bitrate KBITS    bitrate video in kilobit al secondo
                         (predefinito: del formato, vedi --list-formats)
  -r, --rotate NAME      none (predefinito), cw, ccw, vflip, hflip, 180
  -o, --output DIR       cartella di destinazione, creata se manca
                         (predefinita: ./output)
      --web              per il web: file MP4 e MOV con l’indice all’inizio,
                         un browser li riproduce mentre arrivano
      --sdr              da HDR a SDR: le sorgenti HDR diventano SDR in ogni
                         formato; senza, H.265, AV1 e VP9 mantengono l’HDR
                         a 10 bit
      --crop             ritaglia le bande nere su cui le immagini concordano
      --loudness TARGET  il suono di ogni file a un unico volume, picchi reali
                         sotto -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) o un numero di LUFS, da -40 a -5
  -j, --jobs N           N conversioni alla volta; &quot;auto&quot; per una per core
      --disc DIR         accoda i file dei titoli del VIDEO_TS di un DVD o del
                         BDMV/STREAM di un Blu-ray sotto DIR (ripetibile)
  -n, --dry-run          mostra i comandi di ogni file, non converte nulla
      --json             un evento JSON per riga sullo standard output
      --list-formats     mostra i formati con il loro bitrate predefinito
  -h, --help             questo testo
  -v, --version          la versione del programma</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop non si applica a copy, che non ricodifica nulla</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>destinazione sconosciuta &quot;%1&quot; per --for (una tra: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 sceglie da sé il formato e la dimensione: ometti %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Invece di un formato e una dimensione, dove va il file:
      --for NAME         formato e file massimo della destinazione, una tra:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, fino a %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, indice in testa</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Nulla su questo desktop apre la guida. Si trova in:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Nulla su questo desktop apre il tutorial. Si trova in:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Nulla su questo desktop apre la pagina del prodotto. Si trova in:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Su questo desktop non c&apos;è un programma di posta. L&apos;indirizzo è:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Aggiungi un file</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Aggiungi una cartella</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Rimuovi tutto</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Leggi DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Impostazioni...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
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
        <translation>Pagina del prodotto</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Invia un feedback</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Apri la cartella dei registri</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Nulla su questo desktop apre la cartella dei registri. Si trova in:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 file convertito</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n file convertito</numerusform>
            <numerusform>%n file convertiti</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, errori: %1.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Lotto interrotto</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Lotto completato</translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Per il web</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>File MP4 e MOV con l’indice all’inizio, così un browser li riproduce mentre arrivano</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Conversioni contemporanee</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>Da HDR a SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>Il video HDR diventa normale video SDR in ogni formato, anche in H.265, AV1 e VP9, che altrimenti lo mantengono in HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Intervallo di tempo...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Volume uniforme</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Radio e TV, EBU R128 (-23 LUFS)</translation>
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
        <translation>Uscita</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Ritaglia bande nere</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Ogni immagine ritagliata a ciò che sta dentro le sue bande nere (letterbox o pillarbox)</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Avviso sonoro alla fine</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Disattivo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Taglio audio</translation>
    </message>
</context>
</TS>
