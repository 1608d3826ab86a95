<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ArticleBooks</name>
    <message>
        <source>The list of books (%1) is damaged; it is kept as it was in %2.</source>
        <translation>La lista de libros (%1) está dañada; se conserva tal como estaba en %2.</translation>
    </message>
    <message>
        <source>The list of books (%1) is damaged.</source>
        <translation>La lista de libros (%1) está dañada.</translation>
    </message>
</context>
<context>
    <name>Audio</name>
    <message>
        <source>Write Error (1)<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>Error de escritura (1)<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Write error (2)<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>Error de escritura (2)<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>%1 is already there and is kept</source>
        <translation>%1 ya existe y se conserva</translation>
    </message>
    <message>
        <source>The audiobook could not be made (%1: %2)<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>No se pudo crear el audiolibro (%1: %2)<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>Error reading wave file</source>
        <translation>Error al leer el archivo WAV</translation>
    </message>
    <message>
        <source>Invalid wave file...</source>
        <translation>Archivo WAV no válido...</translation>
    </message>
    <message>
        <source>Unable to convert wave file</source>
        <translation>No se puede convertir el archivo WAV</translation>
    </message>
    <message>
        <source>Invalid param passed!</source>
        <translation>¡Se pasó un parámetro no válido!</translation>
    </message>
    <message>
        <source>This wave file is not valid for conversion</source>
        <translation>Este archivo WAV no se puede convertir</translation>
    </message>
    <message>
        <source>Unable to open wave file</source>
        <translation>No se puede abrir el archivo WAV</translation>
    </message>
    <message>
        <source>Unable to setup file IO buffer</source>
        <translation>No se puede preparar el búfer de entrada y salida del archivo</translation>
    </message>
    <message>
        <source>Error opening encoding stream %1</source>
        <translation>Error al abrir el flujo de codificación %1</translation>
    </message>
    <message>
        <source>Read Error<byte value="xd"/><byte value="xd"/>%1: %2</source>
        <translation>Error de lectura<byte value="xd"/><byte value="xd"/>%1: %2</translation>
    </message>
    <message>
        <source>The Opus encoder could not be started (%1)<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>No se pudo iniciar el codificador Opus (%1)<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The Opus encoder failed (%1)<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>El codificador Opus falló (%1)<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The Opus comments could not be written<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>No se pudieron escribir los comentarios Opus<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>it is already there</source>
        <translation>ya existe</translation>
    </message>
    <message>
        <source>the file ends before its sound data does</source>
        <translation>el archivo termina antes que sus datos de sonido</translation>
    </message>
    <message>
        <source>its sound %1 cannot be read: %2</source>
        <translation>su sonido %1 no se puede leer: %2</translation>
    </message>
</context>
<context>
    <name>AudioHelp</name>
    <message>
        <source>&amp;Getting started</source>
        <translation>&amp;Primeros pasos</translation>
    </message>
    <message>
        <source>Gathering &amp;text</source>
        <translation>Reunir &amp;texto</translation>
    </message>
    <message>
        <source>&amp;Single and multi-article mode</source>
        <translation>Modo de artículo &amp;único y de varios artículos</translation>
    </message>
    <message>
        <source>&amp;Reading aloud, pausing and skipping</source>
        <translation>&amp;Leer en voz alta, pausar y saltar</translation>
    </message>
    <message>
        <source>Reading to &amp;WAV and MP3 files</source>
        <translation>Leer a archivos &amp;WAV y MP3</translation>
    </message>
    <message>
        <source>&amp;Voices, speed and pitch</source>
        <translation>&amp;Voces, velocidad y tono</translation>
    </message>
    <message>
        <source>The &amp;pronunciation editor</source>
        <translation>El editor de p&amp;ronunciación</translation>
    </message>
    <message>
        <source>Using the &amp;keyboard</source>
        <translation>Usar el te&amp;clado</translation>
    </message>
    <message>
        <source>When there is &amp;no sound</source>
        <translation>Cuando &amp;no se oye nada</translation>
    </message>
    <message>
        <source>Installing &amp;more voices</source>
        <translation>Instalar &amp;más voces</translation>
    </message>
    <message>
        <source>The notification area and the &amp;floating tool bar</source>
        <translation>El área de notificación y la barra de herramientas &amp;flotante</translation>
    </message>
    <message>
        <source>File:%1 Not Found.</source>
        <translation>Archivo:%1 no encontrado.</translation>
    </message>
    <message>
        <source>File:%1 cannot be read: %2</source>
        <translation>Archivo:%1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>File:%1 is larger than 64 MB.</source>
        <translation>Archivo:%1 ocupa más de 64 MB.</translation>
    </message>
