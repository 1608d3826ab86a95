<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>ArticleBooks</name>
    <message>
        <source>The list of books (%1) is damaged; it is kept as it was in %2.</source>
        <translation>قائمة الكتب (%1) تالفة؛ حُفظت كما كانت في %2.</translation>
    </message>
    <message>
        <source>The list of books (%1) is damaged.</source>
        <translation>قائمة الكتب (%1) تالفة.</translation>
    </message>
</context>
<context>
    <name>Audio</name>
    <message>
        <source>Write Error (1)<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>خطأ في الكتابة (1)<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Write error (2)<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>خطأ في الكتابة (2)<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>%1 is already there and is kept</source>
        <translation>%1 موجود بالفعل ويُحتفظ به</translation>
    </message>
    <message>
        <source>The audiobook could not be made (%1: %2)<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>تعذّر إنشاء الكتاب الصوتي (%1: %2)<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>Error reading wave file</source>
        <translation>خطأ في قراءة ملف WAV</translation>
    </message>
    <message>
        <source>Invalid wave file...</source>
        <translation>ملف WAV غير صالح...</translation>
    </message>
    <message>
        <source>Unable to convert wave file</source>
        <translation>تعذّر تحويل ملف WAV</translation>
    </message>
    <message>
        <source>Invalid param passed!</source>
        <translation>تم تمرير معامل غير صالح!</translation>
    </message>
    <message>
        <source>This wave file is not valid for conversion</source>
        <translation>لا يمكن تحويل ملف WAV هذا</translation>
    </message>
    <message>
        <source>Unable to open wave file</source>
        <translation>تعذّر فتح ملف WAV</translation>
    </message>
    <message>
        <source>Unable to setup file IO buffer</source>
        <translation>تعذّر إعداد مخزن الإدخال والإخراج للملف</translation>
    </message>
    <message>
        <source>Error opening encoding stream %1</source>
        <translation>خطأ في فتح تدفق الترميز %1</translation>
    </message>
    <message>
        <source>Read Error<byte value="xd"/><byte value="xd"/>%1: %2</source>
        <translation>خطأ في القراءة<byte value="xd"/><byte value="xd"/>%1: %2</translation>
    </message>
    <message>
        <source>The Opus encoder could not be started (%1)<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>تعذّر تشغيل مرمّز Opus (%1)<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The Opus encoder failed (%1)<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>فشل مرمّز Opus (%1)<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The Opus comments could not be written<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>تعذّرت كتابة تعليقات Opus<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>it is already there</source>
        <translation>إنه موجود بالفعل</translation>
    </message>
    <message>
        <source>the file ends before its sound data does</source>
        <translation>ينتهي الملف قبل أن تنتهي بياناته الصوتية</translation>
    </message>
    <message>
        <source>its sound %1 cannot be read: %2</source>
        <translation>تعذّرت قراءة صوته %1: %2</translation>
    </message>
</context>
<context>
    <name>AudioHelp</name>
    <message>
        <source>&amp;Getting started</source>
        <translation>&amp;بدء الاستخدام</translation>
    </message>
    <message>
        <source>Gathering &amp;text</source>
        <translation>&amp;جمع النصوص</translation>
    </message>
    <message>
        <source>&amp;Single and multi-article mode</source>
        <translation>وضع المقالة ال&amp;واحدة والمقالات المتعددة</translation>
    </message>
    <message>
        <source>&amp;Reading aloud, pausing and skipping</source>
        <translation>ال&amp;قراءة بصوت عالٍ والإيقاف المؤقت والتخطي</translation>
    </message>
    <message>
        <source>Reading to &amp;WAV and MP3 files</source>
        <translation>القراءة إلى ملفات WAV و&amp;MP3</translation>
    </message>
    <message>
        <source>&amp;Voices, speed and pitch</source>
        <translation>الأ&amp;صوات والسرعة وطبقة الصوت</translation>
    </message>
    <message>
        <source>The &amp;pronunciation editor</source>
        <translation>م&amp;حرر النطق</translation>
    </message>
    <message>
        <source>Using the &amp;keyboard</source>
        <translation>استخدام لوحة ال&amp;مفاتيح</translation>
    </message>
    <message>
        <source>When there is &amp;no sound</source>
        <translation>عندما لا ي&amp;سمع شيء</translation>
    </message>
    <message>
        <source>Installing &amp;more voices</source>
        <translation>&amp;تثبيت أصوات أخرى</translation>
    </message>
    <message>
        <source>The notification area and the &amp;floating tool bar</source>
        <translation>منطقة الإشعارات و&amp;شريط الأدوات العائم</translation>
    </message>
    <message>
        <source>File:%1 Not Found.</source>
        <translation>الملف:%1 غير موجود.</translation>
    </message>
    <message>
        <source>File:%1 cannot be read: %2</source>
        <translation>الملف:%1 لا تمكن قراءته: %2</translation>
    </message>
    <message>
        <source>File:%1 is larger than 64 MB.</source>
        <translation>الملف:%1 أكبر من 64 ميغابايت.</translation>
    </message>
