<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ArticleBooks</name>
    <message>
        <source>The list of books (%1) is damaged; it is kept as it was in %2.</source>
        <translation>书籍列表（%1）已损坏；已原样保存在 %2。</translation>
    </message>
    <message>
        <source>The list of books (%1) is damaged.</source>
        <translation>书籍列表（%1）已损坏。</translation>
    </message>
</context>
<context>
    <name>Audio</name>
    <message>
        <source>Write Error (1)<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>写入错误 (1)<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Write error (2)<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>写入错误 (2)<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>%1 is already there and is kept</source>
        <translation>%1 已存在，予以保留</translation>
    </message>
    <message>
        <source>The audiobook could not be made (%1: %2)<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>无法制作有声书（%1：%2）<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>Error reading wave file</source>
        <translation>读取 WAV 文件出错</translation>
    </message>
    <message>
        <source>Invalid wave file...</source>
        <translation>无效的 WAV 文件...</translation>
    </message>
    <message>
        <source>Unable to convert wave file</source>
        <translation>无法转换 WAV 文件</translation>
    </message>
    <message>
        <source>Invalid param passed!</source>
        <translation>传入了无效参数！</translation>
    </message>
    <message>
        <source>This wave file is not valid for conversion</source>
        <translation>此 WAV 文件无法转换</translation>
    </message>
    <message>
        <source>Unable to open wave file</source>
        <translation>无法打开 WAV 文件</translation>
    </message>
    <message>
        <source>Unable to setup file IO buffer</source>
        <translation>无法设置文件输入输出缓冲区</translation>
    </message>
    <message>
        <source>Error opening encoding stream %1</source>
        <translation>打开编码流出错 %1</translation>
    </message>
    <message>
        <source>Read Error<byte value="xd"/><byte value="xd"/>%1: %2</source>
        <translation>读取错误<byte value="xd"/><byte value="xd"/>%1：%2</translation>
    </message>
    <message>
        <source>The Opus encoder could not be started (%1)<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>无法启动 Opus 编码器（%1）<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The Opus encoder failed (%1)<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Opus 编码器失败（%1）<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The Opus comments could not be written<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>无法写入 Opus 注释<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>it is already there</source>
        <translation>它已存在</translation>
    </message>
    <message>
        <source>the file ends before its sound data does</source>
        <translation>文件在其声音数据结束之前就结束了</translation>
    </message>
    <message>
        <source>its sound %1 cannot be read: %2</source>
        <translation>其声音 %1 无法读取：%2</translation>
    </message>