</context>
<context>
    <name>DocumentOpen</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>Abriendo %1…</translation>
    </message>
    <message>
        <source>Opening %1: page %2 of %3…</source>
        <translation>Abriendo %1: página %2 de %3…</translation>
    </message>
    <message>
        <source>Opening %1: %2 %…</source>
        <translation>Abriendo %1: %2 %…</translation>
    </message>
    <message>
        <source>Recognising page %1 of %2…</source>
        <translation>Reconociendo la página %1 de %2…</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <translation>Descargando %1…</translation>
    </message>
    <message>
        <source>Fetching part %1 of %2…</source>
        <translation>Descargando la parte %1 de %2…</translation>
    </message>
    <message>
        <source>The copied picture could not be read: %1.</source>
        <translation>No se pudo leer la imagen copiada: %1.</translation>
    </message>
    <message>
        <source>the copied picture</source>
        <translation>la imagen copiada</translation>
    </message>
    <message>
        <source>The copied picture</source>
        <translation>La imagen copiada</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>%1 %2; it was not opened.</source>
        <translation>%1 %2; no se abrió.</translation>
    </message>
    <message>
        <source>could not be reached (no answer for %1 seconds)</source>
        <translation>no se pudo alcanzar (sin respuesta en %1 segundos)</translation>
    </message>
    <message>
        <source>took too long to read (a step of it went on for more than %1 seconds)</source>
        <translation>tardó demasiado en leerse (un paso duró más de %1 segundos)</translation>
    </message>
    <message>
        <source>could not be fetched in %1 seconds</source>
        <translation>no se pudo descargar en %1 segundos</translation>
    </message>
    <message>
        <source>took too long to read (more than %1 seconds)</source>
        <translation>tardó demasiado en leerse (más de %1 segundos)</translation>
    </message>
    <message>
        <source>could not be read: the reader did not start (%1)</source>
        <translation>no se pudo leer: el lector no arrancó (%1)</translation>
    </message>
    <message>
        <source>is too large to be read as an article (more than 64 MB)</source>
        <translation>es demasiado grande para leerse como artículo (más de 64 MB)</translation>
    </message>
    <message>
        <source>answered %1 %2</source>
        <translation>respondió %1 %2</translation>
    </message>
    <message>
        <source>could not be reached (it sends the reader on more than %1 times)</source>
        <translation>no se pudo alcanzar (redirige al lector más de %1 veces)</translation>
    </message>
    <message>
        <source>could not be reached (it sends the reader from a secure address to an insecure one)</source>
        <translation>no se pudo alcanzar (redirige al lector de una dirección segura a una insegura)</translation>
    </message>
    <message>
        <source>could not be reached (%1)</source>
        <translation>no se pudo alcanzar (%1)</translation>
    </message>
    <message>
        <source>is not a web page (%1)</source>
        <translation>no es una página web (%1)</translation>
    </message>
    <message>
        <source>could not be kept to be read (%1)</source>
        <translation>no se pudo guardar para leerlo (%1)</translation>
    </message>
    <message>
        <source>part %1 %2; the parts before it were read</source>
        <translation>la parte %1 %2; las partes anteriores se leyeron</translation>
    </message>
    <message>
        <source>holds more text than can be read as articles</source>
        <translation>contiene más texto del que se puede leer como artículos</translation>
    </message>
    <message>
        <source>could not be read (the reader answered nonsense)</source>
        <translation>no se pudo leer (el lector respondió algo sin sentido)</translation>
    </message>
    <message>
        <source>needs more than %1 MB of memory to read</source>
        <translation>necesita más de %1 MB de memoria para leerse</translation>
    </message>
    <message>
        <source>could not be read (the reader failed on it; the file may be damaged, or need more than %1 MB of memory or %2 seconds)</source>
        <translation>no se pudo leer (el lector falló; puede que el archivo esté dañado o necesite más de %1 MB de memoria o %2 segundos)</translation>
    </message>
    <message>
        <source>could not be read (the reader ended without an answer)</source>
        <translation>no se pudo leer (el lector terminó sin responder)</translation>
    </message>
    <message>
        <source>could not be read safely (%1)</source>
        <translation>no se pudo leer de forma segura (%1)</translation>
    </message>
    <message>
        <source>Text and documents (%1)</source>
        <translation>Textos y documentos (%1)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Pictures of text (%1)</source>
        <translation>Imágenes de texto (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>holds no text to read; it was not opened</source>
        <translation>no contiene texto que leer; no se abrió</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be read (a folder, a device or a pipe); it was not opened.</source>
        <translation>%1 no es un archivo legible (una carpeta, un dispositivo o una tubería); no se abrió.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened: %2</source>
        <translation>No se pudo abrir el archivo %1: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be read as an article (more than 64 MB); it was not opened.</source>
        <translation>%1 es demasiado grande para leerse como artículo (más de 64 MB); no se abrió.</translation>
    </message>
    <message>
        <source>Error reading input file %1: %2</source>
        <translation>Error al leer el archivo de entrada %1: %2</translation>
    </message>
    <message>
        <source>is damaged (it names no package file)</source>
        <translation>está dañado (no nombra ningún archivo de paquete)</translation>
    </message>
    <message>
        <source>is protected against copying (its text is encrypted)</source>
        <translation>está protegido contra copia (su texto está cifrado)</translation>
    </message>
    <message>
        <source>is damaged (its reading order names a missing part)</source>
        <translation>está dañado (su orden de lectura nombra una parte que falta)</translation>
    </message>
    <message>
        <source>page %1 was hard to recognise; its text may be wrong</source>
        <translation>la página %1 fue difícil de reconocer; su texto puede ser erróneo</translation>
    </message>
    <message>
        <source>pages %1 were hard to recognise; their text may be wrong</source>
        <translation>las páginas %1 fueron difíciles de reconocer; su texto puede ser erróneo</translation>
    </message>
    <message>
        <source>is damaged (not a readable PDF)</source>
        <translation>está dañado (no es un PDF legible)</translation>
    </message>
    <message>
        <source>is protected by a password</source>
        <translation>está protegido con contraseña</translation>
    </message>
    <message>
        <source>was not opened: stopped</source>
        <translation>no se abrió: detenido</translation>
    </message>
    <message>
        <source>has more pages of pictures than can be recognised at once (%1; at most %2)</source>
        <translation>tiene más páginas de imágenes de las que se pueden reconocer a la vez (%1; como máximo %2)</translation>
    </message>
    <message>
        <source>has no text layer (its pages are pictures); it was not opened</source>
        <translation>no tiene capa de texto (sus páginas son imágenes); no se abrió</translation>
    </message>
    <message>
        <source>holds no text that could be recognised; it was not opened</source>
        <translation>no contiene texto reconocible; no se abrió</translation>
    </message>
    <message>
        <source>could not be read: text recognition did not start (its language data %1 cannot be loaded)</source>
        <translation>no se pudo leer: el reconocimiento de texto no arrancó (no se pueden cargar sus datos de idioma %1)</translation>
    </message>
    <message>
        <source>is not a picture that can be read (damaged, or of a kind not known)</source>
        <translation>no es una imagen legible (dañada o de un tipo desconocido)</translation>
    </message>
    <message>
        <source>is too large a picture to be read (%1 × %2 pixels)</source>
        <translation>es una imagen demasiado grande para leerse (%1 × %2 píxeles)</translation>
    </message>
    <message>
        <source>is not a picture that can be read (%1)</source>
        <translation>no es una imagen legible (%1)</translation>
    </message>
    <message>
        <source>is not a picture that can be read (damaged)</source>
        <translation>no es una imagen legible (dañada)</translation>
    </message>
    <message>
        <source>has more pages than can be read (%1)</source>
        <translation>tiene más páginas de las que se pueden leer (%1)</translation>
    </message>
    <message>
        <source>is damaged (not a readable zip archive)</source>
        <translation>está dañado (no es un archivo zip legible)</translation>
    </message>
    <message>
        <source>would unpack to more than 256 MB</source>
        <translation>ocuparía más de 256 MB al descomprimirse</translation>
    </message>
    <message>
        <source>is damaged (%1 is missing)</source>
        <translation>está dañado (falta %1)</translation>
    </message>
    <message>
        <source>is encrypted</source>
        <translation>está cifrado</translation>
    </message>
    <message>
        <source>is refused (%1 would unpack to more than 64 MB)</source>
        <translation>se rechaza (%1 ocuparía más de 64 MB al descomprimirse)</translation>
    </message>
    <message>
        <source>is damaged (%1 cannot be unpacked)</source>
        <translation>está dañado (%1 no se puede descomprimir)</translation>
    </message>
    <message>
        <source>is damaged (%1 does not match its checksum)</source>
        <translation>está dañado (%1 no coincide con su suma de comprobación)</translation>
    </message>
    <message>
        <source>is refused (%1 declares entities of its own, which could make it expand without end)</source>
        <translation>se rechaza (%1 declara entidades propias que podrían hacerlo crecer sin fin)</translation>
    </message>
    <message>
        <source>is damaged (%1: %2)</source>
        <translation>está dañado (%1: %2)</translation>
    </message>
    <message>
        <source>a limit could not be set: %1</source>
        <translation>no se pudo fijar un límite: %1</translation>
    </message>
    <message>
        <source>the system-call filter could not be made</source>
        <translation>no se pudo crear el filtro de llamadas al sistema</translation>
    </message>
    <message>
        <source>the system-call filter could not be applied</source>
        <translation>no se pudo aplicar el filtro de llamadas al sistema</translation>
    </message>
    <message>
        <source>the picture was hard to recognise; its text may be wrong</source>
        <translation>la imagen fue difícil de reconocer; su texto puede ser erróneo</translation>
    </message>
</context>
<context>
    <name>ESpeechError</name>
    <message>
        <source>The speech recognition or text-to-speech service does not have enough data.</source>
        <translation>El servicio de reconocimiento de voz o de texto a voz no tiene datos suficientes.</translation>
    </message>
    <message>
        <source>The sound card does not support the right wave-file format to work with the speech software.</source>
        <translation>La tarjeta de sonido no admite el formato WAV que necesita el software de voz.</translation>
    </message>
    <message>
        <source>The audio device is in use at this time.</source>
        <translation>El dispositivo de audio está en uso en este momento.</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to the speech engine.</source>
        <translation>Se pasó un parámetro no válido al motor de voz.</translation>
    </message>
    <message>
        <source>There was an error in disk access, or there is not enough disk space free. If you are low on disk space, try deleting some files to free up space.</source>
        <translation>Hubo un error de acceso al disco o no hay suficiente espacio libre. Si queda poco espacio, borre algunos archivos.</translation>
    </message>
    <message>
        <source>The program has selected a non-existent speech engine.</source>
        <translation>El programa eligió un motor de voz que no existe.</translation>
    </message>
    <message>
        <source>An invalid list was passed to the speech recognizer.</source>
        <translation>Se pasó una lista no válida al reconocedor de voz.</translation>
    </message>
    <message>
        <source>An invalid character was passed to the speech engine.</source>
        <translation>Se pasó un carácter no válido al motor de voz.</translation>
    </message>
    <message>
        <source>An invalid key was passed to the speech engine.</source>
        <translation>Se pasó una clave no válida al motor de voz.</translation>
    </message>
    <message>
        <source>There is not enough memory for the text-to-speech engine to finish. Quit some other programs, and then try again.</source>
        <translation>El motor de texto a voz no tiene memoria suficiente para terminar. Cierre otros programas e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The text string passed into the text-to-speech engine is empty.</source>
        <translation>El texto pasado al motor de texto a voz está vacío.</translation>
    </message>
    <message>
        <source>The program has selected an audio device that does not exist.</source>
        <translation>El programa eligió un dispositivo de audio que no existe.</translation>
    </message>
    <message>
        <source>The program has not told the sound card what wave-file format to use.</source>
        <translation>El programa no indicó a la tarjeta de sonido qué formato WAV usar.</translation>
    </message>
    <message>
        <source>The audio device is not playing.</source>
        <translation>El dispositivo de audio no está reproduciendo.</translation>
    </message>
    <message>
        <source>Your sound card does not support this audio-file format.</source>
        <translation>Su tarjeta de sonido no admite este formato de audio.</translation>
    </message>
    <message>
        <source>The audio device is not recording.</source>
        <translation>El dispositivo de audio no está grabando.</translation>
    </message>
    <message>
        <source>The audio driver has not been opened. Double-click the MultiMedia icon in Control Panel and make sure the correct drivers are loaded.</source>
        <translation>El controlador de audio no se ha abierto. Compruebe en la configuración de sonido que estén cargados los controladores correctos.</translation>
    </message>
    <message>
        <source>The audio handle is still busy. Try restarting your computer.</source>
        <translation>El dispositivo de audio sigue ocupado. Pruebe a reiniciar el equipo.</translation>
    </message>
    <message>
        <source>The notification sink is not the right type.</source>
        <translation>El receptor de notificaciones no es del tipo correcto.</translation>
    </message>
    <message>
        <source>The audio device is not ready.</source>
        <translation>El dispositivo de audio no está listo.</translation>
    </message>
    <message>
        <source>The audio device has already been claimed.</source>
        <translation>El dispositivo de audio ya está reservado.</translation>
    </message>
    <message>
        <source>The audio device is still in use.</source>
        <translation>El dispositivo de audio sigue en uso.</translation>
    </message>
    <message>
        <source>The audio device has already been started.</source>
        <translation>El dispositivo de audio ya se ha iniciado.</translation>
    </message>
    <message>
        <source>Cannot use a synchronous audio device.</source>
        <translation>No se puede usar un dispositivo de audio síncrono.</translation>
    </message>
    <message>
        <source>Incorrect function.</source>
        <translation>Función incorrecta.</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>No implementado</translation>
    </message>
    <message>
        <source>No such interface supported</source>
        <translation>Interfaz no admitida</translation>
    </message>
    <message>
        <source>Invalid pointer</source>
        <translation>Puntero no válido</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>Error no especificado</translation>
    </message>
    <message>
        <source>Not enough memory resources are available to complete this operation.</source>
        <translation>No hay memoria suficiente para completar esta operación.</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>El parámetro es incorrecto.</translation>
    </message>
    <message>
        <source>Class not registered</source>
        <translation>Clase no registrada</translation>
    </message>
</context>
<context>
    <name>Engines</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Speech by eSpeak NG %2 and Flite.&lt;/p&gt;&lt;p&gt;Voices: %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Voz de eSpeak NG %2 y Flite.&lt;/p&gt;&lt;p&gt;Voces: %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;The voice %2 of speech-dispatcher&apos;s output module %3. It reads aloud only: speech-dispatcher gives no sound back to programs.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;La voz %2 del módulo de salida %3 de speech-dispatcher. Solo lee en voz alta: speech-dispatcher no devuelve sonido a los programas.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>%1 is not a key this shortcut can use.</source>
        <translation>%1 no es una tecla que pueda usar este atajo.</translation>
    </message>
    <message>
        <source>The desktop did not give the shortcut.</source>
        <translation>El escritorio no concedió el atajo.</translation>
    </message>
    <message>
        <source>Read the selection aloud</source>
        <translation>Leer la selección en voz alta</translation>
    </message>
    <message>
        <source>The shortcut was not confirmed in the desktop&apos;s dialog.</source>
        <translation>El atajo no se confirmó en el diálogo del escritorio.</translation>
    </message>
    <message>
        <source>The desktop holds this shortcut; it is changed in the desktop&apos;s shortcut settings.</source>
        <translation>El escritorio gestiona este atajo; se cambia en la configuración de atajos del escritorio.</translation>
    </message>
    <message>
        <source>The desktop holds this shortcut as %1; it is changed in the desktop&apos;s shortcut settings.</source>
        <translation>El escritorio gestiona este atajo como %1; se cambia en la configuración de atajos del escritorio.</translation>
    </message>
    <message>
        <source>This desktop lets no program take a shortcut of its own.</source>
        <translation>Este escritorio no deja a ningún programa tener un atajo propio.</translation>
    </message>
    <message>
        <source>%1 is taken by another program; choose another shortcut.</source>
        <translation>%1 lo usa otro programa; elija otro atajo.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>its voice file cannot be read</source>
        <translation>su archivo de voz no se puede leer</translation>
    </message>
    <message>
        <source>its dictionary %1 cannot be read</source>
        <translation>su diccionario %1 no se puede leer</translation>
    </message>
    <message>
        <source>its dictionary %1 is damaged</source>
        <translation>su diccionario %1 está dañado</translation>
    </message>
    <message>
        <source>The language %1 (%2) is not offered: %3.</source>
        <translation>El idioma %1 (%2) no se ofrece: %3.</translation>
    </message>
</context>
<context>
    <name>LanguagesDialog</name>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Each language you check adds a female and a male voice, &quot;Mary (&lt;Language&gt;)&quot; and &quot;Mike (&lt;Language&gt;)&quot;.</source>
        <translation>Cada idioma que marque añade una voz femenina y una masculina, «Mary (&lt;Idioma&gt;)» y «Mike (&lt;Idioma&gt;)».</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&amp;Languages:</source>
        <translation>&amp;Idiomas:</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Probar</translation>
    </message>
    <message>
        <source>%1 and %2 are used by:<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>These keep the voice&apos;s name, which can no longer be read with until the language is checked again. Uncheck %4?</source>
        <translation>%1 y %2 se usan en:<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>Estos conservan el nombre de la voz, con la que no se podrá leer hasta que se vuelva a marcar el idioma. ¿Desmarcar %4?</translation>
    </message>
    <message>
        <source>Test %1</source>
        <translation>Probar %1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>The languages could not be stored; the choice holds until the program ends.</source>
        <translation>No se pudieron guardar los idiomas; la elección vale hasta que termine el programa.</translation>
    </message>
</context>
<context>
    <name>Lexicon</name>
    <message>
        <source>the file is larger than 64 MB</source>
        <translation>el archivo ocupa más de 64 MB</translation>
    </message>
</context>
<context>
    <name>LexiconDialog</name>
    <message>
        <source>Pronunciation Editor</source>
        <translation>Editor de pronunciación</translation>
    </message>
    <message>
        <source>Pronunciations</source>
        <translation>Pronunciaciones</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Sounds like</source>
        <translation>Suena como</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>&amp;Palabra:</translation>
    </message>
    <message>
        <source>&amp;Sounds like:</source>
        <translation>&amp;Suena como:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Cambiar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>Pro&amp;bar</translation>
    </message>
    <message>
        <source>The pronunciations in %1 could not be read (%2); they cannot be edited now.</source>
        <translation>No se pudieron leer las pronunciaciones de %1 (%2); no se pueden editar ahora.</translation>
    </message>
    <message>
        <source>Type a word or phrase and how it sounds.</source>
        <translation>Escriba una palabra o frase y cómo suena.</translation>
    </message>
    <message>
        <source>The pronunciations could not be saved to %1</source>
        <translation>No se pudieron guardar las pronunciaciones en %1</translation>
    </message>
</context>
<context>
    <name>OptionControls</name>
    <message>
        <source>%1 … %2: type a whole number; until then the last one is kept</source>
        <translation>%1 … %2: escriba un número entero; mientras tanto se mantiene el último</translation>
    </message>
</context>
<context>
    <name>Piper</name>
    <message>
        <source>the piper program was not found</source>
        <translation>no se encontró el programa piper</translation>
    </message>
    <message>
        <source>the piper program (%1) could not be started</source>
        <translation>no se pudo iniciar el programa piper (%1)</translation>
    </message>
    <message>
        <source>piper wrote no sound the program could read</source>
        <translation>piper no escribió ningún sonido que el programa pudiera leer</translation>
    </message>
    <message>
        <source>piper could not load the voice&apos;s model</source>
        <translation>piper no pudo cargar el modelo de la voz</translation>
    </message>
    <message>
        <source>piper ended unexpectedly</source>
        <translation>piper terminó de forma inesperada</translation>
    </message>
    <message>
        <source>piper gave no sound for %1 seconds</source>
        <translation>piper no dio sonido durante %1 segundos</translation>
    </message>
</context>
<context>
    <name>ProgramPaths</name>
    <message>
        <source>Unable to create %1</source>
        <translation>No se puede crear %1</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>the folder %1 is on a read-only disk</source>
        <translation>la carpeta %1 está en un disco de solo lectura</translation>
    </message>
    <message>
        <source>permission denied: the folder %1 cannot be written</source>
        <translation>permiso denegado: no se puede escribir en la carpeta %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>%1 cannot be used (%2).</source>
        <translation>%1 no se puede usar (%2).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 pertenece a otro usuario.</translation>
    </message>
    <message>
        <source>%1 can be used by other users too.</source>
        <translation>%1 también lo pueden usar otros usuarios.</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2).</source>
        <translation>%1 no se puede crear (%2).</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>es un enlace</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>%1 could not be read (%2) and was set aside as %3.</source>
        <translation>%1 no se pudo leer (%2) y se apartó como %3.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <translation>%1 no se pudo leer (%2).</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings could not be written to %1</source>
        <translation>No se pudo escribir la configuración en %1</translation>
    </message>
    <message>
        <source>Settings file %1 is damaged; defaults are used. A copy was kept as %2</source>
        <translation>El archivo de configuración %1 está dañado; se usan los valores predeterminados. Se guardó una copia como %2</translation>
    </message>
    <message>
        <source>Settings file %1 cannot be read; defaults are used</source>
        <translation>El archivo de configuración %1 no se puede leer; se usan los valores predeterminados</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Parlewind talks to its running window through a folder only you may use, and there is none: %1 Set XDG_RUNTIME_DIR to a folder of yours with mode 700.</source>
        <translation>Parlewind se comunica con su ventana abierta mediante una carpeta que solo usted puede usar, y no hay ninguna: %1 Defina XDG_RUNTIME_DIR como una carpeta suya con modo 700.</translation>
    </message>
    <message>
        <source>The program listening in %1 runs as another user; nothing was sent.</source>
        <translation>El programa que escucha en %1 se ejecuta como otro usuario; no se envió nada.</translation>
    </message>
