<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Cerrar sin guardar</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Guardar todo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Sí a &amp;todo</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;o a todo</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrumpir</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reinicializar</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar los valores predeterminados</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick se está ejecutando, pero no aceptó los archivos: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>El lote se detuvo: la carpeta de salida no admite más archivos.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>Queda 1 archivo en la cola.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>Queda %n archivo en la cola.</numerusform>
            <numerusform>Quedan %n archivos en la cola.</numerusform>
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
        <translation>Añada un archivo.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Detenido.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminado.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>No se pudo convertir 1 archivo:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>No se pudo convertir %n archivo:</numerusform>
            <numerusform>No se pudieron convertir %n archivos:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>the encoder printed nothing</source>
        <translation>el codificador no mostró nada</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>No output format is chosen</source>
        <translation>No se eligió ningún formato de salida</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>El codificador se detuvo inesperadamente.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>su imagen es Dolby Vision perfil %1, cuyos colores solo muestra bien un reproductor Dolby Vision; Igual que el origen (copia) la conserva tal cual</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>la carpeta temporal %1 no se puede usar para el registro de la primera pasada</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>quedó en %1 de un objetivo de %2: la imagen no necesita más</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>codificado de nuevo a %1 kb/s: a %2 kb/s quedó en %3, por encima del objetivo de %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>codificado de nuevo a %1 kb/s: a %2 kb/s quedó en %3, muy por debajo del objetivo de %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>quedó en %1, por encima del objetivo de %2, sin importar cómo se codificara</translation>
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
        <translation>Correo (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 es un enlace a %2, que no existe.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 no es un programa.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick convierte con FFmpeg, que no está instalado. Instálelo (en Debian y Ubuntu: apt install ffmpeg) y luego enlace el codificador a él:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick convierte con FFmpeg, que está instalado como %1. Enlace el codificador a él:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Falta el codificador, así que no se puede convertir nada.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Destinado a</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Adónde van los archivos: el formato y el archivo más grande que admite ese destino</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Suelte aquí sus vídeos o haga clic para empezar.
Lea un DVD o Blu-ray con «Leer DVD», arriba.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Seleccione una unidad de DVD:</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Lista de archivos:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Añadir un archivo</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Añadir archivos de una carpeta</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Quitar el archivo seleccionado de la lista</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Quitar todos los archivos</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Formato de salida:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Calidad de vídeo (tasa de bits, kbit/s):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Tasa de bits de vídeo</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Carpeta de salida:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Seleccionar la carpeta de salida</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Seleccionar una carpeta de salida</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Opinión</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Envíenos su sugerencia o pregunta</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Todos los comandos</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Añadir un archivo nuevo a la lista</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Quitar un archivo de la lista</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Empezar a convertir</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Ayuda y tutorial</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Minimizar la ventana</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Arrastre archivos multimedia a esta zona</translation>
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
        <translation>, quedan %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Tasa de bits de vídeo en kilobits por segundo</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Elegir la carpeta de salida</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Progreso del archivo actual</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Página del producto</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Todos los comandos</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>¡Convertir ahora!</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Leer DVD</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Seleccione una carpeta:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Los minutos deben ser menos de 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Los segundos deben ser menos de 60</translation>
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
        <translation>No se pudo crear la carpeta de salida:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>No se puede escribir en la carpeta de salida:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (vídeo MPEG4 de alta calidad)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (vídeo H264)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (vídeo MPEG4 estándar)</translation>
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
        <translation>Igual que el origen (copia)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>cuantificador</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Línea de comandos vacía</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe falló. Error: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>No se encontró el archivo o el comando</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Nombre de archivo</translation>
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
        <translation>Calidad constante</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>La misma calidad sea cual sea el tamaño: los niveles de calidad del formato en lugar de tasas de bits</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Tamaño objetivo...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Lo máximo que puede ocupar el archivo entero, sonido incluido; queda como mucho en eso y cerca de ello</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Tamaño objetivo: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Tamaño objetivo (archivo entero):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Tamaño objetivo, fijado en el menú</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Calidad constante: los números bajos se ven mejor y ocupan más espacio</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Tamaño objetivo</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Lo máximo que puede ocupar el archivo entero, sonido incluido, en megabytes como los cuentan los gestores de archivos (1 MB = 1.000.000 bytes), o con K o G tras el número: 25M, 700MB, 4G.
Vacío: sin objetivo, de nuevo la tasa de bits o la calidad.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>«%1» no es un tamaño. Escriba un número de megabytes, o un número seguido de K, M o G: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Calidad de vídeo (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>90° en sentido horario</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>90° en sentido antihorario</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Espejo vertical</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Espejo horizontal</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>El último lote se interrumpió y quedó 1 archivo. ¿Ponerlo de nuevo en la cola?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>El último lote se interrumpió y quedó %n archivo. ¿Ponerlo de nuevo en la cola?</numerusform>
            <numerusform>El último lote se interrumpió y quedaron %n archivos. ¿Ponerlos de nuevo en la cola?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>no se conoce su duración, así que no se puede apuntar a ningún tamaño</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 es menos de lo que necesita solo el sonido; el tamaño más pequeño posible es %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 deja demasiado poco para una imagen que valga la pena; el tamaño más pequeño posible es %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Convirtiendo vídeos</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>sonoridad desconocida «%1»: elija ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off o un número de LUFS de -40 a -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Suelte aquí sus vídeos</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>La cola está llena: admite como máximo %1 archivos. No se añadió 1 archivo.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>La cola está llena: admite como máximo %1 archivos. No se añadió %n archivo.</numerusform>
            <numerusform>La cola está llena: admite como máximo %1 archivos. No se añadieron %n archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>No se añadió 1 archivo: su nombre no es UTF-8 válido.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>No se añadió %n archivo: su nombre no es UTF-8 válido.</numerusform>
            <numerusform>No se añadieron %n archivos: sus nombres no son UTF-8 válido.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Abrir archivos</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Todos los formatos</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Seleccione una unidad de DVD</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Arrastre su vídeo aquí</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>el intervalo de tiempo termina en %1, que no es posterior a su inicio en %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>el intervalo de tiempo empieza en %1, pero el vídeo solo dura %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>El inicio «%1» no es un tiempo. Escriba segundos, m:ss o h:mm:ss, como 90, 1:30 o 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>El final «%1» no es un tiempo. Escriba segundos, m:ss o h:mm:ss, como 90, 1:30 o 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>El final debe ir después del inicio.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>desde %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>hasta %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Intervalo de tiempo</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>el principio</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>el final</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Segundos, m:ss o h:mm:ss, como 90, 1:30 o 1:02:03.5. Deje un tiempo vacío para el principio o el final.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Inicio:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fin:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Uso: tarnwick-cli [opciones] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Convierte archivos de vídeo con el codificador FFmpeg: un archivo por SOURCE o
cada archivo que encuentra una búsqueda en carpeta (los archivos de la propia
carpeta y los archivos de título VOB y M2TS de las carpetas inferiores; los
enlaces a carpetas no se siguen).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Las salidas se llaman &lt;nombre de origen&gt;_&lt;hora&gt;&lt;minuto&gt;&lt;segundo&gt;.&lt;extensión&gt;;
un nombre ya usado recibe _2, _3, ... No se sobrescribe nada en la carpeta de
salida, y una salida que no terminó se elimina.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Estado de salida: 0 todo convertido, 1 uno o más fallaron, 2 uso incorrecto,
3 sin codificador (falta FFmpeg, enlazado como data/conv.exe en la carpeta del
programa), 130 detenido con Ctrl+C o con una señal de terminación.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 indicado más de una vez</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>formato desconocido «%1» (uno de: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>la tasa de bits debe ser un número entero de kilobits por segundo (de 1 a 1000000): «%1»</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>giro desconocido «%1» (uno de: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output necesita una carpeta</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs acepta un número de 1 a 256 o «auto»: «%1»</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>no se indicó ninguna SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>convertido %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>falló %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>convertidos: %1, fallidos: %2%3, tiempo: %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, detenido</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2 %  archivo %3 de %4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 en curso)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  quedan %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Pruebe «tarnwick-cli --help» para más información.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>nada que convertir</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate no se aplica a copy, que no recodifica nada</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate no se aplica a copy, que no recodifica nada</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr no se aplica a copy, que no recodifica nada</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (predeterminado)</translation>
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
        <translation>En lugar de una tasa de bits:
  -q, --quality N        calidad constante en la escala propia del formato:
                         el CRF de H.264, H.265, AV1 y VP9, el cuantificador
                         de MPEG-4, MPEG-1 y WMV; menor es mejor (vea
                         --list-formats para cada escala y su valor
                         predeterminado)
      --size SIZE        el archivo entero, sonido incluido, como mucho SIZE
                         y cerca de ello: 25M, 700MB, 4G, en unidades
                         decimales como los gestores de archivos
                         (1M = 1.000.000 bytes; MiB y GiB son binarios); dos
                         pasadas donde el codificador las admite</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Una parte de cada origen, por tiempos T en segundos, m:ss o h:mm:ss, con
fracción si se desea (90, 1:30, 1:02:03.5):
      --start T          desde T; copy parte del fotograma clave en T o antes
      --end T            hasta T; un final tras el fin del origen es su fin</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality y --size fijan cada uno la imagen: indique solo uno</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>la calidad para %1 debe ser un número entero de %2 (la mejor) a %3: «%4»</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>el tamaño debe ser un número de megabytes, o con K, M o G detrás (25M, 700MB, 4G): «%1»</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 acepta un tiempo en segundos, m:ss o h:mm:ss (como 90, 1:30 o 1:02:03.5): «%2»</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) debe ir después de --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end debe ir después del principio: «%1»</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality no se aplica a copy, que no recodifica nada</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size no se aplica a copy, que no recodifica nada</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>calidad %1, de %2 (la mejor) a %3</translation>
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
        <translation>Opciones:
  -f, --format NAME      el formato de salida, uno de:
%1
  -b, --bitrate KBITS    tasa de bits de vídeo en kilobits por segundo
                         (predeterminada: la del formato, vea --list-formats)
  -r, --rotate NAME      none (predeterminado), cw, ccw, vflip, hflip, 180
  -o, --output DIR       carpeta de salida, se crea si falta
                         (predeterminada: ./output)
      --web              para la web: archivos MP4 y MOV con el índice al
                         principio, un navegador los reproduce mientras llegan
      --sdr              HDR a SDR: las fuentes HDR pasan a SDR en todos los
                         formatos; sin ella H.265, AV1 y VP9 conservan el HDR
                         en 10 bits
      --crop             recortar las bandas negras comunes a las imágenes
      --loudness TARGET  el sonido de cada archivo a igual sonoridad, picos
                         reales bajo -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16) o un número de LUFS, de -40 a -5
  -j, --jobs N           N conversiones a la vez; «auto» para una por núcleo
      --disc DIR         poner en cola los archivos de título del VIDEO_TS de
                         un DVD o del BDMV/STREAM de un Blu-ray bajo DIR
                         (repetible)
  -n, --dry-run          mostrar los comandos de cada archivo, sin convertir
      --json             un evento JSON por línea en la salida estándar
      --list-formats     mostrar los formatos y su tasa de bits predeterminada
  -h, --help             este texto
  -v, --version          la versión del programa</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop no se aplica a copy, que no recodifica nada</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>destino desconocido «%1» para --for (uno de: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 elige por sí mismo el formato y el tamaño: quite %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>En lugar de un formato y un tamaño, adónde va el archivo:
      --for NAME         formato y archivo máximo de ese destino, uno de:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, máximo %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, índice al inicio</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Nada en este escritorio abre la ayuda. Está en:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Nada en este escritorio abre el tutorial. Está en:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Nada en este escritorio abre la página del producto. Está en:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Este escritorio no tiene programa de correo. La dirección es:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Añadir un archivo</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Añadir una carpeta</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Quitar todo</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Leer DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Configuración...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
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
        <translation>Página del producto</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Enviar opinión</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Abrir la carpeta de registros</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Nada en este escritorio abre la carpeta de registros. Está en:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 archivo convertido</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n archivo convertido</numerusform>
            <numerusform>%n archivos convertidos</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, %1 con error.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Lote detenido</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Lote terminado</translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Para la web</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>Archivos MP4 y MOV con el índice al principio, para que un navegador los reproduzca mientras llegan</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Conversiones a la vez</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR a SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>El vídeo HDR se convierte en vídeo SDR normal en todos los formatos, también en H.265, AV1 y VP9, que si no lo mantienen en HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Intervalo de tiempo...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Sonoridad uniforme</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Radiodifusión, EBU R128 (-23 LUFS)</translation>
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
        <translation>Salida</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Recortar bandas negras</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Cada imagen recortada a lo que queda dentro de sus bandas negras horizontales o verticales</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Aviso sonoro al terminar</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Recorte de audio</translation>
    </message>
</context>
</TS>
