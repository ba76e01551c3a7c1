<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CatalogueCheck</name>
    <message>
        <source>table %1</source>
        <translation>tabla %1</translation>
    </message>
    <message>
        <source>%1 is a %2, not a table</source>
        <translation>%1 es de tipo %2, no una tabla</translation>
    </message>
    <message>
        <source>field %1.%2</source>
        <translation>campo %1.%2</translation>
    </message>
    <message>
        <source>index %1.%2 is over %3, not %4</source>
        <translation>el índice %1.%2 abarca %3, no %4</translation>
    </message>
    <message>
        <source>index %1.%2 is not unique</source>
        <translation>el índice %1.%2 no es único</translation>
    </message>
    <message>
        <source>index %1.%2</source>
        <translation>índice %1.%2</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>No game folder given, and none is stored: pso --check &lt;game folder&gt;.</source>
        <translation>No se indicó carpeta del juego y no hay ninguna guardada: pso --check &lt;carpeta del juego&gt;.</translation>
    </message>
</context>
<context>
    <name>ControlTips</name>
    <message>
        <source>Read the circuit files of the Circuits folder again</source>
        <translation>Volver a leer los archivos de circuito de la carpeta Circuits</translation>
    </message>
    <message>
        <source>Select a circuit and a slot first</source>
        <translation>Selecciona primero un circuito y una ranura</translation>
    </message>
    <message>
        <source>Choose a saved Track Pack first</source>
        <translation>Elige primero un pack guardado</translation>
    </message>
    <message>
        <source>Select a circuit first</source>
        <translation>Selecciona primero un circuito</translation>
    </message>
    <message>
        <source>Select an add-on circuit first: the game&apos;s own circuits are not changed</source>
        <translation>Selecciona primero un circuito adicional: los circuitos propios del juego no se cambian</translation>
    </message>
    <message>
        <source>Not needed: the track info is read when a circuit is selected</source>
        <translation>No hace falta: la info del circuito se lee al seleccionar un circuito</translation>
    </message>
    <message>
        <source>The standard database and the one opened at start-up cannot be deleted</source>
        <translation>La base de datos estándar y la abierta al inicio no se pueden borrar</translation>
    </message>
    <message>
        <source>Not needed: every change is saved as it is made</source>
        <translation>No hace falta: cada cambio se guarda al hacerlo</translation>
    </message>
    <message>
        <source>Select a slot first: menu pictures are imported from the game&apos;s slots</source>
        <translation>Selecciona primero una ranura: las imágenes de menú se importan desde las ranuras del juego</translation>
    </message>
</context>
<context>
    <name>DosCommands</name>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>No se puede iniciar %1: %2</translation>
    </message>
    <message>
        <source>a percent sign (%), which the DOS emulator reads as a variable</source>
        <extracomment>What a folder or argument holds, after &quot;… holds &quot;.</extracomment>
        <translation>un signo de porcentaje (%), que el emulador de DOS lee como variable</translation>
    </message>
    <message>
        <source>a line break or another control character, which the DOS emulator reads as the end of a command</source>
        <extracomment>What a folder or argument holds, after &quot;… holds &quot;.</extracomment>
        <translation>un salto de línea u otro carácter de control, que el emulador de DOS lee como fin de una orden</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; has no DOS (8.3) form</source>
        <translation>el nombre &quot;%1&quot; no tiene forma DOS (8.3)</translation>
    </message>
    <message>
        <source>a double quote</source>
        <extracomment>What a folder holds, after &quot;… holds &quot;.</extracomment>
        <translation>unas comillas dobles</translation>
    </message>
    <message>
        <source>the CD image %1 holds %2</source>
        <translation>la imagen de CD %1 contiene %2</translation>
    </message>
    <message>
        <source>the folder %1 holds %2</source>
        <translation>la carpeta %1 contiene %2</translation>
    </message>
    <message>
        <source>its path &quot;%1&quot; holds %2</source>
        <translation>su ruta &quot;%1&quot; contiene %2</translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; holds %2</source>
        <translation>el argumento &quot;%1&quot; contiene %2</translation>
    </message>
    <message>
        <source>its arguments are longer than DOS allows</source>
        <translation>sus argumentos son más largos de lo que DOS permite</translation>
    </message>
    <message>
        <source>DOSBox reads a line that starts with # as a remark</source>
        <translation>DOSBox lee como comentario una línea que empieza por #</translation>
    </message>
</context>
<context>
    <name>ExeCmd</name>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>No se puede iniciar %1: %2</translation>
    </message>
    <message>
        <source>%1 is a DOS program: install DOSBox (for example with &quot;apt install dosbox&quot;) or name an emulator in File &gt; Setup Pistaro.</source>
        <translation>%1 es un programa de DOS: instala DOSBox (por ejemplo con &quot;apt install dosbox&quot;) o indica un emulador en Archivo &gt; Configurar Pistaro.</translation>
    </message>
    <message>
        <source>no program folder for its DOSBox settings</source>
        <translation>no hay carpeta del programa para su configuración de DOSBox</translation>
    </message>
    <message>
        <source>its DOSBox settings could not be written to %1: %2</source>
        <translation>no se pudo escribir su configuración de DOSBox en %1: %2</translation>
    </message>
    <message>
        <source>%1 is a Windows program: install Wine (for example with &quot;apt install wine&quot;).</source>
        <translation>%1 es un programa de Windows: instala Wine (por ejemplo con &quot;apt install wine&quot;).</translation>
    </message>
    <message>
        <source>the DOS program it names is not there</source>
        <translation>el programa de DOS que indica no está</translation>
    </message>
    <message>
        <source>not a program this system can run</source>
        <translation>no es un programa que este sistema pueda ejecutar</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>no existe ese archivo</translation>
    </message>
    <message>
        <source>%1 was stopped</source>
        <translation>%1 fue detenido</translation>
    </message>
    <message>
        <source>%1 stopped abnormally</source>
        <translation>%1 terminó de forma anómala</translation>
    </message>
    <message>
        <source>%1 failed (exit status %2)</source>
        <translation>%1 falló (código de salida %2)</translation>
    </message>
    <message>
        <source>%1 stopped abnormally: %2 crashed</source>
        <translation>%1 terminó de forma anómala: %2 se bloqueó</translation>
    </message>
    <message>
        <source>%1 could not be run: %2 ended with exit status %3</source>
        <translation>No se pudo ejecutar %1: %2 terminó con código de salida %3</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>The name is empty.</source>
        <translation>El nombre está vacío.</translation>
    </message>
    <message>
        <source>%1 is the name of a game slot file.</source>
        <translation>%1 es el nombre de un archivo de ranura del juego.</translation>
    </message>
    <message>
        <source>%1 is no plain file name: it can&apos;t hold \, /, : or ..</source>
        <translation>%1 no es un nombre de archivo simple: no puede contener \, /, : ni ..</translation>
    </message>
</context>
<context>
    <name>LapHistory</name>
    <message>
        <source>Warm up</source>
        <translation>Calentamiento</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entrenamientos</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Carrera</translation>
    </message>
</context>
<context>
    <name>LapHistoryView</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Previous Best</source>
        <translation>Mejor anterior</translation>
    </message>
    <message>
        <source>Improvement</source>
        <translation>Mejora</translation>
    </message>
</context>
<context>
    <name>LapTimeTable</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Warm up time</source>
        <translation>Calentamiento</translation>
    </message>
    <message>
        <source>Practice Time</source>
        <translation>Entrenamientos</translation>
    </message>
    <message>
        <source>Qualifying Time</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Race Time</source>
        <translation>Carrera</translation>
    </message>
</context>
<context>
    <name>MakeDatabase</name>
    <message>
        <source>Arquivo não encontrado !</source>
        <translation>¡Archivo no encontrado!</translation>
    </message>
    <message>
        <source>Arquivo está em uso. Feche todos os programas e tente novamente !</source>
        <translation>El archivo está en uso. ¡Cierra todos los programas e inténtalo de nuevo!</translation>
    </message>
    <message>
        <source>Database is in use.</source>
        <translation>La base de datos está en uso.</translation>
    </message>
    <message>
        <source>ERROR : %1 - %2</source>
        <translation>ERROR : %1 - %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Database %1 has layout version %2, made by a newer Pistaro; this one knows versions up to %3. The database was not opened and is left as it is.</source>
        <translation>La base de datos %1 tiene la versión de estructura %2, creada por un Pistaro más reciente; este conoce versiones hasta la %3. La base de datos no se abrió y se deja como está.</translation>
    </message>
    <message>
        <source>Updating original tracks info...</source>
        <translation>Actualizando info de los circuitos originales...</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>Updating maps info...</source>
        <translation>Actualizando info de los mapas...</translation>
    </message>
</context>
<context>
    <name>OkButtonBox</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>PackSharing</name>
    <message>
        <source>Track pack files</source>
        <translation>Archivos de pack</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Reading circuits: %1 of %2</source>
        <translation>Leyendo circuitos: %1 de %2</translation>
    </message>
    <message>
        <source>These names in the circuits folder are no regular file (a pipe, a device or a socket) and were not read:</source>
        <translation>Estos nombres de la carpeta de circuitos no son archivos normales (una tubería, un dispositivo o un socket) y no se leyeron:</translation>
    </message>
    <message>
        <source>Slot %1: %2 (%3)</source>
        <translation>Ranura %1: %2 (%3)</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not found:</source>
        <translation>No se encontró el pack &apos;%1&apos;:</translation>
    </message>
    <message>
        <source>Export pack</source>
        <translation>Exportar pack</translation>
    </message>
    <message>
        <source>These slots are missing from the pack, or could not be read, and were left out:</source>
        <translation>Estas ranuras faltan en el pack o no se pudieron leer, y se dejaron fuera:</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Ranura %1: %2</translation>
    </message>
    <message>
        <source>These slots hold no circuit and were left out:</source>
        <translation>Estas ranuras no contienen ningún circuito y se dejaron fuera:</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; holds no circuit to export.</source>
        <translation>El pack &apos;%1&apos; no contiene ningún circuito que exportar.</translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation>%1 en %2.</translation>
    </message>
    <message>
        <source>slot was</source>
        <translation>ranura escrita</translation>
    </message>
    <message>
        <source>slots were</source>
        <translation>ranuras escritas</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was exported.</source>
        <translation>El pack &apos;%1&apos; se exportó.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was exported in part.</source>
        <translation>El pack &apos;%1&apos; se exportó en parte.</translation>
    </message>
    <message>
        <source>Import pack</source>
        <translation>Importar pack</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a pipe, a device or a folder, or gone). Nothing was changed.</source>
        <translation>%1 no es un archivo normal (una tubería, un dispositivo o una carpeta, o ya no está). No se cambió nada.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be read: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a track pack file Pistaro can read. Nothing was changed.</source>
        <translation>%1 no es un archivo de pack que Pistaro pueda leer. No se cambió nada.</translation>
    </message>
    <message>
        <source>None of the circuits of the Track Pack &apos;%1&apos; is in your collection. Nothing was changed.</source>
        <translation>Ninguno de los circuitos del pack &apos;%1&apos; está en tu colección. No se cambió nada.</translation>
    </message>
    <message>
        <source>These circuits are not in your collection; their slots are left empty, and the pack remembers them. </source>
        <translation>Estos circuitos no están en tu colección; sus ranuras quedan vacías y el pack los recuerda. </translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>No se pudo crear %1.</translation>
    </message>
    <message>
        <source>%1 (of the older pack) couldn&apos;t be deleted.</source>
        <translation>No se pudo borrar %1 (del pack anterior).</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be copied into the pack: %2</source>
        <translation>No se pudo copiar %1 en el pack: %2</translation>
    </message>
    <message>
        <source>The pack could not remember the circuits it lacks: %1</source>
        <translation>El pack no pudo recordar los circuitos que le faltan: %1</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not imported: %2</source>
        <translation>El pack &apos;%1&apos; no se importó: %2</translation>
    </message>
    <message>
        <source>The pack is left as it was.</source>
        <translation>El pack queda como estaba.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was imported in part: %2</source>
        <translation>El pack &apos;%1&apos; se importó en parte: %2</translation>
    </message>
    <message>
        <source>Putting the pack back as it was failed too (%1). &quot;Restore last change&quot; puts it back once the cause is removed.</source>
        <translation>Devolver el pack a como estaba también falló (%1). &quot;Restaurar último cambio&quot; lo devuelve a su estado una vez eliminada la causa.</translation>
    </message>
    <message>
        <source>%1 found and copied into %2.</source>
        <translation>%1 en %2.</translation>
    </message>
    <message>
        <source>circuit was</source>
        <translation>circuito encontrado y copiado</translation>
    </message>
    <message>
        <source>circuits were</source>
        <translation>circuitos encontrados y copiados</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was imported.</source>
        <translation>El pack &apos;%1&apos; se importó.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was imported in part.</source>
        <translation>El pack &apos;%1&apos; se importó en parte.</translation>
    </message>
    <message>
        <source>slot %1 took %2</source>
        <translation>la ranura %1 tomó %2</translation>
    </message>
    <message>
        <source>slot %1 could not take %2: %3</source>
        <translation>la ranura %1 no pudo tomar %2: %3</translation>
    </message>
    <message>
        <source>%1 is complete: %2.</source>
        <extracomment>A pack that took circuits, then what it took: &quot;Season 98 is complete: slot 7 took …&quot;.</extracomment>
        <translation>%1 está completo: %2.</translation>
    </message>
    <message>
        <source>%1: %2. It still lacks %3.</source>
        <translation>%1: %2. Todavía sin %3.</translation>
    </message>
    <message>
        <source>slot</source>
        <extracomment>Counted in &quot;… It still lacks 2 slots.&quot;, after the number.</extracomment>
        <translation>ranura</translation>
    </message>
    <message>
        <source>slots</source>
        <translation>ranuras</translation>
    </message>
