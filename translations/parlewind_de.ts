<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ArticleBooks</name>
    <message>
        <source>The list of books (%1) is damaged; it is kept as it was in %2.</source>
        <translation>Die Liste der Bücher (%1) ist beschädigt; sie wird unverändert in %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>The list of books (%1) is damaged.</source>
        <translation>Die Liste der Bücher (%1) ist beschädigt.</translation>
    </message>
</context>
<context>
    <name>Audio</name>
    <message>
        <source>Write Error (1)<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>Schreibfehler (1)<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Write error (2)<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>Schreibfehler (2)<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>%1 is already there and is kept</source>
        <translation>%1 ist bereits vorhanden und wird behalten</translation>
    </message>
    <message>
        <source>The audiobook could not be made (%1: %2)<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>Das Hörbuch konnte nicht erstellt werden (%1: %2)<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>Error reading wave file</source>
        <translation>Fehler beim Lesen der Wave-Datei</translation>
    </message>
    <message>
        <source>Invalid wave file...</source>
        <translation>Ungültige Wave-Datei …</translation>
    </message>
    <message>
        <source>Unable to convert wave file</source>
        <translation>Die Wave-Datei konnte nicht umgewandelt werden</translation>
    </message>
    <message>
        <source>Invalid param passed!</source>
        <translation>Ungültiger Parameter übergeben!</translation>
    </message>
    <message>
        <source>This wave file is not valid for conversion</source>
        <translation>Diese Wave-Datei lässt sich nicht umwandeln</translation>
    </message>
    <message>
        <source>Unable to open wave file</source>
        <translation>Die Wave-Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Unable to setup file IO buffer</source>
        <translation>Der Ein-/Ausgabepuffer der Datei kann nicht eingerichtet werden</translation>
    </message>
    <message>
        <source>Error opening encoding stream %1</source>
        <translation>Fehler beim Öffnen des Kodierdatenstroms %1</translation>
    </message>
    <message>
        <source>Read Error<byte value="xd"/><byte value="xd"/>%1: %2</source>
        <translation>Lesefehler<byte value="xd"/><byte value="xd"/>%1: %2</translation>
    </message>
    <message>
        <source>The Opus encoder could not be started (%1)<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Der Opus-Kodierer konnte nicht gestartet werden (%1)<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The Opus encoder failed (%1)<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Der Opus-Kodierer ist gescheitert (%1)<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The Opus comments could not be written<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>Die Opus-Kommentare konnten nicht geschrieben werden<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>it is already there</source>
        <translation>sie ist bereits vorhanden</translation>
    </message>
    <message>
        <source>the file ends before its sound data does</source>
        <translation>die Datei endet vor ihren Tondaten</translation>
    </message>
    <message>
        <source>its sound %1 cannot be read: %2</source>
        <translation>ihr Ton %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>AudioHelp</name>
    <message>
        <source>&amp;Getting started</source>
        <translation>&amp;Erste Schritte</translation>
    </message>
    <message>
        <source>Gathering &amp;text</source>
        <translation>&amp;Text sammeln</translation>
    </message>
    <message>
        <source>&amp;Single and multi-article mode</source>
        <translation>Einzel- und &amp;Mehrartikelmodus</translation>
    </message>
    <message>
        <source>&amp;Reading aloud, pausing and skipping</source>
        <translation>&amp;Vorlesen, anhalten und überspringen</translation>
    </message>
    <message>
        <source>Reading to &amp;WAV and MP3 files</source>
        <translation>In WAV- und MP3-&amp;Dateien lesen</translation>
    </message>
    <message>
        <source>&amp;Voices, speed and pitch</source>
        <translation>&amp;Stimmen, Tempo und Tonhöhe</translation>
    </message>
    <message>
        <source>The &amp;pronunciation editor</source>
        <translation>Der &amp;Aussprache-Editor</translation>
    </message>
    <message>
        <source>Using the &amp;keyboard</source>
        <translation>Bedienung mit der Tastat&amp;ur</translation>
    </message>
    <message>
        <source>When there is &amp;no sound</source>
        <translation>Wenn &amp;nichts zu hören ist</translation>
    </message>
    <message>
        <source>Installing &amp;more voices</source>
        <translation>&amp;Weitere Stimmen installieren</translation>
    </message>
    <message>
        <source>The notification area and the &amp;floating tool bar</source>
        <translation>Infobereich und schwebende Sym&amp;bolleiste</translation>
    </message>
    <message>
        <source>File:%1 Not Found.</source>
        <translation>Datei:%1 nicht gefunden.</translation>
    </message>
    <message>
        <source>File:%1 cannot be read: %2</source>
        <translation>Datei:%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>File:%1 is larger than 64 MB.</source>
        <translation>Datei:%1 ist größer als 64 MB.</translation>
    </message>
