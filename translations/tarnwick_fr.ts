<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Fermer sans enregistrer</translation>
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
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Tout enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Oui à &amp;tout</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Non à to&amp;ut</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ne pas tenir compte</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurer les valeurs par défaut</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick est en cours d’exécution mais n’a pas accepté les fichiers&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Le traitement par lots s&apos;est arrêté&#xa0;: le dossier de sortie n&apos;accepte plus de fichiers.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>Il reste 1 fichier dans la file d&apos;attente.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>Il reste %n fichier dans la file d&apos;attente.</numerusform>
            <numerusform>Il reste %n fichiers dans la file d&apos;attente.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>journal&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Veuillez ajouter un fichier.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêté.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>1 fichier n&apos;a pas pu être converti&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>%n fichier n&apos;a pas pu être converti&#xa0;:</numerusform>
            <numerusform>%n fichiers n&apos;ont pas pu être convertis&#xa0;:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>the encoder printed nothing</source>
        <translation>l&apos;encodeur n&apos;a rien affiché</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>No output format is chosen</source>
        <translation>Aucun format de sortie n&apos;est choisi</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>L&apos;encodeur s&apos;est arrêté de manière inattendue.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>son image est en Dolby Vision profil %1, dont seul un lecteur Dolby Vision affiche correctement les couleurs&#xa0;; Comme la source (copie) la garde telle quelle</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>le dossier temporaire %1 ne peut pas servir au journal de la première passe</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>le fichier fait %1 pour un objectif de %2&#xa0;: l’image n’a pas besoin de plus</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>réencodé à %1&#xa0;kb/s&#xa0;: à %2&#xa0;kb/s, il faisait %3, au-dessus de l’objectif de %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>réencodé à %1&#xa0;kb/s&#xa0;: à %2&#xa0;kb/s, il faisait %3, bien en dessous de l’objectif de %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>il fait %1, au-dessus de l’objectif de %2, quel que soit l’encodage</translation>
    </message>
