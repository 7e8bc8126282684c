<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CCommonDialogs</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>ConsoleRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>命令行为空</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe 失败。错误：</translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>找不到文件或命令</translation>
    </message>
</context>
<context>
    <name>DecodeSpace</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: its decoded sound needs %2 of free space in %3, but only %4 are free. Make room there and open it again.</source>
        <translation>无法打开“%1”：其解码后的声音需要 %3 中有 %2 的可用空间，但只有 %4 可用。请腾出空间后重新打开。</translation>
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
        <translation>打开音频文件(&amp;O)</translation>
    </message>
    <message>
        <source>Close Audio File(&amp;C)</source>
        <translation>关闭音频文件(&amp;C)</translation>
    </message>
    <message>
        <source>Save RingTone(&amp;S)</source>
        <translation>保存铃声(&amp;S)</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>Random RingTone Cutter(&amp;R)</source>
        <translation>随机铃声剪切(&amp;R)</translation>
    </message>
    <message>
        <source>Send RingTone to Friends(&amp;S)</source>
        <translation>把铃声发送给朋友(&amp;S)</translation>
    </message>
    <message>
        <source>Setting(&amp;S)</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Play/Pause(&amp;P)</source>
        <translation>播放/暂停(&amp;P)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Select Start Position(&amp;B)</source>
        <translation>设置起点(&amp;B)</translation>
    </message>
    <message>
        <source>Select End Position(&amp;E)</source>
        <translation>设置终点(&amp;E)</translation>
    </message>
    <message>
        <source>Play Selected Section(&amp;P)</source>
        <translation>播放选定部分(&amp;P)</translation>
    </message>
    <message>
        <source>Loop Selected Section(&amp;L)</source>
        <translation>循环播放选定部分(&amp;L)</translation>
    </message>
    <message>
        <source>Undo Selection(&amp;U)</source>
        <translation>撤销选区(&amp;U)</translation>
    </message>
    <message>
        <source>Redo Selection(&amp;D)</source>
        <translation>重做选区(&amp;D)</translation>
    </message>
    <message>
        <source>Playhead to Start</source>
        <translation>播放头移到开头</translation>
    </message>
    <message>
        <source>Playhead to End</source>
        <translation>播放头移到结尾</translation>
    </message>
    <message>
        <source>Playhead to Selection Start</source>
        <translation>播放头移到选区开头</translation>
    </message>
    <message>
        <source>Playhead to Selection End</source>
        <translation>播放头移到选区结尾</translation>
    </message>
    <message>
        <source>Back 1 Second</source>
        <translation>后退 1 秒</translation>
    </message>
    <message>
        <source>Forward 1 Second</source>
        <translation>前进 1 秒</translation>
    </message>
    <message>
        <source>Back 10 Seconds</source>
        <translation>后退 10 秒</translation>
    </message>
    <message>
        <source>Forward 10 Seconds</source>
        <translation>前进 10 秒</translation>
    </message>
    <message>
        <source>Zoom In(&amp;I)</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom Out(&amp;O)</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>Whole File(&amp;W)</source>
        <translation>整个文件(&amp;W)</translation>
    </message>
    <message>
        <source>Zoom to Selection(&amp;Z)</source>
        <translation>缩放到选区(&amp;Z)</translation>
    </message>
    <message>
        <source>Stop the Transcoder</source>
        <translation>停止转码器</translation>
    </message>
    <message>
        <source>Find the Hook(&amp;H)</source>
        <translation>查找副歌(&amp;H)</translation>
    </message>
    <message>
        <source>Trim Silence(&amp;T)</source>
        <translation>裁剪静音(&amp;T)</translation>
    </message>
    <message>
        <source>Snap to Beats(&amp;N)</source>
        <translation>吸附到节拍(&amp;N)</translation>
    </message>
