<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CatalogueCheck</name>
    <message>
        <source>table %1</source>
        <translation>tabel %1</translation>
    </message>
    <message>
        <source>%1 is a %2, not a table</source>
        <translation>%1 is een %2, geen tabel</translation>
    </message>
    <message>
        <source>field %1.%2</source>
        <translation>veld %1.%2</translation>
    </message>
    <message>
        <source>index %1.%2 is over %3, not %4</source>
        <translation>index %1.%2 staat op %3, niet op %4</translation>
    </message>
    <message>
        <source>index %1.%2 is not unique</source>
        <translation>index %1.%2 is niet uniek</translation>
    </message>
    <message>
        <source>index %1.%2</source>
        <translation>index %1.%2</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>No game folder given, and none is stored: pso --check &lt;game folder&gt;.</source>
        <translation>Geen spelmap opgegeven en geen opgeslagen: pso --check &lt;spelmap&gt;.</translation>
    </message>
</context>
<context>
    <name>ControlTips</name>
    <message>
        <source>Read the circuit files of the Circuits folder again</source>
        <translation>De circuitbestanden van de map Circuits opnieuw inlezen</translation>
    </message>
    <message>
        <source>Select a circuit and a slot first</source>
        <translation>Kies eerst een circuit en een slot</translation>
    </message>
    <message>
        <source>Choose a saved Track Pack first</source>
        <translation>Kies eerst een opgeslagen trackpack</translation>
    </message>
    <message>
        <source>Select a circuit first</source>
        <translation>Kies eerst een circuit</translation>
    </message>
    <message>
        <source>Select an add-on circuit first: the game&apos;s own circuits are not changed</source>
        <translation>Kies eerst een extra circuit: de eigen circuits van het spel worden niet gewijzigd</translation>
    </message>
    <message>
        <source>Not needed: the track info is read when a circuit is selected</source>
        <translation>Niet nodig: de circuitinfo wordt gelezen als een circuit gekozen wordt</translation>
    </message>
    <message>
        <source>The standard database and the one opened at start-up cannot be deleted</source>
        <translation>De standaarddatabase en de bij het starten geopende database kunnen niet worden verwijderd</translation>
    </message>
    <message>
        <source>Not needed: every change is saved as it is made</source>
        <translation>Niet nodig: elke wijziging wordt meteen opgeslagen</translation>
    </message>
    <message>
        <source>Select a slot first: menu pictures are imported from the game&apos;s slots</source>
        <translation>Kies eerst een slot: menuafbeeldingen worden uit de slots van het spel geïmporteerd</translation>
    </message>
</context>
<context>
    <name>DosCommands</name>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>Kan %1 niet starten: %2</translation>
    </message>
    <message>
        <source>a percent sign (%), which the DOS emulator reads as a variable</source>
        <extracomment>What a folder or argument holds, after &quot;… holds &quot;.</extracomment>
        <translation>een procentteken (%), dat de DOS-emulator als variabele leest</translation>
    </message>
    <message>
        <source>a line break or another control character, which the DOS emulator reads as the end of a command</source>
        <extracomment>What a folder or argument holds, after &quot;… holds &quot;.</extracomment>
        <translation>een regeleinde of ander stuurteken, dat de DOS-emulator als einde van een opdracht leest</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; has no DOS (8.3) form</source>
        <translation>de naam &quot;%1&quot; heeft geen DOS-vorm (8.3)</translation>
    </message>
    <message>
        <source>a double quote</source>
        <extracomment>What a folder holds, after &quot;… holds &quot;.</extracomment>
        <translation>een dubbel aanhalingsteken</translation>
    </message>
    <message>
        <source>the CD image %1 holds %2</source>
        <translation>de CD-image %1 bevat %2</translation>
    </message>
    <message>
        <source>the folder %1 holds %2</source>
        <translation>de map %1 bevat %2</translation>
    </message>
    <message>
        <source>its path &quot;%1&quot; holds %2</source>
        <translation>het pad &quot;%1&quot; bevat %2</translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; holds %2</source>
        <translation>het argument &quot;%1&quot; bevat %2</translation>
    </message>
    <message>
        <source>its arguments are longer than DOS allows</source>
        <translation>de argumenten zijn langer dan DOS toestaat</translation>
    </message>
    <message>
        <source>DOSBox reads a line that starts with # as a remark</source>
        <translation>DOSBox leest een regel die met # begint als opmerking</translation>
    </message>
</context>
<context>
    <name>ExeCmd</name>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>Kan %1 niet starten: %2</translation>
    </message>
    <message>
        <source>%1 is a DOS program: install DOSBox (for example with &quot;apt install dosbox&quot;) or name an emulator in File &gt; Setup Pistaro.</source>
        <translation>%1 is een DOS-programma: installeer DOSBox (bijvoorbeeld met &quot;apt install dosbox&quot;) of geef een emulator op in Bestand &gt; Pistaro instellen.</translation>
    </message>
    <message>
        <source>no program folder for its DOSBox settings</source>
        <translation>geen programmamap voor de DOSBox-instellingen</translation>
    </message>
    <message>
        <source>its DOSBox settings could not be written to %1: %2</source>
        <translation>de DOSBox-instellingen konden niet naar %1 worden geschreven: %2</translation>
    </message>
    <message>
        <source>%1 is a Windows program: install Wine (for example with &quot;apt install wine&quot;).</source>
        <translation>%1 is een Windows-programma: installeer Wine (bijvoorbeeld met &quot;apt install wine&quot;).</translation>
    </message>
    <message>
        <source>the DOS program it names is not there</source>
        <translation>het DOS-programma dat het noemt ontbreekt</translation>
    </message>
    <message>
        <source>not a program this system can run</source>
        <translation>geen programma dat dit systeem kan uitvoeren</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>dat bestand bestaat niet</translation>
    </message>
    <message>
        <source>%1 was stopped</source>
        <translation>%1 is gestopt</translation>
    </message>
    <message>
        <source>%1 stopped abnormally</source>
        <translation>%1 is abnormaal gestopt</translation>
    </message>
    <message>
        <source>%1 failed (exit status %2)</source>
        <translation>%1 is mislukt (afsluitstatus %2)</translation>
    </message>
    <message>
        <source>%1 stopped abnormally: %2 crashed</source>
        <translation>%1 is abnormaal gestopt: %2 is gecrasht</translation>
    </message>
    <message>
        <source>%1 could not be run: %2 ended with exit status %3</source>
        <translation>%1 kon niet worden uitgevoerd: %2 eindigde met afsluitstatus %3</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>The name is empty.</source>
        <translation>De naam is leeg.</translation>
    </message>
    <message>
        <source>%1 is the name of a game slot file.</source>
        <translation>%1 is de naam van een slotbestand van het spel.</translation>
    </message>
    <message>
        <source>%1 is no plain file name: it can&apos;t hold \, /, : or ..</source>
        <translation>%1 is geen gewone bestandsnaam: er mag geen \, /, : of .. in staan</translation>
    </message>
</context>
<context>
    <name>LapHistory</name>
    <message>
        <source>Warm up</source>
        <translation>Warming-up</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Kwalificatie</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Race</translation>
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
        <translation>Sessie</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Previous Best</source>
        <translation>Vorige beste</translation>
    </message>
    <message>
        <source>Improvement</source>
        <translation>Verbetering</translation>
    </message>
</context>
<context>
    <name>LapTimeTable</name>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Warm up time</source>
        <translation>Warming-uptijd</translation>
    </message>
    <message>
        <source>Practice Time</source>
        <translation>Trainingstijd</translation>
    </message>
    <message>
        <source>Qualifying Time</source>
        <translation>Kwalificatietijd</translation>
    </message>
    <message>
        <source>Race Time</source>
        <translation>Racetijd</translation>
    </message>
</context>
<context>
    <name>MakeDatabase</name>
    <message>
        <source>Arquivo não encontrado !</source>
        <translation>Bestand niet gevonden!</translation>
    </message>
    <message>
        <source>Arquivo está em uso. Feche todos os programas e tente novamente !</source>
        <translation>Bestand is in gebruik. Sluit alle programma&apos;s en probeer het opnieuw!</translation>
    </message>
    <message>
        <source>Database is in use.</source>
        <translation>Database is in gebruik.</translation>
    </message>
    <message>
        <source>ERROR : %1 - %2</source>
        <translation>FOUT: %1 - %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>Database %1 has layout version %2, made by a newer Pistaro; this one knows versions up to %3. The database was not opened and is left as it is.</source>
        <translation>Database %1 heeft indelingsversie %2, gemaakt door een nieuwere Pistaro; deze kent versies tot en met %3. De database is niet geopend en blijft zoals hij is.</translation>
    </message>
    <message>
        <source>Updating original tracks info...</source>
        <translation>Info van originele circuits bijwerken...</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Klaar.</translation>
    </message>
    <message>
        <source>Updating maps info...</source>
        <translation>Info van circuits bijwerken...</translation>
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
        <translation>Trackpackbestanden</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle bestanden</translation>
    </message>
    <message>
        <source>Reading circuits: %1 of %2</source>
        <translation>Circuits inlezen: %1 van %2</translation>
    </message>
    <message>
        <source>These names in the circuits folder are no regular file (a pipe, a device or a socket) and were not read:</source>
        <translation>Deze namen in de circuitmap zijn geen gewoon bestand (een pipe, een apparaat of een socket) en zijn niet gelezen:</translation>
    </message>
    <message>
        <source>Slot %1: %2 (%3)</source>
        <translation>Slot %1: %2 (%3)</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not found:</source>
        <translation>De trackpack &apos;%1&apos; is niet gevonden:</translation>
    </message>
    <message>
        <source>Export pack</source>
        <translation>Pack exporteren</translation>
    </message>
    <message>
        <source>These slots are missing from the pack, or could not be read, and were left out:</source>
        <translation>Deze slots ontbreken in de pack of konden niet worden gelezen, en zijn weggelaten:</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Slot %1: %2</translation>
    </message>
    <message>
        <source>These slots hold no circuit and were left out:</source>
        <translation>Deze slots bevatten geen circuit en zijn weggelaten:</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; holds no circuit to export.</source>
        <translation>De trackpack &apos;%1&apos; bevat geen circuit om te exporteren.</translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation>%1 geschreven naar %2.</translation>
    </message>
    <message>
        <source>slot was</source>
        <translation>slot is</translation>
    </message>
    <message>
        <source>slots were</source>
        <translation>slots zijn</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was exported.</source>
        <translation>De trackpack &apos;%1&apos; is geëxporteerd.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was exported in part.</source>
        <translation>De trackpack &apos;%1&apos; is deels geëxporteerd.</translation>
    </message>
    <message>
        <source>Import pack</source>
        <translation>Pack importeren</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a pipe, a device or a folder, or gone). Nothing was changed.</source>
        <translation>%1 is geen gewoon bestand (een pipe, een apparaat of een map, of verdwenen). Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be read: %2</source>
        <translation>%1 kon niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>%1 is not a track pack file Pistaro can read. Nothing was changed.</source>
        <translation>%1 is geen trackpackbestand dat Pistaro kan lezen. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>None of the circuits of the Track Pack &apos;%1&apos; is in your collection. Nothing was changed.</source>
        <translation>Geen van de circuits van de trackpack &apos;%1&apos; zit in je verzameling. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>These circuits are not in your collection; their slots are left empty, and the pack remembers them. </source>
        <translation>Deze circuits zitten niet in je verzameling; hun slots blijven leeg en de pack onthoudt ze. </translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>%1 kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>%1 (of the older pack) couldn&apos;t be deleted.</source>
        <translation>%1 (van de oudere pack) kon niet worden verwijderd.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be copied into the pack: %2</source>
        <translation>%1 kon niet in de pack worden gekopieerd: %2</translation>
    </message>
    <message>
        <source>The pack could not remember the circuits it lacks: %1</source>
        <translation>De pack kon de ontbrekende circuits niet onthouden: %1</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not imported: %2</source>
        <translation>De trackpack &apos;%1&apos; is niet geïmporteerd: %2</translation>
    </message>
    <message>
        <source>The pack is left as it was.</source>
        <translation>De pack is gebleven zoals hij was.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was imported in part: %2</source>
        <translation>De trackpack &apos;%1&apos; is deels geïmporteerd: %2</translation>
    </message>
    <message>
        <source>Putting the pack back as it was failed too (%1). &quot;Restore last change&quot; puts it back once the cause is removed.</source>
        <translation>Ook het terugzetten van de pack is mislukt (%1). &quot;Laatste wijziging herstellen&quot; zet hem terug zodra de oorzaak is verholpen.</translation>
    </message>
    <message>
        <source>%1 found and copied into %2.</source>
        <translation>%1 gevonden en gekopieerd naar %2.</translation>
    </message>
    <message>
        <source>circuit was</source>
        <translation>circuit is</translation>
    </message>
    <message>
        <source>circuits were</source>
        <translation>circuits zijn</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was imported.</source>
        <translation>De trackpack &apos;%1&apos; is geïmporteerd.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was imported in part.</source>
        <translation>De trackpack &apos;%1&apos; is deels geïmporteerd.</translation>
    </message>
    <message>
        <source>slot %1 took %2</source>
        <translation>slot %1 kreeg %2</translation>
    </message>
    <message>
        <source>slot %1 could not take %2: %3</source>
        <translation>slot %1 kon %2 niet krijgen: %3</translation>
    </message>
    <message>
        <source>%1 is complete: %2.</source>
        <extracomment>A pack that took circuits, then what it took: &quot;Season 98 is complete: slot 7 took …&quot;.</extracomment>
        <translation>%1 is compleet: %2.</translation>
    </message>
    <message>
        <source>%1: %2. It still lacks %3.</source>
        <translation>%1: %2. Nog ontbrekend: %3.</translation>
    </message>
    <message>
        <source>slot</source>
        <extracomment>Counted in &quot;… It still lacks 2 slots.&quot;, after the number.</extracomment>
        <translation>slot</translation>
    </message>
    <message>
        <source>slots</source>
        <translation>slots</translation>
    </message>
