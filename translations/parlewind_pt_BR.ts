<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ArticleBooks</name>
    <message>
        <source>The list of books (%1) is damaged; it is kept as it was in %2.</source>
        <translation>A lista de livros (%1) está danificada; ela é mantida como estava em %2.</translation>
    </message>
    <message>
        <source>The list of books (%1) is damaged.</source>
        <translation>A lista de livros (%1) está danificada.</translation>
    </message>
</context>
<context>
    <name>Audio</name>
    <message>
        <source>Write Error (1)<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>Erro de gravação (1)<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Write error (2)<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>Erro de gravação (2)<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>%1 is already there and is kept</source>
        <translation>%1 já existe e é mantido</translation>
    </message>
    <message>
        <source>The audiobook could not be made (%1: %2)<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>Não foi possível criar o audiolivro (%1: %2)<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>Error reading wave file</source>
        <translation>Erro ao ler o arquivo WAV</translation>
    </message>
    <message>
        <source>Invalid wave file...</source>
        <translation>Arquivo WAV inválido...</translation>
    </message>
    <message>
        <source>Unable to convert wave file</source>
        <translation>Não foi possível converter o arquivo WAV</translation>
    </message>
    <message>
        <source>Invalid param passed!</source>
        <translation>Parâmetro inválido!</translation>
    </message>
    <message>
        <source>This wave file is not valid for conversion</source>
        <translation>Este arquivo WAV não pode ser convertido</translation>
    </message>
    <message>
        <source>Unable to open wave file</source>
        <translation>Não foi possível abrir o arquivo WAV</translation>
    </message>
    <message>
        <source>Unable to setup file IO buffer</source>
        <translation>Não foi possível preparar o buffer de entrada e saída do arquivo</translation>
    </message>
    <message>
        <source>Error opening encoding stream %1</source>
        <translation>Erro ao abrir o fluxo de codificação %1</translation>
    </message>
    <message>
        <source>Read Error<byte value="xd"/><byte value="xd"/>%1: %2</source>
        <translation>Erro de leitura<byte value="xd"/><byte value="xd"/>%1: %2</translation>
    </message>
    <message>
        <source>The Opus encoder could not be started (%1)<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Não foi possível iniciar o codificador Opus (%1)<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The Opus encoder failed (%1)<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>O codificador Opus falhou (%1)<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The Opus comments could not be written<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>Não foi possível gravar os comentários Opus<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>it is already there</source>
        <translation>ele já existe</translation>
    </message>
    <message>
        <source>the file ends before its sound data does</source>
        <translation>o arquivo termina antes dos seus dados de som</translation>
    </message>
    <message>
        <source>its sound %1 cannot be read: %2</source>
        <translation>seu som %1 não pode ser lido: %2</translation>
    </message>
