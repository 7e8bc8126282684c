<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CCommonDialogs</name>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>ConsoleRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Командная строка пуста</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>Ошибка CreatePipe. Код: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Файл или команда не найдены</translation>
    </message>
</context>
<context>
    <name>DecodeSpace</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: its decoded sound needs %2 of free space in %3, but only %4 are free. Make room there and open it again.</source>
        <translation>Не удаётся открыть «%1»: для декодированного звука нужно %2 свободного места в %3, а свободно только %4. Освободите место и откройте файл снова.</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 ГБ</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 ТБ</translation>
    </message>
</context>
<context>
    <name>EditorActions</name>
    <message>
        <source>Open Audio File(&amp;O)</source>
        <translation>&amp;Открыть аудиофайл</translation>
    </message>
    <message>
        <source>Close Audio File(&amp;C)</source>
        <translation>&amp;Закрыть аудиофайл</translation>
    </message>
    <message>
        <source>Save RingTone(&amp;S)</source>
        <translation>&amp;Сохранить рингтон</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Random RingTone Cutter(&amp;R)</source>
        <translation>&amp;Случайный рингтон</translation>
    </message>
    <message>
        <source>Send RingTone to Friends(&amp;S)</source>
        <translation>&amp;Отправить рингтон друзьям</translation>
    </message>
    <message>
        <source>Setting(&amp;S)</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Play/Pause(&amp;P)</source>
        <translation>&amp;Воспроизведение/пауза</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Select Start Position(&amp;B)</source>
        <translation>Установить &amp;начало</translation>
    </message>
    <message>
        <source>Select End Position(&amp;E)</source>
        <translation>Установить &amp;конец</translation>
    </message>
    <message>
        <source>Play Selected Section(&amp;P)</source>
        <translation>Воспроизвести &amp;выделенное</translation>
    </message>
    <message>
        <source>Loop Selected Section(&amp;L)</source>
        <translation>&amp;Зациклить выделение</translation>
    </message>
    <message>
        <source>Undo Selection(&amp;U)</source>
        <translation>О&amp;тменить выделение</translation>
    </message>
    <message>
        <source>Redo Selection(&amp;D)</source>
        <translation>&amp;Повторить выделение</translation>
    </message>
    <message>
        <source>Playhead to Start</source>
        <translation>Курсор воспроизведения в начало</translation>
    </message>
    <message>
        <source>Playhead to End</source>
        <translation>Курсор воспроизведения в конец</translation>
    </message>
    <message>
        <source>Playhead to Selection Start</source>
        <translation>Курсор воспроизведения к началу выделения</translation>
    </message>
    <message>
        <source>Playhead to Selection End</source>
        <translation>Курсор воспроизведения к концу выделения</translation>
    </message>
    <message>
        <source>Back 1 Second</source>
        <translation>Назад на 1 секунду</translation>
    </message>
    <message>
        <source>Forward 1 Second</source>
        <translation>Вперёд на 1 секунду</translation>
    </message>
    <message>
        <source>Back 10 Seconds</source>
        <translation>Назад на 10 секунд</translation>
    </message>
    <message>
        <source>Forward 10 Seconds</source>
        <translation>Вперёд на 10 секунд</translation>
    </message>
    <message>
        <source>Zoom In(&amp;I)</source>
        <translation>&amp;Увеличить</translation>
    </message>
    <message>
        <source>Zoom Out(&amp;O)</source>
        <translation>У&amp;меньшить</translation>
    </message>
    <message>
        <source>Whole File(&amp;W)</source>
        <translation>&amp;Весь файл</translation>
    </message>
    <message>
        <source>Zoom to Selection(&amp;Z)</source>
        <translation>Масштаб по в&amp;ыделению</translation>
    </message>
    <message>
        <source>Stop the Transcoder</source>
        <translation>Остановить перекодировщик</translation>
    </message>
    <message>
        <source>Find the Hook(&amp;H)</source>
        <translation>Найти припев(&amp;H)</translation>
    </message>
    <message>
        <source>Trim Silence(&amp;T)</source>
        <translation>Обрезать тишину(&amp;T)</translation>
    </message>
    <message>
        <source>Snap to Beats(&amp;N)</source>
        <translation>Привязка к долям(&amp;N)</translation>
    </message>
