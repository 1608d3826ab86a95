<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ArticleBooks</name>
    <message>
        <source>The list of books (%1) is damaged; it is kept as it was in %2.</source>
        <translation>Список книг (%1) повреждён; он сохранён без изменений в %2.</translation>
    </message>
    <message>
        <source>The list of books (%1) is damaged.</source>
        <translation>Список книг (%1) повреждён.</translation>
    </message>
</context>
<context>
    <name>Audio</name>
    <message>
        <source>Write Error (1)<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>Ошибка записи (1)<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Write error (2)<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>Ошибка записи (2)<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>%1 is already there and is kept</source>
        <translation>%1 уже существует и сохраняется</translation>
    </message>
    <message>
        <source>The audiobook could not be made (%1: %2)<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>Не удалось создать аудиокнигу (%1: %2)<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>Error reading wave file</source>
        <translation>Ошибка чтения WAV-файла</translation>
    </message>
    <message>
        <source>Invalid wave file...</source>
        <translation>Недопустимый WAV-файл…</translation>
    </message>
    <message>
        <source>Unable to convert wave file</source>
        <translation>Не удалось преобразовать WAV-файл</translation>
    </message>
    <message>
        <source>Invalid param passed!</source>
        <translation>Передан недопустимый параметр!</translation>
    </message>
    <message>
        <source>This wave file is not valid for conversion</source>
        <translation>Этот WAV-файл нельзя преобразовать</translation>
    </message>
    <message>
        <source>Unable to open wave file</source>
        <translation>Не удалось открыть WAV-файл</translation>
    </message>
    <message>
        <source>Unable to setup file IO buffer</source>
        <translation>Не удалось подготовить буфер ввода-вывода файла</translation>
    </message>
    <message>
        <source>Error opening encoding stream %1</source>
        <translation>Ошибка открытия потока кодирования %1</translation>
    </message>
    <message>
        <source>Read Error<byte value="xd"/><byte value="xd"/>%1: %2</source>
        <translation>Ошибка чтения<byte value="xd"/><byte value="xd"/>%1: %2</translation>
    </message>
    <message>
        <source>The Opus encoder could not be started (%1)<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Не удалось запустить кодировщик Opus (%1)<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The Opus encoder failed (%1)<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Сбой кодировщика Opus (%1)<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The Opus comments could not be written<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>Не удалось записать комментарии Opus<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>it is already there</source>
        <translation>он уже существует</translation>
    </message>
    <message>
        <source>the file ends before its sound data does</source>
        <translation>файл заканчивается раньше своих звуковых данных</translation>
    </message>
    <message>
        <source>its sound %1 cannot be read: %2</source>
        <translation>его звук %1 не читается: %2</translation>
    </message>
</context>
<context>
    <name>AudioHelp</name>
    <message>
        <source>&amp;Getting started</source>
        <translation>&amp;Начало работы</translation>
    </message>
    <message>
        <source>Gathering &amp;text</source>
        <translation>Сбор &amp;текста</translation>
    </message>
    <message>
        <source>&amp;Single and multi-article mode</source>
        <translation>&amp;Режим одной статьи и нескольких статей</translation>
    </message>
    <message>
        <source>&amp;Reading aloud, pausing and skipping</source>
        <translation>&amp;Чтение вслух, пауза и пропуск</translation>
    </message>
    <message>
        <source>Reading to &amp;WAV and MP3 files</source>
        <translation>Чтение в файлы &amp;WAV и MP3</translation>
    </message>
    <message>
        <source>&amp;Voices, speed and pitch</source>
        <translation>&amp;Голоса, скорость и высота</translation>
    </message>
    <message>
        <source>The &amp;pronunciation editor</source>
        <translation>Редактор &amp;произношения</translation>
    </message>
    <message>
        <source>Using the &amp;keyboard</source>
        <translation>Работа с &amp;клавиатурой</translation>
    </message>
    <message>
        <source>When there is &amp;no sound</source>
        <translation>Когда нет &amp;звука</translation>
    </message>
    <message>
        <source>Installing &amp;more voices</source>
        <translation>Установка &amp;других голосов</translation>
    </message>
    <message>
        <source>The notification area and the &amp;floating tool bar</source>
        <translation>Область уведомлений и плавающая панель &amp;инструментов</translation>
    </message>
    <message>
        <source>File:%1 Not Found.</source>
        <translation>Файл:%1 не найден.</translation>
    </message>
    <message>
        <source>File:%1 cannot be read: %2</source>
        <translation>Файл:%1 не читается: %2</translation>
    </message>
    <message>
        <source>File:%1 is larger than 64 MB.</source>
        <translation>Файл:%1 больше 64 МБ.</translation>
    </message>