</context>
<context>
    <name>DocumentOpen</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>%1 wird geöffnet…</translation>
    </message>
    <message>
        <source>Opening %1: page %2 of %3…</source>
        <translation>%1 wird geöffnet: Seite %2 von %3…</translation>
    </message>
    <message>
        <source>Opening %1: %2 %…</source>
        <translation>%1 wird geöffnet: %2 %…</translation>
    </message>
    <message>
        <source>Recognising page %1 of %2…</source>
        <translation>Seite %1 von %2 wird erkannt…</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <translation>%1 wird abgerufen…</translation>
    </message>
    <message>
        <source>Fetching part %1 of %2…</source>
        <translation>Teil %1 von %2 wird abgerufen…</translation>
    </message>
    <message>
        <source>The copied picture could not be read: %1.</source>
        <translation>Das kopierte Bild konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>the copied picture</source>
        <translation>das kopierte Bild</translation>
    </message>
    <message>
        <source>The copied picture</source>
        <translation>Das kopierte Bild</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>%1 %2; it was not opened.</source>
        <translation>%1 %2; sie wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>could not be reached (no answer for %1 seconds)</source>
        <translation>war nicht erreichbar (keine Antwort in %1 Sekunden)</translation>
    </message>
    <message>
        <source>took too long to read (a step of it went on for more than %1 seconds)</source>
        <translation>brauchte zu lange zum Lesen (ein Schritt dauerte länger als %1 Sekunden)</translation>
    </message>
    <message>
        <source>could not be fetched in %1 seconds</source>
        <translation>konnte nicht in %1 Sekunden abgerufen werden</translation>
    </message>
    <message>
        <source>took too long to read (more than %1 seconds)</source>
        <translation>brauchte zu lange zum Lesen (länger als %1 Sekunden)</translation>
    </message>
    <message>
        <source>could not be read: the reader did not start (%1)</source>
        <translation>konnte nicht gelesen werden: das Leseprogramm startete nicht (%1)</translation>
    </message>
    <message>
        <source>is too large to be read as an article (more than 64 MB)</source>
        <translation>ist zu groß, um als Artikel gelesen zu werden (mehr als 64 MB)</translation>
    </message>
    <message>
        <source>answered %1 %2</source>
        <translation>antwortete %1 %2</translation>
    </message>
    <message>
        <source>could not be reached (it sends the reader on more than %1 times)</source>
        <translation>war nicht erreichbar (sie leitet mehr als %1-mal weiter)</translation>
    </message>
    <message>
        <source>could not be reached (it sends the reader from a secure address to an insecure one)</source>
        <translation>war nicht erreichbar (sie leitet von einer sicheren zu einer unsicheren Adresse weiter)</translation>
    </message>
    <message>
        <source>could not be reached (%1)</source>
        <translation>war nicht erreichbar (%1)</translation>
    </message>
    <message>
        <source>is not a web page (%1)</source>
        <translation>ist keine Webseite (%1)</translation>
    </message>
    <message>
        <source>could not be kept to be read (%1)</source>
        <translation>konnte nicht zum Lesen zwischengespeichert werden (%1)</translation>
    </message>
    <message>
        <source>part %1 %2; the parts before it were read</source>
        <translation>Teil %1 %2; die Teile davor wurden gelesen</translation>
    </message>
    <message>
        <source>holds more text than can be read as articles</source>
        <translation>enthält mehr Text, als sich als Artikel lesen lässt</translation>
    </message>
    <message>
        <source>could not be read (the reader answered nonsense)</source>
        <translation>konnte nicht gelesen werden (das Leseprogramm antwortete Unsinn)</translation>
    </message>
    <message>
        <source>needs more than %1 MB of memory to read</source>
        <translation>braucht zum Lesen mehr als %1 MB Speicher</translation>
    </message>
    <message>
        <source>could not be read (the reader failed on it; the file may be damaged, or need more than %1 MB of memory or %2 seconds)</source>
        <translation>konnte nicht gelesen werden (das Leseprogramm scheiterte daran; die Datei ist vielleicht beschädigt oder braucht mehr als %1 MB Speicher oder %2 Sekunden)</translation>
    </message>
    <message>
        <source>could not be read (the reader ended without an answer)</source>
        <translation>konnte nicht gelesen werden (das Leseprogramm endete ohne Antwort)</translation>
    </message>
    <message>
        <source>could not be read safely (%1)</source>
        <translation>konnte nicht sicher gelesen werden (%1)</translation>
    </message>
    <message>
        <source>Text and documents (%1)</source>
        <translation>Texte und Dokumente (%1)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Pictures of text (%1)</source>
        <translation>Bilder von Text (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>holds no text to read; it was not opened</source>
        <translation>enthält keinen Text zum Lesen; sie wurde nicht geöffnet</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened: %2</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Error reading input file %1: %2</source>
        <translation>Fehler beim Lesen der Eingabedatei %1: %2</translation>
    </message>
    <message>
        <source>is damaged (it names no package file)</source>
        <translation>ist beschädigt (sie nennt keine Paketdatei)</translation>
    </message>
    <message>
        <source>is protected against copying (its text is encrypted)</source>
        <translation>ist gegen Kopieren geschützt (ihr Text ist verschlüsselt)</translation>
    </message>
    <message>
        <source>is damaged (its reading order names a missing part)</source>
        <translation>ist beschädigt (ihre Lesereihenfolge nennt einen fehlenden Teil)</translation>
    </message>
    <message>
        <source>page %1 was hard to recognise; its text may be wrong</source>
        <translation>Seite %1 war schwer zu erkennen; ihr Text kann falsch sein</translation>
    </message>
    <message>
        <source>pages %1 were hard to recognise; their text may be wrong</source>
        <translation>Die Seiten %1 waren schwer zu erkennen; ihr Text kann falsch sein</translation>
    </message>
    <message>
        <source>is damaged (not a readable PDF)</source>
        <translation>ist beschädigt (kein lesbares PDF)</translation>
    </message>
    <message>
        <source>is protected by a password</source>
        <translation>ist durch ein Passwort geschützt</translation>
    </message>
    <message>
        <source>was not opened: stopped</source>
        <translation>wurde nicht geöffnet: abgebrochen</translation>
    </message>
    <message>
        <source>has more pages of pictures than can be recognised at once (%1; at most %2)</source>
        <translation>hat mehr Bildseiten, als auf einmal erkannt werden können (%1; höchstens %2)</translation>
    </message>
    <message>
        <source>has no text layer (its pages are pictures); it was not opened</source>
        <translation>hat keine Textebene (ihre Seiten sind Bilder); sie wurde nicht geöffnet</translation>
    </message>
    <message>
        <source>holds no text that could be recognised; it was not opened</source>
        <translation>enthält keinen erkennbaren Text; sie wurde nicht geöffnet</translation>
    </message>
    <message>
        <source>could not be read: text recognition did not start (its language data %1 cannot be loaded)</source>
        <translation>konnte nicht gelesen werden: die Texterkennung startete nicht (ihre Sprachdaten %1 lassen sich nicht laden)</translation>
    </message>
    <message>
        <source>is not a picture that can be read (damaged, or of a kind not known)</source>
        <translation>ist kein lesbares Bild (beschädigt oder von unbekannter Art)</translation>
    </message>
    <message>
        <source>is too large a picture to be read (%1 × %2 pixels)</source>
        <translation>ist ein zu großes Bild zum Lesen (%1 × %2 Pixel)</translation>
    </message>
    <message>
        <source>is not a picture that can be read (%1)</source>
        <translation>ist kein lesbares Bild (%1)</translation>
    </message>
    <message>
        <source>is not a picture that can be read (damaged)</source>
        <translation>ist kein lesbares Bild (beschädigt)</translation>
    </message>
    <message>
        <source>has more pages than can be read (%1)</source>
        <translation>hat mehr Seiten, als gelesen werden können (%1)</translation>
    </message>
    <message>
        <source>is damaged (not a readable zip archive)</source>
        <translation>ist beschädigt (kein lesbares ZIP-Archiv)</translation>
    </message>
    <message>
        <source>would unpack to more than 256 MB</source>
        <translation>würde entpackt mehr als 256 MB groß</translation>
    </message>
    <message>
        <source>is damaged (%1 is missing)</source>
        <translation>ist beschädigt (%1 fehlt)</translation>
    </message>
    <message>
        <source>is encrypted</source>
        <translation>ist verschlüsselt</translation>
    </message>
    <message>
        <source>is refused (%1 would unpack to more than 64 MB)</source>
        <translation>wird abgelehnt (%1 würde entpackt mehr als 64 MB groß)</translation>
    </message>
    <message>
        <source>is damaged (%1 cannot be unpacked)</source>
        <translation>ist beschädigt (%1 lässt sich nicht entpacken)</translation>
    </message>
    <message>
        <source>is damaged (%1 does not match its checksum)</source>
        <translation>ist beschädigt (%1 stimmt nicht mit seiner Prüfsumme überein)</translation>
    </message>
    <message>
        <source>is refused (%1 declares entities of its own, which could make it expand without end)</source>
        <translation>wird abgelehnt (%1 erklärt eigene Entitäten, die es endlos anwachsen lassen könnten)</translation>
    </message>
    <message>
        <source>is damaged (%1: %2)</source>
        <translation>ist beschädigt (%1: %2)</translation>
    </message>
    <message>
        <source>a limit could not be set: %1</source>
        <translation>eine Grenze konnte nicht gesetzt werden: %1</translation>
    </message>
    <message>
        <source>the system-call filter could not be made</source>
        <translation>der Systemaufruf-Filter konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>the system-call filter could not be applied</source>
        <translation>der Systemaufruf-Filter konnte nicht angewendet werden</translation>
    </message>
    <message>
        <source>%1 is not a file that can be read (a folder, a device or a pipe); it was not opened.</source>
        <translation>%1 ist keine lesbare Datei (ein Ordner, ein Gerät oder eine Pipe); sie wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>%1 is too large to be read as an article (more than 64 MB); it was not opened.</source>
        <translation>%1 ist zu groß, um als Artikel gelesen zu werden (mehr als 64 MB); sie wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>the picture was hard to recognise; its text may be wrong</source>
        <translation>das Bild war schwer zu erkennen; sein Text kann falsch sein</translation>
    </message>
</context>
<context>
    <name>ESpeechError</name>
    <message>
        <source>The speech recognition or text-to-speech service does not have enough data.</source>
        <translation>Der Spracherkennungs- oder Sprachausgabedienst hat nicht genug Daten.</translation>
    </message>
    <message>
        <source>The sound card does not support the right wave-file format to work with the speech software.</source>
        <translation>Die Soundkarte unterstützt nicht das Wave-Format, das die Sprachsoftware braucht.</translation>
    </message>
    <message>
        <source>The audio device is in use at this time.</source>
        <translation>Das Audiogerät wird gerade verwendet.</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to the speech engine.</source>
        <translation>Der Sprachsynthese wurde ein ungültiger Parameter übergeben.</translation>
    </message>
    <message>
        <source>There was an error in disk access, or there is not enough disk space free. If you are low on disk space, try deleting some files to free up space.</source>
        <translation>Beim Zugriff auf die Festplatte trat ein Fehler auf, oder es ist nicht genug Speicherplatz frei. Wenn der Platz knapp ist, löschen Sie einige Dateien.</translation>
    </message>
    <message>
        <source>The program has selected a non-existent speech engine.</source>
        <translation>Das Programm hat eine nicht vorhandene Sprachsynthese gewählt.</translation>
    </message>
    <message>
        <source>An invalid list was passed to the speech recognizer.</source>
        <translation>Der Spracherkennung wurde eine ungültige Liste übergeben.</translation>
    </message>
    <message>
        <source>An invalid character was passed to the speech engine.</source>
        <translation>Der Sprachsynthese wurde ein ungültiges Zeichen übergeben.</translation>
    </message>
    <message>
        <source>An invalid key was passed to the speech engine.</source>
        <translation>Der Sprachsynthese wurde ein ungültiger Schlüssel übergeben.</translation>
    </message>
    <message>
        <source>There is not enough memory for the text-to-speech engine to finish. Quit some other programs, and then try again.</source>
        <translation>Die Sprachsynthese hat nicht genug Speicher, um fertig zu werden. Beenden Sie andere Programme und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The text string passed into the text-to-speech engine is empty.</source>
        <translation>Der an die Sprachsynthese übergebene Text ist leer.</translation>
    </message>
    <message>
        <source>The program has selected an audio device that does not exist.</source>
        <translation>Das Programm hat ein nicht vorhandenes Audiogerät gewählt.</translation>
    </message>
    <message>
        <source>The program has not told the sound card what wave-file format to use.</source>
        <translation>Das Programm hat der Soundkarte kein Wave-Format genannt.</translation>
    </message>
    <message>
        <source>The audio device is not playing.</source>
        <translation>Das Audiogerät spielt nicht.</translation>
    </message>
    <message>
        <source>Your sound card does not support this audio-file format.</source>
        <translation>Ihre Soundkarte unterstützt dieses Audioformat nicht.</translation>
    </message>
    <message>
        <source>The audio device is not recording.</source>
        <translation>Das Audiogerät nimmt nicht auf.</translation>
    </message>
    <message>
        <source>The audio driver has not been opened. Double-click the MultiMedia icon in Control Panel and make sure the correct drivers are loaded.</source>
        <translation>Der Audiotreiber wurde nicht geöffnet. Prüfen Sie in den Audioeinstellungen, ob die richtigen Treiber geladen sind.</translation>
    </message>
    <message>
        <source>The audio handle is still busy. Try restarting your computer.</source>
        <translation>Das Audiogerät ist noch belegt. Starten Sie den Rechner neu.</translation>
    </message>
    <message>
        <source>The notification sink is not the right type.</source>
        <translation>Die Benachrichtigungsstelle hat nicht den richtigen Typ.</translation>
    </message>
    <message>
        <source>The audio device is not ready.</source>
        <translation>Das Audiogerät ist nicht bereit.</translation>
    </message>
    <message>
        <source>The audio device has already been claimed.</source>
        <translation>Das Audiogerät wurde bereits belegt.</translation>
    </message>
    <message>
        <source>The audio device is still in use.</source>
        <translation>Das Audiogerät wird noch verwendet.</translation>
    </message>
    <message>
        <source>The audio device has already been started.</source>
        <translation>Das Audiogerät wurde bereits gestartet.</translation>
    </message>
    <message>
        <source>Cannot use a synchronous audio device.</source>
        <translation>Ein synchrones Audiogerät kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>Incorrect function.</source>
        <translation>Falsche Funktion.</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Nicht implementiert</translation>
    </message>
    <message>
        <source>No such interface supported</source>
        <translation>Diese Schnittstelle wird nicht unterstützt</translation>
    </message>
    <message>
        <source>Invalid pointer</source>
        <translation>Ungültiger Zeiger</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Not enough memory resources are available to complete this operation.</source>
        <translation>Für diesen Vorgang ist nicht genug Speicher verfügbar.</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>Der Parameter ist falsch.</translation>
    </message>
    <message>
        <source>Class not registered</source>
        <translation>Klasse nicht registriert</translation>
    </message>
</context>
<context>
    <name>Engines</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Speech by eSpeak NG %2 and Flite.&lt;/p&gt;&lt;p&gt;Voices: %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Sprache von eSpeak NG %2 und Flite.&lt;/p&gt;&lt;p&gt;Stimmen: %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;The voice %2 of speech-dispatcher&apos;s output module %3. It reads aloud only: speech-dispatcher gives no sound back to programs.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Die Stimme %2 des speech-dispatcher-Ausgabemoduls %3. Sie liest nur vor: speech-dispatcher gibt Programmen keinen Ton zurück.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>%1 is not a key this shortcut can use.</source>
        <translation>%1 ist keine Taste, die dieses Tastenkürzel verwenden kann.</translation>
    </message>
    <message>
        <source>The desktop did not give the shortcut.</source>
        <translation>Die Arbeitsumgebung hat das Tastenkürzel nicht vergeben.</translation>
    </message>
    <message>
        <source>Read the selection aloud</source>
        <translation>Die Auswahl vorlesen</translation>
    </message>
    <message>
        <source>The shortcut was not confirmed in the desktop&apos;s dialog.</source>
        <translation>Das Tastenkürzel wurde im Dialog der Arbeitsumgebung nicht bestätigt.</translation>
    </message>
    <message>
        <source>The desktop holds this shortcut; it is changed in the desktop&apos;s shortcut settings.</source>
        <translation>Die Arbeitsumgebung verwaltet dieses Tastenkürzel; es wird in ihren Tastenkürzel-Einstellungen geändert.</translation>
    </message>
    <message>
        <source>The desktop holds this shortcut as %1; it is changed in the desktop&apos;s shortcut settings.</source>
        <translation>Die Arbeitsumgebung verwaltet dieses Tastenkürzel als %1; es wird in ihren Tastenkürzel-Einstellungen geändert.</translation>
    </message>
    <message>
        <source>This desktop lets no program take a shortcut of its own.</source>
        <translation>Diese Arbeitsumgebung lässt kein Programm ein eigenes Tastenkürzel belegen.</translation>
    </message>
    <message>
        <source>%1 is taken by another program; choose another shortcut.</source>
        <translation>%1 ist von einem anderen Programm belegt; wählen Sie ein anderes Tastenkürzel.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>its voice file cannot be read</source>
        <translation>ihre Stimmdatei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its dictionary %1 cannot be read</source>
        <translation>ihr Wörterbuch %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its dictionary %1 is damaged</source>
        <translation>ihr Wörterbuch %1 ist beschädigt</translation>
    </message>
    <message>
        <source>The language %1 (%2) is not offered: %3.</source>
        <translation>Die Sprache %1 (%2) wird nicht angeboten: %3.</translation>
    </message>
</context>
<context>
    <name>LanguagesDialog</name>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Each language you check adds a female and a male voice, &quot;Mary (&lt;Language&gt;)&quot; and &quot;Mike (&lt;Language&gt;)&quot;.</source>
        <translation>Jede angehakte Sprache fügt eine weibliche und eine männliche Stimme hinzu: „Mary (&lt;Sprache&gt;)“ und „Mike (&lt;Sprache&gt;)“.</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Languages:</source>
        <translation>Spr&amp;achen:</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>%1 and %2 are used by:<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>These keep the voice&apos;s name, which can no longer be read with until the language is checked again. Uncheck %4?</source>
        <translation>%1 und %2 werden verwendet von:<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>Sie behalten den Namen der Stimme, können aber nicht mehr mit ihr gelesen werden, bis die Sprache wieder angehakt ist. %4 abwählen?</translation>
    </message>
    <message>
        <source>Test %1</source>
        <translation>%1 testen</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>The languages could not be stored; the choice holds until the program ends.</source>
        <translation>Die Sprachen konnten nicht gespeichert werden; die Auswahl gilt, bis das Programm endet.</translation>
    </message>
</context>
<context>
    <name>Lexicon</name>
    <message>
        <source>the file is larger than 64 MB</source>
        <translation>die Datei ist größer als 64 MB</translation>
    </message>
</context>
<context>
    <name>LexiconDialog</name>
    <message>
        <source>Pronunciation Editor</source>
        <translation>Ausspracheeditor</translation>
    </message>
    <message>
        <source>Pronunciations</source>
        <translation>Aussprachen</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Sounds like</source>
        <translation>Klingt wie</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>&amp;Wort:</translation>
    </message>
    <message>
        <source>&amp;Sounds like:</source>
        <translation>&amp;Klingt wie:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>The pronunciations in %1 could not be read (%2); they cannot be edited now.</source>
        <translation>Die Aussprachen in %1 konnten nicht gelesen werden (%2); sie können jetzt nicht bearbeitet werden.</translation>
    </message>
    <message>
        <source>Type a word or phrase and how it sounds.</source>
        <translation>Geben Sie ein Wort oder eine Wendung ein und wie es klingt.</translation>
    </message>
    <message>
        <source>The pronunciations could not be saved to %1</source>
        <translation>Die Aussprachen konnten nicht in %1 gespeichert werden</translation>
    </message>
</context>
<context>
    <name>OptionControls</name>
    <message>
        <source>%1 … %2: type a whole number; until then the last one is kept</source>
        <translation>%1 … %2: Geben Sie eine ganze Zahl ein; bis dahin bleibt der letzte Wert</translation>
    </message>
</context>
<context>
    <name>Piper</name>
    <message>
        <source>the piper program was not found</source>
        <translation>das Programm piper wurde nicht gefunden</translation>
    </message>
    <message>
        <source>the piper program (%1) could not be started</source>
        <translation>das Programm piper (%1) konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>piper wrote no sound the program could read</source>
        <translation>piper lieferte keinen Ton, den das Programm lesen konnte</translation>
    </message>
    <message>
        <source>piper could not load the voice&apos;s model</source>
        <translation>piper konnte das Modell der Stimme nicht laden</translation>
    </message>
    <message>
        <source>piper ended unexpectedly</source>
        <translation>piper endete unerwartet</translation>
    </message>
    <message>
        <source>piper gave no sound for %1 seconds</source>
        <translation>piper gab %1 Sekunden lang keinen Ton</translation>
    </message>
</context>
<context>
    <name>ProgramPaths</name>
    <message>
        <source>Unable to create %1</source>
        <translation>%1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>the folder %1 is on a read-only disk</source>
        <translation>der Ordner %1 liegt auf einem schreibgeschützten Datenträger</translation>
    </message>
    <message>
        <source>permission denied: the folder %1 cannot be written</source>
        <translation>Zugriff verweigert: in den Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>%1 cannot be used (%2).</source>
        <translation>%1 kann nicht verwendet werden (%2).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 gehört einem anderen Benutzer.</translation>
    </message>
    <message>
        <source>%1 can be used by other users too.</source>
        <translation>%1 kann auch von anderen Benutzern verwendet werden.</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2).</source>
        <translation>%1 kann nicht angelegt werden (%2).</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>sie ist ein Link</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>%1 could not be read (%2) and was set aside as %3.</source>
        <translation>%1 konnte nicht gelesen werden (%2) und wurde als %3 beiseitegelegt.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <translation>%1 konnte nicht gelesen werden (%2).</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings could not be written to %1</source>
        <translation>Die Einstellungen konnten nicht in %1 geschrieben werden</translation>
    </message>
    <message>
        <source>Settings file %1 is damaged; defaults are used. A copy was kept as %2</source>
        <translation>Die Einstellungsdatei %1 ist beschädigt; es gelten die Standardwerte. Eine Kopie wurde als %2 aufbewahrt</translation>
    </message>
    <message>
        <source>Settings file %1 cannot be read; defaults are used</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden; es gelten die Standardwerte</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Parlewind talks to its running window through a folder only you may use, and there is none: %1 Set XDG_RUNTIME_DIR to a folder of yours with mode 700.</source>
        <translation>Parlewind spricht mit seinem laufenden Fenster über einen Ordner, den nur Sie verwenden dürfen, und es gibt keinen: %1 Setzen Sie XDG_RUNTIME_DIR auf einen eigenen Ordner mit den Rechten 700.</translation>
    </message>
    <message>
        <source>The program listening in %1 runs as another user; nothing was sent.</source>
        <translation>Das Programm, das in %1 wartet, läuft als anderer Benutzer; es wurde nichts gesendet.</translation>
    </message>
