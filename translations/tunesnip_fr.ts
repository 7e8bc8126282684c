<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CCommonDialogs</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>ConsoleRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Ligne de commande vide</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>Échec de CreatePipe. Erreur : </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Fichier ou commande introuvable</translation>
    </message>
</context>
<context>
    <name>DecodeSpace</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: its decoded sound needs %2 of free space in %3, but only %4 are free. Make room there and open it again.</source>
        <translation>Impossible d&apos;ouvrir « %1 » : le son décodé nécessite %2 d&apos;espace libre dans %3, mais seuls %4 sont disponibles. Libérez de l&apos;espace puis ouvrez-le à nouveau.</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <translation>%1 ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 To</translation>
    </message>
</context>
<context>
    <name>EditorActions</name>
    <message>
        <source>Open Audio File(&amp;O)</source>
        <translation>&amp;Ouvrir un fichier audio</translation>
    </message>
    <message>
        <source>Close Audio File(&amp;C)</source>
        <translation>&amp;Fermer le fichier audio</translation>
    </message>
    <message>
        <source>Save RingTone(&amp;S)</source>
        <translation>&amp;Enregistrer la sonnerie</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Random RingTone Cutter(&amp;R)</source>
        <translation>Découpe de sonnerie au &amp;hasard</translation>
    </message>
    <message>
        <source>Send RingTone to Friends(&amp;S)</source>
        <translation>&amp;Envoyer la sonnerie à des amis</translation>
    </message>
    <message>
        <source>Setting(&amp;S)</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Play/Pause(&amp;P)</source>
        <translation>&amp;Lecture/Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Select Start Position(&amp;B)</source>
        <translation>Définir le &amp;début</translation>
    </message>
    <message>
        <source>Select End Position(&amp;E)</source>
        <translation>Définir la &amp;fin</translation>
    </message>
    <message>
        <source>Play Selected Section(&amp;P)</source>
        <translation>&amp;Lire la sélection</translation>
    </message>
    <message>
        <source>Loop Selected Section(&amp;L)</source>
        <translation>&amp;Boucler la sélection</translation>
    </message>
    <message>
        <source>Undo Selection(&amp;U)</source>
        <translation>&amp;Annuler la sélection</translation>
    </message>
    <message>
        <source>Redo Selection(&amp;D)</source>
        <translation>Ré&amp;tablir la sélection</translation>
    </message>
    <message>
        <source>Playhead to Start</source>
        <translation>Tête de lecture au début</translation>
    </message>
    <message>
        <source>Playhead to End</source>
        <translation>Tête de lecture à la fin</translation>
    </message>
    <message>
        <source>Playhead to Selection Start</source>
        <translation>Tête de lecture au début de la sélection</translation>
    </message>
    <message>
        <source>Playhead to Selection End</source>
        <translation>Tête de lecture à la fin de la sélection</translation>
    </message>
    <message>
        <source>Back 1 Second</source>
        <translation>Reculer d&apos;une seconde</translation>
    </message>
    <message>
        <source>Forward 1 Second</source>
        <translation>Avancer d&apos;une seconde</translation>
    </message>
    <message>
        <source>Back 10 Seconds</source>
        <translation>Reculer de 10 secondes</translation>
    </message>
    <message>
        <source>Forward 10 Seconds</source>
        <translation>Avancer de 10 secondes</translation>
    </message>
    <message>
        <source>Zoom In(&amp;I)</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom Out(&amp;O)</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>Whole File(&amp;W)</source>
        <translation>&amp;Fichier entier</translation>
    </message>
    <message>
        <source>Zoom to Selection(&amp;Z)</source>
        <translation>&amp;Zoomer sur la sélection</translation>
    </message>
    <message>
        <source>Stop the Transcoder</source>
        <translation>Arrêter le transcodeur</translation>
    </message>
    <message>
        <source>Find the Hook(&amp;H)</source>
        <translation>Trouver le refra&amp;in</translation>
    </message>
    <message>
        <source>Trim Silence(&amp;T)</source>
        <translation>Couper les &amp;silences</translation>
    </message>
    <message>
        <source>Snap to Beats(&amp;N)</source>
        <translation>Aligner sur les tem&amp;ps</translation>
    </message>
