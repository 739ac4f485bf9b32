<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zachowaj</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Zamknij bez zapisywania</translation>
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
        <translation>Zachowaj</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Zachowaj wszystko</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ta&amp;k dla wszystkich</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Ni&amp;e dla wszystkich</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Przerwij</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Zignoruj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zresetuj</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick działa, ale nie przyjął plików: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Przetwarzanie zostało zatrzymane: katalog wyjściowy nie przyjmuje więcej plików.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>W kolejce pozostał 1 plik.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>W kolejce pozostał %n plik.</numerusform>
            <numerusform>W kolejce pozostały %n pliki.</numerusform>
            <numerusform>W kolejce pozostało %n plików.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>dziennik: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Proszę dodać plik.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodawanie</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Przerwano.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>Nie udało się przekonwertować 1 pliku:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>Nie udało się przekonwertować %n pliku:</numerusform>
            <numerusform>Nie udało się przekonwertować %n plików:</numerusform>
            <numerusform>Nie udało się przekonwertować %n plików:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Nie wybrano formatu wyjściowego</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>koder niczego nie wypisał</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>zatrzymano</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Koder nieoczekiwanie zakończył działanie.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>obraz jest w Dolby Vision, profil %1, którego kolory poprawnie pokazuje tylko odtwarzacz Dolby Vision; Jak źródło (kopia) zachowuje go bez zmian</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>katalogu tymczasowego %1 nie można użyć na dziennik pierwszego przebiegu</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>wynik ma %1 przy celu %2: obraz nie potrzebuje więcej</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>ponownie zakodowano z %1 kb/s: przy %2 kb/s wynik miał %3, powyżej celu %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>ponownie zakodowano z %1 kb/s: przy %2 kb/s wynik miał %3, znacznie poniżej celu %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>wynik ma %1, powyżej celu %2, niezależnie od sposobu kodowania</translation>
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
        <translation>%1 jest dowiązaniem do %2, które nie istnieje.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 nie jest programem.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 nie istnieje.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick konwertuje za pomocą FFmpeg, który nie jest zainstalowany. Proszę go zainstalować (w Debianie i Ubuntu: apt install ffmpeg), a następnie dowiązać do niego koder:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick konwertuje za pomocą FFmpeg, który jest zainstalowany jako %1. Proszę dowiązać do niego koder:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Brak kodera, więc nie można niczego przekonwertować.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Przeznaczenie</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Dokąd trafiają pliki: format i największy plik, jaki przyjmuje to miejsce</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Brak</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Upuść tutaj filmy lub kliknij, aby rozpocząć.
