<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Cuedeck</name>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source> for Tape Groups</source>
        <translation> para grupos de cintas</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Quiere reemplazarlo?</translation>
    </message>
    <message>
        <source>%1 are taken by other programs</source>
        <translation>%1 están ocupadas por otros programas</translation>
    </message>
    <message>
        <source>%1 cannot build what %2 needs (an older %1 or FFmpeg), so it is off.</source>
        <translation>%1 no puede construir lo que %2 necesita (un %1 o un FFmpeg antiguo), así que queda desactivado.</translation>
    </message>
    <message>
        <source>%1 holds no recordings (.mp3 or .wav files)</source>
        <translation>%1 no contiene grabaciones (archivos .mp3 o .wav)</translation>
    </message>
    <message>
        <source>%1 is not installed: install the package %1</source>
        <translation>%1 no está instalado: instale el paquete %1</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 está ocupada por otro programa</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened. Replace it with this place?</source>
        <translation>Otro programa cambió %1 desde que se abrió. ¿Reemplazarlo con este punto?</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;About Cuedeck...</source>
        <translation>&amp;Acerca de Cuedeck...</translation>
    </message>
    <message>
        <source>&amp;Both Channels</source>
        <translation>&amp;Ambos canales</translation>
    </message>
    <message>
        <source>&amp;Copy Place</source>
        <translation>&amp;Copiar punto</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Even Out Loudness</source>
        <translation>&amp;Igualar volumen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Go To Place...</source>
        <translation>&amp;Ir a un punto...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Loop a Stretch</source>
        <translation>&amp;Repetir un tramo</translation>
    </message>
    <message>
        <source>&amp;Louder than 100 %</source>
        <translation>Más &amp;fuerte que 100 %</translation>
    </message>
    <message>
        <source>&amp;New Tape Group...</source>
        <translation>&amp;Nuevo grupo de cintas...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Right Channel Only</source>
        <translation>Solo canal &amp;derecho</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Ajustes...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Voice Band</source>
        <translation>Banda de &amp;voz</translation>
    </message>
    <message>
        <source>5 Seconds&gt;&gt;</source>
        <translation>5 segundos&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;5 Seconds</source>
        <translation>&lt;&lt;5 segundos</translation>
    </message>
    <message>
        <source>&lt;&lt;Last Tip</source>
        <translation>&lt;&lt;Pista ant.</translation>
    </message>
    <message>
        <source>Another program holds the keypad %1: its keys act there too.</source>
        <translation>Otro programa tiene el teclado numérico %1: sus teclas también actúan allí.</translation>
    </message>
    <message>
        <source>Cannot read the keypad %1: permission denied.
To give yourself access, put this line into %2 (as root), then unplug the keypad and plug it in again:
%3</source>
        <translation>No se puede leer el teclado numérico %1: permiso denegado.