</context>
<context>
    <name>tarnwick::Destinations</name>
    <message>
        <source>Discord (10 MB)</source>
        <translation>Discord (10 Mo)</translation>
    </message>
    <message>
        <source>E-mail (25 MB)</source>
        <translation>E-mail (25 Mo)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 est un lien vers %2, qui n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 n&apos;est pas un programme.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick convertit avec FFmpeg, qui n&apos;est pas installé. Installez-le (sous Debian et Ubuntu&#xa0;: apt install ffmpeg), puis reliez-y l&apos;encodeur&#xa0;:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick convertit avec FFmpeg, installé en tant que %1. Reliez-y l&apos;encodeur&#xa0;:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>L&apos;encodeur est absent&#xa0;: rien ne peut être converti.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Destiné à</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Où vont les fichiers&#xa0;: le format et la plus grande taille de fichier que cette destination accepte</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Aucune</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Déposez vos vidéos ici, ou cliquez pour commencer.
Lisez un DVD ou un Blu-ray avec «&#xa0;Lire DVD&#xa0;» ci-dessus.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Choisissez un lecteur DVD&#xa0;:</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Liste des fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Ajouter un fichier</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Ajouter les fichiers d&apos;un dossier</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Retirer le fichier sélectionné de la liste</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Retirer tous les fichiers</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Format de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Qualité vidéo (débit en kbit/s)&#xa0;:</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Débit vidéo</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Dossier de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Choisir un dossier de sortie</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Envoyez-nous une suggestion ou une question</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Toutes les commandes</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Ajouter un fichier à la liste</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Retirer un fichier de la liste</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Lancer la conversion</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Aide et tutoriel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Réduire la fenêtre</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Faites glisser des fichiers multimédias sur cette zone</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Rotation&#xa0;:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Réglage de la rotation</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, reste %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Débit vidéo en kilobits par seconde</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Progression du fichier en cours</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Page du produit</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Toutes les commandes</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Convertir
maintenant&#xa0;!</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Lire DVD</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Choisissez un dossier&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Les minutes doivent être inférieures à 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Les secondes doivent être inférieures à 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Secondes</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Le dossier de sortie n&apos;a pas pu être créé&#xa0;:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Impossible d&apos;écrire dans le dossier de sortie&#xa0;:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (vidéo MPEG4 haute qualité)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (vidéo H264)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (vidéo MPEG4 standard)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (vidéo Apple/QuickTime)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (vidéo Flash)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (vidéo MPEG1)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (vidéo H.265/HEVC)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (vidéo AV1)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (vidéo AV1)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (vidéo VP9)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (vidéo H.264)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>Comme la source (copie)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>quantificateur</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Ligne de commande vide</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>Échec de CreatePipe. Erreur&#xa0;: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Fichier ou commande introuvable</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Nom du fichier</translation>
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
        <translation>Qualité constante</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>La même qualité quelle que soit la taille&#xa0;: les niveaux de qualité du format au lieu des débits</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Taille cible...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>La taille maximale du fichier entier, son compris&#xa0;; il fait au plus cette taille, et s’en approche</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Taille cible&#xa0;: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Taille cible (fichier entier)&#xa0;:</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Taille cible, définie dans le menu</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Qualité constante&#xa0;: les valeurs basses donnent une meilleure image et prennent plus de place</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Taille cible</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>La taille maximale du fichier entier, son compris, en mégaoctets comme les comptent les gestionnaires de fichiers (1 MB = 1&#xa0;000&#xa0;000 octets), ou avec K ou G après le nombre&#xa0;: 25M, 700MB, 4G.
Vide&#xa0;: pas de cible, de nouveau le débit ou la qualité.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une taille. Saisissez un nombre de mégaoctets, ou un nombre suivi de K, M ou G&#xa0;: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Qualité vidéo (%1)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° dans le sens horaire</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Miroir vertical</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Miroir horizontal</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Le dernier traitement a été interrompu, il restait 1 fichier. Le remettre dans la file d&apos;attente&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Le dernier traitement a été interrompu, il restait %n fichier. Le remettre dans la file d&apos;attente&#xa0;?</numerusform>
            <numerusform>Le dernier traitement a été interrompu, il restait %n fichiers. Les remettre dans la file d&apos;attente&#xa0;?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>sa durée est inconnue, aucune taille ne peut donc être visée</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 est moins que ce qu’il faut au son seul&#xa0;; la plus petite taille possible est %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 laisse trop peu pour une image regardable&#xa0;; la plus petite taille possible est %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Conversion de vidéos en cours</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>niveau sonore inconnu «&#xa0;%1&#xa0;»&#xa0;: choisissez ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, ou un nombre de LUFS de -40 à -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Déposez vos vidéos ici</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Recherche...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>La file d&apos;attente est pleine&#xa0;: elle contient au plus %1 fichiers. 1 fichier n&apos;a pas été ajouté.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>La file d&apos;attente est pleine&#xa0;: elle contient au plus %1 fichiers. %n fichier n&apos;a pas été ajouté.</numerusform>
            <numerusform>La file d&apos;attente est pleine&#xa0;: elle contient au plus %1 fichiers. %n fichiers n&apos;ont pas été ajoutés.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 fichier n&apos;a pas été ajouté&#xa0;: son nom n&apos;est pas en UTF-8 valide.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n fichier n&apos;a pas été ajouté&#xa0;: son nom n&apos;est pas en UTF-8 valide.</numerusform>
            <numerusform>%n fichiers n&apos;ont pas été ajoutés&#xa0;: leurs noms ne sont pas en UTF-8 valide.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Ouvrir des fichiers</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Tous les formats</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Veuillez choisir un lecteur DVD</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Glissez votre vidéo ici</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>la plage de temps finit à %1, ce qui n’est pas après son début à %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>la plage de temps commence à %1, mais la vidéo ne dure que %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Le début «&#xa0;%1&#xa0;» n’est pas un temps valide. Saisissez des secondes, m:ss ou h:mm:ss, par exemple 90, 1:30 ou 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>La fin «&#xa0;%1&#xa0;» n’est pas un temps valide. Saisissez des secondes, m:ss ou h:mm:ss, par exemple 90, 1:30 ou 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>La fin doit être après le début.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>à partir de %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>jusqu’à %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Plage de temps</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>le début</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>la fin</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Secondes, m:ss ou h:mm:ss, par exemple 90, 1:30 ou 1:02:03.5. Laissez un temps vide pour le début ou la fin.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Début&#xa0;:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fin&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Utilisation&#xa0;: tarnwick-cli [options] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Convertit des fichiers vidéo avec l&apos;encodeur FFmpeg&#xa0;: un fichier par SOURCE ou
chaque fichier trouvé en parcourant un dossier (ses propres fichiers, et les
fichiers de titre VOB et M2TS des dossiers en dessous&#xa0;; les liens vers des
dossiers ne sont pas suivis).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Les sorties sont nommées &lt;nom source&gt;_&lt;heure&gt;&lt;minute&gt;&lt;seconde&gt;.&lt;extension&gt;&#xa0;;
un nom déjà pris reçoit _2, _3, ... Rien n&apos;est écrasé dans le dossier de
sortie, et une sortie inachevée est supprimée.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Code de retour&#xa0;: 0 tout est converti, 1 un ou plusieurs échecs, 2 mauvaise
utilisation, 3 pas d&apos;encodeur (FFmpeg, relié en data/conv.exe dans le dossier du
programme, est absent), 130 arrêté par Ctrl+C ou par un signal d&apos;arrêt.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 indiqué plus d&apos;une fois</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>format inconnu «&#xa0;%1&#xa0;» (au choix&#xa0;: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>le débit doit être un nombre entier de kilobits par seconde (1 à 1000000)&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>rotation inconnue «&#xa0;%1&#xa0;» (au choix&#xa0;: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output demande un dossier</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs prend un nombre de 1 à 256 ou «&#xa0;auto&#xa0;»&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>aucune SOURCE indiquée</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>converti %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>échec %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>convertis&#xa0;: %1, échecs&#xa0;: %2%3, durée&#xa0;: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, arrêté</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2&#xa0;%  fichier %3 sur %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 en cours)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  reste %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Essayez «&#xa0;tarnwick-cli --help&#xa0;» pour en savoir plus.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>rien à convertir</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate ne s’applique pas à copy, qui ne réencode rien</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate ne s’applique pas à copy, qui ne réencode rien</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr ne s’applique pas à copy, qui ne réencode rien</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (par défaut)</translation>
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
        <translation>Au lieu d’un débit&#xa0;:
  -q, --quality N        qualité constante sur l’échelle propre au format&#xa0;:
                         le CRF de H.264, H.265, AV1 et VP9, le quantificateur
                         de MPEG-4, MPEG-1 et WMV&#xa0;; plus bas est meilleur
                         (voir --list-formats&#xa0;: échelles et valeurs par défaut)
      --size SIZE        le fichier entier, son compris, au plus SIZE et
                         proche de SIZE&#xa0;: 25M, 700MB, 4G, en unités décimales
                         comme les gestionnaires de fichiers (1M = 1&#xa0;000&#xa0;000
                         octets&#xa0;; MiB et GiB sont binaires)&#xa0;; deux passes
                         si l’encodeur les permet</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Une partie de chaque source, par des temps T en secondes, m:ss ou h:mm:ss,
avec une fraction si besoin (90, 1:30, 1:02:03.5)&#xa0;:
      --start T          dès T&#xa0;; copy commence à l’image clé à T ou avant
      --end T            jusqu’à T&#xa0;; une fin au-delà de la source est sa fin</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality et --size règlent chacun l’image&#xa0;: n’en indiquez qu’un</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>la qualité pour %1 doit être un nombre entier de %2 (la meilleure) à %3&#xa0;: «&#xa0;%4&#xa0;»</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>la taille doit être un nombre de mégaoctets, ou suivi de K, M ou G (25M, 700MB, 4G)&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 prend un temps en secondes, m:ss ou h:mm:ss (par exemple 90, 1:30 ou 1:02:03.5)&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) doit être après --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end doit être après le début&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality ne s’applique pas à copy, qui ne réencode rien</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size ne s’applique pas à copy, qui ne réencode rien</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>qualité %1, de %2 (la meilleure) à %3</translation>
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
        <translation>Options&#xa0;:
  -f, --format NAME      le format de sortie, parmi&#xa0;:
%1
  -b, --bitrate KBITS    débit vidéo en kilobits par seconde
                         (par défaut&#xa0;: celui du format, voir --list-formats)
  -r, --rotate NAME      none (par défaut), cw, ccw, vflip, hflip, 180
  -o, --output DIR       dossier de sortie, créé au besoin
                         (par défaut ./output)
      --web              pour le Web&#xa0;: index des fichiers MP4 et MOV en tête,
                         lus par un navigateur pendant le chargement
      --sdr              HDR vers SDR&#xa0;: les sources HDR deviennent SDR dans
                         tous les formats&#xa0;; sinon H.265, AV1 et VP9 gardent
                         le HDR en 10 bits
      --crop             rogner les bandes noires communes à toutes les images
      --loudness TARGET  le son de chaque fichier à un même niveau, crêtes
                         vraies sous -1 dBTP&#xa0;: ebu (-23 LUFS), stream (-14),
                         podcast (-16), ou un nombre de LUFS, de -40 à -5
  -j, --jobs N           N conversions à la fois&#xa0;; «&#xa0;auto&#xa0;» pour une par cœur
      --disc DIR         ajouter les fichiers de titre du VIDEO_TS d&apos;un DVD ou
                         du BDMV/STREAM d&apos;un Blu-ray sous DIR (répétable)
  -n, --dry-run          afficher les commandes des fichiers sans convertir
      --json             un événement JSON par ligne sur la sortie standard
      --list-formats     afficher les formats avec leur débit par défaut
  -h, --help             ce texte
  -v, --version          la version du programme</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop ne s’applique pas à copy, qui ne réencode rien</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>destination inconnue «&#xa0;%1&#xa0;» pour --for (au choix&#xa0;: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 choisit lui-même le format et la taille&#xa0;: retirez %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Au lieu d’un format et d’une taille, la destination du fichier&#xa0;:
      --for NAME         format et taille maximale de la destination, parmi&#xa0;:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, au plus %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, index en tête</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Rien sur ce bureau n&apos;ouvre l&apos;aide. Elle se trouve ici&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Rien sur ce bureau n&apos;ouvre le tutoriel. Il se trouve ici&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Rien sur ce bureau n&apos;ouvre la page du produit. Elle se trouve ici&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Ce bureau n&apos;a aucun programme de messagerie. L&apos;adresse est&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Ajouter un fichier</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Tout retirer</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Lire DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Paramètres...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutoriel</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Page du produit</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Donner votre avis</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Ouvrir le dossier des journaux</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Rien sur ce bureau n&apos;ouvre le dossier des journaux. Il se trouve ici&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 fichier converti</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n fichier converti</numerusform>
            <numerusform>%n fichiers convertis</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, %1 en échec.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Traitement arrêté</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Traitement terminé</translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Pour le Web</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>Fichiers MP4 et MOV avec leur index en tête, pour qu’un navigateur les lise pendant le chargement</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Conversions simultanées</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR vers SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>La vidéo HDR devient une vidéo SDR ordinaire dans tous les formats, y compris H.265, AV1 et VP9, qui sinon la gardent en HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Plage de temps...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Niveau sonore homogène</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Diffusion, EBU R128 (-23 LUFS)</translation>
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
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Rogner les bandes noires</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Chaque image rognée à ce qui se trouve entre ses bandes noires horizontales ou verticales</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Signal sonore à la fin</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Découpe audio</translation>
    </message>
</context>
</TS>