</context>
<context>
    <name>DocumentOpen</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>Открытие %1…</translation>
    </message>
    <message>
        <source>Opening %1: page %2 of %3…</source>
        <translation>Открытие %1: страница %2 из %3…</translation>
    </message>
    <message>
        <source>Opening %1: %2 %…</source>
        <translation>Открытие %1: %2 %…</translation>
    </message>
    <message>
        <source>Recognising page %1 of %2…</source>
        <translation>Распознавание страницы %1 из %2…</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <translation>Загрузка %1…</translation>
    </message>
    <message>
        <source>Fetching part %1 of %2…</source>
        <translation>Загрузка части %1 из %2…</translation>
    </message>
    <message>
        <source>The copied picture could not be read: %1.</source>
        <translation>Не удалось прочитать скопированное изображение: %1.</translation>
    </message>
    <message>
        <source>the copied picture</source>
        <translation>скопированное изображение</translation>
    </message>
    <message>
        <source>The copied picture</source>
        <translation>Скопированное изображение</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>%1 %2; it was not opened.</source>
        <translation>%1 %2; файл не открыт.</translation>
    </message>
    <message>
        <source>could not be reached (no answer for %1 seconds)</source>
        <translation>недоступен (нет ответа %1 с)</translation>
    </message>
    <message>
        <source>took too long to read (a step of it went on for more than %1 seconds)</source>
        <translation>читается слишком долго (один шаг занял больше %1 с)</translation>
    </message>
    <message>
        <source>could not be fetched in %1 seconds</source>
        <translation>не удалось загрузить за %1 с</translation>
    </message>
    <message>
        <source>took too long to read (more than %1 seconds)</source>
        <translation>читается слишком долго (больше %1 с)</translation>
    </message>
    <message>
        <source>could not be read: the reader did not start (%1)</source>
        <translation>не удалось прочитать: программа чтения не запустилась (%1)</translation>
    </message>
    <message>
        <source>is too large to be read as an article (more than 64 MB)</source>
        <translation>слишком велик, чтобы читать его как статью (больше 64 МБ)</translation>
    </message>
    <message>
        <source>answered %1 %2</source>
        <translation>ответил %1 %2</translation>
    </message>
    <message>
        <source>could not be reached (it sends the reader on more than %1 times)</source>
        <translation>недоступен (перенаправляет больше %1 раз)</translation>
    </message>
    <message>
        <source>could not be reached (it sends the reader from a secure address to an insecure one)</source>
        <translation>недоступен (перенаправляет с защищённого адреса на незащищённый)</translation>
    </message>
    <message>
        <source>could not be reached (%1)</source>
        <translation>недоступен (%1)</translation>
    </message>
    <message>
        <source>is not a web page (%1)</source>
        <translation>не является веб-страницей (%1)</translation>
    </message>
    <message>
        <source>could not be kept to be read (%1)</source>
        <translation>не удалось сохранить для чтения (%1)</translation>
    </message>
    <message>
        <source>part %1 %2; the parts before it were read</source>
        <translation>часть %1 %2; предыдущие части прочитаны</translation>
    </message>
    <message>
        <source>holds more text than can be read as articles</source>
        <translation>содержит больше текста, чем можно прочитать как статьи</translation>
    </message>
    <message>
        <source>could not be read (the reader answered nonsense)</source>
        <translation>не удалось прочитать (программа чтения ответила бессмыслицей)</translation>
    </message>
    <message>
        <source>needs more than %1 MB of memory to read</source>
        <translation>для чтения нужно больше %1 МБ памяти</translation>
    </message>
    <message>
        <source>could not be read (the reader failed on it; the file may be damaged, or need more than %1 MB of memory or %2 seconds)</source>
        <translation>не удалось прочитать (программа чтения не справилась; файл может быть повреждён или требовать больше %1 МБ памяти или %2 с)</translation>
    </message>
    <message>
        <source>could not be read (the reader ended without an answer)</source>
        <translation>не удалось прочитать (программа чтения завершилась без ответа)</translation>
    </message>
    <message>
        <source>could not be read safely (%1)</source>
        <translation>не удалось безопасно прочитать (%1)</translation>
    </message>
    <message>
        <source>Text and documents (%1)</source>
        <translation>Тексты и документы (%1)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>Pictures of text (%1)</source>
        <translation>Изображения текста (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>holds no text to read; it was not opened</source>
        <translation>не содержит текста для чтения; файл не открыт</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be read (a folder, a device or a pipe); it was not opened.</source>
        <translation>%1 — не читаемый файл (папка, устройство или канал); файл не открыт.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened: %2</source>
        <translation>Не удалось открыть файл %1: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be read as an article (more than 64 MB); it was not opened.</source>
        <translation>%1 слишком велик, чтобы читать его как статью (больше 64 МБ); файл не открыт.</translation>
    </message>
    <message>
        <source>Error reading input file %1: %2</source>
        <translation>Ошибка чтения входного файла %1: %2</translation>
    </message>
    <message>
        <source>is damaged (it names no package file)</source>
        <translation>повреждён (не указан файл пакета)</translation>
    </message>
    <message>
        <source>is protected against copying (its text is encrypted)</source>
        <translation>защищён от копирования (текст зашифрован)</translation>
    </message>
    <message>
        <source>is damaged (its reading order names a missing part)</source>
        <translation>повреждён (порядок чтения указывает на отсутствующую часть)</translation>
    </message>
    <message>
        <source>page %1 was hard to recognise; its text may be wrong</source>
        <translation>страница %1 распознавалась с трудом; её текст может быть неверным</translation>
    </message>
    <message>
        <source>pages %1 were hard to recognise; their text may be wrong</source>
        <translation>страницы %1 распознавались с трудом; их текст может быть неверным</translation>
    </message>
    <message>
        <source>is damaged (not a readable PDF)</source>
        <translation>повреждён (нечитаемый PDF)</translation>
    </message>
    <message>
        <source>is protected by a password</source>
        <translation>защищён паролем</translation>
    </message>
    <message>
        <source>was not opened: stopped</source>
        <translation>не открыт: остановлено</translation>
    </message>
    <message>
        <source>has more pages of pictures than can be recognised at once (%1; at most %2)</source>
        <translation>содержит больше страниц-изображений, чем можно распознать за раз (%1; не больше %2)</translation>
    </message>
    <message>
        <source>has no text layer (its pages are pictures); it was not opened</source>
        <translation>не имеет текстового слоя (его страницы — изображения); файл не открыт</translation>
    </message>
    <message>
        <source>holds no text that could be recognised; it was not opened</source>
        <translation>не содержит распознаваемого текста; файл не открыт</translation>
    </message>
    <message>
        <source>could not be read: text recognition did not start (its language data %1 cannot be loaded)</source>
        <translation>не удалось прочитать: распознавание текста не запустилось (не загружаются языковые данные %1)</translation>
    </message>
    <message>
        <source>is not a picture that can be read (damaged, or of a kind not known)</source>
        <translation>не является читаемым изображением (повреждено или неизвестного типа)</translation>
    </message>
    <message>
        <source>is too large a picture to be read (%1 × %2 pixels)</source>
        <translation>слишком большое изображение для чтения (%1 × %2 пикселей)</translation>
    </message>
    <message>
        <source>is not a picture that can be read (%1)</source>
        <translation>не является читаемым изображением (%1)</translation>
    </message>
    <message>
        <source>is not a picture that can be read (damaged)</source>
        <translation>не является читаемым изображением (повреждено)</translation>
    </message>
    <message>
        <source>has more pages than can be read (%1)</source>
        <translation>содержит больше страниц, чем можно прочитать (%1)</translation>
    </message>
    <message>
        <source>is damaged (not a readable zip archive)</source>
        <translation>повреждён (нечитаемый zip-архив)</translation>
    </message>
    <message>
        <source>would unpack to more than 256 MB</source>
        <translation>после распаковки занял бы больше 256 МБ</translation>
    </message>
    <message>
        <source>is damaged (%1 is missing)</source>
        <translation>повреждён (нет %1)</translation>
    </message>
    <message>
        <source>is encrypted</source>
        <translation>зашифрован</translation>
    </message>
    <message>
        <source>is refused (%1 would unpack to more than 64 MB)</source>
        <translation>отклонён (%1 после распаковки занял бы больше 64 МБ)</translation>
    </message>
    <message>
        <source>is damaged (%1 cannot be unpacked)</source>
        <translation>повреждён (%1 не распаковывается)</translation>
    </message>
    <message>
        <source>is damaged (%1 does not match its checksum)</source>
        <translation>повреждён (%1 не совпадает со своей контрольной суммой)</translation>
    </message>
    <message>
        <source>is refused (%1 declares entities of its own, which could make it expand without end)</source>
        <translation>отклонён (%1 объявляет собственные сущности, которые могут раздувать его без конца)</translation>
    </message>
    <message>
        <source>is damaged (%1: %2)</source>
        <translation>повреждён (%1: %2)</translation>
    </message>
    <message>
        <source>a limit could not be set: %1</source>
        <translation>не удалось установить ограничение: %1</translation>
    </message>
    <message>
        <source>the system-call filter could not be made</source>
        <translation>не удалось создать фильтр системных вызовов</translation>
    </message>
    <message>
        <source>the system-call filter could not be applied</source>
        <translation>не удалось применить фильтр системных вызовов</translation>
    </message>
    <message>
        <source>the picture was hard to recognise; its text may be wrong</source>
        <translation>изображение распознавалось с трудом; его текст может быть неверным</translation>
    </message>
</context>
<context>
    <name>ESpeechError</name>
    <message>
        <source>The speech recognition or text-to-speech service does not have enough data.</source>
        <translation>У службы распознавания или синтеза речи недостаточно данных.</translation>
    </message>
    <message>
        <source>The sound card does not support the right wave-file format to work with the speech software.</source>
        <translation>Звуковая карта не поддерживает формат WAV, нужный речевой программе.</translation>
    </message>
    <message>
        <source>The audio device is in use at this time.</source>
        <translation>Звуковое устройство сейчас занято.</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to the speech engine.</source>
        <translation>Речевому движку передан недопустимый параметр.</translation>
    </message>
    <message>
        <source>There was an error in disk access, or there is not enough disk space free. If you are low on disk space, try deleting some files to free up space.</source>
        <translation>Ошибка доступа к диску или недостаточно свободного места. Если места мало, удалите несколько файлов.</translation>
    </message>
    <message>
        <source>The program has selected a non-existent speech engine.</source>
        <translation>Программа выбрала несуществующий речевой движок.</translation>
    </message>
    <message>
        <source>An invalid list was passed to the speech recognizer.</source>
        <translation>Распознавателю речи передан недопустимый список.</translation>
    </message>
    <message>
        <source>An invalid character was passed to the speech engine.</source>
        <translation>Речевому движку передан недопустимый символ.</translation>
    </message>
    <message>
        <source>An invalid key was passed to the speech engine.</source>
        <translation>Речевому движку передан недопустимый ключ.</translation>
    </message>
    <message>
        <source>There is not enough memory for the text-to-speech engine to finish. Quit some other programs, and then try again.</source>
        <translation>Синтезатору речи не хватает памяти, чтобы закончить. Закройте другие программы и попробуйте снова.</translation>
    </message>
    <message>
        <source>The text string passed into the text-to-speech engine is empty.</source>
        <translation>Текст, переданный синтезатору речи, пуст.</translation>
    </message>
    <message>
        <source>The program has selected an audio device that does not exist.</source>
        <translation>Программа выбрала несуществующее звуковое устройство.</translation>
    </message>
    <message>
        <source>The program has not told the sound card what wave-file format to use.</source>
        <translation>Программа не сообщила звуковой карте, какой формат WAV использовать.</translation>
    </message>
    <message>
        <source>The audio device is not playing.</source>
        <translation>Звуковое устройство не воспроизводит.</translation>
    </message>
    <message>
        <source>Your sound card does not support this audio-file format.</source>
        <translation>Ваша звуковая карта не поддерживает этот формат звука.</translation>
    </message>
    <message>
        <source>The audio device is not recording.</source>
        <translation>Звуковое устройство не записывает.</translation>
    </message>
    <message>
        <source>The audio driver has not been opened. Double-click the MultiMedia icon in Control Panel and make sure the correct drivers are loaded.</source>
        <translation>Звуковой драйвер не открыт. Проверьте в настройках звука, что загружены нужные драйверы.</translation>
    </message>
    <message>
        <source>The audio handle is still busy. Try restarting your computer.</source>
        <translation>Звуковое устройство всё ещё занято. Попробуйте перезагрузить компьютер.</translation>
    </message>
    <message>
        <source>The notification sink is not the right type.</source>
        <translation>Получатель уведомлений не того типа.</translation>
    </message>
    <message>
        <source>The audio device is not ready.</source>
        <translation>Звуковое устройство не готово.</translation>
    </message>
    <message>
        <source>The audio device has already been claimed.</source>
        <translation>Звуковое устройство уже занято.</translation>
    </message>
    <message>
        <source>The audio device is still in use.</source>
        <translation>Звуковое устройство всё ещё используется.</translation>
    </message>
    <message>
        <source>The audio device has already been started.</source>
        <translation>Звуковое устройство уже запущено.</translation>
    </message>
    <message>
        <source>Cannot use a synchronous audio device.</source>
        <translation>Нельзя использовать синхронное звуковое устройство.</translation>
    </message>
    <message>
        <source>Incorrect function.</source>
        <translation>Неверная функция.</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Не реализовано</translation>
    </message>
    <message>
        <source>No such interface supported</source>
        <translation>Интерфейс не поддерживается</translation>
    </message>
    <message>
        <source>Invalid pointer</source>
        <translation>Недопустимый указатель</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Not enough memory resources are available to complete this operation.</source>
        <translation>Недостаточно памяти для завершения операции.</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>Неверный параметр.</translation>
    </message>
    <message>
        <source>Class not registered</source>
        <translation>Класс не зарегистрирован</translation>
    </message>
</context>
<context>
    <name>Engines</name>
    <message>
        <source>About %1</source>
        <translation>О %1</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Speech by eSpeak NG %2 and Flite.&lt;/p&gt;&lt;p&gt;Voices: %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Речь eSpeak NG %2 и Flite.&lt;/p&gt;&lt;p&gt;Голоса: %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;The voice %2 of speech-dispatcher&apos;s output module %3. It reads aloud only: speech-dispatcher gives no sound back to programs.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Голос %2 модуля вывода %3 speech-dispatcher. Он только читает вслух: speech-dispatcher не возвращает звук программам.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>%1 is not a key this shortcut can use.</source>
        <translation>%1 — не та клавиша, которую может использовать это сочетание.</translation>
    </message>
    <message>
        <source>The desktop did not give the shortcut.</source>
        <translation>Рабочий стол не выделил сочетание клавиш.</translation>
    </message>
    <message>
        <source>Read the selection aloud</source>
        <translation>Прочитать выделение вслух</translation>
    </message>
    <message>
        <source>The shortcut was not confirmed in the desktop&apos;s dialog.</source>
        <translation>Сочетание клавиш не подтверждено в диалоге рабочего стола.</translation>
    </message>
    <message>
        <source>The desktop holds this shortcut; it is changed in the desktop&apos;s shortcut settings.</source>
        <translation>Этим сочетанием управляет рабочий стол; оно меняется в его настройках сочетаний клавиш.</translation>
    </message>
    <message>
        <source>The desktop holds this shortcut as %1; it is changed in the desktop&apos;s shortcut settings.</source>
        <translation>Этим сочетанием управляет рабочий стол как %1; оно меняется в его настройках сочетаний клавиш.</translation>
    </message>
    <message>
        <source>This desktop lets no program take a shortcut of its own.</source>
        <translation>Этот рабочий стол не даёт программам собственных сочетаний клавиш.</translation>
    </message>
    <message>
        <source>%1 is taken by another program; choose another shortcut.</source>
        <translation>%1 занято другой программой; выберите другое сочетание.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>its voice file cannot be read</source>
        <translation>его файл голоса не читается</translation>
    </message>
    <message>
        <source>its dictionary %1 cannot be read</source>
        <translation>его словарь %1 не читается</translation>
    </message>
    <message>
        <source>its dictionary %1 is damaged</source>
        <translation>его словарь %1 повреждён</translation>
    </message>
    <message>
        <source>The language %1 (%2) is not offered: %3.</source>
        <translation>Язык %1 (%2) недоступен: %3.</translation>
    </message>
</context>
<context>
    <name>LanguagesDialog</name>
    <message>
        <source>Languages</source>
        <translation>Языки</translation>
    </message>
    <message>
        <source>Each language you check adds a female and a male voice, &quot;Mary (&lt;Language&gt;)&quot; and &quot;Mike (&lt;Language&gt;)&quot;.</source>
        <translation>Каждый отмеченный язык добавляет женский и мужской голос, «Mary (&lt;Язык&gt;)» и «Mike (&lt;Язык&gt;)».</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Поиск:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>&amp;Languages:</source>
        <translation>&amp;Языки:</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>П&amp;рослушать</translation>
    </message>
    <message>
        <source>%1 and %2 are used by:<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>These keep the voice&apos;s name, which can no longer be read with until the language is checked again. Uncheck %4?</source>
        <translation>%1 и %2 используются в:<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>Они сохраняют имя голоса, которым нельзя будет читать, пока язык не будет отмечен снова. Снять отметку с %4?</translation>
    </message>
    <message>
        <source>Test %1</source>
        <translation>Прослушать %1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Прослушать</translation>
    </message>
    <message>
        <source>The languages could not be stored; the choice holds until the program ends.</source>
        <translation>Не удалось сохранить языки; выбор действует до завершения программы.</translation>
    </message>
</context>
<context>
    <name>Lexicon</name>
    <message>
        <source>the file is larger than 64 MB</source>
        <translation>файл больше 64 МБ</translation>
    </message>
</context>
<context>
    <name>LexiconDialog</name>
    <message>
        <source>Pronunciation Editor</source>
        <translation>Редактор произношения</translation>
    </message>
    <message>
        <source>Pronunciations</source>
        <translation>Произношения</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Слово</translation>
    </message>
    <message>
        <source>Sounds like</source>
        <translation>Звучит как</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>&amp;Слово:</translation>
    </message>
    <message>
        <source>&amp;Sounds like:</source>
        <translation>&amp;Звучит как:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Изменить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>П&amp;рослушать</translation>
    </message>
    <message>
        <source>The pronunciations in %1 could not be read (%2); they cannot be edited now.</source>
        <translation>Не удалось прочитать произношения в %1 (%2); сейчас их нельзя изменить.</translation>
    </message>
    <message>
        <source>Type a word or phrase and how it sounds.</source>
        <translation>Введите слово или фразу и то, как они звучат.</translation>
    </message>
    <message>
        <source>The pronunciations could not be saved to %1</source>
        <translation>Не удалось сохранить произношения в %1</translation>
    </message>
</context>
<context>
    <name>OptionControls</name>
    <message>
        <source>%1 … %2: type a whole number; until then the last one is kept</source>
        <translation>%1 … %2: введите целое число; пока сохраняется последнее</translation>
    </message>
</context>
<context>
    <name>Piper</name>
    <message>
        <source>the piper program was not found</source>
        <translation>программа piper не найдена</translation>
    </message>
    <message>
        <source>the piper program (%1) could not be started</source>
        <translation>не удалось запустить программу piper (%1)</translation>
    </message>
    <message>
        <source>piper wrote no sound the program could read</source>
        <translation>piper не записал звука, который программа могла бы прочитать</translation>
    </message>
    <message>
        <source>piper could not load the voice&apos;s model</source>
        <translation>piper не смог загрузить модель голоса</translation>
    </message>
    <message>
        <source>piper ended unexpectedly</source>
        <translation>piper неожиданно завершился</translation>
    </message>
    <message>
        <source>piper gave no sound for %1 seconds</source>
        <translation>piper не выдавал звука %1 с</translation>
    </message>
</context>
<context>
    <name>ProgramPaths</name>
    <message>
        <source>Unable to create %1</source>
        <translation>Не удалось создать %1</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>папка %1 не существует</translation>
    </message>
    <message>
        <source>the folder %1 is on a read-only disk</source>
        <translation>папка %1 находится на диске только для чтения</translation>
    </message>
    <message>
        <source>permission denied: the folder %1 cannot be written</source>
        <translation>доступ запрещён: в папку %1 нельзя записывать</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>%1 cannot be used (%2).</source>
        <translation>%1 нельзя использовать (%2).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 — не папка.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 принадлежит другому пользователю.</translation>
    </message>
    <message>
        <source>%1 can be used by other users too.</source>
        <translation>%1 доступна и другим пользователям.</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2).</source>
        <translation>%1 не удалось создать (%2).</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>это ссылка</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>он больше %1 МБ</translation>
    </message>
    <message>
        <source>%1 could not be read (%2) and was set aside as %3.</source>
        <translation>%1 не удалось прочитать (%2), он отложен как %3.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <translation>%1 не удалось прочитать (%2).</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings could not be written to %1</source>
        <translation>Не удалось записать настройки в %1</translation>
    </message>
    <message>
        <source>Settings file %1 is damaged; defaults are used. A copy was kept as %2</source>
        <translation>Файл настроек %1 повреждён; используются значения по умолчанию. Копия сохранена как %2</translation>
    </message>
    <message>
        <source>Settings file %1 cannot be read; defaults are used</source>
        <translation>Файл настроек %1 не читается; используются значения по умолчанию</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Parlewind talks to its running window through a folder only you may use, and there is none: %1 Set XDG_RUNTIME_DIR to a folder of yours with mode 700.</source>
        <translation>Parlewind связывается со своим открытым окном через папку, доступную только вам, а такой нет: %1 Укажите в XDG_RUNTIME_DIR свою папку с правами 700.</translation>
    </message>
    <message>
        <source>The program listening in %1 runs as another user; nothing was sent.</source>
        <translation>Программа, ожидающая в %1, работает от другого пользователя; ничего не отправлено.</translation>
    </message>