</context>
<context>
    <name>EditorSession</name>
    <message>
        <source>No file open</source>
        <translation>未打开文件</translation>
    </message>
    <message>
        <source>The playhead is at the end of the file: press Home to play from the start.</source>
        <translation>播放头位于文件末尾：按 Home 键从头播放。</translation>
    </message>
    <message>
        <source>The begin was not set: it must lie before the end (%1). Move the playhead back.</source>
        <translation>未设置起点：起点必须在终点（%1）之前。请把播放头往回移。</translation>
    </message>
    <message>
        <source>The end was not set: it must not lie before the begin (%1). Move the playhead on.</source>
        <translation>未设置终点：终点不能在起点（%1）之前。请把播放头往后移。</translation>
    </message>
    <message>
        <source>Please play the music first</source>
        <translation>请先播放音乐</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>This sound is too short for a random ring tone of more than five seconds.</source>
        <translation>这段声音太短，无法生成超过五秒的随机铃声。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>I ve cut music by TuneSnip!</source>
        <translation>我用 TuneSnip 剪辑了音乐！</translation>
    </message>
    <message>
        <source>I ve cut music by TuneSnip! You can see more detail here: </source>
        <translation>我用 TuneSnip 剪辑了音乐！更多详情请看这里： </translation>
    </message>
    <message>
        <source>Could not start a mail program for a message to %1.</source>
        <translation>无法启动邮件程序来给 %1 写信。</translation>
    </message>
    <message>
        <source>Feedback/Bug Report</source>
        <translation>反馈/错误报告</translation>
    </message>
    <message>
        <source>Could not start a mail program. Please write to %1.</source>
        <translation>无法启动邮件程序。请写信至 %1。</translation>
    </message>
    <message>
        <source>Could not open the help page &quot;%1&quot;: no program to show it was found.</source>
        <translation>无法打开帮助页面“%1”：找不到可以显示它的程序。</translation>
    </message>
    <message>
        <source>Saving &quot;%1&quot; is not finished.<byte value="xd"/>
Quit anyway? The save stops and the file is left as it was before.</source>
        <translation>“%1”尚未保存完毕。<byte value="xd"/>
仍要退出吗？保存将停止，文件保持原样。</translation>
    </message>
    <message>
        <source>Are you sure to quit?</source>
        <translation>确定要退出吗？</translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation>所有支持的文件</translation>
    </message>
    <message>
        <source>MP3 Files(*.mp3)</source>
        <translation>MP3 文件(*.mp3)</translation>
    </message>
    <message>
        <source>WMA Files(*.wma)</source>
        <translation>WMA 文件(*.wma)</translation>
    </message>
    <message>
        <source>WAV Files(*.wav)</source>
        <translation>WAV 文件(*.wav)</translation>
    </message>
    <message>
        <source>AMR Files(*.amr)</source>
        <translation>AMR 文件(*.amr)</translation>
    </message>
    <message>
        <source>WMV Files(*.wmv)</source>
        <translation>WMV 文件(*.wmv)</translation>
    </message>
    <message>
        <source>AVI Files(*.avi)</source>
        <translation>AVI 文件(*.avi)</translation>
    </message>
    <message>
        <source>MPG Files(*.mpg)</source>
        <translation>MPG 文件(*.mpg)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>所有文件(*.*)</translation>
    </message>
    <message>
        <source>Current Audio file will be closed, are you sure?</source>
        <translation>当前音频文件将被关闭，确定吗？</translation>
    </message>
    <message>
        <source>Close Current File</source>
        <translation>关闭当前文件</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a regular file.</source>
        <translation>无法打开“%1”：它不是普通文件。</translation>
    </message>
    <message>
        <source>Cannot decode &quot;%1&quot;: the temporary folder is not usable (%2).</source>
        <translation>无法解码“%1”：临时文件夹不可用（%2）。</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;</source>
        <translation>无法打开“%1”</translation>
    </message>
    <message>
        <source>: it holds no sound that can be decoded.</source>
        <translation>：其中没有可解码的声音。</translation>
    </message>
    <message>
        <source>Nothing to save: open a file first.</source>
        <translation>没有可保存的内容：请先打开文件。</translation>
    </message>
    <message>
        <source>Nothing to save: mark a begin and an end first (B and E).</source>
        <translation>没有可保存的内容：请先标记起点和终点（B 和 E）。</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: the name must end in %2.</source>
        <translation>无法保存“%1”：文件名必须以 %2 结尾。</translation>
    </message>
    <message>
        <source>Cannot save over the sound being edited: choose another name.</source>
        <translation>不能覆盖正在编辑的声音：请选择其他名称。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>“%1”已存在。<byte value="xd"/>
