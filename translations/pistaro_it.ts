<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
        <source>&amp;Ok</source>
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
        <source>Restore the game files as they were before %1 on %2 ?</source>
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
    <name>language</name>
    <message>
        <source>Automatic (desktop)</source>
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
    <name>pistaro::HistoryDialog</name>
    <message>
        <source>History of changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert</source>
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
        <source>Your original circuit files were copied to their Track Names !!!</source>
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
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
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
        <source>Export pack…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import pack…</source>
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
        <source>As DOSBox reads it: max, auto, or a number such as 30000</source>
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
        <source>&amp;Ok</source>
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
        <source>CPU cycles: &quot;%1&quot; is not a DOSBox setting. Use max, auto, or a number such as 30000.</source>
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
    <name>pistaro::StatusWindow</name>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End the program Pistaro waits for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop after the step under way; what is done stays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop %1</source>
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
    <name>version</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