</context>
<context>
    <name>PictureButton</name>
    <message>
        <source>Database Table</source>
        <translation>Tabla de la base de datos</translation>
    </message>
    <message>
        <source>Create new database</source>
        <translation>Crear base de datos nueva</translation>
    </message>
    <message>
        <source>Delete current database</source>
        <translation>Borrar la base de datos actual</translation>
    </message>
</context>
<context>
    <name>ProgramFolders</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2</source>
        <translation>no se puede copiar %1 en %2</translation>
    </message>
</context>
<context>
    <name>ProgramLock</name>
    <message>
        <source>Pistaro cannot lock its program folder: %1 is no lock of a running Pistaro and could not be removed. Remove it and start Pistaro again.</source>
        <translation>Pistaro no puede bloquear su carpeta del programa: %1 no es un bloqueo de un Pistaro en marcha y no se pudo quitar. Quítalo y vuelve a iniciar Pistaro.</translation>
    </message>
    <message>
        <source>Pistaro is already running on %1. (process %2)</source>
        <translation>Pistaro ya está en marcha en %1. (proceso %2)</translation>
    </message>
    <message>
        <source>Pistaro is already running on %1.</source>
        <translation>Pistaro ya está en marcha en %1.</translation>
    </message>
</context>
<context>
    <name>RestoreCommand</name>
    <message>
        <source>There is no change to restore.</source>
        <translation>No hay ningún cambio que restaurar.</translation>
    </message>
    <message>
        <source> (its saved copy is damaged: not restored)</source>
        <translation> (su copia guardada está dañada: no restaurado)</translation>
    </message>
    <message>
        <source> (removed: it was not there)</source>
        <translation> (quitado: no estaba)</translation>
    </message>
    <message>
        <source>The backup of %1 on %2 is damaged: the saved copies of %3 of its files are damaged or missing. Restore the other files without them?</source>
        <translation>La copia de seguridad de %1 del %2 está dañada: las copias guardadas de %3 de sus archivos están dañadas o faltan. ¿Restaurar los demás archivos sin ellas?</translation>
    </message>
    <message>
        <source>Some game files could not be restored.</source>
        <translation>Algunos archivos del juego no se pudieron restaurar.</translation>
    </message>
    <message>
        <source>Game files restored, but for these, whose saved copies are damaged:</source>
        <translation>Archivos del juego restaurados, salvo estos, cuyas copias guardadas están dañadas:</translation>
    </message>
    <message>
        <source>Game files restored.</source>
        <translation>Archivos del juego restaurados.</translation>
    </message>
    <message>
        <source>Restore the game files as they were before %1 on %2?</source>
        <translation>¿Restaurar los archivos del juego tal como estaban antes de %1 del %2?</translation>
    </message>
</context>
<context>
    <name>SlotList</name>
    <message>
        <source>Waiting for Export: %1 goes into this slot.</source>
        <translation>Esperando a Exportar: %1 va en esta ranura.</translation>
    </message>
    <message>
        <source>Waiting for Export: %1 goes into this slot, with its edited menu picture.</source>
        <translation>Esperando a Exportar: %1 va en esta ranura, con su imagen de menú editada.</translation>
    </message>
    <message>
        <source>Waiting for Export: the slot&apos;s edited menu picture.</source>
        <translation>Esperando a Exportar: la imagen de menú editada de la ranura.</translation>
    </message>
</context>
<context>
    <name>StatusShown</name>
    <message>
        <source>Please wait...</source>
        <translation>Espera, por favor...</translation>
    </message>
</context>
<context>
    <name>archive</name>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>no se puede escribir (%1)</translation>
    </message>
    <message>
        <source>damaged (%1)</source>
        <translation>dañado (%1)</translation>
    </message>
    <message>
        <source>damaged (shorter than its stated size)</source>
        <translation>dañado (más corto que su tamaño declarado)</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>hay una carpeta con ese nombre en medio</translation>
    </message>
    <message>
        <source>cannot replace the file there</source>
        <translation>no se puede sustituir el archivo allí</translation>
    </message>
    <message>
        <source>not an archive Pistaro can read (%1)</source>
        <translation>no es un archivo comprimido que Pistaro pueda leer (%1)</translation>
    </message>
    <message>
        <source>the archive cannot be read past its first %1 entries (%2)</source>
        <translation>el archivo comprimido no se puede leer más allá de sus primeras %1 entradas (%2)</translation>
    </message>
    <message>
        <source>the archive holds more than %1 entries</source>
        <translation>el archivo comprimido contiene más de %1 entradas</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>es un enlace</translation>
    </message>
    <message>
        <source>it is no plain file</source>
        <translation>no es un archivo simple</translation>
    </message>
    <message>
        <source>its name cannot be read in the code page the archive says</source>
        <translation>su nombre no se puede leer en la página de códigos que indica el archivo comprimido</translation>
    </message>
    <message>
        <source>no usable file name</source>
        <translation>ningún nombre de archivo utilizable</translation>
    </message>
    <message>
        <source>it is encrypted</source>
        <translation>está cifrado</translation>
    </message>
    <message>
        <source>its file name is that of %1, which was kept</source>
        <translation>su nombre de archivo es el de %1, que se conservó</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 bytes</source>
        <translation>se descomprime en más de %1 bytes</translation>
    </message>
    <message>
        <source>the archive unpacks to more than %1 bytes</source>
        <translation>el archivo comprimido se descomprime en más de %1 bytes</translation>
    </message>
    <message>
        <source>damaged (longer than its stated size)</source>
        <translation>dañado (más largo que su tamaño declarado)</translation>
    </message>
    <message>
        <source>Nothing extracted: %1</source>
        <translation>Nada extraído: %1</translation>
    </message>
    <message>
        <source>%1 not extracted: %2</source>
        <translation>%1 no extraído: %2</translation>
    </message>
    <message>
        <source>The rest was not extracted: %1</source>
        <translation>El resto no se extrajo: %1</translation>
    </message>
    <message>
        <source>Archives (ZIP, 7z, RAR, LZH, tar)</source>
        <translation>Archivos comprimidos (ZIP, 7z, RAR, LZH, tar)</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>the scratch folder cannot take %1: %2</source>
        <translation>la carpeta de trabajo no puede recibir %1: %2</translation>
    </message>
</context>
<context>
    <name>artwork</name>
    <message>
        <source>circuits and lap times</source>
        <translation>circuitos y tiempos de vuelta</translation>
    </message>
</context>
<context>
    <name>backedup</name>
    <message>
        <source>%1 was stopped before changing anything: %2</source>
        <translation>%1 se detuvo antes de cambiar nada: %2</translation>
    </message>
    <message>
        <source>its backup cannot be read</source>
        <translation>su copia de seguridad no se puede leer</translation>
    </message>
    <message>
        <source>Putting the game back as it was failed too (%1). &quot;Restore last change&quot; puts it back once the cause is removed.</source>
        <translation>Devolver el juego a como estaba también falló (%1). &quot;Restaurar último cambio&quot; lo devuelve a su estado una vez eliminada la causa.</translation>
    </message>
</context>
<context>
    <name>binfile</name>
    <message>
        <source>Invalid file position %1 in %2</source>
        <translation>Posición de archivo no válida %1 en %2</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Archivo no encontrado: %1</translation>
    </message>
    <message>
        <source>Not a file: %1</source>
        <translation>No es un archivo: %1</translation>
    </message>
</context>
<context>
    <name>cdimage</name>
    <message>
        <source>the CD image %1 is not there</source>
        <translation>la imagen de CD %1 no está</translation>
    </message>
    <message>
        <source>the CD image %1 is not a file</source>
        <translation>la imagen de CD %1 no es un archivo</translation>
    </message>
    <message>
        <source>the CD image %1 cannot be read: %2</source>
        <translation>la imagen de CD %1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>the CD image %1 names %2, which is not there</source>
        <translation>la imagen de CD %1 indica %2, que no está</translation>
    </message>
    <message>
        <source>the CD image %1 names %2, which is not a file</source>
        <translation>la imagen de CD %1 indica %2, que no es un archivo</translation>
    </message>
    <message>
        <source>the CD image %1 names %2, which cannot be read: %3</source>
        <translation>la imagen de CD %1 indica %2, que no se puede leer: %3</translation>
    </message>
    <message>
        <source>the CD image %1 is not a cue sheet</source>
        <translation>la imagen de CD %1 no es una hoja cue</translation>
    </message>
    <message>
        <source>the CD image %1 names no track file</source>
        <translation>la imagen de CD %1 no indica ningún archivo de pista</translation>
    </message>
</context>
<context>
    <name>checksum</name>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>the file is shorter than its checksum</source>
        <translation>el archivo es más corto que su suma de control</translation>
    </message>
</context>
<context>
    <name>circuitkind</name>
    <message>
        <source>Slot %1</source>
        <translation>Ranura %1</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>The game&apos;s own slot file: what GP2 races in this slot. Export writes it; the circuit it holds is also in your collection.</source>
        <translation>El archivo de ranura del propio juego: lo que GP2 corre en esta ranura. Exportar lo escribe; el circuito que contiene también está en tu colección.</translation>
    </message>
    <message>
        <source>A copy of one of the game&apos;s original circuits, kept under its track name by Pistaro&apos;s first start.</source>
        <translation>Una copia de uno de los circuitos originales del juego, guardada con su nombre de circuito en el primer arranque de Pistaro.</translation>
    </message>
</context>
<context>
    <name>circuitquery</name>
    <message>
        <source>a quote is not closed</source>
        <translation>unas comillas sin cerrar</translation>
    </message>
    <message>
        <source>nothing follows it to leave out</source>
        <translation>no le sigue nada que excluir</translation>
    </message>
    <message>
        <source>nothing to look for</source>
        <translation>nada que buscar</translation>
    </message>
    <message>
        <source>no field is called &quot;%1&quot;</source>
        <translation>ningún campo se llama &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a value is missing</source>
        <translation>falta un valor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2</source>
        <translation>&quot;%1&quot; no es %2</translation>
    </message>
    <message>
        <source>a time (m:ss.mmm)</source>
        <translation>un tiempo (m:ss.mmm)</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>only laps, length and time compare with &lt; and &gt;</source>
        <translation>solo laps, length y time se comparan con &lt; y &gt;</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A term of the search the filter did not understand, then why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>and %1 more terms not understood</source>
        <translation>y %1 términos más no entendidos</translation>
    </message>
    <message>
        <source>%1 terms after the first %2: ignored</source>
        <translation>%1 términos tras los primeros %2: ignorados</translation>
    </message>
</context>
<context>
    <name>copyfailure</name>
    <message>
        <source>These slots were not changed: their files are read only. Change the file attributes and export again.</source>
        <translation>Estas ranuras no se cambiaron: sus archivos son de solo lectura. Cambia los atributos de los archivos y vuelve a exportar.</translation>
    </message>
    <message>
        <source>These slots were not changed: their files are in use. Close any other application and export again.</source>
        <translation>Estas ranuras no se cambiaron: sus archivos están en uso. Cierra cualquier otra aplicación y vuelve a exportar.</translation>
    </message>
    <message>
        <source>These slots were not changed: their files could not be written.</source>
        <translation>Estas ranuras no se cambiaron: sus archivos no se pudieron escribir.</translation>
    </message>
</context>
<context>
    <name>dbnames</name>
    <message>
        <source>Database &apos;%1...&apos; is longer than a file name may be (255 bytes).</source>
        <translation>La base de datos &apos;%1...&apos; es más larga de lo que puede ser un nombre de archivo (255 bytes).</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; must be a plain file name, without folders or &apos;..&apos;.</source>
        <translation>La base de datos &apos;%1&apos; debe ser un nombre de archivo simple, sin carpetas ni &apos;..&apos;.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; holds the menu pictures and cannot be a lap time database.</source>
        <translation>La base de datos &apos;%1&apos; contiene las imágenes de menú y no puede ser una base de datos de tiempos.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; holds the menu pictures and cannot be deleted.</source>
        <translation>La base de datos &apos;%1&apos; contiene las imágenes de menú y no se puede borrar.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; is the standard database and cannot be deleted.</source>
        <translation>La base de datos &apos;%1&apos; es la estándar y no se puede borrar.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; was opened at start-up and cannot be deleted.</source>
        <translation>La base de datos &apos;%1&apos; se abrió al inicio y no se puede borrar.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; is not in the list.</source>
        <translation>La base de datos &apos;%1&apos; no está en la lista.</translation>
    </message>
</context>
<context>
    <name>dbopen</name>
    <message>
        <source>Please wait, making database...</source>
        <translation>Espera, creando la base de datos...</translation>
    </message>
</context>
<context>
    <name>deffile</name>
    <message>
        <source>Line %1 of the definition file ends in a comma: %2</source>
        <translation>La línea %1 del archivo de definición termina en coma: %2</translation>
    </message>
