<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Desktop</name>
    <message>
        <source>Playing a movie</source>
        <translation>Ein Film wird abgespielt</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save Frame As</source>
        <translation>Standbild speichern unter</translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation>Untertiteldatei laden</translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation>QuickTime-Dateien</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Subtitle Files</source>
        <translation>Untertiteldateien</translation>
    </message>
    <message>
        <source>PNG Images</source>
        <translation>PNG-Bilder</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Enter URL for QuickTime Movie</source>
        <translation>Adresse des QuickTime-Films eingeben</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Ostrun. Free software under the MIT licence.</source>
        <translation>Copyright (C) 2026 Ostrun. Freie Software unter der MIT-Lizenz.</translation>
    </message>
</context>
<context>
    <name>File menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <translation>&amp;Adresse öffnen...</translation>
    </message>
    <message>
        <source>&amp;Show List</source>
        <translation>&amp;Liste anzeigen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>Folder list</name>
    <message>
        <source>Movies in this folder</source>
        <translation>Filme in diesem Ordner</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
</context>
<context>
    <name>Line over the movie</name>
    <message>
        <source>Volume %1% (muted)</source>
        <translation>Lautstärke %1 % (stummgeschaltet)</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>Lautstärke %1 %</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>Normale Geschwindigkeit</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <extracomment>the speed as the play bar shows it: 1.5×, 0.75×</extracomment>
        <translation>Geschwindigkeit %1</translation>
    </message>
    <message>
        <source>Subtitles on time</source>
        <translation>Untertitel ohne Verzögerung</translation>
    </message>
    <message>
        <source>Subtitles %1 s later</source>
        <translation>Untertitel %1 s später</translation>
    </message>
    <message>
        <source>Subtitles %1 s sooner</source>
        <translation>Untertitel %1 s früher</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Kapitel %1</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <extracomment>the chapter&apos;s place (from 1), then its title</extracomment>
        <translation>Kapitel %1: %2</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Stummgeschaltet</translation>
    </message>
    <message>
        <source>One frame back</source>
        <translation>Ein Bild zurück</translation>
    </message>
    <message>
        <source>One frame forward</source>
        <translation>Ein Bild vor</translation>
    </message>
    <message>
        <source>Subtitles off</source>
        <translation>Untertitel aus</translation>
    </message>
    <message>
        <source>Subtitles: %1</source>
        <translation>Untertitel: %1</translation>
    </message>
    <message>
        <source>Audio: %1</source>
        <translation>Tonspur: %1</translation>
    </message>
    <message>
        <source>Audio off</source>
        <translation>Tonspur aus</translation>
    </message>
    <message>
        <source>Loop cleared</source>
        <translation>Schleife aufgehoben</translation>
    </message>
    <message>
        <source>Loop from %1</source>
        <translation>Schleife ab %1</translation>
    </message>
    <message>
        <source>Loop %1 to %2</source>
        <translation>Schleife von %1 bis %2</translation>
    </message>
    <message>
        <source>Sound on time</source>
        <translation>Ton ohne Verzögerung</translation>
    </message>
    <message>
        <source>Sound %1 ms later</source>
        <translation>Ton %1 ms später</translation>
    </message>
    <message>
        <source>Sound %1 ms sooner</source>
        <translation>Ton %1 ms früher</translation>
    </message>
    <message>
        <source>Zoom reset</source>
        <translation>Zoom zurückgesetzt</translation>
    </message>
    <message>
        <source>Picture values reset</source>
        <translation>Bildwerte zurückgesetzt</translation>
    </message>
    <message>
        <source>Output device: automatic</source>
        <translation>Ausgabegerät: automatisch</translation>
    </message>
    <message>
        <source>Output device: %1</source>
        <translation>Ausgabegerät: %1</translation>
    </message>
    <message>
        <source>Hardware decoding off</source>
        <translation>Hardware-Dekodierung aus</translation>
    </message>
    <message>
        <source>Hardware decoding on</source>
        <translation>Hardware-Dekodierung ein</translation>
    </message>
    <message>
        <source>Aspect ratio: automatic</source>
        <translation>Seitenverhältnis: automatisch</translation>
    </message>
    <message>
        <source>Aspect ratio %1</source>
        <translation>Seitenverhältnis %1</translation>
    </message>
    <message>
        <source>Zoom %1%</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>%1% left</source>
        <translation>%1 % nach links</translation>
    </message>
    <message>
        <source>%1% right</source>
        <translation>%1 % nach rechts</translation>
    </message>
    <message>
        <source>%1% up</source>
        <translation>%1 % nach oben</translation>
    </message>
    <message>
        <source>%1% down</source>
        <translation>%1 % nach unten</translation>
    </message>
    <message>
        <source>Picture centred</source>
        <translation>Bild zentriert</translation>
    </message>
    <message>
        <source>Picture moved %1</source>
        <extracomment>where the zoomed picture is: &quot;10% right, 5% up&quot;</extracomment>
        <translation>Bild %1 verschoben</translation>
    </message>
    <message>
        <source>Fill Window on</source>
        <translation>Fenster ausfüllen: ein</translation>
    </message>
    <message>
        <source>Fill Window off</source>
        <translation>Fenster ausfüllen: aus</translation>
    </message>
    <message>
        <source>Not rotated</source>
        <translation>Nicht gedreht</translation>
    </message>
    <message>
        <source>Rotated %1°</source>
        <translation>Um %1° gedreht</translation>
    </message>
    <message>
        <source>Deinterlace: on</source>
        <translation>Deinterlacing: ein</translation>
    </message>
    <message>
        <source>Deinterlace: off</source>
        <translation>Deinterlacing: aus</translation>
    </message>
    <message>
        <source>Deinterlace: automatic</source>
        <translation>Deinterlacing: automatisch</translation>
    </message>
    <message>
        <source>Brightness %1</source>
        <translation>Helligkeit %1</translation>
    </message>
    <message>
        <source>Contrast %1</source>
        <translation>Kontrast %1</translation>
    </message>
    <message>
        <source>Saturation %1</source>
        <translation>Sättigung %1</translation>
    </message>
    <message>
        <source>Gamma %1</source>
        <translation>Gamma %1</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;Film</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>Menu on the movie</name>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>a track&apos;s title, then its language</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Spur %1</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Kapitel %1</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>where a chapter starts (0:03), then its title</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation>Untertiteldatei laden...</translation>
    </message>
    <message>
        <source>Sooner</source>
        <translation>Früher</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>Previous Movie in Folder</source>
        <translation>Vorheriger Film im Ordner</translation>
    </message>
    <message>
        <source>Next Movie in Folder</source>
        <translation>Nächster Film im Ordner</translation>
    </message>
    <message>
        <source>Play Folder Through</source>
        <translation>Ordner durchgehend abspielen</translation>
    </message>
    <message>
        <source>Save Frame As...</source>
        <translation>Standbild speichern unter...</translation>
    </message>
    <message>
        <source>Copy Frame</source>
        <translation>Standbild kopieren</translation>
    </message>
    <message>
        <source>Resume Where Left Off</source>
        <translation>An der letzten Stelle fortsetzen</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Output Device</source>
        <translation>Ausgabegerät</translation>
    </message>
    <message>
        <source>A-B Loop</source>
        <translation>A-B-Schleife</translation>
    </message>
    <message>
        <source>Set A</source>
        <translation>A setzen</translation>
    </message>
    <message>
        <source>Set B</source>
        <translation>B setzen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Aufheben</translation>
    </message>
    <message>
        <source>Hardware Decoding</source>
        <translation>Hardware-Dekodierung</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Nach links verschieben</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Nach rechts verschieben</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten verschieben</translation>
    </message>
    <message>
        <source>Fill Window</source>
        <translation>Fenster ausfüllen</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>Helligkeit erhöhen</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>Helligkeit verringern</translation>
    </message>
    <message>
        <source>Contrast Up</source>
        <translation>Kontrast erhöhen</translation>
    </message>
    <message>
        <source>Contrast Down</source>
        <translation>Kontrast verringern</translation>
    </message>
    <message>
        <source>Saturation Up</source>
        <translation>Sättigung erhöhen</translation>
    </message>
    <message>
        <source>Saturation Down</source>
        <translation>Sättigung verringern</translation>
    </message>
    <message>
        <source>Gamma Up</source>
        <translation>Gamma erhöhen</translation>
    </message>
    <message>
        <source>Gamma Down</source>
        <translation>Gamma verringern</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Deinterlacing</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>Movie line</name>
    <message>
        <source>Opening… %1</source>
        <translation>%1 wird geöffnet…</translation>
    </message>
    <message>
        <source>%1 is not an address this player opens</source>
        <translation>%1 ist keine Adresse, die dieses Programm öffnen kann</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>%1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server answered %2</source>
        <translation>%1 konnte nicht geöffnet werden: Der Server antwortete %2</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server refused the connection</source>
        <translation>%1 konnte nicht geöffnet werden: Der Server hat die Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>%1 could not be opened: no server of that name was found</source>
        <translation>%1 konnte nicht geöffnet werden: Kein Server dieses Namens gefunden</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server did not answer</source>
        <translation>%1 konnte nicht geöffnet werden: Der Server antwortet nicht</translation>
    </message>
    <message>
        <source>%1 is a web page, and playing one needs yt-dlp: install yt-dlp (%2)</source>
        <extracomment>%2 is how to install yt-dlp: commands, kept as they are</extracomment>
        <translation>%1 ist eine Webseite; zum Abspielen wird yt-dlp benötigt: Installieren Sie yt-dlp (%2)</translation>
    </message>
    <message>
        <source>%1 is a page that holds no video</source>
        <translation>%1 ist eine Seite ohne Video</translation>
    </message>
    <message>
        <source>%1 could not be read by yt-dlp (%2); updating yt-dlp may help</source>
        <extracomment>%2 is yt-dlp&apos;s own message, in English</extracomment>
        <translation>%1 konnte von yt-dlp nicht gelesen werden (%2); eine neuere Version von yt-dlp kann helfen</translation>
    </message>
    <message>
        <source>%1 is not a movie, or is in a format this player cannot read</source>
        <translation>%1 ist kein Film oder hat ein Format, das dieses Programm nicht lesen kann</translation>
    </message>
    <message>
        <source>%1 could not be read: permission denied</source>
        <translation>%1 konnte nicht gelesen werden: Zugriff verweigert</translation>
    </message>
    <message>
        <source>%1 could not be played</source>
        <translation>%1 konnte nicht abgespielt werden</translation>
    </message>