</context>
<context>
    <name>SpeechDispatcher</name>
    <message>
        <source>speech-dispatcher could not be reached (%1)</source>
        <translation>speech-dispatcher недоступен (%1)</translation>
    </message>
    <message>
        <source>speech-dispatcher stopped while reading</source>
        <translation>speech-dispatcher остановился во время чтения</translation>
    </message>
    <message>
        <source>speech-dispatcher refused the voice</source>
        <translation>speech-dispatcher отклонил голос</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Parlewind MP3</source>
        <translation>О Parlewind MP3</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Parlewind MP3&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Reads your text aloud, or into WAV and MP3 files.&lt;/p&gt;&lt;p&gt;&amp;copy; Brivanta Technologies&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Parlewind MP3&lt;/h2&gt;&lt;p&gt;Версия %1&lt;/p&gt;&lt;p&gt;Читает ваши тексты вслух или в файлы WAV и MP3.&lt;/p&gt;&lt;p&gt;&amp;copy; Brivanta Technologies&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check out Parlewind MP3 at %1 .  Parlewind MP3 lets you listen to text you copy to the clipboard. It uses Text to Speech technology which actually synthesizes natural sounding speech from ordinary text.  Listen to your email, news, any text you want.  You can also convert your text to wav or MP3 files so you can listen later.  Try Parlewind MP3 free today at %1</source>
        <translation>Попробуйте Parlewind MP3: %1 .  Parlewind MP3 позволяет слушать текст, скопированный в буфер обмена. Он использует синтез речи, создающий естественную речь из обычного текста.  Слушайте почту, новости, любой текст.  Можно также превратить тексты в файлы WAV или MP3 и послушать их позже.  Попробуйте Parlewind MP3 бесплатно уже сегодня: %1</translation>
    </message>
</context>
<context>
    <name>TArticleList</name>
    <message>
        <source>No rows are currently selected</source>
        <translation>Ни одна строка не выбрана</translation>
    </message>
</context>
<context>
    <name>TCB_PromptForm</name>
    <message>
        <source>Copy Clipboard to Speech Buffer ?</source>
        <translation>Скопировать буфер обмена в буфер чтения?</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая</translation>
    </message>
    <message>
        <source>&amp;Append</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Append text to current article</source>
        <translation>Добавить текст к текущей статье</translation>
    </message>
    <message>
        <source>Cancel clipboard copy to Parlewind MP3</source>
        <translation>Отменить копирование буфера обмена в Parlewind MP3</translation>
    </message>
    <message>
        <source>Current Mode is Multi-Article Mode</source>
        <translation>Текущий режим: несколько статей</translation>
    </message>
    <message>
        <source>Current Mode is Single-Article Mode</source>
        <translation>Текущий режим: одна статья</translation>
    </message>
    <message>
        <source>Add new article</source>
        <translation>Добавить новую статью</translation>
    </message>
    <message>
        <source>Overwrite current article</source>
        <translation>Заменить текущую статью</translation>
    </message>