</context>
<context>
    <name>SpeechDispatcher</name>
    <message>
        <source>speech-dispatcher could not be reached (%1)</source>
        <translation>speech-dispatcher war nicht erreichbar (%1)</translation>
    </message>
    <message>
        <source>speech-dispatcher stopped while reading</source>
        <translation>speech-dispatcher hat beim Lesen aufgehört</translation>
    </message>
    <message>
        <source>speech-dispatcher refused the voice</source>
        <translation>speech-dispatcher hat die Stimme abgelehnt</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Parlewind MP3</source>
        <translation>Über Parlewind MP3</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Parlewind MP3&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Reads your text aloud, or into WAV and MP3 files.&lt;/p&gt;&lt;p&gt;&amp;copy; Brivanta Technologies&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Parlewind MP3&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Liest Ihren Text vor oder in WAV- und MP3-Dateien.&lt;/p&gt;&lt;p&gt;&amp;copy; Brivanta Technologies&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check out Parlewind MP3 at %1 .  Parlewind MP3 lets you listen to text you copy to the clipboard. It uses Text to Speech technology which actually synthesizes natural sounding speech from ordinary text.  Listen to your email, news, any text you want.  You can also convert your text to wav or MP3 files so you can listen later.  Try Parlewind MP3 free today at %1</source>
        <translation>Sieh dir Parlewind MP3 unter %1 an.  Mit Parlewind MP3 hörst du dir Text an, den du in die Zwischenablage kopierst. Eine Sprachsynthese macht aus gewöhnlichem Text natürlich klingende Sprache.  Hör dir deine E-Mails, Nachrichten oder jeden anderen Text an.  Du kannst deinen Text auch in WAV- oder MP3-Dateien umwandeln und später anhören.  Probier Parlewind MP3 noch heute kostenlos aus: %1</translation>
    </message>
</context>
<context>
    <name>TArticleList</name>
    <message>
        <source>No rows are currently selected</source>
        <translation>Es ist keine Zeile ausgewählt</translation>
    </message>
</context>
<context>
    <name>TCB_PromptForm</name>
    <message>
        <source>Copy Clipboard to Speech Buffer ?</source>
        <translation>Zwischenablage zum Vorlesen übernehmen?</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Append</source>
        <translation>&amp;Anhängen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Append text to current article</source>
        <translation>Text an den aktuellen Artikel anhängen</translation>
    </message>
    <message>
        <source>Cancel clipboard copy to Parlewind MP3</source>
        <translation>Übernahme aus der Zwischenablage abbrechen</translation>
    </message>
    <message>
        <source>Current Mode is Multi-Article Mode</source>
        <translation>Aktueller Modus: mehrere Artikel</translation>
    </message>
    <message>
        <source>Current Mode is Single-Article Mode</source>
        <translation>Aktueller Modus: ein Artikel</translation>
    </message>
    <message>
        <source>Add new article</source>
        <translation>Neuen Artikel hinzufügen</translation>
    </message>
    <message>
        <source>Overwrite current article</source>
        <translation>Aktuellen Artikel überschreiben</translation>
    </message>
