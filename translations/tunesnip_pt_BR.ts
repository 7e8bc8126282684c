<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CCommonDialogs</name>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
</context>
<context>
    <name>ConsoleRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Linha de comando vazia</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe falhou. Erro: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Arquivo ou comando não encontrado</translation>
    </message>
</context>
<context>
    <name>DecodeSpace</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: its decoded sound needs %2 of free space in %3, but only %4 are free. Make room there and open it again.</source>
        <translation>Não é possível abrir “%1”: o som decodificado precisa de %2 de espaço livre em %3, mas só há %4 livres. Libere espaço lá e abra-o novamente.</translation>
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
        <translation>&amp;Abrir arquivo de áudio</translation>
    </message>
    <message>
        <source>Close Audio File(&amp;C)</source>
        <translation>&amp;Fechar arquivo de áudio</translation>
    </message>
    <message>
        <source>Save RingTone(&amp;S)</source>
        <translation>&amp;Salvar toque</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Random RingTone Cutter(&amp;R)</source>
        <translation>Cortador &amp;aleatório de toques</translation>
    </message>
    <message>
        <source>Send RingTone to Friends(&amp;S)</source>
        <translation>&amp;Enviar toque para amigos</translation>
    </message>
    <message>
        <source>Setting(&amp;S)</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Play/Pause(&amp;P)</source>
        <translation>&amp;Reproduzir/Pausar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Select Start Position(&amp;B)</source>
        <translation>Marcar o &amp;início</translation>
    </message>
    <message>
        <source>Select End Position(&amp;E)</source>
        <translation>Marcar o &amp;fim</translation>
    </message>
    <message>
        <source>Play Selected Section(&amp;P)</source>
        <translation>Reproduzir a &amp;seleção</translation>
    </message>
    <message>
        <source>Loop Selected Section(&amp;L)</source>
        <translation>Repetir seleção em &amp;loop</translation>
    </message>
    <message>
        <source>Undo Selection(&amp;U)</source>
        <translation>&amp;Desfazer seleção</translation>
    </message>
    <message>
        <source>Redo Selection(&amp;D)</source>
        <translation>&amp;Refazer seleção</translation>
    </message>
    <message>
        <source>Playhead to Start</source>
        <translation>Cursor de reprodução no início</translation>
    </message>
    <message>
        <source>Playhead to End</source>
        <translation>Cursor de reprodução no fim</translation>
    </message>
    <message>
        <source>Playhead to Selection Start</source>
        <translation>Cursor de reprodução no início da seleção</translation>
    </message>
    <message>
        <source>Playhead to Selection End</source>
        <translation>Cursor de reprodução no fim da seleção</translation>
    </message>
    <message>
        <source>Back 1 Second</source>
        <translation>Voltar 1 segundo</translation>
    </message>
    <message>
        <source>Forward 1 Second</source>
        <translation>Avançar 1 segundo</translation>
    </message>
    <message>
        <source>Back 10 Seconds</source>
        <translation>Voltar 10 segundos</translation>
    </message>
    <message>
        <source>Forward 10 Seconds</source>
        <translation>Avançar 10 segundos</translation>
    </message>
    <message>
        <source>Zoom In(&amp;I)</source>
        <translation>A&amp;mpliar</translation>
    </message>
    <message>
        <source>Zoom Out(&amp;O)</source>
        <translation>Red&amp;uzir</translation>
    </message>
    <message>
        <source>Whole File(&amp;W)</source>
        <translation>Arquivo &amp;inteiro</translation>
    </message>
    <message>
        <source>Zoom to Selection(&amp;Z)</source>
        <translation>&amp;Zoom na seleção</translation>
    </message>
    <message>
        <source>Stop the Transcoder</source>
        <translation>Parar o transcodificador</translation>
    </message>
    <message>
        <source>Find the Hook(&amp;H)</source>
        <translation>Encontrar o refrão(&amp;H)</translation>
    </message>
    <message>
        <source>Trim Silence(&amp;T)</source>
        <translation>Cortar silêncios(&amp;T)</translation>
    </message>
    <message>
        <source>Snap to Beats(&amp;N)</source>
        <translation>Ajustar às batidas(&amp;N)</translation>
    </message>