</context>
<context>
    <name>EditorSession</name>
    <message>
        <source>No file open</source>
        <translation>Aucun fichier ouvert</translation>
    </message>
    <message>
        <source>The playhead is at the end of the file: press Home to play from the start.</source>
        <translation>La tête de lecture est à la fin du fichier : appuyez sur Origine pour lire depuis le début.</translation>
    </message>
    <message>
        <source>The begin was not set: it must lie before the end (%1). Move the playhead back.</source>
        <translation>Le début n&apos;a pas été défini : il doit précéder la fin (%1). Reculez la tête de lecture.</translation>
    </message>
    <message>
        <source>The end was not set: it must not lie before the begin (%1). Move the playhead on.</source>
        <translation>La fin n&apos;a pas été définie : elle ne doit pas précéder le début (%1). Avancez la tête de lecture.</translation>
    </message>
    <message>
        <source>Please play the music first</source>
        <translation>Veuillez d&apos;abord lire la musique</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>This sound is too short for a random ring tone of more than five seconds.</source>
        <translation>Ce son est trop court pour une sonnerie aléatoire de plus de cinq secondes.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>I ve cut music by TuneSnip!</source>
        <translation>J&apos;ai découpé de la musique avec TuneSnip !</translation>
    </message>
    <message>
        <source>I ve cut music by TuneSnip! You can see more detail here: </source>
        <translation>J&apos;ai découpé de la musique avec TuneSnip ! Plus de détails ici : </translation>
    </message>
    <message>
        <source>Could not start a mail program for a message to %1.</source>
        <translation>Impossible de lancer un programme de messagerie pour écrire à %1.</translation>
    </message>
    <message>
        <source>Feedback/Bug Report</source>
        <translation>Avis/Rapport de bogue</translation>
    </message>
    <message>
        <source>Could not start a mail program. Please write to %1.</source>
        <translation>Impossible de lancer un programme de messagerie. Veuillez écrire à %1.</translation>
    </message>
    <message>
        <source>Could not open the help page &quot;%1&quot;: no program to show it was found.</source>
        <translation>Impossible d&apos;ouvrir la page d&apos;aide « %1 » : aucun programme pour l&apos;afficher n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>Saving &quot;%1&quot; is not finished.<byte value="xd"/>
Quit anyway? The save stops and the file is left as it was before.</source>
        <translation>L&apos;enregistrement de « %1 » n&apos;est pas terminé.<byte value="xd"/>