</context>
<context>
    <name>TClipboardPage</name>
    <message>
        <source>&amp;Watch Clipboard</source>
        <translation>&amp;Zwischenablage überwachen</translation>
    </message>
    <message>
        <source>&amp;Ignore clipboard text if less than</source>
        <translation>Text aus der Zwischenablage &amp;ignorieren, wenn kürzer als</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Prompt Options</source>
        <translation>Abfrage</translation>
    </message>
    <message>
        <source>&amp;Prompt to copy from clipboard</source>
        <translation>Vor dem Übernehmen aus der Zwischenablage &amp;fragen</translation>
    </message>
    <message>
        <source>Displa&amp;y Prompt for</source>
        <translation>Abfrage anzei&amp;gen für</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Default A&amp;ction:</source>
        <translation>&amp;Standardaktion:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Remember Last</source>
        <translation>Letzte merken</translation>
    </message>
</context>
<context>
    <name>TClipboardWatch</name>
    <message>
        <source>Watching the clipboard is off: this Wayland desktop does not tell programs in the background of copies. Paste the text into Parlewind instead, or start Parlewind in an X11 session (or through XWayland) to watch the clipboard.</source>
        <translation>Die Zwischenablage wird nicht überwacht: diese Wayland-Arbeitsumgebung meldet Programmen im Hintergrund keine Kopien. Fügen Sie den Text stattdessen in Parlewind ein, oder starten Sie Parlewind in einer X11-Sitzung (oder über XWayland), um die Zwischenablage zu überwachen.</translation>
    </message>
</context>
<context>
    <name>TConvertOptions</name>
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
        <translation>Aufruf: parlewind --convert [Optionen] DATEI...
Liest Textdateien in MP3-, M4B-, Opus- oder WAV-Dateien vor, eine je Datei, mit
den Stimmen, Aussprachen und Einstellungen des Parlewind-Fensters. Braucht weder
Bildschirm noch Soundserver.

  DATEI                eine Textdatei (UTF-8, sonst Windows-1252), ein HTML-,
                       Markdown-, EPUB-, OpenDocument-, Word- oder PDF-Dokument
                       (ein E-Book ergibt eine nummerierte Datei je Kapitel), ein
                       Bild mit Text; eine http- oder https-Adresse liest die
                       Webseite (nur ihren Haupttext); - liest die Standardeingabe
  --whole-page         eine Webseite wird ganz gelesen, mit Menüs und allem
  --articles DATEI     die Artikel einer Datei gespeicherter Artikel, je eine Ausgabe
  --voice NAME         die Stimme, die liest (Vorgabe: die Standardstimme des
                       Fensters oder die eigene jedes gespeicherten Artikels)
  --list-voices        listet die Stimmen und ihre Sprachen auf
  --speed N            Wörter pro Minute, in den Grenzen der Stimme; oder ein
                       Vielfaches ihrer normalen Geschwindigkeit von 0.5x bis 4x
                       (--speed 2.5x)
  --pauses short|normal|long  die Pausen nach Sätzen und Absätzen und zwischen
                       Artikeln (Vorgabe: wie im Fenster eingestellt)
  --languages on|off   Teile in anderen Sprachen liest eine Stimme ihrer Sprache
                       (Vorgabe: an, außer das Fenster schaltet es aus)
  --pitch N            in den Grenzen der Stimme
  --format FORMAT      die zu schreibenden Dateien: mp3 (die Vorgabe), m4b (ein
                       Hörbuch: AAC mit Kapiteln), opus, epub (ein Mitlesebuch:
                       der Text wird Satz für Satz hervorgehoben, während sein Ton
                       spielt, ein Kapitel je Eingabe), wav oder txt (der Text, der
                       gesprochen würde, zum Prüfen oder Bearbeiten vorab)
  --highlight-words    ein Mitlesebuch hebt jedes Wort hervor, nicht nur jeden Satz
  --book-audio mp3|aac der Ton eines Mitlesebuchs (Vorgabe: mp3)
  --subtitles srt|vtt|lrc  der zur Sprache getaktete Text neben jeder Datei, eine
                       Zeile je Satz
  --out ORDNER         wohin geschrieben wird (Vorgabe: der aktuelle Ordner; wird
                       angelegt, wenn er fehlt)
  --single-file NAME   alles in eine Datei dieses Namens, ein Kapitel je Eingabe
                       (die Kapitel eines Buches, wie sie sind)
  --overwrite          ersetzt Dateien, die schon da sind
  --jobs N             gleichzeitig kodierte Dateien (Vorgabe: eine je Kern)
  --quiet              keine Fortschrittsanzeige
  -h, --help           dieser Text
  --version            die Version des Programms

Dateien werden nach ihren Titeln benannt: eine Textdatei nach ihrem Namen ohne
Endung, ein gespeicherter Artikel nach seinem Titel. Dateien erhalten als Tags
den Titel, die Stimme (oder den Autor eines Buches), das Album („Parlewind MP3“,
den Namen des Buches oder der Datei gespeicherter Artikel), die Titelnummer und
das Titelbild eines Buches.

Rückgabewert: 0 alle Dateien geschrieben; 1 einige Eingaben sind gescheitert (jede
wird genannt, die anderen werden geschrieben); 2 der Befehl wurde nicht
verstanden; 128 + die Nummer des Signals bei Abbruch durch ein Signal: 130 Strg+C
(SIGINT), 143 SIGTERM, 129 SIGHUP.

Aufruf: parlewind [DATEI...]
Startet das Parlewind-Fenster oder übergibt die Dateien dem laufenden, wie
„Öffnen“. Befehle an das laufende Programm (die Lesebefehle und --show starten
es, wenn keines läuft; Rückgabewert 0, sobald es den Befehl hat, 1, wenn keines
läuft):
  --read-selection     liest den in einem beliebigen Programm markierten Text vor
                       (den der Zwischenablage, wenn nichts markiert ist); noch
                       einmal: hält an
  --read-clipboard     liest den Text der Zwischenablage vor; noch einmal: hält an
  --pause, --resume, --toggle-pause, --stop, --skip
                       wie die Lesebefehle des Fensters
  --show               holt das Fenster nach vorn
</translation>
    </message>
    <message>
        <source>parlewind --help tells how to use it.</source>
        <translation>parlewind --help erklärt, wie es geht.</translation>
    </message>
    <message>
        <source>the speech engine cannot be started: %1</source>
        <translation>die Sprachausgabe kann nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>the speech engine offers no voice.</source>
        <translation>die Sprachausgabe bietet keine Stimme an.</translation>
    </message>
    <message>
        <source>--%1 wants a whole number greater than 0, not &quot;%2&quot;.</source>
        <translation>--%1 erwartet eine ganze Zahl größer als 0, nicht „%2“.</translation>
    </message>
    <message>
        <source>--speed wants words a minute or a factor such as 2.5x, not &quot;%1&quot;.</source>
        <translation>--speed erwartet Wörter pro Minute oder einen Faktor wie 2.5x, nicht „%1“.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 ist mehr als einmal angegeben.</translation>
    </message>
    <message>
        <source>--voice wants the name of a voice.</source>
        <translation>--voice erwartet den Namen einer Stimme.</translation>
    </message>
    <message>
        <source>--pauses is short, normal or long, not &quot;%1&quot;.</source>
        <translation>--pauses ist short, normal oder long, nicht „%1“.</translation>
    </message>
    <message>
        <source>--languages is on or off, not &quot;%1&quot;.</source>
        <translation>--languages ist on oder off, nicht „%1“.</translation>
    </message>
    <message>
        <source>--format is mp3, m4b, opus, epub, wav or txt, not &quot;%1&quot;.</source>
        <translation>--format ist mp3, m4b, opus, epub, wav oder txt, nicht „%1“.</translation>
    </message>
    <message>
        <source>--book-audio is mp3 or aac, not &quot;%1&quot;.</source>
        <translation>--book-audio ist mp3 oder aac, nicht „%1“.</translation>
    </message>
    <message>
        <source>--%1 is for read-along books (--format epub).</source>
        <translation>--%1 ist für Mitlesebücher (--format epub).</translation>
    </message>
    <message>
        <source>--subtitles is srt, vtt or lrc, not &quot;%1&quot;.</source>
        <translation>--subtitles ist srt, vtt oder lrc, nicht „%1“.</translation>
    </message>
    <message>
        <source>--subtitles times speech; --format txt writes none.</source>
        <translation>--subtitles richtet sich nach der Sprache; --format txt schreibt keine.</translation>
    </message>
    <message>
        <source>--subtitles writes timed text beside sound files; a read-along book holds its own.</source>
        <translation>--subtitles schreibt getakteten Text neben Tondateien; ein Mitlesebuch enthält seinen eigenen.</translation>
    </message>
    <message>
        <source>--out wants a folder.</source>
        <translation>--out erwartet einen Ordner.</translation>
    </message>
    <message>
        <source>--single-file wants a file name.</source>
        <translation>--single-file erwartet einen Dateinamen.</translation>
    </message>
    <message>
        <source>Nothing to convert: name text files, - for the standard input, or --articles FILE.</source>
        <translation>Nichts umzuwandeln: Geben Sie Textdateien an, - für die Standardeingabe oder --articles DATEI.</translation>
    </message>
    <message>
        <source>The standard input can be read only once.</source>
        <translation>Die Standardeingabe kann nur einmal gelesen werden.</translation>
    </message>
    <message>
        <source>, aloud only</source>
        <translation>, nur Vorlesen</translation>
    </message>