</context>
<context>
    <name>dosboxconfig</name>
    <message>
        <source>could not remove the link %1</source>
        <translation>no se pudo quitar el enlace %1</translation>
    </message>
</context>
<context>
    <name>emulators</name>
    <message>
        <source>Use max, auto, fixed and a number, or a number of cycles such as 30000.</source>
        <translation>Usa max, auto, fixed con un número, o un número de ciclos como 30000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no number of cycles DOSBox takes: from 1 to %2.</source>
        <translation>&quot;%1&quot; no es un número de ciclos que DOSBox acepte: de 1 a %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no share DOSBox takes: from 1% to 100%.</source>
        <translation>&quot;%1&quot; no es un porcentaje que DOSBox acepte: del 1% al 100%.</translation>
    </message>
    <message>
        <source>&quot;limit&quot; needs a number of cycles after it, such as limit 50000.</source>
        <translation>&quot;limit&quot; necesita detrás un número de ciclos, como limit 50000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not read by DOSBox there. %2</source>
        <translation>DOSBox no lee &quot;%1&quot; en ese punto. %2</translation>
    </message>
    <message>
        <source>Only letters, digits, blanks and % are read there. </source>
        <translation>En ese punto solo se leen letras, dígitos, espacios y %. </translation>
    </message>
    <message>
        <source>&quot;fixed&quot; takes one number of cycles after it, such as fixed 30000.</source>
        <translation>&quot;fixed&quot; lleva detrás un solo número de ciclos, como fixed 30000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a DOSBox cycles setting. %2</source>
        <translation>&quot;%1&quot; no es una configuración de ciclos de DOSBox. %2</translation>
    </message>
</context>
<context>
    <name>filetip</name>
    <message>
        <source>%1 - Version %2 - Size: %3 </source>
        <extracomment>A file&apos;s tool tip: its path, when it was changed, its size in bytes.</extracomment>
        <translation>%1 - Versión %2 - Tamaño: %3 </translation>
    </message>
</context>
<context>
    <name>gamebackup</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A file the revert could not put back, then why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a folder stands in its place</source>
        <translation>una carpeta ocupa su lugar</translation>
    </message>
    <message>
        <source>its saved copy is damaged</source>
        <translation>su copia guardada está dañada</translation>
    </message>
    <message>
        <source>cannot make its folder</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>cannot remove it</source>
        <translation>no se puede quitar</translation>
    </message>
    <message>
        <source>cannot remove its mark</source>
        <translation>no se puede quitar su marca</translation>
    </message>
    <message>
        <source>%1 was stopped half-way and could not be undone: %2</source>
        <translation>%1 se detuvo a medias y no se pudo deshacer: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A change in the backups: the command that made it, then when (&quot;Install of 2024-05-01 …&quot;).</extracomment>
        <translation>%1 del %2</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) cannot be put back: the game folder %3 is not there.</source>
        <translation>La copia de seguridad &quot;%1&quot; (%2) no se puede restaurar: la carpeta del juego %3 no está.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) belongs to the game folder %3, not to the one in use (%4): nothing was put back.</source>
        <translation>La copia de seguridad &quot;%1&quot; (%2) pertenece a la carpeta del juego %3, no a la que está en uso (%4): no se restauró nada.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) names %3, which is not inside the game folder in use (%4): nothing was put back.</source>
        <translation>La copia de seguridad &quot;%1&quot; (%2) indica %3, que no está dentro de la carpeta del juego en uso (%4): no se restauró nada.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) was not put back: its copy of %3 is not a plain file of the backups folder.</source>
        <translation>La copia de seguridad &quot;%1&quot; (%2) no se restauró: su copia de %3 no es un archivo simple de la carpeta de copias de seguridad.</translation>
    </message>
    <message>
        <source>%1 was put back already.</source>
        <translation>%1 ya se restauró.</translation>
    </message>
    <message>
        <source>%1 was stopped half-way: it is finished or undone at the next start.</source>
        <translation>%1 se detuvo a medias: se termina o se deshace en el próximo inicio.</translation>
    </message>
    <message>
        <source>%1 cannot be reverted: %2 changed the same files later. Revert that change first.</source>
        <translation>%1 no se puede revertir: %2 cambió después los mismos archivos. Revierte primero ese cambio.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) was not put back: the saved copies of these files are damaged or missing: %3</source>
        <translation>La copia de seguridad &quot;%1&quot; (%2) no se restauró: las copias guardadas de estos archivos están dañadas o faltan: %3</translation>
    </message>
    <message>
        <source>cannot mark %1 as put back</source>
        <translation>no se puede marcar %1 como restaurado</translation>
    </message>
    <message>
        <source>its record cannot be read</source>
        <translation>no se puede leer su registro</translation>
    </message>
    <message>
        <source>%1 put nothing back: %2</source>
        <translation>%1 no restauró nada: %2</translation>
    </message>
    <message>
        <source>The files changed so far are put back at the next start or Restore, once there is room: %1</source>
        <translation>Los archivos cambiados hasta ahora se restauran en el próximo inicio o al Restaurar, cuando haya espacio: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2: %3</source>
        <translation>no se puede copiar %1 en %2: %3</translation>
    </message>
    <message>
        <source>cannot make the folder</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>cannot remove %1</source>
        <translation>no se puede quitar %1</translation>
    </message>
    <message>
        <source>%1 was stopped before changing anything: the backup of the game files could not be written.</source>
        <translation>%1 se detuvo antes de cambiar nada: no se pudo escribir la copia de seguridad de los archivos del juego.</translation>
    </message>
</context>
<context>
    <name>gamedir</name>
    <message>
        <source>GP2.EXE not found: %1</source>
        <translation>GP2.EXE no encontrado: %1</translation>
    </message>
    <message>
        <source>GP2.EXE cannot be read: %1</source>
        <translation>GP2.EXE no se puede leer: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t find GP2.EXE !!!</source>
        <translation>¡¡¡No se encuentra GP2.EXE!!!</translation>
    </message>
    <message>
        <source>To use &apos;PISTARO&apos; you must have Gp2 installed on your system !!!</source>
        <translation>¡¡¡Para usar &apos;PISTARO&apos; debes tener Gp2 instalado en tu sistema!!!</translation>
    </message>
</context>
<context>
    <name>gameexenames</name>
    <message>
        <source>the file is missing</source>
        <translation>falta el archivo</translation>
    </message>
    <message>
        <source>the edition of the game program is not recognised</source>
        <translation>no se reconoce la edición del programa del juego</translation>
    </message>
    <message>
        <source>the file is too short to hold them</source>
        <translation>el archivo es demasiado corto para contenerlos</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>error de escritura</translation>
    </message>
    <message>
        <source>; the old names could not be written back either (%1): Restore puts GP2.EXE back</source>
        <translation>; tampoco se pudieron volver a escribir los nombres antiguos (%1): Restaurar devuelve GP2.EXE a su estado</translation>
    </message>
</context>
<context>
    <name>health</name>
    <message>
        <source>it is not a regular file, or it is gone</source>
        <translation>no es un archivo normal, o ya no está</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <extracomment>The last item of a list that names only the first few.</extracomment>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A problem of a circuit, then its explanation, in the Health column&apos;s tool tip.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Could not read the file</source>
        <translation>No se pudo leer el archivo</translation>
    </message>
    <message>
        <source>Not a circuit: too large</source>
        <translation>No es un circuito: demasiado grande</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; no circuit comes near that.</source>
        <translation>El archivo ocupa más de %1 MB; ningún circuito se acerca a eso.</translation>
    </message>
    <message>
        <source>Not a circuit: no track data</source>
        <translation>No es un circuito: sin datos de pista</translation>
    </message>
    <message>
        <source>Nothing lies between the info area and the checksum, where the game expects the track.</source>
        <translation>No hay nada entre el área de info y la suma de control, donde el juego espera la pista.</translation>
    </message>
    <message>
        <source>Not a circuit: too short</source>
        <translation>No es un circuito: demasiado corto</translation>
    </message>
    <message>
        <source>The track data is shorter than %1 bytes.</source>
        <translation>Los datos de pista ocupan menos de %1 bytes.</translation>
    </message>
    <message>
        <source>Checksum wrong</source>
        <translation>Suma de control errónea</translation>
    </message>
    <message>
        <source>The 4-byte checksum at the end does not match the file&apos;s content; the game refuses the circuit.</source>
        <translation>La suma de control de 4 bytes del final no coincide con el contenido del archivo; el juego rechaza el circuito.</translation>
    </message>
    <message>
        <source>Texture list not checked</source>
        <translation>Lista de texturas sin comprobar</translation>
    </message>
    <message>
        <source>The file claims %1 texture files; no circuit names so many.</source>
        <translation>El archivo declara %1 archivos de textura; ningún circuito indica tantos.</translation>
    </message>
    <message>
        <source>1 texture missing</source>
        <translation>Falta 1 textura</translation>
    </message>
    <message>
        <source>%1 textures missing</source>
        <translation>Faltan %1 texturas</translation>
    </message>
    <message>
        <source>Not in the game folder: %1</source>
        <translation>No está en la carpeta del juego: %1</translation>
    </message>
    <message>
        <source>Same circuit as %1</source>
        <translation>El mismo circuito que %1</translation>
    </message>
    <message>
        <source>Same circuit as %1 and %2 more</source>
        <translation>El mismo circuito que %1 y %2 más</translation>
    </message>
    <message>
        <source>The same track data as %1 (the info blocks may differ).</source>
        <translation>Los mismos datos de pista que %1 (los bloques de info pueden diferir).</translation>
    </message>
    <message>
        <source>could not remove the link %1</source>
        <translation>no se pudo quitar el enlace %1</translation>
    </message>
    <message>
        <source>%1 checked: %2 in %3.</source>
        <extracomment>The check&apos;s summary: &quot;12 circuit files checked: 3 problems in 2 files.&quot;</extracomment>
        <translation>%1: %2 en %3.</translation>
    </message>
    <message>
        <source>circuit file</source>
        <extracomment>Counted in the check&apos;s summary, after the number.</extracomment>
        <translation>archivo de circuito revisado</translation>
    </message>
    <message>
        <source>circuit files</source>
        <translation>archivos de circuito revisados</translation>
    </message>
    <message>
        <source>problem</source>
        <extracomment>Counted in the check&apos;s summary, after the number.</extracomment>
        <translation>problema</translation>
    </message>
    <message>
        <source>problems</source>
        <translation>problemas</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>Counted in the check&apos;s summary, after the number.</extracomment>
        <translation>archivo</translation>
    </message>
    <message>
        <source>files</source>
        <translation>archivos</translation>
    </message>
    <message>
        <source> 1 track pack lacks files.</source>
        <translation> A 1 pack le faltan archivos.</translation>
    </message>
    <message>
        <source> %1 track packs lack files.</source>
        <translation> A %1 packs les faltan archivos.</translation>
    </message>
    <message>
        <source>Cannot read the circuits folder %1.</source>
        <translation>No se puede leer la carpeta de circuitos %1.</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <extracomment>A line of the check: a circuit file, then its problem (and the missing textures).</extracomment>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 (track pack): %2</source>
        <translation>%1 (pack): %2</translation>
    </message>
</context>
<context>
    <name>infoblock</name>
    <message>
        <source>The track info to write does not start with #GP2INFO</source>
        <translation>La info del circuito a escribir no empieza por #GP2INFO</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Archivo no encontrado: %1</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>%1 has no track info block</source>
        <translation>%1 no tiene bloque de info del circuito</translation>
    </message>
</context>
<context>
    <name>insidefolders</name>
    <message>
        <source>%1 leads outside the game folder %2, through a link or a linked folder. Pistaro changes no file there: remove the link or change the file yourself.</source>
        <translation>%1 lleva fuera de la carpeta del juego %2, a través de un enlace o una carpeta enlazada. Pistaro no cambia ningún archivo allí: quita el enlace o cambia el archivo tú mismo.</translation>
    </message>
    <message>
        <source>%1 leads outside the game folder %2 (to %3), through a link or a linked folder. Pistaro changes no file there: remove the link or change the file yourself.</source>
        <translation>%1 lleva fuera de la carpeta del juego %2 (a %3), a través de un enlace o una carpeta enlazada. Pistaro no cambia ningún archivo allí: quita el enlace o cambia el archivo tú mismo.</translation>
    </message>
</context>
<context>
    <name>language</name>
    <message>
        <source>Automatic (desktop)</source>
        <translation>Automático (escritorio)</translation>
    </message>
</context>
<context>
    <name>laptime</name>
    <message>
        <source>%1, %2 faster than %3</source>
        <extracomment>A new lap record, how much faster it is, then the record it beat.</extracomment>
        <translation>%1, %2 más rápido que %3</translation>
    </message>
</context>
<context>
    <name>launch</name>
    <message>
        <source>Use: pso --launch [--pack &quot;pack name&quot;] [database]</source>
        <translation>Uso: pso --launch [--pack &quot;nombre del pack&quot;] [base de datos]</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not found: there is no folder %2. GP2 was not started.</source>
        <translation>No se encontró el pack &apos;%1&apos;: no existe la carpeta %2. GP2 no se inició.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; lacks circuits, so GP2 was not started. %2</source>
        <translation>Al pack &apos;%1&apos; le faltan circuitos, así que GP2 no se inició. %2</translation>
    </message>
