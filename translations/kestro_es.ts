<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kestro --help&apos;.</source>
        <translation>Pruebe &apos;kestro --help&apos;.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>List the channels; the one installed in the game folder is marked.</source>
        <translation>Lista los canales; el instalado en la carpeta del juego aparece marcado.</translation>
    </message>
    <message>
        <source>Install CHANNEL (see --list).</source>
        <translation>Instala CHANNEL (véase --list).</translation>
    </message>
    <message>
        <source>Put the game&apos;s original files back.</source>
        <translation>Restaura los archivos originales del juego.</translation>
    </message>
    <message>
        <source>The game folder to list, install into or restore (default: the stored one; never stored).</source>
        <translation>La carpeta del juego en la que listar, instalar o restaurar (por defecto: la guardada; esta nunca se guarda).</translation>
    </message>
    <message>
        <source>Add your own channel set from a folder or a .zip, .rar or .7z archive.</source>
        <translation>Añade un paquete de canal propio desde una carpeta o un archivo comprimido .zip, .rar o .7z.</translation>
    </message>
    <message>
        <source>Remove your own channel set NAME.</source>
        <translation>Elimina el paquete de canal propio NAME.</translation>
    </message>
    <message>
        <source>Print each VARNEX 2001 folder found on this computer, one a line.</source>
        <translation>Muestra cada carpeta de VARNEX 2001 encontrada en este equipo, una por línea.</translation>
    </message>
    <message>
        <source>Installs TV channel graphics into VARNEX 2001 and puts the game&apos;s own files back.
Without options, opens the window.</source>
        <translation>Instala los gráficos de canales de TV en VARNEX 2001 y restaura los archivos propios del juego.
Sin opciones, abre la ventana.</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>; ¿quiso decir %1?</translation>
    </message>
    <message>
        <source>%1; give the game folder with --game-folder.</source>
        <translation>%1; indique la carpeta del juego con --game-folder.</translation>
    </message>
    <message>
        <source>no game folder is stored; give one with --game-folder</source>
        <translation>no hay ninguna carpeta del juego guardada; indique una con --game-folder</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Licencia GPLv3+: GNU GPL versión 3 o posterior &lt;https://gnu.org/licenses/gpl.html&gt;.
Esto es software libre: usted es libre de modificarlo y redistribuirlo.
No hay NINGUNA GARANTÍA, hasta donde lo permite la ley.</translation>
    </message>
    <message>
        <source> (installed)</source>
        <translation> (instalado)</translation>
    </message>
    <message>
        <source>unknown channel &apos;%1&apos;</source>
        <translation>canal desconocido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>; the channels are %1</source>
        <translation>; los canales son %1</translation>
    </message>
    <message>
        <source>The %1 set came with KESTRO; it cannot be removed.</source>
        <translation>El paquete %1 viene con KESTRO; no se puede eliminar.</translation>
    </message>
    <message>
        <source>you have no channel set named &apos;%1&apos;</source>
        <translation>no tiene ningún paquete de canal llamado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>could not read %1</source>
        <translation>no se pudo leer %1</translation>
    </message>
    <message>
        <source>the search stopped early; some places were not searched</source>
        <translation>la búsqueda se detuvo antes de tiempo; algunos lugares no se revisaron</translation>
    </message>
    <message>
        <source>no VARNEX 2001 folder was found</source>
        <translation>no se encontró ninguna carpeta de VARNEX 2001</translation>
    </message>
    <message>
        <source>no VARNEX 2001 folder that can be used was found</source>
        <translation>no se encontró ninguna carpeta de VARNEX 2001 que se pueda usar</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not UTF-8 text; give names as UTF-8, or rename the folder</source>
        <translation>&apos;%1&apos; no es texto UTF-8; dé los nombres en UTF-8 o cambie el nombre de la carpeta</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 se indica más de una vez</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>give one of --list, --install, --restore, --add-set, --remove-set, --find-game</source>
        <translation>indique una de --list, --install, --restore, --add-set, --remove-set, --find-game</translation>
    </message>
    <message>
        <source>--name goes with --add-set</source>
        <translation>--name va con --add-set</translation>
    </message>
    <message>
        <source>--game-folder goes with --list, --install or --restore</source>
        <translation>--game-folder va con --list, --install o --restore</translation>
    </message>
    <message>
        <source>your set %1 holds none of the game&apos;s files as a file KESTRO can read, and installs nothing</source>
        <translation>su paquete %1 no contiene ninguno de los archivos del juego como archivo que KESTRO pueda leer, así que no instala nada</translation>
    </message>
    <message>
        <source>your set %1: %2 is left out: %3</source>
        <translation>su paquete %1: %2 se deja fuera: %3</translation>
    </message>
    <message>
        <source>The name of the set --add-set adds (default: PATH&apos;s base name in capitals). Named like one of the seven sets that came with KESTRO, it takes that one&apos;s place.</source>
        <translation>El nombre del paquete que añade --add-set (por defecto: el nombre base de PATH en mayúsculas). Con el nombre de uno de los siete paquetes que vienen con KESTRO, ocupa su lugar.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a channel that came with KESTRO, and your own channel sets cannot be seen</source>
        <translation>&apos;%1&apos; no es un canal que venga con KESTRO, y sus propios paquetes de canal no se pueden ver</translation>
    </message>
    <message>
        <source>give the set a name with --name</source>
        <translation>dé un nombre al paquete con --name</translation>
    </message>
    <message>
        <source>its report could not be written to standard output (%1)</source>
        <translation>su informe no se pudo escribir en la salida estándar (%1)</translation>
    </message>
    <message>
        <source>; what was asked was done</source>
        <translation>; lo que se pidió sí se hizo</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Selected channel</source>
        <translation>Canal seleccionado</translation>
    </message>
    <message>
        <source>Channel preview</source>
        <translation>Vista previa del canal</translation>
    </message>
    <message>
        <source>Install progress</source>
        <translation>Progreso de la instalación</translation>
    </message>
    <message>
        <source>VARNEX 2001 path</source>
        <translation>Ruta de VARNEX 2001</translation>
    </message>
    <message>
        <source>Choose the game folder</source>
        <translation>Elegir la carpeta del juego</translation>
    </message>
    <message>
        <source>&amp;Find Game Folder...</source>
        <translation>&amp;Buscar la carpeta del juego...</translation>
    </message>
    <message>
        <source>&amp;Restore Original Files</source>
        <translation>&amp;Restaurar los archivos originales</translation>
    </message>
    <message>
        <source>&amp;Add Channel Set...</source>
        <translation>&amp;Añadir paquete de canal...</translation>
    </message>
    <message>
        <source>Re&amp;move Channel Set...</source>
        <translation>&amp;Eliminar paquete de canal...</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opciones]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor tras &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado tras &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>The game folder could not be remembered for the next start: %1