</context>
<context>
    <name>SpeechDispatcher</name>
    <message>
        <source>speech-dispatcher could not be reached (%1)</source>
        <translation>no se pudo alcanzar speech-dispatcher (%1)</translation>
    </message>
    <message>
        <source>speech-dispatcher stopped while reading</source>
        <translation>speech-dispatcher se detuvo durante la lectura</translation>
    </message>
    <message>
        <source>speech-dispatcher refused the voice</source>
        <translation>speech-dispatcher rechazó la voz</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Parlewind MP3</source>
        <translation>Acerca de Parlewind MP3</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Parlewind MP3&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Reads your text aloud, or into WAV and MP3 files.&lt;/p&gt;&lt;p&gt;&amp;copy; Brivanta Technologies&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Parlewind MP3&lt;/h2&gt;&lt;p&gt;Versión %1&lt;/p&gt;&lt;p&gt;Lee sus textos en voz alta, o a archivos WAV y MP3.&lt;/p&gt;&lt;p&gt;&amp;copy; Brivanta Technologies&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check out Parlewind MP3 at %1 .  Parlewind MP3 lets you listen to text you copy to the clipboard. It uses Text to Speech technology which actually synthesizes natural sounding speech from ordinary text.  Listen to your email, news, any text you want.  You can also convert your text to wav or MP3 files so you can listen later.  Try Parlewind MP3 free today at %1</source>
        <translation>Descubre Parlewind MP3 en %1 .  Parlewind MP3 te deja escuchar el texto que copias al portapapeles. Usa tecnología de texto a voz, que sintetiza una voz natural a partir de texto corriente.  Escucha tu correo, las noticias, cualquier texto que quieras.  También puedes convertir tus textos en archivos WAV o MP3 para escucharlos más tarde.  Prueba Parlewind MP3 gratis hoy en %1</translation>
    </message>
</context>
<context>
    <name>TArticleList</name>
    <message>
        <source>No rows are currently selected</source>
        <translation>No hay filas seleccionadas</translation>
    </message>
</context>
<context>
    <name>TCB_PromptForm</name>
    <message>
        <source>Copy Clipboard to Speech Buffer ?</source>
        <translation>¿Copiar el portapapeles al búfer de lectura?</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Append</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Append text to current article</source>
        <translation>Añadir el texto al artículo actual</translation>
    </message>
    <message>
        <source>Cancel clipboard copy to Parlewind MP3</source>
        <translation>Cancelar la copia del portapapeles a Parlewind MP3</translation>
    </message>
    <message>
        <source>Current Mode is Multi-Article Mode</source>
        <translation>Modo actual: varios artículos</translation>
    </message>
    <message>
        <source>Current Mode is Single-Article Mode</source>
        <translation>Modo actual: artículo único</translation>
    </message>
    <message>
        <source>Add new article</source>
        <translation>Añadir un artículo nuevo</translation>
    </message>
    <message>
        <source>Overwrite current article</source>
        <translation>Sobrescribir el artículo actual</translation>
    </message>
