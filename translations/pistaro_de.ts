<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CatalogueCheck</name>
    <message>
        <source>table %1</source>
        <translation>Tabelle %1</translation>
    </message>
    <message>
        <source>%1 is a %2, not a table</source>
        <translation>%1 ist ein(e) %2, keine Tabelle</translation>
    </message>
    <message>
        <source>field %1.%2</source>
        <translation>Feld %1.%2</translation>
    </message>
    <message>
        <source>index %1.%2 is over %3, not %4</source>
        <translation>Index %1.%2 umfasst %3, nicht %4</translation>
    </message>
    <message>
        <source>index %1.%2 is not unique</source>
        <translation>Index %1.%2 ist nicht eindeutig</translation>
    </message>
    <message>
        <source>index %1.%2</source>
        <translation>Index %1.%2</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>No game folder given, and none is stored: pso --check &lt;game folder&gt;.</source>
        <translation>Kein Spielordner angegeben und keiner gespeichert: pso --check &lt;Spielordner&gt;.</translation>
    </message>
</context>
<context>
    <name>ControlTips</name>
    <message>
        <source>Read the circuit files of the Circuits folder again</source>
        <translation>Die Streckendateien des Ordners Circuits neu einlesen</translation>
    </message>
    <message>
        <source>Select a circuit and a slot first</source>
        <translation>Zuerst eine Strecke und einen Slot wählen</translation>
    </message>
    <message>
        <source>Choose a saved Track Pack first</source>
        <translation>Zuerst ein gespeichertes Track Pack wählen</translation>
    </message>
    <message>
        <source>Select a circuit first</source>
        <translation>Zuerst eine Strecke wählen</translation>
    </message>
    <message>
        <source>Select an add-on circuit first: the game&apos;s own circuits are not changed</source>
        <translation>Zuerst eine Zusatzstrecke wählen: die Originalstrecken des Spiels werden nicht geändert</translation>
    </message>
    <message>
        <source>Not needed: the track info is read when a circuit is selected</source>
        <translation>Nicht nötig: die Streckeninfo wird beim Wählen einer Strecke gelesen</translation>
    </message>
    <message>
        <source>The standard database and the one opened at start-up cannot be deleted</source>
        <translation>Die Standarddatenbank und die beim Start geöffnete können nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Not needed: every change is saved as it is made</source>
        <translation>Nicht nötig: jede Änderung wird sofort gespeichert</translation>
    </message>
    <message>
        <source>Select a slot first: menu pictures are imported from the game&apos;s slots</source>
        <translation>Zuerst einen Slot wählen: Menübilder werden aus den Slots des Spiels importiert</translation>
    </message>
</context>
<context>
    <name>DosCommands</name>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>a percent sign (%), which the DOS emulator reads as a variable</source>
        <extracomment>What a folder or argument holds, after &quot;… holds &quot;.</extracomment>
        <translation>ein Prozentzeichen (%), das der DOS-Emulator als Variable liest</translation>
    </message>
    <message>
        <source>a line break or another control character, which the DOS emulator reads as the end of a command</source>
        <extracomment>What a folder or argument holds, after &quot;… holds &quot;.</extracomment>
        <translation>einen Zeilenumbruch oder ein anderes Steuerzeichen, das der DOS-Emulator als Befehlsende liest</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; has no DOS (8.3) form</source>
        <translation>der Name &quot;%1&quot; hat keine DOS-Form (8.3)</translation>
    </message>
    <message>
        <source>a double quote</source>
        <extracomment>What a folder holds, after &quot;… holds &quot;.</extracomment>
        <translation>ein doppeltes Anführungszeichen</translation>
    </message>
    <message>
        <source>the CD image %1 holds %2</source>
        <translation>das CD-Abbild %1 enthält %2</translation>
    </message>
    <message>
        <source>the folder %1 holds %2</source>
        <translation>der Ordner %1 enthält %2</translation>
    </message>
    <message>
        <source>its path &quot;%1&quot; holds %2</source>
        <translation>sein Pfad &quot;%1&quot; enthält %2</translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; holds %2</source>
        <translation>das Argument &quot;%1&quot; enthält %2</translation>
    </message>
    <message>
        <source>its arguments are longer than DOS allows</source>
        <translation>seine Argumente sind länger, als DOS erlaubt</translation>
    </message>
    <message>
        <source>DOSBox reads a line that starts with # as a remark</source>
        <translation>DOSBox liest eine Zeile, die mit # beginnt, als Kommentar</translation>
    </message>
</context>
<context>
    <name>ExeCmd</name>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>%1 is a DOS program: install DOSBox (for example with &quot;apt install dosbox&quot;) or name an emulator in File &gt; Setup Pistaro.</source>
        <translation>%1 ist ein DOS-Programm: installieren Sie DOSBox (zum Beispiel mit &quot;apt install dosbox&quot;) oder geben Sie unter Datei &gt; Pistaro einrichten einen Emulator an.</translation>
    </message>
    <message>
        <source>no program folder for its DOSBox settings</source>
        <translation>kein Programmordner für seine DOSBox-Einstellungen</translation>
    </message>
    <message>
        <source>its DOSBox settings could not be written to %1: %2</source>
        <translation>seine DOSBox-Einstellungen konnten nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 is a Windows program: install Wine (for example with &quot;apt install wine&quot;).</source>
        <translation>%1 ist ein Windows-Programm: installieren Sie Wine (zum Beispiel mit &quot;apt install wine&quot;).</translation>
    </message>
    <message>
        <source>the DOS program it names is not there</source>
        <translation>das DOS-Programm, das es nennt, ist nicht vorhanden</translation>
    </message>
    <message>
        <source>not a program this system can run</source>
        <translation>kein Programm, das dieses System ausführen kann</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>%1 was stopped</source>
        <translation>%1 wurde angehalten</translation>
    </message>
    <message>
        <source>%1 stopped abnormally</source>
        <translation>%1 wurde unerwartet beendet</translation>
    </message>
    <message>
        <source>%1 failed (exit status %2)</source>
        <translation>%1 ist fehlgeschlagen (Exit-Status %2)</translation>
    </message>
    <message>
        <source>%1 stopped abnormally: %2 crashed</source>
        <translation>%1 wurde unerwartet beendet: %2 ist abgestürzt</translation>
    </message>
    <message>
        <source>%1 could not be run: %2 ended with exit status %3</source>
        <translation>%1 konnte nicht ausgeführt werden: %2 endete mit Exit-Status %3</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>The name is empty.</source>
        <translation>Der Name ist leer.</translation>
    </message>
    <message>
        <source>%1 is the name of a game slot file.</source>
        <translation>%1 ist der Name einer Slot-Datei des Spiels.</translation>
    </message>
    <message>
        <source>%1 is no plain file name: it can&apos;t hold \, /, : or ..</source>
        <translation>%1 ist kein einfacher Dateiname: er darf kein \, /, : oder .. enthalten</translation>
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
        <translation>Training</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Qualifying</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Rennen</translation>
    </message>
</context>
<context>
    <name>LapHistoryView</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Previous Best</source>
        <translation>Alte Bestzeit</translation>
    </message>
    <message>
        <source>Improvement</source>
        <translation>Verbesserung</translation>
    </message>
</context>
<context>
    <name>LapTimeTable</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Warm up time</source>
        <translation>Warm-up-Zeit</translation>
    </message>
    <message>
        <source>Practice Time</source>
        <translation>Trainingszeit</translation>
    </message>
    <message>
        <source>Qualifying Time</source>
        <translation>Qualifying-Zeit</translation>
    </message>
    <message>
        <source>Race Time</source>
        <translation>Rennzeit</translation>
    </message>
</context>
<context>
    <name>MakeDatabase</name>
    <message>
        <source>Arquivo não encontrado !</source>
        <translation>Datei nicht gefunden!</translation>
    </message>
    <message>
        <source>Arquivo está em uso. Feche todos os programas e tente novamente !</source>
        <translation>Datei wird verwendet. Schließen Sie alle Programme und versuchen Sie es erneut!</translation>
    </message>
    <message>
        <source>Database is in use.</source>
        <translation>Die Datenbank wird verwendet.</translation>
    </message>
    <message>
        <source>ERROR : %1 - %2</source>
        <translation>FEHLER: %1 - %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Database %1 has layout version %2, made by a newer Pistaro; this one knows versions up to %3. The database was not opened and is left as it is.</source>
        <translation>Die Datenbank %1 hat die Layout-Version %2 von einem neueren Pistaro; dieses kennt Versionen bis %3. Die Datenbank wurde nicht geöffnet und bleibt unverändert.</translation>
    </message>
    <message>
        <source>Updating original tracks info...</source>
        <translation>Info der Originalstrecken wird aktualisiert...</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Updating maps info...</source>
        <translation>Streckeninfo wird aktualisiert...</translation>
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
        <translation>Track-Pack-Dateien</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Reading circuits: %1 of %2</source>
        <translation>Strecken werden gelesen: %1 von %2</translation>
    </message>
    <message>
        <source>These names in the circuits folder are no regular file (a pipe, a device or a socket) and were not read:</source>
        <translation>Diese Namen im Ordner Circuits sind keine normalen Dateien (Pipe, Gerät oder Socket) und wurden nicht gelesen:</translation>
    </message>
    <message>
        <source>Slot %1: %2 (%3)</source>
        <translation>Slot %1: %2 (%3)</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not found:</source>
        <translation>Das Track Pack &apos;%1&apos; wurde nicht gefunden:</translation>
    </message>
    <message>
        <source>Export pack</source>
        <translation>Pack exportieren</translation>
    </message>
    <message>
        <source>These slots are missing from the pack, or could not be read, and were left out:</source>
        <translation>Diese Slots fehlen im Pack oder waren nicht lesbar und wurden ausgelassen:</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Slot %1: %2</translation>
    </message>
    <message>
        <source>These slots hold no circuit and were left out:</source>
        <translation>Diese Slots enthalten keine Strecke und wurden ausgelassen:</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; holds no circuit to export.</source>
        <translation>Das Track Pack &apos;%1&apos; enthält keine Strecke zum Exportieren.</translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation>%1 nach %2 geschrieben.</translation>
    </message>
    <message>
        <source>slot was</source>
        <translation>Slot wurde</translation>
    </message>
    <message>
        <source>slots were</source>
        <translation>Slots wurden</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was exported.</source>
        <translation>Das Track Pack &apos;%1&apos; wurde exportiert.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was exported in part.</source>
        <translation>Das Track Pack &apos;%1&apos; wurde teilweise exportiert.</translation>
    </message>
    <message>
        <source>Import pack</source>
        <translation>Pack importieren</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a pipe, a device or a folder, or gone). Nothing was changed.</source>
        <translation>%1 ist keine normale Datei (Pipe, Gerät, Ordner oder nicht mehr vorhanden). Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a track pack file Pistaro can read. Nothing was changed.</source>
        <translation>%1 ist keine Track-Pack-Datei, die Pistaro lesen kann. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>None of the circuits of the Track Pack &apos;%1&apos; is in your collection. Nothing was changed.</source>
        <translation>Keine Strecke des Track Packs &apos;%1&apos; ist in Ihrer Sammlung. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>These circuits are not in your collection; their slots are left empty, and the pack remembers them. </source>
        <translation>Diese Strecken sind nicht in Ihrer Sammlung; ihre Slots bleiben leer, und das Pack merkt sie sich. </translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>%1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>%1 (of the older pack) couldn&apos;t be deleted.</source>
        <translation>%1 (des älteren Packs) konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be copied into the pack: %2</source>
        <translation>%1 konnte nicht ins Pack kopiert werden: %2</translation>
    </message>
    <message>
        <source>The pack could not remember the circuits it lacks: %1</source>
        <translation>Das Pack konnte sich die fehlenden Strecken nicht merken: %1</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not imported: %2</source>
        <translation>Das Track Pack &apos;%1&apos; wurde nicht importiert: %2</translation>
    </message>
    <message>
        <source>The pack is left as it was.</source>
        <translation>Das Pack bleibt, wie es war.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was imported in part: %2</source>
        <translation>Das Track Pack &apos;%1&apos; wurde teilweise importiert: %2</translation>
    </message>
    <message>
        <source>Putting the pack back as it was failed too (%1). &quot;Restore last change&quot; puts it back once the cause is removed.</source>
        <translation>Auch das Zurücksetzen des Packs ist fehlgeschlagen (%1). &quot;Letzte Änderung wiederherstellen&quot; setzt es zurück, sobald die Ursache behoben ist.</translation>
    </message>
    <message>
        <source>%1 found and copied into %2.</source>
        <translation>%1 gefunden und nach %2 kopiert.</translation>
    </message>
    <message>
        <source>circuit was</source>
        <translation>Strecke wurde</translation>
    </message>
    <message>
        <source>circuits were</source>
        <translation>Strecken wurden</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was imported.</source>
        <translation>Das Track Pack &apos;%1&apos; wurde importiert.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was imported in part.</source>
        <translation>Das Track Pack &apos;%1&apos; wurde teilweise importiert.</translation>
    </message>
    <message>
        <source>slot %1 took %2</source>
        <translation>Slot %1 hat %2 übernommen</translation>
    </message>
    <message>
        <source>slot %1 could not take %2: %3</source>
        <translation>Slot %1 konnte %2 nicht übernehmen: %3</translation>
    </message>
    <message>
        <source>%1 is complete: %2.</source>
        <extracomment>A pack that took circuits, then what it took: &quot;Season 98 is complete: slot 7 took …&quot;.</extracomment>
        <translation>%1 ist vollständig: %2.</translation>
    </message>
    <message>
        <source>%1: %2. It still lacks %3.</source>
        <translation>%1: %2. Es fehlen noch %3.</translation>
    </message>
    <message>
        <source>slot</source>
        <extracomment>Counted in &quot;… It still lacks 2 slots.&quot;, after the number.</extracomment>
        <translation>Slot</translation>
    </message>
    <message>
        <source>slots</source>
        <translation>Slots</translation>
    </message>