Płytę DVD lub Blu-ray odczytasz przyciskiem „Czytaj DVD”.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Wybierz napęd DVD:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Czytaj DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Lista plików:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Dodaj plik</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Dodaj pliki z katalogu</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Usuń zaznaczony plik z listy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Usuń wszystkie pliki</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Format wyjściowy:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Format wyjściowy</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Jakość wideo (prędkość bitowa, kb/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Prędkość bitowa wideo</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Katalog wyjściowy:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Wybierz katalog na pliki wyjściowe</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Wybierz katalog wyjściowy</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Opinia</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Prześlij nam sugestię lub pytanie</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Wszystkie polecenia</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Dodaj nowy plik do listy plików</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Usuń plik z listy plików</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Rozpocznij konwersję</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Pomoc i samouczek</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Zminimalizuj okno</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Przeciągnij pliki multimedialne na ten obszar</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Obrót:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Ustawienie obrotu</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, pozostało %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Prędkość bitowa wideo w kilobitach na sekundę</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Strona produktu</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Wybierz katalog wyjściowy</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Wszystkie polecenia</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Postęp bieżącego pliku</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Konwertuj teraz!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Wybierz katalog:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Liczba minut musi być mniejsza niż 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Liczba sekund musi być mniejsza niż 60</translation>
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
        <translation>Nie można utworzyć katalogu wyjściowego:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Nie można zapisywać w katalogu wyjściowym:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (wideo MPEG4, wysoka jakość)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (wideo H264)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (wideo MPEG4, standardowe)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (wideo Apple/QuickTime)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (wideo Flash)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (wideo MPEG1)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (wideo H.265/HEVC)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (wideo AV1)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (wideo AV1)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (wideo VP9)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (wideo H.264)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>Jak źródło (kopia)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>kwantyzator</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Pusty wiersz poleceń</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>Wywołanie CreatePipe się nie powiodło. Błąd: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Nie odnaleziono pliku ani polecenia</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Nazwa pliku</translation>
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
        <translation>Stała jakość</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Ta sama jakość niezależnie od rozmiaru: poziomy jakości formatu zamiast prędkości bitowych</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Rozmiar docelowy...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Największy rozmiar całego pliku, łącznie z dźwiękiem; wynik go nie przekroczy i będzie mu bliski</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Rozmiar docelowy: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Rozmiar docelowy (cały plik):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Rozmiar docelowy, ustawiony w menu</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Stała jakość: mniejsze liczby dają lepszy obraz i zajmują więcej miejsca</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Rozmiar docelowy</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Największy rozmiar całego pliku, łącznie z dźwiękiem, w megabajtach liczonych jak w menedżerach plików (1 MB = 1 000 000 bajtów), albo z K lub G po liczbie: 25M, 700MB, 4G.
Puste: bez celu, znów prędkość bitowa lub jakość.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>„%1” nie jest rozmiarem. Proszę wpisać liczbę megabajtów albo liczbę z K, M lub G po niej: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Jakość wideo (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° w prawo</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° w lewo</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Odbicie w pionie</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Odbicie w poziomie</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Ostatnie przetwarzanie zostało przerwane, pozostał 1 plik. Dodać go ponownie do kolejki?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Ostatnie przetwarzanie zostało przerwane, pozostał %n plik. Dodać go ponownie do kolejki?</numerusform>
            <numerusform>Ostatnie przetwarzanie zostało przerwane, pozostały %n pliki. Dodać je ponownie do kolejki?</numerusform>
            <numerusform>Ostatnie przetwarzanie zostało przerwane, pozostało %n plików. Dodać je ponownie do kolejki?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>długość jest nieznana, więc nie można dążyć do żadnego rozmiaru</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 to mniej, niż potrzebuje sam dźwięk; najmniejszy działający rozmiar to %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 zostawia za mało na obraz wart oglądania; najmniejszy działający rozmiar to %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Konwertowanie filmów</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>nieznana głośność „%1”: wybierz ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off lub liczbę LUFS od -40 do -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Upuść tutaj pliki wideo</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Wyszukiwanie...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Kolejka jest pełna: mieści najwyżej %1 plików. Nie dodano 1 pliku.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Kolejka jest pełna: mieści najwyżej %1 plików. Nie dodano %n pliku.</numerusform>
            <numerusform>Kolejka jest pełna: mieści najwyżej %1 plików. Nie dodano %n plików.</numerusform>
            <numerusform>Kolejka jest pełna: mieści najwyżej %1 plików. Nie dodano %n plików.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>Nie dodano 1 pliku: jego nazwa nie jest poprawnym tekstem UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>Nie dodano %n pliku: jego nazwa nie jest poprawnym tekstem UTF-8.</numerusform>
            <numerusform>Nie dodano %n plików: ich nazwy nie są poprawnym tekstem UTF-8.</numerusform>
            <numerusform>Nie dodano %n plików: ich nazwy nie są poprawnym tekstem UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Otwórz pliki</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Wszystkie formaty</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Proszę wybrać napęd DVD</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Przeciągnij tutaj film</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otwórz plik</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>zakres czasu kończy się w %1, a to nie jest po jego początku w %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>zakres czasu zaczyna się w %1, ale wideo trwa tylko %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Początek „%1” nie jest czasem. Proszę wpisać sekundy, m:ss lub h:mm:ss, np. 90, 1:30 lub 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Koniec „%1” nie jest czasem. Proszę wpisać sekundy, m:ss lub h:mm:ss, np. 90, 1:30 lub 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Koniec musi być po początku.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>od %1 do %2</translation>
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
        <translation>Zakres czasu</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>początek</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>koniec</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Sekundy, m:ss lub h:mm:ss, np. 90, 1:30 lub 1:02:03.5. Puste pole oznacza początek lub koniec.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Początek:</translation>
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
        <translation>Użycie: tarnwick-cli [opcje] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Konwertuje pliki wideo koderem FFmpeg: jeden plik na każde SOURCE lub każdy
plik znaleziony w katalogu (pliki samego katalogu oraz pliki tytułów VOB
i M2TS w katalogach poniżej; dowiązania do katalogów są pomijane).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Pliki wyjściowe otrzymują nazwy
&lt;nazwa źródła&gt;_&lt;godzina&gt;&lt;minuta&gt;&lt;sekunda&gt;.&lt;rozszerzenie&gt;; zajęta już nazwa
dostaje _2, _3, ... Nic w katalogu wyjściowym nie zostaje nadpisane,
a niedokończony plik wyjściowy jest usuwany.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Kod wyjścia: 0 wszystko przekonwertowano, 1 co najmniej jeden błąd, 2 błędne
użycie, 3 brak kodera (brakuje FFmpeg, dowiązanego jako data/conv.exe
w katalogu programu), 130 zatrzymano przez Ctrl+C lub sygnał zakończenia.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 podano więcej niż raz</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>nieznany format „%1” (dostępne: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>prędkość bitowa musi być liczbą całkowitą kilobitów na sekundę (od 1 do 1000000): „%1”</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>nieznany obrót „%1” (dostępne: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output wymaga katalogu</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs przyjmuje liczbę od 1 do 256 lub „auto”: „%1”</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate nie dotyczy copy, które niczego nie koduje ponownie</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate nie dotyczy copy, które niczego nie koduje ponownie</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>nie podano SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>przekonwertowano %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>błąd %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>przekonwertowano: %1, błędy: %2%3, czas: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, zatrzymano</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  plik %3 z %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 w toku)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  pozostało %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Więcej informacji: „tarnwick-cli --help”.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>brak plików do konwersji</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (domyślnie)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr nie dotyczy copy, które niczego nie koduje ponownie</translation>
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
        <translation>Zamiast prędkości bitowej:
  -q, --quality N        stała jakość w skali właściwej dla formatu: CRF dla
                         H.264, H.265, AV1 i VP9, kwantyzator dla MPEG-4,
                         MPEG-1 i WMV; mniej znaczy lepiej (skalę i wartość
                         domyślną każdego formatu podaje --list-formats)
      --size SIZE        cały plik, łącznie z dźwiękiem, co najwyżej SIZE i
                         blisko tego: 25M, 700MB, 4G, w jednostkach
                         dziesiętnych jak w menedżerach plików (1M = 1 000 000
                         bajtów; MiB i GiB są dwójkowe); dwa przebiegi, gdy
                         koder je obsługuje</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Część każdego źródła, wg czasów T w sekundach, m:ss lub h:mm:ss, w razie
potrzeby z częścią ułamkową (90, 1:30, 1:02:03.5):
      --start T          od T; copy zaczyna od klatki kluczowej w T lub przed T
      --end T            do T; koniec za końcem źródła oznacza koniec źródła</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality i --size określają jakość obrazu: proszę podać tylko jedną z nich</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>jakość dla %1 musi być liczbą całkowitą od %2 (najlepsza) do %3: „%4”</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>rozmiar musi być liczbą megabajtów albo liczbą z K, M lub G po niej (25M, 700MB, 4G): „%1”</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 przyjmuje czas w sekundach, m:ss lub h:mm:ss (np. 90, 1:30 lub 1:02:03.5): „%2”</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) musi być po --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end musi być po początku: „%1”</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality nie dotyczy copy, które niczego nie koduje ponownie</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size nie dotyczy copy, które niczego nie koduje ponownie</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>jakość %1, od %2 (najlepsza) do %3</translation>
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
        <translation>Opcje:
  -f, --format NAME      format wyjściowy, jeden z:
%1
  -b, --bitrate KBITS    prędkość bitowa wideo w kilobitach na sekundę
                         (domyślnie: ta z formatu, zob. --list-formats)
  -r, --rotate NAME      none (domyślnie), cw, ccw, vflip, hflip, 180
  -o, --output DIR       katalog wyjściowy, tworzony w razie potrzeby
                         (domyślnie ./output)
      --web              dla sieci: pliki MP4 i MOV mają indeks na początku,
                         więc przeglądarka odtwarza je już podczas pobierania
      --sdr              HDR na SDR: źródła HDR dają SDR w każdym formacie;
                         bez niej H.265, AV1 i VP9 zachowują HDR w 10 bitach
      --crop             przycina czarne pasy wspólne dla wszystkich obrazów
      --loudness TARGET  jedna głośność dźwięku wszystkich plików, szczyty
                         rzeczywiste poniżej -1 dBTP: ebu (-23 LUFS), stream
                         (-14), podcast (-16) lub liczba LUFS od -40 do -5
  -j, --jobs N           N konwersji jednocześnie; „auto”: jedna na rdzeń
      --disc DIR         dodaje do kolejki pliki tytułów z VIDEO_TS płyty DVD
                         lub z BDMV/STREAM płyty Blu-ray pod DIR (można
                         powtarzać)
  -n, --dry-run          wypisuje polecenia dla plików, niczego nie konwertuje
      --json             jedno zdarzenie JSON na wiersz na standardowe wyjście
      --list-formats     wypisuje formaty z ich domyślną prędkością bitową
  -h, --help             ten tekst
  -v, --version          wersja programu</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop nie dotyczy copy, które niczego nie koduje ponownie</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>nieznane miejsce „%1” dla --for (dostępne: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 sam wybiera format i rozmiar: pomiń %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Zamiast formatu i rozmiaru – dokąd trafia plik:
      --for NAME         format i największy plik tego miejsca, jedno z:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, do %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, indeks na początku</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Na tym pulpicie nic nie może otworzyć pomocy. Znajduje się ona tutaj:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Na tym pulpicie nic nie może otworzyć samouczka. Znajduje się on tutaj:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Na tym pulpicie nic nie może otworzyć strony produktu. Jej adres:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Na tym pulpicie nie ma programu pocztowego. Adres:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Dodaj plik</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Dodaj katalog</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Usuń wszystkie</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Czytaj DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Rozpocznij</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Ustawienia...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Samouczek</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Strona produktu</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Prześlij opinię</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Otwórz katalog dzienników</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Na tym pulpicie nic nie może otworzyć katalogu dzienników. Znajduje się on tutaj:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Obrót</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Do sieci WWW</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>Pliki MP4 i MOV z indeksem na początku, aby przeglądarka odtwarzała je już podczas pobierania</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Jednoczesne konwersje</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatycznie</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>Przekonwertowano 1 plik</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>Przekonwertowano %n plik</numerusform>
            <numerusform>Przekonwertowano %n pliki</numerusform>
            <numerusform>Przekonwertowano %n plików</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, nieudane: %1.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Przetwarzanie zatrzymane</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Przetwarzanie zakończone</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR na SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>Wideo HDR staje się zwykłym wideo SDR w każdym formacie, także w H.265, AV1 i VP9, które inaczej zachowują HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Zakres czasu...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Wyrównana głośność</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Radio i TV, EBU R128 (-23 LUFS)</translation>
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
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Przytnij czarne pasy</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Każdy obraz przycięty do tego, co leży wewnątrz jego pasów letterbox lub pillarbox</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Dźwięk po zakończeniu</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Wycinanie muzyki</translation>
    </message>
</context>
</TS>