</context>
<context>
    <name>TConvertRun</name>
    <message>
        <source>%1 is already there; --overwrite replaces it</source>
        <translation>%1 ist bereits vorhanden; --overwrite ersetzt es</translation>
    </message>
    <message>
        <source>the speech engine failed</source>
        <translation>die Sprachsynthese ist gescheitert</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>more than 64 MB, too large to be read as an article</source>
        <translation>mehr als 64 MB, zu groß, um als Artikel gelesen zu werden</translation>
    </message>
    <message>
        <source>Standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>is a folder, not a text file</source>
        <translation>ist ein Ordner, keine Textdatei</translation>
    </message>
    <message>
        <source>%1, chapter %2</source>
        <translation>%1, Kapitel %2</translation>
    </message>
    <message>
        <source>is a folder, not a saved-articles file</source>
        <translation>ist ein Ordner, keine Datei gespeicherter Artikel</translation>
    </message>
    <message>
        <source>is too large to be a saved-articles file (more than 256 MB)</source>
        <translation>ist zu groß für eine Datei gespeicherter Artikel (mehr als 256 MB)</translation>
    </message>
    <message>
        <source>is not a saved-articles file</source>
        <translation>ist keine Datei gespeicherter Artikel</translation>
    </message>
    <message>
        <source>is damaged; the articles after the damaged place are not converted</source>
        <translation>ist beschädigt; die Artikel nach der beschädigten Stelle werden nicht umgewandelt</translation>
    </message>
    <message>
        <source>%1, article %2</source>
        <translation>%1, Artikel %2</translation>
    </message>
    <message>
        <source>holds no article with text</source>
        <translation>enthält keinen Artikel mit Text</translation>
    </message>
    <message>
        <source>Voice %1 does not exist</source>
        <translation>Die Stimme %1 gibt es nicht</translation>
    </message>
    <message>
        <source>%1 %2 is outside the limits of %3 (%4 to %5).</source>
        <translation>%1 %2 liegt außerhalb der Grenzen von %3 (%4 bis %5).</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Tonhöhe</translation>
    </message>
    <message>
        <source>the output folder cannot be made: %1 is a file, not a folder</source>
        <translation>der Ausgabeordner kann nicht angelegt werden: %1 ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>the output folder cannot be made: %1</source>
        <translation>der Ausgabeordner kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>nothing can be written in the output folder: %1</source>
        <translation>in den Ausgabeordner kann nichts geschrieben werden: %1</translation>
    </message>
    <message>
        <source>A title is required to output speech to a file</source>
        <translation>Für die Ausgabe in eine Datei ist ein Titel nötig</translation>
    </message>
    <message>
        <source>has the same title as an earlier input; %1 is written only once</source>
        <translation>hat denselben Titel wie eine frühere Eingabe; %1 wird nur einmal geschrieben</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;; parlewind --convert --list-voices lists them.</source>
        <translation>es gibt keine Stimme „%1“; parlewind --convert --list-voices listet sie auf.</translation>
    </message>
    <message>
        <source>was not made: a chapter of it could not be made</source>
        <translation>wurde nicht erstellt: ein Kapitel davon konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>The standard input</source>
        <translation>Die Standardeingabe</translation>
    </message>
</context>
<context>
    <name>TDesktopCommands</name>
    <message>
        <source>Parlewind cannot read the selection or the clipboard from the background on this Wayland desktop: it gives them only to the program in front. Paste the text into Parlewind instead, or run Parlewind through XWayland (as it starts where DISPLAY is set).</source>
        <translation>Parlewind kann die Auswahl oder die Zwischenablage in dieser Wayland-Arbeitsumgebung nicht aus dem Hintergrund lesen: sie gibt sie nur dem Programm im Vordergrund. Fügen Sie den Text stattdessen in Parlewind ein, oder starten Sie Parlewind über XWayland (wie es dort startet, wo DISPLAY gesetzt ist).</translation>
    </message>
    <message>
        <source>On this Wayland desktop a program in the background cannot read the selection, so no key can read it to Parlewind here. Run Parlewind through XWayland (as it starts where DISPLAY is set) to read the selection of any program.</source>
        <translation>In dieser Wayland-Arbeitsumgebung kann ein Programm im Hintergrund die Auswahl nicht lesen, daher kann keine Taste sie hier an Parlewind geben. Starten Sie Parlewind über XWayland (wie es dort startet, wo DISPLAY gesetzt ist), um die Auswahl jedes Programms zu lesen.</translation>
    </message>
    <message>
        <source>This desktop lets no program take a shortcut of its own: in its keyboard settings, bind a key to the command  parlewind --read-selection</source>
        <translation>Diese Arbeitsumgebung lässt kein Programm ein eigenes Tastenkürzel belegen: legen Sie in ihren Tastatureinstellungen eine Taste auf den Befehl  parlewind --read-selection</translation>
    </message>
    <message>
        <source>On this Wayland desktop the key reaches Parlewind only while a window of an X11 program has focus. To read the selection from any program, bind a key to the command  parlewind --read-selection  in the desktop&apos;s keyboard settings.</source>
        <translation>In dieser Wayland-Arbeitsumgebung erreicht die Taste Parlewind nur, solange ein Fenster eines X11-Programms den Fokus hat. Um die Auswahl aus jedem Programm zu lesen, legen Sie in den Tastatureinstellungen der Arbeitsumgebung eine Taste auf den Befehl  parlewind --read-selection .</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>Die Zwischenablage enthält keinen Text.</translation>
    </message>
    <message>
        <source>Nothing is selected, and the clipboard holds no text.</source>
        <translation>Nichts ist ausgewählt, und die Zwischenablage enthält keinen Text.</translation>
    </message>
    <message>
        <source>The selection is %1 MB of text; Parlewind reads at most %2 MB from a selection. Save it to a file and open that instead.</source>
        <translation>Die Auswahl umfasst %1 MB Text; Parlewind liest höchstens %2 MB aus einer Auswahl. Speichern Sie sie in einer Datei und öffnen Sie diese.</translation>
    </message>
    <message>
        <source>The selection does not contain text; it was not read.</source>
        <translation>Die Auswahl enthält keinen Text; sie wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>Parlewind does not know the command &quot;%1&quot;.</source>
        <translation>Parlewind kennt den Befehl „%1“ nicht.</translation>
    </message>
    <message>
        <source>Parlewind is reading to a file; try again when it is done.</source>
        <translation>Parlewind liest gerade in eine Datei; versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
</context>
<context>
    <name>TEngineWarningForm</name>
    <message>
        <source>Text To Speech Engine not found</source>
        <translation>Keine Sprachausgabe gefunden</translation>
    </message>
    <message>
        <source>A Text-To-Speech engine does not appear to be installed 
on your machine.  These engines, which perform actual 
speech synthesis, are required for Parlewind to operate.

Installing a speech engine on your computer is easy.  Just 
visit our website for instructions.</source>
        <translation>Auf diesem Rechner scheint keine Sprachausgabe installiert zu sein.
Parlewind braucht eine solche Sprachausgabe, die die eigentliche
Sprachsynthese übernimmt.

Eine Sprachausgabe zu installieren ist einfach.  Besuchen Sie
unsere Website; dort steht, wie es geht.</translation>
    </message>
    <message>
        <source>Click here to download Speech Engine</source>
        <translation>Hier klicken, um eine Sprachausgabe herunterzuladen</translation>
    </message>
    <message>
        <source>If you are having problems or have any questions, please
contact our support staff at</source>
        <translation>Bei Problemen oder Fragen wenden Sie sich bitte
an unsere Unterstützung unter</translation>
    </message>
    <message>
        <source>Exit Parlewind MP3</source>
        <translation>Parlewind MP3 beenden</translation>
    </message>
    <message>
        <source>No web browser could be started for %1</source>
        <translation>Für %1 konnte kein Webbrowser gestartet werden.</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Es konnte kein E-Mail-Programm gestartet werden.</translation>
    </message>
</context>
<context>
    <name>TFavoriteVoicesPage</name>
    <message>
        <source>Favorit&amp;e Voices</source>
        <translation>Lieblingsstimm&amp;en</translation>
    </message>
    <message>
        <source>Exclude the selected voices</source>
        <translation>Die ausgewählten Stimmen ausschließen</translation>
    </message>
    <message>
        <source>Make the selected voices favorites</source>
        <translation>Die ausgewählten Stimmen zu Lieblingsstimmen machen</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>&amp;Languages…</source>
        <translation>&amp;Sprachen…</translation>
    </message>
    <message>
        <source>Voices for more languages</source>
        <translation>Stimmen für weitere Sprachen</translation>
    </message>
    <message>
        <source>E&amp;xcluded Voices</source>
        <translation>Ausgeschlossene St&amp;immen</translation>
    </message>
    <message>
        <source>Use this panel to control the voices used in Parlewind.  Voices  
you exclude will not be selected in Random / Round Robin 
Voice Selection</source>
        <translation>Hier legen Sie fest, welche Stimmen Parlewind verwendet.  Ausgeschlossene
Stimmen werden bei der Stimmenauswahl „Zufällig“ oder „Reihum“
nicht gewählt.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;more&quot;&gt;Want more voices?  Click Here&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;more&quot;&gt;Mehr Stimmen gewünscht?  Hier klicken&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Want more voices?  Click Here</source>
        <translation>Mehr Stimmen gewünscht?  Hier klicken</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is currently the Default Voice<byte value="xd"/>and cannot be excluded</source>
        <translation>„%1“ ist derzeit die Standardstimme<byte value="xd"/>und kann nicht ausgeschlossen werden</translation>
    </message>
    <message>
        <source>At least one voice is required in the Favorites List</source>
        <translation>Mindestens eine Stimme muss in der Liste der Lieblingsstimmen stehen</translation>
    </message>
    <message>
        <source>Select a voice to test</source>
        <translation>Wählen Sie eine Stimme zum Testen</translation>
    </message>