</context>
<context>
    <name>TClipboardPage</name>
    <message>
        <source>&amp;Watch Clipboard</source>
        <translation>&amp;Следить за буфером обмена</translation>
    </message>
    <message>
        <source>&amp;Ignore clipboard text if less than</source>
        <translation>&amp;Пропускать текст из буфера короче</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>символов</translation>
    </message>
    <message>
        <source>Prompt Options</source>
        <translation>Параметры запроса</translation>
    </message>
    <message>
        <source>&amp;Prompt to copy from clipboard</source>
        <translation>Сп&amp;рашивать перед копированием из буфера</translation>
    </message>
    <message>
        <source>Displa&amp;y Prompt for</source>
        <translation>Показывать &amp;вопрос</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>секунд</translation>
    </message>
    <message>
        <source>Default A&amp;ction:</source>
        <translation>&amp;Действие по умолчанию:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новая</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Remember Last</source>
        <translation>Запомнить последнее</translation>
    </message>
</context>
<context>
    <name>TClipboardWatch</name>
    <message>
        <source>Watching the clipboard is off: this Wayland desktop does not tell programs in the background of copies. Paste the text into Parlewind instead, or start Parlewind in an X11 session (or through XWayland) to watch the clipboard.</source>
        <translation>Слежение за буфером обмена выключено: этот рабочий стол Wayland не сообщает фоновым программам о копировании. Вставьте текст в Parlewind вручную или запустите Parlewind в сеансе X11 (или через XWayland), чтобы следить за буфером обмена.</translation>
    </message>
</context>
<context>
    <name>TConvertOptions</name>
    <message>
        <source>, aloud only</source>
        <translation>, только вслух</translation>
    </message>
    <message>
        <source>parlewind --help tells how to use it.</source>
        <translation>parlewind --help объясняет, как им пользоваться.</translation>
    </message>
    <message>
        <source>the speech engine cannot be started: %1</source>
        <translation>не удалось запустить речевой движок: %1</translation>
    </message>
    <message>
        <source>the speech engine offers no voice.</source>
        <translation>речевой движок не предлагает ни одного голоса.</translation>
    </message>
    <message>
        <source>--%1 wants a whole number greater than 0, not &quot;%2&quot;.</source>
        <translation>--%1 требует целое число больше 0, а не «%2».</translation>
    </message>
    <message>
        <source>--speed wants words a minute or a factor such as 2.5x, not &quot;%1&quot;.</source>
        <translation>--speed требует число слов в минуту или множитель вроде 2.5x, а не «%1».</translation>
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
        <translation>Использование: parlewind --convert [параметры] ФАЙЛ...
Читает текстовые файлы вслух в файлы MP3, M4B, Opus или WAV, по одному на файл,
голосами, произношениями и настройками окна Parlewind. Не требует ни экрана, ни
звукового сервера.

  ФАЙЛ                 текстовый файл (UTF-8, иначе Windows-1252), документ
                       HTML, Markdown, EPUB, OpenDocument, Word или PDF
                       (электронная книга даёт пронумерованный файл на главу),
                       изображение текста; адрес http или https читает
                       веб-страницу (только основной текст); - читает
                       стандартный ввод
  --whole-page         веб-страница читается целиком, с меню и всем прочим
  --articles ФАЙЛ      статьи из файла сохранённых статей, по одному выводу
                       на каждую
  --voice ИМЯ          голос для чтения (по умолчанию: голос по умолчанию окна
                       или голос каждой сохранённой статьи)
  --list-voices        выводит голоса и их языки
  --speed N            слов в минуту в пределах голоса; или множитель обычной
                       скорости от 0.5x до 4x (--speed 2.5x)
  --pauses short|normal|long  паузы после предложений и абзацев и между
                       статьями (по умолчанию: как задано в окне)
  --languages on|off   части на других языках читает голос их языка (по
                       умолчанию: on, если окно этого не выключило)
  --pitch N            в пределах голоса
  --format ФОРМАТ      какие файлы писать: mp3 (по умолчанию), m4b (аудиокнига:
                       AAC с главами), opus, epub (книга с синхронным чтением:
                       текст подсвечивается по предложениям, пока звучит, глава
                       на каждый вход), wav или txt (текст, который был бы
                       произнесён, чтобы сначала проверить или поправить его)
  --highlight-words    книга с синхронным чтением подсвечивает каждое слово, а
                       не только предложение
  --book-audio mp3|aac звук в книге с синхронным чтением (по умолчанию: mp3)
  --subtitles srt|vtt|lrc  текст с таймингом по речи рядом с каждым файлом,
                       строка на предложение
  --out ПАПКА          куда их писать (по умолчанию: текущая папка; создаётся,
                       если её нет)
  --single-file ИМЯ    всё в один файл с этим именем, глава на каждый вход
                       (главы книги как есть)
  --overwrite          заменяет уже существующие файлы
  --jobs N             сколько файлов кодировать одновременно (по умолчанию:
                       по одному на ядро)
  --quiet              без индикатора хода
  -h, --help           этот текст
  --version            версия программы

Файлы называются по заголовкам: имя текстового файла без расширения, заголовок
сохранённой статьи. В тегах файлов — заголовок, голос (или автор книги), альбом
(«Parlewind MP3», название книги или файла сохранённых статей), номер дорожки и
обложка книги.

Код выхода: 0 все файлы записаны; 1 некоторые входы не удались (каждый назван,
остальные записаны); 2 команда не понята; 128 + номер сигнала при остановке
сигналом: 130 Ctrl+C (SIGINT), 143 SIGTERM, 129 SIGHUP.

Использование: parlewind [ФАЙЛ...]
Открывает окно Parlewind или передаёт файлы уже открытому, как «Открыть».
Команды для работающей программы (команды чтения и --show запускают её, если
она не работает; код выхода 0, когда команда принята, 1, если программа не
работает):
  --read-selection     читает вслух текст, выделенный в любой программе (текст
                       буфера обмена, если ничего не выделено); повторно:
                       останавливает
  --read-clipboard     читает вслух текст буфера обмена; повторно: останавливает
  --pause, --resume, --toggle-pause, --stop, --skip
                       как команды чтения в окне
  --show               выводит окно на передний план
</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 указан больше одного раза.</translation>
    </message>
    <message>
        <source>--voice wants the name of a voice.</source>
        <translation>--voice требует имя голоса.</translation>
    </message>
    <message>
        <source>--pauses is short, normal or long, not &quot;%1&quot;.</source>
        <translation>--pauses — это short, normal или long, а не «%1».</translation>
    </message>
    <message>
        <source>--languages is on or off, not &quot;%1&quot;.</source>
        <translation>--languages — это on или off, а не «%1».</translation>
    </message>
    <message>
        <source>--format is mp3, m4b, opus, epub, wav or txt, not &quot;%1&quot;.</source>
        <translation>--format — это mp3, m4b, opus, epub, wav или txt, а не «%1».</translation>
    </message>
    <message>
        <source>--book-audio is mp3 or aac, not &quot;%1&quot;.</source>
        <translation>--book-audio — это mp3 или aac, а не «%1».</translation>
    </message>
    <message>
        <source>--%1 is for read-along books (--format epub).</source>
        <translation>--%1 — для книг с синхронным чтением (--format epub).</translation>
    </message>
    <message>
        <source>--subtitles is srt, vtt or lrc, not &quot;%1&quot;.</source>
        <translation>--subtitles — это srt, vtt или lrc, а не «%1».</translation>
    </message>
    <message>
        <source>--subtitles times speech; --format txt writes none.</source>
        <translation>--subtitles размечает речь по времени; --format txt речи не пишет.</translation>
    </message>
    <message>
        <source>--subtitles writes timed text beside sound files; a read-along book holds its own.</source>
        <translation>--subtitles пишет текст с таймингом рядом со звуковыми файлами; книга с синхронным чтением содержит свой.</translation>
    </message>
    <message>
        <source>--out wants a folder.</source>
        <translation>--out требует папку.</translation>
    </message>
    <message>
        <source>--single-file wants a file name.</source>
        <translation>--single-file требует имя файла.</translation>
    </message>
    <message>
        <source>Nothing to convert: name text files, - for the standard input, or --articles FILE.</source>
        <translation>Нечего преобразовывать: укажите текстовые файлы, - для стандартного ввода или --articles ФАЙЛ.</translation>
    </message>
    <message>
        <source>The standard input can be read only once.</source>
        <translation>Стандартный ввод можно прочитать только один раз.</translation>
    </message>
</context>
<context>
    <name>TConvertRun</name>
    <message>
        <source>%1 is already there; --overwrite replaces it</source>
        <translation>%1 уже существует; --overwrite заменяет его</translation>
    </message>
    <message>
        <source>the speech engine failed</source>
        <translation>сбой речевого движка</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>стандартный ввод</translation>
    </message>
    <message>
        <source>more than 64 MB, too large to be read as an article</source>
        <translation>больше 64 МБ, слишком велик, чтобы читать как статью</translation>
    </message>
    <message>
        <source>Standard input</source>
        <translation>Стандартный ввод</translation>
    </message>
    <message>
        <source>is a folder, not a text file</source>
        <translation>это папка, а не текстовый файл</translation>
    </message>
    <message>
        <source>%1, chapter %2</source>
        <translation>%1, глава %2</translation>
    </message>
    <message>
        <source>is a folder, not a saved-articles file</source>
        <translation>это папка, а не файл сохранённых статей</translation>
    </message>
    <message>
        <source>is too large to be a saved-articles file (more than 256 MB)</source>
        <translation>слишком велик для файла сохранённых статей (больше 256 МБ)</translation>
    </message>
    <message>
        <source>is not a saved-articles file</source>
        <translation>не является файлом сохранённых статей</translation>
    </message>
    <message>
        <source>is damaged; the articles after the damaged place are not converted</source>
        <translation>повреждён; статьи после повреждённого места не преобразуются</translation>
    </message>
    <message>
        <source>%1, article %2</source>
        <translation>%1, статья %2</translation>
    </message>
    <message>
        <source>holds no article with text</source>
        <translation>не содержит ни одной статьи с текстом</translation>
    </message>
    <message>
        <source>Voice %1 does not exist</source>
        <translation>Голос %1 не существует</translation>
    </message>
    <message>
        <source>%1 %2 is outside the limits of %3 (%4 to %5).</source>
        <translation>%1 %2 выходит за пределы %3 (от %4 до %5).</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>the output folder cannot be made: %1 is a file, not a folder</source>
        <translation>не удалось создать папку вывода: %1 — файл, а не папка</translation>
    </message>
    <message>
        <source>the output folder cannot be made: %1</source>
        <translation>не удалось создать папку вывода: %1</translation>
    </message>
    <message>
        <source>nothing can be written in the output folder: %1</source>
        <translation>в папку вывода ничего нельзя записать: %1</translation>
    </message>
    <message>
        <source>A title is required to output speech to a file</source>
        <translation>Для вывода речи в файл нужен заголовок</translation>
    </message>
    <message>
        <source>has the same title as an earlier input; %1 is written only once</source>
        <translation>имеет тот же заголовок, что и один из предыдущих входов; %1 записывается только один раз</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;; parlewind --convert --list-voices lists them.</source>
        <translation>голоса «%1» нет; parlewind --convert --list-voices выводит список голосов.</translation>
    </message>
    <message>
        <source>was not made: a chapter of it could not be made</source>
        <translation>не создан: не удалось создать одну из его глав</translation>
    </message>
    <message>
        <source>The standard input</source>
        <translation>Стандартный ввод</translation>
    </message>
