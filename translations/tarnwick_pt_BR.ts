<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fe&amp;char</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Fecha sem salvar</translation>
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
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salvar tudo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Sim par&amp;a tudo</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Nã&amp;o para tudo</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar padrões</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>O Tarnwick está em execução, mas não recebeu os arquivos: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>O lote parou: a pasta de saída não aceita mais arquivos.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>Resta 1 arquivo na fila.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>Resta %n arquivo na fila.</numerusform>
            <numerusform>Restam %n arquivos na fila.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>registro: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Adicione um arquivo.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Parado.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Concluído.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>Não foi possível converter 1 arquivo:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>Não foi possível converter %n arquivo:</numerusform>
            <numerusform>Não foi possível converter %n arquivos:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>the encoder printed nothing</source>
        <translation>o codificador não exibiu nada</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>parado</translation>
    </message>
    <message>
        <source>No output format is chosen</source>
        <translation>Nenhum formato de saída escolhido</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>O codificador parou inesperadamente.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>a imagem é Dolby Vision perfil %1, cujas cores só um player Dolby Vision mostra corretamente; Igual à origem (cópia) a mantém como está</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>a pasta temporária %1 não pode ser usada para o log da primeira passagem</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>ficou com %1 de uma meta de %2: a imagem não precisa de mais</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>codificado de novo a %1 kb/s: a %2 kb/s ficou com %3, acima da meta de %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>codificado de novo a %1 kb/s: a %2 kb/s ficou com %3, bem abaixo da meta de %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>ficou com %1, acima da meta de %2, não importa como fosse codificado</translation>
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
        <translation>E-mail (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 é um link para %2, que não existe.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 não é um programa.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 não existe.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>O Tarnwick converte com o FFmpeg, que não está instalado. Instale-o (no Debian e no Ubuntu: apt install ffmpeg) e depois crie um link do codificador para ele:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>O Tarnwick converte com o FFmpeg, que está instalado como %1. Crie um link do codificador para ele:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>O codificador está faltando, então nada pode ser convertido.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Feito para</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Para onde vão os arquivos: o formato e o maior arquivo que esse lugar aceita</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Nenhum</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Solte seus vídeos aqui ou clique para começar.
Leia um DVD ou Blu-ray com &quot;Ler DVD&quot;, acima.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Selecione uma unidade de DVD:</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Lista de arquivos:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Adicionar um arquivo</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Adicionar arquivos de uma pasta</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Remover o arquivo selecionado da lista</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Remover todos os arquivos</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Formato de saída:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato de saída</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Qualidade do vídeo (taxa em kbit/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Taxa de bits do vídeo</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Pasta de saída:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Selecionar a pasta de saída</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Selecionar uma pasta de saída</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Opinião</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Envie-nos sua sugestão ou pergunta</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Todos os comandos</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Adicionar um novo arquivo à lista</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Remover um arquivo da lista</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Iniciar a conversão</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Ajuda e tutorial</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Minimizar a janela</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Arraste arquivos de mídia para esta área</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Girar:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Ajuste de giro</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, faltam %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Taxa de bits do vídeo em kilobits por segundo</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Escolher a pasta de saída</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Progresso do arquivo atual</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Página do produto</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Todos os comandos</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Converter agora!</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Ler DVD</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Selecione uma pasta:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Os minutos devem ser menos de 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Os segundos devem ser menos de 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Segundos</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Não foi possível criar a pasta de saída:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Não é possível gravar na pasta de saída:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (vídeo MPEG4 de alta qualidade)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (vídeo H264)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (vídeo MPEG4 padrão)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (vídeo Apple/QuickTime)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (vídeo Flash)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (vídeo MPEG1)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (vídeo H.265/HEVC)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (vídeo AV1)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (vídeo AV1)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (vídeo VP9)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (vídeo H.264)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>Igual à origem (cópia)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>quantizador</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Linha de comando vazia</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe falhou. Erro: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Arquivo ou comando não encontrado</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>Qualidade constante</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>A mesma qualidade seja qual for o tamanho: os níveis de qualidade do formato em vez de taxas de bits</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Tamanho-alvo...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>O máximo que o arquivo inteiro pode ocupar, som incluído; ele fica no máximo com isso e perto disso</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Tamanho-alvo: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Tamanho-alvo (arquivo inteiro):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Tamanho-alvo, definido no menu</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Qualidade constante: números menores ficam melhores e ocupam mais espaço</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Tamanho-alvo</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>O máximo que o arquivo inteiro pode ocupar, som incluído, em megabytes como os gerenciadores de arquivos contam (1 MB = 1.000.000 bytes), ou com K ou G depois do número: 25M, 700MB, 4G.
Vazio: sem meta, de novo a taxa de bits ou a qualidade.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>&quot;%1&quot; não é um tamanho. Digite um número de megabytes, ou um número seguido de K, M ou G: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Qualidade do vídeo (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° no sentido horário</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° no sentido anti-horário</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Espelho vertical</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Espelho horizontal</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>O último lote foi interrompido com 1 arquivo restante. Colocá-lo na fila de novo?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>O último lote foi interrompido com %n arquivo restante. Colocá-lo na fila de novo?</numerusform>
            <numerusform>O último lote foi interrompido com %n arquivos restantes. Colocá-los na fila de novo?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>sua duração não é conhecida, então não dá para visar um tamanho</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 é menos do que só o som precisa; o menor tamanho possível é %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 deixa pouco demais para uma imagem que valha a pena assistir; o menor tamanho possível é %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Convertendo vídeos</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>volume desconhecido &quot;%1&quot;: escolha ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off ou um número de LUFS de -40 a -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Solte seus vídeos aqui</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Procurando...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>A fila está cheia: ela comporta no máximo %1 arquivos. 1 arquivo não foi adicionado.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>A fila está cheia: ela comporta no máximo %1 arquivos. %n arquivo não foi adicionado.</numerusform>
            <numerusform>A fila está cheia: ela comporta no máximo %1 arquivos. %n arquivos não foram adicionados.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 arquivo não foi adicionado: seu nome não é UTF-8 válido.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n arquivo não foi adicionado: seu nome não é UTF-8 válido.</numerusform>
            <numerusform>%n arquivos não foram adicionados: seus nomes não são UTF-8 válido.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Abrir arquivos</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Todos os formatos</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Selecione uma unidade de DVD</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Arraste seu vídeo para cá</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>o intervalo de tempo termina em %1, que não é depois do seu início em %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>o intervalo de tempo começa em %1, mas o vídeo só tem %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>O início &quot;%1&quot; não é um tempo. Digite segundos, m:ss ou h:mm:ss, como 90, 1:30 ou 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>O fim &quot;%1&quot; não é um tempo. Digite segundos, m:ss ou h:mm:ss, como 90, 1:30 ou 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>O fim deve vir depois do início.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>a partir de %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>até %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Intervalo de tempo</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>o início</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>o fim</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Segundos, m:ss ou h:mm:ss, como 90, 1:30 ou 1:02:03.5. Deixe um tempo vazio para o início ou o fim.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Início:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fim:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Uso: tarnwick-cli [opções] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Converte arquivos de vídeo com o codificador FFmpeg: um arquivo por SOURCE ou
cada arquivo que uma busca em pasta encontrar (os arquivos da própria pasta e
os arquivos de título VOB e M2TS das pastas abaixo dela; links para pastas
não são seguidos).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>As saídas se chamam &lt;nome da origem&gt;_&lt;hora&gt;&lt;minuto&gt;&lt;segundo&gt;.&lt;extensão&gt;; um
nome já usado recebe _2, _3, ... Nada na pasta de saída é sobrescrito, e uma
saída que não terminou é removida.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Status de saída: 0 tudo convertido, 1 um ou mais falharam, 2 uso incorreto,
3 sem codificador (falta o FFmpeg, vinculado como data/conv.exe na pasta do
programa), 130 parado por Ctrl+C ou por um sinal de término.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 informado mais de uma vez</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>formato desconhecido &quot;%1&quot; (um de: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>a taxa de bits deve ser um número inteiro de kilobits por segundo (1 a 1000000): &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>giro desconhecido &quot;%1&quot; (um de: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output precisa de uma pasta</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs aceita um número de 1 a 256 ou &quot;auto&quot;: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>nenhuma SOURCE informada</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>convertido %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>falhou %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>convertidos: %1, com falha: %2%3, tempo: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, parado</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  arquivo %3 de %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 em andamento)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  faltam %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Tente &quot;tarnwick-cli --help&quot; para mais informações.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>nada para converter</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate não se aplica a copy, que não recodifica nada</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate não se aplica a copy, que não recodifica nada</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr não se aplica a copy, que não recodifica nada</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (padrão)</translation>
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
        <translation>Em vez de uma taxa de bits:
  -q, --quality N        qualidade constante na escala própria do formato: o
                         CRF de H.264, H.265, AV1 e VP9, o quantizador de
                         MPEG-4, MPEG-1 e WMV; menor é melhor (veja
                         --list-formats para cada escala e seu padrão)
      --size SIZE        o arquivo inteiro, som incluído, no máximo SIZE e
                         perto disso: 25M, 700MB, 4G, em unidades decimais
                         como os gerenciadores de arquivos contam
                         (1M = 1.000.000 bytes; MiB e GiB são binários);
                         duas passagens onde o codificador aceita</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Uma parte de cada origem, por tempos T em segundos, m:ss ou h:mm:ss, cada um
com fração se quiser (90, 1:30, 1:02:03.5):
      --start T          desde T; copy começa no quadro-chave em T ou antes
      --end T            até T; um fim além do fim da origem é o fim dela</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality e --size definem cada um a imagem: informe só um deles</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>a qualidade para %1 deve ser um número inteiro de %2 (melhor) a %3: &quot;%4&quot;</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>o tamanho deve ser um número de megabytes, ou com K, M ou G depois (25M, 700MB, 4G): &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 aceita um tempo em segundos, m:ss ou h:mm:ss (como 90, 1:30 ou 1:02:03.5): &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) deve vir depois de --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end deve vir depois do início: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality não se aplica a copy, que não recodifica nada</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size não se aplica a copy, que não recodifica nada</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>qualidade %1, de %2 (melhor) a %3</translation>
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
        <translation>Opções:
  -f, --format NAME      o formato de saída, um de:
%1
  -b, --bitrate KBITS    taxa de bits do vídeo em kilobits por segundo
                         (padrão: a do formato, veja --list-formats)
  -r, --rotate NAME      none (padrão), cw, ccw, vflip, hflip, 180
  -o, --output DIR       pasta de saída, criada se não existir (padrão
                         ./output)
      --web              para a web: arquivos MP4 e MOV com o índice no
                         início, o navegador os reproduz enquanto chegam
      --sdr              HDR para SDR: fontes HDR viram SDR em todos os
                         formatos; sem ela, H.265, AV1 e VP9 mantêm o HDR
                         em 10 bits
      --crop             cortar as barras pretas que as imagens têm em comum
      --loudness TARGET  o som de cada arquivo no mesmo volume, picos reais
                         abaixo de -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) ou um número de LUFS, de -40 a -5
  -j, --jobs N           N conversões ao mesmo tempo; &quot;auto&quot; para uma por
                         núcleo
      --disc DIR         enfileirar os arquivos de título do VIDEO_TS de um
                         DVD ou do BDMV/STREAM de um Blu-ray abaixo de DIR
                         (repetível)
  -n, --dry-run          exibir os comandos de cada arquivo, não converter
                         nada
      --json             um evento JSON por linha na saída padrão
      --list-formats     exibir os formatos com sua taxa de bits padrão
  -h, --help             este texto
  -v, --version          a versão do programa</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop não se aplica a copy, que não recodifica nada</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>lugar desconhecido &quot;%1&quot; para --for (um de: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 escolhe o formato e o tamanho por conta própria: omita %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Em vez de um formato e um tamanho, para onde vai o arquivo:
      --for NAME         o formato e o maior arquivo desse lugar, um de:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, no máximo %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, índice no início</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Nada nesta área de trabalho abre a ajuda. Ela está em:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Nada nesta área de trabalho abre o tutorial. Ele está em:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Nada nesta área de trabalho abre a página do produto. Ela está em:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Esta área de trabalho não tem programa de e-mail. O endereço é:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Adicionar um arquivo</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Adicionar uma pasta</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Remover todos</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Ler DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Configurações...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Página do produto</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Enviar opinião</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Abrir a pasta de registros</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Nada nesta área de trabalho abre a pasta de registros. Ela está em:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 arquivo convertido</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n arquivo convertido</numerusform>
            <numerusform>%n arquivos convertidos</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, %1 com falha.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Lote parado</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Lote concluído</translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Para a web</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>Arquivos MP4 e MOV com o índice no início, para que o navegador os reproduza enquanto chegam</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Conversões simultâneas</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR para SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>O vídeo HDR vira vídeo SDR comum em todos os formatos, inclusive em H.265, AV1 e VP9, que do contrário o mantêm em HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Intervalo de tempo...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Volume uniforme</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Transmissão, EBU R128 (-23 LUFS)</translation>
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
        <translation>Saída</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Cortar barras pretas</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Cada imagem cortada ao que está dentro de suas barras pretas, em cima e embaixo ou nas laterais</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Aviso sonoro ao concluir</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Corte de áudio</translation>
    </message>
</context>
</TS>
