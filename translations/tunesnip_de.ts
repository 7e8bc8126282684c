<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CCommonDialogs</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>ConsoleRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Befehlszeile leer</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe fehlgeschlagen. Fehler: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Datei oder Befehl nicht gefunden</translation>
    </message>
</context>
<context>
    <name>DecodeSpace</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: its decoded sound needs %2 of free space in %3, but only %4 are free. Make room there and open it again.</source>
        <translation>„%1“ kann nicht geöffnet werden: Sein dekodierter Klang braucht %2 freien Platz in %3, frei sind aber nur %4. Schaffen Sie dort Platz und öffnen Sie die Datei erneut.</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <translation>%1 kB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
</context>
<context>
    <name>EditorActions</name>
    <message>
        <source>Open Audio File(&amp;O)</source>
        <translation>Audiodatei ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Close Audio File(&amp;C)</source>
        <translation>Audiodatei s&amp;chließen</translation>
    </message>
    <message>
        <source>Save RingTone(&amp;S)</source>
        <translation>Klingelton &amp;speichern</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Random RingTone Cutter(&amp;R)</source>
        <translation>&amp;Zufälliger Klingelton-Schnitt</translation>
    </message>
    <message>
        <source>Send RingTone to Friends(&amp;S)</source>
        <translation>Klingelton an &amp;Freunde senden</translation>
    </message>
    <message>
        <source>Setting(&amp;S)</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Play/Pause(&amp;P)</source>
        <translation>&amp;Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Select Start Position(&amp;B)</source>
        <translation>&amp;Beginn setzen</translation>
    </message>
    <message>
        <source>Select End Position(&amp;E)</source>
        <translation>&amp;Ende setzen</translation>
    </message>
    <message>
        <source>Play Selected Section(&amp;P)</source>
        <translation>Auswahl &amp;abspielen</translation>
    </message>
    <message>
        <source>Loop Selected Section(&amp;L)</source>
        <translation>Auswahl in &amp;Schleife abspielen</translation>
    </message>
    <message>
        <source>Undo Selection(&amp;U)</source>
        <translation>Auswahl &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>Redo Selection(&amp;D)</source>
        <translation>Auswahl &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>Playhead to Start</source>
        <translation>Abspielposition an den Anfang</translation>
    </message>
    <message>
        <source>Playhead to End</source>
        <translation>Abspielposition ans Ende</translation>
    </message>
    <message>
        <source>Playhead to Selection Start</source>
        <translation>Abspielposition an den Beginn der Auswahl</translation>
    </message>
    <message>
        <source>Playhead to Selection End</source>
        <translation>Abspielposition ans Ende der Auswahl</translation>
    </message>
    <message>
        <source>Back 1 Second</source>
        <translation>1 Sekunde zurück</translation>
    </message>
    <message>
        <source>Forward 1 Second</source>
        <translation>1 Sekunde vor</translation>
    </message>
    <message>
        <source>Back 10 Seconds</source>
        <translation>10 Sekunden zurück</translation>
    </message>
    <message>
        <source>Forward 10 Seconds</source>
        <translation>10 Sekunden vor</translation>
    </message>
    <message>
        <source>Zoom In(&amp;I)</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom Out(&amp;O)</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Whole File(&amp;W)</source>
        <translation>Ganze &amp;Datei</translation>
    </message>
    <message>
        <source>Zoom to Selection(&amp;Z)</source>
        <translation>Auf &amp;Auswahl zoomen</translation>
    </message>
    <message>
        <source>Stop the Transcoder</source>
        <translation>Transcoder anhalten</translation>
    </message>
    <message>
        <source>Find the Hook(&amp;H)</source>
        <translation>Hook finden(&amp;H)</translation>
    </message>
    <message>
        <source>Trim Silence(&amp;T)</source>
        <translation>Stille abschneiden(&amp;T)</translation>
    </message>
    <message>
        <source>Snap to Beats(&amp;N)</source>
        <translation>An Beats ausrichten(&amp;N)</translation>
    </message>