</context>
<context>
    <name>PictureButton</name>
    <message>
        <source>Database Table</source>
        <translation>Datenbanktabelle</translation>
    </message>
    <message>
        <source>Create new database</source>
        <translation>Neue Datenbank erstellen</translation>
    </message>
    <message>
        <source>Delete current database</source>
        <translation>Aktuelle Datenbank löschen</translation>
    </message>
</context>
<context>
    <name>ProgramFolders</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2</source>
        <translation>%1 kann nicht nach %2 kopiert werden</translation>
    </message>
</context>
<context>
    <name>ProgramLock</name>
    <message>
        <source>Pistaro cannot lock its program folder: %1 is no lock of a running Pistaro and could not be removed. Remove it and start Pistaro again.</source>
        <translation>Pistaro kann seinen Programmordner nicht sperren: %1 ist keine Sperre eines laufenden Pistaro und konnte nicht entfernt werden. Entfernen Sie sie und starten Sie Pistaro erneut.</translation>
    </message>
    <message>
        <source>Pistaro is already running on %1. (process %2)</source>
        <translation>Pistaro läuft bereits auf %1. (Prozess %2)</translation>
    </message>
    <message>
        <source>Pistaro is already running on %1.</source>
        <translation>Pistaro läuft bereits auf %1.</translation>
    </message>
</context>
<context>
    <name>RestoreCommand</name>
    <message>
        <source>There is no change to restore.</source>
        <translation>Es gibt keine Änderung zum Wiederherstellen.</translation>
    </message>
    <message>
        <source> (its saved copy is damaged: not restored)</source>
        <translation> (seine Sicherungskopie ist beschädigt: nicht wiederhergestellt)</translation>
    </message>
    <message>
        <source> (removed: it was not there)</source>
        <translation> (entfernt: es war nicht vorhanden)</translation>
    </message>
    <message>
        <source>The backup of %1 on %2 is damaged: the saved copies of %3 of its files are damaged or missing. Restore the other files without them?</source>
        <translation>Die Sicherung von %1 vom %2 ist beschädigt: die Sicherungskopien von %3 ihrer Dateien sind beschädigt oder fehlen. Die übrigen Dateien ohne sie wiederherstellen?</translation>
    </message>
    <message>
        <source>Some game files could not be restored.</source>
        <translation>Einige Spieldateien konnten nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Game files restored, but for these, whose saved copies are damaged:</source>
        <translation>Spieldateien wiederhergestellt, außer diesen, deren Sicherungskopien beschädigt sind:</translation>
    </message>
    <message>
        <source>Game files restored.</source>
        <translation>Spieldateien wiederhergestellt.</translation>
    </message>
    <message>
        <source>Restore the game files as they were before %1 on %2?</source>
        <translation>Die Spieldateien so wiederherstellen, wie sie vor %1 vom %2 waren?</translation>
    </message>
</context>
<context>
    <name>SlotList</name>
    <message>
        <source>Waiting for Export: %1 goes into this slot.</source>
        <translation>Wartet auf Export: %1 kommt in diesen Slot.</translation>
    </message>
    <message>
        <source>Waiting for Export: %1 goes into this slot, with its edited menu picture.</source>
        <translation>Wartet auf Export: %1 kommt in diesen Slot, mit bearbeitetem Menübild.</translation>
    </message>
    <message>
        <source>Waiting for Export: the slot&apos;s edited menu picture.</source>
        <translation>Wartet auf Export: das bearbeitete Menübild des Slots.</translation>
    </message>
</context>
<context>
    <name>StatusShown</name>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
</context>
<context>
    <name>archive</name>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>kann nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>damaged (%1)</source>
        <translation>beschädigt (%1)</translation>
    </message>
    <message>
        <source>damaged (shorter than its stated size)</source>
        <translation>beschädigt (kürzer als die angegebene Größe)</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>ein gleichnamiger Ordner ist im Weg</translation>
    </message>
    <message>
        <source>cannot replace the file there</source>
        <translation>die Datei dort kann nicht ersetzt werden</translation>
    </message>
    <message>
        <source>not an archive Pistaro can read (%1)</source>
        <translation>kein Archiv, das Pistaro lesen kann (%1)</translation>
    </message>
    <message>
        <source>the archive cannot be read past its first %1 entries (%2)</source>
        <translation>das Archiv ist nach den ersten %1 Einträgen nicht lesbar (%2)</translation>
    </message>
    <message>
        <source>the archive holds more than %1 entries</source>
        <translation>das Archiv enthält mehr als %1 Einträge</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>es ist ein Link</translation>
    </message>
    <message>
        <source>it is no plain file</source>
        <translation>es ist keine einfache Datei</translation>
    </message>
    <message>
        <source>its name cannot be read in the code page the archive says</source>
        <translation>sein Name ist in der Codepage des Archivs nicht lesbar</translation>
    </message>
    <message>
        <source>no usable file name</source>
        <translation>kein brauchbarer Dateiname</translation>
    </message>
    <message>
        <source>it is encrypted</source>
        <translation>es ist verschlüsselt</translation>
    </message>
    <message>
        <source>its file name is that of %1, which was kept</source>
        <translation>sein Dateiname ist der von %1, das behalten wurde</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 bytes</source>
        <translation>es entpackt sich zu mehr als %1 Bytes</translation>
    </message>
    <message>
        <source>the archive unpacks to more than %1 bytes</source>
        <translation>das Archiv entpackt sich zu mehr als %1 Bytes</translation>
    </message>
    <message>
        <source>damaged (longer than its stated size)</source>
        <translation>beschädigt (länger als die angegebene Größe)</translation>
    </message>
    <message>
        <source>Nothing extracted: %1</source>
        <translation>Nichts entpackt: %1</translation>
    </message>
    <message>
        <source>%1 not extracted: %2</source>
        <translation>%1 nicht entpackt: %2</translation>
    </message>
    <message>
        <source>The rest was not extracted: %1</source>
        <translation>Der Rest wurde nicht entpackt: %1</translation>
    </message>
    <message>
        <source>Archives (ZIP, 7z, RAR, LZH, tar)</source>
        <translation>Archive (ZIP, 7z, RAR, LZH, tar)</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>the scratch folder cannot take %1: %2</source>
        <translation>der Arbeitsordner kann %1 nicht aufnehmen: %2</translation>
    </message>
</context>
<context>
    <name>artwork</name>
    <message>
        <source>circuits and lap times</source>
        <translation>Strecken und Rundenzeiten</translation>
    </message>
</context>
<context>
    <name>backedup</name>
    <message>
        <source>%1 was stopped before changing anything: %2</source>
        <translation>%1 wurde abgebrochen, bevor etwas geändert wurde: %2</translation>
    </message>
    <message>
        <source>its backup cannot be read</source>
        <translation>die zugehörige Sicherung ist nicht lesbar</translation>
    </message>
    <message>
        <source>Putting the game back as it was failed too (%1). &quot;Restore last change&quot; puts it back once the cause is removed.</source>
        <translation>Auch das Zurücksetzen des Spiels ist fehlgeschlagen (%1). &quot;Letzte Änderung wiederherstellen&quot; setzt es zurück, sobald die Ursache behoben ist.</translation>
    </message>
</context>
<context>
    <name>binfile</name>
    <message>
        <source>Invalid file position %1 in %2</source>
        <translation>Ungültige Dateiposition %1 in %2</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Not a file: %1</source>
        <translation>Keine Datei: %1</translation>
    </message>
</context>
<context>
    <name>cdimage</name>
    <message>
        <source>the CD image %1 is not there</source>
        <translation>das CD-Abbild %1 ist nicht vorhanden</translation>
    </message>
    <message>
        <source>the CD image %1 is not a file</source>
        <translation>das CD-Abbild %1 ist keine Datei</translation>
    </message>
    <message>
        <source>the CD image %1 cannot be read: %2</source>
        <translation>das CD-Abbild %1 ist nicht lesbar: %2</translation>
    </message>
    <message>
        <source>the CD image %1 names %2, which is not there</source>
        <translation>das CD-Abbild %1 nennt %2, das nicht vorhanden ist</translation>
    </message>
    <message>
        <source>the CD image %1 names %2, which is not a file</source>
        <translation>das CD-Abbild %1 nennt %2, das keine Datei ist</translation>
    </message>
    <message>
        <source>the CD image %1 names %2, which cannot be read: %3</source>
        <translation>das CD-Abbild %1 nennt %2, das nicht lesbar ist: %3</translation>
    </message>
    <message>
        <source>the CD image %1 is not a cue sheet</source>
        <translation>das CD-Abbild %1 ist kein Cue-Sheet</translation>
    </message>
    <message>
        <source>the CD image %1 names no track file</source>
        <translation>das CD-Abbild %1 nennt keine Track-Datei</translation>
    </message>
</context>
<context>
    <name>checksum</name>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the file is shorter than its checksum</source>
        <translation>die Datei ist kürzer als ihre Prüfsumme</translation>
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
        <translation>Original</translation>
    </message>
    <message>
        <source>The game&apos;s own slot file: what GP2 races in this slot. Export writes it; the circuit it holds is also in your collection.</source>
        <translation>Die Slot-Datei des Spiels: was GP2 in diesem Slot fährt. Export schreibt sie; die Strecke darin ist auch in Ihrer Sammlung.</translation>
    </message>
    <message>
        <source>A copy of one of the game&apos;s original circuits, kept under its track name by Pistaro&apos;s first start.</source>
        <translation>Eine Kopie einer Originalstrecke des Spiels, beim ersten Start von Pistaro unter ihrem Streckennamen abgelegt.</translation>
    </message>
</context>
<context>
    <name>circuitquery</name>
    <message>
        <source>a quote is not closed</source>
        <translation>ein Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>nothing follows it to leave out</source>
        <translation>danach folgt nichts zum Auslassen</translation>
    </message>
    <message>
        <source>nothing to look for</source>
        <translation>nichts zu suchen</translation>
    </message>
    <message>
        <source>no field is called &quot;%1&quot;</source>
        <translation>kein Feld heißt &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a value is missing</source>
        <translation>ein Wert fehlt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2</source>
        <translation>&quot;%1&quot; ist nicht %2</translation>
    </message>
    <message>
        <source>a time (m:ss.mmm)</source>
        <translation>eine Zeit (m:ss.mmm)</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>only laps, length and time compare with &lt; and &gt;</source>
        <translation>nur laps, length und time lassen sich mit &lt; und &gt; vergleichen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A term of the search the filter did not understand, then why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>and %1 more terms not understood</source>
        <translation>und %1 weitere nicht verstandene Begriffe</translation>
    </message>
    <message>
        <source>%1 terms after the first %2: ignored</source>
        <translation>%1 Begriffe nach den ersten %2: ignoriert</translation>
    </message>
</context>
<context>
    <name>copyfailure</name>
    <message>
        <source>These slots were not changed: their files are read only. Change the file attributes and export again.</source>
        <translation>Diese Slots wurden nicht geändert: ihre Dateien sind schreibgeschützt. Ändern Sie die Dateiattribute und exportieren Sie erneut.</translation>
    </message>
    <message>
        <source>These slots were not changed: their files are in use. Close any other application and export again.</source>
        <translation>Diese Slots wurden nicht geändert: ihre Dateien werden verwendet. Schließen Sie andere Anwendungen und exportieren Sie erneut.</translation>
    </message>
    <message>
        <source>These slots were not changed: their files could not be written.</source>
        <translation>Diese Slots wurden nicht geändert: ihre Dateien konnten nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>dbnames</name>
    <message>
        <source>Database &apos;%1...&apos; is longer than a file name may be (255 bytes).</source>
        <translation>Datenbank &apos;%1...&apos; ist länger, als ein Dateiname sein darf (255 Bytes).</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; must be a plain file name, without folders or &apos;..&apos;.</source>
        <translation>Datenbank &apos;%1&apos; muss ein einfacher Dateiname sein, ohne Ordner oder &apos;..&apos;.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; holds the menu pictures and cannot be a lap time database.</source>
        <translation>Datenbank &apos;%1&apos; enthält die Menübilder und kann keine Rundenzeit-Datenbank sein.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; holds the menu pictures and cannot be deleted.</source>
        <translation>Datenbank &apos;%1&apos; enthält die Menübilder und kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; is the standard database and cannot be deleted.</source>
        <translation>Datenbank &apos;%1&apos; ist die Standarddatenbank und kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; was opened at start-up and cannot be deleted.</source>
        <translation>Datenbank &apos;%1&apos; wurde beim Start geöffnet und kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; is not in the list.</source>
        <translation>Datenbank &apos;%1&apos; ist nicht in der Liste.</translation>
    </message>
