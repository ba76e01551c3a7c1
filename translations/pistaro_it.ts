<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CatalogueCheck</name>
    <message>
        <source>table %1</source>
        <translation>tabella %1</translation>
    </message>
    <message>
        <source>%1 is a %2, not a table</source>
        <translation>%1 è un %2, non una tabella</translation>
    </message>
    <message>
        <source>field %1.%2</source>
        <translation>campo %1.%2</translation>
    </message>
    <message>
        <source>index %1.%2 is over %3, not %4</source>
        <translation>l&apos;indice %1.%2 è su %3, non su %4</translation>
    </message>
    <message>
        <source>index %1.%2 is not unique</source>
        <translation>l&apos;indice %1.%2 non è univoco</translation>
    </message>
    <message>
        <source>index %1.%2</source>
        <translation>indice %1.%2</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>No game folder given, and none is stored: pso --check &lt;game folder&gt;.</source>
        <translation>Nessuna cartella del gioco indicata né memorizzata: pso --check &lt;cartella del gioco&gt;.</translation>
    </message>
</context>
<context>
    <name>ControlTips</name>
    <message>
        <source>Read the circuit files of the Circuits folder again</source>
        <translation>Rilegge i file dei circuiti della cartella Circuits</translation>
    </message>
    <message>
        <source>Select a circuit and a slot first</source>
        <translation>Seleziona prima un circuito e uno slot</translation>
    </message>
    <message>
        <source>Choose a saved Track Pack first</source>
        <translation>Scegli prima un Track Pack salvato</translation>
    </message>
    <message>
        <source>Select a circuit first</source>
        <translation>Seleziona prima un circuito</translation>
    </message>
    <message>
        <source>Select an add-on circuit first: the game&apos;s own circuits are not changed</source>
        <translation>Seleziona prima un circuito aggiuntivo: i circuiti originali del gioco non si modificano</translation>
    </message>
    <message>
        <source>Not needed: the track info is read when a circuit is selected</source>
        <translation>Non serve: le info del circuito si leggono quando lo si seleziona</translation>
    </message>
    <message>
        <source>The standard database and the one opened at start-up cannot be deleted</source>
        <translation>Il database standard e quello aperto all&apos;avvio non si possono eliminare</translation>
    </message>
    <message>
        <source>Not needed: every change is saved as it is made</source>
        <translation>Non serve: ogni modifica viene salvata subito</translation>
    </message>
    <message>
        <source>Select a slot first: menu pictures are imported from the game&apos;s slots</source>
        <translation>Seleziona prima uno slot: le immagini del menu si importano dagli slot del gioco</translation>
    </message>
</context>
<context>
    <name>DosCommands</name>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>Impossibile avviare %1: %2</translation>
    </message>
    <message>
        <source>a percent sign (%), which the DOS emulator reads as a variable</source>
        <extracomment>What a folder or argument holds, after &quot;… holds &quot;.</extracomment>
        <translation>un segno di percentuale (%), che l&apos;emulatore DOS legge come variabile</translation>
    </message>
    <message>
        <source>a line break or another control character, which the DOS emulator reads as the end of a command</source>
        <extracomment>What a folder or argument holds, after &quot;… holds &quot;.</extracomment>
        <translation>un a capo o un altro carattere di controllo, che l&apos;emulatore DOS legge come fine del comando</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; has no DOS (8.3) form</source>
        <translation>il nome &quot;%1&quot; non ha una forma DOS (8.3)</translation>
    </message>
    <message>
        <source>a double quote</source>
        <extracomment>What a folder holds, after &quot;… holds &quot;.</extracomment>
        <translation>un doppio apice</translation>
    </message>
    <message>
        <source>the CD image %1 holds %2</source>
        <translation>l&apos;immagine CD %1 contiene %2</translation>
    </message>
    <message>
        <source>the folder %1 holds %2</source>
        <translation>la cartella %1 contiene %2</translation>
    </message>
    <message>
        <source>its path &quot;%1&quot; holds %2</source>
        <translation>il suo percorso &quot;%1&quot; contiene %2</translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; holds %2</source>
        <translation>l&apos;argomento &quot;%1&quot; contiene %2</translation>
    </message>
    <message>
        <source>its arguments are longer than DOS allows</source>
        <translation>i suoi argomenti sono più lunghi di quanto il DOS permetta</translation>
    </message>
    <message>
        <source>DOSBox reads a line that starts with # as a remark</source>
        <translation>DOSBox legge una riga che inizia con # come commento</translation>
    </message>
</context>
<context>
    <name>ExeCmd</name>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>Impossibile avviare %1: %2</translation>
    </message>
    <message>
        <source>%1 is a DOS program: install DOSBox (for example with &quot;apt install dosbox&quot;) or name an emulator in File &gt; Setup Pistaro.</source>
        <translation>%1 è un programma DOS: installa DOSBox (per esempio con &quot;apt install dosbox&quot;) o indica un emulatore in File &gt; Impostazioni Pistaro.</translation>
    </message>
    <message>
        <source>no program folder for its DOSBox settings</source>
        <translation>nessuna cartella del programma per le sue impostazioni di DOSBox</translation>
    </message>
    <message>
        <source>its DOSBox settings could not be written to %1: %2</source>
        <translation>non è stato possibile scrivere le sue impostazioni di DOSBox in %1: %2</translation>
    </message>
    <message>
        <source>%1 is a Windows program: install Wine (for example with &quot;apt install wine&quot;).</source>
        <translation>%1 è un programma Windows: installa Wine (per esempio con &quot;apt install wine&quot;).</translation>
    </message>
    <message>
        <source>the DOS program it names is not there</source>
        <translation>il programma DOS indicato non c&apos;è</translation>
    </message>
    <message>
        <source>not a program this system can run</source>
        <translation>non è un programma eseguibile su questo sistema</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>%1 was stopped</source>
        <translation>%1 è stato fermato</translation>
    </message>
    <message>
        <source>%1 stopped abnormally</source>
        <translation>%1 si è fermato in modo anomalo</translation>
    </message>
    <message>
        <source>%1 failed (exit status %2)</source>
        <translation>%1 non è riuscito (stato di uscita %2)</translation>
    </message>
    <message>
        <source>%1 stopped abnormally: %2 crashed</source>
        <translation>%1 si è fermato in modo anomalo: %2 è andato in crash</translation>
    </message>
    <message>
        <source>%1 could not be run: %2 ended with exit status %3</source>
        <translation>%1 non si è potuto eseguire: %2 è terminato con stato di uscita %3</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>The name is empty.</source>
        <translation>Il nome è vuoto.</translation>
    </message>
    <message>
        <source>%1 is the name of a game slot file.</source>
        <translation>%1 è il nome di un file di slot del gioco.</translation>
    </message>
    <message>
        <source>%1 is no plain file name: it can&apos;t hold \, /, : or ..</source>
        <translation>%1 non è un semplice nome di file: non può contenere \, /, : o ..</translation>
    </message>
</context>
<context>
    <name>LapHistory</name>
    <message>
        <source>Warm up</source>
        <translation>Warm-up</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Prove libere</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Qualifiche</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Gara</translation>
    </message>
</context>
<context>
    <name>LapHistoryView</name>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessione</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Previous Best</source>
        <translation>Record prec.</translation>
    </message>
    <message>
        <source>Improvement</source>
        <translation>Guadagno</translation>
    </message>
</context>
<context>
    <name>LapTimeTable</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Warm up time</source>
        <translation>Warm-up</translation>
    </message>
    <message>
        <source>Practice Time</source>
        <translation>Prove libere</translation>
    </message>
    <message>
        <source>Qualifying Time</source>
        <translation>Qualifiche</translation>
    </message>
    <message>
        <source>Race Time</source>
        <translation>Gara</translation>
    </message>
</context>
<context>
    <name>MakeDatabase</name>
    <message>
        <source>Arquivo não encontrado !</source>
        <translation>File non trovato!</translation>
    </message>
    <message>
        <source>Arquivo está em uso. Feche todos os programas e tente novamente !</source>
        <translation>Il file è in uso. Chiudi tutti i programmi e riprova!</translation>
    </message>
    <message>
        <source>Database is in use.</source>
        <translation>Il database è in uso.</translation>
    </message>
    <message>
        <source>ERROR : %1 - %2</source>
        <translation>ERRORE: %1 - %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Database %1 has layout version %2, made by a newer Pistaro; this one knows versions up to %3. The database was not opened and is left as it is.</source>
        <translation>Il database %1 ha la struttura versione %2, creata da un Pistaro più recente; questo conosce le versioni fino alla %3. Il database non è stato aperto ed è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>Updating original tracks info...</source>
        <translation>Aggiornamento info circuiti originali...</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>Updating maps info...</source>
        <translation>Aggiornamento info mappe...</translation>
    </message>
</context>
<context>
    <name>OkButtonBox</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>PackSharing</name>
    <message>
        <source>Track pack files</source>
        <translation>File di Track Pack</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Reading circuits: %1 of %2</source>
        <translation>Lettura circuiti: %1 di %2</translation>
    </message>
    <message>
        <source>These names in the circuits folder are no regular file (a pipe, a device or a socket) and were not read:</source>
        <translation>Questi nomi nella cartella dei circuiti non sono file regolari (una pipe, un dispositivo o un socket) e non sono stati letti:</translation>
    </message>
    <message>
        <source>Slot %1: %2 (%3)</source>
        <translation>Slot %1: %2 (%3)</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not found:</source>
        <translation>Track Pack &apos;%1&apos; non trovato:</translation>
    </message>
    <message>
        <source>Export pack</source>
        <translation>Esporta pack</translation>
    </message>
    <message>
        <source>These slots are missing from the pack, or could not be read, and were left out:</source>
        <translation>Questi slot mancano dal pack, o non si sono potuti leggere, e sono stati tralasciati:</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Slot %1: %2</translation>
    </message>
    <message>
        <source>These slots hold no circuit and were left out:</source>
        <translation>Questi slot non contengono circuiti e sono stati tralasciati:</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; holds no circuit to export.</source>
        <translation>Il Track Pack &apos;%1&apos; non contiene circuiti da esportare.</translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation>%1 in %2.</translation>
    </message>
    <message>
        <source>slot was</source>
        <translation>slot scritto</translation>
    </message>
    <message>
        <source>slots were</source>
        <translation>slot scritti</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was exported.</source>
        <translation>Track Pack &apos;%1&apos; esportato.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was exported in part.</source>
        <translation>Track Pack &apos;%1&apos; esportato in parte.</translation>
    </message>
    <message>
        <source>Import pack</source>
        <translation>Importa pack</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a pipe, a device or a folder, or gone). Nothing was changed.</source>
        <translation>%1 non è un file regolare (una pipe, un dispositivo o una cartella, o non c&apos;è più). Non è cambiato nulla.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be read: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a track pack file Pistaro can read. Nothing was changed.</source>
        <translation>%1 non è un file di Track Pack che Pistaro sappia leggere. Non è cambiato nulla.</translation>
    </message>
    <message>
        <source>None of the circuits of the Track Pack &apos;%1&apos; is in your collection. Nothing was changed.</source>
        <translation>Nessuno dei circuiti del Track Pack &apos;%1&apos; è nella tua collezione. Non è cambiato nulla.</translation>
    </message>
    <message>
        <source>These circuits are not in your collection; their slots are left empty, and the pack remembers them. </source>
        <translation>Questi circuiti non sono nella tua collezione; i loro slot restano vuoti e il pack li ricorda. </translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>Impossibile creare %1.</translation>
    </message>
    <message>
        <source>%1 (of the older pack) couldn&apos;t be deleted.</source>
        <translation>Impossibile eliminare %1 (del pack precedente).</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be copied into the pack: %2</source>
        <translation>Impossibile copiare %1 nel pack: %2</translation>
    </message>
    <message>
        <source>The pack could not remember the circuits it lacks: %1</source>
        <translation>Il pack non ha potuto ricordare i circuiti che gli mancano: %1</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not imported: %2</source>
        <translation>Track Pack &apos;%1&apos; non importato: %2</translation>
    </message>
    <message>
        <source>The pack is left as it was.</source>
        <translation>Il pack è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was imported in part: %2</source>
        <translation>Track Pack &apos;%1&apos; importato in parte: %2</translation>
    </message>
    <message>
        <source>Putting the pack back as it was failed too (%1). &quot;Restore last change&quot; puts it back once the cause is removed.</source>
        <translation>Anche il ripristino del pack com&apos;era non è riuscito (%1). &quot;Ripristina ultima modifica&quot; lo rimette a posto una volta rimossa la causa.</translation>
    </message>
    <message>
        <source>%1 found and copied into %2.</source>
        <translation>%1 in %2.</translation>
    </message>
    <message>
        <source>circuit was</source>
        <translation>circuito trovato e copiato</translation>
    </message>
    <message>
        <source>circuits were</source>
        <translation>circuiti trovati e copiati</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was imported.</source>
        <translation>Track Pack &apos;%1&apos; importato.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was imported in part.</source>
        <translation>Track Pack &apos;%1&apos; importato in parte.</translation>
    </message>
    <message>
        <source>slot %1 took %2</source>
        <translation>lo slot %1 ha preso %2</translation>
    </message>
    <message>
        <source>slot %1 could not take %2: %3</source>
        <translation>lo slot %1 non ha potuto prendere %2: %3</translation>
    </message>
    <message>
        <source>%1 is complete: %2.</source>
        <extracomment>A pack that took circuits, then what it took: &quot;Season 98 is complete: slot 7 took …&quot;.</extracomment>
        <translation>%1 è completo: %2.</translation>
    </message>
    <message>
        <source>%1: %2. It still lacks %3.</source>
        <translation>%1: %2. Gli mancano ancora %3.</translation>
    </message>
    <message>
        <source>slot</source>
        <extracomment>Counted in &quot;… It still lacks 2 slots.&quot;, after the number.</extracomment>
        <translation>slot</translation>
    </message>
    <message>
        <source>slots</source>
        <translation>slot</translation>
    </message>