</context>
<context>
    <name>PictureButton</name>
    <message>
        <source>Database Table</source>
        <translation>Databasetabel</translation>
    </message>
    <message>
        <source>Create new database</source>
        <translation>Nieuwe database maken</translation>
    </message>
    <message>
        <source>Delete current database</source>
        <translation>Huidige database verwijderen</translation>
    </message>
</context>
<context>
    <name>ProgramFolders</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>kan de map %1 niet maken</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2</source>
        <translation>kan %1 niet naar %2 kopiëren</translation>
    </message>
</context>
<context>
    <name>ProgramLock</name>
    <message>
        <source>Pistaro cannot lock its program folder: %1 is no lock of a running Pistaro and could not be removed. Remove it and start Pistaro again.</source>
        <translation>Pistaro kan zijn programmamap niet vergrendelen: %1 is geen vergrendeling van een draaiende Pistaro en kon niet worden verwijderd. Verwijder het en start Pistaro opnieuw.</translation>
    </message>
    <message>
        <source>Pistaro is already running on %1. (process %2)</source>
        <translation>Pistaro draait al op %1. (proces %2)</translation>
    </message>
    <message>
        <source>Pistaro is already running on %1.</source>
        <translation>Pistaro draait al op %1.</translation>
    </message>
</context>
<context>
    <name>RestoreCommand</name>
    <message>
        <source>There is no change to restore.</source>
        <translation>Er is geen wijziging om te herstellen.</translation>
    </message>
    <message>
        <source> (its saved copy is damaged: not restored)</source>
        <translation> (de opgeslagen kopie is beschadigd: niet hersteld)</translation>
    </message>
    <message>
        <source> (removed: it was not there)</source>
        <translation> (verwijderd: het was er niet)</translation>
    </message>
    <message>
        <source>The backup of %1 on %2 is damaged: the saved copies of %3 of its files are damaged or missing. Restore the other files without them?</source>
        <translation>De back-up van %1 op %2 is beschadigd: de opgeslagen kopieën van %3 van de bestanden zijn beschadigd of ontbreken. De andere bestanden zonder deze herstellen?</translation>
    </message>
    <message>
        <source>Some game files could not be restored.</source>
        <translation>Sommige spelbestanden konden niet worden hersteld.</translation>
    </message>
    <message>
        <source>Game files restored, but for these, whose saved copies are damaged:</source>
        <translation>Spelbestanden hersteld, behalve deze, waarvan de opgeslagen kopieën beschadigd zijn:</translation>
    </message>
    <message>
        <source>Game files restored.</source>
        <translation>Spelbestanden hersteld.</translation>
    </message>
    <message>
        <source>Restore the game files as they were before %1 on %2?</source>
        <translation>De spelbestanden herstellen zoals ze waren vóór %1 op %2?</translation>
    </message>
</context>
<context>
    <name>SlotList</name>
    <message>
        <source>Waiting for Export: %1 goes into this slot.</source>
        <translation>Wacht op Exporteren: %1 komt in dit slot.</translation>
    </message>
    <message>
        <source>Waiting for Export: %1 goes into this slot, with its edited menu picture.</source>
        <translation>Wacht op Exporteren: %1 komt in dit slot, met de bewerkte menuafbeelding.</translation>
    </message>
    <message>
        <source>Waiting for Export: the slot&apos;s edited menu picture.</source>
        <translation>Wacht op Exporteren: de bewerkte menuafbeelding van het slot.</translation>
    </message>
</context>
<context>
    <name>StatusShown</name>
    <message>
        <source>Please wait...</source>
        <translation>Even geduld...</translation>
    </message>
</context>
<context>
    <name>archive</name>
    <message>
        <source>unknown error</source>
        <translation>onbekende fout</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>kan niet worden geschreven (%1)</translation>
    </message>
    <message>
        <source>damaged (%1)</source>
        <translation>beschadigd (%1)</translation>
    </message>
    <message>
        <source>damaged (shorter than its stated size)</source>
        <translation>beschadigd (korter dan de opgegeven grootte)</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>er staat een map met die naam in de weg</translation>
    </message>
    <message>
        <source>cannot replace the file there</source>
        <translation>kan het bestand daar niet vervangen</translation>
    </message>
    <message>
        <source>not an archive Pistaro can read (%1)</source>
        <translation>geen archief dat Pistaro kan lezen (%1)</translation>
    </message>
    <message>
        <source>the archive cannot be read past its first %1 entries (%2)</source>
        <translation>het archief kan niet worden gelezen na de eerste %1 items (%2)</translation>
    </message>
    <message>
        <source>the archive holds more than %1 entries</source>
        <translation>het archief bevat meer dan %1 items</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>het is een koppeling</translation>
    </message>
    <message>
        <source>it is no plain file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>its name cannot be read in the code page the archive says</source>
        <translation>de naam kan niet worden gelezen in de codetabel die het archief opgeeft</translation>
    </message>
    <message>
        <source>no usable file name</source>
        <translation>geen bruikbare bestandsnaam</translation>
    </message>
    <message>
        <source>it is encrypted</source>
        <translation>het is versleuteld</translation>
    </message>
    <message>
        <source>its file name is that of %1, which was kept</source>
        <translation>de bestandsnaam is die van %1, dat is behouden</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 bytes</source>
        <translation>het pakt uit tot meer dan %1 bytes</translation>
    </message>
    <message>
        <source>the archive unpacks to more than %1 bytes</source>
        <translation>het archief pakt uit tot meer dan %1 bytes</translation>
    </message>
    <message>
        <source>damaged (longer than its stated size)</source>
        <translation>beschadigd (langer dan de opgegeven grootte)</translation>
    </message>
    <message>
        <source>Nothing extracted: %1</source>
        <translation>Niets uitgepakt: %1</translation>
    </message>
    <message>
        <source>%1 not extracted: %2</source>
        <translation>%1 niet uitgepakt: %2</translation>
    </message>
    <message>
        <source>The rest was not extracted: %1</source>
        <translation>De rest is niet uitgepakt: %1</translation>
    </message>
    <message>
        <source>Archives (ZIP, 7z, RAR, LZH, tar)</source>
        <translation>Archieven (ZIP, 7z, RAR, LZH, tar)</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle bestanden</translation>
    </message>
    <message>
        <source>the scratch folder cannot take %1: %2</source>
        <translation>de werkmap kan %1 niet opnemen: %2</translation>
    </message>
</context>
<context>
    <name>artwork</name>
    <message>
        <source>circuits and lap times</source>
        <translation>circuits en rondetijden</translation>
    </message>
</context>
<context>
    <name>backedup</name>
    <message>
        <source>%1 was stopped before changing anything: %2</source>
        <translation>%1 is gestopt voordat er iets gewijzigd werd: %2</translation>
    </message>
    <message>
        <source>its backup cannot be read</source>
        <translation>de back-up ervan kan niet worden gelezen</translation>
    </message>
    <message>
        <source>Putting the game back as it was failed too (%1). &quot;Restore last change&quot; puts it back once the cause is removed.</source>
        <translation>Ook het terugzetten van het spel is mislukt (%1). &quot;Laatste wijziging herstellen&quot; zet het terug zodra de oorzaak is verholpen.</translation>
    </message>
</context>
<context>
    <name>binfile</name>
    <message>
        <source>Invalid file position %1 in %2</source>
        <translation>Ongeldige bestandspositie %1 in %2</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Bestand niet gevonden: %1</translation>
    </message>
    <message>
        <source>Not a file: %1</source>
        <translation>Geen bestand: %1</translation>
    </message>
</context>
<context>
    <name>cdimage</name>
    <message>
        <source>the CD image %1 is not there</source>
        <translation>de CD-image %1 ontbreekt</translation>
    </message>
    <message>
        <source>the CD image %1 is not a file</source>
        <translation>de CD-image %1 is geen bestand</translation>
    </message>
    <message>
        <source>the CD image %1 cannot be read: %2</source>
        <translation>de CD-image %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>the CD image %1 names %2, which is not there</source>
        <translation>de CD-image %1 noemt %2, dat ontbreekt</translation>
    </message>
    <message>
        <source>the CD image %1 names %2, which is not a file</source>
        <translation>de CD-image %1 noemt %2, dat geen bestand is</translation>
    </message>
    <message>
        <source>the CD image %1 names %2, which cannot be read: %3</source>
        <translation>de CD-image %1 noemt %2, dat niet kan worden gelezen: %3</translation>
    </message>
    <message>
        <source>the CD image %1 is not a cue sheet</source>
        <translation>de CD-image %1 is geen cue sheet</translation>
    </message>
    <message>
        <source>the CD image %1 names no track file</source>
        <translation>de CD-image %1 noemt geen trackbestand</translation>
    </message>
</context>
<context>
    <name>checksum</name>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>kan niet worden geopend</translation>
    </message>
    <message>
        <source>the file is shorter than its checksum</source>
        <translation>het bestand is korter dan zijn controlesom</translation>
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
        <translation>Origineel</translation>
    </message>
    <message>
        <source>The game&apos;s own slot file: what GP2 races in this slot. Export writes it; the circuit it holds is also in your collection.</source>
        <translation>Het eigen slotbestand van het spel: wat GP2 in dit slot rijdt. Exporteren schrijft het; het circuit dat het bevat zit ook in je verzameling.</translation>
    </message>
    <message>
        <source>A copy of one of the game&apos;s original circuits, kept under its track name by Pistaro&apos;s first start.</source>
        <translation>Een kopie van een van de originele circuits van het spel, bij de eerste start van Pistaro bewaard onder de circuitnaam.</translation>
    </message>
</context>
<context>
    <name>circuitquery</name>
    <message>
        <source>a quote is not closed</source>
        <translation>een aanhalingsteken is niet gesloten</translation>
    </message>
    <message>
        <source>nothing follows it to leave out</source>
        <translation>er volgt niets om weg te laten</translation>
    </message>
    <message>
        <source>nothing to look for</source>
        <translation>niets om naar te zoeken</translation>
    </message>
    <message>
        <source>no field is called &quot;%1&quot;</source>
        <translation>geen veld heet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a value is missing</source>
        <translation>er ontbreekt een waarde</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2</source>
        <translation>&quot;%1&quot; is geen %2</translation>
    </message>
    <message>
        <source>a time (m:ss.mmm)</source>
        <translation>tijd (m:ss.mmm)</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>getal</translation>
    </message>
    <message>
        <source>only laps, length and time compare with &lt; and &gt;</source>
        <translation>alleen laps, length en time vergelijken met &lt; en &gt;</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A term of the search the filter did not understand, then why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>and %1 more terms not understood</source>
        <translation>en nog %1 termen niet begrepen</translation>
    </message>
    <message>
        <source>%1 terms after the first %2: ignored</source>
        <translation>%1 termen na de eerste %2: genegeerd</translation>
    </message>
</context>
<context>
    <name>copyfailure</name>
    <message>
        <source>These slots were not changed: their files are read only. Change the file attributes and export again.</source>
        <translation>Deze slots zijn niet gewijzigd: hun bestanden zijn alleen-lezen. Wijzig de bestandskenmerken en exporteer opnieuw.</translation>
    </message>
    <message>
        <source>These slots were not changed: their files are in use. Close any other application and export again.</source>
        <translation>Deze slots zijn niet gewijzigd: hun bestanden zijn in gebruik. Sluit andere programma&apos;s en exporteer opnieuw.</translation>
    </message>
    <message>
        <source>These slots were not changed: their files could not be written.</source>
        <translation>Deze slots zijn niet gewijzigd: hun bestanden konden niet worden geschreven.</translation>
    </message>
</context>
<context>
    <name>dbnames</name>
    <message>
        <source>Database &apos;%1...&apos; is longer than a file name may be (255 bytes).</source>
        <translation>Database &apos;%1...&apos; is langer dan een bestandsnaam mag zijn (255 bytes).</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; must be a plain file name, without folders or &apos;..&apos;.</source>
        <translation>Database &apos;%1&apos; moet een gewone bestandsnaam zijn, zonder mappen of &apos;..&apos;.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; holds the menu pictures and cannot be a lap time database.</source>
        <translation>Database &apos;%1&apos; bevat de menuafbeeldingen en kan geen rondetijdendatabase zijn.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; holds the menu pictures and cannot be deleted.</source>
        <translation>Database &apos;%1&apos; bevat de menuafbeeldingen en kan niet worden verwijderd.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; is the standard database and cannot be deleted.</source>
        <translation>Database &apos;%1&apos; is de standaarddatabase en kan niet worden verwijderd.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; was opened at start-up and cannot be deleted.</source>
        <translation>Database &apos;%1&apos; is bij het starten geopend en kan niet worden verwijderd.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; is not in the list.</source>
        <translation>Database &apos;%1&apos; staat niet in de lijst.</translation>
    </message>
</context>
<context>
    <name>dbopen</name>
    <message>
        <source>Please wait, making database...</source>
        <translation>Even geduld, database wordt gemaakt...</translation>
    </message>
</context>
<context>
    <name>deffile</name>
    <message>
        <source>Line %1 of the definition file ends in a comma: %2</source>
        <translation>Regel %1 van het definitiebestand eindigt op een komma: %2</translation>
    </message>