</context>
<context>
    <name>dbopen</name>
    <message>
        <source>Please wait, making database...</source>
        <translation>Bitte warten, Datenbank wird erstellt...</translation>
    </message>
</context>
<context>
    <name>deffile</name>
    <message>
        <source>Line %1 of the definition file ends in a comma: %2</source>
        <translation>Zeile %1 der Definitionsdatei endet mit einem Komma: %2</translation>
    </message>
</context>
<context>
    <name>dosboxconfig</name>
    <message>
        <source>could not remove the link %1</source>
        <translation>der Link %1 konnte nicht entfernt werden</translation>
    </message>
</context>
<context>
    <name>emulators</name>
    <message>
        <source>Use max, auto, fixed and a number, or a number of cycles such as 30000.</source>
        <translation>Verwenden Sie max, auto, fixed mit einer Zahl oder eine Zyklenzahl wie 30000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no number of cycles DOSBox takes: from 1 to %2.</source>
        <translation>&quot;%1&quot; ist keine Zyklenzahl, die DOSBox annimmt: von 1 bis %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no share DOSBox takes: from 1% to 100%.</source>
        <translation>&quot;%1&quot; ist kein Anteil, den DOSBox annimmt: von 1% bis 100%.</translation>
    </message>
    <message>
        <source>&quot;limit&quot; needs a number of cycles after it, such as limit 50000.</source>
        <translation>Nach &quot;limit&quot; muss eine Zyklenzahl folgen, etwa limit 50000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not read by DOSBox there. %2</source>
        <translation>&quot;%1&quot; wird von DOSBox dort nicht gelesen. %2</translation>
    </message>
    <message>
        <source>Only letters, digits, blanks and % are read there. </source>
        <translation>Dort werden nur Buchstaben, Ziffern, Leerzeichen und % gelesen. </translation>
    </message>
    <message>
        <source>&quot;fixed&quot; takes one number of cycles after it, such as fixed 30000.</source>
        <translation>Nach &quot;fixed&quot; folgt genau eine Zyklenzahl, etwa fixed 30000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a DOSBox cycles setting. %2</source>
        <translation>&quot;%1&quot; ist keine Zyklen-Einstellung von DOSBox. %2</translation>
    </message>
</context>
<context>
    <name>filetip</name>
    <message>
        <source>%1 - Version %2 - Size: %3 </source>
        <extracomment>A file&apos;s tool tip: its path, when it was changed, its size in bytes.</extracomment>
        <translation>%1 - Version %2 - Größe: %3 </translation>
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
        <translation>ein Ordner steht an seiner Stelle</translation>
    </message>
    <message>
        <source>its saved copy is damaged</source>
        <translation>seine Sicherungskopie ist beschädigt</translation>
    </message>
    <message>
        <source>cannot make its folder</source>
        <translation>sein Ordner kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>cannot remove it</source>
        <translation>es kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>cannot remove its mark</source>
        <translation>seine Markierung kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>%1 was stopped half-way and could not be undone: %2</source>
        <translation>%1 wurde mittendrin abgebrochen und konnte nicht zurückgenommen werden: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A change in the backups: the command that made it, then when (&quot;Install of 2024-05-01 …&quot;).</extracomment>
        <translation>%1 vom %2</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) cannot be put back: the game folder %3 is not there.</source>
        <translation>Die Sicherung &quot;%1&quot; (%2) kann nicht wiederhergestellt werden: der Spielordner %3 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) belongs to the game folder %3, not to the one in use (%4): nothing was put back.</source>
        <translation>Die Sicherung &quot;%1&quot; (%2) gehört zum Spielordner %3, nicht zum verwendeten (%4): nichts wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) names %3, which is not inside the game folder in use (%4): nothing was put back.</source>
        <translation>Die Sicherung &quot;%1&quot; (%2) nennt %3, das nicht im verwendeten Spielordner (%4) liegt: nichts wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) was not put back: its copy of %3 is not a plain file of the backups folder.</source>
        <translation>Die Sicherung &quot;%1&quot; (%2) wurde nicht wiederhergestellt: ihre Kopie von %3 ist keine einfache Datei des Sicherungsordners.</translation>
    </message>
    <message>
        <source>%1 was put back already.</source>
        <translation>%1 wurde bereits wiederhergestellt.</translation>
    </message>
    <message>
        <source>%1 was stopped half-way: it is finished or undone at the next start.</source>
        <translation>%1 wurde mittendrin abgebrochen: es wird beim nächsten Start beendet oder zurückgenommen.</translation>
    </message>
    <message>
        <source>%1 cannot be reverted: %2 changed the same files later. Revert that change first.</source>
        <translation>%1 kann nicht zurückgenommen werden: %2 hat später dieselben Dateien geändert. Nehmen Sie zuerst diese Änderung zurück.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) was not put back: the saved copies of these files are damaged or missing: %3</source>
        <translation>Die Sicherung &quot;%1&quot; (%2) wurde nicht wiederhergestellt: die Sicherungskopien dieser Dateien sind beschädigt oder fehlen: %3</translation>
    </message>
    <message>
        <source>cannot mark %1 as put back</source>
        <translation>%1 kann nicht als wiederhergestellt markiert werden</translation>
    </message>
    <message>
        <source>its record cannot be read</source>
        <translation>sein Eintrag ist nicht lesbar</translation>
    </message>
    <message>
        <source>%1 put nothing back: %2</source>
        <translation>%1 hat nichts wiederhergestellt: %2</translation>
    </message>
    <message>
        <source>The files changed so far are put back at the next start or Restore, once there is room: %1</source>
        <translation>Die bisher geänderten Dateien werden beim nächsten Start oder Wiederherstellen zurückgeschrieben, sobald Platz ist: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2: %3</source>
        <translation>%1 kann nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <source>cannot make the folder</source>
        <translation>der Ordner kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>cannot remove %1</source>
        <translation>%1 kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>%1 was stopped before changing anything: the backup of the game files could not be written.</source>
        <translation>%1 wurde abgebrochen, bevor etwas geändert wurde: die Sicherung der Spieldateien konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>gamedir</name>
    <message>
        <source>GP2.EXE not found: %1</source>
        <translation>GP2.EXE nicht gefunden: %1</translation>
    </message>
    <message>
        <source>GP2.EXE cannot be read: %1</source>
        <translation>GP2.EXE ist nicht lesbar: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t find GP2.EXE !!!</source>
        <translation>GP2.EXE nicht gefunden!!!</translation>
    </message>
    <message>
        <source>To use &apos;PISTARO&apos; you must have Gp2 installed on your system !!!</source>
        <translation>Für &apos;PISTARO&apos; muss Gp2 auf Ihrem System installiert sein!!!</translation>
    </message>
</context>
<context>
    <name>gameexenames</name>
    <message>
        <source>the file is missing</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <source>the edition of the game program is not recognised</source>
        <translation>die Ausgabe des Spielprogramms wird nicht erkannt</translation>
    </message>
    <message>
        <source>the file is too short to hold them</source>
        <translation>die Datei ist zu kurz, um sie zu enthalten</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>; the old names could not be written back either (%1): Restore puts GP2.EXE back</source>
        <translation>; auch die alten Namen konnten nicht zurückgeschrieben werden (%1): Wiederherstellen setzt GP2.EXE zurück</translation>
    </message>
</context>
<context>
    <name>health</name>
    <message>
        <source>it is not a regular file, or it is gone</source>
        <translation>es ist keine normale Datei oder nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <extracomment>The last item of a list that names only the first few.</extracomment>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A problem of a circuit, then its explanation, in the Health column&apos;s tool tip.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Could not read the file</source>
        <translation>Die Datei war nicht lesbar</translation>
    </message>
    <message>
        <source>Not a circuit: too large</source>
        <translation>Keine Strecke: zu groß</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; no circuit comes near that.</source>
        <translation>Die Datei ist größer als %1 MB; keine Strecke kommt auch nur in die Nähe.</translation>
    </message>
    <message>
        <source>Not a circuit: no track data</source>
        <translation>Keine Strecke: keine Streckendaten</translation>
    </message>
    <message>
        <source>Nothing lies between the info area and the checksum, where the game expects the track.</source>
        <translation>Zwischen Infobereich und Prüfsumme, wo das Spiel die Strecke erwartet, liegt nichts.</translation>
    </message>
    <message>
        <source>Not a circuit: too short</source>
        <translation>Keine Strecke: zu kurz</translation>
    </message>
    <message>
        <source>The track data is shorter than %1 bytes.</source>
        <translation>Die Streckendaten sind kürzer als %1 Bytes.</translation>
    </message>
    <message>
        <source>Checksum wrong</source>
        <translation>Prüfsumme falsch</translation>
    </message>
    <message>
        <source>The 4-byte checksum at the end does not match the file&apos;s content; the game refuses the circuit.</source>
        <translation>Die 4-Byte-Prüfsumme am Ende passt nicht zum Inhalt der Datei; das Spiel lehnt die Strecke ab.</translation>
    </message>
    <message>
        <source>Texture list not checked</source>
        <translation>Texturliste nicht geprüft</translation>
    </message>
    <message>
        <source>The file claims %1 texture files; no circuit names so many.</source>
        <translation>Die Datei gibt %1 Texturdateien an; keine Strecke nennt so viele.</translation>
    </message>
    <message>
        <source>1 texture missing</source>
        <translation>1 Textur fehlt</translation>
    </message>
    <message>
        <source>%1 textures missing</source>
        <translation>%1 Texturen fehlen</translation>
    </message>
    <message>
        <source>Not in the game folder: %1</source>
        <translation>Nicht im Spielordner: %1</translation>
    </message>
    <message>
        <source>Same circuit as %1</source>
        <translation>Gleiche Strecke wie %1</translation>
    </message>
    <message>
        <source>Same circuit as %1 and %2 more</source>
        <translation>Gleiche Strecke wie %1 und %2 weitere</translation>
    </message>
    <message>
        <source>The same track data as %1 (the info blocks may differ).</source>
        <translation>Dieselben Streckendaten wie %1 (die Infoblöcke können abweichen).</translation>
    </message>
    <message>
        <source>could not remove the link %1</source>
        <translation>der Link %1 konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>%1 checked: %2 in %3.</source>
        <extracomment>The check&apos;s summary: &quot;12 circuit files checked: 3 problems in 2 files.&quot;</extracomment>
        <translation>%1 geprüft: %2 in %3.</translation>
    </message>
    <message>
        <source>circuit file</source>
        <extracomment>Counted in the check&apos;s summary, after the number.</extracomment>
        <translation>Streckendatei</translation>
    </message>
    <message>
        <source>circuit files</source>
        <translation>Streckendateien</translation>
    </message>
    <message>
        <source>problem</source>
        <extracomment>Counted in the check&apos;s summary, after the number.</extracomment>
        <translation>Problem</translation>
    </message>
    <message>
        <source>problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>Counted in the check&apos;s summary, after the number.</extracomment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source> 1 track pack lacks files.</source>
        <translation> 1 Track Pack ist unvollständig.</translation>
    </message>
    <message>
        <source> %1 track packs lack files.</source>
        <translation> %1 Track Packs sind unvollständig.</translation>
    </message>
    <message>
        <source>Cannot read the circuits folder %1.</source>
        <translation>Der Ordner Circuits %1 ist nicht lesbar.</translation>
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
        <translation>Die zu schreibende Streckeninfo beginnt nicht mit #GP2INFO</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>%1 ist nicht lesbar</translation>
    </message>
    <message>
        <source>%1 has no track info block</source>
        <translation>%1 hat keinen Streckeninfo-Block</translation>
    </message>
</context>
<context>
    <name>insidefolders</name>
    <message>
        <source>%1 leads outside the game folder %2, through a link or a linked folder. Pistaro changes no file there: remove the link or change the file yourself.</source>
        <translation>%1 führt über einen Link oder verlinkten Ordner aus dem Spielordner %2 hinaus. Pistaro ändert dort keine Datei: entfernen Sie den Link oder ändern Sie die Datei selbst.</translation>
    </message>
    <message>
        <source>%1 leads outside the game folder %2 (to %3), through a link or a linked folder. Pistaro changes no file there: remove the link or change the file yourself.</source>
        <translation>%1 führt über einen Link oder verlinkten Ordner aus dem Spielordner %2 hinaus (nach %3). Pistaro ändert dort keine Datei: entfernen Sie den Link oder ändern Sie die Datei selbst.</translation>
    </message>
</context>
<context>
    <name>language</name>
    <message>
        <source>Automatic (desktop)</source>
        <translation>Automatisch (Desktop)</translation>
    </message>
</context>
<context>
    <name>laptime</name>
    <message>
        <source>%1, %2 faster than %3</source>
        <extracomment>A new lap record, how much faster it is, then the record it beat.</extracomment>
        <translation>%1, %2 schneller als %3</translation>
    </message>
</context>
<context>
    <name>launch</name>
    <message>
        <source>Use: pso --launch [--pack &quot;pack name&quot;] [database]</source>
        <translation>Aufruf: pso --launch [--pack &quot;Pack-Name&quot;] [Datenbank]</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not found: there is no folder %2. GP2 was not started.</source>
        <translation>Das Track Pack &apos;%1&apos; wurde nicht gefunden: es gibt keinen Ordner %2. GP2 wurde nicht gestartet.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; lacks circuits, so GP2 was not started. %2</source>
        <translation>Dem Track Pack &apos;%1&apos; fehlen Strecken, daher wurde GP2 nicht gestartet. %2</translation>
    </message>
