<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Schließen ohne zu Speichern</translation>
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
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Alles speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja, &amp;alle</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;ein, keine</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Voreinstellungen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick läuft, hat die Dateien aber nicht übernommen: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Die Stapelverarbeitung wurde gestoppt: Der Ausgabeordner nimmt keine Dateien mehr auf.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>1 Datei bleibt in der Warteschlange.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>%n Datei bleibt in der Warteschlange.</numerusform>
            <numerusform>%n Dateien bleiben in der Warteschlange.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>Protokoll: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Bitte fügen Sie eine Datei hinzu.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Gestoppt.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>1 Datei konnte nicht konvertiert werden:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>%n Datei konnte nicht konvertiert werden:</numerusform>
            <numerusform>%n Dateien konnten nicht konvertiert werden:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>the encoder printed nothing</source>
        <translation>der Encoder hat nichts ausgegeben</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>gestoppt</translation>
    </message>
    <message>
        <source>No output format is chosen</source>
        <translation>Kein Ausgabeformat gewählt</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Der Encoder wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>sein Bild ist Dolby Vision Profil %1, dessen Farben nur ein Dolby-Vision-Player richtig zeigt; Wie die Quelle (Kopie) behält es unverändert</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>der temporäre Ordner %1 kann nicht für das Protokoll des ersten Durchgangs verwendet werden</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>sie wurde %1 groß bei einem Ziel von %2: mehr braucht das Bild nicht</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>erneut kodiert mit %1 kb/s: mit %2 kb/s wurde sie %3 groß, über dem Ziel von %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>erneut kodiert mit %1 kb/s: mit %2 kb/s wurde sie %3 groß, deutlich unter dem Ziel von %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>sie wurde %1 groß, über dem Ziel von %2, wie auch immer kodiert wurde</translation>
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
        <translation>E-Mail (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 ist ein Link auf %2, das nicht vorhanden ist.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 ist kein Programm.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick konvertiert mit FFmpeg, das nicht installiert ist. Installieren Sie es (unter Debian und Ubuntu: apt install ffmpeg) und verknüpfen Sie dann den Encoder damit:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick konvertiert mit FFmpeg, das als %1 installiert ist. Verknüpfen Sie den Encoder damit:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Der Encoder fehlt, daher kann nichts konvertiert werden.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Bestimmt für</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Wohin die Dateien gehen: das Format und die größte Datei, die dieses Ziel annimmt</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Videos hier ablegen oder klicken, um zu beginnen.
DVD oder Blu-ray mit „DVD lesen“ oben einlesen.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>DVD-Laufwerk auswählen:</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Dateiliste:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Datei hinzufügen</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Dateien aus einem Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Ausgewählte Datei aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Alle Dateien entfernen</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Ausgabeformat:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Videoqualität (Bitrate in kBit/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Video-Bitrate</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Ausgabeordner:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Ordner für die Ausgabe auswählen</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Ausgabeordner auswählen</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Senden Sie uns Ihre Anregung oder Frage</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Alle Befehle</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Neue Datei zur Dateiliste hinzufügen</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Datei aus der Dateiliste entfernen</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Konvertierung starten</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Hilfe und Anleitung</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Fenster minimieren</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Mediendateien auf diese Ablagefläche ziehen</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Drehen:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Drehung einstellen</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>Datei %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, noch %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Video-Bitrate in Kilobit pro Sekunde</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Fortschritt der aktuellen Datei</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Produktseite</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Alle Befehle</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Jetzt konvertieren!</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>DVD lesen</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Ordner auswählen:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Die Minuten müssen kleiner als 60 sein</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Die Sekunden müssen kleiner als 60 sein</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Sekunden</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Der Ausgabeordner konnte nicht angelegt werden:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>In den Ausgabeordner kann nicht geschrieben werden:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (MPEG4-Video, hohe Qualität)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (H264-Video)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (MPEG4-Video, Standard)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (Apple/QuickTime-Video)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (Flash-Video)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (MPEG1-Video)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (H.265/HEVC-Video)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (AV1-Video)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (AV1-Video)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (VP9-Video)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (H.264-Video)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>Wie die Quelle (Kopie)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>Quantisierer</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Befehlszeile leer</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe fehlgeschlagen. Fehler: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Datei oder Befehl nicht gefunden</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
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
        <translation>Konstante Qualität</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Gleiche Qualität unabhängig von der Größe: die Qualitätsstufen des Formats statt Bitraten</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Zielgröße...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Die maximale Größe der ganzen Datei, Ton eingeschlossen; sie wird höchstens so groß und kommt nahe heran</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Zielgröße: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Zielgröße (ganze Datei):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Zielgröße, im Menü festgelegt</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Konstante Qualität: kleinere Zahlen sehen besser aus und brauchen mehr Platz</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Zielgröße</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Die maximale Größe der ganzen Datei, Ton eingeschlossen, in Megabyte, wie Dateimanager sie zählen (1 MB = 1.000.000 Byte), oder mit K oder G hinter der Zahl: 25M, 700MB, 4G.
Leer: kein Ziel, wieder die Bitrate oder Qualität.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>„%1“ ist keine Größe. Bitte eine Zahl in Megabyte eingeben oder eine Zahl mit K, M oder G dahinter: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Videoqualität (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Die letzte Stapelverarbeitung wurde unterbrochen, 1 Datei ist übrig. Wieder in die Warteschlange stellen?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Die letzte Stapelverarbeitung wurde unterbrochen, %n Datei ist übrig. Wieder in die Warteschlange stellen?</numerusform>
            <numerusform>Die letzte Stapelverarbeitung wurde unterbrochen, %n Dateien sind übrig. Wieder in die Warteschlange stellen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>seine Länge ist unbekannt, daher kann keine Größe angestrebt werden</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 ist weniger, als allein der Ton braucht; die kleinste mögliche Größe ist %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 lässt zu wenig für ein sehenswertes Bild; die kleinste mögliche Größe ist %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Videos werden konvertiert</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>unbekannte Lautheit „%1“: wählen Sie ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off oder eine Zahl in LUFS von -40 bis -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Videodateien hier ablegen</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Die Warteschlange ist voll: Sie fasst höchstens %1 Dateien. 1 Datei wurde nicht hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Die Warteschlange ist voll: Sie fasst höchstens %1 Dateien. %n Datei wurde nicht hinzugefügt.</numerusform>
            <numerusform>Die Warteschlange ist voll: Sie fasst höchstens %1 Dateien. %n Dateien wurden nicht hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 Datei wurde nicht hinzugefügt: Ihr Name ist kein gültiges UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n Datei wurde nicht hinzugefügt: Ihr Name ist kein gültiges UTF-8.</numerusform>
            <numerusform>%n Dateien wurden nicht hinzugefügt: Ihre Namen sind kein gültiges UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Dateien öffnen</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Alle Formate</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Bitte wählen Sie ein DVD-Laufwerk</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Video hierher ziehen</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>der Zeitbereich endet bei %1, also nicht nach seinem Beginn bei %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>der Zeitbereich beginnt bei %1, aber das Video ist nur %2 lang</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Der Beginn „%1“ ist keine Zeitangabe. Bitte Sekunden, m:ss oder h:mm:ss eingeben, etwa 90, 1:30 oder 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Das Ende „%1“ ist keine Zeitangabe. Bitte Sekunden, m:ss oder h:mm:ss eingeben, etwa 90, 1:30 oder 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Das Ende muss nach dem Beginn liegen.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>ab %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>bis %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Zeitbereich</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Sekunden, m:ss oder h:mm:ss, etwa 90, 1:30 oder 1:02:03.5. Eine leere Zeit steht für den Anfang bzw. das Ende.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Beginn:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Ende:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Aufruf: tarnwick-cli [Optionen] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Konvertiert Videodateien mit dem FFmpeg-Encoder: eine Datei je SOURCE oder
jede Datei, die eine Ordnersuche findet (die Dateien des Ordners selbst und
die VOB- und M2TS-Titeldateien in den Ordnern darunter; Verknüpfungen zu
Ordnern wird nicht gefolgt).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Ausgaben heißen &lt;Quellname&gt;_&lt;Stunde&gt;&lt;Minute&gt;&lt;Sekunde&gt;.&lt;Endung&gt;; ein schon
vergebener Name erhält _2, _3, ... Im Ausgabeordner wird nichts überschrieben,
und eine nicht fertiggestellte Ausgabe wird entfernt.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Rückgabewert: 0 alles konvertiert, 1 mindestens eine fehlgeschlagen,
2 falscher Aufruf, 3 kein Encoder (FFmpeg, als data/conv.exe im Programmordner
verknüpft, fehlt), 130 durch Strg+C oder ein Beendigungssignal gestoppt.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>unbekanntes Format „%1“ (möglich: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>die Bitrate muss eine ganze Zahl in Kilobit pro Sekunde sein (1 bis 1000000): „%1“</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>unbekannte Drehung „%1“ (möglich: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output braucht einen Ordner</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs erwartet eine Zahl von 1 bis 256 oder „auto“: „%1“</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>keine SOURCE angegeben</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>konvertiert %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>fehlgeschlagen %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>%1 konvertiert, %2 fehlgeschlagen%3 in %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, gestoppt</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2 %  Datei %3 von %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 laufen)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  noch %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Mehr dazu mit „tarnwick-cli --help“.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>nichts zu konvertieren</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate gilt nicht für copy, das nichts neu kodiert</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate gilt nicht für copy, das nichts neu kodiert</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr gilt nicht für copy, das nichts neu kodiert</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (Standard)</translation>
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
        <translation>Statt einer Bitrate:
  -q, --quality N        konstante Qualität auf der eigenen Skala des Formats:
                         CRF bei H.264, H.265, AV1 und VP9, Quantisierer bei
                         MPEG-4, MPEG-1 und WMV; kleiner ist besser (siehe
                         --list-formats für jede Skala und ihren Standard)
      --size SIZE        die ganze Datei, Ton eingeschlossen, höchstens SIZE
                         und nahe daran: 25M, 700MB, 4G, in Dezimaleinheiten
                         wie bei Dateimanagern (1M = 1.000.000 Byte; MiB und
                         GiB sind binär); zwei Durchgänge, wo der Encoder
                         sie unterstützt</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Ein Teil jeder Quelle, nach Zeiten T in Sekunden, m:ss oder h:mm:ss, jeweils
auf Wunsch mit Nachkommastellen (90, 1:30, 1:02:03.5):
      --start T          ab T; copy beginnt am Schlüsselbild bei oder vor T
      --end T            bis T; ein Ende nach dem Ende der Quelle ist ihr Ende</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality und --size bestimmen jeweils die Bildqualität: nur eine davon angeben</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>die Qualität für %1 muss eine ganze Zahl von %2 (beste) bis %3 sein: „%4“</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>die Größe muss eine Zahl in Megabyte sein oder eine mit K, M oder G dahinter (25M, 700MB, 4G): „%1“</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 erwartet eine Zeit in Sekunden, m:ss oder h:mm:ss (etwa 90, 1:30 oder 1:02:03.5): „%2“</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) muss nach --start (%2) liegen</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end muss nach dem Anfang liegen: „%1“</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality gilt nicht für copy, das nichts neu kodiert</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size gilt nicht für copy, das nichts neu kodiert</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>Qualität %1, %2 (beste) bis %3</translation>
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
        <translation>Optionen:
  -f, --format NAME      das Ausgabeformat, eines von:
%1
  -b, --bitrate KBITS    Video-Bitrate in Kilobit pro Sekunde
                         (Standard: die des Formats, siehe --list-formats)
  -r, --rotate NAME      none (Standard), cw, ccw, vflip, hflip, 180
  -o, --output DIR       Ausgabeordner, wird bei Bedarf angelegt
                         (Standard: ./output)
      --web              fürs Web: MP4- und MOV-Dateien mit dem Index am
                         Anfang, damit ein Browser sie beim Laden abspielt
      --sdr              HDR zu SDR: HDR-Quellen werden in jedem Format SDR;
                         sonst behalten H.265, AV1 und VP9 HDR in 10 Bit
      --crop             die schwarzen Balken abschneiden, die alle Bilder
                         gemeinsam haben
      --loudness TARGET  der Ton jeder Datei auf einer Lautheit, echte Spitzen
                         unter -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) oder eine Zahl in LUFS, -40 bis -5
  -j, --jobs N           N Konvertierungen gleichzeitig; „auto“: eine je Kern
      --disc DIR         die Titeldateien in VIDEO_TS einer DVD oder in
                         BDMV/STREAM einer Blu-ray unter DIR einreihen
                         (mehrfach möglich)
  -n, --dry-run          die Befehle jeder Datei ausgeben, nichts konvertieren
      --json             ein JSON-Ereignis pro Zeile auf der Standardausgabe
      --list-formats     die Formate mit ihren Standard-Bitraten ausgeben
  -h, --help             dieser Text
  -v, --version          die Version des Programms</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop gilt nicht für copy, das nichts neu kodiert</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>unbekanntes Ziel „%1“ für --for (möglich: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 wählt Format und Größe selbst: lassen Sie %2 weg</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Statt Format und Größe das Ziel der Datei:
      --for NAME         Format und größte Datei dieses Ziels, eines von:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, höchstens %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, Index vorn</translation>
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
        <translation>Auf diesem Desktop kann nichts die Hilfe öffnen. Sie liegt hier:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Auf diesem Desktop kann nichts die Anleitung öffnen. Sie liegt hier:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Auf diesem Desktop kann nichts die Produktseite öffnen. Sie ist hier:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Auf diesem Desktop gibt es kein E-Mail-Programm. Die Adresse lautet:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Datei hinzufügen</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>DVD lesen</translation>
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
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Produktseite</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Feedback senden</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Protokollordner öffnen</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Auf diesem Desktop kann nichts den Protokollordner öffnen. Er liegt hier:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 Datei konvertiert</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n Datei konvertiert</numerusform>
            <numerusform>%n Dateien konvertiert</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, %1 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Stapelverarbeitung gestoppt</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Stapelverarbeitung fertig</translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Fürs Web</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>MP4- und MOV-Dateien mit dem Index am Anfang, damit ein Browser sie schon beim Laden abspielt</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Konvertierungen gleichzeitig</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR zu SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>HDR-Video wird in jedem Format zu gewöhnlichem SDR-Video, auch in H.265, AV1 und VP9, die es sonst in HDR behalten</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Zeitbereich...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Gleiche Lautheit</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Rundfunk, EBU R128 (-23 LUFS)</translation>
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
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Schwarze Balken entfernen</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Jedes Bild auf das zugeschnitten, was innerhalb seiner Letterbox- oder Pillarbox-Balken liegt</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Tonsignal am Ende</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Musikschnitt</translation>
    </message>
</context>
</TS>