</context>
<context>
    <name>dosboxconfig</name>
    <message>
        <source>could not remove the link %1</source>
        <translation>kon de koppeling %1 niet verwijderen</translation>
    </message>
</context>
<context>
    <name>emulators</name>
    <message>
        <source>Use max, auto, fixed and a number, or a number of cycles such as 30000.</source>
        <translation>Gebruik max, auto, fixed met een getal, of een aantal cycli zoals 30000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no number of cycles DOSBox takes: from 1 to %2.</source>
        <translation>&quot;%1&quot; is geen aantal cycli dat DOSBox aanneemt: van 1 tot %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no share DOSBox takes: from 1% to 100%.</source>
        <translation>&quot;%1&quot; is geen percentage dat DOSBox aanneemt: van 1% tot 100%.</translation>
    </message>
    <message>
        <source>&quot;limit&quot; needs a number of cycles after it, such as limit 50000.</source>
        <translation>Na &quot;limit&quot; moet een aantal cycli volgen, zoals limit 50000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not read by DOSBox there. %2</source>
        <translation>&quot;%1&quot; wordt daar niet door DOSBox gelezen. %2</translation>
    </message>
    <message>
        <source>Only letters, digits, blanks and % are read there. </source>
        <translation>Daar worden alleen letters, cijfers, spaties en % gelezen. </translation>
    </message>
    <message>
        <source>&quot;fixed&quot; takes one number of cycles after it, such as fixed 30000.</source>
        <translation>Na &quot;fixed&quot; volgt één aantal cycli, zoals fixed 30000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a DOSBox cycles setting. %2</source>
        <translation>&quot;%1&quot; is geen cycli-instelling van DOSBox. %2</translation>
    </message>
</context>
<context>
    <name>filetip</name>
    <message>
        <source>%1 - Version %2 - Size: %3 </source>
        <extracomment>A file&apos;s tool tip: its path, when it was changed, its size in bytes.</extracomment>
        <translation>%1 - Versie %2 - Grootte: %3 </translation>
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
        <translation>er staat een map op die plaats</translation>
    </message>
    <message>
        <source>its saved copy is damaged</source>
        <translation>de opgeslagen kopie is beschadigd</translation>
    </message>
    <message>
        <source>cannot make its folder</source>
        <translation>kan de map niet maken</translation>
    </message>
    <message>
        <source>cannot remove it</source>
        <translation>kan het niet verwijderen</translation>
    </message>
    <message>
        <source>cannot remove its mark</source>
        <translation>kan de markering niet verwijderen</translation>
    </message>
    <message>
        <source>%1 was stopped half-way and could not be undone: %2</source>
        <translation>%1 is halverwege gestopt en kon niet ongedaan worden gemaakt: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A change in the backups: the command that made it, then when (&quot;Install of 2024-05-01 …&quot;).</extracomment>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) cannot be put back: the game folder %3 is not there.</source>
        <translation>De back-up &quot;%1&quot; (%2) kan niet worden teruggezet: de spelmap %3 ontbreekt.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) belongs to the game folder %3, not to the one in use (%4): nothing was put back.</source>
        <translation>De back-up &quot;%1&quot; (%2) hoort bij de spelmap %3, niet bij de gebruikte (%4): er is niets teruggezet.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) names %3, which is not inside the game folder in use (%4): nothing was put back.</source>
        <translation>De back-up &quot;%1&quot; (%2) noemt %3, dat niet in de gebruikte spelmap (%4) ligt: er is niets teruggezet.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) was not put back: its copy of %3 is not a plain file of the backups folder.</source>
        <translation>De back-up &quot;%1&quot; (%2) is niet teruggezet: de kopie van %3 is geen gewoon bestand van de back-upmap.</translation>
    </message>
    <message>
        <source>%1 was put back already.</source>
        <translation>%1 is al teruggezet.</translation>
    </message>
    <message>
        <source>%1 was stopped half-way: it is finished or undone at the next start.</source>
        <translation>%1 is halverwege gestopt: het wordt bij de volgende start afgemaakt of ongedaan gemaakt.</translation>
    </message>
    <message>
        <source>%1 cannot be reverted: %2 changed the same files later. Revert that change first.</source>
        <translation>%1 kan niet worden teruggedraaid: %2 heeft later dezelfde bestanden gewijzigd. Draai eerst die wijziging terug.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) was not put back: the saved copies of these files are damaged or missing: %3</source>
        <translation>De back-up &quot;%1&quot; (%2) is niet teruggezet: de opgeslagen kopieën van deze bestanden zijn beschadigd of ontbreken: %3</translation>
    </message>
    <message>
        <source>cannot mark %1 as put back</source>
        <translation>kan %1 niet als teruggezet markeren</translation>
    </message>
    <message>
        <source>its record cannot be read</source>
        <translation>de gegevens ervan kunnen niet worden gelezen</translation>
    </message>
    <message>
        <source>%1 put nothing back: %2</source>
        <translation>%1 heeft niets teruggezet: %2</translation>
    </message>
    <message>
        <source>The files changed so far are put back at the next start or Restore, once there is room: %1</source>
        <translation>De tot nu toe gewijzigde bestanden worden bij de volgende start of Herstellen teruggezet, zodra er ruimte is: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>kan de map %1 niet maken</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2: %3</source>
        <translation>kan %1 niet naar %2 kopiëren: %3</translation>
    </message>
    <message>
        <source>cannot make the folder</source>
        <translation>kan de map niet maken</translation>
    </message>
    <message>
        <source>cannot remove %1</source>
        <translation>kan %1 niet verwijderen</translation>
    </message>
    <message>
        <source>%1 was stopped before changing anything: the backup of the game files could not be written.</source>
        <translation>%1 is gestopt voordat er iets gewijzigd werd: de back-up van de spelbestanden kon niet worden geschreven.</translation>
    </message>
</context>
<context>
    <name>gamedir</name>
    <message>
        <source>GP2.EXE not found: %1</source>
        <translation>GP2.EXE niet gevonden: %1</translation>
    </message>
    <message>
        <source>GP2.EXE cannot be read: %1</source>
        <translation>GP2.EXE kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t find GP2.EXE !!!</source>
        <translation>Kan GP2.EXE niet vinden!!!</translation>
    </message>
    <message>
        <source>To use &apos;PISTARO&apos; you must have Gp2 installed on your system !!!</source>
        <translation>Om &apos;PISTARO&apos; te gebruiken moet Gp2 op je systeem geïnstalleerd zijn!!!</translation>
    </message>
</context>
<context>
    <name>gameexenames</name>
    <message>
        <source>the file is missing</source>
        <translation>het bestand ontbreekt</translation>
    </message>
    <message>
        <source>the edition of the game program is not recognised</source>
        <translation>de editie van het spelprogramma wordt niet herkend</translation>
    </message>
    <message>
        <source>the file is too short to hold them</source>
        <translation>het bestand is te kort om ze te bevatten</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>schrijffout</translation>
    </message>
    <message>
        <source>; the old names could not be written back either (%1): Restore puts GP2.EXE back</source>
        <translation>; ook de oude namen konden niet worden teruggeschreven (%1): Herstellen zet GP2.EXE terug</translation>
    </message>
</context>
<context>
    <name>health</name>
    <message>
        <source>it is not a regular file, or it is gone</source>
        <translation>het is geen gewoon bestand, of het is verdwenen</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>kan niet worden geopend</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <extracomment>The last item of a list that names only the first few.</extracomment>
        <translation>en nog %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A problem of a circuit, then its explanation, in the Health column&apos;s tool tip.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Could not read the file</source>
        <translation>Kon het bestand niet lezen</translation>
    </message>
    <message>
        <source>Not a circuit: too large</source>
        <translation>Geen circuit: te groot</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; no circuit comes near that.</source>
        <translation>Het bestand is groter dan %1 MB; geen circuit komt daar in de buurt.</translation>
    </message>
    <message>
        <source>Not a circuit: no track data</source>
        <translation>Geen circuit: geen circuitgegevens</translation>
    </message>
    <message>
        <source>Nothing lies between the info area and the checksum, where the game expects the track.</source>
        <translation>Er staat niets tussen het infoblok en de controlesom, waar het spel het circuit verwacht.</translation>
    </message>
    <message>
        <source>Not a circuit: too short</source>
        <translation>Geen circuit: te kort</translation>
    </message>
    <message>
        <source>The track data is shorter than %1 bytes.</source>
        <translation>De circuitgegevens zijn korter dan %1 bytes.</translation>
    </message>
    <message>
        <source>Checksum wrong</source>
        <translation>Controlesom fout</translation>
    </message>
    <message>
        <source>The 4-byte checksum at the end does not match the file&apos;s content; the game refuses the circuit.</source>
        <translation>De controlesom van 4 bytes aan het eind klopt niet met de inhoud van het bestand; het spel weigert het circuit.</translation>
    </message>
    <message>
        <source>Texture list not checked</source>
        <translation>Texturenlijst niet gecontroleerd</translation>
    </message>
    <message>
        <source>The file claims %1 texture files; no circuit names so many.</source>
        <translation>Het bestand noemt %1 texturebestanden; geen circuit noemt er zoveel.</translation>
    </message>
    <message>
        <source>1 texture missing</source>
        <translation>1 textuur ontbreekt</translation>
    </message>
    <message>
        <source>%1 textures missing</source>
        <translation>%1 texturen ontbreken</translation>
    </message>
    <message>
        <source>Not in the game folder: %1</source>
        <translation>Niet in de spelmap: %1</translation>
    </message>
    <message>
        <source>Same circuit as %1</source>
        <translation>Zelfde circuit als %1</translation>
    </message>
    <message>
        <source>Same circuit as %1 and %2 more</source>
        <translation>Zelfde circuit als %1 en nog %2</translation>
    </message>
    <message>
        <source>The same track data as %1 (the info blocks may differ).</source>
        <translation>Dezelfde circuitgegevens als %1 (de infoblokken kunnen verschillen).</translation>
    </message>
    <message>
        <source>could not remove the link %1</source>
        <translation>kon de koppeling %1 niet verwijderen</translation>
    </message>
    <message>
        <source>%1 checked: %2 in %3.</source>
        <extracomment>The check&apos;s summary: &quot;12 circuit files checked: 3 problems in 2 files.&quot;</extracomment>
        <translation>%1 gecontroleerd: %2 in %3.</translation>
    </message>
    <message>
        <source>circuit file</source>
        <extracomment>Counted in the check&apos;s summary, after the number.</extracomment>
        <translation>circuitbestand</translation>
    </message>
    <message>
        <source>circuit files</source>
        <translation>circuitbestanden</translation>
    </message>
    <message>
        <source>problem</source>
        <extracomment>Counted in the check&apos;s summary, after the number.</extracomment>
        <translation>probleem</translation>
    </message>
    <message>
        <source>problems</source>
        <translation>problemen</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>Counted in the check&apos;s summary, after the number.</extracomment>
        <translation>bestand</translation>
    </message>
    <message>
        <source>files</source>
        <translation>bestanden</translation>
    </message>
    <message>
        <source> 1 track pack lacks files.</source>
        <translation> 1 trackpack mist bestanden.</translation>
    </message>
    <message>
        <source> %1 track packs lack files.</source>
        <translation> %1 trackpacks missen bestanden.</translation>
    </message>
    <message>
        <source>Cannot read the circuits folder %1.</source>
        <translation>Kan de circuitmap %1 niet lezen.</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <extracomment>A line of the check: a circuit file, then its problem (and the missing textures).</extracomment>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 (track pack): %2</source>
        <translation>%1 (trackpack): %2</translation>
    </message>
</context>
<context>
    <name>infoblock</name>
    <message>
        <source>The track info to write does not start with #GP2INFO</source>
        <translation>De te schrijven circuitinfo begint niet met #GP2INFO</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Bestand niet gevonden: %1</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Kan %1 niet lezen</translation>
    </message>
    <message>
        <source>%1 has no track info block</source>
        <translation>%1 heeft geen circuitinfoblok</translation>
    </message>
</context>
<context>
    <name>insidefolders</name>
    <message>
        <source>%1 leads outside the game folder %2, through a link or a linked folder. Pistaro changes no file there: remove the link or change the file yourself.</source>
        <translation>%1 leidt buiten de spelmap %2, via een koppeling of een gekoppelde map. Pistaro wijzigt daar geen bestanden: verwijder de koppeling of wijzig het bestand zelf.</translation>
    </message>
    <message>
        <source>%1 leads outside the game folder %2 (to %3), through a link or a linked folder. Pistaro changes no file there: remove the link or change the file yourself.</source>
        <translation>%1 leidt buiten de spelmap %2 (naar %3), via een koppeling of een gekoppelde map. Pistaro wijzigt daar geen bestanden: verwijder de koppeling of wijzig het bestand zelf.</translation>
    </message>
</context>
<context>
    <name>language</name>
    <message>
        <source>Automatic (desktop)</source>
        <translation>Automatisch (bureaublad)</translation>
    </message>
</context>
<context>
    <name>laptime</name>
    <message>
        <source>%1, %2 faster than %3</source>
        <extracomment>A new lap record, how much faster it is, then the record it beat.</extracomment>
        <translation>%1, %2 sneller dan %3</translation>
    </message>
</context>
<context>
    <name>launch</name>
    <message>
        <source>Use: pso --launch [--pack &quot;pack name&quot;] [database]</source>
        <translation>Gebruik: pso --launch [--pack &quot;packnaam&quot;] [database]</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not found: there is no folder %2. GP2 was not started.</source>
        <translation>De trackpack &apos;%1&apos; is niet gevonden: er is geen map %2. GP2 is niet gestart.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; lacks circuits, so GP2 was not started. %2</source>
        <translation>De trackpack &apos;%1&apos; mist circuits, dus GP2 is niet gestart. %2</translation>
    </message>