It is used until the program ends.</source>
        <translation>No se pudo recordar la carpeta del juego para el próximo inicio: %1

Se usará hasta que se cierre el programa.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>done</source>
        <translation>hecho</translation>
    </message>
    <message>
        <source>no folder is set</source>
        <translation>no hay ninguna carpeta definida</translation>
    </message>
    <message>
        <source>the path is not a full path (it has no drive or root)</source>
        <translation>la ruta no es completa (no tiene unidad ni raíz)</translation>
    </message>
    <message>
        <source>the path is not valid</source>
        <translation>la ruta no es válida</translation>
    </message>
    <message>
        <source>the drive is not available</source>
        <translation>la unidad no está disponible</translation>
    </message>
    <message>
        <source>the folder was not found</source>
        <translation>no se encontró la carpeta</translation>
    </message>
    <message>
        <source>it already exists</source>
        <translation>ya existe</translation>
    </message>
    <message>
        <source>the channel&apos;s file is missing</source>
        <translation>falta el archivo del canal</translation>
    </message>
    <message>
        <source>the channel&apos;s file is not a regular file</source>
        <translation>el archivo del canal no es un archivo normal</translation>
    </message>
    <message>
        <source>the channel&apos;s file cannot be read</source>
        <translation>no se puede leer el archivo del canal</translation>
    </message>
    <message>
        <source>the channel&apos;s file is empty</source>
        <translation>el archivo del canal está vacío</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>una carpeta con ese nombre ocupa su lugar</translation>
    </message>
    <message>
        <source>something other than a plain file is in its place</source>
        <translation>en su lugar hay algo que no es un archivo normal</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>%1 is a link to another place; KESTRO does not write through links</source>
        <translation>%1 es un enlace a otro lugar; KESTRO no escribe a través de enlaces</translation>
    </message>
    <message>
        <source>it</source>
        <translation>esto</translation>
    </message>
    <message>
        <source>the game file is read-only</source>
        <translation>el archivo del juego es de solo lectura</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>permission denied for %1</source>
        <translation>permiso denegado para %1</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>el archivo es demasiado grande</translation>
    </message>
    <message>
        <source>the file is in use (is the game running?)</source>
        <translation>el archivo está en uso (¿se está ejecutando el juego?)</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>la ruta es demasiado larga</translation>
    </message>
    <message>
        <source>KESTRO is installing or restoring there already</source>
        <translation>KESTRO ya está instalando o restaurando allí</translation>
    </message>
    <message>
        <source>it was stopped</source>
        <translation>se detuvo</translation>
    </message>
    <message>
        <source>&quot;KESTRO backup&quot; is damaged</source>
        <translation>la carpeta &quot;KESTRO backup&quot; está dañada</translation>
    </message>
    <message>
        <source>it is not a plain folder</source>
        <translation>no es una carpeta normal</translation>
    </message>
    <message>
        <source>its lock file is not a plain file</source>
        <translation>su archivo de bloqueo no es un archivo normal</translation>
    </message>
    <message>
        <source>its state file is not a plain file</source>
        <translation>su archivo de estado no es un archivo normal</translation>
    </message>
    <message>
        <source>its state file is larger than 64 KiB</source>
        <translation>su archivo de estado ocupa más de 64 KiB</translation>
    </message>
    <message>
        <source>its state file cannot be read (%1)</source>
        <translation>no se puede leer su archivo de estado (%1)</translation>
    </message>
    <message>
        <source>it holds a kept %1, but its state file does not record one</source>
        <translation>contiene un %1 guardado, pero su archivo de estado no lo registra</translation>
    </message>
    <message>
        <source>its state file says %1 is kept, but the kept copy is missing or not the one kept</source>
        <translation>su archivo de estado dice que %1 está guardado, pero la copia guardada falta o no es la que se guardó</translation>
    </message>
    <message>
        <source>its original could not be kept (%1), so it was left as it was</source>
        <translation>no se pudo guardar su original (%1), así que se dejó como estaba</translation>
    </message>
    <message>
        <source>it could not be noted in &quot;KESTRO backup&quot; (%1), so it was left as it was</source>
        <translation>no se pudo anotar en &quot;KESTRO backup&quot; (%1), así que se dejó como estaba</translation>
    </message>
    <message>
        <source>The channel %1 was not installed completely.