</context>
<context>
    <name>EditorSession</name>
    <message>
        <source>No file open</source>
        <translation>Файл не открыт</translation>
    </message>
    <message>
        <source>The playhead is at the end of the file: press Home to play from the start.</source>
        <translation>Курсор воспроизведения в конце файла: нажмите Home, чтобы играть с начала.</translation>
    </message>
    <message>
        <source>The begin was not set: it must lie before the end (%1). Move the playhead back.</source>
        <translation>Начало не установлено: оно должно быть раньше конца (%1). Сдвиньте курсор воспроизведения назад.</translation>
    </message>
    <message>
        <source>The end was not set: it must not lie before the begin (%1). Move the playhead on.</source>
        <translation>Конец не установлен: он не может быть раньше начала (%1). Сдвиньте курсор воспроизведения вперёд.</translation>
    </message>
    <message>
        <source>Please play the music first</source>
        <translation>Сначала воспроизведите музыку</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>This sound is too short for a random ring tone of more than five seconds.</source>
        <translation>Этот звук слишком короткий для случайного рингтона длиннее пяти секунд.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>I ve cut music by TuneSnip!</source>
        <translation>Я нарезал музыку в TuneSnip!</translation>
    </message>
    <message>
        <source>I ve cut music by TuneSnip! You can see more detail here: </source>
        <translation>Я нарезал музыку в TuneSnip! Подробнее здесь: </translation>
    </message>
    <message>
        <source>Could not start a mail program for a message to %1.</source>
        <translation>Не удалось запустить почтовую программу для письма на адрес %1.</translation>
    </message>
    <message>
        <source>Feedback/Bug Report</source>
        <translation>Отзыв/Сообщение об ошибке</translation>
    </message>
    <message>
        <source>Could not start a mail program. Please write to %1.</source>
        <translation>Не удалось запустить почтовую программу. Напишите нам на %1.</translation>
    </message>
    <message>
        <source>Could not open the help page &quot;%1&quot;: no program to show it was found.</source>
        <translation>Не удалось открыть страницу справки «%1»: не найдена программа для её просмотра.</translation>
    </message>
    <message>
        <source>Saving &quot;%1&quot; is not finished.<byte value="xd"/>
Quit anyway? The save stops and the file is left as it was before.</source>
        <translation>Сохранение «%1» не завершено.<byte value="xd"/>
Всё равно выйти? Сохранение прервётся, а файл останется прежним.</translation>
    </message>
    <message>
        <source>Are you sure to quit?</source>
        <translation>Вы действительно хотите выйти?</translation>
    </message>
    <message>
        <source>All supported files</source>
        <translation>Все поддерживаемые файлы</translation>
    </message>
    <message>
        <source>MP3 Files(*.mp3)</source>
        <translation>Файлы MP3(*.mp3)</translation>
    </message>
    <message>
        <source>WMA Files(*.wma)</source>
        <translation>Файлы WMA(*.wma)</translation>
    </message>
    <message>
        <source>WAV Files(*.wav)</source>
        <translation>Файлы WAV(*.wav)</translation>
    </message>
    <message>
        <source>AMR Files(*.amr)</source>
        <translation>Файлы AMR(*.amr)</translation>
    </message>
    <message>
        <source>WMV Files(*.wmv)</source>
        <translation>Файлы WMV(*.wmv)</translation>
    </message>
    <message>
        <source>AVI Files(*.avi)</source>
        <translation>Файлы AVI(*.avi)</translation>
    </message>
    <message>
        <source>MPG Files(*.mpg)</source>
        <translation>Файлы MPG(*.mpg)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Все файлы(*.*)</translation>
    </message>
    <message>
        <source>Current Audio file will be closed, are you sure?</source>
        <translation>Текущий аудиофайл будет закрыт. Вы уверены?</translation>
    </message>
    <message>
        <source>Close Current File</source>
        <translation>Закрыть текущий файл</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Открыть файлы</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a regular file.</source>
        <translation>Не удаётся открыть «%1»: это не обычный файл.</translation>
    </message>
    <message>
        <source>Cannot decode &quot;%1&quot;: the temporary folder is not usable (%2).</source>
        <translation>Не удаётся декодировать «%1»: временная папка непригодна (%2).</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;</source>
        <translation>Не удалось открыть «%1»</translation>
    </message>
    <message>
        <source>: it holds no sound that can be decoded.</source>
        <translation>: в нём нет звука, который можно декодировать.</translation>
    </message>
    <message>
        <source>Nothing to save: open a file first.</source>
        <translation>Нечего сохранять: сначала откройте файл.</translation>
    </message>
    <message>
        <source>Nothing to save: mark a begin and an end first (B and E).</source>
        <translation>Нечего сохранять: сначала отметьте начало и конец (B и E).</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: the name must end in %2.</source>
        <translation>Не удаётся сохранить «%1»: имя должно оканчиваться на %2.</translation>
    </message>
    <message>
        <source>Cannot save over the sound being edited: choose another name.</source>
        <translation>Нельзя сохранить поверх редактируемого звука: выберите другое имя.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>«%1» уже существует.<byte value="xd"/>