</context>
<context>
    <name>TClipboardPage</name>
    <message>
        <source>&amp;Watch Clipboard</source>
        <translation>&amp;Vigilar el portapapeles</translation>
    </message>
    <message>
        <source>&amp;Ignore clipboard text if less than</source>
        <translation>&amp;Ignorar el texto del portapapeles si tiene menos de</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>caracteres</translation>
    </message>
    <message>
        <source>Prompt Options</source>
        <translation>Opciones de la pregunta</translation>
    </message>
    <message>
        <source>&amp;Prompt to copy from clipboard</source>
        <translation>&amp;Preguntar antes de copiar del portapapeles</translation>
    </message>
    <message>
        <source>Displa&amp;y Prompt for</source>
        <translation>&amp;Mostrar la pregunta durante</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Default A&amp;ction:</source>
        <translation>A&amp;cción predeterminada:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Remember Last</source>
        <translation>Recordar la última</translation>
    </message>
</context>
<context>
    <name>TClipboardWatch</name>
    <message>
        <source>Watching the clipboard is off: this Wayland desktop does not tell programs in the background of copies. Paste the text into Parlewind instead, or start Parlewind in an X11 session (or through XWayland) to watch the clipboard.</source>
        <translation>La vigilancia del portapapeles está desactivada: este escritorio Wayland no avisa de las copias a los programas en segundo plano. Pegue el texto en Parlewind, o inicie Parlewind en una sesión X11 (o mediante XWayland) para vigilar el portapapeles.</translation>
    </message>
</context>
<context>
    <name>TConvertOptions</name>
    <message>
        <source>, aloud only</source>
        <translation>, solo en voz alta</translation>
    </message>
    <message>
        <source>parlewind --help tells how to use it.</source>
        <translation>parlewind --help explica cómo usarlo.</translation>
    </message>
    <message>
        <source>the speech engine cannot be started: %1</source>
        <translation>no se puede iniciar el motor de voz: %1</translation>
    </message>
    <message>
        <source>the speech engine offers no voice.</source>
        <translation>el motor de voz no ofrece ninguna voz.</translation>
    </message>
    <message>
        <source>--%1 wants a whole number greater than 0, not &quot;%2&quot;.</source>
        <translation>--%1 necesita un número entero mayor que 0, no «%2».</translation>
    </message>
    <message>
        <source>--speed wants words a minute or a factor such as 2.5x, not &quot;%1&quot;.</source>
        <translation>--speed necesita palabras por minuto o un factor como 2.5x, no «%1».</translation>
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
        <translation>Uso: parlewind --convert [opciones] ARCHIVO...
Lee archivos de texto en voz alta a archivos MP3, M4B, Opus o WAV, uno por
archivo, con las voces, pronunciaciones y ajustes de la ventana de Parlewind. No
necesita pantalla ni servidor de sonido.

  ARCHIVO              un archivo de texto (UTF-8, si no Windows-1252), un
                       documento HTML, Markdown, EPUB, OpenDocument, Word o PDF
                       (un libro electrónico da un archivo numerado por
                       capítulo), una imagen de texto; una dirección http o
                       https lee la página web (solo su texto principal); -
                       lee la entrada estándar
  --whole-page         una página web se lee entera, con menús y todo
  --articles ARCHIVO   los artículos de un archivo de artículos guardados, una
                       salida por cada uno
  --voice NOMBRE       la voz con que leer (predeterminada: la voz
                       predeterminada de la ventana, o la de cada artículo)
  --list-voices        enumera las voces y sus idiomas
  --speed N            palabras por minuto, dentro de los límites de la voz; o
                       un factor de su velocidad normal de 0.5x a 4x (--speed 2.5x)
  --pauses short|normal|long  las pausas tras las frases y los párrafos y
                       entre artículos (predeterminado: como las fija la ventana)
  --languages on|off   las partes en otros idiomas las lee una voz de su idioma
                       (predeterminado: on, salvo que la ventana lo desactive)
  --pitch N            dentro de los límites de la voz
  --format FORMATO     los archivos que escribir: mp3 (predeterminado), m4b (un
                       audiolibro: AAC con capítulos), opus, epub (un libro con
                       lectura sincronizada: el texto se ilumina frase a frase
                       mientras suena, un capítulo por entrada), wav, o txt (el
                       texto que se pronunciaría, para revisarlo antes)
  --highlight-words    un libro con lectura sincronizada ilumina cada palabra,
                       no solo cada frase
  --book-audio mp3|aac el sonido de un libro con lectura sincronizada
                       (predeterminado: mp3)
  --subtitles srt|vtt|lrc  el texto sincronizado con la voz junto a cada
                       archivo, una línea por frase
  --out CARPETA        dónde escribirlos (predeterminado: la carpeta actual; se
                       crea si falta)
  --single-file NOMBRE todo en un solo archivo con ese nombre, un capítulo por
                       entrada (los capítulos de un libro tal como son)
  --overwrite          sustituye los archivos que ya existen
  --jobs N             archivos codificados a la vez (predeterminado: uno por núcleo)
  --quiet              sin barra de progreso
  -h, --help           este texto
  --version            la versión del programa

Los archivos llevan el nombre de su título: el nombre de un archivo de texto sin
su extensión, el título de un artículo guardado. Se etiquetan con el título, la
voz (o el autor de un libro), el álbum («Parlewind MP3», el nombre del libro o
del archivo de artículos guardados), el número de pista y la portada de un libro.

Estado de salida: 0 se escribieron todos los archivos; 1 fallaron algunas
entradas (cada una se nombra, las demás se escriben); 2 no se entendió la orden;
128 + el número de la señal si una la detuvo: 130 Ctrl+C (SIGINT), 143 SIGTERM,
129 SIGHUP.

Uso: parlewind [ARCHIVO...]
Abre la ventana de Parlewind, o pasa los archivos a la que está abierta, como
hace «Abrir». Órdenes para el programa en marcha (las órdenes de lectura y
--show lo inician si no está en marcha; estado de salida 0 cuando recibe la
orden, 1 si no está en marcha):
  --read-selection     lee en voz alta el texto seleccionado en cualquier
                       programa (el del portapapeles si no hay nada
                       seleccionado); otra vez: detiene
  --read-clipboard     lee en voz alta el texto del portapapeles; otra vez: detiene
  --pause, --resume, --toggle-pause, --stop, --skip
                       como las órdenes de lectura de la ventana
  --show               trae la ventana al frente
</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 se da más de una vez.</translation>
    </message>
    <message>
        <source>--voice wants the name of a voice.</source>
        <translation>--voice necesita el nombre de una voz.</translation>
    </message>
    <message>
        <source>--pauses is short, normal or long, not &quot;%1&quot;.</source>
        <translation>--pauses es short, normal o long, no «%1».</translation>
    </message>
    <message>
        <source>--languages is on or off, not &quot;%1&quot;.</source>
        <translation>--languages es on u off, no «%1».</translation>
    </message>
    <message>
        <source>--format is mp3, m4b, opus, epub, wav or txt, not &quot;%1&quot;.</source>
        <translation>--format es mp3, m4b, opus, epub, wav o txt, no «%1».</translation>
    </message>
    <message>
        <source>--book-audio is mp3 or aac, not &quot;%1&quot;.</source>
        <translation>--book-audio es mp3 o aac, no «%1».</translation>
    </message>
    <message>
        <source>--%1 is for read-along books (--format epub).</source>
        <translation>--%1 es para libros con lectura sincronizada (--format epub).</translation>
    </message>
    <message>
        <source>--subtitles is srt, vtt or lrc, not &quot;%1&quot;.</source>
        <translation>--subtitles es srt, vtt o lrc, no «%1».</translation>
    </message>
    <message>
        <source>--subtitles times speech; --format txt writes none.</source>
        <translation>--subtitles sincroniza la voz; --format txt no escribe ninguna.</translation>
    </message>
    <message>
        <source>--subtitles writes timed text beside sound files; a read-along book holds its own.</source>
        <translation>--subtitles escribe texto sincronizado junto a los archivos de sonido; un libro con lectura sincronizada lleva el suyo.</translation>
    </message>
    <message>
        <source>--out wants a folder.</source>
        <translation>--out necesita una carpeta.</translation>
    </message>
    <message>
        <source>--single-file wants a file name.</source>
        <translation>--single-file necesita un nombre de archivo.</translation>
    </message>
    <message>
        <source>Nothing to convert: name text files, - for the standard input, or --articles FILE.</source>
        <translation>Nada que convertir: indique archivos de texto, - para la entrada estándar, o --articles ARCHIVO.</translation>
    </message>
    <message>
        <source>The standard input can be read only once.</source>
        <translation>La entrada estándar solo se puede leer una vez.</translation>
    </message>