</context>
<context>
    <name>PictureButton</name>
    <message>
        <source>Database Table</source>
        <translation>Tabella database</translation>
    </message>
    <message>
        <source>Create new database</source>
        <translation>Crea nuovo database</translation>
    </message>
    <message>
        <source>Delete current database</source>
        <translation>Elimina database corrente</translation>
    </message>
</context>
<context>
    <name>ProgramFolders</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2</source>
        <translation>impossibile copiare %1 in %2</translation>
    </message>
</context>
<context>
    <name>ProgramLock</name>
    <message>
        <source>Pistaro cannot lock its program folder: %1 is no lock of a running Pistaro and could not be removed. Remove it and start Pistaro again.</source>
        <translation>Pistaro non può bloccare la sua cartella: %1 non è il blocco di un Pistaro in esecuzione e non si è potuto rimuovere. Rimuovilo e avvia di nuovo Pistaro.</translation>
    </message>
    <message>
        <source>Pistaro is already running on %1. (process %2)</source>
        <translation>Pistaro è già in esecuzione su %1. (processo %2)</translation>
    </message>
    <message>
        <source>Pistaro is already running on %1.</source>
        <translation>Pistaro è già in esecuzione su %1.</translation>
    </message>
</context>
<context>
    <name>RestoreCommand</name>
    <message>
        <source>There is no change to restore.</source>
        <translation>Non c&apos;è nessuna modifica da ripristinare.</translation>
    </message>
    <message>
        <source> (its saved copy is damaged: not restored)</source>
        <translation> (la sua copia salvata è danneggiata: non ripristinato)</translation>
    </message>
    <message>
        <source> (removed: it was not there)</source>
        <translation> (rimosso: non c&apos;era)</translation>
    </message>
    <message>
        <source>The backup of %1 on %2 is damaged: the saved copies of %3 of its files are damaged or missing. Restore the other files without them?</source>
        <translation>Il backup di %1 del %2 è danneggiato: le copie salvate di %3 dei suoi file sono danneggiate o mancanti. Ripristinare gli altri file senza di esse?</translation>
    </message>
    <message>
        <source>Some game files could not be restored.</source>
        <translation>Alcuni file del gioco non si sono potuti ripristinare.</translation>
    </message>
    <message>
        <source>Game files restored, but for these, whose saved copies are damaged:</source>
        <translation>File del gioco ripristinati, tranne questi, le cui copie salvate sono danneggiate:</translation>
    </message>
    <message>
        <source>Game files restored.</source>
        <translation>File del gioco ripristinati.</translation>
    </message>
    <message>
        <source>Restore the game files as they were before %1 on %2?</source>
        <translation>Ripristinare i file del gioco com&apos;erano prima di %1 del %2?</translation>
    </message>
</context>
<context>
    <name>SlotList</name>
    <message>
        <source>Waiting for Export: %1 goes into this slot.</source>
        <translation>In attesa di esportazione: %1 va in questo slot.</translation>
    </message>
    <message>
        <source>Waiting for Export: %1 goes into this slot, with its edited menu picture.</source>
        <translation>In attesa di esportazione: %1 va in questo slot, con la sua immagine del menu modificata.</translation>
    </message>
    <message>
        <source>Waiting for Export: the slot&apos;s edited menu picture.</source>
        <translation>In attesa di esportazione: l&apos;immagine del menu modificata dello slot.</translation>
    </message>
</context>
<context>
    <name>StatusShown</name>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
</context>
<context>
    <name>archive</name>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>non si può scrivere (%1)</translation>
    </message>
    <message>
        <source>damaged (%1)</source>
        <translation>danneggiato (%1)</translation>
    </message>
    <message>
        <source>damaged (shorter than its stated size)</source>
        <translation>danneggiato (più corto della dimensione dichiarata)</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>c&apos;è una cartella con quel nome</translation>
    </message>
    <message>
        <source>cannot replace the file there</source>
        <translation>impossibile sostituire il file lì presente</translation>
    </message>
    <message>
        <source>not an archive Pistaro can read (%1)</source>
        <translation>non è un archivio che Pistaro sappia leggere (%1)</translation>
    </message>
    <message>
        <source>the archive cannot be read past its first %1 entries (%2)</source>
        <translation>l&apos;archivio non si può leggere oltre le sue prime %1 voci (%2)</translation>
    </message>
    <message>
        <source>the archive holds more than %1 entries</source>
        <translation>l&apos;archivio contiene più di %1 voci</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>è un collegamento</translation>
    </message>
    <message>
        <source>it is no plain file</source>
        <translation>non è un file semplice</translation>
    </message>
    <message>
        <source>its name cannot be read in the code page the archive says</source>
        <translation>il suo nome non si può leggere nella code page indicata dall&apos;archivio</translation>
    </message>
    <message>
        <source>no usable file name</source>
        <translation>nessun nome di file utilizzabile</translation>
    </message>
    <message>
        <source>it is encrypted</source>
        <translation>è cifrato</translation>
    </message>
    <message>
        <source>its file name is that of %1, which was kept</source>
        <translation>il suo nome di file è quello di %1, che è stato tenuto</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 bytes</source>
        <translation>si estrae in più di %1 byte</translation>
    </message>
    <message>
        <source>the archive unpacks to more than %1 bytes</source>
        <translation>l&apos;archivio si estrae in più di %1 byte</translation>
    </message>
    <message>
        <source>damaged (longer than its stated size)</source>
        <translation>danneggiato (più lungo della dimensione dichiarata)</translation>
    </message>
    <message>
        <source>Nothing extracted: %1</source>
        <translation>Nulla estratto: %1</translation>
    </message>
    <message>
        <source>%1 not extracted: %2</source>
        <translation>%1 non estratto: %2</translation>
    </message>
    <message>
        <source>The rest was not extracted: %1</source>
        <translation>Il resto non è stato estratto: %1</translation>
    </message>
    <message>
        <source>Archives (ZIP, 7z, RAR, LZH, tar)</source>
        <translation>Archivi (ZIP, 7z, RAR, LZH, tar)</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>the scratch folder cannot take %1: %2</source>
        <translation>la cartella di lavoro non può accogliere %1: %2</translation>
    </message>
</context>
<context>
    <name>artwork</name>
    <message>
        <source>circuits and lap times</source>
        <translation>circuiti e tempi sul giro</translation>
    </message>
</context>
<context>
    <name>backedup</name>
    <message>
        <source>%1 was stopped before changing anything: %2</source>
        <translation>%1 è stato fermato prima di cambiare qualcosa: %2</translation>
    </message>
    <message>
        <source>its backup cannot be read</source>
        <translation>il suo backup non si può leggere</translation>
    </message>
    <message>
        <source>Putting the game back as it was failed too (%1). &quot;Restore last change&quot; puts it back once the cause is removed.</source>
        <translation>Anche il ripristino del gioco com&apos;era non è riuscito (%1). &quot;Ripristina ultima modifica&quot; lo rimette a posto una volta rimossa la causa.</translation>
    </message>
</context>
<context>
    <name>binfile</name>
    <message>
        <source>Invalid file position %1 in %2</source>
        <translation>Posizione nel file %1 non valida in %2</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>File non trovato: %1</translation>
    </message>
    <message>
        <source>Not a file: %1</source>
        <translation>Non è un file: %1</translation>
    </message>
</context>
<context>
    <name>cdimage</name>
    <message>
        <source>the CD image %1 is not there</source>
        <translation>l&apos;immagine CD %1 non c&apos;è</translation>
    </message>
    <message>
        <source>the CD image %1 is not a file</source>
        <translation>l&apos;immagine CD %1 non è un file</translation>
    </message>
    <message>
        <source>the CD image %1 cannot be read: %2</source>
        <translation>l&apos;immagine CD %1 non si può leggere: %2</translation>
    </message>
    <message>
        <source>the CD image %1 names %2, which is not there</source>
        <translation>l&apos;immagine CD %1 indica %2, che non c&apos;è</translation>
    </message>
    <message>
        <source>the CD image %1 names %2, which is not a file</source>
        <translation>l&apos;immagine CD %1 indica %2, che non è un file</translation>
    </message>
    <message>
        <source>the CD image %1 names %2, which cannot be read: %3</source>
        <translation>l&apos;immagine CD %1 indica %2, che non si può leggere: %3</translation>
    </message>
    <message>
        <source>the CD image %1 is not a cue sheet</source>
        <translation>l&apos;immagine CD %1 non è un cue sheet</translation>
    </message>
    <message>
        <source>the CD image %1 names no track file</source>
        <translation>l&apos;immagine CD %1 non indica nessun file di traccia</translation>
    </message>
</context>
<context>
    <name>checksum</name>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>impossibile aprirlo</translation>
    </message>
    <message>
        <source>the file is shorter than its checksum</source>
        <translation>il file è più corto del suo checksum</translation>
    </message>
</context>
<context>
    <name>circuitkind</name>
    <message>
        <source>Slot %1</source>
        <translation>Slot %1</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>The game&apos;s own slot file: what GP2 races in this slot. Export writes it; the circuit it holds is also in your collection.</source>
        <translation>Il file di slot del gioco: quello che GP2 corre in questo slot. L&apos;esportazione lo scrive; il circuito che contiene è anche nella tua collezione.</translation>
    </message>
    <message>
        <source>A copy of one of the game&apos;s original circuits, kept under its track name by Pistaro&apos;s first start.</source>
        <translation>Una copia di uno dei circuiti originali del gioco, salvata col suo nome di circuito al primo avvio di Pistaro.</translation>
    </message>
</context>
<context>
    <name>circuitquery</name>
    <message>
        <source>a quote is not closed</source>
        <translation>un apice non è chiuso</translation>
    </message>
    <message>
        <source>nothing follows it to leave out</source>
        <translation>non c&apos;è niente dopo da escludere</translation>
    </message>
    <message>
        <source>nothing to look for</source>
        <translation>niente da cercare</translation>
    </message>
    <message>
        <source>no field is called &quot;%1&quot;</source>
        <translation>nessun campo si chiama &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a value is missing</source>
        <translation>manca un valore</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2</source>
        <translation>&quot;%1&quot; non è %2</translation>
    </message>
    <message>
        <source>a time (m:ss.mmm)</source>
        <translation>un tempo (m:ss.mmm)</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un numero</translation>
    </message>
    <message>
        <source>only laps, length and time compare with &lt; and &gt;</source>
        <translation>solo giri, lunghezza e tempo si confrontano con &lt; e &gt;</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A term of the search the filter did not understand, then why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>and %1 more terms not understood</source>
        <translation>e altri %1 termini non compresi</translation>
    </message>
    <message>
        <source>%1 terms after the first %2: ignored</source>
        <translation>%1 termini dopo i primi %2: ignorati</translation>
    </message>
</context>
<context>
    <name>copyfailure</name>
    <message>
        <source>These slots were not changed: their files are read only. Change the file attributes and export again.</source>
        <translation>Questi slot non sono cambiati: i loro file sono di sola lettura. Cambia gli attributi dei file ed esporta di nuovo.</translation>
    </message>
    <message>
        <source>These slots were not changed: their files are in use. Close any other application and export again.</source>
        <translation>Questi slot non sono cambiati: i loro file sono in uso. Chiudi le altre applicazioni ed esporta di nuovo.</translation>
    </message>
    <message>
        <source>These slots were not changed: their files could not be written.</source>
        <translation>Questi slot non sono cambiati: non è stato possibile scrivere i loro file.</translation>
    </message>
</context>
<context>
    <name>dbnames</name>
    <message>
        <source>Database &apos;%1...&apos; is longer than a file name may be (255 bytes).</source>
        <translation>Il database &apos;%1...&apos; è più lungo di quanto possa essere un nome di file (255 byte).</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; must be a plain file name, without folders or &apos;..&apos;.</source>
        <translation>Il database &apos;%1&apos; deve essere un semplice nome di file, senza cartelle né &apos;..&apos;.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; holds the menu pictures and cannot be a lap time database.</source>
        <translation>Il database &apos;%1&apos; contiene le immagini del menu e non può essere un database dei tempi.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; holds the menu pictures and cannot be deleted.</source>
        <translation>Il database &apos;%1&apos; contiene le immagini del menu e non si può eliminare.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; is the standard database and cannot be deleted.</source>
        <translation>Il database &apos;%1&apos; è il database standard e non si può eliminare.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; was opened at start-up and cannot be deleted.</source>
        <translation>Il database &apos;%1&apos; è stato aperto all&apos;avvio e non si può eliminare.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; is not in the list.</source>
        <translation>Il database &apos;%1&apos; non è nell&apos;elenco.</translation>
    </message>
</context>
<context>
    <name>dbopen</name>
    <message>
        <source>Please wait, making database...</source>
        <translation>Attendere, creazione del database...</translation>
    </message>