</context>
<context>
    <name>EditorSession</name>
    <message>
        <source>No file open</source>
        <translation>Keine Datei geöffnet</translation>
    </message>
    <message>
        <source>The playhead is at the end of the file: press Home to play from the start.</source>
        <translation>Die Abspielposition steht am Ende der Datei: Drücken Sie Pos1, um von vorn abzuspielen.</translation>
    </message>
    <message>
        <source>The begin was not set: it must lie before the end (%1). Move the playhead back.</source>
        <translation>Der Beginn wurde nicht gesetzt: Er muss vor dem Ende (%1) liegen. Bewegen Sie die Abspielposition zurück.</translation>
    </message>
    <message>
        <source>The end was not set: it must not lie before the begin (%1). Move the playhead on.</source>
        <translation>Das Ende wurde nicht gesetzt: Es darf nicht vor dem Beginn (%1) liegen. Bewegen Sie die Abspielposition weiter.</translation>
    </message>
    <message>
        <source>Please play the music first</source>
        <translation>Bitte spielen Sie zuerst die Musik ab</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>This sound is too short for a random ring tone of more than five seconds.</source>
        <translation>Dieser Klang ist zu kurz für einen zufälligen Klingelton von mehr als fünf Sekunden.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>I ve cut music by TuneSnip!</source>
        <translation>Ich habe Musik mit TuneSnip geschnitten!</translation>
    </message>
    <message>
        <source>I ve cut music by TuneSnip! You can see more detail here: </source>
        <translation>Ich habe Musik mit TuneSnip geschnitten! Mehr dazu finden Sie hier: </translation>
    </message>
    <message>
        <source>Could not start a mail program for a message to %1.</source>
        <translation>Es konnte kein E-Mail-Programm für eine Nachricht an %1 gestartet werden.</translation>
    </message>
    <message>
        <source>Feedback/Bug Report</source>
        <translation>Rückmeldung/Fehlerbericht</translation>
    </message>
    <message>
        <source>Could not start a mail program. Please write to %1.</source>
        <translation>Es konnte kein E-Mail-Programm gestartet werden. Bitte schreiben Sie an %1.</translation>
    </message>
    <message>
        <source>Could not open the help page &quot;%1&quot;: no program to show it was found.</source>
        <translation>Die Hilfeseite „%1“ konnte nicht geöffnet werden: Es wurde kein Programm zum Anzeigen gefunden.</translation>
    </message>
    <message>
        <source>Saving &quot;%1&quot; is not finished.<byte value="xd"/>
Quit anyway? The save stops and the file is left as it was before.</source>
        <translation>Das Speichern von „%1“ ist nicht abgeschlossen.<byte value="xd"/>