</context>
<context>
    <name>AudioHelp</name>
    <message>
        <source>&amp;Getting started</source>
        <translation>&amp;Primeiros passos</translation>
    </message>
    <message>
        <source>Gathering &amp;text</source>
        <translation>Reunir &amp;texto</translation>
    </message>
    <message>
        <source>&amp;Single and multi-article mode</source>
        <translation>Modo de artigo ú&amp;nico e de vários artigos</translation>
    </message>
    <message>
        <source>&amp;Reading aloud, pausing and skipping</source>
        <translation>&amp;Ler em voz alta, pausar e pular</translation>
    </message>
    <message>
        <source>Reading to &amp;WAV and MP3 files</source>
        <translation>Ler para arquivos &amp;WAV e MP3</translation>
    </message>
    <message>
        <source>&amp;Voices, speed and pitch</source>
        <translation>&amp;Vozes, velocidade e tom</translation>
    </message>
    <message>
        <source>The &amp;pronunciation editor</source>
        <translation>O editor de p&amp;ronúncia</translation>
    </message>
    <message>
        <source>Using the &amp;keyboard</source>
        <translation>Usando o te&amp;clado</translation>
    </message>
    <message>
        <source>When there is &amp;no sound</source>
        <translation>&amp;Quando não se ouve nada</translation>
    </message>
    <message>
        <source>Installing &amp;more voices</source>
        <translation>Instalar &amp;mais vozes</translation>
    </message>
    <message>
        <source>The notification area and the &amp;floating tool bar</source>
        <translation>A área de notificação e a barra de ferramentas &amp;flutuante</translation>
    </message>
    <message>
        <source>File:%1 Not Found.</source>
        <translation>Arquivo:%1 não encontrado.</translation>
    </message>
    <message>
        <source>File:%1 cannot be read: %2</source>
        <translation>Arquivo:%1 não pode ser lido: %2</translation>
    </message>
    <message>
        <source>File:%1 is larger than 64 MB.</source>
        <translation>Arquivo:%1 tem mais de 64 MB.</translation>
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
        <translation>Abrindo %1…</translation>
    </message>
    <message>
        <source>Opening %1: page %2 of %3…</source>
        <translation>Abrindo %1: página %2 de %3…</translation>
    </message>
    <message>
        <source>Opening %1: %2 %…</source>
        <translation>Abrindo %1: %2 %…</translation>
    </message>
    <message>
        <source>Recognising page %1 of %2…</source>
        <translation>Reconhecendo a página %1 de %2…</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <translation>Baixando %1…</translation>
    </message>
    <message>
        <source>Fetching part %1 of %2…</source>
        <translation>Baixando a parte %1 de %2…</translation>
    </message>
    <message>
        <source>The copied picture could not be read: %1.</source>
        <translation>Não foi possível ler a imagem copiada: %1.</translation>
    </message>
    <message>
        <source>the copied picture</source>
        <translation>a imagem copiada</translation>
    </message>
    <message>
        <source>The copied picture</source>
        <translation>A imagem copiada</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>%1 %2; it was not opened.</source>
        <translation>%1 %2; não foi aberto.</translation>
    </message>
    <message>
        <source>could not be reached (no answer for %1 seconds)</source>
        <translation>não pôde ser alcançado (sem resposta em %1 segundos)</translation>
    </message>
    <message>
        <source>took too long to read (a step of it went on for more than %1 seconds)</source>
        <translation>demorou demais para ser lido (uma etapa durou mais de %1 segundos)</translation>
    </message>
    <message>
        <source>could not be fetched in %1 seconds</source>
        <translation>não pôde ser baixado em %1 segundos</translation>
    </message>
    <message>
        <source>took too long to read (more than %1 seconds)</source>
        <translation>demorou demais para ser lido (mais de %1 segundos)</translation>
    </message>
    <message>
        <source>could not be read: the reader did not start (%1)</source>
        <translation>não pôde ser lido: o leitor não iniciou (%1)</translation>
    </message>
    <message>
        <source>is too large to be read as an article (more than 64 MB)</source>
        <translation>é grande demais para ser lido como artigo (mais de 64 MB)</translation>
    </message>
    <message>
        <source>answered %1 %2</source>
        <translation>respondeu %1 %2</translation>
    </message>
    <message>
        <source>could not be reached (it sends the reader on more than %1 times)</source>
        <translation>não pôde ser alcançado (redireciona o leitor mais de %1 vezes)</translation>
    </message>
    <message>
        <source>could not be reached (it sends the reader from a secure address to an insecure one)</source>
        <translation>não pôde ser alcançado (redireciona o leitor de um endereço seguro para um inseguro)</translation>
    </message>
    <message>
        <source>could not be reached (%1)</source>
        <translation>não pôde ser alcançado (%1)</translation>
    </message>
    <message>
        <source>is not a web page (%1)</source>
        <translation>não é uma página web (%1)</translation>
    </message>
    <message>
        <source>could not be kept to be read (%1)</source>
        <translation>não pôde ser guardado para leitura (%1)</translation>
    </message>
    <message>
        <source>part %1 %2; the parts before it were read</source>
        <translation>a parte %1 %2; as partes anteriores foram lidas</translation>
    </message>
    <message>
        <source>holds more text than can be read as articles</source>
        <translation>contém mais texto do que pode ser lido como artigos</translation>
    </message>
    <message>
        <source>could not be read (the reader answered nonsense)</source>
        <translation>não pôde ser lido (o leitor respondeu algo sem sentido)</translation>
    </message>
    <message>
        <source>needs more than %1 MB of memory to read</source>
        <translation>precisa de mais de %1 MB de memória para ser lido</translation>
    </message>
    <message>
        <source>could not be read (the reader failed on it; the file may be damaged, or need more than %1 MB of memory or %2 seconds)</source>
        <translation>não pôde ser lido (o leitor falhou; o arquivo pode estar danificado ou precisar de mais de %1 MB de memória ou %2 segundos)</translation>
    </message>
    <message>
        <source>could not be read (the reader ended without an answer)</source>
        <translation>não pôde ser lido (o leitor terminou sem responder)</translation>
    </message>
    <message>
        <source>could not be read safely (%1)</source>
        <translation>não pôde ser lido com segurança (%1)</translation>
    </message>
    <message>
        <source>Text and documents (%1)</source>
        <translation>Textos e documentos (%1)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Pictures of text (%1)</source>
        <translation>Imagens de texto (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>holds no text to read; it was not opened</source>
        <translation>não contém texto para ler; não foi aberto</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be read (a folder, a device or a pipe); it was not opened.</source>
        <translation>%1 não é um arquivo legível (uma pasta, um dispositivo ou um pipe); não foi aberto.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened: %2</source>
        <translation>Não foi possível abrir o arquivo %1: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be read as an article (more than 64 MB); it was not opened.</source>
        <translation>%1 é grande demais para ser lido como artigo (mais de 64 MB); não foi aberto.</translation>
    </message>
    <message>
        <source>Error reading input file %1: %2</source>
        <translation>Erro ao ler o arquivo de entrada %1: %2</translation>
    </message>
    <message>
        <source>is damaged (it names no package file)</source>
        <translation>está danificado (não indica nenhum arquivo de pacote)</translation>
    </message>
    <message>
        <source>is protected against copying (its text is encrypted)</source>
        <translation>está protegido contra cópia (seu texto está criptografado)</translation>
    </message>
    <message>
        <source>is damaged (its reading order names a missing part)</source>
        <translation>está danificado (sua ordem de leitura indica uma parte que falta)</translation>
    </message>
    <message>
        <source>page %1 was hard to recognise; its text may be wrong</source>
        <translation>a página %1 foi difícil de reconhecer; seu texto pode estar errado</translation>
    </message>
    <message>
        <source>pages %1 were hard to recognise; their text may be wrong</source>
        <translation>as páginas %1 foram difíceis de reconhecer; seu texto pode estar errado</translation>
    </message>
    <message>
        <source>is damaged (not a readable PDF)</source>
        <translation>está danificado (não é um PDF legível)</translation>
    </message>
    <message>
        <source>is protected by a password</source>
        <translation>está protegido por senha</translation>
    </message>
    <message>
        <source>was not opened: stopped</source>
        <translation>não foi aberto: interrompido</translation>
    </message>
    <message>
        <source>has more pages of pictures than can be recognised at once (%1; at most %2)</source>
        <translation>tem mais páginas de imagens do que é possível reconhecer de uma vez (%1; no máximo %2)</translation>
    </message>
    <message>
        <source>has no text layer (its pages are pictures); it was not opened</source>
        <translation>não tem camada de texto (suas páginas são imagens); não foi aberto</translation>
    </message>
    <message>
        <source>holds no text that could be recognised; it was not opened</source>
        <translation>não contém texto reconhecível; não foi aberto</translation>
    </message>
    <message>
        <source>could not be read: text recognition did not start (its language data %1 cannot be loaded)</source>
        <translation>não pôde ser lido: o reconhecimento de texto não iniciou (não é possível carregar seus dados de idioma %1)</translation>
    </message>
    <message>
        <source>is not a picture that can be read (damaged, or of a kind not known)</source>
        <translation>não é uma imagem legível (danificada ou de um tipo desconhecido)</translation>
    </message>
    <message>
        <source>is too large a picture to be read (%1 × %2 pixels)</source>
        <translation>é uma imagem grande demais para ser lida (%1 × %2 pixels)</translation>
    </message>
    <message>
        <source>is not a picture that can be read (%1)</source>
        <translation>não é uma imagem legível (%1)</translation>
    </message>
    <message>
        <source>is not a picture that can be read (damaged)</source>
        <translation>não é uma imagem legível (danificada)</translation>
    </message>
    <message>
        <source>has more pages than can be read (%1)</source>
        <translation>tem mais páginas do que é possível ler (%1)</translation>
    </message>
    <message>
        <source>is damaged (not a readable zip archive)</source>
        <translation>está danificado (não é um arquivo zip legível)</translation>
    </message>
    <message>
        <source>would unpack to more than 256 MB</source>
        <translation>passaria de 256 MB ao ser descompactado</translation>
    </message>
    <message>
        <source>is damaged (%1 is missing)</source>
        <translation>está danificado (%1 está faltando)</translation>
    </message>
    <message>
        <source>is encrypted</source>
        <translation>está criptografado</translation>
    </message>
    <message>
        <source>is refused (%1 would unpack to more than 64 MB)</source>
        <translation>foi recusado (%1 passaria de 64 MB ao ser descompactado)</translation>
    </message>
    <message>
        <source>is damaged (%1 cannot be unpacked)</source>
        <translation>está danificado (%1 não pode ser descompactado)</translation>
    </message>
    <message>
        <source>is damaged (%1 does not match its checksum)</source>
        <translation>está danificado (%1 não confere com sua soma de verificação)</translation>
    </message>
    <message>
        <source>is refused (%1 declares entities of its own, which could make it expand without end)</source>
        <translation>foi recusado (%1 declara entidades próprias que poderiam fazê-lo crescer sem fim)</translation>
    </message>
    <message>
        <source>is damaged (%1: %2)</source>
        <translation>está danificado (%1: %2)</translation>
    </message>
    <message>
        <source>a limit could not be set: %1</source>
        <translation>não foi possível definir um limite: %1</translation>
    </message>
    <message>
        <source>the system-call filter could not be made</source>
        <translation>não foi possível criar o filtro de chamadas de sistema</translation>
    </message>
    <message>
        <source>the system-call filter could not be applied</source>
        <translation>não foi possível aplicar o filtro de chamadas de sistema</translation>
    </message>
    <message>
        <source>the picture was hard to recognise; its text may be wrong</source>
        <translation>a imagem foi difícil de reconhecer; seu texto pode estar errado</translation>
    </message>
</context>
<context>
    <name>ESpeechError</name>
    <message>
        <source>The speech recognition or text-to-speech service does not have enough data.</source>
        <translation>O serviço de reconhecimento de fala ou de conversão de texto em fala não tem dados suficientes.</translation>
    </message>
    <message>
        <source>The sound card does not support the right wave-file format to work with the speech software.</source>
        <translation>A placa de som não suporta o formato WAV de que o software de fala precisa.</translation>
    </message>
    <message>
        <source>The audio device is in use at this time.</source>
        <translation>O dispositivo de áudio está em uso no momento.</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to the speech engine.</source>
        <translation>Um parâmetro inválido foi passado ao mecanismo de fala.</translation>
    </message>
    <message>
        <source>There was an error in disk access, or there is not enough disk space free. If you are low on disk space, try deleting some files to free up space.</source>
        <translation>Houve um erro de acesso ao disco ou não há espaço livre suficiente. Se houver pouco espaço, exclua alguns arquivos.</translation>
    </message>
    <message>
        <source>The program has selected a non-existent speech engine.</source>
        <translation>O programa escolheu um mecanismo de fala que não existe.</translation>
    </message>
    <message>
        <source>An invalid list was passed to the speech recognizer.</source>
        <translation>Uma lista inválida foi passada ao reconhecedor de fala.</translation>
    </message>
    <message>
        <source>An invalid character was passed to the speech engine.</source>
        <translation>Um caractere inválido foi passado ao mecanismo de fala.</translation>
    </message>
    <message>
        <source>An invalid key was passed to the speech engine.</source>
        <translation>Uma chave inválida foi passada ao mecanismo de fala.</translation>
    </message>
    <message>
        <source>There is not enough memory for the text-to-speech engine to finish. Quit some other programs, and then try again.</source>
        <translation>O mecanismo de conversão de texto em fala não tem memória suficiente para terminar. Feche outros programas e tente novamente.</translation>
    </message>
    <message>
        <source>The text string passed into the text-to-speech engine is empty.</source>
        <translation>O texto passado ao mecanismo de conversão de texto em fala está vazio.</translation>
    </message>
    <message>
        <source>The program has selected an audio device that does not exist.</source>
        <translation>O programa escolheu um dispositivo de áudio que não existe.</translation>
    </message>
    <message>
        <source>The program has not told the sound card what wave-file format to use.</source>
        <translation>O programa não informou à placa de som qual formato WAV usar.</translation>
    </message>
    <message>
        <source>The audio device is not playing.</source>
        <translation>O dispositivo de áudio não está reproduzindo.</translation>
    </message>
    <message>
        <source>Your sound card does not support this audio-file format.</source>
        <translation>Sua placa de som não suporta este formato de áudio.</translation>
    </message>
    <message>
        <source>The audio device is not recording.</source>
        <translation>O dispositivo de áudio não está gravando.</translation>
    </message>
    <message>
        <source>The audio driver has not been opened. Double-click the MultiMedia icon in Control Panel and make sure the correct drivers are loaded.</source>
        <translation>O driver de áudio não foi aberto. Verifique nas configurações de som se os drivers corretos estão carregados.</translation>
    </message>
    <message>
        <source>The audio handle is still busy. Try restarting your computer.</source>
        <translation>O dispositivo de áudio continua ocupado. Tente reiniciar o computador.</translation>
    </message>
    <message>
        <source>The notification sink is not the right type.</source>
        <translation>O receptor de notificações não é do tipo correto.</translation>
    </message>
    <message>
        <source>The audio device is not ready.</source>
        <translation>O dispositivo de áudio não está pronto.</translation>
    </message>
    <message>
        <source>The audio device has already been claimed.</source>
        <translation>O dispositivo de áudio já foi reservado.</translation>
    </message>
    <message>
        <source>The audio device is still in use.</source>
        <translation>O dispositivo de áudio ainda está em uso.</translation>
    </message>
    <message>
        <source>The audio device has already been started.</source>
        <translation>O dispositivo de áudio já foi iniciado.</translation>
    </message>
    <message>
        <source>Cannot use a synchronous audio device.</source>
        <translation>Não é possível usar um dispositivo de áudio síncrono.</translation>
    </message>
    <message>
        <source>Incorrect function.</source>
        <translation>Função incorreta.</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Não implementado</translation>
    </message>
    <message>
        <source>No such interface supported</source>
        <translation>Interface não suportada</translation>
    </message>
    <message>
        <source>Invalid pointer</source>
        <translation>Ponteiro inválido</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>Erro não especificado</translation>
    </message>
    <message>
        <source>Not enough memory resources are available to complete this operation.</source>
        <translation>Não há memória suficiente para concluir esta operação.</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>O parâmetro está incorreto.</translation>
    </message>
    <message>
        <source>Class not registered</source>
        <translation>Classe não registrada</translation>
    </message>
</context>
<context>
    <name>Engines</name>
    <message>
        <source>About %1</source>
        <translation>Sobre %1</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Speech by eSpeak NG %2 and Flite.&lt;/p&gt;&lt;p&gt;Voices: %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Fala por eSpeak NG %2 e Flite.&lt;/p&gt;&lt;p&gt;Vozes: %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;The voice %2 of speech-dispatcher&apos;s output module %3. It reads aloud only: speech-dispatcher gives no sound back to programs.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;A voz %2 do módulo de saída %3 do speech-dispatcher. Ela só lê em voz alta: o speech-dispatcher não devolve som aos programas.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>%1 is not a key this shortcut can use.</source>
        <translation>%1 não é uma tecla que este atalho possa usar.</translation>
    </message>
    <message>
        <source>The desktop did not give the shortcut.</source>
        <translation>O ambiente de trabalho não concedeu o atalho.</translation>
    </message>
    <message>
        <source>Read the selection aloud</source>
        <translation>Ler a seleção em voz alta</translation>
    </message>
    <message>
        <source>The shortcut was not confirmed in the desktop&apos;s dialog.</source>
        <translation>O atalho não foi confirmado no diálogo do ambiente de trabalho.</translation>
    </message>
    <message>
        <source>The desktop holds this shortcut; it is changed in the desktop&apos;s shortcut settings.</source>
        <translation>O ambiente de trabalho controla este atalho; ele é alterado nas configurações de atalhos do ambiente.</translation>
    </message>
    <message>
        <source>The desktop holds this shortcut as %1; it is changed in the desktop&apos;s shortcut settings.</source>
        <translation>O ambiente de trabalho controla este atalho como %1; ele é alterado nas configurações de atalhos do ambiente.</translation>
    </message>
    <message>
        <source>This desktop lets no program take a shortcut of its own.</source>
        <translation>Este ambiente de trabalho não deixa nenhum programa ter um atalho próprio.</translation>
    </message>
    <message>
        <source>%1 is taken by another program; choose another shortcut.</source>
        <translation>%1 está em uso por outro programa; escolha outro atalho.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>its voice file cannot be read</source>
        <translation>seu arquivo de voz não pode ser lido</translation>
    </message>
    <message>
        <source>its dictionary %1 cannot be read</source>
        <translation>seu dicionário %1 não pode ser lido</translation>
    </message>
    <message>
        <source>its dictionary %1 is damaged</source>
        <translation>seu dicionário %1 está danificado</translation>
    </message>
    <message>
        <source>The language %1 (%2) is not offered: %3.</source>
        <translation>O idioma %1 (%2) não é oferecido: %3.</translation>
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
        <translation>Cada idioma marcado acrescenta uma voz feminina e uma masculina, “Mary (&lt;Idioma&gt;)” e “Mike (&lt;Idioma&gt;)”.</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Pesquisar:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>&amp;Languages:</source>
        <translation>&amp;Idiomas:</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testar</translation>
    </message>
    <message>
        <source>%1 and %2 are used by:<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>These keep the voice&apos;s name, which can no longer be read with until the language is checked again. Uncheck %4?</source>
        <translation>%1 e %2 são usadas por:<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>Estes mantêm o nome da voz, que não poderá mais ler até que o idioma seja marcado de novo. Desmarcar %4?</translation>
    </message>
    <message>
        <source>Test %1</source>
        <translation>Testar %1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testar</translation>
    </message>
    <message>
        <source>The languages could not be stored; the choice holds until the program ends.</source>
        <translation>Não foi possível salvar os idiomas; a escolha vale até o programa terminar.</translation>
    </message>
</context>
<context>
    <name>Lexicon</name>
    <message>
        <source>the file is larger than 64 MB</source>
        <translation>o arquivo tem mais de 64 MB</translation>
    </message>
</context>
<context>
    <name>LexiconDialog</name>
    <message>
        <source>Pronunciation Editor</source>
        <translation>Editor de pronúncia</translation>
    </message>
    <message>
        <source>Pronunciations</source>
        <translation>Pronúncias</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palavra</translation>
    </message>
    <message>
        <source>Sounds like</source>
        <translation>Soa como</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>&amp;Palavra:</translation>
    </message>
    <message>
        <source>&amp;Sounds like:</source>
        <translation>&amp;Soa como:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Mudar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testar</translation>
    </message>
    <message>
        <source>The pronunciations in %1 could not be read (%2); they cannot be edited now.</source>
        <translation>Não foi possível ler as pronúncias em %1 (%2); elas não podem ser editadas agora.</translation>
    </message>
    <message>
        <source>Type a word or phrase and how it sounds.</source>
        <translation>Digite uma palavra ou frase e como ela soa.</translation>
    </message>
    <message>
        <source>The pronunciations could not be saved to %1</source>
        <translation>Não foi possível salvar as pronúncias em %1</translation>
    </message>
</context>
<context>
    <name>OptionControls</name>
    <message>
        <source>%1 … %2: type a whole number; until then the last one is kept</source>
        <translation>%1 … %2: digite um número inteiro; até lá, o último é mantido</translation>
    </message>
</context>
<context>
    <name>Piper</name>
    <message>
        <source>the piper program was not found</source>
        <translation>o programa piper não foi encontrado</translation>
    </message>
    <message>
        <source>the piper program (%1) could not be started</source>
        <translation>não foi possível iniciar o programa piper (%1)</translation>
    </message>
    <message>
        <source>piper wrote no sound the program could read</source>
        <translation>o piper não gravou nenhum som que o programa pudesse ler</translation>
    </message>
    <message>
        <source>piper could not load the voice&apos;s model</source>
        <translation>o piper não conseguiu carregar o modelo da voz</translation>
    </message>
    <message>
        <source>piper ended unexpectedly</source>
        <translation>o piper terminou inesperadamente</translation>
    </message>
    <message>
        <source>piper gave no sound for %1 seconds</source>
        <translation>o piper não deu som por %1 segundos</translation>
    </message>
</context>
<context>
    <name>ProgramPaths</name>
    <message>
        <source>Unable to create %1</source>
        <translation>Não foi possível criar %1</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>a pasta %1 não existe</translation>
    </message>
    <message>
        <source>the folder %1 is on a read-only disk</source>
        <translation>a pasta %1 está em um disco somente leitura</translation>
    </message>
    <message>
        <source>permission denied: the folder %1 cannot be written</source>
        <translation>permissão negada: não é possível gravar na pasta %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>%1 cannot be used (%2).</source>
        <translation>%1 não pode ser usado (%2).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 não é uma pasta.</translation>
    </message>
    <message>
        <source>%1 belongs to another user.</source>
        <translation>%1 pertence a outro usuário.</translation>
    </message>
    <message>
        <source>%1 can be used by other users too.</source>
        <translation>%1 também pode ser usado por outros usuários.</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2).</source>
        <translation>%1 não pode ser criado (%2).</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>é um link</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>tem mais de %1 MB</translation>
    </message>
    <message>
        <source>%1 could not be read (%2) and was set aside as %3.</source>
        <translation>%1 não pôde ser lido (%2) e foi deixado de lado como %3.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <translation>%1 não pôde ser lido (%2).</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings could not be written to %1</source>
        <translation>Não foi possível gravar as configurações em %1</translation>
    </message>
    <message>
        <source>Settings file %1 is damaged; defaults are used. A copy was kept as %2</source>
        <translation>O arquivo de configurações %1 está danificado; os padrões são usados. Uma cópia foi guardada como %2</translation>
    </message>
    <message>
        <source>Settings file %1 cannot be read; defaults are used</source>
        <translation>O arquivo de configurações %1 não pode ser lido; os padrões são usados</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Parlewind talks to its running window through a folder only you may use, and there is none: %1 Set XDG_RUNTIME_DIR to a folder of yours with mode 700.</source>
        <translation>O Parlewind fala com sua janela aberta por meio de uma pasta que só você pode usar, e não há nenhuma: %1 Defina XDG_RUNTIME_DIR como uma pasta sua com modo 700.</translation>
    </message>
    <message>
        <source>The program listening in %1 runs as another user; nothing was sent.</source>
        <translation>O programa que escuta em %1 roda como outro usuário; nada foi enviado.</translation>
    </message>