</context>
<context>
    <name>EditorSession</name>
    <message>
        <source>No file open</source>
        <translation>Nenhum arquivo aberto</translation>
    </message>
    <message>
        <source>The playhead is at the end of the file: press Home to play from the start.</source>
        <translation>O cursor de reprodução está no fim do arquivo: pressione Home para tocar desde o início.</translation>
    </message>
    <message>
        <source>The begin was not set: it must lie before the end (%1). Move the playhead back.</source>
        <translation>O início não foi marcado: ele deve ficar antes do fim (%1). Mova o cursor de reprodução para trás.</translation>
    </message>
    <message>
        <source>The end was not set: it must not lie before the begin (%1). Move the playhead on.</source>
        <translation>O fim não foi marcado: ele não pode ficar antes do início (%1). Mova o cursor de reprodução para a frente.</translation>
    </message>
    <message>
        <source>Please play the music first</source>
        <translation>Primeiro toque a música</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>This sound is too short for a random ring tone of more than five seconds.</source>
        <translation>Este som é curto demais para um toque aleatório de mais de cinco segundos.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>I ve cut music by TuneSnip!</source>
        <translation>Cortei música com o TuneSnip!</translation>
    </message>
    <message>
        <source>I ve cut music by TuneSnip! You can see more detail here: </source>
        <translation>Cortei música com o TuneSnip! Veja mais detalhes aqui: </translation>
    </message>
    <message>
        <source>Could not start a mail program for a message to %1.</source>
        <translation>Não foi possível iniciar um programa de e-mail para uma mensagem a %1.</translation>
    </message>
    <message>
        <source>Feedback/Bug Report</source>
        <translation>Comentários/Relatório de erro</translation>
    </message>
    <message>
        <source>Could not start a mail program. Please write to %1.</source>
        <translation>Não foi possível iniciar um programa de e-mail. Escreva para %1.</translation>
    </message>
    <message>
        <source>Could not open the help page &quot;%1&quot;: no program to show it was found.</source>
        <translation>Não foi possível abrir a página de ajuda “%1”: nenhum programa para exibi-la foi encontrado.</translation>
    </message>
    <message>
        <source>Saving &quot;%1&quot; is not finished.<byte value="xd"/>
Quit anyway? The save stops and the file is left as it was before.</source>
        <translation>O salvamento de “%1” não terminou.<byte value="xd"/>