</context>
<context>
    <name>deffile</name>
    <message>
        <source>Line %1 of the definition file ends in a comma: %2</source>
        <translation>La riga %1 del file di definizione finisce con una virgola: %2</translation>
    </message>
</context>
<context>
    <name>dosboxconfig</name>
    <message>
        <source>could not remove the link %1</source>
        <translation>impossibile rimuovere il collegamento %1</translation>
    </message>
</context>
<context>
    <name>emulators</name>
    <message>
        <source>Use max, auto, fixed and a number, or a number of cycles such as 30000.</source>
        <translation>Usa max, auto, fixed con un numero, o un numero di cicli come 30000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no number of cycles DOSBox takes: from 1 to %2.</source>
        <translation>&quot;%1&quot; non è un numero di cicli che DOSBox accetta: da 1 a %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no share DOSBox takes: from 1% to 100%.</source>
        <translation>&quot;%1&quot; non è una percentuale che DOSBox accetta: da 1% a 100%.</translation>
    </message>
    <message>
        <source>&quot;limit&quot; needs a number of cycles after it, such as limit 50000.</source>
        <translation>&quot;limit&quot; vuole dopo di sé un numero di cicli, come limit 50000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not read by DOSBox there. %2</source>
        <translation>&quot;%1&quot; non viene letto da DOSBox in quel punto. %2</translation>
    </message>
    <message>
        <source>Only letters, digits, blanks and % are read there. </source>
        <translation>In quel punto si leggono solo lettere, cifre, spazi e %. </translation>
    </message>
    <message>
        <source>&quot;fixed&quot; takes one number of cycles after it, such as fixed 30000.</source>
        <translation>&quot;fixed&quot; vuole dopo di sé un solo numero di cicli, come fixed 30000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a DOSBox cycles setting. %2</source>
        <translation>&quot;%1&quot; non è un&apos;impostazione dei cicli di DOSBox. %2</translation>
    </message>
</context>
<context>
    <name>filetip</name>
    <message>
        <source>%1 - Version %2 - Size: %3 </source>
        <extracomment>A file&apos;s tool tip: its path, when it was changed, its size in bytes.</extracomment>
        <translation>%1 - Versione %2 - Dimensione: %3 </translation>
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
        <translation>al suo posto c&apos;è una cartella</translation>
    </message>
    <message>
        <source>its saved copy is damaged</source>
        <translation>la sua copia salvata è danneggiata</translation>
    </message>
    <message>
        <source>cannot make its folder</source>
        <translation>impossibile creare la sua cartella</translation>
    </message>
    <message>
        <source>cannot remove it</source>
        <translation>impossibile rimuoverlo</translation>
    </message>
    <message>
        <source>cannot remove its mark</source>
        <translation>impossibile rimuovere il suo segno</translation>
    </message>
    <message>
        <source>%1 was stopped half-way and could not be undone: %2</source>
        <translation>%1 si è fermato a metà e non si è potuto annullare: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A change in the backups: the command that made it, then when (&quot;Install of 2024-05-01 …&quot;).</extracomment>
        <translation>%1 del %2</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) cannot be put back: the game folder %3 is not there.</source>
        <translation>Il backup &quot;%1&quot; (%2) non si può rimettere: la cartella del gioco %3 non c&apos;è.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) belongs to the game folder %3, not to the one in use (%4): nothing was put back.</source>
        <translation>Il backup &quot;%1&quot; (%2) appartiene alla cartella del gioco %3, non a quella in uso (%4): non è stato rimesso nulla.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) names %3, which is not inside the game folder in use (%4): nothing was put back.</source>
        <translation>Il backup &quot;%1&quot; (%2) indica %3, che non è dentro la cartella del gioco in uso (%4): non è stato rimesso nulla.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) was not put back: its copy of %3 is not a plain file of the backups folder.</source>
        <translation>Il backup &quot;%1&quot; (%2) non è stato rimesso: la sua copia di %3 non è un file semplice della cartella dei backup.</translation>
    </message>
    <message>
        <source>%1 was put back already.</source>
        <translation>%1 è già stato rimesso.</translation>
    </message>
    <message>
        <source>%1 was stopped half-way: it is finished or undone at the next start.</source>
        <translation>%1 si è fermato a metà: viene completato o annullato al prossimo avvio.</translation>
    </message>
    <message>
        <source>%1 cannot be reverted: %2 changed the same files later. Revert that change first.</source>
        <translation>%1 non si può annullare: %2 ha cambiato gli stessi file dopo. Annulla prima quella modifica.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) was not put back: the saved copies of these files are damaged or missing: %3</source>
        <translation>Il backup &quot;%1&quot; (%2) non è stato rimesso: le copie salvate di questi file sono danneggiate o mancanti: %3</translation>
    </message>
    <message>
        <source>cannot mark %1 as put back</source>
        <translation>impossibile segnare %1 come rimesso</translation>
    </message>
    <message>
        <source>its record cannot be read</source>
        <translation>impossibile leggere la sua registrazione</translation>
    </message>
    <message>
        <source>%1 put nothing back: %2</source>
        <translation>%1 non ha rimesso nulla: %2</translation>
    </message>
    <message>
        <source>The files changed so far are put back at the next start or Restore, once there is room: %1</source>
        <translation>I file cambiati finora vengono rimessi al prossimo avvio o Ripristino, appena c&apos;è spazio: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2: %3</source>
        <translation>impossibile copiare %1 in %2: %3</translation>
    </message>
    <message>
        <source>cannot make the folder</source>
        <translation>impossibile creare la cartella</translation>
    </message>
    <message>
        <source>cannot remove %1</source>
        <translation>impossibile rimuovere %1</translation>
    </message>
    <message>
        <source>%1 was stopped before changing anything: the backup of the game files could not be written.</source>
        <translation>%1 è stato fermato prima di cambiare qualcosa: non è stato possibile scrivere il backup dei file del gioco.</translation>
    </message>
</context>
<context>
    <name>gamedir</name>
    <message>
        <source>GP2.EXE not found: %1</source>
        <translation>GP2.EXE non trovato: %1</translation>
    </message>
    <message>
        <source>GP2.EXE cannot be read: %1</source>
        <translation>GP2.EXE non si può leggere: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t find GP2.EXE !!!</source>
        <translation>GP2.EXE non trovato!!!</translation>
    </message>
    <message>
        <source>To use &apos;PISTARO&apos; you must have Gp2 installed on your system !!!</source>
        <translation>Per usare &apos;PISTARO&apos; devi avere Gp2 installato sul tuo sistema!!!</translation>
    </message>
</context>
<context>
    <name>gameexenames</name>
    <message>
        <source>the file is missing</source>
        <translation>il file manca</translation>
    </message>
    <message>
        <source>the edition of the game program is not recognised</source>
        <translation>l&apos;edizione del programma del gioco non è riconosciuta</translation>
    </message>
    <message>
        <source>the file is too short to hold them</source>
        <translation>il file è troppo corto per contenerli</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>errore di scrittura</translation>
    </message>
    <message>
        <source>; the old names could not be written back either (%1): Restore puts GP2.EXE back</source>
        <translation>; non è stato possibile riscrivere nemmeno i vecchi nomi (%1): Ripristina rimette a posto GP2.EXE</translation>
    </message>
</context>
<context>
    <name>health</name>
    <message>
        <source>it is not a regular file, or it is gone</source>
        <translation>non è un file regolare, oppure non c&apos;è più</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>impossibile aprirlo</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <extracomment>The last item of a list that names only the first few.</extracomment>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A problem of a circuit, then its explanation, in the Health column&apos;s tool tip.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Could not read the file</source>
        <translation>Impossibile leggere il file</translation>
    </message>
    <message>
        <source>Not a circuit: too large</source>
        <translation>Non è un circuito: troppo grande</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; no circuit comes near that.</source>
        <translation>Il file è più grande di %1 MB; nessun circuito si avvicina a tanto.</translation>
    </message>
    <message>
        <source>Not a circuit: no track data</source>
        <translation>Non è un circuito: nessun dato del tracciato</translation>
    </message>
    <message>
        <source>Nothing lies between the info area and the checksum, where the game expects the track.</source>
        <translation>Non c&apos;è nulla tra l&apos;area delle info e il checksum, dove il gioco si aspetta il tracciato.</translation>
    </message>
    <message>
        <source>Not a circuit: too short</source>
        <translation>Non è un circuito: troppo corto</translation>
    </message>
    <message>
        <source>The track data is shorter than %1 bytes.</source>
        <translation>I dati del tracciato sono più corti di %1 byte.</translation>
    </message>
    <message>
        <source>Checksum wrong</source>
        <translation>Checksum errato</translation>
    </message>
    <message>
        <source>The 4-byte checksum at the end does not match the file&apos;s content; the game refuses the circuit.</source>
        <translation>Il checksum di 4 byte alla fine non corrisponde al contenuto del file; il gioco rifiuta il circuito.</translation>
    </message>
    <message>
        <source>Texture list not checked</source>
        <translation>Elenco texture non controllato</translation>
    </message>
    <message>
        <source>The file claims %1 texture files; no circuit names so many.</source>
        <translation>Il file dichiara %1 file di texture; nessun circuito ne indica così tanti.</translation>
    </message>
    <message>
        <source>1 texture missing</source>
        <translation>1 texture mancante</translation>
    </message>
    <message>
        <source>%1 textures missing</source>
        <translation>%1 texture mancanti</translation>
    </message>
    <message>
        <source>Not in the game folder: %1</source>
        <translation>Non nella cartella del gioco: %1</translation>
    </message>
    <message>
        <source>Same circuit as %1</source>
        <translation>Stesso circuito di %1</translation>
    </message>
    <message>
        <source>Same circuit as %1 and %2 more</source>
        <translation>Stesso circuito di %1 e altri %2</translation>
    </message>
    <message>
        <source>The same track data as %1 (the info blocks may differ).</source>
        <translation>Gli stessi dati del tracciato di %1 (i blocchi di info possono differire).</translation>
    </message>
    <message>
        <source>could not remove the link %1</source>
        <translation>impossibile rimuovere il collegamento %1</translation>
    </message>
    <message>
        <source>%1 checked: %2 in %3.</source>
        <extracomment>The check&apos;s summary: &quot;12 circuit files checked: 3 problems in 2 files.&quot;</extracomment>
        <translation>Controllo di %1: %2 in %3.</translation>
    </message>
    <message>
        <source>circuit file</source>
        <extracomment>Counted in the check&apos;s summary, after the number.</extracomment>
        <translation>file di circuito</translation>
    </message>
    <message>
        <source>circuit files</source>
        <translation>file di circuito</translation>
    </message>
    <message>
        <source>problem</source>
        <extracomment>Counted in the check&apos;s summary, after the number.</extracomment>
        <translation>problema</translation>
    </message>
    <message>
        <source>problems</source>
        <translation>problemi</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>Counted in the check&apos;s summary, after the number.</extracomment>
        <translation>file</translation>
    </message>
    <message>
        <source>files</source>
        <translation>file</translation>
    </message>
    <message>
        <source> 1 track pack lacks files.</source>
        <translation> 1 Track Pack è privo di file.</translation>
    </message>
    <message>
        <source> %1 track packs lack files.</source>
        <translation> %1 Track Pack sono privi di file.</translation>
    </message>
    <message>
        <source>Cannot read the circuits folder %1.</source>
        <translation>Impossibile leggere la cartella dei circuiti %1.</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <extracomment>A line of the check: a circuit file, then its problem (and the missing textures).</extracomment>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 (track pack): %2</source>
        <translation>%1 (Track Pack): %2</translation>
    </message>
</context>
<context>
    <name>infoblock</name>
    <message>
        <source>The track info to write does not start with #GP2INFO</source>
        <translation>Le info del circuito da scrivere non iniziano con #GP2INFO</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>File non trovato: %1</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossibile leggere %1</translation>
    </message>
    <message>
        <source>%1 has no track info block</source>
        <translation>%1 non ha un blocco di info del circuito</translation>
    </message>
</context>
<context>
    <name>insidefolders</name>
    <message>
        <source>%1 leads outside the game folder %2, through a link or a linked folder. Pistaro changes no file there: remove the link or change the file yourself.</source>
        <translation>%1 porta fuori dalla cartella del gioco %2, attraverso un collegamento o una cartella collegata. Pistaro lì non modifica nessun file: rimuovi il collegamento o modifica il file tu stesso.</translation>
    </message>
    <message>
        <source>%1 leads outside the game folder %2 (to %3), through a link or a linked folder. Pistaro changes no file there: remove the link or change the file yourself.</source>
        <translation>%1 porta fuori dalla cartella del gioco %2 (verso %3), attraverso un collegamento o una cartella collegata. Pistaro lì non modifica nessun file: rimuovi il collegamento o modifica il file tu stesso.</translation>
    </message>
</context>
<context>
    <name>language</name>
    <message>
        <source>Automatic (desktop)</source>
        <translation>Automatica (desktop)</translation>
    </message>
</context>
<context>
    <name>laptime</name>
    <message>
        <source>%1, %2 faster than %3</source>
        <extracomment>A new lap record, how much faster it is, then the record it beat.</extracomment>
        <translation>%1, %2 più veloce di %3</translation>
    </message>