</context>
<context>
    <name>logparser</name>
    <message>
        <source>Reached a record at %1</source>
        <translation>Récord conseguido en %1</translation>
    </message>
</context>
<context>
    <name>namesarea</name>
    <message>
        <source>The lap count of slot %1 is not between 0 and 255; the game keeps its old lap count there.</source>
        <translation>El número de vueltas de la ranura %1 no está entre 0 y 255; el juego mantiene ahí su número de vueltas anterior.</translation>
    </message>
    <message>
        <source>The lap counts of slots %1 are not between 0 and 255; the game keeps its old lap counts there.</source>
        <translation>El número de vueltas de las ranuras %1 no está entre 0 y 255; el juego mantiene ahí sus números de vueltas anteriores.</translation>
    </message>
</context>
<context>
    <name>packfolder</name>
    <message>
        <source>%1 couldn&apos;t be deleted</source>
        <translation>No se pudo borrar %1</translation>
    </message>
    <message>
        <source>slot %1 wants %2 (%3, %4 bytes)</source>
        <translation>la ranura %1 pide %2 (%3, %4 bytes)</translation>
    </message>
    <message>
        <source>To complete the pack, install that circuit, or copy it into the Circuits folder and press Rescan.</source>
        <translation>Para completar el pack, instala ese circuito o cópialo en la carpeta Circuits y pulsa Releer.</translation>
    </message>
    <message>
        <source>To complete the pack, install those circuits, or copy them into the Circuits folder and press Rescan.</source>
        <translation>Para completar el pack, instala esos circuitos o cópialos en la carpeta Circuits y pulsa Releer.</translation>
    </message>
    <message>
        <source>The folder of this Track Pack is missing: %1</source>
        <translation>Falta la carpeta de este pack: %1</translation>
    </message>
    <message>
        <source>slot %1 (%2)</source>
        <translation>ranura %1 (%2)</translation>
    </message>
    <message>
        <source>slots %1 (%2)</source>
        <translation>ranuras %1 (%2)</translation>
    </message>
    <message>
        <source>Missing from this Track Pack: %1</source>
        <translation>Falta en este pack: %1</translation>
    </message>
</context>
<context>
    <name>packname</name>
    <message>
        <source>&apos;%1&apos; can&apos;t be a Track Pack name.</source>
        <translation>&apos;%1&apos; no puede ser un nombre de pack.</translation>
    </message>
    <message>
        <source>It is longer than a folder name may be (255 bytes).</source>
        <translation>Es más largo de lo que puede ser un nombre de carpeta (255 bytes).</translation>
    </message>
    <message>
        <source>Its name can&apos;t hold control characters (line breaks, tabs and the like).</source>
        <translation>Su nombre no puede contener caracteres de control (saltos de línea, tabuladores y similares).</translation>
    </message>
    <message>
        <source>Its name can only hold the characters of Windows-1252 (Western European letters, digits and signs).</source>
        <translation>Su nombre solo puede contener los caracteres de Windows-1252 (letras de Europa occidental, cifras y signos).</translation>
    </message>
    <message>
        <source>A Track Pack is a folder in the Circuits folder: its name can&apos;t be &quot;.&quot; or &quot;..&quot; and can&apos;t hold \ or /.</source>
        <translation>Un pack es una carpeta dentro de la carpeta Circuits: su nombre no puede ser &quot;.&quot; ni &quot;..&quot; ni contener \ o /.</translation>
    </message>
</context>
<context>
    <name>packusage</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The track packs named in a question: &quot;A&quot;, &quot;B&quot; and &quot;C&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 is used by the track pack %2.</source>
        <translation>%1 se usa en el pack %2.</translation>
    </message>
    <message>
        <source>%1 is used by the track packs %2.</source>
        <translation>%1 se usa en los packs %2.</translation>
    </message>
</context>
<context>
    <name>pistaro::AboutDialog</name>
    <message>
        <source>About Pistaro</source>
        <translation>Acerca de Pistaro</translation>
    </message>
    <message>
        <source> Pistaro and Lap Time Recorder</source>
        <translation> Pistaro y registrador de tiempos de vuelta</translation>
    </message>
    <message>
        <source>Thanks to :</source>
        <translation>Gracias a:</translation>
    </message>
    <message>
        <source>the circuit makers who share their tracks,</source>
        <translation>los creadores de circuitos que comparten sus pistas,</translation>
    </message>
    <message>
        <source>the players who send in their lap times,</source>
        <translation>los jugadores que envían sus tiempos de vuelta,</translation>
    </message>
    <message>
        <source>and everyone who tests and reports problems.</source>
        <translation>y todos los que prueban e informan de problemas.</translation>
    </message>
    <message>
        <source>Help &gt; Contents (F1) tells how Pistaro works.</source>
        <translation>Ayuda &gt; Contenido (F1) explica cómo funciona Pistaro.</translation>
    </message>
    <message>
        <source>Questions and ideas are welcome through the home page:</source>
        <translation>Preguntas e ideas son bienvenidas a través de la página web:</translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitFixes</name>
    <message>
        <source>Repair &amp;checksum</source>
        <translation>Reparar &amp;suma de control</translation>
    </message>
    <message>
        <source>Install &amp;missing textures from an archive…</source>
        <translation>Instalar texturas que &amp;faltan desde un archivo comprimido…</translation>
    </message>
    <message>
        <source>Delete this du&amp;plicate…</source>
        <translation>Borrar este &amp;duplicado…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file the fix could not mend, then why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No selected circuit has a wrong checksum.</source>
        <translation>Ningún circuito seleccionado tiene la suma de control errónea.</translation>
    </message>
    <message>
        <source>These checksums could not be written.</source>
        <translation>Estas sumas de control no se pudieron escribir.</translation>
    </message>
    <message>
        <source>checksum was</source>
        <extracomment>Counted in &quot;2 checksums were repaired: …&quot;, after the number.</extracomment>
        <translation>suma de control reparada</translation>
    </message>
    <message>
        <source>checksums were</source>
        <translation>sumas de control reparadas</translation>
    </message>
    <message>
        <source>%1 repaired: %2.</source>
        <extracomment>&quot;2 checksums were repaired: A.DAT, B.DAT.&quot;</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Repair checksum</source>
        <translation>Reparar suma de control</translation>
    </message>
    <message>
        <source>The selected circuits lack no texture the game folder could hold.</source>
        <translation>A los circuitos seleccionados no les falta ninguna textura que pueda contener la carpeta del juego.</translation>
    </message>
    <message>
        <source>Archive with the missing textures</source>
        <translation>Archivo comprimido con las texturas que faltan</translation>
    </message>
    <message>
        <source>No selected circuit is the same circuit as another file.</source>
        <translation>Ningún circuito seleccionado es el mismo circuito que otro archivo.</translation>
    </message>
    <message>
        <source>%1 (the circuit stays as %2)</source>
        <translation>%1 (el circuito queda como %2)</translation>
    </message>
    <message>
        <source>, waiting for Export into slot %1</source>
        <extracomment>Added to &quot;X.DAT (the circuit stays as Y.DAT)&quot; in the list of duplicates.</extracomment>
        <translation>, esperando a Exportar en la ranura %1</translation>
    </message>
    <message>
        <source>which</source>
        <extracomment>Stands for the file in &quot;…, which is used by the track pack A&quot;.</extracomment>
        <translation>que</translation>
    </message>
    <message>
        <source>Nothing was deleted: the selected files are the only copies of their circuits.</source>
        <translation>No se borró nada: los archivos seleccionados son las únicas copias de sus circuitos.</translation>
    </message>
    <message>
        <source>Delete %1? Each circuit stays in the collection as the file named beside it.</source>
        <translation>¿Borrar %1? Cada circuito queda en la colección como el archivo indicado a su lado.</translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation>duplicado</translation>
    </message>
    <message>
        <source>duplicates</source>
        <translation>duplicados</translation>
    </message>
    <message>
        <source>A slot waits for a file deleted here: Export would leave that slot as it is in the game.</source>
        <translation>Una ranura espera un archivo borrado aquí: Exportar dejaría esa ranura como está en el juego.</translation>
    </message>
    <message>
        <source>These files could not be deleted.</source>
        <translation>Estos archivos no se pudieron borrar.</translation>
    </message>
    <message>
        <source>duplicate was</source>
        <extracomment>Counted in &quot;2 duplicates were deleted: …&quot;, after the number.</extracomment>
        <translation>duplicado borrado</translation>
    </message>
    <message>
        <source>duplicates were</source>
        <translation>duplicados borrados</translation>
    </message>
    <message>
        <source>%1 deleted: %2.</source>
        <extracomment>&quot;2 duplicates were deleted: A.DAT, B.DAT.&quot;</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Borrar duplicados</translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitLists</name>
    <message>
        <source>Words found in any column, or terms such as country:italy, author:&quot;john doe&quot;, laps&gt;60, length&lt;=4500, problems, duplicate, tag:fantasy, pack:&quot;Season 98&quot;, nopack; -word or !word leaves rows out. See Help for every term.</source>
        <translation>Palabras en cualquier columna, o términos como country:italy, author:&quot;john doe&quot;, laps&gt;60, length&lt;=4500, problems, duplicate, tag:fantasy, pack:&quot;Season 98&quot;, nopack; -palabra o !palabra excluye filas. Consulta la Ayuda para ver todos los términos.</translation>
    </message>
    <message>
        <source>Filter circuits</source>
        <translation>Filtrar circuitos</translation>
    </message>
    <message>
        <source>Circuits Directory:</source>
        <translation>Carpeta de circuitos:</translation>
    </message>
    <message>
        <source>A&amp;vailable Circuits</source>
        <translation>Circuitos &amp;disponibles</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Re&amp;nombrar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Add &amp;tags…</source>
        <translation>Añadir e&amp;tiquetas…</translation>
    </message>
    <message>
        <source>Remo&amp;ve tags…</source>
        <translation>&amp;Quitar etiquetas…</translation>
    </message>
    <message>
        <source>Export circuit list</source>
        <translation>Exportar lista de circuitos</translation>
    </message>
    <message>
        <source>Not understood, so not used:
%1</source>
        <translation>No se entendió, así que no se usa:
%1</translation>
    </message>
    <message>
        <source>Rename file &apos;%1&apos; to: </source>
        <translation>Renombrar el archivo &apos;%1&apos; a: </translation>
    </message>
    <message>
        <source>&apos;%1&apos; can&apos;t be used as a file name.</source>
        <translation>&apos;%1&apos; no se puede usar como nombre de archivo.</translation>
    </message>
    <message>
        <source>A circuit is renamed within the Circuits folder: the new name can&apos;t hold \, / or &quot;..&quot;, nor be longer than 255 bytes.</source>
        <translation>Un circuito se renombra dentro de la carpeta Circuits: el nuevo nombre no puede contener \, / ni &quot;..&quot;, ni pasar de 255 bytes.</translation>
    </message>
    <message>
        <source>%1 was not renamed: %2 already exists in its folder.</source>
        <translation>%1 no se renombró: %2 ya existe en su carpeta.</translation>
    </message>
    <message>
        <source>Couldn&apos;t rename %1 to %2.</source>
        <translation>No se pudo renombrar %1 a %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the file &apos;%1&apos; ? </source>
        <translation>¿Seguro que quieres borrar el archivo &apos;%1&apos;? </translation>
    </message>
    <message>
        <source>Couldn&apos;t delete %1.</source>
        <translation>No se pudo borrar %1.</translation>
    </message>
    <message>
        <source>The tags could not be read: %1</source>
        <translation>No se pudieron leer las etiquetas: %1</translation>
    </message>
    <message>
        <source>Select the circuits to tag first.</source>
        <translation>Selecciona primero los circuitos a etiquetar.</translation>
    </message>
    <message>
        <source>Tags to add to %1 (separated by commas):</source>
        <translation>Etiquetas que añadir a %1 (separadas por comas):</translation>
    </message>
    <message>
        <source>Tags to add to the %1 circuits selected (separated by commas):</source>
        <translation>Etiquetas que añadir a los %1 circuitos seleccionados (separadas por comas):</translation>
    </message>
    <message>
        <source>Select the circuits to take tags from first.</source>
        <translation>Selecciona primero los circuitos a los que quitar etiquetas.</translation>
    </message>
    <message>
        <source>The circuits selected have no tags.</source>
        <translation>Los circuitos seleccionados no tienen etiquetas.</translation>
    </message>
    <message>
        <source>Tags to take from the circuits selected (separated by commas):</source>
        <translation>Etiquetas que quitar de los circuitos seleccionados (separadas por comas):</translation>
    </message>
    <message>
        <source>Tags cannot be kept: the tag store %1 could not be opened.</source>
        <translation>No se pueden guardar etiquetas: no se pudo abrir el almacén de etiquetas %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken as a tag: %2.</source>
        <translation>&quot;%1&quot; no se acepta como etiqueta: %2.</translation>
    </message>
    <message>
        <source>These files hold no circuit, so they take no tags:</source>
        <translation>Estos archivos no contienen ningún circuito, así que no admiten etiquetas:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A circuit, then the pack&apos;s tags it lacks.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The pack file tags its circuits. Add these tags to your circuits?</source>
        <translation>El archivo de pack etiqueta sus circuitos. ¿Añadir estas etiquetas a tus circuitos?</translation>
    </message>
    <message>
        <source>Some tags were not taken:</source>
        <translation>Algunas etiquetas no se aceptaron:</translation>
    </message>
    <message>
        <source>Nothing was renamed: select a circuit first.</source>
        <translation>No se renombró nada: selecciona primero un circuito.</translation>
    </message>
    <message>
        <source>%1 was not renamed: it is a game slot file, which the game reads by this name.</source>
        <translation>%1 no se renombró: es un archivo de ranura del juego, que el juego lee con este nombre.</translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitTable</name>
    <message>
        <source>%1 circuit</source>
        <translation>%1 circuito</translation>
    </message>
    <message>
        <source>%1 circuits</source>
        <translation>%1 circuitos</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>The browser&apos;s count while a filter hides rows: &quot;1,234 of 5,000 circuits&quot;.</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitTableModel</name>
    <message>
        <source>The right button on the row offers the fix.</source>
        <translation>El botón derecho sobre la fila ofrece la solución.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Circuito</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Vueltas</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Best race time</source>
        <translation>Mejor tiempo carrera</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Packs</source>
        <translation>Packs</translation>
    </message>