</context>
<context>
    <name>SpeechDispatcher</name>
    <message>
        <source>speech-dispatcher could not be reached (%1)</source>
        <translation>não foi possível alcançar o speech-dispatcher (%1)</translation>
    </message>
    <message>
        <source>speech-dispatcher stopped while reading</source>
        <translation>o speech-dispatcher parou durante a leitura</translation>
    </message>
    <message>
        <source>speech-dispatcher refused the voice</source>
        <translation>o speech-dispatcher recusou a voz</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Parlewind MP3</source>
        <translation>Sobre o Parlewind MP3</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Parlewind MP3&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Reads your text aloud, or into WAV and MP3 files.&lt;/p&gt;&lt;p&gt;&amp;copy; Brivanta Technologies&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Parlewind MP3&lt;/h2&gt;&lt;p&gt;Versão %1&lt;/p&gt;&lt;p&gt;Lê seus textos em voz alta, ou para arquivos WAV e MP3.&lt;/p&gt;&lt;p&gt;&amp;copy; Brivanta Technologies&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check out Parlewind MP3 at %1 .  Parlewind MP3 lets you listen to text you copy to the clipboard. It uses Text to Speech technology which actually synthesizes natural sounding speech from ordinary text.  Listen to your email, news, any text you want.  You can also convert your text to wav or MP3 files so you can listen later.  Try Parlewind MP3 free today at %1</source>
        <translation>Conheça o Parlewind MP3 em %1 .  O Parlewind MP3 permite ouvir o texto que você copia para a área de transferência. Ele usa a tecnologia de conversão de texto em fala, que sintetiza uma fala natural a partir de texto comum.  Ouça seus e-mails, notícias, qualquer texto que quiser.  Você também pode converter seus textos em arquivos WAV ou MP3 para ouvir depois.  Experimente o Parlewind MP3 grátis hoje em %1</translation>
    </message>
