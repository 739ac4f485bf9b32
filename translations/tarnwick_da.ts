<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuller</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Luk</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Luk uden at gemme</translation>
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
        <translation>Gem</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Gem alle</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åbn</translation>
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
        <translation>&amp;Nej</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Ne&amp;j til alle</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Afbryd</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Prøv igen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Forkast</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nulstil</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Genskab standarder</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick kører, men modtog ikke filerne: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Batchkørslen blev stoppet: Målmappen kan ikke rumme flere filer.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>Der er 1 fil tilbage i køen.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>Der er %n fil tilbage i køen.</numerusform>
            <numerusform>Der er %n filer tilbage i køen.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>log: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Tilføj en fil.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tilføj</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Stoppet.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Færdig.</translation>
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
        <translation>Der er ikke valgt noget outputformat</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>encoderen udskrev intet</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>stoppet</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Encoderen stoppede uventet.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>billedet er Dolby Vision profil %1, hvis farver kun en Dolby Vision-afspiller viser korrekt; &quot;Som kilden (kopi)&quot; beholder det uændret</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>den midlertidige mappe %1 kan ikke bruges til første gennemløbs log</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>den blev på %1 af målet på %2: billedet behøver ikke mere</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>kodet igen ved %1 kbit/s: ved %2 kbit/s blev den på %3, over målet på %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>kodet igen ved %1 kbit/s: ved %2 kbit/s blev den på %3, langt under målet på %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>den blev på %1, over målet på %2, uanset hvordan den blev kodet</translation>
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
        <translation>%1 er et link til %2, som ikke findes.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 er ikke et program.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 findes ikke.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick konverterer med FFmpeg, som ikke er installeret. Installér det (på Debian og Ubuntu: apt install ffmpeg), og link derefter encoderen til det:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick konverterer med FFmpeg, som er installeret som %1. Link encoderen til det:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Encoderen mangler, så intet kan konverteres.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Beregnet til</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Hvor filerne skal hen: formatet og den største fil, som stedet tager imod</translation>
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
        <translation>Slip dine videoer her, eller klik for at begynde.