</context>
<context>
    <name>TFileOptionsPage</name>
    <message>
        <source>Output File Format</source>
        <translation>Ausgabedateiformat</translation>
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
        <translation>M&amp;4B-Hörbuch</translation>
    </message>
    <message>
        <source>O&amp;pus</source>
        <translation>O&amp;pus</translation>
    </message>
    <message>
        <source>&amp;Read-along book (EPUB 3)</source>
        <translation>Mitlesebu&amp;ch (EPUB 3)</translation>
    </message>
    <message>
        <source>&amp;Highlight words</source>
        <translation>Wörter her&amp;vorheben</translation>
    </message>
    <message>
        <source>The book lights each word as it is spoken, not only each sentence</source>
        <translation>Das Buch hebt jedes Wort hervor, während es gesprochen wird, nicht nur jeden Satz</translation>
    </message>
    <message>
        <source>Book &amp;audio:</source>
        <translation>Buch&amp;ton:</translation>
    </message>
    <message>
        <source>Book audio</source>
        <translation>Buchton</translation>
    </message>
    <message>
        <source>&amp;Timed text beside each file:</source>
        <translation>&amp;Zeitgesteuerter Text neben jeder Datei:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>SRT subtitles</source>
        <translation>SRT-Untertitel</translation>
    </message>
    <message>
        <source>WebVTT subtitles</source>
        <translation>WebVTT-Untertitel</translation>
    </message>
    <message>
        <source>LRC lyrics</source>
        <translation>LRC-Liedtext</translation>
    </message>
    <message>
        <source>Timed text beside each file</source>
        <translation>Zeitgesteuerter Text neben jeder Datei</translation>
    </message>
    <message>
        <source>File Output D&amp;irectory:</source>
        <translation>Ausgabeo&amp;rdner:</translation>
    </message>
    <message>
        <source>File Output Directory</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>Durch&amp;suchen</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>    Single    </source>
        <translation>    Einzeln    </translation>
    </message>
    <message>
        <source>Single-Article Mode</source>
        <translation>Einzelartikel-Modus</translation>
    </message>
    <message>
        <source>Multi </source>
        <translation>Mehrere </translation>
    </message>
    <message>
        <source>Multi-Article Mode</source>
        <translation>Mehrartikel-Modus</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Read text file</source>
        <translation>Textdatei lesen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Aloud</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <source>Read text aloud</source>
        <translation>Text vorlesen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Read text to file</source>
        <translation>Text in eine Datei lesen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pause / Resume </source>
        <translation>Pause / Fortsetzen </translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Skip to next article</source>
        <translation>Zum nächsten Artikel springen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop reading</source>
        <translation>Lesen beenden</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Display / Hide Options Panels</source>
        <translation>Optionsbereiche ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Öffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Web Address...</source>
        <translation>&amp;Webadresse öffnen...</translation>
    </message>
    <message>
        <source>E&amp;xit Parlewind</source>
        <translation>Parlewind &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Options Panels</source>
        <translation>&amp;Optionsbereiche</translation>
    </message>
    <message>
        <source>&amp;Previous Article</source>
        <translation>&amp;Vorheriger Artikel</translation>
    </message>
    <message>
        <source>&amp;Next Article</source>
        <translation>&amp;Nächster Artikel</translation>
    </message>
    <message>
        <source>&amp;Edit Title and Voice</source>
        <translation>Titel und Stimme &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Watch Clipboard</source>
        <translation>&amp;Zwischenablage überwachen</translation>
    </message>
    <message>
        <source>&amp;Single Article</source>
        <translation>&amp;Einzelartikel</translation>
    </message>
    <message>
        <source>&amp;Multi Article</source>
        <translation>&amp;Mehrere Artikel</translation>
    </message>
    <message>
        <source>Select Audio &amp;Device</source>
        <translation>Audio&amp;gerät wählen</translation>
    </message>
    <message>
        <source>&amp;Pronunciation Editor</source>
        <translation>&amp;Ausspracheeditor</translation>
    </message>
    <message>
        <source>&amp;Languages…</source>
        <translation>&amp;Sprachen…</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>Read &amp;Aloud</source>
        <translation>&amp;Vorlesen</translation>
    </message>
    <message>
        <source>Read to &amp;File</source>
        <translation>In &amp;Datei lesen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>Ü&amp;berspringen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>Read from &amp;Here</source>
        <translation>Ab &amp;hier lesen</translation>
    </message>
    <message>
        <source>Pre&amp;vious Sentence</source>
        <translation>Vo&amp;rheriger Satz</translation>
    </message>
    <message>
        <source>Ne&amp;xt Sentence</source>
        <translation>&amp;Nächster Satz</translation>
    </message>
    <message>
        <source>Stop Af&amp;ter</source>
        <translation>&amp;Ende nach</translation>
    </message>
    <message>
        <source>&amp;%1 Minutes</source>
        <translation>&amp;%1 Minuten</translation>
    </message>
    <message>
        <source>At the End of This &amp;Article</source>
        <translation>Am Ende dieses &amp;Artikels</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>A&amp;us</translation>
    </message>
    <message>
        <source>&amp;Audio Help</source>
        <translation>A&amp;udiohilfe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Visit Brivanta Technologies</source>
        <translation>Brivanta Technologies be&amp;suchen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Neu hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>Auswahl &amp;löschen</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Es konnte kein E-Mail-Programm gestartet werden.</translation>
    </message>
    <message>
        <source>No web browser could be started for %1</source>
        <translation>Für %1 konnte kein Webbrowser gestartet werden.</translation>
    </message>
    <message>
        <source>Parlewind MP3 Pronunciation</source>
        <translation>Parlewind MP3 – Aussprache</translation>
    </message>
    <message>
        <source>This desktop has no notification area, so the window stays open. To end Parlewind, choose Exit Parlewind in the File menu; to close it to a floating tool bar, choose &quot;When minimized&quot; for &quot;Show Floating Toolbar&quot; on the Misc page.</source>
        <translation>Diese Arbeitsumgebung hat keinen Infobereich, daher bleibt das Fenster offen. Um Parlewind zu beenden, wählen Sie „Parlewind beenden“ im Menü „Datei“; um es zu einer schwebenden Symbolleiste zu schließen, wählen Sie auf der Seite „Sonstiges“ für „Schwebende Symbolleiste zeigen“ die Einstellung „Wenn minimiert“.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>Single-Article Options</source>
        <translation>Optionen für einen Artikel</translation>
    </message>
    <message>
        <source>Multi-Article Options</source>
        <translation>Optionen für mehrere Artikel</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>Optionsseiten</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>Favorite Voices</source>
        <translation>Lieblingsstimmen</translation>
    </message>
    <message>
        <source>Voice Edit</source>
        <translation>Stimme bearbeiten</translation>
    </message>
    <message>
        <source>File Options</source>
        <translation>Dateioptionen</translation>
    </message>
    <message>
        <source>Voice Sources</source>
        <translation>Stimmenquellen</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>The help page on more voices could not be opened.</source>
        <translation>Die Hilfeseite über weitere Stimmen konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Watching the clipboard is off on this Wayland desktop (see the Clipboard page).</source>
        <translation>Das Überwachen der Zwischenablage ist auf dieser Wayland-Arbeitsumgebung aus (siehe die Seite „Zwischenablage“).</translation>
    </message>
    <message>
        <source>Parlewind MP3 is still running. Use the icon here to restore it or to exit.</source>
        <translation>Parlewind MP3 läuft weiter. Über dieses Symbol stellen Sie es wieder her oder beenden es.</translation>
    </message>
    <message>
        <source>The help file could not be found.</source>
        <translation>Die Hilfedatei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>No program could be started to show the help file %1</source>
        <translation>Es konnte kein Programm gestartet werden, um die Hilfedatei %1 anzuzeigen.</translation>
    </message>
    <message>
        <source>Parlewind MP3 Languages</source>
        <translation>Parlewind MP3 – Sprachen</translation>
    </message>
    <message>
        <source>Read the page at %1?</source>
        <translation>Die Seite unter %1 lesen?</translation>
    </message>
    <message>
        <source>Open Web Address</source>
        <translation>Webadresse öffnen</translation>
    </message>
    <message>
        <source>&amp;Address of the page (http or https):</source>
        <translation>&amp;Adresse der Seite (http oder https):</translation>
    </message>
    <message>
        <source>Address of the page</source>
        <translation>Adresse der Seite</translation>
    </message>
    <message>
        <source>%1 is not a web address; an address begins with http:// or https://.</source>
        <translation>%1 ist keine Webadresse; eine Adresse beginnt mit http:// oder https://.</translation>
    </message>
    <message>
        <source>The copied picture: %1</source>
        <translation>Das kopierte Bild: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n more files could not be opened either.</source>
        <translation>
            <numerusform>%n weitere Datei konnte ebenfalls nicht geöffnet werden.</numerusform>
            <numerusform>%n weitere Dateien konnten ebenfalls nicht geöffnet werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>%1 wird geöffnet…</translation>
    </message>
</context>
<context>
    <name>TMIOptionsSheet</name>
    <message>
        <source>Multi-Article Options</source>
        <translation>Optionen für mehrere Artikel</translation>
    </message>
    <message>
        <source>File Output:</source>
        <translation>Dateiausgabe:</translation>
    </message>
    <message>
        <source>Single File</source>
        <translation>Eine Datei</translation>
    </message>
    <message>
        <source>Multiple Files</source>
        <translation>Mehrere Dateien</translation>
    </message>
    <message>
        <source>Voice Selection:</source>
        <translation>Stimmenauswahl:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Round Robin</source>
        <translation>Reihum</translation>
    </message>
    <message>
        <source>Automatically &amp;Delete Text after play</source>
        <translation>Te&amp;xt nach dem Vorlesen automatisch löschen</translation>
    </message>
</context>
<context>
    <name>TMemoEntry</name>
    <message>
        <source>Error reading input file</source>
        <translation>Fehler beim Lesen der Eingabedatei</translation>
    </message>
</context>
<context>
    <name>TMemoEntryView</name>
    <message>
        <source>Article %1 of %2</source>
        <translation>Artikel %1 von %2</translation>
    </message>
    <message>
        <source>Voice: %1</source>
        <translation>Stimme: %1</translation>
    </message>
</context>
<context>
    <name>TMemoListBox</name>
    <message>
        <source>Articles</source>
        <translation>Artikel</translation>
    </message>
</context>
<context>
    <name>TMiscPage</name>
    <message>
        <source>Int&amp;erface language:</source>
        <translation>Sprache der &amp;Benutzeroberfläche:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>(from the next start)</source>
        <translation>(ab dem nächsten Start)</translation>
    </message>
    <message>
        <source>Default Voi&amp;ce:</source>
        <translation>Standard&amp;stimme:</translation>
    </message>
    <message>
        <source>Show Floating &amp;Toolbar:</source>
        <translation>Schwebende Symbolleiste &amp;zeigen:</translation>
    </message>
    <message>
        <source>On request only</source>
        <translation>Nur auf Anforderung</translation>
    </message>
    <message>
        <source>When minimized</source>
        <translation>Wenn minimiert</translation>
    </message>
    <message>
        <source>When minimized and reading starts</source>
        <translation>Wenn minimiert und das Lesen beginnt</translation>
    </message>
    <message>
        <source>&amp;Web pages:</source>
        <translation>&amp;Webseiten:</translation>
    </message>
    <message>
        <source>Main text only</source>
        <translation>Nur der Haupttext</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Floating Toolbar Always on To&amp;p</source>
        <translation>Schwebende Symbolleiste immer im Vorder&amp;grund</translation>
    </message>
    <message>
        <source>Highlight C&amp;urrent Word</source>
        <translation>Aktuelles Wort her&amp;vorheben</translation>
    </message>
    <message>
        <source>Start Parlewind at &amp;Login</source>
        <translation>Parlewind bei der A&amp;nmeldung starten</translation>
    </message>
    <message>
        <source>F&amp;ilter non-alpha symbols</source>
        <translation>Nicht alphabetische Zeichen &amp;filtern</translation>
    </message>
    <message>
        <source>&amp;Read the selection from any program:</source>
        <translation>Auswahl aus jedem Programm vorl&amp;esen:</translation>
    </message>
    <message>
        <source>Read the selection from any program</source>
        <translation>Auswahl aus jedem Programm vorlesen</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>&amp;Keines</translation>
    </message>
    <message>
        <source>No shortcut</source>
        <translation>Kein Tastenkürzel</translation>
    </message>
    <message>
        <source>Read every article with its own voice o&amp;nly</source>
        <translation>&amp;Jeden Artikel nur mit seiner eigenen Stimme lesen</translation>
    </message>
    <message>
        <source>Voices for other lan&amp;guages:</source>
        <translation>Stimmen für andere Sp&amp;rachen:</translation>
    </message>
    <message>
        <source>Rea&amp;d by:</source>
        <translation>Gelesen &amp;mit:</translation>
    </message>
