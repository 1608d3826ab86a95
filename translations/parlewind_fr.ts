<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ArticleBooks</name>
    <message>
        <source>The list of books (%1) is damaged; it is kept as it was in %2.</source>
        <translation>La liste des livres (%1) est endommagée ; elle est conservée telle quelle dans %2.</translation>
    </message>
    <message>
        <source>The list of books (%1) is damaged.</source>
        <translation>La liste des livres (%1) est endommagée.</translation>
    </message>
</context>
<context>
    <name>Audio</name>
    <message>
        <source>Write Error (1)<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>Erreur d&apos;écriture (1)<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Write error (2)<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>Erreur d&apos;écriture (2)<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>%1 is already there and is kept</source>
        <translation>%1 existe déjà et est conservé</translation>
    </message>
    <message>
        <source>The audiobook could not be made (%1: %2)<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>Le livre audio n&apos;a pas pu être créé (%1 : %2)<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>Error reading wave file</source>
        <translation>Erreur de lecture du fichier WAV</translation>
    </message>
    <message>
        <source>Invalid wave file...</source>
        <translation>Fichier WAV non valide…</translation>
    </message>
    <message>
        <source>Unable to convert wave file</source>
        <translation>Impossible de convertir le fichier WAV</translation>
    </message>
    <message>
        <source>Invalid param passed!</source>
        <translation>Paramètre non valide !</translation>
    </message>
    <message>
        <source>This wave file is not valid for conversion</source>
        <translation>Ce fichier WAV ne peut pas être converti</translation>
    </message>
    <message>
        <source>Unable to open wave file</source>
        <translation>Impossible d&apos;ouvrir le fichier WAV</translation>
    </message>
    <message>
        <source>Unable to setup file IO buffer</source>
        <translation>Impossible de préparer le tampon d&apos;entrée-sortie du fichier</translation>
    </message>
    <message>
        <source>Error opening encoding stream %1</source>
        <translation>Erreur à l&apos;ouverture du flux d&apos;encodage %1</translation>
    </message>
    <message>
        <source>Read Error<byte value="xd"/><byte value="xd"/>%1: %2</source>
        <translation>Erreur de lecture<byte value="xd"/><byte value="xd"/>%1 : %2</translation>
    </message>
    <message>
        <source>The Opus encoder could not be started (%1)<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>L&apos;encodeur Opus n&apos;a pas pu démarrer (%1)<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The Opus encoder failed (%1)<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>L&apos;encodeur Opus a échoué (%1)<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The Opus comments could not be written<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>Les commentaires Opus n&apos;ont pas pu être écrits<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>it is already there</source>
        <translation>il existe déjà</translation>
    </message>
    <message>
        <source>the file ends before its sound data does</source>
        <translation>le fichier se termine avant ses données sonores</translation>
    </message>
    <message>
        <source>its sound %1 cannot be read: %2</source>
        <translation>son son %1 est illisible : %2</translation>
    </message>
</context>
<context>
    <name>AudioHelp</name>
    <message>
        <source>&amp;Getting started</source>
        <translation>&amp;Premiers pas</translation>
    </message>
    <message>
        <source>Gathering &amp;text</source>
        <translation>Rassembler du &amp;texte</translation>
    </message>
    <message>
        <source>&amp;Single and multi-article mode</source>
        <translation>Mode article &amp;unique et articles multiples</translation>
    </message>
    <message>
        <source>&amp;Reading aloud, pausing and skipping</source>
        <translation>&amp;Lire à voix haute, mettre en pause, passer</translation>
    </message>
    <message>
        <source>Reading to &amp;WAV and MP3 files</source>
        <translation>Lire dans des fichiers &amp;WAV et MP3</translation>
    </message>
    <message>
        <source>&amp;Voices, speed and pitch</source>
        <translation>&amp;Voix, vitesse et hauteur</translation>
    </message>
    <message>
        <source>The &amp;pronunciation editor</source>
        <translation>L&apos;é&amp;diteur de prononciation</translation>
    </message>
    <message>
        <source>Using the &amp;keyboard</source>
        <translation>Utiliser le &amp;clavier</translation>
    </message>
    <message>
        <source>When there is &amp;no sound</source>
        <translation>Quand on n&apos;entend &amp;rien</translation>
    </message>
    <message>
        <source>Installing &amp;more voices</source>
        <translation>Installer d&apos;&amp;autres voix</translation>
    </message>
    <message>
        <source>The notification area and the &amp;floating tool bar</source>
        <translation>La zone de notification et la barre d&apos;outils &amp;flottante</translation>
    </message>
    <message>
        <source>File:%1 Not Found.</source>
        <translation>Fichier :%1 introuvable.</translation>
    </message>
    <message>
        <source>File:%1 cannot be read: %2</source>
        <translation>Fichier :%1 illisible : %2</translation>
    </message>
    <message>
        <source>File:%1 is larger than 64 MB.</source>
        <translation>Fichier :%1 dépasse 64 Mo.</translation>
    </message>