</context>
<context>
    <name>pistaro::CreditsDialog</name>
    <message>
        <source>Made for everyone who keeps racing on add-on circuits.</source>
        <translation>Hecho para todos los que siguen corriendo en circuitos adicionales.</translation>
    </message>
</context>
<context>
    <name>pistaro::DatabaseList</name>
    <message>
        <source>Lap time database in use &apos;%1&apos;</source>
        <translation>Base de datos de tiempos en uso &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Enter the new database name:</source>
        <translation>Escribe el nombre de la nueva base de datos:</translation>
    </message>
    <message>
        <source>Please wait, making new database...</source>
        <translation>Espera, creando la nueva base de datos...</translation>
    </message>
    <message>
        <source>Database %1 could not be made.</source>
        <translation>No se pudo crear la base de datos %1.</translation>
    </message>
    <message>
        <source>Sure you want to kill &apos;%1&apos; ?</source>
        <translation>¿Seguro que quieres eliminar &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; deleted.</source>
        <translation>Base de datos &apos;%1&apos; borrada.</translation>
    </message>
</context>
<context>
    <name>pistaro::Exporter</name>
    <message>
        <source>&amp;Export to Gp2</source>
        <translation>&amp;Exportar a Gp2</translation>
    </message>
    <message>
        <source>Export circuits to Gp2</source>
        <translation>Exportar circuitos a Gp2</translation>
    </message>
    <message>
        <source>Nothing to export: no slot has a circuit or a menu picture waiting.</source>
        <translation>Nada que exportar: ninguna ranura tiene un circuito o una imagen de menú en espera.</translation>
    </message>
    <message>
        <source>Update your Gp2 files on selected circuits?</source>
        <translation>¿Actualizar tus archivos de Gp2 con los circuitos seleccionados?</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espera, por favor...</translation>
    </message>
    <message>
        <source>Exporting menu names... </source>
        <translation>Exportando nombres del menú... </translation>
    </message>
    <message>
        <source>Updating menu picture... </source>
        <translation>Actualizando imagen de menú... </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>%1 copied into its slot.</source>
        <translation>%1 copiado en su ranura.</translation>
    </message>
    <message>
        <source>%1 copied into their slots.</source>
        <translation>%1 copiados en sus ranuras.</translation>
    </message>
    <message>
        <source>circuit was</source>
        <translation>circuito</translation>
    </message>
    <message>
        <source>circuits were</source>
        <translation>circuitos</translation>
    </message>
    <message>
        <source>The menu names and lap counts were written into GP2.EXE.</source>
        <translation>Los nombres del menú y los números de vueltas se escribieron en GP2.EXE.</translation>
    </message>
    <message>
        <source>The menu pictures of %1 changed.</source>
        <translation>Cambiaron las imágenes de menú de %1.</translation>
    </message>
    <message>
        <source>slot were</source>
        <translation>ranura</translation>
    </message>
    <message>
        <source>slots were</source>
        <translation>ranuras</translation>
    </message>
    <message>
        <source>Gp2 updated.</source>
        <translation>Gp2 actualizado.</translation>
    </message>
    <message>
        <source>Gp2 was updated in part.</source>
        <translation>Gp2 se actualizó en parte.</translation>
    </message>
    <message>
        <source>Gp2 was not updated.</source>
        <translation>Gp2 no se actualizó.</translation>
    </message>
    <message>
        <source>Menu pictures were not changed: gp2hipic is not set up. See Help &gt; Outside programs.</source>
        <translation>Las imágenes de menú no se cambiaron: gp2hipic no está configurado. Consulta Ayuda &gt; Programas externos.</translation>
    </message>
    <message>
        <source>Menu pictures were not changed: %1</source>
        <translation>Las imágenes de menú no se cambiaron: %1</translation>
    </message>
    <message>
        <source>Copying... </source>
        <translation>Copiando... </translation>
    </message>
    <message>
        <source>Slot %1: %2 was not copied over %3: %4</source>
        <translation>Ranura %1: %2 no se copió sobre %3: %4</translation>
    </message>
    <message>
        <source>The menu names and lap counts were not written into %1: %2</source>
        <translation>Los nombres del menú y los números de vueltas no se escribieron en %1: %2</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Ranura %1: %2</translation>
    </message>
    <message>
        <source>%1, small picture</source>
        <extracomment>A slot&apos;s menu picture in a list: &quot;Slot 3: Monza, small picture&quot;.</extracomment>
        <translation>%1, imagen pequeña</translation>
    </message>
    <message>
        <source>%1, large picture</source>
        <translation>%1, imagen grande</translation>
    </message>
    <message>
        <source>Menu pictures were not changed: the default picture %1 could not be handed over: %2</source>
        <translation>Las imágenes de menú no se cambiaron: no se pudo entregar la imagen predeterminada %1: %2</translation>
    </message>
    <message>
        <source>Gp2 was not updated: a file could not be written, so the game was put back as it was.</source>
        <translation>Gp2 no se actualizó: no se pudo escribir un archivo, así que el juego se devolvió a como estaba.</translation>
    </message>
    <message>
        <source>The exported circuits were not added to the catalogue: %1</source>
        <translation>Los circuitos exportados no se añadieron al catálogo: %1</translation>
    </message>
</context>
<context>
    <name>pistaro::HelpWindow</name>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
</context>
<context>
    <name>pistaro::HistoryDialog</name>
    <message>
        <source>History of changes</source>
        <translation>Historial de cambios</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Changes, newest first:</source>
        <translation>Cambios, los más recientes primero:</translation>
    </message>
    <message>
        <source>Files of the change:</source>
        <translation>Archivos del cambio:</translation>
    </message>
    <message>
        <source>  (1 file)</source>
        <extracomment>After the time and command of a change in History: how many files it holds.</extracomment>
        <translation>  (1 archivo)</translation>
    </message>
    <message>
        <source>  (%1 files)</source>
        <translation>  (%1 archivos)</translation>
    </message>
    <message>
        <source>  put back</source>
        <extracomment>After a change in History that was undone.</extracomment>
        <translation>  restaurado</translation>
    </message>
    <message>
        <source>  unfinished</source>
        <extracomment>After a change in History that never ended.</extracomment>
        <translation>  sin terminar</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>  damaged</source>
        <extracomment>After a change in History whose saved copies are damaged.</extracomment>
        <translation>  dañado</translation>
    </message>
    <message>
        <source>The saved copies of these files are damaged or missing:
</source>
        <translation>Las copias guardadas de estos archivos están dañadas o faltan:
</translation>
    </message>
    <message>
        <source> (removed: it was not there)</source>
        <translation> (quitado: no estaba)</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Revertir</translation>
    </message>
</context>
<context>
    <name>pistaro::Installer</name>
    <message>
        <source>New track selection</source>
        <translation>Selección de circuito nuevo</translation>
    </message>
    <message>
        <source>Folder of archives to install</source>
        <translation>Carpeta de archivos comprimidos que instalar</translation>
    </message>
    <message>
        <source>No archive was found in %1 (%2).</source>
        <translation>No se encontró ningún archivo comprimido en %1 (%2).</translation>
    </message>
    <message>
        <source>File not found or invalid.</source>
        <translation>Archivo no encontrado o no válido.</translation>
    </message>
    <message>
        <source>Please wait,</source>
        <translation>Espera,</translation>
    </message>
    <message>
        <source>Installing %1 archives,</source>
        <translation>Instalando %1 archivos comprimidos,</translation>
    </message>
    <message>
        <source>Installing archive %1 of %2,</source>
        <translation>Instalando archivo comprimido %1 de %2,</translation>
    </message>
    <message>
        <source>Not installed: the file is missing or empty.</source>
        <translation>No instalado: el archivo falta o está vacío.</translation>
    </message>
    <message>
        <source>The installation of this archive failed here.</source>
        <translation>La instalación de este archivo comprimido falló aquí.</translation>
    </message>
    <message>
        <source>%1 of %2 archives read, %3 installed.</source>
        <extracomment>&quot;3 of 4 archives read, 5 circuits installed.&quot;</extracomment>
        <translation>%1 de %2 archivos comprimidos leídos, %3.</translation>
    </message>
    <message>
        <source>circuit</source>
        <extracomment>Counted in &quot;… 5 circuits installed.&quot;, after the number.</extracomment>
        <translation>circuito instalado</translation>
    </message>
    <message>
        <source>circuits</source>
        <translation>circuitos instalados</translation>
    </message>
    <message>
        <source>%1 already there.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>circuit was</source>
        <translation>circuito ya estaba</translation>
    </message>
    <message>
        <source>circuits were</source>
        <translation>circuitos ya estaban</translation>
    </message>
    <message>
        <source>%1 could not be installed.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>archive</source>
        <translation>archivo comprimido no se pudo instalar</translation>
    </message>
    <message>
        <source>archives</source>
        <translation>archivos comprimidos no se pudieron instalar</translation>
    </message>
    <message>
        <source>Stopped before %1</source>
        <translation>Detenido antes de %1</translation>
    </message>
    <message>
        <source>archive:</source>
        <translation>archivo comprimido:</translation>
    </message>
    <message>
        <source>archives:</source>
        <translation>archivos comprimidos:</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Extrayendo...</translation>
    </message>
    <message>
        <source>Looking file...</source>
        <translation>Buscando archivo...</translation>
    </message>
    <message>
        <source>Nothing could be extracted.</source>
        <translation>No se pudo extraer nada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract any file from %1.</source>
        <translation>No se pudo extraer ningún archivo de %1.</translation>
    </message>
    <message>
        <source>%1 extracted from %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo extraído</translation>
    </message>
    <message>
        <source>files</source>
        <translation>archivos extraídos</translation>
    </message>
    <message>
        <source>The archive holds no circuit (.dat) file.</source>
        <translation>El archivo comprimido no contiene ningún archivo de circuito (.dat).</translation>
    </message>
    <message>
        <source>%1 not installed: an archive inside the archive is not unpacked</source>
        <translation>%1 no instalado: no se descomprimen archivos comprimidos dentro del archivo comprimido</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this file: %1</source>
        <translation>No se pudo leer este archivo: %1</translation>
    </message>
    <message>
        <source>(The read-me was cut here: it holds %1 bytes, the first %2 are shown.)</source>
        <translation>(El léame se cortó aquí: tiene %1 bytes, se muestran los primeros %2.)</translation>
    </message>
    <message>
        <source>%1 not installed: the same circuit is already there as %2</source>
        <translation>%1 no instalado: el mismo circuito ya está como %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the texture list of %1</source>
        <translation>No se pudo leer la lista de texturas de %1</translation>
    </message>
    <message>
        <source>%1 not installed: no other name was given</source>
        <translation>%1 no instalado: no se dio otro nombre</translation>
    </message>
    <message>
        <source>Track %1 was not installed.</source>
        <translation>El circuito %1 no se instaló.</translation>
    </message>
    <message>
        <source>%1 track copied to %2</source>
        <translation>Circuito %1 copiado en %2</translation>
    </message>
    <message>
        <source>%1 track couldn&apos;t be copied to %2: %3</source>
        <translation>El circuito %1 no se pudo copiar en %2: %3</translation>
    </message>
    <message>
        <source>The name of the file you are installing can&apos;t be %1.</source>
        <translation>El nombre del archivo que instalas no puede ser %1.</translation>
    </message>
    <message>
        <source>Please enter a new name for this file:</source>
        <translation>Escribe un nombre nuevo para este archivo:</translation>
    </message>
    <message>
        <source>Please enter another name.</source>
        <translation>Escribe otro nombre.</translation>
    </message>
    <message>
        <source>File %1 already exists, overwrite?</source>
        <translation>El archivo %1 ya existe, ¿sobrescribir?</translation>
    </message>
    <message>
        <source>%1 %2 menu image copied</source>
        <translation>Imagen de menú %1 %2 copiada</translation>
    </message>
    <message>
        <source>%1 %2 menu image couldn&apos;t be copied to %3: %4</source>
        <translation>La imagen de menú %1 %2 no se pudo copiar en %3: %4</translation>
    </message>
    <message>
        <source>%1 file converted to JAM</source>
        <translation>Archivo %1 convertido a JAM</translation>
    </message>
    <message>
        <source>%1 file couldn&apos;t be converted to JAM: %2</source>
        <translation>El archivo %1 no se pudo convertir a JAM: %2</translation>
    </message>
    <message>
        <source>No texture was copied: %1</source>
        <translation>No se copió ninguna textura: %1</translation>
    </message>
    <message>
        <source>No texture was copied: their backup could not be written: %1</source>
        <translation>No se copió ninguna textura: no se pudo escribir su copia de seguridad: %1</translation>
    </message>
    <message>
        <source>Textures from %1</source>
        <translation>Texturas de %1</translation>
    </message>
    <message>
        <source>Every missing texture is installed now.</source>
        <translation>Ya están instaladas todas las texturas que faltaban.</translation>
    </message>
    <message>
        <source>%1 still missing:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>texture is</source>
        <translation>textura sigue faltando</translation>
    </message>
    <message>
        <source>textures are</source>
        <translation>texturas siguen faltando</translation>
    </message>
    <message>
        <source>Nothing was installed: %1</source>
        <translation>No se instaló nada: %1</translation>
    </message>
    <message>
        <source>Track %1 was not installed: %2</source>
        <translation>El circuito %1 no se instaló: %2</translation>
    </message>
    <message>
        <source>Track %1 was installed in part: %2</source>
        <translation>El circuito %1 se instaló en parte: %2</translation>
    </message>
    <message>
        <source>Not installed: %1</source>
        <translation>No instalado: %1</translation>
    </message>
    <message>
        <source>The archives were installed in part: %1</source>
        <translation>Los archivos comprimidos se instalaron en parte: %1</translation>
    </message>
    <message>
        <source>no scratch folder could be made in %1 (%2).</source>
        <translation>no se pudo crear una carpeta de trabajo en %1 (%2).</translation>
    </message>
    <message>
        <source>The game was put back as it was.</source>
        <translation>El juego se devolvió a como estaba.</translation>
    </message>