Quitter quand même ? L&apos;enregistrement s&apos;arrête et le fichier reste tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>Are you sure to quit?</source>
        <translation>Voulez-vous vraiment quitter ?</translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation>Tous les fichiers pris en charge</translation>
    </message>
    <message>
        <source>MP3 Files(*.mp3)</source>
        <translation>Fichiers MP3(*.mp3)</translation>
    </message>
    <message>
        <source>WMA Files(*.wma)</source>
        <translation>Fichiers WMA(*.wma)</translation>
    </message>
    <message>
        <source>WAV Files(*.wav)</source>
        <translation>Fichiers WAV(*.wav)</translation>
    </message>
    <message>
        <source>AMR Files(*.amr)</source>
        <translation>Fichiers AMR(*.amr)</translation>
    </message>
    <message>
        <source>WMV Files(*.wmv)</source>
        <translation>Fichiers WMV(*.wmv)</translation>
    </message>
    <message>
        <source>AVI Files(*.avi)</source>
        <translation>Fichiers AVI(*.avi)</translation>
    </message>
    <message>
        <source>MPG Files(*.mpg)</source>
        <translation>Fichiers MPG(*.mpg)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tous les fichiers(*.*)</translation>
    </message>
    <message>
        <source>Current Audio file will be closed, are you sure?</source>
        <translation>Le fichier audio actuel va être fermé. Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>Close Current File</source>
        <translation>Fermer le fichier actuel</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Ouvrir des fichiers</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a regular file.</source>
        <translation>Impossible d&apos;ouvrir « %1 » : ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Cannot decode &quot;%1&quot;: the temporary folder is not usable (%2).</source>
        <translation>Impossible de décoder « %1 » : le dossier temporaire est inutilisable (%2).</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;</source>
        <translation>Impossible d&apos;ouvrir « %1 »</translation>
    </message>
    <message>
        <source>: it holds no sound that can be decoded.</source>
        <translation> : il ne contient aucun son décodable.</translation>
    </message>
    <message>
        <source>Nothing to save: open a file first.</source>
        <translation>Rien à enregistrer : ouvrez d&apos;abord un fichier.</translation>
    </message>
    <message>
        <source>Nothing to save: mark a begin and an end first (B and E).</source>
        <translation>Rien à enregistrer : marquez d&apos;abord un début et une fin (B et E).</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: the name must end in %2.</source>
        <translation>Impossible d&apos;enregistrer « %1 » : le nom doit se terminer par %2.</translation>
    </message>
    <message>
        <source>Cannot save over the sound being edited: choose another name.</source>
        <translation>Impossible d&apos;enregistrer par-dessus le son en cours d&apos;édition : choisissez un autre nom.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>« %1 » existe déjà.<byte value="xd"/>
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;</source>
        <translation>Impossible d&apos;enregistrer « %1 »</translation>
    </message>
    <message>
        <source>Saved &quot;%1&quot;. %2.</source>
        <translation>« %1 » enregistré. %2.</translation>
    </message>
    <message>
        <source>Could not open the folder &quot;%1&quot;: no file manager was found.</source>
        <translation>Impossible d&apos;ouvrir le dossier « %1 » : aucun gestionnaire de fichiers n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>Playing the selection waits until the file is decoded.</source>
        <translation>La lecture de la sélection attend la fin du décodage du fichier.</translation>
    </message>
    <message>
        <source>Looping the selection waits until the file is decoded.</source>
        <translation>La lecture en boucle de la sélection attend la fin du décodage du fichier.</translation>
    </message>
    <message>
        <source>Type a time as seconds (83, 83.5 or 83,5), minutes and seconds (1:23, 1:23.45) or hours, minutes and seconds (1:02:03.5).</source>
        <translation>Saisissez un temps en secondes (83, 83.5 ou 83,5), en minutes et secondes (1:23, 1:23.45) ou en heures, minutes et secondes (1:02:03.5).</translation>
    </message>
    <message>
        <source>The file ends at %1.</source>
        <translation>Le fichier se termine à %1.</translation>
    </message>
    <message>
        <source>The end must lie after the begin (%1).</source>
        <translation>La fin doit se situer après le début (%1).</translation>
    </message>
    <message>
        <source>The begin must lie before the end (%1).</source>
        <translation>Le début doit se situer avant la fin (%1).</translation>
    </message>
    <message>
        <source>The random cutter waits until the file is decoded.</source>
        <translation>La découpe au hasard attend la fin du décodage du fichier.</translation>
    </message>
    <message>
        <source>Saving waits until the file is decoded.</source>
        <translation>L’enregistrement attend la fin du décodage du fichier.</translation>
    </message>
    <message>
        <source>Finding the hook waits until the file is decoded.</source>
        <translation>La recherche du refrain attend la fin du décodage du fichier.</translation>
    </message>
    <message>
        <source>Trimming silence waits until the file is decoded.</source>
        <translation>La coupe des silences attend la fin du décodage du fichier.</translation>
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
        <translation>Fondu %1</translation>
    </message>
    <message>
        <source>Fade in %1</source>
        <translation>Fondu début %1</translation>
    </message>
    <message>
        <source>Fade out %1</source>
        <translation>Fondu fin %1</translation>
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
        <translation> (sonnerie).mp3</translation>
    </message>
</context>
<context>
    <name>HookSearch</name>
    <message>
        <source>the decoded sound could not be read</source>
        <translation>le son décodé n’a pas pu être lu</translation>
    </message>
</context>
<context>
    <name>OpenRequests</name>
    <message>
        <source>
File not found.
Check the file name and try again.</source>
        <translation>
Fichier introuvable.
Vérifiez le nom du fichier et réessayez.</translation>
    </message>
</context>
<context>
    <name>PhoneLength</name>
    <message>
        <source>iPhone plays ring tones of up to %1 seconds; this one is %2 seconds long and will stop after %1 seconds when it rings.<byte value="xd"/>
<byte value="xd"/>
Save it anyway?</source>
        <translation>L&apos;iPhone joue les sonneries jusqu&apos;à %1 secondes ; celle-ci dure %2 secondes et s&apos;arrêtera après %1 secondes quand elle sonnera.<byte value="xd"/>
<byte value="xd"/>
L&apos;enregistrer quand même ?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>An iPhone ring tone may be at most %1 seconds long; this selection is %2 seconds.<byte value="xd"/>
<byte value="xd"/>
Make the selection %1 seconds or shorter (%3 or less is best), or save it in another format.</source>
        <translation>Une sonnerie d&apos;iPhone peut durer au plus %1 secondes ; cette sélection dure %2 secondes.<byte value="xd"/>