</context>
<context>
    <name>DocumentOpen</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>Ouverture de %1…</translation>
    </message>
    <message>
        <source>Opening %1: page %2 of %3…</source>
        <translation>Ouverture de %1 : page %2 sur %3…</translation>
    </message>
    <message>
        <source>Opening %1: %2 %…</source>
        <translation>Ouverture de %1 : %2 %…</translation>
    </message>
    <message>
        <source>Recognising page %1 of %2…</source>
        <translation>Reconnaissance de la page %1 sur %2…</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <translation>Téléchargement de %1…</translation>
    </message>
    <message>
        <source>Fetching part %1 of %2…</source>
        <translation>Téléchargement de la partie %1 sur %2…</translation>
    </message>
    <message>
        <source>The copied picture could not be read: %1.</source>
        <translation>L&apos;image copiée n&apos;a pas pu être lue : %1.</translation>
    </message>
    <message>
        <source>the copied picture</source>
        <translation>l&apos;image copiée</translation>
    </message>
    <message>
        <source>The copied picture</source>
        <translation>L&apos;image copiée</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>%1 %2; it was not opened.</source>
        <translation>%1 %2 ; il n&apos;a pas été ouvert.</translation>
    </message>
    <message>
        <source>could not be reached (no answer for %1 seconds)</source>
        <translation>n&apos;a pas pu être atteint (aucune réponse en %1 secondes)</translation>
    </message>
    <message>
        <source>took too long to read (a step of it went on for more than %1 seconds)</source>
        <translation>a pris trop de temps à lire (une étape a duré plus de %1 secondes)</translation>
    </message>
    <message>
        <source>could not be fetched in %1 seconds</source>
        <translation>n&apos;a pas pu être téléchargé en %1 secondes</translation>
    </message>
    <message>
        <source>took too long to read (more than %1 seconds)</source>
        <translation>a pris trop de temps à lire (plus de %1 secondes)</translation>
    </message>
    <message>
        <source>could not be read: the reader did not start (%1)</source>
        <translation>n&apos;a pas pu être lu : le lecteur n&apos;a pas démarré (%1)</translation>
    </message>
    <message>
        <source>is too large to be read as an article (more than 64 MB)</source>
        <translation>est trop volumineux pour être lu comme article (plus de 64 Mo)</translation>
    </message>
    <message>
        <source>answered %1 %2</source>
        <translation>a répondu %1 %2</translation>
    </message>
    <message>
        <source>could not be reached (it sends the reader on more than %1 times)</source>
        <translation>n&apos;a pas pu être atteint (il redirige le lecteur plus de %1 fois)</translation>
    </message>
    <message>
        <source>could not be reached (it sends the reader from a secure address to an insecure one)</source>
        <translation>n&apos;a pas pu être atteint (il redirige le lecteur d&apos;une adresse sécurisée vers une adresse non sécurisée)</translation>
    </message>
    <message>
        <source>could not be reached (%1)</source>
        <translation>n&apos;a pas pu être atteint (%1)</translation>
    </message>
    <message>
        <source>is not a web page (%1)</source>
        <translation>n&apos;est pas une page web (%1)</translation>
    </message>
    <message>
        <source>could not be kept to be read (%1)</source>
        <translation>n&apos;a pas pu être conservé pour la lecture (%1)</translation>
    </message>
    <message>
        <source>part %1 %2; the parts before it were read</source>
        <translation>la partie %1 %2 ; les parties précédentes ont été lues</translation>
    </message>
    <message>
        <source>holds more text than can be read as articles</source>
        <translation>contient plus de texte qu&apos;on ne peut en lire comme articles</translation>
    </message>
    <message>
        <source>could not be read (the reader answered nonsense)</source>
        <translation>n&apos;a pas pu être lu (le lecteur a répondu n&apos;importe quoi)</translation>
    </message>
    <message>
        <source>needs more than %1 MB of memory to read</source>
        <translation>a besoin de plus de %1 Mo de mémoire pour être lu</translation>
    </message>
    <message>
        <source>could not be read (the reader failed on it; the file may be damaged, or need more than %1 MB of memory or %2 seconds)</source>
        <translation>n&apos;a pas pu être lu (le lecteur a échoué ; le fichier est peut-être endommagé, ou demande plus de %1 Mo de mémoire ou %2 secondes)</translation>
    </message>
    <message>
        <source>could not be read (the reader ended without an answer)</source>
        <translation>n&apos;a pas pu être lu (le lecteur s&apos;est arrêté sans répondre)</translation>
    </message>
    <message>
        <source>could not be read safely (%1)</source>
        <translation>n&apos;a pas pu être lu en sécurité (%1)</translation>
    </message>
    <message>
        <source>Text and documents (%1)</source>
        <translation>Textes et documents (%1)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Pictures of text (%1)</source>
        <translation>Images de texte (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>holds no text to read; it was not opened</source>
        <translation>ne contient aucun texte à lire ; il n&apos;a pas été ouvert</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be read (a folder, a device or a pipe); it was not opened.</source>
        <translation>%1 n&apos;est pas un fichier lisible (un dossier, un périphérique ou un tube) ; il n&apos;a pas été ouvert.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>%1 is too large to be read as an article (more than 64 MB); it was not opened.</source>
        <translation>%1 est trop volumineux pour être lu comme article (plus de 64 Mo) ; il n&apos;a pas été ouvert.</translation>
    </message>
    <message>
        <source>Error reading input file %1: %2</source>
        <translation>Erreur de lecture du fichier %1 : %2</translation>
    </message>
    <message>
        <source>is damaged (it names no package file)</source>
        <translation>est endommagé (il ne nomme aucun fichier de paquet)</translation>
    </message>
    <message>
        <source>is protected against copying (its text is encrypted)</source>
        <translation>est protégé contre la copie (son texte est chiffré)</translation>
    </message>
    <message>
        <source>is damaged (its reading order names a missing part)</source>
        <translation>est endommagé (son ordre de lecture nomme une partie manquante)</translation>
    </message>
    <message>
        <source>page %1 was hard to recognise; its text may be wrong</source>
        <translation>la page %1 a été difficile à reconnaître ; son texte peut être faux</translation>
    </message>
    <message>
        <source>pages %1 were hard to recognise; their text may be wrong</source>
        <translation>les pages %1 ont été difficiles à reconnaître ; leur texte peut être faux</translation>
    </message>
    <message>
        <source>is damaged (not a readable PDF)</source>
        <translation>est endommagé (PDF illisible)</translation>
    </message>
    <message>
        <source>is protected by a password</source>
        <translation>est protégé par un mot de passe</translation>
    </message>
    <message>
        <source>was not opened: stopped</source>
        <translation>n&apos;a pas été ouvert : arrêté</translation>
    </message>
    <message>
        <source>has more pages of pictures than can be recognised at once (%1; at most %2)</source>
        <translation>a plus de pages d&apos;images qu&apos;on ne peut en reconnaître à la fois (%1 ; au plus %2)</translation>
    </message>
    <message>
        <source>has no text layer (its pages are pictures); it was not opened</source>
        <translation>n&apos;a pas de couche de texte (ses pages sont des images) ; il n&apos;a pas été ouvert</translation>
    </message>
    <message>
        <source>holds no text that could be recognised; it was not opened</source>
        <translation>ne contient aucun texte reconnaissable ; il n&apos;a pas été ouvert</translation>
    </message>
    <message>
        <source>could not be read: text recognition did not start (its language data %1 cannot be loaded)</source>
        <translation>n&apos;a pas pu être lu : la reconnaissance de texte n&apos;a pas démarré (ses données de langue %1 ne se chargent pas)</translation>
    </message>
    <message>
        <source>is not a picture that can be read (damaged, or of a kind not known)</source>
        <translation>n&apos;est pas une image lisible (endommagée, ou d&apos;un type inconnu)</translation>
    </message>
    <message>
        <source>is too large a picture to be read (%1 × %2 pixels)</source>
        <translation>est une image trop grande pour être lue (%1 × %2 pixels)</translation>
    </message>
    <message>
        <source>is not a picture that can be read (%1)</source>
        <translation>n&apos;est pas une image lisible (%1)</translation>
    </message>
    <message>
        <source>is not a picture that can be read (damaged)</source>
        <translation>n&apos;est pas une image lisible (endommagée)</translation>
    </message>
    <message>
        <source>has more pages than can be read (%1)</source>
        <translation>a plus de pages qu&apos;on ne peut en lire (%1)</translation>
    </message>
    <message>
        <source>is damaged (not a readable zip archive)</source>
        <translation>est endommagé (archive zip illisible)</translation>
    </message>
    <message>
        <source>would unpack to more than 256 MB</source>
        <translation>dépasserait 256 Mo une fois décompressé</translation>
    </message>
    <message>
        <source>is damaged (%1 is missing)</source>
        <translation>est endommagé (%1 manque)</translation>
    </message>
    <message>
        <source>is encrypted</source>
        <translation>est chiffré</translation>
    </message>
    <message>
        <source>is refused (%1 would unpack to more than 64 MB)</source>
        <translation>est refusé (%1 dépasserait 64 Mo une fois décompressé)</translation>
    </message>
    <message>
        <source>is damaged (%1 cannot be unpacked)</source>
        <translation>est endommagé (%1 ne peut pas être décompressé)</translation>
    </message>
    <message>
        <source>is damaged (%1 does not match its checksum)</source>
        <translation>est endommagé (%1 ne correspond pas à sa somme de contrôle)</translation>
    </message>
    <message>
        <source>is refused (%1 declares entities of its own, which could make it expand without end)</source>
        <translation>est refusé (%1 déclare ses propres entités, qui pourraient le faire grossir sans fin)</translation>
    </message>
    <message>
        <source>is damaged (%1: %2)</source>
        <translation>est endommagé (%1 : %2)</translation>
    </message>
    <message>
        <source>a limit could not be set: %1</source>
        <translation>une limite n&apos;a pas pu être fixée : %1</translation>
    </message>
    <message>
        <source>the system-call filter could not be made</source>
        <translation>le filtre d&apos;appels système n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>the system-call filter could not be applied</source>
        <translation>le filtre d&apos;appels système n&apos;a pas pu être appliqué</translation>
    </message>
    <message>
        <source>the picture was hard to recognise; its text may be wrong</source>
        <translation>l&apos;image a été difficile à reconnaître ; son texte peut être faux</translation>
    </message>
</context>
<context>
    <name>ESpeechError</name>
    <message>
        <source>The speech recognition or text-to-speech service does not have enough data.</source>
        <translation>Le service de reconnaissance ou de synthèse vocale n&apos;a pas assez de données.</translation>
    </message>
    <message>
        <source>The sound card does not support the right wave-file format to work with the speech software.</source>
        <translation>La carte son ne prend pas en charge le format WAV dont le logiciel vocal a besoin.</translation>
    </message>
    <message>
        <source>The audio device is in use at this time.</source>
        <translation>Le périphérique audio est utilisé en ce moment.</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to the speech engine.</source>
        <translation>Un paramètre non valide a été passé au moteur vocal.</translation>
    </message>
    <message>
        <source>There was an error in disk access, or there is not enough disk space free. If you are low on disk space, try deleting some files to free up space.</source>
        <translation>Erreur d&apos;accès au disque, ou pas assez d&apos;espace libre. Si l&apos;espace manque, supprimez quelques fichiers.</translation>
    </message>
    <message>
        <source>The program has selected a non-existent speech engine.</source>
        <translation>Le programme a choisi un moteur vocal qui n&apos;existe pas.</translation>
    </message>
    <message>
        <source>An invalid list was passed to the speech recognizer.</source>
        <translation>Une liste non valide a été passée au moteur de reconnaissance.</translation>
    </message>
    <message>
        <source>An invalid character was passed to the speech engine.</source>
        <translation>Un caractère non valide a été passé au moteur vocal.</translation>
    </message>
    <message>
        <source>An invalid key was passed to the speech engine.</source>
        <translation>Une clé non valide a été passée au moteur vocal.</translation>
    </message>
    <message>
        <source>There is not enough memory for the text-to-speech engine to finish. Quit some other programs, and then try again.</source>
        <translation>La synthèse vocale manque de mémoire pour terminer. Quittez d&apos;autres programmes, puis réessayez.</translation>
    </message>
    <message>
        <source>The text string passed into the text-to-speech engine is empty.</source>
        <translation>Le texte passé à la synthèse vocale est vide.</translation>
    </message>
    <message>
        <source>The program has selected an audio device that does not exist.</source>
        <translation>Le programme a choisi un périphérique audio qui n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The program has not told the sound card what wave-file format to use.</source>
        <translation>Le programme n&apos;a pas indiqué à la carte son quel format WAV utiliser.</translation>
    </message>
    <message>
        <source>The audio device is not playing.</source>
        <translation>Le périphérique audio ne joue pas.</translation>
    </message>
    <message>
        <source>Your sound card does not support this audio-file format.</source>
        <translation>Votre carte son ne prend pas en charge ce format audio.</translation>
    </message>
    <message>
        <source>The audio device is not recording.</source>
        <translation>Le périphérique audio n&apos;enregistre pas.</translation>
    </message>
    <message>
        <source>The audio driver has not been opened. Double-click the MultiMedia icon in Control Panel and make sure the correct drivers are loaded.</source>
        <translation>Le pilote audio n&apos;a pas été ouvert. Vérifiez dans les réglages du son que les bons pilotes sont chargés.</translation>
    </message>
    <message>
        <source>The audio handle is still busy. Try restarting your computer.</source>
        <translation>Le périphérique audio est encore occupé. Essayez de redémarrer l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>The notification sink is not the right type.</source>
        <translation>Le récepteur de notifications n&apos;est pas du bon type.</translation>
    </message>
    <message>
        <source>The audio device is not ready.</source>
        <translation>Le périphérique audio n&apos;est pas prêt.</translation>
    </message>
    <message>
        <source>The audio device has already been claimed.</source>
        <translation>Le périphérique audio a déjà été réservé.</translation>
    </message>
    <message>
        <source>The audio device is still in use.</source>
        <translation>Le périphérique audio est encore utilisé.</translation>
    </message>
    <message>
        <source>The audio device has already been started.</source>
        <translation>Le périphérique audio a déjà été démarré.</translation>
    </message>
    <message>
        <source>Cannot use a synchronous audio device.</source>
        <translation>Impossible d&apos;utiliser un périphérique audio synchrone.</translation>
    </message>
    <message>
        <source>Incorrect function.</source>
        <translation>Fonction incorrecte.</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Non implémenté</translation>
    </message>
    <message>
        <source>No such interface supported</source>
        <translation>Interface non prise en charge</translation>
    </message>
    <message>
        <source>Invalid pointer</source>
        <translation>Pointeur non valide</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>Erreur non précisée</translation>
    </message>
    <message>
        <source>Not enough memory resources are available to complete this operation.</source>
        <translation>Mémoire insuffisante pour terminer cette opération.</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>Le paramètre est incorrect.</translation>
    </message>
    <message>
        <source>Class not registered</source>
        <translation>Classe non enregistrée</translation>
    </message>
</context>
<context>
    <name>Engines</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Speech by eSpeak NG %2 and Flite.&lt;/p&gt;&lt;p&gt;Voices: %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Voix par eSpeak NG %2 et Flite.&lt;/p&gt;&lt;p&gt;Voix : %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;The voice %2 of speech-dispatcher&apos;s output module %3. It reads aloud only: speech-dispatcher gives no sound back to programs.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;La voix %2 du module de sortie %3 de speech-dispatcher. Elle lit seulement à voix haute : speech-dispatcher ne rend aucun son aux programmes.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>%1 is not a key this shortcut can use.</source>
        <translation>%1 n&apos;est pas une touche utilisable pour ce raccourci.</translation>
    </message>
    <message>
        <source>The desktop did not give the shortcut.</source>
        <translation>Le bureau n&apos;a pas accordé le raccourci.</translation>
    </message>
    <message>
        <source>Read the selection aloud</source>
        <translation>Lire la sélection à voix haute</translation>
    </message>
    <message>
        <source>The shortcut was not confirmed in the desktop&apos;s dialog.</source>
        <translation>Le raccourci n&apos;a pas été confirmé dans la boîte de dialogue du bureau.</translation>
    </message>
    <message>
        <source>The desktop holds this shortcut; it is changed in the desktop&apos;s shortcut settings.</source>
        <translation>Le bureau gère ce raccourci ; il se modifie dans les réglages de raccourcis du bureau.</translation>
    </message>
    <message>
        <source>The desktop holds this shortcut as %1; it is changed in the desktop&apos;s shortcut settings.</source>
        <translation>Le bureau gère ce raccourci comme %1 ; il se modifie dans les réglages de raccourcis du bureau.</translation>
    </message>
    <message>
        <source>This desktop lets no program take a shortcut of its own.</source>
        <translation>Ce bureau ne laisse aucun programme prendre un raccourci à lui.</translation>
    </message>
    <message>
        <source>%1 is taken by another program; choose another shortcut.</source>
        <translation>%1 est pris par un autre programme ; choisissez un autre raccourci.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>its voice file cannot be read</source>
        <translation>son fichier de voix est illisible</translation>
    </message>
    <message>
        <source>its dictionary %1 cannot be read</source>
        <translation>son dictionnaire %1 est illisible</translation>
    </message>
    <message>
        <source>its dictionary %1 is damaged</source>
        <translation>son dictionnaire %1 est endommagé</translation>
    </message>
    <message>
        <source>The language %1 (%2) is not offered: %3.</source>
        <translation>La langue %1 (%2) n&apos;est pas proposée : %3.</translation>
    </message>
</context>
<context>
    <name>LanguagesDialog</name>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Each language you check adds a female and a male voice, &quot;Mary (&lt;Language&gt;)&quot; and &quot;Mike (&lt;Language&gt;)&quot;.</source>
        <translation>Chaque langue cochée ajoute une voix de femme et une voix d&apos;homme, « Mary (&lt;Langue&gt;) » et « Mike (&lt;Langue&gt;) ».</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&amp;Languages:</source>
        <translation>&amp;Langues :</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Tester</translation>
    </message>
    <message>
        <source>%1 and %2 are used by:<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>These keep the voice&apos;s name, which can no longer be read with until the language is checked again. Uncheck %4?</source>
        <translation>%1 et %2 sont utilisées par :<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>Ceux-ci gardent le nom de la voix, qui ne pourra plus lire tant que la langue n&apos;est pas recochée. Décocher %4 ?</translation>
    </message>
    <message>
        <source>Test %1</source>
        <translation>Tester %1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>The languages could not be stored; the choice holds until the program ends.</source>
        <translation>Les langues n&apos;ont pas pu être enregistrées ; le choix vaut jusqu&apos;à la fin du programme.</translation>
    </message>
</context>
<context>
    <name>Lexicon</name>
    <message>
        <source>the file is larger than 64 MB</source>
        <translation>le fichier dépasse 64 Mo</translation>
    </message>
</context>
<context>
    <name>LexiconDialog</name>
    <message>
        <source>Pronunciation Editor</source>
        <translation>Éditeur de prononciation</translation>
    </message>
    <message>
        <source>Pronunciations</source>
        <translation>Prononciations</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Sounds like</source>
        <translation>Se prononce</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>&amp;Mot :</translation>
    </message>
    <message>
        <source>&amp;Sounds like:</source>
        <translation>Se &amp;prononce :</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Changer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Tester</translation>
    </message>
    <message>
        <source>The pronunciations in %1 could not be read (%2); they cannot be edited now.</source>
        <translation>Les prononciations de %1 n&apos;ont pas pu être lues (%2) ; elles ne peuvent pas être modifiées pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Type a word or phrase and how it sounds.</source>
        <translation>Tapez un mot ou une expression et sa prononciation.</translation>
    </message>
    <message>
        <source>The pronunciations could not be saved to %1</source>
        <translation>Les prononciations n&apos;ont pas pu être enregistrées dans %1</translation>
    </message>
</context>
<context>
    <name>OptionControls</name>
    <message>
        <source>%1 … %2: type a whole number; until then the last one is kept</source>
        <translation>%1 … %2 : tapez un nombre entier ; en attendant, la dernière valeur est gardée</translation>
    </message>
</context>
<context>
    <name>Piper</name>
    <message>
        <source>the piper program was not found</source>
        <translation>le programme piper est introuvable</translation>
    </message>
    <message>
        <source>the piper program (%1) could not be started</source>
        <translation>le programme piper (%1) n&apos;a pas pu être lancé</translation>
    </message>
    <message>
        <source>piper wrote no sound the program could read</source>
        <translation>piper n&apos;a produit aucun son lisible par le programme</translation>
    </message>
    <message>
        <source>piper could not load the voice&apos;s model</source>
        <translation>piper n&apos;a pas pu charger le modèle de la voix</translation>
    </message>
    <message>
        <source>piper ended unexpectedly</source>
        <translation>piper s&apos;est arrêté de façon inattendue</translation>
    </message>
    <message>
        <source>piper gave no sound for %1 seconds</source>
        <translation>piper n&apos;a donné aucun son pendant %1 secondes</translation>
    </message>
</context>
<context>
    <name>ProgramPaths</name>
    <message>
        <source>Unable to create %1</source>
        <translation>Impossible de créer %1</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>the folder %1 is on a read-only disk</source>
        <translation>le dossier %1 est sur un disque en lecture seule</translation>
    </message>
    <message>
        <source>permission denied: the folder %1 cannot be written</source>
        <translation>permission refusée : impossible d&apos;écrire dans le dossier %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>%1 cannot be used (%2).</source>
        <translation>%1 ne peut pas être utilisé (%2).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 appartient à un autre utilisateur.</translation>
    </message>
    <message>
        <source>%1 can be used by other users too.</source>
        <translation>%1 est aussi utilisable par d&apos;autres utilisateurs.</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2).</source>
        <translation>%1 ne peut pas être créé (%2).</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>c&apos;est un lien</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>il dépasse %1 Mo</translation>
    </message>
    <message>
        <source>%1 could not be read (%2) and was set aside as %3.</source>
        <translation>%1 n&apos;a pas pu être lu (%2) et a été mis de côté sous le nom %3.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <translation>%1 n&apos;a pas pu être lu (%2).</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings could not be written to %1</source>
        <translation>Les réglages n&apos;ont pas pu être écrits dans %1</translation>
    </message>
    <message>
        <source>Settings file %1 is damaged; defaults are used. A copy was kept as %2</source>
        <translation>Le fichier de réglages %1 est endommagé ; les valeurs par défaut s&apos;appliquent. Une copie a été gardée sous %2</translation>
    </message>
    <message>
        <source>Settings file %1 cannot be read; defaults are used</source>
        <translation>Le fichier de réglages %1 est illisible ; les valeurs par défaut s&apos;appliquent</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Parlewind talks to its running window through a folder only you may use, and there is none: %1 Set XDG_RUNTIME_DIR to a folder of yours with mode 700.</source>
        <translation>Parlewind parle à sa fenêtre ouverte par un dossier que vous seul pouvez utiliser, et il n&apos;y en a aucun : %1 Réglez XDG_RUNTIME_DIR sur un dossier à vous en mode 700.</translation>
    </message>
    <message>
        <source>The program listening in %1 runs as another user; nothing was sent.</source>
        <translation>Le programme à l&apos;écoute dans %1 tourne sous un autre utilisateur ; rien n&apos;a été envoyé.</translation>
    </message>
