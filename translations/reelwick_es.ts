<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>Save Frame As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitle Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter URL for QuickTime Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Ostrun. Free software under the MIT licence.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>File menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu on the movie</name>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>a track&apos;s title, then its language</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>where a chapter starts (0:03), then its title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sooner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Movie in Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Movie in Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Folder Through</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Frame As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume Where Left Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Movie line</name>
    <message>
        <source>Opening… %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an address this player opens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened: the server answered %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened: the server refused the connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened: no server of that name was found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened: the server did not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a web page, and playing one needs yt-dlp: install yt-dlp (%2)</source>
        <extracomment>%2 is how to install yt-dlp: commands, kept as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a page that holds no video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read by yt-dlp (%2); updating yt-dlp may help</source>
        <extracomment>%2 is yt-dlp&apos;s own message, in English</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a movie, or is in a format this player cannot read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read: permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be played</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Movie menu</name>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rewind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Last Movie at Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay On &amp;Top</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Play bar</name>
    <message>
        <source>Play bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play or pause, seek bar, elapsed and total time, mute and volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seek bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed and total time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume %1%</source>
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
    <name>Window</name>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