</context>
<context>
    <name>AudioHelp</name>
    <message>
        <source>&amp;Getting started</source>
        <translation>入门(&amp;G)</translation>
    </message>
    <message>
        <source>Gathering &amp;text</source>
        <translation>收集文本(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Single and multi-article mode</source>
        <translation>单篇与多篇文章模式(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Reading aloud, pausing and skipping</source>
        <translation>朗读、暂停与跳过(&amp;R)</translation>
    </message>
    <message>
        <source>Reading to &amp;WAV and MP3 files</source>
        <translation>读到 WAV 和 MP3 文件(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Voices, speed and pitch</source>
        <translation>语音、语速与音调(&amp;V)</translation>
    </message>
    <message>
        <source>The &amp;pronunciation editor</source>
        <translation>发音编辑器(&amp;P)</translation>
    </message>
    <message>
        <source>Using the &amp;keyboard</source>
        <translation>使用键盘(&amp;K)</translation>
    </message>
    <message>
        <source>When there is &amp;no sound</source>
        <translation>没有声音时(&amp;N)</translation>
    </message>
    <message>
        <source>Installing &amp;more voices</source>
        <translation>安装更多语音(&amp;M)</translation>
    </message>
    <message>
        <source>The notification area and the &amp;floating tool bar</source>
        <translation>通知区域与浮动工具栏(&amp;F)</translation>
    </message>
    <message>
        <source>File:%1 Not Found.</source>
        <translation>文件：%1 未找到。</translation>
    </message>
    <message>
        <source>File:%1 cannot be read: %2</source>
        <translation>文件：%1 无法读取：%2</translation>
    </message>
    <message>
        <source>File:%1 is larger than 64 MB.</source>
        <translation>文件：%1 大于 64 MB。</translation>
    </message>
</context>
<context>
    <name>DocumentOpen</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>正在打开 %1…</translation>
    </message>
    <message>
        <source>Opening %1: page %2 of %3…</source>
        <translation>正在打开 %1：第 %2 页，共 %3 页…</translation>
    </message>
    <message>
        <source>Opening %1: %2 %…</source>
        <translation>正在打开 %1：%2 %…</translation>
    </message>
    <message>
        <source>Recognising page %1 of %2…</source>
        <translation>正在识别第 %1 页，共 %2 页…</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <translation>正在获取 %1…</translation>
    </message>
    <message>
        <source>Fetching part %1 of %2…</source>
        <translation>正在获取第 %1 部分，共 %2 部分…</translation>
    </message>
    <message>
        <source>The copied picture could not be read: %1.</source>
        <translation>无法读取复制的图片：%1。</translation>
    </message>
    <message>
        <source>the copied picture</source>
        <translation>复制的图片</translation>
    </message>
    <message>
        <source>The copied picture</source>
        <translation>复制的图片</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>%1 %2; it was not opened.</source>
        <translation>%1 %2；未打开。</translation>
    </message>
    <message>
        <source>could not be reached (no answer for %1 seconds)</source>
        <translation>无法访问（%1 秒内无响应）</translation>
    </message>
    <message>
        <source>took too long to read (a step of it went on for more than %1 seconds)</source>
        <translation>读取时间过长（其中一步超过 %1 秒）</translation>
    </message>
    <message>
        <source>could not be fetched in %1 seconds</source>
        <translation>无法在 %1 秒内获取</translation>
    </message>
    <message>
        <source>took too long to read (more than %1 seconds)</source>
        <translation>读取时间过长（超过 %1 秒）</translation>
    </message>
    <message>
        <source>could not be read: the reader did not start (%1)</source>
        <translation>无法读取：读取程序未能启动（%1）</translation>
    </message>
    <message>
        <source>is too large to be read as an article (more than 64 MB)</source>
        <translation>太大，无法作为文章读取（超过 64 MB）</translation>
    </message>
    <message>
        <source>answered %1 %2</source>
        <translation>响应 %1 %2</translation>
    </message>
    <message>
        <source>could not be reached (it sends the reader on more than %1 times)</source>
        <translation>无法访问（重定向超过 %1 次）</translation>
    </message>
    <message>
        <source>could not be reached (it sends the reader from a secure address to an insecure one)</source>
        <translation>无法访问（从安全地址重定向到不安全地址）</translation>
    </message>
    <message>
        <source>could not be reached (%1)</source>
        <translation>无法访问（%1）</translation>
    </message>
    <message>
        <source>is not a web page (%1)</source>
        <translation>不是网页（%1）</translation>
    </message>
    <message>
        <source>could not be kept to be read (%1)</source>
        <translation>无法保存以供读取（%1）</translation>
    </message>
    <message>
        <source>part %1 %2; the parts before it were read</source>
        <translation>第 %1 部分 %2；之前的部分已读取</translation>
    </message>
    <message>
        <source>holds more text than can be read as articles</source>
        <translation>包含的文本超出可作为文章读取的量</translation>
    </message>
    <message>
        <source>could not be read (the reader answered nonsense)</source>
        <translation>无法读取（读取程序返回了无意义的内容）</translation>
    </message>
    <message>
        <source>needs more than %1 MB of memory to read</source>
        <translation>读取需要超过 %1 MB 内存</translation>
    </message>
    <message>
        <source>could not be read (the reader failed on it; the file may be damaged, or need more than %1 MB of memory or %2 seconds)</source>
        <translation>无法读取（读取程序处理失败；文件可能已损坏，或需要超过 %1 MB 内存或 %2 秒）</translation>
    </message>
    <message>
        <source>could not be read (the reader ended without an answer)</source>
        <translation>无法读取（读取程序未作应答就结束了）</translation>
    </message>
    <message>
        <source>could not be read safely (%1)</source>
        <translation>无法安全读取（%1）</translation>
    </message>
    <message>
        <source>Text and documents (%1)</source>
        <translation>文本和文档 (%1)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>Pictures of text (%1)</source>
        <translation>文字图片 (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>holds no text to read; it was not opened</source>
        <translation>没有可读的文本；未打开</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2。</translation>
    </message>
    <message>
        <source>%1 is not a file that can be read (a folder, a device or a pipe); it was not opened.</source>
        <translation>%1 不是可读取的文件（文件夹、设备或管道）；未打开。</translation>
    </message>
    <message>
        <source>The file %1 could not be opened: %2</source>
        <translation>无法打开文件 %1：%2</translation>
    </message>
    <message>
        <source>%1 is too large to be read as an article (more than 64 MB); it was not opened.</source>
        <translation>%1 太大，无法作为文章读取（超过 64 MB）；未打开。</translation>
    </message>
    <message>
        <source>Error reading input file %1: %2</source>
        <translation>读取输入文件 %1 出错：%2</translation>
    </message>
    <message>
        <source>is damaged (it names no package file)</source>
        <translation>已损坏（未指定包文件）</translation>
    </message>
    <message>
        <source>is protected against copying (its text is encrypted)</source>
        <translation>受复制保护（文本已加密）</translation>
    </message>
    <message>
        <source>is damaged (its reading order names a missing part)</source>
        <translation>已损坏（阅读顺序引用了缺失的部分）</translation>
    </message>
    <message>
        <source>page %1 was hard to recognise; its text may be wrong</source>
        <translation>第 %1 页难以识别；其文本可能有误</translation>
    </message>
    <message>
        <source>pages %1 were hard to recognise; their text may be wrong</source>
        <translation>第 %1 页难以识别；其文本可能有误</translation>
    </message>
    <message>
        <source>is damaged (not a readable PDF)</source>
        <translation>已损坏（不是可读的 PDF）</translation>
    </message>
    <message>
        <source>is protected by a password</source>
        <translation>受密码保护</translation>
    </message>
    <message>
        <source>was not opened: stopped</source>
        <translation>未打开：已停止</translation>
    </message>
    <message>
        <source>has more pages of pictures than can be recognised at once (%1; at most %2)</source>
        <translation>图片页数超过一次可识别的数量（%1；最多 %2）</translation>
    </message>
    <message>
        <source>has no text layer (its pages are pictures); it was not opened</source>
        <translation>没有文本层（页面都是图片）；未打开</translation>
    </message>
    <message>
        <source>holds no text that could be recognised; it was not opened</source>
        <translation>没有可识别的文本；未打开</translation>
    </message>
    <message>
        <source>could not be read: text recognition did not start (its language data %1 cannot be loaded)</source>
        <translation>无法读取：文字识别未能启动（无法加载语言数据 %1）</translation>
    </message>
    <message>
        <source>is not a picture that can be read (damaged, or of a kind not known)</source>
        <translation>不是可读取的图片（已损坏或类型未知）</translation>
    </message>
    <message>
        <source>is too large a picture to be read (%1 × %2 pixels)</source>
        <translation>图片太大，无法读取（%1 × %2 像素）</translation>
    </message>
    <message>
        <source>is not a picture that can be read (%1)</source>
        <translation>不是可读取的图片（%1）</translation>
    </message>
    <message>
        <source>is not a picture that can be read (damaged)</source>
        <translation>不是可读取的图片（已损坏）</translation>
    </message>
    <message>
        <source>has more pages than can be read (%1)</source>
        <translation>页数超过可读取的数量（%1）</translation>
    </message>
    <message>
        <source>is damaged (not a readable zip archive)</source>
        <translation>已损坏（不是可读的 zip 压缩包）</translation>
    </message>
    <message>
        <source>would unpack to more than 256 MB</source>
        <translation>解压后将超过 256 MB</translation>
    </message>
    <message>
        <source>is damaged (%1 is missing)</source>
        <translation>已损坏（缺少 %1）</translation>
    </message>
    <message>
        <source>is encrypted</source>
        <translation>已加密</translation>
    </message>
    <message>
        <source>is refused (%1 would unpack to more than 64 MB)</source>
        <translation>已拒绝（%1 解压后将超过 64 MB）</translation>
    </message>
    <message>
        <source>is damaged (%1 cannot be unpacked)</source>
        <translation>已损坏（%1 无法解压）</translation>
    </message>
    <message>
        <source>is damaged (%1 does not match its checksum)</source>
        <translation>已损坏（%1 与其校验和不符）</translation>
    </message>
    <message>
        <source>is refused (%1 declares entities of its own, which could make it expand without end)</source>
        <translation>已拒绝（%1 声明了自身的实体，可能无限膨胀）</translation>
    </message>
    <message>
        <source>is damaged (%1: %2)</source>
        <translation>已损坏（%1：%2）</translation>
    </message>
    <message>
        <source>a limit could not be set: %1</source>
        <translation>无法设置限制：%1</translation>
    </message>
    <message>
        <source>the system-call filter could not be made</source>
        <translation>无法创建系统调用过滤器</translation>
    </message>
    <message>
        <source>the system-call filter could not be applied</source>
        <translation>无法应用系统调用过滤器</translation>
    </message>
    <message>
        <source>the picture was hard to recognise; its text may be wrong</source>
        <translation>图片难以识别；其文本可能有误</translation>
    </message>
</context>
<context>
    <name>ESpeechError</name>
    <message>
        <source>The speech recognition or text-to-speech service does not have enough data.</source>
        <translation>语音识别或文本转语音服务的数据不足。</translation>
    </message>
    <message>
        <source>The sound card does not support the right wave-file format to work with the speech software.</source>
        <translation>声卡不支持语音软件所需的 WAV 格式。</translation>
    </message>
    <message>
        <source>The audio device is in use at this time.</source>
        <translation>音频设备正在使用中。</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to the speech engine.</source>
        <translation>向语音引擎传入了无效参数。</translation>
    </message>
    <message>
        <source>There was an error in disk access, or there is not enough disk space free. If you are low on disk space, try deleting some files to free up space.</source>
        <translation>磁盘访问出错，或可用空间不足。如果空间不足，请删除一些文件。</translation>
    </message>
    <message>
        <source>The program has selected a non-existent speech engine.</source>
        <translation>程序选择了不存在的语音引擎。</translation>
    </message>
    <message>
        <source>An invalid list was passed to the speech recognizer.</source>
        <translation>向语音识别器传入了无效列表。</translation>
    </message>
    <message>
        <source>An invalid character was passed to the speech engine.</source>
        <translation>向语音引擎传入了无效字符。</translation>
    </message>
    <message>
        <source>An invalid key was passed to the speech engine.</source>
        <translation>向语音引擎传入了无效键。</translation>
    </message>
    <message>
        <source>There is not enough memory for the text-to-speech engine to finish. Quit some other programs, and then try again.</source>
        <translation>文本转语音引擎内存不足，无法完成。请关闭其他程序后重试。</translation>
    </message>
    <message>
        <source>The text string passed into the text-to-speech engine is empty.</source>
        <translation>传给文本转语音引擎的文本为空。</translation>
    </message>
    <message>
        <source>The program has selected an audio device that does not exist.</source>
        <translation>程序选择了不存在的音频设备。</translation>
    </message>
    <message>
        <source>The program has not told the sound card what wave-file format to use.</source>
        <translation>程序没有告诉声卡使用哪种 WAV 格式。</translation>
    </message>
    <message>
        <source>The audio device is not playing.</source>
        <translation>音频设备未在播放。</translation>
    </message>
    <message>
        <source>Your sound card does not support this audio-file format.</source>
        <translation>您的声卡不支持此音频格式。</translation>
    </message>
    <message>
        <source>The audio device is not recording.</source>
        <translation>音频设备未在录音。</translation>
    </message>
    <message>
        <source>The audio driver has not been opened. Double-click the MultiMedia icon in Control Panel and make sure the correct drivers are loaded.</source>
        <translation>音频驱动程序未打开。请在声音设置中确认已加载正确的驱动程序。</translation>
    </message>
    <message>
        <source>The audio handle is still busy. Try restarting your computer.</source>
        <translation>音频设备仍然繁忙。请尝试重新启动计算机。</translation>
    </message>
    <message>
        <source>The notification sink is not the right type.</source>
        <translation>通知接收器类型不正确。</translation>
    </message>
    <message>
        <source>The audio device is not ready.</source>
        <translation>音频设备未就绪。</translation>
    </message>
    <message>
        <source>The audio device has already been claimed.</source>
        <translation>音频设备已被占用。</translation>
    </message>
    <message>
        <source>The audio device is still in use.</source>
        <translation>音频设备仍在使用中。</translation>
    </message>
    <message>
        <source>The audio device has already been started.</source>
        <translation>音频设备已经启动。</translation>
    </message>
    <message>
        <source>Cannot use a synchronous audio device.</source>
        <translation>无法使用同步音频设备。</translation>
    </message>
    <message>
        <source>Incorrect function.</source>
        <translation>函数不正确。</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>未实现</translation>
    </message>
    <message>
        <source>No such interface supported</source>
        <translation>不支持此接口</translation>
    </message>
    <message>
        <source>Invalid pointer</source>
        <translation>无效指针</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>未指定的错误</translation>
    </message>
    <message>
        <source>Not enough memory resources are available to complete this operation.</source>
        <translation>内存资源不足，无法完成此操作。</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>参数错误。</translation>
    </message>
    <message>
        <source>Class not registered</source>
        <translation>类未注册</translation>
    </message>
</context>
<context>
    <name>Engines</name>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Speech by eSpeak NG %2 and Flite.&lt;/p&gt;&lt;p&gt;Voices: %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;语音由 eSpeak NG %2 和 Flite 提供。&lt;/p&gt;&lt;p&gt;语音：%3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;The voice %2 of speech-dispatcher&apos;s output module %3. It reads aloud only: speech-dispatcher gives no sound back to programs.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;speech-dispatcher 输出模块 %3 的语音 %2。它只能朗读：speech-dispatcher 不会把声音交还给程序。&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>%1 is not a key this shortcut can use.</source>
        <translation>%1 不是此快捷键可用的按键。</translation>
    </message>
    <message>
        <source>The desktop did not give the shortcut.</source>
        <translation>桌面没有分配该快捷键。</translation>
    </message>
    <message>
        <source>Read the selection aloud</source>
        <translation>朗读所选内容</translation>
    </message>
    <message>
        <source>The shortcut was not confirmed in the desktop&apos;s dialog.</source>
        <translation>快捷键未在桌面的对话框中确认。</translation>
    </message>
    <message>
        <source>The desktop holds this shortcut; it is changed in the desktop&apos;s shortcut settings.</source>
        <translation>此快捷键由桌面管理；请在桌面的快捷键设置中更改。</translation>
    </message>
    <message>
        <source>The desktop holds this shortcut as %1; it is changed in the desktop&apos;s shortcut settings.</source>
        <translation>此快捷键由桌面管理，为 %1；请在桌面的快捷键设置中更改。</translation>
    </message>
    <message>
        <source>This desktop lets no program take a shortcut of its own.</source>
        <translation>此桌面不允许任何程序使用自己的快捷键。</translation>
    </message>
    <message>
        <source>%1 is taken by another program; choose another shortcut.</source>
        <translation>%1 已被其他程序占用；请选择其他快捷键。</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>its voice file cannot be read</source>
        <translation>其语音文件无法读取</translation>
    </message>
    <message>
        <source>its dictionary %1 cannot be read</source>
        <translation>其词典 %1 无法读取</translation>
    </message>
    <message>
        <source>its dictionary %1 is damaged</source>
        <translation>其词典 %1 已损坏</translation>
    </message>
    <message>
        <source>The language %1 (%2) is not offered: %3.</source>
        <translation>不提供语言 %1（%2）：%3。</translation>
    </message>
</context>
<context>
    <name>LanguagesDialog</name>
    <message>
        <source>Languages</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Each language you check adds a female and a male voice, &quot;Mary (&lt;Language&gt;)&quot; and &quot;Mike (&lt;Language&gt;)&quot;.</source>
        <translation>每勾选一种语言，就会添加一个女声和一个男声：“Mary (&lt;语言&gt;)”和“Mike (&lt;语言&gt;)”。</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>搜索(&amp;S)：</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>&amp;Languages:</source>
        <translation>语言(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>试听(&amp;T)</translation>
    </message>
    <message>
        <source>%1 and %2 are used by:<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>These keep the voice&apos;s name, which can no longer be read with until the language is checked again. Uncheck %4?</source>
        <translation>%1 和 %2 正被以下项使用：<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>它们会保留该语音的名称，在重新勾选该语言之前无法用它朗读。取消勾选 %4 吗？</translation>
    </message>
    <message>
        <source>Test %1</source>
        <translation>试听 %1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>试听</translation>
    </message>
    <message>
        <source>The languages could not be stored; the choice holds until the program ends.</source>
        <translation>无法保存语言；所选内容在程序结束前有效。</translation>
    </message>
</context>
<context>
    <name>Lexicon</name>
    <message>
        <source>the file is larger than 64 MB</source>
        <translation>文件大于 64 MB</translation>
    </message>
</context>
<context>
    <name>LexiconDialog</name>
    <message>
        <source>Pronunciation Editor</source>
        <translation>发音编辑器</translation>
    </message>
    <message>
        <source>Pronunciations</source>
        <translation>发音</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>单词</translation>
    </message>
    <message>
        <source>Sounds like</source>
        <translation>读作</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>单词(&amp;W)：</translation>
    </message>
    <message>
        <source>&amp;Sounds like:</source>
        <translation>读作(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>更改(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>试听(&amp;T)</translation>
    </message>
    <message>
        <source>The pronunciations in %1 could not be read (%2); they cannot be edited now.</source>
        <translation>无法读取 %1 中的发音（%2）；暂时无法编辑。</translation>
    </message>
    <message>
        <source>Type a word or phrase and how it sounds.</source>
        <translation>输入一个单词或短语及其读法。</translation>
    </message>
    <message>
        <source>The pronunciations could not be saved to %1</source>
        <translation>无法将发音保存到 %1</translation>
    </message>
</context>
<context>
    <name>OptionControls</name>
    <message>
        <source>%1 … %2: type a whole number; until then the last one is kept</source>
        <translation>%1 … %2：请输入整数；在此之前保留上一个值</translation>
    </message>
</context>
<context>
    <name>Piper</name>
    <message>
        <source>the piper program was not found</source>
        <translation>未找到 piper 程序</translation>
    </message>
    <message>
        <source>the piper program (%1) could not be started</source>
        <translation>无法启动 piper 程序（%1）</translation>
    </message>
    <message>
        <source>piper wrote no sound the program could read</source>
        <translation>piper 没有输出本程序可读取的声音</translation>
    </message>
    <message>
        <source>piper could not load the voice&apos;s model</source>
        <translation>piper 无法加载该语音的模型</translation>
    </message>
    <message>
        <source>piper ended unexpectedly</source>
        <translation>piper 意外结束</translation>
    </message>
    <message>
        <source>piper gave no sound for %1 seconds</source>
        <translation>piper %1 秒内没有输出声音</translation>
    </message>
</context>
<context>
    <name>ProgramPaths</name>
    <message>
        <source>Unable to create %1</source>
        <translation>无法创建 %1</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>文件夹 %1 不存在</translation>
    </message>
    <message>
        <source>the folder %1 is on a read-only disk</source>
        <translation>文件夹 %1 位于只读磁盘上</translation>
    </message>
    <message>
        <source>permission denied: the folder %1 cannot be written</source>
        <translation>权限被拒绝：无法写入文件夹 %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>%1 cannot be used (%2).</source>
        <translation>无法使用 %1（%2）。</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 不是文件夹。</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 属于其他用户。</translation>
    </message>
    <message>
        <source>%1 can be used by other users too.</source>
        <translation>%1 其他用户也可以使用。</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2).</source>
        <translation>无法创建 %1（%2）。</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>它是一个链接</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>它大于 %1 MB</translation>
    </message>
    <message>
        <source>%1 could not be read (%2) and was set aside as %3.</source>
        <translation>无法读取 %1（%2），已另存为 %3。</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <translation>无法读取 %1（%2）。</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings could not be written to %1</source>
        <translation>无法将设置写入 %1</translation>
    </message>
    <message>
        <source>Settings file %1 is damaged; defaults are used. A copy was kept as %2</source>
        <translation>设置文件 %1 已损坏；使用默认值。已保留副本 %2</translation>
    </message>
    <message>
        <source>Settings file %1 cannot be read; defaults are used</source>
        <translation>无法读取设置文件 %1；使用默认值</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Parlewind talks to its running window through a folder only you may use, and there is none: %1 Set XDG_RUNTIME_DIR to a folder of yours with mode 700.</source>
        <translation>Parlewind 通过一个只有您能使用的文件夹与正在运行的窗口通信，但没有这样的文件夹：%1 请将 XDG_RUNTIME_DIR 设为您自己的、权限为 700 的文件夹。</translation>
    </message>
    <message>
        <source>The program listening in %1 runs as another user; nothing was sent.</source>
        <translation>在 %1 中监听的程序以其他用户身份运行；未发送任何内容。</translation>
    </message>
</context>
<context>
    <name>SpeechDispatcher</name>
    <message>
        <source>speech-dispatcher could not be reached (%1)</source>
        <translation>无法连接 speech-dispatcher（%1）</translation>
    </message>
    <message>
        <source>speech-dispatcher stopped while reading</source>
        <translation>speech-dispatcher 在朗读时停止</translation>
    </message>
    <message>
        <source>speech-dispatcher refused the voice</source>
        <translation>speech-dispatcher 拒绝了该语音</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Parlewind MP3</source>
        <translation>关于 Parlewind MP3</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Parlewind MP3&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Reads your text aloud, or into WAV and MP3 files.&lt;/p&gt;&lt;p&gt;&amp;copy; Brivanta Technologies&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Parlewind MP3&lt;/h2&gt;&lt;p&gt;版本 %1&lt;/p&gt;&lt;p&gt;朗读您的文本，或将其读成 WAV 和 MP3 文件。&lt;/p&gt;&lt;p&gt;&amp;copy; Brivanta Technologies&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check out Parlewind MP3 at %1 .  Parlewind MP3 lets you listen to text you copy to the clipboard. It uses Text to Speech technology which actually synthesizes natural sounding speech from ordinary text.  Listen to your email, news, any text you want.  You can also convert your text to wav or MP3 files so you can listen later.  Try Parlewind MP3 free today at %1</source>
        <translation>来看看 Parlewind MP3：%1 。Parlewind MP3 让您收听复制到剪贴板的文本。它采用文本转语音技术，能从普通文本合成自然的语音。收听您的邮件、新闻和任何想听的文本。您还可以把文本转换成 WAV 或 MP3 文件，以后再听。今天就免费试用 Parlewind MP3：%1</translation>
    </message>
</context>
<context>
    <name>TArticleList</name>
    <message>
        <source>No rows are currently selected</source>
        <translation>当前未选择任何行</translation>
    </message>
</context>
<context>
    <name>TCB_PromptForm</name>
    <message>
        <source>Copy Clipboard to Speech Buffer ?</source>
        <translation>将剪贴板复制到朗读缓冲区？</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Append</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Append text to current article</source>
        <translation>将文本追加到当前文章</translation>
    </message>
    <message>
        <source>Cancel clipboard copy to Parlewind MP3</source>
        <translation>取消将剪贴板复制到 Parlewind MP3</translation>
    </message>
    <message>
        <source>Current Mode is Multi-Article Mode</source>
        <translation>当前模式：多篇文章</translation>
    </message>
    <message>
        <source>Current Mode is Single-Article Mode</source>
        <translation>当前模式：单篇文章</translation>
    </message>
    <message>
        <source>Add new article</source>
        <translation>添加新文章</translation>
    </message>
    <message>
        <source>Overwrite current article</source>
        <translation>覆盖当前文章</translation>
    </message>
</context>
<context>
    <name>TClipboardPage</name>
    <message>
        <source>&amp;Watch Clipboard</source>
        <translation>监视剪贴板(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Ignore clipboard text if less than</source>
        <translation>剪贴板文本少于此数时忽略(&amp;I)</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>个字符</translation>
    </message>
    <message>
        <source>Prompt Options</source>
        <translation>询问选项</translation>
    </message>
    <message>
        <source>&amp;Prompt to copy from clipboard</source>
        <translation>从剪贴板复制前询问(&amp;P)</translation>
    </message>
    <message>
        <source>Displa&amp;y Prompt for</source>
        <translation>询问显示时长(&amp;Y)</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Default A&amp;ction:</source>
        <translation>默认操作(&amp;C)：</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Remember Last</source>
        <translation>记住上次选择</translation>
    </message>
</context>
<context>
    <name>TClipboardWatch</name>
    <message>
        <source>Watching the clipboard is off: this Wayland desktop does not tell programs in the background of copies. Paste the text into Parlewind instead, or start Parlewind in an X11 session (or through XWayland) to watch the clipboard.</source>
        <translation>剪贴板监视已关闭：此 Wayland 桌面不会通知后台程序有新的复制。请将文本粘贴到 Parlewind，或在 X11 会话中（或通过 XWayland）启动 Parlewind 以监视剪贴板。</translation>
    </message>
</context>
<context>
    <name>TConvertOptions</name>
    <message>
        <source>, aloud only</source>
        <translation>，仅朗读</translation>
    </message>
    <message>
        <source>parlewind --help tells how to use it.</source>
        <translation>parlewind --help 会说明用法。</translation>
    </message>
    <message>
        <source>the speech engine cannot be started: %1</source>
        <translation>无法启动语音引擎：%1</translation>
    </message>
    <message>
        <source>the speech engine offers no voice.</source>
        <translation>语音引擎没有提供任何语音。</translation>
    </message>
    <message>
        <source>--%1 wants a whole number greater than 0, not &quot;%2&quot;.</source>
        <translation>--%1 需要大于 0 的整数，而不是“%2”。</translation>
    </message>
    <message>
        <source>--speed wants words a minute or a factor such as 2.5x, not &quot;%1&quot;.</source>
        <translation>--speed 需要每分钟字数或 2.5x 这样的倍数，而不是“%1”。</translation>
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
        <translation>用法：parlewind --convert [选项] 文件...
将文本文件朗读成 MP3、M4B、Opus 或 WAV 文件，每个输入一个文件，使用 Parlewind
窗口的语音、发音和设置。不需要显示器，也不需要声音服务器。

  文件                 文本文件（UTF-8，否则按 Windows-1252），HTML、Markdown、
                       EPUB、OpenDocument、Word 或 PDF 文档（电子书每章生成一个
                       带编号的文件），文字图片；http 或 https 地址会读取该网页
                       （仅正文）；- 读取标准输入
  --whole-page         完整读取网页，包括菜单等全部内容
  --articles 文件      已保存文章文件中的文章，每篇一个输出
  --voice 名称         朗读所用的语音（默认：窗口的默认语音，或每篇已保存文章
                       自己的语音）
  --list-voices        列出语音及其语言
  --speed N            每分钟字数，在语音的范围内；或正常语速的倍数，
                       0.5x 到 4x（--speed 2.5x）
  --pauses short|normal|long  句子、段落之后以及文章之间的停顿
                       （默认：与窗口设置相同）
  --languages on|off   其他语言的片段由该语言的语音朗读
                       （默认：on，除非窗口将其关闭）
  --pitch N            在语音的范围内
  --format 格式        要写入的文件：mp3（默认）、m4b（有声书：带章节的 AAC）、
                       opus、epub（伴读书：播放声音时逐句点亮文本，每个输入
                       一章）、wav，或 txt（将要朗读的文本，供事先检查或编辑）
  --highlight-words    伴读书点亮每个单词，而不只是每个句子
  --book-audio mp3|aac 伴读书中的声音（默认：mp3）
  --subtitles srt|vtt|lrc  在每个文件旁写入与语音同步的文本，每句一行
  --out 目录           写入的位置（默认：当前文件夹；不存在时创建）
  --single-file 名称   全部写入一个同名文件，每个输入一章（书的章节保持原样）
  --overwrite          替换已存在的文件
  --jobs N             同时编码的文件数（默认：每个核心一个）
  --quiet              不显示进度条
  -h, --help           本说明
  --version            程序版本

文件以标题命名：文本文件去掉扩展名的文件名，或已保存文章的标题。文件标签包括
标题、语音（或书的作者）、专辑（“Parlewind MP3”、书名或已保存文章文件的名称）、
音轨号以及书的封面。

退出状态：0 所有文件均已写入；1 部分输入失败（逐一列出，其余照常写入）；
2 无法理解命令；被信号终止时为 128 + 信号编号：130 Ctrl+C（SIGINT），
143 SIGTERM，129 SIGHUP。

用法：parlewind [文件...]
打开 Parlewind 窗口，或像“打开”一样把文件交给正在运行的窗口。给正在运行的
程序的命令（朗读命令和 --show 会在程序未运行时启动它；收到命令后退出状态为 0，
程序未运行时为 1）：
  --read-selection     朗读任意程序中选中的文本（未选中任何内容时朗读剪贴板中
                       的文本）；再次执行：停止
  --read-clipboard     朗读剪贴板中的文本；再次执行：停止
  --pause, --resume, --toggle-pause, --stop, --skip
                       与窗口中的朗读命令相同
  --show               将窗口带到前面
</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 给出了不止一次。</translation>
    </message>
    <message>
        <source>--voice wants the name of a voice.</source>
        <translation>--voice 需要一个语音名称。</translation>
    </message>
    <message>
        <source>--pauses is short, normal or long, not &quot;%1&quot;.</source>
        <translation>--pauses 只能是 short、normal 或 long，而不是“%1”。</translation>
    </message>
    <message>
        <source>--languages is on or off, not &quot;%1&quot;.</source>
        <translation>--languages 只能是 on 或 off，而不是“%1”。</translation>
    </message>
    <message>
        <source>--format is mp3, m4b, opus, epub, wav or txt, not &quot;%1&quot;.</source>
        <translation>--format 只能是 mp3、m4b、opus、epub、wav 或 txt，而不是“%1”。</translation>
    </message>
    <message>
        <source>--book-audio is mp3 or aac, not &quot;%1&quot;.</source>
        <translation>--book-audio 只能是 mp3 或 aac，而不是“%1”。</translation>
    </message>
    <message>
        <source>--%1 is for read-along books (--format epub).</source>
        <translation>--%1 用于伴读书（--format epub）。</translation>
    </message>
    <message>
        <source>--subtitles is srt, vtt or lrc, not &quot;%1&quot;.</source>
        <translation>--subtitles 只能是 srt、vtt 或 lrc，而不是“%1”。</translation>
    </message>
    <message>
        <source>--subtitles times speech; --format txt writes none.</source>
        <translation>--subtitles 为语音计时；--format txt 不输出语音。</translation>
    </message>
    <message>
        <source>--subtitles writes timed text beside sound files; a read-along book holds its own.</source>
        <translation>--subtitles 在声音文件旁写入定时文本；伴读书自带定时文本。</translation>
    </message>
    <message>
        <source>--out wants a folder.</source>
        <translation>--out 需要一个文件夹。</translation>
    </message>
    <message>
        <source>--single-file wants a file name.</source>
        <translation>--single-file 需要一个文件名。</translation>
    </message>
    <message>
        <source>Nothing to convert: name text files, - for the standard input, or --articles FILE.</source>
        <translation>没有要转换的内容：请指定文本文件、代表标准输入的 -，或 --articles 文件。</translation>
    </message>
    <message>
        <source>The standard input can be read only once.</source>
        <translation>标准输入只能读取一次。</translation>
    </message>
</context>
<context>
    <name>TConvertRun</name>
    <message>
        <source>%1 is already there; --overwrite replaces it</source>
        <translation>%1 已存在；--overwrite 会替换它</translation>
    </message>
    <message>
        <source>the speech engine failed</source>
        <translation>语音引擎失败</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>标准输入</translation>
    </message>
    <message>
        <source>more than 64 MB, too large to be read as an article</source>
        <translation>超过 64 MB，太大，无法作为文章读取</translation>
    </message>
    <message>
        <source>Standard input</source>
        <translation>标准输入</translation>
    </message>
    <message>
        <source>is a folder, not a text file</source>
        <translation>是文件夹，不是文本文件</translation>
    </message>
    <message>
        <source>%1, chapter %2</source>
        <translation>%1，第 %2 章</translation>
    </message>
    <message>
        <source>is a folder, not a saved-articles file</source>
        <translation>是文件夹，不是已保存文章文件</translation>
    </message>
    <message>
        <source>is too large to be a saved-articles file (more than 256 MB)</source>
        <translation>太大，不可能是已保存文章文件（超过 256 MB）</translation>
    </message>
    <message>
        <source>is not a saved-articles file</source>
        <translation>不是已保存文章文件</translation>
    </message>
    <message>
        <source>is damaged; the articles after the damaged place are not converted</source>
        <translation>已损坏；损坏位置之后的文章不会转换</translation>
    </message>
    <message>
        <source>%1, article %2</source>
        <translation>%1，第 %2 篇文章</translation>
    </message>
    <message>
        <source>holds no article with text</source>
        <translation>不包含有文本的文章</translation>
    </message>
    <message>
        <source>Voice %1 does not exist</source>
        <translation>语音 %1 不存在</translation>
    </message>
    <message>
        <source>%1 %2 is outside the limits of %3 (%4 to %5).</source>
        <translation>%1 %2 超出了 %3 的范围（%4 到 %5）。</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>语速</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>音调</translation>
    </message>
    <message>
        <source>the output folder cannot be made: %1 is a file, not a folder</source>
        <translation>无法创建输出文件夹：%1 是文件，不是文件夹</translation>
    </message>
    <message>
        <source>the output folder cannot be made: %1</source>
        <translation>无法创建输出文件夹：%1</translation>
    </message>
    <message>
        <source>nothing can be written in the output folder: %1</source>
        <translation>无法向输出文件夹写入任何内容：%1</translation>
    </message>
    <message>
        <source>A title is required to output speech to a file</source>
        <translation>将语音输出到文件需要标题</translation>
    </message>
    <message>
        <source>has the same title as an earlier input; %1 is written only once</source>
        <translation>与之前的输入标题相同；%1 只写入一次</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;; parlewind --convert --list-voices lists them.</source>
        <translation>没有名为“%1”的语音；parlewind --convert --list-voices 会列出所有语音。</translation>
    </message>
    <message>
        <source>was not made: a chapter of it could not be made</source>
        <translation>未生成：其中一章无法生成</translation>
    </message>
    <message>
        <source>The standard input</source>
        <translation>标准输入</translation>
    </message>
</context>
<context>
    <name>TDesktopCommands</name>
    <message>
        <source>Parlewind cannot read the selection or the clipboard from the background on this Wayland desktop: it gives them only to the program in front. Paste the text into Parlewind instead, or run Parlewind through XWayland (as it starts where DISPLAY is set).</source>
        <translation>在此 Wayland 桌面上，Parlewind 无法在后台读取所选内容或剪贴板：桌面只把它们交给前台程序。请将文本粘贴到 Parlewind，或通过 XWayland 运行 Parlewind（在设置了 DISPLAY 的地方启动时即如此）。</translation>
    </message>
    <message>
        <source>On this Wayland desktop a program in the background cannot read the selection, so no key can read it to Parlewind here. Run Parlewind through XWayland (as it starts where DISPLAY is set) to read the selection of any program.</source>
        <translation>在此 Wayland 桌面上，后台程序无法读取所选内容，因此这里没有按键能把它交给 Parlewind。通过 XWayland 运行 Parlewind（在设置了 DISPLAY 的地方启动时即如此）即可读取任意程序中的所选内容。</translation>
    </message>
    <message>
        <source>This desktop lets no program take a shortcut of its own: in its keyboard settings, bind a key to the command  parlewind --read-selection</source>
        <translation>此桌面不允许任何程序使用自己的快捷键：请在其键盘设置中将一个按键绑定到命令  parlewind --read-selection</translation>
    </message>
    <message>
        <source>On this Wayland desktop the key reaches Parlewind only while a window of an X11 program has focus. To read the selection from any program, bind a key to the command  parlewind --read-selection  in the desktop&apos;s keyboard settings.</source>
        <translation>在此 Wayland 桌面上，只有当 X11 程序的窗口获得焦点时按键才会传到 Parlewind。要从任意程序朗读所选内容，请在桌面的键盘设置中将一个按键绑定到命令  parlewind --read-selection 。</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>剪贴板中没有文本。</translation>
    </message>
    <message>
        <source>Nothing is selected, and the clipboard holds no text.</source>
        <translation>没有选择任何内容，剪贴板中也没有文本。</translation>
    </message>
    <message>
        <source>The selection is %1 MB of text; Parlewind reads at most %2 MB from a selection. Save it to a file and open that instead.</source>
        <translation>所选内容有 %1 MB 文本；Parlewind 最多读取所选内容的 %2 MB。请将其保存为文件后打开该文件。</translation>
    </message>
    <message>
        <source>The selection does not contain text; it was not read.</source>
        <translation>所选内容不含文本；未朗读。</translation>
    </message>
    <message>
        <source>Parlewind does not know the command &quot;%1&quot;.</source>
        <translation>Parlewind 不认识命令“%1”。</translation>
    </message>
    <message>
        <source>Parlewind is reading to a file; try again when it is done.</source>
        <translation>Parlewind 正在读到文件；请在完成后重试。</translation>
    </message>
</context>
<context>
    <name>TEngineWarningForm</name>
    <message>
        <source>Text To Speech Engine not found</source>
        <translation>未找到文本转语音引擎</translation>
    </message>
    <message>
        <source>A Text-To-Speech engine does not appear to be installed 
on your machine.  These engines, which perform actual 
speech synthesis, are required for Parlewind to operate.

Installing a speech engine on your computer is easy.  Just 
visit our website for instructions.</source>
        <translation>您的计算机上似乎没有安装文本转语音引擎。
这类引擎负责实际合成语音，
Parlewind 需要它才能工作。

在计算机上安装语音引擎很简单。
请访问我们的网站查看说明。</translation>
    </message>
    <message>
        <source>Click here to download Speech Engine</source>
        <translation>单击此处下载语音引擎</translation>
    </message>
    <message>
        <source>If you are having problems or have any questions, please
contact our support staff at</source>
        <translation>如有问题或疑问，
请联系我们的技术支持：</translation>
    </message>
    <message>
        <source>Exit Parlewind MP3</source>
        <translation>退出 Parlewind MP3</translation>
    </message>
    <message>
        <source>No web browser could be started for %1</source>
        <translation>无法启动网页浏览器打开 %1</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>无法启动邮件程序。</translation>
    </message>
</context>
<context>
    <name>TFavoriteVoicesPage</name>
    <message>
        <source>Favorit&amp;e Voices</source>
        <translation>收藏的语音(&amp;E)</translation>
    </message>
    <message>
        <source>Exclude the selected voices</source>
        <translation>排除所选语音</translation>
    </message>
    <message>
        <source>Make the selected voices favorites</source>
        <translation>将所选语音设为收藏</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>试听(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Languages…</source>
        <translation>语言(&amp;L)…</translation>
    </message>
    <message>
        <source>Voices for more languages</source>
        <translation>更多语言的语音</translation>
    </message>
    <message>
        <source>E&amp;xcluded Voices</source>
        <translation>排除的语音(&amp;X)</translation>
    </message>
    <message>
        <source>Use this panel to control the voices used in Parlewind.  Voices  
you exclude will not be selected in Random / Round Robin 
Voice Selection</source>
        <translation>用此面板控制 Parlewind 使用的语音。
被排除的语音不会在“随机 / 轮流”
语音选择中被选中</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;more&quot;&gt;Want more voices?  Click Here&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;more&quot;&gt;想要更多语音？请单击此处&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Want more voices?  Click Here</source>
        <translation>想要更多语音？请单击此处</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is currently the Default Voice<byte value="xd"/>and cannot be excluded</source>
        <translation>“%1”当前是默认语音<byte value="xd"/>不能排除</translation>
    </message>
    <message>
        <source>At least one voice is required in the Favorites List</source>
        <translation>收藏列表中至少需要一个语音</translation>
    </message>
    <message>
        <source>Select a voice to test</source>
        <translation>请选择要试听的语音</translation>
    </message>
</context>
<context>
    <name>TFileOptionsPage</name>
    <message>
        <source>Output File Format</source>
        <translation>输出文件格式</translation>
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
        <translation>M&amp;4B 有声书</translation>
    </message>
    <message>
        <source>O&amp;pus</source>
        <translation>O&amp;pus</translation>
    </message>
    <message>
        <source>&amp;Read-along book (EPUB 3)</source>
        <translation>伴读书(&amp;R)（EPUB 3）</translation>
    </message>
    <message>
        <source>&amp;Highlight words</source>
        <translation>突出显示单词(&amp;H)</translation>
    </message>
    <message>
        <source>The book lights each word as it is spoken, not only each sentence</source>
        <translation>书会在朗读时点亮每个单词，而不只是每个句子</translation>
    </message>
    <message>
        <source>Book &amp;audio:</source>
        <translation>书的音频(&amp;A)：</translation>
    </message>
    <message>
        <source>Book audio</source>
        <translation>书的音频</translation>
    </message>
    <message>
        <source>&amp;Timed text beside each file:</source>
        <translation>每个文件旁的定时文本(&amp;T)：</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>SRT subtitles</source>
        <translation>SRT 字幕</translation>
    </message>
    <message>
        <source>WebVTT subtitles</source>
        <translation>WebVTT 字幕</translation>
    </message>
    <message>
        <source>LRC lyrics</source>
        <translation>LRC 歌词</translation>
    </message>
    <message>
        <source>Timed text beside each file</source>
        <translation>每个文件旁的定时文本</translation>
    </message>
    <message>
        <source>File Output D&amp;irectory:</source>
        <translation>文件输出目录(&amp;I)：</translation>
    </message>
    <message>
        <source>File Output Directory</source>
        <translation>文件输出目录</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>浏览(&amp;B)</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>This desktop has no notification area, so the window stays open. To end Parlewind, choose Exit Parlewind in the File menu; to close it to a floating tool bar, choose &quot;When minimized&quot; for &quot;Show Floating Toolbar&quot; on the Misc page.</source>
        <translation>此桌面没有通知区域，因此窗口保持打开。要结束 Parlewind，请在“文件”菜单中选择“退出 Parlewind”；要将其关闭为浮动工具栏，请在“杂项”页中将“显示浮动工具栏”设为“最小化时”。</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>继续(&amp;R)</translation>
    </message>
    <message>
        <source>Single-Article Options</source>
        <translation>单篇文章选项</translation>
    </message>
    <message>
        <source>Multi-Article Options</source>
        <translation>多篇文章选项</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>选项页</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>剪贴板</translation>
    </message>
    <message>
        <source>Favorite Voices</source>
        <translation>收藏的语音</translation>
    </message>
    <message>
        <source>Voice Edit</source>
        <translation>编辑语音</translation>
    </message>
    <message>
        <source>File Options</source>
        <translation>文件选项</translation>
    </message>
    <message>
        <source>Voice Sources</source>
        <translation>语音来源</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>杂项</translation>
    </message>
    <message>
        <source>The help page on more voices could not be opened.</source>
        <translation>无法打开关于更多语音的帮助页面。</translation>
    </message>
    <message>
        <source>Watching the clipboard is off on this Wayland desktop (see the Clipboard page).</source>
        <translation>此 Wayland 桌面上剪贴板监视已关闭（参见“剪贴板”页）。</translation>
    </message>
    <message>
        <source>Parlewind MP3 is still running. Use the icon here to restore it or to exit.</source>
        <translation>Parlewind MP3 仍在运行。使用此处的图标恢复或退出。</translation>
    </message>
    <message>
        <source>The help file could not be found.</source>
        <translation>找不到帮助文件。</translation>
    </message>
    <message>
        <source>No program could be started to show the help file %1</source>
        <translation>无法启动程序显示帮助文件 %1</translation>
    </message>
    <message>
        <source>Parlewind MP3 Languages</source>
        <translation>Parlewind MP3 语言</translation>
    </message>
    <message>
        <source>Read the page at %1?</source>
        <translation>朗读 %1 处的网页？</translation>
    </message>
    <message>
        <source>Open Web Address</source>
        <translation>打开网址</translation>
    </message>
    <message>
        <source>&amp;Address of the page (http or https):</source>
        <translation>网页地址（http 或 https）(&amp;A)：</translation>
    </message>
    <message>
        <source>Address of the page</source>
        <translation>网页地址</translation>
    </message>
    <message>
        <source>%1 is not a web address; an address begins with http:// or https://.</source>
        <translation>%1 不是网址；网址以 http:// 或 https:// 开头。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>The copied picture: %1</source>
        <translation>复制的图片：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n more files could not be opened either.</source>
        <translation>
            <numerusform>另有 %n 个文件也无法打开。</numerusform>
        </translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>正在打开 %1…</translation>
    </message>
    <message>
        <source>    Single    </source>
        <translation>    单篇    </translation>
    </message>
    <message>
        <source>Single-Article Mode</source>
        <translation>单篇文章模式</translation>
    </message>
    <message>
        <source>Multi </source>
        <translation>多篇 </translation>
    </message>
    <message>
        <source>Multi-Article Mode</source>
        <translation>多篇文章模式</translation>
    </message>
    <message>
        <source>Read text file</source>
        <translation>读取文本文件</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Aloud</source>
        <translation>朗读</translation>
    </message>
    <message>
        <source>Read text aloud</source>
        <translation>朗读文本</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Read text to file</source>
        <translation>将文本读到文件</translation>
    </message>
    <message>
        <source>Pause / Resume </source>
        <translation>暂停 / 继续 </translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Skip to next article</source>
        <translation>跳到下一篇文章</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop reading</source>
        <translation>停止朗读</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Display / Hide Options Panels</source>
        <translation>显示 / 隐藏选项面板</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>推荐给朋友</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open &amp;Web Address...</source>
        <translation>打开网址(&amp;W)...</translation>
    </message>
    <message>
        <source>E&amp;xit Parlewind</source>
        <translation>退出 Parlewind(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Options Panels</source>
        <translation>选项面板(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Previous Article</source>
        <translation>上一篇文章(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next Article</source>
        <translation>下一篇文章(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Edit Title and Voice</source>
        <translation>编辑标题和语音(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Watch Clipboard</source>
        <translation>监视剪贴板(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Single Article</source>
        <translation>单篇文章(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Multi Article</source>
        <translation>多篇文章(&amp;M)</translation>
    </message>
    <message>
        <source>Select Audio &amp;Device</source>
        <translation>选择音频设备(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Pronunciation Editor</source>
        <translation>发音编辑器(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Languages…</source>
        <translation>语言(&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>朗读(&amp;R)</translation>
    </message>
    <message>
        <source>Read &amp;Aloud</source>
        <translation>朗读(&amp;A)</translation>
    </message>
    <message>
        <source>Read to &amp;File</source>
        <translation>读到文件(&amp;F)</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>跳过(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>Read from &amp;Here</source>
        <translation>从此处朗读(&amp;H)</translation>
    </message>
    <message>
        <source>Pre&amp;vious Sentence</source>
        <translation>上一句(&amp;V)</translation>
    </message>
    <message>
        <source>Ne&amp;xt Sentence</source>
        <translation>下一句(&amp;X)</translation>
    </message>
    <message>
        <source>Stop Af&amp;ter</source>
        <translation>定时停止(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;%1 Minutes</source>
        <translation>&amp;%1 分钟</translation>
    </message>
    <message>
        <source>At the End of This &amp;Article</source>
        <translation>在本文结尾(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>关闭(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Audio Help</source>
        <translation>语音帮助(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Visit Brivanta Technologies</source>
        <translation>访问 Brivanta Technologies(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>新增(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>删除所选(&amp;D)</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>无法启动邮件程序。</translation>
    </message>
    <message>
        <source>No web browser could be started for %1</source>
        <translation>无法启动网页浏览器打开 %1</translation>
    </message>
    <message>
        <source>Parlewind MP3 Pronunciation</source>
        <translation>Parlewind MP3 发音</translation>
    </message>
</context>
<context>
    <name>TMIOptionsSheet</name>
    <message>
        <source>Multi-Article Options</source>
        <translation>多篇文章选项</translation>
    </message>
    <message>
        <source>File Output:</source>
        <translation>文件输出：</translation>
    </message>
    <message>
        <source>Single File</source>
        <translation>单个文件</translation>
    </message>
    <message>
        <source>Multiple Files</source>
        <translation>多个文件</translation>
    </message>
    <message>
        <source>Voice Selection:</source>
        <translation>语音选择：</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>Round Robin</source>
        <translation>轮流</translation>
    </message>
    <message>
        <source>Automatically &amp;Delete Text after play</source>
        <translation>播放后自动删除文本(&amp;K)</translation>
    </message>
</context>
<context>
    <name>TMemoEntry</name>
    <message>
        <source>Error reading input file</source>
        <translation>读取输入文件出错</translation>
    </message>
</context>
<context>
    <name>TMemoEntryView</name>
    <message>
        <source>Article %1 of %2</source>
        <translation>第 %1 篇，共 %2 篇</translation>
    </message>
    <message>
        <source>Voice: %1</source>
        <translation>语音：%1</translation>
    </message>
</context>
<context>
    <name>TMemoListBox</name>
    <message>
        <source>Articles</source>
        <translation>文章</translation>
    </message>
</context>
<context>
    <name>TMiscPage</name>
    <message>
        <source>Default Voi&amp;ce:</source>
        <translation>默认语音(&amp;C)：</translation>
    </message>
    <message>
        <source>Show Floating &amp;Toolbar:</source>
        <translation>显示浮动工具栏(&amp;T)：</translation>
    </message>
    <message>
        <source>On request only</source>
        <translation>仅在请求时</translation>
    </message>
    <message>
        <source>When minimized</source>
        <translation>最小化时</translation>
    </message>
    <message>
        <source>When minimized and reading starts</source>
        <translation>最小化时及开始朗读时</translation>
    </message>
    <message>
        <source>&amp;Web pages:</source>
        <translation>网页(&amp;W)：</translation>
    </message>
    <message>
        <source>Main text only</source>
        <translation>仅正文</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>整个网页</translation>
    </message>
    <message>
        <source>Floating Toolbar Always on To&amp;p</source>
        <translation>浮动工具栏总在最前(&amp;P)</translation>
    </message>
    <message>
        <source>Highlight C&amp;urrent Word</source>
        <translation>突出显示当前单词(&amp;U)</translation>
    </message>
    <message>
        <source>Start Parlewind at &amp;Login</source>
        <translation>登录时启动 Parlewind(&amp;L)</translation>
    </message>
    <message>
        <source>F&amp;ilter non-alpha symbols</source>
        <translation>过滤非字母符号(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Read the selection from any program:</source>
        <translation>从任意程序朗读所选内容(&amp;R)：</translation>
    </message>
    <message>
        <source>Read the selection from any program</source>
        <translation>从任意程序朗读所选内容</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>无(&amp;O)</translation>
    </message>
    <message>
        <source>No shortcut</source>
        <translation>无快捷键</translation>
    </message>
    <message>
        <source>Read every article with its own voice o&amp;nly</source>
        <translation>每篇文章只用自己的语音朗读(&amp;N)</translation>
    </message>
    <message>
        <source>Voices for other lan&amp;guages:</source>
        <translation>其他语言的语音(&amp;G)：</translation>
    </message>
    <message>
        <source>Rea&amp;d by:</source>
        <translation>朗读者(&amp;D)：</translation>
    </message>
    <message>
        <source>Int&amp;erface language:</source>
        <translation>界面语言(&amp;E)：</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>(from the next start)</source>
        <translation>（下次启动时生效）</translation>
    </message>
</context>
<context>
    <name>TMyAudioDeviceDlg</name>
    <message>
        <source>System Default Output</source>
        <translation>系统默认输出</translation>
    </message>
    <message>
        <source>11.025 kHz, Mono, 8-bit</source>
        <translation>11.025 kHz，单声道，8 位</translation>
    </message>
    <message>
        <source>11.025 kHz, Stereo, 8-bit</source>
        <translation>11.025 kHz，立体声，8 位</translation>
    </message>
    <message>
        <source>11.025 kHz, Mono, 16-bit</source>
        <translation>11.025 kHz，单声道，16 位</translation>
    </message>
    <message>
        <source>11.025 kHz, Stereo, 16-bit</source>
        <translation>11.025 kHz，立体声，16 位</translation>
    </message>
    <message>
        <source>22.05 kHz, Mono, 8-bit </source>
        <translation>22.05 kHz，单声道，8 位</translation>
    </message>
    <message>
        <source>22.05 kHz, Stereo, 8-bit</source>
        <translation>22.05 kHz，立体声，8 位</translation>
    </message>
    <message>
        <source>22.05 kHz, Mono, 16-bit</source>
        <translation>22.05 kHz，单声道，16 位</translation>
    </message>
    <message>
        <source>22.05 kHz, Stereo, 16-bit</source>
        <translation>22.05 kHz，立体声，16 位</translation>
    </message>
    <message>
        <source>44.1 kHz, Mono, 8-bit</source>
        <translation>44.1 kHz，单声道，8 位</translation>
    </message>
    <message>
        <source>44.1 kHz, Stereo, 8-bit</source>
        <translation>44.1 kHz，立体声，8 位</translation>
    </message>
    <message>
        <source>44.1 kHz, Mono, 16-bit</source>
        <translation>44.1 kHz，单声道，16 位</translation>
    </message>
    <message>
        <source>44.1 kHz, Stereo, 16-bit</source>
        <translation>44.1 kHz，立体声，16 位</translation>
    </message>
    <message>
        <source>Supports separate left and right volume control. </source>
        <translation>支持左右声道分别调节音量。</translation>
    </message>
    <message>
        <source>Supports pitch control. </source>
        <translation>支持音调控制。</translation>
    </message>
    <message>
        <source>Support playback rate control. </source>
        <translation>支持播放速率控制。</translation>
    </message>
    <message>
        <source>The driver is synchronous and will block while playing a buffer. </source>
        <translation>驱动程序是同步的，播放缓冲区时会阻塞。</translation>
    </message>
    <message>
        <source>Supports volume control. </source>
        <translation>支持音量控制。</translation>
    </message>
    <message>
        <source>Returns sample-accurate position information.</source>
        <translation>返回精确到采样的位置信息。</translation>
    </message>
    <message>
        <source>Audio Device ID </source>
        <translation>音频设备 ID </translation>
    </message>
    <message>
        <source>&amp;Devices:</source>
        <translation>设备(&amp;D)：</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>设备 ID</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Sound server name</source>
        <translation>声音服务器中的名称</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Supports</source>
        <translation>支持</translation>
    </message>
    <message>
        <source>Audio Destination Device ID</source>
        <translation>目标音频设备 ID</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 声道</translation>
    </message>
</context>
<context>
    <name>TNotifyIcon</name>
    <message>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>继续(&amp;R)</translation>
    </message>
    <message>
        <source>Parlewind MP3</source>
        <translation>Parlewind MP3</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Show &amp;Toolbar</source>
        <translation>显示工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>Read &amp;Aloud</source>
        <translation>朗读(&amp;A)</translation>
    </message>
    <message>
        <source>Read to &amp;File</source>
        <translation>读到文件(&amp;F)</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>跳过(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>Pre&amp;vious Sentence</source>
        <translation>上一句(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Next Sentence</source>
        <translation>下一句(&amp;N)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>关于(&amp;B)</translation>
    </message>
</context>
<context>
    <name>TOutDirDialog</name>
    <message>
        <source>Select Output Directory</source>
        <translation>选择输出目录</translation>
    </message>
    <message>
        <source>Current Directory:</source>
        <translation>当前目录：</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>新建文件夹(&amp;N)</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>New Folder %1</source>
        <translation>新建文件夹 %1</translation>
    </message>
    <message>
        <source>A folder could not be made in %1</source>
        <translation>无法在 %1 中创建文件夹</translation>
    </message>
</context>
<context>
    <name>TProgramCore</name>
    <message>
        <source>The settings were missing; defaults are used. The saved articles were restored.</source>
        <translation>设置丢失；使用默认值。已恢复保存的文章。</translation>
    </message>
    <message>
        <source>The saved articles file is damaged: %1 of %2 articles were restored.</source>
        <translation>已保存文章文件已损坏：恢复了 %2 篇中的 %1 篇。</translation>
    </message>
    <message>
        <source>%1 of the %2 saved articles were restored (single-article mode keeps one).</source>
        <translation>已恢复 %2 篇保存文章中的 %1 篇（单篇文章模式只保留一篇）。</translation>
    </message>
    <message>
        <source>The file as it was is kept in %1</source>
        <translation>原文件保存在 %1</translation>
    </message>
    <message>
        <source>The file could not be copied to %1</source>
        <translation>无法将文件复制到 %1</translation>
    </message>
    <message>
        <source>The articles could not be saved to %1: %2<byte value="xd"/><byte value="xd"/>Parlewind stays open so that nothing is lost. Make room on the disk, then choose Exit again.</source>
        <translation>无法将文章保存到 %1：%2<byte value="xd"/><byte value="xd"/>Parlewind 保持打开，以免丢失任何内容。请腾出磁盘空间，然后再次选择“退出”。</translation>
    </message>
    <message>
        <source>Reading Test Message</source>
        <translation>正在朗读测试消息</translation>
    </message>
    <message>
        <source>Reading Audio Help</source>
        <translation>正在朗读语音帮助</translation>
    </message>
    <message>
        <source>No articles</source>
        <translation>没有文章</translation>
    </message>
    <message>
        <source>1 article</source>
        <translation>1 篇文章</translation>
    </message>
    <message numerus="yes">
        <source>%n articles</source>
        <translation>
            <numerusform>%n 篇文章</numerusform>
        </translation>
    </message>
    <message>
        <source>the default voice (%1)</source>
        <translation>默认语音（%1）</translation>
    </message>
    <message>
        <source>article %1 &quot;%2&quot; (%3)</source>
        <translation>第 %1 篇文章“%2”（%3）</translation>
    </message>
    <message>
        <source>This item is currently being read and cannot be deleted</source>
        <translation>此项目正在朗读，无法删除</translation>
    </message>
    <message>
        <source>AddMemo Failed</source>
        <translation>AddMemo 失败</translation>
    </message>
    <message>
        <source>The articles could not be saved: %1</source>
        <translation>无法保存文章：%1</translation>
    </message>
</context>
<context>
    <name>TProgressBar</name>
    <message>
        <source> %1%  %2/%3 files  %4 of audio</source>
        <translation> %1%  %2/%3 个文件  %4 音频</translation>
    </message>
</context>
<context>
    <name>TPropertyPanel</name>
    <message>
        <source>Title and voice</source>
        <translation>标题和语音</translation>
    </message>
    <message>
        <source>F2 changes them</source>
        <translation>按 F2 更改</translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>Voice: </source>
        <translation>语音：</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>语音</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>朗读</translation>
    </message>
    <message>
        <source>Read selected article</source>
        <translation>朗读所选文章</translation>
    </message>
    <message>
        <source>Read to File</source>
        <translation>读到文件</translation>
    </message>
    <message>
        <source>Read selected article to file</source>
        <translation>将所选文章读到文件</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete selected article</source>
        <translation>删除所选文章</translation>
    </message>
    <message>
        <source>More languages…</source>
        <translation>更多语言…</translation>
    </message>
</context>
<context>
    <name>TReadingSession</name>
    <message>
        <source>A title is required to output speech to a file</source>
        <translation>将语音输出到文件需要标题</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>正在写入 %1</translation>
    </message>
    <message>
        <source>Writing the book</source>
        <translation>正在写入书</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>正在使用的</translation>
    </message>
    <message>
        <source>The sound device %1 is gone. Reading has stopped.</source>
        <translation>声音设备 %1 已消失。朗读已停止。</translation>
    </message>
    <message>
        <source>The voice could not speak &quot;%1&quot; (its speech engine failed on it). Reading has stopped.</source>
        <translation>该语音无法读出“%1”（其语音引擎失败）。朗读已停止。</translation>
    </message>
    <message>
        <source>The voice %1 could not go on with &quot;%2&quot;: %3. Reading has stopped.</source>
        <translation>语音 %1 无法继续朗读“%2”：%3。朗读已停止。</translation>
    </message>
    <message>
        <source>A title is required for each item entry when<byte value="xd"/>outputting to multiple files</source>
        <translation>输出到多个文件时<byte value="xd"/>每个项目都需要标题</translation>
    </message>
    <message>
        <source>Output directory %1 is not valid</source>
        <translation>输出目录 %1 无效</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2 was not made.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2 未生成。</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2 was not made. The speech is kept in %3.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2 未生成。语音保存在 %3。</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>The unfinished file was removed.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>未完成的文件已删除。</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>无法写入 %1：%2。</translation>
    </message>
    <message>
        <source>Article %1 of %2</source>
        <translation>第 %1 篇，共 %2 篇</translation>
    </message>
    <message>
        <source>Stops at the end of this article</source>
        <translation>在本文结尾停止</translation>
    </message>
    <message>
        <source>Stops at the end of this sentence</source>
        <translation>在本句结尾停止</translation>
    </message>
    <message>
        <source>Stops in %1 min</source>
        <translation>%1 分钟后停止</translation>
    </message>
    <message>
        <source>Making the read-along book: </source>
        <translation>正在制作伴读书：</translation>
    </message>
    <message>
        <source>Converting to %1 format: </source>
        <translation>正在转换为 %1 格式：</translation>
    </message>
</context>
<context>
    <name>TSIBusyForm</name>
    <message>
        <source>Parlewind Busy ...</source>
        <translation>Parlewind 忙 ...</translation>
    </message>
    <message>
        <source>In Single-Item mode, Parlewind cannot copy from 
the clipboard while text is being read.</source>
        <translation>在单篇文章模式下，朗读文本时
Parlewind 无法从剪贴板复制。</translation>
    </message>
    <message>
        <source>&amp;Do not show this dialog again</source>
        <translation>不再显示此对话框(&amp;D)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TSIOptionsSheet</name>
    <message>
        <source>Single-Article Options</source>
        <translation>单篇文章选项</translation>
    </message>
    <message>
        <source>Voice Selection:</source>
        <translation>语音选择：</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>Automatically &amp;Speak New Text </source>
        <translation>自动朗读新文本(&amp;K) </translation>
    </message>
</context>
<context>
    <name>TTS</name>
    <message>
        <source>Speak method failed. </source>
        <translation>Speak 方法失败。</translation>
    </message>
    <message>
        <source>No wave out devices available on system.</source>
        <translation>系统中没有音频输出设备。</translation>
    </message>
</context>
<context>
    <name>TTTSForm</name>
    <message>
        <source>Voice %1 does not exist</source>
        <translation>语音 %1 不存在</translation>
    </message>
    <message>
        <source>No sound device was found. Reading aloud needs a sound server (PulseAudio or PipeWire); reading to files works without one.</source>
        <translation>未找到声音设备。朗读需要声音服务器（PulseAudio 或 PipeWire）；读到文件则不需要。</translation>
    </message>
    <message>
        <source>%1 can only read aloud: speech-dispatcher gives no sound back to programs. Choose another voice for files.</source>
        <translation>%1 只能朗读：speech-dispatcher 不会把声音交还给程序。请为文件选择其他语音。</translation>
    </message>
    <message>
        <source>no voices found</source>
        <translation>未找到语音</translation>
    </message>
    <message>
        <source>1 voice</source>
        <translation>1 个语音</translation>
    </message>
    <message numerus="yes">
        <source>%n voices</source>
        <translation>
            <numerusform>%n 个语音</numerusform>
        </translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>未安装</translation>
    </message>
    <message>
        <source>looking for voices…</source>
        <translation>正在查找语音…</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>无法连接</translation>
    </message>
    <message>
        <source>%1, read aloud only</source>
        <translation>%1，仅朗读</translation>
    </message>
    <message>
        <source>Modules: %1</source>
        <translation>模块：%1</translation>
    </message>
    <message>
        <source>No piper program on the PATH or where chosen.</source>
        <translation>PATH 中或所选位置都没有 piper 程序。</translation>
    </message>
    <message>
        <source>Program: %1</source>
        <translation>程序：%1</translation>
    </message>
    <message>
        <source>TTSForm initialization error - error creating TmpTTS</source>
        <translation>语音初始化错误：无法创建临时语音对象</translation>
    </message>
    <message>
        <source>Sound card is busy.  Wait and try again.</source>
        <translation>声卡正忙。请稍候再试。</translation>
    </message>
    <message>
        <source>Error accessing sound card</source>
        <translation>访问声卡出错</translation>
    </message>
    <message>
        <source>Audio device check failed. <byte value="xd"/>Verify that the device you have selected is a valid audio device<byte value="xd"/><byte value="xd"/>Please contact Brivanta Support if you&apos;re having problems</source>
        <translation>音频设备检查失败。<byte value="xd"/>请确认所选设备是有效的音频设备<byte value="xd"/><byte value="xd"/>如有问题请联系 Brivanta 技术支持</translation>
    </message>
</context>
<context>
    <name>TToolBarForm</name>
    <message>
        <source>Parlewind MP3 Toolbar</source>
        <translation>Parlewind MP3 工具栏</translation>
    </message>
    <message>
        <source>Read text aloud</source>
        <translation>朗读文本</translation>
    </message>
    <message>
        <source>Read text to file</source>
        <translation>将文本读到文件</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>暂停 / 继续</translation>
    </message>
    <message>
        <source>Previous Sentence</source>
        <translation>上一句</translation>
    </message>
    <message>
        <source>Next Sentence</source>
        <translation>下一句</translation>
    </message>
    <message>
        <source>Skip to next article</source>
        <translation>跳到下一篇文章</translation>
    </message>
    <message>
        <source>Stop Reading</source>
        <translation>停止朗读</translation>
    </message>
    <message>
        <source>Restore main window</source>
        <translation>恢复主窗口</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
</context>
<context>
    <name>TVoiceEditPage</name>
    <message>
        <source>Voi&amp;ce</source>
        <translation>语音(&amp;C)</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>语音</translation>
    </message>
    <message>
        <source>&amp;Pitch</source>
        <translation>音调(&amp;P)</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>音调</translation>
    </message>
    <message>
        <source>Sp&amp;eed</source>
        <translation>语速(&amp;E)</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>语速</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>试听(&amp;T)</translation>
    </message>
    <message>
        <source>Reset Defa&amp;ults</source>
        <translation>恢复默认(&amp;U)</translation>
    </message>
    <message>
        <source>Pau&amp;ses</source>
        <translation>停顿(&amp;S)</translation>
    </message>
    <message>
        <source>Pauses</source>
        <translation>停顿</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>短</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>长</translation>
    </message>
    <message>
        <source>&amp;More…</source>
        <translation>更多(&amp;M)…</translation>
    </message>
    <message>
        <source>More pause settings</source>
        <translation>更多停顿设置</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Milliseconds at the voice&apos;s normal speed; at twice the speed, half as long.</source>
        <translation>以语音正常语速计的毫秒数；语速加倍时减半。</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> 毫秒</translation>
    </message>
    <message>
        <source>After a &amp;sentence:</source>
        <translation>句子之后(&amp;S)：</translation>
    </message>
    <message>
        <source>After a &amp;paragraph:</source>
        <translation>段落之后(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Between articles:</source>
        <translation>文章之间(&amp;B)：</translation>
    </message>
    <message>
        <source>This voice has no pitch to change.</source>
        <translation>此语音没有可调的音调。</translation>
    </message>
    <message>
        <source>fixed</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>%1 words a minute</source>
        <translation>每分钟 %1 个词</translation>
    </message>
</context>
<context>
    <name>TVoiceSourcesPage</name>
    <message>
        <source>Piper &amp;program:</source>
        <translation>Piper 程序(&amp;P)：</translation>
    </message>
    <message>
        <source>Piper program</source>
        <translation>Piper 程序</translation>
    </message>
    <message>
        <source>piper on the PATH</source>
        <translation>PATH 中的 piper</translation>
    </message>
    <message>
        <source>Piper &amp;voice folders:</source>
        <translation>Piper 语音文件夹(&amp;V)：</translation>
    </message>
    <message>
        <source>Piper voice folders</source>
        <translation>Piper 语音文件夹</translation>
    </message>
    <message>
        <source>&amp;Add a folder…</source>
        <translation>添加文件夹(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Remove Folder</source>
        <translation>移除文件夹(&amp;R)</translation>
    </message>
    <message>
        <source>Add a Folder of Piper Voices</source>
        <translation>添加 Piper 语音文件夹</translation>
    </message>
    <message>
        <source>The voices can be looked for again once the reading has stopped.</source>
        <translation>朗读停止后可以重新查找语音。</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>%1 is too large to be read as an article (more than 64 MB).</source>
        <translation>%1 太大，无法作为文章读取（超过 64 MB）。</translation>
    </message>
    <message>
        <source>%1 does not contain text; it was not opened.</source>
        <translation>%1 不包含文本；未打开。</translation>
    </message>
    <message>
        <source>%1 is empty; it was not opened.</source>
        <translation>%1 是空的；未打开。</translation>
    </message>
</context>
<context>
    <name>Voices</name>
    <message>
        <source>No sound device is available.</source>
        <translation>没有可用的声音设备。</translation>
    </message>
    <message>
        <source>The speech engine could not be started.</source>
        <translation>无法启动语音引擎。</translation>
    </message>
</context>
</TS>