</context>
<context>
    <name>SpeechDispatcher</name>
    <message>
        <source>speech-dispatcher could not be reached (%1)</source>
        <translation>speech-dispatcher n&apos;a pas pu être atteint (%1)</translation>
    </message>
    <message>
        <source>speech-dispatcher stopped while reading</source>
        <translation>speech-dispatcher s&apos;est arrêté pendant la lecture</translation>
    </message>
    <message>
        <source>speech-dispatcher refused the voice</source>
        <translation>speech-dispatcher a refusé la voix</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Parlewind MP3</source>
        <translation>À propos de Parlewind MP3</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Parlewind MP3&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Reads your text aloud, or into WAV and MP3 files.&lt;/p&gt;&lt;p&gt;&amp;copy; Brivanta Technologies&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Parlewind MP3&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Lit vos textes à voix haute, ou dans des fichiers WAV et MP3.&lt;/p&gt;&lt;p&gt;&amp;copy; Brivanta Technologies&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check out Parlewind MP3 at %1 .  Parlewind MP3 lets you listen to text you copy to the clipboard. It uses Text to Speech technology which actually synthesizes natural sounding speech from ordinary text.  Listen to your email, news, any text you want.  You can also convert your text to wav or MP3 files so you can listen later.  Try Parlewind MP3 free today at %1</source>
        <translation>Découvrez Parlewind MP3 sur %1 .  Parlewind MP3 vous fait écouter le texte que vous copiez dans le presse-papiers. Il utilise la synthèse vocale, qui produit une voix naturelle à partir de texte ordinaire.  Écoutez vos courriels, les nouvelles, tout texte de votre choix.  Vous pouvez aussi convertir vos textes en fichiers WAV ou MP3 pour les écouter plus tard.  Essayez Parlewind MP3 gratuitement sur %1</translation>
    </message>
</context>
<context>
    <name>TArticleList</name>
    <message>
        <source>No rows are currently selected</source>
        <translation>Aucune ligne n&apos;est sélectionnée</translation>
    </message>
</context>
<context>
    <name>TCB_PromptForm</name>
    <message>
        <source>Copy Clipboard to Speech Buffer ?</source>
        <translation>Copier le presse-papiers dans le tampon de lecture ?</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Append</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Append text to current article</source>
        <translation>Ajouter le texte à l&apos;article en cours</translation>
    </message>
    <message>
        <source>Cancel clipboard copy to Parlewind MP3</source>
        <translation>Annuler la copie du presse-papiers vers Parlewind MP3</translation>
    </message>
    <message>
        <source>Current Mode is Multi-Article Mode</source>
        <translation>Mode actuel : articles multiples</translation>
    </message>
    <message>
        <source>Current Mode is Single-Article Mode</source>
        <translation>Mode actuel : article unique</translation>
    </message>
    <message>
        <source>Add new article</source>
        <translation>Ajouter un nouvel article</translation>
    </message>
    <message>
        <source>Overwrite current article</source>
        <translation>Remplacer l&apos;article en cours</translation>
    </message>
</context>
<context>
    <name>TClipboardPage</name>
    <message>
        <source>&amp;Watch Clipboard</source>
        <translation>&amp;Surveiller le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Ignore clipboard text if less than</source>
        <translation>&amp;Ignorer le texte du presse-papiers de moins de</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>caractères</translation>
    </message>
    <message>
        <source>Prompt Options</source>
        <translation>Options de la demande</translation>
    </message>
    <message>
        <source>&amp;Prompt to copy from clipboard</source>
        <translation>&amp;Demander avant de copier le presse-papiers</translation>
    </message>
    <message>
        <source>Displa&amp;y Prompt for</source>
        <translation>Affic&amp;her la demande pendant</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Default A&amp;ction:</source>
        <translation>A&amp;ction par défaut :</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Remember Last</source>
        <translation>Se souvenir du dernier choix</translation>
    </message>