</context>
<context>
    <name>launch</name>
    <message>
        <source>Use: pso --launch [--pack &quot;pack name&quot;] [database]</source>
        <translation>Uso: pso --launch [--pack &quot;nome pack&quot;] [database]</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not found: there is no folder %2. GP2 was not started.</source>
        <translation>Track Pack &apos;%1&apos; non trovato: non c&apos;è la cartella %2. GP2 non è stato avviato.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; lacks circuits, so GP2 was not started. %2</source>
        <translation>Al Track Pack &apos;%1&apos; mancano dei circuiti, quindi GP2 non è stato avviato. %2</translation>
    </message>
</context>
<context>
    <name>logparser</name>
    <message>
        <source>Reached a record at %1</source>
        <translation>Raggiunto un record a %1</translation>
    </message>
</context>
<context>
    <name>namesarea</name>
    <message>
        <source>The lap count of slot %1 is not between 0 and 255; the game keeps its old lap count there.</source>
        <translation>Il numero di giri dello slot %1 non è tra 0 e 255; il gioco tiene lì il vecchio numero di giri.</translation>
    </message>
    <message>
        <source>The lap counts of slots %1 are not between 0 and 255; the game keeps its old lap counts there.</source>
        <translation>Il numero di giri degli slot %1 non è tra 0 e 255; il gioco tiene lì i vecchi numeri di giri.</translation>
    </message>
</context>
<context>
    <name>packfolder</name>
    <message>
        <source>%1 couldn&apos;t be deleted</source>
        <translation>Impossibile eliminare %1</translation>
    </message>
    <message>
        <source>slot %1 wants %2 (%3, %4 bytes)</source>
        <translation>lo slot %1 vuole %2 (%3, %4 byte)</translation>
    </message>
    <message>
        <source>To complete the pack, install that circuit, or copy it into the Circuits folder and press Rescan.</source>
        <translation>Per completare il pack, installa quel circuito, o copialo nella cartella Circuits e premi Riscansiona.</translation>
    </message>
    <message>
        <source>To complete the pack, install those circuits, or copy them into the Circuits folder and press Rescan.</source>
        <translation>Per completare il pack, installa quei circuiti, o copiali nella cartella Circuits e premi Riscansiona.</translation>
    </message>
    <message>
        <source>The folder of this Track Pack is missing: %1</source>
        <translation>La cartella di questo Track Pack manca: %1</translation>
    </message>
    <message>
        <source>slot %1 (%2)</source>
        <translation>slot %1 (%2)</translation>
    </message>
    <message>
        <source>slots %1 (%2)</source>
        <translation>slot %1 (%2)</translation>
    </message>
    <message>
        <source>Missing from this Track Pack: %1</source>
        <translation>Manca da questo Track Pack: %1</translation>
    </message>
</context>
<context>
    <name>packname</name>
    <message>
        <source>&apos;%1&apos; can&apos;t be a Track Pack name.</source>
        <translation>&apos;%1&apos; non può essere il nome di un Track Pack.</translation>
    </message>
    <message>
        <source>It is longer than a folder name may be (255 bytes).</source>
        <translation>È più lungo di quanto possa essere un nome di cartella (255 byte).</translation>
    </message>
    <message>
        <source>Its name can&apos;t hold control characters (line breaks, tabs and the like).</source>
        <translation>Il suo nome non può contenere caratteri di controllo (a capo, tabulazioni e simili).</translation>
    </message>
    <message>
        <source>Its name can only hold the characters of Windows-1252 (Western European letters, digits and signs).</source>
        <translation>Il suo nome può contenere solo i caratteri di Windows-1252 (lettere dell&apos;Europa occidentale, cifre e segni).</translation>
    </message>
    <message>
        <source>A Track Pack is a folder in the Circuits folder: its name can&apos;t be &quot;.&quot; or &quot;..&quot; and can&apos;t hold \ or /.</source>
        <translation>Un Track Pack è una cartella nella cartella Circuits: il suo nome non può essere &quot;.&quot; o &quot;..&quot; né contenere \ o /.</translation>
    </message>
</context>
<context>
    <name>packusage</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The track packs named in a question: &quot;A&quot;, &quot;B&quot; and &quot;C&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 is used by the track pack %2.</source>
        <translation>%1 è usato dal Track Pack %2.</translation>
    </message>
    <message>
        <source>%1 is used by the track packs %2.</source>
        <translation>%1 è usato dai Track Pack %2.</translation>
    </message>
</context>
<context>
    <name>pistaro::AboutDialog</name>
    <message>
        <source>About Pistaro</source>
        <translation>Informazioni su Pistaro</translation>
    </message>
    <message>
        <source> Pistaro and Lap Time Recorder</source>
        <translation> Pistaro e registro dei tempi sul giro</translation>
    </message>
    <message>
        <source>Thanks to :</source>
        <translation>Grazie a:</translation>
    </message>
    <message>
        <source>the circuit makers who share their tracks,</source>
        <translation>chi crea circuiti e li condivide,</translation>
    </message>
    <message>
        <source>the players who send in their lap times,</source>
        <translation>i giocatori che inviano i loro tempi sul giro,</translation>
    </message>
    <message>
        <source>and everyone who tests and reports problems.</source>
        <translation>e tutti quelli che provano e segnalano problemi.</translation>
    </message>
    <message>
        <source>Help &gt; Contents (F1) tells how Pistaro works.</source>
        <translation>Aiuto &gt; Sommario (F1) spiega come funziona Pistaro.</translation>
    </message>
    <message>
        <source>Questions and ideas are welcome through the home page:</source>
        <translation>Domande e idee sono benvenute tramite il sito:</translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitFixes</name>
    <message>
        <source>Repair &amp;checksum</source>
        <translation>Ripara &amp;checksum</translation>
    </message>
    <message>
        <source>Install &amp;missing textures from an archive…</source>
        <translation>Installa texture &amp;mancanti da un archivio…</translation>
    </message>
    <message>
        <source>Delete this du&amp;plicate…</source>
        <translation>Elimina questo du&amp;plicato…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file the fix could not mend, then why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No selected circuit has a wrong checksum.</source>
        <translation>Nessun circuito selezionato ha un checksum errato.</translation>
    </message>
    <message>
        <source>These checksums could not be written.</source>
        <translation>Questi checksum non si sono potuti scrivere.</translation>
    </message>
    <message>
        <source>checksum was</source>
        <extracomment>Counted in &quot;2 checksums were repaired: …&quot;, after the number.</extracomment>
        <translation>checksum riparato</translation>
    </message>
    <message>
        <source>checksums were</source>
        <translation>checksum riparati</translation>
    </message>
    <message>
        <source>%1 repaired: %2.</source>
        <extracomment>&quot;2 checksums were repaired: A.DAT, B.DAT.&quot;</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Repair checksum</source>
        <translation>Ripara checksum</translation>
    </message>
    <message>
        <source>The selected circuits lack no texture the game folder could hold.</source>
        <translation>Ai circuiti selezionati non manca nessuna texture che la cartella del gioco possa contenere.</translation>
    </message>
    <message>
        <source>Archive with the missing textures</source>
        <translation>Archivio con le texture mancanti</translation>
    </message>
    <message>
        <source>No selected circuit is the same circuit as another file.</source>
        <translation>Nessun circuito selezionato è lo stesso circuito di un altro file.</translation>
    </message>
    <message>
        <source>%1 (the circuit stays as %2)</source>
        <translation>%1 (il circuito resta come %2)</translation>
    </message>
    <message>
        <source>, waiting for Export into slot %1</source>
        <extracomment>Added to &quot;X.DAT (the circuit stays as Y.DAT)&quot; in the list of duplicates.</extracomment>
        <translation>, in attesa di esportazione nello slot %1</translation>
    </message>
    <message>
        <source>which</source>
        <extracomment>Stands for the file in &quot;…, which is used by the track pack A&quot;.</extracomment>
        <translation>che</translation>
    </message>
    <message>
        <source>Nothing was deleted: the selected files are the only copies of their circuits.</source>
        <translation>Non è stato eliminato nulla: i file selezionati sono le sole copie dei loro circuiti.</translation>
    </message>
    <message>
        <source>Delete %1? Each circuit stays in the collection as the file named beside it.</source>
        <translation>Eliminare %1? Ogni circuito resta nella collezione come il file indicato accanto.</translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation>duplicato</translation>
    </message>
    <message>
        <source>duplicates</source>
        <translation>duplicati</translation>
    </message>
    <message>
        <source>A slot waits for a file deleted here: Export would leave that slot as it is in the game.</source>
        <translation>Uno slot attende un file eliminato qui: l&apos;esportazione lascerebbe quello slot com&apos;è nel gioco.</translation>
    </message>
    <message>
        <source>These files could not be deleted.</source>
        <translation>Questi file non si sono potuti eliminare.</translation>
    </message>
    <message>
        <source>duplicate was</source>
        <extracomment>Counted in &quot;2 duplicates were deleted: …&quot;, after the number.</extracomment>
        <translation>duplicato eliminato</translation>
    </message>
    <message>
        <source>duplicates were</source>
        <translation>duplicati eliminati</translation>
    </message>
    <message>
        <source>%1 deleted: %2.</source>
        <extracomment>&quot;2 duplicates were deleted: A.DAT, B.DAT.&quot;</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Elimina duplicati</translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitLists</name>
    <message>
        <source>Words found in any column, or terms such as country:italy, author:&quot;john doe&quot;, laps&gt;60, length&lt;=4500, problems, duplicate, tag:fantasy, pack:&quot;Season 98&quot;, nopack; -word or !word leaves rows out. See Help for every term.</source>
        <translation>Parole trovate in qualsiasi colonna, o termini come country:italy, author:&quot;john doe&quot;, laps&gt;60, length&lt;=4500, problems, duplicate, tag:fantasy, pack:&quot;Season 98&quot;, nopack; -parola o !parola esclude le righe. Vedi l&apos;Aiuto per tutti i termini.</translation>
    </message>
    <message>
        <source>Filter circuits</source>
        <translation>Filtra circuiti</translation>
    </message>
    <message>
        <source>Circuits Directory:</source>
        <translation>Cartella dei circuiti:</translation>
    </message>
    <message>
        <source>A&amp;vailable Circuits</source>
        <translation>Circuiti &amp;disponibili</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Rinomina</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Add &amp;tags…</source>
        <translation>Aggiungi &amp;tag…</translation>
    </message>
    <message>
        <source>Remo&amp;ve tags…</source>
        <translation>Rimuo&amp;vi tag…</translation>
    </message>
    <message>
        <source>Export circuit list</source>
        <translation>Esporta elenco circuiti</translation>
    </message>
    <message>
        <source>Not understood, so not used:
%1</source>
        <translation>Non compreso, quindi non usato:
%1</translation>
    </message>
    <message>
        <source>Rename file &apos;%1&apos; to: </source>
        <translation>Rinomina il file &apos;%1&apos; in: </translation>
    </message>
    <message>
        <source>&apos;%1&apos; can&apos;t be used as a file name.</source>
        <translation>&apos;%1&apos; non si può usare come nome di file.</translation>
    </message>
    <message>
        <source>A circuit is renamed within the Circuits folder: the new name can&apos;t hold \, / or &quot;..&quot;, nor be longer than 255 bytes.</source>
        <translation>Un circuito si rinomina dentro la cartella Circuits: il nuovo nome non può contenere \, / o &quot;..&quot;, né superare i 255 byte.</translation>
    </message>
    <message>
        <source>%1 was not renamed: %2 already exists in its folder.</source>
        <translation>%1 non è stato rinominato: %2 esiste già nella sua cartella.</translation>
    </message>
    <message>
        <source>Couldn&apos;t rename %1 to %2.</source>
        <translation>Impossibile rinominare %1 in %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the file &apos;%1&apos; ? </source>
        <translation>Vuoi davvero eliminare il file &apos;%1&apos;? </translation>
    </message>
    <message>
        <source>Couldn&apos;t delete %1.</source>
        <translation>Impossibile eliminare %1.</translation>
    </message>
    <message>
        <source>The tags could not be read: %1</source>
        <translation>Impossibile leggere i tag: %1</translation>
    </message>
    <message>
        <source>Select the circuits to tag first.</source>
        <translation>Seleziona prima i circuiti a cui aggiungere tag.</translation>
    </message>
    <message>
        <source>Tags to add to %1 (separated by commas):</source>
        <translation>Tag da aggiungere a %1 (separati da virgole):</translation>
    </message>
    <message>
        <source>Tags to add to the %1 circuits selected (separated by commas):</source>
        <translation>Tag da aggiungere ai %1 circuiti selezionati (separati da virgole):</translation>
    </message>
    <message>
        <source>Select the circuits to take tags from first.</source>
        <translation>Seleziona prima i circuiti da cui togliere tag.</translation>
    </message>
    <message>
        <source>The circuits selected have no tags.</source>
        <translation>I circuiti selezionati non hanno tag.</translation>
    </message>
    <message>
        <source>Tags to take from the circuits selected (separated by commas):</source>
        <translation>Tag da togliere ai circuiti selezionati (separati da virgole):</translation>
    </message>
    <message>
        <source>Tags cannot be kept: the tag store %1 could not be opened.</source>
        <translation>Impossibile conservare i tag: l&apos;archivio dei tag %1 non si è potuto aprire.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken as a tag: %2.</source>
        <translation>&quot;%1&quot; non è accettato come tag: %2.</translation>
    </message>
    <message>
        <source>These files hold no circuit, so they take no tags:</source>
        <translation>Questi file non contengono circuiti, quindi non ricevono tag:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A circuit, then the pack&apos;s tags it lacks.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The pack file tags its circuits. Add these tags to your circuits?</source>
        <translation>Il file del pack assegna dei tag ai suoi circuiti. Aggiungere questi tag ai tuoi circuiti?</translation>
    </message>
    <message>
        <source>Some tags were not taken:</source>
        <translation>Alcuni tag non sono stati accettati:</translation>
    </message>
    <message>
        <source>Nothing was renamed: select a circuit first.</source>
        <translation>Non è stato rinominato nulla: seleziona prima un circuito.</translation>
    </message>
    <message>
        <source>%1 was not renamed: it is a game slot file, which the game reads by this name.</source>
        <translation>%1 non è stato rinominato: è un file di slot del gioco, che il gioco legge con questo nome.</translation>
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
        <translation>%1 circuiti</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>The browser&apos;s count while a filter hides rows: &quot;1,234 of 5,000 circuits&quot;.</extracomment>
        <translation>%1 di %2</translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitTableModel</name>
    <message>
        <source>The right button on the row offers the fix.</source>
        <translation>Il tasto destro sulla riga offre la correzione.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Circuito</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autore</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Giri</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>Best race time</source>
        <translation>Miglior tempo gara</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Packs</source>
        <translation>Pack</translation>
    </message>