</context>
<context>
    <name>logparser</name>
    <message>
        <source>Reached a record at %1</source>
        <translation>Rekord erreicht bei %1</translation>
    </message>
</context>
<context>
    <name>namesarea</name>
    <message>
        <source>The lap count of slot %1 is not between 0 and 255; the game keeps its old lap count there.</source>
        <translation>Die Rundenzahl von Slot %1 liegt nicht zwischen 0 und 255; das Spiel behält dort seine alte Rundenzahl.</translation>
    </message>
    <message>
        <source>The lap counts of slots %1 are not between 0 and 255; the game keeps its old lap counts there.</source>
        <translation>Die Rundenzahlen der Slots %1 liegen nicht zwischen 0 und 255; das Spiel behält dort seine alten Rundenzahlen.</translation>
    </message>
</context>
<context>
    <name>packfolder</name>
    <message>
        <source>%1 couldn&apos;t be deleted</source>
        <translation>%1 konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>slot %1 wants %2 (%3, %4 bytes)</source>
        <translation>Slot %1 braucht %2 (%3, %4 Bytes)</translation>
    </message>
    <message>
        <source>To complete the pack, install that circuit, or copy it into the Circuits folder and press Rescan.</source>
        <translation>Um das Pack zu vervollständigen, installieren Sie diese Strecke oder kopieren Sie sie in den Ordner Circuits und drücken Sie Neu einlesen.</translation>
    </message>
    <message>
        <source>To complete the pack, install those circuits, or copy them into the Circuits folder and press Rescan.</source>
        <translation>Um das Pack zu vervollständigen, installieren Sie diese Strecken oder kopieren Sie sie in den Ordner Circuits und drücken Sie Neu einlesen.</translation>
    </message>
    <message>
        <source>The folder of this Track Pack is missing: %1</source>
        <translation>Der Ordner dieses Track Packs fehlt: %1</translation>
    </message>
    <message>
        <source>slot %1 (%2)</source>
        <translation>Slot %1 (%2)</translation>
    </message>
    <message>
        <source>slots %1 (%2)</source>
        <translation>Slots %1 (%2)</translation>
    </message>
    <message>
        <source>Missing from this Track Pack: %1</source>
        <translation>Fehlt in diesem Track Pack: %1</translation>
    </message>
</context>
<context>
    <name>packname</name>
    <message>
        <source>&apos;%1&apos; can&apos;t be a Track Pack name.</source>
        <translation>&apos;%1&apos; kann kein Track-Pack-Name sein.</translation>
    </message>
    <message>
        <source>It is longer than a folder name may be (255 bytes).</source>
        <translation>Er ist länger, als ein Ordnername sein darf (255 Bytes).</translation>
    </message>
    <message>
        <source>Its name can&apos;t hold control characters (line breaks, tabs and the like).</source>
        <translation>Der Name darf keine Steuerzeichen enthalten (Zeilenumbrüche, Tabs und Ähnliches).</translation>
    </message>
    <message>
        <source>Its name can only hold the characters of Windows-1252 (Western European letters, digits and signs).</source>
        <translation>Der Name darf nur Zeichen aus Windows-1252 enthalten (westeuropäische Buchstaben, Ziffern und Zeichen).</translation>
    </message>
    <message>
        <source>A Track Pack is a folder in the Circuits folder: its name can&apos;t be &quot;.&quot; or &quot;..&quot; and can&apos;t hold \ or /.</source>
        <translation>Ein Track Pack ist ein Ordner im Ordner Circuits: sein Name darf nicht &quot;.&quot; oder &quot;..&quot; sein und kein \ oder / enthalten.</translation>
    </message>
</context>
<context>
    <name>packusage</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The track packs named in a question: &quot;A&quot;, &quot;B&quot; and &quot;C&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 is used by the track pack %2.</source>
        <translation>%1 wird vom Track Pack %2 verwendet.</translation>
    </message>
    <message>
        <source>%1 is used by the track packs %2.</source>
        <translation>%1 wird von den Track Packs %2 verwendet.</translation>
    </message>
</context>
<context>
    <name>pistaro::AboutDialog</name>
    <message>
        <source>About Pistaro</source>
        <translation>Über Pistaro</translation>
    </message>
    <message>
        <source> Pistaro and Lap Time Recorder</source>
        <translation> Pistaro und Rundenzeit-Recorder</translation>
    </message>
    <message>
        <source>Thanks to :</source>
        <translation>Dank an:</translation>
    </message>
    <message>
        <source>the circuit makers who share their tracks,</source>
        <translation>die Streckenbauer, die ihre Strecken teilen,</translation>
    </message>
    <message>
        <source>the players who send in their lap times,</source>
        <translation>die Spieler, die ihre Rundenzeiten einsenden,</translation>
    </message>
    <message>
        <source>and everyone who tests and reports problems.</source>
        <translation>und alle, die testen und Probleme melden.</translation>
    </message>
    <message>
        <source>Help &gt; Contents (F1) tells how Pistaro works.</source>
        <translation>Hilfe &gt; Inhalt (F1) erklärt, wie Pistaro funktioniert.</translation>
    </message>
    <message>
        <source>Questions and ideas are welcome through the home page:</source>
        <translation>Fragen und Ideen sind über die Homepage willkommen:</translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitFixes</name>
    <message>
        <source>Repair &amp;checksum</source>
        <translation>Prüfsumme repa&amp;rieren</translation>
    </message>
    <message>
        <source>Install &amp;missing textures from an archive…</source>
        <translation>Fehlende Te&amp;xturen aus Archiv installieren…</translation>
    </message>
    <message>
        <source>Delete this du&amp;plicate…</source>
        <translation>&amp;Duplikat löschen…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file the fix could not mend, then why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No selected circuit has a wrong checksum.</source>
        <translation>Keine gewählte Strecke hat eine falsche Prüfsumme.</translation>
    </message>
    <message>
        <source>These checksums could not be written.</source>
        <translation>Diese Prüfsummen konnten nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>checksum was</source>
        <extracomment>Counted in &quot;2 checksums were repaired: …&quot;, after the number.</extracomment>
        <translation>Prüfsumme wurde</translation>
    </message>
    <message>
        <source>checksums were</source>
        <translation>Prüfsummen wurden</translation>
    </message>
    <message>
        <source>%1 repaired: %2.</source>
        <extracomment>&quot;2 checksums were repaired: A.DAT, B.DAT.&quot;</extracomment>
        <translation>%1 repariert: %2.</translation>
    </message>
    <message>
        <source>Repair checksum</source>
        <translation>Prüfsumme reparieren</translation>
    </message>
    <message>
        <source>The selected circuits lack no texture the game folder could hold.</source>
        <translation>Den gewählten Strecken fehlt keine Textur, die der Spielordner enthalten könnte.</translation>
    </message>
    <message>
        <source>Archive with the missing textures</source>
        <translation>Archiv mit den fehlenden Texturen</translation>
    </message>
    <message>
        <source>No selected circuit is the same circuit as another file.</source>
        <translation>Keine gewählte Strecke ist dieselbe Strecke wie eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 (the circuit stays as %2)</source>
        <translation>%1 (die Strecke bleibt als %2)</translation>
    </message>
    <message>
        <source>, waiting for Export into slot %1</source>
        <extracomment>Added to &quot;X.DAT (the circuit stays as Y.DAT)&quot; in the list of duplicates.</extracomment>
        <translation>, wartet auf Export in Slot %1</translation>
    </message>
    <message>
        <source>which</source>
        <extracomment>Stands for the file in &quot;…, which is used by the track pack A&quot;.</extracomment>
        <translation>sie</translation>
    </message>
    <message>
        <source>Nothing was deleted: the selected files are the only copies of their circuits.</source>
        <translation>Nichts wurde gelöscht: die gewählten Dateien sind die einzigen Kopien ihrer Strecken.</translation>
    </message>
    <message>
        <source>Delete %1? Each circuit stays in the collection as the file named beside it.</source>
        <translation>%1 löschen? Jede Strecke bleibt in der Sammlung als die daneben genannte Datei.</translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation>Duplikat</translation>
    </message>
    <message>
        <source>duplicates</source>
        <translation>Duplikate</translation>
    </message>
    <message>
        <source>A slot waits for a file deleted here: Export would leave that slot as it is in the game.</source>
        <translation>Ein Slot wartet auf eine hier gelöschte Datei: Export würde diesen Slot im Spiel lassen, wie er ist.</translation>
    </message>
    <message>
        <source>These files could not be deleted.</source>
        <translation>Diese Dateien konnten nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>duplicate was</source>
        <extracomment>Counted in &quot;2 duplicates were deleted: …&quot;, after the number.</extracomment>
        <translation>Duplikat wurde</translation>
    </message>
    <message>
        <source>duplicates were</source>
        <translation>Duplikate wurden</translation>
    </message>
    <message>
        <source>%1 deleted: %2.</source>
        <extracomment>&quot;2 duplicates were deleted: A.DAT, B.DAT.&quot;</extracomment>
        <translation>%1 gelöscht: %2.</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Duplikate löschen</translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitLists</name>
    <message>
        <source>Words found in any column, or terms such as country:italy, author:&quot;john doe&quot;, laps&gt;60, length&lt;=4500, problems, duplicate, tag:fantasy, pack:&quot;Season 98&quot;, nopack; -word or !word leaves rows out. See Help for every term.</source>
        <translation>Wörter aus beliebigen Spalten oder Begriffe wie country:italy, author:&quot;john doe&quot;, laps&gt;60, length&lt;=4500, problems, duplicate, tag:fantasy, pack:&quot;Season 98&quot;, nopack; -Wort oder !Wort schließt Zeilen aus. Alle Begriffe stehen in der Hilfe.</translation>
    </message>
    <message>
        <source>Filter circuits</source>
        <translation>Strecken filtern</translation>
    </message>
    <message>
        <source>Circuits Directory:</source>
        <translation>Ordner Circuits:</translation>
    </message>
    <message>
        <source>A&amp;vailable Circuits</source>
        <translation>&amp;Verfügbare Strecken</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Add &amp;tags…</source>
        <translation>&amp;Tags hinzufügen…</translation>
    </message>
    <message>
        <source>Remo&amp;ve tags…</source>
        <translation>Tags ent&amp;fernen…</translation>
    </message>
    <message>
        <source>Export circuit list</source>
        <translation>Streckenliste exportieren</translation>
    </message>
    <message>
        <source>Not understood, so not used:
%1</source>
        <translation>Nicht verstanden, daher nicht verwendet:
%1</translation>
    </message>
    <message>
        <source>Rename file &apos;%1&apos; to: </source>
        <translation>Datei &apos;%1&apos; umbenennen in: </translation>
    </message>
    <message>
        <source>&apos;%1&apos; can&apos;t be used as a file name.</source>
        <translation>&apos;%1&apos; kann nicht als Dateiname verwendet werden.</translation>
    </message>
    <message>
        <source>A circuit is renamed within the Circuits folder: the new name can&apos;t hold \, / or &quot;..&quot;, nor be longer than 255 bytes.</source>
        <translation>Eine Strecke wird innerhalb des Ordners Circuits umbenannt: der neue Name darf kein \, / oder &quot;..&quot; enthalten und nicht länger als 255 Bytes sein.</translation>
    </message>
    <message>
        <source>%1 was not renamed: %2 already exists in its folder.</source>
        <translation>%1 wurde nicht umbenannt: %2 gibt es in seinem Ordner schon.</translation>
    </message>
    <message>
        <source>Couldn&apos;t rename %1 to %2.</source>
        <translation>%1 konnte nicht in %2 umbenannt werden.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the file &apos;%1&apos; ? </source>
        <translation>Möchten Sie die Datei &apos;%1&apos; wirklich löschen? </translation>
    </message>
    <message>
        <source>Couldn&apos;t delete %1.</source>
        <translation>%1 konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The tags could not be read: %1</source>
        <translation>Die Tags konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Select the circuits to tag first.</source>
        <translation>Zuerst die Strecken wählen, die Tags erhalten sollen.</translation>
    </message>
    <message>
        <source>Tags to add to %1 (separated by commas):</source>
        <translation>Tags für %1 (durch Kommas getrennt):</translation>
    </message>
    <message>
        <source>Tags to add to the %1 circuits selected (separated by commas):</source>
        <translation>Tags für die %1 gewählten Strecken (durch Kommas getrennt):</translation>
    </message>
    <message>
        <source>Select the circuits to take tags from first.</source>
        <translation>Zuerst die Strecken wählen, denen Tags entfernt werden sollen.</translation>
    </message>
    <message>
        <source>The circuits selected have no tags.</source>
        <translation>Die gewählten Strecken haben keine Tags.</translation>
    </message>
    <message>
        <source>Tags to take from the circuits selected (separated by commas):</source>
        <translation>Von den gewählten Strecken zu entfernende Tags (durch Kommas getrennt):</translation>
    </message>
    <message>
        <source>Tags cannot be kept: the tag store %1 could not be opened.</source>
        <translation>Tags können nicht gespeichert werden: der Tag-Speicher %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken as a tag: %2.</source>
        <translation>&quot;%1&quot; wird nicht als Tag übernommen: %2.</translation>
    </message>
    <message>
        <source>These files hold no circuit, so they take no tags:</source>
        <translation>Diese Dateien enthalten keine Strecke und erhalten daher keine Tags:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A circuit, then the pack&apos;s tags it lacks.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The pack file tags its circuits. Add these tags to your circuits?</source>
        <translation>Die Pack-Datei versieht ihre Strecken mit Tags. Diese Tags Ihren Strecken hinzufügen?</translation>
    </message>
    <message>
        <source>Some tags were not taken:</source>
        <translation>Einige Tags wurden nicht übernommen:</translation>
    </message>
    <message>
        <source>Nothing was renamed: select a circuit first.</source>
        <translation>Nichts wurde umbenannt: zuerst eine Strecke wählen.</translation>
    </message>
    <message>
        <source>%1 was not renamed: it is a game slot file, which the game reads by this name.</source>
        <translation>%1 wurde nicht umbenannt: es ist eine Slot-Datei des Spiels, die das Spiel unter diesem Namen liest.</translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitTable</name>
    <message>
        <source>%1 circuit</source>
        <translation>%1 Strecke</translation>
    </message>
    <message>
        <source>%1 circuits</source>
        <translation>%1 Strecken</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>The browser&apos;s count while a filter hides rows: &quot;1,234 of 5,000 circuits&quot;.</extracomment>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitTableModel</name>
    <message>
        <source>The right button on the row offers the fix.</source>
        <translation>Die rechte Maustaste auf der Zeile bietet die Korrektur an.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Best race time</source>
        <translation>Beste Rennzeit</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tags</translation>
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
        <translation>Für alle, die weiter auf Zusatzstrecken fahren.</translation>
    </message>