</context>
<context>
    <name>TClipboardWatch</name>
    <message>
        <source>Watching the clipboard is off: this Wayland desktop does not tell programs in the background of copies. Paste the text into Parlewind instead, or start Parlewind in an X11 session (or through XWayland) to watch the clipboard.</source>
        <translation>La surveillance du presse-papiers est désactivée : ce bureau Wayland n&apos;informe pas les programmes en arrière-plan des copies. Collez plutôt le texte dans Parlewind, ou lancez Parlewind dans une session X11 (ou par XWayland) pour surveiller le presse-papiers.</translation>
    </message>
</context>
<context>
    <name>TConvertOptions</name>
    <message>
        <source>, aloud only</source>
        <translation>, lecture à voix haute seulement</translation>
    </message>
    <message>
        <source>parlewind --help tells how to use it.</source>
        <translation>parlewind --help explique comment l&apos;utiliser.</translation>
    </message>
    <message>
        <source>the speech engine cannot be started: %1</source>
        <translation>le moteur vocal ne peut pas démarrer : %1</translation>
    </message>
    <message>
        <source>the speech engine offers no voice.</source>
        <translation>le moteur vocal ne propose aucune voix.</translation>
    </message>
    <message>
        <source>--%1 wants a whole number greater than 0, not &quot;%2&quot;.</source>
        <translation>--%1 attend un nombre entier supérieur à 0, pas « %2 ».</translation>
    </message>
    <message>
        <source>--speed wants words a minute or a factor such as 2.5x, not &quot;%1&quot;.</source>
        <translation>--speed attend des mots par minute ou un facteur comme 2.5x, pas « %1 ».</translation>
    </message>
    <message>
        <source>Usage: parlewind --convert [options] FILE...
Reads text files aloud into MP3, M4B, Opus or WAV files, one a file, with the
voices, pronunciations and settings of the Parlewind window. Needs no display
and no sound server.

  FILE                 a text file (UTF-8, else Windows-1252), an HTML, Markdown,
                       EPUB, OpenDocument, Word or PDF document (an e-book
                       gives a numbered file a chapter), a picture of text;
                       an http or https address reads the web page (only
                       its main text); - reads the standard input
  --whole-page         a web page is read whole, menus and all
  --articles FILE      the articles of a saved-articles file, one output each
  --voice NAME         the voice to read with (default: the window&apos;s default
                       voice, or each saved article&apos;s own)
  --list-voices        lists the voices and their languages
  --speed N            words a minute, within the voice&apos;s limits; or a factor
                       of its normal speed from 0.5x to 4x (--speed 2.5x)
  --pauses short|normal|long  the pauses after sentences and paragraphs and
                       between articles (default: as the window sets them)
  --languages on|off   parts in other languages read by a voice of their
                       language (default: on, unless the window turns it off)
  --pitch N            within the voice&apos;s limits
  --format FORMAT      the files to write: mp3 (the default), m4b (an
                       audiobook: AAC with chapters), opus, epub (one read-along
                       book: the text lit sentence by sentence as its sound
                       plays, a chapter an input), wav, or txt (the text that
                       would be spoken, to check or edit first)
  --highlight-words    a read-along book lights each word, not only each sentence
  --book-audio mp3|aac the sound in a read-along book (default: mp3)
  --subtitles srt|vtt|lrc  the text timed to the speech beside each file, a
                       line a sentence
  --out DIR            where to write them (default: the current folder;
                       made when missing)
  --single-file NAME   everything into one file of that name, a chapter an input
                       (a book&apos;s chapters as they are)
  --overwrite          replaces files that are already there
  --jobs N             files encoded at once (default: one a core)
  --quiet              no progress bar
  -h, --help           this text
  --version            the program&apos;s version

Files are named after their titles: a text file&apos;s name without its extension,
a saved article&apos;s title. Files are tagged with the title, the voice (or a
book&apos;s author), the album (&quot;Parlewind MP3&quot;, the book&apos;s or the saved-articles
file&apos;s name), the track number and a book&apos;s cover.

Exit status: 0 every file written; 1 some inputs failed (each is named, the
others are written); 2 the command was not understood; 128 + the signal&apos;s number
when stopped by one: 130 Ctrl+C (SIGINT), 143 SIGTERM, 129 SIGHUP.

Usage: parlewind [FILE...]
Starts the Parlewind window, or hands the files to the one running, as &quot;Open&quot;
does. Commands for the running program (the read commands and --show start it
when none runs; exit status 0 once it has the command, 1 when none runs):
  --read-selection     reads the text selected in any program (the clipboard&apos;s
                       when nothing is selected) aloud; again: stops
  --read-clipboard     reads the clipboard&apos;s text aloud; again: stops
  --pause, --resume, --toggle-pause, --stop, --skip
                       as the window&apos;s reading commands
  --show               brings the window to the front
</source>
        <translation>Usage : parlewind --convert [options] FICHIER...
Lit des fichiers texte à voix haute dans des fichiers MP3, M4B, Opus ou WAV, un
par fichier, avec les voix, prononciations et réglages de la fenêtre Parlewind.
Ne demande ni écran ni serveur de son.

  FICHIER              un fichier texte (UTF-8, sinon Windows-1252), un document
                       HTML, Markdown, EPUB, OpenDocument, Word ou PDF (un livre
                       numérique donne un fichier numéroté par chapitre), une
                       image de texte ; une adresse http ou https lit la page
                       web (son texte principal seulement) ; - lit l&apos;entrée
                       standard
  --whole-page         une page web est lue entière, menus compris
  --articles FICHIER   les articles d&apos;un fichier d&apos;articles enregistrés, une
                       sortie chacun
  --voice NOM          la voix de lecture (par défaut : la voix par défaut de
                       la fenêtre, ou celle de chaque article enregistré)
  --list-voices        énumère les voix et leurs langues
  --speed N            mots par minute, dans les limites de la voix ; ou un
                       facteur de sa vitesse normale de 0.5x à 4x (--speed 2.5x)
  --pauses short|normal|long  les pauses après les phrases et les paragraphes
                       et entre les articles (par défaut : comme la fenêtre)
  --languages on|off   les passages dans d&apos;autres langues lus par une voix de
                       leur langue (par défaut : on, sauf si la fenêtre l&apos;éteint)
  --pitch N            dans les limites de la voix
  --format FORMAT      les fichiers à écrire : mp3 (par défaut), m4b (un livre
                       audio : AAC avec chapitres), opus, epub (un livre lu :
                       le texte éclairé phrase par phrase pendant que le son
                       joue, un chapitre par entrée), wav, ou txt (le texte qui
                       serait prononcé, pour le vérifier ou le modifier d&apos;abord)
  --highlight-words    un livre lu éclaire chaque mot, pas seulement chaque phrase
  --book-audio mp3|aac le son d&apos;un livre lu (par défaut : mp3)
  --subtitles srt|vtt|lrc  le texte minuté sur la parole à côté de chaque
                       fichier, une ligne par phrase
  --out DOSSIER        où les écrire (par défaut : le dossier courant ; créé
                       s&apos;il manque)
  --single-file NOM    tout dans un seul fichier de ce nom, un chapitre par
                       entrée (les chapitres d&apos;un livre tels quels)
  --overwrite          remplace les fichiers déjà présents
  --jobs N             fichiers encodés à la fois (par défaut : un par cœur)
  --quiet              pas de barre de progression
  -h, --help           ce texte
  --version            la version du programme

Les fichiers portent le nom de leur titre : le nom d&apos;un fichier texte sans son
extension, le titre d&apos;un article enregistré. Les fichiers sont étiquetés avec le
titre, la voix (ou l&apos;auteur d&apos;un livre), l&apos;album (« Parlewind MP3 », le nom du
livre ou du fichier d&apos;articles enregistrés), le numéro de piste et la couverture
d&apos;un livre.

Code de sortie : 0 tous les fichiers écrits ; 1 certaines entrées ont échoué
(chacune est nommée, les autres sont écrites) ; 2 la commande n&apos;a pas été
comprise ; 128 + le numéro du signal en cas d&apos;arrêt par un signal : 130 Ctrl+C
(SIGINT), 143 SIGTERM, 129 SIGHUP.

Usage : parlewind [FICHIER...]
Ouvre la fenêtre Parlewind, ou passe les fichiers à celle qui tourne, comme
« Ouvrir ». Commandes pour le programme ouvert (les commandes de lecture et
--show le lancent s&apos;il ne tourne pas ; code de sortie 0 une fois la commande
reçue, 1 s&apos;il ne tourne pas) :
  --read-selection     lit à voix haute le texte sélectionné dans n&apos;importe quel
                       programme (celui du presse-papiers si rien n&apos;est
                       sélectionné) ; une seconde fois : arrête
  --read-clipboard     lit à voix haute le texte du presse-papiers ; une seconde
                       fois : arrête
  --pause, --resume, --toggle-pause, --stop, --skip
                       comme les commandes de lecture de la fenêtre
  --show               met la fenêtre au premier plan
</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 est donné plus d&apos;une fois.</translation>
    </message>
    <message>
        <source>--voice wants the name of a voice.</source>
        <translation>--voice attend le nom d&apos;une voix.</translation>
    </message>
    <message>
        <source>--pauses is short, normal or long, not &quot;%1&quot;.</source>
        <translation>--pauses vaut short, normal ou long, pas « %1 ».</translation>
    </message>
    <message>
        <source>--languages is on or off, not &quot;%1&quot;.</source>
        <translation>--languages vaut on ou off, pas « %1 ».</translation>
    </message>
    <message>
        <source>--format is mp3, m4b, opus, epub, wav or txt, not &quot;%1&quot;.</source>
        <translation>--format vaut mp3, m4b, opus, epub, wav ou txt, pas « %1 ».</translation>
    </message>
    <message>
        <source>--book-audio is mp3 or aac, not &quot;%1&quot;.</source>
        <translation>--book-audio vaut mp3 ou aac, pas « %1 ».</translation>
    </message>
    <message>
        <source>--%1 is for read-along books (--format epub).</source>
        <translation>--%1 est réservé aux livres lus (--format epub).</translation>
    </message>
    <message>
        <source>--subtitles is srt, vtt or lrc, not &quot;%1&quot;.</source>
        <translation>--subtitles vaut srt, vtt ou lrc, pas « %1 ».</translation>
    </message>
    <message>
        <source>--subtitles times speech; --format txt writes none.</source>
        <translation>--subtitles minute la parole ; --format txt n&apos;en écrit pas.</translation>
    </message>
    <message>
        <source>--subtitles writes timed text beside sound files; a read-along book holds its own.</source>
        <translation>--subtitles écrit du texte minuté à côté des fichiers sonores ; un livre lu contient le sien.</translation>
    </message>
    <message>
        <source>--out wants a folder.</source>
        <translation>--out attend un dossier.</translation>
    </message>
    <message>
        <source>--single-file wants a file name.</source>
        <translation>--single-file attend un nom de fichier.</translation>
    </message>
    <message>
        <source>Nothing to convert: name text files, - for the standard input, or --articles FILE.</source>
        <translation>Rien à convertir : indiquez des fichiers texte, - pour l&apos;entrée standard, ou --articles FICHIER.</translation>
    </message>
    <message>
        <source>The standard input can be read only once.</source>
        <translation>L&apos;entrée standard ne peut être lue qu&apos;une fois.</translation>
    </message>