Trotzdem beenden? Das Speichern bricht ab und die Datei bleibt, wie sie vorher war.</translation>
    </message>
    <message>
        <source>Are you sure to quit?</source>
        <translation>Wirklich beenden?</translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation>Alle unterstützten Dateien</translation>
    </message>
    <message>
        <source>MP3 Files(*.mp3)</source>
        <translation>MP3-Dateien(*.mp3)</translation>
    </message>
    <message>
        <source>WMA Files(*.wma)</source>
        <translation>WMA-Dateien(*.wma)</translation>
    </message>
    <message>
        <source>WAV Files(*.wav)</source>
        <translation>WAV-Dateien(*.wav)</translation>
    </message>
    <message>
        <source>AMR Files(*.amr)</source>
        <translation>AMR-Dateien(*.amr)</translation>
    </message>
    <message>
        <source>WMV Files(*.wmv)</source>
        <translation>WMV-Dateien(*.wmv)</translation>
    </message>
    <message>
        <source>AVI Files(*.avi)</source>
        <translation>AVI-Dateien(*.avi)</translation>
    </message>
    <message>
        <source>MPG Files(*.mpg)</source>
        <translation>MPG-Dateien(*.mpg)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Alle Dateien(*.*)</translation>
    </message>
    <message>
        <source>Current Audio file will be closed, are you sure?</source>
        <translation>Die aktuelle Audiodatei wird geschlossen. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Close Current File</source>
        <translation>Aktuelle Datei schließen</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Dateien öffnen</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a regular file.</source>
        <translation>„%1“ kann nicht geöffnet werden: Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Cannot decode &quot;%1&quot;: the temporary folder is not usable (%2).</source>
        <translation>„%1“ kann nicht dekodiert werden: Der temporäre Ordner ist nicht nutzbar (%2).</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;</source>
        <translation>„%1“ konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>: it holds no sound that can be decoded.</source>
        <translation>: Sie enthält keinen Klang, der sich dekodieren lässt.</translation>
    </message>
    <message>
        <source>Nothing to save: open a file first.</source>
        <translation>Nichts zu speichern: Öffnen Sie zuerst eine Datei.</translation>
    </message>
    <message>
        <source>Nothing to save: mark a begin and an end first (B and E).</source>
        <translation>Nichts zu speichern: Setzen Sie zuerst Beginn und Ende (B und E).</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: the name must end in %2.</source>
        <translation>„%1“ kann nicht gespeichert werden: Der Name muss auf %2 enden.</translation>
    </message>
    <message>
        <source>Cannot save over the sound being edited: choose another name.</source>
        <translation>Der gerade bearbeitete Klang kann nicht überschrieben werden: Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>„%1“ ist bereits vorhanden.<byte value="xd"/>
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;</source>
        <translation>„%1“ konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Saved &quot;%1&quot;. %2.</source>
        <translation>„%1“ gespeichert. %2.</translation>
    </message>
    <message>
        <source>Could not open the folder &quot;%1&quot;: no file manager was found.</source>
        <translation>Der Ordner „%1“ konnte nicht geöffnet werden: Es wurde keine Dateiverwaltung gefunden.</translation>
    </message>
    <message>
        <source>Playing the selection waits until the file is decoded.</source>
        <translation>Die Auswahl wird abgespielt, sobald die Datei dekodiert ist.</translation>
    </message>
    <message>
        <source>Looping the selection waits until the file is decoded.</source>
        <translation>Die Auswahl wird in Schleife abgespielt, sobald die Datei dekodiert ist.</translation>
    </message>
    <message>
        <source>Type a time as seconds (83, 83.5 or 83,5), minutes and seconds (1:23, 1:23.45) or hours, minutes and seconds (1:02:03.5).</source>
        <translation>Zeit eingeben als Sekunden (83, 83.5 oder 83,5), Minuten und Sekunden (1:23, 1:23.45) oder Stunden, Minuten und Sekunden (1:02:03.5).</translation>
    </message>
    <message>
        <source>The file ends at %1.</source>
        <translation>Die Datei endet bei %1.</translation>
    </message>
    <message>
        <source>The end must lie after the begin (%1).</source>
        <translation>Das Ende muss nach dem Beginn (%1) liegen.</translation>
    </message>
    <message>
        <source>The begin must lie before the end (%1).</source>
        <translation>Der Beginn muss vor dem Ende (%1) liegen.</translation>
    </message>
    <message>
        <source>The random cutter waits until the file is decoded.</source>
        <translation>Der zufällige Schnitt wartet, bis die Datei dekodiert ist.</translation>
    </message>
    <message>
        <source>Saving waits until the file is decoded.</source>
        <translation>Speichern ist möglich, sobald die Datei dekodiert ist.</translation>
    </message>
    <message>
        <source>Finding the hook waits until the file is decoded.</source>
        <translation>Die Hook-Suche wartet, bis die Datei dekodiert ist.</translation>
    </message>
    <message>
        <source>Trimming silence waits until the file is decoded.</source>
        <translation>Das Abschneiden der Stille wartet, bis die Datei dekodiert ist.</translation>
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
        <translation>Blende %1</translation>
    </message>
    <message>
        <source>Fade in %1</source>
        <translation>Einblenden %1</translation>
    </message>
    <message>
        <source>Fade out %1</source>
        <translation>Ausblenden %1</translation>
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
        <translation> (Klingelton).mp3</translation>
    </message>
</context>
<context>
    <name>HookSearch</name>
    <message>
        <source>the decoded sound could not be read</source>
        <translation>der dekodierte Klang konnte nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>OpenRequests</name>
    <message>
        <source>
File not found.
Check the file name and try again.</source>
        <translation>
Datei nicht gefunden.
Prüfen Sie den Dateinamen und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>PhoneLength</name>
    <message>
        <source>iPhone plays ring tones of up to %1 seconds; this one is %2 seconds long and will stop after %1 seconds when it rings.<byte value="xd"/>
<byte value="xd"/>
Save it anyway?</source>
        <translation>Das iPhone spielt Klingeltöne von bis zu %1 Sekunden; dieser ist %2 Sekunden lang und bricht beim Klingeln nach %1 Sekunden ab.<byte value="xd"/>