Заменить его?</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;</source>
        <translation>Не удалось сохранить «%1»</translation>
    </message>
    <message>
        <source>Saved &quot;%1&quot;. %2.</source>
        <translation>«%1» сохранён. %2.</translation>
    </message>
    <message>
        <source>Could not open the folder &quot;%1&quot;: no file manager was found.</source>
        <translation>Не удалось открыть папку «%1»: не найден файловый менеджер.</translation>
    </message>
    <message>
        <source>Playing the selection waits until the file is decoded.</source>
        <translation>Воспроизведение выделения ждёт окончания декодирования файла.</translation>
    </message>
    <message>
        <source>Looping the selection waits until the file is decoded.</source>
        <translation>Повтор выделения ждёт окончания декодирования файла.</translation>
    </message>
    <message>
        <source>Type a time as seconds (83, 83.5 or 83,5), minutes and seconds (1:23, 1:23.45) or hours, minutes and seconds (1:02:03.5).</source>
        <translation>Введите время в секундах (83, 83.5 или 83,5), минутах и секундах (1:23, 1:23.45) или часах, минутах и секундах (1:02:03.5).</translation>
    </message>
    <message>
        <source>The file ends at %1.</source>
        <translation>Файл заканчивается на %1.</translation>
    </message>
    <message>
        <source>The end must lie after the begin (%1).</source>
        <translation>Конец должен быть после начала (%1).</translation>
    </message>
    <message>
        <source>The begin must lie before the end (%1).</source>
        <translation>Начало должно быть до конца (%1).</translation>
    </message>
    <message>
        <source>The random cutter waits until the file is decoded.</source>
        <translation>Случайная нарезка ждёт окончания декодирования файла.</translation>
    </message>
    <message>
        <source>Saving waits until the file is decoded.</source>
        <translation>Сохранение ждёт окончания декодирования файла.</translation>
    </message>
    <message>
        <source>Finding the hook waits until the file is decoded.</source>
        <translation>Поиск припева ждёт окончания декодирования файла.</translation>
    </message>
    <message>
        <source>Trimming silence waits until the file is decoded.</source>
        <translation>Обрезка тишины ждёт окончания декодирования файла.</translation>
    </message>
</context>
<context>
    <name>EffectsSettings</name>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>Fade %1</source>
        <translation>Затухания %1</translation>
    </message>
    <message>
        <source>Fade in %1</source>
        <translation>Нарастание %1</translation>
    </message>
    <message>
        <source>Fade out %1</source>
        <translation>Угасание %1</translation>
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
        <translation> (рингтон).mp3</translation>
    </message>
</context>
<context>
    <name>HookSearch</name>
    <message>
        <source>the decoded sound could not be read</source>
        <translation>не удалось прочитать декодированный звук</translation>
    </message>
</context>
<context>
    <name>OpenRequests</name>
    <message>
        <source>
File not found.
Check the file name and try again.</source>
        <translation>
Файл не найден.
Проверьте имя файла и повторите попытку.</translation>
    </message>
</context>
<context>
    <name>PhoneLength</name>
    <message>
        <source>iPhone plays ring tones of up to %1 seconds; this one is %2 seconds long and will stop after %1 seconds when it rings.<byte value="xd"/>
<byte value="xd"/>
Save it anyway?</source>
        <translation>iPhone проигрывает рингтоны длиной до %1 секунд; этот длится %2 с и при звонке оборвётся через %1 секунд.<byte value="xd"/>