</context>
<context>
    <name>pistaro::CreditsDialog</name>
    <message>
        <source>Made for everyone who keeps racing on add-on circuits.</source>
        <translation>Fatto per chi continua a correre sui circuiti aggiuntivi.</translation>
    </message>
</context>
<context>
    <name>pistaro::DatabaseList</name>
    <message>
        <source>Lap time database in use &apos;%1&apos;</source>
        <translation>Database dei tempi in uso &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Enter the new database name:</source>
        <translation>Inserisci il nome del nuovo database:</translation>
    </message>
    <message>
        <source>Please wait, making new database...</source>
        <translation>Attendere, creazione del nuovo database...</translation>
    </message>
    <message>
        <source>Database %1 could not be made.</source>
        <translation>Impossibile creare il database %1.</translation>
    </message>
    <message>
        <source>Sure you want to kill &apos;%1&apos; ?</source>
        <translation>Vuoi davvero eliminare &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; deleted.</source>
        <translation>Database &apos;%1&apos; eliminato.</translation>
    </message>
</context>
<context>
    <name>pistaro::Exporter</name>
    <message>
        <source>&amp;Export to Gp2</source>
        <translation>Esporta in Gp&amp;2</translation>
    </message>
    <message>
        <source>Export circuits to Gp2</source>
        <translation>Esporta i circuiti in Gp2</translation>
    </message>
    <message>
        <source>Nothing to export: no slot has a circuit or a menu picture waiting.</source>
        <translation>Niente da esportare: nessuno slot ha un circuito o un&apos;immagine del menu in attesa.</translation>
    </message>
    <message>
        <source>Update your Gp2 files on selected circuits?</source>
        <translation>Aggiornare i file di Gp2 con i circuiti selezionati?</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>Exporting menu names... </source>
        <translation>Esportazione nomi del menu... </translation>
    </message>
    <message>
        <source>Updating menu picture... </source>
        <translation>Aggiornamento immagine del menu... </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>%1 copied into its slot.</source>
        <translation>%1 copiato nel suo slot.</translation>
    </message>
    <message>
        <source>%1 copied into their slots.</source>
        <translation>%1 copiati nei loro slot.</translation>
    </message>
    <message>
        <source>circuit was</source>
        <translation>circuito</translation>
    </message>
    <message>
        <source>circuits were</source>
        <translation>circuiti</translation>
    </message>
    <message>
        <source>The menu names and lap counts were written into GP2.EXE.</source>
        <translation>I nomi del menu e i numeri di giri sono stati scritti in GP2.EXE.</translation>
    </message>
    <message>
        <source>The menu pictures of %1 changed.</source>
        <translation>Immagini del menu cambiate per %1.</translation>
    </message>
    <message>
        <source>slot were</source>
        <translation>slot</translation>
    </message>
    <message>
        <source>slots were</source>
        <translation>slot</translation>
    </message>
    <message>
        <source>Gp2 updated.</source>
        <translation>Gp2 aggiornato.</translation>
    </message>
    <message>
        <source>Gp2 was updated in part.</source>
        <translation>Gp2 aggiornato in parte.</translation>
    </message>
    <message>
        <source>Gp2 was not updated.</source>
        <translation>Gp2 non aggiornato.</translation>
    </message>
    <message>
        <source>Menu pictures were not changed: gp2hipic is not set up. See Help &gt; Outside programs.</source>
        <translation>Immagini del menu non cambiate: gp2hipic non è configurato. Vedi Aiuto &gt; Programmi esterni.</translation>
    </message>
    <message>
        <source>Menu pictures were not changed: %1</source>
        <translation>Immagini del menu non cambiate: %1</translation>
    </message>
    <message>
        <source>Copying... </source>
        <translation>Copia in corso... </translation>
    </message>
    <message>
        <source>Slot %1: %2 was not copied over %3: %4</source>
        <translation>Slot %1: %2 non è stato copiato su %3: %4</translation>
    </message>
    <message>
        <source>The menu names and lap counts were not written into %1: %2</source>
        <translation>I nomi del menu e i numeri di giri non sono stati scritti in %1: %2</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Slot %1: %2</translation>
    </message>
    <message>
        <source>%1, small picture</source>
        <extracomment>A slot&apos;s menu picture in a list: &quot;Slot 3: Monza, small picture&quot;.</extracomment>
        <translation>%1, immagine piccola</translation>
    </message>
    <message>
        <source>%1, large picture</source>
        <translation>%1, immagine grande</translation>
    </message>
    <message>
        <source>Menu pictures were not changed: the default picture %1 could not be handed over: %2</source>
        <translation>Immagini del menu non cambiate: non è stato possibile passare l&apos;immagine predefinita %1: %2</translation>
    </message>
    <message>
        <source>Gp2 was not updated: a file could not be written, so the game was put back as it was.</source>
        <translation>Gp2 non è stato aggiornato: non è stato possibile scrivere un file, quindi il gioco è stato rimesso com&apos;era.</translation>
    </message>
    <message>
        <source>The exported circuits were not added to the catalogue: %1</source>
        <translation>I circuiti esportati non sono stati aggiunti al catalogo: %1</translation>
    </message>
</context>
<context>
    <name>pistaro::HelpWindow</name>
    <message>
        <source>Not found</source>
        <translation>Non trovato</translation>
    </message>
</context>
<context>
    <name>pistaro::HistoryDialog</name>
    <message>
        <source>History of changes</source>
        <translation>Cronologia delle modifiche</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Changes, newest first:</source>
        <translation>Modifiche, dalla più recente:</translation>
    </message>
    <message>
        <source>Files of the change:</source>
        <translation>File della modifica:</translation>
    </message>
    <message>
        <source>  (1 file)</source>
        <extracomment>After the time and command of a change in History: how many files it holds.</extracomment>
        <translation>  (1 file)</translation>
    </message>
    <message>
        <source>  (%1 files)</source>
        <translation>  (%1 file)</translation>
    </message>
    <message>
        <source>  put back</source>
        <extracomment>After a change in History that was undone.</extracomment>
        <translation>  rimessa</translation>
    </message>
    <message>
        <source>  unfinished</source>
        <extracomment>After a change in History that never ended.</extracomment>
        <translation>  incompleta</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>  damaged</source>
        <extracomment>After a change in History whose saved copies are damaged.</extracomment>
        <translation>  danneggiata</translation>
    </message>
    <message>
        <source>The saved copies of these files are damaged or missing:
</source>
        <translation>Le copie salvate di questi file sono danneggiate o mancanti:
</translation>
    </message>
    <message>
        <source> (removed: it was not there)</source>
        <translation> (rimosso: non c&apos;era)</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Ripristina</translation>
    </message>
</context>
<context>
    <name>pistaro::Installer</name>
    <message>
        <source>New track selection</source>
        <translation>Selezione nuovo circuito</translation>
    </message>
    <message>
        <source>Folder of archives to install</source>
        <translation>Cartella di archivi da installare</translation>
    </message>
    <message>
        <source>No archive was found in %1 (%2).</source>
        <translation>Nessun archivio trovato in %1 (%2).</translation>
    </message>
    <message>
        <source>File not found or invalid.</source>
        <translation>File non trovato o non valido.</translation>
    </message>
    <message>
        <source>Please wait,</source>
        <translation>Attendere,</translation>
    </message>
    <message>
        <source>Installing %1 archives,</source>
        <translation>Installazione di %1 archivi,</translation>
    </message>
    <message>
        <source>Installing archive %1 of %2,</source>
        <translation>Installazione archivio %1 di %2,</translation>
    </message>
    <message>
        <source>Not installed: the file is missing or empty.</source>
        <translation>Non installato: il file manca o è vuoto.</translation>
    </message>
    <message>
        <source>The installation of this archive failed here.</source>
        <translation>L&apos;installazione di questo archivio si è interrotta qui.</translation>
    </message>
    <message>
        <source>%1 of %2 archives read, %3 installed.</source>
        <extracomment>&quot;3 of 4 archives read, 5 circuits installed.&quot;</extracomment>
        <translation>Archivi letti: %1 di %2; installati: %3.</translation>
    </message>
    <message>
        <source>circuit</source>
        <extracomment>Counted in &quot;… 5 circuits installed.&quot;, after the number.</extracomment>
        <translation>circuito</translation>
    </message>
    <message>
        <source>circuits</source>
        <translation>circuiti</translation>
    </message>
    <message>
        <source>%1 already there.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>circuit was</source>
        <translation>circuito era già presente</translation>
    </message>
    <message>
        <source>circuits were</source>
        <translation>circuiti erano già presenti</translation>
    </message>
    <message>
        <source>%1 could not be installed.</source>
        <translation>Impossibile installare: %1.</translation>
    </message>
    <message>
        <source>archive</source>
        <translation>archivio</translation>
    </message>
    <message>
        <source>archives</source>
        <translation>archivi</translation>
    </message>
    <message>
        <source>Stopped before %1</source>
        <translation>Fermato prima di %1</translation>
    </message>
    <message>
        <source>archive:</source>
        <translation>archivio:</translation>
    </message>
    <message>
        <source>archives:</source>
        <translation>archivi:</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Estrazione...</translation>
    </message>
    <message>
        <source>Looking file...</source>
        <translation>Ricerca file...</translation>
    </message>
    <message>
        <source>Nothing could be extracted.</source>
        <translation>Non è stato possibile estrarre nulla.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract any file from %1.</source>
        <translation>Impossibile estrarre file da %1.</translation>
    </message>
    <message>
        <source>%1 extracted from %2</source>
        <translation>Estrazione da %2: %1</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>files</source>
        <translation>file</translation>
    </message>
    <message>
        <source>The archive holds no circuit (.dat) file.</source>
        <translation>L&apos;archivio non contiene file di circuito (.dat).</translation>
    </message>
    <message>
        <source>%1 not installed: an archive inside the archive is not unpacked</source>
        <translation>%1 non installato: un archivio dentro l&apos;archivio non viene estratto</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this file: %1</source>
        <translation>Impossibile leggere questo file: %1</translation>
    </message>
    <message>
        <source>(The read-me was cut here: it holds %1 bytes, the first %2 are shown.)</source>
        <translation>(Il leggimi è stato tagliato qui: contiene %1 byte, se ne mostrano i primi %2.)</translation>
    </message>
    <message>
        <source>%1 not installed: the same circuit is already there as %2</source>
        <translation>%1 non installato: lo stesso circuito c&apos;è già come %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the texture list of %1</source>
        <translation>Impossibile leggere l&apos;elenco texture di %1</translation>
    </message>
    <message>
        <source>%1 not installed: no other name was given</source>
        <translation>%1 non installato: non è stato dato un altro nome</translation>
    </message>
    <message>
        <source>Track %1 was not installed.</source>
        <translation>Circuito %1 non installato.</translation>
    </message>
    <message>
        <source>%1 track copied to %2</source>
        <translation>Circuito %1 copiato in %2</translation>
    </message>
    <message>
        <source>%1 track couldn&apos;t be copied to %2: %3</source>
        <translation>Impossibile copiare il circuito %1 in %2: %3</translation>
    </message>
    <message>
        <source>The name of the file you are installing can&apos;t be %1.</source>
        <translation>Il nome del file che stai installando non può essere %1.</translation>
    </message>
    <message>
        <source>Please enter a new name for this file:</source>
        <translation>Inserisci un nuovo nome per questo file:</translation>
    </message>
    <message>
        <source>Please enter another name.</source>
        <translation>Inserisci un altro nome.</translation>
    </message>
    <message>
        <source>File %1 already exists, overwrite?</source>
        <translation>Il file %1 esiste già, sovrascriverlo?</translation>
    </message>
    <message>
        <source>%1 %2 menu image copied</source>
        <translation>Immagine del menu %1 %2 copiata</translation>
    </message>
    <message>
        <source>%1 %2 menu image couldn&apos;t be copied to %3: %4</source>
        <translation>Impossibile copiare l&apos;immagine del menu %1 %2 in %3: %4</translation>
    </message>
    <message>
        <source>%1 file converted to JAM</source>
        <translation>File %1 convertito in JAM</translation>
    </message>
    <message>
        <source>%1 file couldn&apos;t be converted to JAM: %2</source>
        <translation>Impossibile convertire il file %1 in JAM: %2</translation>
    </message>
    <message>
        <source>No texture was copied: %1</source>
        <translation>Nessuna texture copiata: %1</translation>
    </message>
    <message>
        <source>No texture was copied: their backup could not be written: %1</source>
        <translation>Nessuna texture copiata: non è stato possibile scriverne il backup: %1</translation>
    </message>
    <message>
        <source>Textures from %1</source>
        <translation>Texture da %1</translation>
    </message>
    <message>
        <source>Every missing texture is installed now.</source>
        <translation>Ora tutte le texture mancanti sono installate.</translation>
    </message>
    <message>
        <source>%1 still missing:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>texture is</source>
        <translation>texture manca ancora</translation>
    </message>
    <message>
        <source>textures are</source>
        <translation>texture mancano ancora</translation>
    </message>
    <message>
        <source>Nothing was installed: %1</source>
        <translation>Non è stato installato nulla: %1</translation>
    </message>
    <message>
        <source>Track %1 was not installed: %2</source>
        <translation>Circuito %1 non installato: %2</translation>
    </message>
    <message>
        <source>Track %1 was installed in part: %2</source>
        <translation>Circuito %1 installato in parte: %2</translation>
    </message>
    <message>
        <source>Not installed: %1</source>
        <translation>Non installato: %1</translation>
    </message>
    <message>
        <source>The archives were installed in part: %1</source>
        <translation>Archivi installati in parte: %1</translation>
    </message>
    <message>
        <source>no scratch folder could be made in %1 (%2).</source>
        <translation>non è stato possibile creare una cartella di lavoro in %1 (%2).</translation>
    </message>
    <message>
        <source>The game was put back as it was.</source>
        <translation>Il gioco è stato rimesso com&apos;era.</translation>
    </message>