</context>
<context>
    <name>pistaro::LapHistoryView</name>
    <message>
        <source>History: select a track</source>
        <translation>Historial: selecciona un circuito</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Historial de %1</translation>
    </message>
    <message>
        <source>Select a track to see its history.</source>
        <translation>Selecciona un circuito para ver su historial.</translation>
    </message>
    <message>
        <source>No records of this track yet.</source>
        <translation>Aún no hay registros de este circuito.</translation>
    </message>
</context>
<context>
    <name>pistaro::LapTimeDatabase</name>
    <message>
        <source>Error while reading Parameters.</source>
        <translation>Error al leer los parámetros.</translation>
    </message>
    <message>
        <source>Database %1 does not have the layout pso.def describes and cannot be used.</source>
        <translation>La base de datos %1 no tiene la estructura que describe pso.def y no se puede usar.</translation>
    </message>
    <message>
        <source>Database %1 lacks what pso.def describes:</source>
        <translation>A la base de datos %1 le falta lo que describe pso.def:</translation>
    </message>
    <message>
        <source>It is brought up to date now.</source>
        <translation>Ahora se actualiza.</translation>
    </message>
    <message>
        <source>Please wait, updating database...</source>
        <translation>Espera, actualizando la base de datos...</translation>
    </message>
    <message>
        <source>Database %1 was brought up to date (layout version %2 to %3).</source>
        <translation>La base de datos %1 se actualizó (versión de estructura %2 a %3).</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>El archivo tal como estaba se guarda como %1.</translation>
    </message>
    <message>
        <source>Database %1 could not be brought up to date and is left as it was.</source>
        <translation>La base de datos %1 no se pudo actualizar y se deja como estaba.</translation>
    </message>
    <message>
        <source>Database %1 could not be made.</source>
        <translation>No se pudo crear la base de datos %1.</translation>
    </message>
    <message>
        <source>Database %1 is damaged and could not be repaired.</source>
        <translation>La base de datos %1 está dañada y no se pudo reparar.</translation>
    </message>
    <message>
        <source> Cancel ends Pistaro.</source>
        <extracomment>Ends the messages that ask for the game folder, after a space.</extracomment>
        <translation> Cancelar cierra Pistaro.</translation>
    </message>
    <message>
        <source>There is no GP2.EXE in %1.</source>
        <translation>No hay ningún GP2.EXE en %1.</translation>
    </message>
    <message>
        <source>In the next window, choose the folder that holds GP2.EXE.</source>
        <translation>En la siguiente ventana, elige la carpeta que contiene GP2.EXE.</translation>
    </message>
    <message>
        <source>Where is your GP2 folder?</source>
        <translation>¿Dónde está tu carpeta de GP2?</translation>
    </message>
    <message>
        <source>Pistaro works on the circuits of your Grand Prix 2 installation. In the next window, choose the folder that holds GP2.EXE (File &gt; Setup Pistaro changes it later).</source>
        <translation>Pistaro trabaja con los circuitos de tu instalación de Grand Prix 2. En la siguiente ventana, elige la carpeta que contiene GP2.EXE (Archivo &gt; Configurar Pistaro la cambia más tarde).</translation>
    </message>
    <message>
        <source>Your original circuit files were copied under their track names.</source>
        <translation>Tus archivos de circuito originales se copiaron con sus nombres de circuito.</translation>
    </message>
</context>
<context>
    <name>pistaro::LapTimeTable</name>
    <message>
        <source>Please wait...</source>
        <translation>Espera, por favor...</translation>
    </message>
    <message>
        <source>writing file...</source>
        <translation>escribiendo archivo...</translation>
    </message>
    <message>
        <source>No application for plain text is set up on this system: the table, written to %1, is shown in Pistaro&apos;s text viewer.</source>
        <translation>No hay ninguna aplicación para texto plano configurada en este sistema: la tabla, escrita en %1, se muestra en el visor de texto de Pistaro.</translation>
    </message>
    <message>
        <source>Export lap time table</source>
        <translation>Exportar tabla de tiempos</translation>
    </message>
    <message>
        <source>Lap Time Table</source>
        <translation>Tabla de tiempos de vuelta</translation>
    </message>
    <message>
        <source>Export to &amp;Notepad</source>
        <translation>Exportar al &amp;Bloc de notas</translation>
    </message>
    <message>
        <source>Export as C&amp;SV…</source>
        <translation>Exportar como C&amp;SV…</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>pistaro::Launcher</name>
    <message>
        <source>&amp;Launch GP2</source>
        <translation>Lan&amp;zar GP2</translation>
    </message>
    <message>
        <source>Run Gp2</source>
        <translation>Ejecutar Gp2</translation>
    </message>
    <message>
        <source>%1 could not be run</source>
        <translation>No se pudo ejecutar %1</translation>
    </message>
</context>
<context>
    <name>pistaro::LogImport</name>
    <message>
        <source>&amp;Get Time from GP2LAP.LOG</source>
        <translation>&amp;Tomar tiempos de GP2LAP.LOG</translation>
    </message>
    <message>
        <source>No lap time was read: there is no readable %1. GP2LAP writes it while you play.</source>
        <translation>No se leyó ningún tiempo de vuelta: no hay ningún %1 legible. GP2LAP lo escribe mientras juegas.</translation>
    </message>
    <message>
        <source>Nothing new was found in %1: its lap times were imported before.</source>
        <translation>No se encontró nada nuevo en %1: sus tiempos de vuelta ya se importaron.</translation>
    </message>
    <message>
        <source>No lap time of a known track and session was found in %1.</source>
        <translation>No se encontró en %1 ningún tiempo de vuelta de un circuito y una sesión conocidos.</translation>
    </message>
    <message>
        <source>lap time was</source>
        <extracomment>After a count: &quot;1 lap time was&quot; or &quot;3 lap times were&quot; read from the log.</extracomment>
        <translation>tiempo de vuelta leído</translation>
    </message>
    <message>
        <source>lap times were</source>
        <translation>tiempos de vuelta leídos</translation>
    </message>
    <message>
        <source> read from %1; none beats a stored time.</source>
        <translation> de %1; ninguno mejora un tiempo guardado.</translation>
    </message>
    <message>
        <source>line was</source>
        <extracomment>After a count: &quot;1 line was&quot; or &quot;3 lines were&quot; skipped.</extracomment>
        <translation>línea omitida</translation>
    </message>
    <message>
        <source>lines were</source>
        <translation>líneas omitidas</translation>
    </message>
    <message>
        <source> skipped for a time that is no lap time (m:ss.mmm), the first: &quot;%1&quot;</source>
        <extracomment>After &quot;3 lines were&quot;.</extracomment>
        <translation> por un tiempo que no es tiempo de vuelta (m:ss.mmm); la primera: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The lap times of gp2lap.log could not be stored in the database: </source>
        <translation>Los tiempos de vuelta de gp2lap.log no se pudieron guardar en la base de datos: </translation>
    </message>
    <message>
        <source>Nothing of this reading was kept. gp2lap.log is kept as it is: it is neither deleted nor renamed before the next game.</source>
        <translation>No se guardó nada de esta lectura. gp2lap.log se conserva tal cual: no se borra ni se renombra antes de la próxima partida.</translation>
    </message>
    <message>
        <source> skipped, the first: &quot;%1&quot;.</source>
        <extracomment>After &quot;3 lines were&quot;.</extracomment>
        <translation>, la primera: &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>pistaro::LogWindow</name>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>LOG FILE</source>
        <translation>ARCHIVO DE REGISTRO</translation>
    </message>
    <message>
        <source>You played Grand Prix 2</source>
        <extracomment>Before the count of games, then &quot;times.&quot;.</extracomment>
        <translation>Has jugado a Grand Prix 2</translation>
    </message>
    <message>
        <source>times.</source>
        <translation>veces.</translation>
    </message>
    <message>
        <source>First time :</source>
        <translation>Primera vez:</translation>
    </message>
    <message>
        <source>Last time:</source>
        <translation>Última vez:</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Tiempo total:</translation>
    </message>
</context>
<context>
    <name>pistaro::MainWindow</name>
    <message>
        <source>Time Database:</source>
        <translation>Base de datos de tiempos:</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>End Pistaro</source>
        <translation>Cerrar Pistaro</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Install new Track</source>
        <translation>&amp;Instalar circuito nuevo</translation>
    </message>
    <message>
        <source>Install a &amp;Folder of Archives…</source>
        <translation>Instalar &amp;carpeta de archivos comprimidos…</translation>
    </message>
    <message>
        <source>&amp;Log Stats</source>
        <translation>&amp;Estadísticas del registro</translation>
    </message>
    <message>
        <source>&amp;Defrag f1pcsvga.bin</source>
        <translation>&amp;Desfragmentar f1pcsvga.bin</translation>
    </message>
    <message>
        <source>&amp;Restore last change...</source>
        <translation>&amp;Restaurar último cambio...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>&amp;Export circuit list…</source>
        <translation>Exportar &amp;lista de circuitos…</translation>
    </message>
    <message>
        <source>&amp;Setup Pistaro</source>
        <translation>C&amp;onfigurar Pistaro</translation>
    </message>
    <message>
        <source>&amp;Tracks</source>
        <translation>&amp;Circuitos</translation>
    </message>
    <message>
        <source>Resca&amp;n</source>
        <translation>Re&amp;leer</translation>
    </message>
    <message>
        <source>&amp;Update Track Info</source>
        <translation>&amp;Actualizar info del circuito</translation>
    </message>
    <message>
        <source>&amp;Export to Gp2</source>
        <translation>&amp;Exportar a Gp2</translation>
    </message>
    <message>
        <source>&amp;Launch GP2</source>
        <translation>Lan&amp;zar GP2</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Pistaro Home Page</source>
        <translation>Página web de &amp;Pistaro</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>GP2 is running. Pistaro will close when it ends.</source>
        <translation>GP2 está en marcha. Pistaro se cerrará cuando termine.</translation>
    </message>
    <message>
        <source>You have to set your Screen Resolution at least 800x600</source>
        <translation>Debes ajustar la resolución de pantalla a 800x600 como mínimo</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1.</source>
        <translation>No se pudo abrir %1.</translation>
    </message>
    <message>
        <source>Menu pictures are neither shown nor kept in this run.</source>
        <translation>Las imágenes de menú no se muestran ni se guardan en esta sesión.</translation>
    </message>
    <message>
        <source>The track pack list was not saved.</source>
        <translation>La lista de packs no se guardó.</translation>
    </message>
    <message>
        <source>Export p&amp;ack…</source>
        <translation>Exportar &amp;pack…</translation>
    </message>
    <message>
        <source>&amp;Import pack…</source>
        <translation>&amp;Importar pack…</translation>
    </message>