<byte value="xd"/>
Réduisez la sélection à %1 secondes ou moins (%3 ou moins, c&apos;est mieux) ou enregistrez-la dans un autre format.</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>Cannot play the sound: no audio output could be opened. Another program may be using it.</source>
        <translation>Impossible de lire le son : aucune sortie audio n&apos;a pu être ouverte. Un autre programme l&apos;utilise peut-être.</translation>
    </message>
    <message>
        <source>Cannot play the sound: its decoded copy is missing. Open the file again.</source>
        <translation>Impossible de lire le son : sa copie décodée est introuvable. Ouvrez à nouveau le fichier.</translation>
    </message>
    <message>
        <source>Cannot play the sound: its decoded copy is damaged. Open the file again.</source>
        <translation>Impossible de lire le son : sa copie décodée est endommagée. Ouvrez à nouveau le fichier.</translation>
    </message>
    <message>
        <source>Cannot play the sound (media error %1).</source>
        <translation>Impossible de lire le son (erreur multimédia %1).</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Back One Step</source>
        <translation>Reculer d’un pas</translation>
    </message>
    <message>
        <source>Forward One Step</source>
        <translation>Avancer d’un pas</translation>
    </message>
    <message>
        <source>Hear the Start, 2 s(&amp;B)</source>
        <translation>Écouter le &amp;début, 2 s</translation>
    </message>
    <message>
        <source>Hear the End, 2 s(&amp;E)</source>
        <translation>Écouter la fi&amp;n, 2 s</translation>
    </message>
    <message>
        <source>%1: hear 2 s</source>
        <translation>%1 : écouter 2 s</translation>
    </message>
</context>
<context>
    <name>RunFailure</name>
    <message>
        <source>The transcoder was stopped by signal %1 (%2).</source>
        <translation>Le transcodeur a été arrêté par le signal %1 (%2).</translation>
    </message>
    <message>
        <source>The transcoder ended with exit code %1.</source>
        <translation>Le transcodeur s&apos;est terminé avec le code de sortie %1.</translation>
    </message>
    <message>
        <source>The transcoder wrote no file.</source>
        <translation>Le transcodeur n&apos;a écrit aucun fichier.</translation>
    </message>
</context>
<context>
    <name>SaveFormats</name>
    <message>
        <source>MP3 Files(*.mp3)</source>
        <translation>Fichiers MP3(*.mp3)</translation>
    </message>
    <message>
        <source>WMA Files(*.wma)</source>
        <translation>Fichiers WMA(*.wma)</translation>
    </message>
    <message>
        <source>WAV Files(*.wav)</source>
        <translation>Fichiers WAV(*.wav)</translation>
    </message>
    <message>
        <source>AMR Files(*.amr)</source>
        <translation>Fichiers AMR(*.amr)</translation>
    </message>
    <message>
        <source>M4R iPhone ring tone(*.m4r)</source>
        <translation>Sonnerie iPhone M4R(*.m4r)</translation>
    </message>
    <message>
        <source>M4A Files(*.m4a)</source>
        <translation>Fichiers M4A(*.m4a)</translation>
    </message>
    <message>
        <source>OGG Files(*.ogg)</source>
        <translation>Fichiers OGG(*.ogg)</translation>
    </message>
    <message>
        <source>FLAC Files(*.flac)</source>
        <translation>Fichiers FLAC(*.flac)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