Not replaced:%2

Replaced:%3</source>
        <translation>El canal %1 no se instaló por completo.

No reemplazados:%2

Reemplazados:%3</translation>
    </message>
    <message>
        <source>%1 is part of &quot;KESTRO backup&quot;, where KESTRO keeps the game&apos;s own files</source>
        <translation>%1 forma parte de &quot;KESTRO backup&quot;, donde KESTRO guarda los archivos propios del juego</translation>
    </message>
    <message>
        <source>the game or you changed it since the last install, so it was left as it is</source>
        <translation>lo modificó el juego o usted después de la última instalación, así que se dejó como está</translation>
    </message>
    <message>
        <source>The game&apos;s original files are back.</source>
        <translation>Los archivos originales del juego se han restaurado.</translation>
    </message>
    <message>
        <source>Not every file could be put back as it was; what is kept stays in &quot;KESTRO backup&quot;.

Left as they are:%1</source>
        <translation>No todos los archivos se pudieron dejar como estaban; lo guardado sigue en &quot;KESTRO backup&quot;.

Dejados como están:%1</translation>
    </message>
    <message>
        <source>Restored:%1</source>
        <translation>Restaurados:%1</translation>
    </message>
    <message>
        <source>Removed (added by channel installs):%1</source>
        <translation>Eliminados (añadidos por instalaciones de canales):%1</translation>
    </message>
    <message>
        <source>Files KESTRO found in the game folder, whose owner it could not tell, were kept apart:%1</source>
        <translation>Los archivos que KESTRO encontró en la carpeta del juego, cuyo propietario no pudo determinar, se apartaron:%1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(en blanco)</translation>
    </message>
    <message>
        <source>No game file was replaced.</source>
        <translation>No se reemplazó ningún archivo del juego.</translation>
    </message>
    <message>
        <source>No game file was put back.</source>
        <translation>No se restauró ningún archivo del juego.</translation>
    </message>
    <message>
        <source>The game folder %1 cannot be used: %2.</source>
        <translation>No se puede usar la carpeta del juego %1: %2.</translation>
    </message>
    <message>
        <source>Choose the game folder with the &quot;...&quot; button.</source>
        <translation>Elija la carpeta del juego con el botón &quot;...&quot;.</translation>
    </message>
    <message>
        <source>KESTRO is already installing or restoring in %1 (is it open twice?).</source>
        <translation>KESTRO ya está instalando o restaurando en %1 (¿está abierto dos veces?).</translation>
    </message>
    <message>
        <source>Try again when it has finished.</source>
        <translation>Vuelva a intentarlo cuando termine.</translation>
    </message>
    <message>
        <source>The folder %1 in %2 is damaged: %3.</source>
        <translation>La carpeta %1 de %2 está dañada: %3.</translation>
    </message>
    <message>
        <source>To go on, delete &quot;state.txt&quot; in it: the kept files stay and are found again.</source>
        <translation>Para continuar, borre &quot;state.txt&quot; dentro de ella: los archivos guardados se conservan y se vuelven a encontrar.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it: KESTRO keeps the game&apos;s own files in a folder of that name.</source>
        <translation>Para continuar, mueva %1 fuera de la carpeta del juego y consérvelo: KESTRO guarda los archivos propios del juego en una carpeta con ese nombre.</translation>
    </message>
    <message>
        <source>The channel cannot be installed in %1: %2.</source>
        <translation>No se puede instalar el canal en %1: %2.</translation>
    </message>
    <message>
        <source>The game&apos;s original files cannot be put back in %1: %2.</source>
        <translation>No se pueden restaurar los archivos originales del juego en %1: %2.</translation>
    </message>
    <message>
        <source>There is nothing to restore: no original game file has been kept in %1.</source>
        <translation>No hay nada que restaurar: no se ha guardado ningún archivo original del juego en %1.</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>El nombre está vacío.</translation>
    </message>
    <message>
        <source>The name is longer than %1 characters.</source>
        <translation>El nombre tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <source>The name is not valid text.</source>
        <translation>El nombre no es un texto válido.</translation>
    </message>
    <message>
        <source>The name must be in capitals.</source>
        <translation>El nombre debe estar en mayúsculas.</translation>
    </message>
    <message>
        <source>The name cannot begin or end with a dot or a space.</source>
        <translation>El nombre no puede empezar ni terminar con un punto o un espacio.</translation>
    </message>
    <message>
        <source>Windows keeps that name for a device.</source>
        <translation>Windows reserva ese nombre para un dispositivo.</translation>
    </message>
    <message>
        <source>Entries of your channel sets folder share this name, written with different characters: rename one of them.</source>
        <translation>Varias entradas de su carpeta de paquetes de canal comparten este nombre, escrito con caracteres distintos: cambie el nombre de una de ellas.</translation>
    </message>
    <message>
        <source>The name would pass for another set&apos;s.</source>
        <translation>El nombre se confundiría con el de otro paquete.</translation>
    </message>
    <message>
        <source>Its name would pass for that of the set %1 that came with KESTRO (%2 against %3): name it %1 to take that set&apos;s place, or give it another name.</source>
        <translation>Su nombre se confundiría con el del paquete %1 que venía con KESTRO (%2 frente a %3): llámelo %1 para ocupar el lugar de ese paquete, o dele otro nombre.</translation>
    </message>
    <message>
        <source>Its name would pass for that of your set %1 (%2 against %3): remove that set first to take its place, or give this one another name.</source>
        <translation>Su nombre se confundiría con el de su paquete %1 (%2 frente a %3): elimine antes ese paquete para ocupar su lugar, o dele a este otro nombre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a folder nor an archive.</source>
        <translation>&quot;%1&quot; no es una carpeta ni un archivo comprimido.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2.</source>
        <translation>No se puede leer &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds too many files to be a channel set.</source>
        <translation>La carpeta &quot;%1&quot; contiene demasiados archivos para ser un paquete de canal.</translation>
    </message>
    <message>
        <source>%1 in &quot;%2&quot; is larger than 64 MiB; no channel file is that big.</source>
        <translation>%1 en &quot;%2&quot; ocupa más de 64 MiB; ningún archivo de canal es tan grande.</translation>
    </message>
    <message>
        <source>The set&apos;s files in &quot;%1&quot; come to more than 256 MiB.</source>
        <translation>Los archivos del paquete en &quot;%1&quot; suman más de 256 MiB.</translation>
    </message>
    <message>
        <source>%1 in &quot;%2&quot; is empty; a channel file holds graphics.</source>
        <translation>%1 en &quot;%2&quot; está vacío; un archivo de canal contiene gráficos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an archive KESTRO can read (it reads .zip, .rar and .7z).</source>
        <translation>&quot;%1&quot; no es un archivo comprimido que KESTRO pueda leer (lee .zip, .rar y .7z).</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is encrypted; unpack it with its password first.</source>
        <translation>El archivo comprimido &quot;%1&quot; está cifrado; descomprímalo primero con su contraseña.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is one part of a split archive; unpack it together with its other parts and add the folder.</source>
        <translation>El archivo comprimido &quot;%1&quot; es una parte de un archivo dividido; descomprímalo junto con sus otras partes y añada la carpeta.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is damaged: %2.</source>
        <translation>El archivo comprimido &quot;%1&quot; está dañado: %2.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds more than 1 GiB to unpack on the way to the set&apos;s files; unpack it first and add the folder.</source>
        <translation>El archivo comprimido &quot;%1&quot; obliga a descomprimir más de 1 GiB hasta llegar a los archivos del paquete; descomprímalo primero y añada la carpeta.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds more than 20,000 entries; unpack it first and add the folder.</source>
        <translation>El archivo comprimido &quot;%1&quot; contiene más de 20&#xa0;000 entradas; descomprímalo primero y añada la carpeta.</translation>
    </message>
    <message>
        <source>Adding the channel set was stopped; nothing was added.</source>
        <translation>Se detuvo la adición del paquete de canal; no se añadió nada.</translation>
    </message>
    <message>
        <source>The channel set %1 was added, with %2.</source>
        <translation>Se añadió el paquete de canal %1, con %2.</translation>
    </message>
    <message>
        <source>It takes the place of the %1 set that came with KESTRO.</source>
        <translation>Ocupa el lugar del paquete %1 que viene con KESTRO.</translation>
    </message>
    <message numerus="yes">
        <source>Entries passed over (links, devices, encrypted, or with &quot;..&quot; in their path): %n.</source>
        <translation>
            <numerusform>Se omitió %n entrada que era un enlace, un dispositivo, estaba cifrada o tenía &quot;..&quot; en su ruta.</numerusform>
            <numerusform>Se omitieron %n entradas que eran enlaces, dispositivos, estaban cifradas o tenían &quot;..&quot; en su ruta.</numerusform>
        </translation>
    </message>
    <message>
        <source>The channel set %1 was removed.</source>
        <translation>Se eliminó el paquete de canal %1.</translation>
    </message>
    <message>
        <source>The %1 set that came with KESTRO is back.</source>
        <translation>El paquete %1 que viene con KESTRO vuelve a estar disponible.</translation>
    </message>
    <message>
        <source>Something in your channel sets folder could not be deleted: %1. It is left in &quot;%2&quot;, and KESTRO tries again to delete it the next time you add or remove a set.</source>
        <translation>Algo de su carpeta de paquetes de canal no se pudo borrar: %1. Queda en &quot;%2&quot;, y KESTRO vuelve a intentar borrarlo la próxima vez que añada o elimine un paquete.</translation>
    </message>
    <message>
        <source>You already have a channel set named %1. Remove it first, or give this one another name.</source>
        <translation>Ya tiene un paquete de canal llamado %1. Elimínelo primero o dé otro nombre a este.</translation>
    </message>
    <message>
        <source>You have no channel set named %1.</source>
        <translation>No tiene ningún paquete de canal llamado %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds none of the game&apos;s channel files: Misc16.fsh, misc8.fsh, popups.abg or popups.big, anywhere in it (in a folder, at most five folders down).</source>
        <translation>&quot;%1&quot; no contiene ninguno de los archivos de canal del juego: Misc16.fsh, misc8.fsh, popups.abg o popups.big, en ningún lugar (en una carpeta, como mucho cinco carpetas más abajo).</translation>
    </message>
    <message>
        <source>Some entries of that name were passed over: links, devices, encrypted files or paths with &quot;..&quot;.</source>
        <translation>Se omitieron algunas entradas con esos nombres: enlaces, dispositivos, archivos cifrados o rutas con &quot;..&quot;.</translation>
    </message>
    <message>
        <source>The folder for your channel sets cannot be used: %1.</source>
        <translation>No se puede usar la carpeta de sus paquetes de canal: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>These entries of your channel sets folder are not used as channel sets, since their names cannot be a set&apos;s:
%1
Rename them, or add them again as channel sets.</source>
        <translation>Estas entradas de su carpeta de paquetes de canal no se usan como paquetes, porque sus nombres no pueden ser los de un paquete:
%1
Cámbieles el nombre o vuelva a añadirlas como paquetes de canal.</translation>
    </message>
    <message>
        <source>%1 is in use, or another disk or folder is mounted there</source>
        <translation>%1 está en uso, u otro disco o carpeta está montado ahí</translation>
    </message>
    <message>
        <source>%1 lies more than 64 folders deep</source>
        <translation>%1 está a más de 64 carpetas de profundidad</translation>
    </message>
    <message>
        <source>something was put in %1 meanwhile</source>
        <translation>se añadió algo a %1 mientras tanto</translation>
    </message>
    <message>
        <source>KESTRO is adding or removing a channel set already.</source>
        <translation>KESTRO ya está añadiendo o eliminando un paquete de canal.</translation>
    </message>
    <message>
        <source>The channel set &quot;%1&quot; was not added.</source>
        <translation>No se añadió el paquete de canal &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The channel set &quot;%1&quot; was not removed.</source>
        <translation>No se eliminó el paquete de canal &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>no hay ninguna carpeta personal donde guardarla</translation>
    </message>
    <message>
        <source>The channel set %1 cannot be written into your channel sets: %2.</source>
        <translation>No se puede escribir el paquete de canal %1 entre sus paquetes de canal: %2.</translation>
    </message>
    <message>
        <source>The channel set %1 cannot be removed: %2.</source>
        <translation>No se puede eliminar el paquete de canal %1: %2.</translation>
    </message>
    <message>
        <source>its state file was cut short or changed by hand</source>
        <translation>su archivo de estado se cortó o se modificó a mano</translation>
    </message>
    <message>
        <source>where its kept %1 belongs there is a link, a folder or the like</source>
        <translation>en el lugar de su %1 guardado hay un enlace, una carpeta o algo parecido</translation>
    </message>
    <message>
        <source>its state file notes %1 being put back, but not as the copy it keeps</source>
        <translation>su archivo de estado indica que %1 se está restaurando, pero no como la copia que guarda</translation>
    </message>
    <message>
        <source>%1 in it is not a folder</source>
        <translation>%1 en ella no es una carpeta</translation>
    </message>
    <message>
        <source>it holds both %1 and %2, names that differ only in letter case</source>
        <translation>ella contiene a la vez %1 y %2, nombres que solo difieren en mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>the game folder holds both %1 and %2, names that differ only in letter case</source>
        <translation>la carpeta del juego contiene a la vez %1 y %2, nombres que solo difieren en mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>To go on, remove the empty folder %1.</source>
        <translation>Para continuar, quite la carpeta vacía %1.</translation>
    </message>
    <message>
        <source>To go on, move each file in %1 that %2 does not hold to the same place in %2 (its state file records files in both), then move %1 out of the game folder and keep it.</source>
        <translation>Para continuar, mueva cada archivo de %1 que %2 no tenga al mismo lugar en %2 (su archivo de estado registra archivos en ambas) y luego mueva %1 fuera de la carpeta del juego y consérvela.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it: %2 holds what its state file records.</source>
        <translation>Para continuar, mueva %1 fuera de la carpeta del juego y consérvelo: %2 contiene lo que registra su archivo de estado.</translation>
    </message>
    <message>
        <source>To go on, make %1 readable again: KESTRO cannot tell what it holds.</source>
        <translation>Para continuar, haga que %1 se pueda leer de nuevo: KESTRO no puede saber qué contiene.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it.</source>
        <translation>Para continuar, mueva %1 fuera de la carpeta del juego y consérvelo.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it: it may hold the game&apos;s own files.</source>
        <translation>Para continuar, mueva %1 fuera de la carpeta del juego y consérvelo: puede contener los archivos propios del juego.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of it.</source>
        <translation>Para continuar, mueva %1 fuera de ella.</translation>
    </message>
    <message>
        <source>its copy in &quot;KESTRO backup&quot; was changed since it was kept, so it was left as it is</source>
        <translation>su copia en &quot;KESTRO backup&quot; cambió después de guardarse, así que se dejó como está</translation>
    </message>
    <message>
        <source>it is a &quot;KESTRO backup&quot; folder, or lies in one: it or a folder above it is named so, or holds KESTRO&apos;s kestro.lock or state.txt</source>
        <translation>es una carpeta &quot;KESTRO backup&quot; o está dentro de una: ella o una carpeta superior se llama así o contiene el kestro.lock o el state.txt de KESTRO</translation>
    </message>
    <message>
        <source>Your set holds none of the game&apos;s files as a file KESTRO can read, so there was nothing to install</source>
        <translation>Su paquete no contiene ninguno de los archivos del juego como archivo que KESTRO pueda leer, así que no había nada que instalar</translation>
    </message>
    <message>
        <source>Until it can, only the seven channels that came with KESTRO are offered.</source>
        <translation>Hasta que se pueda, solo se ofrecen los siete canales que vienen con KESTRO.</translation>
    </message>
    <message>
        <source>%1 of your set: %2, so it was left out</source>
        <translation>%1 de su paquete: %2, así que se dejó fuera</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>it is larger than 64 MiB</source>
        <translation>ocupa más de 64 MiB</translation>
    </message>
    <message>
        <source>it is not a plain file (a folder, a link or a device)</source>
        <translation>no es un archivo normal (es una carpeta, un enlace o un dispositivo)</translation>
    </message>
    <message>
        <source>the channel&apos;s file is larger than 64 MiB</source>
        <translation>el archivo del canal ocupa más de 64 MiB</translation>
    </message>
    <message>
        <source>Put the game&apos;s original files back in &quot;%1&quot;?