</context>
<context>
    <name>TDesktopCommands</name>
    <message>
        <source>Parlewind cannot read the selection or the clipboard from the background on this Wayland desktop: it gives them only to the program in front. Paste the text into Parlewind instead, or run Parlewind through XWayland (as it starts where DISPLAY is set).</source>
        <translation>Parlewind не может читать выделение или буфер обмена в фоне на этом рабочем столе Wayland: он отдаёт их только программе на переднем плане. Вставьте текст в Parlewind или запустите Parlewind через XWayland (как он запускается там, где задан DISPLAY).</translation>
    </message>
    <message>
        <source>On this Wayland desktop a program in the background cannot read the selection, so no key can read it to Parlewind here. Run Parlewind through XWayland (as it starts where DISPLAY is set) to read the selection of any program.</source>
        <translation>На этом рабочем столе Wayland фоновая программа не может читать выделение, поэтому здесь никакая клавиша не передаст его Parlewind. Запустите Parlewind через XWayland (как он запускается там, где задан DISPLAY), чтобы читать выделение из любой программы.</translation>
    </message>
    <message>
        <source>This desktop lets no program take a shortcut of its own: in its keyboard settings, bind a key to the command  parlewind --read-selection</source>
        <translation>Этот рабочий стол не даёт программам собственных сочетаний клавиш: в его настройках клавиатуры назначьте клавишу на команду  parlewind --read-selection</translation>
    </message>
    <message>
        <source>On this Wayland desktop the key reaches Parlewind only while a window of an X11 program has focus. To read the selection from any program, bind a key to the command  parlewind --read-selection  in the desktop&apos;s keyboard settings.</source>
        <translation>На этом рабочем столе Wayland клавиша доходит до Parlewind, только пока в фокусе окно программы X11. Чтобы читать выделение из любой программы, назначьте клавишу на команду  parlewind --read-selection  в настройках клавиатуры рабочего стола.</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>В буфере обмена нет текста.</translation>
    </message>
    <message>
        <source>Nothing is selected, and the clipboard holds no text.</source>
        <translation>Ничего не выделено, и в буфере обмена нет текста.</translation>
    </message>
    <message>
        <source>The selection is %1 MB of text; Parlewind reads at most %2 MB from a selection. Save it to a file and open that instead.</source>
        <translation>Выделено %1 МБ текста; Parlewind читает не больше %2 МБ выделения. Сохраните его в файл и откройте этот файл.</translation>
    </message>
    <message>
        <source>The selection does not contain text; it was not read.</source>
        <translation>Выделение не содержит текста; оно не прочитано.</translation>
    </message>
    <message>
        <source>Parlewind does not know the command &quot;%1&quot;.</source>
        <translation>Parlewind не знает команду «%1».</translation>
    </message>
    <message>
        <source>Parlewind is reading to a file; try again when it is done.</source>
        <translation>Parlewind читает в файл; повторите, когда он закончит.</translation>
    </message>
</context>
<context>
    <name>TEngineWarningForm</name>
    <message>
        <source>Text To Speech Engine not found</source>
        <translation>Синтезатор речи не найден</translation>
    </message>
    <message>
        <source>A Text-To-Speech engine does not appear to be installed 
on your machine.  These engines, which perform actual 
speech synthesis, are required for Parlewind to operate.

Installing a speech engine on your computer is easy.  Just 
visit our website for instructions.</source>
        <translation>Похоже, на вашем компьютере не установлен синтезатор 
речи.  Эти программы, которые и создают речь, 
нужны для работы Parlewind.

Установить синтезатор речи на компьютер просто.  
Инструкции есть на нашем сайте.</translation>
    </message>
    <message>
        <source>Click here to download Speech Engine</source>
        <translation>Нажмите здесь, чтобы загрузить синтезатор речи</translation>
    </message>
    <message>
        <source>If you are having problems or have any questions, please
contact our support staff at</source>
        <translation>Если возникли проблемы или вопросы,
напишите в нашу службу поддержки:</translation>
    </message>
    <message>
        <source>Exit Parlewind MP3</source>
        <translation>Выйти из Parlewind MP3</translation>
    </message>
    <message>
        <source>No web browser could be started for %1</source>
        <translation>Не удалось запустить браузер для %1</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Не удалось запустить почтовую программу.</translation>
    </message>
</context>
<context>
    <name>TFavoriteVoicesPage</name>
    <message>
        <source>Favorit&amp;e Voices</source>
        <translation>&amp;Избранные голоса</translation>
    </message>
    <message>
        <source>Exclude the selected voices</source>
        <translation>Исключить выбранные голоса</translation>
    </message>
    <message>
        <source>Make the selected voices favorites</source>
        <translation>Сделать выбранные голоса избранными</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>П&amp;рослушать</translation>
    </message>
    <message>
        <source>&amp;Languages…</source>
        <translation>&amp;Языки…</translation>
    </message>
    <message>
        <source>Voices for more languages</source>
        <translation>Голоса для других языков</translation>
    </message>
    <message>
        <source>E&amp;xcluded Voices</source>
        <translation>Исключённые &amp;голоса</translation>
    </message>
    <message>
        <source>Use this panel to control the voices used in Parlewind.  Voices  
you exclude will not be selected in Random / Round Robin 
Voice Selection</source>
        <translation>Здесь настраиваются голоса, которые использует Parlewind.  Исключённые  
голоса не выбираются при выборе голоса 
Случайно / По очереди</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;more&quot;&gt;Want more voices?  Click Here&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;more&quot;&gt;Нужно больше голосов?  Нажмите здесь&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Want more voices?  Click Here</source>
        <translation>Нужно больше голосов?  Нажмите здесь</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is currently the Default Voice<byte value="xd"/>and cannot be excluded</source>
        <translation>«%1» сейчас голос по умолчанию<byte value="xd"/>и не может быть исключён</translation>
    </message>
    <message>
        <source>At least one voice is required in the Favorites List</source>
        <translation>В списке избранных нужен хотя бы один голос</translation>
    </message>
    <message>
        <source>Select a voice to test</source>
        <translation>Выберите голос для прослушивания</translation>
    </message>