Para darse acceso, ponga esta línea en %2 (como root), luego desconecte el teclado numérico y vuelva a conectarlo:
%3</translation>
    </message>
    <message>
        <source>Choose the keypad's device first.</source>
        <translation>Elija primero el dispositivo del teclado numérico.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Key %1 runs:</source>
        <translation>La tecla %1 ejecuta:</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Teclado numérico</translation>
    </message>
    <message>
        <source>Keypad disconnected</source>
        <translation>Teclado numérico desconectado</translation>
    </message>
    <message>
        <source>Keypad...</source>
        <translation>Teclado numérico...</translation>
    </message>
    <message>
        <source>Keypad: %1 keys</source>
        <translation>Teclado numérico: %1 teclas</translation>
    </message>
    <message>
        <source>Keypad: none</source>
        <translation>Teclado numérico: ninguno</translation>
    </message>
    <message>
        <source>Keypad: not an input device</source>
        <translation>Teclado numérico: no es un dispositivo de entrada</translation>
    </message>
    <message>
        <source>Learn a keypad key</source>
        <translation>Aprender una tecla del teclado numérico</translation>
    </message>
    <message>
        <source>Play while held, pause when let go</source>
        <translation>Reproducir mientras se mantiene, pausa al soltar</translation>
    </message>
    <message>
        <source>Press a key on the keypad</source>
        <translation>Pulse una tecla del teclado numérico</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Ejecuta</translation>
    </message>
    <message>
        <source>a name in it holds a line break</source>
        <translation>un nombre contiene un salto de línea</translation>
    </message>
    <message>
        <source>a playlist cannot hold its name</source>
        <translation>una lista no puede contener su nombre</translation>
    </message>
    <message>
        <source>a playlist inside a playlist is not played</source>
        <translation>una lista dentro de una lista no se reproduce</translation>
    </message>
    <message>
        <source>A tape group remote for a media player</source>
        <translation>Un mando de grupos de cintas para un reproductor multimedia</translation>
    </message>
    <message>
        <source>About Cuedeck</source>
        <translation>Acerca de Cuedeck</translation>
    </message>
    <message>
        <source>Amovie</source>
        <translation>Amovie</translation>
    </message>
    <message>
        <source>Another program holds the foot pedal %1: its presses act there too.</source>
        <translation>Otro programa tiene el pedal %1: sus pulsaciones también actúan allí.</translation>
    </message>
    <message>
        <source>Back Time</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>retroceso</translation>
    </message>
    <message>
        <source>Both Channels &amp;Mixed</source>
        <translation>Ambos canales &amp;mezclados</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cannot find %1
(%2)</source>
        <translation>No se encuentra %1
(%2)</translation>
    </message>
    <message>
        <source>Cannot go to %1: tip %2 is %3 long</source>
        <translation>No se puede ir a %1: la pista %2 dura %3</translation>
    </message>
    <message>
        <source>Cannot go to a place: no playlist is open</source>
        <translation>No se puede ir a un punto: no hay ninguna lista abierta</translation>
    </message>
    <message>
        <source>Cannot go to tip %1: the playlist has %2 tips</source>
        <translation>No se puede ir a la pista %1: la lista tiene %2 pistas</translation>
    </message>
    <message>
        <source>Cannot go to tip %1: the playlist has 1 tip</source>
        <translation>No se puede ir a la pista %1: la lista tiene 1 pista</translation>
    </message>
    <message>
        <source>Cannot make a tape group of %1: %2</source>
        <translation>No se puede hacer un grupo de cintas con %1: %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: its playlist %2 cannot be played
(%3)</source>
        <translation>No se puede abrir %1: su lista %2 no se puede reproducir
(%3)</translation>
    </message>
    <message>
        <source>Cannot open %1: its playlist %2 is missing</source>
        <translation>No se puede abrir %1: falta su lista %2</translation>
    </message>
    <message>
        <source>Cannot play %1
(%2)</source>
        <translation>No se puede reproducir %1
(%2)</translation>
    </message>
    <message>
        <source>Cannot read the folder %1</source>
        <translation>No se puede leer la carpeta %1</translation>
    </message>
    <message>
        <source>Cannot read the foot pedal %1: permission denied.
To give yourself access, put this line into %2 (as root), then unplug the pedal and plug it in again:
%3</source>
        <translation>No se puede leer el pedal %1: permiso denegado.