<byte value="xd"/>
Trotzdem speichern?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>An iPhone ring tone may be at most %1 seconds long; this selection is %2 seconds.<byte value="xd"/>
<byte value="xd"/>
Make the selection %1 seconds or shorter (%3 or less is best), or save it in another format.</source>
        <translation>Ein iPhone-Klingelton darf höchstens %1 Sekunden lang sein; diese Auswahl ist %2 Sekunden lang.<byte value="xd"/>
<byte value="xd"/>
Kürzen Sie die Auswahl auf %1 Sekunden oder weniger (am besten %3 oder weniger) oder speichern Sie sie in einem anderen Format.</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>Cannot play the sound: no audio output could be opened. Another program may be using it.</source>
        <translation>Der Klang kann nicht abgespielt werden: Es konnte keine Audioausgabe geöffnet werden. Vielleicht benutzt sie ein anderes Programm.</translation>
    </message>
    <message>
        <source>Cannot play the sound: its decoded copy is missing. Open the file again.</source>
        <translation>Der Klang kann nicht abgespielt werden: Seine dekodierte Kopie fehlt. Öffnen Sie die Datei erneut.</translation>
    </message>
    <message>
        <source>Cannot play the sound: its decoded copy is damaged. Open the file again.</source>
        <translation>Der Klang kann nicht abgespielt werden: Seine dekodierte Kopie ist beschädigt. Öffnen Sie die Datei erneut.</translation>
    </message>
    <message>
        <source>Cannot play the sound (media error %1).</source>
        <translation>Der Klang kann nicht abgespielt werden (Medienfehler %1).</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Soll sie ersetzt werden?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Back One Step</source>
        <translation>Einen Schritt zurück</translation>
    </message>
    <message>
        <source>Forward One Step</source>
        <translation>Einen Schritt vor</translation>
    </message>
    <message>
        <source>Hear the Start, 2 s(&amp;B)</source>
        <translation>&amp;Beginn anhören, 2 s</translation>
    </message>
    <message>
        <source>Hear the End, 2 s(&amp;E)</source>
        <translation>&amp;Ende anhören, 2 s</translation>
    </message>
    <message>
        <source>%1: hear 2 s</source>
        <translation>%1: 2 s anhören</translation>
    </message>
</context>
<context>
    <name>RunFailure</name>
    <message>
        <source>The transcoder was stopped by signal %1 (%2).</source>
        <translation>Der Transcoder wurde durch Signal %1 (%2) beendet.</translation>
    </message>
    <message>
        <source>The transcoder ended with exit code %1.</source>
        <translation>Der Transcoder endete mit dem Exit-Code %1.</translation>
    </message>
    <message>
        <source>The transcoder wrote no file.</source>
        <translation>Der Transcoder hat keine Datei geschrieben.</translation>
    </message>
</context>
<context>
    <name>SaveFormats</name>
    <message>
        <source>MP3 Files(*.mp3)</source>
        <translation>MP3-Dateien(*.mp3)</translation>
    </message>
    <message>
        <source>WMA Files(*.wma)</source>
        <translation>WMA-Dateien(*.wma)</translation>
    </message>
    <message>
        <source>WAV Files(*.wav)</source>
        <translation>WAV-Dateien(*.wav)</translation>
    </message>
    <message>
        <source>AMR Files(*.amr)</source>
        <translation>AMR-Dateien(*.amr)</translation>
    </message>
    <message>
        <source>M4R iPhone ring tone(*.m4r)</source>
        <translation>M4R-iPhone-Klingelton(*.m4r)</translation>
    </message>
    <message>
        <source>M4A Files(*.m4a)</source>
        <translation>M4A-Dateien(*.m4a)</translation>
    </message>
    <message>
        <source>OGG Files(*.ogg)</source>
        <translation>OGG-Dateien(*.ogg)</translation>
    </message>
    <message>
        <source>FLAC Files(*.flac)</source>
        <translation>FLAC-Dateien(*.flac)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