</context>
<context>
    <name>logparser</name>
    <message>
        <source>Reached a record at %1</source>
        <translation>Record gehaald op %1</translation>
    </message>
</context>
<context>
    <name>namesarea</name>
    <message>
        <source>The lap count of slot %1 is not between 0 and 255; the game keeps its old lap count there.</source>
        <translation>Het aantal ronden van slot %1 ligt niet tussen 0 en 255; het spel houdt daar het oude aantal ronden.</translation>
    </message>
    <message>
        <source>The lap counts of slots %1 are not between 0 and 255; the game keeps its old lap counts there.</source>
        <translation>Het aantal ronden van de slots %1 ligt niet tussen 0 en 255; het spel houdt daar het oude aantal ronden.</translation>
    </message>
</context>
<context>
    <name>packfolder</name>
    <message>
        <source>%1 couldn&apos;t be deleted</source>
        <translation>%1 kon niet worden verwijderd</translation>
    </message>
    <message>
        <source>slot %1 wants %2 (%3, %4 bytes)</source>
        <translation>slot %1 wil %2 (%3, %4 bytes)</translation>
    </message>
    <message>
        <source>To complete the pack, install that circuit, or copy it into the Circuits folder and press Rescan.</source>
        <translation>Installeer dat circuit om de pack compleet te maken, of kopieer het naar de map Circuits en klik op Herscannen.</translation>
    </message>
    <message>
        <source>To complete the pack, install those circuits, or copy them into the Circuits folder and press Rescan.</source>
        <translation>Installeer die circuits om de pack compleet te maken, of kopieer ze naar de map Circuits en klik op Herscannen.</translation>
    </message>
    <message>
        <source>The folder of this Track Pack is missing: %1</source>
        <translation>De map van deze trackpack ontbreekt: %1</translation>
    </message>
    <message>
        <source>slot %1 (%2)</source>
        <translation>slot %1 (%2)</translation>
    </message>
    <message>
        <source>slots %1 (%2)</source>
        <translation>slots %1 (%2)</translation>
    </message>
    <message>
        <source>Missing from this Track Pack: %1</source>
        <translation>Ontbreekt in deze trackpack: %1</translation>
    </message>
</context>
<context>
    <name>packname</name>
    <message>
        <source>&apos;%1&apos; can&apos;t be a Track Pack name.</source>
        <translation>&apos;%1&apos; kan geen naam van een trackpack zijn.</translation>
    </message>
    <message>
        <source>It is longer than a folder name may be (255 bytes).</source>
        <translation>Hij is langer dan een mapnaam mag zijn (255 bytes).</translation>
    </message>
    <message>
        <source>Its name can&apos;t hold control characters (line breaks, tabs and the like).</source>
        <translation>De naam mag geen stuurtekens bevatten (regeleinden, tabs en dergelijke).</translation>
    </message>
    <message>
        <source>Its name can only hold the characters of Windows-1252 (Western European letters, digits and signs).</source>
        <translation>De naam mag alleen tekens van Windows-1252 bevatten (West-Europese letters, cijfers en tekens).</translation>
    </message>
    <message>
        <source>A Track Pack is a folder in the Circuits folder: its name can&apos;t be &quot;.&quot; or &quot;..&quot; and can&apos;t hold \ or /.</source>
        <translation>Een trackpack is een map in de map Circuits: de naam mag niet &quot;.&quot; of &quot;..&quot; zijn en geen \ of / bevatten.</translation>
    </message>
</context>
<context>
    <name>packusage</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The track packs named in a question: &quot;A&quot;, &quot;B&quot; and &quot;C&quot;.</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 is used by the track pack %2.</source>
        <translation>%1 wordt gebruikt door de trackpack %2.</translation>
    </message>
    <message>
        <source>%1 is used by the track packs %2.</source>
        <translation>%1 wordt gebruikt door de trackpacks %2.</translation>
    </message>
</context>
<context>
    <name>pistaro::AboutDialog</name>
    <message>
        <source>About Pistaro</source>
        <translation>Over Pistaro</translation>
    </message>
    <message>
        <source> Pistaro and Lap Time Recorder</source>
        <translation> Pistaro en rondetijdenrecorder</translation>
    </message>
    <message>
        <source>Thanks to :</source>
        <translation>Met dank aan:</translation>
    </message>
    <message>
        <source>the circuit makers who share their tracks,</source>
        <translation>de circuitmakers die hun circuits delen,</translation>
    </message>
    <message>
        <source>the players who send in their lap times,</source>
        <translation>de spelers die hun rondetijden insturen,</translation>
    </message>
    <message>
        <source>and everyone who tests and reports problems.</source>
        <translation>en iedereen die test en problemen meldt.</translation>
    </message>
    <message>
        <source>Help &gt; Contents (F1) tells how Pistaro works.</source>
        <translation>Help &gt; Inhoud (F1) legt uit hoe Pistaro werkt.</translation>
    </message>
    <message>
        <source>Questions and ideas are welcome through the home page:</source>
        <translation>Vragen en ideeën zijn welkom via de website:</translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitFixes</name>
    <message>
        <source>Repair &amp;checksum</source>
        <translation>&amp;Controlesom herstellen</translation>
    </message>
    <message>
        <source>Install &amp;missing textures from an archive…</source>
        <translation>&amp;Ontbrekende texturen uit een archief installeren…</translation>
    </message>
    <message>
        <source>Delete this du&amp;plicate…</source>
        <translation>Dit d&amp;uplicaat verwijderen…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file the fix could not mend, then why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No selected circuit has a wrong checksum.</source>
        <translation>Geen gekozen circuit heeft een foute controlesom.</translation>
    </message>
    <message>
        <source>These checksums could not be written.</source>
        <translation>Deze controlesommen konden niet worden geschreven.</translation>
    </message>
    <message>
        <source>checksum was</source>
        <extracomment>Counted in &quot;2 checksums were repaired: …&quot;, after the number.</extracomment>
        <translation>controlesom is</translation>
    </message>
    <message>
        <source>checksums were</source>
        <translation>controlesommen zijn</translation>
    </message>
    <message>
        <source>%1 repaired: %2.</source>
        <extracomment>&quot;2 checksums were repaired: A.DAT, B.DAT.&quot;</extracomment>
        <translation>%1 hersteld: %2.</translation>
    </message>
    <message>
        <source>Repair checksum</source>
        <translation>Controlesom herstellen</translation>
    </message>
    <message>
        <source>The selected circuits lack no texture the game folder could hold.</source>
        <translation>De gekozen circuits missen geen texturen die de spelmap zou kunnen bevatten.</translation>
    </message>
    <message>
        <source>Archive with the missing textures</source>
        <translation>Archief met de ontbrekende texturen</translation>
    </message>
    <message>
        <source>No selected circuit is the same circuit as another file.</source>
        <translation>Geen gekozen circuit is hetzelfde circuit als een ander bestand.</translation>
    </message>
    <message>
        <source>%1 (the circuit stays as %2)</source>
        <translation>%1 (het circuit blijft als %2)</translation>
    </message>
    <message>
        <source>, waiting for Export into slot %1</source>
        <extracomment>Added to &quot;X.DAT (the circuit stays as Y.DAT)&quot; in the list of duplicates.</extracomment>
        <translation>, wacht op Exporteren naar slot %1</translation>
    </message>
    <message>
        <source>which</source>
        <extracomment>Stands for the file in &quot;…, which is used by the track pack A&quot;.</extracomment>
        <translation>die</translation>
    </message>
    <message>
        <source>Nothing was deleted: the selected files are the only copies of their circuits.</source>
        <translation>Niets verwijderd: de gekozen bestanden zijn de enige kopieën van hun circuits.</translation>
    </message>
    <message>
        <source>Delete %1? Each circuit stays in the collection as the file named beside it.</source>
        <translation>%1 verwijderen? Elk circuit blijft in de verzameling als het bestand dat ernaast staat.</translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation>duplicaat</translation>
    </message>
    <message>
        <source>duplicates</source>
        <translation>duplicaten</translation>
    </message>
    <message>
        <source>A slot waits for a file deleted here: Export would leave that slot as it is in the game.</source>
        <translation>Een slot wacht op een bestand dat hier verwijderd wordt: Exporteren zou dat slot laten zoals het in het spel is.</translation>
    </message>
    <message>
        <source>These files could not be deleted.</source>
        <translation>Deze bestanden konden niet worden verwijderd.</translation>
    </message>
    <message>
        <source>duplicate was</source>
        <extracomment>Counted in &quot;2 duplicates were deleted: …&quot;, after the number.</extracomment>
        <translation>duplicaat is</translation>
    </message>
    <message>
        <source>duplicates were</source>
        <translation>duplicaten zijn</translation>
    </message>
    <message>
        <source>%1 deleted: %2.</source>
        <extracomment>&quot;2 duplicates were deleted: A.DAT, B.DAT.&quot;</extracomment>
        <translation>%1 verwijderd: %2.</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Duplicaten verwijderen</translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitLists</name>
    <message>
        <source>Words found in any column, or terms such as country:italy, author:&quot;john doe&quot;, laps&gt;60, length&lt;=4500, problems, duplicate, tag:fantasy, pack:&quot;Season 98&quot;, nopack; -word or !word leaves rows out. See Help for every term.</source>
        <translation>Woorden in elke kolom, of termen zoals country:italy, author:&quot;john doe&quot;, laps&gt;60, length&lt;=4500, problems, duplicate, tag:fantasy, pack:&quot;Season 98&quot;, nopack; -woord of !woord laat rijen weg. Zie Help voor alle termen.</translation>
    </message>
    <message>
        <source>Filter circuits</source>
        <translation>Circuits filteren</translation>
    </message>
    <message>
        <source>Circuits Directory:</source>
        <translation>Circuitmap:</translation>
    </message>
    <message>
        <source>A&amp;vailable Circuits</source>
        <translation>Beschikbare circ&amp;uits</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>He&amp;rnoemen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Verwij&amp;deren</translation>
    </message>
    <message>
        <source>Add &amp;tags…</source>
        <translation>&amp;Tags toevoegen…</translation>
    </message>
    <message>
        <source>Remo&amp;ve tags…</source>
        <translation>Tags &amp;verwijderen…</translation>
    </message>
    <message>
        <source>Export circuit list</source>
        <translation>Circuitlijst exporteren</translation>
    </message>
    <message>
        <source>Not understood, so not used:
%1</source>
        <translation>Niet begrepen, dus niet gebruikt:
%1</translation>
    </message>
    <message>
        <source>Rename file &apos;%1&apos; to: </source>
        <translation>Bestand &apos;%1&apos; hernoemen naar: </translation>
    </message>
    <message>
        <source>&apos;%1&apos; can&apos;t be used as a file name.</source>
        <translation>&apos;%1&apos; kan niet als bestandsnaam worden gebruikt.</translation>
    </message>
    <message>
        <source>A circuit is renamed within the Circuits folder: the new name can&apos;t hold \, / or &quot;..&quot;, nor be longer than 255 bytes.</source>
        <translation>Een circuit wordt binnen de map Circuits hernoemd: de nieuwe naam mag geen \, / of &quot;..&quot; bevatten en niet langer zijn dan 255 bytes.</translation>
    </message>
    <message>
        <source>%1 was not renamed: %2 already exists in its folder.</source>
        <translation>%1 is niet hernoemd: %2 bestaat al in die map.</translation>
    </message>
    <message>
        <source>Couldn&apos;t rename %1 to %2.</source>
        <translation>Kon %1 niet hernoemen naar %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the file &apos;%1&apos; ? </source>
        <translation>Weet je zeker dat je het bestand &apos;%1&apos; wilt verwijderen? </translation>
    </message>
    <message>
        <source>Couldn&apos;t delete %1.</source>
        <translation>Kon %1 niet verwijderen.</translation>
    </message>
    <message>
        <source>The tags could not be read: %1</source>
        <translation>De tags konden niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Select the circuits to tag first.</source>
        <translation>Kies eerst de circuits die tags krijgen.</translation>
    </message>
    <message>
        <source>Tags to add to %1 (separated by commas):</source>
        <translation>Tags om aan %1 toe te voegen (gescheiden door komma&apos;s):</translation>
    </message>
    <message>
        <source>Tags to add to the %1 circuits selected (separated by commas):</source>
        <translation>Tags om aan de %1 gekozen circuits toe te voegen (gescheiden door komma&apos;s):</translation>
    </message>
    <message>
        <source>Select the circuits to take tags from first.</source>
        <translation>Kies eerst de circuits waarvan tags verwijderd worden.</translation>
    </message>
    <message>
        <source>The circuits selected have no tags.</source>
        <translation>De gekozen circuits hebben geen tags.</translation>
    </message>
    <message>
        <source>Tags to take from the circuits selected (separated by commas):</source>
        <translation>Tags om van de gekozen circuits te verwijderen (gescheiden door komma&apos;s):</translation>
    </message>
    <message>
        <source>Tags cannot be kept: the tag store %1 could not be opened.</source>
        <translation>Tags kunnen niet worden bewaard: de tagopslag %1 kon niet worden geopend.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken as a tag: %2.</source>
        <translation>&quot;%1&quot; wordt niet als tag gebruikt: %2.</translation>
    </message>
    <message>
        <source>These files hold no circuit, so they take no tags:</source>
        <translation>Deze bestanden bevatten geen circuit en krijgen dus geen tags:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A circuit, then the pack&apos;s tags it lacks.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The pack file tags its circuits. Add these tags to your circuits?</source>
        <translation>Het packbestand geeft zijn circuits tags. Deze tags aan je circuits toevoegen?</translation>
    </message>
    <message>
        <source>Some tags were not taken:</source>
        <translation>Sommige tags zijn niet overgenomen:</translation>
    </message>
    <message>
        <source>Nothing was renamed: select a circuit first.</source>
        <translation>Er is niets hernoemd: kies eerst een circuit.</translation>
    </message>
    <message>
        <source>%1 was not renamed: it is a game slot file, which the game reads by this name.</source>
        <translation>%1 is niet hernoemd: het is een slotbestand van het spel, dat het spel onder deze naam leest.</translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitTable</name>
    <message>
        <source>%1 circuit</source>
        <translation>%1 circuit</translation>
    </message>
    <message>
        <source>%1 circuits</source>
        <translation>%1 circuits</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>The browser&apos;s count while a filter hides rows: &quot;1,234 of 5,000 circuits&quot;.</extracomment>
        <translation>%1 van %2</translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitTableModel</name>
    <message>
        <source>The right button on the row offers the fix.</source>
        <translation>Met de rechtermuisknop op de rij krijg je de oplossing.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Ronden</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lengte</translation>
    </message>
    <message>
        <source>Best race time</source>
        <translation>Beste racetijd</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
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
        <translation>Gemaakt voor iedereen die blijft racen op extra circuits.</translation>
    </message>
