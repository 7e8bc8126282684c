<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CCommonDialogs</name>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConsoleRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DecodeSpace</name>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: its decoded sound needs %2 of free space in %3, but only %4 are free. Make room there and open it again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorActions</name>
    <message>
        <source>Open Audio File(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Audio File(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save RingTone(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random RingTone Cutter(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send RingTone to Friends(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play/Pause(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Start Position(&amp;B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select End Position(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Selected Section(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop Selected Section(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo Selection(&amp;U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo Selection(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playhead to Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playhead to End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playhead to Selection Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playhead to Selection End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back 1 Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward 1 Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back 10 Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward 10 Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In(&amp;I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole File(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom to Selection(&amp;Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the Transcoder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorSession</name>
    <message>
        <source>No file open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The playhead is at the end of the file: press Home to play from the start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The begin was not set: it must lie before the end (%1). Move the playhead back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The end was not set: it must not lie before the begin (%1). Move the playhead on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please play the music first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This sound is too short for a random ring tone of more than five seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I ve cut music by TuneSnip!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I ve cut music by TuneSnip! You can see more detail here: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start a mail program for a message to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback/Bug Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start a mail program. Please write to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open the help page &quot;%1&quot;: no program to show it was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving &quot;%1&quot; is not finished.<byte value="xd"/>
Quit anyway? The save stops and the file is left as it was before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 Files(*.mp3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMA Files(*.wma)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV Files(*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMR Files(*.amr)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMV Files(*.wmv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVI Files(*.avi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPG Files(*.mpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Audio file will be closed, are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Current File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot decode &quot;%1&quot;: the temporary folder is not usable (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: it holds no sound that can be decoded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to save: open a file first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to save: mark a begin and an end first (B and E).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: the name must end in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save over the sound being edited: choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved &quot;%1&quot;. %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open the folder &quot;%1&quot;: no file manager was found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EffectsSettings</name>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade out %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>−%1 LUFS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileHistory</name>
    <message>
        <source> (ring tone).mp3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenRequests</name>
    <message>
        <source>
File not found.
Check the file name and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhoneLength</name>
    <message>
        <source>iPhone plays ring tones of up to %1 seconds; this one is %2 seconds long and will stop after %1 seconds when it rings.<byte value="xd"/>
<byte value="xd"/>
Save it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An iPhone ring tone may be at most %1 seconds long; this selection is %2 seconds.<byte value="xd"/>
<byte value="xd"/>
Make the selection %1 seconds or shorter (%3 or less is best), or save it in another format.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>Cannot play the sound: no audio output could be opened. Another program may be using it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot play the sound: its decoded copy is missing. Open the file again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot play the sound: its decoded copy is damaged. Open the file again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot play the sound (media error %1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunFailure</name>
    <message>
        <source>The transcoder was stopped by signal %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transcoder ended with exit code %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transcoder wrote no file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveFormats</name>
    <message>
        <source>MP3 Files(*.mp3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMA Files(*.wma)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV Files(*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMR Files(*.amr)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M4R iPhone ring tone(*.m4r)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M4A Files(*.m4a)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OGG Files(*.ogg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLAC Files(*.flac)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectionPreview</name>
    <message>
        <source>Could not prepare the selection with its fades and loudness.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <source>cannot create %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot inspect %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make %1 private</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimelinePainter</name>
    <message>
        <source>Loop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>- Ver %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a Media File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Music Cutter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Music to Your Friends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Start Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select End Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Selected Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Bug Report &amp; Feedback to us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ring-tone effects of every save: click to change them</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMenu</name>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Files(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSetting</name>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ሖ LUFS, for phones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ሔ LUFS, as loud as streaming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ሣ LUFS, EBU R 128</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What happens after saving a cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fades and loudness of the ring tone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Components...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
