<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Desktop</name>
    <message>
        <source>Playing a movie</source>
        <translation>Reproduciendo una película</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save Frame As</source>
        <translation>Guardar fotograma como</translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation>Cargar archivo de subtítulos</translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation>Archivos QuickTime</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Subtitle Files</source>
        <translation>Archivos de subtítulos</translation>
    </message>
    <message>
        <source>PNG Images</source>
        <translation>Imágenes PNG</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Enter URL for QuickTime Movie</source>
        <translation>Introduzca la URL de la película QuickTime</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Ostrun. Free software under the MIT licence.</source>
        <translation>Copyright (C) 2026 Ostrun. Software libre bajo la licencia MIT.</translation>
    </message>
</context>
<context>
    <name>File menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <translation>Abrir &amp;URL...</translation>
    </message>
    <message>
        <source>&amp;Show List</source>
        <translation>&amp;Mostrar lista</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>Folder list</name>
    <message>
        <source>Movies in this folder</source>
        <translation>Películas de esta carpeta</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
</context>
<context>
    <name>Line over the movie</name>
    <message>
        <source>Volume %1% (muted)</source>
        <translation>Volumen %1&#xa0;% (silenciado)</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>Volumen %1&#xa0;%</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>Velocidad normal</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <extracomment>the speed as the play bar shows it: 1.5×, 0.75×</extracomment>
        <translation>Velocidad %1</translation>
    </message>
    <message>
        <source>Subtitles on time</source>
        <translation>Subtítulos sin retardo</translation>
    </message>
    <message>
        <source>Subtitles %1 s later</source>
        <translation>Subtítulos retrasados %1&#xa0;s</translation>
    </message>
    <message>
        <source>Subtitles %1 s sooner</source>
        <translation>Subtítulos adelantados %1&#xa0;s</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Capítulo %1</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <extracomment>the chapter&apos;s place (from 1), then its title</extracomment>
        <translation>Capítulo %1: %2</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Reproduciendo</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Loop cleared</source>
        <translation>Bucle borrado</translation>
    </message>
    <message>
        <source>Loop from %1</source>
        <translation>Bucle desde %1</translation>
    </message>
    <message>
        <source>Loop %1 to %2</source>
        <translation>Bucle de %1 a %2</translation>
    </message>
    <message>
        <source>Sound on time</source>
        <translation>Sonido sin retardo</translation>
    </message>
    <message>
        <source>Sound %1 ms later</source>
        <translation>Sonido retrasado %1&#xa0;ms</translation>
    </message>
    <message>
        <source>Sound %1 ms sooner</source>
        <translation>Sonido adelantado %1&#xa0;ms</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Silenciado</translation>
    </message>
    <message>
        <source>One frame back</source>
        <translation>Un fotograma atrás</translation>
    </message>
    <message>
        <source>One frame forward</source>
        <translation>Un fotograma adelante</translation>
    </message>
    <message>
        <source>Subtitles off</source>
        <translation>Subtítulos desactivados</translation>
    </message>
    <message>
        <source>Subtitles: %1</source>
        <translation>Subtítulos: %1</translation>
    </message>
    <message>
        <source>Audio: %1</source>
        <translation>Audio: %1</translation>
    </message>
    <message>
        <source>Audio off</source>
        <translation>Audio desactivado</translation>
    </message>
    <message>
        <source>Zoom reset</source>
        <translation>Zoom restablecido</translation>
    </message>
    <message>
        <source>Picture values reset</source>
        <translation>Valores de imagen restablecidos</translation>
    </message>
    <message>
        <source>Output device: automatic</source>
        <translation>Dispositivo de salida: automático</translation>
    </message>
    <message>
        <source>Output device: %1</source>
        <translation>Dispositivo de salida: %1</translation>
    </message>
    <message>
        <source>Hardware decoding off</source>
        <translation>Decodificación por hardware desactivada</translation>
    </message>
    <message>
        <source>Hardware decoding on</source>
        <translation>Decodificación por hardware activada</translation>
    </message>
    <message>
        <source>Aspect ratio: automatic</source>
        <translation>Relación de aspecto: automática</translation>
    </message>
    <message>
        <source>Aspect ratio %1</source>
        <translation>Relación de aspecto %1</translation>
    </message>
    <message>
        <source>Zoom %1%</source>
        <translation>Zoom %1&#xa0;%</translation>
    </message>
    <message>
        <source>%1% left</source>
        <translation>%1&#xa0;% a la izquierda</translation>
    </message>
    <message>
        <source>%1% right</source>
        <translation>%1&#xa0;% a la derecha</translation>
    </message>
    <message>
        <source>%1% up</source>
        <translation>%1&#xa0;% hacia arriba</translation>
    </message>
    <message>
        <source>%1% down</source>
        <translation>%1&#xa0;% hacia abajo</translation>
    </message>
    <message>
        <source>Picture centred</source>
        <translation>Imagen centrada</translation>
    </message>
    <message>
        <source>Picture moved %1</source>
        <extracomment>where the zoomed picture is: &quot;10% right, 5% up&quot;</extracomment>
        <translation>Imagen desplazada %1</translation>
    </message>
    <message>
        <source>Fill Window on</source>
        <translation>Llenar la ventana: activado</translation>
    </message>
    <message>
        <source>Fill Window off</source>
        <translation>Llenar la ventana: desactivado</translation>
    </message>
    <message>
        <source>Not rotated</source>
        <translation>Sin girar</translation>
    </message>
    <message>
        <source>Rotated %1°</source>
        <translation>Girada %1°</translation>
    </message>
    <message>
        <source>Deinterlace: on</source>
        <translation>Desentrelazado: activado</translation>
    </message>
    <message>
        <source>Deinterlace: off</source>
        <translation>Desentrelazado: desactivado</translation>
    </message>
    <message>
        <source>Deinterlace: automatic</source>
        <translation>Desentrelazado: automático</translation>
    </message>
    <message>
        <source>Brightness %1</source>
        <translation>Brillo %1</translation>
    </message>
    <message>
        <source>Contrast %1</source>
        <translation>Contraste %1</translation>
    </message>
    <message>
        <source>Saturation %1</source>
        <translation>Saturación %1</translation>
    </message>
    <message>
        <source>Gamma %1</source>
        <translation>Gamma %1</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;Película</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