</context>
<context>
    <name>pistaro::LapHistoryView</name>
    <message>
        <source>History: select a track</source>
        <translation>Cronologia: seleziona un circuito</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Cronologia di %1</translation>
    </message>
    <message>
        <source>Select a track to see its history.</source>
        <translation>Seleziona un circuito per vederne la cronologia.</translation>
    </message>
    <message>
        <source>No records of this track yet.</source>
        <translation>Ancora nessun record per questo circuito.</translation>
    </message>
</context>
<context>
    <name>pistaro::LapTimeDatabase</name>
    <message>
        <source>Error while reading Parameters.</source>
        <translation>Errore nella lettura dei parametri.</translation>
    </message>
    <message>
        <source>Database %1 does not have the layout pso.def describes and cannot be used.</source>
        <translation>Il database %1 non ha la struttura descritta da pso.def e non si può usare.</translation>
    </message>
    <message>
        <source>Database %1 lacks what pso.def describes:</source>
        <translation>Al database %1 manca ciò che pso.def descrive:</translation>
    </message>
    <message>
        <source>It is brought up to date now.</source>
        <translation>Ora viene aggiornato.</translation>
    </message>
    <message>
        <source>Please wait, updating database...</source>
        <translation>Attendere, aggiornamento del database...</translation>
    </message>
    <message>
        <source>Database %1 was brought up to date (layout version %2 to %3).</source>
        <translation>Il database %1 è stato aggiornato (struttura dalla versione %2 alla %3).</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>Il file com&apos;era è conservato come %1.</translation>
    </message>
    <message>
        <source>Database %1 could not be brought up to date and is left as it was.</source>
        <translation>Il database %1 non si è potuto aggiornare ed è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>Database %1 could not be made.</source>
        <translation>Impossibile creare il database %1.</translation>
    </message>
    <message>
        <source>Database %1 is damaged and could not be repaired.</source>
        <translation>Il database %1 è danneggiato e non si è potuto riparare.</translation>
    </message>
    <message>
        <source> Cancel ends Pistaro.</source>
        <extracomment>Ends the messages that ask for the game folder, after a space.</extracomment>
        <translation> Annulla chiude Pistaro.</translation>
    </message>
    <message>
        <source>There is no GP2.EXE in %1.</source>
        <translation>Non c&apos;è GP2.EXE in %1.</translation>
    </message>
    <message>
        <source>In the next window, choose the folder that holds GP2.EXE.</source>
        <translation>Nella finestra seguente, scegli la cartella che contiene GP2.EXE.</translation>
    </message>
    <message>
        <source>Where is your GP2 folder?</source>
        <translation>Dov&apos;è la tua cartella di GP2?</translation>
    </message>
    <message>
        <source>Pistaro works on the circuits of your Grand Prix 2 installation. In the next window, choose the folder that holds GP2.EXE (File &gt; Setup Pistaro changes it later).</source>
        <translation>Pistaro lavora sui circuiti della tua installazione di Grand Prix 2. Nella finestra seguente, scegli la cartella che contiene GP2.EXE (File &gt; Impostazioni Pistaro la cambia in seguito).</translation>
    </message>
    <message>
        <source>Your original circuit files were copied under their track names.</source>
        <translation>I tuoi file dei circuiti originali sono stati copiati con i loro nomi di circuito.</translation>
    </message>
</context>
<context>
    <name>pistaro::LapTimeTable</name>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>writing file...</source>
        <translation>scrittura file...</translation>
    </message>
    <message>
        <source>No application for plain text is set up on this system: the table, written to %1, is shown in Pistaro&apos;s text viewer.</source>
        <translation>Su questo sistema non c&apos;è un&apos;applicazione per il testo semplice: la tabella, scritta in %1, viene mostrata nel visualizzatore di testo di Pistaro.</translation>
    </message>
    <message>
        <source>Export lap time table</source>
        <translation>Esporta tabella dei tempi</translation>
    </message>
    <message>
        <source>Lap Time Table</source>
        <translation>Tabella dei tempi sul giro</translation>
    </message>
    <message>
        <source>Export to &amp;Notepad</source>
        <translation>Esporta nel &amp;Blocco note</translation>
    </message>
    <message>
        <source>Export as C&amp;SV…</source>
        <translation>Esporta come C&amp;SV…</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>pistaro::Launcher</name>
    <message>
        <source>&amp;Launch GP2</source>
        <translation>A&amp;vvia GP2</translation>
    </message>
    <message>
        <source>Run Gp2</source>
        <translation>Avvia Gp2</translation>
    </message>
    <message>
        <source>%1 could not be run</source>
        <translation>Impossibile eseguire %1</translation>
    </message>
</context>
<context>
    <name>pistaro::LogImport</name>
    <message>
        <source>&amp;Get Time from GP2LAP.LOG</source>
        <translation>&amp;Leggi tempi da GP2LAP.LOG</translation>
    </message>
    <message>
        <source>No lap time was read: there is no readable %1. GP2LAP writes it while you play.</source>
        <translation>Nessun tempo sul giro letto: non c&apos;è un %1 leggibile. GP2LAP lo scrive mentre giochi.</translation>
    </message>
    <message>
        <source>Nothing new was found in %1: its lap times were imported before.</source>
        <translation>Niente di nuovo in %1: i suoi tempi sul giro sono già stati importati.</translation>
    </message>
    <message>
        <source>No lap time of a known track and session was found in %1.</source>
        <translation>In %1 non c&apos;è nessun tempo sul giro di un circuito e una sessione noti.</translation>
    </message>
    <message>
        <source>lap time was</source>
        <extracomment>After a count: &quot;1 lap time was&quot; or &quot;3 lap times were&quot; read from the log.</extracomment>
        <translation>tempo sul giro letto</translation>
    </message>
    <message>
        <source>lap times were</source>
        <translation>tempi sul giro letti</translation>
    </message>
    <message>
        <source> read from %1; none beats a stored time.</source>
        <translation> da %1; nessuno batte un tempo memorizzato.</translation>
    </message>
    <message>
        <source>line was</source>
        <extracomment>After a count: &quot;1 line was&quot; or &quot;3 lines were&quot; skipped.</extracomment>
        <translation>riga scartata</translation>
    </message>
    <message>
        <source>lines were</source>
        <translation>righe scartate</translation>
    </message>
    <message>
        <source> skipped for a time that is no lap time (m:ss.mmm), the first: &quot;%1&quot;</source>
        <extracomment>After &quot;3 lines were&quot;.</extracomment>
        <translation> per un tempo che non è un tempo sul giro (m:ss.mmm), la prima: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The lap times of gp2lap.log could not be stored in the database: </source>
        <translation>Non è stato possibile memorizzare nel database i tempi sul giro di gp2lap.log: </translation>
    </message>
    <message>
        <source>Nothing of this reading was kept. gp2lap.log is kept as it is: it is neither deleted nor renamed before the next game.</source>
        <translation>Di questa lettura non è stato conservato nulla. gp2lap.log resta com&apos;è: non viene né eliminato né rinominato prima della prossima partita.</translation>
    </message>
    <message>
        <source> skipped, the first: &quot;%1&quot;.</source>
        <extracomment>After &quot;3 lines were&quot;.</extracomment>
        <translation>, la prima: &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>pistaro::LogWindow</name>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>LOG FILE</source>
        <translation>FILE DI LOG</translation>
    </message>
    <message>
        <source>You played Grand Prix 2</source>
        <extracomment>Before the count of games, then &quot;times.&quot;.</extracomment>
        <translation>Hai giocato a Grand Prix 2</translation>
    </message>
    <message>
        <source>times.</source>
        <translation>volte.</translation>
    </message>
    <message>
        <source>First time :</source>
        <translation>Prima volta:</translation>
    </message>
    <message>
        <source>Last time:</source>
        <translation>Ultima volta:</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Tempo totale:</translation>
    </message>
</context>
<context>
    <name>pistaro::MainWindow</name>
    <message>
        <source>Time Database:</source>
        <translation>Database dei tempi:</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;sci</translation>
    </message>
    <message>
        <source>End Pistaro</source>
        <translation>Chiude Pistaro</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Install new Track</source>
        <translation>&amp;Installa nuovo circuito</translation>
    </message>
    <message>
        <source>Install a &amp;Folder of Archives…</source>
        <translation>Installa una &amp;cartella di archivi…</translation>
    </message>
    <message>
        <source>&amp;Log Stats</source>
        <translation>Statistiche &amp;log</translation>
    </message>
    <message>
        <source>&amp;Defrag f1pcsvga.bin</source>
        <translation>&amp;Deframmenta f1pcsvga.bin</translation>
    </message>
    <message>
        <source>&amp;Restore last change...</source>
        <translation>&amp;Ripristina ultima modifica...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>Cronolo&amp;gia...</translation>
    </message>
    <message>
        <source>&amp;Export circuit list…</source>
        <translation>Esporta elenco circ&amp;uiti…</translation>
    </message>
    <message>
        <source>&amp;Setup Pistaro</source>
        <translation>Im&amp;postazioni Pistaro</translation>
    </message>
    <message>
        <source>&amp;Tracks</source>
        <translation>&amp;Circuiti</translation>
    </message>
    <message>
        <source>Resca&amp;n</source>
        <translation>Ri&amp;scansiona</translation>
    </message>
    <message>
        <source>&amp;Update Track Info</source>
        <translation>&amp;Aggiorna info circuito</translation>
    </message>
    <message>
        <source>&amp;Export to Gp2</source>
        <translation>&amp;Esporta in Gp2</translation>
    </message>
    <message>
        <source>&amp;Launch GP2</source>
        <translation>Avvia &amp;GP2</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;uto</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Pistaro Home Page</source>
        <translation>Sito di &amp;Pistaro</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>GP2 is running. Pistaro will close when it ends.</source>
        <translation>GP2 è in esecuzione. Pistaro si chiuderà quando termina.</translation>
    </message>
    <message>
        <source>You have to set your Screen Resolution at least 800x600</source>
        <translation>La risoluzione dello schermo deve essere almeno 800x600</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1.</source>
        <translation>Impossibile aprire %1.</translation>
    </message>
    <message>
        <source>Menu pictures are neither shown nor kept in this run.</source>
        <translation>In questa sessione le immagini del menu non vengono né mostrate né conservate.</translation>
    </message>
    <message>
        <source>The track pack list was not saved.</source>
        <translation>L&apos;elenco dei Track Pack non è stato salvato.</translation>
    </message>
    <message>
        <source>Export p&amp;ack…</source>
        <translation>Esporta pac&amp;k…</translation>
    </message>
    <message>
        <source>&amp;Import pack…</source>
        <translation>&amp;Importa pack…</translation>
    </message>