要替换它吗？</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;</source>
        <translation>无法保存“%1”</translation>
    </message>
    <message>
        <source>Saved &quot;%1&quot;. %2.</source>
        <translation>已保存“%1”。%2。</translation>
    </message>
    <message>
        <source>Could not open the folder &quot;%1&quot;: no file manager was found.</source>
        <translation>无法打开文件夹“%1”：找不到文件管理器。</translation>
    </message>
    <message>
        <source>Playing the selection waits until the file is decoded.</source>
        <translation>播放选区需等待文件解码完成。</translation>
    </message>
    <message>
        <source>Looping the selection waits until the file is decoded.</source>
        <translation>循环播放选区需等待文件解码完成。</translation>
    </message>
    <message>
        <source>Type a time as seconds (83, 83.5 or 83,5), minutes and seconds (1:23, 1:23.45) or hours, minutes and seconds (1:02:03.5).</source>
        <translation>输入时间：秒（83、83.5 或 83,5），分和秒（1:23、1:23.45），或时、分和秒（1:02:03.5）。</translation>
    </message>
    <message>
        <source>The file ends at %1.</source>
        <translation>文件结束于 %1。</translation>
    </message>
    <message>
        <source>The end must lie after the begin (%1).</source>
        <translation>终点必须在起点（%1）之后。</translation>
    </message>
    <message>
        <source>The begin must lie before the end (%1).</source>
        <translation>起点必须在终点（%1）之前。</translation>
    </message>
    <message>
        <source>The random cutter waits until the file is decoded.</source>
        <translation>随机剪切需等待文件解码完成。</translation>
    </message>
    <message>
        <source>Saving waits until the file is decoded.</source>
        <translation>保存需等待文件解码完成。</translation>
    </message>
    <message>
        <source>Finding the hook waits until the file is decoded.</source>
        <translation>查找副歌需等待文件解码完成。</translation>
    </message>
    <message>
        <source>Trimming silence waits until the file is decoded.</source>
        <translation>裁剪静音需等待文件解码完成。</translation>
    </message>
</context>
<context>
    <name>EffectsSettings</name>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Fade %1</source>
        <translation>淡入淡出 %1</translation>
    </message>
    <message>
        <source>Fade in %1</source>
        <translation>淡入 %1</translation>
    </message>
    <message>
        <source>Fade out %1</source>
        <translation>淡出 %1</translation>
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
        <translation> (铃声).mp3</translation>
    </message>
</context>
<context>
    <name>HookSearch</name>
    <message>
        <source>the decoded sound could not be read</source>
        <translation>无法读取解码后的声音</translation>
    </message>
</context>
<context>
    <name>OpenRequests</name>
    <message>
        <source>
File not found.
Check the file name and try again.</source>
        <translation>
找不到文件。
请检查文件名后重试。</translation>
    </message>
</context>
<context>
    <name>PhoneLength</name>
    <message>
        <source>iPhone plays ring tones of up to %1 seconds; this one is %2 seconds long and will stop after %1 seconds when it rings.<byte value="xd"/>
<byte value="xd"/>
Save it anyway?</source>
        <translation>iPhone 播放的铃声最长 %1 秒；这段铃声长 %2 秒，来电时会在 %1 秒后停止。<byte value="xd"/>
<byte value="xd"/>
仍要保存吗？</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>An iPhone ring tone may be at most %1 seconds long; this selection is %2 seconds.<byte value="xd"/>
<byte value="xd"/>
Make the selection %1 seconds or shorter (%3 or less is best), or save it in another format.</source>
        <translation>iPhone 铃声最长 %1 秒；此选区长 %2 秒。<byte value="xd"/>