</context>
<context>
    <name>TArticleList</name>
    <message>
        <source>No rows are currently selected</source>
        <translation>Nenhuma linha está selecionada</translation>
    </message>
</context>
<context>
    <name>TCB_PromptForm</name>
    <message>
        <source>Copy Clipboard to Speech Buffer ?</source>
        <translation>Copiar a área de transferência para o buffer de leitura?</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Append</source>
        <translation>&amp;Anexar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Append text to current article</source>
        <translation>Anexar o texto ao artigo atual</translation>
    </message>
    <message>
        <source>Cancel clipboard copy to Parlewind MP3</source>
        <translation>Cancelar a cópia da área de transferência para o Parlewind MP3</translation>
    </message>
    <message>
        <source>Current Mode is Multi-Article Mode</source>
        <translation>Modo atual: vários artigos</translation>
    </message>
    <message>
        <source>Current Mode is Single-Article Mode</source>
        <translation>Modo atual: artigo único</translation>
    </message>
    <message>
        <source>Add new article</source>
        <translation>Adicionar um novo artigo</translation>
    </message>
    <message>
        <source>Overwrite current article</source>
        <translation>Substituir o artigo atual</translation>
    </message>
</context>
<context>
    <name>TClipboardPage</name>
    <message>
        <source>&amp;Watch Clipboard</source>
        <translation>&amp;Monitorar a área de transferência</translation>
    </message>
    <message>
        <source>&amp;Ignore clipboard text if less than</source>
        <translation>&amp;Ignorar o texto da área de transferência com menos de</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>caracteres</translation>
    </message>
    <message>
        <source>Prompt Options</source>
        <translation>Opções da pergunta</translation>
    </message>
    <message>
        <source>&amp;Prompt to copy from clipboard</source>
        <translation>&amp;Perguntar antes de copiar da área de transferência</translation>
    </message>
    <message>
        <source>Displa&amp;y Prompt for</source>
        <translation>Mostrar a pergunta &amp;durante</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Default A&amp;ction:</source>
        <translation>A&amp;ção padrão:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Anexar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Remember Last</source>
        <translation>Lembrar a última</translation>
    </message>
</context>
<context>
    <name>TClipboardWatch</name>
    <message>
        <source>Watching the clipboard is off: this Wayland desktop does not tell programs in the background of copies. Paste the text into Parlewind instead, or start Parlewind in an X11 session (or through XWayland) to watch the clipboard.</source>
        <translation>O monitoramento da área de transferência está desligado: este ambiente Wayland não avisa os programas em segundo plano sobre cópias. Cole o texto no Parlewind, ou inicie o Parlewind em uma sessão X11 (ou pelo XWayland) para monitorar a área de transferência.</translation>
    </message>
</context>
<context>
    <name>TConvertOptions</name>
    <message>
        <source>, aloud only</source>
        <translation>, somente em voz alta</translation>
    </message>
    <message>
        <source>parlewind --help tells how to use it.</source>
        <translation>parlewind --help explica como usá-lo.</translation>
    </message>
    <message>
        <source>the speech engine cannot be started: %1</source>
        <translation>o mecanismo de fala não pode ser iniciado: %1</translation>
    </message>
    <message>
        <source>the speech engine offers no voice.</source>
        <translation>o mecanismo de fala não oferece nenhuma voz.</translation>
    </message>
    <message>
        <source>--%1 wants a whole number greater than 0, not &quot;%2&quot;.</source>
        <translation>--%1 exige um número inteiro maior que 0, não “%2”.</translation>
    </message>
    <message>
        <source>--speed wants words a minute or a factor such as 2.5x, not &quot;%1&quot;.</source>
        <translation>--speed exige palavras por minuto ou um fator como 2.5x, não “%1”.</translation>
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
        <translation>Uso: parlewind --convert [opções] ARQUIVO...
Lê arquivos de texto em voz alta para arquivos MP3, M4B, Opus ou WAV, um por
arquivo, com as vozes, pronúncias e configurações da janela do Parlewind. Não
precisa de tela nem de servidor de som.

  ARQUIVO              um arquivo de texto (UTF-8, senão Windows-1252), um
                       documento HTML, Markdown, EPUB, OpenDocument, Word ou PDF
                       (um livro digital gera um arquivo numerado por
                       capítulo), uma imagem de texto; um endereço http ou
                       https lê a página web (só o texto principal); - lê a
                       entrada padrão
  --whole-page         uma página web é lida inteira, com menus e tudo
  --articles ARQUIVO   os artigos de um arquivo de artigos salvos, uma saída
                       para cada
  --voice NOME         a voz usada na leitura (padrão: a voz padrão da janela,
                       ou a de cada artigo salvo)
  --list-voices        lista as vozes e seus idiomas
  --speed N            palavras por minuto, dentro dos limites da voz; ou um
                       fator da velocidade normal de 0.5x a 4x (--speed 2.5x)
  --pauses short|normal|long  as pausas após frases e parágrafos e entre
                       artigos (padrão: como a janela define)
  --languages on|off   trechos em outros idiomas lidos por uma voz do idioma
                       deles (padrão: on, a menos que a janela o desligue)
  --pitch N            dentro dos limites da voz
  --format FORMATO     os arquivos a gravar: mp3 (o padrão), m4b (um audiolivro:
                       AAC com capítulos), opus, epub (um livro com leitura
                       sincronizada: o texto aceso frase a frase enquanto o som
                       toca, um capítulo por entrada), wav, ou txt (o texto que
                       seria falado, para conferir ou editar antes)
  --highlight-words    um livro com leitura sincronizada acende cada palavra,
                       não só cada frase
  --book-audio mp3|aac o som de um livro com leitura sincronizada (padrão: mp3)
  --subtitles srt|vtt|lrc  o texto sincronizado com a fala ao lado de cada
                       arquivo, uma linha por frase
  --out PASTA          onde gravá-los (padrão: a pasta atual; criada se faltar)
  --single-file NOME   tudo em um só arquivo com esse nome, um capítulo por
                       entrada (os capítulos de um livro como estão)
  --overwrite          substitui arquivos que já existem
  --jobs N             arquivos codificados ao mesmo tempo (padrão: um por núcleo)
  --quiet              sem barra de progresso
  -h, --help           este texto
  --version            a versão do programa

Os arquivos recebem o nome do título: o nome de um arquivo de texto sem a
extensão, o título de um artigo salvo. São marcados com o título, a voz (ou o
autor de um livro), o álbum (“Parlewind MP3”, o nome do livro ou do arquivo de
artigos salvos), o número da faixa e a capa de um livro.

Código de saída: 0 todos os arquivos gravados; 1 algumas entradas falharam (cada
uma é indicada, as outras são gravadas); 2 o comando não foi entendido; 128 + o
número do sinal quando interrompido por um: 130 Ctrl+C (SIGINT), 143 SIGTERM,
129 SIGHUP.

Uso: parlewind [ARQUIVO...]
Abre a janela do Parlewind, ou entrega os arquivos à que está aberta, como faz
“Abrir”. Comandos para o programa em execução (os comandos de leitura e --show
o iniciam se ele não estiver rodando; código de saída 0 quando ele recebe o
comando, 1 quando não está rodando):
  --read-selection     lê em voz alta o texto selecionado em qualquer programa
                       (o da área de transferência se nada estiver
                       selecionado); de novo: para
  --read-clipboard     lê em voz alta o texto da área de transferência; de
                       novo: para
  --pause, --resume, --toggle-pause, --stop, --skip
                       como os comandos de leitura da janela
  --show               traz a janela para a frente
</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 foi dado mais de uma vez.</translation>
    </message>
    <message>
        <source>--voice wants the name of a voice.</source>
        <translation>--voice exige o nome de uma voz.</translation>
    </message>
    <message>
        <source>--pauses is short, normal or long, not &quot;%1&quot;.</source>
        <translation>--pauses é short, normal ou long, não “%1”.</translation>
    </message>
    <message>
        <source>--languages is on or off, not &quot;%1&quot;.</source>
        <translation>--languages é on ou off, não “%1”.</translation>
    </message>
    <message>
        <source>--format is mp3, m4b, opus, epub, wav or txt, not &quot;%1&quot;.</source>
        <translation>--format é mp3, m4b, opus, epub, wav ou txt, não “%1”.</translation>
    </message>
    <message>
        <source>--book-audio is mp3 or aac, not &quot;%1&quot;.</source>
        <translation>--book-audio é mp3 ou aac, não “%1”.</translation>
    </message>
    <message>
        <source>--%1 is for read-along books (--format epub).</source>
        <translation>--%1 é para livros com leitura sincronizada (--format epub).</translation>
    </message>
    <message>
        <source>--subtitles is srt, vtt or lrc, not &quot;%1&quot;.</source>
        <translation>--subtitles é srt, vtt ou lrc, não “%1”.</translation>
    </message>
    <message>
        <source>--subtitles times speech; --format txt writes none.</source>
        <translation>--subtitles sincroniza a fala; --format txt não grava nenhuma.</translation>
    </message>
    <message>
        <source>--subtitles writes timed text beside sound files; a read-along book holds its own.</source>
        <translation>--subtitles grava texto sincronizado ao lado dos arquivos de som; um livro com leitura sincronizada traz o seu.</translation>
    </message>
    <message>
        <source>--out wants a folder.</source>
        <translation>--out exige uma pasta.</translation>
    </message>
    <message>
        <source>--single-file wants a file name.</source>
        <translation>--single-file exige um nome de arquivo.</translation>
    </message>
    <message>
        <source>Nothing to convert: name text files, - for the standard input, or --articles FILE.</source>
        <translation>Nada para converter: indique arquivos de texto, - para a entrada padrão, ou --articles ARQUIVO.</translation>
    </message>
    <message>
        <source>The standard input can be read only once.</source>
        <translation>A entrada padrão só pode ser lida uma vez.</translation>
    </message>