</context>
<context>
    <name>SelectionHelpers</name>
    <message>
        <source>The song is still being analysed (Esc stops).</source>
        <translation>Le morceau est encore en cours d’analyse (Esc arrête).</translation>
    </message>
    <message>
        <source>Finding the hook: %1 % (Esc stops)</source>
        <translation>Recherche du refrain : %1 % (Esc arrête)</translation>
    </message>
    <message>
        <source>No hook was found in this sound.</source>
        <translation>Aucun refrain n’a été trouvé dans ce son.</translation>
    </message>
    <message>
        <source>Hook %1 of %2, score %3, at %4. H: the next one</source>
        <translation>Refrain %1 sur %2, score %3, à %4. H : le suivant</translation>
    </message>
    <message>
        <source>Looking for silence (Esc stops).</source>
        <translation>Recherche des silences (Esc arrête).</translation>
    </message>
    <message>
        <source>The selection changed meanwhile: press T again.</source>
        <translation>La sélection a changé entre-temps : appuyez de nouveau sur T.</translation>
    </message>
    <message>
        <source>Nothing to trim: sound from %1 to %2.</source>
        <translation>Rien à couper : son de %1 à %2.</translation>
    </message>
    <message>
        <source>Trimmed to the sound: %1 to %2.</source>
        <translation>Coupé au son : %1 à %2.</translation>
    </message>
    <message>
        <source>No audible sound in the selection: nothing was trimmed.</source>
        <translation>Aucun son audible dans la sélection : rien n’a été coupé.</translation>
    </message>
    <message>
        <source>The hook search was stopped.</source>
        <translation>La recherche du refrain a été arrêtée.</translation>
    </message>
    <message>
        <source>Trimming was stopped.</source>
        <translation>La coupe a été arrêtée.</translation>
    </message>
    <message>
        <source>The sound could not be analysed: %1.</source>
        <translation>Le son n’a pas pu être analysé : %1.</translation>
    </message>
</context>
<context>
    <name>SelectionPreview</name>
    <message>
        <source>Could not prepare the selection with its fades and loudness.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Impossible de préparer la sélection avec ses fondus et sa sonie.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>SettingsAccessibility</name>
    <message>
        <source>After saving, open the folder</source>
        <translation>Après l’enregistrement, ouvrir le dossier</translation>
    </message>
    <message>
        <source>After saving, play a sound</source>
        <translation>Après l’enregistrement, jouer un son</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Fondu début</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Fondu fin</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Sonie</translation>
    </message>
    <message>
        <source>After Saving</source>
        <translation>Après l’enregistrement</translation>
    </message>
    <message>
        <source>Ring-Tone Effects</source>
        <translation>Effets de sonnerie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stores the settings and closes the window</source>
        <translation>Enregistre les paramètres et ferme la fenêtre</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Closes the window without storing (Esc)</source>
        <translation>Ferme la fenêtre sans enregistrer (Esc)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Get started</source>
        <translation>Pour commencer</translation>
    </message>
    <message>
        <source>Make a ring tone in three easy steps</source>
        <translation>Une sonnerie en trois étapes simples</translation>
    </message>
    <message>
        <source>Click</source>
        <extracomment>Step one: the word before the document icon, which stands at a fixed place 50 pixels on.</extracomment>
        <translation>Avec</translation>
    </message>
    <message>
        <source>to open an audio or video file</source>
        <extracomment>Step one: the words after the document icon.</extracomment>
        <translation>ouvrez un son ou une vidéo</translation>
    </message>
    <message>
        <source>%1 it and mark the %2 and the %3</source>
        <extracomment>Step two; %1 is &quot;Play&quot;, %2 &quot;begin&quot; and %3 &quot;end&quot;, drawn in bold. About 370 pixels.</extracomment>
        <translation>%1 et marquez le %2 et la %3</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écoutez</translation>
    </message>
    <message>
        <source>begin</source>
        <translation>début</translation>
    </message>
    <message>
        <source>end</source>
        <translation>fin</translation>
    </message>
    <message>
        <source>%1 your ring tone as MP3, M4R, OGG and more</source>
        <extracomment>Step three; %1 is &quot;Save&quot;, drawn in bold. About 630 pixels.</extracomment>
        <translation>%1 votre sonnerie en MP3, M4R, OGG et plus</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>the bold word of step three</comment>
        <translation>Enregistrez</translation>
    </message>
    <message>
        <source>Opens MP3, WMA, WAV, AMR, WMV, AVI, MPG and more</source>
        <translation>Ouvre MP3, WMA, WAV, AMR, WMV, AVI, MPG et plus encore</translation>
    </message>
    <message>
        <source>File(F)</source>
        <extracomment>A menu name; keep &quot;(F)&quot;: Alt+F opens the menu in every language.</extracomment>
        <translation>Fichier(F)</translation>
    </message>
    <message>
        <source>Tools(T)</source>
        <extracomment>A menu name; keep &quot;(T)&quot;: Alt+T opens the menu in every language.</extracomment>
        <translation>Outils(T)</translation>
    </message>
    <message>
        <source>Setting(S)</source>
        <extracomment>A menu name; keep &quot;(S)&quot;: Alt+S opens the menu in every language.</extracomment>
        <translation>Réglages(S)</translation>
    </message>
    <message>
        <source>About(A)</source>
        <extracomment>A menu name; keep &quot;(A)&quot;: Alt+A opens the menu in every language.</extracomment>
        <translation>À propos(A)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>POSITION</source>
        <translation>POSITION</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Cut the best part. Ring with it.</source>
        <translation>Le meilleur passage, en sonnerie.</translation>
    </message>
    <message>
        <source>Click the track to seek · drag a handle to move it</source>
        <translation>Cliquez pour vous placer · glissez une poignée pour la déplacer</translation>
    </message>
    <message>
        <source>Playhead</source>
        <translation>Tête de lecture</translation>
    </message>
    <message>
        <source>Decoding...</source>
        <translation>Décodage...</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Enregistrement...</translation>
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
        <translation>Découpe un extrait d&apos;un fichier audio ou vidéo et l&apos;enregistre comme sonnerie.</translation>
    </message>
    <message>
        <source>Quit as soon as FILE is open (status 0) or could not be opened (status 1). Messages go to standard error. For tests.</source>
        <translation>Quitter dès que FILE est ouvert (code 0) ou n&apos;a pas pu être ouvert (code 1). Les messages vont sur la sortie d&apos;erreur standard. Pour les tests.</translation>
    </message>
    <message>
        <source>Speak the language CODE (de, fr, es, pt_BR, ru, zh_CN; en for English) instead of the desktop&apos;s.</source>
        <translation>Utiliser la langue CODE (de, fr, es, pt_BR, ru, zh_CN ; en pour l&apos;anglais) au lieu de celle du bureau.</translation>
    </message>
    <message>
        <source>The audio or video file to open.</source>
        <translation>Le fichier audio ou vidéo à ouvrir.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [FILE]</source>
        <translation>Utilisation : %1 [options] [FILE]</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue « %1 ».</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Essayez « %1 --help » pour plus d&apos;informations.