</context>
<context>
    <name>DocumentOpen</name>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>جارٍ فتح %1…</translation>
    </message>
    <message>
        <source>Opening %1: page %2 of %3…</source>
        <translation>جارٍ فتح %1: الصفحة %2 من %3…</translation>
    </message>
    <message>
        <source>Opening %1: %2 %…</source>
        <translation>جارٍ فتح %1: %2 %…</translation>
    </message>
    <message>
        <source>Recognising page %1 of %2…</source>
        <translation>جارٍ التعرف على الصفحة %1 من %2…</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <translation>جارٍ جلب %1…</translation>
    </message>
    <message>
        <source>Fetching part %1 of %2…</source>
        <translation>جارٍ جلب الجزء %1 من %2…</translation>
    </message>
    <message>
        <source>The copied picture could not be read: %1.</source>
        <translation>تعذّرت قراءة الصورة المنسوخة: %1.</translation>
    </message>
    <message>
        <source>the copied picture</source>
        <translation>الصورة المنسوخة</translation>
    </message>
    <message>
        <source>The copied picture</source>
        <translation>الصورة المنسوخة</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>%1 %2; it was not opened.</source>
        <translation>%1 %2؛ لم يُفتح.</translation>
    </message>
    <message>
        <source>could not be reached (no answer for %1 seconds)</source>
        <translation>تعذّر الوصول إليه (لا رد خلال %1 ثانية)</translation>
    </message>
    <message>
        <source>took too long to read (a step of it went on for more than %1 seconds)</source>
        <translation>استغرقت قراءته وقتًا طويلًا (استمرت خطوة منها أكثر من %1 ثانية)</translation>
    </message>
    <message>
        <source>could not be fetched in %1 seconds</source>
        <translation>تعذّر جلبه خلال %1 ثانية</translation>
    </message>
    <message>
        <source>took too long to read (more than %1 seconds)</source>
        <translation>استغرقت قراءته وقتًا طويلًا (أكثر من %1 ثانية)</translation>
    </message>
    <message>
        <source>could not be read: the reader did not start (%1)</source>
        <translation>تعذّرت قراءته: لم يبدأ القارئ (%1)</translation>
    </message>
    <message>
        <source>is too large to be read as an article (more than 64 MB)</source>
        <translation>أكبر من أن يُقرأ كمقالة (أكثر من 64 ميغابايت)</translation>
    </message>
    <message>
        <source>answered %1 %2</source>
        <translation>أجاب %1 %2</translation>
    </message>
    <message>
        <source>could not be reached (it sends the reader on more than %1 times)</source>
        <translation>تعذّر الوصول إليه (يحيل القارئ أكثر من %1 مرة)</translation>
    </message>
    <message>
        <source>could not be reached (it sends the reader from a secure address to an insecure one)</source>
        <translation>تعذّر الوصول إليه (يحيل القارئ من عنوان آمن إلى عنوان غير آمن)</translation>
    </message>
    <message>
        <source>could not be reached (%1)</source>
        <translation>تعذّر الوصول إليه (%1)</translation>
    </message>
    <message>
        <source>is not a web page (%1)</source>
        <translation>ليس صفحة ويب (%1)</translation>
    </message>
    <message>
        <source>could not be kept to be read (%1)</source>
        <translation>تعذّر حفظه للقراءة (%1)</translation>
    </message>
    <message>
        <source>part %1 %2; the parts before it were read</source>
        <translation>الجزء %1 %2؛ قُرئت الأجزاء التي قبله</translation>
    </message>
    <message>
        <source>holds more text than can be read as articles</source>
        <translation>يحوي نصًا أكثر مما يمكن قراءته كمقالات</translation>
    </message>
    <message>
        <source>could not be read (the reader answered nonsense)</source>
        <translation>تعذّرت قراءته (أجاب القارئ بما لا معنى له)</translation>
    </message>
    <message>
        <source>needs more than %1 MB of memory to read</source>
        <translation>يحتاج لقراءته إلى أكثر من %1 ميغابايت من الذاكرة</translation>
    </message>
    <message>
        <source>could not be read (the reader failed on it; the file may be damaged, or need more than %1 MB of memory or %2 seconds)</source>
        <translation>تعذّرت قراءته (فشل القارئ فيه؛ ربما الملف تالف، أو يحتاج إلى أكثر من %1 ميغابايت من الذاكرة أو %2 ثانية)</translation>
    </message>
    <message>
        <source>could not be read (the reader ended without an answer)</source>
        <translation>تعذّرت قراءته (انتهى القارئ دون رد)</translation>
    </message>
    <message>
        <source>could not be read safely (%1)</source>
        <translation>تعذّرت قراءته بأمان (%1)</translation>
    </message>
    <message>
        <source>Text and documents (%1)</source>
        <translation>نصوص ومستندات (%1)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>ملفات نصية (*.txt)</translation>
    </message>
    <message>
        <source>Pictures of text (%1)</source>
        <translation>صور نصوص (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
    <message>
        <source>holds no text to read; it was not opened</source>
        <translation>لا يحوي نصًا للقراءة؛ لم يُفتح</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be read (a folder, a device or a pipe); it was not opened.</source>
        <translation>%1 ليس ملفًا تمكن قراءته (مجلد أو جهاز أو أنبوب)؛ لم يُفتح.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened: %2</source>
        <translation>تعذّر فتح الملف %1: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be read as an article (more than 64 MB); it was not opened.</source>
        <translation>%1 أكبر من أن يُقرأ كمقالة (أكثر من 64 ميغابايت)؛ لم يُفتح.</translation>
    </message>
    <message>
        <source>Error reading input file %1: %2</source>
        <translation>خطأ في قراءة ملف الإدخال %1: %2</translation>
    </message>
    <message>
        <source>is damaged (it names no package file)</source>
        <translation>تالف (لا يذكر ملف حزمة)</translation>
    </message>
    <message>
        <source>is protected against copying (its text is encrypted)</source>
        <translation>محمي من النسخ (نصه مشفّر)</translation>
    </message>
    <message>
        <source>is damaged (its reading order names a missing part)</source>
        <translation>تالف (ترتيب قراءته يذكر جزءًا مفقودًا)</translation>
    </message>
    <message>
        <source>page %1 was hard to recognise; its text may be wrong</source>
        <translation>صعب التعرف على الصفحة %1؛ قد يكون نصها خاطئًا</translation>
    </message>
    <message>
        <source>pages %1 were hard to recognise; their text may be wrong</source>
        <translation>صعب التعرف على الصفحات %1؛ قد يكون نصها خاطئًا</translation>
    </message>
    <message>
        <source>is damaged (not a readable PDF)</source>
        <translation>تالف (ليس ملف PDF مقروءًا)</translation>
    </message>
    <message>
        <source>is protected by a password</source>
        <translation>محمي بكلمة مرور</translation>
    </message>
    <message>
        <source>was not opened: stopped</source>
        <translation>لم يُفتح: أُوقف</translation>
    </message>
    <message>
        <source>has more pages of pictures than can be recognised at once (%1; at most %2)</source>
        <translation>فيه صفحات صور أكثر مما يمكن التعرف عليه دفعة واحدة (%1؛ %2 على الأكثر)</translation>
    </message>
    <message>
        <source>has no text layer (its pages are pictures); it was not opened</source>
        <translation>لا طبقة نص فيه (صفحاته صور)؛ لم يُفتح</translation>
    </message>
    <message>
        <source>holds no text that could be recognised; it was not opened</source>
        <translation>لا يحوي نصًا يمكن التعرف عليه؛ لم يُفتح</translation>
    </message>
    <message>
        <source>could not be read: text recognition did not start (its language data %1 cannot be loaded)</source>
        <translation>تعذّرت قراءته: لم يبدأ التعرف على النص (تعذّر تحميل بيانات لغته %1)</translation>
    </message>
    <message>
        <source>is not a picture that can be read (damaged, or of a kind not known)</source>
        <translation>ليس صورة تمكن قراءتها (تالفة، أو من نوع غير معروف)</translation>
    </message>
    <message>
        <source>is too large a picture to be read (%1 × %2 pixels)</source>
        <translation>صورة أكبر من أن تُقرأ (%1 × %2 بكسل)</translation>
    </message>
    <message>
        <source>is not a picture that can be read (%1)</source>
        <translation>ليس صورة تمكن قراءتها (%1)</translation>
    </message>
    <message>
        <source>is not a picture that can be read (damaged)</source>
        <translation>ليس صورة تمكن قراءتها (تالفة)</translation>
    </message>
    <message>
        <source>has more pages than can be read (%1)</source>
        <translation>فيه صفحات أكثر مما يمكن قراءته (%1)</translation>
    </message>
    <message>
        <source>is damaged (not a readable zip archive)</source>
        <translation>تالف (ليس أرشيف zip مقروءًا)</translation>
    </message>
    <message>
        <source>would unpack to more than 256 MB</source>
        <translation>سيتجاوز 256 ميغابايت عند فك ضغطه</translation>
    </message>
    <message>
        <source>is damaged (%1 is missing)</source>
        <translation>تالف (%1 مفقود)</translation>
    </message>
    <message>
        <source>is encrypted</source>
        <translation>مشفّر</translation>
    </message>
    <message>
        <source>is refused (%1 would unpack to more than 64 MB)</source>
        <translation>مرفوض (سيتجاوز %1 64 ميغابايت عند فك ضغطه)</translation>
    </message>
    <message>
        <source>is damaged (%1 cannot be unpacked)</source>
        <translation>تالف (تعذّر فك ضغط %1)</translation>
    </message>
    <message>
        <source>is damaged (%1 does not match its checksum)</source>
        <translation>تالف (%1 لا يطابق مجموعه الاختباري)</translation>
    </message>
    <message>
        <source>is refused (%1 declares entities of its own, which could make it expand without end)</source>
        <translation>مرفوض (%1 يعلن كيانات خاصة به قد تجعله يتضخم بلا نهاية)</translation>
    </message>
    <message>
        <source>is damaged (%1: %2)</source>
        <translation>تالف (%1: %2)</translation>
    </message>
    <message>
        <source>a limit could not be set: %1</source>
        <translation>تعذّر ضبط حد: %1</translation>
    </message>
    <message>
        <source>the system-call filter could not be made</source>
        <translation>تعذّر إنشاء مرشح استدعاءات النظام</translation>
    </message>
    <message>
        <source>the system-call filter could not be applied</source>
        <translation>تعذّر تطبيق مرشح استدعاءات النظام</translation>
    </message>
    <message>
        <source>the picture was hard to recognise; its text may be wrong</source>
        <translation>كان التعرف على الصورة صعبًا؛ قد يكون نصها خاطئًا</translation>
    </message>
</context>
<context>
    <name>ESpeechError</name>
    <message>
        <source>The speech recognition or text-to-speech service does not have enough data.</source>
        <translation>ليس لدى خدمة التعرف على الكلام أو تحويل النص إلى كلام بيانات كافية.</translation>
    </message>
    <message>
        <source>The sound card does not support the right wave-file format to work with the speech software.</source>
        <translation>بطاقة الصوت لا تدعم صيغة WAV التي يحتاجها برنامج الكلام.</translation>
    </message>
    <message>
        <source>The audio device is in use at this time.</source>
        <translation>جهاز الصوت مستخدم في الوقت الحالي.</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to the speech engine.</source>
        <translation>تم تمرير معامل غير صالح إلى محرك الكلام.</translation>
    </message>
    <message>
        <source>There was an error in disk access, or there is not enough disk space free. If you are low on disk space, try deleting some files to free up space.</source>
        <translation>حدث خطأ في الوصول إلى القرص، أو لا توجد مساحة فارغة كافية. إن كانت المساحة قليلة فاحذف بعض الملفات.</translation>
    </message>
    <message>
        <source>The program has selected a non-existent speech engine.</source>
        <translation>اختار البرنامج محرك كلام غير موجود.</translation>
    </message>
    <message>
        <source>An invalid list was passed to the speech recognizer.</source>
        <translation>تم تمرير قائمة غير صالحة إلى أداة التعرف على الكلام.</translation>
    </message>
    <message>
        <source>An invalid character was passed to the speech engine.</source>
        <translation>تم تمرير حرف غير صالح إلى محرك الكلام.</translation>
    </message>
    <message>
        <source>An invalid key was passed to the speech engine.</source>
        <translation>تم تمرير مفتاح غير صالح إلى محرك الكلام.</translation>
    </message>
    <message>
        <source>There is not enough memory for the text-to-speech engine to finish. Quit some other programs, and then try again.</source>
        <translation>لا توجد ذاكرة كافية لينهي محرك تحويل النص إلى كلام عمله. أغلق بعض البرامج الأخرى ثم حاول مرة أخرى.</translation>
    </message>
    <message>
        <source>The text string passed into the text-to-speech engine is empty.</source>
        <translation>النص المُمرر إلى محرك تحويل النص إلى كلام فارغ.</translation>
    </message>
    <message>
        <source>The program has selected an audio device that does not exist.</source>
        <translation>اختار البرنامج جهاز صوت غير موجود.</translation>
    </message>
    <message>
        <source>The program has not told the sound card what wave-file format to use.</source>
        <translation>لم يحدد البرنامج لبطاقة الصوت صيغة WAV التي تستخدمها.</translation>
    </message>
    <message>
        <source>The audio device is not playing.</source>
        <translation>جهاز الصوت لا يشغّل.</translation>
    </message>
    <message>
        <source>Your sound card does not support this audio-file format.</source>
        <translation>بطاقة الصوت لديك لا تدعم صيغة الملف الصوتي هذه.</translation>
    </message>
    <message>
        <source>The audio device is not recording.</source>
        <translation>جهاز الصوت لا يسجّل.</translation>
    </message>
    <message>
        <source>The audio driver has not been opened. Double-click the MultiMedia icon in Control Panel and make sure the correct drivers are loaded.</source>
        <translation>لم يُفتح برنامج تشغيل الصوت. تحقق في إعدادات الصوت من تحميل برامج التشغيل الصحيحة.</translation>
    </message>
    <message>
        <source>The audio handle is still busy. Try restarting your computer.</source>
        <translation>مقبض الصوت ما زال مشغولًا. جرّب إعادة تشغيل الحاسوب.</translation>
    </message>
    <message>
        <source>The notification sink is not the right type.</source>
        <translation>مستقبل الإشعارات ليس من النوع الصحيح.</translation>
    </message>
    <message>
        <source>The audio device is not ready.</source>
        <translation>جهاز الصوت غير جاهز.</translation>
    </message>
    <message>
        <source>The audio device has already been claimed.</source>
        <translation>جهاز الصوت محجوز بالفعل.</translation>
    </message>
    <message>
        <source>The audio device is still in use.</source>
        <translation>جهاز الصوت ما زال مستخدمًا.</translation>
    </message>
    <message>
        <source>The audio device has already been started.</source>
        <translation>جهاز الصوت بدأ بالفعل.</translation>
    </message>
    <message>
        <source>Cannot use a synchronous audio device.</source>
        <translation>لا يمكن استخدام جهاز صوت متزامن.</translation>
    </message>
    <message>
        <source>Incorrect function.</source>
        <translation>دالة غير صحيحة.</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>غير مطبّق</translation>
    </message>
    <message>
        <source>No such interface supported</source>
        <translation>هذه الواجهة غير مدعومة</translation>
    </message>
    <message>
        <source>Invalid pointer</source>
        <translation>مؤشر غير صالح</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>خطأ غير محدد</translation>
    </message>
    <message>
        <source>Not enough memory resources are available to complete this operation.</source>
        <translation>لا تتوفر ذاكرة كافية لإتمام هذه العملية.</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>المعامل غير صحيح.</translation>
    </message>
    <message>
        <source>Class not registered</source>
        <translation>الصنف غير مسجّل</translation>
    </message>
</context>
<context>
    <name>Engines</name>
    <message>
        <source>About %1</source>
        <translation>حول %1</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Speech by eSpeak NG %2 and Flite.&lt;/p&gt;&lt;p&gt;Voices: %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;الكلام من eSpeak NG %2 وFlite.&lt;/p&gt;&lt;p&gt;الأصوات: %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;The voice %2 of speech-dispatcher&apos;s output module %3. It reads aloud only: speech-dispatcher gives no sound back to programs.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;الصوت %2 من وحدة الإخراج %3 في speech-dispatcher. يقرأ بصوت عالٍ فقط: لا يعيد speech-dispatcher أي صوت إلى البرامج.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>%1 is not a key this shortcut can use.</source>
        <translation>%1 ليس مفتاحًا يمكن لهذا الاختصار استخدامه.</translation>
    </message>
    <message>
        <source>The desktop did not give the shortcut.</source>
        <translation>لم يمنح سطح المكتب الاختصار.</translation>
    </message>
    <message>
        <source>Read the selection aloud</source>
        <translation>قراءة التحديد بصوت عالٍ</translation>
    </message>
    <message>
        <source>The shortcut was not confirmed in the desktop&apos;s dialog.</source>
        <translation>لم يُؤكَّد الاختصار في مربع حوار سطح المكتب.</translation>
    </message>
    <message>
        <source>The desktop holds this shortcut; it is changed in the desktop&apos;s shortcut settings.</source>
        <translation>سطح المكتب يدير هذا الاختصار؛ يُغيَّر من إعدادات اختصارات سطح المكتب.</translation>
    </message>
    <message>
        <source>The desktop holds this shortcut as %1; it is changed in the desktop&apos;s shortcut settings.</source>
        <translation>سطح المكتب يدير هذا الاختصار بصفته %1؛ يُغيَّر من إعدادات اختصارات سطح المكتب.</translation>
    </message>
    <message>
        <source>This desktop lets no program take a shortcut of its own.</source>
        <translation>سطح المكتب هذا لا يسمح لأي برنامج باختصار خاص به.</translation>
    </message>
    <message>
        <source>%1 is taken by another program; choose another shortcut.</source>
        <translation>%1 محجوز لبرنامج آخر؛ اختر اختصارًا آخر.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>its voice file cannot be read</source>
        <translation>تعذّرت قراءة ملف صوتها</translation>
    </message>
    <message>
        <source>its dictionary %1 cannot be read</source>
        <translation>تعذّرت قراءة قاموسها %1</translation>
    </message>
    <message>
        <source>its dictionary %1 is damaged</source>
        <translation>قاموسها %1 تالف</translation>
    </message>
    <message>
        <source>The language %1 (%2) is not offered: %3.</source>
        <translation>اللغة %1 (%2) غير متاحة: %3.</translation>
    </message>
</context>
<context>
    <name>LanguagesDialog</name>
    <message>
        <source>Languages</source>
        <translation>اللغات</translation>
    </message>
    <message>
        <source>Each language you check adds a female and a male voice, &quot;Mary (&lt;Language&gt;)&quot; and &quot;Mike (&lt;Language&gt;)&quot;.</source>
        <translation>كل لغة تحددها تضيف صوتًا نسائيًا وصوتًا رجاليًا، «Mary (&lt;اللغة&gt;)» و«Mike (&lt;اللغة&gt;)».</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;بحث:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>&amp;Languages:</source>
        <translation>ال&amp;لغات:</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>ا&amp;ختبار</translation>
    </message>
    <message>
        <source>%1 and %2 are used by:<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>These keep the voice&apos;s name, which can no longer be read with until the language is checked again. Uncheck %4?</source>
        <translation>%1 و%2 مستخدمان في:<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>تحتفظ هذه باسم الصوت، ولن يمكن القراءة به حتى تُحدَّد اللغة مرة أخرى. هل تلغي تحديد %4؟</translation>
    </message>
    <message>
        <source>Test %1</source>
        <translation>اختبار %1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>اختبار</translation>
    </message>
    <message>
        <source>The languages could not be stored; the choice holds until the program ends.</source>
        <translation>تعذّر حفظ اللغات؛ يبقى الاختيار ساريًا حتى ينتهي البرنامج.</translation>
    </message>
</context>
<context>
    <name>Lexicon</name>
    <message>
        <source>the file is larger than 64 MB</source>
        <translation>الملف أكبر من 64 ميغابايت</translation>
    </message>
</context>
<context>
    <name>LexiconDialog</name>
    <message>
        <source>Pronunciation Editor</source>
        <translation>محرر النطق</translation>
    </message>
    <message>
        <source>Pronunciations</source>
        <translation>النطق</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>الكلمة</translation>
    </message>
    <message>
        <source>Sounds like</source>
        <translation>تُنطق مثل</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>ال&amp;كلمة:</translation>
    </message>
    <message>
        <source>&amp;Sounds like:</source>
        <translation>تُنطق &amp;مثل:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>إ&amp;ضافة</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;تغيير</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>ا&amp;ختبار</translation>
    </message>
    <message>
        <source>The pronunciations in %1 could not be read (%2); they cannot be edited now.</source>
        <translation>تعذّرت قراءة النطق في %1 (%2)؛ لا يمكن تحريره الآن.</translation>
    </message>
    <message>
        <source>Type a word or phrase and how it sounds.</source>
        <translation>اكتب كلمة أو عبارة وكيف تُنطق.</translation>
    </message>
    <message>
        <source>The pronunciations could not be saved to %1</source>
        <translation>تعذّر حفظ النطق في %1</translation>
    </message>
</context>
<context>
    <name>OptionControls</name>
    <message>
        <source>%1 … %2: type a whole number; until then the last one is kept</source>
        <translation>%1 … %2: اكتب عددًا صحيحًا؛ إلى ذلك الحين تبقى القيمة الأخيرة</translation>
    </message>
</context>
<context>
    <name>Piper</name>
    <message>
        <source>the piper program was not found</source>
        <translation>لم يُعثر على برنامج piper</translation>
    </message>
    <message>
        <source>the piper program (%1) could not be started</source>
        <translation>تعذّر تشغيل برنامج piper ‏(%1)</translation>
    </message>
    <message>
        <source>piper wrote no sound the program could read</source>
        <translation>لم يكتب piper صوتًا يستطيع البرنامج قراءته</translation>
    </message>
    <message>
        <source>piper could not load the voice&apos;s model</source>
        <translation>تعذّر على piper تحميل نموذج الصوت</translation>
    </message>
    <message>
        <source>piper ended unexpectedly</source>
        <translation>انتهى piper على نحو غير متوقع</translation>
    </message>
    <message>
        <source>piper gave no sound for %1 seconds</source>
        <translation>لم يُعطِ piper أي صوت لمدة %1 ثانية</translation>
    </message>
</context>
<context>
    <name>ProgramPaths</name>
    <message>
        <source>Unable to create %1</source>
        <translation>تعذّر إنشاء %1</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>المجلد %1 غير موجود</translation>
    </message>
    <message>
        <source>the folder %1 is on a read-only disk</source>
        <translation>المجلد %1 على قرص للقراءة فقط</translation>
    </message>
    <message>
        <source>permission denied: the folder %1 cannot be written</source>
        <translation>الإذن مرفوض: لا يمكن الكتابة في المجلد %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>%1 cannot be used (%2).</source>
        <translation>لا يمكن استخدام %1 ‏(%2).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ليس مجلدًا.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 يخص مستخدمًا آخر.</translation>
    </message>
    <message>
        <source>%1 can be used by other users too.</source>
        <translation>%1 يمكن أن يستخدمه مستخدمون آخرون أيضًا.</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2).</source>
        <translation>تعذّر إنشاء %1 ‏(%2).</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>إنه رابط</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>أكبر من %1 ميغابايت</translation>
    </message>
    <message>
        <source>%1 could not be read (%2) and was set aside as %3.</source>
        <translation>تعذّرت قراءة %1 ‏(%2) ونُحّي جانبًا باسم %3.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <translation>تعذّرت قراءة %1 ‏(%2).</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings could not be written to %1</source>
        <translation>تعذّرت كتابة الإعدادات في %1</translation>
    </message>
    <message>
        <source>Settings file %1 is damaged; defaults are used. A copy was kept as %2</source>
        <translation>ملف الإعدادات %1 تالف؛ تُستخدم القيم الافتراضية. حُفظت نسخة باسم %2</translation>
    </message>
    <message>
        <source>Settings file %1 cannot be read; defaults are used</source>
        <translation>تعذّرت قراءة ملف الإعدادات %1؛ تُستخدم القيم الافتراضية</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Parlewind talks to its running window through a folder only you may use, and there is none: %1 Set XDG_RUNTIME_DIR to a folder of yours with mode 700.</source>
        <translation>يتواصل Parlewind مع نافذته المفتوحة عبر مجلد لا يستخدمه غيرك، ولا يوجد مجلد كهذا: %1 اضبط XDG_RUNTIME_DIR على مجلد لك بالأذونات 700.</translation>
    </message>
    <message>
        <source>The program listening in %1 runs as another user; nothing was sent.</source>
        <translation>البرنامج الذي يستمع في %1 يعمل بمستخدم آخر؛ لم يُرسل شيء.</translation>
    </message>