<byte value="xd"/>
请把选区缩短到 %1 秒或更短（最好不超过 %3 秒），或者以其他格式保存。</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>Cannot play the sound: no audio output could be opened. Another program may be using it.</source>
        <translation>无法播放声音：无法打开任何音频输出。可能有其他程序正在使用它。</translation>
    </message>
    <message>
        <source>Cannot play the sound: its decoded copy is missing. Open the file again.</source>
        <translation>无法播放声音：其解码副本丢失。请重新打开文件。</translation>
    </message>
    <message>
        <source>Cannot play the sound: its decoded copy is damaged. Open the file again.</source>
        <translation>无法播放声音：其解码副本已损坏。请重新打开文件。</translation>
    </message>
    <message>
        <source>Cannot play the sound (media error %1).</source>
        <translation>无法播放声音（媒体错误 %1）。</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Back One Step</source>
        <translation>后退一步</translation>
    </message>
    <message>
        <source>Forward One Step</source>
        <translation>前进一步</translation>
    </message>
    <message>
        <source>Hear the Start, 2 s(&amp;B)</source>
        <translation>试听开头，2 秒(&amp;B)</translation>
    </message>
    <message>
        <source>Hear the End, 2 s(&amp;E)</source>
        <translation>试听结尾，2 秒(&amp;E)</translation>
    </message>
    <message>
        <source>%1: hear 2 s</source>
        <translation>%1：试听 2 秒</translation>
    </message>
</context>
<context>
    <name>RunFailure</name>
    <message>
        <source>The transcoder was stopped by signal %1 (%2).</source>
        <translation>转码器被信号 %1（%2）终止。</translation>
    </message>
    <message>
        <source>The transcoder ended with exit code %1.</source>
        <translation>转码器以退出代码 %1 结束。</translation>
    </message>
    <message>
        <source>The transcoder wrote no file.</source>
        <translation>转码器没有写出任何文件。</translation>
    </message>
</context>
<context>
    <name>SaveFormats</name>
    <message>
        <source>MP3 Files(*.mp3)</source>
        <translation>MP3 文件(*.mp3)</translation>
    </message>
    <message>
        <source>WMA Files(*.wma)</source>
        <translation>WMA 文件(*.wma)</translation>
    </message>
    <message>
        <source>WAV Files(*.wav)</source>
        <translation>WAV 文件(*.wav)</translation>
    </message>
    <message>
        <source>AMR Files(*.amr)</source>
        <translation>AMR 文件(*.amr)</translation>
    </message>
    <message>
        <source>M4R iPhone ring tone(*.m4r)</source>
        <translation>M4R iPhone 铃声(*.m4r)</translation>
    </message>
    <message>
        <source>M4A Files(*.m4a)</source>
        <translation>M4A 文件(*.m4a)</translation>
    </message>
    <message>
        <source>OGG Files(*.ogg)</source>
        <translation>OGG 文件(*.ogg)</translation>
    </message>
    <message>
        <source>FLAC Files(*.flac)</source>
        <translation>FLAC 文件(*.flac)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> 或 </translation>
    </message>
</context>
<context>
    <name>SelectionHelpers</name>
    <message>
        <source>The song is still being analysed (Esc stops).</source>
        <translation>仍在分析歌曲（按 Esc 停止）。</translation>
    </message>
    <message>
        <source>Finding the hook: %1 % (Esc stops)</source>
        <translation>正在查找副歌：%1 %（按 Esc 停止）</translation>
    </message>
    <message>
        <source>No hook was found in this sound.</source>
        <translation>此声音中未找到副歌。</translation>
    </message>
    <message>
        <source>Hook %1 of %2, score %3, at %4. H: the next one</source>
        <translation>副歌 %1/%2，得分 %3，位于 %4。H：下一个</translation>
    </message>
    <message>
        <source>Looking for silence (Esc stops).</source>
        <translation>正在查找静音（按 Esc 停止）。</translation>
    </message>
    <message>
        <source>The selection changed meanwhile: press T again.</source>
        <translation>选区已在此期间更改：请再按 T。</translation>
    </message>
    <message>
        <source>Nothing to trim: sound from %1 to %2.</source>
        <translation>无需裁剪：声音从 %1 到 %2。</translation>
    </message>
    <message>
        <source>Trimmed to the sound: %1 to %2.</source>
        <translation>已裁剪到声音：%1 到 %2。</translation>
    </message>
    <message>
        <source>No audible sound in the selection: nothing was trimmed.</source>
        <translation>选区中没有可听见的声音：未裁剪任何内容。</translation>
    </message>
    <message>
        <source>The hook search was stopped.</source>
        <translation>副歌查找已停止。</translation>
    </message>
    <message>
        <source>Trimming was stopped.</source>
        <translation>裁剪已停止。</translation>
    </message>
    <message>
        <source>The sound could not be analysed: %1.</source>
        <translation>无法分析声音：%1。</translation>
    </message>