Sair mesmo assim? O salvamento para e o arquivo fica como estava antes.</translation>
    </message>
    <message>
        <source>Are you sure to quit?</source>
        <translation>Tem certeza de que deseja sair?</translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation>Todos os arquivos compatíveis</translation>
    </message>
    <message>
        <source>MP3 Files(*.mp3)</source>
        <translation>Arquivos MP3(*.mp3)</translation>
    </message>
    <message>
        <source>WMA Files(*.wma)</source>
        <translation>Arquivos WMA(*.wma)</translation>
    </message>
    <message>
        <source>WAV Files(*.wav)</source>
        <translation>Arquivos WAV(*.wav)</translation>
    </message>
    <message>
        <source>AMR Files(*.amr)</source>
        <translation>Arquivos AMR(*.amr)</translation>
    </message>
    <message>
        <source>WMV Files(*.wmv)</source>
        <translation>Arquivos WMV(*.wmv)</translation>
    </message>
    <message>
        <source>AVI Files(*.avi)</source>
        <translation>Arquivos AVI(*.avi)</translation>
    </message>
    <message>
        <source>MPG Files(*.mpg)</source>
        <translation>Arquivos MPG(*.mpg)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Todos os arquivos(*.*)</translation>
    </message>
    <message>
        <source>Current Audio file will be closed, are you sure?</source>
        <translation>O arquivo de áudio atual será fechado. Tem certeza?</translation>
    </message>
    <message>
        <source>Close Current File</source>
        <translation>Fechar o arquivo atual</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Abrir arquivos</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a regular file.</source>
        <translation>Não é possível abrir “%1”: não é um arquivo comum.</translation>
    </message>
    <message>
        <source>Cannot decode &quot;%1&quot;: the temporary folder is not usable (%2).</source>
        <translation>Não é possível decodificar “%1”: a pasta temporária não pode ser usada (%2).</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;</source>
        <translation>Não foi possível abrir “%1”</translation>
    </message>
    <message>
        <source>: it holds no sound that can be decoded.</source>
        <translation>: ele não contém som que possa ser decodificado.</translation>
    </message>
    <message>
        <source>Nothing to save: open a file first.</source>
        <translation>Nada para salvar: abra um arquivo primeiro.</translation>
    </message>
    <message>
        <source>Nothing to save: mark a begin and an end first (B and E).</source>
        <translation>Nada para salvar: marque primeiro um início e um fim (B e E).</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: the name must end in %2.</source>
        <translation>Não é possível salvar “%1”: o nome deve terminar em %2.</translation>
    </message>
    <message>
        <source>Cannot save over the sound being edited: choose another name.</source>
        <translation>Não é possível salvar por cima do som em edição: escolha outro nome.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>“%1” já existe.<byte value="xd"/>
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;</source>
        <translation>Não foi possível salvar “%1”</translation>
    </message>
    <message>
        <source>Saved &quot;%1&quot;. %2.</source>
        <translation>“%1” salvo. %2.</translation>
    </message>
    <message>
        <source>Could not open the folder &quot;%1&quot;: no file manager was found.</source>
        <translation>Não foi possível abrir a pasta “%1”: nenhum gerenciador de arquivos foi encontrado.</translation>
    </message>
    <message>
        <source>Playing the selection waits until the file is decoded.</source>
        <translation>A reprodução da seleção aguarda a decodificação do arquivo.</translation>
    </message>
    <message>
        <source>Looping the selection waits until the file is decoded.</source>
        <translation>A repetição da seleção aguarda a decodificação do arquivo.</translation>
    </message>
    <message>
        <source>Type a time as seconds (83, 83.5 or 83,5), minutes and seconds (1:23, 1:23.45) or hours, minutes and seconds (1:02:03.5).</source>
        <translation>Digite um tempo em segundos (83, 83.5 ou 83,5), minutos e segundos (1:23, 1:23.45) ou horas, minutos e segundos (1:02:03.5).</translation>
    </message>
    <message>
        <source>The file ends at %1.</source>
        <translation>O arquivo termina em %1.</translation>
    </message>
    <message>
        <source>The end must lie after the begin (%1).</source>
        <translation>O fim deve ficar depois do início (%1).</translation>
    </message>
    <message>
        <source>The begin must lie before the end (%1).</source>
        <translation>O início deve ficar antes do fim (%1).</translation>
    </message>
    <message>
        <source>The random cutter waits until the file is decoded.</source>
        <translation>O corte aleatório aguarda a decodificação do arquivo.</translation>
    </message>
    <message>
        <source>Saving waits until the file is decoded.</source>
        <translation>Para salvar é preciso aguardar a decodificação do arquivo.</translation>
    </message>
    <message>
        <source>Finding the hook waits until the file is decoded.</source>
        <translation>A busca do refrão aguarda a decodificação do arquivo.</translation>
    </message>
    <message>
        <source>Trimming silence waits until the file is decoded.</source>
        <translation>O corte de silêncios aguarda a decodificação do arquivo.</translation>
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
        <translation>Fade %1</translation>
    </message>
    <message>
        <source>Fade in %1</source>
        <translation>Fade-in %1</translation>
    </message>
    <message>
        <source>Fade out %1</source>
        <translation>Fade-out %1</translation>
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
        <translation> (toque).mp3</translation>
    </message>
</context>
<context>
    <name>HookSearch</name>
    <message>
        <source>the decoded sound could not be read</source>
        <translation>não foi possível ler o som decodificado</translation>
    </message>
</context>
<context>
    <name>OpenRequests</name>
    <message>
        <source>
File not found.
Check the file name and try again.</source>
        <translation>
Arquivo não encontrado.
Verifique o nome do arquivo e tente novamente.</translation>
    </message>
</context>
<context>
    <name>PhoneLength</name>
    <message>
        <source>iPhone plays ring tones of up to %1 seconds; this one is %2 seconds long and will stop after %1 seconds when it rings.<byte value="xd"/>
<byte value="xd"/>
Save it anyway?</source>
        <translation>O iPhone toca toques de até %1 segundos; este tem %2 segundos e vai parar depois de %1 segundos quando tocar.<byte value="xd"/>