</context>
<context>
    <name>TFileOptionsPage</name>
    <message>
        <source>Output File Format</source>
        <translation>Формат выходного файла</translation>
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
        <translation>Аудиокнига M&amp;4B</translation>
    </message>
    <message>
        <source>O&amp;pus</source>
        <translation>O&amp;pus</translation>
    </message>
    <message>
        <source>&amp;Read-along book (EPUB 3)</source>
        <translation>&amp;Книга с синхронным чтением (EPUB 3)</translation>
    </message>
    <message>
        <source>&amp;Highlight words</source>
        <translation>&amp;Выделять слова</translation>
    </message>
    <message>
        <source>The book lights each word as it is spoken, not only each sentence</source>
        <translation>Книга подсвечивает каждое произносимое слово, а не только предложение</translation>
    </message>
    <message>
        <source>Book &amp;audio:</source>
        <translation>&amp;Звук книги:</translation>
    </message>
    <message>
        <source>Book audio</source>
        <translation>Звук книги</translation>
    </message>
    <message>
        <source>&amp;Timed text beside each file:</source>
        <translation>&amp;Текст с таймингом рядом с каждым файлом:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>SRT subtitles</source>
        <translation>Субтитры SRT</translation>
    </message>
    <message>
        <source>WebVTT subtitles</source>
        <translation>Субтитры WebVTT</translation>
    </message>
    <message>
        <source>LRC lyrics</source>
        <translation>Тексты песен LRC</translation>
    </message>
    <message>
        <source>Timed text beside each file</source>
        <translation>Текст с таймингом рядом с каждым файлом</translation>
    </message>
    <message>
        <source>File Output D&amp;irectory:</source>
        <translation>Папка для &amp;файлов:</translation>
    </message>
    <message>
        <source>File Output Directory</source>
        <translation>Папка для файлов</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Обзор</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>This desktop has no notification area, so the window stays open. To end Parlewind, choose Exit Parlewind in the File menu; to close it to a floating tool bar, choose &quot;When minimized&quot; for &quot;Show Floating Toolbar&quot; on the Misc page.</source>
        <translation>На этом рабочем столе нет области уведомлений, поэтому окно остаётся открытым. Чтобы завершить Parlewind, выберите «Выход из Parlewind» в меню «Файл»; чтобы сворачивать его в плавающую панель, выберите «При сворачивании» для «Показывать плавающую панель» на странице «Разное».</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Па&amp;уза</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>Про&amp;должить</translation>
    </message>
    <message>
        <source>Single-Article Options</source>
        <translation>Параметры одной статьи</translation>
    </message>
    <message>
        <source>Multi-Article Options</source>
        <translation>Параметры нескольких статей</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>Страницы параметров</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Буфер обмена</translation>
    </message>
    <message>
        <source>Favorite Voices</source>
        <translation>Избранные голоса</translation>
    </message>
    <message>
        <source>Voice Edit</source>
        <translation>Настройка голоса</translation>
    </message>
    <message>
        <source>File Options</source>
        <translation>Параметры файлов</translation>
    </message>
    <message>
        <source>Voice Sources</source>
        <translation>Источники голосов</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Разное</translation>
    </message>
    <message>
        <source>The help page on more voices could not be opened.</source>
        <translation>Не удалось открыть страницу справки о других голосах.</translation>
    </message>
    <message>
        <source>Watching the clipboard is off on this Wayland desktop (see the Clipboard page).</source>
        <translation>Слежение за буфером обмена выключено на этом рабочем столе Wayland (см. страницу «Буфер обмена»).</translation>
    </message>
    <message>
        <source>Parlewind MP3 is still running. Use the icon here to restore it or to exit.</source>
        <translation>Parlewind MP3 всё ещё работает. Значок здесь вернёт окно или завершит программу.</translation>
    </message>
    <message>
        <source>The help file could not be found.</source>
        <translation>Файл справки не найден.</translation>
    </message>
    <message>
        <source>No program could be started to show the help file %1</source>
        <translation>Не удалось запустить программу для показа файла справки %1</translation>
    </message>
    <message>
        <source>Parlewind MP3 Languages</source>
        <translation>Языки Parlewind MP3</translation>
    </message>
    <message>
        <source>Read the page at %1?</source>
        <translation>Прочитать страницу по адресу %1?</translation>
    </message>
    <message>
        <source>Open Web Address</source>
        <translation>Открыть веб-адрес</translation>
    </message>
    <message>
        <source>&amp;Address of the page (http or https):</source>
        <translation>&amp;Адрес страницы (http или https):</translation>
    </message>
    <message>
        <source>Address of the page</source>
        <translation>Адрес страницы</translation>
    </message>
    <message>
        <source>%1 is not a web address; an address begins with http:// or https://.</source>
        <translation>%1 — не веб-адрес; адрес начинается с http:// или https://.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>The copied picture: %1</source>
        <translation>Скопированное изображение: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n more files could not be opened either.</source>
        <translation>
            <numerusform>Ещё %n файл тоже не удалось открыть.</numerusform>
            <numerusform>Ещё %n файла тоже не удалось открыть.</numerusform>
            <numerusform>Ещё %n файлов тоже не удалось открыть.</numerusform>
        </translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>Открытие %1…</translation>
    </message>
    <message>
        <source>    Single    </source>
        <translation>    Одна    </translation>
    </message>
    <message>
        <source>Single-Article Mode</source>
        <translation>Режим одной статьи</translation>
    </message>
    <message>
        <source>Multi </source>
        <translation>Несколько </translation>
    </message>
    <message>
        <source>Multi-Article Mode</source>
        <translation>Режим нескольких статей</translation>
    </message>
    <message>
        <source>Read text file</source>
        <translation>Прочитать текстовый файл</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Aloud</source>
        <translation>Вслух</translation>
    </message>
    <message>
        <source>Read text aloud</source>
        <translation>Читать текст вслух</translation>
    </message>
    <message>
        <source>File</source>
        <translation>В файл</translation>
    </message>
    <message>
        <source>Read text to file</source>
        <translation>Читать текст в файл</translation>
    </message>
    <message>
        <source>Pause / Resume </source>
        <translation>Пауза / продолжить </translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>Skip to next article</source>
        <translation>Перейти к следующей статье</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Stop reading</source>
        <translation>Остановить чтение</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Display / Hide Options Panels</source>
        <translation>Показать / скрыть панели параметров</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Рассказать другу</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Open &amp;Web Address...</source>
        <translation>Открыть &amp;веб-адрес...</translation>
    </message>
    <message>
        <source>E&amp;xit Parlewind</source>
        <translation>В&amp;ыход из Parlewind</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Options Panels</source>
        <translation>Панели пара&amp;метров</translation>
    </message>
    <message>
        <source>&amp;Previous Article</source>
        <translation>Пр&amp;едыдущая статья</translation>
    </message>
    <message>
        <source>&amp;Next Article</source>
        <translation>&amp;Следующая статья</translation>
    </message>
    <message>
        <source>&amp;Edit Title and Voice</source>
        <translation>&amp;Изменить заголовок и голос</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Watch Clipboard</source>
        <translation>&amp;Следить за буфером обмена</translation>
    </message>
    <message>
        <source>&amp;Single Article</source>
        <translation>&amp;Одна статья</translation>
    </message>
    <message>
        <source>&amp;Multi Article</source>
        <translation>&amp;Несколько статей</translation>
    </message>
    <message>
        <source>Select Audio &amp;Device</source>
        <translation>Выбрать &amp;аудиоустройство</translation>
    </message>
    <message>
        <source>&amp;Pronunciation Editor</source>
        <translation>&amp;Редактор произношения</translation>
    </message>
    <message>
        <source>&amp;Languages…</source>
        <translation>&amp;Языки…</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Чтение</translation>
    </message>
    <message>
        <source>Read &amp;Aloud</source>
        <translation>Читать в&amp;слух</translation>
    </message>
    <message>
        <source>Read to &amp;File</source>
        <translation>Читать в &amp;файл</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>&amp;Пропустить</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Остановить</translation>
    </message>
    <message>
        <source>Read from &amp;Here</source>
        <translation>Чи&amp;тать отсюда</translation>
    </message>
    <message>
        <source>Pre&amp;vious Sentence</source>
        <translation>Пр&amp;едыдущее предложение</translation>
    </message>
    <message>
        <source>Ne&amp;xt Sentence</source>
        <translation>Следующее предло&amp;жение</translation>
    </message>
    <message>
        <source>Stop Af&amp;ter</source>
        <translation>Остановить &amp;через</translation>
    </message>
    <message>
        <source>&amp;%1 Minutes</source>
        <translation>&amp;%1 минут</translation>
    </message>
    <message>
        <source>At the End of This &amp;Article</source>
        <translation>В конце этой &amp;статьи</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>В&amp;ыкл.</translation>
    </message>
    <message>
        <source>&amp;Audio Help</source>
        <translation>&amp;Аудиосправка</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;Visit Brivanta Technologies</source>
        <translation>&amp;Посетить Brivanta Technologies</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Удалить выбранное</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Не удалось запустить почтовую программу.</translation>
    </message>
    <message>
        <source>No web browser could be started for %1</source>
        <translation>Не удалось запустить браузер для %1</translation>
    </message>
    <message>
        <source>Parlewind MP3 Pronunciation</source>
        <translation>Произношение Parlewind MP3</translation>
    </message>
</context>
<context>
    <name>TMIOptionsSheet</name>
    <message>
        <source>Multi-Article Options</source>
        <translation>Параметры нескольких статей</translation>
    </message>
    <message>
        <source>File Output:</source>
        <translation>Вывод в файлы:</translation>
    </message>
    <message>
        <source>Single File</source>
        <translation>Один файл</translation>
    </message>
    <message>
        <source>Multiple Files</source>
        <translation>Несколько файлов</translation>
    </message>
    <message>
        <source>Voice Selection:</source>
        <translation>Выбор голоса:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Случайно</translation>
    </message>
    <message>
        <source>Round Robin</source>
        <translation>По очереди</translation>
    </message>
    <message>
        <source>Automatically &amp;Delete Text after play</source>
        <translation>Автоматически удалять текст после &amp;чтения</translation>
    </message>
</context>
<context>
    <name>TMemoEntry</name>
    <message>
        <source>Error reading input file</source>
        <translation>Ошибка чтения входного файла</translation>
    </message>
</context>
<context>
    <name>TMemoEntryView</name>
    <message>
        <source>Article %1 of %2</source>
        <translation>Статья %1 из %2</translation>
    </message>
    <message>
        <source>Voice: %1</source>
        <translation>Голос: %1</translation>
    </message>
</context>
<context>
    <name>TMemoListBox</name>
    <message>
        <source>Articles</source>
        <translation>Статьи</translation>
    </message>
</context>
<context>
    <name>TMiscPage</name>
    <message>
        <source>Default Voi&amp;ce:</source>
        <translation>&amp;Голос по умолчанию:</translation>
    </message>
    <message>
        <source>Show Floating &amp;Toolbar:</source>
        <translation>Показывать &amp;плавающую панель:</translation>
    </message>
    <message>
        <source>On request only</source>
        <translation>Только по запросу</translation>
    </message>
    <message>
        <source>When minimized</source>
        <translation>При сворачивании</translation>
    </message>
    <message>
        <source>When minimized and reading starts</source>
        <translation>При сворачивании и начале чтения</translation>
    </message>
    <message>
        <source>&amp;Web pages:</source>
        <translation>&amp;Веб-страницы:</translation>
    </message>
    <message>
        <source>Main text only</source>
        <translation>Только основной текст</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Страница целиком</translation>
    </message>
    <message>
        <source>Floating Toolbar Always on To&amp;p</source>
        <translation>Плавающая панель всегда &amp;сверху</translation>
    </message>
    <message>
        <source>Highlight C&amp;urrent Word</source>
        <translation>Выделять &amp;текущее слово</translation>
    </message>
    <message>
        <source>Start Parlewind at &amp;Login</source>
        <translation>Запускать Parlewind при в&amp;ходе в систему</translation>
    </message>
    <message>
        <source>F&amp;ilter non-alpha symbols</source>
        <translation>&amp;Фильтровать неалфавитные символы</translation>
    </message>
    <message>
        <source>&amp;Read the selection from any program:</source>
        <translation>Читать выделение из &amp;любой программы:</translation>
    </message>
    <message>
        <source>Read the selection from any program</source>
        <translation>Читать выделение из любой программы</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>No shortcut</source>
        <translation>Без сочетания клавиш</translation>
    </message>
    <message>
        <source>Read every article with its own voice o&amp;nly</source>
        <translation>Читать каждую статью только &amp;её голосом</translation>
    </message>
    <message>
        <source>Voices for other lan&amp;guages:</source>
        <translation>Голоса для других я&amp;зыков:</translation>
    </message>
    <message>
        <source>Rea&amp;d by:</source>
        <translation>Ч&amp;итает:</translation>
    </message>
    <message>
        <source>Int&amp;erface language:</source>
        <translation>&amp;Язык интерфейса:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Системный</translation>
    </message>
    <message>
        <source>(from the next start)</source>
        <translation>(со следующего запуска)</translation>
    </message>