</context>
<context>
    <name>pistaro::MenuPictures</name>
    <message>
        <source>Menu Picture </source>
        <translation>Imagen de menú </translation>
    </message>
    <message>
        <source>Menu Picture 640x480 :</source>
        <translation>Imagen de menú 640x480:</translation>
    </message>
    <message>
        <source>Menu Picture 440x330:</source>
        <translation>Imagen de menú 440x330:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>Exa&amp;minar</translation>
    </message>
    <message>
        <source>Browse Menu Picture</source>
        <translation>Examinar imagen de menú</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>E&amp;xaminar</translation>
    </message>
    <message>
        <source>&amp;Import Menu Picture</source>
        <translation>&amp;Importar imagen de menú</translation>
    </message>
    <message>
        <source>Import Menu Picture from Gp2</source>
        <translation>Importar imagen de menú desde Gp2</translation>
    </message>
    <message>
        <source>Import Menu &amp;Picture</source>
        <translation>Im&amp;portar imagen de menú</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Generar</translation>
    </message>
    <message>
        <source>Ma&amp;ke</source>
        <translation>Ge&amp;nerar</translation>
    </message>
    <message>
        <source>Cle&amp;ar</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Clear Menu Picture</source>
        <translation>Quitar imagen de menú</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>Q&amp;uitar</translation>
    </message>
    <message>
        <source>Select one Gp2 circuit first.</source>
        <translation>Selecciona primero un circuito de Gp2.</translation>
    </message>
    <message>
        <source>Do you realy want to replace &apos;%1&apos; ?</source>
        <translation>¿Seguro que quieres sustituir &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>gp2hipic wrote no picture to %1</source>
        <translation>gp2hipic no escribió ninguna imagen en %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>The menu picture was not imported.</source>
        <translation>La imagen de menú no se importó.</translation>
    </message>
    <message>
        <source>Menu picture selection</source>
        <translation>Selección de imagen de menú</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espera, por favor...</translation>
    </message>
    <message>
        <source>Defrag f1pcsvga.bin... </source>
        <translation>Desfragmentando f1pcsvga.bin... </translation>
    </message>
    <message>
        <source>f1pcsvga.bin was not defragmented.</source>
        <translation>f1pcsvga.bin no se desfragmentó.</translation>
    </message>
</context>
<context>
    <name>pistaro::PackControls</name>
    <message>
        <source>PackControls</source>
        <translation>Controles de pack</translation>
    </message>
    <message>
        <source>--&gt; &amp;Change</source>
        <translation>--&gt; Cam&amp;biar</translation>
    </message>
    <message>
        <source>Change Track</source>
        <translation>Cambiar circuito</translation>
    </message>
    <message>
        <source>Resca&amp;n</source>
        <translation>Re&amp;leer</translation>
    </message>
    <message>
        <source>Import circuits from Gp2</source>
        <translation>Importar circuitos desde Gp2</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>View Pack</source>
        <translation>Ver pack</translation>
    </message>
    <message>
        <source>Save Pack</source>
        <translation>Guardar pack</translation>
    </message>
    <message>
        <source>Delete Track Pack</source>
        <translation>Borrar pack</translation>
    </message>
    <message>
        <source>Export pack…</source>
        <translation>Exportar pack…</translation>
    </message>
    <message>
        <source>Import pack…</source>
        <translation>Importar pack…</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; already exists, overwrite?</source>
        <translation>El pack &apos;%1&apos; ya existe, ¿sobrescribir?</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>No se pudo crear %1.</translation>
    </message>
    <message>
        <source>These circuits couldn&apos;t be copied into the pack:</source>
        <translation>Estos circuitos no se pudieron copiar en el pack:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file that could not be copied, then why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 saved in %2.</source>
        <extracomment>&quot;3 slot files were saved in &lt;folder&gt;.&quot;</extracomment>
        <translation>%1 en %2.</translation>
    </message>
    <message>
        <source>slot file was</source>
        <extracomment>Counted in &quot;3 slot files were saved in …&quot;, after the number.</extracomment>
        <translation>archivo de ranura guardado</translation>
    </message>
    <message>
        <source>slot files were</source>
        <translation>archivos de ranura guardados</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was saved.</source>
        <translation>El pack &apos;%1&apos; se guardó.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not saved completely.</source>
        <translation>El pack &apos;%1&apos; no se guardó por completo.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not found:</source>
        <translation>No se encontró el pack &apos;%1&apos;:</translation>
    </message>
    <message>
        <source>These slots were left as they were: the pack lacks their circuits. </source>
        <translation>Estas ranuras se dejaron como estaban: al pack le faltan sus circuitos. </translation>
    </message>
    <message>
        <source>Track Pack &apos;%1&apos;: %2.</source>
        <translation>Pack &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>These slots were left as they were: their files are missing from the pack.</source>
        <translation>Estas ranuras se dejaron como estaban: sus archivos faltan en el pack.</translation>
    </message>
    <message>
        <source>Slot %1: %2 is missing</source>
        <translation>Ranura %1: falta %2</translation>
    </message>
    <message>
        <source>These slots were left as they were: their files couldn&apos;t be copied.</source>
        <translation>Estas ranuras se dejaron como estaban: sus archivos no se pudieron copiar.</translation>
    </message>
    <message>
        <source>Slot %1: %2: %3</source>
        <translation>Ranura %1: %2: %3</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; is not complete.</source>
        <translation>El pack &apos;%1&apos; no está completo.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the &apos;%1&apos; Track Pack from your disk ?</source>
        <translation>¿Seguro que quieres borrar del disco el pack &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not deleted completely.</source>
        <translation>El pack &apos;%1&apos; no se borró por completo.</translation>
    </message>
    <message>
        <source>These files couldn&apos;t be deleted:</source>
        <translation>Estos archivos no se pudieron borrar:</translation>
    </message>
    <message>
        <source>Choose a saved Track Pack to export.</source>
        <translation>Elige un pack guardado para exportar.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; already exists, replace it?</source>
        <translation>El pack &apos;%1&apos; ya existe, ¿sustituirlo?</translation>
    </message>
    <message>
        <source>Select an available circuit first.</source>
        <translation>Selecciona primero un circuito disponible.</translation>
    </message>
    <message>
        <source>Select a slot first.</source>
        <translation>Selecciona primero una ranura.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espera, por favor...</translation>
    </message>
</context>
<context>
    <name>pistaro::PictureView</name>
    <message>
        <source>Picture View</source>
        <translation>Vista de imagen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>pistaro::RecordingWindow</name>
    <message>
        <source>Record Status</source>
        <translation>Estado de récords</translation>
    </message>
    <message>
        <source>Reading Gp2Lap.Log...</source>
        <translation>Leyendo Gp2Lap.Log...</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espera, por favor...</translation>
    </message>
    <message>
        <source>Gp2Lap.Log read.</source>
        <translation>Gp2Lap.Log leído.</translation>
    </message>
    <message>
        <source>%1 set.</source>
        <extracomment>&quot;1 record set.&quot; or &quot;3 records set.&quot; in the Record Status window.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>record</source>
        <translation>récord establecido</translation>
    </message>
    <message>
        <source>records</source>
        <translation>récords establecidos</translation>
    </message>
    <message>
        <source>%1 read, %2</source>
        <extracomment>&quot;3 lap times read, 2 records set.&quot; in the Record Status window.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>lap time</source>
        <translation>tiempo de vuelta leído</translation>
    </message>
    <message>
        <source>lap times</source>
        <translation>tiempos de vuelta leídos</translation>
    </message>
</context>
<context>
    <name>pistaro::SetupDialog</name>
    <message>
        <source>Pistaro Setup</source>
        <translation>Configuración de Pistaro</translation>
    </message>
    <message>
        <source>Gp2 Directory:</source>
        <translation>Carpeta de Gp2:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Examinar</translation>
    </message>
    <message>
        <source>Browse Gp2 Directory</source>
        <translation>Examinar carpeta de Gp2</translation>
    </message>
    <message>
        <source>Gp2 Version:</source>
        <translation>Versión de Gp2:</translation>
    </message>
    <message>
        <source>&amp;Use Gp2Lap</source>
        <translation>&amp;Usar Gp2Lap</translation>
    </message>
    <message>
        <source> Log File</source>
        <translation> Archivo de registro</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Re&amp;nombrar</translation>
    </message>
    <message>
        <source>Use &amp;Quick update when exporting maps</source>
        <translation>Usar actualización rápi&amp;da al exportar mapas</translation>
    </message>
    <message>
        <source>Car Setup &amp;Management</source>
        <translation>Gestión de &amp;reglajes</translation>
    </message>
    <message>
        <source>DOS emulator</source>
        <translation>Emulador de DOS</translation>
    </message>
    <message>
        <source>CPU c&amp;ycles</source>
        <translation>C&amp;iclos de CPU</translation>
    </message>
    <message>
        <source>Run the game &amp;full screen</source>
        <translation>Jugar a &amp;pantalla completa</translation>
    </message>
    <message>
        <source>CD &amp;image</source>
        <translation>Ima&amp;gen de CD</translation>
    </message>
    <message>
        <source>The game&apos;s CD as an image (.cue or .iso), mounted as D:</source>
        <translation>El CD del juego como imagen (.cue o .iso), montada como D:</translation>
    </message>
    <message>
        <source>C&amp;hoose</source>
        <translation>E&amp;legir</translation>
    </message>
    <message>
        <source>Changes kept in the history</source>
        <translation>Cambios guardados en el historial</translation>
    </message>
    <message>
        <source>Size of the backups at most</source>
        <translation>Tamaño máximo de las copias</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Idi&amp;oma</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Se aplica al volver a iniciar.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Select your Gp2 directory: </source>
        <translation>Selecciona tu carpeta de Gp2: </translation>
    </message>
    <message>
        <source>Select the GP2 CD image</source>
        <translation>Selecciona la imagen de CD de GP2</translation>
    </message>
    <message>
        <source>CD images|*.cue;*.iso|All files|*</source>
        <extracomment>A file dialog filter: translate the names, keep the &quot;|&quot; and the patterns.</extracomment>
        <translation>Imágenes de CD|*.cue;*.iso|Todos los archivos|*</translation>
    </message>
    <message>
        <source>As DOSBox reads it: max, auto, fixed 30000, or a number such as 30000</source>
        <translation>Tal como lo lee DOSBox: max, auto, fixed 30000 o un número como 30000</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Gp2Lap.exe is not in the game folder: the game starts without the lap timer.</source>
        <translation>Gp2Lap.exe no está en la carpeta del juego: el juego arranca sin el cronómetro de vueltas.</translation>
    </message>
    <message>
        <source>CPU cycles: %1</source>
        <translation>Ciclos de CPU: %1</translation>
    </message>
</context>
<context>
    <name>pistaro::SetupTransfer</name>
    <message>
        <source>Import &amp;Setups</source>
        <translation>Importar &amp;reglajes</translation>
    </message>
    <message>
        <source>Export Set&amp;ups</source>
        <translation>Exp&amp;ortar reglajes</translation>
    </message>
    <message>
        <source>car setup was</source>
        <extracomment>After a count: &quot;1 car setup was&quot; or &quot;3 car setups were&quot;.</extracomment>
        <translation>reglaje pasó</translation>
    </message>
    <message>
        <source>car setups were</source>
        <translation>reglajes pasaron</translation>
    </message>
    <message>
        <source> stored in the lap time database, each with the track of its slot.</source>
        <translation> a la base de datos de tiempos, cada uno con el circuito de su ranura.</translation>
    </message>
    <message>
        <source>No slot holds a track of the lap time database: nothing was stored.</source>
        <translation>Ninguna ranura contiene un circuito de la base de datos de tiempos: no se guardó nada.</translation>
    </message>
    <message>
        <source>Car setups imported.</source>
        <translation>Reglajes importados.</translation>
    </message>
    <message>
        <source>Car setups not imported.</source>
        <translation>Reglajes no importados.</translation>
    </message>
    <message>
        <source> written into %1.</source>
        <translation> a %1.</translation>
    </message>
    <message>
        <source>The lap time database holds no setup for the tracks in the slots: the game&apos;s setups were left as they were.</source>
        <translation>La base de datos de tiempos no tiene reglajes para los circuitos de las ranuras: los reglajes del juego se dejaron como estaban.</translation>
    </message>
    <message>
        <source>Car setups exported.</source>
        <translation>Reglajes exportados.</translation>
    </message>
    <message>
        <source>Car setups exported in part.</source>
        <translation>Reglajes exportados en parte.</translation>
    </message>
    <message>
        <source>Car setups not exported.</source>
        <translation>Reglajes no exportados.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espera, por favor...</translation>
    </message>
    <message>
        <source>Importing setups from GP2</source>
        <translation>Importando reglajes desde GP2</translation>
    </message>
    <message>
        <source>None of the setups could be stored in the database: %1</source>
        <translation>Ninguno de los reglajes se pudo guardar en la base de datos: %1</translation>
    </message>
    <message>
        <source>The backup of the game files could not be written: %1</source>
        <translation>No se pudo escribir la copia de seguridad de los archivos del juego: %1</translation>
    </message>
    <message>
        <source>Exporting setups to GP2</source>
        <translation>Exportando reglajes a GP2</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Ranura %1: %2</translation>
    </message>
    <message>
        <source>The checksum of %1 was not repaired: sumfix could not be started</source>
        <translation>La suma de control de %1 no se reparó: no se pudo iniciar sumfix</translation>
    </message>
</context>
<context>
    <name>pistaro::SlotList</name>
    <message>
        <source>1 slot is not exported yet. Export it now?</source>
        <translation>1 ranura aún no se ha exportado. ¿Exportarla ahora?</translation>
    </message>
    <message>
        <source>%1 slots are not exported yet. Export them now?</source>
        <translation>%1 ranuras aún no se han exportado. ¿Exportarlas ahora?</translation>
    </message>
</context>
<context>
    <name>pistaro::StatusWindow</name>
    <message>
        <source>End the program Pistaro waits for</source>
        <translation>Terminar el programa que Pistaro espera</translation>
    </message>
    <message>
        <source>Stop after the step under way; what is done stays</source>
        <translation>Detener tras el paso en curso; lo hecho se conserva</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Stop %1</source>
        <translation>&amp;Detener %1</translation>
    </message>