</context>
<context>
    <name>SpeechDispatcher</name>
    <message>
        <source>speech-dispatcher could not be reached (%1)</source>
        <translation>تعذّر الوصول إلى speech-dispatcher ‏(%1)</translation>
    </message>
    <message>
        <source>speech-dispatcher stopped while reading</source>
        <translation>توقف speech-dispatcher أثناء القراءة</translation>
    </message>
    <message>
        <source>speech-dispatcher refused the voice</source>
        <translation>رفض speech-dispatcher الصوت</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Parlewind MP3</source>
        <translation>حول Parlewind MP3</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Parlewind MP3&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Reads your text aloud, or into WAV and MP3 files.&lt;/p&gt;&lt;p&gt;&amp;copy; Brivanta Technologies&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Parlewind MP3&lt;/h2&gt;&lt;p&gt;الإصدار %1&lt;/p&gt;&lt;p&gt;يقرأ نصوصك بصوت عالٍ، أو إلى ملفات WAV وMP3.&lt;/p&gt;&lt;p&gt;&amp;copy; Brivanta Technologies&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check out Parlewind MP3 at %1 .  Parlewind MP3 lets you listen to text you copy to the clipboard. It uses Text to Speech technology which actually synthesizes natural sounding speech from ordinary text.  Listen to your email, news, any text you want.  You can also convert your text to wav or MP3 files so you can listen later.  Try Parlewind MP3 free today at %1</source>
        <translation>جرّب Parlewind MP3 على %1 .  يتيح لك Parlewind MP3 الاستماع إلى النص الذي تنسخه إلى الحافظة. يستخدم تقنية تحويل النص إلى كلام التي تُنتج كلامًا طبيعيًا من النص العادي.  استمع إلى بريدك وأخبارك وأي نص تريده.  ويمكنك أيضًا تحويل نصوصك إلى ملفات WAV أو MP3 لتستمع إليها لاحقًا.  جرّب Parlewind MP3 مجانًا اليوم على %1</translation>
    </message>
</context>
<context>
    <name>TArticleList</name>
    <message>
        <source>No rows are currently selected</source>
        <translation>لا توجد صفوف محددة حاليًا</translation>
    </message>
</context>
<context>
    <name>TCB_PromptForm</name>
    <message>
        <source>Copy Clipboard to Speech Buffer ?</source>
        <translation>نسخ الحافظة إلى مخزن القراءة؟</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;جديدة</translation>
    </message>
    <message>
        <source>&amp;Append</source>
        <translation>إ&amp;لحاق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Append text to current article</source>
        <translation>إلحاق النص بالمقالة الحالية</translation>
    </message>
    <message>
        <source>Cancel clipboard copy to Parlewind MP3</source>
        <translation>إلغاء نسخ الحافظة إلى Parlewind MP3</translation>
    </message>
    <message>
        <source>Current Mode is Multi-Article Mode</source>
        <translation>الوضع الحالي: المقالات المتعددة</translation>
    </message>
    <message>
        <source>Current Mode is Single-Article Mode</source>
        <translation>الوضع الحالي: المقالة الواحدة</translation>
    </message>
    <message>
        <source>Add new article</source>
        <translation>إضافة مقالة جديدة</translation>
    </message>
    <message>
        <source>Overwrite current article</source>
        <translation>الكتابة فوق المقالة الحالية</translation>
    </message>