</context>
<context>
    <name>pistaro::DatabaseList</name>
    <message>
        <source>Lap time database in use &apos;%1&apos;</source>
        <translation>Verwendete Rundenzeit-Datenbank &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Enter the new database name:</source>
        <translation>Name der neuen Datenbank:</translation>
    </message>
    <message>
        <source>Please wait, making new database...</source>
        <translation>Bitte warten, neue Datenbank wird erstellt...</translation>
    </message>
    <message>
        <source>Database %1 could not be made.</source>
        <translation>Datenbank %1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Sure you want to kill &apos;%1&apos; ?</source>
        <translation>&apos;%1&apos; wirklich löschen?</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; deleted.</source>
        <translation>Datenbank &apos;%1&apos; gelöscht.</translation>
    </message>
</context>
<context>
    <name>pistaro::Exporter</name>
    <message>
        <source>&amp;Export to Gp2</source>
        <translation>Nach Gp2 &amp;exportieren</translation>
    </message>
    <message>
        <source>Export circuits to Gp2</source>
        <translation>Strecken nach Gp2 exportieren</translation>
    </message>
    <message>
        <source>Nothing to export: no slot has a circuit or a menu picture waiting.</source>
        <translation>Nichts zu exportieren: kein Slot hat eine wartende Strecke oder ein wartendes Menübild.</translation>
    </message>
    <message>
        <source>Update your Gp2 files on selected circuits?</source>
        <translation>Ihre Gp2-Dateien mit den gewählten Strecken aktualisieren?</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Exporting menu names... </source>
        <translation>Menünamen werden exportiert... </translation>
    </message>
    <message>
        <source>Updating menu picture... </source>
        <translation>Menübild wird aktualisiert... </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>%1 copied into its slot.</source>
        <translation>%1 in ihren Slot kopiert.</translation>
    </message>
    <message>
        <source>%1 copied into their slots.</source>
        <translation>%1 in ihre Slots kopiert.</translation>
    </message>
    <message>
        <source>circuit was</source>
        <translation>Strecke wurde</translation>
    </message>
    <message>
        <source>circuits were</source>
        <translation>Strecken wurden</translation>
    </message>
    <message>
        <source>The menu names and lap counts were written into GP2.EXE.</source>
        <translation>Die Menünamen und Rundenzahlen wurden in GP2.EXE geschrieben.</translation>
    </message>
    <message>
        <source>The menu pictures of %1 changed.</source>
        <translation>Die Menübilder von %1 geändert.</translation>
    </message>
    <message>
        <source>slot were</source>
        <translation>Slot wurden</translation>
    </message>
    <message>
        <source>slots were</source>
        <translation>Slots wurden</translation>
    </message>
    <message>
        <source>Gp2 updated.</source>
        <translation>Gp2 aktualisiert.</translation>
    </message>
    <message>
        <source>Gp2 was updated in part.</source>
        <translation>Gp2 wurde teilweise aktualisiert.</translation>
    </message>
    <message>
        <source>Gp2 was not updated.</source>
        <translation>Gp2 wurde nicht aktualisiert.</translation>
    </message>
    <message>
        <source>Menu pictures were not changed: gp2hipic is not set up. See Help &gt; Outside programs.</source>
        <translation>Menübilder wurden nicht geändert: gp2hipic ist nicht eingerichtet. Siehe Hilfe &gt; Externe Programme.</translation>
    </message>
    <message>
        <source>Menu pictures were not changed: %1</source>
        <translation>Menübilder wurden nicht geändert: %1</translation>
    </message>
    <message>
        <source>Copying... </source>
        <translation>Kopieren... </translation>
    </message>
    <message>
        <source>Slot %1: %2 was not copied over %3: %4</source>
        <translation>Slot %1: %2 wurde nicht über %3 kopiert: %4</translation>
    </message>
    <message>
        <source>The menu names and lap counts were not written into %1: %2</source>
        <translation>Die Menünamen und Rundenzahlen wurden nicht in %1 geschrieben: %2</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Slot %1: %2</translation>
    </message>
    <message>
        <source>%1, small picture</source>
        <extracomment>A slot&apos;s menu picture in a list: &quot;Slot 3: Monza, small picture&quot;.</extracomment>
        <translation>%1, kleines Bild</translation>
    </message>
    <message>
        <source>%1, large picture</source>
        <translation>%1, großes Bild</translation>
    </message>
    <message>
        <source>Menu pictures were not changed: the default picture %1 could not be handed over: %2</source>
        <translation>Menübilder wurden nicht geändert: das Standardbild %1 konnte nicht übergeben werden: %2</translation>
    </message>
    <message>
        <source>Gp2 was not updated: a file could not be written, so the game was put back as it was.</source>
        <translation>Gp2 wurde nicht aktualisiert: eine Datei konnte nicht geschrieben werden, daher wurde das Spiel in den vorherigen Zustand zurückgesetzt.</translation>
    </message>
    <message>
        <source>The exported circuits were not added to the catalogue: %1</source>
        <translation>Die exportierten Strecken wurden nicht in den Katalog aufgenommen: %1</translation>
    </message>
</context>
<context>
    <name>pistaro::HelpWindow</name>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
</context>
<context>
    <name>pistaro::HistoryDialog</name>
    <message>
        <source>History of changes</source>
        <translation>Änderungsverlauf</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Changes, newest first:</source>
        <translation>Änderungen, neueste zuerst:</translation>
    </message>
    <message>
        <source>Files of the change:</source>
        <translation>Dateien der Änderung:</translation>
    </message>
    <message>
        <source>  (1 file)</source>
        <extracomment>After the time and command of a change in History: how many files it holds.</extracomment>
        <translation>  (1 Datei)</translation>
    </message>
    <message>
        <source>  (%1 files)</source>
        <translation>  (%1 Dateien)</translation>
    </message>
    <message>
        <source>  put back</source>
        <extracomment>After a change in History that was undone.</extracomment>
        <translation>  wiederhergestellt</translation>
    </message>
    <message>
        <source>  unfinished</source>
        <extracomment>After a change in History that never ended.</extracomment>
        <translation>  unvollendet</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>  damaged</source>
        <extracomment>After a change in History whose saved copies are damaged.</extracomment>
        <translation>  beschädigt</translation>
    </message>
    <message>
        <source>The saved copies of these files are damaged or missing:
</source>
        <translation>Die Sicherungskopien dieser Dateien sind beschädigt oder fehlen:
</translation>
    </message>
    <message>
        <source> (removed: it was not there)</source>
        <translation> (entfernt: es war nicht vorhanden)</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Zurücknehmen</translation>
    </message>
</context>
<context>
    <name>pistaro::Installer</name>
    <message>
        <source>New track selection</source>
        <translation>Neue Streckenauswahl</translation>
    </message>
    <message>
        <source>Folder of archives to install</source>
        <translation>Ordner mit zu installierenden Archiven</translation>
    </message>
    <message>
        <source>No archive was found in %1 (%2).</source>
        <translation>In %1 wurde kein Archiv gefunden (%2).</translation>
    </message>
    <message>
        <source>File not found or invalid.</source>
        <translation>Datei nicht gefunden oder ungültig.</translation>
    </message>
    <message>
        <source>Please wait,</source>
        <translation>Bitte warten,</translation>
    </message>
    <message>
        <source>Installing %1 archives,</source>
        <translation>%1 Archive werden installiert,</translation>
    </message>
    <message>
        <source>Installing archive %1 of %2,</source>
        <translation>Archiv %1 von %2 wird installiert,</translation>
    </message>
    <message>
        <source>Not installed: the file is missing or empty.</source>
        <translation>Nicht installiert: die Datei fehlt oder ist leer.</translation>
    </message>
    <message>
        <source>The installation of this archive failed here.</source>
        <translation>Die Installation dieses Archivs ist hier fehlgeschlagen.</translation>
    </message>
    <message>
        <source>%1 of %2 archives read, %3 installed.</source>
        <extracomment>&quot;3 of 4 archives read, 5 circuits installed.&quot;</extracomment>
        <translation>%1 von %2 Archiven gelesen, %3 installiert.</translation>
    </message>
    <message>
        <source>circuit</source>
        <extracomment>Counted in &quot;… 5 circuits installed.&quot;, after the number.</extracomment>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>circuits</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>%1 already there.</source>
        <translation>%1 bereits vorhanden.</translation>
    </message>
    <message>
        <source>circuit was</source>
        <translation>Strecke war</translation>
    </message>
    <message>
        <source>circuits were</source>
        <translation>Strecken waren</translation>
    </message>
    <message>
        <source>%1 could not be installed.</source>
        <translation>%1 nicht installiert.</translation>
    </message>
    <message>
        <source>archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>archives</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Stopped before %1</source>
        <translation>Abgebrochen vor %1</translation>
    </message>
    <message>
        <source>archive:</source>
        <translation>Archiv:</translation>
    </message>
    <message>
        <source>archives:</source>
        <translation>Archiven:</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Entpacken...</translation>
    </message>
    <message>
        <source>Looking file...</source>
        <translation>Datei wird gesucht...</translation>
    </message>
    <message>
        <source>Nothing could be extracted.</source>
        <translation>Nichts konnte entpackt werden.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract any file from %1.</source>
        <translation>Aus %1 konnte keine Datei entpackt werden.</translation>
    </message>
    <message>
        <source>%1 extracted from %2</source>
        <translation>%1 aus %2 entpackt</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>The archive holds no circuit (.dat) file.</source>
        <translation>Das Archiv enthält keine Streckendatei (.dat).</translation>
    </message>
    <message>
        <source>%1 not installed: an archive inside the archive is not unpacked</source>
        <translation>%1 nicht installiert: ein Archiv im Archiv wird nicht entpackt</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this file: %1</source>
        <translation>Diese Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>(The read-me was cut here: it holds %1 bytes, the first %2 are shown.)</source>
        <translation>(Die Liesmich-Datei wurde hier gekürzt: sie hat %1 Bytes, die ersten %2 werden gezeigt.)</translation>
    </message>
    <message>
        <source>%1 not installed: the same circuit is already there as %2</source>
        <translation>%1 nicht installiert: dieselbe Strecke ist schon als %2 vorhanden</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the texture list of %1</source>
        <translation>Die Texturliste von %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 not installed: no other name was given</source>
        <translation>%1 nicht installiert: kein anderer Name angegeben</translation>
    </message>
    <message>
        <source>Track %1 was not installed.</source>
        <translation>Strecke %1 wurde nicht installiert.</translation>
    </message>
    <message>
        <source>%1 track copied to %2</source>
        <translation>Strecke %1 nach %2 kopiert</translation>
    </message>
    <message>
        <source>%1 track couldn&apos;t be copied to %2: %3</source>
        <translation>Strecke %1 konnte nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <source>The name of the file you are installing can&apos;t be %1.</source>
        <translation>Die zu installierende Datei darf nicht %1 heißen.</translation>
    </message>
    <message>
        <source>Please enter a new name for this file:</source>
        <translation>Bitte einen neuen Namen für diese Datei eingeben:</translation>
    </message>
    <message>
        <source>Please enter another name.</source>
        <translation>Bitte einen anderen Namen eingeben.</translation>
    </message>
    <message>
        <source>File %1 already exists, overwrite?</source>
        <translation>Die Datei %1 gibt es schon. Überschreiben?</translation>
    </message>
    <message>
        <source>%1 %2 menu image copied</source>
        <translation>Menübild %1 (%2) kopiert</translation>
    </message>
    <message>
        <source>%1 %2 menu image couldn&apos;t be copied to %3: %4</source>
        <translation>Menübild %1 (%2) konnte nicht nach %3 kopiert werden: %4</translation>
    </message>
    <message>
        <source>%1 file converted to JAM</source>
        <translation>Datei %1 in JAM umgewandelt</translation>
    </message>
    <message>
        <source>%1 file couldn&apos;t be converted to JAM: %2</source>
        <translation>Datei %1 konnte nicht in JAM umgewandelt werden: %2</translation>
    </message>
    <message>
        <source>No texture was copied: %1</source>
        <translation>Keine Textur wurde kopiert: %1</translation>
    </message>
    <message>
        <source>No texture was copied: their backup could not be written: %1</source>
        <translation>Keine Textur wurde kopiert: ihre Sicherung konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Textures from %1</source>
        <translation>Texturen aus %1</translation>
    </message>
    <message>
        <source>Every missing texture is installed now.</source>
        <translation>Alle fehlenden Texturen sind jetzt installiert.</translation>
    </message>
    <message>
        <source>%1 still missing:</source>
        <translation>%1 noch:</translation>
    </message>
    <message>
        <source>texture is</source>
        <translation>Textur fehlt</translation>
    </message>
    <message>
        <source>textures are</source>
        <translation>Texturen fehlen</translation>
    </message>
    <message>
        <source>Nothing was installed: %1</source>
        <translation>Nichts wurde installiert: %1</translation>
    </message>
    <message>
        <source>Track %1 was not installed: %2</source>
        <translation>Strecke %1 wurde nicht installiert: %2</translation>
    </message>
    <message>
        <source>Track %1 was installed in part: %2</source>
        <translation>Strecke %1 wurde teilweise installiert: %2</translation>
    </message>
    <message>
        <source>Not installed: %1</source>
        <translation>Nicht installiert: %1</translation>
    </message>
    <message>
        <source>The archives were installed in part: %1</source>
        <translation>Die Archive wurden teilweise installiert: %1</translation>
    </message>
    <message>
        <source>no scratch folder could be made in %1 (%2).</source>
        <translation>in %1 konnte kein Arbeitsordner angelegt werden (%2).</translation>
    </message>
    <message>
        <source>The game was put back as it was.</source>
        <translation>Das Spiel wurde in den vorherigen Zustand zurückgesetzt.</translation>
    </message>
