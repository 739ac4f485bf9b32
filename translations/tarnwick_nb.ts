<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Lukk</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Lukk uten å lagre</translation>
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
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Lagre alle</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja til &amp;alle</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nei</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Nei til a&amp;lle</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Prøv igjen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Forkast</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Tilbakestill</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Gjenopprett standardverdier</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick kjører, men tok ikke imot filene: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Konverteringen stoppet: utdatamappen tar ikke imot flere filer.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>1 fil står igjen i køen.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>%n fil står igjen i køen.</numerusform>
            <numerusform>%n filer står igjen i køen.</numerusform>
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
        <translation>Legg til en fil.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Legg til</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Stoppet.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Ferdig.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>1 fil kunne ikke konverteres:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>%n fil kunne ikke konverteres:</numerusform>
            <numerusform>%n filer kunne ikke konverteres:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Ingen utdataformat er valgt</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>koderen skrev ikke ut noe</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>stoppet</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Koderen stoppet uventet.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>bildet er Dolby Vision-profil %1, der bare en Dolby Vision-spiller viser fargene riktig; Som kilden (kopi) beholder det slik det er</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>den midlertidige mappen %1 kan ikke brukes til loggen for første gjennomgang</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>den ble %1 av målet %2: bildet trenger ikke mer</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>kodet på nytt med %1 kb/s: med %2 kb/s ble den %3, over målet %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>kodet på nytt med %1 kb/s: med %2 kb/s ble den %3, godt under målet %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>den ble %1, over målet %2, uansett hvordan den ble kodet</translation>
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
        <translation>%1 er en lenke til %2, som ikke finnes.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 er ikke et program.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 finnes ikke.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick konverterer med FFmpeg, som ikke er installert. Installer det (på Debian og Ubuntu: apt install ffmpeg), og lenk deretter koderen til det:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick konverterer med FFmpeg, som er installert som %1. Lenk koderen til det:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Koderen mangler, så ingenting kan konverteres.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Laget for</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Hvor filene skal: formatet og den største filen det stedet tar imot</translation>
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
        <translation>Slipp videoene dine her, eller klikk for å begynne.