</context>
<context>
    <name>TClipboardPage</name>
    <message>
        <source>&amp;Watch Clipboard</source>
        <translation>&amp;مراقبة الحافظة</translation>
    </message>
    <message>
        <source>&amp;Ignore clipboard text if less than</source>
        <translation>&amp;تجاهل نص الحافظة إذا قل عن</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>حرفًا</translation>
    </message>
    <message>
        <source>Prompt Options</source>
        <translation>خيارات السؤال</translation>
    </message>
    <message>
        <source>&amp;Prompt to copy from clipboard</source>
        <translation>ال&amp;سؤال قبل النسخ من الحافظة</translation>
    </message>
    <message>
        <source>Displa&amp;y Prompt for</source>
        <translation>&amp;عرض السؤال لمدة</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>ثانية</translation>
    </message>
    <message>
        <source>Default A&amp;ction:</source>
        <translation>الإجراء الا&amp;فتراضي:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديدة</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>إلحاق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Remember Last</source>
        <translation>تذكّر آخر اختيار</translation>
    </message>
</context>
<context>
    <name>TClipboardWatch</name>
    <message>
        <source>Watching the clipboard is off: this Wayland desktop does not tell programs in the background of copies. Paste the text into Parlewind instead, or start Parlewind in an X11 session (or through XWayland) to watch the clipboard.</source>
        <translation>مراقبة الحافظة متوقفة: سطح مكتب Wayland هذا لا يخبر البرامج التي في الخلفية بما يُنسخ. الصق النص في Parlewind بدلًا من ذلك، أو شغّل Parlewind في جلسة X11 (أو عبر XWayland) لمراقبة الحافظة.</translation>
    </message>
</context>
<context>
    <name>TConvertOptions</name>
    <message>
        <source>, aloud only</source>
        <translation>، للقراءة بصوت عالٍ فقط</translation>
    </message>
    <message>
        <source>parlewind --help tells how to use it.</source>
        <translation>يشرح parlewind --help طريقة الاستخدام.</translation>
    </message>
    <message>
        <source>the speech engine cannot be started: %1</source>
        <translation>تعذّر تشغيل محرك الكلام: %1</translation>
    </message>
    <message>
        <source>the speech engine offers no voice.</source>
        <translation>محرك الكلام لا يقدّم أي صوت.</translation>
    </message>
    <message>
        <source>--%1 wants a whole number greater than 0, not &quot;%2&quot;.</source>
        <translation>يتطلب --%1 عددًا صحيحًا أكبر من 0، لا «%2».</translation>
    </message>
    <message>
        <source>--speed wants words a minute or a factor such as 2.5x, not &quot;%1&quot;.</source>
        <translation>يتطلب --speed عدد كلمات في الدقيقة أو معاملًا مثل 2.5x، لا «%1».</translation>
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
        <translation>الاستخدام: parlewind --convert [خيارات] ملف...
يقرأ ملفات نصية بصوت عالٍ إلى ملفات MP3 أو M4B أو Opus أو WAV، ملف لكل ملف،
بأصوات نافذة Parlewind ونطقها وإعداداتها. لا يحتاج إلى شاشة ولا إلى خادم صوت.

  ملف                  ملف نصي (UTF-8، وإلا Windows-1252)، أو مستند HTML أو
                       Markdown أو EPUB أو OpenDocument أو Word أو PDF (الكتاب
                       الإلكتروني يعطي ملفًا مرقّمًا لكل فصل)، أو صورة نص؛
                       عنوان http أو https يقرأ صفحة الويب (نصها الرئيسي
                       فقط)؛ - يقرأ الإدخال القياسي
  --whole-page         تُقرأ صفحة الويب كاملة، بقوائمها وكل شيء
  --articles ملف       مقالات ملف مقالات محفوظة، إخراج لكل منها
  --voice اسم          الصوت الذي يُقرأ به (الافتراضي: الصوت الافتراضي للنافذة،
                       أو صوت كل مقالة محفوظة)
  --list-voices        يعرض الأصوات ولغاتها
  --speed N            كلمات في الدقيقة ضمن حدود الصوت؛ أو معامل لسرعته
                       العادية من 0.5x إلى 4x ‏(--speed 2.5x)
  --pauses short|normal|long  الوقفات بعد الجمل والفقرات وبين المقالات
                       (الافتراضي: كما تضبطها النافذة)
  --languages on|off   الأجزاء المكتوبة بلغات أخرى يقرؤها صوت من لغتها
                       (الافتراضي: on، ما لم تطفئه النافذة)
  --pitch N            ضمن حدود الصوت
  --format صيغة        الملفات التي تُكتب: mp3 (الافتراضي)، m4b (كتاب صوتي:
                       AAC بفصول)، opus، epub (كتاب قراءة مصاحبة: يُضاء النص
                       جملة جملة مع تشغيل صوته، فصل لكل إدخال)، wav، أو txt
                       (النص الذي سيُنطق، لفحصه أو تحريره أولًا)
  --highlight-words    كتاب القراءة المصاحبة يضيء كل كلمة، لا كل جملة فقط
  --book-audio mp3|aac الصوت في كتاب القراءة المصاحبة (الافتراضي: mp3)
  --subtitles srt|vtt|lrc  النص موقّتًا على الكلام بجانب كل ملف، سطر لكل جملة
  --out مجلد           مكان كتابتها (الافتراضي: المجلد الحالي؛ يُنشأ إن لم يوجد)
  --single-file اسم    كل شيء في ملف واحد بهذا الاسم، فصل لكل إدخال
                       (فصول الكتاب كما هي)
  --overwrite          يستبدل الملفات الموجودة بالفعل
  --jobs N             عدد الملفات التي تُرمَّز معًا (الافتراضي: واحد لكل نواة)
  --quiet              دون شريط تقدم
  -h, --help           هذا النص
  --version            إصدار البرنامج

تُسمّى الملفات بعناوينها: اسم الملف النصي دون امتداده، وعنوان المقالة المحفوظة.
وتُوسَم الملفات بالعنوان، والصوت (أو مؤلف الكتاب)، والألبوم («Parlewind MP3»،
أو اسم الكتاب أو ملف المقالات المحفوظة)، ورقم المقطع، وغلاف الكتاب.

حالة الخروج: 0 كُتبت كل الملفات؛ 1 فشلت بعض المدخلات (يُذكر كل منها، وتُكتب
الأخرى)؛ 2 لم يُفهم الأمر؛ 128 + رقم الإشارة عند الإيقاف بإشارة: 130 Ctrl+C
‏(SIGINT)، 143 SIGTERM، 129 SIGHUP.

الاستخدام: parlewind [ملف...]
يفتح نافذة Parlewind، أو يسلّم الملفات إلى النافذة المفتوحة، كما يفعل «فتح».
أوامر للبرنامج المفتوح (أوامر القراءة و--show تشغّله إن لم يكن يعمل؛ حالة الخروج
0 عند استلامه الأمر، 1 إن لم يكن يعمل):
  --read-selection     يقرأ بصوت عالٍ النص المحدد في أي برنامج (نص الحافظة
                       إن لم يُحدَّد شيء)؛ مرة أخرى: يتوقف
  --read-clipboard     يقرأ نص الحافظة بصوت عالٍ؛ مرة أخرى: يتوقف
  --pause, --resume, --toggle-pause, --stop, --skip
                       مثل أوامر القراءة في النافذة
  --show               يُظهر النافذة في المقدمة
</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>أُعطي --%1 أكثر من مرة.</translation>
    </message>
    <message>
        <source>--voice wants the name of a voice.</source>
        <translation>يتطلب --voice اسم صوت.</translation>
    </message>
    <message>
        <source>--pauses is short, normal or long, not &quot;%1&quot;.</source>
        <translation>قيمة --pauses هي short أو normal أو long، لا «%1».</translation>
    </message>
    <message>
        <source>--languages is on or off, not &quot;%1&quot;.</source>
        <translation>قيمة --languages هي on أو off، لا «%1».</translation>
    </message>
    <message>
        <source>--format is mp3, m4b, opus, epub, wav or txt, not &quot;%1&quot;.</source>
        <translation>قيمة --format هي mp3 أو m4b أو opus أو epub أو wav أو txt، لا «%1».</translation>
    </message>
    <message>
        <source>--book-audio is mp3 or aac, not &quot;%1&quot;.</source>
        <translation>قيمة --book-audio هي mp3 أو aac، لا «%1».</translation>
    </message>
    <message>
        <source>--%1 is for read-along books (--format epub).</source>
        <translation>الخيار --%1 خاص بكتب القراءة المصاحبة (--format epub).</translation>
    </message>
    <message>
        <source>--subtitles is srt, vtt or lrc, not &quot;%1&quot;.</source>
        <translation>قيمة --subtitles هي srt أو vtt أو lrc، لا «%1».</translation>
    </message>
    <message>
        <source>--subtitles times speech; --format txt writes none.</source>
        <translation>يوقّت --subtitles الكلام؛ و--format txt لا يكتب كلامًا.</translation>
    </message>
    <message>
        <source>--subtitles writes timed text beside sound files; a read-along book holds its own.</source>
        <translation>يكتب --subtitles نصًا موقّتًا بجانب الملفات الصوتية؛ كتاب القراءة المصاحبة يحوي نصه الموقّت.</translation>
    </message>
    <message>
        <source>--out wants a folder.</source>
        <translation>يتطلب --out مجلدًا.</translation>
    </message>
    <message>
        <source>--single-file wants a file name.</source>
        <translation>يتطلب --single-file اسم ملف.</translation>
    </message>
    <message>
        <source>Nothing to convert: name text files, - for the standard input, or --articles FILE.</source>
        <translation>لا شيء للتحويل: اذكر ملفات نصية، أو - للإدخال القياسي، أو --articles ملف.</translation>
    </message>
    <message>
        <source>The standard input can be read only once.</source>
        <translation>لا يمكن قراءة الإدخال القياسي إلا مرة واحدة.</translation>
    </message>
</context>
<context>
    <name>TConvertRun</name>
    <message>
        <source>%1 is already there; --overwrite replaces it</source>
        <translation>%1 موجود بالفعل؛ الخيار --overwrite يستبدله</translation>
    </message>
    <message>
        <source>the speech engine failed</source>
        <translation>فشل محرك الكلام</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>الإدخال القياسي</translation>
    </message>
    <message>
        <source>more than 64 MB, too large to be read as an article</source>
        <translation>أكثر من 64 ميغابايت، أكبر من أن يُقرأ كمقالة</translation>
    </message>
    <message>
        <source>Standard input</source>
        <translation>الإدخال القياسي</translation>
    </message>
    <message>
        <source>is a folder, not a text file</source>
        <translation>مجلد، وليس ملفًا نصيًا</translation>
    </message>
    <message>
        <source>%1, chapter %2</source>
        <translation>%1، الفصل %2</translation>
    </message>
    <message>
        <source>is a folder, not a saved-articles file</source>
        <translation>مجلد، وليس ملف مقالات محفوظة</translation>
    </message>
    <message>
        <source>is too large to be a saved-articles file (more than 256 MB)</source>
        <translation>أكبر من أن يكون ملف مقالات محفوظة (أكثر من 256 ميغابايت)</translation>
    </message>
    <message>
        <source>is not a saved-articles file</source>
        <translation>ليس ملف مقالات محفوظة</translation>
    </message>
    <message>
        <source>is damaged; the articles after the damaged place are not converted</source>
        <translation>تالف؛ لا تُحوَّل المقالات التي بعد الموضع التالف</translation>
    </message>
    <message>
        <source>%1, article %2</source>
        <translation>%1، المقالة %2</translation>
    </message>
    <message>
        <source>holds no article with text</source>
        <translation>لا يحوي مقالة فيها نص</translation>
    </message>
    <message>
        <source>Voice %1 does not exist</source>
        <translation>الصوت %1 غير موجود</translation>
    </message>
    <message>
        <source>%1 %2 is outside the limits of %3 (%4 to %5).</source>
        <translation>%1 %2 خارج حدود %3 (%4 إلى %5).</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>طبقة الصوت</translation>
    </message>
    <message>
        <source>the output folder cannot be made: %1 is a file, not a folder</source>
        <translation>تعذّر إنشاء مجلد الإخراج: %1 ملف وليس مجلدًا</translation>
    </message>
    <message>
        <source>the output folder cannot be made: %1</source>
        <translation>تعذّر إنشاء مجلد الإخراج: %1</translation>
    </message>
    <message>
        <source>nothing can be written in the output folder: %1</source>
        <translation>لا يمكن كتابة شيء في مجلد الإخراج: %1</translation>
    </message>
    <message>
        <source>A title is required to output speech to a file</source>
        <translation>يلزم عنوان لإخراج الكلام إلى ملف</translation>
    </message>
    <message>
        <source>has the same title as an earlier input; %1 is written only once</source>
        <translation>له عنوان إدخال سابق نفسه؛ يُكتب %1 مرة واحدة فقط</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;; parlewind --convert --list-voices lists them.</source>
        <translation>لا يوجد صوت «%1»؛ يعرضها parlewind --convert --list-voices.</translation>
    </message>
    <message>
        <source>was not made: a chapter of it could not be made</source>
        <translation>لم يُنشأ: تعذّر إنشاء أحد فصوله</translation>
    </message>
    <message>
        <source>The standard input</source>
        <translation>الإدخال القياسي</translation>
    </message>