</context>
<context>
    <name>SelectionHelpers</name>
    <message>
        <source>The song is still being analysed (Esc stops).</source>
        <translation>Der Song wird noch analysiert (Esc bricht ab).</translation>
    </message>
    <message>
        <source>Finding the hook: %1 % (Esc stops)</source>
        <translation>Hook wird gesucht: %1 % (Esc bricht ab)</translation>
    </message>
    <message>
        <source>No hook was found in this sound.</source>
        <translation>In diesem Klang wurde keine Hook gefunden.</translation>
    </message>
    <message>
        <source>Hook %1 of %2, score %3, at %4. H: the next one</source>
        <translation>Hook %1 von %2, Wertung %3, bei %4. H: die nächste</translation>
    </message>
    <message>
        <source>Looking for silence (Esc stops).</source>
        <translation>Stille wird gesucht (Esc bricht ab).</translation>
    </message>
    <message>
        <source>The selection changed meanwhile: press T again.</source>
        <translation>Die Auswahl hat sich inzwischen geändert: T erneut drücken.</translation>
    </message>
    <message>
        <source>Nothing to trim: sound from %1 to %2.</source>
        <translation>Nichts abzuschneiden: Klang von %1 bis %2.</translation>
    </message>
    <message>
        <source>Trimmed to the sound: %1 to %2.</source>
        <translation>Auf den Klang gekürzt: %1 bis %2.</translation>
    </message>
    <message>
        <source>No audible sound in the selection: nothing was trimmed.</source>
        <translation>Kein hörbarer Klang in der Auswahl: nichts abgeschnitten.</translation>
    </message>
    <message>
        <source>The hook search was stopped.</source>
        <translation>Die Hook-Suche wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Trimming was stopped.</source>
        <translation>Das Abschneiden wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The sound could not be analysed: %1.</source>
        <translation>Der Klang konnte nicht analysiert werden: %1.</translation>
    </message>
</context>
<context>
    <name>SelectionPreview</name>
    <message>
        <source>Could not prepare the selection with its fades and loudness.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Die Auswahl konnte nicht mit ihren Blenden und ihrer Lautheit vorbereitet werden.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>SettingsAccessibility</name>
    <message>
        <source>After saving, open the folder</source>
        <translation>Nach dem Speichern den Ordner öffnen</translation>
    </message>
    <message>
        <source>After saving, play a sound</source>
        <translation>Nach dem Speichern einen Klang abspielen</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Lautheit</translation>
    </message>
    <message>
        <source>After Saving</source>
        <translation>Nach dem Speichern</translation>
    </message>
    <message>
        <source>Ring-Tone Effects</source>
        <translation>Klingelton-Effekte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stores the settings and closes the window</source>
        <translation>Speichert die Einstellungen und schließt das Fenster</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Closes the window without storing (Esc)</source>
        <translation>Schließt das Fenster ohne zu speichern (Esc)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Get started</source>
        <translation>Los geht’s</translation>
    </message>
    <message>
        <source>Make a ring tone in three easy steps</source>
        <translation>Ein Klingelton in drei einfachen Schritten</translation>
    </message>
    <message>
        <source>Click</source>
        <extracomment>Step one: the word before the document icon, which stands at a fixed place 50 pixels on.</extracomment>
        <translation>Mit</translation>
    </message>
    <message>
        <source>to open an audio or video file</source>
        <extracomment>Step one: the words after the document icon.</extracomment>
        <translation>Audio oder Video öffnen</translation>
    </message>
    <message>
        <source>%1 it and mark the %2 and the %3</source>
        <extracomment>Step two; %1 is &quot;Play&quot;, %2 &quot;begin&quot; and %3 &quot;end&quot;, drawn in bold. About 370 pixels.</extracomment>
        <translation>%1 und %2 und %3 markieren</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>begin</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>end</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>%1 your ring tone as MP3, M4R, OGG and more</source>
        <extracomment>Step three; %1 is &quot;Save&quot;, drawn in bold. About 630 pixels.</extracomment>
        <translation>%1 Sie Ihren Klingelton als MP3, M4R, OGG und mehr</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>the bold word of step three</comment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Opens MP3, WMA, WAV, AMR, WMV, AVI, MPG and more</source>
        <translation>Öffnet MP3, WMA, WAV, AMR, WMV, AVI, MPG und mehr</translation>
    </message>
    <message>
        <source>File(F)</source>
        <extracomment>A menu name; keep &quot;(F)&quot;: Alt+F opens the menu in every language.</extracomment>
        <translation>Datei(F)</translation>
    </message>
    <message>
        <source>Tools(T)</source>
        <extracomment>A menu name; keep &quot;(T)&quot;: Alt+T opens the menu in every language.</extracomment>
        <translation>Extras(T)</translation>
    </message>
    <message>
        <source>Setting(S)</source>
        <extracomment>A menu name; keep &quot;(S)&quot;: Alt+S opens the menu in every language.</extracomment>
        <translation>Optionen(S)</translation>
    </message>
    <message>
        <source>About(A)</source>
        <extracomment>A menu name; keep &quot;(A)&quot;: Alt+A opens the menu in every language.</extracomment>
        <translation>Über(A)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>POSITION</source>
        <translation>POSITION</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Cut the best part. Ring with it.</source>
        <translation>Das Beste heraus. Als Klingelton.</translation>
    </message>
    <message>
        <source>Click the track to seek · drag a handle to move it</source>
        <translation>Klicken: dorthin springen · Griff ziehen: Marke verschieben</translation>
    </message>
    <message>
        <source>Playhead</source>
        <translation>Abspielkopf</translation>
    </message>
    <message>
        <source>Decoding...</source>
        <translation>Dekodieren...</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Speichern...</translation>
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
        <translation>Schneidet ein Stück aus einer Audio- oder Videodatei und speichert es als Klingelton.</translation>
    </message>
    <message>
        <source>Quit as soon as FILE is open (status 0) or could not be opened (status 1). Messages go to standard error. For tests.</source>
        <translation>Beenden, sobald FILE geöffnet ist (Status 0) oder nicht geöffnet werden konnte (Status 1). Meldungen gehen an die Standardfehlerausgabe. Für Tests.</translation>
    </message>
    <message>
        <source>Speak the language CODE (de, fr, es, pt_BR, ru, zh_CN; en for English) instead of the desktop&apos;s.</source>
        <translation>Die Sprache CODE (de, fr, es, pt_BR, ru, zh_CN; en für Englisch) statt der des Desktops verwenden.</translation>
    </message>
    <message>
        <source>The audio or video file to open.</source>
        <translation>Die zu öffnende Audio- oder Videodatei.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [FILE]</source>
        <translation>Aufruf: %1 [Optionen] [FILE]</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Weitere Informationen mit „%1 --help“.