</context>
<context>
    <name>TMyAudioDeviceDlg</name>
    <message>
        <source>System Default Output</source>
        <translation>Системный вывод по умолчанию</translation>
    </message>
    <message>
        <source>11.025 kHz, Mono, 8-bit</source>
        <translation>11,025 кГц, моно, 8 бит</translation>
    </message>
    <message>
        <source>11.025 kHz, Stereo, 8-bit</source>
        <translation>11,025 кГц, стерео, 8 бит</translation>
    </message>
    <message>
        <source>11.025 kHz, Mono, 16-bit</source>
        <translation>11,025 кГц, моно, 16 бит</translation>
    </message>
    <message>
        <source>11.025 kHz, Stereo, 16-bit</source>
        <translation>11,025 кГц, стерео, 16 бит</translation>
    </message>
    <message>
        <source>22.05 kHz, Mono, 8-bit </source>
        <translation>22,05 кГц, моно, 8 бит</translation>
    </message>
    <message>
        <source>22.05 kHz, Stereo, 8-bit</source>
        <translation>22,05 кГц, стерео, 8 бит</translation>
    </message>
    <message>
        <source>22.05 kHz, Mono, 16-bit</source>
        <translation>22,05 кГц, моно, 16 бит</translation>
    </message>
    <message>
        <source>22.05 kHz, Stereo, 16-bit</source>
        <translation>22,05 кГц, стерео, 16 бит</translation>
    </message>
    <message>
        <source>44.1 kHz, Mono, 8-bit</source>
        <translation>44,1 кГц, моно, 8 бит</translation>
    </message>
    <message>
        <source>44.1 kHz, Stereo, 8-bit</source>
        <translation>44,1 кГц, стерео, 8 бит</translation>
    </message>
    <message>
        <source>44.1 kHz, Mono, 16-bit</source>
        <translation>44,1 кГц, моно, 16 бит</translation>
    </message>
    <message>
        <source>44.1 kHz, Stereo, 16-bit</source>
        <translation>44,1 кГц, стерео, 16 бит</translation>
    </message>
    <message>
        <source>Supports separate left and right volume control. </source>
        <translation>Раздельная громкость левого и правого каналов. </translation>
    </message>
    <message>
        <source>Supports pitch control. </source>
        <translation>Управление высотой. </translation>
    </message>
    <message>
        <source>Support playback rate control. </source>
        <translation>Управление скоростью воспроизведения. </translation>
    </message>
    <message>
        <source>The driver is synchronous and will block while playing a buffer. </source>
        <translation>Драйвер синхронный и блокируется, пока играет буфер. </translation>
    </message>
    <message>
        <source>Supports volume control. </source>
        <translation>Управление громкостью. </translation>
    </message>
    <message>
        <source>Returns sample-accurate position information.</source>
        <translation>Точная позиция до отсчёта.</translation>
    </message>
    <message>
        <source>Audio Device ID </source>
        <translation>Номер звукового устройства </translation>
    </message>
    <message>
        <source>&amp;Devices:</source>
        <translation>&amp;Устройства:</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>Номер устройства</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Sound server name</source>
        <translation>Имя в звуковом сервере</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Форматы</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Supports</source>
        <translation>Поддерживает</translation>
    </message>
    <message>
        <source>Audio Destination Device ID</source>
        <translation>Номер звукового устройства назначения</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Моно</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Стерео</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>Каналов: %1</translation>
    </message>
</context>
<context>
    <name>TNotifyIcon</name>
    <message>
        <source>&amp;Pause</source>
        <translation>Па&amp;уза</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>Про&amp;должить</translation>
    </message>
    <message>
        <source>Parlewind MP3</source>
        <translation>Parlewind MP3</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Show &amp;Toolbar</source>
        <translation>Показать &amp;панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Пара&amp;метры</translation>
    </message>
    <message>
        <source>Read &amp;Aloud</source>
        <translation>Читать в&amp;слух</translation>
    </message>
    <message>
        <source>Read to &amp;File</source>
        <translation>Читать в &amp;файл</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>П&amp;ропустить</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Остановить</translation>
    </message>
    <message>
        <source>Pre&amp;vious Sentence</source>
        <translation>Пр&amp;едыдущее предложение</translation>
    </message>
    <message>
        <source>&amp;Next Sentence</source>
        <translation>Следующее предло&amp;жение</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>О прогр&amp;амме</translation>
    </message>
</context>
<context>
    <name>TOutDirDialog</name>
    <message>
        <source>Select Output Directory</source>
        <translation>Выбор папки вывода</translation>
    </message>
    <message>
        <source>Current Directory:</source>
        <translation>Текущая папка:</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Новая папка</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Новая папка</translation>
    </message>
    <message>
        <source>New Folder %1</source>
        <translation>Новая папка %1</translation>
    </message>
    <message>
        <source>A folder could not be made in %1</source>
        <translation>Не удалось создать папку в %1</translation>
    </message>
</context>
<context>
    <name>TProgramCore</name>
    <message>
        <source>The settings were missing; defaults are used. The saved articles were restored.</source>
        <translation>Настройки отсутствовали; используются значения по умолчанию. Сохранённые статьи восстановлены.</translation>
    </message>
    <message>
        <source>The saved articles file is damaged: %1 of %2 articles were restored.</source>
        <translation>Файл сохранённых статей повреждён: восстановлено %1 из %2 статей.</translation>
    </message>
    <message>
        <source>%1 of the %2 saved articles were restored (single-article mode keeps one).</source>
        <translation>Восстановлено %1 из %2 сохранённых статей (в режиме одной статьи остаётся одна).</translation>
    </message>
    <message>
        <source>The file as it was is kept in %1</source>
        <translation>Файл в прежнем виде сохранён в %1</translation>
    </message>
    <message>
        <source>The file could not be copied to %1</source>
        <translation>Не удалось скопировать файл в %1</translation>
    </message>
    <message>
        <source>The articles could not be saved to %1: %2<byte value="xd"/><byte value="xd"/>Parlewind stays open so that nothing is lost. Make room on the disk, then choose Exit again.</source>
        <translation>Не удалось сохранить статьи в %1: %2<byte value="xd"/><byte value="xd"/>Parlewind остаётся открытым, чтобы ничего не потерялось. Освободите место на диске и снова выберите «Выход».</translation>
    </message>
    <message>
        <source>Reading Test Message</source>
        <translation>Чтение проверочного сообщения</translation>
    </message>
    <message>
        <source>Reading Audio Help</source>
        <translation>Чтение аудиосправки</translation>
    </message>
    <message>
        <source>No articles</source>
        <translation>Нет статей</translation>
    </message>
    <message>
        <source>1 article</source>
        <translation>1 статья</translation>
    </message>
    <message numerus="yes">
        <source>%n articles</source>
        <translation>
            <numerusform>%n статья</numerusform>
            <numerusform>%n статьи</numerusform>
            <numerusform>%n статей</numerusform>
        </translation>
    </message>
    <message>
        <source>the default voice (%1)</source>
        <translation>голос по умолчанию (%1)</translation>
    </message>
    <message>
        <source>article %1 &quot;%2&quot; (%3)</source>
        <translation>статья %1 «%2» (%3)</translation>
    </message>
    <message>
        <source>This item is currently being read and cannot be deleted</source>
        <translation>Этот элемент сейчас читается и не может быть удалён</translation>
    </message>
    <message>
        <source>AddMemo Failed</source>
        <translation>Сбой AddMemo</translation>
    </message>
    <message>
        <source>The articles could not be saved: %1</source>
        <translation>Не удалось сохранить статьи: %1</translation>
    </message>
</context>
<context>
    <name>TProgressBar</name>
    <message>
        <source> %1%  %2/%3 files  %4 of audio</source>
        <translation> %1%  файлов %2/%3  %4 звука</translation>
    </message>
</context>
<context>
    <name>TPropertyPanel</name>
    <message>
        <source>Title and voice</source>
        <translation>Заголовок и голос</translation>
    </message>
    <message>
        <source>F2 changes them</source>
        <translation>F2 меняет их</translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Заголовок: </translation>
    </message>
    <message>
        <source>Voice: </source>
        <translation>Голос: </translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Голос</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Читать</translation>
    </message>
    <message>
        <source>Read selected article</source>
        <translation>Читать выбранную статью</translation>
    </message>
    <message>
        <source>Read to File</source>
        <translation>Читать в файл</translation>
    </message>
    <message>
        <source>Read selected article to file</source>
        <translation>Читать выбранную статью в файл</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete selected article</source>
        <translation>Удалить выбранную статью</translation>
    </message>
    <message>
        <source>More languages…</source>
        <translation>Другие языки…</translation>
    </message>