</context>
<context>
    <name>Menu on the movie</name>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>a track&apos;s title, then its language</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Pista %1</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Capítulo %1</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>where a chapter starts (0:03), then its title</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation>Cargar archivo de subtítulos...</translation>
    </message>
    <message>
        <source>Sooner</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Capítulos</translation>
    </message>
    <message>
        <source>Previous Movie in Folder</source>
        <translation>Película anterior de la carpeta</translation>
    </message>
    <message>
        <source>Next Movie in Folder</source>
        <translation>Película siguiente de la carpeta</translation>
    </message>
    <message>
        <source>Play Folder Through</source>
        <translation>Reproducir toda la carpeta</translation>
    </message>
    <message>
        <source>Save Frame As...</source>
        <translation>Guardar fotograma como...</translation>
    </message>
    <message>
        <source>Copy Frame</source>
        <translation>Copiar fotograma</translation>
    </message>
    <message>
        <source>Resume Where Left Off</source>
        <translation>Reanudar donde se dejó</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Output Device</source>
        <translation>Dispositivo de salida</translation>
    </message>
    <message>
        <source>A-B Loop</source>
        <translation>Bucle A-B</translation>
    </message>
    <message>
        <source>Set A</source>
        <translation>Establecer A</translation>
    </message>
    <message>
        <source>Set B</source>
        <translation>Establecer B</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Hardware Decoding</source>
        <translation>Decodificación por hardware</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Mover a la izquierda</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Mover a la derecha</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover hacia arriba</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover hacia abajo</translation>
    </message>
    <message>
        <source>Fill Window</source>
        <translation>Llenar la ventana</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>Aumentar el brillo</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>Reducir el brillo</translation>
    </message>
    <message>
        <source>Contrast Up</source>
        <translation>Aumentar el contraste</translation>
    </message>
    <message>
        <source>Contrast Down</source>
        <translation>Reducir el contraste</translation>
    </message>
    <message>
        <source>Saturation Up</source>
        <translation>Aumentar la saturación</translation>
    </message>
    <message>
        <source>Saturation Down</source>
        <translation>Reducir la saturación</translation>
    </message>
    <message>
        <source>Gamma Up</source>
        <translation>Aumentar la gamma</translation>
    </message>
    <message>
        <source>Gamma Down</source>
        <translation>Reducir la gamma</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Relación de aspecto</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Desentrelazado</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>Movie line</name>
    <message>
        <source>Opening… %1</source>
        <translation>Abriendo %1…</translation>
    </message>
    <message>
        <source>%1 is not an address this player opens</source>
        <translation>%1 no es una dirección que este reproductor pueda abrir</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>No se encontró %1</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server answered %2</source>
        <translation>No se pudo abrir %1: el servidor respondió %2</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server refused the connection</source>
        <translation>No se pudo abrir %1: el servidor rechazó la conexión</translation>
    </message>
    <message>
        <source>%1 could not be opened: no server of that name was found</source>
        <translation>No se pudo abrir %1: no se encontró ningún servidor con ese nombre</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server did not answer</source>
        <translation>No se pudo abrir %1: el servidor no respondió</translation>
    </message>
    <message>
        <source>%1 is a web page, and playing one needs yt-dlp: install yt-dlp (%2)</source>
        <extracomment>%2 is how to install yt-dlp: commands, kept as they are</extracomment>
        <translation>%1 es una página web y para reproducirla se necesita yt-dlp: instale yt-dlp (%2)</translation>
    </message>
    <message>
        <source>%1 is a page that holds no video</source>
        <translation>%1 es una página que no contiene ningún vídeo</translation>
    </message>
    <message>
        <source>%1 could not be read by yt-dlp (%2); updating yt-dlp may help</source>
        <extracomment>%2 is yt-dlp&apos;s own message, in English</extracomment>
        <translation>yt-dlp no pudo leer %1 (%2); actualizar yt-dlp puede ayudar</translation>
    </message>
    <message>
        <source>%1 is not a movie, or is in a format this player cannot read</source>
        <translation>%1 no es una película o está en un formato que este reproductor no puede leer</translation>
    </message>
    <message>
        <source>%1 could not be read: permission denied</source>
        <translation>No se pudo leer %1: permiso denegado</translation>
    </message>
    <message>
        <source>%1 could not be played</source>
        <translation>No se pudo reproducir %1</translation>
    </message>