<byte value="xd"/>
Всё равно сохранить?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>An iPhone ring tone may be at most %1 seconds long; this selection is %2 seconds.<byte value="xd"/>
<byte value="xd"/>
Make the selection %1 seconds or shorter (%3 or less is best), or save it in another format.</source>
        <translation>Рингтон iPhone может длиться не более %1 секунд; это выделение длится %2 с.<byte value="xd"/>
<byte value="xd"/>
Сократите выделение до %1 секунд или меньше (лучше всего до %3) или сохраните его в другом формате.</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>Cannot play the sound: no audio output could be opened. Another program may be using it.</source>
        <translation>Не удаётся воспроизвести звук: не удалось открыть аудиовыход. Возможно, его использует другая программа.</translation>
    </message>
    <message>
        <source>Cannot play the sound: its decoded copy is missing. Open the file again.</source>
        <translation>Не удаётся воспроизвести звук: его декодированная копия отсутствует. Откройте файл снова.</translation>
    </message>
    <message>
        <source>Cannot play the sound: its decoded copy is damaged. Open the file again.</source>
        <translation>Не удаётся воспроизвести звук: его декодированная копия повреждена. Откройте файл снова.</translation>
    </message>
    <message>
        <source>Cannot play the sound (media error %1).</source>
        <translation>Не удаётся воспроизвести звук (ошибка мультимедиа %1).</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 уже существует.
Заменить?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Back One Step</source>
        <translation>На шаг назад</translation>
    </message>
    <message>
        <source>Forward One Step</source>
        <translation>На шаг вперёд</translation>
    </message>
    <message>
        <source>Hear the Start, 2 s(&amp;B)</source>
        <translation>Прослушать &amp;начало, 2 с</translation>
    </message>
    <message>
        <source>Hear the End, 2 s(&amp;E)</source>
        <translation>Прослушать &amp;конец, 2 с</translation>
    </message>
    <message>
        <source>%1: hear 2 s</source>
        <translation>%1: прослушать 2 с</translation>
    </message>
</context>
<context>
    <name>RunFailure</name>
    <message>
        <source>The transcoder was stopped by signal %1 (%2).</source>
        <translation>Перекодировщик остановлен сигналом %1 (%2).</translation>
    </message>
    <message>
        <source>The transcoder ended with exit code %1.</source>
        <translation>Перекодировщик завершился с кодом %1.</translation>
    </message>
    <message>
        <source>The transcoder wrote no file.</source>
        <translation>Перекодировщик не записал файл.</translation>
    </message>
</context>
<context>
    <name>SaveFormats</name>
    <message>
        <source>MP3 Files(*.mp3)</source>
        <translation>Файлы MP3(*.mp3)</translation>
    </message>
    <message>
        <source>WMA Files(*.wma)</source>
        <translation>Файлы WMA(*.wma)</translation>
    </message>
    <message>
        <source>WAV Files(*.wav)</source>
        <translation>Файлы WAV(*.wav)</translation>
    </message>
    <message>
        <source>AMR Files(*.amr)</source>
        <translation>Файлы AMR(*.amr)</translation>
    </message>
    <message>
        <source>M4R iPhone ring tone(*.m4r)</source>
        <translation>Рингтон iPhone M4R(*.m4r)</translation>
    </message>
    <message>
        <source>M4A Files(*.m4a)</source>
        <translation>Файлы M4A(*.m4a)</translation>
    </message>
    <message>
        <source>OGG Files(*.ogg)</source>
        <translation>Файлы OGG(*.ogg)</translation>
    </message>
    <message>
        <source>FLAC Files(*.flac)</source>
        <translation>Файлы FLAC(*.flac)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> или </translation>
    </message>