</context>
<context>
    <name>TConvertRun</name>
    <message>
        <source>%1 is already there; --overwrite replaces it</source>
        <translation>%1 já existe; --overwrite o substitui</translation>
    </message>
    <message>
        <source>the speech engine failed</source>
        <translation>o mecanismo de fala falhou</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada padrão</translation>
    </message>
    <message>
        <source>more than 64 MB, too large to be read as an article</source>
        <translation>mais de 64 MB, grande demais para ser lido como artigo</translation>
    </message>
    <message>
        <source>Standard input</source>
        <translation>Entrada padrão</translation>
    </message>
    <message>
        <source>is a folder, not a text file</source>
        <translation>é uma pasta, não um arquivo de texto</translation>
    </message>
    <message>
        <source>%1, chapter %2</source>
        <translation>%1, capítulo %2</translation>
    </message>
    <message>
        <source>is a folder, not a saved-articles file</source>
        <translation>é uma pasta, não um arquivo de artigos salvos</translation>
    </message>
    <message>
        <source>is too large to be a saved-articles file (more than 256 MB)</source>
        <translation>é grande demais para ser um arquivo de artigos salvos (mais de 256 MB)</translation>
    </message>
    <message>
        <source>is not a saved-articles file</source>
        <translation>não é um arquivo de artigos salvos</translation>
    </message>
    <message>
        <source>is damaged; the articles after the damaged place are not converted</source>
        <translation>está danificado; os artigos após o trecho danificado não são convertidos</translation>
    </message>
    <message>
        <source>%1, article %2</source>
        <translation>%1, artigo %2</translation>
    </message>
    <message>
        <source>holds no article with text</source>
        <translation>não contém nenhum artigo com texto</translation>
    </message>
    <message>
        <source>Voice %1 does not exist</source>
        <translation>A voz %1 não existe</translation>
    </message>
    <message>
        <source>%1 %2 is outside the limits of %3 (%4 to %5).</source>
        <translation>%1 %2 está fora dos limites de %3 (%4 a %5).</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Tom</translation>
    </message>
    <message>
        <source>the output folder cannot be made: %1 is a file, not a folder</source>
        <translation>a pasta de saída não pode ser criada: %1 é um arquivo, não uma pasta</translation>
    </message>
    <message>
        <source>the output folder cannot be made: %1</source>
        <translation>a pasta de saída não pode ser criada: %1</translation>
    </message>
    <message>
        <source>nothing can be written in the output folder: %1</source>
        <translation>nada pode ser gravado na pasta de saída: %1</translation>
    </message>
    <message>
        <source>A title is required to output speech to a file</source>
        <translation>É preciso um título para ler para um arquivo</translation>
    </message>
    <message>
        <source>has the same title as an earlier input; %1 is written only once</source>
        <translation>tem o mesmo título de uma entrada anterior; %1 é gravado só uma vez</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;; parlewind --convert --list-voices lists them.</source>
        <translation>não há nenhuma voz “%1”; parlewind --convert --list-voices lista as vozes.</translation>
    </message>
    <message>
        <source>was not made: a chapter of it could not be made</source>
        <translation>não foi criado: um de seus capítulos não pôde ser criado</translation>
    </message>
    <message>
        <source>The standard input</source>
        <translation>A entrada padrão</translation>
    </message>
</context>
<context>
    <name>TDesktopCommands</name>
    <message>
        <source>Parlewind cannot read the selection or the clipboard from the background on this Wayland desktop: it gives them only to the program in front. Paste the text into Parlewind instead, or run Parlewind through XWayland (as it starts where DISPLAY is set).</source>
        <translation>O Parlewind não pode ler a seleção nem a área de transferência em segundo plano neste ambiente Wayland: ele só as entrega ao programa em primeiro plano. Cole o texto no Parlewind, ou execute o Parlewind pelo XWayland (como ele inicia onde DISPLAY está definido).</translation>
    </message>
    <message>
        <source>On this Wayland desktop a program in the background cannot read the selection, so no key can read it to Parlewind here. Run Parlewind through XWayland (as it starts where DISPLAY is set) to read the selection of any program.</source>
        <translation>Neste ambiente Wayland um programa em segundo plano não pode ler a seleção, então nenhuma tecla pode entregá-la ao Parlewind aqui. Execute o Parlewind pelo XWayland (como ele inicia onde DISPLAY está definido) para ler a seleção de qualquer programa.</translation>
    </message>
    <message>
        <source>This desktop lets no program take a shortcut of its own: in its keyboard settings, bind a key to the command  parlewind --read-selection</source>
        <translation>Este ambiente de trabalho não deixa nenhum programa ter um atalho próprio: nas configurações de teclado dele, associe uma tecla ao comando  parlewind --read-selection</translation>
    </message>
    <message>
        <source>On this Wayland desktop the key reaches Parlewind only while a window of an X11 program has focus. To read the selection from any program, bind a key to the command  parlewind --read-selection  in the desktop&apos;s keyboard settings.</source>
        <translation>Neste ambiente Wayland a tecla só chega ao Parlewind enquanto uma janela de um programa X11 está em foco. Para ler a seleção de qualquer programa, associe uma tecla ao comando  parlewind --read-selection  nas configurações de teclado do ambiente.</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>A área de transferência não contém texto.</translation>
    </message>
    <message>
        <source>Nothing is selected, and the clipboard holds no text.</source>
        <translation>Nada está selecionado, e a área de transferência não contém texto.</translation>
    </message>
    <message>
        <source>The selection is %1 MB of text; Parlewind reads at most %2 MB from a selection. Save it to a file and open that instead.</source>
        <translation>A seleção tem %1 MB de texto; o Parlewind lê no máximo %2 MB de uma seleção. Salve-a em um arquivo e abra esse arquivo.</translation>
    </message>
    <message>
        <source>The selection does not contain text; it was not read.</source>
        <translation>A seleção não contém texto; ela não foi lida.</translation>
    </message>
    <message>
        <source>Parlewind does not know the command &quot;%1&quot;.</source>
        <translation>O Parlewind não conhece o comando “%1”.</translation>
    </message>
    <message>
        <source>Parlewind is reading to a file; try again when it is done.</source>
        <translation>O Parlewind está lendo para um arquivo; tente de novo quando terminar.</translation>
    </message>
</context>
<context>
    <name>TEngineWarningForm</name>
    <message>
        <source>Text To Speech Engine not found</source>
        <translation>Mecanismo de conversão de texto em fala não encontrado</translation>
    </message>
    <message>
        <source>A Text-To-Speech engine does not appear to be installed 
on your machine.  These engines, which perform actual 
speech synthesis, are required for Parlewind to operate.

Installing a speech engine on your computer is easy.  Just 
visit our website for instructions.</source>
        <translation>Parece não haver nenhum mecanismo de conversão de texto em 
fala instalado no seu computador.  Esses mecanismos, que 
produzem a fala, são necessários para o Parlewind funcionar.

Instalar um mecanismo de fala no seu computador é fácil.  
Visite nosso site para ver as instruções.</translation>
    </message>
    <message>
        <source>Click here to download Speech Engine</source>
        <translation>Clique aqui para baixar um mecanismo de fala</translation>
    </message>
    <message>
        <source>If you are having problems or have any questions, please
contact our support staff at</source>
        <translation>Se tiver problemas ou dúvidas,
fale com nossa equipe de suporte em</translation>
    </message>
    <message>
        <source>Exit Parlewind MP3</source>
        <translation>Sair do Parlewind MP3</translation>
    </message>
    <message>
        <source>No web browser could be started for %1</source>
        <translation>Não foi possível iniciar um navegador para %1</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Não foi possível iniciar um programa de e-mail.</translation>
    </message>
</context>
<context>
    <name>TFavoriteVoicesPage</name>
    <message>
        <source>Favorit&amp;e Voices</source>
        <translation>Vozes &amp;favoritas</translation>
    </message>
    <message>
        <source>Exclude the selected voices</source>
        <translation>Excluir as vozes selecionadas</translation>
    </message>
    <message>
        <source>Make the selected voices favorites</source>
        <translation>Tornar favoritas as vozes selecionadas</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testar</translation>
    </message>
    <message>
        <source>&amp;Languages…</source>
        <translation>&amp;Idiomas…</translation>
    </message>
    <message>
        <source>Voices for more languages</source>
        <translation>Vozes para mais idiomas</translation>
    </message>
    <message>
        <source>E&amp;xcluded Voices</source>
        <translation>Vozes e&amp;xcluídas</translation>
    </message>
    <message>
        <source>Use this panel to control the voices used in Parlewind.  Voices  
you exclude will not be selected in Random / Round Robin 
Voice Selection</source>
        <translation>Use este painel para controlar as vozes usadas no Parlewind.  As vozes  
que você excluir não serão escolhidas na seleção de voz 
Aleatória / Em rodízio</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;more&quot;&gt;Want more voices?  Click Here&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;more&quot;&gt;Quer mais vozes?  Clique aqui&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Want more voices?  Click Here</source>
        <translation>Quer mais vozes?  Clique aqui</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is currently the Default Voice<byte value="xd"/>and cannot be excluded</source>
        <translation>“%1” é a voz padrão no momento<byte value="xd"/>e não pode ser excluída</translation>
    </message>
    <message>
        <source>At least one voice is required in the Favorites List</source>
        <translation>É preciso pelo menos uma voz na lista de favoritas</translation>
    </message>
    <message>
        <source>Select a voice to test</source>
        <translation>Escolha uma voz para testar</translation>
    </message>