</context>
<context>
    <name>TConvertRun</name>
    <message>
        <source>%1 is already there; --overwrite replaces it</source>
        <translation>%1 ya existe; --overwrite lo sustituye</translation>
    </message>
    <message>
        <source>the speech engine failed</source>
        <translation>el motor de voz falló</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>more than 64 MB, too large to be read as an article</source>
        <translation>más de 64 MB, demasiado grande para leerse como artículo</translation>
    </message>
    <message>
        <source>Standard input</source>
        <translation>Entrada estándar</translation>
    </message>
    <message>
        <source>is a folder, not a text file</source>
        <translation>es una carpeta, no un archivo de texto</translation>
    </message>
    <message>
        <source>%1, chapter %2</source>
        <translation>%1, capítulo %2</translation>
    </message>
    <message>
        <source>is a folder, not a saved-articles file</source>
        <translation>es una carpeta, no un archivo de artículos guardados</translation>
    </message>
    <message>
        <source>is too large to be a saved-articles file (more than 256 MB)</source>
        <translation>es demasiado grande para ser un archivo de artículos guardados (más de 256 MB)</translation>
    </message>
    <message>
        <source>is not a saved-articles file</source>
        <translation>no es un archivo de artículos guardados</translation>
    </message>
    <message>
        <source>is damaged; the articles after the damaged place are not converted</source>
        <translation>está dañado; los artículos tras la parte dañada no se convierten</translation>
    </message>
    <message>
        <source>%1, article %2</source>
        <translation>%1, artículo %2</translation>
    </message>
    <message>
        <source>holds no article with text</source>
        <translation>no contiene ningún artículo con texto</translation>
    </message>
    <message>
        <source>Voice %1 does not exist</source>
        <translation>La voz %1 no existe</translation>
    </message>
    <message>
        <source>%1 %2 is outside the limits of %3 (%4 to %5).</source>
        <translation>%1 %2 está fuera de los límites de %3 (%4 a %5).</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>the output folder cannot be made: %1 is a file, not a folder</source>
        <translation>no se puede crear la carpeta de salida: %1 es un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>the output folder cannot be made: %1</source>
        <translation>no se puede crear la carpeta de salida: %1</translation>
    </message>
    <message>
        <source>nothing can be written in the output folder: %1</source>
        <translation>no se puede escribir nada en la carpeta de salida: %1</translation>
    </message>
    <message>
        <source>A title is required to output speech to a file</source>
        <translation>Se necesita un título para leer a un archivo</translation>
    </message>
    <message>
        <source>has the same title as an earlier input; %1 is written only once</source>
        <translation>tiene el mismo título que una entrada anterior; %1 se escribe una sola vez</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;; parlewind --convert --list-voices lists them.</source>
        <translation>no hay ninguna voz «%1»; parlewind --convert --list-voices las enumera.</translation>
    </message>
    <message>
        <source>was not made: a chapter of it could not be made</source>
        <translation>no se creó: uno de sus capítulos no se pudo crear</translation>
    </message>
    <message>
        <source>The standard input</source>
        <translation>La entrada estándar</translation>
    </message>
</context>
<context>
    <name>TDesktopCommands</name>
    <message>
        <source>Parlewind cannot read the selection or the clipboard from the background on this Wayland desktop: it gives them only to the program in front. Paste the text into Parlewind instead, or run Parlewind through XWayland (as it starts where DISPLAY is set).</source>
        <translation>Parlewind no puede leer la selección ni el portapapeles desde segundo plano en este escritorio Wayland: solo se los da al programa en primer plano. Pegue el texto en Parlewind, o ejecute Parlewind mediante XWayland (como arranca donde DISPLAY está definido).</translation>
    </message>
    <message>
        <source>On this Wayland desktop a program in the background cannot read the selection, so no key can read it to Parlewind here. Run Parlewind through XWayland (as it starts where DISPLAY is set) to read the selection of any program.</source>
        <translation>En este escritorio Wayland un programa en segundo plano no puede leer la selección, así que ninguna tecla puede pasársela a Parlewind aquí. Ejecute Parlewind mediante XWayland (como arranca donde DISPLAY está definido) para leer la selección de cualquier programa.</translation>
    </message>
    <message>
        <source>This desktop lets no program take a shortcut of its own: in its keyboard settings, bind a key to the command  parlewind --read-selection</source>
        <translation>Este escritorio no deja a ningún programa tener un atajo propio: en su configuración del teclado, asigne una tecla a la orden  parlewind --read-selection</translation>
    </message>
    <message>
        <source>On this Wayland desktop the key reaches Parlewind only while a window of an X11 program has focus. To read the selection from any program, bind a key to the command  parlewind --read-selection  in the desktop&apos;s keyboard settings.</source>
        <translation>En este escritorio Wayland la tecla solo llega a Parlewind mientras una ventana de un programa X11 tiene el foco. Para leer la selección de cualquier programa, asigne una tecla a la orden  parlewind --read-selection  en la configuración del teclado del escritorio.</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>El portapapeles no contiene texto.</translation>
    </message>
    <message>
        <source>Nothing is selected, and the clipboard holds no text.</source>
        <translation>No hay nada seleccionado y el portapapeles no contiene texto.</translation>
    </message>
    <message>
        <source>The selection is %1 MB of text; Parlewind reads at most %2 MB from a selection. Save it to a file and open that instead.</source>
        <translation>La selección tiene %1 MB de texto; Parlewind lee como máximo %2 MB de una selección. Guárdela en un archivo y abra ese archivo.</translation>
    </message>
    <message>
        <source>The selection does not contain text; it was not read.</source>
        <translation>La selección no contiene texto; no se leyó.</translation>
    </message>
    <message>
        <source>Parlewind does not know the command &quot;%1&quot;.</source>
        <translation>Parlewind no conoce la orden «%1».</translation>
    </message>
    <message>
        <source>Parlewind is reading to a file; try again when it is done.</source>
        <translation>Parlewind está leyendo a un archivo; inténtelo de nuevo cuando termine.</translation>
    </message>
</context>
<context>
    <name>TEngineWarningForm</name>
    <message>
        <source>Text To Speech Engine not found</source>
        <translation>No se encontró un motor de texto a voz</translation>
    </message>
    <message>
        <source>A Text-To-Speech engine does not appear to be installed 
on your machine.  These engines, which perform actual 
speech synthesis, are required for Parlewind to operate.

Installing a speech engine on your computer is easy.  Just 
visit our website for instructions.</source>
        <translation>Parece que no hay ningún motor de texto a voz instalado 
en su equipo.  Estos motores, que producen la voz, 
son necesarios para que Parlewind funcione.

Instalar un motor de voz en su equipo es fácil.  
Visite nuestro sitio web para ver las instrucciones.</translation>
    </message>
    <message>
        <source>Click here to download Speech Engine</source>
        <translation>Haga clic aquí para descargar un motor de voz</translation>
    </message>
    <message>
        <source>If you are having problems or have any questions, please
contact our support staff at</source>
        <translation>Si tiene problemas o alguna pregunta,
contacte con nuestro equipo de soporte en</translation>
    </message>
    <message>
        <source>Exit Parlewind MP3</source>
        <translation>Salir de Parlewind MP3</translation>
    </message>
    <message>
        <source>No web browser could be started for %1</source>
        <translation>No se pudo iniciar un navegador web para %1</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>No se pudo iniciar un programa de correo.</translation>
    </message>
</context>
<context>
    <name>TFavoriteVoicesPage</name>
    <message>
        <source>Favorit&amp;e Voices</source>
        <translation>Voces &amp;favoritas</translation>
    </message>
    <message>
        <source>Exclude the selected voices</source>
        <translation>Excluir las voces seleccionadas</translation>
    </message>
    <message>
        <source>Make the selected voices favorites</source>
        <translation>Hacer favoritas las voces seleccionadas</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Probar</translation>
    </message>
    <message>
        <source>&amp;Languages…</source>
        <translation>&amp;Idiomas…</translation>
    </message>
    <message>
        <source>Voices for more languages</source>
        <translation>Voces para más idiomas</translation>
    </message>
    <message>
        <source>E&amp;xcluded Voices</source>
        <translation>Voces e&amp;xcluidas</translation>
    </message>
    <message>
        <source>Use this panel to control the voices used in Parlewind.  Voices  
you exclude will not be selected in Random / Round Robin 
Voice Selection</source>
        <translation>Use este panel para controlar las voces usadas en Parlewind.  Las voces  
que excluya no se elegirán en la selección de voz 
Aleatoria / Rotativa</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;more&quot;&gt;Want more voices?  Click Here&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;more&quot;&gt;¿Quiere más voces?  Haga clic aquí&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Want more voices?  Click Here</source>
        <translation>¿Quiere más voces?  Haga clic aquí</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is currently the Default Voice<byte value="xd"/>and cannot be excluded</source>
        <translation>«%1» es ahora la voz predeterminada<byte value="xd"/>y no se puede excluir</translation>
    </message>
    <message>
        <source>At least one voice is required in the Favorites List</source>
        <translation>Se necesita al menos una voz en la lista de favoritas</translation>
    </message>
    <message>
        <source>Select a voice to test</source>
        <translation>Elija una voz para probarla</translation>
    </message>