</context>
<context>
    <name>SelectionHelpers</name>
    <message>
        <source>The song is still being analysed (Esc stops).</source>
        <translation>Песня ещё анализируется (Esc — остановить).</translation>
    </message>
    <message>
        <source>Finding the hook: %1 % (Esc stops)</source>
        <translation>Поиск припева: %1 % (Esc — остановить)</translation>
    </message>
    <message>
        <source>No hook was found in this sound.</source>
        <translation>Припев в этом звуке не найден.</translation>
    </message>
    <message>
        <source>Hook %1 of %2, score %3, at %4. H: the next one</source>
        <translation>Припев %1 из %2, оценка %3, на %4. H: следующий</translation>
    </message>
    <message>
        <source>Looking for silence (Esc stops).</source>
        <translation>Поиск тишины (Esc — остановить).</translation>
    </message>
    <message>
        <source>The selection changed meanwhile: press T again.</source>
        <translation>Выделение тем временем изменилось: нажмите T ещё раз.</translation>
    </message>
    <message>
        <source>Nothing to trim: sound from %1 to %2.</source>
        <translation>Нечего обрезать: звук от %1 до %2.</translation>
    </message>
    <message>
        <source>Trimmed to the sound: %1 to %2.</source>
        <translation>Обрезано по звуку: %1–%2.</translation>
    </message>
    <message>
        <source>No audible sound in the selection: nothing was trimmed.</source>
        <translation>В выделении нет слышимого звука: ничего не обрезано.</translation>
    </message>
    <message>
        <source>The hook search was stopped.</source>
        <translation>Поиск припева остановлен.</translation>
    </message>
    <message>
        <source>Trimming was stopped.</source>
        <translation>Обрезка остановлена.</translation>
    </message>
    <message>
        <source>The sound could not be analysed: %1.</source>
        <translation>Не удалось проанализировать звук: %1.</translation>
    </message>
</context>
<context>
    <name>SelectionPreview</name>
    <message>
        <source>Could not prepare the selection with its fades and loudness.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Не удалось подготовить выделение с плавными переходами и громкостью.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>SettingsAccessibility</name>
    <message>
        <source>After saving, open the folder</source>
        <translation>После сохранения открыть папку</translation>
    </message>
    <message>
        <source>After saving, play a sound</source>
        <translation>После сохранения воспроизвести звук</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Нарастание</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Угасание</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>After Saving</source>
        <translation>После сохранения</translation>
    </message>
    <message>
        <source>Ring-Tone Effects</source>
        <translation>Эффекты рингтона</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Stores the settings and closes the window</source>
        <translation>Сохраняет настройки и закрывает окно</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Closes the window without storing (Esc)</source>
        <translation>Закрывает окно без сохранения (Esc)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Get started</source>
        <translation>С чего начать</translation>
    </message>
    <message>
        <source>Make a ring tone in three easy steps</source>
        <translation>Рингтон за три простых шага</translation>
    </message>
    <message>
        <source>Click</source>
        <extracomment>Step one: the word before the document icon, which stands at a fixed place 50 pixels on.</extracomment>
        <translation>Клик</translation>
    </message>
    <message>
        <source>to open an audio or video file</source>
        <extracomment>Step one: the words after the document icon.</extracomment>
        <translation>открывает аудио или видео</translation>
    </message>
    <message>
        <source>%1 it and mark the %2 and the %3</source>
        <extracomment>Step two; %1 is &quot;Play&quot;, %2 &quot;begin&quot; and %3 &quot;end&quot;, drawn in bold. About 370 pixels.</extracomment>
        <translation>%1 и отметьте %2 и %3</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Слушайте</translation>
    </message>
    <message>
        <source>begin</source>
        <translation>начало</translation>
    </message>
    <message>
        <source>end</source>
        <translation>конец</translation>
    </message>
    <message>
        <source>%1 your ring tone as MP3, M4R, OGG and more</source>
        <extracomment>Step three; %1 is &quot;Save&quot;, drawn in bold. About 630 pixels.</extracomment>
        <translation>%1 рингтон в MP3, M4R, OGG и других форматах</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>the bold word of step three</comment>
        <translation>Сохраните</translation>
    </message>
    <message>
        <source>Opens MP3, WMA, WAV, AMR, WMV, AVI, MPG and more</source>
        <translation>Открывает MP3, WMA, WAV, AMR, WMV, AVI, MPG и другие</translation>
    </message>
    <message>
        <source>File(F)</source>
        <extracomment>A menu name; keep &quot;(F)&quot;: Alt+F opens the menu in every language.</extracomment>
        <translation>Файл(F)</translation>
    </message>
    <message>
        <source>Tools(T)</source>
        <extracomment>A menu name; keep &quot;(T)&quot;: Alt+T opens the menu in every language.</extracomment>
        <translation>Сервис(T)</translation>
    </message>
    <message>
        <source>Setting(S)</source>
        <extracomment>A menu name; keep &quot;(S)&quot;: Alt+S opens the menu in every language.</extracomment>
        <translation>Настройки(S)</translation>
    </message>
    <message>
        <source>About(A)</source>
        <extracomment>A menu name; keep &quot;(A)&quot;: Alt+A opens the menu in every language.</extracomment>
        <translation>Инфо(A)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>POSITION</source>
        <translation>ПОЗИЦИЯ</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Длина</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Отзыв</translation>
    </message>
    <message>
        <source>Cut the best part. Ring with it.</source>
        <translation>Вырежьте лучшее. Пусть звучит.</translation>
    </message>
    <message>
        <source>Click the track to seek · drag a handle to move it</source>
        <translation>Щелчок — переход · перетащите маркер, чтобы сдвинуть</translation>
    </message>
    <message>
        <source>Playhead</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Decoding...</source>
        <translation>Декодирование...</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Сохранение...</translation>
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
        <translation>Вырезает фрагмент из аудио- или видеофайла и сохраняет его как рингтон.</translation>
    </message>
    <message>
        <source>Quit as soon as FILE is open (status 0) or could not be opened (status 1). Messages go to standard error. For tests.</source>
        <translation>Завершить работу, как только FILE открыт (код 0) или его не удалось открыть (код 1). Сообщения выводятся в стандартный поток ошибок. Для тестов.</translation>
    </message>
    <message>
        <source>Speak the language CODE (de, fr, es, pt_BR, ru, zh_CN; en for English) instead of the desktop&apos;s.</source>
        <translation>Использовать язык CODE (de, fr, es, pt_BR, ru, zh_CN; en — английский) вместо языка рабочего стола.</translation>
    </message>
    <message>
        <source>The audio or video file to open.</source>
        <translation>Открываемый аудио- или видеофайл.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [FILE]</source>
        <translation>Использование: %1 [параметры] [FILE]</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Неизвестный параметр «%1».</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Подробности: «%1 --help».