</context>
<context>
    <name>TConvertRun</name>
    <message>
        <source>%1 is already there; --overwrite replaces it</source>
        <translation>%1 existe déjà ; --overwrite le remplace</translation>
    </message>
    <message>
        <source>the speech engine failed</source>
        <translation>le moteur vocal a échoué</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>more than 64 MB, too large to be read as an article</source>
        <translation>plus de 64 Mo, trop volumineux pour être lu comme article</translation>
    </message>
    <message>
        <source>Standard input</source>
        <translation>Entrée standard</translation>
    </message>
    <message>
        <source>is a folder, not a text file</source>
        <translation>est un dossier, pas un fichier texte</translation>
    </message>
    <message>
        <source>%1, chapter %2</source>
        <translation>%1, chapitre %2</translation>
    </message>
    <message>
        <source>is a folder, not a saved-articles file</source>
        <translation>est un dossier, pas un fichier d&apos;articles enregistrés</translation>
    </message>
    <message>
        <source>is too large to be a saved-articles file (more than 256 MB)</source>
        <translation>est trop volumineux pour un fichier d&apos;articles enregistrés (plus de 256 Mo)</translation>
    </message>
    <message>
        <source>is not a saved-articles file</source>
        <translation>n&apos;est pas un fichier d&apos;articles enregistrés</translation>
    </message>
    <message>
        <source>is damaged; the articles after the damaged place are not converted</source>
        <translation>est endommagé ; les articles après l&apos;endroit endommagé ne sont pas convertis</translation>
    </message>
    <message>
        <source>%1, article %2</source>
        <translation>%1, article %2</translation>
    </message>
    <message>
        <source>holds no article with text</source>
        <translation>ne contient aucun article avec du texte</translation>
    </message>
    <message>
        <source>Voice %1 does not exist</source>
        <translation>La voix %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 %2 is outside the limits of %3 (%4 to %5).</source>
        <translation>%1 %2 est hors des limites de %3 (%4 à %5).</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>the output folder cannot be made: %1 is a file, not a folder</source>
        <translation>le dossier de sortie ne peut pas être créé : %1 est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>the output folder cannot be made: %1</source>
        <translation>le dossier de sortie ne peut pas être créé : %1</translation>
    </message>
    <message>
        <source>nothing can be written in the output folder: %1</source>
        <translation>rien ne peut être écrit dans le dossier de sortie : %1</translation>
    </message>
    <message>
        <source>A title is required to output speech to a file</source>
        <translation>Un titre est nécessaire pour lire dans un fichier</translation>
    </message>
    <message>
        <source>has the same title as an earlier input; %1 is written only once</source>
        <translation>a le même titre qu&apos;une entrée précédente ; %1 n&apos;est écrit qu&apos;une fois</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;; parlewind --convert --list-voices lists them.</source>
        <translation>il n&apos;y a pas de voix « %1 » ; parlewind --convert --list-voices les énumère.</translation>
    </message>
    <message>
        <source>was not made: a chapter of it could not be made</source>
        <translation>n&apos;a pas été créé : un de ses chapitres n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>The standard input</source>
        <translation>L&apos;entrée standard</translation>
    </message>
</context>
<context>
    <name>TDesktopCommands</name>
    <message>
        <source>Parlewind cannot read the selection or the clipboard from the background on this Wayland desktop: it gives them only to the program in front. Paste the text into Parlewind instead, or run Parlewind through XWayland (as it starts where DISPLAY is set).</source>
        <translation>Parlewind ne peut pas lire la sélection ni le presse-papiers depuis l&apos;arrière-plan sur ce bureau Wayland : il ne les donne qu&apos;au programme au premier plan. Collez plutôt le texte dans Parlewind, ou lancez Parlewind par XWayland (comme il démarre là où DISPLAY est défini).</translation>
    </message>
    <message>
        <source>On this Wayland desktop a program in the background cannot read the selection, so no key can read it to Parlewind here. Run Parlewind through XWayland (as it starts where DISPLAY is set) to read the selection of any program.</source>
        <translation>Sur ce bureau Wayland, un programme en arrière-plan ne peut pas lire la sélection ; aucune touche ne peut donc la passer à Parlewind ici. Lancez Parlewind par XWayland (comme il démarre là où DISPLAY est défini) pour lire la sélection de n&apos;importe quel programme.</translation>
    </message>
    <message>
        <source>This desktop lets no program take a shortcut of its own: in its keyboard settings, bind a key to the command  parlewind --read-selection</source>
        <translation>Ce bureau ne laisse aucun programme prendre un raccourci à lui : dans ses réglages du clavier, associez une touche à la commande  parlewind --read-selection</translation>
    </message>
    <message>
        <source>On this Wayland desktop the key reaches Parlewind only while a window of an X11 program has focus. To read the selection from any program, bind a key to the command  parlewind --read-selection  in the desktop&apos;s keyboard settings.</source>
        <translation>Sur ce bureau Wayland, la touche n&apos;atteint Parlewind que lorsqu&apos;une fenêtre d&apos;un programme X11 a le focus. Pour lire la sélection de n&apos;importe quel programme, associez une touche à la commande  parlewind --read-selection  dans les réglages du clavier du bureau.</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>Le presse-papiers ne contient aucun texte.</translation>
    </message>
    <message>
        <source>Nothing is selected, and the clipboard holds no text.</source>
        <translation>Rien n&apos;est sélectionné, et le presse-papiers ne contient aucun texte.</translation>
    </message>
    <message>
        <source>The selection is %1 MB of text; Parlewind reads at most %2 MB from a selection. Save it to a file and open that instead.</source>
        <translation>La sélection fait %1 Mo de texte ; Parlewind lit au plus %2 Mo d&apos;une sélection. Enregistrez-la dans un fichier et ouvrez celui-ci.</translation>
    </message>
    <message>
        <source>The selection does not contain text; it was not read.</source>
        <translation>La sélection ne contient pas de texte ; elle n&apos;a pas été lue.</translation>
    </message>
    <message>
        <source>Parlewind does not know the command &quot;%1&quot;.</source>
        <translation>Parlewind ne connaît pas la commande « %1 ».</translation>
    </message>
    <message>
        <source>Parlewind is reading to a file; try again when it is done.</source>
        <translation>Parlewind lit dans un fichier ; réessayez quand il aura fini.</translation>
    </message>
</context>
<context>
    <name>TEngineWarningForm</name>
    <message>
        <source>Text To Speech Engine not found</source>
        <translation>Moteur de synthèse vocale introuvable</translation>
    </message>
    <message>
        <source>A Text-To-Speech engine does not appear to be installed 
on your machine.  These engines, which perform actual 
speech synthesis, are required for Parlewind to operate.

Installing a speech engine on your computer is easy.  Just 
visit our website for instructions.</source>
        <translation>Aucun moteur de synthèse vocale ne semble installé 
sur votre machine.  Ces moteurs, qui produisent la 
voix, sont nécessaires au fonctionnement de Parlewind.

Installer un moteur vocal sur votre ordinateur est facile.  
Consultez simplement notre site pour les instructions.</translation>
    </message>
    <message>
        <source>Click here to download Speech Engine</source>
        <translation>Cliquez ici pour télécharger un moteur vocal</translation>
    </message>
    <message>
        <source>If you are having problems or have any questions, please
contact our support staff at</source>
        <translation>En cas de problème ou de question, veuillez
contacter notre assistance à</translation>
    </message>
    <message>
        <source>Exit Parlewind MP3</source>
        <translation>Quitter Parlewind MP3</translation>
    </message>
    <message>
        <source>No web browser could be started for %1</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé pour %1</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Aucun programme de courriel n&apos;a pu être lancé.</translation>
    </message>
</context>
<context>
    <name>TFavoriteVoicesPage</name>
    <message>
        <source>Favorit&amp;e Voices</source>
        <translation>Voix &amp;favorites</translation>
    </message>
    <message>
        <source>Exclude the selected voices</source>
        <translation>Exclure les voix sélectionnées</translation>
    </message>
    <message>
        <source>Make the selected voices favorites</source>
        <translation>Mettre les voix sélectionnées en favorites</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Tester</translation>
    </message>
    <message>
        <source>&amp;Languages…</source>
        <translation>&amp;Langues…</translation>
    </message>
    <message>
        <source>Voices for more languages</source>
        <translation>Voix pour d&apos;autres langues</translation>
    </message>
    <message>
        <source>E&amp;xcluded Voices</source>
        <translation>Voix e&amp;xclues</translation>
    </message>
    <message>
        <source>Use this panel to control the voices used in Parlewind.  Voices  
you exclude will not be selected in Random / Round Robin 
Voice Selection</source>
        <translation>Ce panneau règle les voix utilisées dans Parlewind.  Les voix  
exclues ne seront pas choisies en sélection de voix 
Aléatoire / À tour de rôle</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;more&quot;&gt;Want more voices?  Click Here&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;more&quot;&gt;Envie de plus de voix ?  Cliquez ici&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Want more voices?  Click Here</source>
        <translation>Envie de plus de voix ?  Cliquez ici</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is currently the Default Voice<byte value="xd"/>and cannot be excluded</source>
        <translation>« %1 » est la voix par défaut<byte value="xd"/>et ne peut pas être exclue</translation>
    </message>
    <message>
        <source>At least one voice is required in the Favorites List</source>
        <translation>Il faut au moins une voix dans la liste des favorites</translation>
    </message>
    <message>
        <source>Select a voice to test</source>
        <translation>Choisissez une voix à tester</translation>
    </message>
