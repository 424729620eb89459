<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>Desktop</name>
    <message>
        <source>Playing a movie</source>
        <translation>Воспроизведение фильма</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save Frame As</source>
        <translation>Сохранить кадр как</translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation>Загрузить файл субтитров</translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation>Файлы QuickTime</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>Subtitle Files</source>
        <translation>Файлы субтитров</translation>
    </message>
    <message>
        <source>PNG Images</source>
        <translation>Изображения PNG</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Enter URL for QuickTime Movie</source>
        <translation>Введите адрес фильма QuickTime</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Ostrun. Free software under the MIT licence.</source>
        <translation>Copyright (C) 2026 Ostrun. Свободное программное обеспечение под лицензией MIT.</translation>
    </message>
</context>
<context>
    <name>File menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <translation>Открыть &amp;адрес...</translation>
    </message>
    <message>
        <source>&amp;Show List</source>
        <translation>&amp;Показать список</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
</context>
<context>
    <name>Folder list</name>
    <message>
        <source>Movies in this folder</source>
        <translation>Фильмы в этой папке</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
</context>
<context>
    <name>Line over the movie</name>
    <message>
        <source>Volume %1% (muted)</source>
        <translation>Громкость %1% (звук выключен)</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>Громкость %1%</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>Обычная скорость</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <extracomment>the speed as the play bar shows it: 1.5×, 0.75×</extracomment>
        <translation>Скорость %1</translation>
    </message>
    <message>
        <source>Subtitles on time</source>
        <translation>Субтитры без задержки</translation>
    </message>
    <message>
        <source>Subtitles %1 s later</source>
        <translation>Субтитры на %1 с позже</translation>
    </message>
    <message>
        <source>Subtitles %1 s sooner</source>
        <translation>Субтитры на %1 с раньше</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Глава %1</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <extracomment>the chapter&apos;s place (from 1), then its title</extracomment>
        <translation>Глава %1: %2</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Воспроизведение</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Loop cleared</source>
        <translation>Повтор A-B сброшен</translation>
    </message>
    <message>
        <source>Loop from %1</source>
        <translation>Повтор A-B с %1</translation>
    </message>
    <message>
        <source>Loop %1 to %2</source>
        <translation>Повтор A-B с %1 до %2</translation>
    </message>
    <message>
        <source>Sound on time</source>
        <translation>Звук без задержки</translation>
    </message>
    <message>
        <source>Sound %1 ms later</source>
        <translation>Звук на %1 мс позже</translation>
    </message>
    <message>
        <source>Sound %1 ms sooner</source>
        <translation>Звук на %1 мс раньше</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Звук выключен</translation>
    </message>
    <message>
        <source>One frame back</source>
        <translation>На кадр назад</translation>
    </message>
    <message>
        <source>One frame forward</source>
        <translation>На кадр вперёд</translation>
    </message>
    <message>
        <source>Subtitles off</source>
        <translation>Субтитры выключены</translation>
    </message>
    <message>
        <source>Subtitles: %1</source>
        <translation>Субтитры: %1</translation>
    </message>
    <message>
        <source>Audio: %1</source>
        <translation>Звуковая дорожка: %1</translation>
    </message>
    <message>
        <source>Audio off</source>
        <translation>Звуковая дорожка выключена</translation>
    </message>
    <message>
        <source>Zoom reset</source>
        <translation>Масштаб сброшен</translation>
    </message>
    <message>
        <source>Picture values reset</source>
        <translation>Параметры изображения сброшены</translation>
    </message>
    <message>
        <source>Output device: automatic</source>
        <translation>Устройство вывода: автоматически</translation>
    </message>
    <message>
        <source>Output device: %1</source>
        <translation>Устройство вывода: %1</translation>
    </message>
    <message>
        <source>Hardware decoding off</source>
        <translation>Аппаратное декодирование выключено</translation>
    </message>
    <message>
        <source>Hardware decoding on</source>
        <translation>Аппаратное декодирование включено</translation>
    </message>
    <message>
        <source>Aspect ratio: automatic</source>
        <translation>Соотношение сторон: автоматически</translation>
    </message>
    <message>
        <source>Aspect ratio %1</source>
        <translation>Соотношение сторон %1</translation>
    </message>
    <message>
        <source>Zoom %1%</source>
        <translation>Масштаб %1%</translation>
    </message>
    <message>
        <source>%1% left</source>
        <translation>на %1% влево</translation>
    </message>
    <message>
        <source>%1% right</source>
        <translation>на %1% вправо</translation>
    </message>
    <message>
        <source>%1% up</source>
        <translation>на %1% вверх</translation>
    </message>
    <message>
        <source>%1% down</source>
        <translation>на %1% вниз</translation>
    </message>
    <message>
        <source>Picture centred</source>
        <translation>Изображение по центру</translation>
    </message>
    <message>
        <source>Picture moved %1</source>
        <extracomment>where the zoomed picture is: &quot;10% right, 5% up&quot;</extracomment>
        <translation>Изображение сдвинуто %1</translation>
    </message>
    <message>
        <source>Fill Window on</source>
        <translation>Заполнение окна включено</translation>
    </message>
    <message>
        <source>Fill Window off</source>
        <translation>Заполнение окна выключено</translation>
    </message>
    <message>
        <source>Not rotated</source>
        <translation>Без поворота</translation>
    </message>
    <message>
        <source>Rotated %1°</source>
        <translation>Поворот на %1°</translation>
    </message>
    <message>
        <source>Deinterlace: on</source>
        <translation>Деинтерлейсинг: включён</translation>
    </message>
    <message>
        <source>Deinterlace: off</source>
        <translation>Деинтерлейсинг: выключен</translation>
    </message>
    <message>
        <source>Deinterlace: automatic</source>
        <translation>Деинтерлейсинг: автоматически</translation>
    </message>
    <message>
        <source>Brightness %1</source>
        <translation>Яркость %1</translation>
    </message>
    <message>
        <source>Contrast %1</source>
        <translation>Контрастность %1</translation>
    </message>
    <message>
        <source>Saturation %1</source>
        <translation>Насыщенность %1</translation>
    </message>
    <message>
        <source>Gamma %1</source>
        <translation>Гамма %1</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>Ф&amp;ильм</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
