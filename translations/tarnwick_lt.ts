<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Gerai</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Į&amp;rašyti</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Atsisakyti</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Užverti</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Užverti neįrašius</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Įrašyti</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Įrašyti viską</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Atverti</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Taip</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Taip &amp;visiems</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;e visiems</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Nutraukti</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Kartoti</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Nepaisyti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Užverti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atsisakyti</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Atmesti</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Žinynas</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Pritaikyti</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atstatyti</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Atkurti numatytąsias</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick veikia, bet nepriėmė failų: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Paketinis apdorojimas sustabdytas: į išvesties aplanką daugiau failų netelpa.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>Eilėje liko 1 failas.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>Eilėje liko %n failas.</numerusform>
            <numerusform>Eilėje liko %n failai.</numerusform>
            <numerusform>Eilėje liko %n failų.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>žurnalas: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Pridėkite failą.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Pridėti</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Nutraukta.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Atlikta.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>Nepavyko konvertuoti 1 failo:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>Nepavyko konvertuoti %n failo:</numerusform>
            <numerusform>Nepavyko konvertuoti %n failų:</numerusform>
            <numerusform>Nepavyko konvertuoti %n failų:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Nepasirinktas išvesties formatas</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>koduotuvas nieko neišvedė</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>sustabdyta</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Koduotuvas netikėtai sustojo.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>jo vaizdas yra Dolby Vision %1 profilio, kurio spalvas teisingai rodo tik Dolby Vision leistuvas; „Kaip šaltinis (kopija)“ jį palieka nepakeistą</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>laikinojo aplanko %1 negalima naudoti pirmojo perėjimo žurnalui</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>gauta %1 iš tikslinių %2: vaizdui daugiau nereikia</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>perkoduota iš naujo %1 kb/s sparta: esant %2 kb/s gauta %3, daugiau nei tikslas %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>perkoduota iš naujo %1 kb/s sparta: esant %2 kb/s gauta %3, gerokai mažiau nei tikslas %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>gauta %1, daugiau nei tikslas %2, kad ir kaip buvo koduota</translation>
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
        <translation>El. paštas (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 yra nuoroda į %2, kurio nėra.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 nėra programa.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 nėra.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Konvertavimui Tarnwick naudoja FFmpeg, tačiau ši programa neįdiegta. Įdiekite ją (Debian ir Ubuntu sistemose: apt install ffmpeg), tada susiekite koduotuvą su šia programa:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Konvertavimui Tarnwick naudoja FFmpeg, įdiegtą kaip %1. Susiekite koduotuvą su šia programa:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Trūksta koduotuvo, todėl nieko negalima konvertuoti.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Paskirtis</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Kur keliauja failai: formatas ir didžiausias failas, kurį ta vieta priima</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Nėra</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Numeskite vaizdo įrašus čia arba spustelėkite ir pradėkite.
DVD ar Blu-ray diską įkelkite mygtuku „Įkelti DVD“ viršuje.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Pasirinkite DVD įrenginį:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Įkelti DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Failų sąrašas:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Pridėti failą</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Pridėti failus iš aplanko</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Pašalinti pažymėtą iš sąrašo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Žinynas</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Nustatymai</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Pašalinti visus failus</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Išvesties formatas:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Išvesties formatas</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Vaizdo kokybė (bitų sparta, kbit/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Vaizdo bitų sparta</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Išvesties aplankas:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Pasirinkite aplanką išvesčiai</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Pasirinkti išvesties aplanką</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Nuomonė</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Atsiųskite mums pasiūlymą ar klausimą</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Visos komandos</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Pridėti naują failą į failų sąrašą</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Pašalinti failą iš failų sąrašo</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Pradėti konvertavimą</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Žinynas ir pamoka</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Išeiti</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Suskleisti langą</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Tempkite medijos failus į šią sritį</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Pasukti:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Pasukimo nustatymas</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>failas %1 iš %2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, liko %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Vaizdo bitų sparta kilobitais per sekundę</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Produkto puslapis</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Pasirinkti išvesties aplanką</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Visos komandos</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Dabartinio failo eiga</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Konvertuoti dabar!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Pasirinkite aplanką:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Minučių turi būti mažiau nei 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minutės</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Sekundžių turi būti mažiau nei 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Sekundės</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Nepavyko sukurti išvesties aplanko:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Į išvesties aplanką negalima rašyti:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (aukštos kokybės MPEG4 vaizdas)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (H264 vaizdas)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (standartinis MPEG4 vaizdas)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (Apple/QuickTime vaizdas)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (Flash vaizdas)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (MPEG1 vaizdas)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (H.265/HEVC vaizdas)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (AV1 vaizdas)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (AV1 vaizdas)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (VP9 vaizdas)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (H.264 vaizdas)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>Kaip šaltinis (kopija)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>kvantizatorius</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Komandų eilutė tuščia</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe nepavyko. Klaida: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Failas ar komanda nerasti</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Failo pavadinimas</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatas</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>Pastovi kokybė</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Ta pati kokybė, nesvarbu koks dydis: formato kokybės lygiai vietoj bitų spartos</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Tikslinis dydis...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Didžiausias viso failo dydis kartu su garsu; rezultatas bus ne didesnis ir artimas jam</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Tikslinis dydis: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Tikslinis dydis (visas failas):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Tikslinis dydis, nustatytas meniu</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Pastovi kokybė: mažesni skaičiai atrodo geriau ir užima daugiau vietos</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Tikslinis dydis</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Daugiausia, kiek gali užimti visas failas kartu su garsu, megabaitais, kaip juos skaičiuoja failų tvarkytuvės (1 MB = 1 000 000 baitų), arba su K ar G po skaičiaus: 25M, 700MB, 4G.
Tuščia: jokio tikslo, vėl bitų sparta arba kokybė.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>„%1“ nėra dydis. Įrašykite megabaitų skaičių arba skaičių su K, M ar G po jo: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Vaizdo kokybė (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° pagal laikrodžio rodyklę</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° prieš laikrodžio rodyklę</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Apversti vertikaliai</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Apversti horizontaliai</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nėra</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Paskutinis paketinis apdorojimas nutrauktas, liko 1 failas. Įtraukti jį į eilę iš naujo?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Paskutinis paketinis apdorojimas nutrauktas, liko %n failas. Įtraukti jį į eilę iš naujo?</numerusform>
            <numerusform>Paskutinis paketinis apdorojimas nutrauktas, liko %n failai. Įtraukti juos į eilę iš naujo?</numerusform>
            <numerusform>Paskutinis paketinis apdorojimas nutrauktas, liko %n failų. Įtraukti juos į eilę iš naujo?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>jo trukmė nežinoma, todėl negalima siekti jokio dydžio</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 yra mažiau, nei reikia vien garsui; mažiausias tinkamas dydis yra %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 palieka per mažai vaizdui, kurį verta žiūrėti; mažiausias tinkamas dydis yra %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Konvertuojami vaizdo įrašai</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>nežinomas garsumas „%1“: pasirinkite ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off arba LUFS skaičių nuo -40 iki -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Meskite vaizdo failus čia</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Ieškoma...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Eilė pilna: didžiausias failų skaičius – %1. 1 failas nepridėtas.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Eilė pilna: didžiausias failų skaičius – %1. %n failas nepridėtas.</numerusform>
            <numerusform>Eilė pilna: didžiausias failų skaičius – %1. %n failai nepridėti.</numerusform>
            <numerusform>Eilė pilna: didžiausias failų skaičius – %1. %n failų nepridėta.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 failas nepridėtas: jo pavadinimas nėra tinkamas UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n failas nepridėtas: jo pavadinimas nėra tinkamas UTF-8.</numerusform>
            <numerusform>%n failai nepridėti: jų pavadinimai nėra tinkamas UTF-8.</numerusform>
            <numerusform>%n failų nepridėta: jų pavadinimai nėra tinkamas UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Atverti failus</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Visi formatai</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Pasirinkite DVD įrenginį</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Vilkite vaizdo įrašą čia</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Atverti failą</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>laiko intervalas baigiasi %1, o tai nėra po jo pradžios %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>laiko intervalas prasideda %1, bet vaizdo įrašas trunka tik %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Pradžia „%1“ nėra laikas. Įrašykite sekundes, m:ss arba h:mm:ss, pvz., 90, 1:30 arba 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Pabaiga „%1“ nėra laikas. Įrašykite sekundes, m:ss arba h:mm:ss, pvz., 90, 1:30 arba 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Pabaiga turi būti po pradžios.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>nuo %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>iki %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Laiko intervalas</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>pradžia</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>pabaiga</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Sekundės, m:ss arba h:mm:ss, pvz., 90, 1:30 arba 1:02:03.5. Palikite laiką tuščią, jei norite pradžios ar pabaigos.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Pradžia:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Pabaiga:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Naudojimas: tarnwick-cli [parinktys] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Konvertuoja vaizdo failus FFmpeg koduotuvu: po vieną failą kiekvienam SOURCE
arba kiekvieną failą, kurį randa paieška aplanke (paties aplanko failus ir
VOB bei M2TS titulų failus poaplankiuose; nuorodomis į aplankus neinama).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Išvesties failai vadinami &lt;šaltinis&gt;_&lt;valanda&gt;&lt;minutė&gt;&lt;sekundė&gt;.&lt;plėtinys&gt;;
jau užimtam pavadinimui pridedama _2, _3, ... Išvesties aplanke niekas
neperrašoma, o nebaigtas išvesties failas pašalinamas.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Grąžinimo kodas: 0 viskas konvertuota, 1 bent vienas nepavyko, 2 netinkamas
naudojimas, 3 nėra koduotuvo (trūksta FFmpeg, susietos kaip data/conv.exe
programos aplanke), 130 sustabdyta Ctrl+C arba nutraukimo signalu.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 nurodyta daugiau nei kartą</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>nežinomas formatas „%1“ (galimi: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>bitų sparta turi būti sveikasis kilobitų per sekundę skaičius (nuo 1 iki 1000000): „%1“</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>nežinomas pasukimas „%1“ (galimi: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output reikia aplanko</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs reikšmė turi būti skaičius nuo 1 iki 256 arba „auto“: „%1“</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate netaikoma copy, kuris nieko neperkoduoja</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate netaikoma copy, kuris nieko neperkoduoja</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>nenurodytas SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>konvertuota %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>nepavyko %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>konvertuota: %1, nepavyko: %2%3, trukmė: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, sustabdyta</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2 %  failas %3 iš %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 vykdoma)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  liko %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Daugiau informacijos: „tarnwick-cli --help“.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>nėra ką konvertuoti</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (numatyta)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr netaikoma copy, kuris nieko neperkoduoja</translation>
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
        <translation>Vietoj bitų spartos:
  -q, --quality N        pastovi kokybė paties formato skalėje: H.264, H.265,
                         AV1 ir VP9 – CRF, MPEG-4, MPEG-1 ir WMV –
                         kvantizatorius; mažesnis – geriau (kiekvienos skalės
                         numatytąją reikšmę žr. --list-formats)
      --size SIZE        visas failas kartu su garsu ne didesnis nei SIZE ir
                         artimas jam: 25M, 700MB, 4G, dešimtainiais vienetais,
                         kaip skaičiuoja failų tvarkytuvės (1M = 1 000 000
                         baitų; MiB ir GiB – dvejetainiai); du perėjimai, jei
                         koduotuvas juos palaiko</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Kiekvieno šaltinio dalis pagal laikus T sekundėmis, m:ss arba h:mm:ss, jei
reikia, su trupmena (90, 1:30, 1:02:03.5):
      --start T          nuo T; copy pradeda nuo rakto kadro ties T arba prieš
                         jį
      --end T            iki T; pabaiga už šaltinio pabaigos reiškia jo pabaigą</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality ir --size kiekvienas nustato vaizdo kokybę: nurodykite tik vieną iš jų</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>%1 kokybė turi būti sveikasis skaičius nuo %2 (geriausia) iki %3: „%4“</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>dydis turi būti megabaitų skaičius arba skaičius su K, M ar G (25M, 700MB, 4G): „%1“</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 reikia laiko sekundėmis, m:ss arba h:mm:ss (pvz., 90, 1:30 arba 1:02:03.5): „%2“</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) turi būti po --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end turi būti po pradžios: „%1“</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality netaikoma copy, kuris nieko neperkoduoja</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size netaikoma copy, kuris nieko neperkoduoja</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>kokybė %1, nuo %2 (geriausia) iki %3</translation>
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
        <translation>Parinktys:
  -f, --format NAME      išvesties formatas, vienas iš:
%1
  -b, --bitrate KBITS    vaizdo bitų sparta kilobitais per sekundę
                         (numatyta: formato, žr. --list-formats)
  -r, --rotate NAME      none (numatyta), cw, ccw, vflip, hflip, 180
  -o, --output DIR       išvesties aplankas, sukuriamas, jei jo nėra
                         (numatyta ./output)
      --web              žiniatinkliui: MP4 ir MOV failų indeksas pradžioje,
                         kad naršyklė juos rodytų dar atsisiųsdama
      --sdr              HDR į SDR: HDR šaltiniai visuose formatuose tampa
                         SDR; be jos H.265, AV1 ir VP9 išlaiko HDR 10 bitų
      --crop             apkirpti juodas juostas, bendras visiems vaizdams
      --loudness TARGET  kiekvieno failo garsas vienodo garsumo, tikrosios
                         smailės žemiau -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) arba LUFS skaičius nuo -40 iki -5
  -j, --jobs N           N konvertavimų kartu; „auto“ – po vieną branduoliui
      --disc DIR         įtraukti į eilę DVD VIDEO_TS ar Blu-ray BDMV/STREAM
                         titulų failus, esančius DIR (galima kartoti)
  -n, --dry-run          išvesti kiekvieno failo komandas, nieko nekonvertuoti
      --json             po vieną JSON įvykį eilutėje į standartinę išvestį
      --list-formats     išvesti formatus su numatytomis bitų spartomis
  -h, --help             šis tekstas
  -v, --version          programos versija</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop netaikoma copy, kuris nieko neperkoduoja</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>nežinoma vieta „%1“ parinkčiai --for (galimos: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 pati parenka formatą ir dydį: nenurodykite %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Vietoj formato ir dydžio – kur keliauja failas:
      --for NAME         tos vietos formatas ir didžiausias failas, viena iš:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, iki %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, indeksas pradžioje</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Stabdyti</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Šiame darbalaukyje niekas negali atverti žinyno. Jis yra čia:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Šiame darbalaukyje niekas negali atverti pamokos. Ji yra čia:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Šiame darbalaukyje niekas negali atverti produkto puslapio. Jis yra čia:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Šiame darbalaukyje nėra el. pašto programos. Adresas:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Pridėti failą</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Pridėti aplanką</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Pašalinti</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Pašalinti visus</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Įkelti DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Pradėti</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Nustatymai...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Žinynas</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Pamoka</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Produkto puslapis</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Siųsti atsiliepimą</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Atverti žurnalų aplanką</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Šiame darbalaukyje niekas negali atverti žurnalų aplanko. Jis yra čia:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Išeiti</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Pasukti</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Žiniatinkliui</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>MP4 ir MOV failai su indeksu pradžioje, kad naršyklė juos rodytų dar atsisiųsdama</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Konvertavimų vienu metu</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatiškai</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>Konvertuotas 1 failas</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>Konvertuotas %n failas</numerusform>
            <numerusform>Konvertuoti %n failai</numerusform>
            <numerusform>Konvertuota %n failų</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, nepavyko: %1.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Paketinis apdorojimas sustabdytas</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Paketinis apdorojimas baigtas</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR į SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>HDR vaizdo įrašas visuose formatuose tampa įprastu SDR vaizdo įrašu, taip pat ir H.265, AV1 bei VP9, kurie kitaip išlaiko HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Laiko intervalas...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Vienodas garsumas</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Išjungta</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Transliacija, EBU R128 (-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>Tinklalaidė (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>Srautinis (-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Išvestis</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Apkirpti juodas juostas</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Kiekvienas vaizdas apkerpamas iki to, kas yra jo letterbox ar pillarbox juostų viduje</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Nustatymai</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Garso priminimas</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Įjungta</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Išjungta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atgal</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Muzikos karpymas</translation>
    </message>
</context>
</TS>
