<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CCommonDialogs</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>ConsoleRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Línea de órdenes vacía</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>Falló CreatePipe. Error: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>No se encontró el archivo o la orden</translation>
    </message>
</context>
<context>
    <name>DecodeSpace</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: its decoded sound needs %2 of free space in %3, but only %4 are free. Make room there and open it again.</source>
        <translation>No se puede abrir «%1»: su sonido decodificado necesita %2 de espacio libre en %3, pero solo hay %4 libres. Libera espacio allí y vuelve a abrirlo.</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <translation>%1 kB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
</context>
<context>
    <name>EditorActions</name>
    <message>
        <source>Open Audio File(&amp;O)</source>
        <translation>&amp;Abrir archivo de audio</translation>
    </message>
    <message>
        <source>Close Audio File(&amp;C)</source>
        <translation>&amp;Cerrar archivo de audio</translation>
    </message>
    <message>
        <source>Save RingTone(&amp;S)</source>
        <translation>&amp;Guardar tono de llamada</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Random RingTone Cutter(&amp;R)</source>
        <translation>Tono de llamada &amp;aleatorio</translation>
    </message>
    <message>
        <source>Send RingTone to Friends(&amp;S)</source>
        <translation>&amp;Enviar tono de llamada a amigos</translation>
    </message>
    <message>
        <source>Setting(&amp;S)</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Play/Pause(&amp;P)</source>
        <translation>&amp;Reproducir/Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Select Start Position(&amp;B)</source>
        <translation>Marcar el &amp;inicio</translation>
    </message>
    <message>
        <source>Select End Position(&amp;E)</source>
        <translation>Marcar el &amp;final</translation>
    </message>
    <message>
        <source>Play Selected Section(&amp;P)</source>
        <translation>Reproducir la &amp;selección</translation>
    </message>
    <message>
        <source>Loop Selected Section(&amp;L)</source>
        <translation>Selección en &amp;bucle</translation>
    </message>
    <message>
        <source>Undo Selection(&amp;U)</source>
        <translation>&amp;Deshacer selección</translation>
    </message>
    <message>
        <source>Redo Selection(&amp;D)</source>
        <translation>&amp;Rehacer selección</translation>
    </message>
    <message>
        <source>Playhead to Start</source>
        <translation>Cabezal al inicio</translation>
    </message>
    <message>
        <source>Playhead to End</source>
        <translation>Cabezal al final</translation>
    </message>
    <message>
        <source>Playhead to Selection Start</source>
        <translation>Cabezal al inicio de la selección</translation>
    </message>
    <message>
        <source>Playhead to Selection End</source>
        <translation>Cabezal al final de la selección</translation>
    </message>
    <message>
        <source>Back 1 Second</source>
        <translation>Retroceder 1 segundo</translation>
    </message>
    <message>
        <source>Forward 1 Second</source>
        <translation>Avanzar 1 segundo</translation>
    </message>
    <message>
        <source>Back 10 Seconds</source>
        <translation>Retroceder 10 segundos</translation>
    </message>
    <message>
        <source>Forward 10 Seconds</source>
        <translation>Avanzar 10 segundos</translation>
    </message>
    <message>
        <source>Zoom In(&amp;I)</source>
        <translation>A&amp;mpliar</translation>
    </message>
    <message>
        <source>Zoom Out(&amp;O)</source>
        <translation>Red&amp;ucir</translation>
    </message>
    <message>
        <source>Whole File(&amp;W)</source>
        <translation>Archivo &amp;completo</translation>
    </message>
    <message>
        <source>Zoom to Selection(&amp;Z)</source>
        <translation>&amp;Zoom a la selección</translation>
    </message>
    <message>
        <source>Stop the Transcoder</source>
        <translation>Detener el transcodificador</translation>
    </message>
    <message>
        <source>Find the Hook(&amp;H)</source>
        <translation>Buscar el estribillo(&amp;H)</translation>
    </message>
    <message>
        <source>Trim Silence(&amp;T)</source>
        <translation>Recortar silencios(&amp;T)</translation>
    </message>
    <message>
        <source>Snap to Beats(&amp;N)</source>
        <translation>Ajustar a los tiempos(&amp;N)</translation>
    </message>
