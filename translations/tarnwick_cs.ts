<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Uložit</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušit</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zavřít</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Zavřít bez uložení</translation>
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
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Uložit vše</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ano, &amp;vše</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;e, žádné</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opakovat</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorovat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Zahodit</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Vrátit</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Obnovit výchozí</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick běží, ale soubory nepřevzal: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Dávkové zpracování bylo zastaveno: do výstupní složky už nelze ukládat další soubory.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>Ve frontě zbývá 1 soubor.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>Ve frontě zbývá %n soubor.</numerusform>
            <numerusform>Ve frontě zbývají %n soubory.</numerusform>
            <numerusform>Ve frontě zbývá %n souborů.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>protokol: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Přidejte prosím soubor.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Zastaveno.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hotovo.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>1 soubor se nepodařilo převést:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>%n soubor se nepodařilo převést:</numerusform>
            <numerusform>%n soubory se nepodařilo převést:</numerusform>
            <numerusform>%n souborů se nepodařilo převést:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Není zvolen výstupní formát</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>kodér nic nevypsal</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>zastaveno</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Kodér se neočekávaně ukončil.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>jeho obraz je Dolby Vision profilu %1, jehož barvy správně zobrazí jen přehrávač s Dolby Vision; „Stejný jako zdroj (kopie)“ ho ponechá beze změny</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>dočasnou složku %1 nelze použít pro protokol prvního průchodu</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>vyšlo to na %1 z cílových %2: obraz víc nepotřebuje</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>znovu zakódováno s %1 kb/s: při %2 kb/s vyšlo %3, nad cílem %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>znovu zakódováno s %1 kb/s: při %2 kb/s vyšlo %3, hluboko pod cílem %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>vyšlo to na %1, nad cílem %2, jakkoli se kódovalo</translation>
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
        <translation>%1 je odkaz na %2, který neexistuje.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 není program.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 neexistuje.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick převádí pomocí FFmpeg, který není nainstalován. Nainstalujte jej (v Debianu a Ubuntu: apt install ffmpeg) a pak na něj odkažte kodér:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick převádí pomocí FFmpeg, který je nainstalován jako %1. Odkažte na něj kodér:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Chybí kodér, proto nelze nic převést.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Určeno pro</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Kam soubory půjdou: formát a největší soubor, který dané místo přijme</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Žádné</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Přetáhněte sem videa nebo začněte kliknutím.
