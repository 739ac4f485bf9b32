<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Uložiť</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušiť</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Za&amp;vrieť</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Zavrieť bez uloženia</translation>
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
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Uložiť všetko</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvoriť</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Áno</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Áno pre &amp;všetky</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Ni&amp;e pre všetky</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Prerušiť</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Skúsiť znova</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorovať</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Zahodiť</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomocník</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použiť</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Obnoviť</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Obnoviť predvolené</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick je spustený, ale neprevzal súbory: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Dávka sa zastavila: výstupný priečinok už neprijme ďalšie súbory.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>Vo fronte zostáva 1 súbor.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>Vo fronte zostáva %n súbor.</numerusform>
            <numerusform>Vo fronte zostávajú %n súbory.</numerusform>
            <numerusform>Vo fronte zostáva %n súborov.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>záznam: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Pridajte súbor.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Pridanie</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Zastavené.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hotovo.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>1 súbor sa nepodarilo skonvertovať:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>%n súbor sa nepodarilo skonvertovať:</numerusform>
            <numerusform>%n súbory sa nepodarilo skonvertovať:</numerusform>
            <numerusform>%n súborov sa nepodarilo skonvertovať:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Nie je zvolený výstupný formát</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>kodér nič nevypísal</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>zastavené</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Kodér sa neočakávane zastavil.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>jeho obraz je Dolby Vision profil %1, ktorého farby správne zobrazí len prehrávač Dolby Vision; Ako zdroj (kópia) ho ponechá tak, ako je</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>dočasný priečinok %1 nemožno použiť na záznam prvého prechodu</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>výsledok má %1 z cieľa %2: obraz viac nepotrebuje</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>znova zakódované pri %1 kb/s: pri %2 kb/s vyšlo %3, nad cieľom %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>znova zakódované pri %1 kb/s: pri %2 kb/s vyšlo %3, hlboko pod cieľom %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>výsledok má %1, nad cieľom %2, nech bol zakódovaný akokoľvek</translation>
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
        <translation>%1 je odkaz na %2, ktorý neexistuje.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 nie je program.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 neexistuje.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick konvertuje pomocou FFmpeg, ktorý nie je nainštalovaný. Nainštalujte ho (v Debiane a Ubuntu: apt install ffmpeg) a potom k nemu prepojte kodér:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick konvertuje pomocou FFmpeg, ktorý je nainštalovaný ako %1. Prepojte k nemu kodér:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Kodér chýba, preto nemožno nič konvertovať.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Určené pre</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Kam súbory pôjdu: formát a najväčší súbor, ktorý dané miesto prijme</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Žiadne</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Pustite sem videá alebo začnite kliknutím.