</context>
<context>
    <name>TFileOptionsPage</name>
    <message>
        <source>Output File Format</source>
        <translation>Formato del archivo de salida</translation>
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
        <translation>Audiolibro M&amp;4B</translation>
    </message>
    <message>
        <source>O&amp;pus</source>
        <translation>O&amp;pus</translation>
    </message>
    <message>
        <source>&amp;Read-along book (EPUB 3)</source>
        <translation>Li&amp;bro con lectura sincronizada (EPUB 3)</translation>
    </message>
    <message>
        <source>&amp;Highlight words</source>
        <translation>&amp;Resaltar palabras</translation>
    </message>
    <message>
        <source>The book lights each word as it is spoken, not only each sentence</source>
        <translation>El libro ilumina cada palabra al pronunciarla, no solo cada frase</translation>
    </message>
    <message>
        <source>Book &amp;audio:</source>
        <translation>&amp;Sonido del libro:</translation>
    </message>
    <message>
        <source>Book audio</source>
        <translation>Sonido del libro</translation>
    </message>
    <message>
        <source>&amp;Timed text beside each file:</source>
        <translation>&amp;Texto sincronizado junto a cada archivo:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>SRT subtitles</source>
        <translation>Subtítulos SRT</translation>
    </message>
    <message>
        <source>WebVTT subtitles</source>
        <translation>Subtítulos WebVTT</translation>
    </message>
    <message>
        <source>LRC lyrics</source>
        <translation>Letras LRC</translation>
    </message>
    <message>
        <source>Timed text beside each file</source>
        <translation>Texto sincronizado junto a cada archivo</translation>
    </message>
    <message>
        <source>File Output D&amp;irectory:</source>
        <translation>Carpeta de sa&amp;lida de archivos:</translation>
    </message>
    <message>
        <source>File Output Directory</source>
        <translation>Carpeta de salida de archivos</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Examinar</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>This desktop has no notification area, so the window stays open. To end Parlewind, choose Exit Parlewind in the File menu; to close it to a floating tool bar, choose &quot;When minimized&quot; for &quot;Show Floating Toolbar&quot; on the Misc page.</source>
        <translation>Este escritorio no tiene área de notificación, así que la ventana sigue abierta. Para cerrar Parlewind, elija Salir de Parlewind en el menú Archivo; para cerrarla a una barra de herramientas flotante, elija «Al minimizar» en «Mostrar barra de herramientas flotante» en la página Varios.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>Single-Article Options</source>
        <translation>Opciones de artículo único</translation>
    </message>
    <message>
        <source>Multi-Article Options</source>
        <translation>Opciones de varios artículos</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>Páginas de opciones</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Portapapeles</translation>
    </message>
    <message>
        <source>Favorite Voices</source>
        <translation>Voces favoritas</translation>
    </message>
    <message>
        <source>Voice Edit</source>
        <translation>Editar voz</translation>
    </message>
    <message>
        <source>File Options</source>
        <translation>Opciones de archivo</translation>
    </message>
    <message>
        <source>Voice Sources</source>
        <translation>Fuentes de voces</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>The help page on more voices could not be opened.</source>
        <translation>No se pudo abrir la página de ayuda sobre más voces.</translation>
    </message>
    <message>
        <source>Watching the clipboard is off on this Wayland desktop (see the Clipboard page).</source>
        <translation>La vigilancia del portapapeles está desactivada en este escritorio Wayland (vea la página Portapapeles).</translation>
    </message>
    <message>
        <source>Parlewind MP3 is still running. Use the icon here to restore it or to exit.</source>
        <translation>Parlewind MP3 sigue en marcha. Use este icono para restaurarlo o salir.</translation>
    </message>
    <message>
        <source>The help file could not be found.</source>
        <translation>No se encontró el archivo de ayuda.</translation>
    </message>
    <message>
        <source>No program could be started to show the help file %1</source>
        <translation>No se pudo iniciar ningún programa para mostrar el archivo de ayuda %1</translation>
    </message>
    <message>
        <source>Parlewind MP3 Languages</source>
        <translation>Idiomas de Parlewind MP3</translation>
    </message>
    <message>
        <source>Read the page at %1?</source>
        <translation>¿Leer la página en %1?</translation>
    </message>
    <message>
        <source>Open Web Address</source>
        <translation>Abrir dirección web</translation>
    </message>
    <message>
        <source>&amp;Address of the page (http or https):</source>
        <translation>&amp;Dirección de la página (http o https):</translation>
    </message>
    <message>
        <source>Address of the page</source>
        <translation>Dirección de la página</translation>
    </message>
    <message>
        <source>%1 is not a web address; an address begins with http:// or https://.</source>
        <translation>%1 no es una dirección web; una dirección empieza por http:// o https://.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>The copied picture: %1</source>
        <translation>La imagen copiada: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n more files could not be opened either.</source>
        <translation>
            <numerusform>Tampoco se pudo abrir %n archivo más.</numerusform>
            <numerusform>Tampoco se pudieron abrir %n archivos más.</numerusform>
        </translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>Abriendo %1…</translation>
    </message>
    <message>
        <source>    Single    </source>
        <translation>    Único    </translation>
    </message>
    <message>
        <source>Single-Article Mode</source>
        <translation>Modo de artículo único</translation>
    </message>
    <message>
        <source>Multi </source>
        <translation>Varios </translation>
    </message>
    <message>
        <source>Multi-Article Mode</source>
        <translation>Modo de varios artículos</translation>
    </message>
    <message>
        <source>Read text file</source>
        <translation>Leer un archivo de texto</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Aloud</source>
        <translation>En voz alta</translation>
    </message>
    <message>
        <source>Read text aloud</source>
        <translation>Leer el texto en voz alta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Read text to file</source>
        <translation>Leer el texto a un archivo</translation>
    </message>
    <message>
        <source>Pause / Resume </source>
        <translation>Pausa / Reanudar </translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saltar</translation>
    </message>
    <message>
        <source>Skip to next article</source>
        <translation>Saltar al artículo siguiente</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop reading</source>
        <translation>Detener la lectura</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Display / Hide Options Panels</source>
        <translation>Mostrar / ocultar los paneles de opciones</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open &amp;Web Address...</source>
        <translation>Abrir dirección &amp;web...</translation>
    </message>
    <message>
        <source>E&amp;xit Parlewind</source>
        <translation>&amp;Salir de Parlewind</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>&amp;Options Panels</source>
        <translation>&amp;Paneles de opciones</translation>
    </message>
    <message>
        <source>&amp;Previous Article</source>
        <translation>Artículo &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Article</source>
        <translation>Artículo &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Edit Title and Voice</source>
        <translation>&amp;Editar título y voz</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Watch Clipboard</source>
        <translation>&amp;Vigilar el portapapeles</translation>
    </message>
    <message>
        <source>&amp;Single Article</source>
        <translation>Artículo &amp;único</translation>
    </message>
    <message>
        <source>&amp;Multi Article</source>
        <translation>Varios artí&amp;culos</translation>
    </message>
    <message>
        <source>Select Audio &amp;Device</source>
        <translation>Elegir &amp;dispositivo de audio</translation>
    </message>
    <message>
        <source>&amp;Pronunciation Editor</source>
        <translation>&amp;Editor de pronunciación</translation>
    </message>
    <message>
        <source>&amp;Languages…</source>
        <translation>&amp;Idiomas…</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lectura</translation>
    </message>
    <message>
        <source>Read &amp;Aloud</source>
        <translation>Leer en &amp;voz alta</translation>
    </message>
    <message>
        <source>Read to &amp;File</source>
        <translation>Leer a &amp;archivo</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>&amp;Saltar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Read from &amp;Here</source>
        <translation>Leer desde a&amp;quí</translation>
    </message>
    <message>
        <source>Pre&amp;vious Sentence</source>
        <translation>Frase a&amp;nterior</translation>
    </message>
    <message>
        <source>Ne&amp;xt Sentence</source>
        <translation>Frase si&amp;guiente</translation>
    </message>
    <message>
        <source>Stop Af&amp;ter</source>
        <translation>Detener &amp;tras</translation>
    </message>
    <message>
        <source>&amp;%1 Minutes</source>
        <translation>&amp;%1 minutos</translation>
    </message>
    <message>
        <source>At the End of This &amp;Article</source>
        <translation>Al final de este &amp;artículo</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Desactivado</translation>
    </message>
    <message>
        <source>&amp;Audio Help</source>
        <translation>Ayuda de au&amp;dio</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Visit Brivanta Technologies</source>
        <translation>&amp;Visitar Brivanta Technologies</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>Añadir &amp;nuevo</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Eliminar seleccionado</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>No se pudo iniciar un programa de correo.</translation>
    </message>
    <message>
        <source>No web browser could be started for %1</source>
        <translation>No se pudo iniciar un navegador web para %1</translation>
    </message>
    <message>
        <source>Parlewind MP3 Pronunciation</source>
        <translation>Pronunciación de Parlewind MP3</translation>
    </message>
</context>
<context>
    <name>TMIOptionsSheet</name>
    <message>
        <source>Multi-Article Options</source>
        <translation>Opciones de varios artículos</translation>
    </message>
    <message>
        <source>File Output:</source>
        <translation>Salida a archivo:</translation>
    </message>
    <message>
        <source>Single File</source>
        <translation>Un solo archivo</translation>
    </message>
    <message>
        <source>Multiple Files</source>
        <translation>Varios archivos</translation>
    </message>
    <message>
        <source>Voice Selection:</source>
        <translation>Selección de voz:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminada</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatoria</translation>
    </message>
    <message>
        <source>Round Robin</source>
        <translation>Rotativa</translation>
    </message>
    <message>
        <source>Automatically &amp;Delete Text after play</source>
        <translation>B&amp;orrar el texto automáticamente tras leerlo</translation>
    </message>
</context>
<context>
    <name>TMemoEntry</name>
    <message>
        <source>Error reading input file</source>
        <translation>Error al leer el archivo de entrada</translation>
    </message>
</context>
<context>
    <name>TMemoEntryView</name>
    <message>
        <source>Article %1 of %2</source>
        <translation>Artículo %1 de %2</translation>
    </message>
    <message>
        <source>Voice: %1</source>
        <translation>Voz: %1</translation>
    </message>
</context>
<context>
    <name>TMemoListBox</name>
    <message>
        <source>Articles</source>
        <translation>Artículos</translation>
    </message>
</context>
<context>
    <name>TMiscPage</name>
    <message>
        <source>Default Voi&amp;ce:</source>
        <translation>Voz &amp;predeterminada:</translation>
    </message>
    <message>
        <source>Show Floating &amp;Toolbar:</source>
        <translation>Mostrar barra de herramientas flo&amp;tante:</translation>
    </message>
    <message>
        <source>On request only</source>
        <translation>Solo a petición</translation>
    </message>
    <message>
        <source>When minimized</source>
        <translation>Al minimizar</translation>
    </message>
    <message>
        <source>When minimized and reading starts</source>
        <translation>Al minimizar y al empezar a leer</translation>
    </message>
    <message>
        <source>&amp;Web pages:</source>
        <translation>Páginas &amp;web:</translation>
    </message>
    <message>
        <source>Main text only</source>
        <translation>Solo el texto principal</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>La página entera</translation>
    </message>
    <message>
        <source>Floating Toolbar Always on To&amp;p</source>
        <translation>Barra flotante siempre &amp;encima</translation>
    </message>
    <message>
        <source>Highlight C&amp;urrent Word</source>
        <translation>Resaltar la palabra a&amp;ctual</translation>
    </message>
    <message>
        <source>Start Parlewind at &amp;Login</source>
        <translation>Iniciar Parlewind al iniciar &amp;sesión</translation>
    </message>
    <message>
        <source>F&amp;ilter non-alpha symbols</source>
        <translation>F&amp;iltrar símbolos no alfabéticos</translation>
    </message>
    <message>
        <source>&amp;Read the selection from any program:</source>
        <translation>Leer la selecci&amp;ón de cualquier programa:</translation>
    </message>
    <message>
        <source>Read the selection from any program</source>
        <translation>Leer la selección de cualquier programa</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>&amp;Ninguno</translation>
    </message>
    <message>
        <source>No shortcut</source>
        <translation>Sin atajo</translation>
    </message>
    <message>
        <source>Read every article with its own voice o&amp;nly</source>
        <translation>Leer cada artículo solo con su propia vo&amp;z</translation>
    </message>
    <message>
        <source>Voices for other lan&amp;guages:</source>
        <translation>Voces para otros idio&amp;mas:</translation>
    </message>
    <message>
        <source>Rea&amp;d by:</source>
        <translation>Leí&amp;do por:</translation>
    </message>
    <message>
        <source>Int&amp;erface language:</source>
        <translation>Idioma de la inte&amp;rfaz:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>(from the next start)</source>
        <translation>(desde el próximo inicio)</translation>
    </message>