Para darse acceso, ponga esta línea en %2 (como root), luego desconecte el pedal y vuelva a conectarlo:
%3</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>Choose the pedal's device first.</source>
        <translation>Elija primero el dispositivo del pedal.</translation>
    </message>
    <message>
        <source>Clarity aids</source>
        <translation>Ayudas de escucha</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Cuedeck developers</source>
        <translation>Copyright (C) 2026 los desarrolladores de Cuedeck</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>Counter %1, %2 of %3</source>
        <translation>Contador %1, %2 de %3</translation>
    </message>
    <message>
        <source>Ctrl+Shift+</source>
        <translation>Ctrl+Mayús+</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F4 to F12</source>
        <translation>Ctrl+Mayús+F4 a F12</translation>
    </message>
    <message>
        <source>Cuedeck Options</source>
        <translation>Opciones de Cuedeck</translation>
    </message>
    <message>
        <source>cuedeck.html</source>
        <translation>cuedeck.html</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Igualado</translation>
    </message>
    <message>
        <source>F4 to F12</source>
        <translation>F4 a F12</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <source>Foot pedal</source>
        <translation>Pedal</translation>
    </message>
    <message>
        <source>Go To Copied &amp;Place</source>
        <translation>Ir al &amp;punto copiado</translation>
    </message>
    <message>
        <source>Go To Place</source>
        <translation>Ir a un punto</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>ocupa más de 1 MiB</translation>
    </message>
    <message>
        <source>it is no .mp3 or .wav file</source>
        <translation>no es un archivo .mp3 ni .wav</translation>
    </message>
    <message>
        <source>it is not a file on this computer</source>
        <translation>no es un archivo de este equipo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is text, not a recording</source>
        <translation>es texto, no una grabación</translation>
    </message>
    <message>
        <source>its name holds a line break</source>
        <translation>su nombre contiene un salto de línea</translation>
    </message>
    <message>
        <source>Keys work in every window:</source>
        <translation>Teclas en toda ventana:</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Teclas: %1</translation>
    </message>
    <message>
        <source>Le&amp;ft Channel Only</source>
        <translation>Solo canal i&amp;zquierdo</translation>
    </message>
    <message>
        <source>Learn the foot pedal</source>
        <translation>Aprender el pedal</translation>
    </message>
    <message>
        <source>Learn...</source>
        <translation>Aprender...</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>line %1 makes it something else than a list of files</source>
        <translation>la línea %1 la convierte en algo distinto de una lista de archivos</translation>
    </message>
    <message>
        <source>line %1 names %2: %3</source>
        <translation>la línea %1 nombra %2: %3</translation>
    </message>
    <message>
        <source>Locate…</source>
        <translation>Buscar…</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Bucle</translation>
    </message>
    <message>
        <source>Loop %1 –</source>
        <translation>Bucle %1 –</translation>
    </message>
    <message>
        <source>Louder</source>
        <translation>Más fuerte</translation>
    </message>
    <message>
        <source>Middle pedal toggles play/pause</source>
        <translation>El pedal central alterna reproducir/pausa</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mezclado</translation>
    </message>
    <message>
        <source>Music files (*.mp3,*.wav)|*.mp3;*.wav||</source>
        <translation>Archivos de música (*.mp3,*.wav)|*.mp3;*.wav||</translation>
    </message>
    <message>
        <source>New Tape Group from &amp;Folder...</source>
        <translation>Nuevo grupo desde car&amp;peta...</translation>
    </message>
    <message>
        <source>New Tape Group: choose its recordings</source>
        <translation>Nuevo grupo de cintas: elegir sus grabaciones</translation>
    </message>
    <message>
        <source>New Tape Group: choose the folder of its recordings</source>
        <translation>Nuevo grupo de cintas: elegir la carpeta de sus grabaciones</translation>
    </message>
    <message>
        <source>Next Tip&gt;&gt;</source>
        <translation>Pista sig.&gt;&gt;</translation>
    </message>
    <message>
        <source>No playlist is open</source>
        <translation>No hay ninguna lista abierta</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>Sin salida audio</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no existe el archivo</translation>
    </message>
    <message>
        <source>No web browser could be started to show the help. The help page is
%1</source>
        <translation>No se pudo abrir ningún navegador para mostrar la ayuda. La página de ayuda es