</context>
<context>
    <name>pistaro::DatabaseList</name>
    <message>
        <source>Lap time database in use &apos;%1&apos;</source>
        <translation>Gebruikte rondetijdendatabase &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Enter the new database name:</source>
        <translation>Voer de naam van de nieuwe database in:</translation>
    </message>
    <message>
        <source>Please wait, making new database...</source>
        <translation>Even geduld, nieuwe database wordt gemaakt...</translation>
    </message>
    <message>
        <source>Database %1 could not be made.</source>
        <translation>Database %1 kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>Sure you want to kill &apos;%1&apos; ?</source>
        <translation>Weet je zeker dat je &apos;%1&apos; wilt verwijderen?</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; deleted.</source>
        <translation>Database &apos;%1&apos; verwijderd.</translation>
    </message>
</context>
<context>
    <name>pistaro::Exporter</name>
    <message>
        <source>&amp;Export to Gp2</source>
        <translation>&amp;Exporteren naar Gp2</translation>
    </message>
    <message>
        <source>Export circuits to Gp2</source>
        <translation>Circuits naar Gp2 exporteren</translation>
    </message>
    <message>
        <source>Nothing to export: no slot has a circuit or a menu picture waiting.</source>
        <translation>Niets te exporteren: geen slot heeft een wachtend circuit of wachtende menuafbeelding.</translation>
    </message>
    <message>
        <source>Update your Gp2 files on selected circuits?</source>
        <translation>Je Gp2-bestanden bijwerken met de gekozen circuits?</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Even geduld...</translation>
    </message>
    <message>
        <source>Exporting menu names... </source>
        <translation>Menunamen exporteren... </translation>
    </message>
    <message>
        <source>Updating menu picture... </source>
        <translation>Menuafbeelding bijwerken... </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Klaar.</translation>
    </message>
    <message>
        <source>%1 copied into its slot.</source>
        <translation>%1 naar zijn slot gekopieerd.</translation>
    </message>
    <message>
        <source>%1 copied into their slots.</source>
        <translation>%1 naar hun slots gekopieerd.</translation>
    </message>
    <message>
        <source>circuit was</source>
        <translation>circuit is</translation>
    </message>
    <message>
        <source>circuits were</source>
        <translation>circuits zijn</translation>
    </message>
    <message>
        <source>The menu names and lap counts were written into GP2.EXE.</source>
        <translation>De menunamen en aantallen ronden zijn in GP2.EXE geschreven.</translation>
    </message>
    <message>
        <source>The menu pictures of %1 changed.</source>
        <translation>De menuafbeeldingen van %1 gewijzigd.</translation>
    </message>
    <message>
        <source>slot were</source>
        <translation>slot zijn</translation>
    </message>
    <message>
        <source>slots were</source>
        <translation>slots zijn</translation>
    </message>
    <message>
        <source>Gp2 updated.</source>
        <translation>Gp2 bijgewerkt.</translation>
    </message>
    <message>
        <source>Gp2 was updated in part.</source>
        <translation>Gp2 is deels bijgewerkt.</translation>
    </message>
    <message>
        <source>Gp2 was not updated.</source>
        <translation>Gp2 is niet bijgewerkt.</translation>
    </message>
    <message>
        <source>Menu pictures were not changed: gp2hipic is not set up. See Help &gt; Outside programs.</source>
        <translation>Menuafbeeldingen zijn niet gewijzigd: gp2hipic is niet ingesteld. Zie Help &gt; Externe programma&apos;s.</translation>
    </message>
    <message>
        <source>Menu pictures were not changed: %1</source>
        <translation>Menuafbeeldingen zijn niet gewijzigd: %1</translation>
    </message>
    <message>
        <source>Copying... </source>
        <translation>Kopiëren... </translation>
    </message>
    <message>
        <source>Slot %1: %2 was not copied over %3: %4</source>
        <translation>Slot %1: %2 is niet over %3 gekopieerd: %4</translation>
    </message>
    <message>
        <source>The menu names and lap counts were not written into %1: %2</source>
        <translation>De menunamen en aantallen ronden zijn niet in %1 geschreven: %2</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Slot %1: %2</translation>
    </message>
    <message>
        <source>%1, small picture</source>
        <extracomment>A slot&apos;s menu picture in a list: &quot;Slot 3: Monza, small picture&quot;.</extracomment>
        <translation>%1, kleine afbeelding</translation>
    </message>
    <message>
        <source>%1, large picture</source>
        <translation>%1, grote afbeelding</translation>
    </message>
    <message>
        <source>Menu pictures were not changed: the default picture %1 could not be handed over: %2</source>
        <translation>Menuafbeeldingen zijn niet gewijzigd: de standaardafbeelding %1 kon niet worden doorgegeven: %2</translation>
    </message>
    <message>
        <source>Gp2 was not updated: a file could not be written, so the game was put back as it was.</source>
        <translation>Gp2 is niet bijgewerkt: een bestand kon niet worden geschreven, dus is het spel teruggezet zoals het was.</translation>
    </message>
    <message>
        <source>The exported circuits were not added to the catalogue: %1</source>
        <translation>De geëxporteerde circuits zijn niet aan de catalogus toegevoegd: %1</translation>
    </message>
</context>
<context>
    <name>pistaro::HelpWindow</name>
    <message>
        <source>Not found</source>
        <translation>Niet gevonden</translation>
    </message>
</context>
<context>
    <name>pistaro::HistoryDialog</name>
    <message>
        <source>History of changes</source>
        <translation>Geschiedenis van wijzigingen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Changes, newest first:</source>
        <translation>Wijzigingen, nieuwste eerst:</translation>
    </message>
    <message>
        <source>Files of the change:</source>
        <translation>Bestanden van de wijziging:</translation>
    </message>
    <message>
        <source>  (1 file)</source>
        <extracomment>After the time and command of a change in History: how many files it holds.</extracomment>
        <translation>  (1 bestand)</translation>
    </message>
    <message>
        <source>  (%1 files)</source>
        <translation>  (%1 bestanden)</translation>
    </message>
    <message>
        <source>  put back</source>
        <extracomment>After a change in History that was undone.</extracomment>
        <translation>  teruggezet</translation>
    </message>
    <message>
        <source>  unfinished</source>
        <extracomment>After a change in History that never ended.</extracomment>
        <translation>  onvoltooid</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>en nog %1</translation>
    </message>
    <message>
        <source>  damaged</source>
        <extracomment>After a change in History whose saved copies are damaged.</extracomment>
        <translation>  beschadigd</translation>
    </message>
    <message>
        <source>The saved copies of these files are damaged or missing:
</source>
        <translation>De opgeslagen kopieën van deze bestanden zijn beschadigd of ontbreken:
</translation>
    </message>
    <message>
        <source> (removed: it was not there)</source>
        <translation> (verwijderd: het was er niet)</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Terugdraaien</translation>
    </message>
</context>
<context>
    <name>pistaro::Installer</name>
    <message>
        <source>New track selection</source>
        <translation>Nieuwe circuitkeuze</translation>
    </message>
    <message>
        <source>Folder of archives to install</source>
        <translation>Map met te installeren archieven</translation>
    </message>
    <message>
        <source>No archive was found in %1 (%2).</source>
        <translation>Geen archief gevonden in %1 (%2).</translation>
    </message>
    <message>
        <source>File not found or invalid.</source>
        <translation>Bestand niet gevonden of ongeldig.</translation>
    </message>
    <message>
        <source>Please wait,</source>
        <translation>Even geduld,</translation>
    </message>
    <message>
        <source>Installing %1 archives,</source>
        <translation>%1 archieven installeren,</translation>
    </message>
    <message>
        <source>Installing archive %1 of %2,</source>
        <translation>Archief %1 van %2 installeren,</translation>
    </message>
    <message>
        <source>Not installed: the file is missing or empty.</source>
        <translation>Niet geïnstalleerd: het bestand ontbreekt of is leeg.</translation>
    </message>
    <message>
        <source>The installation of this archive failed here.</source>
        <translation>De installatie van dit archief is hier mislukt.</translation>
    </message>
    <message>
        <source>%1 of %2 archives read, %3 installed.</source>
        <extracomment>&quot;3 of 4 archives read, 5 circuits installed.&quot;</extracomment>
        <translation>%1 van %2 archieven gelezen, %3 geïnstalleerd.</translation>
    </message>
    <message>
        <source>circuit</source>
        <extracomment>Counted in &quot;… 5 circuits installed.&quot;, after the number.</extracomment>
        <translation>circuit</translation>
    </message>
    <message>
        <source>circuits</source>
        <translation>circuits</translation>
    </message>
    <message>
        <source>%1 already there.</source>
        <translation>%1 al aanwezig.</translation>
    </message>
    <message>
        <source>circuit was</source>
        <translation>circuit is</translation>
    </message>
    <message>
        <source>circuits were</source>
        <translation>circuits zijn</translation>
    </message>
    <message>
        <source>%1 could not be installed.</source>
        <translation>%1 kon niet worden geïnstalleerd.</translation>
    </message>
    <message>
        <source>archive</source>
        <translation>archief</translation>
    </message>
    <message>
        <source>archives</source>
        <translation>archieven</translation>
    </message>
    <message>
        <source>Stopped before %1</source>
        <translation>Gestopt vóór %1</translation>
    </message>
    <message>
        <source>archive:</source>
        <translation>archief:</translation>
    </message>
    <message>
        <source>archives:</source>
        <translation>archieven:</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Uitpakken...</translation>
    </message>
    <message>
        <source>Looking file...</source>
        <translation>Bestand zoeken...</translation>
    </message>
    <message>
        <source>Nothing could be extracted.</source>
        <translation>Er kon niets worden uitgepakt.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract any file from %1.</source>
        <translation>Kon geen enkel bestand uitpakken uit %1.</translation>
    </message>
    <message>
        <source>%1 extracted from %2</source>
        <translation>%1 uitgepakt uit %2</translation>
    </message>
    <message>
        <source>file</source>
        <translation>bestand</translation>
    </message>
    <message>
        <source>files</source>
        <translation>bestanden</translation>
    </message>
    <message>
        <source>The archive holds no circuit (.dat) file.</source>
        <translation>Het archief bevat geen circuitbestand (.dat).</translation>
    </message>
    <message>
        <source>%1 not installed: an archive inside the archive is not unpacked</source>
        <translation>%1 niet geïnstalleerd: een archief in het archief wordt niet uitgepakt</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this file: %1</source>
        <translation>Kon dit bestand niet lezen: %1</translation>
    </message>
    <message>
        <source>(The read-me was cut here: it holds %1 bytes, the first %2 are shown.)</source>
        <translation>(De leesmij is hier afgekapt: hij bevat %1 bytes, de eerste %2 worden getoond.)</translation>
    </message>
    <message>
        <source>%1 not installed: the same circuit is already there as %2</source>
        <translation>%1 niet geïnstalleerd: hetzelfde circuit is er al als %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the texture list of %1</source>
        <translation>Kon de texturenlijst van %1 niet lezen</translation>
    </message>
    <message>
        <source>%1 not installed: no other name was given</source>
        <translation>%1 niet geïnstalleerd: er is geen andere naam opgegeven</translation>
    </message>
    <message>
        <source>Track %1 was not installed.</source>
        <translation>Circuit %1 is niet geïnstalleerd.</translation>
    </message>
    <message>
        <source>%1 track copied to %2</source>
        <translation>%1 circuit gekopieerd naar %2</translation>
    </message>
    <message>
        <source>%1 track couldn&apos;t be copied to %2: %3</source>
        <translation>%1 circuit kon niet naar %2 worden gekopieerd: %3</translation>
    </message>
    <message>
        <source>The name of the file you are installing can&apos;t be %1.</source>
        <translation>De naam van het bestand dat je installeert kan niet %1 zijn.</translation>
    </message>
    <message>
        <source>Please enter a new name for this file:</source>
        <translation>Voer een nieuwe naam in voor dit bestand:</translation>
    </message>
    <message>
        <source>Please enter another name.</source>
        <translation>Voer een andere naam in.</translation>
    </message>
    <message>
        <source>File %1 already exists, overwrite?</source>
        <translation>Bestand %1 bestaat al, overschrijven?</translation>
    </message>
    <message>
        <source>%1 %2 menu image copied</source>
        <translation>%1 %2 menuafbeelding gekopieerd</translation>
    </message>
    <message>
        <source>%1 %2 menu image couldn&apos;t be copied to %3: %4</source>
        <translation>%1 %2 menuafbeelding kon niet naar %3 worden gekopieerd: %4</translation>
    </message>
    <message>
        <source>%1 file converted to JAM</source>
        <translation>%1 bestand omgezet naar JAM</translation>
    </message>
    <message>
        <source>%1 file couldn&apos;t be converted to JAM: %2</source>
        <translation>%1 bestand kon niet naar JAM worden omgezet: %2</translation>
    </message>
    <message>
        <source>No texture was copied: %1</source>
        <translation>Geen textuur gekopieerd: %1</translation>
    </message>
    <message>
        <source>No texture was copied: their backup could not be written: %1</source>
        <translation>Geen textuur gekopieerd: de back-up ervan kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>Textures from %1</source>
        <translation>Texturen uit %1</translation>
    </message>
    <message>
        <source>Every missing texture is installed now.</source>
        <translation>Alle ontbrekende texturen zijn nu geïnstalleerd.</translation>
    </message>
    <message>
        <source>%1 still missing:</source>
        <translation>%1 nog niet aanwezig:</translation>
    </message>
    <message>
        <source>texture is</source>
        <translation>textuur is</translation>
    </message>
    <message>
        <source>textures are</source>
        <translation>texturen zijn</translation>
    </message>
    <message>
        <source>Nothing was installed: %1</source>
        <translation>Er is niets geïnstalleerd: %1</translation>
    </message>
    <message>
        <source>Track %1 was not installed: %2</source>
        <translation>Circuit %1 is niet geïnstalleerd: %2</translation>
    </message>
    <message>
        <source>Track %1 was installed in part: %2</source>
        <translation>Circuit %1 is deels geïnstalleerd: %2</translation>
    </message>
    <message>
        <source>Not installed: %1</source>
        <translation>Niet geïnstalleerd: %1</translation>
    </message>
    <message>
        <source>The archives were installed in part: %1</source>
        <translation>De archieven zijn deels geïnstalleerd: %1</translation>
    </message>
    <message>
        <source>no scratch folder could be made in %1 (%2).</source>
        <translation>er kon geen werkmap worden gemaakt in %1 (%2).</translation>
    </message>
    <message>
        <source>The game was put back as it was.</source>
        <translation>Het spel is teruggezet zoals het was.</translation>
    </message>