Les en DVD eller Blu-ray med «Les DVD» ovenfor.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Velg en DVD-stasjon:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Les DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Filliste:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Legg til en fil</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Legg til filer fra en mappe</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Fjern valgt fil fra listen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Fjern alle filer</translation>
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
        <translation>Videokvalitet (bitrate i kbit/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Videobitrate</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Utdatamappe:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Velg en mappe for utdata</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Velg en utdatamappe</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Innspill</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Send oss forslag eller spørsmål</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Alle kommandoer</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Legg til en ny fil i fillisten</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Fjern en fil fra fillisten</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Start konvertering</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Hjelp og veiledning</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Minimer vinduet</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Dra mediefiler til dette slippområdet</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Roter:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Rotasjonsinnstilling</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>fil %1 av %2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, %1 igjen</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Videobitrate i kilobit per sekund</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Produktside</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Velg utdatamappen</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Alle kommandoer</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Fremdrift for gjeldende fil</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Konverter nå!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Velg en mappe:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Minuttene må være mindre enn 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minutter</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Sekundene må være mindre enn 60</translation>
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
        <translation>Utdatamappen kunne ikke opprettes:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Kan ikke skrive til utdatamappen:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (MPEG4-video, høy kvalitet)</translation>
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
        <translation>Som kilden (kopi)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>kvantiserer</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Kommandolinjen er tom</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe mislyktes. Feil: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Fant ikke filen eller kommandoen</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Filnavn</translation>
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
        <translation>Samme kvalitet uansett størrelse: formatets kvalitetsnivåer i stedet for bitrater</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Målstørrelse...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Hvor stor hele filen høyst kan bli, lyd medregnet; den blir høyst så stor og nær det</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Målstørrelse: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Målstørrelse (hele filen):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Målstørrelse, satt i menyen</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Konstant kvalitet: lavere tall ser bedre ut og tar mer plass</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Målstørrelse</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Hvor mye hele filen høyst kan ta, lyd medregnet, i megabyte slik filbehandlere regner dem (1 MB = 1 000 000 byte), eller med K eller G etter tallet: 25M, 700MB, 4G.
Tomt: ingen målstørrelse, bitraten eller kvaliteten igjen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>«%1» er ikke en størrelse. Skriv et antall megabyte, eller et tall med K, M eller G etter: 25M, 700MB, 4G.</translation>
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
        <translation>90° med klokken</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° mot klokken</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Speil vertikalt</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Speil horisontalt</translation>
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
        <translation>Forrige konvertering ble avbrutt med 1 fil igjen. Vil du sette den i kø på nytt?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Forrige konvertering ble avbrutt med %n fil igjen. Vil du sette den i kø på nytt?</numerusform>
            <numerusform>Forrige konvertering ble avbrutt med %n filer igjen. Vil du sette dem i kø på nytt?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>lengden er ukjent, så ingen størrelse kan siktes mot</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 er mindre enn lyden alene trenger; den minste størrelsen som fungerer, er %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 gir for lite til et bilde som er verdt å se på; den minste størrelsen som fungerer, er %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Konverterer videoer</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>ukjent lydstyrke «%1»: velg ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off eller et antall LUFS fra -40 til -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Slipp videofilene her</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Søker...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Køen er full: den har plass til høyst %1 filer. 1 fil ble ikke lagt til.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Køen er full: den har plass til høyst %1 filer. %n fil ble ikke lagt til.</numerusform>
            <numerusform>Køen er full: den har plass til høyst %1 filer. %n filer ble ikke lagt til.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 fil ble ikke lagt til: navnet er ikke gyldig UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n fil ble ikke lagt til: navnet er ikke gyldig UTF-8.</numerusform>
            <numerusform>%n filer ble ikke lagt til: navnene er ikke gyldig UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Åpne filer</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Alle formater</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Velg en DVD-stasjon</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Dra videoen hit</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Åpne fil</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>tidsområdet slutter ved %1, som ikke er etter starten ved %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>tidsområdet starter ved %1, men videoen er bare %2 lang</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Starten «%1» er ikke et tidspunkt. Skriv sekunder, m:ss eller h:mm:ss, for eksempel 90, 1:30 eller 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Slutten «%1» er ikke et tidspunkt. Skriv sekunder, m:ss eller h:mm:ss, for eksempel 90, 1:30 eller 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Slutten må komme etter starten.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 til %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>fra %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>til %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Tidsområde</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>begynnelsen</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>slutten</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Sekunder, m:ss eller h:mm:ss, for eksempel 90, 1:30 eller 1:02:03.5. La et tidspunkt stå tomt for begynnelsen eller slutten.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Slutt:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Bruk: tarnwick-cli [valg] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Konverterer videofiler med FFmpeg-koderen: én fil per SOURCE eller hver fil
et mappesøk finner (mappens egne filer, og VOB- og M2TS-tittelfilene i
mappene under den; lenker til mapper følges ikke).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Utdata får navnet &lt;kildenavn&gt;_&lt;time&gt;&lt;minutt&gt;&lt;sekund&gt;.&lt;filtype&gt;; et navn som
allerede er tatt, får _2, _3, ... Ingenting i utdatamappen blir overskrevet,
og utdata som ikke ble ferdige, blir fjernet.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Avslutningsstatus: 0 alt konvertert, 1 én eller flere mislyktes, 2 feil bruk,
3 ingen koder (FFmpeg, lenket som data/conv.exe i programmappen, mangler),
130 stoppet med Ctrl+C eller et avslutningssignal.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 er angitt mer enn én gang</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>ukjent format «%1» (ett av: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>bitraten må være et helt antall kilobit per sekund (1 til 1000000): «%1»</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>ukjent rotasjon «%1» (én av: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output trenger en mappe</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs tar et tall fra 1 til 256 eller «auto»: «%1»</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate gjelder ikke copy, som ikke koder noe på nytt</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate gjelder ikke copy, som ikke koder noe på nytt</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>ingen SOURCE angitt</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>konvertert %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>mislyktes %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>%1 konvertert, %2 mislyktes%3 på %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, stoppet</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2 %  fil %3 av %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 kjører)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  %1 igjen</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Prøv «tarnwick-cli --help» for mer informasjon.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>ingenting å konvertere</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (standard)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr gjelder ikke copy, som ikke koder noe på nytt</translation>
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
        <translation>I stedet for en bitrate:
  -q, --quality N        konstant kvalitet på formatets egen skala: CRF for
                         H.264, H.265, AV1 og VP9, kvantisereren for MPEG-4,
                         MPEG-1 og WMV; lavere er bedre (se --list-formats for
                         hver skala og standardverdien)
      --size SIZE        hele filen, lyd medregnet, høyst SIZE og nær det: 25M,
                         700MB, 4G, i desimale enheter slik filbehandlere
                         regner (1M = 1 000 000 byte; MiB og GiB er binære); to
                         gjennomganger der koderen støtter det</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>En del av hver kilde, angitt med tider T i sekunder, m:ss eller h:mm:ss, hver
med desimaler om ønskelig (90, 1:30, 1:02:03.5):
      --start T          fra T; copy begynner ved nøkkelbildet ved eller før T
      --end T            til T; en slutt etter kildens slutt blir kildens slutt</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality og --size styrer hver for seg bildekvaliteten: oppgi bare én av dem</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>kvaliteten for %1 må være et heltall fra %2 (best) til %3: «%4»</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>størrelsen må være et antall megabyte, eller med K, M eller G etter (25M, 700MB, 4G): «%1»</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 tar en tid i sekunder, m:ss eller h:mm:ss (for eksempel 90, 1:30 eller 1:02:03.5): «%2»</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) må komme etter --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end må komme etter begynnelsen: «%1»</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality gjelder ikke copy, som ikke koder noe på nytt</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size gjelder ikke copy, som ikke koder noe på nytt</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>kvalitet %1, %2 (best) til %3</translation>
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
        <translation>Valg:
  -f, --format NAME      utdataformatet, ett av:
%1
  -b, --bitrate KBITS    videobitrate i kilobit per sekund
                         (standard: formatets egen, se --list-formats)
  -r, --rotate NAME      none (standard), cw, ccw, vflip, hflip, 180
  -o, --output DIR       utdatamappe, opprettes om den mangler
                         (standard ./output)
      --web              laget for nettet: MP4- og MOV-filer får indeksen
                         først, så en nettleser spiller dem av mens de lastes
      --sdr              HDR til SDR: HDR-kilder blir SDR i alle formater;
                         uten det beholder H.265, AV1 og VP9 HDR i 10 bit
      --crop             beskjær de svarte stripene alle bildene har felles
      --loudness TARGET  lyden i hver fil på én lydstyrke, sanne topper
                         under -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) eller et antall LUFS, -40 til -5
  -j, --jobs N           N konverteringer samtidig; «auto» for én per kjerne
      --disc DIR         legg tittelfilene i VIDEO_TS (DVD) eller BDMV/STREAM
                         (Blu-ray) under DIR i kø (kan gjentas)
  -n, --dry-run          vis kommandoene for hver fil, konverter ingenting
      --json             én JSON-hendelse per linje på standard ut
      --list-formats     skriv ut formatene med standard bitrate
  -h, --help             denne teksten
  -v, --version          programmets versjon</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop gjelder ikke copy, som ikke koder noe på nytt</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>ukjent sted «%1» for --for (ett av: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 velger format og størrelse selv: utelat %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>I stedet for et format og en størrelse, hvor filen skal:
      --for NAME         stedets format og største fil, ett av:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, høyst %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, indeksen først</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Ingenting på dette skrivebordet kan åpne hjelpen. Den ligger her:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Ingenting på dette skrivebordet kan åpne veiledningen. Den ligger her:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Ingenting på dette skrivebordet kan åpne produktsiden. Den ligger her:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Dette skrivebordet har ikke noe e-postprogram. Adressen er:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Legg til en fil</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Legg til en mappe</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Fjern alle</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Les DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Innstillinger...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Veiledning</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Produktside</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Send innspill</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Åpne loggmappen</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Ingenting på dette skrivebordet kan åpne loggmappen. Den ligger her:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Roter</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>For nettet</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>MP4- og MOV-filer med indeksen først, slik at en nettleser kan spille dem av mens de lastes</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Samtidige konverteringer</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisk</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 fil konvertert</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n fil konvertert</numerusform>
            <numerusform>%n filer konvertert</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, %1 mislyktes.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Konvertering stoppet</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Konvertering fullført</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR til SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>HDR-video blir vanlig SDR-video i alle formater, også i H.265, AV1 og VP9, som ellers beholder HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Tidsområde...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Jevn lydstyrke</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Kringkasting, EBU R128 (-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>Podkast (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>Strømming (-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Utdata</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Beskjær svarte striper</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Hvert bilde beskåret til det som ligger innenfor letterbox- eller pillarbox-stripene</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Lydvarsel</translation>
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
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Klipp musikk</translation>
    </message>
</context>
</TS>
