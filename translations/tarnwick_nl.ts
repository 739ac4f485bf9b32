<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sl&amp;uiten</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Sluiten zonder opslaan</translation>
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
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Alles opslaan</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja op &amp;alles</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Nee &amp;op alles</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Afbreken</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Negeren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerpen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standaard herstellen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick draait, maar heeft de bestanden niet overgenomen: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>De batch is gestopt: de uitvoermap neemt geen bestanden meer aan.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>Er staat nog 1 bestand in de wachtrij.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>Er staat nog %n bestand in de wachtrij.</numerusform>
            <numerusform>Er staan nog %n bestanden in de wachtrij.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>logboek: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Voeg een bestand toe.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Gestopt.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Klaar.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>1 bestand kon niet worden geconverteerd:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>%n bestand kon niet worden geconverteerd:</numerusform>
            <numerusform>%n bestanden konden niet worden geconverteerd:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Er is geen uitvoerformaat gekozen</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>de encoder gaf geen uitvoer</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>gestopt</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>De encoder is onverwacht gestopt.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>het beeld is Dolby Vision-profiel %1, waarvan alleen een Dolby Vision-speler de kleuren goed toont; Zelfde als bron (kopie) laat het zoals het is</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>de tijdelijke map %1 kan niet worden gebruikt voor het logboek van de eerste pass</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>het resultaat is %1 bij een doel van %2: het beeld heeft niet meer nodig</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>opnieuw gecodeerd met %1 kb/s: met %2 kb/s werd het %3, boven het doel van %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>opnieuw gecodeerd met %1 kb/s: met %2 kb/s werd het %3, ruim onder het doel van %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>het resultaat is %1, boven het doel van %2, hoe het ook werd gecodeerd</translation>
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
        <translation>%1 is een koppeling naar %2, dat niet bestaat.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 is geen programma.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 bestaat niet.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick converteert met FFmpeg, dat niet is geïnstalleerd. Installeer het (op Debian en Ubuntu: apt install ffmpeg) en koppel de encoder er daarna aan:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick converteert met FFmpeg, dat is geïnstalleerd als %1. Koppel de encoder eraan:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>De encoder ontbreekt, dus er kan niets worden geconverteerd.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Bestemd voor</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Waar de bestanden heen gaan: het formaat en het grootste bestand dat die plek aanneemt</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Geen</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Sleep uw video’s hierheen of klik om te beginnen.