</context>
<context>
    <name>pistaro::LapHistoryView</name>
    <message>
        <source>History: select a track</source>
        <translation>Verlauf: Strecke wählen</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Verlauf von %1</translation>
    </message>
    <message>
        <source>Select a track to see its history.</source>
        <translation>Wählen Sie eine Strecke, um ihren Verlauf zu sehen.</translation>
    </message>
    <message>
        <source>No records of this track yet.</source>
        <translation>Noch keine Rekorde für diese Strecke.</translation>
    </message>
</context>
<context>
    <name>pistaro::LapTimeDatabase</name>
    <message>
        <source>Error while reading Parameters.</source>
        <translation>Fehler beim Lesen der Parameter.</translation>
    </message>
    <message>
        <source>Database %1 does not have the layout pso.def describes and cannot be used.</source>
        <translation>Die Datenbank %1 hat nicht den Aufbau, den pso.def beschreibt, und ist nicht verwendbar.</translation>
    </message>
    <message>
        <source>Database %1 lacks what pso.def describes:</source>
        <translation>Der Datenbank %1 fehlt, was pso.def beschreibt:</translation>
    </message>
    <message>
        <source>It is brought up to date now.</source>
        <translation>Sie wird jetzt aktualisiert.</translation>
    </message>
    <message>
        <source>Please wait, updating database...</source>
        <translation>Bitte warten, Datenbank wird aktualisiert...</translation>
    </message>
    <message>
        <source>Database %1 was brought up to date (layout version %2 to %3).</source>
        <translation>Die Datenbank %1 wurde aktualisiert (Layout-Version %2 auf %3).</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>Die Datei im alten Zustand bleibt als %1 erhalten.</translation>
    </message>
    <message>
        <source>Database %1 could not be brought up to date and is left as it was.</source>
        <translation>Die Datenbank %1 konnte nicht aktualisiert werden und bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Database %1 could not be made.</source>
        <translation>Die Datenbank %1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Database %1 is damaged and could not be repaired.</source>
        <translation>Die Datenbank %1 ist beschädigt und konnte nicht repariert werden.</translation>
    </message>
    <message>
        <source> Cancel ends Pistaro.</source>
        <extracomment>Ends the messages that ask for the game folder, after a space.</extracomment>
        <translation> Abbrechen beendet Pistaro.</translation>
    </message>
    <message>
        <source>There is no GP2.EXE in %1.</source>
        <translation>In %1 gibt es keine GP2.EXE.</translation>
    </message>
    <message>
        <source>In the next window, choose the folder that holds GP2.EXE.</source>
        <translation>Wählen Sie im nächsten Fenster den Ordner, der GP2.EXE enthält.</translation>
    </message>
    <message>
        <source>Where is your GP2 folder?</source>
        <translation>Wo ist Ihr GP2-Ordner?</translation>
    </message>
    <message>
        <source>Pistaro works on the circuits of your Grand Prix 2 installation. In the next window, choose the folder that holds GP2.EXE (File &gt; Setup Pistaro changes it later).</source>
        <translation>Pistaro arbeitet mit den Strecken Ihrer Grand-Prix-2-Installation. Wählen Sie im nächsten Fenster den Ordner, der GP2.EXE enthält (unter Datei &gt; Pistaro einrichten später änderbar).</translation>
    </message>
    <message>
        <source>Your original circuit files were copied under their track names.</source>
        <translation>Ihre Original-Streckendateien wurden unter ihren Streckennamen kopiert.</translation>
    </message>
</context>
<context>
    <name>pistaro::LapTimeTable</name>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>writing file...</source>
        <translation>Datei wird geschrieben...</translation>
    </message>
    <message>
        <source>No application for plain text is set up on this system: the table, written to %1, is shown in Pistaro&apos;s text viewer.</source>
        <translation>Auf diesem System ist keine Anwendung für reinen Text eingerichtet: die Tabelle, nach %1 geschrieben, wird in Pistaros Textanzeige gezeigt.</translation>
    </message>
    <message>
        <source>Export lap time table</source>
        <translation>Rundenzeit-Tabelle exportieren</translation>
    </message>
    <message>
        <source>Lap Time Table</source>
        <translation>Rundenzeit-Tabelle</translation>
    </message>
    <message>
        <source>Export to &amp;Notepad</source>
        <translation>In &amp;Editor exportieren</translation>
    </message>
    <message>
        <source>Export as C&amp;SV…</source>
        <translation>Als C&amp;SV exportieren…</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
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
        <translation>GP2 st&amp;arten</translation>
    </message>
    <message>
        <source>Run Gp2</source>
        <translation>Gp2 starten</translation>
    </message>
    <message>
        <source>%1 could not be run</source>
        <translation>%1 konnte nicht ausgeführt werden</translation>
    </message>
</context>
<context>
    <name>pistaro::LogImport</name>
    <message>
        <source>&amp;Get Time from GP2LAP.LOG</source>
        <translation>Zeit aus GP2LAP.LOG h&amp;olen</translation>
    </message>
    <message>
        <source>No lap time was read: there is no readable %1. GP2LAP writes it while you play.</source>
        <translation>Keine Rundenzeit gelesen: es gibt keine lesbare %1. GP2LAP schreibt sie beim Spielen.</translation>
    </message>
    <message>
        <source>Nothing new was found in %1: its lap times were imported before.</source>
        <translation>In %1 wurde nichts Neues gefunden: seine Rundenzeiten wurden schon importiert.</translation>
    </message>
    <message>
        <source>No lap time of a known track and session was found in %1.</source>
        <translation>In %1 wurde keine Rundenzeit einer bekannten Strecke und Session gefunden.</translation>
    </message>
    <message>
        <source>lap time was</source>
        <extracomment>After a count: &quot;1 lap time was&quot; or &quot;3 lap times were&quot; read from the log.</extracomment>
        <translation>Rundenzeit wurde</translation>
    </message>
    <message>
        <source>lap times were</source>
        <translation>Rundenzeiten wurden</translation>
    </message>
    <message>
        <source> read from %1; none beats a stored time.</source>
        <translation> aus %1 gelesen; keine schlägt eine gespeicherte Zeit.</translation>
    </message>
    <message>
        <source>line was</source>
        <extracomment>After a count: &quot;1 line was&quot; or &quot;3 lines were&quot; skipped.</extracomment>
        <translation>Zeile wurde</translation>
    </message>
    <message>
        <source>lines were</source>
        <translation>Zeilen wurden</translation>
    </message>
    <message>
        <source> skipped for a time that is no lap time (m:ss.mmm), the first: &quot;%1&quot;</source>
        <extracomment>After &quot;3 lines were&quot;.</extracomment>
        <translation> übersprungen wegen einer Zeit, die keine Rundenzeit ist (m:ss.mmm), die erste: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The lap times of gp2lap.log could not be stored in the database: </source>
        <translation>Die Rundenzeiten aus gp2lap.log konnten nicht in der Datenbank gespeichert werden: </translation>
    </message>
    <message>
        <source>Nothing of this reading was kept. gp2lap.log is kept as it is: it is neither deleted nor renamed before the next game.</source>
        <translation>Von diesem Lesen wurde nichts behalten. gp2lap.log bleibt, wie es ist: es wird vor dem nächsten Spiel weder gelöscht noch umbenannt.</translation>
    </message>
    <message>
        <source> skipped, the first: &quot;%1&quot;.</source>
        <extracomment>After &quot;3 lines were&quot;.</extracomment>
        <translation> übersprungen, die erste: &quot;%1&quot;.</translation>
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
        <translation>LOG-DATEI</translation>
    </message>
    <message>
        <source>You played Grand Prix 2</source>
        <extracomment>Before the count of games, then &quot;times.&quot;.</extracomment>
        <translation>Sie haben Grand Prix 2</translation>
    </message>
    <message>
        <source>times.</source>
        <translation>Mal gespielt.</translation>
    </message>
    <message>
        <source>First time :</source>
        <translation>Erstes Mal:</translation>
    </message>
    <message>
        <source>Last time:</source>
        <translation>Letztes Mal:</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Gesamtzeit:</translation>
    </message>
</context>
<context>
    <name>pistaro::MainWindow</name>
    <message>
        <source>Time Database:</source>
        <translation>Zeit-Datenbank:</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>End Pistaro</source>
        <translation>Pistaro beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Install new Track</source>
        <translation>Neue Strecke &amp;installieren</translation>
    </message>
    <message>
        <source>Install a &amp;Folder of Archives…</source>
        <translation>&amp;Ordner mit Archiven installieren…</translation>
    </message>
    <message>
        <source>&amp;Log Stats</source>
        <translation>&amp;Log-Statistik</translation>
    </message>
    <message>
        <source>&amp;Defrag f1pcsvga.bin</source>
        <translation>f1pcsvga.bin &amp;defragmentieren</translation>
    </message>
    <message>
        <source>&amp;Restore last change...</source>
        <translation>Letzte Änderung &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>&amp;Export circuit list…</source>
        <translation>Streckenliste &amp;exportieren…</translation>
    </message>
    <message>
        <source>&amp;Setup Pistaro</source>
        <translation>Pistaro ein&amp;richten</translation>
    </message>
    <message>
        <source>&amp;Tracks</source>
        <translation>&amp;Strecken</translation>
    </message>
    <message>
        <source>Resca&amp;n</source>
        <translation>&amp;Neu einlesen</translation>
    </message>
    <message>
        <source>&amp;Update Track Info</source>
        <translation>Streckeninfo &amp;aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Export to Gp2</source>
        <translation>Nach Gp2 &amp;exportieren</translation>
    </message>
    <message>
        <source>&amp;Launch GP2</source>
        <translation>GP2 &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Pistaro Home Page</source>
        <translation>Pistaro-&amp;Homepage</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>GP2 is running. Pistaro will close when it ends.</source>
        <translation>GP2 läuft. Pistaro schließt sich, wenn es endet.</translation>
    </message>
    <message>
        <source>You have to set your Screen Resolution at least 800x600</source>
        <translation>Die Bildschirmauflösung muss mindestens 800x600 sein</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1.</source>
        <translation>%1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Menu pictures are neither shown nor kept in this run.</source>
        <translation>Menübilder werden in diesem Lauf weder gezeigt noch gespeichert.</translation>
    </message>
    <message>
        <source>The track pack list was not saved.</source>
        <translation>Die Track-Pack-Liste wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Export p&amp;ack…</source>
        <translation>&amp;Pack exportieren…</translation>
    </message>
    <message>
        <source>&amp;Import pack…</source>
        <translation>Pack &amp;importieren…</translation>
    </message>