</context>
<context>
    <name>TFileOptionsPage</name>
    <message>
        <source>Output File Format</source>
        <translation>Formato do arquivo de saída</translation>
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
        <translation>Audiolivro M&amp;4B</translation>
    </message>
    <message>
        <source>O&amp;pus</source>
        <translation>O&amp;pus</translation>
    </message>
    <message>
        <source>&amp;Read-along book (EPUB 3)</source>
        <translation>Livro com leitura &amp;sincronizada (EPUB 3)</translation>
    </message>
    <message>
        <source>&amp;Highlight words</source>
        <translation>&amp;Realçar palavras</translation>
    </message>
    <message>
        <source>The book lights each word as it is spoken, not only each sentence</source>
        <translation>O livro ilumina cada palavra falada, não só cada frase</translation>
    </message>
    <message>
        <source>Book &amp;audio:</source>
        <translation>Á&amp;udio do livro:</translation>
    </message>
    <message>
        <source>Book audio</source>
        <translation>Áudio do livro</translation>
    </message>
    <message>
        <source>&amp;Timed text beside each file:</source>
        <translation>&amp;Texto sincronizado ao lado de cada arquivo:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>SRT subtitles</source>
        <translation>Legendas SRT</translation>
    </message>
    <message>
        <source>WebVTT subtitles</source>
        <translation>Legendas WebVTT</translation>
    </message>
    <message>
        <source>LRC lyrics</source>
        <translation>Letras LRC</translation>
    </message>
    <message>
        <source>Timed text beside each file</source>
        <translation>Texto sincronizado ao lado de cada arquivo</translation>
    </message>
    <message>
        <source>File Output D&amp;irectory:</source>
        <translation>Pasta de saí&amp;da dos arquivos:</translation>
    </message>
    <message>
        <source>File Output Directory</source>
        <translation>Pasta de saída dos arquivos</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>Pro&amp;curar</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>This desktop has no notification area, so the window stays open. To end Parlewind, choose Exit Parlewind in the File menu; to close it to a floating tool bar, choose &quot;When minimized&quot; for &quot;Show Floating Toolbar&quot; on the Misc page.</source>
        <translation>Este ambiente de trabalho não tem área de notificação, então a janela fica aberta. Para encerrar o Parlewind, escolha Sair do Parlewind no menu Arquivo; para fechá-la em uma barra de ferramentas flutuante, escolha “Ao minimizar” em “Mostrar barra de ferramentas flutuante” na página Diversos.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Pau&amp;sar</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>Single-Article Options</source>
        <translation>Opções de artigo único</translation>
    </message>
    <message>
        <source>Multi-Article Options</source>
        <translation>Opções de vários artigos</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>Páginas de opções</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Área de transferência</translation>
    </message>
    <message>
        <source>Favorite Voices</source>
        <translation>Vozes favoritas</translation>
    </message>
    <message>
        <source>Voice Edit</source>
        <translation>Editar voz</translation>
    </message>
    <message>
        <source>File Options</source>
        <translation>Opções de arquivo</translation>
    </message>
    <message>
        <source>Voice Sources</source>
        <translation>Fontes de vozes</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Diversos</translation>
    </message>
    <message>
        <source>The help page on more voices could not be opened.</source>
        <translation>Não foi possível abrir a página de ajuda sobre mais vozes.</translation>
    </message>
    <message>
        <source>Watching the clipboard is off on this Wayland desktop (see the Clipboard page).</source>
        <translation>O monitoramento da área de transferência está desligado neste ambiente Wayland (veja a página Área de transferência).</translation>
    </message>
    <message>
        <source>Parlewind MP3 is still running. Use the icon here to restore it or to exit.</source>
        <translation>O Parlewind MP3 continua em execução. Use este ícone para restaurá-lo ou sair.</translation>
    </message>
    <message>
        <source>The help file could not be found.</source>
        <translation>O arquivo de ajuda não foi encontrado.</translation>
    </message>
    <message>
        <source>No program could be started to show the help file %1</source>
        <translation>Nenhum programa pôde ser iniciado para mostrar o arquivo de ajuda %1</translation>
    </message>
    <message>
        <source>Parlewind MP3 Languages</source>
        <translation>Idiomas do Parlewind MP3</translation>
    </message>
    <message>
        <source>Read the page at %1?</source>
        <translation>Ler a página em %1?</translation>
    </message>
    <message>
        <source>Open Web Address</source>
        <translation>Abrir endereço web</translation>
    </message>
    <message>
        <source>&amp;Address of the page (http or https):</source>
        <translation>&amp;Endereço da página (http ou https):</translation>
    </message>
    <message>
        <source>Address of the page</source>
        <translation>Endereço da página</translation>
    </message>
    <message>
        <source>%1 is not a web address; an address begins with http:// or https://.</source>
        <translation>%1 não é um endereço web; um endereço começa com http:// ou https://.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>The copied picture: %1</source>
        <translation>A imagem copiada: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n more files could not be opened either.</source>
        <translation>
            <numerusform>Também não foi possível abrir mais %n arquivo.</numerusform>
            <numerusform>Também não foi possível abrir mais %n arquivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>Abrindo %1…</translation>
    </message>
    <message>
        <source>    Single    </source>
        <translation>    Único    </translation>
    </message>
    <message>
        <source>Single-Article Mode</source>
        <translation>Modo de artigo único</translation>
    </message>
    <message>
        <source>Multi </source>
        <translation>Vários </translation>
    </message>
    <message>
        <source>Multi-Article Mode</source>
        <translation>Modo de vários artigos</translation>
    </message>
    <message>
        <source>Read text file</source>
        <translation>Ler um arquivo de texto</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Aloud</source>
        <translation>Em voz alta</translation>
    </message>
    <message>
        <source>Read text aloud</source>
        <translation>Ler o texto em voz alta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Read text to file</source>
        <translation>Ler o texto para um arquivo</translation>
    </message>
    <message>
        <source>Pause / Resume </source>
        <translation>Pausar / Continuar </translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pular</translation>
    </message>
    <message>
        <source>Skip to next article</source>
        <translation>Pular para o próximo artigo</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stop reading</source>
        <translation>Parar a leitura</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Display / Hide Options Panels</source>
        <translation>Mostrar / ocultar os painéis de opções</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Indicar a um amigo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open &amp;Web Address...</source>
        <translation>Abrir endereço &amp;web...</translation>
    </message>
    <message>
        <source>E&amp;xit Parlewind</source>
        <translation>&amp;Sair do Parlewind</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de ferramentas</translation>
    </message>
    <message>
        <source>&amp;Options Panels</source>
        <translation>&amp;Painéis de opções</translation>
    </message>
    <message>
        <source>&amp;Previous Article</source>
        <translation>Artigo &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Article</source>
        <translation>Próximo a&amp;rtigo</translation>
    </message>
    <message>
        <source>&amp;Edit Title and Voice</source>
        <translation>&amp;Editar título e voz</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Watch Clipboard</source>
        <translation>&amp;Monitorar a área de transferência</translation>
    </message>
    <message>
        <source>&amp;Single Article</source>
        <translation>Artigo ú&amp;nico</translation>
    </message>
    <message>
        <source>&amp;Multi Article</source>
        <translation>&amp;Vários artigos</translation>
    </message>
    <message>
        <source>Select Audio &amp;Device</source>
        <translation>Escolher &amp;dispositivo de áudio</translation>
    </message>
    <message>
        <source>&amp;Pronunciation Editor</source>
        <translation>&amp;Editor de pronúncia</translation>
    </message>
    <message>
        <source>&amp;Languages…</source>
        <translation>&amp;Idiomas…</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Leitura</translation>
    </message>
    <message>
        <source>Read &amp;Aloud</source>
        <translation>Ler em &amp;voz alta</translation>
    </message>
    <message>
        <source>Read to &amp;File</source>
        <translation>Ler para &amp;arquivo</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>P&amp;ular</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Pa&amp;rar</translation>
    </message>
    <message>
        <source>Read from &amp;Here</source>
        <translation>Ler a partir &amp;daqui</translation>
    </message>
    <message>
        <source>Pre&amp;vious Sentence</source>
        <translation>Frase a&amp;nterior</translation>
    </message>
    <message>
        <source>Ne&amp;xt Sentence</source>
        <translation>Pró&amp;xima frase</translation>
    </message>
    <message>
        <source>Stop Af&amp;ter</source>
        <translation>Parar a&amp;pós</translation>
    </message>
    <message>
        <source>&amp;%1 Minutes</source>
        <translation>&amp;%1 minutos</translation>
    </message>
    <message>
        <source>At the End of This &amp;Article</source>
        <translation>No fim deste &amp;artigo</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Desligado</translation>
    </message>
    <message>
        <source>&amp;Audio Help</source>
        <translation>Ajuda de á&amp;udio</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Visit Brivanta Technologies</source>
        <translation>&amp;Visitar Brivanta Technologies</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>Adicionar &amp;novo</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Excluir selecionado</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Não foi possível iniciar um programa de e-mail.</translation>
    </message>
    <message>
        <source>No web browser could be started for %1</source>
        <translation>Não foi possível iniciar um navegador para %1</translation>
    </message>
    <message>
        <source>Parlewind MP3 Pronunciation</source>
        <translation>Pronúncia do Parlewind MP3</translation>
    </message>
</context>
<context>
    <name>TMIOptionsSheet</name>
    <message>
        <source>Multi-Article Options</source>
        <translation>Opções de vários artigos</translation>
    </message>
    <message>
        <source>File Output:</source>
        <translation>Saída em arquivo:</translation>
    </message>
    <message>
        <source>Single File</source>
        <translation>Um só arquivo</translation>
    </message>
    <message>
        <source>Multiple Files</source>
        <translation>Vários arquivos</translation>
    </message>
    <message>
        <source>Voice Selection:</source>
        <translation>Seleção de voz:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatória</translation>
    </message>
    <message>
        <source>Round Robin</source>
        <translation>Em rodízio</translation>
    </message>
    <message>
        <source>Automatically &amp;Delete Text after play</source>
        <translation>Apa&amp;gar o texto automaticamente após a leitura</translation>
    </message>