</context>
<context>
    <name>Menu on the movie</name>
    <message>
        <source>Normal</source>
        <translation>Обычная</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>a track&apos;s title, then its language</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Дорожка %1</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Глава %1</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>where a chapter starts (0:03), then its title</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation>Загрузить файл субтитров...</translation>
    </message>
    <message>
        <source>Sooner</source>
        <translation>Раньше</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Субтитры</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Главы</translation>
    </message>
    <message>
        <source>Previous Movie in Folder</source>
        <translation>Предыдущий фильм в папке</translation>
    </message>
    <message>
        <source>Next Movie in Folder</source>
        <translation>Следующий фильм в папке</translation>
    </message>
    <message>
        <source>Play Folder Through</source>
        <translation>Воспроизводить всю папку</translation>
    </message>
    <message>
        <source>Save Frame As...</source>
        <translation>Сохранить кадр как...</translation>
    </message>
    <message>
        <source>Copy Frame</source>
        <translation>Копировать кадр</translation>
    </message>
    <message>
        <source>Resume Where Left Off</source>
        <translation>Продолжать с места остановки</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Полноэкранный режим</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Output Device</source>
        <translation>Устройство вывода</translation>
    </message>
    <message>
        <source>A-B Loop</source>
        <translation>Повтор A-B</translation>
    </message>
    <message>
        <source>Set A</source>
        <translation>Задать точку A</translation>
    </message>
    <message>
        <source>Set B</source>
        <translation>Задать точку B</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Hardware Decoding</source>
        <translation>Аппаратное декодирование</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Сдвинуть влево</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Сдвинуть вправо</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Сдвинуть вверх</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Сдвинуть вниз</translation>
    </message>
    <message>
        <source>Fill Window</source>
        <translation>Заполнить окно</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>Увеличить яркость</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>Уменьшить яркость</translation>
    </message>
    <message>
        <source>Contrast Up</source>
        <translation>Увеличить контрастность</translation>
    </message>
    <message>
        <source>Contrast Down</source>
        <translation>Уменьшить контрастность</translation>
    </message>
    <message>
        <source>Saturation Up</source>
        <translation>Увеличить насыщенность</translation>
    </message>
    <message>
        <source>Saturation Down</source>
        <translation>Уменьшить насыщенность</translation>
    </message>
    <message>
        <source>Gamma Up</source>
        <translation>Увеличить гамму</translation>
    </message>
    <message>
        <source>Gamma Down</source>
        <translation>Уменьшить гамму</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Соотношение сторон</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Деинтерлейсинг</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Изображение</translation>
    </message>