</context>
<context>
    <name>EditorSession</name>
    <message>
        <source>No file open</source>
        <translation>Ningún archivo abierto</translation>
    </message>
    <message>
        <source>The playhead is at the end of the file: press Home to play from the start.</source>
        <translation>El cabezal está al final del archivo: pulsa Inicio para reproducir desde el principio.</translation>
    </message>
    <message>
        <source>The begin was not set: it must lie before the end (%1). Move the playhead back.</source>
        <translation>No se marcó el inicio: debe estar antes del final (%1). Mueve el cabezal hacia atrás.</translation>
    </message>
    <message>
        <source>The end was not set: it must not lie before the begin (%1). Move the playhead on.</source>
        <translation>No se marcó el final: no puede estar antes del inicio (%1). Mueve el cabezal hacia delante.</translation>
    </message>
    <message>
        <source>Please play the music first</source>
        <translation>Primero reproduce la música</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>This sound is too short for a random ring tone of more than five seconds.</source>
        <translation>Este sonido es demasiado corto para un tono de llamada aleatorio de más de cinco segundos.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>I ve cut music by TuneSnip!</source>
        <translation>¡He cortado música con TuneSnip!</translation>
    </message>
    <message>
        <source>I ve cut music by TuneSnip! You can see more detail here: </source>
        <translation>¡He cortado música con TuneSnip! Puedes ver más detalles aquí: </translation>
    </message>
    <message>
        <source>Could not start a mail program for a message to %1.</source>
        <translation>No se pudo iniciar un programa de correo para un mensaje a %1.</translation>
    </message>
    <message>
        <source>Feedback/Bug Report</source>
        <translation>Comentarios/Informe de errores</translation>
    </message>
    <message>
        <source>Could not start a mail program. Please write to %1.</source>
        <translation>No se pudo iniciar un programa de correo. Escribe a %1.</translation>
    </message>
    <message>
        <source>Could not open the help page &quot;%1&quot;: no program to show it was found.</source>
        <translation>No se pudo abrir la página de ayuda «%1»: no se encontró ningún programa para mostrarla.</translation>
    </message>
    <message>
        <source>Saving &quot;%1&quot; is not finished.<byte value="xd"/>
Quit anyway? The save stops and the file is left as it was before.</source>
        <translation>El guardado de «%1» no ha terminado.<byte value="xd"/>
¿Salir de todos modos? El guardado se detiene y el archivo queda como estaba.</translation>
    </message>
    <message>
        <source>Are you sure to quit?</source>
        <translation>¿Seguro que quieres salir?</translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation>Todos los archivos compatibles</translation>
    </message>
    <message>
        <source>MP3 Files(*.mp3)</source>
        <translation>Archivos MP3(*.mp3)</translation>
    </message>
    <message>
        <source>WMA Files(*.wma)</source>
        <translation>Archivos WMA(*.wma)</translation>
    </message>
    <message>
        <source>WAV Files(*.wav)</source>
        <translation>Archivos WAV(*.wav)</translation>
    </message>
    <message>
        <source>AMR Files(*.amr)</source>
        <translation>Archivos AMR(*.amr)</translation>
    </message>
    <message>
        <source>WMV Files(*.wmv)</source>
        <translation>Archivos WMV(*.wmv)</translation>
    </message>
    <message>
        <source>AVI Files(*.avi)</source>
        <translation>Archivos AVI(*.avi)</translation>
    </message>
    <message>
        <source>MPG Files(*.mpg)</source>
        <translation>Archivos MPG(*.mpg)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Todos los archivos(*.*)</translation>
    </message>
    <message>
        <source>Current Audio file will be closed, are you sure?</source>
        <translation>Se cerrará el archivo de audio actual. ¿Estás seguro?</translation>
    </message>
    <message>
        <source>Close Current File</source>
        <translation>Cerrar el archivo actual</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Abrir archivos</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a regular file.</source>
        <translation>No se puede abrir «%1»: no es un archivo normal.</translation>
    </message>
    <message>
        <source>Cannot decode &quot;%1&quot;: the temporary folder is not usable (%2).</source>
        <translation>No se puede decodificar «%1»: la carpeta temporal no se puede usar (%2).</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;</source>
        <translation>No se pudo abrir «%1»</translation>
    </message>
    <message>
        <source>: it holds no sound that can be decoded.</source>
        <translation>: no contiene ningún sonido que se pueda decodificar.</translation>
    </message>
    <message>
        <source>Nothing to save: open a file first.</source>
        <translation>Nada que guardar: primero abre un archivo.</translation>
    </message>
    <message>
        <source>Nothing to save: mark a begin and an end first (B and E).</source>
        <translation>Nada que guardar: primero marca un inicio y un final (B y E).</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: the name must end in %2.</source>
        <translation>No se puede guardar «%1»: el nombre debe terminar en %2.</translation>
    </message>
    <message>
        <source>Cannot save over the sound being edited: choose another name.</source>
        <translation>No se puede guardar encima del sonido que se está editando: elige otro nombre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>«%1» ya existe.<byte value="xd"/>