</translation>
    </message>
    <message>
        <source>%1: --quit-after-open needs a FILE
</source>
        <translation>%1: --quit-after-open braucht eine Datei (FILE)
</translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot inspect %1</source>
        <translation>%1 kann nicht geprüft werden</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>cannot make %1 private</source>
        <translation>%1 kann nicht privat gemacht werden</translation>
    </message>
</context>
<context>
    <name>TimelineAccessible</name>
    <message>
        <source>Selection from %1 to %2</source>
        <translation>Auswahl von %1 bis %2</translation>
    </message>
    <message>
        <source>Selection begins at %1</source>
        <translation>Auswahl beginnt bei %1</translation>
    </message>
    <message>
        <source>Selection ends at %1</source>
        <translation>Auswahl endet bei %1</translation>
    </message>
    <message>
        <source>No selection</source>
        <translation>Keine Auswahl</translation>
    </message>
    <message>
        <source>Playhead at %1</source>
        <translation>Abspielposition bei %1</translation>
    </message>
    <message>
        <source>The arrow keys move the selection begin</source>
        <translation>Die Pfeiltasten verschieben den Beginn der Auswahl</translation>
    </message>
    <message>
        <source>The arrow keys move the selection end</source>
        <translation>Die Pfeiltasten verschieben das Ende der Auswahl</translation>
    </message>
    <message>
        <source>The arrow keys move the playhead</source>
        <translation>Die Pfeiltasten verschieben die Abspielposition</translation>
    </message>
    <message>
        <source>%1. %2. %3.</source>
        <translation>%1. %2. %3.</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