DVD alebo Blu-ray načítate tlačidlom „Čítať DVD“ vyššie.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Vyberte DVD mechaniku:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Čítať DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Zoznam súborov:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Pridať súbor</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Pridať súbory z priečinka</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Odstrániť vybraný súbor zo zoznamu</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomocník</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Nastavenia</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Odstrániť všetky súbory</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Výstupný formát:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Výstupný formát</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Kvalita videa (bitová rýchlosť, kb/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Bitová rýchlosť videa</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Výstupný priečinok:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Vybrať priečinok pre výstup</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Vybrať výstupný priečinok</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Názor</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Pošlite nám návrh alebo otázku</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Všetky príkazy</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Pridať nový súbor do zoznamu súborov</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Odstrániť súbor zo zoznamu súborov</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Spustiť konverziu</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Pomocník a návod</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončiť</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Minimalizovať okno</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Presuňte mediálne súbory na túto plochu</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Otočenie:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Nastavenie otočenia</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>súbor %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, ešte %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Bitová rýchlosť videa v kilobitoch za sekundu</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Stránka produktu</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Vyberte výstupný priečinok</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Všetky príkazy</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Priebeh aktuálneho súboru</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Konvertovať teraz!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Vyberte priečinok:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Minúty musia byť menej ako 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minúty</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Sekundy musia byť menej ako 60</translation>
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
        <translation>Výstupný priečinok sa nepodarilo vytvoriť:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Do výstupného priečinka nemožno zapisovať:

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
        <translation>AVI (video MPEG4, štandardné)</translation>
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
        <translation>Ako zdroj (kópia)</translation>
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
        <translation>Príkazový riadok je prázdny</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe zlyhalo. Chyba: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Súbor alebo príkaz sa nenašiel</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Názov súboru</translation>
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
        <translation>Konštantná kvalita</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Rovnaká kvalita bez ohľadu na veľkosť: úrovne kvality formátu namiesto bitových rýchlostí</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Cieľová veľkosť...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Najväčšia veľkosť celého súboru vrátane zvuku; výsledok bude najviac taký a blízko k nej</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Cieľová veľkosť: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Cieľová veľkosť (celý súbor):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Cieľová veľkosť, nastavená v ponuke</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Konštantná kvalita: nižšie čísla vyzerajú lepšie a zaberú viac miesta</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Cieľová veľkosť</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Najviac, koľko môže zabrať celý súbor vrátane zvuku, v megabajtoch, ako ich počítajú správcovia súborov (1 MB = 1 000 000 bajtov), alebo s K či G za číslom: 25M, 700MB, 4G.
Prázdne: bez cieľa, znova bitová rýchlosť alebo kvalita.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>„%1“ nie je veľkosť. Zadajte počet megabajtov alebo číslo s K, M či G za ním: 25M, 700MB, 4G.</translation>
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
        <translation>90° doprava</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° doľava</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Zrkadliť zvisle</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Zrkadliť vodorovne</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Žiadne</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Posledná dávka bola prerušená, zostal 1 súbor. Zaradiť ho znova do frontu?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Posledná dávka bola prerušená, zostal %n súbor. Zaradiť ho znova do frontu?</numerusform>
            <numerusform>Posledná dávka bola prerušená, zostali %n súbory. Zaradiť ich znova do frontu?</numerusform>
            <numerusform>Posledná dávka bola prerušená, zostalo %n súborov. Zaradiť ich znova do frontu?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>dĺžka nie je známa, takže nemožno mieriť na žiadnu veľkosť</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 je menej, ako potrebuje samotný zvuk; najmenšia veľkosť, ktorá funguje, je %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 necháva príliš málo na obraz, ktorý stojí za pozretie; najmenšia veľkosť, ktorá funguje, je %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Konvertujú sa videá</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>neznáma hlasitosť „%1“: zvoľte ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off alebo počet LUFS od -40 do -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Sem pustite videosúbory</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Hľadá sa...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Front je plný: pojme najviac %1 súborov. 1 súbor sa nepridal.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Front je plný: pojme najviac %1 súborov. %n súbor sa nepridal.</numerusform>
            <numerusform>Front je plný: pojme najviac %1 súborov. %n súbory sa nepridali.</numerusform>
            <numerusform>Front je plný: pojme najviac %1 súborov. %n súborov sa nepridalo.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 súbor sa nepridal: jeho názov nie je platné UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n súbor sa nepridal: jeho názov nie je platné UTF-8.</numerusform>
            <numerusform>%n súbory sa nepridali: ich názvy nie sú platné UTF-8.</numerusform>
            <numerusform>%n súborov sa nepridalo: ich názvy nie sú platné UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Otvoriť súbory</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Všetky formáty</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Vyberte DVD mechaniku</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Sem presuňte video</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otvoriť súbor</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>časový rozsah končí v %1, čo nie je po jeho začiatku v %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>časový rozsah začína v %1, ale video trvá iba %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Začiatok „%1“ nie je čas. Zadajte sekundy, m:ss alebo h:mm:ss, napríklad 90, 1:30 alebo 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Koniec „%1“ nie je čas. Zadajte sekundy, m:ss alebo h:mm:ss, napríklad 90, 1:30 alebo 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Koniec musí byť po začiatku.</translation>
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
        <translation>Časový rozsah</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>začiatok</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>koniec</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Sekundy, m:ss alebo h:mm:ss, napríklad 90, 1:30 alebo 1:02:03.5. Prázdny čas znamená začiatok alebo koniec.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Začiatok:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Koniec:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Použitie: tarnwick-cli [voľby] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Konvertuje video súbory kodérom FFmpeg: jeden súbor za každý SOURCE alebo
každý súbor, ktorý nájde prehľadanie priečinka (vlastné súbory priečinka
a titulové súbory VOB a M2TS v priečinkoch pod ním; odkazy na priečinky
sa nesledujú).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Výstupy sa volajú &lt;názov zdroja&gt;_&lt;hodina&gt;&lt;minúta&gt;&lt;sekunda&gt;.&lt;prípona&gt;; už
použitý názov dostane _2, _3, ... Vo výstupnom priečinku sa nič neprepíše
a nedokončený výstup sa odstráni.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Návratový kód: 0 všetko skonvertované, 1 aspoň jeden zlyhal, 2 nesprávne
použitie, 3 chýba kodér (FFmpeg, prepojený ako data/conv.exe v priečinku
programu), 130 zastavené klávesmi Ctrl+C alebo signálom ukončenia.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 zadané viac ako raz</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>neznámy formát „%1“ (možnosti: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>bitová rýchlosť musí byť celé číslo v kilobitoch za sekundu (1 až 1000000): „%1“</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>neznáme otočenie „%1“ (možnosti: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output vyžaduje priečinok</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs prijíma číslo od 1 do 256 alebo „auto“: „%1“</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate sa nevzťahuje na copy, ktorý nič neprekóduje</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate sa nevzťahuje na copy, ktorý nič neprekóduje</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>nie je zadaný žiadny SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>skonvertované %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>zlyhalo %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>skonvertované: %1, zlyhalo: %2%3, čas: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, zastavené</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2 %  súbor %3 z %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 beží)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  zostáva %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Viac informácií: „tarnwick-cli --help“.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>nie je čo konvertovať</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (predvolené)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr sa nevzťahuje na copy, ktorý nič neprekóduje</translation>
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
        <translation>Namiesto bitovej rýchlosti:
  -q, --quality N        konštantná kvalita na vlastnej stupnici formátu: CRF
                         pre H.264, H.265, AV1 a VP9, kvantizér pre MPEG-4,
                         MPEG-1 a WMV; menej je lepšie (stupnicu a predvolenú
                         hodnotu každého formátu uvádza --list-formats)
      --size SIZE        celý súbor vrátane zvuku najviac SIZE a blízko k tomu:
                         25M, 700MB, 4G, v desiatkových jednotkách, ako ich
                         počítajú správcovia súborov (1M = 1 000 000 bajtov;
                         MiB a GiB sú binárne); dva prechody, ak ich kodér
                         podporuje</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Časť každého zdroja podľa časov T v sekundách, m:ss alebo h:mm:ss, podľa
potreby s desatinnou časťou (90, 1:30, 1:02:03.5):
      --start T          od T; copy začína kľúčovou snímkou v T alebo pred ním
      --end T            do T; koniec za koncom zdroja je koniec zdroja</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality a --size určujú kvalitu obrazu: zadajte iba jednu z nich</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>kvalita pre %1 musí byť celé číslo od %2 (najlepšia) do %3: „%4“</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>veľkosť musí byť počet megabajtov alebo číslo s K, M či G za ním (25M, 700MB, 4G): „%1“</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 prijíma čas v sekundách, m:ss alebo h:mm:ss (napríklad 90, 1:30 alebo 1:02:03.5): „%2“</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) musí byť po --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end musí byť po začiatku: „%1“</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality sa nevzťahuje na copy, ktorý nič neprekóduje</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size sa nevzťahuje na copy, ktorý nič neprekóduje</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>kvalita %1, %2 (najlepšia) až %3</translation>
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
        <translation>Voľby:
  -f, --format NAME      výstupný formát, jeden z:
%1
  -b, --bitrate KBITS    bitová rýchlosť videa v kilobitoch za sekundu
                         (predvolene: podľa formátu, pozri --list-formats)
  -r, --rotate NAME      none (predvolené), cw, ccw, vflip, hflip, 180
  -o, --output DIR       výstupný priečinok, v prípade potreby sa vytvorí
                         (predvolene ./output)
      --web              pre web: súbory MP4 a MOV majú index na začiatku,
                         takže ich prehliadač prehráva už počas načítania
      --sdr              HDR na SDR: zdroje HDR budú v každom formáte SDR;
                         bez nej si H.265, AV1 a VP9 ponechajú HDR v 10 bitoch
      --crop             orezať čierne pruhy, na ktorých sa obrazy zhodujú
      --loudness TARGET  zvuk každého súboru s rovnakou hlasitosťou,
                         skutočné špičky pod -1 dBTP: ebu (-23 LUFS),
                         stream (-14), podcast (-16) alebo počet LUFS
                         od -40 do -5
  -j, --jobs N           N konverzií naraz; „auto“ – jedna na jadro
      --disc DIR         zaradiť titulové súbory z VIDEO_TS disku DVD alebo
                         z BDMV/STREAM disku Blu-ray pod DIR (opakovateľné)
  -n, --dry-run          vypísať príkazy pre každý súbor, nič nekonvertovať
      --json             jedna udalosť JSON na riadok na štandardný výstup
      --list-formats     vypísať formáty s ich predvolenou bitovou rýchlosťou
  -h, --help             tento text
  -v, --version          verzia programu</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop sa nevzťahuje na copy, ktorý nič neprekóduje</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>neznáme miesto „%1“ pre --for (možnosti: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 si formát a veľkosť zvolí sám: vynechajte %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Namiesto formátu a veľkosti, kam súbor pôjde:
      --for NAME         formát a najväčší súbor daného miesta, jedno z:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, najviac %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, index na začiatku</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Zastaviť</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Na tejto pracovnej ploche nič neotvorí pomocníka. Nachádza sa tu:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Na tejto pracovnej ploche nič neotvorí návod. Nachádza sa tu:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Na tejto pracovnej ploche nič neotvorí stránku produktu. Jej adresa je:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Na tejto pracovnej ploche nie je poštový program. Adresa je:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Pridať súbor</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Pridať priečinok</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odstrániť</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Odstrániť všetko</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Čítať DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Spustiť</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Nastavenia...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomocník</translation>
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
        <translation>Poslať názor</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Otvoriť priečinok záznamov</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Na tejto pracovnej ploche nič neotvorí priečinok záznamov. Nachádza sa tu:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončiť</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Otočiť</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Pre web</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>Súbory MP4 a MOV s indexom na začiatku, aby ich prehliadač prehrával už počas načítania</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Súbežné konverzie</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automaticky</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>Skonvertovaný 1 súbor</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>Skonvertovaný %n súbor</numerusform>
            <numerusform>Skonvertované %n súbory</numerusform>
            <numerusform>Skonvertovaných %n súborov</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, zlyhalo: %1.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Dávka zastavená</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Dávka dokončená</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR na SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>Video HDR sa v každom formáte zmení na bežné video SDR, aj v H.265, AV1 a VP9, ktoré by inak HDR zachovali</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Časový rozsah...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Rovnaká hlasitosť</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vyp.</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Vysielanie, EBU R128 (-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>Podcast (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>Streamovanie (-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Výstup</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Orezať čierne pruhy</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Každý obraz sa oreže na časť vnútri čiernych pruhov hore a dole alebo po stranách</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Nastavenia</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Zvukové upozornenie</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Zap.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Vyp.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Späť</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Strihanie hudby</translation>
    </message>
</context>
</TS>