</context>
<context>
    <name>pistaro::LapHistoryView</name>
    <message>
        <source>History: select a track</source>
        <translation>Geschiedenis: kies een circuit</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Geschiedenis van %1</translation>
    </message>
    <message>
        <source>Select a track to see its history.</source>
        <translation>Kies een circuit om de geschiedenis te zien.</translation>
    </message>
    <message>
        <source>No records of this track yet.</source>
        <translation>Nog geen records op dit circuit.</translation>
    </message>
</context>
<context>
    <name>pistaro::LapTimeDatabase</name>
    <message>
        <source>Error while reading Parameters.</source>
        <translation>Fout bij het lezen van de parameters.</translation>
    </message>
    <message>
        <source>Database %1 does not have the layout pso.def describes and cannot be used.</source>
        <translation>Database %1 heeft niet de indeling die pso.def beschrijft en kan niet worden gebruikt.</translation>
    </message>
    <message>
        <source>Database %1 lacks what pso.def describes:</source>
        <translation>Database %1 mist wat pso.def beschrijft:</translation>
    </message>
    <message>
        <source>It is brought up to date now.</source>
        <translation>Hij wordt nu bijgewerkt.</translation>
    </message>
    <message>
        <source>Please wait, updating database...</source>
        <translation>Even geduld, database wordt bijgewerkt...</translation>
    </message>
    <message>
        <source>Database %1 was brought up to date (layout version %2 to %3).</source>
        <translation>Database %1 is bijgewerkt (indelingsversie %2 naar %3).</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>Het bestand zoals het was is bewaard als %1.</translation>
    </message>
    <message>
        <source>Database %1 could not be brought up to date and is left as it was.</source>
        <translation>Database %1 kon niet worden bijgewerkt en is gebleven zoals hij was.</translation>
    </message>
    <message>
        <source>Database %1 could not be made.</source>
        <translation>Database %1 kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>Database %1 is damaged and could not be repaired.</source>
        <translation>Database %1 is beschadigd en kon niet worden hersteld.</translation>
    </message>
    <message>
        <source> Cancel ends Pistaro.</source>
        <extracomment>Ends the messages that ask for the game folder, after a space.</extracomment>
        <translation> Annuleren sluit Pistaro af.</translation>
    </message>
    <message>
        <source>There is no GP2.EXE in %1.</source>
        <translation>Er staat geen GP2.EXE in %1.</translation>
    </message>
    <message>
        <source>In the next window, choose the folder that holds GP2.EXE.</source>
        <translation>Kies in het volgende venster de map met GP2.EXE.</translation>
    </message>
    <message>
        <source>Where is your GP2 folder?</source>
        <translation>Waar staat je GP2-map?</translation>
    </message>
    <message>
        <source>Pistaro works on the circuits of your Grand Prix 2 installation. In the next window, choose the folder that holds GP2.EXE (File &gt; Setup Pistaro changes it later).</source>
        <translation>Pistaro werkt met de circuits van je Grand Prix 2-installatie. Kies in het volgende venster de map met GP2.EXE (Bestand &gt; Pistaro instellen wijzigt die later).</translation>
    </message>
    <message>
        <source>Your original circuit files were copied under their track names.</source>
        <translation>Je originele circuitbestanden zijn onder hun circuitnaam gekopieerd.</translation>
    </message>
</context>
<context>
    <name>pistaro::LapTimeTable</name>
    <message>
        <source>Please wait...</source>
        <translation>Even geduld...</translation>
    </message>
    <message>
        <source>writing file...</source>
        <translation>bestand schrijven...</translation>
    </message>
    <message>
        <source>No application for plain text is set up on this system: the table, written to %1, is shown in Pistaro&apos;s text viewer.</source>
        <translation>Er is op dit systeem geen programma voor platte tekst ingesteld: de tabel, geschreven naar %1, wordt in de tekstviewer van Pistaro getoond.</translation>
    </message>
    <message>
        <source>Export lap time table</source>
        <translation>Rondetijdentabel exporteren</translation>
    </message>
    <message>
        <source>Lap Time Table</source>
        <translation>Rondetijdentabel</translation>
    </message>
    <message>
        <source>Export to &amp;Notepad</source>
        <translation>Exporteren naar &amp;Kladblok</translation>
    </message>
    <message>
        <source>Export as C&amp;SV…</source>
        <translation>Exporteren als C&amp;SV…</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
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
        <translation>&amp;GP2 starten</translation>
    </message>
    <message>
        <source>Run Gp2</source>
        <translation>Gp2 starten</translation>
    </message>
    <message>
        <source>%1 could not be run</source>
        <translation>%1 kon niet worden gestart</translation>
    </message>
</context>
<context>
    <name>pistaro::LogImport</name>
    <message>
        <source>&amp;Get Time from GP2LAP.LOG</source>
        <translation>Tijden uit GP2LAP.L&amp;OG</translation>
    </message>
    <message>
        <source>No lap time was read: there is no readable %1. GP2LAP writes it while you play.</source>
        <translation>Geen rondetijd gelezen: er is geen leesbaar %1. GP2LAP schrijft het terwijl je speelt.</translation>
    </message>
    <message>
        <source>Nothing new was found in %1: its lap times were imported before.</source>
        <translation>Niets nieuws gevonden in %1: de rondetijden zijn al eerder geïmporteerd.</translation>
    </message>
    <message>
        <source>No lap time of a known track and session was found in %1.</source>
        <translation>Geen rondetijd van een bekend circuit en bekende sessie gevonden in %1.</translation>
    </message>
    <message>
        <source>lap time was</source>
        <extracomment>After a count: &quot;1 lap time was&quot; or &quot;3 lap times were&quot; read from the log.</extracomment>
        <translation>rondetijd is</translation>
    </message>
    <message>
        <source>lap times were</source>
        <translation>rondetijden zijn</translation>
    </message>
    <message>
        <source> read from %1; none beats a stored time.</source>
        <translation> gelezen uit %1; geen ervan verbetert een opgeslagen tijd.</translation>
    </message>
    <message>
        <source>line was</source>
        <extracomment>After a count: &quot;1 line was&quot; or &quot;3 lines were&quot; skipped.</extracomment>
        <translation>regel is</translation>
    </message>
    <message>
        <source>lines were</source>
        <translation>regels zijn</translation>
    </message>
    <message>
        <source> skipped for a time that is no lap time (m:ss.mmm), the first: &quot;%1&quot;</source>
        <extracomment>After &quot;3 lines were&quot;.</extracomment>
        <translation> overgeslagen om een tijd die geen rondetijd is (m:ss.mmm), de eerste: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The lap times of gp2lap.log could not be stored in the database: </source>
        <translation>De rondetijden van gp2lap.log konden niet in de database worden opgeslagen: </translation>
    </message>
    <message>
        <source>Nothing of this reading was kept. gp2lap.log is kept as it is: it is neither deleted nor renamed before the next game.</source>
        <translation>Niets van deze inlezing is bewaard. gp2lap.log blijft zoals het is: het wordt vóór het volgende spel niet verwijderd of hernoemd.</translation>
    </message>
    <message>
        <source> skipped, the first: &quot;%1&quot;.</source>
        <extracomment>After &quot;3 lines were&quot;.</extracomment>
        <translation> overgeslagen, de eerste: &quot;%1&quot;.</translation>
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
        <translation>LOGBESTAND</translation>
    </message>
    <message>
        <source>You played Grand Prix 2</source>
        <extracomment>Before the count of games, then &quot;times.&quot;.</extracomment>
        <translation>Je speelde Grand Prix 2</translation>
    </message>
    <message>
        <source>times.</source>
        <translation>keer.</translation>
    </message>
    <message>
        <source>First time :</source>
        <translation>Eerste keer:</translation>
    </message>
    <message>
        <source>Last time:</source>
        <translation>Laatste keer:</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Totale tijd:</translation>
    </message>
</context>
<context>
    <name>pistaro::MainWindow</name>
    <message>
        <source>Time Database:</source>
        <translation>Tijdendatabase:</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>End Pistaro</source>
        <translation>Pistaro afsluiten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Install new Track</source>
        <translation>Nieuw circuit &amp;installeren</translation>
    </message>
    <message>
        <source>Install a &amp;Folder of Archives…</source>
        <translation>Map met &amp;archieven installeren…</translation>
    </message>
    <message>
        <source>&amp;Log Stats</source>
        <translation>&amp;Logstatistieken</translation>
    </message>
    <message>
        <source>&amp;Defrag f1pcsvga.bin</source>
        <translation>f1pcsvga.bin &amp;defragmenteren</translation>
    </message>
    <message>
        <source>&amp;Restore last change...</source>
        <translation>Laatste wijziging &amp;herstellen...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Geschiedenis...</translation>
    </message>
    <message>
        <source>&amp;Export circuit list…</source>
        <translation>Circuitlijst &amp;exporteren…</translation>
    </message>
    <message>
        <source>&amp;Setup Pistaro</source>
        <translation>Pistaro in&amp;stellen</translation>
    </message>
    <message>
        <source>&amp;Tracks</source>
        <translation>&amp;Circuits</translation>
    </message>
    <message>
        <source>Resca&amp;n</source>
        <translation>&amp;Herscannen</translation>
    </message>
    <message>
        <source>&amp;Update Track Info</source>
        <translation>Circuitinfo &amp;bijwerken</translation>
    </message>
    <message>
        <source>&amp;Export to Gp2</source>
        <translation>&amp;Exporteren naar Gp2</translation>
    </message>
    <message>
        <source>&amp;Launch GP2</source>
        <translation>GP2 &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Pistaro Home Page</source>
        <translation>&amp;Pistaro-website</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>GP2 is running. Pistaro will close when it ends.</source>
        <translation>GP2 draait. Pistaro sluit af zodra het eindigt.</translation>
    </message>
    <message>
        <source>You have to set your Screen Resolution at least 800x600</source>
        <translation>Stel je schermresolutie in op minstens 800x600</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1.</source>
        <translation>Kon %1 niet openen.</translation>
    </message>
    <message>
        <source>Menu pictures are neither shown nor kept in this run.</source>
        <translation>Menuafbeeldingen worden in deze sessie niet getoond en niet bewaard.</translation>
    </message>
    <message>
        <source>The track pack list was not saved.</source>
        <translation>De lijst met trackpacks is niet opgeslagen.</translation>
    </message>
    <message>
        <source>Export p&amp;ack…</source>
        <translation>&amp;Pack exporteren…</translation>
    </message>
    <message>
        <source>&amp;Import pack…</source>
        <translation>Pack i&amp;mporteren…</translation>
    </message>