</context>
<context>
    <name>SelectionPreview</name>
    <message>
        <source>Could not prepare the selection with its fades and loudness.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>无法按淡入淡出和响度设置准备选区。<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>SettingsAccessibility</name>
    <message>
        <source>After saving, open the folder</source>
        <translation>保存后打开文件夹</translation>
    </message>
    <message>
        <source>After saving, play a sound</source>
        <translation>保存后播放提示音</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>淡入</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>淡出</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>响度</translation>
    </message>
    <message>
        <source>After Saving</source>
        <translation>保存后</translation>
    </message>
    <message>
        <source>Ring-Tone Effects</source>
        <translation>铃声效果</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Stores the settings and closes the window</source>
        <translation>保存设置并关闭窗口</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Closes the window without storing (Esc)</source>
        <translation>不保存并关闭窗口（Esc）</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Get started</source>
        <translation>快速上手</translation>
    </message>
    <message>
        <source>Make a ring tone in three easy steps</source>
        <translation>三个简单步骤制作铃声</translation>
    </message>
    <message>
        <source>Click</source>
        <extracomment>Step one: the word before the document icon, which stands at a fixed place 50 pixels on.</extracomment>
        <translation>点击</translation>
    </message>
    <message>
        <source>to open an audio or video file</source>
        <extracomment>Step one: the words after the document icon.</extracomment>
        <translation>打开音频或视频文件</translation>
    </message>
    <message>
        <source>%1 it and mark the %2 and the %3</source>
        <extracomment>Step two; %1 is &quot;Play&quot;, %2 &quot;begin&quot; and %3 &quot;end&quot;, drawn in bold. About 370 pixels.</extracomment>
        <translation>%1并标记%2和%3</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>begin</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>end</source>
        <translation>终点</translation>
    </message>
    <message>
        <source>%1 your ring tone as MP3, M4R, OGG and more</source>
        <extracomment>Step three; %1 is &quot;Save&quot;, drawn in bold. About 630 pixels.</extracomment>
        <translation>%1为 MP3、M4R、OGG 等格式的铃声</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>the bold word of step three</comment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Opens MP3, WMA, WAV, AMR, WMV, AVI, MPG and more</source>
        <translation>支持 MP3、WMA、WAV、AMR、WMV、AVI、MPG 等格式</translation>
    </message>
    <message>
        <source>File(F)</source>
        <extracomment>A menu name; keep &quot;(F)&quot;: Alt+F opens the menu in every language.</extracomment>
        <translation>文件(F)</translation>
    </message>
    <message>
        <source>Tools(T)</source>
        <extracomment>A menu name; keep &quot;(T)&quot;: Alt+T opens the menu in every language.</extracomment>
        <translation>工具(T)</translation>
    </message>
    <message>
        <source>Setting(S)</source>
        <extracomment>A menu name; keep &quot;(S)&quot;: Alt+S opens the menu in every language.</extracomment>
        <translation>设置(S)</translation>
    </message>
    <message>
        <source>About(A)</source>
        <extracomment>A menu name; keep &quot;(A)&quot;: Alt+A opens the menu in every language.</extracomment>
        <translation>关于(A)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>POSITION</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>End</source>
        <translation>终点</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>选区</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Cut the best part. Ring with it.</source>
        <translation>截取最精彩的部分，用作铃声。</translation>
    </message>
    <message>
        <source>Click the track to seek · drag a handle to move it</source>
        <translation>点击音轨可定位 · 拖动手柄可移动它</translation>
    </message>
    <message>
        <source>Playhead</source>
        <translation>播放头</translation>
    </message>
    <message>
        <source>Decoding...</source>
        <translation>正在解码...</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>正在保存...</translation>
    </message>