¿Quieres reemplazarlo?</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;</source>
        <translation>No se pudo guardar «%1»</translation>
    </message>
    <message>
        <source>Saved &quot;%1&quot;. %2.</source>
        <translation>«%1» guardado. %2.</translation>
    </message>
    <message>
        <source>Could not open the folder &quot;%1&quot;: no file manager was found.</source>
        <translation>No se pudo abrir la carpeta «%1»: no se encontró ningún gestor de archivos.</translation>
    </message>
    <message>
        <source>Playing the selection waits until the file is decoded.</source>
        <translation>La reproducción de la selección espera a que se decodifique el archivo.</translation>
    </message>
    <message>
        <source>Looping the selection waits until the file is decoded.</source>
        <translation>La selección en bucle espera a que se decodifique el archivo.</translation>
    </message>
    <message>
        <source>Type a time as seconds (83, 83.5 or 83,5), minutes and seconds (1:23, 1:23.45) or hours, minutes and seconds (1:02:03.5).</source>
        <translation>Escribe un tiempo en segundos (83, 83.5 o 83,5), minutos y segundos (1:23, 1:23.45) u horas, minutos y segundos (1:02:03.5).</translation>
    </message>
    <message>
        <source>The file ends at %1.</source>
        <translation>El archivo termina en %1.</translation>
    </message>
    <message>
        <source>The end must lie after the begin (%1).</source>
        <translation>El final debe estar después del inicio (%1).</translation>
    </message>
    <message>
        <source>The begin must lie before the end (%1).</source>
        <translation>El inicio debe estar antes del final (%1).</translation>
    </message>
    <message>
        <source>The random cutter waits until the file is decoded.</source>
        <translation>El corte aleatorio espera a que se decodifique el archivo.</translation>
    </message>
    <message>
        <source>Saving waits until the file is decoded.</source>
        <translation>Para guardar hay que esperar a que se decodifique el archivo.</translation>
    </message>
    <message>
        <source>Finding the hook waits until the file is decoded.</source>
        <translation>La búsqueda del estribillo espera a que se decodifique el archivo.</translation>
    </message>
    <message>
        <source>Trimming silence waits until the file is decoded.</source>
        <translation>El recorte de silencios espera a que se decodifique el archivo.</translation>
    </message>
</context>
<context>
    <name>EffectsSettings</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Fade %1</source>
        <translation>Fundido %1</translation>
    </message>
    <message>
        <source>Fade in %1</source>
        <translation>Entrada %1</translation>
    </message>
    <message>
        <source>Fade out %1</source>
        <translation>Salida %1</translation>
    </message>
    <message>
        <source>−%1 LUFS</source>
        <translation>−%1 LUFS</translation>
    </message>
</context>
<context>
    <name>FileHistory</name>
    <message>
        <source> (ring tone).mp3</source>
        <translation> (tono de llamada).mp3</translation>
    </message>
</context>
<context>
    <name>HookSearch</name>
    <message>
        <source>the decoded sound could not be read</source>
        <translation>no se pudo leer el sonido decodificado</translation>
    </message>
</context>
<context>
    <name>OpenRequests</name>
    <message>
        <source>
File not found.
Check the file name and try again.</source>
        <translation>
No se encontró el archivo.
Comprueba el nombre del archivo e inténtalo de nuevo.</translation>
    </message>
</context>
<context>
    <name>PhoneLength</name>
    <message>
        <source>iPhone plays ring tones of up to %1 seconds; this one is %2 seconds long and will stop after %1 seconds when it rings.<byte value="xd"/>
<byte value="xd"/>
Save it anyway?</source>
        <translation>El iPhone reproduce tonos de llamada de hasta %1 segundos; este dura %2 segundos y se cortará a los %1 segundos cuando suene.<byte value="xd"/>