</context>
<context>
    <name>Movie menu</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Rewind</source>
        <translation>&amp;Zurückspulen</translation>
    </message>
    <message>
        <source>Show Controls</source>
        <translation>Bedienleiste anzeigen</translation>
    </message>
    <message>
        <source>Loop Movie</source>
        <translation>Film wiederholen</translation>
    </message>
    <message>
        <source>Play Last Movie at Startup</source>
        <translation>Letzten Film beim Start abspielen</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Stay On &amp;Top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
</context>
<context>
    <name>Play bar</name>
    <message>
        <source>Play bar</source>
        <translation>Wiedergabeleiste</translation>
    </message>
    <message>
        <source>Play or pause, seek bar, elapsed and total time, mute and volume</source>
        <translation type="vanished">Wiedergabe oder Pause, Zeitleiste, vergangene und gesamte Zeit, Stummschaltung und Lautstärke</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Seek bar</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>Elapsed and total time</source>
        <translation>Vergangene und gesamte Zeit</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Ton einschalten</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stummschalten</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>Lautstärke %1 %</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>the volume&apos;s value, in percent</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>the time played, then the movie&apos;s length: 1:02 of 5:00</extracomment>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Die Datei %1 existiert bereits.
Soll sie überschrieben werden?</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
</context>
</TS>