%1</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Ruido</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Normal Speed</source>
        <translation>Velocidad normal</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivadas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Open &amp;File</source>
        <translation>Abrir &amp;archivo</translation>
    </message>
    <message>
        <source>Open &amp;Playlist</source>
        <translation>Abrir &amp;lista</translation>
    </message>
    <message>
        <source>P&amp;hrase Back</source>
        <translation>&amp;Frase anterior</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pausa</translation>
    </message>
    <message>
        <source>Pedal disconnected</source>
        <translation>Pedal desconectado</translation>
    </message>
    <message>
        <source>Pedal: not an input device</source>
        <translation>Pedal: no es un dispositivo de entrada</translation>
    </message>
    <message>
        <source>Pedals: left %1, middle %2, right %3</source>
        <translation>Pedales: izquierdo %1, central %2, derecho %3</translation>
    </message>
    <message>
        <source>Pedals: not learned yet (Learn...)</source>
        <translation>Pedales: aún sin aprender (Aprender...)</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>Phrase Fo&amp;rward</source>
        <translation>Frase &amp;siguiente</translation>
    </message>
    <message>
        <source>Place (1:23.4, or 2 0:01:23.4 for tip 2; any text around it):</source>
        <translation>Punto (1:23.4, o 2 0:01:23.4 para la pista 2; se admite texto alrededor):</translation>
    </message>
    <message>
        <source>Play Sound Using</source>
        <translation>Reproducir sonido con</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Sonando</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>sonando</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Playlist files (*.m3u)|*.m3u|All playlists (*.m3u,*.m3u8,*.pls)|*.m3u;*.m3u8;*.pls||</source>
        <translation>Listas de reproducción (*.m3u)|*.m3u|Todas las listas (*.m3u,*.m3u8,*.pls)|*.m3u;*.m3u8;*.pls||</translation>
    </message>
    <message>
        <source>Playsnd</source>
        <translation>Playsnd</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Press the left pedal</source>
        <translation>Pise el pedal izquierdo</translation>
    </message>
    <message>
        <source>Press the middle pedal</source>
        <translation>Pise el pedal central</translation>
    </message>
    <message>
        <source>Press the right pedal</source>
        <translation>Pise el pedal derecho</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Reduce &amp;Noise</source>
        <translation>Reducir &amp;ruido</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios de %1?</translation>
    </message>
    <message>
        <source>Save the new tape group as</source>
        <translation>Guardar el nuevo grupo de cintas como</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Shift+-&gt;</source>
        <translation>Mayús+-&gt;</translation>
    </message>
    <message>
        <source>Shift+&lt;-</source>
        <translation>Mayús+&lt;-</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Sound File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Sonido no</translation>
    </message>
    <message>
        <source>Sound ON</source>
        <translation>Sonido SÍ</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espacio</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Speed %1 %</source>
        <translation>Velocidad %1 %</translation>
    </message>
    <message>
        <source>Step back to where the phrase began</source>
        <translation>Retroceder al inicio de la frase</translation>
    </message>
    <message>
        <source>STOP: the tip timer has run out</source>
        <translation>STOP: se agotó el temporizador de la pista</translation>
    </message>
    <message>
        <source>Tape Group Files (*.grp)|*.grp||</source>
        <translation>Grupos de cintas (*.grp)|*.grp||</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user</source>
        <translation>La carpeta %1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>The folder %1 has too long a name for a socket</source>
        <translation>La carpeta %1 tiene un nombre demasiado largo para un socket</translation>
    </message>
    <message>
        <source>The folder %1 is not a folder (it may be a link)</source>
        <translation>La carpeta %1 no es una carpeta (puede ser un enlace)</translation>
    </message>
    <message>
        <source>The folder %1 is open to other users</source>
        <translation>La carpeta %1 está abierta a otros usuarios</translation>
    </message>
    <message>
        <source>There is no place in "%1" (a place looks like 1:23.4)</source>
        <translation>No hay ningún punto en «%1» (un punto se escribe 1:23.4)</translation>
    </message>
    <message>
        <source>There is no runtime folder</source>
        <translation>No hay carpeta de ejecución</translation>
    </message>
    <message>
        <source>taken by Cuedeck (X11)</source>
        <translation>tomadas por Cuedeck (X11)</translation>
    </message>
    <message>
        <source>lent by the desktop</source>
        <translation>prestadas por el escritorio</translation>
    </message>
    <message>
        <source>not offered by this desktop: use a keypad, the pedal, or cuedeck --command in the desktop's keyboard settings</source>
        <translation>este escritorio no las ofrece: use un teclado numérico, el pedal o cuedeck --command en los ajustes de teclado del escritorio</translation>
    </message>
    <message>
        <source>Play while held</source>
        <translation>Reproducir mientras se mantiene pulsada</translation>
    </message>
    <message>
        <source>Tip %1 of %2, %3, counter %4, tip timer %5</source>
        <translation>Pista %1 de %2, %3, contador %4, temporizador %5</translation>
    </message>
    <message>
        <source>Tip Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Tip Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>TipTime</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Voice band</source>
        <translation>Banda de voz</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)|*.wav||</source>
        <translation>Archivos Wav (*.wav)|*.wav||</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Cero</translation>
    </message>
    <message>
        <source>Cuedeck did not close normally. Go back to where you were in %1: tip %2, %3 (at %4)?</source>
        <translation>Cuedeck no se cerró normalmente. ¿Volver a donde estaba en %1: pista %2, %3 (a las %4)?</translation>
    </message>
    <message>
        <source>%1 was not handed to the running Cuedeck: %2</source>
        <translation>%1 no se entregó al Cuedeck en marcha: %2</translation>
    </message>
    <message>
        <source>Another program holds the foot pedal %1 for itself: Cuedeck reads it once that program lets it go.</source>
        <translation>Otro programa retiene el pedal %1 para sí: Cuedeck lo leerá en cuanto ese programa lo suelte.</translation>
    </message>
    <message>
        <source>The running Cuedeck did not come forward: %1</source>
        <translation>El Cuedeck en marcha no pasó al frente: %1</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>mpv plays the sound file once</source>
        <translation>mpv reproduce el archivo de sonido una vez</translation>
    </message>
    <message>
        <source>The desktop's sound server plays the sound file</source>
        <translation>El servidor de sonido del escritorio reproduce el archivo de sonido</translation>
    </message>
    <message>
        <source>%1 cannot be played</source>
        <translation>%1 no se puede reproducir</translation>
    </message>
    <message>
        <source>Cannot go to %1: tip %2 (%3) cannot be played</source>
        <translation>No se puede ir a %1: la pista %2 (%3) no se puede reproducir</translation>
    </message>
    <message>
        <source>Tip %1 (%2) cannot be played</source>
        <translation>La pista %1 (%2) no se puede reproducir</translation>
    </message>
    <message>
        <source>Tip %1 is cut short: it ends at %2</source>
        <translation>La pista %1 está cortada: termina en %2</translation>
    </message>
    <message>
        <source>Cannot go to %1: tip %2 is cut short at %3</source>
        <translation>No se puede ir a %1: la pista %2 está cortada en %3</translation>
    </message>
    <message>
        <source>Choose OK to locate it.</source>
        <translation>Elija Aceptar para buscarlo.</translation>
    </message>
    <message>
        <source>%1 is not answering</source>
        <translation>%1 no responde</translation>
    </message>
    <message>
        <source>%1 is not answering: waiting for it</source>
        <translation>%1 no responde: esperando</translation>
    </message>
    <message>
        <source>%1 was started but did not answer within %2 s: it is looked for again at the next command</source>
        <translation>%1 se inició pero no respondió en %2 s: se buscará de nuevo con la próxima orden</translation>
    </message>
    <message>
        <source>Nothing watches %1 now: should Cuedeck end unexpectedly, %1 stays open</source>
        <translation>Ya nada vigila %1: si Cuedeck termina de forma inesperada, %1 queda abierto</translation>
    </message>
    <message>
        <source>Not carried out: %1 is not answering</source>
        <translation>No se ha hecho: %1 no responde</translation>
    </message>
    <message>
        <source>Not carried out: %1 did not answer in time</source>
        <translation>No se ha hecho: %1 no respondió a tiempo</translation>
    </message>
    <message>
        <source>%1 holds no cues Cuedeck can read</source>
        <translation>%1 no contiene segmentos que Cuedeck pueda leer</translation>
    </message>
    <message>
        <source>Copy Cu&amp;e</source>
        <translation>Copiar &amp;segmento</translation>
    </message>
    <message>
        <source>Copy Draft as &amp;Transcript</source>
        <translation>Copiar borrador como &amp;transcripción</translation>
    </message>
    <message>
        <source>Cue Again</source>
        <translation>Segmento desde el inicio</translation>
    </message>
    <message>
        <source>Draft</source>
        <translation>Borrador</translation>
    </message>
    <message>
        <source>Draft %1: 1 cue with a time that cannot be was left out</source>
        <translation>Borrador %1: se omitió 1 segmento con un tiempo imposible</translation>
    </message>
    <message>
        <source>Draft %1: %2 cues with times that cannot be were left out</source>
        <translation>Borrador %1: se omitieron %2 segmentos con tiempos imposibles</translation>
    </message>
    <message>
        <source>Drafts (*.srt;*.vtt;*.json;*.html;*.htm;*.txt)|*.srt;*.vtt;*.json;*.html;*.htm;*.txt||</source>
        <translation>Borradores (*.srt;*.vtt;*.json;*.html;*.htm;*.txt)|*.srt;*.vtt;*.json;*.html;*.htm;*.txt||</translation>
    </message>
    <message>
        <source>Loop the Cue</source>
        <translation>Segmento en bucle</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Next Cue</source>
        <translation>Segmento siguiente</translation>
    </message>
    <message>
        <source>No cue there</source>
        <translation>No hay ningún segmento ahí</translation>
    </message>
    <message>
        <source>Open &amp;Draft...</source>
        <translation>Abrir &amp;borrador...</translation>
    </message>
    <message>
        <source>Open Draft</source>
        <translation>Abrir borrador</translation>
    </message>
    <message>
        <source>Open a recording first: a draft belongs to one</source>
        <translation>Abra primero una grabación: un borrador pertenece a una grabación</translation>
    </message>
    <message>
        <source>Previous Cue</source>
        <translation>Segmento anterior</translation>
    </message>
    <message>
        <source>Save Draft As</source>
        <translation>Guardar borrador como</translation>
    </message>
    <message>
        <source>Save Draft As S&amp;ubtitles...</source>
        <translation>Guardar borrador como s&amp;ubtítulos...</translation>
    </message>
    <message>
        <source>Show the draft as subtitles in videos</source>
        <translation>Mostrar el borrador como subtítulos en los vídeos</translation>
    </message>
    <message>
        <source>SubRip Subtitles (*.srt)|*.srt|WebVTT Subtitles (*.vtt)|*.vtt||</source>
        <translation>Subtítulos SubRip (*.srt)|*.srt|Subtítulos WebVTT (*.vtt)|*.vtt||</translation>
    </message>
    <message>
        <source>The draft %1 cannot be read</source>
        <translation>No se puede leer el borrador %1</translation>
    </message>
    <message>
        <source>The draft %1 is larger than 50 MB: it is not read</source>
        <translation>El borrador %1 ocupa más de 50 MB: no se lee</translation>
    </message>
    <message>
        <source>The draft was not saved: %1</source>
        <translation>El borrador no se guardó: %1</translation>
    </message>
    <message>
        <source>This tip has no draft</source>
        <translation>Esta pista no tiene borrador</translation>
    </message>
    <message>
        <source>Side pedals step through the draft's cues</source>
        <translation>Pedales laterales: por segmentos</translation>
    </message>
    <message>
        <source>No waveform: %1</source>
        <translation>Sin forma de onda: %1</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>no se puede decodificar</translation>
    </message>
    <message>
        <source>the decoder crashed on it</source>
        <translation>el decodificador falló con ella</translation>
    </message>
    <message>
        <source>the decoder stopped answering</source>
        <translation>el decodificador dejó de responder</translation>
    </message>
    <message>
        <source>the decoder was stopped</source>
        <translation>el decodificador fue detenido</translation>
    </message>
    <message>
        <source>the decoder wrote what is not a waveform</source>
        <translation>el decodificador no entregó una forma de onda</translation>
    </message>
    <message>
        <source>the decoding helper is not installed</source>
        <translation>el programa auxiliar de decodificación no está instalado</translation>
    </message>
    <message>
        <source>A draft is being made: stop it first</source>
        <translation>Se está haciendo un borrador: deténgalo primero</translation>
    </message>
    <message>
        <source>Choose a recognizer in the settings first</source>
        <translation>Elija primero un reconocedor en la configuración</translation>
    </message>
    <message>
        <source>Ma&amp;ke Draft</source>
        <translation>C&amp;rear borrador</translation>
    </message>
    <message>
        <source>Make Draft</source>
        <translation>Crear borrador</translation>
    </message>
    <message>
        <source>Make Draft of the &amp;Loop</source>
        <translation>Crear borrador del bucle (&amp;L)</translation>
    </message>
    <message>
        <source>Making the draft...</source>
        <translation>Haciendo el borrador...</translation>
    </message>
    <message>
        <source>Making the draft: %1%</source>
        <translation>Haciendo el borrador: %1 %</translation>
    </message>
    <message>
        <source>Making the draft: its audio to %1 s</source>
        <translation>Haciendo el borrador: audio hasta %1 s</translation>
    </message>
    <message>
        <source>No draft was made of %1: %2</source>
        <translation>No se hizo ningún borrador de %1: %2</translation>
    </message>
    <message>
        <source>Replace the draft %1? Corrections made in it are lost.</source>
        <translation>¿Reemplazar el borrador %1? Se perderán las correcciones hechas en él.</translation>
    </message>
    <message>
        <source>S&amp;top Making the Draft</source>
        <translation>De&amp;tener el borrador</translation>
    </message>
    <message>
        <source>Set a loop first: Make Draft of the Loop drafts its stretch</source>
        <translation>Defina primero un bucle: se hace el borrador de su tramo</translation>
    </message>
    <message>
        <source>The draft %1 is made</source>
        <translation>El borrador %1 está hecho</translation>
    </message>
    <message>
        <source>The draft is not made: stopped</source>
        <translation>No se hace el borrador: detenido</translation>
    </message>
    <message>
        <source>its audio could not be written</source>
        <translation>no se pudo escribir su audio</translation>
    </message>
    <message>
        <source>its output holds no cues</source>
        <translation>su salida no contiene segmentos</translation>
    </message>
    <message>
        <source>the recognizer ended with an error</source>
        <translation>el reconocedor terminó con un error</translation>
    </message>
    <message>
        <source>the recognizer is not installed</source>
        <translation>el reconocedor no está instalado</translation>
    </message>
    <message>
        <source>the recognizer wrote more than any draft holds</source>
        <translation>el reconocedor escribió más de lo que cabe en un borrador</translation>
    </message>
    <message>
        <source>the recognizer's model is missing</source>
        <translation>falta el modelo del reconocedor</translation>
    </message>
    <message>
        <source>the recording cannot be decoded</source>
        <translation>la grabación no se puede decodificar</translation>
    </message>
    <message>
        <source>the server did not answer</source>
        <translation>el servidor no respondió</translation>
    </message>
    <message>
        <source>the server refused it</source>
        <translation>el servidor la rechazó</translation>
    </message>
    <message>
        <source>&amp;Command:</source>
        <translation>&amp;Comando:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>&amp;Model file:</source>
        <translation>Archivo de &amp;modelo:</translation>
    </message>
    <message>
        <source>&amp;Recognizer...</source>
        <translation>&amp;Reconocedor...</translation>
    </message>
    <message>
        <source>&amp;Recognizer:</source>
        <translation>&amp;Reconocedor:</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Servidor:</translation>
    </message>
    <message>
        <source>A command of my own</source>
        <translation>Un comando propio</translation>
    </message>
    <message>
        <source>A transcription server</source>
        <translation>Un servidor de transcripción</translation>
    </message>
    <message>
        <source>Access &amp;key file:</source>
        <translation>Archivo de la &amp;clave de acceso:</translation>
    </message>
    <message>
        <source>Make Draft sends the recording to %1, which is not this computer. Recordings of interviews are often confidential. Send recordings to this server?</source>
        <translation>Crear borrador envía la grabación a %1, que no es este equipo. Las grabaciones de entrevistas suelen ser confidenciales. ¿Enviar grabaciones a este servidor?</translation>
    </message>
    <message>
        <source>PocketSphinx (English, installed from Debian)</source>
        <translation>PocketSphinx (inglés, instalado desde Debian)</translation>
    </message>
    <message>
        <source>Recognizer</source>
        <translation>Reconocedor</translation>
    </message>
    <message>
        <source>Run without a shell. It may name %1, %2, %3, %4 and %5.</source>
        <translation>Se ejecuta sin shell. Puede incluir %1, %2, %3, %4 y %5.</translation>
    </message>
    <message>
        <source>Run without a shell; a backslash belongs to its path. It may also name %1, %2 and %3. A .bat or .cmd file is given them quoted for cmd.exe, and not run when they hold % or &quot;.</source>
        <translation>Se ejecuta sin shell; la barra invertida forma parte de la ruta. También puede incluir %1, %2 y %3. Un archivo .bat o .cmd los recibe entre comillas para cmd.exe, y no se ejecuta si contienen % o &quot;.</translation>
    </message>
    <message>
        <source>The address begins with http: the recording travels unencrypted, and others on the way can listen to it.</source>
        <translation>La dirección empieza por http: la grabación viaja sin cifrar y otros en el camino pueden escucharla.</translation>
    </message>
    <message>
        <source>the access key's file can be read by others: make it yours alone</source>
        <translation>otros pueden leer el archivo de la clave de acceso: hágalo solo suyo</translation>
    </message>
    <message>
        <source>the access key's file cannot be read</source>
        <translation>no se puede leer el archivo de la clave de acceso</translation>
    </message>
    <message>
        <source>the server's address is not an http or https one</source>
        <translation>la dirección del servidor no es http ni https</translation>
    </message>
    <message>
        <source>the recognizer is a batch file, and cmd.exe would misread the character %1 in its arguments: rename the recording, or run a program (.exe) instead</source>
        <translation>el reconocedor es un archivo por lotes, y cmd.exe interpretaría mal el carácter %1 de sus argumentos: cambie el nombre de la grabación o ejecute un programa (.exe) en su lugar</translation>
    </message>
    <message>
        <source>whisper.cpp (whisper-cli)</source>
        <translation>whisper.cpp (whisper-cli)</translation>
    </message>
    <message>
        <source>Make Draft from the File menu once to allow sending recordings to %1</source>
        <translation>Use una vez Archivo, Crear borrador para permitir el envío de grabaciones a %1</translation>
    </message>
    <message>
        <source>The draft %1 is there already: Make Draft from the File menu replaces it</source>
        <translation>El borrador %1 ya existe: Archivo, Crear borrador lo reemplaza</translation>
    </message>
    <message>
        <source>The playlist of %1 is not at %2; the one of that name beside it is used, and named in it when you save: %3</source>
        <translation>La lista de %1 no está en %2; se usa la del mismo nombre junto a él, y se anota al guardar: %3</translation>
    </message>
    <message>
        <source>Cannot play the recordings of %1 that were found beside it: %2 could not be written</source>
        <translation>No se pueden reproducir las grabaciones de %1 halladas junto a ella: no se pudo escribir %2</translation>
    </message>
    <message>
        <source>Of the recordings %1 names, 1 is not where it says; the one of the same name beside it, in %3, is played, and named in it when you save</source>
        <translation>De las grabaciones que nombra %1, 1 no está donde dice; se reproduce la del mismo nombre junto a ella, en %3, y se anota al guardar</translation>
    </message>
    <message>
        <source>Of the recordings %1 names, %2 are not where it says; the ones of the same names beside it, in %3, are played, and named in it when you save</source>
        <translation>De las grabaciones que nombra %1, %2 no están donde dice; se reproducen las del mismo nombre junto a ella, en %3, y se anotan al guardar</translation>
    </message>
    <message>
        <source>a playlist cannot hold their names</source>
        <translation>una lista no puede contener sus nombres</translation>
    </message>
</context>
</TS>