Lees een DVD of Blu-ray met ‘DVD lezen’ hierboven.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Kies een DVD-station:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>DVD lezen</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Bestandslijst:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Bestand toevoegen</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Bestanden uit een map toevoegen</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Geselecteerd bestand uit de lijst verwijderen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Alle bestanden verwijderen</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Uitvoerformaat:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Uitvoerformaat</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Videokwaliteit (bitrate in kbit/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Videobitrate</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Uitvoermap:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Map voor de uitvoer selecteren</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Uitvoermap selecteren</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Stuur ons uw suggestie of vraag</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Alle opdrachten</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Nieuw bestand aan de bestandslijst toevoegen</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Bestand uit de bestandslijst verwijderen</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Conversie starten</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Help en handleiding</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Venster minimaliseren</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Sleep mediabestanden naar dit vak</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Draaien:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Draaiing instellen</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, nog %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Videobitrate in kilobit per seconde</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Productpagina</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Kies de uitvoermap</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Alle opdrachten</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Voortgang van het huidige bestand</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Nu converteren!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Selecteer een map:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Het aantal minuten moet kleiner zijn dan 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Het aantal seconden moet kleiner zijn dan 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Seconden</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>De uitvoermap kon niet worden aangemaakt:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Er kan niet in de uitvoermap worden geschreven:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (MPEG4-video, hoge kwaliteit)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (H264-video)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (MPEG4-video, standaard)</translation>
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
        <translation>Zelfde als bron (kopie)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>quantizer</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Opdrachtregel leeg</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe mislukt. Fout: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Bestand of opdracht niet gevonden</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formaat</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>Constante kwaliteit</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Dezelfde kwaliteit ongeacht de grootte: de kwaliteitsniveaus van het formaat in plaats van bitrates</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Doelgrootte...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Hoe groot het hele bestand mag zijn, geluid inbegrepen; het wordt hooguit zo groot en komt er dicht bij</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Doelgrootte: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Doelgrootte (hele bestand):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Doelgrootte, ingesteld in het menu</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Constante kwaliteit: lagere getallen zien er beter uit en nemen meer ruimte in</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Doelgrootte</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Hoeveel het hele bestand hooguit mag innemen, geluid inbegrepen, in megabytes zoals bestandsbeheerders ze tellen (1 MB = 1.000.000 bytes), of met K of G achter het getal: 25M, 700MB, 4G.
Leeg: geen doel, weer de bitrate of kwaliteit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>&apos;%1&apos; is geen grootte. Voer een aantal megabytes in, of een getal met K, M of G erachter: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Videokwaliteit (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° rechtsom</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° linksom</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Verticaal spiegelen</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Horizontaal spiegelen</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>De laatste batch is onderbroken met nog 1 bestand te gaan. Opnieuw in de wachtrij zetten?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>De laatste batch is onderbroken met nog %n bestand te gaan. Opnieuw in de wachtrij zetten?</numerusform>
            <numerusform>De laatste batch is onderbroken met nog %n bestanden te gaan. Opnieuw in de wachtrij zetten?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>de duur is onbekend, dus er kan geen grootte worden nagestreefd</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 is minder dan alleen het geluid al nodig heeft; de kleinste grootte die werkt is %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 laat te weinig over voor beeld dat het bekijken waard is; de kleinste grootte die werkt is %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Video’s worden geconverteerd</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>onbekende luidheid &apos;%1&apos;: kies ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off of een aantal LUFS van -40 tot -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Video’s hier neerzetten</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Zoeken...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>De wachtrij is vol: er passen hoogstens %1 bestanden in. 1 bestand is niet toegevoegd.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>De wachtrij is vol: er passen hoogstens %1 bestanden in. %n bestand is niet toegevoegd.</numerusform>
            <numerusform>De wachtrij is vol: er passen hoogstens %1 bestanden in. %n bestanden zijn niet toegevoegd.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 bestand is niet toegevoegd: de naam is geen geldige UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n bestand is niet toegevoegd: de naam is geen geldige UTF-8.</numerusform>
            <numerusform>%n bestanden zijn niet toegevoegd: de namen zijn geen geldige UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Bestanden openen</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Alle formaten</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Selecteer een DVD-station</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Sleep uw video hierheen</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Bestand openen</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>het tijdbereik eindigt op %1, wat niet na het begin op %2 ligt</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>het tijdbereik begint op %1, maar de video duurt maar %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Het begin &apos;%1&apos; is geen tijd. Voer seconden, m:ss of h:mm:ss in, zoals 90, 1:30 of 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Het einde &apos;%1&apos; is geen tijd. Voer seconden, m:ss of h:mm:ss in, zoals 90, 1:30 of 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Het einde moet na het begin liggen.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>vanaf %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>tot %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Tijdbereik</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>het begin</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>het einde</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Seconden, m:ss of h:mm:ss, zoals 90, 1:30 of 1:02:03.5. Laat een tijd leeg voor het begin of het einde.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Begin:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Einde:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Gebruik: tarnwick-cli [opties] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Converteert videobestanden met de FFmpeg-encoder: één bestand per SOURCE of
elk bestand dat een zoektocht in een map vindt (de eigen bestanden van de map
en de VOB- en M2TS-titelbestanden in de mappen daaronder; koppelingen naar
mappen worden niet gevolgd).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Uitvoerbestanden heten &lt;bronnaam&gt;_&lt;uur&gt;&lt;minuut&gt;&lt;seconde&gt;.&lt;extensie&gt;; een naam
die al bestaat, krijgt _2, _3, ... In de uitvoermap wordt niets overschreven,
en een uitvoerbestand dat niet af is, wordt verwijderd.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Afsluitstatus: 0 alles geconverteerd, 1 een of meer mislukt, 2 onjuist gebruik,
3 geen encoder (FFmpeg, gekoppeld als data/conv.exe in de programmamap,
ontbreekt), 130 gestopt door Ctrl+C of een beëindigingssignaal.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 meer dan eens opgegeven</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>onbekend formaat &apos;%1&apos; (mogelijk: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>de bitrate moet een geheel aantal kilobit per seconde zijn (1 tot 1000000): &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>onbekende draaiing &apos;%1&apos; (mogelijk: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output vereist een map</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs verwacht een getal van 1 tot 256 of &apos;auto&apos;: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate geldt niet voor copy, dat niets opnieuw codeert</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate geldt niet voor copy, dat niets opnieuw codeert</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>geen SOURCE opgegeven</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>geconverteerd %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>mislukt %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>%1 geconverteerd, %2 mislukt%3 in %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, gestopt</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  bestand %3 van %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 bezig)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  nog %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Zie &apos;tarnwick-cli --help&apos; voor meer informatie.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>niets te converteren</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (standaard)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr geldt niet voor copy, dat niets opnieuw codeert</translation>
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
        <translation>In plaats van een bitrate:
  -q, --quality N        constante kwaliteit op de eigen schaal van het
                         formaat: de CRF van H.264, H.265, AV1 en VP9, de
                         quantizer van MPEG-4, MPEG-1 en WMV; lager is beter
                         (zie --list-formats voor elke schaal en de
                         standaardwaarde)
      --size SIZE        het hele bestand, geluid inbegrepen, hooguit SIZE en
                         er dicht bij: 25M, 700MB, 4G, in decimale eenheden
                         zoals bestandsbeheerders tellen (1M = 1.000.000 bytes;
                         MiB en GiB zijn binair); twee passes waar de encoder
                         dat ondersteunt</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Een deel van elke bron, met tijden T in seconden, m:ss of h:mm:ss, desgewenst
met decimalen (90, 1:30, 1:02:03.5):
      --start T          vanaf T; copy begint bij het sleutelbeeld op of vóór T
      --end T            tot T; een einde voorbij het einde van de bron is dat
                         einde</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality en --size bepalen elk de beeldkwaliteit: geef er maar één op</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>de kwaliteit voor %1 moet een geheel getal van %2 (best) tot %3 zijn: &apos;%4&apos;</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>de grootte moet een aantal megabytes zijn, of met K, M of G erachter (25M, 700MB, 4G): &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 verwacht een tijd in seconden, m:ss of h:mm:ss (zoals 90, 1:30 of 1:02:03.5): &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) moet na --start (%2) liggen</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end moet na het begin liggen: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality geldt niet voor copy, dat niets opnieuw codeert</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size geldt niet voor copy, dat niets opnieuw codeert</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>kwaliteit %1, %2 (best) tot %3</translation>
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
        <translation>Opties:
  -f, --format NAME      het uitvoerformaat, een van:
%1
  -b, --bitrate KBITS    videobitrate in kilobit per seconde
                         (standaard: die van het formaat, zie --list-formats)
  -r, --rotate NAME      none (standaard), cw, ccw, vflip, hflip, 180
  -o, --output DIR       uitvoermap, zo nodig aangemaakt (standaard ./output)
      --web              voor het web: MP4- en MOV-bestanden krijgen hun index
                         vooraan, zodat een browser ze al tijdens het laden
                         afspeelt
      --sdr              HDR naar SDR: HDR-bronnen worden SDR in elk formaat;
                         anders houden H.265, AV1 en VP9 HDR in 10 bits
      --crop             de zwarte balken bijsnijden die alle beelden delen
      --loudness TARGET  het geluid van elk bestand op één luidheid, echte
                         pieken onder -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) of een aantal LUFS, -40 tot -5
  -j, --jobs N           N conversies tegelijk; &apos;auto&apos; voor één per kern
      --disc DIR         de titelbestanden in VIDEO_TS van een DVD of in
                         BDMV/STREAM van een Blu-ray onder DIR in de wachtrij
                         zetten (herhaalbaar)
  -n, --dry-run          de opdrachten per bestand tonen, niets converteren
      --json             één JSON-gebeurtenis per regel op standaarduitvoer
      --list-formats     de formaten met hun standaardbitrate tonen
  -h, --help             deze tekst
  -v, --version          de versie van het programma</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop geldt niet voor copy, dat niets opnieuw codeert</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>onbekende plek &apos;%1&apos; voor --for (mogelijk: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 kiest zelf het formaat en de grootte: laat %2 weg</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>In plaats van een formaat en een grootte, waar het bestand heen gaat:
      --for NAME         formaat en grootste bestand van die plek, een van:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, hoogstens %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, index vooraan</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Niets op dit bureaublad kan de help openen. Deze staat hier:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Niets op dit bureaublad kan de handleiding openen. Deze staat hier:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Niets op dit bureaublad kan de productpagina openen. Het adres is:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Dit bureaublad heeft geen e-mailprogramma. Het adres is:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Bestand toevoegen</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Map toevoegen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Alles verwijderen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>DVD lezen</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Instellingen...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Handleiding</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Productpagina</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Feedback sturen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Logboekmap openen</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Niets op dit bureaublad kan de logboekmap openen. Deze staat hier:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Draaien</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Voor het web</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>MP4- en MOV-bestanden met de index vooraan, zodat een browser ze al tijdens het laden afspeelt</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Gelijktijdige conversies</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 bestand geconverteerd</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n bestand geconverteerd</numerusform>
            <numerusform>%n bestanden geconverteerd</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, %1 mislukt.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Batch gestopt</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Batch voltooid</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR naar SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>HDR-video wordt gewone SDR-video in elk formaat, ook in H.265, AV1 en VP9, die het anders in HDR houden</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Tijdbereik...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Gelijke luidheid</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Omroep, EBU R128 (-23 LUFS)</translation>
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
        <translation>Uitvoer</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Zwarte balken bijsnijden</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Elk beeld bijgesneden tot wat binnen de letterbox- of pillarboxbalken ligt</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Geluid na afloop</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Muziek knippen</translation>
    </message>
</context>
</TS>