</context>
<context>
    <name>Movie menu</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Rewind</source>
        <translation>Re&amp;bobinar</translation>
    </message>
    <message>
        <source>Show Controls</source>
        <translation>Mostrar controles</translation>
    </message>
    <message>
        <source>Loop Movie</source>
        <translation>Repetir la película</translation>
    </message>
    <message>
        <source>Play Last Movie at Startup</source>
        <translation>Reproducir la última película al iniciar</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Tamaño original</translation>
    </message>
    <message>
        <source>Stay On &amp;Top</source>
        <translation>Siempre &amp;encima</translation>
    </message>
</context>
<context>
    <name>Play bar</name>
    <message>
        <source>Play bar</source>
        <translation>Barra de reproducción</translation>
    </message>
    <message>
        <source>Play or pause, seek bar, elapsed and total time, mute and volume</source>
        <translation type="vanished">Reproducir o pausar, barra de progreso, tiempo transcurrido y total, silencio y volumen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Seek bar</source>
        <translation>Barra de progreso</translation>
    </message>
    <message>
        <source>Elapsed and total time</source>
        <translation>Tiempo transcurrido y total</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Activar sonido</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>Volumen %1&#xa0;%</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>the volume&apos;s value, in percent</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>the time played, then the movie&apos;s length: 1:02 of 5:00</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
</context>
</TS>