<byte value="xd"/>
Salvar mesmo assim?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>An iPhone ring tone may be at most %1 seconds long; this selection is %2 seconds.<byte value="xd"/>
<byte value="xd"/>
Make the selection %1 seconds or shorter (%3 or less is best), or save it in another format.</source>
        <translation>Um toque de iPhone pode ter no máximo %1 segundos; esta seleção tem %2 segundos.<byte value="xd"/>
<byte value="xd"/>
Reduza a seleção para %1 segundos ou menos (o ideal é %3 ou menos) ou salve-a em outro formato.</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>Cannot play the sound: no audio output could be opened. Another program may be using it.</source>
        <translation>Não é possível tocar o som: nenhuma saída de áudio pôde ser aberta. Outro programa pode estar usando-a.</translation>
    </message>
    <message>
        <source>Cannot play the sound: its decoded copy is missing. Open the file again.</source>
        <translation>Não é possível tocar o som: a cópia decodificada está faltando. Abra o arquivo novamente.</translation>
    </message>
    <message>
        <source>Cannot play the sound: its decoded copy is damaged. Open the file again.</source>
        <translation>Não é possível tocar o som: a cópia decodificada está danificada. Abra o arquivo novamente.</translation>
    </message>
    <message>
        <source>Cannot play the sound (media error %1).</source>
        <translation>Não é possível tocar o som (erro de mídia %1).</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Back One Step</source>
        <translation>Voltar um passo</translation>
    </message>
    <message>
        <source>Forward One Step</source>
        <translation>Avançar um passo</translation>
    </message>
    <message>
        <source>Hear the Start, 2 s(&amp;B)</source>
        <translation>&amp;Ouvir o início, 2 s</translation>
    </message>
    <message>
        <source>Hear the End, 2 s(&amp;E)</source>
        <translation>Ouvir o &amp;fim, 2 s</translation>
    </message>
    <message>
        <source>%1: hear 2 s</source>
        <translation>%1: ouvir 2 s</translation>
    </message>
</context>
<context>
    <name>RunFailure</name>
    <message>
        <source>The transcoder was stopped by signal %1 (%2).</source>
        <translation>O transcodificador foi interrompido pelo sinal %1 (%2).</translation>
    </message>
    <message>
        <source>The transcoder ended with exit code %1.</source>
        <translation>O transcodificador terminou com o código de saída %1.</translation>
    </message>
    <message>
        <source>The transcoder wrote no file.</source>
        <translation>O transcodificador não gravou nenhum arquivo.</translation>
    </message>
</context>
<context>
    <name>SaveFormats</name>
    <message>
        <source>MP3 Files(*.mp3)</source>
        <translation>Arquivos MP3(*.mp3)</translation>
    </message>
    <message>
        <source>WMA Files(*.wma)</source>
        <translation>Arquivos WMA(*.wma)</translation>
    </message>
    <message>
        <source>WAV Files(*.wav)</source>
        <translation>Arquivos WAV(*.wav)</translation>
    </message>
    <message>
        <source>AMR Files(*.amr)</source>
        <translation>Arquivos AMR(*.amr)</translation>
    </message>
    <message>
        <source>M4R iPhone ring tone(*.m4r)</source>
        <translation>Toque de iPhone M4R(*.m4r)</translation>
    </message>
    <message>
        <source>M4A Files(*.m4a)</source>
        <translation>Arquivos M4A(*.m4a)</translation>
    </message>
    <message>
        <source>OGG Files(*.ogg)</source>
        <translation>Arquivos OGG(*.ogg)</translation>
    </message>
    <message>
        <source>FLAC Files(*.flac)</source>
        <translation>Arquivos FLAC(*.flac)</translation>
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
        <translation>A música ainda está sendo analisada (Esc interrompe).</translation>
    </message>
    <message>
        <source>Finding the hook: %1 % (Esc stops)</source>
        <translation>Procurando o refrão: %1 % (Esc interrompe)</translation>
    </message>
    <message>
        <source>No hook was found in this sound.</source>
        <translation>Nenhum refrão foi encontrado neste som.</translation>
    </message>
    <message>
        <source>Hook %1 of %2, score %3, at %4. H: the next one</source>
        <translation>Refrão %1 de %2, pontuação %3, em %4. H: o próximo</translation>
    </message>
    <message>
        <source>Looking for silence (Esc stops).</source>
        <translation>Procurando silêncios (Esc interrompe).</translation>
    </message>
    <message>
        <source>The selection changed meanwhile: press T again.</source>
        <translation>A seleção mudou nesse meio-tempo: pressione T de novo.</translation>
    </message>
    <message>
        <source>Nothing to trim: sound from %1 to %2.</source>
        <translation>Nada a cortar: som de %1 a %2.</translation>
    </message>
    <message>
        <source>Trimmed to the sound: %1 to %2.</source>
        <translation>Cortado ao som: %1 a %2.</translation>
    </message>
    <message>
        <source>No audible sound in the selection: nothing was trimmed.</source>
        <translation>Nenhum som audível na seleção: nada foi cortado.</translation>
    </message>
    <message>
        <source>The hook search was stopped.</source>
        <translation>A busca do refrão foi interrompida.</translation>
    </message>
    <message>
        <source>Trimming was stopped.</source>
        <translation>O corte foi interrompido.</translation>
    </message>
    <message>
        <source>The sound could not be analysed: %1.</source>
        <translation>Não foi possível analisar o som: %1.</translation>
    </message>