</context>
<context>
    <name>pistaro::MenuPictures</name>
    <message>
        <source>Menu Picture </source>
        <translation>Menuafbeelding </translation>
    </message>
    <message>
        <source>Menu Picture 640x480 :</source>
        <translation>Menuafbeelding 640x480:</translation>
    </message>
    <message>
        <source>Menu Picture 440x330:</source>
        <translation>Menuafbeelding 440x330:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>Bl&amp;aderen</translation>
    </message>
    <message>
        <source>Browse Menu Picture</source>
        <translation>Menuafbeelding zoeken</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>B&amp;laderen</translation>
    </message>
    <message>
        <source>&amp;Import Menu Picture</source>
        <translation>Afbeelding im&amp;porteren</translation>
    </message>
    <message>
        <source>Import Menu Picture from Gp2</source>
        <translation>Menuafbeelding uit Gp2 importeren</translation>
    </message>
    <message>
        <source>Import Menu &amp;Picture</source>
        <translation>Afbeel&amp;ding importeren</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Maken</translation>
    </message>
    <message>
        <source>Ma&amp;ke</source>
        <translation>Ma&amp;ken</translation>
    </message>
    <message>
        <source>Cle&amp;ar</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>Clear Menu Picture</source>
        <translation>Menuafbeelding wissen</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>Wi&amp;ssen</translation>
    </message>
    <message>
        <source>Select one Gp2 circuit first.</source>
        <translation>Kies eerst een Gp2-circuit.</translation>
    </message>
    <message>
        <source>Do you realy want to replace &apos;%1&apos; ?</source>
        <translation>Wil je &apos;%1&apos; echt vervangen?</translation>
    </message>
    <message>
        <source>gp2hipic wrote no picture to %1</source>
        <translation>gp2hipic heeft geen afbeelding naar %1 geschreven</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>The menu picture was not imported.</source>
        <translation>De menuafbeelding is niet geïmporteerd.</translation>
    </message>
    <message>
        <source>Menu picture selection</source>
        <translation>Menuafbeelding kiezen</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Even geduld...</translation>
    </message>
    <message>
        <source>Defrag f1pcsvga.bin... </source>
        <translation>f1pcsvga.bin defragmenteren... </translation>
    </message>
    <message>
        <source>f1pcsvga.bin was not defragmented.</source>
        <translation>f1pcsvga.bin is niet gedefragmenteerd.</translation>
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
        <translation>--&gt; &amp;Toewijzen</translation>
    </message>
    <message>
        <source>Change Track</source>
        <translation>Circuit toewijzen</translation>
    </message>
    <message>
        <source>Resca&amp;n</source>
        <translation>Herscan&amp;nen</translation>
    </message>
    <message>
        <source>Import circuits from Gp2</source>
        <translation>Circuits uit Gp2 importeren</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>View Pack</source>
        <translation>Pack bekijken</translation>
    </message>
    <message>
        <source>Save Pack</source>
        <translation>Pack opslaan</translation>
    </message>
    <message>
        <source>Delete Track Pack</source>
        <translation>Trackpack verwijderen</translation>
    </message>
    <message>
        <source>Export pack…</source>
        <translation>Pack exporteren…</translation>
    </message>
    <message>
        <source>Import pack…</source>
        <translation>Pack importeren…</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; already exists, overwrite?</source>
        <translation>De trackpack &apos;%1&apos; bestaat al, overschrijven?</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>%1 kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>These circuits couldn&apos;t be copied into the pack:</source>
        <translation>Deze circuits konden niet in de pack worden gekopieerd:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file that could not be copied, then why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 saved in %2.</source>
        <extracomment>&quot;3 slot files were saved in &lt;folder&gt;.&quot;</extracomment>
        <translation>%1 opgeslagen in %2.</translation>
    </message>
    <message>
        <source>slot file was</source>
        <extracomment>Counted in &quot;3 slot files were saved in …&quot;, after the number.</extracomment>
        <translation>slotbestand is</translation>
    </message>
    <message>
        <source>slot files were</source>
        <translation>slotbestanden zijn</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was saved.</source>
        <translation>De trackpack &apos;%1&apos; is opgeslagen.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not saved completely.</source>
        <translation>De trackpack &apos;%1&apos; is niet volledig opgeslagen.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not found:</source>
        <translation>De trackpack &apos;%1&apos; is niet gevonden:</translation>
    </message>
    <message>
        <source>These slots were left as they were: the pack lacks their circuits. </source>
        <translation>Deze slots zijn gebleven zoals ze waren: de pack mist hun circuits. </translation>
    </message>
    <message>
        <source>Track Pack &apos;%1&apos;: %2.</source>
        <translation>Trackpack &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>These slots were left as they were: their files are missing from the pack.</source>
        <translation>Deze slots zijn gebleven zoals ze waren: hun bestanden ontbreken in de pack.</translation>
    </message>
    <message>
        <source>Slot %1: %2 is missing</source>
        <translation>Slot %1: %2 ontbreekt</translation>
    </message>
    <message>
        <source>These slots were left as they were: their files couldn&apos;t be copied.</source>
        <translation>Deze slots zijn gebleven zoals ze waren: hun bestanden konden niet worden gekopieerd.</translation>
    </message>
    <message>
        <source>Slot %1: %2: %3</source>
        <translation>Slot %1: %2: %3</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; is not complete.</source>
        <translation>De trackpack &apos;%1&apos; is niet compleet.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the &apos;%1&apos; Track Pack from your disk ?</source>
        <translation>Weet je zeker dat je de trackpack &apos;%1&apos; van je schijf wilt verwijderen?</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not deleted completely.</source>
        <translation>De trackpack &apos;%1&apos; is niet volledig verwijderd.</translation>
    </message>
    <message>
        <source>These files couldn&apos;t be deleted:</source>
        <translation>Deze bestanden konden niet worden verwijderd:</translation>
    </message>
    <message>
        <source>Choose a saved Track Pack to export.</source>
        <translation>Kies een opgeslagen trackpack om te exporteren.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; already exists, replace it?</source>
        <translation>De trackpack &apos;%1&apos; bestaat al, vervangen?</translation>
    </message>
    <message>
        <source>Select an available circuit first.</source>
        <translation>Kies eerst een beschikbaar circuit.</translation>
    </message>
    <message>
        <source>Select a slot first.</source>
        <translation>Kies eerst een slot.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Even geduld...</translation>
    </message>
</context>
<context>
    <name>pistaro::PictureView</name>
    <message>
        <source>Picture View</source>
        <translation>Afbeelding bekijken</translation>
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
        <translation>Recordstatus</translation>
    </message>
    <message>
        <source>Reading Gp2Lap.Log...</source>
        <translation>Gp2Lap.Log lezen...</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Even geduld...</translation>
    </message>
    <message>
        <source>Gp2Lap.Log read.</source>
        <translation>Gp2Lap.Log gelezen.</translation>
    </message>
    <message>
        <source>%1 set.</source>
        <extracomment>&quot;1 record set.&quot; or &quot;3 records set.&quot; in the Record Status window.</extracomment>
        <translation>%1 gevestigd.</translation>
    </message>
    <message>
        <source>record</source>
        <translation>record</translation>
    </message>
    <message>
        <source>records</source>
        <translation>records</translation>
    </message>
    <message>
        <source>%1 read, %2</source>
        <extracomment>&quot;3 lap times read, 2 records set.&quot; in the Record Status window.</extracomment>
        <translation>%1 gelezen, %2</translation>
    </message>
    <message>
        <source>lap time</source>
        <translation>rondetijd</translation>
    </message>
    <message>
        <source>lap times</source>
        <translation>rondetijden</translation>
    </message>
</context>
<context>
    <name>pistaro::SetupDialog</name>
    <message>
        <source>Pistaro Setup</source>
        <translation>Pistaro instellen</translation>
    </message>
    <message>
        <source>Gp2 Directory:</source>
        <translation>Gp2-map:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Bladeren</translation>
    </message>
    <message>
        <source>Browse Gp2 Directory</source>
        <translation>Gp2-map zoeken</translation>
    </message>
    <message>
        <source>Gp2 Version:</source>
        <translation>Gp2-versie:</translation>
    </message>
    <message>
        <source>&amp;Use Gp2Lap</source>
        <translation>Gp2Lap &amp;gebruiken</translation>
    </message>
    <message>
        <source> Log File</source>
        <translation> Logbestand</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Hernoemen</translation>
    </message>
    <message>
        <source>Use &amp;Quick update when exporting maps</source>
        <translation>&amp;Snelle update bij het exporteren van circuits</translation>
    </message>
    <message>
        <source>Car Setup &amp;Management</source>
        <translation>Set&amp;upbeheer</translation>
    </message>
    <message>
        <source>DOS emulator</source>
        <translation>DOS-emulator</translation>
    </message>
    <message>
        <source>CPU c&amp;ycles</source>
        <translation>CPU-c&amp;ycli</translation>
    </message>
    <message>
        <source>Run the game &amp;full screen</source>
        <translation>Spel op volledig sch&amp;erm</translation>
    </message>
    <message>
        <source>CD &amp;image</source>
        <translation>CD-&amp;image</translation>
    </message>
    <message>
        <source>The game&apos;s CD as an image (.cue or .iso), mounted as D:</source>
        <translation>De CD van het spel als image (.cue of .iso), aangekoppeld als D:</translation>
    </message>
    <message>
        <source>C&amp;hoose</source>
        <translation>&amp;Kiezen</translation>
    </message>
    <message>
        <source>Changes kept in the history</source>
        <translation>Wijzigingen in de geschiedenis</translation>
    </message>
    <message>
        <source>Size of the backups at most</source>
        <translation>Grootte van de back-ups hooguit</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Werkt pas na een nieuwe start.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Select your Gp2 directory: </source>
        <translation>Kies je Gp2-map: </translation>
    </message>
    <message>
        <source>Select the GP2 CD image</source>
        <translation>Kies de CD-image van GP2</translation>
    </message>
    <message>
        <source>CD images|*.cue;*.iso|All files|*</source>
        <extracomment>A file dialog filter: translate the names, keep the &quot;|&quot; and the patterns.</extracomment>
        <translation>CD-images|*.cue;*.iso|Alle bestanden|*</translation>
    </message>
    <message>
        <source>As DOSBox reads it: max, auto, fixed 30000, or a number such as 30000</source>
        <translation>Zoals DOSBox het leest: max, auto, fixed 30000, of een getal zoals 30000</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Gp2Lap.exe is not in the game folder: the game starts without the lap timer.</source>
        <translation>Gp2Lap.exe staat niet in de spelmap: het spel start zonder de rondetimer.</translation>
    </message>
    <message>
        <source>CPU cycles: %1</source>
        <translation>CPU-cycli: %1</translation>
    </message>
</context>
<context>
    <name>pistaro::SetupTransfer</name>
    <message>
        <source>Import &amp;Setups</source>
        <translation>Setups &amp;importeren</translation>
    </message>
    <message>
        <source>Export Set&amp;ups</source>
        <translation>Setups e&amp;xporteren</translation>
    </message>
    <message>
        <source>car setup was</source>
        <extracomment>After a count: &quot;1 car setup was&quot; or &quot;3 car setups were&quot;.</extracomment>
        <translation>setup is</translation>
    </message>
    <message>
        <source>car setups were</source>
        <translation>setups zijn</translation>
    </message>
    <message>
        <source> stored in the lap time database, each with the track of its slot.</source>
        <translation> opgeslagen in de rondetijdendatabase, elk bij het circuit van zijn slot.</translation>
    </message>
    <message>
        <source>No slot holds a track of the lap time database: nothing was stored.</source>
        <translation>Geen slot bevat een circuit uit de rondetijdendatabase: er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Car setups imported.</source>
        <translation>Setups geïmporteerd.</translation>
    </message>
    <message>
        <source>Car setups not imported.</source>
        <translation>Setups niet geïmporteerd.</translation>
    </message>
    <message>
        <source> written into %1.</source>
        <translation> geschreven naar %1.</translation>
    </message>
    <message>
        <source>The lap time database holds no setup for the tracks in the slots: the game&apos;s setups were left as they were.</source>
        <translation>De rondetijdendatabase bevat geen setup voor de circuits in de slots: de setups van het spel zijn gebleven zoals ze waren.</translation>
    </message>
    <message>
        <source>Car setups exported.</source>
        <translation>Setups geëxporteerd.</translation>
    </message>
    <message>
        <source>Car setups exported in part.</source>
        <translation>Setups deels geëxporteerd.</translation>
    </message>
    <message>
        <source>Car setups not exported.</source>
        <translation>Setups niet geëxporteerd.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Even geduld...</translation>
    </message>
    <message>
        <source>Importing setups from GP2</source>
        <translation>Setups uit GP2 importeren</translation>
    </message>
    <message>
        <source>None of the setups could be stored in the database: %1</source>
        <translation>Geen van de setups kon in de database worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>The backup of the game files could not be written: %1</source>
        <translation>De back-up van de spelbestanden kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>Exporting setups to GP2</source>
        <translation>Setups naar GP2 exporteren</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Slot %1: %2</translation>
    </message>
    <message>
        <source>The checksum of %1 was not repaired: sumfix could not be started</source>
        <translation>De controlesom van %1 is niet hersteld: sumfix kon niet worden gestart</translation>
    </message>
</context>
<context>
    <name>pistaro::SlotList</name>
    <message>
        <source>1 slot is not exported yet. Export it now?</source>
        <translation>1 slot is nog niet geëxporteerd. Nu exporteren?</translation>
    </message>
    <message>
        <source>%1 slots are not exported yet. Export them now?</source>
        <translation>%1 slots zijn nog niet geëxporteerd. Nu exporteren?</translation>
    </message>