</translation>
    </message>
    <message>
        <source>%1: --quit-after-open needs a FILE
</source>
        <translation>%1: для --quit-after-open нужен файл (FILE)
</translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <source>cannot create %1: %2</source>
        <translation>не удаётся создать %1: %2</translation>
    </message>
    <message>
        <source>cannot inspect %1</source>
        <translation>не удаётся проверить %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 не является папкой</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 принадлежит другому пользователю</translation>
    </message>
    <message>
        <source>cannot make %1 private</source>
        <translation>не удаётся сделать %1 личной</translation>
    </message>
</context>
<context>
    <name>TimelineAccessible</name>
    <message>
        <source>Selection from %1 to %2</source>
        <translation>Выделение от %1 до %2</translation>
    </message>
    <message>
        <source>Selection begins at %1</source>
        <translation>Выделение начинается на %1</translation>
    </message>
    <message>
        <source>Selection ends at %1</source>
        <translation>Выделение заканчивается на %1</translation>
    </message>
    <message>
        <source>No selection</source>
        <translation>Нет выделения</translation>
    </message>
    <message>
        <source>Playhead at %1</source>
        <translation>Курсор воспроизведения на %1</translation>
    </message>
    <message>
        <source>The arrow keys move the selection begin</source>
        <translation>Стрелки перемещают начало выделения</translation>
    </message>
    <message>
        <source>The arrow keys move the selection end</source>
        <translation>Стрелки перемещают конец выделения</translation>
    </message>
    <message>
        <source>The arrow keys move the playhead</source>
        <translation>Стрелки перемещают курсор воспроизведения</translation>
    </message>
    <message>
        <source>%1. %2. %3.</source>
        <translation>%1. %2. %3.</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Шкала времени</translation>
    </message>