</context>
<context>
    <name>pistaro::Textures</name>
    <message>
        <source>Check &amp;Jams</source>
        <translation>Comprobar &amp;Jams</translation>
    </message>
    <message>
        <source>Check that the textures the circuit needs are in the game</source>
        <translation>Comprobar que las texturas que necesita el circuito están en el juego</translation>
    </message>
    <message>
        <source>Select a circuit first.</source>
        <translation>Selecciona primero un circuito.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1.</source>
        <translation>No se pudo leer %1.</translation>
    </message>
    <message>
        <source>All %1 jam files used by %2 exists on your system.</source>
        <translation>Los %1 archivos jam que usa %2 están en tu sistema.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find these jam files: </source>
        <translation>No se encuentran estos archivos jam: </translation>
    </message>
    <message>
        <source>%1 not copied to %2: that place is outside the game folder</source>
        <translation>%1 no se copió en %2: ese lugar está fuera de la carpeta del juego</translation>
    </message>
    <message>
        <source>%1 copied to %2</source>
        <translation>%1 copiado en %2</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be copied to %2: %3</source>
        <translation>No se pudo copiar %1 en %2: %3</translation>
    </message>
    <message>
        <source>%1 more texture copies skipped: the texture list names more than %2 places</source>
        <translation>Se omitieron %1 copias de texturas más: la lista de texturas indica más de %2 lugares</translation>
    </message>
</context>
<context>
    <name>pistaro::TrackInfoPanel</name>
    <message>
        <source>Track Info</source>
        <translation>Info del circuito</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>Event:</source>
        <translation>Evento:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Adj.:</source>
        <translation>Adj.:</translation>
    </message>
    <message>
        <source>Desc.:</source>
        <translation>Desc.:</translation>
    </message>
    <message>
        <source>Laps:</source>
        <translation>Vueltas:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Longitud:</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Ranura:</translation>
    </message>
    <message>
        <source>Tyre:</source>
        <translation>Neum.:</translation>
    </message>
    <message>
        <source>Original Gp2 Track</source>
        <translation>Circuito original de Gp2</translation>
    </message>
    <message>
        <source>Update Track Info</source>
        <translation>Actualizar info del circuito</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Warm up</source>
        <translation>Calentamiento</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entrenamientos</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Carrera</translation>
    </message>
    <message>
        <source>This value is too long to store in the track file.</source>
        <translation>Este valor es demasiado largo para guardarlo en el archivo del circuito.</translation>
    </message>
    <message>
        <source>At most %1 characters fit in this field; nothing was changed.</source>
        <translation>En este campo caben %1 caracteres como máximo; no se cambió nada.</translation>
    </message>
    <message>
        <source>Type the whole time as m:ss.mmm, for example 1:23.456. This one is not stored yet.</source>
        <translation>Escribe el tiempo completo como m:ss.mmm, por ejemplo 1:23.456. Este aún no se ha guardado.</translation>
    </message>
    <message>
        <source>Save the changes to the track info of %1?</source>
        <translation>¿Guardar los cambios en la info del circuito de %1?</translation>
    </message>
    <message>
        <source>The track file was not found:</source>
        <translation>No se encontró el archivo del circuito:</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se escribió nada.</translation>
    </message>
    <message>
        <source>The track file cannot be written:</source>
        <translation>No se puede escribir el archivo del circuito:</translation>
    </message>
    <message>
        <source>Its checksum could not be fixed: sumfix could not be started from %1: the checksum of %2 is stale, and the game will refuse the file until it is fixed.</source>
        <translation>No se pudo corregir su suma de control: sumfix no se pudo iniciar desde %1: la suma de control de %2 está desfasada y el juego rechazará el archivo hasta que se corrija.</translation>
    </message>
    <message>
        <source>Its row in the lap time database %1 could not be written: the database still holds the old track info.</source>
        <translation>No se pudo escribir su fila en la base de datos de tiempos %1: la base de datos aún tiene la info del circuito anterior.</translation>
    </message>
    <message>
        <source>Track updated.</source>
        <translation>Circuito actualizado.</translation>
    </message>
    <message>
        <source>Track updated, but its checksum could not be fixed.</source>
        <translation>Circuito actualizado, pero no se pudo corregir su suma de control.</translation>
    </message>
    <message>
        <source>sumfix could not be started from %1: the checksum of %2 is stale, and the game will refuse the file until it is fixed.</source>
        <translation>sumfix no se pudo iniciar desde %1: la suma de control de %2 está desfasada y el juego rechazará el archivo hasta que se corrija.</translation>
    </message>
    <message>
        <source>Track updated, but not completely.</source>
        <translation>Circuito actualizado, pero no por completo.</translation>
    </message>
    <message>
        <source>Created by Track Editor</source>
        <translation>Creado con Track Editor</translation>
    </message>
    <message>
        <source>File not recognized.</source>
        <translation>Archivo no reconocido.</translation>
    </message>
</context>
<context>
    <name>pistaro::WaitingBar</name>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>End the program Pistaro waits for</source>
        <translation>Terminar el programa que Pistaro espera</translation>
    </message>
    <message>
        <source>Waiting for %1 to end...</source>
        <translation>Esperando a que termine %1...</translation>
    </message>
</context>
<context>
    <name>program</name>
    <message>
        <source>Pistaro cannot keep its files: %1.</source>
        <translation>Pistaro no puede guardar sus archivos: %1.</translation>
    </message>
    <message>
        <source>no folder for them</source>
        <translation>no hay carpeta para ellos</translation>
    </message>
</context>
<context>
    <name>replacefile</name>
    <message>
        <source>Is a directory</source>
        <translation>Es una carpeta</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>No existe ese archivo</translation>
    </message>
    <message>
        <source>links cannot be made here</source>
        <translation>aquí no se pueden crear enlaces</translation>
    </message>
    <message>
        <source>cannot rename %1</source>
        <translation>no se puede renombrar %1</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>sharedpack</name>
    <message>
        <source>the file name is empty</source>
        <translation>el nombre de archivo está vacío</translation>
    </message>
    <message>
        <source>the file name is longer than %1 characters</source>
        <translation>el nombre de archivo tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>the file name &quot;%1&quot; is a path, not a plain file name</source>
        <translation>el nombre de archivo &quot;%1&quot; es una ruta, no un nombre de archivo simple</translation>
    </message>
    <message>
        <source>The file is larger than %1 KB; a pack file is a few KB at most.</source>
        <translation>El archivo ocupa más de %1 KB; un archivo de pack ocupa unos pocos KB como mucho.</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text</source>
        <translation>la línea no es texto UTF-8</translation>
    </message>
    <message>
        <source>the line holds a control character (U+%1): this is no text file</source>
        <translation>la línea contiene un carácter de control (U+%1): no es un archivo de texto</translation>
    </message>
    <message>
        <source>&quot;pack&quot;, a tab and the pack&apos;s name were expected</source>
        <translation>se esperaba &quot;pack&quot;, un tabulador y el nombre del pack</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can&apos;t be a Track Pack name</source>
        <translation>&quot;%1&quot; no puede ser un nombre de pack</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can&apos;t be a Track Pack name: it is longer than a folder name may be</source>
        <translation>&quot;%1&quot; no puede ser un nombre de pack: es más largo de lo que puede ser un nombre de carpeta</translation>
    </message>
    <message>
        <source>a slot line has 5 fields separated by tabs (slot, file, track, length, SHA-256); this one has %1</source>
        <translation>una línea de ranura tiene 5 campos separados por tabuladores (ranura, archivo, circuito, longitud, SHA-256); esta tiene %1</translation>
    </message>
    <message>
        <source>the slot &quot;%1&quot; is not a number from 1 to 16</source>
        <translation>la ranura &quot;%1&quot; no es un número del 1 al 16</translation>
    </message>
    <message>
        <source>slot %1 is named twice</source>
        <translation>la ranura %1 aparece dos veces</translation>
    </message>
    <message>
        <source>the track name is longer than %1 characters</source>
        <translation>el nombre del circuito tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>the length &quot;%1&quot; is not a number of bytes from 1 to %2</source>
        <translation>la longitud &quot;%1&quot; no es un número de bytes del 1 al %2</translation>
    </message>
    <message>
        <source>the SHA-256 &quot;%1&quot; is not 64 hexadecimal digits</source>
        <translation>el SHA-256 &quot;%1&quot; no son 64 dígitos hexadecimales</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the pack&apos;s name is missing</source>
        <translation>falta el nombre del pack</translation>
    </message>
    <message>
        <source>the file names no slot</source>
        <translation>el archivo no indica ninguna ranura</translation>
    </message>
    <message>
        <source>the tags are of slot &quot;%1&quot;, which no line above names</source>
        <translation>las etiquetas son de la ranura &quot;%1&quot;, que ninguna línea anterior indica</translation>
    </message>
    <message>
        <source>the tags of slot %1 are given twice</source>
        <translation>las etiquetas de la ranura %1 aparecen dos veces</translation>
    </message>
    <message>
        <source>a circuit holds at most %1 tags</source>
        <translation>un circuito tiene como máximo %1 etiquetas</translation>
    </message>
    <message>
        <source>this is not a Pistaro track pack file (its first line must be &quot;%1&quot;, a tab and the version)</source>
        <translation>no es un archivo de pack de Pistaro (su primera línea debe ser &quot;%1&quot;, un tabulador y la versión)</translation>
    </message>
    <message>
        <source>the version &quot;%1&quot; of the pack file is not known (version %2 is)</source>
        <translation>la versión &quot;%1&quot; del archivo de pack no se conoce (se conoce la versión %2)</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Línea %1: %2.</translation>
    </message>
</context>
<context>
    <name>statefile</name>
    <message>
        <source>no setup slot %1</source>
        <translation>no hay ranura de reglaje %1</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>no se encontró %1</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 no es un archivo</translation>
    </message>
    <message>
        <source>%1 is too short to hold the car setups (%2 bytes)</source>
        <translation>%1 es demasiado corto para contener los reglajes (%2 bytes)</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 no se puede leer</translation>
    </message>
    <message>
        <source>%1 ended inside the car setups</source>
        <translation>%1 terminó dentro de los reglajes</translation>
    </message>
    <message>
        <source>the stored setup holds %1 bytes instead of %2</source>
        <translation>el reglaje guardado tiene %1 bytes en lugar de %2</translation>
    </message>
</context>
<context>
    <name>tablecsv</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>. Nothing was exported.</source>
        <translation>. No se exportó nada.</translation>
    </message>
    <message>
        <source>1 row was exported to %1.</source>
        <translation>Se exportó 1 fila a %1.</translation>
    </message>
    <message>
        <source>%1 rows were exported to %2.</source>
        <translation>Se exportaron %1 filas a %2.</translation>
    </message>
</context>
<context>
    <name>tagstore</name>
    <message>
        <source>a tag cannot be blank</source>
        <translation>una etiqueta no puede estar en blanco</translation>
    </message>
    <message>
        <source>a tag holds at most %1 characters</source>
        <translation>una etiqueta tiene como máximo %1 caracteres</translation>
    </message>
    <message>
        <source>a tag cannot hold a control character</source>
        <translation>una etiqueta no puede contener un carácter de control</translation>
    </message>
    <message>
        <source>a comma separates tags</source>
        <translation>una coma separa etiquetas</translation>
    </message>
    <message>
        <source>it is a link, and the tags are not written through a link</source>
        <translation>es un enlace, y las etiquetas no se escriben a través de un enlace</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>The tag store %1 cannot be used (%2) and could not be moved aside; tags are not kept in this run.</source>
        <translation>El almacén de etiquetas %1 no se puede usar (%2) y no se pudo apartar; las etiquetas no se guardan en esta sesión.</translation>
    </message>
    <message>
        <source>The tag store %1 could not be used: %2. It was kept as %3, and a new, empty tag store was begun.</source>
        <translation>El almacén de etiquetas %1 no se pudo usar: %2. Se guardó como %3 y se empezó un almacén de etiquetas nuevo y vacío.</translation>
    </message>
    <message>
        <source>it is a database of another program</source>
        <translation>es una base de datos de otro programa</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>The tag store %1 cannot be opened (%2); tags are not kept in this run.</source>
        <translation>El almacén de etiquetas %1 no se puede abrir (%2); las etiquetas no se guardan en esta sesión.</translation>
    </message>
    <message>
        <source>it is not a database</source>
        <translation>no es una base de datos</translation>
    </message>
    <message>
        <source>The tag store %1 cannot be used; tags are not kept in this run.</source>
        <translation>El almacén de etiquetas %1 no se puede usar; las etiquetas no se guardan en esta sesión.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken as a tag: %2.</source>
        <translation>&quot;%1&quot; no se acepta como etiqueta: %2.</translation>
    </message>
    <message>
        <source>A circuit holds at most %1 tags; no tag was changed.</source>
        <translation>Un circuito tiene como máximo %1 etiquetas; no se cambió ninguna etiqueta.</translation>
    </message>
    <message>
        <source>The tags could not be stored: %1</source>
        <translation>No se pudieron guardar las etiquetas: %1</translation>
    </message>
</context>
<context>
    <name>version</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
</TS>
