<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Εντάξει</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Απ&amp;οθήκευση</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Ακύρωση</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Κλείσιμο</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Κλείσιμο χωρίς αποθήκευση</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Αποθήκευση όλων</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ναι σε &amp;όλα</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>Ό&amp;χι</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Όχι σε ό&amp;λα</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Ματαίωση</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Παράβλεψη</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Απόρριψη</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Εφαρμογή</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Επαναφορά προεπιλογών</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Το Tarnwick εκτελείται, αλλά δεν δέχτηκε τα αρχεία: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Η μαζική μετατροπή σταμάτησε: ο φάκελος εξόδου δεν δέχεται άλλα αρχεία.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>Απομένει 1 αρχείο στην ουρά.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>Απομένει %n αρχείο στην ουρά.</numerusform>
            <numerusform>Απομένουν %n αρχεία στην ουρά.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>αρχείο καταγραφής: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Προσθέστε ένα αρχείο.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Προσθήκη</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Διακόπηκε.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Τέλος.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>Δεν ήταν δυνατή η μετατροπή 1 αρχείου:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>Δεν ήταν δυνατή η μετατροπή %n αρχείου:</numerusform>
            <numerusform>Δεν ήταν δυνατή η μετατροπή %n αρχείων:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Δεν έχει επιλεγεί μορφή εξόδου</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>ο κωδικοποιητής δεν εμφάνισε τίποτα</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>διακόπηκε</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Ο κωδικοποιητής τερματίστηκε απρόσμενα.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>η εικόνα του είναι Dolby Vision προφίλ %1, του οποίου τα χρώματα δείχνει σωστά μόνο πρόγραμμα αναπαραγωγής Dolby Vision· η «Όπως η πηγή (αντιγραφή)» τη διατηρεί ως έχει</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>ο προσωρινός φάκελος %1 δεν μπορεί να χρησιμοποιηθεί για την καταγραφή του πρώτου περάσματος</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>βγήκε %1 από τον στόχο των %2: η εικόνα δεν χρειάζεται περισσότερα</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>κωδικοποιήθηκε ξανά με %1 kbit/s: με %2 kbit/s βγήκε %3, πάνω από τον στόχο %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>κωδικοποιήθηκε ξανά με %1 kbit/s: με %2 kbit/s βγήκε %3, πολύ κάτω από τον στόχο %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>βγήκε %1, πάνω από τον στόχο %2, όπως κι αν κωδικοποιήθηκε</translation>
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
        <translation>Το %1 είναι σύνδεσμος προς το %2, το οποίο δεν υπάρχει.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>Το %1 δεν είναι πρόγραμμα.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>Το %1 δεν υπάρχει.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Το Tarnwick κάνει τις μετατροπές με το FFmpeg, το οποίο δεν είναι εγκατεστημένο. Εγκαταστήστε το (σε Debian και Ubuntu: apt install ffmpeg) και έπειτα συνδέστε τον κωδικοποιητή σε αυτό:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Το Tarnwick κάνει τις μετατροπές με το FFmpeg, το οποίο είναι εγκατεστημένο ως %1. Συνδέστε τον κωδικοποιητή σε αυτό:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Ο κωδικοποιητής λείπει, οπότε δεν μπορεί να μετατραπεί τίποτα.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Προορισμός</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Πού πηγαίνουν τα αρχεία: η μορφή και το μεγαλύτερο αρχείο που δέχεται αυτός ο προορισμός</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Καμία</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Αφήστε εδώ τα βίντεό σας ή κάντε κλικ για να ξεκινήσετε.
