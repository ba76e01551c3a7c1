<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CatalogueCheck</name>
    <message>
        <source>table %1</source>
        <translation>table %1</translation>
    </message>
    <message>
        <source>%1 is a %2, not a table</source>
        <translation>%1 est un(e) %2, pas une table</translation>
    </message>
    <message>
        <source>field %1.%2</source>
        <translation>champ %1.%2</translation>
    </message>
    <message>
        <source>index %1.%2 is over %3, not %4</source>
        <translation>l&apos;index %1.%2 porte sur %3, pas sur %4</translation>
    </message>
    <message>
        <source>index %1.%2 is not unique</source>
        <translation>l&apos;index %1.%2 n&apos;est pas unique</translation>
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
        <translation>Aucun dossier du jeu donné ni enregistré&#xa0;: pso --check &lt;dossier du jeu&gt;.</translation>
    </message>
</context>
<context>
    <name>ControlTips</name>
    <message>
        <source>Read the circuit files of the Circuits folder again</source>
        <translation>Relire les fichiers de circuit du dossier Circuits</translation>
    </message>
    <message>
        <source>Select a circuit and a slot first</source>
        <translation>Choisissez d&apos;abord un circuit et un emplacement</translation>
    </message>
    <message>
        <source>Choose a saved Track Pack first</source>
        <translation>Choisissez d&apos;abord un pack enregistré</translation>
    </message>
    <message>
        <source>Select a circuit first</source>
        <translation>Choisissez d&apos;abord un circuit</translation>
    </message>
    <message>
        <source>Select an add-on circuit first: the game&apos;s own circuits are not changed</source>
        <translation>Choisissez d&apos;abord un circuit additionnel&#xa0;: les circuits d&apos;origine du jeu ne sont pas modifiés</translation>
    </message>
    <message>
        <source>Not needed: the track info is read when a circuit is selected</source>
        <translation>Inutile&#xa0;: les infos du circuit sont lues à sa sélection</translation>
    </message>
    <message>
        <source>The standard database and the one opened at start-up cannot be deleted</source>
        <translation>La base standard et celle ouverte au démarrage ne peuvent pas être supprimées</translation>
    </message>
    <message>
        <source>Not needed: every change is saved as it is made</source>
        <translation>Inutile&#xa0;: chaque modification est enregistrée aussitôt</translation>
    </message>
    <message>
        <source>Select a slot first: menu pictures are imported from the game&apos;s slots</source>
        <translation>Choisissez d&apos;abord un emplacement&#xa0;: les images de menu sont importées des emplacements du jeu</translation>
    </message>
</context>
<context>
    <name>DosCommands</name>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>Impossible de lancer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>a percent sign (%), which the DOS emulator reads as a variable</source>
        <extracomment>What a folder or argument holds, after &quot;… holds &quot;.</extracomment>
        <translation>un signe pour cent (%), que l&apos;émulateur DOS lit comme une variable</translation>
    </message>
    <message>
        <source>a line break or another control character, which the DOS emulator reads as the end of a command</source>
        <extracomment>What a folder or argument holds, after &quot;… holds &quot;.</extracomment>
        <translation>un saut de ligne ou un autre caractère de contrôle, que l&apos;émulateur DOS lit comme la fin d&apos;une commande</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; has no DOS (8.3) form</source>
        <translation>le nom «&#xa0;%1&#xa0;» n&apos;a pas de forme DOS (8.3)</translation>
    </message>
    <message>
        <source>a double quote</source>
        <extracomment>What a folder holds, after &quot;… holds &quot;.</extracomment>
        <translation>un guillemet double</translation>
    </message>
    <message>
        <source>the CD image %1 holds %2</source>
        <translation>l&apos;image CD %1 contient %2</translation>
    </message>
    <message>
        <source>the folder %1 holds %2</source>
        <translation>le dossier %1 contient %2</translation>
    </message>
    <message>
        <source>its path &quot;%1&quot; holds %2</source>
        <translation>son chemin «&#xa0;%1&#xa0;» contient %2</translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; holds %2</source>
        <translation>l&apos;argument «&#xa0;%1&#xa0;» contient %2</translation>
    </message>
    <message>
        <source>its arguments are longer than DOS allows</source>
        <translation>ses arguments dépassent la longueur permise par DOS</translation>
    </message>
    <message>
        <source>DOSBox reads a line that starts with # as a remark</source>
        <translation>DOSBox lit une ligne commençant par # comme une remarque</translation>
    </message>
</context>
<context>
    <name>ExeCmd</name>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>Impossible de lancer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is a DOS program: install DOSBox (for example with &quot;apt install dosbox&quot;) or name an emulator in File &gt; Setup Pistaro.</source>
        <translation>%1 est un programme DOS&#xa0;: installez DOSBox (par exemple avec «&#xa0;apt install dosbox&#xa0;») ou indiquez un émulateur dans Fichier &gt; Configurer Pistaro.</translation>
    </message>
    <message>
        <source>no program folder for its DOSBox settings</source>
        <translation>aucun dossier du programme pour ses réglages DOSBox</translation>
    </message>
    <message>
        <source>its DOSBox settings could not be written to %1: %2</source>
        <translation>ses réglages DOSBox n&apos;ont pas pu être écrits dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is a Windows program: install Wine (for example with &quot;apt install wine&quot;).</source>
        <translation>%1 est un programme Windows&#xa0;: installez Wine (par exemple avec «&#xa0;apt install wine&#xa0;»).</translation>
    </message>
    <message>
        <source>the DOS program it names is not there</source>
        <translation>le programme DOS qu&apos;il désigne est absent</translation>
    </message>
    <message>
        <source>not a program this system can run</source>
        <translation>ce n&apos;est pas un programme que ce système peut exécuter</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 was stopped</source>
        <translation>%1 a été arrêté</translation>
    </message>
    <message>
        <source>%1 stopped abnormally</source>
        <translation>%1 s&apos;est arrêté anormalement</translation>
    </message>
    <message>
        <source>%1 failed (exit status %2)</source>
        <translation>%1 a échoué (code de sortie %2)</translation>
    </message>
    <message>
        <source>%1 stopped abnormally: %2 crashed</source>
        <translation>%1 s&apos;est arrêté anormalement&#xa0;: %2 a planté</translation>
    </message>
    <message>
        <source>%1 could not be run: %2 ended with exit status %3</source>
        <translation>%1 n&apos;a pas pu être exécuté&#xa0;: %2 s&apos;est terminé avec le code de sortie %3</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>The name is empty.</source>
        <translation>Le nom est vide.</translation>
    </message>
    <message>
        <source>%1 is the name of a game slot file.</source>
        <translation>%1 est le nom d&apos;un fichier d&apos;emplacement du jeu.</translation>
    </message>
    <message>
        <source>%1 is no plain file name: it can&apos;t hold \, /, : or ..</source>
        <translation>%1 n&apos;est pas un simple nom de fichier&#xa0;: il ne peut contenir ni \, ni /, ni&#xa0;:, ni ..</translation>
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
        <translation>Essais</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Qualifications</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Course</translation>
    </message>
</context>
<context>
    <name>LapHistoryView</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Séance</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Previous Best</source>
        <translation>Ancien record</translation>
    </message>
    <message>
        <source>Improvement</source>
        <translation>Gain</translation>
    </message>
</context>
<context>
    <name>LapTimeTable</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Warm up time</source>
        <translation>Temps warm-up</translation>
    </message>
    <message>
        <source>Practice Time</source>
        <translation>Temps essais</translation>
    </message>
    <message>
        <source>Qualifying Time</source>
        <translation>Temps qualif.</translation>
    </message>
    <message>
        <source>Race Time</source>
        <translation>Temps course</translation>
    </message>
</context>
<context>
    <name>MakeDatabase</name>
    <message>
        <source>Arquivo não encontrado !</source>
        <translation>Fichier introuvable&#xa0;!</translation>
    </message>
    <message>
        <source>Arquivo está em uso. Feche todos os programas e tente novamente !</source>
        <translation>Fichier en cours d&apos;utilisation. Fermez tous les programmes et réessayez&#xa0;!</translation>
    </message>
    <message>
        <source>Database is in use.</source>
        <translation>La base de données est en cours d&apos;utilisation.</translation>
    </message>
    <message>
        <source>ERROR : %1 - %2</source>
        <translation>ERREUR&#xa0;: %1 - %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Database %1 has layout version %2, made by a newer Pistaro; this one knows versions up to %3. The database was not opened and is left as it is.</source>
        <translation>La base de données %1 a la structure version %2, créée par un Pistaro plus récent&#xa0;; celui-ci connaît les versions jusqu&apos;à %3. La base n&apos;a pas été ouverte et reste telle quelle.</translation>
    </message>
    <message>
        <source>Updating original tracks info...</source>
        <translation>Mise à jour des infos des circuits d&apos;origine...</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Updating maps info...</source>
        <translation>Mise à jour des infos des cartes...</translation>
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
        <translation>Fichiers de pack</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Reading circuits: %1 of %2</source>
        <translation>Lecture des circuits&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>These names in the circuits folder are no regular file (a pipe, a device or a socket) and were not read:</source>
        <translation>Ces noms du dossier des circuits ne sont pas des fichiers ordinaires (tube, périphérique ou socket) et n&apos;ont pas été lus&#xa0;:</translation>
    </message>
    <message>
        <source>Slot %1: %2 (%3)</source>
        <translation>Emplacement %1&#xa0;: %2 (%3)</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not found:</source>
        <translation>Le pack &apos;%1&apos; est introuvable&#xa0;:</translation>
    </message>
    <message>
        <source>Export pack</source>
        <translation>Exporter le pack</translation>
    </message>
    <message>
        <source>These slots are missing from the pack, or could not be read, and were left out:</source>
        <translation>Ces emplacements manquent dans le pack ou n&apos;ont pas pu être lus, et ont été omis&#xa0;:</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Emplacement %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>These slots hold no circuit and were left out:</source>
        <translation>Ces emplacements ne contiennent aucun circuit et ont été omis&#xa0;:</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; holds no circuit to export.</source>
        <translation>Le pack &apos;%1&apos; ne contient aucun circuit à exporter.</translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation>Écriture dans %2&#xa0;: %1.</translation>
    </message>
    <message>
        <source>slot was</source>
        <translation>emplacement</translation>
    </message>
    <message>
        <source>slots were</source>
        <translation>emplacements</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was exported.</source>
        <translation>Le pack &apos;%1&apos; a été exporté.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was exported in part.</source>
        <translation>Le pack &apos;%1&apos; a été exporté en partie.</translation>
    </message>
    <message>
        <source>Import pack</source>
        <translation>Importer un pack</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a pipe, a device or a folder, or gone). Nothing was changed.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire (tube, périphérique, dossier, ou disparu). Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be read: %2</source>
        <translation>%1 n&apos;a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a track pack file Pistaro can read. Nothing was changed.</source>
        <translation>%1 n&apos;est pas un fichier de pack que Pistaro sait lire. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>None of the circuits of the Track Pack &apos;%1&apos; is in your collection. Nothing was changed.</source>
        <translation>Aucun circuit du pack &apos;%1&apos; n&apos;est dans votre collection. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>These circuits are not in your collection; their slots are left empty, and the pack remembers them. </source>
        <translation>Ces circuits ne sont pas dans votre collection&#xa0;; leurs emplacements restent vides et le pack les garde en mémoire. </translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>%1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>%1 (of the older pack) couldn&apos;t be deleted.</source>
        <translation>%1 (de l&apos;ancien pack) n&apos;a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be copied into the pack: %2</source>
        <translation>%1 n&apos;a pas pu être copié dans le pack&#xa0;: %2</translation>
    </message>
    <message>
        <source>The pack could not remember the circuits it lacks: %1</source>
        <translation>Le pack n&apos;a pas pu garder en mémoire les circuits qui lui manquent&#xa0;: %1</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not imported: %2</source>
        <translation>Le pack &apos;%1&apos; n&apos;a pas été importé&#xa0;: %2</translation>
    </message>
    <message>
        <source>The pack is left as it was.</source>
        <translation>Le pack reste tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was imported in part: %2</source>
        <translation>Le pack &apos;%1&apos; a été importé en partie&#xa0;: %2</translation>
    </message>
    <message>
        <source>Putting the pack back as it was failed too (%1). &quot;Restore last change&quot; puts it back once the cause is removed.</source>
        <translation>Remettre le pack dans son état antérieur a aussi échoué (%1). «&#xa0;Restaurer la dernière modification&#xa0;» le remet en place une fois la cause supprimée.</translation>
    </message>
    <message>
        <source>%1 found and copied into %2.</source>
        <translation>Copie dans %2&#xa0;: %1.</translation>
    </message>
    <message>
        <source>circuit was</source>
        <translation>circuit trouvé</translation>
    </message>
    <message>
        <source>circuits were</source>
        <translation>circuits trouvés</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was imported.</source>
        <translation>Le pack &apos;%1&apos; a été importé.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was imported in part.</source>
        <translation>Le pack &apos;%1&apos; a été importé en partie.</translation>
    </message>
    <message>
        <source>slot %1 took %2</source>
        <translation>l&apos;emplacement %1 a reçu %2</translation>
    </message>
    <message>
        <source>slot %1 could not take %2: %3</source>
        <translation>l&apos;emplacement %1 n&apos;a pas pu recevoir %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 is complete: %2.</source>
        <extracomment>A pack that took circuits, then what it took: &quot;Season 98 is complete: slot 7 took …&quot;.</extracomment>
        <translation>%1 est complet&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1: %2. It still lacks %3.</source>
        <translation>%1&#xa0;: %2. Il manque encore %3.</translation>
    </message>
    <message>
        <source>slot</source>
        <extracomment>Counted in &quot;… It still lacks 2 slots.&quot;, after the number.</extracomment>
        <translation>emplacement</translation>
    </message>
    <message>
        <source>slots</source>
        <translation>emplacements</translation>
    </message>