</context>
<context>
    <name>TMyAudioDeviceDlg</name>
    <message>
        <source>System Default Output</source>
        <translation>Salida predeterminada del sistema</translation>
    </message>
    <message>
        <source>11.025 kHz, Mono, 8-bit</source>
        <translation>11,025 kHz, mono, 8 bits</translation>
    </message>
    <message>
        <source>11.025 kHz, Stereo, 8-bit</source>
        <translation>11,025 kHz, estéreo, 8 bits</translation>
    </message>
    <message>
        <source>11.025 kHz, Mono, 16-bit</source>
        <translation>11,025 kHz, mono, 16 bits</translation>
    </message>
    <message>
        <source>11.025 kHz, Stereo, 16-bit</source>
        <translation>11,025 kHz, estéreo, 16 bits</translation>
    </message>
    <message>
        <source>22.05 kHz, Mono, 8-bit </source>
        <translation>22,05 kHz, mono, 8 bits</translation>
    </message>
    <message>
        <source>22.05 kHz, Stereo, 8-bit</source>
        <translation>22,05 kHz, estéreo, 8 bits</translation>
    </message>
    <message>
        <source>22.05 kHz, Mono, 16-bit</source>
        <translation>22,05 kHz, mono, 16 bits</translation>
    </message>
    <message>
        <source>22.05 kHz, Stereo, 16-bit</source>
        <translation>22,05 kHz, estéreo, 16 bits</translation>
    </message>
    <message>
        <source>44.1 kHz, Mono, 8-bit</source>
        <translation>44,1 kHz, mono, 8 bits</translation>
    </message>
    <message>
        <source>44.1 kHz, Stereo, 8-bit</source>
        <translation>44,1 kHz, estéreo, 8 bits</translation>
    </message>
    <message>
        <source>44.1 kHz, Mono, 16-bit</source>
        <translation>44,1 kHz, mono, 16 bits</translation>
    </message>
    <message>
        <source>44.1 kHz, Stereo, 16-bit</source>
        <translation>44,1 kHz, estéreo, 16 bits</translation>
    </message>
    <message>
        <source>Supports separate left and right volume control. </source>
        <translation>Admite volumen izquierdo y derecho por separado. </translation>
    </message>
    <message>
        <source>Supports pitch control. </source>
        <translation>Admite control del tono. </translation>
    </message>
    <message>
        <source>Support playback rate control. </source>
        <translation>Admite control de la velocidad de reproducción. </translation>
    </message>
    <message>
        <source>The driver is synchronous and will block while playing a buffer. </source>
        <translation>El controlador es síncrono y se bloquea mientras reproduce un búfer. </translation>
    </message>
    <message>
        <source>Supports volume control. </source>
        <translation>Admite control del volumen. </translation>
    </message>
    <message>
        <source>Returns sample-accurate position information.</source>
        <translation>Da la posición con precisión de muestra.</translation>
    </message>
    <message>
        <source>Audio Device ID </source>
        <translation>ID del dispositivo de audio </translation>
    </message>
    <message>
        <source>&amp;Devices:</source>
        <translation>&amp;Dispositivos:</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>ID del dispositivo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Sound server name</source>
        <translation>Nombre en el servidor de sonido</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Supports</source>
        <translation>Admite</translation>
    </message>
    <message>
        <source>Audio Destination Device ID</source>
        <translation>ID del dispositivo de audio de destino</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
</context>
<context>
    <name>TNotifyIcon</name>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>Parlewind MP3</source>
        <translation>Parlewind MP3</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Show &amp;Toolbar</source>
        <translation>Mostrar &amp;barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Read &amp;Aloud</source>
        <translation>Leer en &amp;voz alta</translation>
    </message>
    <message>
        <source>Read to &amp;File</source>
        <translation>Leer a &amp;archivo</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>Sal&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Pre&amp;vious Sentence</source>
        <translation>Frase a&amp;nterior</translation>
    </message>
    <message>
        <source>&amp;Next Sentence</source>
        <translation>Frase si&amp;guiente</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>A&amp;cerca de</translation>
    </message>
</context>
<context>
    <name>TOutDirDialog</name>
    <message>
        <source>Select Output Directory</source>
        <translation>Elegir la carpeta de salida</translation>
    </message>
    <message>
        <source>Current Directory:</source>
        <translation>Carpeta actual:</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Nueva carpeta</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>New Folder %1</source>
        <translation>Nueva carpeta %1</translation>
    </message>
    <message>
        <source>A folder could not be made in %1</source>
        <translation>No se pudo crear una carpeta en %1</translation>
    </message>
</context>
<context>
    <name>TProgramCore</name>
    <message>
        <source>The settings were missing; defaults are used. The saved articles were restored.</source>
        <translation>Faltaba la configuración; se usan los valores predeterminados. Se restauraron los artículos guardados.</translation>
    </message>
    <message>
        <source>The saved articles file is damaged: %1 of %2 articles were restored.</source>
        <translation>El archivo de artículos guardados está dañado: se restauraron %1 de %2 artículos.</translation>
    </message>
    <message>
        <source>%1 of the %2 saved articles were restored (single-article mode keeps one).</source>
        <translation>Se restauraron %1 de los %2 artículos guardados (el modo de artículo único conserva uno).</translation>
    </message>
    <message>
        <source>The file as it was is kept in %1</source>
        <translation>El archivo tal como estaba se conserva en %1</translation>
    </message>
    <message>
        <source>The file could not be copied to %1</source>
        <translation>No se pudo copiar el archivo a %1</translation>
    </message>
    <message>
        <source>The articles could not be saved to %1: %2<byte value="xd"/><byte value="xd"/>Parlewind stays open so that nothing is lost. Make room on the disk, then choose Exit again.</source>
        <translation>No se pudieron guardar los artículos en %1: %2<byte value="xd"/><byte value="xd"/>Parlewind sigue abierto para que no se pierda nada. Libere espacio en el disco y vuelva a elegir Salir.</translation>
    </message>
    <message>
        <source>Reading Test Message</source>
        <translation>Leyendo el mensaje de prueba</translation>
    </message>
    <message>
        <source>Reading Audio Help</source>
        <translation>Leyendo la ayuda de audio</translation>
    </message>
    <message>
        <source>No articles</source>
        <translation>Ningún artículo</translation>
    </message>
    <message>
        <source>1 article</source>
        <translation>1 artículo</translation>
    </message>
    <message numerus="yes">
        <source>%n articles</source>
        <translation>
            <numerusform>%n artículo</numerusform>
            <numerusform>%n artículos</numerusform>
        </translation>
    </message>
    <message>
        <source>the default voice (%1)</source>
        <translation>la voz predeterminada (%1)</translation>
    </message>
    <message>
        <source>article %1 &quot;%2&quot; (%3)</source>
        <translation>el artículo %1 «%2» (%3)</translation>
    </message>
    <message>
        <source>This item is currently being read and cannot be deleted</source>
        <translation>Este elemento se está leyendo y no se puede eliminar</translation>
    </message>
    <message>
        <source>AddMemo Failed</source>
        <translation>AddMemo falló</translation>
    </message>
    <message>
        <source>The articles could not be saved: %1</source>
        <translation>No se pudieron guardar los artículos: %1</translation>
    </message>
</context>
<context>
    <name>TProgressBar</name>
    <message>
        <source> %1%  %2/%3 files  %4 of audio</source>
        <translation> %1%  %2/%3 archivos  %4 de audio</translation>
    </message>
</context>
<context>
    <name>TPropertyPanel</name>
    <message>
        <source>Title and voice</source>
        <translation>Título y voz</translation>
    </message>
    <message>
        <source>F2 changes them</source>
        <translation>F2 los cambia</translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Título: </translation>
    </message>
    <message>
        <source>Voice: </source>
        <translation>Voz: </translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Read selected article</source>
        <translation>Leer el artículo seleccionado</translation>
    </message>
    <message>
        <source>Read to File</source>
        <translation>Leer a archivo</translation>
    </message>
    <message>
        <source>Read selected article to file</source>
        <translation>Leer el artículo seleccionado a un archivo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete selected article</source>
        <translation>Eliminar el artículo seleccionado</translation>
    </message>
    <message>
        <source>More languages…</source>
        <translation>Más idiomas…</translation>
    </message>