</context>
<context>
    <name>Movie line</name>
    <message>
        <source>Opening… %1</source>
        <translation>Открытие… %1</translation>
    </message>
    <message>
        <source>%1 is not an address this player opens</source>
        <translation>%1 — не адрес, который может открыть этот проигрыватель</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>Не удалось найти %1</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server answered %2</source>
        <translation>Не удалось открыть %1: сервер ответил %2</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server refused the connection</source>
        <translation>Не удалось открыть %1: сервер отклонил соединение</translation>
    </message>
    <message>
        <source>%1 could not be opened: no server of that name was found</source>
        <translation>Не удалось открыть %1: сервер с таким именем не найден</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server did not answer</source>
        <translation>Не удалось открыть %1: сервер не отвечает</translation>
    </message>
    <message>
        <source>%1 is a web page, and playing one needs yt-dlp: install yt-dlp (%2)</source>
        <extracomment>%2 is how to install yt-dlp: commands, kept as they are</extracomment>
        <translation>%1 — веб-страница, и для её воспроизведения нужен yt-dlp: установите yt-dlp (%2)</translation>
    </message>
    <message>
        <source>%1 is a page that holds no video</source>
        <translation>%1 — страница, на которой нет видео</translation>
    </message>
    <message>
        <source>%1 could not be read by yt-dlp (%2); updating yt-dlp may help</source>
        <extracomment>%2 is yt-dlp&apos;s own message, in English</extracomment>
        <translation>yt-dlp не удалось прочитать %1 (%2); может помочь обновление yt-dlp</translation>
    </message>
    <message>
        <source>%1 is not a movie, or is in a format this player cannot read</source>
        <translation>%1 — не фильм или файл в формате, который этот проигрыватель не может прочитать</translation>
    </message>
    <message>
        <source>%1 could not be read: permission denied</source>
        <translation>Не удалось прочитать %1: доступ запрещён</translation>
    </message>
    <message>
        <source>%1 could not be played</source>
        <translation>Не удалось воспроизвести %1</translation>
    </message>
</context>
<context>
    <name>Movie menu</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Воспроизвести</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>&amp;Rewind</source>
        <translation>Перемотать в &amp;начало</translation>
    </message>
    <message>
        <source>Show Controls</source>
        <translation>Показывать панель управления</translation>
    </message>
    <message>
        <source>Loop Movie</source>
        <translation>Повторять фильм</translation>
    </message>
    <message>
        <source>Play Last Movie at Startup</source>
        <translation>Воспроизводить последний фильм при запуске</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Исходный размер</translation>
    </message>
    <message>
        <source>Stay On &amp;Top</source>
        <translation>Поверх всех &amp;окон</translation>
    </message>
</context>
<context>
    <name>Play bar</name>
    <message>
        <source>Play bar</source>
        <translation>Панель воспроизведения</translation>
    </message>
    <message>
        <source>Play or pause, seek bar, elapsed and total time, mute and volume</source>
        <translation type="vanished">Воспроизведение или пауза, полоса перемотки, прошедшее и общее время, отключение звука и громкость</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Seek bar</source>
        <translation>Полоса перемотки</translation>
    </message>
    <message>
        <source>Elapsed and total time</source>
        <translation>Прошедшее и общее время</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Включить звук</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Выключить звук</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>Громкость %1%</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>the volume&apos;s value, in percent</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>the time played, then the movie&apos;s length: 1:02 of 5:00</extracomment>
        <translation>%1 из %2</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 уже существует.
Заменить его?</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Loading...</source>
        <translation>Загрузка...</translation>
    </message>
</context>
</TS>