</context>
<context>
    <name>TDesktopCommands</name>
    <message>
        <source>Parlewind cannot read the selection or the clipboard from the background on this Wayland desktop: it gives them only to the program in front. Paste the text into Parlewind instead, or run Parlewind through XWayland (as it starts where DISPLAY is set).</source>
        <translation>لا يستطيع Parlewind قراءة التحديد أو الحافظة من الخلفية على سطح مكتب Wayland هذا: فهو لا يعطيهما إلا للبرنامج الذي في المقدمة. الصق النص في Parlewind بدلًا من ذلك، أو شغّل Parlewind عبر XWayland (كما يبدأ حيث يكون DISPLAY مضبوطًا).</translation>
    </message>
    <message>
        <source>On this Wayland desktop a program in the background cannot read the selection, so no key can read it to Parlewind here. Run Parlewind through XWayland (as it starts where DISPLAY is set) to read the selection of any program.</source>
        <translation>على سطح مكتب Wayland هذا لا يستطيع برنامج في الخلفية قراءة التحديد، لذا لا يمكن لأي مفتاح أن يقرأه إلى Parlewind هنا. شغّل Parlewind عبر XWayland (كما يبدأ حيث يكون DISPLAY مضبوطًا) لقراءة التحديد من أي برنامج.</translation>
    </message>
    <message>
        <source>This desktop lets no program take a shortcut of its own: in its keyboard settings, bind a key to the command  parlewind --read-selection</source>
        <translation>سطح المكتب هذا لا يسمح لأي برنامج باختصار خاص به: في إعدادات لوحة المفاتيح اربط مفتاحًا بالأمر  parlewind --read-selection</translation>
    </message>
    <message>
        <source>On this Wayland desktop the key reaches Parlewind only while a window of an X11 program has focus. To read the selection from any program, bind a key to the command  parlewind --read-selection  in the desktop&apos;s keyboard settings.</source>
        <translation>على سطح مكتب Wayland هذا لا يصل المفتاح إلى Parlewind إلا حين تكون نافذة برنامج X11 في التركيز. لقراءة التحديد من أي برنامج اربط مفتاحًا بالأمر  parlewind --read-selection  في إعدادات لوحة مفاتيح سطح المكتب.</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>لا تحوي الحافظة أي نص.</translation>
    </message>
    <message>
        <source>Nothing is selected, and the clipboard holds no text.</source>
        <translation>لم يُحدَّد شيء، ولا تحوي الحافظة أي نص.</translation>
    </message>
    <message>
        <source>The selection is %1 MB of text; Parlewind reads at most %2 MB from a selection. Save it to a file and open that instead.</source>
        <translation>التحديد %1 ميغابايت من النص؛ يقرأ Parlewind ‏%2 ميغابايت على الأكثر من التحديد. احفظه في ملف وافتحه بدلًا من ذلك.</translation>
    </message>
    <message>
        <source>The selection does not contain text; it was not read.</source>
        <translation>التحديد لا يحوي نصًا؛ لم يُقرأ.</translation>
    </message>
    <message>
        <source>Parlewind does not know the command &quot;%1&quot;.</source>
        <translation>لا يعرف Parlewind الأمر «%1».</translation>
    </message>
    <message>
        <source>Parlewind is reading to a file; try again when it is done.</source>
        <translation>يقرأ Parlewind إلى ملف؛ حاول مرة أخرى عندما ينتهي.</translation>
    </message>
</context>
<context>
    <name>TEngineWarningForm</name>
    <message>
        <source>Text To Speech Engine not found</source>
        <translation>لم يُعثر على محرك تحويل النص إلى كلام</translation>
    </message>
    <message>
        <source>A Text-To-Speech engine does not appear to be installed 
on your machine.  These engines, which perform actual 
speech synthesis, are required for Parlewind to operate.

Installing a speech engine on your computer is easy.  Just 
visit our website for instructions.</source>
        <translation>لا يبدو أن محرك تحويل النص إلى كلام مثبّت
على جهازك.  هذه المحركات، التي تُنتج الكلام فعلًا،
ضرورية لعمل Parlewind.

تثبيت محرك كلام على حاسوبك سهل.
زر موقعنا للتعليمات.</translation>
    </message>
    <message>
        <source>Click here to download Speech Engine</source>
        <translation>انقر هنا لتنزيل محرك كلام</translation>
    </message>
    <message>
        <source>If you are having problems or have any questions, please
contact our support staff at</source>
        <translation>إن واجهت مشكلات أو كانت لديك أسئلة
فتواصل مع فريق الدعم لدينا على</translation>
    </message>
    <message>
        <source>Exit Parlewind MP3</source>
        <translation>إنهاء Parlewind MP3</translation>
    </message>
    <message>
        <source>No web browser could be started for %1</source>
        <translation>تعذّر تشغيل متصفح ويب لفتح %1</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>تعذّر تشغيل برنامج بريد.</translation>
    </message>
</context>
<context>
    <name>TFavoriteVoicesPage</name>
    <message>
        <source>Favorit&amp;e Voices</source>
        <translation>الأصوات ال&amp;مفضلة</translation>
    </message>
    <message>
        <source>Exclude the selected voices</source>
        <translation>استبعاد الأصوات المحددة</translation>
    </message>
    <message>
        <source>Make the selected voices favorites</source>
        <translation>جعل الأصوات المحددة مفضلة</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>ا&amp;ختبار</translation>
    </message>
    <message>
        <source>&amp;Languages…</source>
        <translation>ال&amp;لغات…</translation>
    </message>
    <message>
        <source>Voices for more languages</source>
        <translation>أصوات للغات أخرى</translation>
    </message>
    <message>
        <source>E&amp;xcluded Voices</source>
        <translation>الأصوات الم&amp;ستبعدة</translation>
    </message>
    <message>
        <source>Use this panel to control the voices used in Parlewind.  Voices  
you exclude will not be selected in Random / Round Robin 
Voice Selection</source>
        <translation>استخدم هذه اللوحة للتحكم في الأصوات المستخدمة في Parlewind.
الأصوات التي تستبعدها لن تُختار في اختيار الصوت
عشوائيًا / بالتناوب</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;more&quot;&gt;Want more voices?  Click Here&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;more&quot;&gt;تريد أصواتًا أكثر؟  انقر هنا&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Want more voices?  Click Here</source>
        <translation>تريد أصواتًا أكثر؟  انقر هنا</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is currently the Default Voice<byte value="xd"/>and cannot be excluded</source>
        <translation>«%1» هو الصوت الافتراضي حاليًا<byte value="xd"/>ولا يمكن استبعاده</translation>
    </message>
    <message>
        <source>At least one voice is required in the Favorites List</source>
        <translation>يلزم صوت واحد على الأقل في قائمة المفضلة</translation>
    </message>
    <message>
        <source>Select a voice to test</source>
        <translation>اختر صوتًا لاختباره</translation>
    </message>