</context>
<context>
    <name>TMyAudioDeviceDlg</name>
    <message>
        <source>Audio Device ID </source>
        <translation>Audiogerät </translation>
    </message>
    <message>
        <source>&amp;Devices:</source>
        <translation>&amp;Geräte:</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>Gerätenummer</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Sound server name</source>
        <translation>Name beim Soundserver</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formate</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Supports</source>
        <translation>Unterstützt</translation>
    </message>
    <message>
        <source>Audio Destination Device ID</source>
        <translation>Audio-Ausgabegerät</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>System Default Output</source>
        <translation>Standardausgabe des Systems</translation>
    </message>
    <message>
        <source>11.025 kHz, Mono, 8-bit</source>
        <translation>11,025 kHz, Mono, 8 Bit</translation>
    </message>
    <message>
        <source>11.025 kHz, Stereo, 8-bit</source>
        <translation>11,025 kHz, Stereo, 8 Bit</translation>
    </message>
    <message>
        <source>11.025 kHz, Mono, 16-bit</source>
        <translation>11,025 kHz, Mono, 16 Bit</translation>
    </message>
    <message>
        <source>11.025 kHz, Stereo, 16-bit</source>
        <translation>11,025 kHz, Stereo, 16 Bit</translation>
    </message>
    <message>
        <source>22.05 kHz, Mono, 8-bit </source>
        <translation>22,05 kHz, Mono, 8 Bit</translation>
    </message>
    <message>
        <source>22.05 kHz, Stereo, 8-bit</source>
        <translation>22,05 kHz, Stereo, 8 Bit</translation>
    </message>
    <message>
        <source>22.05 kHz, Mono, 16-bit</source>
        <translation>22,05 kHz, Mono, 16 Bit</translation>
    </message>
    <message>
        <source>22.05 kHz, Stereo, 16-bit</source>
        <translation>22,05 kHz, Stereo, 16 Bit</translation>
    </message>
    <message>
        <source>44.1 kHz, Mono, 8-bit</source>
        <translation>44,1 kHz, Mono, 8 Bit</translation>
    </message>
    <message>
        <source>44.1 kHz, Stereo, 8-bit</source>
        <translation>44,1 kHz, Stereo, 8 Bit</translation>
    </message>
    <message>
        <source>44.1 kHz, Mono, 16-bit</source>
        <translation>44,1 kHz, Mono, 16 Bit</translation>
    </message>
    <message>
        <source>44.1 kHz, Stereo, 16-bit</source>
        <translation>44,1 kHz, Stereo, 16 Bit</translation>
    </message>
    <message>
        <source>Supports separate left and right volume control. </source>
        <translation>Unterstützt getrennte Lautstärke links und rechts. </translation>
    </message>
    <message>
        <source>Supports pitch control. </source>
        <translation>Unterstützt Tonhöhensteuerung. </translation>
    </message>
    <message>
        <source>Support playback rate control. </source>
        <translation>Unterstützt Wiedergabetempo-Steuerung. </translation>
    </message>
    <message>
        <source>The driver is synchronous and will block while playing a buffer. </source>
        <translation>Der Treiber arbeitet synchron und blockiert, während er einen Puffer abspielt. </translation>
    </message>
    <message>
        <source>Supports volume control. </source>
        <translation>Unterstützt Lautstärkesteuerung. </translation>
    </message>
    <message>
        <source>Returns sample-accurate position information.</source>
        <translation>Liefert samplegenaue Positionsangaben.</translation>
    </message>
</context>
<context>
    <name>TNotifyIcon</name>
    <message>
        <source>Parlewind MP3</source>
        <translation>Parlewind MP3</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Show &amp;Toolbar</source>
        <translation>&amp;Symbolleiste zeigen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Read &amp;Aloud</source>
        <translation>&amp;Vorlesen</translation>
    </message>
    <message>
        <source>Read to &amp;File</source>
        <translation>In &amp;Datei lesen</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>Überspr&amp;ingen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>Pre&amp;vious Sentence</source>
        <translation>Vo&amp;rheriger Satz</translation>
    </message>
    <message>
        <source>&amp;Next Sentence</source>
        <translation>&amp;Nächster Satz</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>In&amp;fo</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>Fortsetz&amp;en</translation>
    </message>
</context>
<context>
    <name>TOutDirDialog</name>
    <message>
        <source>Select Output Directory</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Current Directory:</source>
        <translation>Aktueller Ordner:</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Neuer Ordner</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>New Folder %1</source>
        <translation>Neuer Ordner %1</translation>
    </message>
    <message>
        <source>A folder could not be made in %1</source>
        <translation>In %1 konnte kein Ordner angelegt werden.</translation>
    </message>
</context>
<context>
    <name>TProgramCore</name>
    <message>
        <source>Reading Test Message</source>
        <translation>Testnachricht wird vorgelesen</translation>
    </message>
    <message>
        <source>Reading Audio Help</source>
        <translation>Audiohilfe wird vorgelesen</translation>
    </message>
    <message>
        <source>No articles</source>
        <translation>Keine Artikel</translation>
    </message>
    <message>
        <source>1 article</source>
        <translation>1 Artikel</translation>
    </message>
    <message numerus="yes">
        <source>%n articles</source>
        <translation>
            <numerusform>%n Artikel</numerusform>
            <numerusform>%n Artikel</numerusform>
        </translation>
    </message>
    <message>
        <source>This item is currently being read and cannot be deleted</source>
        <translation>Dieser Eintrag wird gerade vorgelesen und kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>The articles could not be saved: %1</source>
        <translation>Die Artikel konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The settings were missing; defaults are used. The saved articles were restored.</source>
        <translation>Die Einstellungen fehlten; es gelten die Standardwerte. Die gespeicherten Artikel wurden wiederhergestellt.</translation>
    </message>
    <message>
        <source>The saved articles file is damaged: %1 of %2 articles were restored.</source>
        <translation>Die Datei der gespeicherten Artikel ist beschädigt: %1 von %2 Artikeln wurden wiederhergestellt.</translation>
    </message>
    <message>
        <source>%1 of the %2 saved articles were restored (single-article mode keeps one).</source>
        <translation>%1 der %2 gespeicherten Artikel wurden wiederhergestellt (der Einzelartikelmodus behält einen).</translation>
    </message>
    <message>
        <source>The file as it was is kept in %1</source>
        <translation>Die Datei wird unverändert in %1 aufbewahrt</translation>
    </message>
    <message>
        <source>The file could not be copied to %1</source>
        <translation>Die Datei konnte nicht nach %1 kopiert werden</translation>
    </message>
    <message>
        <source>The articles could not be saved to %1: %2<byte value="xd"/><byte value="xd"/>Parlewind stays open so that nothing is lost. Make room on the disk, then choose Exit again.</source>
        <translation>Die Artikel konnten nicht in %1 gespeichert werden: %2<byte value="xd"/><byte value="xd"/>Parlewind bleibt geöffnet, damit nichts verloren geht. Schaffen Sie Platz auf dem Datenträger und wählen Sie dann erneut Beenden.</translation>
    </message>
    <message>
        <source>the default voice (%1)</source>
        <translation>die Standardstimme (%1)</translation>
    </message>
    <message>
        <source>article %1 &quot;%2&quot; (%3)</source>
        <translation>Artikel %1 „%2“ (%3)</translation>
    </message>
    <message>
        <source>AddMemo Failed</source>
        <translation>AddMemo ist gescheitert</translation>
    </message>
</context>
<context>
    <name>TProgressBar</name>
    <message>
        <source> %1%  %2/%3 files  %4 of audio</source>
        <translation> %1%  %2/%3 Dateien  %4 Audio</translation>
    </message>
</context>
<context>
    <name>TPropertyPanel</name>
    <message>
        <source>Title and voice</source>
        <translation>Titel und Stimme</translation>
    </message>
    <message>
        <source>F2 changes them</source>
        <translation>F2 ändert sie</translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Titel: </translation>
    </message>
    <message>
        <source>Voice: </source>
        <translation>Stimme: </translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Read selected article</source>
        <translation>Ausgewählten Artikel vorlesen</translation>
    </message>
    <message>
        <source>Read to File</source>
        <translation>In Datei lesen</translation>
    </message>
    <message>
        <source>Read selected article to file</source>
        <translation>Ausgewählten Artikel in eine Datei lesen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete selected article</source>
        <translation>Ausgewählten Artikel löschen</translation>
    </message>
    <message>
        <source>More languages…</source>
        <translation>Weitere Sprachen…</translation>
    </message>
