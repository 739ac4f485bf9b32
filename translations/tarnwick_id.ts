<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ba&amp;tal</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Tutup tanpa Menyimpan</translation>
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
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Simpan Semua</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ya untuk &amp;Semua</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Tidak</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Tidak untuk Se&amp;mua</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Gugurkan</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Coba Lagi</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Abaikan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Buang</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Terapkan</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur Ulang</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Kembalikan Bawaan</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick sedang berjalan tetapi tidak menerima berkas: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Proses batch berhenti: folder keluaran tidak dapat menampung berkas lagi.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>1 berkas tersisa dalam antrean.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>%n berkas tersisa dalam antrean.</numerusform>
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
        <translation>Silakan tambahkan berkas.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Dihentikan.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Selesai.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>1 berkas tidak dapat dikonversi:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>%n berkas tidak dapat dikonversi:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Format keluaran belum dipilih</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>enkoder tidak mencetak apa pun</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>dihentikan</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Enkoder berhenti secara tak terduga.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>gambarnya Dolby Vision profil %1, yang warnanya hanya ditampilkan dengan benar oleh pemutar Dolby Vision; Sama dengan Sumber (Salin) membiarkannya apa adanya</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>folder sementara %1 tidak dapat dipakai untuk log lintasan pertama</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>hasilnya %1 dari target %2: gambar tidak memerlukan lebih</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>dikodekan ulang pada %1 kb/s: pada %2 kb/s hasilnya %3, di atas target %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>dikodekan ulang pada %1 kb/s: pada %2 kb/s hasilnya %3, jauh di bawah target %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>hasilnya %1, di atas target %2, bagaimanapun cara mengodekannya</translation>
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
        <translation>Email (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 adalah tautan ke %2, yang tidak ada.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 bukan program.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 tidak ada.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick mengonversi dengan FFmpeg, yang belum terpasang. Pasang FFmpeg (di Debian dan Ubuntu: apt install ffmpeg), lalu tautkan enkoder ke sana:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick mengonversi dengan FFmpeg, yang terpasang sebagai %1. Tautkan enkoder ke sana:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Enkoder tidak ada, jadi tidak ada yang dapat dikonversi.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Tujuan</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Ke mana berkas dikirim: format dan ukuran berkas terbesar yang diterima tujuan itu</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Tidak Ada</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Letakkan video Anda di sini, atau klik untuk memulai.
Baca cakram DVD atau Blu-ray dengan &quot;Baca DVD&quot; di atas.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Pilih Drive DVD:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Baca DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Daftar Berkas:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Tambah Berkas</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Tambah Berkas dari Folder</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Hapus yang Dipilih dari Daftar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Hapus Semua Berkas</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Format Keluaran:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Format Keluaran</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Kualitas Video (Laju Bit - K):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Laju Bit Video</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Folder Keluaran:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Pilih Folder untuk Keluaran</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Pilih Folder Keluaran</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Masukan</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Kirimkan saran atau pertanyaan Anda</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Semua Perintah</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Tambahkan berkas baru ke daftar berkas</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Hapus berkas dari daftar berkas</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Mulai Konversi</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Bantuan dan Tutorial</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Minimalkan Jendela</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Seret berkas media ke area ini</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Putar:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Pengaturan Putaran</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>berkas %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, sisa %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Laju bit video dalam kilobit per detik</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Halaman produk</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Pilih folder keluaran</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Semua perintah</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Kemajuan berkas saat ini</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Konversi Sekarang!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Pilih folder:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Menit harus kurang dari 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Menit</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Detik harus kurang dari 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Detik</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Folder keluaran tidak dapat dibuat:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Folder keluaran tidak dapat ditulisi:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (Video MPEG4 Kualitas Tinggi)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (Video H264)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (Video MPEG4 Standar)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (Video Apple/QuickTime)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (Video Flash)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (Video MPEG1)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (Video H.265/HEVC)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (Video AV1)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (Video AV1)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (Video VP9)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (Video H.264)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>Sama dengan Sumber (Salin)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>kuantiser</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Baris perintah kosong</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe gagal. Galat: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Berkas atau perintah tidak ditemukan</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Nama Berkas</translation>
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
        <translation>Kualitas Konstan</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Kualitas sama berapa pun ukurannya: tingkat kualitas format sebagai ganti laju bit</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Ukuran Target...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Ukuran terbesar untuk seluruh berkas, termasuk suara; hasilnya paling banyak sebesar itu dan mendekatinya</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Ukuran Target: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Ukuran Target (seluruh berkas):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Ukuran target, diatur di menu</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Kualitas konstan: angka lebih rendah tampak lebih baik dan memakan lebih banyak ruang</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Ukuran Target</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Ukuran paling besar seluruh berkas, termasuk suara, dalam megabyte seperti yang dihitung pengelola berkas (1 MB = 1.000.000 byte), atau dengan K atau G setelah angka: 25M, 700MB, 4G.
Kosong: tanpa target, kembali ke laju bit atau kualitas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>&quot;%1&quot; bukan ukuran. Tulis jumlah megabyte, atau angka dengan K, M, atau G di belakangnya: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Kualitas Video (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90 Derajat Searah Jarum Jam</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90 Derajat Berlawanan Jarum Jam</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Cermin Vertikal</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Cermin Horizontal</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180 Derajat</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Tidak Ada</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Proses batch terakhir terputus dengan 1 berkas tersisa. Antrekan lagi?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Proses batch terakhir terputus dengan %n berkas tersisa. Antrekan lagi?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>durasinya tidak diketahui, jadi tidak ada ukuran yang dapat dituju</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 kurang dari yang dibutuhkan suaranya saja; ukuran terkecil yang bisa adalah %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 menyisakan terlalu sedikit untuk gambar yang layak ditonton; ukuran terkecil yang bisa adalah %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Mengonversi video</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>kenyaringan tak dikenal &apos;%1&apos;: pilih ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, atau angka LUFS dari -40 hingga -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Letakkan Video di Sini</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Mencari...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Antrean penuh: maksimal %1 berkas. 1 berkas tidak ditambahkan.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Antrean penuh: maksimal %1 berkas. %n berkas tidak ditambahkan.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 berkas tidak ditambahkan: namanya bukan UTF-8 yang valid.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n berkas tidak ditambahkan: namanya bukan UTF-8 yang valid.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Buka Berkas</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Semua format</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Silakan pilih drive DVD</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Seret Video Anda ke Sini</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Buka Berkas</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>rentang waktu berakhir pada %1, yang tidak setelah awalnya pada %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>rentang waktu dimulai pada %1, tetapi video hanya sepanjang %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Awal &quot;%1&quot; bukan waktu. Ketik detik, m:ss, atau h:mm:ss, seperti 90, 1:30, atau 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Akhir &quot;%1&quot; bukan waktu. Ketik detik, m:ss, atau h:mm:ss, seperti 90, 1:30, atau 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Akhir harus setelah awal.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 sampai %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>dari %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>sampai %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Rentang Waktu</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>awal video</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>akhir video</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Detik, m:ss, atau h:mm:ss, seperti 90, 1:30, atau 1:02:03.5. Biarkan waktu kosong untuk awal atau akhir video.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Awal:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Akhir:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Penggunaan: tarnwick-cli [opsi] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Mengonversi berkas video dengan enkoder FFmpeg, satu berkas per SOURCE atau
setiap berkas yang ditemukan pencarian folder (berkas di folder itu sendiri,
serta berkas judul VOB dan M2TS di folder-folder di bawahnya; tautan ke folder
tidak diikuti).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Keluaran dinamai &lt;nama sumber&gt;_&lt;jam&gt;&lt;menit&gt;&lt;detik&gt;.&lt;ekstensi&gt;; nama yang
sudah dipakai mendapat _2, _3, ... Tidak ada yang ditimpa di folder keluaran,
dan keluaran yang tidak selesai dihapus.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Status keluar: 0 semua dikonversi, 1 satu atau lebih gagal, 2 penggunaan
salah, 3 tidak ada enkoder (FFmpeg, yang ditautkan sebagai data/conv.exe di
folder program, tidak ada), 130 dihentikan dengan Ctrl+C atau sinyal
terminasi.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 diberikan lebih dari sekali</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>format tak dikenal &apos;%1&apos; (salah satu dari: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>laju bit harus bilangan bulat kilobit per detik (1 sampai 1000000): &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>rotasi tak dikenal &apos;%1&apos; (salah satu dari: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output memerlukan folder</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs menerima angka 1 sampai 256 atau &apos;auto&apos;: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate tidak berlaku untuk copy, yang tidak mengodekan ulang apa pun</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate tidak berlaku untuk copy, yang tidak mengodekan ulang apa pun</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>SOURCE tidak diberikan</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>dikonversi %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>gagal %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>%1 dikonversi, %2 gagal%3 dalam %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, dihentikan</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  berkas %3 dari %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 berjalan)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  sisa %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Coba &apos;tarnwick-cli --help&apos; untuk informasi lebih lanjut.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>tidak ada yang perlu dikonversi</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (bawaan)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr tidak berlaku untuk copy, yang tidak mengodekan ulang apa pun</translation>
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
        <translation>Sebagai ganti laju bit:
  -q, --quality N        kualitas konstan pada skala format itu sendiri: CRF
                         untuk H.264, H.265, AV1, dan VP9, kuantiser untuk
                         MPEG-4, MPEG-1, dan WMV; lebih rendah lebih baik
                         (lihat --list-formats untuk tiap skala dan bawaannya)
      --size SIZE        seluruh berkas, termasuk suara, paling banyak SIZE dan
                         mendekatinya: 25M, 700MB, 4G, dalam satuan desimal
                         seperti hitungan pengelola berkas (1M = 1.000.000
                         byte; MiB dan GiB biner); dua lintasan bila pengodenya
                         mendukung</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Sebagian dari tiap sumber, menurut waktu T dalam detik, m:ss, atau h:mm:ss,
masing-masing boleh dengan pecahan (90, 1:30, 1:02:03.5):
      --start T          dari T; copy mulai pada bingkai kunci di T atau
                         sebelumnya
      --end T            sampai T; akhir yang melewati akhir sumber berarti
                         akhir sumber itu</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality, dan --size masing-masing menentukan mutu gambar: berikan salah satu saja</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>kualitas untuk %1 harus bilangan bulat dari %2 (terbaik) sampai %3: &apos;%4&apos;</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>ukuran harus jumlah megabyte, atau angka dengan K, M, atau G di belakangnya (25M, 700MB, 4G): &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 menerima waktu dalam detik, m:ss, atau h:mm:ss (seperti 90, 1:30, atau 1:02:03.5): &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) harus setelah --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end harus setelah awal: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality tidak berlaku untuk copy, yang tidak mengodekan ulang apa pun</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size tidak berlaku untuk copy, yang tidak mengodekan ulang apa pun</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>kualitas %1, %2 (terbaik) sampai %3</translation>
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
        <translation>Opsi:
  -f, --format NAME      format keluaran, salah satu dari:
%1
  -b, --bitrate KBITS    laju bit video dalam kilobit per detik
                         (bawaan: milik format, lihat --list-formats)
  -r, --rotate NAME      none (bawaan), cw, ccw, vflip, hflip, 180
  -o, --output DIR       folder keluaran, dibuat jika belum ada
                         (bawaan ./output)
      --web              untuk web: indeks berkas MP4 dan MOV diletakkan di
                         awal, agar peramban dapat memutarnya sambil diunduh
      --sdr              HDR ke SDR: sumber HDR menjadi SDR di semua format;
                         tanpa opsi ini H.265, AV1, dan VP9 tetap HDR 10 bit
      --crop             pangkas bilah hitam yang sama pada semua gambar
      --loudness TARGET  suara tiap berkas pada satu kenyaringan, puncak
                         sejati di bawah -1 dBTP: ebu (-23 LUFS), stream
                         (-14), podcast (-16), atau angka LUFS, -40 hingga -5
  -j, --jobs N           N konversi sekaligus; &quot;auto&quot; untuk satu per inti
      --disc DIR         antrekan berkas judul VIDEO_TS dari DVD atau
                         BDMV/STREAM dari Blu-ray di bawah DIR (dapat diulang)
  -n, --dry-run          cetak perintah tiap berkas, tanpa mengonversi apa pun
      --json             satu peristiwa JSON per baris di keluaran standar
      --list-formats     cetak format beserta laju bit bawaannya
  -h, --help             teks ini
  -v, --version          versi program</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop tidak berlaku untuk copy, yang tidak mengodekan ulang apa pun</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>tujuan tak dikenal &apos;%1&apos; untuk --for (salah satu dari: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 memilih format dan ukurannya sendiri: hilangkan %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Sebagai ganti format dan ukuran, ke mana berkas dikirim:
      --for NAME         format dan berkas terbesar tujuan itu, salah satu:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, maksimal %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, indeks di awal</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Hentikan</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Tidak ada aplikasi di desktop ini yang dapat membuka bantuan. Lokasinya:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Tidak ada aplikasi di desktop ini yang dapat membuka tutorial. Lokasinya:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Tidak ada aplikasi di desktop ini yang dapat membuka halaman produk. Alamatnya:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Tidak ada program surel di desktop ini. Alamatnya:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Tambah Berkas</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Tambah Folder</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Hapus Semua</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Baca DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Mulai</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Pengaturan...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
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
        <translation>Halaman Produk</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Kirim Umpan Balik</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Buka Folder Log</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Tidak ada aplikasi di desktop ini yang dapat membuka folder log. Lokasinya:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Putar</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Dibuat untuk Web</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>Berkas MP4 dan MOV dengan indeks di awal, agar peramban dapat memutarnya sambil diunduh</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Konversi Sekaligus</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Otomatis</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 berkas dikonversi</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n berkas dikonversi</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, %1 gagal.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Batch dihentikan</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Batch selesai</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR ke SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>Video HDR menjadi video SDR biasa di semua format, juga di H.265, AV1, dan VP9, yang biasanya tetap mempertahankan HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Rentang Waktu...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Kenyaringan Merata</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Mati</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Siaran, EBU R128 (-23 LUFS)</translation>
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
        <translation>Keluaran</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Pangkas Bilah Hitam</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Setiap gambar dipangkas ke bagian di dalam bilah letterbox atau pillarbox-nya</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Pengingat Suara</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Aktif</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Nonaktif</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Pemotong Musik</translation>
    </message>
</context>
</TS>
