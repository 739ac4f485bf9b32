<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;İptal</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Kaydetmeden Kapat</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Tümünü Kaydet</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>&amp;Tümüne Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>&amp;Tümüne Hayır</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>İptal Et</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yeniden Dene</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Yoksay</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Gözardı Et</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Varsayılanlara Sıfırla</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick çalışıyor ama dosyaları almadı: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Toplu işlem durdu: çıktı klasörü daha fazla dosya almıyor.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>Kuyrukta 1 dosya kaldı.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>Kuyrukta %n dosya kaldı.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>günlük: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Lütfen bir dosya ekleyin.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Durdu.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Bitti.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>1 dosya dönüştürülemedi:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>%n dosya dönüştürülemedi:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Çıktı biçimi seçilmedi</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>kodlayıcı hiçbir çıktı vermedi</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>durduruldu</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Kodlayıcı beklenmedik şekilde durdu.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>görüntüsü Dolby Vision profil %1, renklerini yalnızca bir Dolby Vision oynatıcı doğru gösterir; Kaynakla aynı (kopya) onu olduğu gibi korur</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>geçici klasör %1, ilk geçişin günlüğü için kullanılamıyor</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>%1 çıktı, hedef %2: görüntünün daha fazlasına ihtiyacı yok</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>%1 kbit/sn ile yeniden kodlandı: %2 kbit/sn ile %3 çıkmıştı, hedefin (%4) üzerinde</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>%1 kbit/sn ile yeniden kodlandı: %2 kbit/sn ile %3 çıkmıştı, hedefin (%4) çok altında</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>%1 çıktı, hedefin (%2) üzerinde; nasıl kodlanırsa kodlansın</translation>
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
        <translation>E-posta (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1, var olmayan %2 hedefine bir bağlantıdır.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 bir program değil.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 mevcut değil.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick, yüklü olmayan FFmpeg ile dönüştürür. FFmpeg&apos;i yükleyin (Debian ve Ubuntu&apos;da: apt install ffmpeg), ardından kodlayıcıyı ona bağlayın:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick, %1 olarak yüklü olan FFmpeg ile dönüştürür. Kodlayıcıyı ona bağlayın:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Kodlayıcı eksik, bu yüzden hiçbir şey dönüştürülemez.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Dosyaların gideceği yer: biçim ve o yerin kabul ettiği en büyük dosya</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Yok</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Videoları buraya bırakın ya da başlamak için tıklayın.
DVD veya Blu-ray diski yukarıdaki “DVD oku” ile okuyun.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Bir DVD sürücüsü seçin:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>DVD oku</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Dosya listesi:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Dosya ekle</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Klasörden dosya ekle</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Seçili dosyayı listeden kaldır</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Tüm dosyaları kaldır</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Çıktı biçimi:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Çıktı biçimi</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Video kalitesi (bit hızı, kbit/sn):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Video bit hızı</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Çıktı klasörü:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Çıktı için bir klasör seçin</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Bir çıktı klasörü seçin</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Görüş</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Öneri veya sorunuzu bize gönderin</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Tüm komutlar</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Dosya listesine yeni bir dosya ekle</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Dosya listesinden bir dosya kaldır</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Dönüştürmeyi başlat</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Yardım ve öğretici</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Pencereyi simge durumuna küçült</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Ortam dosyalarını bu bırakma alanına sürükleyin</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Döndür:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Döndürme ayarı</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>dosya %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, %1 kaldı</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Saniyede kilobit cinsinden video bit hızı</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Ürün sayfası</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Çıktı klasörünü seçin</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Tüm komutlar</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Geçerli dosyanın ilerlemesi</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Şimdi dönüştür!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Bir klasör seçin:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Dakika 60&apos;tan küçük olmalıdır</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Dakika</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Saniye 60&apos;tan küçük olmalıdır</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Saniye</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Çıktı klasörü oluşturulamadı:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Çıktı klasörüne yazılamıyor:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (yüksek kaliteli MPEG4 video)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (H264 video)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (standart MPEG4 video)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (Apple/QuickTime video)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (Flash video)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (MPEG1 video)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (H.265/HEVC video)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (AV1 video)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (AV1 video)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (VP9 video)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (H.264 video)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>Kaynakla aynı (kopya)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>niceleyici</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Komut satırı boş</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe başarısız oldu. Hata: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Dosya veya komut bulunamadı</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Dosya adı</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Biçim</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>Sabit kalite</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Boyut ne olursa olsun aynı kalite: bit hızları yerine biçimin kalite düzeyleri</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Hedef boyut...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Ses dahil tüm dosyanın olabileceği en büyük boyut; dosya en fazla bu kadar ve buna yakın çıkar</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Hedef boyut: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Hedef boyut (tüm dosya):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Hedef boyut, menüden ayarlandı</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Sabit kalite: düşük sayılar daha iyi görünür ve daha çok yer kaplar</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Hedef boyut</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Ses dahil tüm dosyanın kaplayabileceği en fazla boyut, dosya yöneticilerinin saydığı gibi megabayt cinsinden (1 MB = 1.000.000 bayt) ya da sayıdan sonra K veya G ile: 25M, 700MB, 4G.
Boş: hedef yok, yeniden bit hızı ya da kalite.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>“%1” bir boyut değil. Bir megabayt sayısı ya da ardından K, M veya G gelen bir sayı yazın: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Video kalitesi (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>Saat yönünde 90°</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>Saat yönünün tersine 90°</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Dikey çevir</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Yatay çevir</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Son toplu işlem 1 dosya kala kesildi. Yeniden kuyruğa eklensin mi?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Son toplu işlem %n dosya kala kesildi. Yeniden kuyruğa eklensinler mi?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>süresi bilinmiyor, bu yüzden bir boyut hedeflenemez</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1, yalnızca sesin gerektirdiğinden az; işe yarayan en küçük boyut %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1, izlenmeye değer bir görüntü için çok az yer bırakıyor; işe yarayan en küçük boyut %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Videolar dönüştürülüyor</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>bilinmeyen ses yüksekliği “%1”: ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off veya -40 ile -5 arasında bir LUFS değeri seçin</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Videoları buraya bırakın</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Aranıyor...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Kuyruk dolu: en fazla %1 dosya alabilir. 1 dosya eklenmedi.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Kuyruk dolu: en fazla %1 dosya alabilir. %n dosya eklenmedi.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 dosya eklenmedi: adı geçerli bir UTF-8 değil.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n dosya eklenmedi: adları geçerli bir UTF-8 değil.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Dosyaları aç</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Tüm biçimler</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Lütfen bir DVD sürücüsü seçin</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Videoyu buraya sürükleyin</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Dosya aç</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>zaman aralığı %1 konumunda bitiyor, bu da %2 konumundaki başlangıcından sonra değil</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>zaman aralığı %1 konumunda başlıyor, ancak video yalnızca %2 uzunluğunda</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Başlangıç “%1” bir zaman değil. Saniye, m:ss veya h:mm:ss yazın; örneğin 90, 1:30 ya da 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Bitiş “%1” bir zaman değil. Saniye, m:ss veya h:mm:ss yazın; örneğin 90, 1:30 ya da 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Bitiş, başlangıçtan sonra olmalıdır.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>başlangıç %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>bitiş %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Zaman aralığı</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>baştan</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>sona kadar</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Saniye, m:ss veya h:mm:ss; örneğin 90, 1:30 ya da 1:02:03.5. Baştan ya da sona kadar almak için zamanı boş bırakın.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Başlangıç:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Bitiş:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Kullanım: tarnwick-cli [seçenekler] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Video dosyalarını FFmpeg kodlayıcısıyla dönüştürür: her SOURCE için bir dosya
ya da bir klasör aramasının bulduğu her dosya (klasörün kendi dosyaları ve
altındaki klasörlerdeki VOB ve M2TS başlık dosyaları; klasörlere giden
bağlantılar izlenmez).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Çıktılar &lt;kaynak adı&gt;_&lt;saat&gt;&lt;dakika&gt;&lt;saniye&gt;.&lt;uzantı&gt; olarak adlandırılır;
zaten kullanılan bir ada _2, _3, ... eklenir. Çıktı klasöründeki hiçbir şeyin
üzerine yazılmaz ve tamamlanmayan bir çıktı silinir.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Çıkış durumu: 0 tümü dönüştürüldü, 1 bir veya daha fazlası başarısız, 2 hatalı
kullanım, 3 kodlayıcı yok (program klasöründe data/conv.exe olarak bağlanan
FFmpeg eksik), 130 Ctrl+C veya bir sonlandırma sinyaliyle durduruldu.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 birden fazla kez verildi</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>bilinmeyen biçim “%1” (şunlardan biri: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>bit hızı, saniyede kilobit cinsinden bir tam sayı olmalıdır (1 ile 1000000 arası): “%1”</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>bilinmeyen döndürme “%1” (şunlardan biri: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output bir klasör gerektirir</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs 1 ile 256 arası bir sayı ya da “auto” alır: “%1”</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate, hiçbir şeyi yeniden kodlamayan copy için geçerli değildir</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate, hiçbir şeyi yeniden kodlamayan copy için geçerli değildir</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>SOURCE verilmedi</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>dönüştürüldü %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>başarısız %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>%1 dönüştürüldü, %2 başarısız%3, süre %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, durduruldu</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %%2  dosya %3/%4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 çalışıyor)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  %1 kaldı</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Daha fazlası için “tarnwick-cli --help” komutunu deneyin.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>dönüştürülecek bir şey yok</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (varsayılan)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr, hiçbir şeyi yeniden kodlamayan copy için geçerli değildir</translation>
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
        <translation>Bit hızı yerine:
  -q, --quality N        biçimin kendi ölçeğinde sabit kalite: H.264, H.265,
                         AV1 ve VP9 için CRF, MPEG-4, MPEG-1 ve WMV için
                         niceleyici; düşük olan daha iyidir (her ölçek ve
                         varsayılanı için bkz. --list-formats)
      --size SIZE        ses dahil tüm dosya, en fazla SIZE ve buna yakın:
                         25M, 700MB, 4G, dosya yöneticilerinin saydığı gibi
                         ondalık birimlerle (1M = 1.000.000 bayt; MiB ve GiB
                         ikilidir); kodlayıcının desteklediği yerde iki
                         geçiş</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Her kaynağın bir bölümü, saniye, m:ss veya h:mm:ss biçiminde T zamanlarıyla,
istenirse kesirli (90, 1:30, 1:02:03.5):
      --start T          T&apos;den; copy, T&apos;deki ya da önceki anahtar kareden başlar
      --end T            T&apos;ye kadar; kaynağın sonunu aşan bitiş onun sonudur</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality ve --size görüntü kalitesini belirler: yalnızca birini verin</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>%1 için kalite %2 (en iyi) ile %3 arasında bir tam sayı olmalıdır: “%4”</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>boyut bir megabayt sayısı ya da ardından K, M veya G gelen bir sayı olmalıdır (25M, 700MB, 4G): “%1”</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 saniye, m:ss veya h:mm:ss biçiminde bir zaman alır (örneğin 90, 1:30 ya da 1:02:03.5): “%2”</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1), --start (%2) değerinden sonra olmalıdır</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end başlangıçtan sonra olmalıdır: “%1”</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality, hiçbir şeyi yeniden kodlamayan copy için geçerli değildir</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size, hiçbir şeyi yeniden kodlamayan copy için geçerli değildir</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>kalite %1, %2 (en iyi) ile %3 arası</translation>
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
        <translation>Seçenekler:
  -f, --format NAME      çıktı biçimi, şunlardan biri:
%1
  -b, --bitrate KBITS    saniyede kilobit cinsinden video bit hızı
                         (varsayılan: biçimin kendi değeri, bkz.
                         --list-formats)
  -r, --rotate NAME      none (varsayılan), cw, ccw, vflip, hflip, 180
  -o, --output DIR       çıktı klasörü, yoksa oluşturulur (varsayılan
                         ./output)
      --web              web için: MP4 ve MOV dosyalarının dizini başa alınır,
                         böylece tarayıcı onları yüklenirken oynatır
      --sdr              HDR&apos;den SDR&apos;ye: HDR kaynaklar her biçimde SDR olur;
                         verilmezse H.265, AV1 ve VP9 HDR&apos;yi 10 bitte korur
      --crop             görüntülerin ortak siyah şeritlerini kırp
      --loudness TARGET  her dosyanın sesi aynı yükseklikte, gerçek tepeler
                         -1 dBTP altında: ebu (-23 LUFS), stream (-14),
                         podcast (-16) veya -40 ile -5 arası bir LUFS değeri
  -j, --jobs N           aynı anda N dönüştürme; “auto” ile çekirdek başına
                         bir
      --disc DIR         DIR altındaki bir DVD&apos;nin VIDEO_TS veya bir
                         Blu-ray&apos;in BDMV/STREAM başlık dosyalarını kuyruğa
                         ekle (yinelenebilir)
  -n, --dry-run          her dosyanın komutlarını yazdır, hiçbir şey
                         dönüştürme
      --json             standart çıktıya satır başına bir JSON olayı yaz
      --list-formats     biçimleri varsayılan bit hızlarıyla yazdır
  -h, --help             bu metin
  -v, --version          programın sürümü</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop, hiçbir şeyi yeniden kodlamayan copy için geçerli değildir</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>--for için bilinmeyen yer “%1” (şunlardan biri: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 biçimi ve boyutu kendisi seçer: %2 kullanmayın</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Biçim ve boyut yerine, dosyanın gideceği yer:
      --for NAME         o yerin biçimi ve en büyük dosyası, şunlardan biri:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, en fazla %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, dizin başta</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Bu masaüstünde yardımı açabilecek bir şey yok. Yardımın konumu:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Bu masaüstünde öğreticiyi açabilecek bir şey yok. Öğreticinin konumu:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Bu masaüstünde ürün sayfasını açabilecek bir şey yok. Sayfanın adresi:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Bu masaüstünde bir e-posta programı yok. Adres:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Dosya ekle</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Klasör ekle</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Tümünü kaldır</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>DVD oku</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Ayarlar...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Öğretici</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Ürün sayfası</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Geri bildirim gönder</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Günlük klasörünü aç</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Bu masaüstünde günlük klasörünü açabilecek bir şey yok. Klasörün konumu:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Döndür</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Web için</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>Dizini başta olan MP4 ve MOV dosyaları; böylece tarayıcı onları yüklenirken oynatır</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Eşzamanlı dönüştürme</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 dosya dönüştürüldü</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n dosya dönüştürüldü</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, %1 başarısız.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Toplu işlem durduruldu</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Toplu işlem tamamlandı</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR&apos;den SDR&apos;ye</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>HDR video, aksi halde HDR&apos;yi koruyan H.265, AV1 ve VP9 dahil her biçimde sıradan SDR videoya dönüşür</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Zaman aralığı...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Eşit ses yüksekliği</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Yayın, EBU R128 (-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>Podcast (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>Akış (-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Çıktı</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Siyah şeritleri kırp</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Her görüntü, üstteki ve alttaki ya da yanlardaki siyah şeritlerin içinde kalan kısma kırpılır</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Bitince sesli uyarı</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Müzik kesici</translation>
    </message>
</context>
</TS>