</context>
<context>
    <name>PictureButton</name>
    <message>
        <source>Database Table</source>
        <translation>Table de la base</translation>
    </message>
    <message>
        <source>Create new database</source>
        <translation>Créer une nouvelle base</translation>
    </message>
    <message>
        <source>Delete current database</source>
        <translation>Supprimer la base actuelle</translation>
    </message>
</context>
<context>
    <name>ProgramFolders</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2</source>
        <translation>impossible de copier %1 vers %2</translation>
    </message>
</context>
<context>
    <name>ProgramLock</name>
    <message>
        <source>Pistaro cannot lock its program folder: %1 is no lock of a running Pistaro and could not be removed. Remove it and start Pistaro again.</source>
        <translation>Pistaro ne peut pas verrouiller son dossier&#xa0;: %1 n&apos;est pas le verrou d&apos;un Pistaro en cours et n&apos;a pas pu être supprimé. Supprimez-le et relancez Pistaro.</translation>
    </message>
    <message>
        <source>Pistaro is already running on %1. (process %2)</source>
        <translation>Pistaro est déjà lancé sur %1. (processus %2)</translation>
    </message>
    <message>
        <source>Pistaro is already running on %1.</source>
        <translation>Pistaro est déjà lancé sur %1.</translation>
    </message>
