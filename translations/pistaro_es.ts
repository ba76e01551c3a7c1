<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CatalogueCheck</name>
    <message>
        <source>table %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a %2, not a table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>index %1.%2 is over %3, not %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>index %1.%2 is not unique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>index %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>No game folder given, and none is stored: pso --check &lt;game folder&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlTips</name>
    <message>
        <source>Read the circuit files of the Circuits folder again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a circuit and a slot first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a saved Track Pack first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a circuit first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an add-on circuit first: the game&apos;s own circuits are not changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not needed: the track info is read when a circuit is selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The standard database and the one opened at start-up cannot be deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not needed: every change is saved as it is made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a slot first: menu pictures are imported from the game&apos;s slots</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DosCommands</name>
    <message>
        <source>Cannot start %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a percent sign (%), which the DOS emulator reads as a variable</source>
        <extracomment>What a folder or argument holds, after &quot;… holds &quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a line break or another control character, which the DOS emulator reads as the end of a command</source>
        <extracomment>What a folder or argument holds, after &quot;… holds &quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; has no DOS (8.3) form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a double quote</source>
        <extracomment>What a folder holds, after &quot;… holds &quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the CD image %1 holds %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 holds %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its path &quot;%1&quot; holds %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; holds %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its arguments are longer than DOS allows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOSBox reads a line that starts with # as a remark</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExeCmd</name>
    <message>
        <source>Cannot start %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a DOS program: install DOSBox (for example with &quot;apt install dosbox&quot;) or name an emulator in File &gt; Setup Pistaro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no program folder for its DOSBox settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its DOSBox settings could not be written to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a Windows program: install Wine (for example with &quot;apt install wine&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the DOS program it names is not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a program this system can run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 stopped abnormally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 failed (exit status %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 stopped abnormally: %2 crashed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be run: %2 ended with exit status %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>The name is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the name of a game slot file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no plain file name: it can&apos;t hold \, /, : or ..</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LapHistory</name>
    <message>
        <source>Warm up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LapHistoryView</name>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Improvement</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LapTimeTable</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warm up time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qualifying Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MakeDatabase</name>
    <message>
        <source>Arquivo não encontrado !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arquivo está em uso. Feche todos os programas e tente novamente !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database is in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR : %1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database %1 has layout version %2, made by a newer Pistaro; this one knows versions up to %3. The database was not opened and is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating original tracks info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating maps info...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OkButtonBox</name>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PackSharing</name>
    <message>
        <source>Track pack files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading circuits: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These names in the circuits folder are no regular file (a pipe, a device or a socket) and were not read:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1: %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These slots are missing from the pack, or could not be read, and were left out:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These slots hold no circuit and were left out:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; holds no circuit to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slots were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was exported in part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file (a pipe, a device or a folder, or gone). Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a track pack file Pistaro can read. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the circuits of the Track Pack &apos;%1&apos; is in your collection. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These circuits are not in your collection; their slots are left empty, and the pack remembers them. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (of the older pack) couldn&apos;t be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be copied into the pack: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pack could not remember the circuits it lacks: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not imported: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pack is left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was imported in part: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Putting the pack back as it was failed too (%1). &quot;Restore last change&quot; puts it back once the cause is removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 found and copied into %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>circuit was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>circuits were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was imported in part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot %1 took %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot %1 could not take %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is complete: %2.</source>
        <extracomment>A pack that took circuits, then what it took: &quot;Season 98 is complete: slot 7 took …&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2. It still lacks %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot</source>
        <extracomment>Counted in &quot;… It still lacks 2 slots.&quot;, after the number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slots</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureButton</name>
    <message>
        <source>Database Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete current database</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramFolders</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot copy %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramLock</name>
    <message>
        <source>Pistaro cannot lock its program folder: %1 is no lock of a running Pistaro and could not be removed. Remove it and start Pistaro again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pistaro is already running on %1. (process %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pistaro is already running on %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreCommand</name>
    <message>
        <source>There is no change to restore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (its saved copy is damaged: not restored)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (removed: it was not there)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup of %1 on %2 is damaged: the saved copies of %3 of its files are damaged or missing. Restore the other files without them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some game files could not be restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game files restored, but for these, whose saved copies are damaged:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game files restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the game files as they were before %1 on %2?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SlotList</name>
    <message>
        <source>Waiting for Export: %1 goes into this slot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for Export: %1 goes into this slot, with its edited menu picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for Export: the slot&apos;s edited menu picture.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusShown</name>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>archive</name>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged (shorter than its stated size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot replace the file there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an archive Pistaro can read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the archive cannot be read past its first %1 entries (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the archive holds more than %1 entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is no plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name cannot be read in the code page the archive says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no usable file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is encrypted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its file name is that of %1, which was kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it unpacks to more than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the archive unpacks to more than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged (longer than its stated size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing extracted: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not extracted: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rest was not extracted: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archives (ZIP, 7z, RAR, LZH, tar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>artwork</name>
    <message>
        <source>circuits and lap times</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>backedup</name>
    <message>
        <source>%1 was stopped before changing anything: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>binfile</name>
    <message>
        <source>Invalid file position %1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a file: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cdimage</name>
    <message>
        <source>the CD image %1 is not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the CD image %1 is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the CD image %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the CD image %1 names %2, which is not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the CD image %1 names %2, which is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the CD image %1 names %2, which cannot be read: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the CD image %1 is not a cue sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the CD image %1 names no track file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>checksum</name>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is shorter than its checksum</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>circuitkind</name>
    <message>
        <source>Slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s own slot file: what GP2 races in this slot. Export writes it; the circuit it holds is also in your collection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A copy of one of the game&apos;s original circuits, kept under its track name by Pistaro&apos;s first start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>circuitquery</name>
    <message>
        <source>a quote is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing follows it to leave out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to look for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no field is called &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a time (m:ss.mmm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only laps, length and time compare with &lt; and &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A term of the search the filter did not understand, then why.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more terms not understood</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 terms after the first %2: ignored</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>copyfailure</name>
    <message>
        <source>These slots were not changed: their files are read only. Change the file attributes and export again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These slots were not changed: their files are in use. Close any other application and export again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These slots were not changed: their files could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dbnames</name>
    <message>
        <source>Database &apos;%1...&apos; is longer than a file name may be (255 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; must be a plain file name, without folders or &apos;..&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; holds the menu pictures and cannot be a lap time database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; holds the menu pictures and cannot be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; is the standard database and cannot be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; was opened at start-up and cannot be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; is not in the list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dbopen</name>
    <message>
        <source>Please wait, making database...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>deffile</name>
    <message>
        <source>Line %1 of the definition file ends in a comma: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dosboxconfig</name>
    <message>
        <source>could not remove the link %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>filetip</name>
    <message>
        <source>%1 - Version %2 - Size: %3 </source>
        <extracomment>A file&apos;s tool tip: its path, when it was changed, its size in bytes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gamebackup</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A file the revert could not put back, then why.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder stands in its place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its saved copy is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make its folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot remove it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot remove its mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was stopped half-way and could not be undone: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A change in the backups: the command that made it, then when (&quot;Install of 2024-05-01 …&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) cannot be put back: the game folder %3 is not there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) belongs to the game folder %3, not to the one in use (%4): nothing was put back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) names %3, which is not inside the game folder in use (%4): nothing was put back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) was not put back: its copy of %3 is not a plain file of the backups folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was put back already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was stopped half-way: it is finished or undone at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be reverted: %2 changed the same files later. Revert that change first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) was not put back: the saved copies of these files are damaged or missing: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot mark %1 as put back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its record cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 put nothing back: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files changed so far are put back at the next start or Restore, once there is room: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot copy %1 to %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was stopped before changing anything: the backup of the game files could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gamedir</name>
    <message>
        <source>GP2.EXE not found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GP2.EXE cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t find GP2.EXE !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To use &apos;PISTARO&apos; you must have Gp2 installed on your system !!!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gameexenames</name>
    <message>
        <source>the file is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the edition of the game program is not recognised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too short to hold them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the old names could not be written back either (%1): Restore puts GP2.EXE back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>health</name>
    <message>
        <source>it is not a regular file, or it is gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <extracomment>The last item of a list that names only the first few.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A problem of a circuit, then its explanation, in the Health column&apos;s tool tip.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a circuit: too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; no circuit comes near that.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a circuit: no track data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing lies between the info area and the checksum, where the game expects the track.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a circuit: too short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The track data is shorter than %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checksum wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 4-byte checksum at the end does not match the file&apos;s content; the game refuses the circuit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture list not checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file claims %1 texture files; no circuit names so many.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 texture missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 textures missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not in the game folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same circuit as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same circuit as %1 and %2 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same track data as %1 (the info blocks may differ).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not remove the link %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 checked: %2 in %3.</source>
        <extracomment>The check&apos;s summary: &quot;12 circuit files checked: 3 problems in 2 files.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>circuit file</source>
        <extracomment>Counted in the check&apos;s summary, after the number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>circuit files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>problem</source>
        <extracomment>Counted in the check&apos;s summary, after the number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>Counted in the check&apos;s summary, after the number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 1 track pack lacks files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 track packs lack files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the circuits folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <extracomment>A line of the check: a circuit file, then its problem (and the missing textures).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (track pack): %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>infoblock</name>
    <message>
        <source>The track info to write does not start with #GP2INFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no track info block</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>insidefolders</name>
    <message>
        <source>%1 leads outside the game folder %2, through a link or a linked folder. Pistaro changes no file there: remove the link or change the file yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 leads outside the game folder %2 (to %3), through a link or a linked folder. Pistaro changes no file there: remove the link or change the file yourself.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>language</name>
    <message>
        <source>Automatic (desktop)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>laptime</name>
    <message>
        <source>%1, %2 faster than %3</source>
        <extracomment>A new lap record, how much faster it is, then the record it beat.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>launch</name>
    <message>
        <source>Use: pso --launch [--pack &quot;pack name&quot;] [database]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not found: there is no folder %2. GP2 was not started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; lacks circuits, so GP2 was not started. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>logparser</name>
    <message>
        <source>Reached a record at %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>namesarea</name>
    <message>
        <source>The lap count of slot %1 is not between 0 and 255; the game keeps its old lap count there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lap counts of slots %1 are not between 0 and 255; the game keeps its old lap counts there.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>packfolder</name>
    <message>
        <source>%1 couldn&apos;t be deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot %1 wants %2 (%3, %4 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To complete the pack, install that circuit, or copy it into the Circuits folder and press Rescan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To complete the pack, install those circuits, or copy them into the Circuits folder and press Rescan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder of this Track Pack is missing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slots %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing from this Track Pack: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>packname</name>
    <message>
        <source>&apos;%1&apos; can&apos;t be a Track Pack name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is longer than a folder name may be (255 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its name can&apos;t hold control characters (line breaks, tabs and the like).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its name can only hold the characters of Windows-1252 (Western European letters, digits and signs).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Track Pack is a folder in the Circuits folder: its name can&apos;t be &quot;.&quot; or &quot;..&quot; and can&apos;t hold \ or /.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>packusage</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The track packs named in a question: &quot;A&quot;, &quot;B&quot; and &quot;C&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is used by the track pack %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is used by the track packs %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::AboutDialog</name>
    <message>
        <source>About Pistaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Pistaro and Lap Time Recorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thanks to :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the circuit makers who share their tracks,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the players who send in their lap times,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and everyone who tests and reports problems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help &gt; Contents (F1) tells how Pistaro works.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions and ideas are welcome through the home page:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitFixes</name>
    <message>
        <source>Repair &amp;checksum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install &amp;missing textures from an archive…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this du&amp;plicate…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file the fix could not mend, then why.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No selected circuit has a wrong checksum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These checksums could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checksum was</source>
        <extracomment>Counted in &quot;2 checksums were repaired: …&quot;, after the number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checksums were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 repaired: %2.</source>
        <extracomment>&quot;2 checksums were repaired: A.DAT, B.DAT.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repair checksum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected circuits lack no texture the game folder could hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive with the missing textures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No selected circuit is the same circuit as another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (the circuit stays as %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, waiting for Export into slot %1</source>
        <extracomment>Added to &quot;X.DAT (the circuit stays as Y.DAT)&quot; in the list of duplicates.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>which</source>
        <extracomment>Stands for the file in &quot;…, which is used by the track pack A&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was deleted: the selected files are the only copies of their circuits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1? Each circuit stays in the collection as the file named beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A slot waits for a file deleted here: Export would leave that slot as it is in the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files could not be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duplicate was</source>
        <extracomment>Counted in &quot;2 duplicates were deleted: …&quot;, after the number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duplicates were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 deleted: %2.</source>
        <extracomment>&quot;2 duplicates were deleted: A.DAT, B.DAT.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitLists</name>
    <message>
        <source>Words found in any column, or terms such as country:italy, author:&quot;john doe&quot;, laps&gt;60, length&lt;=4500, problems, duplicate, tag:fantasy, pack:&quot;Season 98&quot;, nopack; -word or !word leaves rows out. See Help for every term.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter circuits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circuits Directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;vailable Circuits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;tags…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remo&amp;ve tags…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export circuit list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not understood, so not used:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename file &apos;%1&apos; to: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; can&apos;t be used as a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A circuit is renamed within the Circuits folder: the new name can&apos;t hold \, / or &quot;..&quot;, nor be longer than 255 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not renamed: %2 already exists in its folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t rename %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the file &apos;%1&apos; ? </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t delete %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tags could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the circuits to tag first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags to add to %1 (separated by commas):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags to add to the %1 circuits selected (separated by commas):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the circuits to take tags from first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The circuits selected have no tags.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags to take from the circuits selected (separated by commas):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags cannot be kept: the tag store %1 could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken as a tag: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files hold no circuit, so they take no tags:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A circuit, then the pack&apos;s tags it lacks.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pack file tags its circuits. Add these tags to your circuits?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some tags were not taken:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitTable</name>
    <message>
        <source>%1 circuit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 circuits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>The browser&apos;s count while a filter hides rows: &quot;1,234 of 5,000 circuits&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitTableModel</name>
    <message>
        <source>The right button on the row offers the fix.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best race time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::CreditsDialog</name>
    <message>
        <source>Made for everyone who keeps racing on add-on circuits.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::DatabaseList</name>
    <message>
        <source>Lap time database in use &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the new database name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait, making new database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database %1 could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sure you want to kill &apos;%1&apos; ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; deleted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::Exporter</name>
    <message>
        <source>&amp;Export to Gp2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export circuits to Gp2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to export: no slot has a circuit or a menu picture waiting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update your Gp2 files on selected circuits?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting menu names... </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating menu picture... </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 copied into its slot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 copied into their slots.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>circuit was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>circuits were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu names and lap counts were written into GP2.EXE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu pictures of %1 changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slots were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gp2 updated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gp2 was updated in part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gp2 was not updated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu pictures were not changed: gp2hipic is not set up. See Help &gt; Outside programs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu pictures were not changed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying... </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1: %2 was not copied over %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu names and lap counts were not written into %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, small picture</source>
        <extracomment>A slot&apos;s menu picture in a list: &quot;Slot 3: Monza, small picture&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, large picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu pictures were not changed: the default picture %1 could not be handed over: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::HistoryDialog</name>
    <message>
        <source>History of changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes, newest first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files of the change:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  (1 file)</source>
        <extracomment>After the time and command of a change in History: how many files it holds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  (%1 files)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  put back</source>
        <extracomment>After a change in History that was undone.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  unfinished</source>
        <extracomment>After a change in History that never ended.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  damaged</source>
        <extracomment>After a change in History whose saved copies are damaged.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved copies of these files are damaged or missing:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (removed: it was not there)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::Installer</name>
    <message>
        <source>New track selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder of archives to install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No archive was found in %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found or invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing %1 archives,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing archive %1 of %2,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not installed: the file is missing or empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The installation of this archive failed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 archives read, %3 installed.</source>
        <extracomment>&quot;3 of 4 archives read, 5 circuits installed.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>circuit</source>
        <extracomment>Counted in &quot;… 5 circuits installed.&quot;, after the number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>circuits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>circuit was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>circuits were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>archives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped before %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>archive:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>archives:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing could be extracted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t extract any file from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 extracted from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive holds no circuit (.dat) file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not installed: an archive inside the archive is not unpacked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t read this file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(The read-me was cut here: it holds %1 bytes, the first %2 are shown.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not installed: the same circuit is already there as %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t read the texture list of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not installed: no other name was given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1 was not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 track copied to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 track couldn&apos;t be copied to %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the file you are installing can&apos;t be %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a new name for this file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 already exists, overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 menu image copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 menu image couldn&apos;t be copied to %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file converted to JAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file couldn&apos;t be converted to JAM: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No texture was copied: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No texture was copied: their backup could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Textures from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every missing texture is installed now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 still missing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>texture is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>textures are</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::LapHistoryView</name>
    <message>
        <source>History: select a track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a track to see its history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No records of this track yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::LapTimeDatabase</name>
    <message>
        <source>Error while reading Parameters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database %1 does not have the layout pso.def describes and cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database %1 lacks what pso.def describes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is brought up to date now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait, updating database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database %1 was brought up to date (layout version %2 to %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database %1 could not be brought up to date and is left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database %1 could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database %1 is damaged and could not be repaired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Cancel ends Pistaro.</source>
        <extracomment>Ends the messages that ask for the game folder, after a space.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no GP2.EXE in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the next window, choose the folder that holds GP2.EXE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where is your GP2 folder?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pistaro works on the circuits of your Grand Prix 2 installation. In the next window, choose the folder that holds GP2.EXE (File &gt; Setup Pistaro changes it later).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your original circuit files were copied under their track names.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::LapTimeTable</name>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No application for plain text is set up on this system: the table, written to %1, is shown in Pistaro&apos;s text viewer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export lap time table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lap Time Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to &amp;Notepad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as C&amp;SV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::Launcher</name>
    <message>
        <source>&amp;Launch GP2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Gp2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be run</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::LogImport</name>
    <message>
        <source>&amp;Get Time from GP2LAP.LOG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No lap time was read: there is no readable %1. GP2LAP writes it while you play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing new was found in %1: its lap times were imported before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No lap time of a known track and session was found in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lap time was</source>
        <extracomment>After a count: &quot;1 lap time was&quot; or &quot;3 lap times were&quot; read from the log.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lap times were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> read from %1; none beats a stored time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line was</source>
        <extracomment>After a count: &quot;1 line was&quot; or &quot;3 lines were&quot; skipped.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lines were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> skipped for a time that is no lap time (m:ss.mmm), the first: &quot;%1&quot;</source>
        <extracomment>After &quot;3 lines were&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lap times of gp2lap.log could not be stored in the database: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing of this reading was kept. gp2lap.log is kept as it is: it is neither deleted nor renamed before the next game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> skipped, the first: &quot;%1&quot;.</source>
        <extracomment>After &quot;3 lines were&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::LogWindow</name>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOG FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You played Grand Prix 2</source>
        <extracomment>Before the count of games, then &quot;times.&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First time :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::MainWindow</name>
    <message>
        <source>Time Database:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Pistaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Install new Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install a &amp;Folder of Archives…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Log Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Defrag f1pcsvga.bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore last change...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export circuit list…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Setup Pistaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resca&amp;n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update Track Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export to Gp2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Launch GP2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pistaro Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GP2 is running. Pistaro will close when it ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have to set your Screen Resolution at least 800x600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu pictures are neither shown nor kept in this run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The track pack list was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export p&amp;ack…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import pack…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::MenuPictures</name>
    <message>
        <source>Menu Picture </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Picture 640x480 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Picture 440x330:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse Menu Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Menu Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Menu Picture from Gp2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Menu &amp;Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ma&amp;ke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cle&amp;ar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Menu Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select one Gp2 circuit first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you realy want to replace &apos;%1&apos; ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gp2hipic wrote no picture to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu picture was not imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu picture selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defrag f1pcsvga.bin... </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f1pcsvga.bin was not defragmented.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::PackControls</name>
    <message>
        <source>PackControls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--&gt; &amp;Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resca&amp;n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import circuits from Gp2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Track Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export pack…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import pack…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; already exists, overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These circuits couldn&apos;t be copied into the pack:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file that could not be copied, then why.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 saved in %2.</source>
        <extracomment>&quot;3 slot files were saved in &lt;folder&gt;.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot file was</source>
        <extracomment>Counted in &quot;3 slot files were saved in …&quot;, after the number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot files were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not saved completely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These slots were left as they were: the pack lacks their circuits. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track Pack &apos;%1&apos;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These slots were left as they were: their files are missing from the pack.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1: %2 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These slots were left as they were: their files couldn&apos;t be copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1: %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; is not complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the &apos;%1&apos; Track Pack from your disk ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not deleted completely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files couldn&apos;t be deleted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a saved Track Pack to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; already exists, replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an available circuit first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a slot first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::PictureView</name>
    <message>
        <source>Picture View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::RecordingWindow</name>
    <message>
        <source>Record Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading Gp2Lap.Log...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gp2Lap.Log read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 set.</source>
        <extracomment>&quot;1 record set.&quot; or &quot;3 records set.&quot; in the Record Status window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 read, %2</source>
        <extracomment>&quot;3 lap times read, 2 records set.&quot; in the Record Status window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lap time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lap times</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::SetupDialog</name>
    <message>
        <source>Pistaro Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gp2 Directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse Gp2 Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gp2 Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use Gp2Lap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Log File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;Quick update when exporting maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car Setup &amp;Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOS emulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPU c&amp;ycles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run the game &amp;full screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD &amp;image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s CD as an image (.cue or .iso), mounted as D:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hoose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes kept in the history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size of the backups at most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new language takes effect when Pistaro starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select your Gp2 directory: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the GP2 CD image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD images|*.cue;*.iso|All files|*</source>
        <extracomment>A file dialog filter: translate the names, keep the &quot;|&quot; and the patterns.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As DOSBox reads it: max, auto, fixed 30000, or a number such as 30000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gp2Lap.exe is not in the game folder: the game starts without the lap timer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPU cycles: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::SetupTransfer</name>
    <message>
        <source>Import &amp;Setups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Set&amp;ups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>car setup was</source>
        <extracomment>After a count: &quot;1 car setup was&quot; or &quot;3 car setups were&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>car setups were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> stored in the lap time database, each with the track of its slot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No slot holds a track of the lap time database: nothing was stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car setups imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car setups not imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> written into %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lap time database holds no setup for the tracks in the slots: the game&apos;s setups were left as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car setups exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car setups exported in part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car setups not exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing setups from GP2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the setups could be stored in the database: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup of the game files could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting setups to GP2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The checksum of %1 was not repaired: sumfix could not be started</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::SlotList</name>
    <message>
        <source>1 slot is not exported yet. Export it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 slots are not exported yet. Export them now?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::StatusWindow</name>
    <message>
        <source>End the program Pistaro waits for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop after the step under way; what is done stays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::Textures</name>
    <message>
        <source>Check &amp;Jams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check that the textures the circuit needs are in the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a circuit first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All %1 jam files used by %2 exists on your system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t find these jam files: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not copied to %2: that place is outside the game folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 copied to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be copied to %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 more texture copies skipped: the texture list names more than %2 places</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::TrackInfoPanel</name>
    <message>
        <source>Track Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adj.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desc.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laps:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tyre:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Gp2 Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Track Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warm up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This value is too long to store in the track file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most %1 characters fit in this field; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the whole time as m:ss.mmm, for example 1:23.456. This one is not stored yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the changes to the track info of %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The track file was not found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The track file cannot be written:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its checksum could not be fixed: sumfix could not be started from %1: the checksum of %2 is stale, and the game will refuse the file until it is fixed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its row in the lap time database %1 could not be written: the database still holds the old track info.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track updated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track updated, but its checksum could not be fixed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sumfix could not be started from %1: the checksum of %2 is stale, and the game will refuse the file until it is fixed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track updated, but not completely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created by Track Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not recognized.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pistaro::WaitingBar</name>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End the program Pistaro waits for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for %1 to end...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>program</name>
    <message>
        <source>Pistaro cannot keep its files: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no folder for them</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>replacefile</name>
    <message>
        <source>Is a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>links cannot be made here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot rename %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sharedpack</name>
    <message>
        <source>the file name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file name is longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file name &quot;%1&quot; is a path, not a plain file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is larger than %1 KB; a pack file is a few KB at most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line is not UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line holds a control character (U+%1): this is no text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;pack&quot;, a tab and the pack&apos;s name were expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; can&apos;t be a Track Pack name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; can&apos;t be a Track Pack name: it is longer than a folder name may be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a slot line has 5 fields separated by tabs (slot, file, track, length, SHA-256); this one has %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the slot &quot;%1&quot; is not a number from 1 to 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot %1 is named twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the track name is longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the length &quot;%1&quot; is not a number of bytes from 1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the SHA-256 &quot;%1&quot; is not 64 hexadecimal digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pack&apos;s name is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file names no slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tags are of slot &quot;%1&quot;, which no line above names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tags of slot %1 are given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a circuit holds at most %1 tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is not a Pistaro track pack file (its first line must be &quot;%1&quot;, a tab and the version)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the version &quot;%1&quot; of the pack file is not known (version %2 is)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>statefile</name>
    <message>
        <source>no setup slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too short to hold the car setups (%2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ended inside the car setups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the stored setup holds %1 bytes instead of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tablecsv</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Nothing was exported.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tagstore</name>
    <message>
        <source>a tag cannot be blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tag holds at most %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tag cannot hold a control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a comma separates tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link, and the tags are not written through a link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tag store %1 cannot be used (%2) and could not be moved aside; tags are not kept in this run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tag store %1 could not be used: %2. It was kept as %3, and a new, empty tag store was begun.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a database of another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tag store %1 cannot be opened (%2); tags are not kept in this run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tag store %1 cannot be used; tags are not kept in this run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken as a tag: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A circuit holds at most %1 tags; no tag was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tags could not be stored: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>version</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