</context>
<context>
    <name>SkinLabelAccessible</name>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Cuts a piece out of an audio or video file and saves it as a ring tone.</source>
        <translation>从音频或视频文件中剪取一段并保存为铃声。</translation>
    </message>
    <message>
        <source>Quit as soon as FILE is open (status 0) or could not be opened (status 1). Messages go to standard error. For tests.</source>
        <translation>FILE 打开后（状态 0）或无法打开时（状态 1）立即退出。消息输出到标准错误。用于测试。</translation>
    </message>
    <message>
        <source>Speak the language CODE (de, fr, es, pt_BR, ru, zh_CN; en for English) instead of the desktop&apos;s.</source>
        <translation>使用语言 CODE（de、fr、es、pt_BR、ru、zh_CN；en 为英语），而不是桌面的语言。</translation>
    </message>
    <message>
        <source>The audio or video file to open.</source>
        <translation>要打开的音频或视频文件。</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [FILE]</source>
        <translation>用法：%1 [选项] [FILE]</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>未知选项“%1”。</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
运行“%1 --help”以获取更多信息。
</translation>
    </message>
    <message>
        <source>%1: --quit-after-open needs a FILE
</source>
        <translation>%1: --quit-after-open 需要一个文件（FILE）
</translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <source>cannot create %1: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>cannot inspect %1</source>
        <translation>无法检查 %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 属于其他用户</translation>
    </message>
    <message>
        <source>cannot make %1 private</source>
        <translation>无法将 %1 设为私有</translation>
    </message>
</context>
<context>
    <name>TimelineAccessible</name>
    <message>
        <source>Selection from %1 to %2</source>
        <translation>选区从 %1 到 %2</translation>
    </message>
    <message>
        <source>Selection begins at %1</source>
        <translation>选区起点 %1</translation>
    </message>
    <message>
        <source>Selection ends at %1</source>
        <translation>选区终点 %1</translation>
    </message>
    <message>
        <source>No selection</source>
        <translation>无选区</translation>
    </message>
    <message>
        <source>Playhead at %1</source>
        <translation>播放头位于 %1</translation>
    </message>
    <message>
        <source>The arrow keys move the selection begin</source>
        <translation>方向键移动选区起点</translation>
    </message>
    <message>
        <source>The arrow keys move the selection end</source>
        <translation>方向键移动选区终点</translation>
    </message>
    <message>
        <source>The arrow keys move the playhead</source>
        <translation>方向键移动播放头</translation>
    </message>
    <message>
        <source>%1. %2. %3.</source>
        <translation>%1。%2。%3。</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>时间轴</translation>
    </message>