</context>
<context>
    <name>TFileOptionsPage</name>
    <message>
        <source>Output File Format</source>
        <translation>صيغة ملف الإخراج</translation>
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
        <translation>كتاب صوتي M&amp;4B</translation>
    </message>
    <message>
        <source>O&amp;pus</source>
        <translation>O&amp;pus</translation>
    </message>
    <message>
        <source>&amp;Read-along book (EPUB 3)</source>
        <translation>كتاب قراءة م&amp;صاحبة (EPUB 3)</translation>
    </message>
    <message>
        <source>&amp;Highlight words</source>
        <translation>ت&amp;ظليل الكلمات</translation>
    </message>
    <message>
        <source>The book lights each word as it is spoken, not only each sentence</source>
        <translation>يُضيء الكتاب كل كلمة عند نطقها، لا كل جملة فقط</translation>
    </message>
    <message>
        <source>Book &amp;audio:</source>
        <translation>صوت ال&amp;كتاب:</translation>
    </message>
    <message>
        <source>Book audio</source>
        <translation>صوت الكتاب</translation>
    </message>
    <message>
        <source>&amp;Timed text beside each file:</source>
        <translation>&amp;نص موقّت بجانب كل ملف:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>SRT subtitles</source>
        <translation>ترجمات SRT</translation>
    </message>
    <message>
        <source>WebVTT subtitles</source>
        <translation>ترجمات WebVTT</translation>
    </message>
    <message>
        <source>LRC lyrics</source>
        <translation>كلمات LRC</translation>
    </message>
    <message>
        <source>Timed text beside each file</source>
        <translation>نص موقّت بجانب كل ملف</translation>
    </message>
    <message>
        <source>File Output D&amp;irectory:</source>
        <translation>م&amp;جلد إخراج الملفات:</translation>
    </message>
    <message>
        <source>File Output Directory</source>
        <translation>مجلد إخراج الملفات</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>ا&amp;ستعراض</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>This desktop has no notification area, so the window stays open. To end Parlewind, choose Exit Parlewind in the File menu; to close it to a floating tool bar, choose &quot;When minimized&quot; for &quot;Show Floating Toolbar&quot; on the Misc page.</source>
        <translation>لا توجد منطقة إشعارات في سطح المكتب هذا، لذا تبقى النافذة مفتوحة. لإنهاء Parlewind اختر «إنهاء Parlewind» من قائمة ملف؛ ولإغلاقها إلى شريط أدوات عائم اختر «عند التصغير» لـ«إظهار شريط الأدوات العائم» في صفحة متفرقات.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>استئناف</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>إيقاف م&amp;ؤقت</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>استئ&amp;ناف</translation>
    </message>
    <message>
        <source>Single-Article Options</source>
        <translation>خيارات المقالة الواحدة</translation>
    </message>
    <message>
        <source>Multi-Article Options</source>
        <translation>خيارات المقالات المتعددة</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>صفحات الخيارات</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>الحافظة</translation>
    </message>
    <message>
        <source>Favorite Voices</source>
        <translation>الأصوات المفضلة</translation>
    </message>
    <message>
        <source>Voice Edit</source>
        <translation>تحرير الصوت</translation>
    </message>
    <message>
        <source>File Options</source>
        <translation>خيارات الملفات</translation>
    </message>
    <message>
        <source>Voice Sources</source>
        <translation>مصادر الأصوات</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>متفرقات</translation>
    </message>
    <message>
        <source>The help page on more voices could not be opened.</source>
        <translation>تعذّر فتح صفحة المساعدة عن الأصوات الإضافية.</translation>
    </message>
    <message>
        <source>Watching the clipboard is off on this Wayland desktop (see the Clipboard page).</source>
        <translation>مراقبة الحافظة متوقفة على سطح مكتب Wayland هذا (انظر صفحة الحافظة).</translation>
    </message>
    <message>
        <source>Parlewind MP3 is still running. Use the icon here to restore it or to exit.</source>
        <translation>ما زال Parlewind MP3 يعمل. استخدم الأيقونة هنا لاستعادته أو لإنهائه.</translation>
    </message>
    <message>
        <source>The help file could not be found.</source>
        <translation>لم يُعثر على ملف المساعدة.</translation>
    </message>
    <message>
        <source>No program could be started to show the help file %1</source>
        <translation>تعذّر تشغيل برنامج لعرض ملف المساعدة %1</translation>
    </message>
    <message>
        <source>Parlewind MP3 Languages</source>
        <translation>لغات Parlewind MP3</translation>
    </message>
    <message>
        <source>Read the page at %1?</source>
        <translation>قراءة الصفحة على %1؟</translation>
    </message>
    <message>
        <source>Open Web Address</source>
        <translation>فتح عنوان ويب</translation>
    </message>
    <message>
        <source>&amp;Address of the page (http or https):</source>
        <translation>&amp;عنوان الصفحة (http أو https):</translation>
    </message>
    <message>
        <source>Address of the page</source>
        <translation>عنوان الصفحة</translation>
    </message>
    <message>
        <source>%1 is not a web address; an address begins with http:// or https://.</source>
        <translation>%1 ليس عنوان ويب؛ يبدأ العنوان بـ http:// أو https://.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>The copied picture: %1</source>
        <translation>الصورة المنسوخة: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n more files could not be opened either.</source>
        <translation>
            <numerusform>لم يُفتح أي ملف آخر أيضًا.</numerusform>
            <numerusform>تعذّر فتح ملف آخر أيضًا.</numerusform>
            <numerusform>تعذّر فتح ملفين آخرين أيضًا.</numerusform>
            <numerusform>تعذّر فتح %n ملفات أخرى أيضًا.</numerusform>
            <numerusform>تعذّر فتح %n ملفًا آخر أيضًا.</numerusform>
            <numerusform>تعذّر فتح %n ملف آخر أيضًا.</numerusform>
        </translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>جارٍ فتح %1…</translation>
    </message>
    <message>
        <source>    Single    </source>
        <translation>    واحدة    </translation>
    </message>
    <message>
        <source>Single-Article Mode</source>
        <translation>وضع المقالة الواحدة</translation>
    </message>
    <message>
        <source>Multi </source>
        <translation>متعددة </translation>
    </message>
    <message>
        <source>Multi-Article Mode</source>
        <translation>وضع المقالات المتعددة</translation>
    </message>
    <message>
        <source>Read text file</source>
        <translation>قراءة ملف نصي</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Aloud</source>
        <translation>بصوت عالٍ</translation>
    </message>
    <message>
        <source>Read text aloud</source>
        <translation>قراءة النص بصوت عالٍ</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>Read text to file</source>
        <translation>قراءة النص إلى ملف</translation>
    </message>
    <message>
        <source>Pause / Resume </source>
        <translation>إيقاف مؤقت / استئناف </translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>تخطٍّ</translation>
    </message>
    <message>
        <source>Skip to next article</source>
        <translation>التخطي إلى المقالة التالية</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Stop reading</source>
        <translation>إيقاف القراءة</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Display / Hide Options Panels</source>
        <translation>إظهار / إخفاء لوحات الخيارات</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>شريط الأدوات</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>أخبر صديقًا</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;فتح...</translation>
    </message>
    <message>
        <source>Open &amp;Web Address...</source>
        <translation>فتح &amp;عنوان ويب...</translation>
    </message>
    <message>
        <source>E&amp;xit Parlewind</source>
        <translation>إ&amp;نهاء Parlewind</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;شريط الأدوات</translation>
    </message>
    <message>
        <source>&amp;Options Panels</source>
        <translation>&amp;لوحات الخيارات</translation>
    </message>
    <message>
        <source>&amp;Previous Article</source>
        <translation>المقالة ال&amp;سابقة</translation>
    </message>
    <message>
        <source>&amp;Next Article</source>
        <translation>المقالة ال&amp;تالية</translation>
    </message>
    <message>
        <source>&amp;Edit Title and Voice</source>
        <translation>ت&amp;حرير العنوان والصوت</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;خيارات</translation>
    </message>
    <message>
        <source>&amp;Watch Clipboard</source>
        <translation>&amp;مراقبة الحافظة</translation>
    </message>
    <message>
        <source>&amp;Single Article</source>
        <translation>مقالة &amp;واحدة</translation>
    </message>
    <message>
        <source>&amp;Multi Article</source>
        <translation>مقالات م&amp;تعددة</translation>
    </message>
    <message>
        <source>Select Audio &amp;Device</source>
        <translation>اختيار &amp;جهاز الصوت</translation>
    </message>
    <message>
        <source>&amp;Pronunciation Editor</source>
        <translation>م&amp;حرر النطق</translation>
    </message>
    <message>
        <source>&amp;Languages…</source>
        <translation>ال&amp;لغات…</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;قراءة</translation>
    </message>
    <message>
        <source>Read &amp;Aloud</source>
        <translation>قراءة بصوت &amp;عالٍ</translation>
    </message>
    <message>
        <source>Read to &amp;File</source>
        <translation>قراءة إلى م&amp;لف</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>&amp;تخطٍّ</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>إي&amp;قاف</translation>
    </message>
    <message>
        <source>Read from &amp;Here</source>
        <translation>القراءة من &amp;هنا</translation>
    </message>
    <message>
        <source>Pre&amp;vious Sentence</source>
        <translation>الجملة ال&amp;سابقة</translation>
    </message>
    <message>
        <source>Ne&amp;xt Sentence</source>
        <translation>ال&amp;جملة التالية</translation>
    </message>
    <message>
        <source>Stop Af&amp;ter</source>
        <translation>الإيقاف &amp;بعد</translation>
    </message>
    <message>
        <source>&amp;%1 Minutes</source>
        <translation>&amp;%1 دقيقة</translation>
    </message>
    <message>
        <source>At the End of This &amp;Article</source>
        <translation>في نهاية هذه ال&amp;مقالة</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>إي&amp;قاف التشغيل</translation>
    </message>
    <message>
        <source>&amp;Audio Help</source>
        <translation>مساعدة &amp;صوتية</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>ال&amp;محتويات</translation>
    </message>
    <message>
        <source>&amp;Visit Brivanta Technologies</source>
        <translation>&amp;زيارة Brivanta Technologies</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>إ&amp;ضافة جديدة</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;حذف المحدد</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>تعذّر تشغيل برنامج بريد.</translation>
    </message>
    <message>
        <source>No web browser could be started for %1</source>
        <translation>تعذّر تشغيل متصفح ويب لفتح %1</translation>
    </message>
    <message>
        <source>Parlewind MP3 Pronunciation</source>
        <translation>نطق Parlewind MP3</translation>
    </message>
</context>
<context>
    <name>TMIOptionsSheet</name>
    <message>
        <source>Multi-Article Options</source>
        <translation>خيارات المقالات المتعددة</translation>
    </message>
    <message>
        <source>File Output:</source>
        <translation>إخراج الملفات:</translation>
    </message>
    <message>
        <source>Single File</source>
        <translation>ملف واحد</translation>
    </message>
    <message>
        <source>Multiple Files</source>
        <translation>ملفات متعددة</translation>
    </message>
    <message>
        <source>Voice Selection:</source>
        <translation>اختيار الصوت:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>الافتراضي</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>عشوائي</translation>
    </message>
    <message>
        <source>Round Robin</source>
        <translation>بالتناوب</translation>
    </message>
    <message>
        <source>Automatically &amp;Delete Text after play</source>
        <translation>ح&amp;ذف النص تلقائيًا بعد التشغيل</translation>
    </message>
</context>
<context>
    <name>TMemoEntry</name>
    <message>
        <source>Error reading input file</source>
        <translation>خطأ في قراءة ملف الإدخال</translation>
    </message>
</context>
<context>
    <name>TMemoEntryView</name>
    <message>
        <source>Article %1 of %2</source>
        <translation>المقالة %1 من %2</translation>
    </message>
    <message>
        <source>Voice: %1</source>
        <translation>الصوت: %1</translation>
    </message>
</context>
<context>
    <name>TMemoListBox</name>
    <message>
        <source>Articles</source>
        <translation>المقالات</translation>
    </message>
</context>
<context>
    <name>TMiscPage</name>
    <message>
        <source>Default Voi&amp;ce:</source>
        <translation>الصوت الا&amp;فتراضي:</translation>
    </message>
    <message>
        <source>Show Floating &amp;Toolbar:</source>
        <translation>إظهار شريط الأدوات ال&amp;عائم:</translation>
    </message>
    <message>
        <source>On request only</source>
        <translation>عند الطلب فقط</translation>
    </message>
    <message>
        <source>When minimized</source>
        <translation>عند التصغير</translation>
    </message>
    <message>
        <source>When minimized and reading starts</source>
        <translation>عند التصغير وبدء القراءة</translation>
    </message>
    <message>
        <source>&amp;Web pages:</source>
        <translation>صفحات ال&amp;ويب:</translation>
    </message>
    <message>
        <source>Main text only</source>
        <translation>النص الرئيسي فقط</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>الصفحة كاملة</translation>
    </message>
    <message>
        <source>Floating Toolbar Always on To&amp;p</source>
        <translation>شريط الأدوات العائم في الم&amp;قدمة دائمًا</translation>
    </message>
    <message>
        <source>Highlight C&amp;urrent Word</source>
        <translation>تظليل الكلمة ال&amp;حالية</translation>
    </message>
    <message>
        <source>Start Parlewind at &amp;Login</source>
        <translation>تشغيل Parlewind عند &amp;الدخول</translation>
    </message>
    <message>
        <source>F&amp;ilter non-alpha symbols</source>
        <translation>ت&amp;صفية الرموز غير الأبجدية</translation>
    </message>
    <message>
        <source>&amp;Read the selection from any program:</source>
        <translation>قراءة التحدي&amp;د من أي برنامج:</translation>
    </message>
    <message>
        <source>Read the selection from any program</source>
        <translation>قراءة التحديد من أي برنامج</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>لا &amp;شيء</translation>
    </message>
    <message>
        <source>No shortcut</source>
        <translation>لا اختصار</translation>
    </message>
    <message>
        <source>Read every article with its own voice o&amp;nly</source>
        <translation>قراءة &amp;كل مقالة بصوتها فقط</translation>
    </message>
    <message>
        <source>Voices for other lan&amp;guages:</source>
        <translation>أصوات للغات أ&amp;خرى:</translation>
    </message>
    <message>
        <source>Rea&amp;d by:</source>
        <translation>يقرؤ&amp;ها:</translation>
    </message>
    <message>
        <source>Int&amp;erface language:</source>
        <translation>لغة الوا&amp;جهة:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>النظام</translation>
    </message>
    <message>
        <source>(from the next start)</source>
        <translation>(من التشغيل التالي)</translation>
    </message>