</context>
<context>
    <name>RestoreCommand</name>
    <message>
        <source>There is no change to restore.</source>
        <translation>Il n&apos;y a aucune modification à restaurer.</translation>
    </message>
    <message>
        <source> (its saved copy is damaged: not restored)</source>
        <translation> (sa copie sauvegardée est endommagée&#xa0;: non restauré)</translation>
    </message>
    <message>
        <source> (removed: it was not there)</source>
        <translation> (supprimé&#xa0;: il n&apos;existait pas)</translation>
    </message>
    <message>
        <source>The backup of %1 on %2 is damaged: the saved copies of %3 of its files are damaged or missing. Restore the other files without them?</source>
        <translation>La sauvegarde de %1 du %2 est endommagée&#xa0;: les copies de %3 de ses fichiers sont endommagées ou manquantes. Restaurer les autres fichiers sans elles&#xa0;?</translation>
    </message>
    <message>
        <source>Some game files could not be restored.</source>
        <translation>Certains fichiers du jeu n&apos;ont pas pu être restaurés.</translation>
    </message>
    <message>
        <source>Game files restored, but for these, whose saved copies are damaged:</source>
        <translation>Fichiers du jeu restaurés, sauf ceux-ci, dont les copies sont endommagées&#xa0;:</translation>
    </message>
    <message>
        <source>Game files restored.</source>
        <translation>Fichiers du jeu restaurés.</translation>
    </message>
    <message>
        <source>Restore the game files as they were before %1 on %2?</source>
        <translation>Restaurer les fichiers du jeu tels qu&apos;ils étaient avant %1 du %2&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SlotList</name>
    <message>
        <source>Waiting for Export: %1 goes into this slot.</source>
        <translation>En attente d&apos;export&#xa0;: %1 va dans cet emplacement.</translation>
    </message>
    <message>
        <source>Waiting for Export: %1 goes into this slot, with its edited menu picture.</source>
        <translation>En attente d&apos;export&#xa0;: %1 va dans cet emplacement, avec son image de menu modifiée.</translation>
    </message>
    <message>
        <source>Waiting for Export: the slot&apos;s edited menu picture.</source>
        <translation>En attente d&apos;export&#xa0;: l&apos;image de menu modifiée de l&apos;emplacement.</translation>
    </message>
</context>
<context>
    <name>StatusShown</name>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>archive</name>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>impossible à écrire (%1)</translation>
    </message>
    <message>
        <source>damaged (%1)</source>
        <translation>endommagé (%1)</translation>
    </message>
    <message>
        <source>damaged (shorter than its stated size)</source>
        <translation>endommagé (plus court que sa taille annoncée)</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>un dossier de ce nom gêne</translation>
    </message>
    <message>
        <source>cannot replace the file there</source>
        <translation>impossible d&apos;y remplacer le fichier</translation>
    </message>
    <message>
        <source>not an archive Pistaro can read (%1)</source>
        <translation>pas une archive que Pistaro sait lire (%1)</translation>
    </message>
    <message>
        <source>the archive cannot be read past its first %1 entries (%2)</source>
        <translation>l&apos;archive est illisible au-delà de ses %1 premières entrées (%2)</translation>
    </message>
    <message>
        <source>the archive holds more than %1 entries</source>
        <translation>l&apos;archive contient plus de %1 entrées</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>c&apos;est un lien</translation>
    </message>
    <message>
        <source>it is no plain file</source>
        <translation>ce n&apos;est pas un simple fichier</translation>
    </message>
    <message>
        <source>its name cannot be read in the code page the archive says</source>
        <translation>son nom est illisible dans la page de code indiquée par l&apos;archive</translation>
    </message>
    <message>
        <source>no usable file name</source>
        <translation>aucun nom de fichier utilisable</translation>
    </message>
    <message>
        <source>it is encrypted</source>
        <translation>il est chiffré</translation>
    </message>
    <message>
        <source>its file name is that of %1, which was kept</source>
        <translation>son nom de fichier est celui de %1, qui a été gardé</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 bytes</source>
        <translation>il se décompresse en plus de %1 octets</translation>
    </message>
    <message>
        <source>the archive unpacks to more than %1 bytes</source>
        <translation>l&apos;archive se décompresse en plus de %1 octets</translation>
    </message>
    <message>
        <source>damaged (longer than its stated size)</source>
        <translation>endommagé (plus long que sa taille annoncée)</translation>
    </message>
    <message>
        <source>Nothing extracted: %1</source>
        <translation>Rien n&apos;a été extrait&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 not extracted: %2</source>
        <translation>%1 non extrait&#xa0;: %2</translation>
    </message>
    <message>
        <source>The rest was not extracted: %1</source>
        <translation>Le reste n&apos;a pas été extrait&#xa0;: %1</translation>
    </message>
    <message>
        <source>Archives (ZIP, 7z, RAR, LZH, tar)</source>
        <translation>Archives (ZIP, 7z, RAR, LZH, tar)</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>the scratch folder cannot take %1: %2</source>
        <translation>le dossier de travail ne peut pas recevoir %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>artwork</name>
    <message>
        <source>circuits and lap times</source>
        <translation>circuits et temps au tour</translation>
    </message>
</context>
<context>
    <name>backedup</name>
    <message>
        <source>%1 was stopped before changing anything: %2</source>
        <translation>%1 a été arrêté avant toute modification&#xa0;: %2</translation>
    </message>
    <message>
        <source>its backup cannot be read</source>
        <translation>sa sauvegarde ne peut pas être lue</translation>
    </message>
    <message>
        <source>Putting the game back as it was failed too (%1). &quot;Restore last change&quot; puts it back once the cause is removed.</source>
        <translation>Remettre le jeu dans son état antérieur a aussi échoué (%1). «&#xa0;Restaurer la dernière modification&#xa0;» le remet en place une fois la cause supprimée.</translation>
    </message>
</context>
<context>
    <name>binfile</name>
    <message>
        <source>Invalid file position %1 in %2</source>
        <translation>Position %1 invalide dans %2</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Fichier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not a file: %1</source>
        <translation>Pas un fichier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>cdimage</name>
    <message>
        <source>the CD image %1 is not there</source>
        <translation>l&apos;image CD %1 est absente</translation>
    </message>
    <message>
        <source>the CD image %1 is not a file</source>
        <translation>l&apos;image CD %1 n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>the CD image %1 cannot be read: %2</source>
        <translation>l&apos;image CD %1 est illisible&#xa0;: %2</translation>
    </message>
    <message>
        <source>the CD image %1 names %2, which is not there</source>
        <translation>l&apos;image CD %1 désigne %2, qui est absent</translation>
    </message>
    <message>
        <source>the CD image %1 names %2, which is not a file</source>
        <translation>l&apos;image CD %1 désigne %2, qui n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>the CD image %1 names %2, which cannot be read: %3</source>
        <translation>l&apos;image CD %1 désigne %2, qui est illisible&#xa0;: %3</translation>
    </message>
    <message>
        <source>the CD image %1 is not a cue sheet</source>
        <translation>l&apos;image CD %1 n&apos;est pas un fichier cue</translation>
    </message>
    <message>
        <source>the CD image %1 names no track file</source>
        <translation>l&apos;image CD %1 ne désigne aucun fichier de piste</translation>
    </message>
</context>
<context>
    <name>checksum</name>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>impossible à ouvrir</translation>
    </message>
    <message>
        <source>the file is shorter than its checksum</source>
        <translation>le fichier est plus court que sa somme de contrôle</translation>
    </message>
</context>
<context>
    <name>circuitkind</name>
    <message>
        <source>Slot %1</source>
        <translation>Emplacement %1</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>The game&apos;s own slot file: what GP2 races in this slot. Export writes it; the circuit it holds is also in your collection.</source>
        <translation>Le fichier d&apos;emplacement du jeu&#xa0;: ce que GP2 court dans cet emplacement. L&apos;export l&apos;écrit&#xa0;; le circuit qu&apos;il contient est aussi dans votre collection.</translation>
    </message>
    <message>
        <source>A copy of one of the game&apos;s original circuits, kept under its track name by Pistaro&apos;s first start.</source>
        <translation>Une copie d&apos;un des circuits d&apos;origine du jeu, gardée sous son nom de circuit au premier démarrage de Pistaro.</translation>
    </message>
</context>
<context>
    <name>circuitquery</name>
    <message>
        <source>a quote is not closed</source>
        <translation>un guillemet n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>nothing follows it to leave out</source>
        <translation>rien à exclure après lui</translation>
    </message>
    <message>
        <source>nothing to look for</source>
        <translation>rien à chercher</translation>
    </message>
    <message>
        <source>no field is called &quot;%1&quot;</source>
        <translation>aucun champ ne s&apos;appelle «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>a value is missing</source>
        <translation>il manque une valeur</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas %2</translation>
    </message>
    <message>
        <source>a time (m:ss.mmm)</source>
        <translation>un temps (m:ss.mmm)</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>only laps, length and time compare with &lt; and &gt;</source>
        <translation>seuls tours, longueur et temps se comparent avec &lt; et &gt;</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A term of the search the filter did not understand, then why.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>and %1 more terms not understood</source>
        <translation>et %1 autres termes non compris</translation>
    </message>
    <message>
        <source>%1 terms after the first %2: ignored</source>
        <translation>%1 termes après les %2 premiers&#xa0;: ignorés</translation>
    </message>
</context>
<context>
    <name>copyfailure</name>
    <message>
        <source>These slots were not changed: their files are read only. Change the file attributes and export again.</source>
        <translation>Ces emplacements n&apos;ont pas été modifiés&#xa0;: leurs fichiers sont en lecture seule. Changez les attributs des fichiers et exportez de nouveau.</translation>
    </message>
    <message>
        <source>These slots were not changed: their files are in use. Close any other application and export again.</source>
        <translation>Ces emplacements n&apos;ont pas été modifiés&#xa0;: leurs fichiers sont en cours d&apos;utilisation. Fermez les autres applications et exportez de nouveau.</translation>
    </message>
    <message>
        <source>These slots were not changed: their files could not be written.</source>
        <translation>Ces emplacements n&apos;ont pas été modifiés&#xa0;: leurs fichiers n&apos;ont pas pu être écrits.</translation>
    </message>
</context>
<context>
    <name>dbnames</name>
    <message>
        <source>Database &apos;%1...&apos; is longer than a file name may be (255 bytes).</source>
        <translation>La base &apos;%1...&apos; dépasse la longueur permise pour un nom de fichier (255 octets).</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; must be a plain file name, without folders or &apos;..&apos;.</source>
        <translation>La base &apos;%1&apos; doit être un simple nom de fichier, sans dossiers ni &apos;..&apos;.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; holds the menu pictures and cannot be a lap time database.</source>
        <translation>La base &apos;%1&apos; contient les images de menu et ne peut pas être une base de temps au tour.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; holds the menu pictures and cannot be deleted.</source>
        <translation>La base &apos;%1&apos; contient les images de menu et ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; is the standard database and cannot be deleted.</source>
        <translation>La base &apos;%1&apos; est la base standard et ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; was opened at start-up and cannot be deleted.</source>
        <translation>La base &apos;%1&apos; a été ouverte au démarrage et ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; is not in the list.</source>
        <translation>La base &apos;%1&apos; n&apos;est pas dans la liste.</translation>
    </message>
</context>
<context>
    <name>dbopen</name>
    <message>
        <source>Please wait, making database...</source>
        <translation>Veuillez patienter, création de la base...</translation>
    </message>
</context>
<context>
    <name>deffile</name>
    <message>
        <source>Line %1 of the definition file ends in a comma: %2</source>
        <translation>La ligne %1 du fichier de définition se termine par une virgule&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>dosboxconfig</name>
    <message>
        <source>could not remove the link %1</source>
        <translation>impossible de supprimer le lien %1</translation>
    </message>
</context>
<context>
    <name>emulators</name>
    <message>
        <source>Use max, auto, fixed and a number, or a number of cycles such as 30000.</source>
        <translation>Utilisez max, auto, fixed suivi d&apos;un nombre, ou un nombre de cycles tel que 30000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no number of cycles DOSBox takes: from 1 to %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre de cycles accepté par DOSBox&#xa0;: de 1 à %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no share DOSBox takes: from 1% to 100%.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une part acceptée par DOSBox&#xa0;: de 1% à 100%.</translation>
    </message>
    <message>
        <source>&quot;limit&quot; needs a number of cycles after it, such as limit 50000.</source>
        <translation>«&#xa0;limit&#xa0;» doit être suivi d&apos;un nombre de cycles, par exemple limit 50000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not read by DOSBox there. %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas lu par DOSBox à cet endroit. %2</translation>
    </message>
    <message>
        <source>Only letters, digits, blanks and % are read there. </source>
        <translation>Seuls les lettres, les chiffres, les espaces et % y sont lus. </translation>
    </message>
    <message>
        <source>&quot;fixed&quot; takes one number of cycles after it, such as fixed 30000.</source>
        <translation>«&#xa0;fixed&#xa0;» est suivi d&apos;un seul nombre de cycles, par exemple fixed 30000.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a DOSBox cycles setting. %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un réglage de cycles de DOSBox. %2</translation>
    </message>
</context>
<context>
    <name>filetip</name>
    <message>
        <source>%1 - Version %2 - Size: %3 </source>
        <extracomment>A file&apos;s tool tip: its path, when it was changed, its size in bytes.</extracomment>
        <translation>%1 - Version %2 - Taille&#xa0;: %3 </translation>
    </message>
</context>
<context>
    <name>gamebackup</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A file the revert could not put back, then why.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>a folder stands in its place</source>
        <translation>un dossier occupe sa place</translation>
    </message>
    <message>
        <source>its saved copy is damaged</source>
        <translation>sa copie sauvegardée est endommagée</translation>
    </message>
    <message>
        <source>cannot make its folder</source>
        <translation>impossible de créer son dossier</translation>
    </message>
    <message>
        <source>cannot remove it</source>
        <translation>impossible de le supprimer</translation>
    </message>
    <message>
        <source>cannot remove its mark</source>
        <translation>impossible de supprimer sa marque</translation>
    </message>
    <message>
        <source>%1 was stopped half-way and could not be undone: %2</source>
        <translation>%1 a été arrêté à mi-chemin et n&apos;a pas pu être annulé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A change in the backups: the command that made it, then when (&quot;Install of 2024-05-01 …&quot;).</extracomment>
        <translation>%1 du %2</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) cannot be put back: the game folder %3 is not there.</source>
        <translation>La sauvegarde «&#xa0;%1&#xa0;» (%2) ne peut pas être remise en place&#xa0;: le dossier du jeu %3 est absent.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) belongs to the game folder %3, not to the one in use (%4): nothing was put back.</source>
        <translation>La sauvegarde «&#xa0;%1&#xa0;» (%2) appartient au dossier du jeu %3, pas à celui utilisé (%4)&#xa0;: rien n&apos;a été remis en place.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) names %3, which is not inside the game folder in use (%4): nothing was put back.</source>
        <translation>La sauvegarde «&#xa0;%1&#xa0;» (%2) désigne %3, qui n&apos;est pas dans le dossier du jeu utilisé (%4)&#xa0;: rien n&apos;a été remis en place.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) was not put back: its copy of %3 is not a plain file of the backups folder.</source>
        <translation>La sauvegarde «&#xa0;%1&#xa0;» (%2) n&apos;a pas été remise en place&#xa0;: sa copie de %3 n&apos;est pas un simple fichier du dossier des sauvegardes.</translation>
    </message>
    <message>
        <source>%1 was put back already.</source>
        <translation>%1 a déjà été remis en place.</translation>
    </message>
    <message>
        <source>%1 was stopped half-way: it is finished or undone at the next start.</source>
        <translation>%1 a été arrêté à mi-chemin&#xa0;: il sera terminé ou annulé au prochain démarrage.</translation>
    </message>
    <message>
        <source>%1 cannot be reverted: %2 changed the same files later. Revert that change first.</source>
        <translation>%1 ne peut pas être annulé&#xa0;: %2 a modifié les mêmes fichiers ensuite. Annulez d&apos;abord cette modification.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; (%2) was not put back: the saved copies of these files are damaged or missing: %3</source>
        <translation>La sauvegarde «&#xa0;%1&#xa0;» (%2) n&apos;a pas été remise en place&#xa0;: les copies de ces fichiers sont endommagées ou manquantes&#xa0;: %3</translation>
    </message>
    <message>
        <source>cannot mark %1 as put back</source>
        <translation>impossible de marquer %1 comme remis en place</translation>
    </message>
    <message>
        <source>its record cannot be read</source>
        <translation>son enregistrement est illisible</translation>
    </message>
    <message>
        <source>%1 put nothing back: %2</source>
        <translation>%1 n&apos;a rien remis en place&#xa0;: %2</translation>
    </message>
    <message>
        <source>The files changed so far are put back at the next start or Restore, once there is room: %1</source>
        <translation>Les fichiers modifiés jusqu&apos;ici seront remis en place au prochain démarrage ou à la prochaine restauration, dès qu&apos;il y aura de la place&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2: %3</source>
        <translation>impossible de copier %1 vers %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>cannot make the folder</source>
        <translation>impossible de créer le dossier</translation>
    </message>
    <message>
        <source>cannot remove %1</source>
        <translation>impossible de supprimer %1</translation>
    </message>
    <message>
        <source>%1 was stopped before changing anything: the backup of the game files could not be written.</source>
        <translation>%1 a été arrêté avant toute modification&#xa0;: la sauvegarde des fichiers du jeu n&apos;a pas pu être écrite.</translation>
    </message>
</context>
<context>
    <name>gamedir</name>
    <message>
        <source>GP2.EXE not found: %1</source>
        <translation>GP2.EXE introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>GP2.EXE cannot be read: %1</source>
        <translation>GP2.EXE est illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t find GP2.EXE !!!</source>
        <translation>GP2.EXE introuvable&#xa0;!!!</translation>
    </message>
    <message>
        <source>To use &apos;PISTARO&apos; you must have Gp2 installed on your system !!!</source>
        <translation>Pour utiliser &apos;PISTARO&apos;, Gp2 doit être installé sur votre système&#xa0;!!!</translation>
    </message>
</context>
<context>
    <name>gameexenames</name>
    <message>
        <source>the file is missing</source>
        <translation>le fichier manque</translation>
    </message>
    <message>
        <source>the edition of the game program is not recognised</source>
        <translation>l&apos;édition du programme du jeu n&apos;est pas reconnue</translation>
    </message>
    <message>
        <source>the file is too short to hold them</source>
        <translation>le fichier est trop court pour les contenir</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>; the old names could not be written back either (%1): Restore puts GP2.EXE back</source>
        <translation>&#xa0;; les anciens noms n&apos;ont pas pu être réécrits non plus (%1)&#xa0;: Restaurer remet GP2.EXE en place</translation>
    </message>
</context>
<context>
    <name>health</name>
    <message>
        <source>it is not a regular file, or it is gone</source>
        <translation>ce n&apos;est pas un fichier ordinaire, ou il a disparu</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>impossible à ouvrir</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <extracomment>The last item of a list that names only the first few.</extracomment>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A problem of a circuit, then its explanation, in the Health column&apos;s tool tip.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not read the file</source>
        <translation>Impossible de lire le fichier</translation>
    </message>
    <message>
        <source>Not a circuit: too large</source>
        <translation>Pas un circuit&#xa0;: trop grand</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; no circuit comes near that.</source>
        <translation>Le fichier dépasse %1 Mo&#xa0;; aucun circuit n&apos;en approche.</translation>
    </message>
    <message>
        <source>Not a circuit: no track data</source>
        <translation>Pas un circuit&#xa0;: aucune donnée de piste</translation>
    </message>
    <message>
        <source>Nothing lies between the info area and the checksum, where the game expects the track.</source>
        <translation>Rien ne se trouve entre la zone d&apos;infos et la somme de contrôle, où le jeu attend la piste.</translation>
    </message>
    <message>
        <source>Not a circuit: too short</source>
        <translation>Pas un circuit&#xa0;: trop court</translation>
    </message>
    <message>
        <source>The track data is shorter than %1 bytes.</source>
        <translation>Les données de piste font moins de %1 octets.</translation>
    </message>
    <message>
        <source>Checksum wrong</source>
        <translation>Somme de contrôle fausse</translation>
    </message>
    <message>
        <source>The 4-byte checksum at the end does not match the file&apos;s content; the game refuses the circuit.</source>
        <translation>La somme de contrôle de 4 octets à la fin ne correspond pas au contenu&#xa0;; le jeu refuse le circuit.</translation>
    </message>
    <message>
        <source>Texture list not checked</source>
        <translation>Liste des textures non vérifiée</translation>
    </message>
    <message>
        <source>The file claims %1 texture files; no circuit names so many.</source>
        <translation>Le fichier annonce %1 fichiers de textures&#xa0;; aucun circuit n&apos;en cite autant.</translation>
    </message>
    <message>
        <source>1 texture missing</source>
        <translation>1 texture manquante</translation>
    </message>
    <message>
        <source>%1 textures missing</source>
        <translation>%1 textures manquantes</translation>
    </message>
    <message>
        <source>Not in the game folder: %1</source>
        <translation>Absente du dossier du jeu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Same circuit as %1</source>
        <translation>Même circuit que %1</translation>
    </message>
    <message>
        <source>Same circuit as %1 and %2 more</source>
        <translation>Même circuit que %1 et %2 autres</translation>
    </message>
    <message>
        <source>The same track data as %1 (the info blocks may differ).</source>
        <translation>Mêmes données de piste que %1 (les blocs d&apos;infos peuvent différer).</translation>
    </message>
    <message>
        <source>could not remove the link %1</source>
        <translation>impossible de supprimer le lien %1</translation>
    </message>
    <message>
        <source>%1 checked: %2 in %3.</source>
        <extracomment>The check&apos;s summary: &quot;12 circuit files checked: 3 problems in 2 files.&quot;</extracomment>
        <translation>Vérification de %1&#xa0;: %2 dans %3.</translation>
    </message>
    <message>
        <source>circuit file</source>
        <extracomment>Counted in the check&apos;s summary, after the number.</extracomment>
        <translation>fichier de circuit</translation>
    </message>
    <message>
        <source>circuit files</source>
        <translation>fichiers de circuit</translation>
    </message>
    <message>
        <source>problem</source>
        <extracomment>Counted in the check&apos;s summary, after the number.</extracomment>
        <translation>problème</translation>
    </message>
    <message>
        <source>problems</source>
        <translation>problèmes</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>Counted in the check&apos;s summary, after the number.</extracomment>
        <translation>fichier</translation>
    </message>
    <message>
        <source>files</source>
        <translation>fichiers</translation>
    </message>
    <message>
        <source> 1 track pack lacks files.</source>
        <translation> 1 pack incomplet (fichiers manquants).</translation>
    </message>
    <message>
        <source> %1 track packs lack files.</source>
        <translation> %1 packs incomplets (fichiers manquants).</translation>
    </message>
    <message>
        <source>Cannot read the circuits folder %1.</source>
        <translation>Impossible de lire le dossier des circuits %1.</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <extracomment>A line of the check: a circuit file, then its problem (and the missing textures).</extracomment>
        <translation>%1&#xa0;: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 (track pack): %2</source>
        <translation>%1 (pack)&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>infoblock</name>
    <message>
        <source>The track info to write does not start with #GP2INFO</source>
        <translation>Les infos de circuit à écrire ne commencent pas par #GP2INFO</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Fichier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>%1 has no track info block</source>
        <translation>%1 n&apos;a pas de bloc d&apos;infos de circuit</translation>
    </message>
</context>
<context>
    <name>insidefolders</name>
    <message>
        <source>%1 leads outside the game folder %2, through a link or a linked folder. Pistaro changes no file there: remove the link or change the file yourself.</source>
        <translation>%1 mène hors du dossier du jeu %2, par un lien ou un dossier lié. Pistaro n&apos;y modifie aucun fichier&#xa0;: supprimez le lien ou modifiez le fichier vous-même.</translation>
    </message>
    <message>
        <source>%1 leads outside the game folder %2 (to %3), through a link or a linked folder. Pistaro changes no file there: remove the link or change the file yourself.</source>
        <translation>%1 mène hors du dossier du jeu %2 (vers %3), par un lien ou un dossier lié. Pistaro n&apos;y modifie aucun fichier&#xa0;: supprimez le lien ou modifiez le fichier vous-même.</translation>
    </message>
</context>
<context>
    <name>language</name>
    <message>
        <source>Automatic (desktop)</source>
        <translation>Automatique (bureau)</translation>
    </message>
</context>
<context>
    <name>laptime</name>
    <message>
        <source>%1, %2 faster than %3</source>
        <extracomment>A new lap record, how much faster it is, then the record it beat.</extracomment>
        <translation>%1, %2 plus rapide que %3</translation>
    </message>
</context>
<context>
    <name>launch</name>
    <message>
        <source>Use: pso --launch [--pack &quot;pack name&quot;] [database]</source>
        <translation>Usage&#xa0;: pso --launch [--pack &quot;nom du pack&quot;] [base]</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not found: there is no folder %2. GP2 was not started.</source>
        <translation>Le pack &apos;%1&apos; est introuvable&#xa0;: il n&apos;y a pas de dossier %2. GP2 n&apos;a pas été lancé.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; lacks circuits, so GP2 was not started. %2</source>
        <translation>Il manque des circuits au pack &apos;%1&apos;, GP2 n&apos;a donc pas été lancé. %2</translation>
    </message>
</context>
<context>
    <name>logparser</name>
    <message>
        <source>Reached a record at %1</source>
        <translation>Record atteint à %1</translation>
    </message>
</context>
<context>
    <name>namesarea</name>
    <message>
        <source>The lap count of slot %1 is not between 0 and 255; the game keeps its old lap count there.</source>
        <translation>Le nombre de tours de l&apos;emplacement %1 n&apos;est pas entre 0 et 255&#xa0;; le jeu y garde son ancien nombre de tours.</translation>
    </message>
    <message>
        <source>The lap counts of slots %1 are not between 0 and 255; the game keeps its old lap counts there.</source>
        <translation>Les nombres de tours des emplacements %1 ne sont pas entre 0 et 255&#xa0;; le jeu y garde ses anciens nombres de tours.</translation>
    </message>
</context>
<context>
    <name>packfolder</name>
    <message>
        <source>%1 couldn&apos;t be deleted</source>
        <translation>%1 n&apos;a pas pu être supprimé</translation>
    </message>
    <message>
        <source>slot %1 wants %2 (%3, %4 bytes)</source>
        <translation>l&apos;emplacement %1 demande %2 (%3, %4 octets)</translation>
    </message>
    <message>
        <source>To complete the pack, install that circuit, or copy it into the Circuits folder and press Rescan.</source>
        <translation>Pour compléter le pack, installez ce circuit, ou copiez-le dans le dossier Circuits et cliquez sur Relire.</translation>
    </message>
    <message>
        <source>To complete the pack, install those circuits, or copy them into the Circuits folder and press Rescan.</source>
        <translation>Pour compléter le pack, installez ces circuits, ou copiez-les dans le dossier Circuits et cliquez sur Relire.</translation>
    </message>
    <message>
        <source>The folder of this Track Pack is missing: %1</source>
        <translation>Le dossier de ce pack manque&#xa0;: %1</translation>
    </message>
    <message>
        <source>slot %1 (%2)</source>
        <translation>emplacement %1 (%2)</translation>
    </message>
    <message>
        <source>slots %1 (%2)</source>
        <translation>emplacements %1 (%2)</translation>
    </message>
    <message>
        <source>Missing from this Track Pack: %1</source>
        <translation>Manque dans ce pack&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>packname</name>
    <message>
        <source>&apos;%1&apos; can&apos;t be a Track Pack name.</source>
        <translation>&apos;%1&apos; ne peut pas être un nom de pack.</translation>
    </message>
    <message>
        <source>It is longer than a folder name may be (255 bytes).</source>
        <translation>Il dépasse la longueur permise pour un nom de dossier (255 octets).</translation>
    </message>
    <message>
        <source>Its name can&apos;t hold control characters (line breaks, tabs and the like).</source>
        <translation>Son nom ne peut pas contenir de caractères de contrôle (sauts de ligne, tabulations, etc.).</translation>
    </message>
    <message>
        <source>Its name can only hold the characters of Windows-1252 (Western European letters, digits and signs).</source>
        <translation>Son nom ne peut contenir que les caractères de Windows-1252 (lettres d&apos;Europe occidentale, chiffres et signes).</translation>
    </message>
    <message>
        <source>A Track Pack is a folder in the Circuits folder: its name can&apos;t be &quot;.&quot; or &quot;..&quot; and can&apos;t hold \ or /.</source>
        <translation>Un pack est un dossier du dossier Circuits&#xa0;: son nom ne peut être ni &quot;.&quot; ni &quot;..&quot; et ne peut contenir ni \ ni /.</translation>
    </message>
</context>
<context>
    <name>packusage</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The track packs named in a question: &quot;A&quot;, &quot;B&quot; and &quot;C&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 is used by the track pack %2.</source>
        <translation>%1 est utilisé par le pack %2.</translation>
    </message>
    <message>
        <source>%1 is used by the track packs %2.</source>
        <translation>%1 est utilisé par les packs %2.</translation>
    </message>
</context>
<context>
    <name>pistaro::AboutDialog</name>
    <message>
        <source>About Pistaro</source>
        <translation>À propos de Pistaro</translation>
    </message>
    <message>
        <source> Pistaro and Lap Time Recorder</source>
        <translation> Pistaro et enregistreur de temps au tour</translation>
    </message>
    <message>
        <source>Thanks to :</source>
        <translation>Merci à&#xa0;:</translation>
    </message>
    <message>
        <source>the circuit makers who share their tracks,</source>
        <translation>les créateurs de circuits qui partagent leurs pistes,</translation>
    </message>
    <message>
        <source>the players who send in their lap times,</source>
        <translation>les joueurs qui envoient leurs temps au tour,</translation>
    </message>
    <message>
        <source>and everyone who tests and reports problems.</source>
        <translation>et tous ceux qui testent et signalent les problèmes.</translation>
    </message>
    <message>
        <source>Help &gt; Contents (F1) tells how Pistaro works.</source>
        <translation>Aide &gt; Sommaire (F1) explique le fonctionnement de Pistaro.</translation>
    </message>
    <message>
        <source>Questions and ideas are welcome through the home page:</source>
        <translation>Questions et idées sont les bienvenues via la page d&apos;accueil&#xa0;:</translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitFixes</name>
    <message>
        <source>Repair &amp;checksum</source>
        <translation>Réparer la somme de &amp;contrôle</translation>
    </message>
    <message>
        <source>Install &amp;missing textures from an archive…</source>
        <translation>Installer les te&amp;xtures manquantes depuis une archive…</translation>
    </message>
    <message>
        <source>Delete this du&amp;plicate…</source>
        <translation>Supprimer ce &amp;doublon…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file the fix could not mend, then why.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No selected circuit has a wrong checksum.</source>
        <translation>Aucun circuit choisi n&apos;a de somme de contrôle fausse.</translation>
    </message>
    <message>
        <source>These checksums could not be written.</source>
        <translation>Ces sommes de contrôle n&apos;ont pas pu être écrites.</translation>
    </message>
    <message>
        <source>checksum was</source>
        <extracomment>Counted in &quot;2 checksums were repaired: …&quot;, after the number.</extracomment>
        <translation>somme de contrôle réparée</translation>
    </message>
    <message>
        <source>checksums were</source>
        <translation>sommes de contrôle réparées</translation>
    </message>
    <message>
        <source>%1 repaired: %2.</source>
        <extracomment>&quot;2 checksums were repaired: A.DAT, B.DAT.&quot;</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Repair checksum</source>
        <translation>Réparer la somme de contrôle</translation>
    </message>
    <message>
        <source>The selected circuits lack no texture the game folder could hold.</source>
        <translation>Aux circuits choisis ne manque aucune texture que le dossier du jeu pourrait contenir.</translation>
    </message>
    <message>
        <source>Archive with the missing textures</source>
        <translation>Archive contenant les textures manquantes</translation>
    </message>
    <message>
        <source>No selected circuit is the same circuit as another file.</source>
        <translation>Aucun circuit choisi n&apos;est le même circuit qu&apos;un autre fichier.</translation>
    </message>
    <message>
        <source>%1 (the circuit stays as %2)</source>
        <translation>%1 (le circuit reste sous %2)</translation>
    </message>
    <message>
        <source>, waiting for Export into slot %1</source>
        <extracomment>Added to &quot;X.DAT (the circuit stays as Y.DAT)&quot; in the list of duplicates.</extracomment>
        <translation>, en attente d&apos;export dans l&apos;emplacement %1</translation>
    </message>
    <message>
        <source>which</source>
        <extracomment>Stands for the file in &quot;…, which is used by the track pack A&quot;.</extracomment>
        <translation>qui</translation>
    </message>
    <message>
        <source>Nothing was deleted: the selected files are the only copies of their circuits.</source>
        <translation>Rien n&apos;a été supprimé&#xa0;: les fichiers choisis sont les seules copies de leurs circuits.</translation>
    </message>
    <message>
        <source>Delete %1? Each circuit stays in the collection as the file named beside it.</source>
        <translation>Supprimer %1&#xa0;? Chaque circuit reste dans la collection sous le fichier nommé à côté.</translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation>doublon</translation>
    </message>
    <message>
        <source>duplicates</source>
        <translation>doublons</translation>
    </message>
    <message>
        <source>A slot waits for a file deleted here: Export would leave that slot as it is in the game.</source>
        <translation>Un emplacement attend un fichier supprimé ici&#xa0;: l&apos;export laisserait cet emplacement tel qu&apos;il est dans le jeu.</translation>
    </message>
    <message>
        <source>These files could not be deleted.</source>
        <translation>Ces fichiers n&apos;ont pas pu être supprimés.</translation>
    </message>
    <message>
        <source>duplicate was</source>
        <extracomment>Counted in &quot;2 duplicates were deleted: …&quot;, after the number.</extracomment>
        <translation>doublon supprimé</translation>
    </message>
    <message>
        <source>duplicates were</source>
        <translation>doublons supprimés</translation>
    </message>
    <message>
        <source>%1 deleted: %2.</source>
        <extracomment>&quot;2 duplicates were deleted: A.DAT, B.DAT.&quot;</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Supprimer les doublons</translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitLists</name>
    <message>
        <source>Words found in any column, or terms such as country:italy, author:&quot;john doe&quot;, laps&gt;60, length&lt;=4500, problems, duplicate, tag:fantasy, pack:&quot;Season 98&quot;, nopack; -word or !word leaves rows out. See Help for every term.</source>
        <translation>Mots trouvés dans une colonne, ou termes comme country:italy, author:&quot;john doe&quot;, laps&gt;60, length&lt;=4500, problems, duplicate, tag:fantasy, pack:&quot;Season 98&quot;, nopack&#xa0;; -mot ou&#xa0;!mot exclut des lignes. Voir l&apos;Aide pour tous les termes.</translation>
    </message>
    <message>
        <source>Filter circuits</source>
        <translation>Filtrer les circuits</translation>
    </message>
    <message>
        <source>Circuits Directory:</source>
        <translation>Dossier des circuits&#xa0;:</translation>
    </message>
    <message>
        <source>A&amp;vailable Circuits</source>
        <translation>Circuits &amp;disponibles</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Add &amp;tags…</source>
        <translation>Ajouter des &amp;tags…</translation>
    </message>
    <message>
        <source>Remo&amp;ve tags…</source>
        <translation>Retirer des ta&amp;gs…</translation>
    </message>
    <message>
        <source>Export circuit list</source>
        <translation>Exporter la liste des circuits</translation>
    </message>
    <message>
        <source>Not understood, so not used:
%1</source>
        <translation>Non compris, donc non utilisé&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Rename file &apos;%1&apos; to: </source>
        <translation>Renommer le fichier &apos;%1&apos; en&#xa0;: </translation>
    </message>
    <message>
        <source>&apos;%1&apos; can&apos;t be used as a file name.</source>
        <translation>&apos;%1&apos; ne peut pas servir de nom de fichier.</translation>
    </message>
    <message>
        <source>A circuit is renamed within the Circuits folder: the new name can&apos;t hold \, / or &quot;..&quot;, nor be longer than 255 bytes.</source>
        <translation>Un circuit est renommé dans le dossier Circuits&#xa0;: le nouveau nom ne peut contenir ni \, ni /, ni &quot;..&quot;, ni dépasser 255 octets.</translation>
    </message>
    <message>
        <source>%1 was not renamed: %2 already exists in its folder.</source>
        <translation>%1 n&apos;a pas été renommé&#xa0;: %2 existe déjà dans son dossier.</translation>
    </message>
    <message>
        <source>Couldn&apos;t rename %1 to %2.</source>
        <translation>Impossible de renommer %1 en %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the file &apos;%1&apos; ? </source>
        <translation>Voulez-vous vraiment supprimer le fichier &apos;%1&apos;&#xa0;? </translation>
    </message>
    <message>
        <source>Couldn&apos;t delete %1.</source>
        <translation>Impossible de supprimer %1.</translation>
    </message>
    <message>
        <source>The tags could not be read: %1</source>
        <translation>Les tags n&apos;ont pas pu être lus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Select the circuits to tag first.</source>
        <translation>Choisissez d&apos;abord les circuits à taguer.</translation>
    </message>
    <message>
        <source>Tags to add to %1 (separated by commas):</source>
        <translation>Tags à ajouter à %1 (séparés par des virgules)&#xa0;:</translation>
    </message>
    <message>
        <source>Tags to add to the %1 circuits selected (separated by commas):</source>
        <translation>Tags à ajouter aux %1 circuits choisis (séparés par des virgules)&#xa0;:</translation>
    </message>
    <message>
        <source>Select the circuits to take tags from first.</source>
        <translation>Choisissez d&apos;abord les circuits dont retirer des tags.</translation>
    </message>
    <message>
        <source>The circuits selected have no tags.</source>
        <translation>Les circuits choisis n&apos;ont aucun tag.</translation>
    </message>
    <message>
        <source>Tags to take from the circuits selected (separated by commas):</source>
        <translation>Tags à retirer des circuits choisis (séparés par des virgules)&#xa0;:</translation>
    </message>
    <message>
        <source>Tags cannot be kept: the tag store %1 could not be opened.</source>
        <translation>Impossible de garder les tags&#xa0;: la base de tags %1 n&apos;a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken as a tag: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas pris comme tag&#xa0;: %2.</translation>
    </message>
    <message>
        <source>These files hold no circuit, so they take no tags:</source>
        <translation>Ces fichiers ne contiennent aucun circuit et ne reçoivent donc aucun tag&#xa0;:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A circuit, then the pack&apos;s tags it lacks.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The pack file tags its circuits. Add these tags to your circuits?</source>
        <translation>Le fichier de pack tague ses circuits. Ajouter ces tags à vos circuits&#xa0;?</translation>
    </message>
    <message>
        <source>Some tags were not taken:</source>
        <translation>Certains tags n&apos;ont pas été pris&#xa0;:</translation>
    </message>
    <message>
        <source>Nothing was renamed: select a circuit first.</source>
        <translation>Rien n&apos;a été renommé&#xa0;: choisissez d&apos;abord un circuit.</translation>
    </message>
    <message>
        <source>%1 was not renamed: it is a game slot file, which the game reads by this name.</source>
        <translation>%1 n&apos;a pas été renommé&#xa0;: c&apos;est un fichier d&apos;emplacement du jeu, que le jeu lit sous ce nom.</translation>
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
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>pistaro::CircuitTableModel</name>
    <message>
        <source>The right button on the row offers the fix.</source>
        <translation>Le clic droit sur la ligne propose la correction.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Tours</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Best race time</source>
        <translation>Meilleur temps course</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
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
        <translation>Fait pour tous ceux qui continuent à courir sur des circuits additionnels.</translation>
    </message>
</context>
<context>
    <name>pistaro::DatabaseList</name>
    <message>
        <source>Lap time database in use &apos;%1&apos;</source>
        <translation>Base de temps au tour utilisée &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Enter the new database name:</source>
        <translation>Entrez le nom de la nouvelle base&#xa0;:</translation>
    </message>
    <message>
        <source>Please wait, making new database...</source>
        <translation>Veuillez patienter, création de la nouvelle base...</translation>
    </message>
    <message>
        <source>Database %1 could not be made.</source>
        <translation>La base %1 n&apos;a pas pu être créée.</translation>
    </message>
    <message>
        <source>Sure you want to kill &apos;%1&apos; ?</source>
        <translation>Voulez-vous vraiment supprimer &apos;%1&apos;&#xa0;?</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; deleted.</source>
        <translation>Base &apos;%1&apos; supprimée.</translation>
    </message>
</context>
<context>
    <name>pistaro::Exporter</name>
    <message>
        <source>&amp;Export to Gp2</source>
        <translation>E&amp;xporter vers Gp2</translation>
    </message>
    <message>
        <source>Export circuits to Gp2</source>
        <translation>Exporter les circuits vers Gp2</translation>
    </message>
    <message>
        <source>Nothing to export: no slot has a circuit or a menu picture waiting.</source>
        <translation>Rien à exporter&#xa0;: aucun emplacement n&apos;attend de circuit ni d&apos;image de menu.</translation>
    </message>
    <message>
        <source>Update your Gp2 files on selected circuits?</source>
        <translation>Mettre à jour vos fichiers Gp2 avec les circuits choisis&#xa0;?</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Exporting menu names... </source>
        <translation>Export des noms de menu... </translation>
    </message>
    <message>
        <source>Updating menu picture... </source>
        <translation>Mise à jour de l&apos;image de menu... </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>%1 copied into its slot.</source>
        <translation>%1 copié dans son emplacement.</translation>
    </message>
    <message>
        <source>%1 copied into their slots.</source>
        <translation>%1 copiés dans leurs emplacements.</translation>
    </message>
    <message>
        <source>circuit was</source>
        <translation>circuit a été</translation>
    </message>
    <message>
        <source>circuits were</source>
        <translation>circuits ont été</translation>
    </message>
    <message>
        <source>The menu names and lap counts were written into GP2.EXE.</source>
        <translation>Les noms de menu et les nombres de tours ont été écrits dans GP2.EXE.</translation>
    </message>
    <message>
        <source>The menu pictures of %1 changed.</source>
        <translation>Images de menu modifiées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>slot were</source>
        <translation>emplacement</translation>
    </message>
    <message>
        <source>slots were</source>
        <translation>emplacements</translation>
    </message>
    <message>
        <source>Gp2 updated.</source>
        <translation>Gp2 mis à jour.</translation>
    </message>
    <message>
        <source>Gp2 was updated in part.</source>
        <translation>Gp2 a été mis à jour en partie.</translation>
    </message>
    <message>
        <source>Gp2 was not updated.</source>
        <translation>Gp2 n&apos;a pas été mis à jour.</translation>
    </message>
    <message>
        <source>Menu pictures were not changed: gp2hipic is not set up. See Help &gt; Outside programs.</source>
        <translation>Images de menu non modifiées&#xa0;: gp2hipic n&apos;est pas configuré. Voir Aide &gt; Programmes externes.</translation>
    </message>
    <message>
        <source>Menu pictures were not changed: %1</source>
        <translation>Images de menu non modifiées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Copying... </source>
        <translation>Copie... </translation>
    </message>
    <message>
        <source>Slot %1: %2 was not copied over %3: %4</source>
        <translation>Emplacement %1&#xa0;: %2 n&apos;a pas été copié sur %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>The menu names and lap counts were not written into %1: %2</source>
        <translation>Les noms de menu et les nombres de tours n&apos;ont pas été écrits dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Emplacement %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, small picture</source>
        <extracomment>A slot&apos;s menu picture in a list: &quot;Slot 3: Monza, small picture&quot;.</extracomment>
        <translation>%1, petite image</translation>
    </message>
    <message>
        <source>%1, large picture</source>
        <translation>%1, grande image</translation>
    </message>
    <message>
        <source>Menu pictures were not changed: the default picture %1 could not be handed over: %2</source>
        <translation>Images de menu non modifiées&#xa0;: l&apos;image par défaut %1 n&apos;a pas pu être transmise&#xa0;: %2</translation>
    </message>
    <message>
        <source>Gp2 was not updated: a file could not be written, so the game was put back as it was.</source>
        <translation>Gp2 n&apos;a pas été mis à jour&#xa0;: un fichier n&apos;a pas pu être écrit, le jeu a donc été remis dans son état antérieur.</translation>
    </message>
    <message>
        <source>The exported circuits were not added to the catalogue: %1</source>
        <translation>Les circuits exportés n&apos;ont pas été ajoutés au catalogue&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>pistaro::HelpWindow</name>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
</context>
<context>
    <name>pistaro::HistoryDialog</name>
    <message>
        <source>History of changes</source>
        <translation>Historique des modifications</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Changes, newest first:</source>
        <translation>Modifications, les plus récentes d&apos;abord&#xa0;:</translation>
    </message>
    <message>
        <source>Files of the change:</source>
        <translation>Fichiers de la modification&#xa0;:</translation>
    </message>
    <message>
        <source>  (1 file)</source>
        <extracomment>After the time and command of a change in History: how many files it holds.</extracomment>
        <translation>  (1 fichier)</translation>
    </message>
    <message>
        <source>  (%1 files)</source>
        <translation>  (%1 fichiers)</translation>
    </message>
    <message>
        <source>  put back</source>
        <extracomment>After a change in History that was undone.</extracomment>
        <translation>  annulée</translation>
    </message>
    <message>
        <source>  unfinished</source>
        <extracomment>After a change in History that never ended.</extracomment>
        <translation>  inachevée</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>  damaged</source>
        <extracomment>After a change in History whose saved copies are damaged.</extracomment>
        <translation>  endommagée</translation>
    </message>
    <message>
        <source>The saved copies of these files are damaged or missing:
</source>
        <translation>Les copies sauvegardées de ces fichiers sont endommagées ou manquantes&#xa0;:
</translation>
    </message>
    <message>
        <source> (removed: it was not there)</source>
        <translation> (supprimé&#xa0;: il n&apos;existait pas)</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>pistaro::Installer</name>
    <message>
        <source>New track selection</source>
        <translation>Choix d&apos;un nouveau circuit</translation>
    </message>
    <message>
        <source>Folder of archives to install</source>
        <translation>Dossier d&apos;archives à installer</translation>
    </message>
    <message>
        <source>No archive was found in %1 (%2).</source>
        <translation>Aucune archive trouvée dans %1 (%2).</translation>
    </message>
    <message>
        <source>File not found or invalid.</source>
        <translation>Fichier introuvable ou invalide.</translation>
    </message>
    <message>
        <source>Please wait,</source>
        <translation>Veuillez patienter,</translation>
    </message>
    <message>
        <source>Installing %1 archives,</source>
        <translation>Installation de %1 archives,</translation>
    </message>
    <message>
        <source>Installing archive %1 of %2,</source>
        <translation>Installation de l&apos;archive %1 sur %2,</translation>
    </message>
    <message>
        <source>Not installed: the file is missing or empty.</source>
        <translation>Non installé&#xa0;: le fichier manque ou est vide.</translation>
    </message>
    <message>
        <source>The installation of this archive failed here.</source>
        <translation>L&apos;installation de cette archive a échoué ici.</translation>
    </message>
    <message>
        <source>%1 of %2 archives read, %3 installed.</source>
        <extracomment>&quot;3 of 4 archives read, 5 circuits installed.&quot;</extracomment>
        <translation>%1 archives lues sur %2, %3.</translation>
    </message>
    <message>
        <source>circuit</source>
        <extracomment>Counted in &quot;… 5 circuits installed.&quot;, after the number.</extracomment>
        <translation>circuit installé</translation>
    </message>
    <message>
        <source>circuits</source>
        <translation>circuits installés</translation>
    </message>
    <message>
        <source>%1 already there.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>circuit was</source>
        <translation>circuit déjà présent</translation>
    </message>
    <message>
        <source>circuits were</source>
        <translation>circuits déjà présents</translation>
    </message>
    <message>
        <source>%1 could not be installed.</source>
        <translation>Installation impossible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>archive</source>
        <translation>archive</translation>
    </message>
    <message>
        <source>archives</source>
        <translation>archives</translation>
    </message>
    <message>
        <source>Stopped before %1</source>
        <translation>Arrêt avant %1</translation>
    </message>
    <message>
        <source>archive:</source>
        <translation>archive&#xa0;:</translation>
    </message>
    <message>
        <source>archives:</source>
        <translation>archives&#xa0;:</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Extraction...</translation>
    </message>
    <message>
        <source>Looking file...</source>
        <translation>Recherche du fichier...</translation>
    </message>
    <message>
        <source>Nothing could be extracted.</source>
        <translation>Rien n&apos;a pu être extrait.</translation>
    </message>
    <message>
        <source>Couldn&apos;t extract any file from %1.</source>
        <translation>Aucun fichier n&apos;a pu être extrait de %1.</translation>
    </message>
    <message>
        <source>%1 extracted from %2</source>
        <translation>Extraction de %2&#xa0;: %1</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>files</source>
        <translation>fichiers</translation>
    </message>
    <message>
        <source>The archive holds no circuit (.dat) file.</source>
        <translation>L&apos;archive ne contient aucun fichier de circuit (.dat).</translation>
    </message>
    <message>
        <source>%1 not installed: an archive inside the archive is not unpacked</source>
        <translation>%1 non installé&#xa0;: une archive dans l&apos;archive n&apos;est pas décompressée</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this file: %1</source>
        <translation>Impossible de lire ce fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>(The read-me was cut here: it holds %1 bytes, the first %2 are shown.)</source>
        <translation>(Le fichier lisez-moi est coupé ici&#xa0;: il fait %1 octets, les %2 premiers sont affichés.)</translation>
    </message>
    <message>
        <source>%1 not installed: the same circuit is already there as %2</source>
        <translation>%1 non installé&#xa0;: le même circuit existe déjà sous %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the texture list of %1</source>
        <translation>Impossible de lire la liste des textures de %1</translation>
    </message>
    <message>
        <source>%1 not installed: no other name was given</source>
        <translation>%1 non installé&#xa0;: aucun autre nom n&apos;a été donné</translation>
    </message>
    <message>
        <source>Track %1 was not installed.</source>
        <translation>Le circuit %1 n&apos;a pas été installé.</translation>
    </message>
    <message>
        <source>%1 track copied to %2</source>
        <translation>Circuit %1 copié vers %2</translation>
    </message>
    <message>
        <source>%1 track couldn&apos;t be copied to %2: %3</source>
        <translation>Le circuit %1 n&apos;a pas pu être copié vers %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>The name of the file you are installing can&apos;t be %1.</source>
        <translation>Le fichier que vous installez ne peut pas s&apos;appeler %1.</translation>
    </message>
    <message>
        <source>Please enter a new name for this file:</source>
        <translation>Entrez un nouveau nom pour ce fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Please enter another name.</source>
        <translation>Entrez un autre nom.</translation>
    </message>
    <message>
        <source>File %1 already exists, overwrite?</source>
        <translation>Le fichier %1 existe déjà, le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>%1 %2 menu image copied</source>
        <translation>Image de menu %1 %2 copiée</translation>
    </message>
    <message>
        <source>%1 %2 menu image couldn&apos;t be copied to %3: %4</source>
        <translation>L&apos;image de menu %1 %2 n&apos;a pas pu être copiée vers %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>%1 file converted to JAM</source>
        <translation>Fichier %1 converti en JAM</translation>
    </message>
    <message>
        <source>%1 file couldn&apos;t be converted to JAM: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être converti en JAM&#xa0;: %2</translation>
    </message>
    <message>
        <source>No texture was copied: %1</source>
        <translation>Aucune texture copiée&#xa0;: %1</translation>
    </message>
    <message>
        <source>No texture was copied: their backup could not be written: %1</source>
        <translation>Aucune texture copiée&#xa0;: leur sauvegarde n&apos;a pas pu être écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>Textures from %1</source>
        <translation>Textures de %1</translation>
    </message>
    <message>
        <source>Every missing texture is installed now.</source>
        <translation>Toutes les textures manquantes sont maintenant installées.</translation>
    </message>
    <message>
        <source>%1 still missing:</source>
        <translation>%1 encore&#xa0;:</translation>
    </message>
    <message>
        <source>texture is</source>
        <translation>texture manque</translation>
    </message>
    <message>
        <source>textures are</source>
        <translation>textures manquent</translation>
    </message>
    <message>
        <source>Nothing was installed: %1</source>
        <translation>Rien n&apos;a été installé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Track %1 was not installed: %2</source>
        <translation>Le circuit %1 n&apos;a pas été installé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Track %1 was installed in part: %2</source>
        <translation>Le circuit %1 a été installé en partie&#xa0;: %2</translation>
    </message>
    <message>
        <source>Not installed: %1</source>
        <translation>Non installé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The archives were installed in part: %1</source>
        <translation>Les archives ont été installées en partie&#xa0;: %1</translation>
    </message>
    <message>
        <source>no scratch folder could be made in %1 (%2).</source>
        <translation>aucun dossier de travail n&apos;a pu être créé dans %1 (%2).</translation>
    </message>
    <message>
        <source>The game was put back as it was.</source>
        <translation>Le jeu a été remis dans son état antérieur.</translation>
    </message>
</context>
<context>
    <name>pistaro::LapHistoryView</name>
    <message>
        <source>History: select a track</source>
        <translation>Historique&#xa0;: choisissez un circuit</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Historique de %1</translation>
    </message>
    <message>
        <source>Select a track to see its history.</source>
        <translation>Choisissez un circuit pour voir son historique.</translation>
    </message>
    <message>
        <source>No records of this track yet.</source>
        <translation>Aucun record pour ce circuit.</translation>
    </message>
</context>
<context>
    <name>pistaro::LapTimeDatabase</name>
    <message>
        <source>Error while reading Parameters.</source>
        <translation>Erreur à la lecture des paramètres.</translation>
    </message>
    <message>
        <source>Database %1 does not have the layout pso.def describes and cannot be used.</source>
        <translation>La base %1 n&apos;a pas la structure décrite par pso.def et ne peut pas être utilisée.</translation>
    </message>
    <message>
        <source>Database %1 lacks what pso.def describes:</source>
        <translation>Il manque à la base %1 ce que décrit pso.def&#xa0;:</translation>
    </message>
    <message>
        <source>It is brought up to date now.</source>
        <translation>Elle est mise à jour maintenant.</translation>
    </message>
    <message>
        <source>Please wait, updating database...</source>
        <translation>Veuillez patienter, mise à jour de la base...</translation>
    </message>
    <message>
        <source>Database %1 was brought up to date (layout version %2 to %3).</source>
        <translation>La base %1 a été mise à jour (structure version %2 à %3).</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>Le fichier d&apos;origine est gardé sous %1.</translation>
    </message>
    <message>
        <source>Database %1 could not be brought up to date and is left as it was.</source>
        <translation>La base %1 n&apos;a pas pu être mise à jour et reste telle quelle.</translation>
    </message>
    <message>
        <source>Database %1 could not be made.</source>
        <translation>La base %1 n&apos;a pas pu être créée.</translation>
    </message>
    <message>
        <source>Database %1 is damaged and could not be repaired.</source>
        <translation>La base %1 est endommagée et n&apos;a pas pu être réparée.</translation>
    </message>
    <message>
        <source> Cancel ends Pistaro.</source>
        <extracomment>Ends the messages that ask for the game folder, after a space.</extracomment>
        <translation> Annuler ferme Pistaro.</translation>
    </message>
    <message>
        <source>There is no GP2.EXE in %1.</source>
        <translation>Il n&apos;y a pas de GP2.EXE dans %1.</translation>
    </message>
    <message>
        <source>In the next window, choose the folder that holds GP2.EXE.</source>
        <translation>Dans la fenêtre suivante, choisissez le dossier qui contient GP2.EXE.</translation>
    </message>
    <message>
        <source>Where is your GP2 folder?</source>
        <translation>Où est votre dossier GP2&#xa0;?</translation>
    </message>
    <message>
        <source>Pistaro works on the circuits of your Grand Prix 2 installation. In the next window, choose the folder that holds GP2.EXE (File &gt; Setup Pistaro changes it later).</source>
        <translation>Pistaro travaille sur les circuits de votre installation de Grand Prix 2. Dans la fenêtre suivante, choisissez le dossier qui contient GP2.EXE (Fichier &gt; Configurer Pistaro permet de le changer plus tard).</translation>
    </message>
    <message>
        <source>Your original circuit files were copied under their track names.</source>
        <translation>Vos fichiers de circuit d&apos;origine ont été copiés sous leurs noms de circuit.</translation>
    </message>
</context>
<context>
    <name>pistaro::LapTimeTable</name>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>writing file...</source>
        <translation>écriture du fichier...</translation>
    </message>
    <message>
        <source>No application for plain text is set up on this system: the table, written to %1, is shown in Pistaro&apos;s text viewer.</source>
        <translation>Aucune application pour le texte brut n&apos;est configurée sur ce système&#xa0;: la table, écrite dans %1, est affichée dans la visionneuse de texte de Pistaro.</translation>
    </message>
    <message>
        <source>Export lap time table</source>
        <translation>Exporter la table des temps au tour</translation>
    </message>
    <message>
        <source>Lap Time Table</source>
        <translation>Table des temps au tour</translation>
    </message>
    <message>
        <source>Export to &amp;Notepad</source>
        <translation>Exporter vers le &amp;Bloc-notes</translation>
    </message>
    <message>
        <source>Export as C&amp;SV…</source>
        <translation>Exporter en C&amp;SV…</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
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
        <translation>&amp;Lancer GP2</translation>
    </message>
    <message>
        <source>Run Gp2</source>
        <translation>Lancer Gp2</translation>
    </message>
    <message>
        <source>%1 could not be run</source>
        <translation>%1 n&apos;a pas pu être lancé</translation>
    </message>
</context>
<context>
    <name>pistaro::LogImport</name>
    <message>
        <source>&amp;Get Time from GP2LAP.LOG</source>
        <translation>Temps de GP2LAP.L&amp;OG</translation>
    </message>
    <message>
        <source>No lap time was read: there is no readable %1. GP2LAP writes it while you play.</source>
        <translation>Aucun temps au tour lu&#xa0;: pas de %1 lisible. GP2LAP l&apos;écrit pendant que vous jouez.</translation>
    </message>
    <message>
        <source>Nothing new was found in %1: its lap times were imported before.</source>
        <translation>Rien de nouveau dans %1&#xa0;: ses temps au tour ont déjà été importés.</translation>
    </message>
    <message>
        <source>No lap time of a known track and session was found in %1.</source>
        <translation>Aucun temps au tour d&apos;un circuit et d&apos;une séance connus dans %1.</translation>
    </message>
    <message>
        <source>lap time was</source>
        <extracomment>After a count: &quot;1 lap time was&quot; or &quot;3 lap times were&quot; read from the log.</extracomment>
        <translation>temps au tour lu</translation>
    </message>
    <message>
        <source>lap times were</source>
        <translation>temps au tour lus</translation>
    </message>
    <message>
        <source> read from %1; none beats a stored time.</source>
        <translation> dans %1&#xa0;; aucun ne bat un temps enregistré.</translation>
    </message>
    <message>
        <source>line was</source>
        <extracomment>After a count: &quot;1 line was&quot; or &quot;3 lines were&quot; skipped.</extracomment>
        <translation>ligne ignorée</translation>
    </message>
    <message>
        <source>lines were</source>
        <translation>lignes ignorées</translation>
    </message>
    <message>
        <source> skipped for a time that is no lap time (m:ss.mmm), the first: &quot;%1&quot;</source>
        <extracomment>After &quot;3 lines were&quot;.</extracomment>
        <translation> car leur temps n&apos;est pas un temps au tour (m:ss.mmm), la première&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The lap times of gp2lap.log could not be stored in the database: </source>
        <translation>Les temps au tour de gp2lap.log n&apos;ont pas pu être enregistrés dans la base&#xa0;: </translation>
    </message>
    <message>
        <source>Nothing of this reading was kept. gp2lap.log is kept as it is: it is neither deleted nor renamed before the next game.</source>
        <translation>Rien de cette lecture n&apos;a été gardé. gp2lap.log reste tel quel&#xa0;: il n&apos;est ni supprimé ni renommé avant la prochaine partie.</translation>
    </message>
    <message>
        <source> skipped, the first: &quot;%1&quot;.</source>
        <extracomment>After &quot;3 lines were&quot;.</extracomment>
        <translation>, la première&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>pistaro::LogWindow</name>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>LOG FILE</source>
        <translation>FICHIER JOURNAL</translation>
    </message>
    <message>
        <source>You played Grand Prix 2</source>
        <extracomment>Before the count of games, then &quot;times.&quot;.</extracomment>
        <translation>Vous avez joué à Grand Prix 2</translation>
    </message>
    <message>
        <source>times.</source>
        <translation>fois.</translation>
    </message>
    <message>
        <source>First time :</source>
        <translation>Première fois&#xa0;:</translation>
    </message>
    <message>
        <source>Last time:</source>
        <translation>Dernière fois&#xa0;:</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Temps total&#xa0;:</translation>
    </message>
</context>
<context>
    <name>pistaro::MainWindow</name>
    <message>
        <source>Time Database:</source>
        <translation>Base des temps&#xa0;:</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>End Pistaro</source>
        <translation>Quitter Pistaro</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Install new Track</source>
        <translation>&amp;Installer un nouveau circuit</translation>
    </message>
    <message>
        <source>Install a &amp;Folder of Archives…</source>
        <translation>Installer un &amp;dossier d&apos;archives…</translation>
    </message>
    <message>
        <source>&amp;Log Stats</source>
        <translation>&amp;Statistiques du journal</translation>
    </message>
    <message>
        <source>&amp;Defrag f1pcsvga.bin</source>
        <translation>Dé&amp;fragmenter f1pcsvga.bin</translation>
    </message>
    <message>
        <source>&amp;Restore last change...</source>
        <translation>&amp;Restaurer la dernière modification...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>&amp;Export circuit list…</source>
        <translation>&amp;Exporter la liste des circuits…</translation>
    </message>
    <message>
        <source>&amp;Setup Pistaro</source>
        <translation>&amp;Configurer Pistaro</translation>
    </message>
    <message>
        <source>&amp;Tracks</source>
        <translation>&amp;Circuits</translation>
    </message>
    <message>
        <source>Resca&amp;n</source>
        <translation>&amp;Relire</translation>
    </message>
    <message>
        <source>&amp;Update Track Info</source>
        <translation>&amp;Mettre à jour les infos</translation>
    </message>
    <message>
        <source>&amp;Export to Gp2</source>
        <translation>&amp;Exporter vers Gp2</translation>
    </message>
    <message>
        <source>&amp;Launch GP2</source>
        <translation>&amp;Lancer GP2</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Pistaro Home Page</source>
        <translation>&amp;Page d&apos;accueil de Pistaro</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>GP2 is running. Pistaro will close when it ends.</source>
        <translation>GP2 est lancé. Pistaro se fermera quand il se terminera.</translation>
    </message>
    <message>
        <source>You have to set your Screen Resolution at least 800x600</source>
        <translation>Vous devez régler votre résolution d&apos;écran à 800x600 au moins</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1.</source>
        <translation>Impossible d&apos;ouvrir %1.</translation>
    </message>
    <message>
        <source>Menu pictures are neither shown nor kept in this run.</source>
        <translation>Les images de menu ne sont ni affichées ni gardées pendant cette session.</translation>
    </message>
    <message>
        <source>The track pack list was not saved.</source>
        <translation>La liste des packs n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <source>Export p&amp;ack…</source>
        <translation>Exporter le p&amp;ack…</translation>
    </message>
    <message>
        <source>&amp;Import pack…</source>
        <translation>&amp;Importer un pack…</translation>
    </message>
</context>
<context>
    <name>pistaro::MenuPictures</name>
    <message>
        <source>Menu Picture </source>
        <translation>Image de menu </translation>
    </message>
    <message>
        <source>Menu Picture 640x480 :</source>
        <translation>Image de menu 640x480&#xa0;:</translation>
    </message>
    <message>
        <source>Menu Picture 440x330:</source>
        <translation>Image de menu 440x330&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Parcourir</translation>
    </message>
    <message>
        <source>Browse Menu Picture</source>
        <translation>Parcourir les images de menu</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>Parco&amp;urir</translation>
    </message>
    <message>
        <source>&amp;Import Menu Picture</source>
        <translation>I&amp;mporter l&apos;image</translation>
    </message>
    <message>
        <source>Import Menu Picture from Gp2</source>
        <translation>Importer l&apos;image de menu depuis Gp2</translation>
    </message>
    <message>
        <source>Import Menu &amp;Picture</source>
        <translation>Impor&amp;ter l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>Fa&amp;briquer</translation>
    </message>
    <message>
        <source>Ma&amp;ke</source>
        <translation>Fabr&amp;iquer</translation>
    </message>
    <message>
        <source>Cle&amp;ar</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>Clear Menu Picture</source>
        <translation>Vider l&apos;image de menu</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>Vid&amp;er</translation>
    </message>
    <message>
        <source>Select one Gp2 circuit first.</source>
        <translation>Choisissez d&apos;abord un circuit Gp2.</translation>
    </message>
    <message>
        <source>Do you realy want to replace &apos;%1&apos; ?</source>
        <translation>Voulez-vous vraiment remplacer &apos;%1&apos;&#xa0;?</translation>
    </message>
    <message>
        <source>gp2hipic wrote no picture to %1</source>
        <translation>gp2hipic n&apos;a écrit aucune image dans %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The menu picture was not imported.</source>
        <translation>L&apos;image de menu n&apos;a pas été importée.</translation>
    </message>
    <message>
        <source>Menu picture selection</source>
        <translation>Choix de l&apos;image de menu</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Defrag f1pcsvga.bin... </source>
        <translation>Défragmentation de f1pcsvga.bin... </translation>
    </message>
    <message>
        <source>f1pcsvga.bin was not defragmented.</source>
        <translation>f1pcsvga.bin n&apos;a pas été défragmenté.</translation>
    </message>
</context>
<context>
    <name>pistaro::PackControls</name>
    <message>
        <source>PackControls</source>
        <translation>Gestion des packs</translation>
    </message>
    <message>
        <source>--&gt; &amp;Change</source>
        <translation>--&gt; C&amp;hanger</translation>
    </message>
    <message>
        <source>Change Track</source>
        <translation>Changer de circuit</translation>
    </message>
    <message>
        <source>Resca&amp;n</source>
        <translation>&amp;Relire</translation>
    </message>
    <message>
        <source>Import circuits from Gp2</source>
        <translation>Importer les circuits depuis Gp2</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>View Pack</source>
        <translation>Voir le pack</translation>
    </message>
    <message>
        <source>Save Pack</source>
        <translation>Enregistrer le pack</translation>
    </message>
    <message>
        <source>Delete Track Pack</source>
        <translation>Supprimer le pack</translation>
    </message>
    <message>
        <source>Export pack…</source>
        <translation>Exporter le pack…</translation>
    </message>
    <message>
        <source>Import pack…</source>
        <translation>Importer un pack…</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; already exists, overwrite?</source>
        <translation>Le pack &apos;%1&apos; existe déjà, le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>%1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>These circuits couldn&apos;t be copied into the pack:</source>
        <translation>Ces circuits n&apos;ont pas pu être copiés dans le pack&#xa0;:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file that could not be copied, then why.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 saved in %2.</source>
        <extracomment>&quot;3 slot files were saved in &lt;folder&gt;.&quot;</extracomment>
        <translation>%1 dans %2.</translation>
    </message>
    <message>
        <source>slot file was</source>
        <extracomment>Counted in &quot;3 slot files were saved in …&quot;, after the number.</extracomment>
        <translation>fichier d&apos;emplacement enregistré</translation>
    </message>
    <message>
        <source>slot files were</source>
        <translation>fichiers d&apos;emplacement enregistrés</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was saved.</source>
        <translation>Le pack &apos;%1&apos; a été enregistré.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not saved completely.</source>
        <translation>Le pack &apos;%1&apos; n&apos;a pas été entièrement enregistré.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not found:</source>
        <translation>Le pack &apos;%1&apos; est introuvable&#xa0;:</translation>
    </message>
    <message>
        <source>These slots were left as they were: the pack lacks their circuits. </source>
        <translation>Ces emplacements sont restés tels quels&#xa0;: il manque leurs circuits au pack. </translation>
    </message>
    <message>
        <source>Track Pack &apos;%1&apos;: %2.</source>
        <translation>Pack &apos;%1&apos;&#xa0;: %2.</translation>
    </message>
    <message>
        <source>These slots were left as they were: their files are missing from the pack.</source>
        <translation>Ces emplacements sont restés tels quels&#xa0;: leurs fichiers manquent dans le pack.</translation>
    </message>
    <message>
        <source>Slot %1: %2 is missing</source>
        <translation>Emplacement %1&#xa0;: %2 manque</translation>
    </message>
    <message>
        <source>These slots were left as they were: their files couldn&apos;t be copied.</source>
        <translation>Ces emplacements sont restés tels quels&#xa0;: leurs fichiers n&apos;ont pas pu être copiés.</translation>
    </message>
    <message>
        <source>Slot %1: %2: %3</source>
        <translation>Emplacement %1&#xa0;: %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; is not complete.</source>
        <translation>Le pack &apos;%1&apos; n&apos;est pas complet.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the &apos;%1&apos; Track Pack from your disk ?</source>
        <translation>Voulez-vous vraiment supprimer le pack &apos;%1&apos; de votre disque&#xa0;?</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; was not deleted completely.</source>
        <translation>Le pack &apos;%1&apos; n&apos;a pas été entièrement supprimé.</translation>
    </message>
    <message>
        <source>These files couldn&apos;t be deleted:</source>
        <translation>Ces fichiers n&apos;ont pas pu être supprimés&#xa0;:</translation>
    </message>
    <message>
        <source>Choose a saved Track Pack to export.</source>
        <translation>Choisissez un pack enregistré à exporter.</translation>
    </message>
    <message>
        <source>The Track Pack &apos;%1&apos; already exists, replace it?</source>
        <translation>Le pack &apos;%1&apos; existe déjà, le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Select an available circuit first.</source>
        <translation>Choisissez d&apos;abord un circuit disponible.</translation>
    </message>
    <message>
        <source>Select a slot first.</source>
        <translation>Choisissez d&apos;abord un emplacement.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>pistaro::PictureView</name>
    <message>
        <source>Picture View</source>
        <translation>Aperçu de l&apos;image</translation>
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
        <translation>État des records</translation>
    </message>
    <message>
        <source>Reading Gp2Lap.Log...</source>
        <translation>Lecture de Gp2Lap.Log...</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Gp2Lap.Log read.</source>
        <translation>Gp2Lap.Log lu.</translation>
    </message>
    <message>
        <source>%1 set.</source>
        <extracomment>&quot;1 record set.&quot; or &quot;3 records set.&quot; in the Record Status window.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>record</source>
        <translation>record établi</translation>
    </message>
    <message>
        <source>records</source>
        <translation>records établis</translation>
    </message>
    <message>
        <source>%1 read, %2</source>
        <extracomment>&quot;3 lap times read, 2 records set.&quot; in the Record Status window.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>lap time</source>
        <translation>temps au tour lu</translation>
    </message>
    <message>
        <source>lap times</source>
        <translation>temps au tour lus</translation>
    </message>
</context>
<context>
    <name>pistaro::SetupDialog</name>
    <message>
        <source>Pistaro Setup</source>
        <translation>Configuration de Pistaro</translation>
    </message>
    <message>
        <source>Gp2 Directory:</source>
        <translation>Dossier Gp2&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Parcourir</translation>
    </message>
    <message>
        <source>Browse Gp2 Directory</source>
        <translation>Parcourir le dossier Gp2</translation>
    </message>
    <message>
        <source>Gp2 Version:</source>
        <translation>Version de Gp2&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Use Gp2Lap</source>
        <translation>&amp;Utiliser Gp2Lap</translation>
    </message>
    <message>
        <source> Log File</source>
        <translation> Fichier journal</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>Use &amp;Quick update when exporting maps</source>
        <translation>&amp;Mise à jour rapide à l&apos;export des cartes</translation>
    </message>
    <message>
        <source>Car Setup &amp;Management</source>
        <translation>&amp;Gestion des réglages</translation>
    </message>
    <message>
        <source>DOS emulator</source>
        <translation>Émulateur DOS</translation>
    </message>
    <message>
        <source>CPU c&amp;ycles</source>
        <translation>C&amp;ycles CPU</translation>
    </message>
    <message>
        <source>Run the game &amp;full screen</source>
        <translation>Jeu en plein é&amp;cran</translation>
    </message>
    <message>
        <source>CD &amp;image</source>
        <translation>&amp;Image CD</translation>
    </message>
    <message>
        <source>The game&apos;s CD as an image (.cue or .iso), mounted as D:</source>
        <translation>Le CD du jeu sous forme d&apos;image (.cue ou .iso), monté en D:</translation>
    </message>
    <message>
        <source>C&amp;hoose</source>
        <translation>C&amp;hoisir</translation>
    </message>
    <message>
        <source>Changes kept in the history</source>
        <translation>Modifications gardées dans l&apos;historique</translation>
    </message>
    <message>
        <source>Size of the backups at most</source>
        <translation>Taille maximale des sauvegardes</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> Mo</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Prend effet au prochain démarrage.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Select your Gp2 directory: </source>
        <translation>Choisissez votre dossier Gp2&#xa0;: </translation>
    </message>
    <message>
        <source>Select the GP2 CD image</source>
        <translation>Choisir l&apos;image CD de GP2</translation>
    </message>
    <message>
        <source>CD images|*.cue;*.iso|All files|*</source>
        <extracomment>A file dialog filter: translate the names, keep the &quot;|&quot; and the patterns.</extracomment>
        <translation>Images CD|*.cue;*.iso|Tous les fichiers|*</translation>
    </message>
    <message>
        <source>As DOSBox reads it: max, auto, fixed 30000, or a number such as 30000</source>
        <translation>Comme DOSBox le lit&#xa0;: max, auto, fixed 30000, ou un nombre comme 30000</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Gp2Lap.exe is not in the game folder: the game starts without the lap timer.</source>
        <translation>Gp2Lap.exe n&apos;est pas dans le dossier du jeu&#xa0;: le jeu démarre sans le chronomètre de tours.</translation>
    </message>
    <message>
        <source>CPU cycles: %1</source>
        <translation>Cycles CPU&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>pistaro::SetupTransfer</name>
    <message>
        <source>Import &amp;Setups</source>
        <translation>Importer les ré&amp;glages</translation>
    </message>
    <message>
        <source>Export Set&amp;ups</source>
        <translation>Exporter les réglage&amp;s</translation>
    </message>
    <message>
        <source>car setup was</source>
        <extracomment>After a count: &quot;1 car setup was&quot; or &quot;3 car setups were&quot;.</extracomment>
        <translation>réglage a été</translation>
    </message>
    <message>
        <source>car setups were</source>
        <translation>réglages ont été</translation>
    </message>
    <message>
        <source> stored in the lap time database, each with the track of its slot.</source>
        <translation> enregistré(s) dans la base des temps au tour, chacun avec le circuit de son emplacement.</translation>
    </message>
    <message>
        <source>No slot holds a track of the lap time database: nothing was stored.</source>
        <translation>Aucun emplacement ne contient un circuit de la base des temps au tour&#xa0;: rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Car setups imported.</source>
        <translation>Réglages importés.</translation>
    </message>
    <message>
        <source>Car setups not imported.</source>
        <translation>Réglages non importés.</translation>
    </message>
    <message>
        <source> written into %1.</source>
        <translation> écrit(s) dans %1.</translation>
    </message>
    <message>
        <source>The lap time database holds no setup for the tracks in the slots: the game&apos;s setups were left as they were.</source>
        <translation>La base des temps au tour ne contient aucun réglage pour les circuits des emplacements&#xa0;: les réglages du jeu sont restés tels quels.</translation>
    </message>
    <message>
        <source>Car setups exported.</source>
        <translation>Réglages exportés.</translation>
    </message>
    <message>
        <source>Car setups exported in part.</source>
        <translation>Réglages exportés en partie.</translation>
    </message>
    <message>
        <source>Car setups not exported.</source>
        <translation>Réglages non exportés.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Importing setups from GP2</source>
        <translation>Import des réglages depuis GP2</translation>
    </message>
    <message>
        <source>None of the setups could be stored in the database: %1</source>
        <translation>Aucun réglage n&apos;a pu être enregistré dans la base&#xa0;: %1</translation>
    </message>
    <message>
        <source>The backup of the game files could not be written: %1</source>
        <translation>La sauvegarde des fichiers du jeu n&apos;a pas pu être écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>Exporting setups to GP2</source>
        <translation>Export des réglages vers GP2</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Emplacement %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The checksum of %1 was not repaired: sumfix could not be started</source>
        <translation>La somme de contrôle de %1 n&apos;a pas été réparée&#xa0;: sumfix n&apos;a pas pu être lancé</translation>
    </message>
</context>
<context>
    <name>pistaro::SlotList</name>
    <message>
        <source>1 slot is not exported yet. Export it now?</source>
        <translation>1 emplacement n&apos;est pas encore exporté. L&apos;exporter maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>%1 slots are not exported yet. Export them now?</source>
        <translation>%1 emplacements ne sont pas encore exportés. Les exporter maintenant&#xa0;?</translation>
    </message>
</context>
<context>
    <name>pistaro::StatusWindow</name>
    <message>
        <source>End the program Pistaro waits for</source>
        <translation>Terminer le programme qu&apos;attend Pistaro</translation>
    </message>
    <message>
        <source>Stop after the step under way; what is done stays</source>
        <translation>S&apos;arrêter après l&apos;étape en cours&#xa0;; ce qui est fait reste</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Stop %1</source>
        <translation>&amp;Arrêter %1</translation>
    </message>
</context>
<context>
    <name>pistaro::Textures</name>
    <message>
        <source>Check &amp;Jams</source>
        <translation>Vérifier les &amp;JAM</translation>
    </message>
    <message>
        <source>Check that the textures the circuit needs are in the game</source>
        <translation>Vérifier que les textures dont le circuit a besoin sont dans le jeu</translation>
    </message>
    <message>
        <source>Select a circuit first.</source>
        <translation>Choisissez d&apos;abord un circuit.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>All %1 jam files used by %2 exists on your system.</source>
        <translation>Les %1 fichiers jam utilisés par %2 existent sur votre système.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find these jam files: </source>
        <translation>Fichiers jam introuvables&#xa0;: </translation>
    </message>
    <message>
        <source>%1 not copied to %2: that place is outside the game folder</source>
        <translation>%1 non copié vers %2&#xa0;: cet endroit est hors du dossier du jeu</translation>
    </message>
    <message>
        <source>%1 copied to %2</source>
        <translation>%1 copié vers %2</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be copied to %2: %3</source>
        <translation>%1 n&apos;a pas pu être copié vers %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 more texture copies skipped: the texture list names more than %2 places</source>
        <translation>%1 autres copies de textures ignorées&#xa0;: la liste des textures cite plus de %2 endroits</translation>
    </message>
</context>
<context>
    <name>pistaro::TrackInfoPanel</name>
    <message>
        <source>Track Info</source>
        <translation>Infos du circuit</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Pays&#xa0;:</translation>
    </message>
    <message>
        <source>Event:</source>
        <translation>Épreuve&#xa0;:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Auteur&#xa0;:</translation>
    </message>
    <message>
        <source>Adj.:</source>
        <translation>Adj.&#xa0;:</translation>
    </message>
    <message>
        <source>Desc.:</source>
        <translation>Desc.&#xa0;:</translation>
    </message>
    <message>
        <source>Laps:</source>
        <translation>Tours&#xa0;:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Longueur&#xa0;:</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Empl.&#xa0;:</translation>
    </message>
    <message>
        <source>Tyre:</source>
        <translation>Pneus&#xa0;:</translation>
    </message>
    <message>
        <source>Original Gp2 Track</source>
        <translation>Circuit Gp2 d&apos;origine</translation>
    </message>
    <message>
        <source>Update Track Info</source>
        <translation>Mettre à jour les infos</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps&#xa0;:</translation>
    </message>
    <message>
        <source>Warm up</source>
        <translation>Warm-up</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Qualifications</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>This value is too long to store in the track file.</source>
        <translation>Cette valeur est trop longue pour le fichier du circuit.</translation>
    </message>
    <message>
        <source>At most %1 characters fit in this field; nothing was changed.</source>
        <translation>Ce champ contient au plus %1 caractères&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Type the whole time as m:ss.mmm, for example 1:23.456. This one is not stored yet.</source>
        <translation>Tapez le temps complet en m:ss.mmm, par exemple 1:23.456. Celui-ci n&apos;est pas encore enregistré.</translation>
    </message>
    <message>
        <source>Save the changes to the track info of %1?</source>
        <translation>Enregistrer les modifications des infos du circuit %1&#xa0;?</translation>
    </message>
    <message>
        <source>The track file was not found:</source>
        <translation>Le fichier du circuit est introuvable&#xa0;:</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The track file cannot be written:</source>
        <translation>Le fichier du circuit ne peut pas être écrit&#xa0;:</translation>
    </message>
    <message>
        <source>Its checksum could not be fixed: sumfix could not be started from %1: the checksum of %2 is stale, and the game will refuse the file until it is fixed.</source>
        <translation>Sa somme de contrôle n&apos;a pas pu être corrigée&#xa0;: sumfix n&apos;a pas pu être lancé depuis %1&#xa0;: la somme de contrôle de %2 est périmée, et le jeu refusera le fichier tant qu&apos;elle n&apos;est pas corrigée.</translation>
    </message>
    <message>
        <source>Its row in the lap time database %1 could not be written: the database still holds the old track info.</source>
        <translation>Sa ligne dans la base des temps au tour %1 n&apos;a pas pu être écrite&#xa0;: la base contient encore les anciennes infos du circuit.</translation>
    </message>
    <message>
        <source>Track updated.</source>
        <translation>Circuit mis à jour.</translation>
    </message>
    <message>
        <source>Track updated, but its checksum could not be fixed.</source>
        <translation>Circuit mis à jour, mais sa somme de contrôle n&apos;a pas pu être corrigée.</translation>
    </message>
    <message>
        <source>sumfix could not be started from %1: the checksum of %2 is stale, and the game will refuse the file until it is fixed.</source>
        <translation>sumfix n&apos;a pas pu être lancé depuis %1&#xa0;: la somme de contrôle de %2 est périmée, et le jeu refusera le fichier tant qu&apos;elle n&apos;est pas corrigée.</translation>
    </message>
    <message>
        <source>Track updated, but not completely.</source>
        <translation>Circuit mis à jour, mais pas entièrement.</translation>
    </message>
    <message>
        <source>Created by Track Editor</source>
        <translation>Créé avec Track Editor</translation>
    </message>
    <message>
        <source>File not recognized.</source>
        <translation>Fichier non reconnu.</translation>
    </message>
</context>
<context>
    <name>pistaro::WaitingBar</name>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>End the program Pistaro waits for</source>
        <translation>Terminer le programme qu&apos;attend Pistaro</translation>
    </message>
    <message>
        <source>Waiting for %1 to end...</source>
        <translation>En attente de la fin de %1...</translation>
    </message>
</context>
<context>
    <name>program</name>
    <message>
        <source>Pistaro cannot keep its files: %1.</source>
        <translation>Pistaro ne peut pas garder ses fichiers&#xa0;: %1.</translation>
    </message>
    <message>
        <source>no folder for them</source>
        <translation>aucun dossier pour eux</translation>
    </message>
</context>
<context>
    <name>replacefile</name>
    <message>
        <source>Is a directory</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Fichier inexistant</translation>
    </message>
    <message>
        <source>links cannot be made here</source>
        <translation>impossible de créer des liens ici</translation>
    </message>
    <message>
        <source>cannot rename %1</source>
        <translation>impossible de renommer %1</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>sharedpack</name>
    <message>
        <source>the file name is empty</source>
        <translation>le nom de fichier est vide</translation>
    </message>
    <message>
        <source>the file name is longer than %1 characters</source>
        <translation>le nom de fichier dépasse %1 caractères</translation>
    </message>
    <message>
        <source>the file name &quot;%1&quot; is a path, not a plain file name</source>
        <translation>le nom de fichier «&#xa0;%1&#xa0;» est un chemin, pas un simple nom de fichier</translation>
    </message>
    <message>
        <source>The file is larger than %1 KB; a pack file is a few KB at most.</source>
        <translation>Le fichier dépasse %1 Ko&#xa0;; un fichier de pack fait au plus quelques Ko.</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text</source>
        <translation>la ligne n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>the line holds a control character (U+%1): this is no text file</source>
        <translation>la ligne contient un caractère de contrôle (U+%1)&#xa0;: ce n&apos;est pas un fichier texte</translation>
    </message>
    <message>
        <source>&quot;pack&quot;, a tab and the pack&apos;s name were expected</source>
        <translation>«&#xa0;pack&#xa0;», une tabulation et le nom du pack étaient attendus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can&apos;t be a Track Pack name</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être un nom de pack</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can&apos;t be a Track Pack name: it is longer than a folder name may be</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être un nom de pack&#xa0;: il dépasse la longueur permise pour un nom de dossier</translation>
    </message>
    <message>
        <source>a slot line has 5 fields separated by tabs (slot, file, track, length, SHA-256); this one has %1</source>
        <translation>une ligne d&apos;emplacement a 5 champs séparés par des tabulations (emplacement, fichier, circuit, longueur, SHA-256)&#xa0;; celle-ci en a %1</translation>
    </message>
    <message>
        <source>the slot &quot;%1&quot; is not a number from 1 to 16</source>
        <translation>l&apos;emplacement «&#xa0;%1&#xa0;» n&apos;est pas un nombre de 1 à 16</translation>
    </message>
    <message>
        <source>slot %1 is named twice</source>
        <translation>l&apos;emplacement %1 est cité deux fois</translation>
    </message>
    <message>
        <source>the track name is longer than %1 characters</source>
        <translation>le nom du circuit dépasse %1 caractères</translation>
    </message>
    <message>
        <source>the length &quot;%1&quot; is not a number of bytes from 1 to %2</source>
        <translation>la longueur «&#xa0;%1&#xa0;» n&apos;est pas un nombre d&apos;octets de 1 à %2</translation>
    </message>
    <message>
        <source>the SHA-256 &quot;%1&quot; is not 64 hexadecimal digits</source>
        <translation>le SHA-256 «&#xa0;%1&#xa0;» n&apos;est pas fait de 64 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the pack&apos;s name is missing</source>
        <translation>le nom du pack manque</translation>
    </message>
    <message>
        <source>the file names no slot</source>
        <translation>le fichier ne cite aucun emplacement</translation>
    </message>
    <message>
        <source>the tags are of slot &quot;%1&quot;, which no line above names</source>
        <translation>les tags sont ceux de l&apos;emplacement «&#xa0;%1&#xa0;», qu&apos;aucune ligne précédente ne cite</translation>
    </message>
    <message>
        <source>the tags of slot %1 are given twice</source>
        <translation>les tags de l&apos;emplacement %1 sont donnés deux fois</translation>
    </message>
    <message>
        <source>a circuit holds at most %1 tags</source>
        <translation>un circuit a au plus %1 tags</translation>
    </message>
    <message>
        <source>this is not a Pistaro track pack file (its first line must be &quot;%1&quot;, a tab and the version)</source>
        <translation>ce n&apos;est pas un fichier de pack Pistaro (sa première ligne doit être «&#xa0;%1&#xa0;», une tabulation et la version)</translation>
    </message>
    <message>
        <source>the version &quot;%1&quot; of the pack file is not known (version %2 is)</source>
        <translation>la version «&#xa0;%1&#xa0;» du fichier de pack est inconnue (la version %2 l&apos;est)</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Ligne %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>statefile</name>
    <message>
        <source>no setup slot %1</source>
        <translation>pas d&apos;emplacement de réglage %1</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>%1 est introuvable</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>%1 is too short to hold the car setups (%2 bytes)</source>
        <translation>%1 est trop court pour contenir les réglages (%2 octets)</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 est illisible</translation>
    </message>
    <message>
        <source>%1 ended inside the car setups</source>
        <translation>%1 s&apos;est terminé au milieu des réglages</translation>
    </message>
    <message>
        <source>the stored setup holds %1 bytes instead of %2</source>
        <translation>le réglage enregistré fait %1 octets au lieu de %2</translation>
    </message>
</context>
<context>
    <name>tablecsv</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>. Nothing was exported.</source>
        <translation>. Rien n&apos;a été exporté.</translation>
    </message>
    <message>
        <source>1 row was exported to %1.</source>
        <translation>1 ligne a été exportée vers %1.</translation>
    </message>
    <message>
        <source>%1 rows were exported to %2.</source>
        <translation>%1 lignes ont été exportées vers %2.</translation>
    </message>
</context>
<context>
    <name>tagstore</name>
    <message>
        <source>a tag cannot be blank</source>
        <translation>un tag ne peut pas être vide</translation>
    </message>
    <message>
        <source>a tag holds at most %1 characters</source>
        <translation>un tag a au plus %1 caractères</translation>
    </message>
    <message>
        <source>a tag cannot hold a control character</source>
        <translation>un tag ne peut pas contenir de caractère de contrôle</translation>
    </message>
    <message>
        <source>a comma separates tags</source>
        <translation>une virgule sépare les tags</translation>
    </message>
    <message>
        <source>it is a link, and the tags are not written through a link</source>
        <translation>c&apos;est un lien, et les tags ne sont pas écrits à travers un lien</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The tag store %1 cannot be used (%2) and could not be moved aside; tags are not kept in this run.</source>
        <translation>La base de tags %1 est inutilisable (%2) et n&apos;a pas pu être mise de côté&#xa0;; les tags ne sont pas gardés pendant cette session.</translation>
    </message>
    <message>
        <source>The tag store %1 could not be used: %2. It was kept as %3, and a new, empty tag store was begun.</source>
        <translation>La base de tags %1 n&apos;a pas pu être utilisée&#xa0;: %2. Elle a été gardée sous %3, et une nouvelle base de tags vide a été commencée.</translation>
    </message>
    <message>
        <source>it is a database of another program</source>
        <translation>c&apos;est une base d&apos;un autre programme</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>elle est endommagée</translation>
    </message>
    <message>
        <source>The tag store %1 cannot be opened (%2); tags are not kept in this run.</source>
        <translation>La base de tags %1 ne peut pas être ouverte (%2)&#xa0;; les tags ne sont pas gardés pendant cette session.</translation>
    </message>
    <message>
        <source>it is not a database</source>
        <translation>ce n&apos;est pas une base de données</translation>
    </message>
    <message>
        <source>The tag store %1 cannot be used; tags are not kept in this run.</source>
        <translation>La base de tags %1 est inutilisable&#xa0;; les tags ne sont pas gardés pendant cette session.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken as a tag: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas pris comme tag&#xa0;: %2.</translation>
    </message>
    <message>
        <source>A circuit holds at most %1 tags; no tag was changed.</source>
        <translation>Un circuit a au plus %1 tags&#xa0;; aucun tag n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The tags could not be stored: %1</source>
        <translation>Les tags n&apos;ont pas pu être enregistrés&#xa0;: %1</translation>
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