</context>
<context>
    <name>SelectionPreview</name>
    <message>
        <source>Could not prepare the selection with its fades and loudness.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Não foi possível preparar a seleção com seus fades e volume.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>SettingsAccessibility</name>
    <message>
        <source>After saving, open the folder</source>
        <translation>Após salvar, abrir a pasta</translation>
    </message>
    <message>
        <source>After saving, play a sound</source>
        <translation>Após salvar, tocar um som</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Fade-in</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Fade-out</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>After Saving</source>
        <translation>Após salvar</translation>
    </message>
    <message>
        <source>Ring-Tone Effects</source>
        <translation>Efeitos do toque</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stores the settings and closes the window</source>
        <translation>Salva as configurações e fecha a janela</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Closes the window without storing (Esc)</source>
        <translation>Fecha a janela sem salvar (Esc)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Get started</source>
        <translation>Primeiros passos</translation>
    </message>
    <message>
        <source>Make a ring tone in three easy steps</source>
        <translation>Um toque em três passos simples</translation>
    </message>
    <message>
        <source>Click</source>
        <extracomment>Step one: the word before the document icon, which stands at a fixed place 50 pixels on.</extracomment>
        <translation>Use</translation>
    </message>
    <message>
        <source>to open an audio or video file</source>
        <extracomment>Step one: the words after the document icon.</extracomment>
        <translation>para abrir áudio ou vídeo</translation>
    </message>
    <message>
        <source>%1 it and mark the %2 and the %3</source>
        <extracomment>Step two; %1 is &quot;Play&quot;, %2 &quot;begin&quot; and %3 &quot;end&quot;, drawn in bold. About 370 pixels.</extracomment>
        <translation>%1 e marque o %2 e o %3</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduza</translation>
    </message>
    <message>
        <source>begin</source>
        <translation>início</translation>
    </message>
    <message>
        <source>end</source>
        <translation>fim</translation>
    </message>
    <message>
        <source>%1 your ring tone as MP3, M4R, OGG and more</source>
        <extracomment>Step three; %1 is &quot;Save&quot;, drawn in bold. About 630 pixels.</extracomment>
        <translation>%1 seu toque em MP3, M4R, OGG e mais</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>the bold word of step three</comment>
        <translation>Salve</translation>
    </message>
    <message>
        <source>Opens MP3, WMA, WAV, AMR, WMV, AVI, MPG and more</source>
        <translation>Abre MP3, WMA, WAV, AMR, WMV, AVI, MPG e mais</translation>
    </message>
    <message>
        <source>File(F)</source>
        <extracomment>A menu name; keep &quot;(F)&quot;: Alt+F opens the menu in every language.</extracomment>
        <translation>Arquivo(F)</translation>
    </message>
    <message>
        <source>Tools(T)</source>
        <extracomment>A menu name; keep &quot;(T)&quot;: Alt+T opens the menu in every language.</extracomment>
        <translation>Recursos(T)</translation>
    </message>
    <message>
        <source>Setting(S)</source>
        <extracomment>A menu name; keep &quot;(S)&quot;: Alt+S opens the menu in every language.</extracomment>
        <translation>Ajustes(S)</translation>
    </message>
    <message>
        <source>About(A)</source>
        <extracomment>A menu name; keep &quot;(A)&quot;: Alt+A opens the menu in every language.</extracomment>
        <translation>Sobre(A)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>POSITION</source>
        <translation>POSIÇÃO</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Seleção</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Opinião</translation>
    </message>
    <message>
        <source>Cut the best part. Ring with it.</source>
        <translation>Corte o melhor. Use como toque.</translation>
    </message>
    <message>
        <source>Click the track to seek · drag a handle to move it</source>
        <translation>Clique na faixa para ir · arraste uma alça para movê-la</translation>
    </message>
    <message>
        <source>Playhead</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>Decoding...</source>
        <translation>Decodificando...</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Salvando...</translation>
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
        <translation>Corta um trecho de um arquivo de áudio ou vídeo e o salva como toque.</translation>
    </message>
    <message>
        <source>Quit as soon as FILE is open (status 0) or could not be opened (status 1). Messages go to standard error. For tests.</source>
        <translation>Sair assim que FILE estiver aberto (status 0) ou não puder ser aberto (status 1). As mensagens vão para a saída de erro padrão. Para testes.</translation>
    </message>
    <message>
        <source>Speak the language CODE (de, fr, es, pt_BR, ru, zh_CN; en for English) instead of the desktop&apos;s.</source>
        <translation>Usar o idioma CODE (de, fr, es, pt_BR, ru, zh_CN; en para inglês) em vez do da área de trabalho.</translation>
    </message>
    <message>
        <source>The audio or video file to open.</source>
        <translation>O arquivo de áudio ou vídeo a abrir.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [FILE]</source>
        <translation>Uso: %1 [opções] [FILE]</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Tente &apos;%1 --help&apos; para mais informações.