</context>
<context>
    <name>TMyAudioDeviceDlg</name>
    <message>
        <source>System Default Output</source>
        <translation>الإخراج الافتراضي للنظام</translation>
    </message>
    <message>
        <source>11.025 kHz, Mono, 8-bit</source>
        <translation>11.025 كيلوهرتز، أحادي، 8 بت</translation>
    </message>
    <message>
        <source>11.025 kHz, Stereo, 8-bit</source>
        <translation>11.025 كيلوهرتز، ستيريو، 8 بت</translation>
    </message>
    <message>
        <source>11.025 kHz, Mono, 16-bit</source>
        <translation>11.025 كيلوهرتز، أحادي، 16 بت</translation>
    </message>
    <message>
        <source>11.025 kHz, Stereo, 16-bit</source>
        <translation>11.025 كيلوهرتز، ستيريو، 16 بت</translation>
    </message>
    <message>
        <source>22.05 kHz, Mono, 8-bit </source>
        <translation>22.05 كيلوهرتز، أحادي، 8 بت</translation>
    </message>
    <message>
        <source>22.05 kHz, Stereo, 8-bit</source>
        <translation>22.05 كيلوهرتز، ستيريو، 8 بت</translation>
    </message>
    <message>
        <source>22.05 kHz, Mono, 16-bit</source>
        <translation>22.05 كيلوهرتز، أحادي، 16 بت</translation>
    </message>
    <message>
        <source>22.05 kHz, Stereo, 16-bit</source>
        <translation>22.05 كيلوهرتز، ستيريو، 16 بت</translation>
    </message>
    <message>
        <source>44.1 kHz, Mono, 8-bit</source>
        <translation>44.1 كيلوهرتز، أحادي، 8 بت</translation>
    </message>
    <message>
        <source>44.1 kHz, Stereo, 8-bit</source>
        <translation>44.1 كيلوهرتز، ستيريو، 8 بت</translation>
    </message>
    <message>
        <source>44.1 kHz, Mono, 16-bit</source>
        <translation>44.1 كيلوهرتز، أحادي، 16 بت</translation>
    </message>
    <message>
        <source>44.1 kHz, Stereo, 16-bit</source>
        <translation>44.1 كيلوهرتز، ستيريو، 16 بت</translation>
    </message>
    <message>
        <source>Supports separate left and right volume control. </source>
        <translation>يدعم التحكم المنفصل في مستوى الصوت يسارًا ويمينًا. </translation>
    </message>
    <message>
        <source>Supports pitch control. </source>
        <translation>يدعم التحكم في طبقة الصوت. </translation>
    </message>
    <message>
        <source>Support playback rate control. </source>
        <translation>يدعم التحكم في سرعة التشغيل. </translation>
    </message>
    <message>
        <source>The driver is synchronous and will block while playing a buffer. </source>
        <translation>برنامج التشغيل متزامن ويتوقف أثناء تشغيل المخزن. </translation>
    </message>
    <message>
        <source>Supports volume control. </source>
        <translation>يدعم التحكم في مستوى الصوت. </translation>
    </message>
    <message>
        <source>Returns sample-accurate position information.</source>
        <translation>يعطي الموضع بدقة العينة.</translation>
    </message>
    <message>
        <source>Audio Device ID </source>
        <translation>معرّف جهاز الصوت </translation>
    </message>
    <message>
        <source>&amp;Devices:</source>
        <translation>الأ&amp;جهزة:</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>الأجهزة</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>معرّف الجهاز</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Sound server name</source>
        <translation>الاسم في خادم الصوت</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>الصيغ</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>القنوات</translation>
    </message>
    <message>
        <source>Supports</source>
        <translation>يدعم</translation>
    </message>
    <message>
        <source>Audio Destination Device ID</source>
        <translation>معرّف جهاز الصوت الهدف</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>أحادي</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>ستيريو</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 قنوات</translation>
    </message>
</context>
<context>
    <name>TNotifyIcon</name>
    <message>
        <source>&amp;Pause</source>
        <translation>إيقاف م&amp;ؤقت</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>استئ&amp;ناف</translation>
    </message>
    <message>
        <source>Parlewind MP3</source>
        <translation>Parlewind MP3</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>Show &amp;Toolbar</source>
        <translation>إظهار &amp;شريط الأدوات</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;خيارات</translation>
    </message>
    <message>
        <source>Read &amp;Aloud</source>
        <translation>قراءة بصوت &amp;عالٍ</translation>
    </message>
    <message>
        <source>Read to &amp;File</source>
        <translation>قراءة إلى م&amp;لف</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>&amp;تخطٍّ</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>إي&amp;قاف</translation>
    </message>
    <message>
        <source>Pre&amp;vious Sentence</source>
        <translation>الجملة ال&amp;سابقة</translation>
    </message>
    <message>
        <source>&amp;Next Sentence</source>
        <translation>ال&amp;جملة التالية</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;حول</translation>
    </message>
</context>
<context>
    <name>TOutDirDialog</name>
    <message>
        <source>Select Output Directory</source>
        <translation>اختيار مجلد الإخراج</translation>
    </message>
    <message>
        <source>Current Directory:</source>
        <translation>المجلد الحالي:</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>مجلد &amp;جديد</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>مجلد جديد</translation>
    </message>
    <message>
        <source>New Folder %1</source>
        <translation>مجلد جديد %1</translation>
    </message>
    <message>
        <source>A folder could not be made in %1</source>
        <translation>تعذّر إنشاء مجلد في %1</translation>
    </message>
</context>
<context>
    <name>TProgramCore</name>
    <message>
        <source>The settings were missing; defaults are used. The saved articles were restored.</source>
        <translation>كانت الإعدادات مفقودة؛ تُستخدم القيم الافتراضية. استُعيدت المقالات المحفوظة.</translation>
    </message>
    <message>
        <source>The saved articles file is damaged: %1 of %2 articles were restored.</source>
        <translation>ملف المقالات المحفوظة تالف: استُعيدت %1 من %2 مقالة.</translation>
    </message>
    <message>
        <source>%1 of the %2 saved articles were restored (single-article mode keeps one).</source>
        <translation>استُعيدت %1 من المقالات المحفوظة الـ%2 (وضع المقالة الواحدة يبقي على واحدة).</translation>
    </message>
    <message>
        <source>The file as it was is kept in %1</source>
        <translation>الملف كما كان محفوظ في %1</translation>
    </message>
    <message>
        <source>The file could not be copied to %1</source>
        <translation>تعذّر نسخ الملف إلى %1</translation>
    </message>
    <message>
        <source>The articles could not be saved to %1: %2<byte value="xd"/><byte value="xd"/>Parlewind stays open so that nothing is lost. Make room on the disk, then choose Exit again.</source>
        <translation>تعذّر حفظ المقالات في %1: %2<byte value="xd"/><byte value="xd"/>يبقى Parlewind مفتوحًا حتى لا يضيع شيء. وفّر مساحة على القرص، ثم اختر إنهاء مرة أخرى.</translation>
    </message>
    <message>
        <source>Reading Test Message</source>
        <translation>قراءة رسالة الاختبار</translation>
    </message>
    <message>
        <source>Reading Audio Help</source>
        <translation>قراءة المساعدة الصوتية</translation>
    </message>
    <message>
        <source>No articles</source>
        <translation>لا مقالات</translation>
    </message>
    <message>
        <source>1 article</source>
        <translation>مقالة واحدة</translation>
    </message>
    <message numerus="yes">
        <source>%n articles</source>
        <translation>
            <numerusform>لا مقالات</numerusform>
            <numerusform>مقالة واحدة</numerusform>
            <numerusform>مقالتان</numerusform>
            <numerusform>%n مقالات</numerusform>
            <numerusform>%n مقالة</numerusform>
            <numerusform>%n مقالة</numerusform>
        </translation>
    </message>
    <message>
        <source>the default voice (%1)</source>
        <translation>الصوت الافتراضي (%1)</translation>
    </message>
    <message>
        <source>article %1 &quot;%2&quot; (%3)</source>
        <translation>المقالة %1 «%2» (%3)</translation>
    </message>
    <message>
        <source>This item is currently being read and cannot be deleted</source>
        <translation>هذا العنصر قيد القراءة حاليًا ولا يمكن حذفه</translation>
    </message>
    <message>
        <source>AddMemo Failed</source>
        <translation>فشل AddMemo</translation>
    </message>
    <message>
        <source>The articles could not be saved: %1</source>
        <translation>تعذّر حفظ المقالات: %1</translation>
    </message>
</context>
<context>
    <name>TProgressBar</name>
    <message>
        <source> %1%  %2/%3 files  %4 of audio</source>
        <translation> %1%  %2/%3 ملفات  %4 من الصوت</translation>
    </message>
</context>
<context>
    <name>TPropertyPanel</name>
    <message>
        <source>Title and voice</source>
        <translation>العنوان والصوت</translation>
    </message>
    <message>
        <source>F2 changes them</source>
        <translation>F2 يغيّرهما</translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>العنوان: </translation>
    </message>
    <message>
        <source>Voice: </source>
        <translation>الصوت: </translation>
    </message>
    <message>
        <source>Title</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>قراءة</translation>
    </message>
    <message>
        <source>Read selected article</source>
        <translation>قراءة المقالة المحددة</translation>
    </message>
    <message>
        <source>Read to File</source>
        <translation>قراءة إلى ملف</translation>
    </message>
    <message>
        <source>Read selected article to file</source>
        <translation>قراءة المقالة المحددة إلى ملف</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete selected article</source>
        <translation>حذف المقالة المحددة</translation>
    </message>
    <message>
        <source>More languages…</source>
        <translation>لغات أخرى…</translation>
    </message>