</context>
<context>
    <name>TReadingSession</name>
    <message>
        <source>A title is required to output speech to a file</source>
        <translation>Для вывода речи в файл нужен заголовок</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Запись %1</translation>
    </message>
    <message>
        <source>Writing the book</source>
        <translation>Запись книги</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>используемое</translation>
    </message>
    <message>
        <source>The sound device %1 is gone. Reading has stopped.</source>
        <translation>Звуковое устройство %1 пропало. Чтение остановлено.</translation>
    </message>
    <message>
        <source>The voice could not speak &quot;%1&quot; (its speech engine failed on it). Reading has stopped.</source>
        <translation>Голос не смог произнести «%1» (сбой его речевого движка). Чтение остановлено.</translation>
    </message>
    <message>
        <source>The voice %1 could not go on with &quot;%2&quot;: %3. Reading has stopped.</source>
        <translation>Голос %1 не смог продолжить «%2»: %3. Чтение остановлено.</translation>
    </message>
    <message>
        <source>A title is required for each item entry when<byte value="xd"/>outputting to multiple files</source>
        <translation>При выводе в несколько файлов<byte value="xd"/>каждому элементу нужен заголовок</translation>
    </message>
    <message>
        <source>Output directory %1 is not valid</source>
        <translation>Папка вывода %1 недопустима</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2 was not made.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2 не создан.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2 was not made. The speech is kept in %3.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2 не создан. Речь сохранена в %3.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>The unfinished file was removed.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Незаконченный файл удалён.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>Не удалось записать %1: %2.</translation>
    </message>
    <message>
        <source>Article %1 of %2</source>
        <translation>Статья %1 из %2</translation>
    </message>
    <message>
        <source>Stops at the end of this article</source>
        <translation>Остановится в конце этой статьи</translation>
    </message>
    <message>
        <source>Stops at the end of this sentence</source>
        <translation>Остановится в конце этого предложения</translation>
    </message>
    <message>
        <source>Stops in %1 min</source>
        <translation>Остановится через %1 мин</translation>
    </message>
    <message>
        <source>Making the read-along book: </source>
        <translation>Создание книги с синхронным чтением: </translation>
    </message>
    <message>
        <source>Converting to %1 format: </source>
        <translation>Преобразование в формат %1: </translation>
    </message>
</context>
<context>
    <name>TSIBusyForm</name>
    <message>
        <source>Parlewind Busy ...</source>
        <translation>Parlewind занят ...</translation>
    </message>
    <message>
        <source>In Single-Item mode, Parlewind cannot copy from 
the clipboard while text is being read.</source>
        <translation>В режиме одной статьи Parlewind не может копировать 
из буфера обмена, пока читается текст.</translation>
    </message>
    <message>
        <source>&amp;Do not show this dialog again</source>
        <translation>&amp;Больше не показывать это окно</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>TSIOptionsSheet</name>
    <message>
        <source>Single-Article Options</source>
        <translation>Параметры одной статьи</translation>
    </message>
    <message>
        <source>Voice Selection:</source>
        <translation>Выбор голоса:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Случайно</translation>
    </message>
    <message>
        <source>Automatically &amp;Speak New Text </source>
        <translation>Автоматически &amp;читать новый текст </translation>
    </message>
</context>
<context>
    <name>TTS</name>
    <message>
        <source>Speak method failed. </source>
        <translation>Сбой метода Speak. </translation>
    </message>
    <message>
        <source>No wave out devices available on system.</source>
        <translation>В системе нет устройств вывода звука.</translation>
    </message>
</context>
<context>
    <name>TTTSForm</name>
    <message>
        <source>Voice %1 does not exist</source>
        <translation>Голос %1 не существует</translation>
    </message>
    <message>
        <source>No sound device was found. Reading aloud needs a sound server (PulseAudio or PipeWire); reading to files works without one.</source>
        <translation>Звуковое устройство не найдено. Для чтения вслух нужен звуковой сервер (PulseAudio или PipeWire); чтение в файлы работает и без него.</translation>
    </message>
    <message>
        <source>%1 can only read aloud: speech-dispatcher gives no sound back to programs. Choose another voice for files.</source>
        <translation>%1 может только читать вслух: speech-dispatcher не возвращает звук программам. Выберите для файлов другой голос.</translation>
    </message>
    <message>
        <source>no voices found</source>
        <translation>голоса не найдены</translation>
    </message>
    <message>
        <source>1 voice</source>
        <translation>1 голос</translation>
    </message>
    <message numerus="yes">
        <source>%n voices</source>
        <translation>
            <numerusform>%n голос</numerusform>
            <numerusform>%n голоса</numerusform>
            <numerusform>%n голосов</numerusform>
        </translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>не установлен</translation>
    </message>
    <message>
        <source>looking for voices…</source>
        <translation>поиск голосов…</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>недоступен</translation>
    </message>
    <message>
        <source>%1, read aloud only</source>
        <translation>%1, только вслух</translation>
    </message>
    <message>
        <source>Modules: %1</source>
        <translation>Модули: %1</translation>
    </message>
    <message>
        <source>No piper program on the PATH or where chosen.</source>
        <translation>Программы piper нет ни в PATH, ни в выбранном месте.</translation>
    </message>
    <message>
        <source>Program: %1</source>
        <translation>Программа: %1</translation>
    </message>
    <message>
        <source>TTSForm initialization error - error creating TmpTTS</source>
        <translation>Ошибка запуска синтеза речи: не удалось создать временный речевой объект</translation>
    </message>
    <message>
        <source>Sound card is busy.  Wait and try again.</source>
        <translation>Звуковая карта занята.  Подождите и попробуйте снова.</translation>
    </message>
    <message>
        <source>Error accessing sound card</source>
        <translation>Ошибка доступа к звуковой карте</translation>
    </message>
    <message>
        <source>Audio device check failed. <byte value="xd"/>Verify that the device you have selected is a valid audio device<byte value="xd"/><byte value="xd"/>Please contact Brivanta Support if you&apos;re having problems</source>
        <translation>Проверка звукового устройства не прошла. <byte value="xd"/>Убедитесь, что выбранное устройство — рабочее звуковое устройство<byte value="xd"/><byte value="xd"/>Обратитесь в поддержку Brivanta, если возникли проблемы</translation>
    </message>
</context>
<context>
    <name>TToolBarForm</name>
    <message>
        <source>Parlewind MP3 Toolbar</source>
        <translation>Панель инструментов Parlewind MP3</translation>
    </message>
    <message>
        <source>Read text aloud</source>
        <translation>Читать текст вслух</translation>
    </message>
    <message>
        <source>Read text to file</source>
        <translation>Читать текст в файл</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>Пауза / продолжить</translation>
    </message>
    <message>
        <source>Previous Sentence</source>
        <translation>Предыдущее предложение</translation>
    </message>
    <message>
        <source>Next Sentence</source>
        <translation>Следующее предложение</translation>
    </message>
    <message>
        <source>Skip to next article</source>
        <translation>Перейти к следующей статье</translation>
    </message>
    <message>
        <source>Stop Reading</source>
        <translation>Остановить чтение</translation>
    </message>
    <message>
        <source>Restore main window</source>
        <translation>Вернуть главное окно</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
</context>
<context>
    <name>TVoiceEditPage</name>
    <message>
        <source>Voi&amp;ce</source>
        <translation>Г&amp;олос</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Голос</translation>
    </message>
    <message>
        <source>&amp;Pitch</source>
        <translation>&amp;Высота</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Sp&amp;eed</source>
        <translation>&amp;Скорость</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>П&amp;рослушать</translation>
    </message>
    <message>
        <source>Reset Defa&amp;ults</source>
        <translation>Сбросить по у&amp;молчанию</translation>
    </message>
    <message>
        <source>Pau&amp;ses</source>
        <translation>&amp;Паузы</translation>
    </message>
    <message>
        <source>Pauses</source>
        <translation>Паузы</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Короткие</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычные</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Длинные</translation>
    </message>
    <message>
        <source>&amp;More…</source>
        <translation>&amp;Ещё…</translation>
    </message>
    <message>
        <source>More pause settings</source>
        <translation>Другие настройки пауз</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Свои</translation>
    </message>
    <message>
        <source>Milliseconds at the voice&apos;s normal speed; at twice the speed, half as long.</source>
        <translation>Миллисекунды при обычной скорости голоса; при двойной скорости — вдвое меньше.</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> мс</translation>
    </message>
    <message>
        <source>After a &amp;sentence:</source>
        <translation>После &amp;предложения:</translation>
    </message>
    <message>
        <source>After a &amp;paragraph:</source>
        <translation>После &amp;абзаца:</translation>
    </message>
    <message>
        <source>&amp;Between articles:</source>
        <translation>&amp;Между статьями:</translation>
    </message>
    <message>
        <source>This voice has no pitch to change.</source>
        <translation>У этого голоса высоту изменить нельзя.</translation>
    </message>
    <message>
        <source>fixed</source>
        <translation>фиксированная</translation>
    </message>
    <message>
        <source>%1 words a minute</source>
        <translation>%1 слов в минуту</translation>
    </message>
</context>
<context>
    <name>TVoiceSourcesPage</name>
    <message>
        <source>Piper &amp;program:</source>
        <translation>&amp;Программа piper:</translation>
    </message>
    <message>
        <source>Piper program</source>
        <translation>Программа piper</translation>
    </message>
    <message>
        <source>piper on the PATH</source>
        <translation>piper из PATH</translation>
    </message>
    <message>
        <source>Piper &amp;voice folders:</source>
        <translation>Папки &amp;голосов piper:</translation>
    </message>
    <message>
        <source>Piper voice folders</source>
        <translation>Папки голосов piper</translation>
    </message>
    <message>
        <source>&amp;Add a folder…</source>
        <translation>&amp;Добавить папку…</translation>
    </message>
    <message>
        <source>&amp;Remove Folder</source>
        <translation>&amp;Убрать папку</translation>
    </message>
    <message>
        <source>Add a Folder of Piper Voices</source>
        <translation>Добавить папку голосов piper</translation>
    </message>
    <message>
        <source>The voices can be looked for again once the reading has stopped.</source>
        <translation>Голоса можно будет поискать снова, когда чтение остановится.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>%1 is too large to be read as an article (more than 64 MB).</source>
        <translation>%1 слишком велик, чтобы читать его как статью (больше 64 МБ).</translation>
    </message>
    <message>
        <source>%1 does not contain text; it was not opened.</source>
        <translation>%1 не содержит текста; файл не открыт.</translation>
    </message>
    <message>
        <source>%1 is empty; it was not opened.</source>
        <translation>%1 пуст; файл не открыт.</translation>
    </message>
</context>
<context>
    <name>Voices</name>
    <message>
        <source>No sound device is available.</source>
        <translation>Нет доступного звукового устройства.</translation>
    </message>
    <message>
        <source>The speech engine could not be started.</source>
        <translation>Не удалось запустить речевой движок.</translation>
    </message>
</context>
</TS>