</context>
<context>
    <name>TimelinePainter</name>
    <message>
        <source>Loop</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>Decoding… %1%</source>
        <translation>Dekodieren… %1%</translation>
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
        <translation>Mediendatei öffnen</translation>
    </message>
    <message>
        <source>Save Music</source>
        <translation>Musik speichern</translation>
    </message>
    <message>
        <source>Random Music Cutter</source>
        <translation>Zufälliger Musikschnitt</translation>
    </message>
    <message>
        <source>Send Music to Your Friends</source>
        <translation>Musik an Freunde senden</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Select Start Position</source>
        <translation>Beginn setzen</translation>
    </message>
    <message>
        <source>Select End Position</source>
        <translation>Ende setzen</translation>
    </message>
    <message>
        <source>Play Selected Section</source>
        <translation>Auswahl abspielen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Send Bug Report &amp; Feedback to us</source>
        <translation>Fehlerbericht und Rückmeldung an uns senden</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Ring-tone effects of every save: click to change them</source>
        <translation>Klingelton-Effekte jeder Speicherung: zum Ändern klicken</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Random Cut</source>
        <translation>Zufälliger Schnitt</translation>
    </message>
    <message>
        <source>Send to Friends</source>
        <translation>An Freunde senden</translation>
    </message>
    <message>
        <source>Play Selection</source>
        <translation>Auswahl abspielen</translation>
    </message>
    <message>
        <source>Save Ring Tone</source>
        <translation>Klingelton speichern</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Opens the %1 menu (%2)</source>
        <translation>Öffnet das Menü %1 (%2)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Asks whether to quit</source>
        <translation>Fragt, ob beendet werden soll</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Rückmeldung senden</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Aktuelle Zeit</translation>
    </message>
    <message>
        <source>Selection begin</source>
        <translation>Beginn der Auswahl</translation>
    </message>
    <message>
        <source>Selection end</source>
        <translation>Ende der Auswahl</translation>
    </message>
    <message>
        <source>Selection length</source>
        <translation>Länge der Auswahl</translation>
    </message>
    <message>
        <source>View begin</source>
        <translation>Beginn der Ansicht</translation>
    </message>
    <message>
        <source>View end</source>
        <translation>Ende der Ansicht</translation>
    </message>
    <message>
        <source>View length</source>
        <translation>Länge der Ansicht</translation>
    </message>
    <message>
        <source>Ring-tone effects</source>
        <translation>Klingelton-Effekte</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>The open file&apos;s path</source>
        <translation>Pfad der geöffneten Datei</translation>
    </message>
    <message>
        <source>Click to type a time, as 83.5, 1:23.45 or 1:02:03.5</source>
        <translation>Klicken, um eine Zeit einzugeben, z. B. 83.5, 1:23.45 oder 1:02:03.5</translation>
    </message>
    <message>
        <source>Closes the open file, after asking</source>
        <translation>Schließt die geöffnete Datei nach einer Rückfrage</translation>
    </message>
    <message>
        <source>Decoding the file</source>
        <translation>Datei wird dekodiert</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>frmMenu</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Recent Files(&amp;R)</source>
        <translation>&amp;Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>frmSetting</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
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
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nichts tun</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>What happens after saving a cut</source>
        <translation>Was nach dem Speichern eines Schnitts geschieht</translation>
    </message>
    <message>
        <source>Fades and loudness of the ring tone</source>
        <translation>Ein- und Ausblenden und Lautheit des Klingeltons</translation>
    </message>
    <message>
        <source>−16 LUFS, for phones</source>
        <translation>−16 LUFS, für Telefone</translation>
    </message>
    <message>
        <source>−14 LUFS, as loud as streaming</source>
        <translation>−14 LUFS, so laut wie Streaming</translation>
    </message>
    <message>
        <source>−23 LUFS, EBU R 128</source>
        <translation>−23 LUFS, EBU R 128</translation>
    </message>
    <message>
        <source>After saving</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Ring tone</source>
        <translation>Klingelton</translation>
    </message>
    <message>
        <source>When a cut has been saved:</source>
        <translation>Wenn ein Schnitt gespeichert ist:</translation>
    </message>
    <message>
        <source>Show the folder that holds the new file, or leave it be.</source>
        <translation>Den Ordner mit der neuen Datei zeigen oder nicht.</translation>
    </message>
    <message>
        <source>Play the completion sound:</source>
        <translation>Fertig-Klang abspielen:</translation>
    </message>
    <message>
        <source>Fade in:</source>
        <translation>Einblenden:</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>Ausblenden:</translation>
    </message>
    <message>
        <source>Fades soften the start and the end of the tone.</source>
        <translation>Blenden machen Anfang und Ende des Tons weich.</translation>
    </message>
    <message>
        <source>Loudness (peaks held under −1 dBTP):</source>
        <translation>Lautheit (Spitzen unter −1 dBTP):</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Loading...</source>
        <translation>Lädt...</translation>
    </message>
    <message>
        <source>Graphics...</source>
        <translation>Grafik...</translation>
    </message>
    <message>
        <source>Components...</source>
        <translation>Komponenten...</translation>
    </message>
</context>
</TS>