Disk DVD nebo Blu-ray načtete tlačítkem „Načíst DVD“ nahoře.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Vyberte jednotku DVD:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Načíst DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Seznam souborů:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Přidat soubor</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Přidat soubory ze složky</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Odebrat vybraný soubor ze seznamu</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Odebrat všechny soubory</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Výstupní formát:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Výstupní formát</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Kvalita videa (datový tok v kb/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Datový tok videa</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Výstupní složka:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Vybrat složku pro výstup</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Vybrat výstupní složku</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Názor</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Pošlete nám svůj návrh nebo dotaz</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Všechny příkazy</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Přidat nový soubor do seznamu</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Odebrat soubor ze seznamu</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Spustit převod</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Nápověda a návod</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Minimalizovat okno</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Přetáhněte multimediální soubory do této oblasti</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Otočení:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Nastavení otočení</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, zbývá %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Datový tok videa v kilobitech za sekundu</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Stránka produktu</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Zvolit výstupní složku</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Všechny příkazy</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Průběh aktuálního souboru</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Převést nyní!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Vyberte složku:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Minuty musí být menší než 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Sekundy musí být menší než 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Sekundy</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Výstupní složku nelze vytvořit:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Do výstupní složky nelze zapisovat:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (video MPEG4, vysoká kvalita)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (video H264)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (video MPEG4, standardní)</translation>
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
        <translation>Stejný jako zdroj (kopie)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>kvantizér</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Příkazový řádek je prázdný</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe selhalo. Chyba: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Soubor nebo příkaz nebyl nalezen</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Název souboru</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formát</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>Konstantní kvalita</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Stejná kvalita bez ohledu na velikost: úrovně kvality formátu místo datového toku</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Cílová velikost...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Největší velikost celého souboru včetně zvuku; výsledek ji nepřekročí a bude se jí blížit</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Cílová velikost: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Cílová velikost (celý soubor):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Cílová velikost, nastavená v nabídce</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Konstantní kvalita: nižší čísla vypadají lépe a zabírají víc místa</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Cílová velikost</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Nejvíce, kolik smí celý soubor zabrat, včetně zvuku, v megabajtech tak, jak je počítají správci souborů (1 MB = 1 000 000 bajtů), nebo s K či G za číslem: 25M, 700MB, 4G.
Prázdné: žádný cíl, opět datový tok nebo kvalita.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>„%1“ není velikost. Zadejte počet megabajtů nebo číslo s K, M či G za ním: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Kvalita videa (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° po směru hodin</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° proti směru hodin</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Zrcadlit svisle</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Zrcadlit vodorovně</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Žádné</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Poslední dávkové zpracování bylo přerušeno a zbyl 1 soubor. Zařadit jej znovu do fronty?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Poslední dávkové zpracování bylo přerušeno a zbyl %n soubor. Zařadit jej znovu do fronty?</numerusform>
            <numerusform>Poslední dávkové zpracování bylo přerušeno a zbyly %n soubory. Zařadit je znovu do fronty?</numerusform>
            <numerusform>Poslední dávkové zpracování bylo přerušeno a zbylo %n souborů. Zařadit je znovu do fronty?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>jeho délka není známa, takže nelze mířit na žádnou velikost</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 je méně, než potřebuje samotný zvuk; nejmenší použitelná velikost je %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 ponechá příliš málo na obraz, který by stál za podívání; nejmenší použitelná velikost je %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Převádění videí</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>neznámá hlasitost „%1“: zvolte ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off nebo počet LUFS od -40 do -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Přetáhněte sem videa</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Hledání...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Fronta je plná: pojme nejvýše %1 souborů. 1 soubor nebyl přidán.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Fronta je plná: pojme nejvýše %1 souborů. %n soubor nebyl přidán.</numerusform>
            <numerusform>Fronta je plná: pojme nejvýše %1 souborů. %n soubory nebyly přidány.</numerusform>
            <numerusform>Fronta je plná: pojme nejvýše %1 souborů. %n souborů nebylo přidáno.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 soubor nebyl přidán: jeho název není platné UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n soubor nebyl přidán: jeho název není platné UTF-8.</numerusform>
            <numerusform>%n soubory nebyly přidány: jejich názvy nejsou platné UTF-8.</numerusform>
            <numerusform>%n souborů nebylo přidáno: jejich názvy nejsou platné UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Otevřít soubory</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Všechny formáty</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Vyberte prosím jednotku DVD</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Přetáhněte sem video</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otevřít soubor</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>časový úsek končí v %1, což není po jeho začátku v %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>časový úsek začíná v %1, ale video je dlouhé jen %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Začátek „%1“ není čas. Zadejte sekundy, m:ss nebo h:mm:ss, například 90, 1:30 nebo 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Konec „%1“ není čas. Zadejte sekundy, m:ss nebo h:mm:ss, například 90, 1:30 nebo 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Konec musí být až po začátku.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 až %2</translation>
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
        <translation>Časový úsek</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>začátek</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>konec</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Sekundy, m:ss nebo h:mm:ss, například 90, 1:30 nebo 1:02:03.5. Prázdný čas znamená začátek nebo konec.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Začátek:</translation>
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
        <translation>Použití: tarnwick-cli [volby] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Převádí videosoubory kodérem FFmpeg: jeden soubor za každý SOURCE nebo každý
soubor, který najde hledání ve složce (soubory samotné složky a soubory titulů
VOB a M2TS ve složkách pod ní; odkazy na složky se nenásledují).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Výstupy se jmenují &lt;název zdroje&gt;_&lt;hodina&gt;&lt;minuta&gt;&lt;sekunda&gt;.&lt;přípona&gt;; již
použitý název dostane _2, _3, ... Ve výstupní složce se nic nepřepisuje
a nedokončený výstup se odstraní.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Návratový kód: 0 vše převedeno, 1 jeden nebo více selhalo, 2 chybné použití,
3 chybí kodér (FFmpeg, odkázaný jako data/conv.exe ve složce programu),
130 zastaveno klávesami Ctrl+C nebo signálem ukončení.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 zadáno vícekrát</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>neznámý formát „%1“ (možnosti: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>datový tok musí být celé číslo v kilobitech za sekundu (1 až 1000000): „%1“</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>neznámé otočení „%1“ (možnosti: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output vyžaduje složku</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs přijímá číslo od 1 do 256 nebo „auto“: „%1“</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate nelze použít s copy, který nic nepřekódovává</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate nelze použít s copy, který nic nepřekódovává</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>nebyl zadán žádný SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>převedeno %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>selhalo %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>převedeno: %1, selhalo: %2%3, čas: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, zastaveno</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2 %  soubor %3 z %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 běží)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  zbývá %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Více informací: „tarnwick-cli --help“.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>není co převádět</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (výchozí)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr nelze použít s copy, který nic nepřekódovává</translation>
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
        <translation>Místo datového toku:
  -q, --quality N        konstantní kvalita na vlastní stupnici formátu: CRF u
                         H.264, H.265, AV1 a VP9, kvantizér u MPEG-4, MPEG-1 a
                         WMV; méně je lépe (stupnice a výchozí hodnoty viz
                         --list-formats)
      --size SIZE        celý soubor včetně zvuku nejvýše SIZE a co nejblíže:
                         25M, 700MB, 4G, v desítkových jednotkách jako ve
                         správcích souborů (1M = 1 000 000 bajtů; MiB a GiB
                         jsou dvojkové); dva průchody, kde je kodér podporuje</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Část každého zdroje podle časů T v sekundách, m:ss nebo h:mm:ss, případně s
desetinnou částí (90, 1:30, 1:02:03.5):
      --start T          od T; copy začíná na klíčovém snímku v T nebo před ním
      --end T            do T; konec za koncem zdroje znamená jeho konec</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality a --size určují kvalitu obrazu: zadejte jen jednu z nich</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>kvalita pro %1 musí být celé číslo od %2 (nejlepší) do %3: „%4“</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>velikost musí být počet megabajtů nebo číslo s K, M či G (25M, 700MB, 4G): „%1“</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 přijímá čas v sekundách, m:ss nebo h:mm:ss (například 90, 1:30 nebo 1:02:03.5): „%2“</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) musí být až po --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end musí být až po začátku: „%1“</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality nelze použít s copy, který nic nepřekódovává</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size nelze použít s copy, který nic nepřekódovává</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>kvalita %1, %2 (nejlepší) až %3</translation>
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
        <translation>Volby:
  -f, --format NAME      výstupní formát, jeden z:
%1
  -b, --bitrate KBITS    datový tok videa v kilobitech za sekundu
                         (výchozí: hodnota formátu, viz --list-formats)
  -r, --rotate NAME      none (výchozí), cw, ccw, vflip, hflip, 180
  -o, --output DIR       výstupní složka, vytvoří se, pokud chybí
                         (výchozí ./output)
      --web              pro web: soubory MP4 a MOV mají index na začátku,
                         takže je prohlížeč přehrává už během stahování
      --sdr              HDR na SDR: zdroje HDR budou ve všech formátech SDR;
                         bez ní H.265, AV1 a VP9 zachovají HDR v 10 bitech
      --crop             oříznout černé pruhy, na kterých se snímky shodnou
      --loudness TARGET  zvuk všech souborů na jednu hlasitost, skutečné
                         špičky pod -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) nebo počet LUFS, -40 až -5
  -j, --jobs N           N převodů najednou; „auto“ pro jeden na jádro
      --disc DIR         zařadit soubory titulů z VIDEO_TS disku DVD nebo
                         z BDMV/STREAM disku Blu-ray pod DIR (lze opakovat)
  -n, --dry-run          vypsat příkazy pro každý soubor, nic nepřevádět
      --json             jedna událost JSON na řádek na standardní výstup
      --list-formats     vypsat formáty s jejich výchozím datovým tokem
  -h, --help             tento text
  -v, --version          verze programu</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop nelze použít s copy, který nic nepřekódovává</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>neznámé místo „%1“ pro --for (možnosti: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 volí formát i velikost sám: vynechte %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Místo formátu a velikosti, kam soubor půjde:
      --for NAME         formát a největší soubor daného místa, jedno z:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, nejvýše %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, index na začátku</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>V tomto prostředí nelze nápovědu otevřít. Najdete ji zde:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>V tomto prostředí nelze návod otevřít. Najdete jej zde:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>V tomto prostředí nelze stránku produktu otevřít. Najdete ji zde:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>V tomto prostředí není žádný poštovní program. Adresa je:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Přidat soubor</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Přidat složku</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odebrat</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Odebrat vše</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Načíst DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Spustit</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Nastavení...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Návod</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Stránka produktu</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Odeslat zpětnou vazbu</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Otevřít složku s protokoly</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>V tomto prostředí nelze složku s protokoly otevřít. Najdete ji zde:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Otočení</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Pro web</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>Soubory MP4 a MOV s indexem na začátku, aby je prohlížeč přehrával už během stahování</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Souběžné převody</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automaticky</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 soubor převeden</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n soubor převeden</numerusform>
            <numerusform>%n soubory převedeny</numerusform>
            <numerusform>%n souborů převedeno</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, selhalo: %1.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Zpracování zastaveno</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Zpracování dokončeno</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR na SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>Video HDR se ve všech formátech změní na běžné video SDR, i v H.265, AV1 a VP9, které jinak HDR zachovávají</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Časový úsek...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Vyrovnaná hlasitost</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Vysílání, EBU R128 (-23 LUFS)</translation>
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
        <translation>Výstup</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Oříznout černé pruhy</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Každý obraz oříznutý na to, co leží uvnitř jeho černých pruhů nahoře a dole nebo po stranách</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Zvukové upozornění</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Zapnuto</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Střih hudby</translation>
    </message>
</context>
</TS>