</context>
<context>
    <name>pistaro::MenuPictures</name>
    <message>
        <source>Menu Picture </source>
        <translation>Menübild </translation>
    </message>
    <message>
        <source>Menu Picture 640x480 :</source>
        <translation>Menübild 640x480:</translation>
    </message>
    <message>
        <source>Menu Picture 440x330:</source>
        <translation>Menübild 440x330:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>Durchsu&amp;chen</translation>
    </message>
    <message>
        <source>Browse Menu Picture</source>
        <translation>Menübild suchen</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>Du&amp;rchsuchen</translation>
    </message>
    <message>
        <source>&amp;Import Menu Picture</source>
        <translation>Menübild i&amp;mportieren</translation>
    </message>
    <message>
        <source>Import Menu Picture from Gp2</source>
        <translation>Menübild aus Gp2 importieren</translation>
    </message>
    <message>
        <source>Import Menu &amp;Picture</source>
        <translation>Menübild im&amp;portieren</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>Er&amp;zeugen</translation>
    </message>
    <message>
        <source>Ma&amp;ke</source>
        <translation>Erzeu&amp;gen</translation>
    </message>
    <message>
        <source>Cle&amp;ar</source>
        <translation>En&amp;tfernen</translation>
    </message>
    <message>
        <source>Clear Menu Picture</source>
        <translation>Menübild entfernen</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Select one Gp2 circuit first.</source>
        <translation>Wählen Sie zuerst eine Gp2-Strecke.</translation>
    </message>
    <message>
        <source>Do you realy want to replace &apos;%1&apos; ?</source>
        <translation>Möchten Sie &apos;%1&apos; wirklich ersetzen?</translation>
    </message>
    <message>
        <source>gp2hipic wrote no picture to %1</source>
        <translation>gp2hipic hat kein Bild nach %1 geschrieben</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The menu picture was not imported.</source>
        <translation>Das Menübild wurde nicht importiert.</translation>
    </message>
    <message>
        <source>Menu picture selection</source>
        <translation>Menübild-Auswahl</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Defrag f1pcsvga.bin... </source>
        <translation>f1pcsvga.bin wird defragmentiert... </translation>
    </message>
    <message>
        <source>f1pcsvga.bin was not defragmented.</source>
        <translation>f1pcsvga.bin wurde nicht defragmentiert.</translation>
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
        <translation>--&gt; &amp;Wechseln</translation>
    </message>
    <message>
        <source>Change Track</source>
        <translation>Strecke wechseln</translation>
    </message>
    <message>
        <source>Resca&amp;n</source>
        <translation>&amp;Neu einlesen</translation>
    </message>
    <message>
        <source>Import circuits from Gp2</source>
        <translation>Strecken aus Gp2 importieren</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>View Pack</source>
        <translation>Pack ansehen</translation>
    </message>
    <message>
        <source>Save Pack</source>
        <translation>Pack speichern</translation>
    </message>
    <message>
        <source>Delete Track Pack</source>
        <translation>Track Pack löschen</translation>
    </message>
    <message>
        <source>Export pack…</source>
        <translation>Pack exportieren…</translation>
    </message>
    <message>
        <source>Import pack…</source>
        <translation>Pack importieren…</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; already exists, overwrite?</source>
        <translation>Das Track Pack &apos;%1&apos; gibt es schon. Überschreiben?</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>%1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>These circuits couldn&apos;t be copied into the pack:</source>
        <translation>Diese Strecken konnten nicht ins Pack kopiert werden:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file that could not be copied, then why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 saved in %2.</source>
        <extracomment>&quot;3 slot files were saved in &lt;folder&gt;.&quot;</extracomment>
        <translation>%1 in %2 gespeichert.</translation>
    </message>
    <message>
        <source>slot file was</source>
        <extracomment>Counted in &quot;3 slot files were saved in …&quot;, after the number.</extracomment>
        <translation>Slot-Datei wurde</translation>
    </message>
    <message>
        <source>slot files were</source>
        <translation>Slot-Dateien wurden</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was saved.</source>
        <translation>Das Track Pack &apos;%1&apos; wurde gespeichert.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not saved completely.</source>
        <translation>Das Track Pack &apos;%1&apos; wurde nicht vollständig gespeichert.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not found:</source>
        <translation>Das Track Pack &apos;%1&apos; wurde nicht gefunden:</translation>
    </message>
    <message>
        <source>These slots were left as they were: the pack lacks their circuits. </source>
        <translation>Diese Slots blieben, wie sie waren: dem Pack fehlen ihre Strecken. </translation>
    </message>
    <message>
        <source>Track Pack &apos;%1&apos;: %2.</source>
        <translation>Track Pack &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>These slots were left as they were: their files are missing from the pack.</source>
        <translation>Diese Slots blieben, wie sie waren: ihre Dateien fehlen im Pack.</translation>
    </message>
    <message>
        <source>Slot %1: %2 is missing</source>
        <translation>Slot %1: %2 fehlt</translation>
    </message>
    <message>
        <source>These slots were left as they were: their files couldn&apos;t be copied.</source>
        <translation>Diese Slots blieben, wie sie waren: ihre Dateien konnten nicht kopiert werden.</translation>
    </message>
    <message>
        <source>Slot %1: %2: %3</source>
        <translation>Slot %1: %2: %3</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; is not complete.</source>
        <translation>Das Track Pack &apos;%1&apos; ist nicht vollständig.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the &apos;%1&apos; Track Pack from your disk ?</source>
        <translation>Möchten Sie das Track Pack &apos;%1&apos; wirklich von der Festplatte löschen?</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not deleted completely.</source>
        <translation>Das Track Pack &apos;%1&apos; wurde nicht vollständig gelöscht.</translation>
    </message>
    <message>
        <source>These files couldn&apos;t be deleted:</source>
        <translation>Diese Dateien konnten nicht gelöscht werden:</translation>
    </message>
    <message>
        <source>Choose a saved Track Pack to export.</source>
        <translation>Wählen Sie ein gespeichertes Track Pack zum Exportieren.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; already exists, replace it?</source>
        <translation>Das Track Pack &apos;%1&apos; gibt es schon. Ersetzen?</translation>
    </message>
    <message>
        <source>Select an available circuit first.</source>
        <translation>Wählen Sie zuerst eine verfügbare Strecke.</translation>
    </message>
    <message>
        <source>Select a slot first.</source>
        <translation>Wählen Sie zuerst einen Slot.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
</context>
<context>
    <name>pistaro::PictureView</name>
    <message>
        <source>Picture View</source>
        <translation>Bildansicht</translation>
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
        <translation>Rekordstatus</translation>
    </message>
    <message>
        <source>Reading Gp2Lap.Log...</source>
        <translation>Gp2Lap.Log wird gelesen...</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Gp2Lap.Log read.</source>
        <translation>Gp2Lap.Log gelesen.</translation>
    </message>
    <message>
        <source>%1 set.</source>
        <extracomment>&quot;1 record set.&quot; or &quot;3 records set.&quot; in the Record Status window.</extracomment>
        <translation>%1 aufgestellt.</translation>
    </message>
    <message>
        <source>record</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>records</source>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>%1 read, %2</source>
        <extracomment>&quot;3 lap times read, 2 records set.&quot; in the Record Status window.</extracomment>
        <translation>%1 gelesen, %2</translation>
    </message>
    <message>
        <source>lap time</source>
        <translation>Rundenzeit</translation>
    </message>
    <message>
        <source>lap times</source>
        <translation>Rundenzeiten</translation>
    </message>
</context>
<context>
    <name>pistaro::SetupDialog</name>
    <message>
        <source>Pistaro Setup</source>
        <translation>Pistaro einrichten</translation>
    </message>
    <message>
        <source>Gp2 Directory:</source>
        <translation>Gp2-Ordner:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>Browse Gp2 Directory</source>
        <translation>Gp2-Ordner suchen</translation>
    </message>
    <message>
        <source>Gp2 Version:</source>
        <translation>Gp2-Version:</translation>
    </message>
    <message>
        <source>&amp;Use Gp2Lap</source>
        <translation>Gp2Lap &amp;nutzen</translation>
    </message>
    <message>
        <source> Log File</source>
        <translation> Log-Datei</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Use &amp;Quick update when exporting maps</source>
        <translation>&amp;Schnellaktualisierung beim Export der Strecken</translation>
    </message>
    <message>
        <source>Car Setup &amp;Management</source>
        <translation>Setup-Ver&amp;waltung</translation>
    </message>
    <message>
        <source>DOS emulator</source>
        <translation>DOS-Emulator</translation>
    </message>
    <message>
        <source>CPU c&amp;ycles</source>
        <translation>CPU-&amp;Zyklen</translation>
    </message>
    <message>
        <source>Run the game &amp;full screen</source>
        <translation>Spiel im &amp;Vollbild starten</translation>
    </message>
    <message>
        <source>CD &amp;image</source>
        <translation>CD-A&amp;bbild</translation>
    </message>
    <message>
        <source>The game&apos;s CD as an image (.cue or .iso), mounted as D:</source>
        <translation>Die CD des Spiels als Abbild (.cue oder .iso), eingebunden als D:</translation>
    </message>
    <message>
        <source>C&amp;hoose</source>
        <translation>Wä&amp;hlen</translation>
    </message>
    <message>
        <source>Changes kept in the history</source>
        <translation>Im Verlauf behaltene Änderungen</translation>
    </message>
    <message>
        <source>Size of the backups at most</source>
        <translation>Größe der Sicherungen höchstens</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Select your Gp2 directory: </source>
        <translation>Wählen Sie Ihren Gp2-Ordner: </translation>
    </message>
    <message>
        <source>Select the GP2 CD image</source>
        <translation>GP2-CD-Abbild wählen</translation>
    </message>
    <message>
        <source>CD images|*.cue;*.iso|All files|*</source>
        <extracomment>A file dialog filter: translate the names, keep the &quot;|&quot; and the patterns.</extracomment>
        <translation>CD-Abbilder|*.cue;*.iso|Alle Dateien|*</translation>
    </message>
    <message>
        <source>As DOSBox reads it: max, auto, fixed 30000, or a number such as 30000</source>
        <translation>Wie DOSBox es liest: max, auto, fixed 30000 oder eine Zahl wie 30000</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Gp2Lap.exe is not in the game folder: the game starts without the lap timer.</source>
        <translation>Gp2Lap.exe ist nicht im Spielordner: das Spiel startet ohne den Rundenzähler.</translation>
    </message>
    <message>
        <source>CPU cycles: %1</source>
        <translation>CPU-Zyklen: %1</translation>
    </message>
</context>
<context>
    <name>pistaro::SetupTransfer</name>
    <message>
        <source>Import &amp;Setups</source>
        <translation>Setups &amp;importieren</translation>
    </message>
    <message>
        <source>Export Set&amp;ups</source>
        <translation>Setups e&amp;xportieren</translation>
    </message>
    <message>
        <source>car setup was</source>
        <extracomment>After a count: &quot;1 car setup was&quot; or &quot;3 car setups were&quot;.</extracomment>
        <translation>Fahrzeug-Setup wurde</translation>
    </message>
    <message>
        <source>car setups were</source>
        <translation>Fahrzeug-Setups wurden</translation>
    </message>
    <message>
        <source> stored in the lap time database, each with the track of its slot.</source>
        <translation> in der Rundenzeit-Datenbank gespeichert, jedes mit der Strecke seines Slots.</translation>
    </message>
    <message>
        <source>No slot holds a track of the lap time database: nothing was stored.</source>
        <translation>Kein Slot enthält eine Strecke der Rundenzeit-Datenbank: nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>Car setups imported.</source>
        <translation>Fahrzeug-Setups importiert.</translation>
    </message>
    <message>
        <source>Car setups not imported.</source>
        <translation>Fahrzeug-Setups nicht importiert.</translation>
    </message>
    <message>
        <source> written into %1.</source>
        <translation> in %1 geschrieben.</translation>
    </message>
    <message>
        <source>The lap time database holds no setup for the tracks in the slots: the game&apos;s setups were left as they were.</source>
        <translation>Die Rundenzeit-Datenbank hat kein Setup für die Strecken in den Slots: die Setups des Spiels blieben, wie sie waren.</translation>
    </message>
    <message>
        <source>Car setups exported.</source>
        <translation>Fahrzeug-Setups exportiert.</translation>
    </message>
    <message>
        <source>Car setups exported in part.</source>
        <translation>Fahrzeug-Setups teilweise exportiert.</translation>
    </message>
    <message>
        <source>Car setups not exported.</source>
        <translation>Fahrzeug-Setups nicht exportiert.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Importing setups from GP2</source>
        <translation>Setups werden aus GP2 importiert</translation>
    </message>
    <message>
        <source>None of the setups could be stored in the database: %1</source>
        <translation>Keines der Setups konnte in der Datenbank gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The backup of the game files could not be written: %1</source>
        <translation>Die Sicherung der Spieldateien konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Exporting setups to GP2</source>
        <translation>Setups werden nach GP2 exportiert</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Slot %1: %2</translation>
    </message>
    <message>
        <source>The checksum of %1 was not repaired: sumfix could not be started</source>
        <translation>Die Prüfsumme von %1 wurde nicht repariert: sumfix konnte nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>pistaro::SlotList</name>
    <message>
        <source>1 slot is not exported yet. Export it now?</source>
        <translation>1 Slot ist noch nicht exportiert. Jetzt exportieren?</translation>
    </message>
    <message>
        <source>%1 slots are not exported yet. Export them now?</source>
        <translation>%1 Slots sind noch nicht exportiert. Jetzt exportieren?</translation>
    </message>