</translation>
    </message>
    <message>
        <source>%1: --quit-after-open needs a FILE
</source>
        <translation>%1: --quit-after-open precisa de um arquivo (FILE)
</translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <source>cannot create %1: %2</source>
        <translation>não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>cannot inspect %1</source>
        <translation>não é possível examinar %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertence a outro usuário</translation>
    </message>
    <message>
        <source>cannot make %1 private</source>
        <translation>não é possível tornar %1 privada</translation>
    </message>
</context>
<context>
    <name>TimelineAccessible</name>
    <message>
        <source>Selection from %1 to %2</source>
        <translation>Seleção de %1 a %2</translation>
    </message>
    <message>
        <source>Selection begins at %1</source>
        <translation>A seleção começa em %1</translation>
    </message>
    <message>
        <source>Selection ends at %1</source>
        <translation>A seleção termina em %1</translation>
    </message>
    <message>
        <source>No selection</source>
        <translation>Nenhuma seleção</translation>
    </message>
    <message>
        <source>Playhead at %1</source>
        <translation>Cursor de reprodução em %1</translation>
    </message>
    <message>
        <source>The arrow keys move the selection begin</source>
        <translation>As setas movem o início da seleção</translation>
    </message>
    <message>
        <source>The arrow keys move the selection end</source>
        <translation>As setas movem o fim da seleção</translation>
    </message>
    <message>
        <source>The arrow keys move the playhead</source>
        <translation>As setas movem o cursor de reprodução</translation>
    </message>
    <message>
        <source>%1. %2. %3.</source>
        <translation>%1. %2. %3.</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Linha do tempo</translation>
    </message>