<byte value="xd"/>
¿Guardarlo de todos modos?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>An iPhone ring tone may be at most %1 seconds long; this selection is %2 seconds.<byte value="xd"/>
<byte value="xd"/>
Make the selection %1 seconds or shorter (%3 or less is best), or save it in another format.</source>
        <translation>Un tono de llamada de iPhone puede durar como máximo %1 segundos; esta selección dura %2 segundos.<byte value="xd"/>
<byte value="xd"/>
Reduce la selección a %1 segundos o menos (lo mejor es %3 o menos) o guárdala en otro formato.</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>Cannot play the sound: no audio output could be opened. Another program may be using it.</source>
        <translation>No se puede reproducir el sonido: no se pudo abrir ninguna salida de audio. Puede que otro programa la esté usando.</translation>
    </message>
    <message>
        <source>Cannot play the sound: its decoded copy is missing. Open the file again.</source>
        <translation>No se puede reproducir el sonido: falta su copia decodificada. Vuelve a abrir el archivo.</translation>
    </message>
    <message>
        <source>Cannot play the sound: its decoded copy is damaged. Open the file again.</source>
        <translation>No se puede reproducir el sonido: su copia decodificada está dañada. Vuelve a abrir el archivo.</translation>
    </message>
    <message>
        <source>Cannot play the sound (media error %1).</source>
        <translation>No se puede reproducir el sonido (error multimedia %1).</translation>
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
    <name>QObject</name>
    <message>
        <source>Back One Step</source>
        <translation>Retroceder un paso</translation>
    </message>
    <message>
        <source>Forward One Step</source>
        <translation>Avanzar un paso</translation>
    </message>
    <message>
        <source>Hear the Start, 2 s(&amp;B)</source>
        <translation>Escuchar el &amp;inicio, 2 s</translation>
    </message>
    <message>
        <source>Hear the End, 2 s(&amp;E)</source>
        <translation>Escuchar el &amp;final, 2 s</translation>
    </message>
    <message>
        <source>%1: hear 2 s</source>
        <translation>%1: escuchar 2 s</translation>
    </message>
</context>
<context>
    <name>RunFailure</name>
    <message>
        <source>The transcoder was stopped by signal %1 (%2).</source>
        <translation>El transcodificador fue detenido por la señal %1 (%2).</translation>
    </message>
    <message>
        <source>The transcoder ended with exit code %1.</source>
        <translation>El transcodificador terminó con el código de salida %1.</translation>
    </message>
    <message>
        <source>The transcoder wrote no file.</source>
        <translation>El transcodificador no escribió ningún archivo.</translation>
    </message>
</context>
<context>
    <name>SaveFormats</name>
    <message>
        <source>MP3 Files(*.mp3)</source>
        <translation>Archivos MP3(*.mp3)</translation>
    </message>
    <message>
        <source>WMA Files(*.wma)</source>
        <translation>Archivos WMA(*.wma)</translation>
    </message>
    <message>
        <source>WAV Files(*.wav)</source>
        <translation>Archivos WAV(*.wav)</translation>
    </message>
    <message>
        <source>AMR Files(*.amr)</source>
        <translation>Archivos AMR(*.amr)</translation>
    </message>
    <message>
        <source>M4R iPhone ring tone(*.m4r)</source>
        <translation>Tono de llamada de iPhone M4R(*.m4r)</translation>
    </message>
    <message>
        <source>M4A Files(*.m4a)</source>
        <translation>Archivos M4A(*.m4a)</translation>
    </message>
    <message>
        <source>OGG Files(*.ogg)</source>
        <translation>Archivos OGG(*.ogg)</translation>
    </message>
    <message>
        <source>FLAC Files(*.flac)</source>
        <translation>Archivos FLAC(*.flac)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