Διαβάστε δίσκο DVD ή Blu-ray με το «Ανάγνωση» παραπάνω.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Επιλέξτε μονάδα DVD:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Ανάγνωση</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Λίστα αρχείων:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Προσθήκη αρχείου</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Προσθήκη αρχείων από φάκελο</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Αφαίρεση του επιλεγμένου αρχείου από τη λίστα</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Αφαίρεση όλων των αρχείων</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Μορφή εξόδου:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Μορφή εξόδου</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Ποιότητα βίντεο (ρυθμός bit, kbit/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Ρυθμός bit βίντεο</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Φάκελος εξόδου:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Επιλογή φακέλου για την έξοδο</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Επιλογή φακέλου εξόδου</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Σχόλια</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Στείλτε μας μια πρόταση ή ερώτηση</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Όλες οι εντολές</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Προσθήκη νέου αρχείου στη λίστα</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Αφαίρεση αρχείου από τη λίστα</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Έναρξη μετατροπής</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Βοήθεια και οδηγός</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Ελαχιστοποίηση παραθύρου</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Σύρετε αρχεία πολυμέσων σε αυτή την περιοχή</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Περιστροφή:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Ρύθμιση περιστροφής</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>%1 από %2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, ακόμη %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Ρυθμός bit βίντεο σε kilobit ανά δευτερόλεπτο</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Σελίδα προϊόντος</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Επιλογή φακέλου εξόδου</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Όλες οι εντολές</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Πρόοδος τρέχοντος αρχείου</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Μετατροπή τώρα!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Επιλέξτε φάκελο:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Τα λεπτά πρέπει να είναι λιγότερα από 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Λεπτά</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Τα δευτερόλεπτα πρέπει να είναι λιγότερα από 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Δευτερόλεπτα</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Δεν ήταν δυνατή η δημιουργία του φακέλου εξόδου:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Δεν είναι δυνατή η εγγραφή στον φάκελο εξόδου:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (βίντεο MPEG4 υψηλής ποιότητας)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (βίντεο H264)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (τυπικό βίντεο MPEG4)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (βίντεο Apple/QuickTime)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (βίντεο Flash)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (βίντεο MPEG1)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (βίντεο H.265/HEVC)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (βίντεο AV1)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (βίντεο AV1)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (βίντεο VP9)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (βίντεο H.264)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>Όπως η πηγή (αντιγραφή)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>κβαντιστής</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Η γραμμή εντολών είναι κενή</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>Το CreatePipe απέτυχε. Σφάλμα: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Το αρχείο ή η εντολή δεν βρέθηκε</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Όνομα αρχείου</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Μορφή</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>Σταθερή ποιότητα</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Ίδια ποιότητα ανεξάρτητα από το μέγεθος: τα επίπεδα ποιότητας της μορφής αντί για ρυθμούς bit</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Επιθυμητό μέγεθος...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Το μέγιστο μέγεθος ολόκληρου του αρχείου, μαζί με τον ήχο· το αρχείο βγαίνει έως τόσο και κοντά σε αυτό</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Επιθυμητό μέγεθος: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Επιθυμητό μέγεθος (όλο το αρχείο):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Επιθυμητό μέγεθος, ορισμένο στο μενού</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Σταθερή ποιότητα: οι μικρότεροι αριθμοί δίνουν καλύτερη εικόνα και πιάνουν περισσότερο χώρο</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Επιθυμητό μέγεθος</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Το μέγιστο που μπορεί να πιάνει ολόκληρο το αρχείο, μαζί με τον ήχο, σε megabyte όπως τα μετρούν οι διαχειριστές αρχείων (1 MB = 1.000.000 byte), ή με K ή G μετά τον αριθμό: 25M, 700MB, 4G.
Κενό: χωρίς στόχο, ξανά ρυθμός bit ή ποιότητα.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>Το «%1» δεν είναι μέγεθος. Γράψτε αριθμό megabyte ή αριθμό με K, M ή G μετά από αυτόν: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Ποιότητα βίντεο (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° δεξιόστροφα</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° αριστερόστροφα</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Κατακόρυφος κατοπτρισμός</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Οριζόντιος κατοπτρισμός</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Καμία</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Η τελευταία μαζική μετατροπή διακόπηκε ενώ απέμενε 1 αρχείο. Να μπει ξανά στην ουρά;</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Η τελευταία μαζική μετατροπή διακόπηκε ενώ απέμενε %n αρχείο. Να μπει ξανά στην ουρά;</numerusform>
            <numerusform>Η τελευταία μαζική μετατροπή διακόπηκε ενώ απέμεναν %n αρχεία. Να μπουν ξανά στην ουρά;</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>η διάρκειά του δεν είναι γνωστή, οπότε δεν μπορεί να στοχευτεί μέγεθος</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>το %1 είναι λιγότερο από όσο χρειάζεται μόνο ο ήχος· το μικρότερο μέγεθος που λειτουργεί είναι %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>το %1 αφήνει πολύ λίγα για εικόνα που αξίζει να τη δει κανείς· το μικρότερο μέγεθος που λειτουργεί είναι %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Μετατροπή βίντεο</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>άγνωστη ένταση «%1»: επιλέξτε ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off ή έναν αριθμό LUFS από -40 έως -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Αφήστε εδώ τα βίντεό σας</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Αναζήτηση...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Η ουρά είναι γεμάτη: χωράει έως %1 αρχεία. 1 αρχείο δεν προστέθηκε.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Η ουρά είναι γεμάτη: χωράει έως %1 αρχεία. %n αρχείο δεν προστέθηκε.</numerusform>
            <numerusform>Η ουρά είναι γεμάτη: χωράει έως %1 αρχεία. %n αρχεία δεν προστέθηκαν.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 αρχείο δεν προστέθηκε: το όνομά του δεν είναι έγκυρο UTF-8.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n αρχείο δεν προστέθηκε: το όνομά του δεν είναι έγκυρο UTF-8.</numerusform>
            <numerusform>%n αρχεία δεν προστέθηκαν: τα ονόματά τους δεν είναι έγκυρο UTF-8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Άνοιγμα αρχείων</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Όλες οι μορφές</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Επιλέξτε μονάδα DVD</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Σύρετε εδώ το βίντεό σας</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Άνοιγμα αρχείου</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>το χρονικό διάστημα τελειώνει στο %1, που δεν είναι μετά την αρχή του στο %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>το χρονικό διάστημα αρχίζει στο %1, αλλά το βίντεο διαρκεί μόνο %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Η αρχή «%1» δεν είναι χρόνος. Πληκτρολογήστε δευτερόλεπτα, m:ss ή h:mm:ss, π.χ. 90, 1:30 ή 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Το τέλος «%1» δεν είναι χρόνος. Πληκτρολογήστε δευτερόλεπτα, m:ss ή h:mm:ss, π.χ. 90, 1:30 ή 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Το τέλος πρέπει να είναι μετά την αρχή.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>από %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>έως %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Χρονικό διάστημα</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>αρχή</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>τέλος</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Δευτερόλεπτα, m:ss ή h:mm:ss, π.χ. 90, 1:30 ή 1:02:03.5. Αφήστε έναν χρόνο κενό για την αρχή ή το τέλος.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Αρχή:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Τέλος:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Χρήση: tarnwick-cli [επιλογές] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Μετατρέπει αρχεία βίντεο με τον κωδικοποιητή FFmpeg: ένα αρχείο ανά SOURCE ή
κάθε αρχείο που βρίσκει μια αναζήτηση φακέλου (τα αρχεία του ίδιου του
φακέλου και τα αρχεία τίτλων VOB και M2TS στους υποφακέλους του· οι
σύνδεσμοι προς φακέλους δεν ακολουθούνται).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Οι έξοδοι ονομάζονται &lt;όνομα πηγής&gt;_&lt;ώρα&gt;&lt;λεπτό&gt;&lt;δευτερόλεπτο&gt;.&lt;επέκταση&gt;·
ένα όνομα που υπάρχει ήδη παίρνει _2, _3, ... Τίποτα στον φάκελο εξόδου δεν
αντικαθίσταται και μια έξοδος που δεν ολοκληρώθηκε αφαιρείται.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Κατάσταση εξόδου: 0 όλα μετατράπηκαν, 1 ένα ή περισσότερα απέτυχαν, 2 λάθος
χρήση, 3 δεν υπάρχει κωδικοποιητής (λείπει το FFmpeg, συνδεδεμένο ως
data/conv.exe στον φάκελο του προγράμματος), 130 διακοπή με Ctrl+C ή με
σήμα τερματισμού.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>το --%1 δόθηκε περισσότερες από μία φορές</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>άγνωστη μορφή «%1» (μία από: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>ο ρυθμός bit πρέπει να είναι ακέραιος αριθμός kilobit ανά δευτερόλεπτο (1 έως 1000000): «%1»</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>άγνωστη περιστροφή «%1» (μία από: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>το --output χρειάζεται φάκελο</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>το --jobs δέχεται αριθμό από 1 έως 256 ή «auto»: «%1»</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>το --bitrate δεν ισχύει για το copy, που δεν επανακωδικοποιεί τίποτα</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>το --rotate δεν ισχύει για το copy, που δεν επανακωδικοποιεί τίποτα</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>δεν δόθηκε SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>μετατράπηκε %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>απέτυχε %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>μετατράπηκαν: %1, απέτυχαν: %2%3, χρόνος: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, διακόπηκε</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  αρχείο %3 από %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 σε εξέλιξη)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  απομένουν %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Δοκιμάστε «tarnwick-cli --help» για περισσότερα.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>τίποτα προς μετατροπή</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (προεπιλογή)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>το --sdr δεν ισχύει για το copy, που δεν επανακωδικοποιεί τίποτα</translation>
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
        <translation>Αντί για ρυθμό bit:
  -q, --quality N        σταθερή ποιότητα στη δική κλίμακα της μορφής: το CRF
                         των H.264, H.265, AV1 και VP9, ο κβαντιστής των
                         MPEG-4, MPEG-1 και WMV· μικρότερο είναι καλύτερο
                         (δείτε --list-formats για κάθε κλίμακα και την
                         προεπιλογή της)
      --size SIZE        όλο το αρχείο, μαζί με τον ήχο, έως SIZE και κοντά
                         σε αυτό: 25M, 700MB, 4G, σε δεκαδικές μονάδες όπως
                         μετρούν οι διαχειριστές αρχείων (1M = 1.000.000
                         byte· τα MiB και GiB είναι δυαδικά)· δύο περάσματα
                         όπου ο κωδικοποιητής τα υποστηρίζει</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Ένα τμήμα κάθε πηγής, με χρόνους T σε δευτερόλεπτα, m:ss ή h:mm:ss, με
δεκαδικά αν χρειάζεται (90, 1:30, 1:02:03.5):
      --start T          από το T· το copy αρχίζει στο καρέ-κλειδί στο T ή πριν
      --end T            έως το T· μετά το τέλος της πηγής ισχύει το τέλος της</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>τα --bitrate, --quality και --size ορίζουν την ποιότητα εικόνας: δώστε ένα από αυτά</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>η ποιότητα για το %1 πρέπει να είναι ακέραιος από %2 (καλύτερη) έως %3: «%4»</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>το μέγεθος πρέπει να είναι αριθμός megabyte ή αριθμός με K, M ή G μετά (25M, 700MB, 4G): «%1»</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>το --%1 δέχεται χρόνο σε δευτερόλεπτα, m:ss ή h:mm:ss (π.χ. 90, 1:30 ή 1:02:03.5): «%2»</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>το --end (%1) πρέπει να είναι μετά το --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>το --end πρέπει να είναι μετά την αρχή: «%1»</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>το --quality δεν ισχύει για το copy, που δεν επανακωδικοποιεί τίποτα</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>το --size δεν ισχύει για το copy, που δεν επανακωδικοποιεί τίποτα</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>ποιότητα %1, από %2 (καλύτερη) έως %3</translation>
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
        <translation>Επιλογές:
  -f, --format NAME      η μορφή εξόδου, μία από:
%1
  -b, --bitrate KBITS    ρυθμός bit βίντεο σε kilobit ανά δευτερόλεπτο
                         (προεπιλογή: αυτός της μορφής, δείτε --list-formats)
  -r, --rotate NAME      none (προεπιλογή), cw, ccw, vflip, hflip, 180
  -o, --output DIR       φάκελος εξόδου, δημιουργείται αν λείπει
                         (προεπιλογή ./output)
      --web              για το διαδίκτυο: τα αρχεία MP4 και MOV έχουν το
                         ευρετήριό τους στην αρχή, ώστε ένα πρόγραμμα
                         περιήγησης να τα αναπαράγει καθώς φτάνουν
      --sdr              HDR σε SDR: οι πηγές HDR γίνονται SDR σε κάθε μορφή·
                         αλλιώς τα H.265, AV1 και VP9 κρατούν HDR σε 10 bit
      --crop             περικοπή μαύρων λωρίδων κοινών σε όλες τις εικόνες
      --loudness TARGET  ο ήχος κάθε αρχείου σε μία ένταση, αληθινές κορυφές
                         κάτω από -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) ή αριθμός LUFS, από -40 έως -5
  -j, --jobs N           N μετατροπές ταυτόχρονα· «auto» για μία ανά πυρήνα
      --disc DIR         προσθήκη στην ουρά των αρχείων τίτλων του VIDEO_TS
                         ενός DVD ή του BDMV/STREAM ενός Blu-ray κάτω από
                         το DIR (μπορεί να επαναληφθεί)
  -n, --dry-run          εμφάνιση των εντολών κάθε αρχείου, χωρίς μετατροπή
      --json             ένα συμβάν JSON ανά γραμμή στην τυπική έξοδο
      --list-formats     εμφάνιση των μορφών με τον προεπιλεγμένο ρυθμό bit
  -h, --help             αυτό το κείμενο
  -v, --version          η έκδοση του προγράμματος</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>το --crop δεν ισχύει για το copy, που δεν επανακωδικοποιεί τίποτα</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>άγνωστος προορισμός «%1» για το --for (ένας από: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>το --for %1 επιλέγει μόνο του τη μορφή και το μέγεθος: παραλείψτε το %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Αντί για μορφή και μέγεθος, πού πηγαίνει το αρχείο:
      --for NAME         μορφή και μέγιστο αρχείο του προορισμού, ένας από:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, έως %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, ευρετήριο στην αρχή</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Διακοπή</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Τίποτα σε αυτή την επιφάνεια εργασίας δεν ανοίγει τη βοήθεια. Βρίσκεται εδώ:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Τίποτα σε αυτή την επιφάνεια εργασίας δεν ανοίγει τον οδηγό. Βρίσκεται εδώ:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Τίποτα σε αυτή την επιφάνεια εργασίας δεν ανοίγει τη σελίδα του προϊόντος. Βρίσκεται εδώ:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Αυτή η επιφάνεια εργασίας δεν έχει πρόγραμμα αλληλογραφίας. Η διεύθυνση είναι:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Προσθήκη αρχείου</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Προσθήκη φακέλου</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Αφαίρεση</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Αφαίρεση όλων</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Ανάγνωση DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Ρυθμίσεις...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Οδηγός</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Σελίδα προϊόντος</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Αποστολή σχολίων</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Άνοιγμα φακέλου καταγραφών</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Τίποτα σε αυτή την επιφάνεια εργασίας δεν ανοίγει τον φάκελο καταγραφών. Βρίσκεται εδώ:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Περιστροφή</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Για το διαδίκτυο</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>Αρχεία MP4 και MOV με το ευρετήριο στην αρχή, ώστε ένα πρόγραμμα περιήγησης να τα αναπαράγει καθώς φτάνουν</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Ταυτόχρονες μετατροπές</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Αυτόματα</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>Μετατράπηκε 1 αρχείο</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>Μετατράπηκε %n αρχείο</numerusform>
            <numerusform>Μετατράπηκαν %n αρχεία</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, αποτυχίες: %1.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Η μαζική μετατροπή διακόπηκε</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Η μαζική μετατροπή ολοκληρώθηκε</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR σε SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>Το βίντεο HDR γίνεται συνηθισμένο βίντεο SDR σε κάθε μορφή, και σε H.265, AV1 και VP9, που αλλιώς το διατηρούν σε HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Χρονικό διάστημα...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Ομοιόμορφη ένταση</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ανενεργή</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Εκπομπή, EBU R128 (-23 LUFS)</translation>
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
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Περικοπή μαύρων λωρίδων</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Κάθε εικόνα περικομμένη σε ό,τι βρίσκεται μέσα στις μαύρες λωρίδες της, πάνω και κάτω ή στα πλάγια</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Ηχητική ειδοποίηση</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Ενεργή</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Ανενεργή</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Κοπή μουσικής</translation>
    </message>
</context>
</TS>