</context>
<context>
    <name>TimelinePainter</name>
    <message>
        <source>Loop</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Decoding… %1%</source>
        <translation>Decodificando… %1%</translation>
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
        <translation>Abrir um arquivo de mídia</translation>
    </message>
    <message>
        <source>Save Music</source>
        <translation>Salvar a música</translation>
    </message>
    <message>
        <source>Random Music Cutter</source>
        <translation>Cortador aleatório de música</translation>
    </message>
    <message>
        <source>Send Music to Your Friends</source>
        <translation>Enviar a música para seus amigos</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Select Start Position</source>
        <translation>Marcar o início</translation>
    </message>
    <message>
        <source>Select End Position</source>
        <translation>Marcar o fim</translation>
    </message>
    <message>
        <source>Play Selected Section</source>
        <translation>Reproduzir a seleção</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Send Bug Report &amp; Feedback to us</source>
        <translation>Envie-nos relatórios de erros e comentários</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Ring-tone effects of every save: click to change them</source>
        <translation>Efeitos de toque de cada salvamento: clique para alterá-los</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Random Cut</source>
        <translation>Corte aleatório</translation>
    </message>
    <message>
        <source>Send to Friends</source>
        <translation>Enviar para amigos</translation>
    </message>
    <message>
        <source>Play Selection</source>
        <translation>Reproduzir a seleção</translation>
    </message>
    <message>
        <source>Save Ring Tone</source>
        <translation>Salvar toque</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Opens the %1 menu (%2)</source>
        <translation>Abre o menu %1 (%2)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Asks whether to quit</source>
        <translation>Pergunta se deseja sair</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Enviar comentários</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Tempo atual</translation>
    </message>
    <message>
        <source>Selection begin</source>
        <translation>Início da seleção</translation>
    </message>
    <message>
        <source>Selection end</source>
        <translation>Fim da seleção</translation>
    </message>
    <message>
        <source>Selection length</source>
        <translation>Duração da seleção</translation>
    </message>
    <message>
        <source>View begin</source>
        <translation>Início da visualização</translation>
    </message>
    <message>
        <source>View end</source>
        <translation>Fim da visualização</translation>
    </message>
    <message>
        <source>View length</source>
        <translation>Duração da visualização</translation>
    </message>
    <message>
        <source>Ring-tone effects</source>
        <translation>Efeitos do toque</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>The open file&apos;s path</source>
        <translation>Caminho do arquivo aberto</translation>
    </message>
    <message>
        <source>Click to type a time, as 83.5, 1:23.45 or 1:02:03.5</source>
        <translation>Clique para digitar um tempo, como 83.5, 1:23.45 ou 1:02:03.5</translation>
    </message>
    <message>
        <source>Closes the open file, after asking</source>
        <translation>Fecha o arquivo aberto, após perguntar</translation>
    </message>
    <message>
        <source>Decoding the file</source>
        <translation>Decodificando o arquivo</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Salvando</translation>
    </message>
</context>
<context>
    <name>frmMenu</name>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Recent Files(&amp;R)</source>
        <translation>Arquivos &amp;recentes</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>frmSetting</name>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
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
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>Abrir a pasta</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Não fazer nada</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>What happens after saving a cut</source>
        <translation>O que acontece depois de salvar um corte</translation>
    </message>
    <message>
        <source>Fades and loudness of the ring tone</source>
        <translation>Fades e volume percebido do toque</translation>
    </message>
    <message>
        <source>−16 LUFS, for phones</source>
        <translation>−16 LUFS, para celulares</translation>
    </message>
    <message>
        <source>−14 LUFS, as loud as streaming</source>
        <translation>−14 LUFS, tão alto quanto o streaming</translation>
    </message>
    <message>
        <source>−23 LUFS, EBU R 128</source>
        <translation>−23 LUFS, EBU R 128</translation>
    </message>
    <message>
        <source>After saving</source>
        <translation>Ao salvar</translation>
    </message>
    <message>
        <source>Ring tone</source>
        <translation>Toque</translation>
    </message>
    <message>
        <source>When a cut has been saved:</source>
        <translation>Quando um corte for salvo:</translation>
    </message>
    <message>
        <source>Show the folder that holds the new file, or leave it be.</source>
        <translation>Mostrar a pasta do novo arquivo, ou não.</translation>
    </message>
    <message>
        <source>Play the completion sound:</source>
        <translation>Tocar o som de conclusão:</translation>
    </message>
    <message>
        <source>Fade in:</source>
        <translation>Fade-in:</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>Fade-out:</translation>
    </message>
    <message>
        <source>Fades soften the start and the end of the tone.</source>
        <translation>Os fades suavizam o início e o fim do toque.</translation>
    </message>
    <message>
        <source>Loudness (peaks held under −1 dBTP):</source>
        <translation>Volume (picos abaixo de −1 dBTP):</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Loading...</source>
        <translation>Carregando...</translation>
    </message>
    <message>
        <source>Graphics...</source>
        <translation>Gráficos...</translation>
    </message>
    <message>
        <source>Components...</source>
        <translation>Componentes...</translation>
    </message>
</context>
</TS>