</translation>
    </message>
    <message>
        <source>%1: --quit-after-open needs a FILE
</source>
        <translation>%1: --quit-after-open nécessite un fichier (FILE)
</translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <source>cannot create %1: %2</source>
        <translation>impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>cannot inspect %1</source>
        <translation>impossible d&apos;examiner %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>cannot make %1 private</source>
        <translation>impossible de rendre %1 privé</translation>
    </message>
</context>
<context>
    <name>TimelineAccessible</name>
    <message>
        <source>Selection from %1 to %2</source>
        <translation>Sélection de %1 à %2</translation>
    </message>
    <message>
        <source>Selection begins at %1</source>
        <translation>La sélection commence à %1</translation>
    </message>
    <message>
        <source>Selection ends at %1</source>
        <translation>La sélection se termine à %1</translation>
    </message>
    <message>
        <source>No selection</source>
        <translation>Aucune sélection</translation>
    </message>
    <message>
        <source>Playhead at %1</source>
        <translation>Tête de lecture à %1</translation>
    </message>
    <message>
        <source>The arrow keys move the selection begin</source>
        <translation>Les flèches déplacent le début de la sélection</translation>
    </message>
    <message>
        <source>The arrow keys move the selection end</source>
        <translation>Les flèches déplacent la fin de la sélection</translation>
    </message>
    <message>
        <source>The arrow keys move the playhead</source>
        <translation>Les flèches déplacent la tête de lecture</translation>
    </message>
    <message>
        <source>%1. %2. %3.</source>
        <translation>%1. %2. %3.</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Ligne de temps</translation>
    </message>