</context>
<context>
    <name>TReadingSession</name>
    <message>
        <source>A title is required to output speech to a file</source>
        <translation>Se necesita un título para leer a un archivo</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Escribiendo %1</translation>
    </message>
    <message>
        <source>Writing the book</source>
        <translation>Escribiendo el libro</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>en uso</translation>
    </message>
    <message>
        <source>The sound device %1 is gone. Reading has stopped.</source>
        <translation>El dispositivo de sonido %1 ya no está. La lectura se ha detenido.</translation>
    </message>
    <message>
        <source>The voice could not speak &quot;%1&quot; (its speech engine failed on it). Reading has stopped.</source>
        <translation>La voz no pudo pronunciar «%1» (su motor de voz falló). La lectura se ha detenido.</translation>
    </message>
    <message>
        <source>The voice %1 could not go on with &quot;%2&quot;: %3. Reading has stopped.</source>
        <translation>La voz %1 no pudo seguir con «%2»: %3. La lectura se ha detenido.</translation>
    </message>
    <message>
        <source>A title is required for each item entry when<byte value="xd"/>outputting to multiple files</source>
        <translation>Se necesita un título para cada elemento<byte value="xd"/>al leer a varios archivos</translation>
    </message>
    <message>
        <source>Output directory %1 is not valid</source>
        <translation>La carpeta de salida %1 no es válida</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2 was not made.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2 no se creó.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2 was not made. The speech is kept in %3.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2 no se creó. La voz se conserva en %3.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>The unfinished file was removed.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Se eliminó el archivo incompleto.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>No se pudo escribir %1: %2.</translation>
    </message>
    <message>
        <source>Article %1 of %2</source>
        <translation>Artículo %1 de %2</translation>
    </message>
    <message>
        <source>Stops at the end of this article</source>
        <translation>Se detiene al final de este artículo</translation>
    </message>
    <message>
        <source>Stops at the end of this sentence</source>
        <translation>Se detiene al final de esta frase</translation>
    </message>
    <message>
        <source>Stops in %1 min</source>
        <translation>Se detiene en %1 min</translation>
    </message>
    <message>
        <source>Making the read-along book: </source>
        <translation>Creando el libro con lectura sincronizada: </translation>
    </message>
    <message>
        <source>Converting to %1 format: </source>
        <translation>Convirtiendo al formato %1: </translation>
    </message>
</context>
<context>
    <name>TSIBusyForm</name>
    <message>
        <source>Parlewind Busy ...</source>
        <translation>Parlewind ocupado ...</translation>
    </message>
    <message>
        <source>In Single-Item mode, Parlewind cannot copy from 
the clipboard while text is being read.</source>
        <translation>En el modo de artículo único, Parlewind no puede copiar 
del portapapeles mientras se lee un texto.</translation>
    </message>
    <message>
        <source>&amp;Do not show this dialog again</source>
        <translation>&amp;No volver a mostrar este diálogo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TSIOptionsSheet</name>
    <message>
        <source>Single-Article Options</source>
        <translation>Opciones de artículo único</translation>
    </message>
    <message>
        <source>Voice Selection:</source>
        <translation>Selección de voz:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminada</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatoria</translation>
    </message>
    <message>
        <source>Automatically &amp;Speak New Text </source>
        <translation>Leer automáticamente el texto nuev&amp;o </translation>
    </message>
</context>
<context>
    <name>TTS</name>
    <message>
        <source>Speak method failed. </source>
        <translation>El método Speak falló. </translation>
    </message>
    <message>
        <source>No wave out devices available on system.</source>
        <translation>No hay dispositivos de salida de audio en el sistema.</translation>
    </message>
</context>
<context>
    <name>TTTSForm</name>
    <message>
        <source>Voice %1 does not exist</source>
        <translation>La voz %1 no existe</translation>
    </message>
    <message>
        <source>No sound device was found. Reading aloud needs a sound server (PulseAudio or PipeWire); reading to files works without one.</source>
        <translation>No se encontró ningún dispositivo de sonido. Leer en voz alta necesita un servidor de sonido (PulseAudio o PipeWire); leer a archivos funciona sin él.</translation>
    </message>
    <message>
        <source>%1 can only read aloud: speech-dispatcher gives no sound back to programs. Choose another voice for files.</source>
        <translation>%1 solo puede leer en voz alta: speech-dispatcher no devuelve sonido a los programas. Elija otra voz para los archivos.</translation>
    </message>
    <message>
        <source>no voices found</source>
        <translation>no se encontraron voces</translation>
    </message>
    <message>
        <source>1 voice</source>
        <translation>1 voz</translation>
    </message>
    <message numerus="yes">
        <source>%n voices</source>
        <translation>
            <numerusform>%n voz</numerusform>
            <numerusform>%n voces</numerusform>
        </translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>no instalado</translation>
    </message>
    <message>
        <source>looking for voices…</source>
        <translation>buscando voces…</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>no disponible</translation>
    </message>
    <message>
        <source>%1, read aloud only</source>
        <translation>%1, solo en voz alta</translation>
    </message>
    <message>
        <source>Modules: %1</source>
        <translation>Módulos: %1</translation>
    </message>
    <message>
        <source>No piper program on the PATH or where chosen.</source>
        <translation>No hay ningún programa piper en el PATH ni donde se eligió.</translation>
    </message>
    <message>
        <source>Program: %1</source>
        <translation>Programa: %1</translation>
    </message>
    <message>
        <source>TTSForm initialization error - error creating TmpTTS</source>
        <translation>Error al iniciar el motor de voz: no se pudo crear el objeto de voz temporal</translation>
    </message>
    <message>
        <source>Sound card is busy.  Wait and try again.</source>
        <translation>La tarjeta de sonido está ocupada.  Espere e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Error accessing sound card</source>
        <translation>Error al acceder a la tarjeta de sonido</translation>
    </message>
    <message>
        <source>Audio device check failed. <byte value="xd"/>Verify that the device you have selected is a valid audio device<byte value="xd"/><byte value="xd"/>Please contact Brivanta Support if you&apos;re having problems</source>
        <translation>Falló la comprobación del dispositivo de audio. <byte value="xd"/>Compruebe que el dispositivo elegido sea un dispositivo de audio válido<byte value="xd"/><byte value="xd"/>Contacte con el soporte de Brivanta si tiene problemas</translation>
    </message>
</context>
<context>
    <name>TToolBarForm</name>
    <message>
        <source>Parlewind MP3 Toolbar</source>
        <translation>Barra de herramientas de Parlewind MP3</translation>
    </message>
    <message>
        <source>Read text aloud</source>
        <translation>Leer el texto en voz alta</translation>
    </message>
    <message>
        <source>Read text to file</source>
        <translation>Leer el texto a un archivo</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>Pausa / Reanudar</translation>
    </message>
    <message>
        <source>Previous Sentence</source>
        <translation>Frase anterior</translation>
    </message>
    <message>
        <source>Next Sentence</source>
        <translation>Frase siguiente</translation>
    </message>
    <message>
        <source>Skip to next article</source>
        <translation>Saltar al artículo siguiente</translation>
    </message>
    <message>
        <source>Stop Reading</source>
        <translation>Detener la lectura</translation>
    </message>
    <message>
        <source>Restore main window</source>
        <translation>Restaurar la ventana principal</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
</context>
<context>
    <name>TVoiceEditPage</name>
    <message>
        <source>Voi&amp;ce</source>
        <translation>Vo&amp;z</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>&amp;Pitch</source>
        <translation>&amp;Tono</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Sp&amp;eed</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Probar</translation>
    </message>
    <message>
        <source>Reset Defa&amp;ults</source>
        <translation>Valores predeterminado&amp;s</translation>
    </message>
    <message>
        <source>Pau&amp;ses</source>
        <translation>Pa&amp;usas</translation>
    </message>
    <message>
        <source>Pauses</source>
        <translation>Pausas</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Cortas</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normales</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Largas</translation>
    </message>
    <message>
        <source>&amp;More…</source>
        <translation>&amp;Más…</translation>
    </message>
    <message>
        <source>More pause settings</source>
        <translation>Más ajustes de pausas</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizadas</translation>
    </message>
    <message>
        <source>Milliseconds at the voice&apos;s normal speed; at twice the speed, half as long.</source>
        <translation>Milisegundos a la velocidad normal de la voz; al doble de velocidad, la mitad.</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>After a &amp;sentence:</source>
        <translation>Tras una &amp;frase:</translation>
    </message>
    <message>
        <source>After a &amp;paragraph:</source>
        <translation>Tras un pá&amp;rrafo:</translation>
    </message>
    <message>
        <source>&amp;Between articles:</source>
        <translation>E&amp;ntre artículos:</translation>
    </message>
    <message>
        <source>This voice has no pitch to change.</source>
        <translation>Esta voz no tiene tono que cambiar.</translation>
    </message>
    <message>
        <source>fixed</source>
        <translation>fijo</translation>
    </message>
    <message>
        <source>%1 words a minute</source>
        <translation>%1 palabras por minuto</translation>
    </message>
</context>
<context>
    <name>TVoiceSourcesPage</name>
    <message>
        <source>Piper &amp;program:</source>
        <translation>&amp;Programa piper:</translation>
    </message>
    <message>
        <source>Piper program</source>
        <translation>Programa piper</translation>
    </message>
    <message>
        <source>piper on the PATH</source>
        <translation>piper en el PATH</translation>
    </message>
    <message>
        <source>Piper &amp;voice folders:</source>
        <translation>Carpetas de &amp;voces piper:</translation>
    </message>
    <message>
        <source>Piper voice folders</source>
        <translation>Carpetas de voces piper</translation>
    </message>
    <message>
        <source>&amp;Add a folder…</source>
        <translation>&amp;Añadir una carpeta…</translation>
    </message>
    <message>
        <source>&amp;Remove Folder</source>
        <translation>&amp;Quitar carpeta</translation>
    </message>
    <message>
        <source>Add a Folder of Piper Voices</source>
        <translation>Añadir una carpeta de voces piper</translation>
    </message>
    <message>
        <source>The voices can be looked for again once the reading has stopped.</source>
        <translation>Las voces se podrán buscar de nuevo cuando se detenga la lectura.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>%1 is too large to be read as an article (more than 64 MB).</source>
        <translation>%1 es demasiado grande para leerse como artículo (más de 64 MB).</translation>
    </message>
    <message>
        <source>%1 does not contain text; it was not opened.</source>
        <translation>%1 no contiene texto; no se abrió.</translation>
    </message>
    <message>
        <source>%1 is empty; it was not opened.</source>
        <translation>%1 está vacío; no se abrió.</translation>
    </message>
</context>
<context>
    <name>Voices</name>
    <message>
        <source>No sound device is available.</source>
        <translation>No hay ningún dispositivo de sonido disponible.</translation>
    </message>
    <message>
        <source>The speech engine could not be started.</source>
        <translation>No se pudo iniciar el motor de voz.</translation>
    </message>
</context>
</TS>