</context>
<context>
    <name>pistaro::MenuPictures</name>
    <message>
        <source>Menu Picture </source>
        <translation>Immagine del menu </translation>
    </message>
    <message>
        <source>Menu Picture 640x480 :</source>
        <translation>Immagine del menu 640x480:</translation>
    </message>
    <message>
        <source>Menu Picture 440x330:</source>
        <translation>Immagine del menu 440x330:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>Sf&amp;oglia</translation>
    </message>
    <message>
        <source>Browse Menu Picture</source>
        <translation>Sfoglia immagine del menu</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>Sfo&amp;glia</translation>
    </message>
    <message>
        <source>&amp;Import Menu Picture</source>
        <translation>I&amp;mporta immagine</translation>
    </message>
    <message>
        <source>Import Menu Picture from Gp2</source>
        <translation>Importa l&apos;immagine del menu da Gp2</translation>
    </message>
    <message>
        <source>Import Menu &amp;Picture</source>
        <translation>Impor&amp;ta immagine</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>C&amp;rea</translation>
    </message>
    <message>
        <source>Ma&amp;ke</source>
        <translation>Cr&amp;ea</translation>
    </message>
    <message>
        <source>Cle&amp;ar</source>
        <translation>&amp;Azzera</translation>
    </message>
    <message>
        <source>Clear Menu Picture</source>
        <translation>Azzera immagine del menu</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>A&amp;zzera</translation>
    </message>
    <message>
        <source>Select one Gp2 circuit first.</source>
        <translation>Seleziona prima un circuito di Gp2.</translation>
    </message>
    <message>
        <source>Do you realy want to replace &apos;%1&apos; ?</source>
        <translation>Vuoi davvero sostituire &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>gp2hipic wrote no picture to %1</source>
        <translation>gp2hipic non ha scritto nessuna immagine in %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>The menu picture was not imported.</source>
        <translation>L&apos;immagine del menu non è stata importata.</translation>
    </message>
    <message>
        <source>Menu picture selection</source>
        <translation>Selezione immagine del menu</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>Defrag f1pcsvga.bin... </source>
        <translation>Deframmentazione f1pcsvga.bin... </translation>
    </message>
    <message>
        <source>f1pcsvga.bin was not defragmented.</source>
        <translation>f1pcsvga.bin non è stato deframmentato.</translation>
    </message>
</context>
<context>
    <name>pistaro::PackControls</name>
    <message>
        <source>PackControls</source>
        <translation>PackControls</translation>
    </message>
    <message>
        <source>--&gt; &amp;Change</source>
        <translation>--&gt; Cam&amp;bia</translation>
    </message>
    <message>
        <source>Change Track</source>
        <translation>Cambia circuito</translation>
    </message>
    <message>
        <source>Resca&amp;n</source>
        <translation>Risca&amp;nsiona</translation>
    </message>
    <message>
        <source>Import circuits from Gp2</source>
        <translation>Importa circuiti da Gp2</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>View Pack</source>
        <translation>Vedi pack</translation>
    </message>
    <message>
        <source>Save Pack</source>
        <translation>Salva pack</translation>
    </message>
    <message>
        <source>Delete Track Pack</source>
        <translation>Elimina Track Pack</translation>
    </message>
    <message>
        <source>Export pack…</source>
        <translation>Esporta pack…</translation>
    </message>
    <message>
        <source>Import pack…</source>
        <translation>Importa pack…</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; already exists, overwrite?</source>
        <translation>Il Track Pack &apos;%1&apos; esiste già, sovrascriverlo?</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>Impossibile creare %1.</translation>
    </message>
    <message>
        <source>These circuits couldn&apos;t be copied into the pack:</source>
        <translation>Questi circuiti non si sono potuti copiare nel pack:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file that could not be copied, then why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 saved in %2.</source>
        <extracomment>&quot;3 slot files were saved in &lt;folder&gt;.&quot;</extracomment>
        <translation>%1 in %2.</translation>
    </message>
    <message>
        <source>slot file was</source>
        <extracomment>Counted in &quot;3 slot files were saved in …&quot;, after the number.</extracomment>
        <translation>file di slot salvato</translation>
    </message>
    <message>
        <source>slot files were</source>
        <translation>file di slot salvati</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was saved.</source>
        <translation>Track Pack &apos;%1&apos; salvato.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not saved completely.</source>
        <translation>Track Pack &apos;%1&apos; non salvato completamente.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not found:</source>
        <translation>Track Pack &apos;%1&apos; non trovato:</translation>
    </message>
    <message>
        <source>These slots were left as they were: the pack lacks their circuits. </source>
        <translation>Questi slot sono rimasti com&apos;erano: al pack mancano i loro circuiti. </translation>
    </message>
    <message>
        <source>Track Pack &apos;%1&apos;: %2.</source>
        <translation>Track Pack &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>These slots were left as they were: their files are missing from the pack.</source>
        <translation>Questi slot sono rimasti com&apos;erano: i loro file mancano dal pack.</translation>
    </message>
    <message>
        <source>Slot %1: %2 is missing</source>
        <translation>Slot %1: manca %2</translation>
    </message>
    <message>
        <source>These slots were left as they were: their files couldn&apos;t be copied.</source>
        <translation>Questi slot sono rimasti com&apos;erano: non si sono potuti copiare i loro file.</translation>
    </message>
    <message>
        <source>Slot %1: %2: %3</source>
        <translation>Slot %1: %2: %3</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; is not complete.</source>
        <translation>Il Track Pack &apos;%1&apos; non è completo.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the &apos;%1&apos; Track Pack from your disk ?</source>
        <translation>Vuoi davvero eliminare dal disco il Track Pack &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not deleted completely.</source>
        <translation>Track Pack &apos;%1&apos; non eliminato completamente.</translation>
    </message>
    <message>
        <source>These files couldn&apos;t be deleted:</source>
        <translation>Questi file non si sono potuti eliminare:</translation>
    </message>
    <message>
        <source>Choose a saved Track Pack to export.</source>
        <translation>Scegli un Track Pack salvato da esportare.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; already exists, replace it?</source>
        <translation>Il Track Pack &apos;%1&apos; esiste già, sostituirlo?</translation>
    </message>
    <message>
        <source>Select an available circuit first.</source>
        <translation>Seleziona prima un circuito disponibile.</translation>
    </message>
    <message>
        <source>Select a slot first.</source>
        <translation>Seleziona prima uno slot.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
</context>
<context>
    <name>pistaro::PictureView</name>
    <message>
        <source>Picture View</source>
        <translation>Vista immagine</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>pistaro::RecordingWindow</name>
    <message>
        <source>Record Status</source>
        <translation>Stato dei record</translation>
    </message>
    <message>
        <source>Reading Gp2Lap.Log...</source>
        <translation>Lettura di Gp2Lap.Log...</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>Gp2Lap.Log read.</source>
        <translation>Gp2Lap.Log letto.</translation>
    </message>
    <message>
        <source>%1 set.</source>
        <extracomment>&quot;1 record set.&quot; or &quot;3 records set.&quot; in the Record Status window.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>record</source>
        <translation>record stabilito</translation>
    </message>
    <message>
        <source>records</source>
        <translation>record stabiliti</translation>
    </message>
    <message>
        <source>%1 read, %2</source>
        <extracomment>&quot;3 lap times read, 2 records set.&quot; in the Record Status window.</extracomment>
        <translation>Lettura: %1, %2</translation>
    </message>
    <message>
        <source>lap time</source>
        <translation>tempo sul giro</translation>
    </message>
    <message>
        <source>lap times</source>
        <translation>tempi sul giro</translation>
    </message>
</context>
<context>
    <name>pistaro::SetupDialog</name>
    <message>
        <source>Pistaro Setup</source>
        <translation>Impostazioni Pistaro</translation>
    </message>
    <message>
        <source>Gp2 Directory:</source>
        <translation>Cartella di Gp2:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Sfoglia</translation>
    </message>
    <message>
        <source>Browse Gp2 Directory</source>
        <translation>Sfoglia cartella di Gp2</translation>
    </message>
    <message>
        <source>Gp2 Version:</source>
        <translation>Versione di Gp2:</translation>
    </message>
    <message>
        <source>&amp;Use Gp2Lap</source>
        <translation>&amp;Usa Gp2Lap</translation>
    </message>
    <message>
        <source> Log File</source>
        <translation> File di log</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Rinomina</translation>
    </message>
    <message>
        <source>Use &amp;Quick update when exporting maps</source>
        <translation>Aggiornamento ra&amp;pido delle mappe in esportazione</translation>
    </message>
    <message>
        <source>Car Setup &amp;Management</source>
        <translation>&amp;Gestione assetti</translation>
    </message>
    <message>
        <source>DOS emulator</source>
        <translation>Emulatore DOS</translation>
    </message>
    <message>
        <source>CPU c&amp;ycles</source>
        <translation>&amp;Cicli CPU</translation>
    </message>
    <message>
        <source>Run the game &amp;full screen</source>
        <translation>Gioco a schermo &amp;intero</translation>
    </message>
    <message>
        <source>CD &amp;image</source>
        <translation>Immagine C&amp;D</translation>
    </message>
    <message>
        <source>The game&apos;s CD as an image (.cue or .iso), mounted as D:</source>
        <translation>Il CD del gioco come immagine (.cue o .iso), montata come D:</translation>
    </message>
    <message>
        <source>C&amp;hoose</source>
        <translation>Sceg&amp;li</translation>
    </message>
    <message>
        <source>Changes kept in the history</source>
        <translation>Modifiche tenute nella cronologia</translation>
    </message>
    <message>
        <source>Size of the backups at most</source>
        <translation>Dimensione massima dei backup</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Li&amp;ngua</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Vale dal prossimo avvio.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Select your Gp2 directory: </source>
        <translation>Seleziona la cartella di Gp2: </translation>
    </message>
    <message>
        <source>Select the GP2 CD image</source>
        <translation>Seleziona l&apos;immagine del CD di GP2</translation>
    </message>
    <message>
        <source>CD images|*.cue;*.iso|All files|*</source>
        <extracomment>A file dialog filter: translate the names, keep the &quot;|&quot; and the patterns.</extracomment>
        <translation>Immagini CD|*.cue;*.iso|Tutti i file|*</translation>
    </message>
    <message>
        <source>As DOSBox reads it: max, auto, fixed 30000, or a number such as 30000</source>
        <translation>Come lo legge DOSBox: max, auto, fixed 30000, o un numero come 30000</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Gp2Lap.exe is not in the game folder: the game starts without the lap timer.</source>
        <translation>Gp2Lap.exe non è nella cartella del gioco: il gioco parte senza il cronometro dei giri.</translation>
    </message>
    <message>
        <source>CPU cycles: %1</source>
        <translation>Cicli CPU: %1</translation>
    </message>
</context>
<context>
    <name>pistaro::SetupTransfer</name>
    <message>
        <source>Import &amp;Setups</source>
        <translation>&amp;Importa assetti</translation>
    </message>
    <message>
        <source>Export Set&amp;ups</source>
        <translation>Es&amp;porta assetti</translation>
    </message>
    <message>
        <source>car setup was</source>
        <extracomment>After a count: &quot;1 car setup was&quot; or &quot;3 car setups were&quot;.</extracomment>
        <translation>assetto</translation>
    </message>
    <message>
        <source>car setups were</source>
        <translation>assetti</translation>
    </message>
    <message>
        <source> stored in the lap time database, each with the track of its slot.</source>
        <translation> ora nel database dei tempi, ognuno con il circuito del suo slot.</translation>
    </message>
    <message>
        <source>No slot holds a track of the lap time database: nothing was stored.</source>
        <translation>Nessuno slot contiene un circuito del database dei tempi: non è stato memorizzato nulla.</translation>
    </message>
    <message>
        <source>Car setups imported.</source>
        <translation>Assetti importati.</translation>
    </message>
    <message>
        <source>Car setups not imported.</source>
        <translation>Assetti non importati.</translation>
    </message>
    <message>
        <source> written into %1.</source>
        <translation> ora in %1.</translation>
    </message>
    <message>
        <source>The lap time database holds no setup for the tracks in the slots: the game&apos;s setups were left as they were.</source>
        <translation>Il database dei tempi non ha assetti per i circuiti negli slot: gli assetti del gioco sono rimasti com&apos;erano.</translation>
    </message>
    <message>
        <source>Car setups exported.</source>
        <translation>Assetti esportati.</translation>
    </message>
    <message>
        <source>Car setups exported in part.</source>
        <translation>Assetti esportati in parte.</translation>
    </message>
    <message>
        <source>Car setups not exported.</source>
        <translation>Assetti non esportati.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>Importing setups from GP2</source>
        <translation>Importazione assetti da GP2</translation>
    </message>
    <message>
        <source>None of the setups could be stored in the database: %1</source>
        <translation>Nessun assetto si è potuto memorizzare nel database: %1</translation>
    </message>
    <message>
        <source>The backup of the game files could not be written: %1</source>
        <translation>Non è stato possibile scrivere il backup dei file del gioco: %1</translation>
    </message>
    <message>
        <source>Exporting setups to GP2</source>
        <translation>Esportazione assetti in GP2</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Slot %1: %2</translation>
    </message>
    <message>
        <source>The checksum of %1 was not repaired: sumfix could not be started</source>
        <translation>Il checksum di %1 non è stato riparato: impossibile avviare sumfix</translation>
    </message>
</context>
<context>
    <name>pistaro::SlotList</name>
    <message>
        <source>1 slot is not exported yet. Export it now?</source>
        <translation>1 slot non è ancora esportato. Esportarlo ora?</translation>
    </message>
    <message>
        <source>%1 slots are not exported yet. Export them now?</source>
        <translation>%1 slot non sono ancora esportati. Esportarli ora?</translation>
    </message>
</context>
<context>
    <name>pistaro::StatusWindow</name>
    <message>
        <source>End the program Pistaro waits for</source>
        <translation>Chiude il programma che Pistaro sta aspettando</translation>
    </message>
    <message>
        <source>Stop after the step under way; what is done stays</source>
        <translation>Si ferma dopo il passo in corso; ciò che è fatto resta</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Interrompi</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Stop %1</source>
        <translation>&amp;Interrompi %1</translation>
    </message>