</context>
<context>
    <name>TimelinePainter</name>
    <message>
        <source>Loop</source>
        <translation>Boucle</translation>
    </message>
    <message>
        <source>Decoding… %1%</source>
        <translation>Décodage… %1%</translation>
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
        <translation>Ouvrir un fichier multimédia</translation>
    </message>
    <message>
        <source>Save Music</source>
        <translation>Enregistrer la musique</translation>
    </message>
    <message>
        <source>Random Music Cutter</source>
        <translation>Découpe musicale au hasard</translation>
    </message>
    <message>
        <source>Send Music to Your Friends</source>
        <translation>Envoyer la musique à vos amis</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Select Start Position</source>
        <translation>Définir le début</translation>
    </message>
    <message>
        <source>Select End Position</source>
        <translation>Définir la fin</translation>
    </message>
    <message>
        <source>Play Selected Section</source>
        <translation>Lire la sélection</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Send Bug Report &amp; Feedback to us</source>
        <translation>Nous envoyer un rapport de bogue et vos avis</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Ring-tone effects of every save: click to change them</source>
        <translation>Effets de sonnerie de chaque enregistrement : cliquez pour les modifier</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Random Cut</source>
        <translation>Découpe au hasard</translation>
    </message>
    <message>
        <source>Send to Friends</source>
        <translation>Envoyer à des amis</translation>
    </message>
    <message>
        <source>Play Selection</source>
        <translation>Lire la sélection</translation>
    </message>
    <message>
        <source>Save Ring Tone</source>
        <translation>Enregistrer la sonnerie</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Opens the %1 menu (%2)</source>
        <translation>Ouvre le menu %1 (%2)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Asks whether to quit</source>
        <translation>Demande s’il faut quitter</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Envoyer un avis</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Temps actuel</translation>
    </message>
    <message>
        <source>Selection begin</source>
        <translation>Début de la sélection</translation>
    </message>
    <message>
        <source>Selection end</source>
        <translation>Fin de la sélection</translation>
    </message>
    <message>
        <source>Selection length</source>
        <translation>Durée de la sélection</translation>
    </message>
    <message>
        <source>View begin</source>
        <translation>Début de la vue</translation>
    </message>
    <message>
        <source>View end</source>
        <translation>Fin de la vue</translation>
    </message>
    <message>
        <source>View length</source>
        <translation>Durée de la vue</translation>
    </message>
    <message>
        <source>Ring-tone effects</source>
        <translation>Effets de sonnerie</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indication</translation>
    </message>
    <message>
        <source>The open file&apos;s path</source>
        <translation>Chemin du fichier ouvert</translation>
    </message>
    <message>
        <source>Click to type a time, as 83.5, 1:23.45 or 1:02:03.5</source>
        <translation>Cliquez pour saisir un temps, par ex. 83.5, 1:23.45 ou 1:02:03.5</translation>
    </message>
    <message>
        <source>Closes the open file, after asking</source>
        <translation>Ferme le fichier ouvert, après confirmation</translation>
    </message>
    <message>
        <source>Decoding the file</source>
        <translation>Décodage du fichier</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Enregistrement</translation>
    </message>
</context>
<context>
    <name>frmMenu</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Recent Files(&amp;R)</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>frmSetting</name>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
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
        <translation>Retour</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Ne rien faire</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>What happens after saving a cut</source>
        <translation>Ce qui se passe après l&apos;enregistrement d&apos;un extrait</translation>
    </message>
    <message>
        <source>Fades and loudness of the ring tone</source>
        <translation>Fondus et sonie de la sonnerie</translation>
    </message>
    <message>
        <source>−16 LUFS, for phones</source>
        <translation>−16 LUFS, pour les téléphones</translation>
    </message>
    <message>
        <source>−14 LUFS, as loud as streaming</source>
        <translation>−14 LUFS, aussi fort que le streaming</translation>
    </message>
    <message>
        <source>−23 LUFS, EBU R 128</source>
        <translation>−23 LUFS, UER R 128</translation>
    </message>
    <message>
        <source>After saving</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Ring tone</source>
        <translation>Sonnerie</translation>
    </message>
    <message>
        <source>When a cut has been saved:</source>
        <translation>Quand un extrait est enregistré :</translation>
    </message>
    <message>
        <source>Show the folder that holds the new file, or leave it be.</source>
        <translation>Montrer le dossier du nouveau fichier, ou non.</translation>
    </message>
    <message>
        <source>Play the completion sound:</source>
        <translation>Jouer le son de fin :</translation>
    </message>
    <message>
        <source>Fade in:</source>
        <translation>Fondu début :</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>Fondu fin :</translation>
    </message>
    <message>
        <source>Fades soften the start and the end of the tone.</source>
        <translation>Les fondus adoucissent le début et la fin.</translation>
    </message>
    <message>
        <source>Loudness (peaks held under −1 dBTP):</source>
        <translation>Sonie (crêtes sous −1 dBTP) :</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Graphics...</source>
        <translation>Graphismes...</translation>
    </message>
    <message>
        <source>Components...</source>
        <translation>Composants...</translation>
    </message>
</context>
</TS>