</context>
<context>
    <name>TMemoEntry</name>
    <message>
        <source>Error reading input file</source>
        <translation>Erro ao ler o arquivo de entrada</translation>
    </message>
</context>
<context>
    <name>TMemoEntryView</name>
    <message>
        <source>Article %1 of %2</source>
        <translation>Artigo %1 de %2</translation>
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
        <translation>Artigos</translation>
    </message>
</context>
<context>
    <name>TMiscPage</name>
    <message>
        <source>Default Voi&amp;ce:</source>
        <translation>&amp;Voz padrão:</translation>
    </message>
    <message>
        <source>Show Floating &amp;Toolbar:</source>
        <translation>Mostrar barra de ferramentas flu&amp;tuante:</translation>
    </message>
    <message>
        <source>On request only</source>
        <translation>Só quando pedida</translation>
    </message>
    <message>
        <source>When minimized</source>
        <translation>Ao minimizar</translation>
    </message>
    <message>
        <source>When minimized and reading starts</source>
        <translation>Ao minimizar e ao começar a ler</translation>
    </message>
    <message>
        <source>&amp;Web pages:</source>
        <translation>Páginas &amp;web:</translation>
    </message>
    <message>
        <source>Main text only</source>
        <translation>Só o texto principal</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>A página inteira</translation>
    </message>
    <message>
        <source>Floating Toolbar Always on To&amp;p</source>
        <translation>Barra flutuante sempre &amp;em cima</translation>
    </message>
    <message>
        <source>Highlight C&amp;urrent Word</source>
        <translation>Realçar a pa&amp;lavra atual</translation>
    </message>
    <message>
        <source>Start Parlewind at &amp;Login</source>
        <translation>Iniciar o Parlewind ao entrar na &amp;sessão</translation>
    </message>
    <message>
        <source>F&amp;ilter non-alpha symbols</source>
        <translation>F&amp;iltrar símbolos não alfabéticos</translation>
    </message>
    <message>
        <source>&amp;Read the selection from any program:</source>
        <translation>Ler a seleção de &amp;qualquer programa:</translation>
    </message>
    <message>
        <source>Read the selection from any program</source>
        <translation>Ler a seleção de qualquer programa</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>&amp;Nenhum</translation>
    </message>
    <message>
        <source>No shortcut</source>
        <translation>Nenhum atalho</translation>
    </message>
    <message>
        <source>Read every article with its own voice o&amp;nly</source>
        <translation>Ler cada artigo só com a sua própria v&amp;oz</translation>
    </message>
    <message>
        <source>Voices for other lan&amp;guages:</source>
        <translation>Vozes para outros idio&amp;mas:</translation>
    </message>
    <message>
        <source>Rea&amp;d by:</source>
        <translation>Lido &amp;por:</translation>
    </message>
    <message>
        <source>Int&amp;erface language:</source>
        <translation>Idioma da inte&amp;rface:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>(from the next start)</source>
        <translation>(a partir do próximo início)</translation>
    </message>
</context>
<context>
    <name>TMyAudioDeviceDlg</name>
    <message>
        <source>System Default Output</source>
        <translation>Saída padrão do sistema</translation>
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
        <translation>Suporta volume esquerdo e direito separados. </translation>
    </message>
    <message>
        <source>Supports pitch control. </source>
        <translation>Suporta controle de tom. </translation>
    </message>
    <message>
        <source>Support playback rate control. </source>
        <translation>Suporta controle da velocidade de reprodução. </translation>
    </message>
    <message>
        <source>The driver is synchronous and will block while playing a buffer. </source>
        <translation>O driver é síncrono e bloqueia enquanto toca um buffer. </translation>
    </message>
    <message>
        <source>Supports volume control. </source>
        <translation>Suporta controle de volume. </translation>
    </message>
    <message>
        <source>Returns sample-accurate position information.</source>
        <translation>Informa a posição com precisão de amostra.</translation>
    </message>
    <message>
        <source>Audio Device ID </source>
        <translation>ID do dispositivo de áudio </translation>
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
        <translation>ID do dispositivo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Sound server name</source>
        <translation>Nome no servidor de som</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Supports</source>
        <translation>Suporta</translation>
    </message>
    <message>
        <source>Audio Destination Device ID</source>
        <translation>ID do dispositivo de áudio de destino</translation>
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
        <translation>%1 canais</translation>
    </message>
</context>
<context>
    <name>TNotifyIcon</name>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Continuar</translation>
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
        <translation>Mostrar &amp;barra de ferramentas</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Read &amp;Aloud</source>
        <translation>Ler em &amp;voz alta</translation>
    </message>
    <message>
        <source>Read to &amp;File</source>
        <translation>Ler para &amp;arquivo</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>P&amp;ular</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Pa&amp;rar</translation>
    </message>
    <message>
        <source>Pre&amp;vious Sentence</source>
        <translation>Frase a&amp;nterior</translation>
    </message>
    <message>
        <source>&amp;Next Sentence</source>
        <translation>Pró&amp;xima frase</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>Sobr&amp;e</translation>
    </message>
</context>
<context>
    <name>TOutDirDialog</name>
    <message>
        <source>Select Output Directory</source>
        <translation>Escolher a pasta de saída</translation>
    </message>
    <message>
        <source>Current Directory:</source>
        <translation>Pasta atual:</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Nova pasta</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova pasta</translation>
    </message>
    <message>
        <source>New Folder %1</source>
        <translation>Nova pasta %1</translation>
    </message>
    <message>
        <source>A folder could not be made in %1</source>
        <translation>Não foi possível criar uma pasta em %1</translation>
    </message>
</context>
<context>
    <name>TProgramCore</name>
    <message>
        <source>The settings were missing; defaults are used. The saved articles were restored.</source>
        <translation>As configurações estavam faltando; os padrões são usados. Os artigos salvos foram restaurados.</translation>
    </message>
    <message>
        <source>The saved articles file is damaged: %1 of %2 articles were restored.</source>
        <translation>O arquivo de artigos salvos está danificado: %1 de %2 artigos foram restaurados.</translation>
    </message>
    <message>
        <source>%1 of the %2 saved articles were restored (single-article mode keeps one).</source>
        <translation>%1 dos %2 artigos salvos foram restaurados (o modo de artigo único mantém um).</translation>
    </message>
    <message>
        <source>The file as it was is kept in %1</source>
        <translation>O arquivo como estava foi guardado em %1</translation>
    </message>
    <message>
        <source>The file could not be copied to %1</source>
        <translation>Não foi possível copiar o arquivo para %1</translation>
    </message>
    <message>
        <source>The articles could not be saved to %1: %2<byte value="xd"/><byte value="xd"/>Parlewind stays open so that nothing is lost. Make room on the disk, then choose Exit again.</source>
        <translation>Não foi possível salvar os artigos em %1: %2<byte value="xd"/><byte value="xd"/>O Parlewind continua aberto para que nada se perca. Libere espaço no disco e escolha Sair de novo.</translation>
    </message>
    <message>
        <source>Reading Test Message</source>
        <translation>Lendo a mensagem de teste</translation>
    </message>
    <message>
        <source>Reading Audio Help</source>
        <translation>Lendo a ajuda de áudio</translation>
    </message>
    <message>
        <source>No articles</source>
        <translation>Nenhum artigo</translation>
    </message>
    <message>
        <source>1 article</source>
        <translation>1 artigo</translation>
    </message>
    <message numerus="yes">
        <source>%n articles</source>
        <translation>
            <numerusform>%n artigo</numerusform>
            <numerusform>%n artigos</numerusform>
        </translation>
    </message>
    <message>
        <source>the default voice (%1)</source>
        <translation>a voz padrão (%1)</translation>
    </message>
    <message>
        <source>article %1 &quot;%2&quot; (%3)</source>
        <translation>o artigo %1 “%2” (%3)</translation>
    </message>
    <message>
        <source>This item is currently being read and cannot be deleted</source>
        <translation>Este item está sendo lido e não pode ser excluído</translation>
    </message>
    <message>
        <source>AddMemo Failed</source>
        <translation>AddMemo falhou</translation>
    </message>
    <message>
        <source>The articles could not be saved: %1</source>
        <translation>Não foi possível salvar os artigos: %1</translation>
    </message>
</context>
<context>
    <name>TProgressBar</name>
    <message>
        <source> %1%  %2/%3 files  %4 of audio</source>
        <translation> %1%  %2/%3 arquivos  %4 de áudio</translation>
    </message>
</context>
<context>
    <name>TPropertyPanel</name>
    <message>
        <source>Title and voice</source>
        <translation>Título e voz</translation>
    </message>
    <message>
        <source>F2 changes them</source>
        <translation>F2 os altera</translation>
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
        <translation>Ler</translation>
    </message>
    <message>
        <source>Read selected article</source>
        <translation>Ler o artigo selecionado</translation>
    </message>
    <message>
        <source>Read to File</source>
        <translation>Ler para arquivo</translation>
    </message>
    <message>
        <source>Read selected article to file</source>
        <translation>Ler o artigo selecionado para um arquivo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete selected article</source>
        <translation>Excluir o artigo selecionado</translation>
    </message>
    <message>
        <source>More languages…</source>
        <translation>Mais idiomas…</translation>
    </message>