</context>
<context>
    <name>SelectionHelpers</name>
    <message>
        <source>The song is still being analysed (Esc stops).</source>
        <translation>La canción aún se está analizando (Esc detiene).</translation>
    </message>
    <message>
        <source>Finding the hook: %1 % (Esc stops)</source>
        <translation>Buscando el estribillo: %1 % (Esc detiene)</translation>
    </message>
    <message>
        <source>No hook was found in this sound.</source>
        <translation>No se encontró ningún estribillo en este sonido.</translation>
    </message>
    <message>
        <source>Hook %1 of %2, score %3, at %4. H: the next one</source>
        <translation>Estribillo %1 de %2, puntuación %3, en %4. H: el siguiente</translation>
    </message>
    <message>
        <source>Looking for silence (Esc stops).</source>
        <translation>Buscando silencios (Esc detiene).</translation>
    </message>
    <message>
        <source>The selection changed meanwhile: press T again.</source>
        <translation>La selección ha cambiado entretanto: pulsa T de nuevo.</translation>
    </message>
    <message>
        <source>Nothing to trim: sound from %1 to %2.</source>
        <translation>Nada que recortar: sonido de %1 a %2.</translation>
    </message>
    <message>
        <source>Trimmed to the sound: %1 to %2.</source>
        <translation>Recortado al sonido: %1 a %2.</translation>
    </message>
    <message>
        <source>No audible sound in the selection: nothing was trimmed.</source>
        <translation>No hay sonido audible en la selección: no se recortó nada.</translation>
    </message>
    <message>
        <source>The hook search was stopped.</source>
        <translation>Se detuvo la búsqueda del estribillo.</translation>
    </message>
    <message>
        <source>Trimming was stopped.</source>
        <translation>Se detuvo el recorte.</translation>
    </message>
    <message>
        <source>The sound could not be analysed: %1.</source>
        <translation>No se pudo analizar el sonido: %1.</translation>
    </message>
</context>
<context>
    <name>SelectionPreview</name>
    <message>
        <source>Could not prepare the selection with its fades and loudness.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>No se pudo preparar la selección con sus fundidos y su sonoridad.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>SettingsAccessibility</name>
    <message>
        <source>After saving, open the folder</source>
        <translation>Tras guardar, abrir la carpeta</translation>
    </message>
    <message>
        <source>After saving, play a sound</source>
        <translation>Tras guardar, reproducir un sonido</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Sonoridad</translation>
    </message>
    <message>
        <source>After Saving</source>
        <translation>Tras guardar</translation>
    </message>
    <message>
        <source>Ring-Tone Effects</source>
        <translation>Efectos del tono de llamada</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Stores the settings and closes the window</source>
        <translation>Guarda la configuración y cierra la ventana</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Closes the window without storing (Esc)</source>
        <translation>Cierra la ventana sin guardar (Esc)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Get started</source>
        <translation>Primeros pasos</translation>
    </message>
    <message>
        <source>Make a ring tone in three easy steps</source>
        <translation>Un tono de llamada en tres sencillos pasos</translation>
    </message>
    <message>
        <source>Click</source>
        <extracomment>Step one: the word before the document icon, which stands at a fixed place 50 pixels on.</extracomment>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>to open an audio or video file</source>
        <extracomment>Step one: the words after the document icon.</extracomment>
        <translation>para abrir audio o vídeo</translation>
    </message>
    <message>
        <source>%1 it and mark the %2 and the %3</source>
        <extracomment>Step two; %1 is &quot;Play&quot;, %2 &quot;begin&quot; and %3 &quot;end&quot;, drawn in bold. About 370 pixels.</extracomment>
        <translation>%1 y marque el %2 y el %3</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzca</translation>
    </message>
    <message>
        <source>begin</source>
        <translation>inicio</translation>
    </message>
    <message>
        <source>end</source>
        <translation>final</translation>
    </message>
    <message>
        <source>%1 your ring tone as MP3, M4R, OGG and more</source>
        <extracomment>Step three; %1 is &quot;Save&quot;, drawn in bold. About 630 pixels.</extracomment>
        <translation>%1 su tono de llamada en MP3, M4R, OGG y más</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>the bold word of step three</comment>
        <translation>Guarde</translation>
    </message>
    <message>
        <source>Opens MP3, WMA, WAV, AMR, WMV, AVI, MPG and more</source>
        <translation>Abre MP3, WMA, WAV, AMR, WMV, AVI, MPG y más</translation>
    </message>
    <message>
        <source>File(F)</source>
        <extracomment>A menu name; keep &quot;(F)&quot;: Alt+F opens the menu in every language.</extracomment>
        <translation>Archivo(F)</translation>
    </message>
    <message>
        <source>Tools(T)</source>
        <extracomment>A menu name; keep &quot;(T)&quot;: Alt+T opens the menu in every language.</extracomment>
        <translation>Útiles(T)</translation>
    </message>
    <message>
        <source>Setting(S)</source>
        <extracomment>A menu name; keep &quot;(S)&quot;: Alt+S opens the menu in every language.</extracomment>
        <translation>Ajustes(S)</translation>
    </message>
    <message>
        <source>About(A)</source>
        <extracomment>A menu name; keep &quot;(A)&quot;: Alt+A opens the menu in every language.</extracomment>
        <translation>Acerca(A)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>POSITION</source>
        <translation>POSICIÓN</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Opinión</translation>
    </message>
    <message>
        <source>Cut the best part. Ring with it.</source>
        <translation>Corta lo mejor. Úsalo de tono.</translation>
    </message>
    <message>
        <source>Click the track to seek · drag a handle to move it</source>
        <translation>Pulse la pista para ir · arrastre un tirador para moverlo</translation>
    </message>
    <message>
        <source>Playhead</source>
        <translation>Cabezal</translation>
    </message>
    <message>
        <source>Decoding...</source>
        <translation>Decodificando...</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Guardando...</translation>
    </message>