</context>
<context>
    <name>TReadingSession</name>
    <message>
        <source>A title is required to output speech to a file</source>
        <translation>يلزم عنوان لإخراج الكلام إلى ملف</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>جارٍ كتابة %1</translation>
    </message>
    <message>
        <source>Writing the book</source>
        <translation>جارٍ كتابة الكتاب</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>المستخدم</translation>
    </message>
    <message>
        <source>The sound device %1 is gone. Reading has stopped.</source>
        <translation>جهاز الصوت %1 لم يعد موجودًا. توقفت القراءة.</translation>
    </message>
    <message>
        <source>The voice could not speak &quot;%1&quot; (its speech engine failed on it). Reading has stopped.</source>
        <translation>لم يستطع الصوت نطق «%1» (فشل محرك الكلام فيه). توقفت القراءة.</translation>
    </message>
    <message>
        <source>The voice %1 could not go on with &quot;%2&quot;: %3. Reading has stopped.</source>
        <translation>لم يستطع الصوت %1 متابعة «%2»: %3. توقفت القراءة.</translation>
    </message>
    <message>
        <source>A title is required for each item entry when<byte value="xd"/>outputting to multiple files</source>
        <translation>يلزم عنوان لكل عنصر عند<byte value="xd"/>الإخراج إلى ملفات متعددة</translation>
    </message>
    <message>
        <source>Output directory %1 is not valid</source>
        <translation>مجلد الإخراج %1 غير صالح</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2 was not made.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>لم يُنشأ %2.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2 was not made. The speech is kept in %3.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>لم يُنشأ %2. الكلام محفوظ في %3.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>The unfinished file was removed.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>حُذف الملف غير المكتمل.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>تعذّرت كتابة %1: %2.</translation>
    </message>
    <message>
        <source>Article %1 of %2</source>
        <translation>المقالة %1 من %2</translation>
    </message>
    <message>
        <source>Stops at the end of this article</source>
        <translation>يتوقف في نهاية هذه المقالة</translation>
    </message>
    <message>
        <source>Stops at the end of this sentence</source>
        <translation>يتوقف في نهاية هذه الجملة</translation>
    </message>
    <message>
        <source>Stops in %1 min</source>
        <translation>يتوقف بعد %1 دقيقة</translation>
    </message>
    <message>
        <source>Making the read-along book: </source>
        <translation>جارٍ إنشاء كتاب القراءة المصاحبة: </translation>
    </message>
    <message>
        <source>Converting to %1 format: </source>
        <translation>جارٍ التحويل إلى صيغة %1: </translation>
    </message>
</context>
<context>
    <name>TSIBusyForm</name>
    <message>
        <source>Parlewind Busy ...</source>
        <translation>Parlewind مشغول ...</translation>
    </message>
    <message>
        <source>In Single-Item mode, Parlewind cannot copy from 
the clipboard while text is being read.</source>
        <translation>في وضع المقالة الواحدة لا يستطيع Parlewind النسخ
من الحافظة أثناء قراءة نص.</translation>
    </message>
    <message>
        <source>&amp;Do not show this dialog again</source>
        <translation>&amp;عدم إظهار هذا الحوار مرة أخرى</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>TSIOptionsSheet</name>
    <message>
        <source>Single-Article Options</source>
        <translation>خيارات المقالة الواحدة</translation>
    </message>
    <message>
        <source>Voice Selection:</source>
        <translation>اختيار الصوت:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>الافتراضي</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>عشوائي</translation>
    </message>
    <message>
        <source>Automatically &amp;Speak New Text </source>
        <translation>نطق النص الجديد تلقا&amp;ئيًا </translation>
    </message>
</context>
<context>
    <name>TTS</name>
    <message>
        <source>Speak method failed. </source>
        <translation>فشل أسلوب Speak. </translation>
    </message>
    <message>
        <source>No wave out devices available on system.</source>
        <translation>لا توجد أجهزة إخراج صوت في النظام.</translation>
    </message>
</context>
<context>
    <name>TTTSForm</name>
    <message>
        <source>Voice %1 does not exist</source>
        <translation>الصوت %1 غير موجود</translation>
    </message>
    <message>
        <source>No sound device was found. Reading aloud needs a sound server (PulseAudio or PipeWire); reading to files works without one.</source>
        <translation>لم يُعثر على جهاز صوت. تحتاج القراءة بصوت عالٍ إلى خادم صوت (PulseAudio أو PipeWire)؛ والقراءة إلى ملفات تعمل دونه.</translation>
    </message>
    <message>
        <source>%1 can only read aloud: speech-dispatcher gives no sound back to programs. Choose another voice for files.</source>
        <translation>%1 يقرأ بصوت عالٍ فقط: لا يعيد speech-dispatcher أي صوت إلى البرامج. اختر صوتًا آخر للملفات.</translation>
    </message>
    <message>
        <source>no voices found</source>
        <translation>لم يُعثر على أصوات</translation>
    </message>
    <message>
        <source>1 voice</source>
        <translation>صوت واحد</translation>
    </message>
    <message numerus="yes">
        <source>%n voices</source>
        <translation>
            <numerusform>لا أصوات</numerusform>
            <numerusform>صوت واحد</numerusform>
            <numerusform>صوتان</numerusform>
            <numerusform>%n أصوات</numerusform>
            <numerusform>%n صوتًا</numerusform>
            <numerusform>%n صوت</numerusform>
        </translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>غير مثبّت</translation>
    </message>
    <message>
        <source>looking for voices…</source>
        <translation>جارٍ البحث عن الأصوات…</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>تعذّر الوصول</translation>
    </message>
    <message>
        <source>%1, read aloud only</source>
        <translation>%1، للقراءة بصوت عالٍ فقط</translation>
    </message>
    <message>
        <source>Modules: %1</source>
        <translation>الوحدات: %1</translation>
    </message>
    <message>
        <source>No piper program on the PATH or where chosen.</source>
        <translation>لا يوجد برنامج piper في PATH ولا في الموضع المختار.</translation>
    </message>
    <message>
        <source>Program: %1</source>
        <translation>البرنامج: %1</translation>
    </message>
    <message>
        <source>TTSForm initialization error - error creating TmpTTS</source>
        <translation>خطأ في تهيئة محرك الكلام: تعذّر إنشاء كائن الكلام المؤقت</translation>
    </message>
    <message>
        <source>Sound card is busy.  Wait and try again.</source>
        <translation>بطاقة الصوت مشغولة.  انتظر ثم حاول مرة أخرى.</translation>
    </message>
    <message>
        <source>Error accessing sound card</source>
        <translation>خطأ في الوصول إلى بطاقة الصوت</translation>
    </message>
    <message>
        <source>Audio device check failed. <byte value="xd"/>Verify that the device you have selected is a valid audio device<byte value="xd"/><byte value="xd"/>Please contact Brivanta Support if you&apos;re having problems</source>
        <translation>فشل فحص جهاز الصوت.<byte value="xd"/>تحقق من أن الجهاز الذي اخترته جهاز صوت صالح<byte value="xd"/><byte value="xd"/>تواصل مع دعم Brivanta إن واجهت مشكلات</translation>
    </message>
</context>
<context>
    <name>TToolBarForm</name>
    <message>
        <source>Parlewind MP3 Toolbar</source>
        <translation>شريط أدوات Parlewind MP3</translation>
    </message>
    <message>
        <source>Read text aloud</source>
        <translation>قراءة النص بصوت عالٍ</translation>
    </message>
    <message>
        <source>Read text to file</source>
        <translation>قراءة النص إلى ملف</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>إيقاف مؤقت / استئناف</translation>
    </message>
    <message>
        <source>Previous Sentence</source>
        <translation>الجملة السابقة</translation>
    </message>
    <message>
        <source>Next Sentence</source>
        <translation>الجملة التالية</translation>
    </message>
    <message>
        <source>Skip to next article</source>
        <translation>التخطي إلى المقالة التالية</translation>
    </message>
    <message>
        <source>Stop Reading</source>
        <translation>إيقاف القراءة</translation>
    </message>
    <message>
        <source>Restore main window</source>
        <translation>استعادة النافذة الرئيسية</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>التقدم</translation>
    </message>
</context>
<context>
    <name>TVoiceEditPage</name>
    <message>
        <source>Voi&amp;ce</source>
        <translation>ال&amp;صوت</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>&amp;Pitch</source>
        <translation>&amp;طبقة الصوت</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>طبقة الصوت</translation>
    </message>
    <message>
        <source>Sp&amp;eed</source>
        <translation>ال&amp;سرعة</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>ا&amp;ختبار</translation>
    </message>
    <message>
        <source>Reset Defa&amp;ults</source>
        <translation>استعادة ال&amp;افتراضي</translation>
    </message>
    <message>
        <source>Pau&amp;ses</source>
        <translation>الو&amp;قفات</translation>
    </message>
    <message>
        <source>Pauses</source>
        <translation>الوقفات</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>قصيرة</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>عادية</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>طويلة</translation>
    </message>
    <message>
        <source>&amp;More…</source>
        <translation>ال&amp;مزيد…</translation>
    </message>
    <message>
        <source>More pause settings</source>
        <translation>مزيد من إعدادات الوقفات</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>مخصصة</translation>
    </message>
    <message>
        <source>Milliseconds at the voice&apos;s normal speed; at twice the speed, half as long.</source>
        <translation>بالمللي ثانية عند السرعة العادية للصوت؛ وعند ضعف السرعة تصبح نصفها.</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> مللي ثانية</translation>
    </message>
    <message>
        <source>After a &amp;sentence:</source>
        <translation>بعد ج&amp;ملة:</translation>
    </message>
    <message>
        <source>After a &amp;paragraph:</source>
        <translation>بعد &amp;فقرة:</translation>
    </message>
    <message>
        <source>&amp;Between articles:</source>
        <translation>&amp;بين المقالات:</translation>
    </message>
    <message>
        <source>This voice has no pitch to change.</source>
        <translation>ليس لهذا الصوت طبقة يمكن تغييرها.</translation>
    </message>
    <message>
        <source>fixed</source>
        <translation>ثابتة</translation>
    </message>
    <message>
        <source>%1 words a minute</source>
        <translation>%1 كلمة في الدقيقة</translation>
    </message>
</context>
<context>
    <name>TVoiceSourcesPage</name>
    <message>
        <source>Piper &amp;program:</source>
        <translation>&amp;برنامج piper:</translation>
    </message>
    <message>
        <source>Piper program</source>
        <translation>برنامج piper</translation>
    </message>
    <message>
        <source>piper on the PATH</source>
        <translation>piper في PATH</translation>
    </message>
    <message>
        <source>Piper &amp;voice folders:</source>
        <translation>م&amp;جلدات أصوات piper:</translation>
    </message>
    <message>
        <source>Piper voice folders</source>
        <translation>مجلدات أصوات piper</translation>
    </message>
    <message>
        <source>&amp;Add a folder…</source>
        <translation>إ&amp;ضافة مجلد…</translation>
    </message>
    <message>
        <source>&amp;Remove Folder</source>
        <translation>إ&amp;زالة المجلد</translation>
    </message>
    <message>
        <source>Add a Folder of Piper Voices</source>
        <translation>إضافة مجلد أصوات piper</translation>
    </message>
    <message>
        <source>The voices can be looked for again once the reading has stopped.</source>
        <translation>يمكن البحث عن الأصوات مرة أخرى بعد توقف القراءة.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>%1 is too large to be read as an article (more than 64 MB).</source>
        <translation>%1 أكبر من أن يُقرأ كمقالة (أكثر من 64 ميغابايت).</translation>
    </message>
    <message>
        <source>%1 does not contain text; it was not opened.</source>
        <translation>%1 لا يحوي نصًا؛ لم يُفتح.</translation>
    </message>
    <message>
        <source>%1 is empty; it was not opened.</source>
        <translation>%1 فارغ؛ لم يُفتح.</translation>
    </message>
</context>
<context>
    <name>Voices</name>
    <message>
        <source>No sound device is available.</source>
        <translation>لا يتوفر جهاز صوت.</translation>
    </message>
    <message>
        <source>The speech engine could not be started.</source>
        <translation>تعذّر تشغيل محرك الكلام.</translation>
    </message>
</context>
</TS>