Files added by channel installs will be removed.</source>
        <translation>¿Restaurar los archivos originales del juego en &quot;%1&quot;?

Se eliminarán los archivos que añadieron las instalaciones de canales.</translation>
    </message>
    <message>
        <source>Give another game folder with --game-folder.</source>
        <translation>Indique otra carpeta del juego con --game-folder.</translation>
    </message>
    <message>
        <source>The name cannot hold \ / : * ? &quot; &lt; &gt; |, control characters, characters that show nothing, or spaces other than the plain one.</source>
        <translation>El nombre no puede contener \ / : * ? &quot; &lt; &gt; |, caracteres de control, caracteres que no se ven ni espacios que no sean el espacio normal.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>&quot;%1&quot; no se encontró.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 more than once (%3 and %4); keep the one you want and try again.</source>
        <translation>&quot;%1&quot; contiene %2 más de una vez (%3 y %4); deje el que quiera y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Kept apart in &quot;KESTRO backup&quot; (older versions of the game&apos;s own files that newer ones replaced, or files whose owner KESTRO could not tell), to put back by hand if you want them:%1</source>
        <translation>Apartados en &quot;KESTRO backup&quot; (versiones anteriores de los archivos del juego que otras más nuevas reemplazaron, o archivos cuyo propietario KESTRO no pudo determinar), para devolverlos a mano si los quiere:%1</translation>
    </message>
    <message>
        <source>the game or you changed it since the last install, so it was left as it is; the version kept before is %1, to put back by hand if you want it</source>
        <translation>lo modificó el juego o usted después de la última instalación, así que se dejó como está; la versión guardada antes es %1, para devolverla a mano si la quiere</translation>
    </message>
    <message>
        <source>Kept apart in &quot;KESTRO backup&quot; by earlier runs (older versions of the game&apos;s own files that newer ones replaced, or files whose owner KESTRO could not tell), to put back by hand if you want them:%1</source>
        <translation>Apartados en &quot;KESTRO backup&quot; por ejecuciones anteriores (versiones anteriores de los archivos del juego que otras más nuevas reemplazaron, o archivos cuyo propietario KESTRO no pudo determinar), para devolverlos a mano si los quiere:%1</translation>
    </message>
    <message>
        <source>The channel %1 cannot be installed in %2: %3.</source>
        <translation>No se puede instalar el canal %1 en %2: %3.</translation>
    </message>
    <message>
        <source>%1; to go on, replace the link with a copy of the file it leads to</source>
        <translation>%1; para seguir, sustituya el enlace por una copia del archivo al que lleva</translation>
    </message>
    <message>
        <source>To go on, replace the link %1 with a copy of what it leads to.</source>
        <translation>Para continuar, sustituya el enlace %1 por una copia de aquello a lo que lleva.</translation>
    </message>
    <message>
        <source>Not yet tidied in &quot;KESTRO backup&quot; (what KESTRO took out of their place could not be removed; the next install or restore tries again):%1</source>
        <translation>Aún sin ordenar en &quot;KESTRO backup&quot; (lo que KESTRO quitó de su lugar no se pudo eliminar; la próxima instalación o restauración lo vuelve a intentar):%1</translation>
    </message>
    <message>
        <source>To go on, replace the link %1 in it with a copy of what it leads to.</source>
        <translation>Para continuar, sustituya el enlace %1 que hay en ella por una copia de aquello a lo que lleva.</translation>
    </message>
    <message>
        <source>line %1 of its state file is not understood</source>
        <translation>no se entiende la línea %1 de su archivo de estado</translation>
    </message>
    <message>
        <source>KESTRO cannot put the game&apos;s own %1 back. If you have a copy of it (from the game&apos;s discs or your own), put it in its place in the game folder. Then, to go on, delete &quot;state.txt&quot; in %2: the other kept files stay and are found again.</source>
        <translation>KESTRO no puede devolver el %1 propio del juego. Si tiene una copia (de los discos del juego o suya), póngala en su lugar en la carpeta del juego. Después, para continuar, borre &quot;state.txt&quot; dentro de %2: los demás archivos guardados se conservan y se vuelven a encontrar.</translation>
    </message>
    <message>
        <source>%1 was made by another user account, and KESTRO trusts only what your own account kept there</source>
        <translation>%1 fue creado por otra cuenta de usuario, y KESTRO solo confía en lo que su propia cuenta guardó allí</translation>
    </message>
    <message>
        <source>To go on, have that user or an administrator move %1 out of the game folder.</source>
        <translation>Para continuar, pida a ese usuario o a un administrador que saque %1 de la carpeta del juego.</translation>
    </message>
    <message>
        <source>it is the game&apos;s DATA folder; the game folder is the one that holds it</source>
        <translation>es la carpeta DATA del juego; la carpeta del juego es la que la contiene</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 cannot be read: it is a link, not a plain file</source>
        <translation>no se puede leer %1: es un enlace, no un archivo normal</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a plain file</source>
        <translation>no se puede leer %1: no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is larger than 64 KiB</source>
        <translation>no se puede leer %1: ocupa más de 64 KiB</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a settings file (damaged or binary)</source>
        <translation>no se puede leer %1: no es un archivo de configuración (dañado o binario)</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>%1 is a link to another place; KESTRO does not write through links</source>
        <translation>%1 es un enlace a otro lugar; KESTRO no escribe a través de enlaces</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>kestro::AddSetDialog</name>
    <message>
        <source>Add Channel Set</source>
        <translation>Añadir paquete de canal</translation>
    </message>
    <message>
        <source>&amp;Folder...</source>
        <translation>&amp;Carpeta...</translation>
    </message>
    <message>
        <source>&amp;Archive...</source>
        <translation>&amp;Archivo comprimido...</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Origen:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Folder of a channel set</source>
        <translation>Carpeta de un paquete de canal</translation>
    </message>
    <message>
        <source>Archive of a channel set</source>
        <translation>Archivo comprimido de un paquete de canal</translation>
    </message>
    <message>
        <source>Archives (*.zip *.rar *.7z);;All files (*)</source>
        <translation>Archivos comprimidos (*.zip *.rar *.7z);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Misc16.fsh, misc8.fsh, popups.abg, popups.big and preview.jpg are copied from it, wherever they are in it; nothing else is. A set named like one of the seven that came with KESTRO (such as FOX) takes its place for you.</source>
        <translation>Se copian de ahí Misc16.fsh, misc8.fsh, popups.abg, popups.big y preview.jpg, estén donde estén; nada más. Un paquete con el nombre de uno de los siete que vienen con KESTRO (como FOX) ocupa su lugar.</translation>
    </message>