</context>
<context>
    <name>SkinLabelAccessible</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Cuts a piece out of an audio or video file and saves it as a ring tone.</source>
        <translation>Corta un fragmento de un archivo de audio o vídeo y lo guarda como tono de llamada.</translation>
    </message>
    <message>
        <source>Quit as soon as FILE is open (status 0) or could not be opened (status 1). Messages go to standard error. For tests.</source>
        <translation>Salir en cuanto FILE esté abierto (estado 0) o no se haya podido abrir (estado 1). Los mensajes van a la salida de error estándar. Para pruebas.</translation>
    </message>
    <message>
        <source>Speak the language CODE (de, fr, es, pt_BR, ru, zh_CN; en for English) instead of the desktop&apos;s.</source>
        <translation>Usar el idioma CODE (de, fr, es, pt_BR, ru, zh_CN; en para inglés) en lugar del del escritorio.</translation>
    </message>
    <message>
        <source>The audio or video file to open.</source>
        <translation>El archivo de audio o vídeo que se abrirá.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [FILE]</source>
        <translation>Uso: %1 [opciones] [FILE]</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Pruebe «%1 --help» para más información.
</translation>
    </message>
    <message>
        <source>%1: --quit-after-open needs a FILE
</source>
        <translation>%1: --quit-after-open necesita un archivo (FILE)
</translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <source>cannot create %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>cannot inspect %1</source>
        <translation>no se puede examinar %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>cannot make %1 private</source>
        <translation>no se puede hacer privada %1</translation>
    </message>
</context>
<context>
    <name>TimelineAccessible</name>
    <message>
        <source>Selection from %1 to %2</source>
        <translation>Selección de %1 a %2</translation>
    </message>
    <message>
        <source>Selection begins at %1</source>
        <translation>La selección empieza en %1</translation>
    </message>
    <message>
        <source>Selection ends at %1</source>
        <translation>La selección termina en %1</translation>
    </message>
    <message>
        <source>No selection</source>
        <translation>Sin selección</translation>
    </message>
    <message>
        <source>Playhead at %1</source>
        <translation>Cabezal en %1</translation>
    </message>
    <message>
        <source>The arrow keys move the selection begin</source>
        <translation>Las flechas mueven el inicio de la selección</translation>
    </message>
    <message>
        <source>The arrow keys move the selection end</source>
        <translation>Las flechas mueven el final de la selección</translation>
    </message>
    <message>
        <source>The arrow keys move the playhead</source>
        <translation>Las flechas mueven el cabezal</translation>
    </message>
    <message>
        <source>%1. %2. %3.</source>
        <translation>%1. %2. %3.</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Línea de tiempo</translation>
    </message>