</context>
<context>
    <name>TimelinePainter</name>
    <message>
        <source>Loop</source>
        <translation>Повтор</translation>
    </message>
    <message>
        <source>Decoding… %1%</source>
        <translation>Декодирование… %1%</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>- Ver %1.%2.%3</source>
        <translation>- Вер. %1.%2.%3</translation>
    </message>
    <message>
        <source>Open a Media File</source>
        <translation>Открыть медиафайл</translation>
    </message>
    <message>
        <source>Save Music</source>
        <translation>Сохранить музыку</translation>
    </message>
    <message>
        <source>Random Music Cutter</source>
        <translation>Случайная нарезка музыки</translation>
    </message>
    <message>
        <source>Send Music to Your Friends</source>
        <translation>Отправить музыку друзьям</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Select Start Position</source>
        <translation>Установить начало</translation>
    </message>
    <message>
        <source>Select End Position</source>
        <translation>Установить конец</translation>
    </message>
    <message>
        <source>Play Selected Section</source>
        <translation>Воспроизвести выделенное</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Send Bug Report &amp; Feedback to us</source>
        <translation>Отправить нам отчёт об ошибке и отзыв</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Ring-tone effects of every save: click to change them</source>
        <translation>Эффекты рингтона при каждом сохранении: щёлкните, чтобы изменить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Random Cut</source>
        <translation>Случайная нарезка</translation>
    </message>
    <message>
        <source>Send to Friends</source>
        <translation>Отправить друзьям</translation>
    </message>
    <message>
        <source>Play Selection</source>
        <translation>Воспроизвести выделение</translation>
    </message>
    <message>
        <source>Save Ring Tone</source>
        <translation>Сохранить рингтон</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Opens the %1 menu (%2)</source>
        <translation>Открывает меню «%1» (%2)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Asks whether to quit</source>
        <translation>Спрашивает, выйти ли из программы</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Отправить отзыв</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Текущее время</translation>
    </message>
    <message>
        <source>Selection begin</source>
        <translation>Начало выделения</translation>
    </message>
    <message>
        <source>Selection end</source>
        <translation>Конец выделения</translation>
    </message>
    <message>
        <source>Selection length</source>
        <translation>Длина выделения</translation>
    </message>
    <message>
        <source>View begin</source>
        <translation>Начало вида</translation>
    </message>
    <message>
        <source>View end</source>
        <translation>Конец вида</translation>
    </message>
    <message>
        <source>View length</source>
        <translation>Длина вида</translation>
    </message>
    <message>
        <source>Ring-tone effects</source>
        <translation>Эффекты рингтона</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>The open file&apos;s path</source>
        <translation>Путь к открытому файлу</translation>
    </message>
    <message>
        <source>Click to type a time, as 83.5, 1:23.45 or 1:02:03.5</source>
        <translation>Щёлкните, чтобы ввести время, например 83.5, 1:23.45 или 1:02:03.5</translation>
    </message>
    <message>
        <source>Closes the open file, after asking</source>
        <translation>Закрывает открытый файл после подтверждения</translation>
    </message>
    <message>
        <source>Decoding the file</source>
        <translation>Декодирование файла</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Сохранение</translation>
    </message>
</context>
<context>
    <name>frmMenu</name>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Recent Files(&amp;R)</source>
        <translation>&amp;Недавние файлы</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
</context>
<context>
    <name>frmSetting</name>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>О К</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Ничего не делать</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>What happens after saving a cut</source>
        <translation>Что происходит после сохранения фрагмента</translation>
    </message>
    <message>
        <source>Fades and loudness of the ring tone</source>
        <translation>Плавность и громкость рингтона</translation>
    </message>
    <message>
        <source>−16 LUFS, for phones</source>
        <translation>−16 LUFS, для телефонов</translation>
    </message>
    <message>
        <source>−14 LUFS, as loud as streaming</source>
        <translation>−14 LUFS, как у стриминговых сервисов</translation>
    </message>
    <message>
        <source>−23 LUFS, EBU R 128</source>
        <translation>−23 LUFS, EBU R 128</translation>
    </message>
    <message>
        <source>After saving</source>
        <translation>Сохранение</translation>
    </message>
    <message>
        <source>Ring tone</source>
        <translation>Рингтон</translation>
    </message>
    <message>
        <source>When a cut has been saved:</source>
        <translation>Когда фрагмент сохранён:</translation>
    </message>
    <message>
        <source>Show the folder that holds the new file, or leave it be.</source>
        <translation>Показать папку с новым файлом или нет.</translation>
    </message>
    <message>
        <source>Play the completion sound:</source>
        <translation>Сигнал по завершении:</translation>
    </message>
    <message>
        <source>Fade in:</source>
        <translation>Нарастание:</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>Угасание:</translation>
    </message>
    <message>
        <source>Fades soften the start and the end of the tone.</source>
        <translation>Плавно начинает и заканчивает мелодию.</translation>
    </message>
    <message>
        <source>Loudness (peaks held under −1 dBTP):</source>
        <translation>Громкость (пики ниже −1 dBTP):</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Loading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Graphics...</source>
        <translation>Графика...</translation>
    </message>
    <message>
        <source>Components...</source>
        <translation>Компоненты...</translation>
    </message>
</context>
</TS>