</context>
<context>
    <name>TReadingSession</name>
    <message>
        <source>A title is required to output speech to a file</source>
        <translation>Für die Ausgabe in eine Datei ist ein Titel nötig</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>in Gebrauch</translation>
    </message>
    <message>
        <source>The sound device %1 is gone. Reading has stopped.</source>
        <translation>Das Audiogerät %1 ist nicht mehr da. Das Lesen wurde beendet.</translation>
    </message>
    <message>
        <source>The voice could not speak &quot;%1&quot; (its speech engine failed on it). Reading has stopped.</source>
        <translation>Die Stimme konnte „%1“ nicht sprechen (ihre Sprachausgabe ist daran gescheitert). Das Lesen wurde beendet.</translation>
    </message>
    <message>
        <source>The voice %1 could not go on with &quot;%2&quot;: %3. Reading has stopped.</source>
        <translation>Die Stimme %1 konnte „%2“ nicht weiterlesen: %3. Das Lesen wurde beendet.</translation>
    </message>
    <message>
        <source>A title is required for each item entry when<byte value="xd"/>outputting to multiple files</source>
        <translation>Für die Ausgabe in mehrere Dateien braucht<byte value="xd"/>jeder Eintrag einen Titel</translation>
    </message>
    <message>
        <source>Output directory %1 is not valid</source>
        <translation>Der Ausgabeordner %1 ist ungültig</translation>
    </message>
    <message>
        <source>Article %1 of %2</source>
        <translation>Artikel %1 von %2</translation>
    </message>
    <message>
        <source>Stops at the end of this article</source>
        <translation>Endet am Ende dieses Artikels</translation>
    </message>
    <message>
        <source>Stops at the end of this sentence</source>
        <translation>Endet am Ende dieses Satzes</translation>
    </message>
    <message>
        <source>Stops in %1 min</source>
        <translation>Endet in %1 min</translation>
    </message>
    <message>
        <source>Making the read-along book: </source>
        <translation>Das Mitlesebuch wird erstellt: </translation>
    </message>
    <message>
        <source>Converting to %1 format: </source>
        <translation>Umwandlung ins Format %1: </translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Schreibe %1</translation>
    </message>
    <message>
        <source>Writing the book</source>
        <translation>Das Buch wird geschrieben</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2 was not made.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2 wurde nicht erstellt.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2 was not made. The speech is kept in %3.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2 wurde nicht erstellt. Die Sprache ist in %3 aufbewahrt.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>The unfinished file was removed.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Die unfertige Datei wurde entfernt.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>TSIBusyForm</name>
    <message>
        <source>Parlewind Busy ...</source>
        <translation>Parlewind ist beschäftigt ...</translation>
    </message>
    <message>
        <source>In Single-Item mode, Parlewind cannot copy from 
the clipboard while text is being read.</source>
        <translation>Im Modus „ein Artikel“ kann Parlewind nichts aus der
Zwischenablage übernehmen, während Text vorgelesen wird.</translation>
    </message>
    <message>
        <source>&amp;Do not show this dialog again</source>
        <translation>Diesen Dialog &amp;nicht mehr anzeigen</translation>
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
        <translation>Optionen für einen Artikel</translation>
    </message>
    <message>
        <source>Voice Selection:</source>
        <translation>Stimmenauswahl:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Automatically &amp;Speak New Text </source>
        <translation>Neuen Te&amp;xt automatisch vorlesen </translation>
    </message>
</context>
<context>
    <name>TTS</name>
    <message>
        <source>Speak method failed. </source>
        <translation>Die Methode Speak ist gescheitert. </translation>
    </message>
    <message>
        <source>No wave out devices available on system.</source>
        <translation>Im System sind keine Ausgabegeräte für Wave vorhanden.</translation>
    </message>
</context>
<context>
    <name>TTTSForm</name>
    <message>
        <source>Voice %1 does not exist</source>
        <translation>Die Stimme %1 gibt es nicht</translation>
    </message>
    <message>
        <source>No sound device was found. Reading aloud needs a sound server (PulseAudio or PipeWire); reading to files works without one.</source>
        <translation>Es wurde kein Audiogerät gefunden. Zum Vorlesen braucht es einen Soundserver (PulseAudio oder PipeWire); in Dateien lesen geht auch ohne.</translation>
    </message>
    <message>
        <source>%1 can only read aloud: speech-dispatcher gives no sound back to programs. Choose another voice for files.</source>
        <translation>%1 kann nur vorlesen: speech-dispatcher gibt Programmen keinen Ton zurück. Wählen Sie für Dateien eine andere Stimme.</translation>
    </message>
    <message>
        <source>no voices found</source>
        <translation>keine Stimmen gefunden</translation>
    </message>
    <message>
        <source>1 voice</source>
        <translation>1 Stimme</translation>
    </message>
    <message numerus="yes">
        <source>%n voices</source>
        <translation>
            <numerusform>%n Stimme</numerusform>
            <numerusform>%n Stimmen</numerusform>
        </translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>nicht installiert</translation>
    </message>
    <message>
        <source>looking for voices…</source>
        <translation>Stimmen werden gesucht…</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>nicht erreicht</translation>
    </message>
    <message>
        <source>%1, read aloud only</source>
        <translation>%1, nur zum Vorlesen</translation>
    </message>
    <message>
        <source>Modules: %1</source>
        <translation>Module: %1</translation>
    </message>
    <message>
        <source>No piper program on the PATH or where chosen.</source>
        <translation>Kein piper-Programm im Suchpfad (PATH) oder am gewählten Ort.</translation>
    </message>
    <message>
        <source>Program: %1</source>
        <translation>Programm: %1</translation>
    </message>
    <message>
        <source>Sound card is busy.  Wait and try again.</source>
        <translation>Die Soundkarte ist belegt.  Warten Sie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Error accessing sound card</source>
        <translation>Fehler beim Zugriff auf die Soundkarte</translation>
    </message>
    <message>
        <source>Audio device check failed. <byte value="xd"/>Verify that the device you have selected is a valid audio device<byte value="xd"/><byte value="xd"/>Please contact Brivanta Support if you&apos;re having problems</source>
        <translation>Die Prüfung des Audiogeräts ist fehlgeschlagen. <byte value="xd"/>Prüfen Sie, ob das gewählte Gerät ein gültiges Audiogerät ist<byte value="xd"/><byte value="xd"/>Bei Problemen wenden Sie sich bitte an die Brivanta-Unterstützung</translation>
    </message>
    <message>
        <source>TTSForm initialization error - error creating TmpTTS</source>
        <translation>Fehler beim Einrichten der Sprachausgabe: das vorläufige Sprachobjekt konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>TToolBarForm</name>
    <message>
        <source>Parlewind MP3 Toolbar</source>
        <translation>Parlewind MP3 – Symbolleiste</translation>
    </message>
    <message>
        <source>Read text aloud</source>
        <translation>Text vorlesen</translation>
    </message>
    <message>
        <source>Read text to file</source>
        <translation>Text in eine Datei lesen</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>Pause / Fortsetzen</translation>
    </message>
    <message>
        <source>Previous Sentence</source>
        <translation>Vorheriger Satz</translation>
    </message>
    <message>
        <source>Next Sentence</source>
        <translation>Nächster Satz</translation>
    </message>
    <message>
        <source>Skip to next article</source>
        <translation>Zum nächsten Artikel springen</translation>
    </message>
    <message>
        <source>Stop Reading</source>
        <translation>Lesen beenden</translation>
    </message>
    <message>
        <source>Restore main window</source>
        <translation>Hauptfenster wiederherstellen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>TVoiceEditPage</name>
    <message>
        <source>Voi&amp;ce</source>
        <translation>Sti&amp;mme</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>&amp;Pitch</source>
        <translation>Tonh&amp;öhe</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Tonhöhe</translation>
    </message>
    <message>
        <source>Sp&amp;eed</source>
        <translation>&amp;Geschwindigkeit</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>Reset Defa&amp;ults</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Pau&amp;ses</source>
        <translation>&amp;Pausen</translation>
    </message>
    <message>
        <source>Pauses</source>
        <translation>Pausen</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kurz</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Lang</translation>
    </message>
    <message>
        <source>&amp;More…</source>
        <translation>Meh&amp;r…</translation>
    </message>
    <message>
        <source>More pause settings</source>
        <translation>Weitere Pauseneinstellungen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Milliseconds at the voice&apos;s normal speed; at twice the speed, half as long.</source>
        <translation>Millisekunden bei der normalen Geschwindigkeit der Stimme; bei doppelter Geschwindigkeit halb so lang.</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>After a &amp;sentence:</source>
        <translation>Nach einem &amp;Satz:</translation>
    </message>
    <message>
        <source>After a &amp;paragraph:</source>
        <translation>Nach einem &amp;Absatz:</translation>
    </message>
    <message>
        <source>&amp;Between articles:</source>
        <translation>&amp;Zwischen Artikeln:</translation>
    </message>
    <message>
        <source>This voice has no pitch to change.</source>
        <translation>Diese Stimme hat keine veränderbare Tonhöhe.</translation>
    </message>
    <message>
        <source>fixed</source>
        <translation>fest</translation>
    </message>
    <message>
        <source>%1 words a minute</source>
        <translation>%1 Wörter pro Minute</translation>
    </message>
</context>
<context>
    <name>TVoiceSourcesPage</name>
    <message>
        <source>Piper &amp;program:</source>
        <translation>Piper-&amp;Programm:</translation>
    </message>
    <message>
        <source>Piper program</source>
        <translation>Piper-Programm</translation>
    </message>
    <message>
        <source>piper on the PATH</source>
        <translation>piper im Suchpfad (PATH)</translation>
    </message>
    <message>
        <source>Piper &amp;voice folders:</source>
        <translation>Piper-&amp;Stimmenordner:</translation>
    </message>
    <message>
        <source>Piper voice folders</source>
        <translation>Piper-Stimmenordner</translation>
    </message>
    <message>
        <source>&amp;Add a folder…</source>
        <translation>Ordner hin&amp;zufügen…</translation>
    </message>
    <message>
        <source>&amp;Remove Folder</source>
        <translation>Ordner &amp;entfernen</translation>
    </message>
    <message>
        <source>Add a Folder of Piper Voices</source>
        <translation>Einen Ordner mit Piper-Stimmen hinzufügen</translation>
    </message>
    <message>
        <source>The voices can be looked for again once the reading has stopped.</source>
        <translation>Die Stimmen können erneut gesucht werden, sobald das Lesen beendet ist.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>%1 is too large to be read as an article (more than 64 MB).</source>
        <translation>%1 ist zu groß, um als Artikel gelesen zu werden (mehr als 64 MB).</translation>
    </message>
    <message>
        <source>%1 does not contain text; it was not opened.</source>
        <translation>%1 enthält keinen Text; sie wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>%1 is empty; it was not opened.</source>
        <translation>%1 ist leer; sie wurde nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>Voices</name>
    <message>
        <source>No sound device is available.</source>
        <translation>Kein Audiogerät ist verfügbar.</translation>
    </message>
    <message>
        <source>The speech engine could not be started.</source>
        <translation>Die Sprachsynthese konnte nicht gestartet werden.</translation>
    </message>
</context>
</TS>