</context>
<context>
    <name>TimelinePainter</name>
    <message>
        <source>Loop</source>
        <translation>Bucle</translation>
    </message>
    <message>
        <source>Decoding… %1%</source>
        <translation>Decodificando… %1%</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>- Ver %1.%2.%3</source>
        <translation>- Ver. %1.%2.%3</translation>
    </message>
    <message>
        <source>Open a Media File</source>
        <translation>Abrir un archivo multimedia</translation>
    </message>
    <message>
        <source>Save Music</source>
        <translation>Guardar la música</translation>
    </message>
    <message>
        <source>Random Music Cutter</source>
        <translation>Cortador aleatorio de música</translation>
    </message>
    <message>
        <source>Send Music to Your Friends</source>
        <translation>Enviar la música a tus amigos</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Select Start Position</source>
        <translation>Marcar el inicio</translation>
    </message>
    <message>
        <source>Select End Position</source>
        <translation>Marcar el final</translation>
    </message>
    <message>
        <source>Play Selected Section</source>
        <translation>Reproducir la selección</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Send Bug Report &amp; Feedback to us</source>
        <translation>Envíanos informes de errores y comentarios</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Ring-tone effects of every save: click to change them</source>
        <translation>Efectos de tono de llamada de cada guardado: haz clic para cambiarlos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Random Cut</source>
        <translation>Corte aleatorio</translation>
    </message>
    <message>
        <source>Send to Friends</source>
        <translation>Enviar a amigos</translation>
    </message>
    <message>
        <source>Play Selection</source>
        <translation>Reproducir la selección</translation>
    </message>
    <message>
        <source>Save Ring Tone</source>
        <translation>Guardar tono de llamada</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Opens the %1 menu (%2)</source>
        <translation>Abre el menú %1 (%2)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Asks whether to quit</source>
        <translation>Pregunta si se desea salir</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Enviar comentarios</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Tiempo actual</translation>
    </message>
    <message>
        <source>Selection begin</source>
        <translation>Inicio de la selección</translation>
    </message>
    <message>
        <source>Selection end</source>
        <translation>Final de la selección</translation>
    </message>
    <message>
        <source>Selection length</source>
        <translation>Duración de la selección</translation>
    </message>
    <message>
        <source>View begin</source>
        <translation>Inicio de la vista</translation>
    </message>
    <message>
        <source>View end</source>
        <translation>Final de la vista</translation>
    </message>
    <message>
        <source>View length</source>
        <translation>Duración de la vista</translation>
    </message>
    <message>
        <source>Ring-tone effects</source>
        <translation>Efectos del tono de llamada</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Sugerencia</translation>
    </message>
    <message>
        <source>The open file&apos;s path</source>
        <translation>Ruta del archivo abierto</translation>
    </message>
    <message>
        <source>Click to type a time, as 83.5, 1:23.45 or 1:02:03.5</source>
        <translation>Haz clic para escribir un tiempo, como 83.5, 1:23.45 o 1:02:03.5</translation>
    </message>
    <message>
        <source>Closes the open file, after asking</source>
        <translation>Cierra el archivo abierto, tras preguntar</translation>
    </message>
    <message>
        <source>Decoding the file</source>
        <translation>Decodificando el archivo</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Guardando</translation>
    </message>
</context>
<context>
    <name>frmMenu</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Recent Files(&amp;R)</source>
        <translation>Archivos &amp;recientes</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>frmSetting</name>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>O K</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>Abrir la carpeta</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>No hacer nada</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>What happens after saving a cut</source>
        <translation>Qué ocurre después de guardar un corte</translation>
    </message>
    <message>
        <source>Fades and loudness of the ring tone</source>
        <translation>Fundidos y sonoridad del tono de llamada</translation>
    </message>
    <message>
        <source>−16 LUFS, for phones</source>
        <translation>−16 LUFS, para teléfonos</translation>
    </message>
    <message>
        <source>−14 LUFS, as loud as streaming</source>
        <translation>−14 LUFS, tan alto como el streaming</translation>
    </message>
    <message>
        <source>−23 LUFS, EBU R 128</source>
        <translation>−23 LUFS, UER R 128</translation>
    </message>
    <message>
        <source>After saving</source>
        <translation>Al guardar</translation>
    </message>
    <message>
        <source>Ring tone</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>When a cut has been saved:</source>
        <translation>Cuando se ha guardado un corte:</translation>
    </message>
    <message>
        <source>Show the folder that holds the new file, or leave it be.</source>
        <translation>Mostrar la carpeta del archivo nuevo, o no.</translation>
    </message>
    <message>
        <source>Play the completion sound:</source>
        <translation>Reproducir el sonido final:</translation>
    </message>
    <message>
        <source>Fade in:</source>
        <translation>Entrada:</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>Fades soften the start and the end of the tone.</source>
        <translation>Los fundidos suavizan el inicio y el final.</translation>
    </message>
    <message>
        <source>Loudness (peaks held under −1 dBTP):</source>
        <translation>Sonoridad (picos bajo −1 dBTP):</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Graphics...</source>
        <translation>Gráficos...</translation>
    </message>
    <message>
        <source>Components...</source>
        <translation>Componentes...</translation>
    </message>
</context>
</TS>