</context>
<context>
    <name>pistaro::Textures</name>
    <message>
        <source>Check &amp;Jams</source>
        <translation>Controlla &amp;jam</translation>
    </message>
    <message>
        <source>Check that the textures the circuit needs are in the game</source>
        <translation>Controlla che le texture richieste dal circuito siano nel gioco</translation>
    </message>
    <message>
        <source>Select a circuit first.</source>
        <translation>Seleziona prima un circuito.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>All %1 jam files used by %2 exists on your system.</source>
        <translation>Tutti i %1 file jam usati da %2 sono presenti sul tuo sistema.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find these jam files: </source>
        <translation>Impossibile trovare questi file jam: </translation>
    </message>
    <message>
        <source>%1 not copied to %2: that place is outside the game folder</source>
        <translation>%1 non copiato in %2: quel percorso è fuori dalla cartella del gioco</translation>
    </message>
    <message>
        <source>%1 copied to %2</source>
        <translation>%1 copiato in %2</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be copied to %2: %3</source>
        <translation>Impossibile copiare %1 in %2: %3</translation>
    </message>
    <message>
        <source>%1 more texture copies skipped: the texture list names more than %2 places</source>
        <translation>Altre %1 copie di texture saltate: l&apos;elenco texture indica più di %2 percorsi</translation>
    </message>
</context>
<context>
    <name>pistaro::TrackInfoPanel</name>
    <message>
        <source>Track Info</source>
        <translation>Info circuito</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Paese:</translation>
    </message>
    <message>
        <source>Event:</source>
        <translation>Evento:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autore:</translation>
    </message>
    <message>
        <source>Adj.:</source>
        <translation>Agg.:</translation>
    </message>
    <message>
        <source>Desc.:</source>
        <translation>Descr.:</translation>
    </message>
    <message>
        <source>Laps:</source>
        <translation>Giri:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Lunghezza:</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Slot:</translation>
    </message>
    <message>
        <source>Tyre:</source>
        <translation>Gomme:</translation>
    </message>
    <message>
        <source>Original Gp2 Track</source>
        <translation>Circuito originale di Gp2</translation>
    </message>
    <message>
        <source>Update Track Info</source>
        <translation>Aggiorna info circuito</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Warm up</source>
        <translation>Warm-up</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Prove libere</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Qualifiche</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Gara</translation>
    </message>
    <message>
        <source>This value is too long to store in the track file.</source>
        <translation>Questo valore è troppo lungo da memorizzare nel file del circuito.</translation>
    </message>
    <message>
        <source>At most %1 characters fit in this field; nothing was changed.</source>
        <translation>In questo campo entrano al massimo %1 caratteri; non è cambiato nulla.</translation>
    </message>
    <message>
        <source>Type the whole time as m:ss.mmm, for example 1:23.456. This one is not stored yet.</source>
        <translation>Scrivi il tempo completo come m:ss.mmm, per esempio 1:23.456. Questo non è ancora memorizzato.</translation>
    </message>
    <message>
        <source>Save the changes to the track info of %1?</source>
        <translation>Salvare le modifiche alle info del circuito di %1?</translation>
    </message>
    <message>
        <source>The track file was not found:</source>
        <translation>Il file del circuito non è stato trovato:</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The track file cannot be written:</source>
        <translation>Il file del circuito non si può scrivere:</translation>
    </message>
    <message>
        <source>Its checksum could not be fixed: sumfix could not be started from %1: the checksum of %2 is stale, and the game will refuse the file until it is fixed.</source>
        <translation>Non è stato possibile correggere il suo checksum: impossibile avviare sumfix da %1: il checksum di %2 non è aggiornato, e il gioco rifiuterà il file finché non viene corretto.</translation>
    </message>
    <message>
        <source>Its row in the lap time database %1 could not be written: the database still holds the old track info.</source>
        <translation>Non è stato possibile scrivere la sua riga nel database dei tempi %1: il database contiene ancora le vecchie info del circuito.</translation>
    </message>
    <message>
        <source>Track updated.</source>
        <translation>Circuito aggiornato.</translation>
    </message>
    <message>
        <source>Track updated, but its checksum could not be fixed.</source>
        <translation>Circuito aggiornato, ma non è stato possibile correggerne il checksum.</translation>
    </message>
    <message>
        <source>sumfix could not be started from %1: the checksum of %2 is stale, and the game will refuse the file until it is fixed.</source>
        <translation>Impossibile avviare sumfix da %1: il checksum di %2 non è aggiornato, e il gioco rifiuterà il file finché non viene corretto.</translation>
    </message>
    <message>
        <source>Track updated, but not completely.</source>
        <translation>Circuito aggiornato, ma non completamente.</translation>
    </message>
    <message>
        <source>Created by Track Editor</source>
        <translation>Creato con Track Editor</translation>
    </message>
    <message>
        <source>File not recognized.</source>
        <translation>File non riconosciuto.</translation>
    </message>
</context>
<context>
    <name>pistaro::WaitingBar</name>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>End the program Pistaro waits for</source>
        <translation>Chiude il programma che Pistaro sta aspettando</translation>
    </message>
    <message>
        <source>Waiting for %1 to end...</source>
        <translation>In attesa che %1 termini...</translation>
    </message>
</context>
<context>
    <name>program</name>
    <message>
        <source>Pistaro cannot keep its files: %1.</source>
        <translation>Pistaro non può conservare i suoi file: %1.</translation>
    </message>
    <message>
        <source>no folder for them</source>
        <translation>nessuna cartella per loro</translation>
    </message>
</context>
<context>
    <name>replacefile</name>
    <message>
        <source>Is a directory</source>
        <translation>È una cartella</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>File inesistente</translation>
    </message>
    <message>
        <source>links cannot be made here</source>
        <translation>qui non si possono creare collegamenti</translation>
    </message>
    <message>
        <source>cannot rename %1</source>
        <translation>impossibile rinominare %1</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>sharedpack</name>
    <message>
        <source>the file name is empty</source>
        <translation>il nome del file è vuoto</translation>
    </message>
    <message>
        <source>the file name is longer than %1 characters</source>
        <translation>il nome del file è più lungo di %1 caratteri</translation>
    </message>
    <message>
        <source>the file name &quot;%1&quot; is a path, not a plain file name</source>
        <translation>il nome del file &quot;%1&quot; è un percorso, non un semplice nome di file</translation>
    </message>
    <message>
        <source>The file is larger than %1 KB; a pack file is a few KB at most.</source>
        <translation>Il file è più grande di %1 KB; un file di pack è al massimo di pochi KB.</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text</source>
        <translation>la riga non è testo UTF-8</translation>
    </message>
    <message>
        <source>the line holds a control character (U+%1): this is no text file</source>
        <translation>la riga contiene un carattere di controllo (U+%1): questo non è un file di testo</translation>
    </message>
    <message>
        <source>&quot;pack&quot;, a tab and the pack&apos;s name were expected</source>
        <translation>erano attesi &quot;pack&quot;, una tabulazione e il nome del pack</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can&apos;t be a Track Pack name</source>
        <translation>&quot;%1&quot; non può essere il nome di un Track Pack</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can&apos;t be a Track Pack name: it is longer than a folder name may be</source>
        <translation>&quot;%1&quot; non può essere il nome di un Track Pack: è più lungo di quanto possa essere un nome di cartella</translation>
    </message>
    <message>
        <source>a slot line has 5 fields separated by tabs (slot, file, track, length, SHA-256); this one has %1</source>
        <translation>una riga di slot ha 5 campi separati da tabulazioni (slot, file, circuito, lunghezza, SHA-256); questa ne ha %1</translation>
    </message>
    <message>
        <source>the slot &quot;%1&quot; is not a number from 1 to 16</source>
        <translation>lo slot &quot;%1&quot; non è un numero da 1 a 16</translation>
    </message>
    <message>
        <source>slot %1 is named twice</source>
        <translation>lo slot %1 è indicato due volte</translation>
    </message>
    <message>
        <source>the track name is longer than %1 characters</source>
        <translation>il nome del circuito è più lungo di %1 caratteri</translation>
    </message>
    <message>
        <source>the length &quot;%1&quot; is not a number of bytes from 1 to %2</source>
        <translation>la lunghezza &quot;%1&quot; non è un numero di byte da 1 a %2</translation>
    </message>
    <message>
        <source>the SHA-256 &quot;%1&quot; is not 64 hexadecimal digits</source>
        <translation>lo SHA-256 &quot;%1&quot; non è di 64 cifre esadecimali</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>the pack&apos;s name is missing</source>
        <translation>manca il nome del pack</translation>
    </message>
    <message>
        <source>the file names no slot</source>
        <translation>il file non indica nessuno slot</translation>
    </message>
    <message>
        <source>the tags are of slot &quot;%1&quot;, which no line above names</source>
        <translation>i tag sono dello slot &quot;%1&quot;, che nessuna riga sopra indica</translation>
    </message>
    <message>
        <source>the tags of slot %1 are given twice</source>
        <translation>i tag dello slot %1 sono dati due volte</translation>
    </message>
    <message>
        <source>a circuit holds at most %1 tags</source>
        <translation>un circuito ha al massimo %1 tag</translation>
    </message>
    <message>
        <source>this is not a Pistaro track pack file (its first line must be &quot;%1&quot;, a tab and the version)</source>
        <translation>questo non è un file di Track Pack di Pistaro (la sua prima riga deve essere &quot;%1&quot;, una tabulazione e la versione)</translation>
    </message>
    <message>
        <source>the version &quot;%1&quot; of the pack file is not known (version %2 is)</source>
        <translation>la versione &quot;%1&quot; del file di pack non è nota (lo è la versione %2)</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Riga %1: %2.</translation>
    </message>
</context>
<context>
    <name>statefile</name>
    <message>
        <source>no setup slot %1</source>
        <translation>nessuno slot assetto %1</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>%1 non trovato</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 non è un file</translation>
    </message>
    <message>
        <source>%1 is too short to hold the car setups (%2 bytes)</source>
        <translation>%1 è troppo corto per contenere gli assetti (%2 byte)</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>impossibile leggere %1</translation>
    </message>
    <message>
        <source>%1 ended inside the car setups</source>
        <translation>%1 finisce dentro gli assetti</translation>
    </message>
    <message>
        <source>the stored setup holds %1 bytes instead of %2</source>
        <translation>l&apos;assetto memorizzato ha %1 byte invece di %2</translation>
    </message>
</context>
<context>
    <name>tablecsv</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>. Nothing was exported.</source>
        <translation>. Non è stato esportato nulla.</translation>
    </message>
    <message>
        <source>1 row was exported to %1.</source>
        <translation>1 riga esportata in %1.</translation>
    </message>
    <message>
        <source>%1 rows were exported to %2.</source>
        <translation>%1 righe esportate in %2.</translation>
    </message>
</context>
<context>
    <name>tagstore</name>
    <message>
        <source>a tag cannot be blank</source>
        <translation>un tag non può essere vuoto</translation>
    </message>
    <message>
        <source>a tag holds at most %1 characters</source>
        <translation>un tag ha al massimo %1 caratteri</translation>
    </message>
    <message>
        <source>a tag cannot hold a control character</source>
        <translation>un tag non può contenere un carattere di controllo</translation>
    </message>
    <message>
        <source>a comma separates tags</source>
        <translation>una virgola separa i tag</translation>
    </message>
    <message>
        <source>it is a link, and the tags are not written through a link</source>
        <translation>è un collegamento, e i tag non si scrivono attraverso un collegamento</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>The tag store %1 cannot be used (%2) and could not be moved aside; tags are not kept in this run.</source>
        <translation>L&apos;archivio dei tag %1 non si può usare (%2) e non si è potuto spostare; in questa sessione i tag non vengono conservati.</translation>
    </message>
    <message>
        <source>The tag store %1 could not be used: %2. It was kept as %3, and a new, empty tag store was begun.</source>
        <translation>L&apos;archivio dei tag %1 non si è potuto usare: %2. È stato conservato come %3, ed è stato iniziato un nuovo archivio dei tag vuoto.</translation>
    </message>
    <message>
        <source>it is a database of another program</source>
        <translation>è un database di un altro programma</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>è danneggiato</translation>
    </message>
    <message>
        <source>The tag store %1 cannot be opened (%2); tags are not kept in this run.</source>
        <translation>L&apos;archivio dei tag %1 non si può aprire (%2); in questa sessione i tag non vengono conservati.</translation>
    </message>
    <message>
        <source>it is not a database</source>
        <translation>non è un database</translation>
    </message>
    <message>
        <source>The tag store %1 cannot be used; tags are not kept in this run.</source>
        <translation>L&apos;archivio dei tag %1 non si può usare; in questa sessione i tag non vengono conservati.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken as a tag: %2.</source>
        <translation>&quot;%1&quot; non è accettato come tag: %2.</translation>
    </message>
    <message>
        <source>A circuit holds at most %1 tags; no tag was changed.</source>
        <translation>Un circuito ha al massimo %1 tag; nessun tag è stato cambiato.</translation>
    </message>
    <message>
        <source>The tags could not be stored: %1</source>
        <translation>Impossibile memorizzare i tag: %1</translation>
    </message>
</context>
<context>
    <name>version</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
</context>
</TS>