</context>
<context>
    <name>TFileOptionsPage</name>
    <message>
        <source>Output File Format</source>
        <translation>Format du fichier de sortie</translation>
    </message>
    <message>
        <source>&amp;Wav</source>
        <translation>&amp;Wav</translation>
    </message>
    <message>
        <source>&amp;MP3</source>
        <translation>&amp;MP3</translation>
    </message>
    <message>
        <source>M&amp;4B audiobook</source>
        <translation>Livre audio M&amp;4B</translation>
    </message>
    <message>
        <source>O&amp;pus</source>
        <translation>O&amp;pus</translation>
    </message>
    <message>
        <source>&amp;Read-along book (EPUB 3)</source>
        <translation>&amp;Livre lu (EPUB 3)</translation>
    </message>
    <message>
        <source>&amp;Highlight words</source>
        <translation>&amp;Surligner les mots</translation>
    </message>
    <message>
        <source>The book lights each word as it is spoken, not only each sentence</source>
        <translation>Le livre éclaire chaque mot prononcé, pas seulement chaque phrase</translation>
    </message>
    <message>
        <source>Book &amp;audio:</source>
        <translation>So&amp;n du livre :</translation>
    </message>
    <message>
        <source>Book audio</source>
        <translation>Son du livre</translation>
    </message>
    <message>
        <source>&amp;Timed text beside each file:</source>
        <translation>&amp;Texte minuté à côté de chaque fichier :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>SRT subtitles</source>
        <translation>Sous-titres SRT</translation>
    </message>
    <message>
        <source>WebVTT subtitles</source>
        <translation>Sous-titres WebVTT</translation>
    </message>
    <message>
        <source>LRC lyrics</source>
        <translation>Paroles LRC</translation>
    </message>
    <message>
        <source>Timed text beside each file</source>
        <translation>Texte minuté à côté de chaque fichier</translation>
    </message>
    <message>
        <source>File Output D&amp;irectory:</source>
        <translation>D&amp;ossier de sortie des fichiers :</translation>
    </message>
    <message>
        <source>File Output Directory</source>
        <translation>Dossier de sortie des fichiers</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>Pa&amp;rcourir</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>This desktop has no notification area, so the window stays open. To end Parlewind, choose Exit Parlewind in the File menu; to close it to a floating tool bar, choose &quot;When minimized&quot; for &quot;Show Floating Toolbar&quot; on the Misc page.</source>
        <translation>Ce bureau n&apos;a pas de zone de notification ; la fenêtre reste donc ouverte. Pour quitter Parlewind, choisissez Quitter Parlewind dans le menu Fichier ; pour la réduire en barre d&apos;outils flottante, choisissez « Une fois réduite » pour « Afficher la barre d&apos;outils flottante » dans la page Divers.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Pa&amp;use</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>Single-Article Options</source>
        <translation>Options de l&apos;article unique</translation>
    </message>
    <message>
        <source>Multi-Article Options</source>
        <translation>Options des articles multiples</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>Pages d&apos;options</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Presse-papiers</translation>
    </message>
    <message>
        <source>Favorite Voices</source>
        <translation>Voix favorites</translation>
    </message>
    <message>
        <source>Voice Edit</source>
        <translation>Réglage de la voix</translation>
    </message>
    <message>
        <source>File Options</source>
        <translation>Options des fichiers</translation>
    </message>
    <message>
        <source>Voice Sources</source>
        <translation>Sources de voix</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>The help page on more voices could not be opened.</source>
        <translation>La page d&apos;aide sur les voix supplémentaires n&apos;a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>Watching the clipboard is off on this Wayland desktop (see the Clipboard page).</source>
        <translation>La surveillance du presse-papiers est désactivée sur ce bureau Wayland (voir la page Presse-papiers).</translation>
    </message>
    <message>
        <source>Parlewind MP3 is still running. Use the icon here to restore it or to exit.</source>
        <translation>Parlewind MP3 tourne toujours. Utilisez l&apos;icône ici pour le rouvrir ou le quitter.</translation>
    </message>
    <message>
        <source>The help file could not be found.</source>
        <translation>Le fichier d&apos;aide est introuvable.</translation>
    </message>
    <message>
        <source>No program could be started to show the help file %1</source>
        <translation>Aucun programme n&apos;a pu être lancé pour afficher le fichier d&apos;aide %1</translation>
    </message>
    <message>
        <source>Parlewind MP3 Languages</source>
        <translation>Langues de Parlewind MP3</translation>
    </message>
    <message>
        <source>Read the page at %1?</source>
        <translation>Lire la page à l&apos;adresse %1 ?</translation>
    </message>
    <message>
        <source>Open Web Address</source>
        <translation>Ouvrir une adresse web</translation>
    </message>
    <message>
        <source>&amp;Address of the page (http or https):</source>
        <translation>&amp;Adresse de la page (http ou https) :</translation>
    </message>
    <message>
        <source>Address of the page</source>
        <translation>Adresse de la page</translation>
    </message>
    <message>
        <source>%1 is not a web address; an address begins with http:// or https://.</source>
        <translation>%1 n&apos;est pas une adresse web ; une adresse commence par http:// ou https://.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>The copied picture: %1</source>
        <translation>L&apos;image copiée : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n more files could not be opened either.</source>
        <translation>
            <numerusform>%n autre fichier n&apos;a pas pu être ouvert non plus.</numerusform>
            <numerusform>%n autres fichiers n&apos;ont pas pu être ouverts non plus.</numerusform>
        </translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>Ouverture de %1…</translation>
    </message>
    <message>
        <source>    Single    </source>
        <translation>    Unique    </translation>
    </message>
    <message>
        <source>Single-Article Mode</source>
        <translation>Mode article unique</translation>
    </message>
    <message>
        <source>Multi </source>
        <translation>Multiple </translation>
    </message>
    <message>
        <source>Multi-Article Mode</source>
        <translation>Mode articles multiples</translation>
    </message>
    <message>
        <source>Read text file</source>
        <translation>Lire un fichier texte</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Aloud</source>
        <translation>À voix haute</translation>
    </message>
    <message>
        <source>Read text aloud</source>
        <translation>Lire le texte à voix haute</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Read text to file</source>
        <translation>Lire le texte dans un fichier</translation>
    </message>
    <message>
        <source>Pause / Resume </source>
        <translation>Pause / Reprise </translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Skip to next article</source>
        <translation>Passer à l&apos;article suivant</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop reading</source>
        <translation>Arrêter la lecture</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Display / Hide Options Panels</source>
        <translation>Afficher / masquer les panneaux d&apos;options</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open &amp;Web Address...</source>
        <translation>Ouvrir une adresse &amp;web...</translation>
    </message>
    <message>
        <source>E&amp;xit Parlewind</source>
        <translation>&amp;Quitter Parlewind</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Options Panels</source>
        <translation>Panneaux d&apos;&amp;options</translation>
    </message>
    <message>
        <source>&amp;Previous Article</source>
        <translation>Article &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Next Article</source>
        <translation>Article &amp;suivant</translation>
    </message>
    <message>
        <source>&amp;Edit Title and Voice</source>
        <translation>&amp;Modifier le titre et la voix</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Watch Clipboard</source>
        <translation>Surveiller le &amp;presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Single Article</source>
        <translation>Article &amp;unique</translation>
    </message>
    <message>
        <source>&amp;Multi Article</source>
        <translation>Articles &amp;multiples</translation>
    </message>
    <message>
        <source>Select Audio &amp;Device</source>
        <translation>Choisir la sortie au&amp;dio</translation>
    </message>
    <message>
        <source>&amp;Pronunciation Editor</source>
        <translation>Éditeur de p&amp;rononciation</translation>
    </message>
    <message>
        <source>&amp;Languages…</source>
        <translation>&amp;Langues…</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>Read &amp;Aloud</source>
        <translation>Lire à &amp;voix haute</translation>
    </message>
    <message>
        <source>Read to &amp;File</source>
        <translation>Lire dans un &amp;fichier</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>Pa&amp;sser</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Read from &amp;Here</source>
        <translation>Lire à partir d&apos;&amp;ici</translation>
    </message>
    <message>
        <source>Pre&amp;vious Sentence</source>
        <translation>Phrase &amp;précédente</translation>
    </message>
    <message>
        <source>Ne&amp;xt Sentence</source>
        <translation>Phrase suiva&amp;nte</translation>
    </message>
    <message>
        <source>Stop Af&amp;ter</source>
        <translation>Arrêter apr&amp;ès</translation>
    </message>
    <message>
        <source>&amp;%1 Minutes</source>
        <translation>&amp;%1 minutes</translation>
    </message>
    <message>
        <source>At the End of This &amp;Article</source>
        <translation>À la fin de cet &amp;article</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Désactivé</translation>
    </message>
    <message>
        <source>&amp;Audio Help</source>
        <translation>Aide a&amp;udio</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Visit Brivanta Technologies</source>
        <translation>&amp;Visiter Brivanta Technologies</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Supprimer la sélection</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Aucun programme de courriel n&apos;a pu être lancé.</translation>
    </message>
    <message>
        <source>No web browser could be started for %1</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé pour %1</translation>
    </message>
    <message>
        <source>Parlewind MP3 Pronunciation</source>
        <translation>Prononciation de Parlewind MP3</translation>
    </message>
</context>
<context>
    <name>TMIOptionsSheet</name>
    <message>
        <source>Multi-Article Options</source>
        <translation>Options des articles multiples</translation>
    </message>
    <message>
        <source>File Output:</source>
        <translation>Sortie fichier :</translation>
    </message>
    <message>
        <source>Single File</source>
        <translation>Un seul fichier</translation>
    </message>
    <message>
        <source>Multiple Files</source>
        <translation>Plusieurs fichiers</translation>
    </message>
    <message>
        <source>Voice Selection:</source>
        <translation>Choix de la voix :</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Round Robin</source>
        <translation>À tour de rôle</translation>
    </message>
    <message>
        <source>Automatically &amp;Delete Text after play</source>
        <translation>Supprimer automati&amp;quement le texte après lecture</translation>
    </message>
</context>
<context>
    <name>TMemoEntry</name>
    <message>
        <source>Error reading input file</source>
        <translation>Erreur de lecture du fichier d&apos;entrée</translation>
    </message>
</context>
<context>
    <name>TMemoEntryView</name>
    <message>
        <source>Article %1 of %2</source>
        <translation>Article %1 sur %2</translation>
    </message>
    <message>
        <source>Voice: %1</source>
        <translation>Voix : %1</translation>
    </message>
</context>
<context>
    <name>TMemoListBox</name>
    <message>
        <source>Articles</source>
        <translation>Articles</translation>
    </message>