</context>
<context>
    <name>pistaro::StatusWindow</name>
    <message>
        <source>End the program Pistaro waits for</source>
        <translation>Het programma beëindigen waarop Pistaro wacht</translation>
    </message>
    <message>
        <source>Stop after the step under way; what is done stays</source>
        <translation>Stoppen na de huidige stap; wat klaar is, blijft</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
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
        <translation>&amp;Jams controleren</translation>
    </message>
    <message>
        <source>Check that the textures the circuit needs are in the game</source>
        <translation>Controleren of de texturen die het circuit nodig heeft in het spel staan</translation>
    </message>
    <message>
        <source>Select a circuit first.</source>
        <translation>Kies eerst een circuit.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1.</source>
        <translation>Kon %1 niet lezen.</translation>
    </message>
    <message>
        <source>All %1 jam files used by %2 exists on your system.</source>
        <translation>Alle %1 jam-bestanden die %2 gebruikt staan op je systeem.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find these jam files: </source>
        <translation>Kon deze jam-bestanden niet vinden: </translation>
    </message>
    <message>
        <source>%1 not copied to %2: that place is outside the game folder</source>
        <translation>%1 niet gekopieerd naar %2: die plaats ligt buiten de spelmap</translation>
    </message>
    <message>
        <source>%1 copied to %2</source>
        <translation>%1 gekopieerd naar %2</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be copied to %2: %3</source>
        <translation>%1 kon niet naar %2 worden gekopieerd: %3</translation>
    </message>
    <message>
        <source>%1 more texture copies skipped: the texture list names more than %2 places</source>
        <translation>Nog %1 textuurkopieën overgeslagen: de texturenlijst noemt meer dan %2 plaatsen</translation>
    </message>
</context>
<context>
    <name>pistaro::TrackInfoPanel</name>
    <message>
        <source>Track Info</source>
        <translation>Circuitinfo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Event:</source>
        <translation>Evenement:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Auteur:</translation>
    </message>
    <message>
        <source>Adj.:</source>
        <translation>Bijv.nw.:</translation>
    </message>
    <message>
        <source>Desc.:</source>
        <translation>Beschr.:</translation>
    </message>
    <message>
        <source>Laps:</source>
        <translation>Ronden:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Lengte:</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Slot:</translation>
    </message>
    <message>
        <source>Tyre:</source>
        <translation>Banden:</translation>
    </message>
    <message>
        <source>Original Gp2 Track</source>
        <translation>Origineel Gp2-circuit</translation>
    </message>
    <message>
        <source>Update Track Info</source>
        <translation>Circuitinfo bijwerken</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tijd:</translation>
    </message>
    <message>
        <source>Warm up</source>
        <translation>Warming-up</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Kwalificatie</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>This value is too long to store in the track file.</source>
        <translation>Deze waarde is te lang om in het circuitbestand op te slaan.</translation>
    </message>
    <message>
        <source>At most %1 characters fit in this field; nothing was changed.</source>
        <translation>Er passen hooguit %1 tekens in dit veld; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Type the whole time as m:ss.mmm, for example 1:23.456. This one is not stored yet.</source>
        <translation>Typ de hele tijd als m:ss.mmm, bijvoorbeeld 1:23.456. Deze is nog niet opgeslagen.</translation>
    </message>
    <message>
        <source>Save the changes to the track info of %1?</source>
        <translation>De wijzigingen in de circuitinfo van %1 opslaan?</translation>
    </message>
    <message>
        <source>The track file was not found:</source>
        <translation>Het circuitbestand is niet gevonden:</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Er is niets geschreven.</translation>
    </message>
    <message>
        <source>The track file cannot be written:</source>
        <translation>Het circuitbestand kan niet worden geschreven:</translation>
    </message>
    <message>
        <source>Its checksum could not be fixed: sumfix could not be started from %1: the checksum of %2 is stale, and the game will refuse the file until it is fixed.</source>
        <translation>De controlesom kon niet worden hersteld: sumfix kon niet worden gestart vanuit %1: de controlesom van %2 klopt niet meer, en het spel weigert het bestand tot die hersteld is.</translation>
    </message>
    <message>
        <source>Its row in the lap time database %1 could not be written: the database still holds the old track info.</source>
        <translation>De rij in de rondetijdendatabase %1 kon niet worden geschreven: de database bevat nog de oude circuitinfo.</translation>
    </message>
    <message>
        <source>Track updated.</source>
        <translation>Circuit bijgewerkt.</translation>
    </message>
    <message>
        <source>Track updated, but its checksum could not be fixed.</source>
        <translation>Circuit bijgewerkt, maar de controlesom kon niet worden hersteld.</translation>
    </message>
    <message>
        <source>sumfix could not be started from %1: the checksum of %2 is stale, and the game will refuse the file until it is fixed.</source>
        <translation>sumfix kon niet worden gestart vanuit %1: de controlesom van %2 klopt niet meer, en het spel weigert het bestand tot die hersteld is.</translation>
    </message>
    <message>
        <source>Track updated, but not completely.</source>
        <translation>Circuit bijgewerkt, maar niet volledig.</translation>
    </message>
    <message>
        <source>Created by Track Editor</source>
        <translation>Gemaakt met Track Editor</translation>
    </message>
    <message>
        <source>File not recognized.</source>
        <translation>Bestand niet herkend.</translation>
    </message>
</context>
<context>
    <name>pistaro::WaitingBar</name>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>End the program Pistaro waits for</source>
        <translation>Het programma beëindigen waarop Pistaro wacht</translation>
    </message>
    <message>
        <source>Waiting for %1 to end...</source>
        <translation>Wachten tot %1 eindigt...</translation>
    </message>
</context>
<context>
    <name>program</name>
    <message>
        <source>Pistaro cannot keep its files: %1.</source>
        <translation>Pistaro kan zijn bestanden niet bewaren: %1.</translation>
    </message>
    <message>
        <source>no folder for them</source>
        <translation>geen map ervoor</translation>
    </message>
</context>
<context>
    <name>replacefile</name>
    <message>
        <source>Is a directory</source>
        <translation>Is een map</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Bestand bestaat niet</translation>
    </message>
    <message>
        <source>links cannot be made here</source>
        <translation>koppelingen kunnen hier niet worden gemaakt</translation>
    </message>
    <message>
        <source>cannot rename %1</source>
        <translation>kan %1 niet hernoemen</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 kon niet worden geschreven: %2</translation>
    </message>
</context>
<context>
    <name>sharedpack</name>
    <message>
        <source>the file name is empty</source>
        <translation>de bestandsnaam is leeg</translation>
    </message>
    <message>
        <source>the file name is longer than %1 characters</source>
        <translation>de bestandsnaam is langer dan %1 tekens</translation>
    </message>
    <message>
        <source>the file name &quot;%1&quot; is a path, not a plain file name</source>
        <translation>de bestandsnaam &quot;%1&quot; is een pad, geen gewone bestandsnaam</translation>
    </message>
    <message>
        <source>The file is larger than %1 KB; a pack file is a few KB at most.</source>
        <translation>Het bestand is groter dan %1 KB; een packbestand is hooguit een paar KB.</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text</source>
        <translation>de regel is geen UTF-8-tekst</translation>
    </message>
    <message>
        <source>the line holds a control character (U+%1): this is no text file</source>
        <translation>de regel bevat een stuurteken (U+%1): dit is geen tekstbestand</translation>
    </message>
    <message>
        <source>&quot;pack&quot;, a tab and the pack&apos;s name were expected</source>
        <translation>&quot;pack&quot;, een tab en de naam van de pack werden verwacht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can&apos;t be a Track Pack name</source>
        <translation>&quot;%1&quot; kan geen naam van een trackpack zijn</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can&apos;t be a Track Pack name: it is longer than a folder name may be</source>
        <translation>&quot;%1&quot; kan geen naam van een trackpack zijn: hij is langer dan een mapnaam mag zijn</translation>
    </message>
    <message>
        <source>a slot line has 5 fields separated by tabs (slot, file, track, length, SHA-256); this one has %1</source>
        <translation>een slotregel heeft 5 velden, gescheiden door tabs (slot, bestand, circuit, lengte, SHA-256); deze heeft er %1</translation>
    </message>
    <message>
        <source>the slot &quot;%1&quot; is not a number from 1 to 16</source>
        <translation>het slot &quot;%1&quot; is geen getal van 1 tot 16</translation>
    </message>
    <message>
        <source>slot %1 is named twice</source>
        <translation>slot %1 wordt twee keer genoemd</translation>
    </message>
    <message>
        <source>the track name is longer than %1 characters</source>
        <translation>de circuitnaam is langer dan %1 tekens</translation>
    </message>
    <message>
        <source>the length &quot;%1&quot; is not a number of bytes from 1 to %2</source>
        <translation>de lengte &quot;%1&quot; is geen aantal bytes van 1 tot %2</translation>
    </message>
    <message>
        <source>the SHA-256 &quot;%1&quot; is not 64 hexadecimal digits</source>
        <translation>de SHA-256 &quot;%1&quot; bestaat niet uit 64 hexadecimale cijfers</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
    <message>
        <source>the pack&apos;s name is missing</source>
        <translation>de naam van de pack ontbreekt</translation>
    </message>
    <message>
        <source>the file names no slot</source>
        <translation>het bestand noemt geen slot</translation>
    </message>
    <message>
        <source>the tags are of slot &quot;%1&quot;, which no line above names</source>
        <translation>de tags horen bij slot &quot;%1&quot;, dat geen regel hierboven noemt</translation>
    </message>
    <message>
        <source>the tags of slot %1 are given twice</source>
        <translation>de tags van slot %1 worden twee keer gegeven</translation>
    </message>
    <message>
        <source>a circuit holds at most %1 tags</source>
        <translation>een circuit heeft hooguit %1 tags</translation>
    </message>
    <message>
        <source>this is not a Pistaro track pack file (its first line must be &quot;%1&quot;, a tab and the version)</source>
        <translation>dit is geen trackpackbestand van Pistaro (de eerste regel moet &quot;%1&quot;, een tab en de versie zijn)</translation>
    </message>
    <message>
        <source>the version &quot;%1&quot; of the pack file is not known (version %2 is)</source>
        <translation>de versie &quot;%1&quot; van het packbestand is onbekend (versie %2 is bekend)</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Regel %1: %2.</translation>
    </message>
</context>
<context>
    <name>statefile</name>
    <message>
        <source>no setup slot %1</source>
        <translation>geen setupslot %1</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>%1 is niet gevonden</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 is geen bestand</translation>
    </message>
    <message>
        <source>%1 is too short to hold the car setups (%2 bytes)</source>
        <translation>%1 is te kort om de setups te bevatten (%2 bytes)</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kan niet worden gelezen</translation>
    </message>
    <message>
        <source>%1 ended inside the car setups</source>
        <translation>%1 eindigde midden in de setups</translation>
    </message>
    <message>
        <source>the stored setup holds %1 bytes instead of %2</source>
        <translation>de opgeslagen setup bevat %1 bytes in plaats van %2</translation>
    </message>
</context>
<context>
    <name>tablecsv</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>. Nothing was exported.</source>
        <translation>. Er is niets geëxporteerd.</translation>
    </message>
    <message>
        <source>1 row was exported to %1.</source>
        <translation>1 rij is geëxporteerd naar %1.</translation>
    </message>
    <message>
        <source>%1 rows were exported to %2.</source>
        <translation>%1 rijen zijn geëxporteerd naar %2.</translation>
    </message>
</context>
<context>
    <name>tagstore</name>
    <message>
        <source>a tag cannot be blank</source>
        <translation>een tag mag niet leeg zijn</translation>
    </message>
    <message>
        <source>a tag holds at most %1 characters</source>
        <translation>een tag bevat hooguit %1 tekens</translation>
    </message>
    <message>
        <source>a tag cannot hold a control character</source>
        <translation>een tag mag geen stuurteken bevatten</translation>
    </message>
    <message>
        <source>a comma separates tags</source>
        <translation>een komma scheidt tags</translation>
    </message>
    <message>
        <source>it is a link, and the tags are not written through a link</source>
        <translation>het is een koppeling, en tags worden niet via een koppeling geschreven</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>The tag store %1 cannot be used (%2) and could not be moved aside; tags are not kept in this run.</source>
        <translation>De tagopslag %1 kan niet worden gebruikt (%2) en kon niet opzij worden gezet; tags worden in deze sessie niet bewaard.</translation>
    </message>
    <message>
        <source>The tag store %1 could not be used: %2. It was kept as %3, and a new, empty tag store was begun.</source>
        <translation>De tagopslag %1 kon niet worden gebruikt: %2. Hij is bewaard als %3, en een nieuwe, lege tagopslag is begonnen.</translation>
    </message>
    <message>
        <source>it is a database of another program</source>
        <translation>het is een database van een ander programma</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>het is beschadigd</translation>
    </message>
    <message>
        <source>The tag store %1 cannot be opened (%2); tags are not kept in this run.</source>
        <translation>De tagopslag %1 kan niet worden geopend (%2); tags worden in deze sessie niet bewaard.</translation>
    </message>
    <message>
        <source>it is not a database</source>
        <translation>het is geen database</translation>
    </message>
    <message>
        <source>The tag store %1 cannot be used; tags are not kept in this run.</source>
        <translation>De tagopslag %1 kan niet worden gebruikt; tags worden in deze sessie niet bewaard.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken as a tag: %2.</source>
        <translation>&quot;%1&quot; wordt niet als tag gebruikt: %2.</translation>
    </message>
    <message>
        <source>A circuit holds at most %1 tags; no tag was changed.</source>
        <translation>Een circuit heeft hooguit %1 tags; er is geen tag gewijzigd.</translation>
    </message>
    <message>
        <source>The tags could not be stored: %1</source>
        <translation>De tags konden niet worden opgeslagen: %1</translation>
    </message>
</context>
<context>
    <name>version</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versie %1.%2.%3</translation>
    </message>
</context>
</TS>