</context>
<context>
    <name>kestro::FindGameDialog</name>
    <message>
        <source>Find Game Folder</source>
        <translation>Buscar la carpeta del juego</translation>
    </message>
    <message>
        <source>None of the places where the game is usually installed is on this computer.</source>
        <translation>Ninguno de los lugares donde se suele instalar el juego existe en este equipo.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>Looked in %1 (%2 folders).</source>
        <translation>Se buscó en %1 (%2 carpetas).</translation>
    </message>
    <message>
        <source>The search stopped early: some places were not searched.</source>
        <translation>La búsqueda se detuvo antes de tiempo: algunos lugares no se revisaron.</translation>
    </message>
    <message>
        <source>Could not read %1.</source>
        <translation>No se pudo leer %1.</translation>
    </message>
    <message>
        <source>VARNEX 2001 was not found.</source>
        <translation>No se encontró VARNEX 2001.</translation>
    </message>
    <message>
        <source>VARNEX 2001 was found, but cannot be used where it is.</source>
        <translation>Se encontró VARNEX 2001, pero no se puede usar donde está.</translation>
    </message>
    <message>
        <source>VARNEX 2001 was found in:</source>
        <translation>Se encontró VARNEX 2001 en:</translation>
    </message>
    <message>
        <source>Game folders found</source>
        <translation>Carpetas del juego encontradas</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Found in</source>
        <translation>Encontrada en</translation>
    </message>
    <message>
        <source>%1 (in use)</source>
        <translation>%1 (en uso)</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>prefijo de Wine %1</translation>
    </message>
    <message>
        <source>Lutris prefix %1</source>
        <translation>prefijo de Lutris %1</translation>
    </message>
    <message>
        <source>Bottles bottle %1</source>
        <translation>botella de Bottles %1</translation>
    </message>
    <message>
        <source>PlayOnLinux prefix %1</source>
        <translation>prefijo de PlayOnLinux %1</translation>
    </message>
    <message>
        <source>CrossOver bottle %1</source>
        <translation>botella de CrossOver %1</translation>
    </message>
    <message>
        <source>Steam (compatdata %1)</source>
        <translation>Steam (compatdata %1)</translation>
    </message>
    <message>
        <source>registry</source>
        <translation>registro</translation>
    </message>
    <message>
        <source>drive %1</source>
        <translation>unidad %1</translation>
    </message>
    <message>
        <source>%1: a link, not followed</source>
        <translation>%1: es un enlace, no se sigue</translation>
    </message>
    <message>
        <source>%1: permission denied</source>
        <translation>%1: permiso denegado</translation>
    </message>
    <message>
        <source>%1: not a plain file</source>
        <translation>%1: no es un archivo normal</translation>
    </message>
    <message>
        <source>%1: too large</source>
        <translation>%1: demasiado grande</translation>
    </message>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: no existe esa carpeta</translation>
    </message>
    <message>
        <source>%1: not a folder</source>
        <translation>%1: no es una carpeta</translation>
    </message>
    <message>
        <source>%1: the game is here, but its path holds a name that cannot be stored; rename that folder</source>
        <translation>%1: aquí está el juego, pero su ruta contiene un nombre que no se puede guardar; cambie el nombre de esa carpeta</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: no se puede leer</translation>
    </message>
    <message>
        <source>VARNEX 2001 was found in &quot;%1&quot;. Use this folder?</source>
        <translation>Se encontró VARNEX 2001 en &quot;%1&quot;. ¿Usar esta carpeta?</translation>
    </message>