</context>
<context>
    <name>TMiscPage</name>
    <message>
        <source>Default Voi&amp;ce:</source>
        <translation>Voi&amp;x par défaut :</translation>
    </message>
    <message>
        <source>Show Floating &amp;Toolbar:</source>
        <translation>Afficher la barre d&apos;ou&amp;tils flottante :</translation>
    </message>
    <message>
        <source>On request only</source>
        <translation>Sur demande seulement</translation>
    </message>
    <message>
        <source>When minimized</source>
        <translation>Une fois réduite</translation>
    </message>
    <message>
        <source>When minimized and reading starts</source>
        <translation>Une fois réduite et à la lecture</translation>
    </message>
    <message>
        <source>&amp;Web pages:</source>
        <translation>Pages &amp;web :</translation>
    </message>
    <message>
        <source>Main text only</source>
        <translation>Texte principal seulement</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>Floating Toolbar Always on To&amp;p</source>
        <translation>Barre d&apos;outils flottante toujours au premier &amp;plan</translation>
    </message>
    <message>
        <source>Highlight C&amp;urrent Word</source>
        <translation>Surligner le mot en &amp;cours</translation>
    </message>
    <message>
        <source>Start Parlewind at &amp;Login</source>
        <translation>Lancer Parlewind à l&apos;ouverture de &amp;session</translation>
    </message>
    <message>
        <source>F&amp;ilter non-alpha symbols</source>
        <translation>F&amp;iltrer les symboles non alphabétiques</translation>
    </message>
    <message>
        <source>&amp;Read the selection from any program:</source>
        <translation>Lire la sélection de n&apos;importe quel progra&amp;mme :</translation>
    </message>
    <message>
        <source>Read the selection from any program</source>
        <translation>Lire la sélection de n&apos;importe quel programme</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>Auc&amp;un</translation>
    </message>
    <message>
        <source>No shortcut</source>
        <translation>Aucun raccourci</translation>
    </message>
    <message>
        <source>Read every article with its own voice o&amp;nly</source>
        <translation>Lire chaque article uniquement avec sa propre &amp;voix</translation>
    </message>
    <message>
        <source>Voices for other lan&amp;guages:</source>
        <translation>Voix pour d&apos;autres lan&amp;gues :</translation>
    </message>
    <message>
        <source>Rea&amp;d by:</source>
        <translation>Lu pa&amp;r :</translation>
    </message>
    <message>
        <source>Int&amp;erface language:</source>
        <translation>Langue de l&apos;i&amp;nterface :</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>(from the next start)</source>
        <translation>(au prochain démarrage)</translation>
    </message>
</context>
<context>
    <name>TMyAudioDeviceDlg</name>
    <message>
        <source>System Default Output</source>
        <translation>Sortie par défaut du système</translation>
    </message>
    <message>
        <source>11.025 kHz, Mono, 8-bit</source>
        <translation>11,025 kHz, mono, 8 bits</translation>
    </message>
    <message>
        <source>11.025 kHz, Stereo, 8-bit</source>
        <translation>11,025 kHz, stéréo, 8 bits</translation>
    </message>
    <message>
        <source>11.025 kHz, Mono, 16-bit</source>
        <translation>11,025 kHz, mono, 16 bits</translation>
    </message>
    <message>
        <source>11.025 kHz, Stereo, 16-bit</source>
        <translation>11,025 kHz, stéréo, 16 bits</translation>
    </message>
    <message>
        <source>22.05 kHz, Mono, 8-bit </source>
        <translation>22,05 kHz, mono, 8 bits</translation>
    </message>
    <message>
        <source>22.05 kHz, Stereo, 8-bit</source>
        <translation>22,05 kHz, stéréo, 8 bits</translation>
    </message>
    <message>
        <source>22.05 kHz, Mono, 16-bit</source>
        <translation>22,05 kHz, mono, 16 bits</translation>
    </message>
    <message>
        <source>22.05 kHz, Stereo, 16-bit</source>
        <translation>22,05 kHz, stéréo, 16 bits</translation>
    </message>
    <message>
        <source>44.1 kHz, Mono, 8-bit</source>
        <translation>44,1 kHz, mono, 8 bits</translation>
    </message>
    <message>
        <source>44.1 kHz, Stereo, 8-bit</source>
        <translation>44,1 kHz, stéréo, 8 bits</translation>
    </message>
    <message>
        <source>44.1 kHz, Mono, 16-bit</source>
        <translation>44,1 kHz, mono, 16 bits</translation>
    </message>
    <message>
        <source>44.1 kHz, Stereo, 16-bit</source>
        <translation>44,1 kHz, stéréo, 16 bits</translation>
    </message>
    <message>
        <source>Supports separate left and right volume control. </source>
        <translation>Volume gauche et droit séparés. </translation>
    </message>
    <message>
        <source>Supports pitch control. </source>
        <translation>Réglage de la hauteur. </translation>
    </message>
    <message>
        <source>Support playback rate control. </source>
        <translation>Réglage de la vitesse de lecture. </translation>
    </message>
    <message>
        <source>The driver is synchronous and will block while playing a buffer. </source>
        <translation>Le pilote est synchrone et bloque pendant la lecture d&apos;un tampon. </translation>
    </message>
    <message>
        <source>Supports volume control. </source>
        <translation>Réglage du volume. </translation>
    </message>
    <message>
        <source>Returns sample-accurate position information.</source>
        <translation>Position exacte à l&apos;échantillon près.</translation>
    </message>
    <message>
        <source>Audio Device ID </source>
        <translation>Identifiant du périphérique audio </translation>
    </message>
    <message>
        <source>&amp;Devices:</source>
        <translation>&amp;Périphériques :</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Périphériques</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Sound server name</source>
        <translation>Nom dans le serveur de son</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formats</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Supports</source>
        <translation>Prend en charge</translation>
    </message>
    <message>
        <source>Audio Destination Device ID</source>
        <translation>Identifiant du périphérique audio de destination</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canaux</translation>
    </message>
</context>
<context>
    <name>TNotifyIcon</name>
    <message>
        <source>&amp;Pause</source>
        <translation>Pa&amp;use</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>Parlewind MP3</source>
        <translation>Parlewind MP3</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Show &amp;Toolbar</source>
        <translation>Afficher la &amp;barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Read &amp;Aloud</source>
        <translation>Lire à &amp;voix haute</translation>
    </message>
    <message>
        <source>Read to &amp;File</source>
        <translation>Lire dans un &amp;fichier</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>Pa&amp;sser</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Pre&amp;vious Sentence</source>
        <translation>Phrase &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Next Sentence</source>
        <translation>Phrase suiva&amp;nte</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>À propos (&amp;à)</translation>
    </message>
</context>
<context>
    <name>TOutDirDialog</name>
    <message>
        <source>Select Output Directory</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Current Directory:</source>
        <translation>Dossier actuel :</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Nouveau dossier</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>New Folder %1</source>
        <translation>Nouveau dossier %1</translation>
    </message>
    <message>
        <source>A folder could not be made in %1</source>
        <translation>Aucun dossier n&apos;a pu être créé dans %1</translation>
    </message>
</context>
<context>
    <name>TProgramCore</name>
    <message>
        <source>The settings were missing; defaults are used. The saved articles were restored.</source>
        <translation>Les réglages manquaient ; les valeurs par défaut s&apos;appliquent. Les articles enregistrés ont été restaurés.</translation>
    </message>
    <message>
        <source>The saved articles file is damaged: %1 of %2 articles were restored.</source>
        <translation>Le fichier des articles enregistrés est endommagé : %1 articles sur %2 ont été restaurés.</translation>
    </message>
    <message>
        <source>%1 of the %2 saved articles were restored (single-article mode keeps one).</source>
        <translation>%1 des %2 articles enregistrés ont été restaurés (le mode article unique n&apos;en garde qu&apos;un).</translation>
    </message>
    <message>
        <source>The file as it was is kept in %1</source>
        <translation>Le fichier tel qu&apos;il était est gardé dans %1</translation>
    </message>
    <message>
        <source>The file could not be copied to %1</source>
        <translation>Le fichier n&apos;a pas pu être copié dans %1</translation>
    </message>
    <message>
        <source>The articles could not be saved to %1: %2<byte value="xd"/><byte value="xd"/>Parlewind stays open so that nothing is lost. Make room on the disk, then choose Exit again.</source>
        <translation>Les articles n&apos;ont pas pu être enregistrés dans %1 : %2<byte value="xd"/><byte value="xd"/>Parlewind reste ouvert pour que rien ne soit perdu. Libérez de la place sur le disque, puis choisissez de nouveau Quitter.</translation>
    </message>
    <message>
        <source>Reading Test Message</source>
        <translation>Lecture du message de test</translation>
    </message>
    <message>
        <source>Reading Audio Help</source>
        <translation>Lecture de l&apos;aide audio</translation>
    </message>
    <message>
        <source>No articles</source>
        <translation>Aucun article</translation>
    </message>
    <message>
        <source>1 article</source>
        <translation>1 article</translation>
    </message>
    <message numerus="yes">
        <source>%n articles</source>
        <translation>
            <numerusform>%n article</numerusform>
            <numerusform>%n articles</numerusform>
        </translation>
    </message>
    <message>
        <source>the default voice (%1)</source>
        <translation>la voix par défaut (%1)</translation>
    </message>
    <message>
        <source>article %1 &quot;%2&quot; (%3)</source>
        <translation>l&apos;article %1 « %2 » (%3)</translation>
    </message>
    <message>
        <source>This item is currently being read and cannot be deleted</source>
        <translation>Cet élément est en cours de lecture et ne peut pas être supprimé</translation>
    </message>
    <message>
        <source>AddMemo Failed</source>
        <translation>Échec de AddMemo</translation>
    </message>
    <message>
        <source>The articles could not be saved: %1</source>
        <translation>Les articles n&apos;ont pas pu être enregistrés : %1</translation>
    </message>
</context>
<context>
    <name>TProgressBar</name>
    <message>
        <source> %1%  %2/%3 files  %4 of audio</source>
        <translation> %1 %  %2/%3 fichiers  %4 d&apos;audio</translation>
    </message>
</context>
<context>
    <name>TPropertyPanel</name>
    <message>
        <source>Title and voice</source>
        <translation>Titre et voix</translation>
    </message>
    <message>
        <source>F2 changes them</source>
        <translation>F2 les modifie</translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Titre : </translation>
    </message>
    <message>
        <source>Voice: </source>
        <translation>Voix : </translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Read selected article</source>
        <translation>Lire l&apos;article sélectionné</translation>
    </message>
    <message>
        <source>Read to File</source>
        <translation>Lire dans un fichier</translation>
    </message>
    <message>
        <source>Read selected article to file</source>
        <translation>Lire l&apos;article sélectionné dans un fichier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete selected article</source>
        <translation>Supprimer l&apos;article sélectionné</translation>
    </message>
    <message>
        <source>More languages…</source>
        <translation>Plus de langues…</translation>
    </message>