</context>
<context>
    <name>pistaro::StatusWindow</name>
    <message>
        <source>End the program Pistaro waits for</source>
        <translation>Das Programm beenden, auf das Pistaro wartet</translation>
    </message>
    <message>
        <source>Stop after the step under way; what is done stays</source>
        <translation>Nach dem laufenden Schritt anhalten; Erledigtes bleibt</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Stop %1</source>
        <translation>%1 &amp;stoppen</translation>
    </message>
</context>
<context>
    <name>pistaro::Textures</name>
    <message>
        <source>Check &amp;Jams</source>
        <translation>&amp;Jams prüfen</translation>
    </message>
    <message>
        <source>Check that the textures the circuit needs are in the game</source>
        <translation>Prüfen, ob die Texturen, die die Strecke braucht, im Spiel sind</translation>
    </message>
    <message>
        <source>Select a circuit first.</source>
        <translation>Wählen Sie zuerst eine Strecke.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1.</source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>All %1 jam files used by %2 exists on your system.</source>
        <translation>Alle %1 Jam-Dateien, die %2 verwendet, sind auf Ihrem System vorhanden.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find these jam files: </source>
        <translation>Diese Jam-Dateien wurden nicht gefunden: </translation>
    </message>
    <message>
        <source>%1 not copied to %2: that place is outside the game folder</source>
        <translation>%1 nicht nach %2 kopiert: dieser Ort liegt außerhalb des Spielordners</translation>
    </message>
    <message>
        <source>%1 copied to %2</source>
        <translation>%1 nach %2 kopiert</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be copied to %2: %3</source>
        <translation>%1 konnte nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <source>%1 more texture copies skipped: the texture list names more than %2 places</source>
        <translation>%1 weitere Texturkopien übersprungen: die Texturliste nennt mehr als %2 Orte</translation>
    </message>
</context>
<context>
    <name>pistaro::TrackInfoPanel</name>
    <message>
        <source>Track Info</source>
        <translation>Streckeninfo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Event:</source>
        <translation>Event:</translation>
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
        <translation>Beschr.:</translation>
    </message>
    <message>
        <source>Laps:</source>
        <translation>Runden:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Slot:</translation>
    </message>
    <message>
        <source>Tyre:</source>
        <translation>Reifen:</translation>
    </message>
    <message>
        <source>Original Gp2 Track</source>
        <translation>Original-Gp2-Strecke</translation>
    </message>
    <message>
        <source>Update Track Info</source>
        <translation>Streckeninfo aktualisieren</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Warm up</source>
        <translation>Warm-up</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Qualifying</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Rennen</translation>
    </message>
    <message>
        <source>This value is too long to store in the track file.</source>
        <translation>Dieser Wert ist zu lang für die Streckendatei.</translation>
    </message>
    <message>
        <source>At most %1 characters fit in this field; nothing was changed.</source>
        <translation>Höchstens %1 Zeichen passen in dieses Feld; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Type the whole time as m:ss.mmm, for example 1:23.456. This one is not stored yet.</source>
        <translation>Geben Sie die ganze Zeit als m:ss.mmm ein, zum Beispiel 1:23.456. Diese ist noch nicht gespeichert.</translation>
    </message>
    <message>
        <source>Save the changes to the track info of %1?</source>
        <translation>Änderungen an der Streckeninfo von %1 speichern?</translation>
    </message>
    <message>
        <source>The track file was not found:</source>
        <translation>Die Streckendatei wurde nicht gefunden:</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>The track file cannot be written:</source>
        <translation>Die Streckendatei kann nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>Its checksum could not be fixed: sumfix could not be started from %1: the checksum of %2 is stale, and the game will refuse the file until it is fixed.</source>
        <translation>Ihre Prüfsumme konnte nicht korrigiert werden: sumfix konnte nicht aus %1 gestartet werden: die Prüfsumme von %2 ist veraltet, und das Spiel lehnt die Datei ab, bis sie korrigiert ist.</translation>
    </message>
    <message>
        <source>Its row in the lap time database %1 could not be written: the database still holds the old track info.</source>
        <translation>Ihre Zeile in der Rundenzeit-Datenbank %1 konnte nicht geschrieben werden: die Datenbank enthält noch die alte Streckeninfo.</translation>
    </message>
    <message>
        <source>Track updated.</source>
        <translation>Strecke aktualisiert.</translation>
    </message>
    <message>
        <source>Track updated, but its checksum could not be fixed.</source>
        <translation>Strecke aktualisiert, aber ihre Prüfsumme konnte nicht korrigiert werden.</translation>
    </message>
    <message>
        <source>sumfix could not be started from %1: the checksum of %2 is stale, and the game will refuse the file until it is fixed.</source>
        <translation>sumfix konnte nicht aus %1 gestartet werden: die Prüfsumme von %2 ist veraltet, und das Spiel lehnt die Datei ab, bis sie korrigiert ist.</translation>
    </message>
    <message>
        <source>Track updated, but not completely.</source>
        <translation>Strecke aktualisiert, aber nicht vollständig.</translation>
    </message>
    <message>
        <source>Created by Track Editor</source>
        <translation>Erstellt mit Track Editor</translation>
    </message>
    <message>
        <source>File not recognized.</source>
        <translation>Datei nicht erkannt.</translation>
    </message>
</context>
<context>
    <name>pistaro::WaitingBar</name>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>End the program Pistaro waits for</source>
        <translation>Das Programm beenden, auf das Pistaro wartet</translation>
    </message>
    <message>
        <source>Waiting for %1 to end...</source>
        <translation>Warten auf das Ende von %1...</translation>
    </message>
</context>
<context>
    <name>program</name>
    <message>
        <source>Pistaro cannot keep its files: %1.</source>
        <translation>Pistaro kann seine Dateien nicht behalten: %1.</translation>
    </message>
    <message>
        <source>no folder for them</source>
        <translation>kein Ordner dafür</translation>
    </message>
</context>
<context>
    <name>replacefile</name>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>links cannot be made here</source>
        <translation>Links können hier nicht erstellt werden</translation>
    </message>
    <message>
        <source>cannot rename %1</source>
        <translation>%1 kann nicht umbenannt werden</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>sharedpack</name>
    <message>
        <source>the file name is empty</source>
        <translation>der Dateiname ist leer</translation>
    </message>
    <message>
        <source>the file name is longer than %1 characters</source>
        <translation>der Dateiname ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>the file name &quot;%1&quot; is a path, not a plain file name</source>
        <translation>der Dateiname &quot;%1&quot; ist ein Pfad, kein einfacher Dateiname</translation>
    </message>
    <message>
        <source>The file is larger than %1 KB; a pack file is a few KB at most.</source>
        <translation>Die Datei ist größer als %1 KB; eine Pack-Datei hat höchstens ein paar KB.</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text</source>
        <translation>die Zeile ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>the line holds a control character (U+%1): this is no text file</source>
        <translation>die Zeile enthält ein Steuerzeichen (U+%1): dies ist keine Textdatei</translation>
    </message>
    <message>
        <source>&quot;pack&quot;, a tab and the pack&apos;s name were expected</source>
        <translation>erwartet wurden &quot;pack&quot;, ein Tab und der Name des Packs</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can&apos;t be a Track Pack name</source>
        <translation>&quot;%1&quot; kann kein Track-Pack-Name sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can&apos;t be a Track Pack name: it is longer than a folder name may be</source>
        <translation>&quot;%1&quot; kann kein Track-Pack-Name sein: er ist länger, als ein Ordnername sein darf</translation>
    </message>
    <message>
        <source>a slot line has 5 fields separated by tabs (slot, file, track, length, SHA-256); this one has %1</source>
        <translation>eine Slot-Zeile hat 5 durch Tabs getrennte Felder (Slot, Datei, Strecke, Länge, SHA-256); diese hat %1</translation>
    </message>
    <message>
        <source>the slot &quot;%1&quot; is not a number from 1 to 16</source>
        <translation>der Slot &quot;%1&quot; ist keine Zahl von 1 bis 16</translation>
    </message>
    <message>
        <source>slot %1 is named twice</source>
        <translation>Slot %1 wird zweimal genannt</translation>
    </message>
    <message>
        <source>the track name is longer than %1 characters</source>
        <translation>der Streckenname ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>the length &quot;%1&quot; is not a number of bytes from 1 to %2</source>
        <translation>die Länge &quot;%1&quot; ist keine Byte-Zahl von 1 bis %2</translation>
    </message>
    <message>
        <source>the SHA-256 &quot;%1&quot; is not 64 hexadecimal digits</source>
        <translation>der SHA-256 &quot;%1&quot; besteht nicht aus 64 Hexadezimalziffern</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the pack&apos;s name is missing</source>
        <translation>der Name des Packs fehlt</translation>
    </message>
    <message>
        <source>the file names no slot</source>
        <translation>die Datei nennt keinen Slot</translation>
    </message>
    <message>
        <source>the tags are of slot &quot;%1&quot;, which no line above names</source>
        <translation>die Tags gehören zu Slot &quot;%1&quot;, den keine Zeile darüber nennt</translation>
    </message>
    <message>
        <source>the tags of slot %1 are given twice</source>
        <translation>die Tags von Slot %1 sind zweimal angegeben</translation>
    </message>
    <message>
        <source>a circuit holds at most %1 tags</source>
        <translation>eine Strecke hat höchstens %1 Tags</translation>
    </message>
    <message>
        <source>this is not a Pistaro track pack file (its first line must be &quot;%1&quot;, a tab and the version)</source>
        <translation>dies ist keine Track-Pack-Datei von Pistaro (die erste Zeile muss &quot;%1&quot;, ein Tab und die Version sein)</translation>
    </message>
    <message>
        <source>the version &quot;%1&quot; of the pack file is not known (version %2 is)</source>
        <translation>die Version &quot;%1&quot; der Pack-Datei ist unbekannt (bekannt ist Version %2)</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Zeile %1: %2.</translation>
    </message>
</context>
<context>
    <name>statefile</name>
    <message>
        <source>no setup slot %1</source>
        <translation>kein Setup-Slot %1</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>%1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>%1 is too short to hold the car setups (%2 bytes)</source>
        <translation>%1 ist zu kurz für die Fahrzeug-Setups (%2 Bytes)</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ist nicht lesbar</translation>
    </message>
    <message>
        <source>%1 ended inside the car setups</source>
        <translation>%1 endet innerhalb der Fahrzeug-Setups</translation>
    </message>
    <message>
        <source>the stored setup holds %1 bytes instead of %2</source>
        <translation>das gespeicherte Setup hat %1 Bytes statt %2</translation>
    </message>
</context>
<context>
    <name>tablecsv</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>. Nothing was exported.</source>
        <translation>. Nichts wurde exportiert.</translation>
    </message>
    <message>
        <source>1 row was exported to %1.</source>
        <translation>1 Zeile wurde nach %1 exportiert.</translation>
    </message>
    <message>
        <source>%1 rows were exported to %2.</source>
        <translation>%1 Zeilen wurden nach %2 exportiert.</translation>
    </message>
</context>
<context>
    <name>tagstore</name>
    <message>
        <source>a tag cannot be blank</source>
        <translation>ein Tag darf nicht leer sein</translation>
    </message>
    <message>
        <source>a tag holds at most %1 characters</source>
        <translation>ein Tag hat höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>a tag cannot hold a control character</source>
        <translation>ein Tag darf kein Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>a comma separates tags</source>
        <translation>ein Komma trennt Tags</translation>
    </message>
    <message>
        <source>it is a link, and the tags are not written through a link</source>
        <translation>es ist ein Link, und die Tags werden nicht über einen Link geschrieben</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>The tag store %1 cannot be used (%2) and could not be moved aside; tags are not kept in this run.</source>
        <translation>Der Tag-Speicher %1 ist nicht verwendbar (%2) und konnte nicht beiseitegelegt werden; Tags werden in diesem Lauf nicht gespeichert.</translation>
    </message>
    <message>
        <source>The tag store %1 could not be used: %2. It was kept as %3, and a new, empty tag store was begun.</source>
        <translation>Der Tag-Speicher %1 war nicht verwendbar: %2. Er wurde als %3 behalten, und ein neuer, leerer Tag-Speicher wurde begonnen.</translation>
    </message>
    <message>
        <source>it is a database of another program</source>
        <translation>es ist eine Datenbank eines anderen Programms</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>es ist beschädigt</translation>
    </message>
    <message>
        <source>The tag store %1 cannot be opened (%2); tags are not kept in this run.</source>
        <translation>Der Tag-Speicher %1 kann nicht geöffnet werden (%2); Tags werden in diesem Lauf nicht gespeichert.</translation>
    </message>
    <message>
        <source>it is not a database</source>
        <translation>es ist keine Datenbank</translation>
    </message>
    <message>
        <source>The tag store %1 cannot be used; tags are not kept in this run.</source>
        <translation>Der Tag-Speicher %1 ist nicht verwendbar; Tags werden in diesem Lauf nicht gespeichert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken as a tag: %2.</source>
        <translation>&quot;%1&quot; wird nicht als Tag übernommen: %2.</translation>
    </message>
    <message>
        <source>A circuit holds at most %1 tags; no tag was changed.</source>
        <translation>Eine Strecke hat höchstens %1 Tags; kein Tag wurde geändert.</translation>
    </message>
    <message>
        <source>The tags could not be stored: %1</source>
        <translation>Die Tags konnten nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>version</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
</TS>
