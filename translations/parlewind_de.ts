<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Text nach dem Vorlesen automatisch lö&amp;schen</translation>
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
        <translation>Neuen Text automatisch &amp;vorlesen </translation>
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
</TS>