</context>
<context>
    <name>TReadingSession</name>
    <message>
        <source>A title is required to output speech to a file</source>
        <translation>Un titre est nécessaire pour lire dans un fichier</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Écriture de %1</translation>
    </message>
    <message>
        <source>Writing the book</source>
        <translation>Écriture du livre</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>utilisé</translation>
    </message>
    <message>
        <source>The sound device %1 is gone. Reading has stopped.</source>
        <translation>Le périphérique audio %1 a disparu. La lecture s&apos;est arrêtée.</translation>
    </message>
    <message>
        <source>The voice could not speak &quot;%1&quot; (its speech engine failed on it). Reading has stopped.</source>
        <translation>La voix n&apos;a pas pu prononcer « %1 » (son moteur vocal a échoué). La lecture s&apos;est arrêtée.</translation>
    </message>
    <message>
        <source>The voice %1 could not go on with &quot;%2&quot;: %3. Reading has stopped.</source>
        <translation>La voix %1 n&apos;a pas pu continuer « %2 » : %3. La lecture s&apos;est arrêtée.</translation>
    </message>
    <message>
        <source>A title is required for each item entry when<byte value="xd"/>outputting to multiple files</source>
        <translation>Un titre est nécessaire pour chaque élément<byte value="xd"/>lors de la sortie dans plusieurs fichiers</translation>
    </message>
    <message>
        <source>Output directory %1 is not valid</source>
        <translation>Le dossier de sortie %1 n&apos;est pas valide</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2 was not made.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2 n&apos;a pas été créé.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2 was not made. The speech is kept in %3.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2 n&apos;a pas été créé. La parole est gardée dans %3.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>The unfinished file was removed.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Le fichier inachevé a été supprimé.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 n&apos;a pas pu être écrit : %2.</translation>
    </message>
    <message>
        <source>Article %1 of %2</source>
        <translation>Article %1 sur %2</translation>
    </message>
    <message>
        <source>Stops at the end of this article</source>
        <translation>S&apos;arrête à la fin de cet article</translation>
    </message>
    <message>
        <source>Stops at the end of this sentence</source>
        <translation>S&apos;arrête à la fin de cette phrase</translation>
    </message>
    <message>
        <source>Stops in %1 min</source>
        <translation>S&apos;arrête dans %1 min</translation>
    </message>
    <message>
        <source>Making the read-along book: </source>
        <translation>Création du livre lu : </translation>
    </message>
    <message>
        <source>Converting to %1 format: </source>
        <translation>Conversion au format %1 : </translation>
    </message>
</context>
<context>
    <name>TSIBusyForm</name>
    <message>
        <source>Parlewind Busy ...</source>
        <translation>Parlewind occupé ...</translation>
    </message>
    <message>
        <source>In Single-Item mode, Parlewind cannot copy from 
the clipboard while text is being read.</source>
        <translation>En mode article unique, Parlewind ne peut pas copier 
le presse-papiers pendant une lecture.</translation>
    </message>
    <message>
        <source>&amp;Do not show this dialog again</source>
        <translation>Ne plus &amp;afficher cette boîte de dialogue</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TSIOptionsSheet</name>
    <message>
        <source>Single-Article Options</source>
        <translation>Options de l&apos;article unique</translation>
    </message>
    <message>
        <source>Voice Selection:</source>
        <translation>Choix de la voix :</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Automatically &amp;Speak New Text </source>
        <translation>Lire automati&amp;quement le nouveau texte </translation>
    </message>
</context>
<context>
    <name>TTS</name>
    <message>
        <source>Speak method failed. </source>
        <translation>La méthode Speak a échoué. </translation>
    </message>
    <message>
        <source>No wave out devices available on system.</source>
        <translation>Aucun périphérique de sortie audio sur le système.</translation>
    </message>
</context>
<context>
    <name>TTTSForm</name>
    <message>
        <source>Voice %1 does not exist</source>
        <translation>La voix %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>No sound device was found. Reading aloud needs a sound server (PulseAudio or PipeWire); reading to files works without one.</source>
        <translation>Aucun périphérique audio trouvé. La lecture à voix haute demande un serveur de son (PulseAudio ou PipeWire) ; la lecture dans des fichiers s&apos;en passe.</translation>
    </message>
    <message>
        <source>%1 can only read aloud: speech-dispatcher gives no sound back to programs. Choose another voice for files.</source>
        <translation>%1 ne peut que lire à voix haute : speech-dispatcher ne rend aucun son aux programmes. Choisissez une autre voix pour les fichiers.</translation>
    </message>
    <message>
        <source>no voices found</source>
        <translation>aucune voix trouvée</translation>
    </message>
    <message>
        <source>1 voice</source>
        <translation>1 voix</translation>
    </message>
    <message numerus="yes">
        <source>%n voices</source>
        <translation>
            <numerusform>%n voix</numerusform>
            <numerusform>%n voix</numerusform>
        </translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>non installé</translation>
    </message>
    <message>
        <source>looking for voices…</source>
        <translation>recherche des voix…</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>injoignable</translation>
    </message>
    <message>
        <source>%1, read aloud only</source>
        <translation>%1, à voix haute seulement</translation>
    </message>
    <message>
        <source>Modules: %1</source>
        <translation>Modules : %1</translation>
    </message>
    <message>
        <source>No piper program on the PATH or where chosen.</source>
        <translation>Aucun programme piper dans le PATH ni à l&apos;endroit choisi.</translation>
    </message>
    <message>
        <source>Program: %1</source>
        <translation>Programme : %1</translation>
    </message>
    <message>
        <source>TTSForm initialization error - error creating TmpTTS</source>
        <translation>Erreur d&apos;initialisation de la synthèse vocale : l&apos;objet vocal temporaire n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>Sound card is busy.  Wait and try again.</source>
        <translation>La carte son est occupée.  Patientez et réessayez.</translation>
    </message>
    <message>
        <source>Error accessing sound card</source>
        <translation>Erreur d&apos;accès à la carte son</translation>
    </message>
    <message>
        <source>Audio device check failed. <byte value="xd"/>Verify that the device you have selected is a valid audio device<byte value="xd"/><byte value="xd"/>Please contact Brivanta Support if you&apos;re having problems</source>
        <translation>La vérification du périphérique audio a échoué. <byte value="xd"/>Vérifiez que le périphérique choisi est un périphérique audio valide<byte value="xd"/><byte value="xd"/>Contactez l&apos;assistance Brivanta en cas de problème</translation>
    </message>
</context>
<context>
    <name>TToolBarForm</name>
    <message>
        <source>Parlewind MP3 Toolbar</source>
        <translation>Barre d&apos;outils de Parlewind MP3</translation>
    </message>
    <message>
        <source>Read text aloud</source>
        <translation>Lire le texte à voix haute</translation>
    </message>
    <message>
        <source>Read text to file</source>
        <translation>Lire le texte dans un fichier</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>Pause / Reprise</translation>
    </message>
    <message>
        <source>Previous Sentence</source>
        <translation>Phrase précédente</translation>
    </message>
    <message>
        <source>Next Sentence</source>
        <translation>Phrase suivante</translation>
    </message>
    <message>
        <source>Skip to next article</source>
        <translation>Passer à l&apos;article suivant</translation>
    </message>
    <message>
        <source>Stop Reading</source>
        <translation>Arrêter la lecture</translation>
    </message>
    <message>
        <source>Restore main window</source>
        <translation>Rouvrir la fenêtre principale</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
</context>
<context>
    <name>TVoiceEditPage</name>
    <message>
        <source>Voi&amp;ce</source>
        <translation>Voi&amp;x</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>&amp;Pitch</source>
        <translation>&amp;Hauteur</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Sp&amp;eed</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Tester</translation>
    </message>
    <message>
        <source>Reset Defa&amp;ults</source>
        <translation>Valeurs par &amp;défaut</translation>
    </message>
    <message>
        <source>Pau&amp;ses</source>
        <translation>Pau&amp;ses</translation>
    </message>
    <message>
        <source>Pauses</source>
        <translation>Pauses</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Courtes</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normales</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Longues</translation>
    </message>
    <message>
        <source>&amp;More…</source>
        <translation>P&amp;lus…</translation>
    </message>
    <message>
        <source>More pause settings</source>
        <translation>Plus de réglages des pauses</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisées</translation>
    </message>
    <message>
        <source>Milliseconds at the voice&apos;s normal speed; at twice the speed, half as long.</source>
        <translation>Millisecondes à la vitesse normale de la voix ; à vitesse double, deux fois moins.</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>After a &amp;sentence:</source>
        <translation>Après une p&amp;hrase :</translation>
    </message>
    <message>
        <source>After a &amp;paragraph:</source>
        <translation>Après un para&amp;graphe :</translation>
    </message>
    <message>
        <source>&amp;Between articles:</source>
        <translation>&amp;Entre les articles :</translation>
    </message>
    <message>
        <source>This voice has no pitch to change.</source>
        <translation>Cette voix n&apos;a pas de hauteur réglable.</translation>
    </message>
    <message>
        <source>fixed</source>
        <translation>fixe</translation>
    </message>
    <message>
        <source>%1 words a minute</source>
        <translation>%1 mots par minute</translation>
    </message>
</context>
<context>
    <name>TVoiceSourcesPage</name>
    <message>
        <source>Piper &amp;program:</source>
        <translation>&amp;Programme piper :</translation>
    </message>
    <message>
        <source>Piper program</source>
        <translation>Programme piper</translation>
    </message>
    <message>
        <source>piper on the PATH</source>
        <translation>piper dans le PATH</translation>
    </message>
    <message>
        <source>Piper &amp;voice folders:</source>
        <translation>Dossiers de &amp;voix piper :</translation>
    </message>
    <message>
        <source>Piper voice folders</source>
        <translation>Dossiers de voix piper</translation>
    </message>
    <message>
        <source>&amp;Add a folder…</source>
        <translation>&amp;Ajouter un dossier…</translation>
    </message>
    <message>
        <source>&amp;Remove Folder</source>
        <translation>&amp;Retirer le dossier</translation>
    </message>
    <message>
        <source>Add a Folder of Piper Voices</source>
        <translation>Ajouter un dossier de voix piper</translation>
    </message>
    <message>
        <source>The voices can be looked for again once the reading has stopped.</source>
        <translation>Les voix pourront être recherchées de nouveau une fois la lecture arrêtée.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>%1 is too large to be read as an article (more than 64 MB).</source>
        <translation>%1 est trop volumineux pour être lu comme article (plus de 64 Mo).</translation>
    </message>
    <message>
        <source>%1 does not contain text; it was not opened.</source>
        <translation>%1 ne contient pas de texte ; il n&apos;a pas été ouvert.</translation>
    </message>
    <message>
        <source>%1 is empty; it was not opened.</source>
        <translation>%1 est vide ; il n&apos;a pas été ouvert.</translation>
    </message>
</context>
<context>
    <name>Voices</name>
    <message>
        <source>No sound device is available.</source>
        <translation>Aucun périphérique audio disponible.</translation>
    </message>
    <message>
        <source>The speech engine could not be started.</source>
        <translation>Le moteur vocal n&apos;a pas pu démarrer.</translation>
    </message>
</context>
</TS>