</context>
<context>
    <name>kestro::Form1</name>
    <message>
        <source>The stored game folder cannot be read: %1

Choose the game folder again.</source>
        <translation>No se puede leer la carpeta del juego guardada: %1

Elija de nuevo la carpeta del juego.</translation>
    </message>
    <message>
        <source>Installed in the game folder now</source>
        <translation>Instalado ahora en la carpeta del juego</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Remove Channel Set</source>
        <translation>Eliminar paquete de canal</translation>
    </message>
    <message>
        <source>You have added no channel sets. The seven that come with KESTRO cannot be removed.</source>
        <translation>No ha añadido ningún paquete de canal. Los siete que vienen con KESTRO no se pueden eliminar.</translation>
    </message>
    <message>
        <source>Channel set to remove:</source>
        <translation>Paquete de canal que eliminar:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Remove the channel set %1? Its files are deleted from your channel sets folder.</source>
        <translation>¿Eliminar el paquete de canal %1? Sus archivos se borrarán de la carpeta de sus paquetes de canal.</translation>
    </message>
    <message>
        <source>Add Channel Set</source>
        <translation>Añadir paquete de canal</translation>
    </message>
    <message>
        <source>%1 cannot be added: only a folder or a .zip, .rar or .7z archive holds a channel set.</source>
        <translation>No se puede añadir %1: solo una carpeta o un archivo comprimido .zip, .rar o .7z contiene un paquete de canal.</translation>
    </message>
    <message>
        <source>%1 could not be opened: no web browser or mail program answered.</source>
        <translation>No se pudo abrir %1: no respondió ningún navegador web ni programa de correo.</translation>
    </message>
    <message>
        <source>Holds none of the game&apos;s files as a file KESTRO can read, and installs nothing</source>
        <translation>No contiene ninguno de los archivos del juego como archivo que KESTRO pueda leer, así que no instala nada</translation>
    </message>
    <message>
        <source>%1 is left out: %2</source>
        <translation>%1 se deja fuera: %2</translation>
    </message>