</context>
<context>
    <name>TimelinePainter</name>
    <message>
        <source>Loop</source>
        <translation>循环</translation>
    </message>
    <message>
        <source>Decoding… %1%</source>
        <translation>正在解码… %1%</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>- Ver %1.%2.%3</source>
        <translation>- 版本 %1.%2.%3</translation>
    </message>
    <message>
        <source>Open a Media File</source>
        <translation>打开媒体文件</translation>
    </message>
    <message>
        <source>Save Music</source>
        <translation>保存音乐</translation>
    </message>
    <message>
        <source>Random Music Cutter</source>
        <translation>随机音乐剪切</translation>
    </message>
    <message>
        <source>Send Music to Your Friends</source>
        <translation>把音乐发送给朋友</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Select Start Position</source>
        <translation>设置起点</translation>
    </message>
    <message>
        <source>Select End Position</source>
        <translation>设置终点</translation>
    </message>
    <message>
        <source>Play Selected Section</source>
        <translation>播放选定部分</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Send Bug Report &amp; Feedback to us</source>
        <translation>向我们发送错误报告和反馈</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Ring-tone effects of every save: click to change them</source>
        <translation>每次保存的铃声效果：点击以更改</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Random Cut</source>
        <translation>随机剪切</translation>
    </message>
    <message>
        <source>Send to Friends</source>
        <translation>发送给朋友</translation>
    </message>
    <message>
        <source>Play Selection</source>
        <translation>播放选区</translation>
    </message>
    <message>
        <source>Save Ring Tone</source>
        <translation>保存铃声</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Opens the %1 menu (%2)</source>
        <translation>打开“%1”菜单（%2）</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Asks whether to quit</source>
        <translation>询问是否退出</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>发送反馈</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>当前时间</translation>
    </message>
    <message>
        <source>Selection begin</source>
        <translation>选区起点</translation>
    </message>
    <message>
        <source>Selection end</source>
        <translation>选区终点</translation>
    </message>
    <message>
        <source>Selection length</source>
        <translation>选区长度</translation>
    </message>
    <message>
        <source>View begin</source>
        <translation>视图起点</translation>
    </message>
    <message>
        <source>View end</source>
        <translation>视图终点</translation>
    </message>
    <message>
        <source>View length</source>
        <translation>视图长度</translation>
    </message>
    <message>
        <source>Ring-tone effects</source>
        <translation>铃声效果</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The open file&apos;s path</source>
        <translation>已打开文件的路径</translation>
    </message>
    <message>
        <source>Click to type a time, as 83.5, 1:23.45 or 1:02:03.5</source>
        <translation>点击以输入时间，如 83.5、1:23.45 或 1:02:03.5</translation>
    </message>
    <message>
        <source>Closes the open file, after asking</source>
        <translation>询问后关闭已打开的文件</translation>
    </message>
    <message>
        <source>Decoding the file</source>
        <translation>正在解码文件</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>正在保存</translation>
    </message>
</context>
<context>
    <name>frmMenu</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Recent Files(&amp;R)</source>
        <translation>最近的文件(&amp;R)</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
</context>
<context>
    <name>frmSetting</name>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>确 定</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>不执行任何操作</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>What happens after saving a cut</source>
        <translation>保存片段后执行的操作</translation>
    </message>
    <message>
        <source>Fades and loudness of the ring tone</source>
        <translation>铃声的淡入淡出与响度</translation>
    </message>
    <message>
        <source>−16 LUFS, for phones</source>
        <translation>−16 LUFS，适合手机</translation>
    </message>
    <message>
        <source>−14 LUFS, as loud as streaming</source>
        <translation>−14 LUFS，与流媒体一样响</translation>
    </message>
    <message>
        <source>−23 LUFS, EBU R 128</source>
        <translation>−23 LUFS，EBU R 128</translation>
    </message>
    <message>
        <source>After saving</source>
        <translation>保存之后</translation>
    </message>
    <message>
        <source>Ring tone</source>
        <translation>铃声</translation>
    </message>
    <message>
        <source>When a cut has been saved:</source>
        <translation>片段保存之后：</translation>
    </message>
    <message>
        <source>Show the folder that holds the new file, or leave it be.</source>
        <translation>显示新文件所在的文件夹，或者不显示。</translation>
    </message>
    <message>
        <source>Play the completion sound:</source>
        <translation>播放完成提示音：</translation>
    </message>
    <message>
        <source>Fade in:</source>
        <translation>淡入：</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>淡出：</translation>
    </message>
    <message>
        <source>Fades soften the start and the end of the tone.</source>
        <translation>淡变让铃声的开头和结尾更柔和。</translation>
    </message>
    <message>
        <source>Loudness (peaks held under −1 dBTP):</source>
        <translation>响度（峰值低于 −1 dBTP）：</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Loading...</source>
        <translation>正在加载...</translation>
    </message>
    <message>
        <source>Graphics...</source>
        <translation>图形...</translation>
    </message>
    <message>
        <source>Components...</source>
        <translation>组件...</translation>
    </message>
</context>
</TS>
