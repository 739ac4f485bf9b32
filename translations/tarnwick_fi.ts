<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Tallenna</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Peru</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sulje</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Sulje tallentamatta</translation>
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
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Tallenna kaikki</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Kyllä</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Kyllä k&amp;aikkiin</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ei</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>E&amp;i kaikkiin</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Keskeytä</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yritä uudelleen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ohita</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Hylkää</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ohje</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Palauta</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Palauta oletukset</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick on käynnissä, mutta ei ottanut tiedostoja vastaan: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Eräajo pysähtyi: kohdekansioon ei mahdu enempää tiedostoja.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>Jonoon jäi 1 tiedosto.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>Jonoon jäi %n tiedosto.</numerusform>
            <numerusform>Jonoon jäi %n tiedostoa.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>loki: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Lisää tiedosto.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lisää</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Pysäytetty.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Valmis.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>1 tiedostoa ei voitu muuntaa:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>%n tiedostoa ei voitu muuntaa:</numerusform>
            <numerusform>%n tiedostoa ei voitu muuntaa:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Kohdemuotoa ei ole valittu</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>kooderi ei tulostanut mitään</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>pysäytetty</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Kooderi pysähtyi odottamatta.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>sen kuva on Dolby Vision -profiilia %1, jonka värit näyttää oikein vain Dolby Vision -soitin; ”Sama kuin lähde (kopio)” säilyttää sen ennallaan</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>väliaikaista kansiota %1 ei voi käyttää ensimmäisen vaiheen lokille</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>tulos oli %1 tavoitteesta %2: kuva ei tarvitse enempää</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>koodattu uudelleen nopeudella %1 kb/s: nopeudella %2 kb/s tulos oli %3, yli tavoitteen %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>koodattu uudelleen nopeudella %1 kb/s: nopeudella %2 kb/s tulos oli %3, selvästi alle tavoitteen %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>tulos oli %1, yli tavoitteen %2, koodattiinpa se miten tahansa</translation>
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
        <translation>Sähköposti (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 on linkki kohteeseen %2, jota ei ole olemassa.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 ei ole ohjelma.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 ei ole olemassa.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick muuntaa FFmpegillä, jota ei ole asennettu. Asenna se (Debianissa ja Ubuntussa: apt install ffmpeg) ja linkitä sitten kooderi siihen:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick muuntaa FFmpegillä, joka on asennettu sijaintiin %1. Linkitä kooderi siihen:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Kooderi puuttuu, joten mitään ei voi muuntaa.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Käyttökohde</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Minne tiedostot menevät: muoto ja suurin tiedosto, jonka käyttökohde ottaa vastaan</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Ei mitään</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Pudota videot tähän tai aloita napsauttamalla.
Lue DVD- tai Blu-ray-levy yllä olevalla ”Lue DVD” -painikkeella.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Valitse DVD-asema:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Lue DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Tiedostoluettelo:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Lisää tiedosto</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Lisää tiedostoja kansiosta</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Poista valittu luettelosta</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ohje</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Poista kaikki tiedostot</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Kohdemuoto:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Kohdemuoto</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Videon laatu (bittinopeus, kbit/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Videon bittinopeus</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Kohdekansio:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Valitse tallennuskansio</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Valitse kohdekansio</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Palaute</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Lähetä meille ehdotuksesi tai kysymyksesi</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Kaikki komennot</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Lisää uusi tiedosto tiedostoluetteloon</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Poista tiedosto tiedostoluettelosta</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Aloita muuntaminen</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Ohje ja opas</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Pienennä ikkuna</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Vedä mediatiedostot tälle pudotusalueelle</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Kierrä:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Kiertoasetus</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>video %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, vielä %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Videon bittinopeus kilobitteinä sekunnissa</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Tuotesivu</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Valitse kohdekansio</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Kaikki komennot</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Nykyisen tiedoston edistyminen</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Muunna nyt!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Valitse kansio:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Minuuttien on oltava alle 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minuutit</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Sekuntien on oltava alle 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Sekunnit</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Kohdekansiota ei voitu luoda:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Kohdekansioon ei voi kirjoittaa:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (MPEG4-video, korkea laatu)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (H264-video)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (MPEG4-video, vakio)</translation>
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
        <translation>Sama kuin lähde (kopio)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>kvantisoija</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Komentorivi on tyhjä</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe epäonnistui. Virhe: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Tiedostoa tai komentoa ei löytynyt</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Tiedostonimi</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Muoto</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>Vakiolaatu</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Sama laatu koosta riippumatta: muodon laatutasot bittinopeuksien sijaan</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Tavoitekoko...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Koko tiedoston suurin sallittu koko äänineen; tulos on enintään sen kokoinen ja lähellä sitä</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Tavoitekoko: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Tavoitekoko (koko tiedosto):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Tavoitekoko, asetettu valikossa</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Vakiolaatu: pienemmät luvut näyttävät paremmilta ja vievät enemmän tilaa</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Tavoitekoko</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Enintään näin paljon koko tiedosto saa viedä äänineen, megatavuina kuten tiedostonhallinnat ne laskevat (1 MB = 1 000 000 tavua), tai luku, jonka perässä on K tai G: 25M, 700MB, 4G.
Tyhjä: ei tavoitetta, taas bittinopeus tai laatu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>”%1” ei ole koko. Kirjoita megatavujen määrä tai luku, jonka perässä on K, M tai G: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Videon laatu (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° myötäpäivään</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° vastapäivään</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Peilaa pystysuunnassa</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Peilaa vaakasuunnassa</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ei mitään</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Edellinen eräajo keskeytyi, ja 1 tiedosto jäi muuntamatta. Lisätäänkö se uudelleen jonoon?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Edellinen eräajo keskeytyi, ja %n tiedosto jäi muuntamatta. Lisätäänkö se uudelleen jonoon?</numerusform>
            <numerusform>Edellinen eräajo keskeytyi, ja %n tiedostoa jäi muuntamatta. Lisätäänkö ne uudelleen jonoon?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>sen kestoa ei tiedetä, joten mitään kokoa ei voi tavoitella</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 on vähemmän kuin pelkkä ääni tarvitsee; pienin toimiva koko on %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 jättää liian vähän katsomisen arvoiselle kuvalle; pienin toimiva koko on %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Muunnetaan videoita</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>tuntematon äänekkyys ”%1”: valitse ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off tai LUFS-luku väliltä -40 … -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Pudota videot tähän</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Etsitään...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Jono on täynnä: siihen mahtuu enintään %1 tiedostoa. 1 tiedostoa ei lisätty.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Jono on täynnä: siihen mahtuu enintään %1 tiedostoa. %n tiedostoa ei lisätty.</numerusform>
            <numerusform>Jono on täynnä: siihen mahtuu enintään %1 tiedostoa. %n tiedostoa ei lisätty.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 tiedostoa ei lisätty: sen nimi ei ole kelvollista UTF-8:aa.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n tiedostoa ei lisätty: sen nimi ei ole kelvollista UTF-8:aa.</numerusform>
            <numerusform>%n tiedostoa ei lisätty: niiden nimet eivät ole kelvollista UTF-8:aa.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Avaa tiedostoja</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Kaikki muodot</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Valitse DVD-asema</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Vedä video tähän</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Avaa tiedosto</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>aikaväli päättyy kohtaan %1, joka ei ole sen alun %2 jälkeen</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>aikaväli alkaa kohdasta %1, mutta video on vain %2 pitkä</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Alku ”%1” ei ole aika. Kirjoita sekunnit, m:ss tai h:mm:ss, esimerkiksi 90, 1:30 tai 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Loppu ”%1” ei ole aika. Kirjoita sekunnit, m:ss tai h:mm:ss, esimerkiksi 90, 1:30 tai 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Lopun on oltava alun jälkeen.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>%1 alkaen</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>%1 asti</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Aikaväli</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>alku</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>loppu</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Sekunnit, m:ss tai h:mm:ss, esimerkiksi 90, 1:30 tai 1:02:03.5. Jätä aika tyhjäksi, niin käytetään alkua tai loppua.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Alku:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Loppu:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Käyttö: tarnwick-cli [valitsimet] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Muuntaa videotiedostoja FFmpeg-kooderilla: yhden tiedoston kutakin SOURCEa
kohden tai jokaisen tiedoston, jonka kansiohaku löytää (kansion omat tiedostot
sekä sen alikansioiden VOB- ja M2TS-nimiketiedostot; kansiolinkkejä ei seurata).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Tulostiedostojen nimi on &lt;lähde&gt;_&lt;tunti&gt;&lt;minuutti&gt;&lt;sekunti&gt;.&lt;pääte&gt;; jo
varattu nimi saa jatkeen _2, _3, ... Kohdekansiossa ei korvata mitään, ja
kesken jäänyt tulostiedosto poistetaan.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Paluuarvo: 0 kaikki muunnettu, 1 yksi tai useampi epäonnistui, 2 virheellinen
käyttö, 3 ei kooderia (FFmpeg, joka on linkitetty ohjelmakansioon nimellä
data/conv.exe, puuttuu), 130 pysäytetty Ctrl+C:llä tai lopetussignaalilla.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 annettu useammin kuin kerran</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>tuntematon muoto ”%1” (sallitut: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>bittinopeuden on oltava kokonaisluku kilobitteinä sekunnissa (1–1000000): ”%1”</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>tuntematon kierto ”%1” (sallitut: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output vaatii kansion</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs vaatii luvun väliltä 1–256 tai ”auto”: ”%1”</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate ei koske copy-muotoa, joka ei koodaa mitään uudelleen</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate ei koske copy-muotoa, joka ei koodaa mitään uudelleen</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>SOURCEa ei annettu</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>muunnettu %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>epäonnistui %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>%1 muunnettu, %2 epäonnistui%3, aika %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, pysäytetty</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2 %  tiedosto %3/%4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 käynnissä)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  %1 jäljellä</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Lisätietoja: ”tarnwick-cli --help”.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>ei mitään muunnettavaa</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (oletus)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr ei koske copy-muotoa, joka ei koodaa mitään uudelleen</translation>
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
        <translation>Bittinopeuden sijaan:
  -q, --quality N        vakiolaatu muodon omalla asteikolla: H.264:n, H.265:n,
                         AV1:n ja VP9:n CRF, MPEG-4:n, MPEG-1:n ja WMV:n
                         kvantisoija; pienempi on parempi (asteikot ja
                         oletukset: --list-formats)
      --size SIZE        koko tiedosto äänineen enintään SIZE ja lähellä sitä:
                         25M, 700MB, 4G, kymmenjärjestelmän yksiköinä kuten
                         tiedostonhallinnat laskevat (1M = 1 000 000 tavua; MiB
                         ja GiB ovat binäärisiä); kaksi vaihetta, jos kooderi
                         tukee niitä</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Osa kustakin lähteestä ajoilla T sekunteina, m:ss tai h:mm:ss, halutessa
desimaalein (90, 1:30, 1:02:03.5):
      --start T          T:stä alkaen; copy alkaa T:n kohdalla tai ennen sitä
                         olevasta avainkuvasta
      --end T            T:hen asti; lähteen lopun jälkeinen loppu on sen loppu</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality ja --size määräävät kukin kuvan laadun: anna vain yksi niistä</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>muodon %1 laadun on oltava kokonaisluku väliltä %2 (paras) – %3: ”%4”</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>koon on oltava megatavujen määrä tai luku, jonka perässä on K, M tai G (25M, 700MB, 4G): ”%1”</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 vaatii ajan sekunteina, m:ss tai h:mm:ss (esimerkiksi 90, 1:30 tai 1:02:03.5): ”%2”</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) on oltava --start-kohdan (%2) jälkeen</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end on oltava alun jälkeen: ”%1”</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality ei koske copy-muotoa, joka ei koodaa mitään uudelleen</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size ei koske copy-muotoa, joka ei koodaa mitään uudelleen</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>laatu %1, %2 (paras) – %3</translation>
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
        <translation>Valitsimet:
  -f, --format NAME      kohdemuoto, jokin seuraavista:
%1
  -b, --bitrate KBITS    videon bittinopeus kilobitteinä sekunnissa
                         (oletus: muodon oma, katso --list-formats)
  -r, --rotate NAME      none (oletus), cw, ccw, vflip, hflip, 180
  -o, --output DIR       kohdekansio, luodaan tarvittaessa (oletus ./output)
      --web              verkkoa varten: MP4- ja MOV-tiedostojen indeksi
                         alkuun, jotta selain voi toistaa ne jo latautuessaan
      --sdr              HDR SDR:ksi: HDR-lähteet SDR:ksi kaikissa muodoissa;
                         muuten H.265, AV1 ja VP9 pitävät HDR:n 10-bittisenä
      --crop             rajaa mustat palkit, joista kuvat ovat yhtä mieltä
      --loudness TARGET  kaikkien tiedostojen ääni samaan äänekkyyteen,
                         todelliset huiput alle -1 dBTP: ebu (-23 LUFS),
                         stream (-14), podcast (-16) tai LUFS-luku -40 … -5
  -j, --jobs N           N muunnosta yhtä aikaa; ”auto”: yksi ydintä kohden
      --disc DIR         lisää jonoon DIR-kansion alta DVD:n VIDEO_TS- tai
                         Blu-rayn BDMV/STREAM-kansion nimiketiedostot
                         (voi toistaa)
  -n, --dry-run          tulosta kunkin tiedoston komennot, älä muunna mitään
      --json             yksi JSON-tapahtuma riviä kohden vakiotulosteeseen
      --list-formats     tulosta muodot oletusbittinopeuksineen
  -h, --help             tämä ohje
  -v, --version          ohjelman versio</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop ei koske copy-muotoa, joka ei koodaa mitään uudelleen</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>tuntematon käyttökohde ”%1” valitsimelle --for (sallitut: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 valitsee muodon ja koon itse: jätä pois %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Muodon ja koon sijaan tiedoston käyttökohde:
      --for NAME         kohteen muoto ja suurin tiedosto, jokin näistä:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, enintään %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, indeksi alussa</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Pysäytä</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Mikään tämän työpöydän ohjelma ei avaa ohjetta. Se on täällä:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Mikään tämän työpöydän ohjelma ei avaa opasta. Se on täällä:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Mikään tämän työpöydän ohjelma ei avaa tuotesivua. Se on osoitteessa:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Tällä työpöydällä ei ole sähköpostiohjelmaa. Osoite on:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Lisää tiedosto</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Lisää kansio</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Poista kaikki</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Lue DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Aloita</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Asetukset...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ohje</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Opas</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Tuotesivu</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Lähetä palautetta</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Avaa lokikansio</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Mikään tämän työpöydän ohjelma ei avaa lokikansiota. Se on täällä:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Kierrä</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Verkkoa varten</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>MP4- ja MOV-tiedostot, joiden indeksi on alussa, jotta selain voi toistaa ne jo latautuessaan</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Yhtäaikaiset muunnokset</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automaattinen</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 tiedosto muunnettu</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n tiedosto muunnettu</numerusform>
            <numerusform>%n tiedostoa muunnettu</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, %1 epäonnistui.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Eräajo pysäytetty</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Eräajo valmis</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR SDR:ksi</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>HDR-videosta tulee tavallista SDR-videota kaikissa muodoissa, myös H.265:ssä, AV1:ssä ja VP9:ssä, jotka muuten säilyttävät HDR:n</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Aikaväli...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Tasainen äänekkyys</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Yleisradio, EBU R128 (-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>Podcast (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>Suoratoisto (-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Tuloste</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Rajaa mustat palkit</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Jokainen kuva rajattu siihen, mikä jää sen letterbox- tai pillarbox-palkkien sisään</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Äänimerkki</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Musiikkileikkuri</translation>
    </message>
</context>
</TS>