</context>
<context>
    <name>kestro::seleccion</name>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened.</source>
        <translation>No se puede abrir la carpeta %1.</translation>
    </message>
    <message>
        <source>The drive %1 is not ready.</source>
        <translation>La unidad %1 no está lista.</translation>
    </message>
    <message>
        <source>The name of the folder &quot;%1&quot; holds &quot;\&quot;, which the stored path would read as a separator, leading to another folder. Rename that folder, or choose another one.</source>
        <translation>El nombre de la carpeta &quot;%1&quot; contiene &quot;\&quot;, que la ruta guardada leería como separador y llevaría a otra carpeta. Cambie el nombre de esa carpeta o elija otra.</translation>
    </message>
    <message>
        <source>The name of the folder &quot;%1&quot; holds a character Windows does not allow in names. Choose the folder on the &quot;/&quot; drive instead, or rename it.</source>
        <translation>El nombre de la carpeta &quot;%1&quot; contiene un carácter que Windows no admite en los nombres. Elija la carpeta en la unidad &quot;/&quot; o cámbiele el nombre.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>kestro: no display was found to open the window on; &apos;kestro --help&apos; lists what works without one.</source>
        <translation>kestro: no se encontró ninguna pantalla en la que abrir la ventana; &apos;kestro --help&apos; muestra lo que funciona sin ella.</translation>
    </message>
</context>
</TS>