</context>
<context>
    <name>TReadingSession</name>
    <message>
        <source>A title is required to output speech to a file</source>
        <translation>É preciso um título para ler para um arquivo</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Gravando %1</translation>
    </message>
    <message>
        <source>Writing the book</source>
        <translation>Gravando o livro</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>em uso</translation>
    </message>
    <message>
        <source>The sound device %1 is gone. Reading has stopped.</source>
        <translation>O dispositivo de som %1 sumiu. A leitura parou.</translation>
    </message>
    <message>
        <source>The voice could not speak &quot;%1&quot; (its speech engine failed on it). Reading has stopped.</source>
        <translation>A voz não conseguiu falar “%1” (seu mecanismo de fala falhou). A leitura parou.</translation>
    </message>
    <message>
        <source>The voice %1 could not go on with &quot;%2&quot;: %3. Reading has stopped.</source>
        <translation>A voz %1 não conseguiu continuar “%2”: %3. A leitura parou.</translation>
    </message>
    <message>
        <source>A title is required for each item entry when<byte value="xd"/>outputting to multiple files</source>
        <translation>É preciso um título para cada item<byte value="xd"/>ao ler para vários arquivos</translation>
    </message>
    <message>
        <source>Output directory %1 is not valid</source>
        <translation>A pasta de saída %1 não é válida</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2 was not made.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2 não foi criado.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2 was not made. The speech is kept in %3.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2 não foi criado. A fala foi guardada em %3.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>The unfinished file was removed.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>O arquivo incompleto foi removido.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>Não foi possível gravar %1: %2.</translation>
    </message>
    <message>
        <source>Article %1 of %2</source>
        <translation>Artigo %1 de %2</translation>
    </message>
    <message>
        <source>Stops at the end of this article</source>
        <translation>Para no fim deste artigo</translation>
    </message>
    <message>
        <source>Stops at the end of this sentence</source>
        <translation>Para no fim desta frase</translation>
    </message>
    <message>
        <source>Stops in %1 min</source>
        <translation>Para em %1 min</translation>
    </message>
    <message>
        <source>Making the read-along book: </source>
        <translation>Criando o livro com leitura sincronizada: </translation>
    </message>
    <message>
        <source>Converting to %1 format: </source>
        <translation>Convertendo para o formato %1: </translation>
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
        <translation>No modo de artigo único, o Parlewind não pode copiar 
da área de transferência enquanto um texto é lido.</translation>
    </message>
    <message>
        <source>&amp;Do not show this dialog again</source>
        <translation>&amp;Não mostrar este diálogo novamente</translation>
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
        <translation>Opções de artigo único</translation>
    </message>
    <message>
        <source>Voice Selection:</source>
        <translation>Seleção de voz:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatória</translation>
    </message>
    <message>
        <source>Automatically &amp;Speak New Text </source>
        <translation>Ler automaticamente o texto recém-c&amp;hegado </translation>
    </message>
</context>
<context>
    <name>TTS</name>
    <message>
        <source>Speak method failed. </source>
        <translation>O método Speak falhou. </translation>
    </message>
    <message>
        <source>No wave out devices available on system.</source>
        <translation>Não há dispositivos de saída de áudio no sistema.</translation>
    </message>
</context>
<context>
    <name>TTTSForm</name>
    <message>
        <source>Voice %1 does not exist</source>
        <translation>A voz %1 não existe</translation>
    </message>
    <message>
        <source>No sound device was found. Reading aloud needs a sound server (PulseAudio or PipeWire); reading to files works without one.</source>
        <translation>Nenhum dispositivo de som foi encontrado. Ler em voz alta precisa de um servidor de som (PulseAudio ou PipeWire); ler para arquivos funciona sem ele.</translation>
    </message>
    <message>
        <source>%1 can only read aloud: speech-dispatcher gives no sound back to programs. Choose another voice for files.</source>
        <translation>%1 só pode ler em voz alta: o speech-dispatcher não devolve som aos programas. Escolha outra voz para arquivos.</translation>
    </message>
    <message>
        <source>no voices found</source>
        <translation>nenhuma voz encontrada</translation>
    </message>
    <message>
        <source>1 voice</source>
        <translation>1 voz</translation>
    </message>
    <message numerus="yes">
        <source>%n voices</source>
        <translation>
            <numerusform>%n voz</numerusform>
            <numerusform>%n vozes</numerusform>
        </translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>não instalado</translation>
    </message>
    <message>
        <source>looking for voices…</source>
        <translation>procurando vozes…</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>inalcançável</translation>
    </message>
    <message>
        <source>%1, read aloud only</source>
        <translation>%1, só em voz alta</translation>
    </message>
    <message>
        <source>Modules: %1</source>
        <translation>Módulos: %1</translation>
    </message>
    <message>
        <source>No piper program on the PATH or where chosen.</source>
        <translation>Nenhum programa piper no PATH nem onde foi escolhido.</translation>
    </message>
    <message>
        <source>Program: %1</source>
        <translation>Programa: %1</translation>
    </message>
    <message>
        <source>TTSForm initialization error - error creating TmpTTS</source>
        <translation>Erro ao iniciar o mecanismo de fala: não foi possível criar o objeto de fala temporário</translation>
    </message>
    <message>
        <source>Sound card is busy.  Wait and try again.</source>
        <translation>A placa de som está ocupada.  Aguarde e tente de novo.</translation>
    </message>
    <message>
        <source>Error accessing sound card</source>
        <translation>Erro ao acessar a placa de som</translation>
    </message>
    <message>
        <source>Audio device check failed. <byte value="xd"/>Verify that the device you have selected is a valid audio device<byte value="xd"/><byte value="xd"/>Please contact Brivanta Support if you&apos;re having problems</source>
        <translation>A verificação do dispositivo de áudio falhou. <byte value="xd"/>Verifique se o dispositivo escolhido é um dispositivo de áudio válido<byte value="xd"/><byte value="xd"/>Entre em contato com o suporte da Brivanta se tiver problemas</translation>
    </message>
</context>
<context>
    <name>TToolBarForm</name>
    <message>
        <source>Parlewind MP3 Toolbar</source>
        <translation>Barra de ferramentas do Parlewind MP3</translation>
    </message>
    <message>
        <source>Read text aloud</source>
        <translation>Ler o texto em voz alta</translation>
    </message>
    <message>
        <source>Read text to file</source>
        <translation>Ler o texto para um arquivo</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>Pausar / Continuar</translation>
    </message>
    <message>
        <source>Previous Sentence</source>
        <translation>Frase anterior</translation>
    </message>
    <message>
        <source>Next Sentence</source>
        <translation>Próxima frase</translation>
    </message>
    <message>
        <source>Skip to next article</source>
        <translation>Pular para o próximo artigo</translation>
    </message>
    <message>
        <source>Stop Reading</source>
        <translation>Parar a leitura</translation>
    </message>
    <message>
        <source>Restore main window</source>
        <translation>Restaurar a janela principal</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
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
        <translation>T&amp;om</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Tom</translation>
    </message>
    <message>
        <source>Sp&amp;eed</source>
        <translation>&amp;Velocidade</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testar</translation>
    </message>
    <message>
        <source>Reset Defa&amp;ults</source>
        <translation>&amp;Restaurar padrões</translation>
    </message>
    <message>
        <source>Pau&amp;ses</source>
        <translation>Pau&amp;sas</translation>
    </message>
    <message>
        <source>Pauses</source>
        <translation>Pausas</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Curtas</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normais</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Longas</translation>
    </message>
    <message>
        <source>&amp;More…</source>
        <translation>&amp;Mais…</translation>
    </message>
    <message>
        <source>More pause settings</source>
        <translation>Mais ajustes de pausas</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizadas</translation>
    </message>
    <message>
        <source>Milliseconds at the voice&apos;s normal speed; at twice the speed, half as long.</source>
        <translation>Milissegundos na velocidade normal da voz; no dobro da velocidade, metade.</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>After a &amp;sentence:</source>
        <translation>Após uma &amp;frase:</translation>
    </message>
    <message>
        <source>After a &amp;paragraph:</source>
        <translation>Após um pará&amp;grafo:</translation>
    </message>
    <message>
        <source>&amp;Between articles:</source>
        <translation>E&amp;ntre artigos:</translation>
    </message>
    <message>
        <source>This voice has no pitch to change.</source>
        <translation>Esta voz não tem tom que se possa mudar.</translation>
    </message>
    <message>
        <source>fixed</source>
        <translation>fixo</translation>
    </message>
    <message>
        <source>%1 words a minute</source>
        <translation>%1 palavras por minuto</translation>
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
        <translation>piper no PATH</translation>
    </message>
    <message>
        <source>Piper &amp;voice folders:</source>
        <translation>Pastas de &amp;vozes piper:</translation>
    </message>
    <message>
        <source>Piper voice folders</source>
        <translation>Pastas de vozes piper</translation>
    </message>
    <message>
        <source>&amp;Add a folder…</source>
        <translation>&amp;Adicionar uma pasta…</translation>
    </message>
    <message>
        <source>&amp;Remove Folder</source>
        <translation>&amp;Remover pasta</translation>
    </message>
    <message>
        <source>Add a Folder of Piper Voices</source>
        <translation>Adicionar uma pasta de vozes piper</translation>
    </message>
    <message>
        <source>The voices can be looked for again once the reading has stopped.</source>
        <translation>As vozes poderão ser procuradas de novo quando a leitura parar.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>%1 is too large to be read as an article (more than 64 MB).</source>
        <translation>%1 é grande demais para ser lido como artigo (mais de 64 MB).</translation>
    </message>
    <message>
        <source>%1 does not contain text; it was not opened.</source>
        <translation>%1 não contém texto; não foi aberto.</translation>
    </message>
    <message>
        <source>%1 is empty; it was not opened.</source>
        <translation>%1 está vazio; não foi aberto.</translation>
    </message>
</context>
<context>
    <name>Voices</name>
    <message>
        <source>No sound device is available.</source>
        <translation>Nenhum dispositivo de som disponível.</translation>
    </message>
    <message>
        <source>The speech engine could not be started.</source>
        <translation>Não foi possível iniciar o mecanismo de fala.</translation>
    </message>
</context>
</TS>