Læs en DVD eller Blu-ray-disk med “Læs DVD” ovenfor.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Vælg et DVD-drev:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Læs DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Filliste:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Tilføj en fil</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Tilføj filer fra en mappe</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Fjern den valgte fil fra listen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Fjern alle filer</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Outputformat:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Outputformat</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Videokvalitet (bithastighed i kbit/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Videobithastighed</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Målmappe:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Vælg en mappe til output</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Vælg en målmappe</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Send os dit forslag eller spørgsmål</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Alle kommandoer</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Tilføj en ny fil til fillisten</translation>
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
        <translation>Hjælp og vejledning</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Minimer vinduet</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Træk mediefiler hen på dette område</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Rotation:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Indstilling af rotation</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>fil %1 af %2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, %1 tilbage</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Videobithastighed i kilobit pr. sekund</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Produktside</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Vælg målmappen</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Alle kommandoer</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Status for den aktuelle fil</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Konvertér nu!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Vælg en mappe:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Minutterne skal være mindre end 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minutter</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Sekunderne skal være mindre end 60</translation>
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
        <translation>Målmappen kunne ikke oprettes:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Der kan ikke skrives til målmappen:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (MPEG4-video, høj kvalitet)</translation>
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
        <translation>kvantisering</translation>
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
        <translation>CreatePipe mislykkedes. Fejl: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Filen eller kommandoen blev ikke fundet</translation>
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
        <translation>Samme kvalitet uanset størrelsen: formatets kvalitetsniveauer i stedet for bithastigheder</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Målstørrelse...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Det største hele filen må fylde, lyd medregnet; den bliver højst så stor og tæt på</translation>
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
        <translation>Målstørrelse, angivet i menuen</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Konstant kvalitet: lavere tal ser bedre ud og fylder mere</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Målstørrelse</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Det meste hele filen må fylde, lyd medregnet, i megabyte som filhåndteringer tæller dem (1 MB = 1.000.000 byte), eller med K eller G efter tallet: 25M, 700MB, 4G.
Tom: intet mål, bithastigheden eller kvaliteten igen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>&quot;%1&quot; er ikke en størrelse. Skriv et antal megabyte eller et tal med K, M eller G efter: 25M, 700MB, 4G.</translation>
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
        <translation>90° med uret</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° mod uret</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Spejlvend lodret</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Spejlvend vandret</translation>
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
        <translation>Den sidste batchkørsel blev afbrudt med 1 fil tilbage. Vil du sætte den i kø igen?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Den sidste batchkørsel blev afbrudt med %n fil tilbage. Vil du sætte den i kø igen?</numerusform>
            <numerusform>Den sidste batchkørsel blev afbrudt med %n filer tilbage. Vil du sætte dem i kø igen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>dens længde kendes ikke, så der kan ikke sigtes efter en størrelse</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 er mindre end lyden alene kræver; den mindste størrelse, der virker, er %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 levner for lidt til et billede, der er værd at se; den mindste størrelse, der virker, er %2</translation>
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
        <translation>ukendt lydstyrke &quot;%1&quot;: vælg ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off eller et antal LUFS fra -40 til -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Slip dine videofiler her</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Søger...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Køen er fuld: Den kan højst rumme %1 filer. 1 fil blev ikke tilføjet.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Køen er fuld: Den kan højst rumme %1 filer. %n fil blev ikke tilføjet.</numerusform>
            <numerusform>Køen er fuld: Den kan højst rumme %1 filer. %n filer blev ikke tilføjet.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 fil blev ikke tilføjet: Dens navn er ikke gyldig UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n fil blev ikke tilføjet: Dens navn er ikke gyldig UTF-8.</numerusform>
            <numerusform>%n filer blev ikke tilføjet: Deres navne er ikke gyldig UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Åbn filer</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Alle formater</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Vælg et DVD-drev</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Træk din video hertil</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Åbn fil</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>tidsintervallet slutter ved %1, som ikke er efter dets start ved %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>tidsintervallet starter ved %1, men videoen er kun %2 lang</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Starten &quot;%1&quot; er ikke et tidspunkt. Skriv sekunder, m:ss eller h:mm:ss, f.eks. 90, 1:30 eller 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Slutningen &quot;%1&quot; er ikke et tidspunkt. Skriv sekunder, m:ss eller h:mm:ss, f.eks. 90, 1:30 eller 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Slutningen skal ligge efter starten.</translation>
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
        <translation>Tidsinterval</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>begyndelsen</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>slutningen</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Sekunder, m:ss eller h:mm:ss, f.eks. 90, 1:30 eller 1:02:03.5. Lad et tidspunkt stå tomt for begyndelsen eller slutningen.</translation>
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
        <translation>Brug: tarnwick-cli [tilvalg] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Konverterer videofiler med FFmpeg-encoderen: én fil pr. SOURCE eller hver
fil, som en mappesøgning finder (mappens egne filer samt VOB- og M2TS-
titelfilerne i mapperne under den; links til mapper følges ikke).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Output navngives &lt;kildenavn&gt;_&lt;time&gt;&lt;minut&gt;&lt;sekund&gt;.&lt;filendelse&gt;; et navn, der
allerede er taget, får _2, _3, ... Intet i målmappen overskrives, og et
output, der ikke blev færdigt, fjernes.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Afslutningsstatus: 0 alt konverteret, 1 en eller flere mislykkedes, 2 forkert
brug, 3 ingen encoder (FFmpeg, linket som data/conv.exe i programmappen,
mangler), 130 stoppet med Ctrl+C eller et afslutningssignal.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 er angivet mere end én gang</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>ukendt format &quot;%1&quot; (et af: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>bithastigheden skal være et helt antal kilobit pr. sekund (1 til 1000000): &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>ukendt rotation &quot;%1&quot; (en af: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output kræver en mappe</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs tager et tal fra 1 til 256 eller &quot;auto&quot;: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate gælder ikke for copy, som ikke genkoder noget</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate gælder ikke for copy, som ikke genkoder noget</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>ingen SOURCE angivet</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>konverteret %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>mislykkedes %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>%1 konverteret, %2 mislykkedes%3 på %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, stoppet</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2 %  fil %3 af %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 kører)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  %1 tilbage</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Se &quot;tarnwick-cli --help&quot; for mere.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>intet at konvertere</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (standard)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr gælder ikke for copy, som ikke genkoder noget</translation>
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
        <translation>I stedet for en bithastighed:
  -q, --quality N        konstant kvalitet på formatets egen skala: CRF for
                         H.264, H.265, AV1 og VP9, kvantisering for MPEG-4,
                         MPEG-1 og WMV; lavere er bedre (se --list-formats for
                         hver skala og dens standard)
      --size SIZE        hele filen, lyd medregnet, højst SIZE og tæt på: 25M,
                         700MB, 4G, i decimale enheder som filhåndteringer
                         tæller (1M = 1.000.000 byte; MiB og GiB er binære); to
                         gennemløb, hvor koderen understøtter det</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>En del af hver kilde, angivet med tidspunkter T i sekunder, m:ss eller
h:mm:ss, hver med decimaler om ønsket (90, 1:30, 1:02:03.5):
      --start T          fra T; copy begynder ved nøglebilledet ved eller før T
      --end T            til T; en slutning efter kildens slutning er dens
                         slutning</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality og --size fastsætter hver billedets kvalitet: angiv kun én af dem</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>kvaliteten for %1 skal være et helt tal fra %2 (bedst) til %3: &quot;%4&quot;</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>størrelsen skal være et antal megabyte eller et tal med K, M eller G efter (25M, 700MB, 4G): &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 kræver et tidspunkt i sekunder, m:ss eller h:mm:ss (f.eks. 90, 1:30 eller 1:02:03.5): &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) skal ligge efter --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end skal ligge efter begyndelsen: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality gælder ikke for copy, som ikke genkoder noget</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size gælder ikke for copy, som ikke genkoder noget</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>kvalitet %1, %2 (bedst) til %3</translation>
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
        <translation>Tilvalg:
  -f, --format NAME      outputformatet, et af:
%1
  -b, --bitrate KBITS    videobithastighed i kilobit pr. sekund
                         (standard: formatets egen, se --list-formats)
  -r, --rotate NAME      none (standard), cw, ccw, vflip, hflip, 180
  -o, --output DIR       målmappe, oprettes om nødvendigt (standard ./output)
      --web              til nettet: MP4- og MOV-filer får indekset forrest,
                         så en browser afspiller dem, mens de hentes
      --sdr              HDR til SDR: HDR-kilder bliver SDR i alle formater;
                         uden den beholder H.265, AV1 og VP9 HDR i 10 bit
      --crop             beskær de sorte bjælker, som billederne er enige om
      --loudness TARGET  hver fils lyd ved én lydstyrke, sande spidser
                         under -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) eller et antal LUFS, -40 til -5
  -j, --jobs N           N konverteringer ad gangen; &quot;auto&quot; for én pr. kerne
      --disc DIR         sæt titelfilerne i en DVD&apos;s VIDEO_TS eller en
                         Blu-rays BDMV/STREAM under DIR i kø (kan gentages)
  -n, --dry-run          udskriv hver fils kommandoer, konvertér intet
      --json             én JSON-hændelse pr. linje på standardoutput
      --list-formats     udskriv formaterne med deres standardbithastighed
  -h, --help             denne tekst
  -v, --version          programmets version</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop gælder ikke for copy, som ikke genkoder noget</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>ukendt sted &quot;%1&quot; for --for (et af: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 vælger selv format og størrelse: udelad %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>I stedet for et format og en størrelse, hvor filen skal hen:
      --for NAME         stedets format og største fil, et af:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, højst %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, indeks forrest</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Intet på dette skrivebord kan åbne hjælpen. Den ligger her:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Intet på dette skrivebord kan åbne vejledningen. Den ligger her:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Intet på dette skrivebord kan åbne produktsiden. Den ligger her:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Dette skrivebord har intet mailprogram. Adressen er:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Tilføj en fil</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Tilføj en mappe</translation>
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
        <translation>Læs DVD</translation>
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
        <translation>Indstillinger...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Vejledning</translation>
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
        <translation>Send feedback</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Åbn logmappen</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Intet på dette skrivebord kan åbne logmappen. Den ligger her:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Til nettet</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>MP4- og MOV-filer med indekset forrest, så en browser afspiller dem, mens de hentes</translation>
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
        <translation>1 fil konverteret</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n fil konverteret</numerusform>
            <numerusform>%n filer konverteret</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, %1 mislykkedes.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Batchkørsel stoppet</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Batchkørsel færdig</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR til SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>HDR-video bliver til almindelig SDR-video i alle formater, også i H.265, AV1 og VP9, som ellers beholder HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Tidsinterval...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Ensartet lydstyrke</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Tv og radio, EBU R128 (-23 LUFS)</translation>
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
        <translation>Output</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Beskær sorte bjælker</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Hvert billede beskåret til det, der ligger inden for dets letterbox- eller pillarbox-bjælker</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Lydsignal ved afslutning</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Til</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Musikklipper</translation>
    </message>
</context>
</TS>
