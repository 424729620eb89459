<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>Desktop</name>
    <message>
        <source>Playing a movie</source>
        <translation>Odtwarzanie filmu</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save Frame As</source>
        <translation>Zapisz klatkę jako</translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation>Wczytaj plik napisów</translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation>Pliki QuickTime</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Subtitle Files</source>
        <translation>Pliki napisów</translation>
    </message>
    <message>
        <source>PNG Images</source>
        <translation>Obrazy PNG</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Enter URL for QuickTime Movie</source>
        <translation>Podaj adres URL filmu QuickTime</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Ostrun. Free software under the MIT licence.</source>
        <translation>Copyright (C) 2026 Ostrun. Wolne oprogramowanie na licencji MIT.</translation>
    </message>
</context>
<context>
    <name>File menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <translation>Otwórz &amp;adres URL...</translation>
    </message>
    <message>
        <source>&amp;Show List</source>
        <translation>&amp;Pokaż listę</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
</context>
<context>
    <name>Folder list</name>
    <message>
        <source>Movies in this folder</source>
        <translation>Filmy w tym katalogu</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
</context>
<context>
    <name>Line over the movie</name>
    <message>
        <source>Volume %1% (muted)</source>
        <translation>Głośność %1% (wyciszono)</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>Głośność %1%</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>Normalna prędkość</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <extracomment>the speed as the play bar shows it: 1.5×, 0.75×</extracomment>
        <translation>Prędkość %1</translation>
    </message>
    <message>
        <source>Subtitles on time</source>
        <translation>Napisy bez opóźnienia</translation>
    </message>
    <message>
        <source>Subtitles %1 s later</source>
        <translation>Napisy opóźnione o %1 s</translation>
    </message>
    <message>
        <source>Subtitles %1 s sooner</source>
        <translation>Napisy przyspieszone o %1 s</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Rozdział %1</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <extracomment>the chapter&apos;s place (from 1), then its title</extracomment>
        <translation>Rozdział %1: %2</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Odtwarzanie</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>Loop cleared</source>
        <translation>Usunięto pętlę A-B</translation>
    </message>
    <message>
        <source>Loop from %1</source>
        <translation>Pętla od %1</translation>
    </message>
    <message>
        <source>Loop %1 to %2</source>
        <translation>Pętla od %1 do %2</translation>
    </message>
    <message>
        <source>Sound on time</source>
        <translation>Dźwięk bez opóźnienia</translation>
    </message>
    <message>
        <source>Sound %1 ms later</source>
        <translation>Dźwięk opóźniony o %1 ms</translation>
    </message>
    <message>
        <source>Sound %1 ms sooner</source>
        <translation>Dźwięk przyspieszony o %1 ms</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zatrzymano</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Wyciszono</translation>
    </message>
    <message>
        <source>One frame back</source>
        <translation>Jedna klatka wstecz</translation>
    </message>
    <message>
        <source>One frame forward</source>
        <translation>Jedna klatka naprzód</translation>
    </message>
    <message>
        <source>Subtitles off</source>
        <translation>Napisy wyłączone</translation>
    </message>
    <message>
        <source>Subtitles: %1</source>
        <translation>Napisy: %1</translation>
    </message>
    <message>
        <source>Audio: %1</source>
        <translation>Ścieżka dźwiękowa: %1</translation>
    </message>
    <message>
        <source>Audio off</source>
        <translation>Ścieżka dźwiękowa wyłączona</translation>
    </message>
    <message>
        <source>Zoom reset</source>
        <translation>Zresetowano powiększenie</translation>
    </message>
    <message>
        <source>Picture values reset</source>
        <translation>Zresetowano ustawienia obrazu</translation>
    </message>
    <message>
        <source>Output device: automatic</source>
        <translation>Urządzenie wyjściowe: automatycznie</translation>
    </message>
    <message>
        <source>Output device: %1</source>
        <translation>Urządzenie wyjściowe: %1</translation>
    </message>
    <message>
        <source>Hardware decoding off</source>
        <translation>Dekodowanie sprzętowe wyłączone</translation>
    </message>
    <message>
        <source>Hardware decoding on</source>
        <translation>Dekodowanie sprzętowe włączone</translation>
    </message>
    <message>
        <source>Aspect ratio: automatic</source>
        <translation>Proporcje obrazu: automatycznie</translation>
    </message>
    <message>
        <source>Aspect ratio %1</source>
        <translation>Proporcje obrazu %1</translation>
    </message>
    <message>
        <source>Zoom %1%</source>
        <translation>Powiększenie %1%</translation>
    </message>
    <message>
        <source>%1% left</source>
        <translation>%1% w lewo</translation>
    </message>
    <message>
        <source>%1% right</source>
        <translation>%1% w prawo</translation>
    </message>
    <message>
        <source>%1% up</source>
        <translation>%1% w górę</translation>
    </message>
    <message>
        <source>%1% down</source>
        <translation>%1% w dół</translation>
    </message>
    <message>
        <source>Picture centred</source>
        <translation>Obraz wyśrodkowany</translation>
    </message>
    <message>
        <source>Picture moved %1</source>
        <extracomment>where the zoomed picture is: &quot;10% right, 5% up&quot;</extracomment>
        <translation>Obraz przesunięty o %1</translation>
    </message>
    <message>
        <source>Fill Window on</source>
        <translation>Wypełnianie okna włączone</translation>
    </message>
    <message>
        <source>Fill Window off</source>
        <translation>Wypełnianie okna wyłączone</translation>
    </message>
    <message>
        <source>Not rotated</source>
        <translation>Bez obrotu</translation>
    </message>
    <message>
        <source>Rotated %1°</source>
        <translation>Obrót o %1°</translation>
    </message>
    <message>
        <source>Deinterlace: on</source>
        <translation>Usuwanie przeplotu: włączone</translation>
    </message>
    <message>
        <source>Deinterlace: off</source>
        <translation>Usuwanie przeplotu: wyłączone</translation>
    </message>
    <message>
        <source>Deinterlace: automatic</source>
        <translation>Usuwanie przeplotu: automatycznie</translation>
    </message>
    <message>
        <source>Brightness %1</source>
        <translation>Jasność %1</translation>
    </message>
    <message>
        <source>Contrast %1</source>
        <translation>Kontrast %1</translation>
    </message>
    <message>
        <source>Saturation %1</source>
        <translation>Nasycenie %1</translation>
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
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;Film</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
</context>
<context>
    <name>Menu on the movie</name>
    <message>
        <source>Normal</source>
        <translation>Normalna</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>a track&apos;s title, then its language</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Ścieżka %1</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Rozdział %1</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>where a chapter starts (0:03), then its title</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation>Wczytaj plik napisów...</translation>
    </message>
    <message>
        <source>Sooner</source>
        <translation>Wcześniej</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Później</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Napisy</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Prędkość</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Rozdziały</translation>
    </message>
    <message>
        <source>Previous Movie in Folder</source>
        <translation>Poprzedni film w katalogu</translation>
    </message>
    <message>
        <source>Next Movie in Folder</source>
        <translation>Następny film w katalogu</translation>
    </message>
    <message>
        <source>Play Folder Through</source>
        <translation>Odtwarzaj cały katalog</translation>
    </message>
    <message>
        <source>Save Frame As...</source>
        <translation>Zapisz klatkę jako...</translation>
    </message>
    <message>
        <source>Copy Frame</source>
        <translation>Kopiuj klatkę</translation>
    </message>
    <message>
        <source>Resume Where Left Off</source>
        <translation>Wznawiaj od miejsca zatrzymania</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatycznie</translation>
    </message>
    <message>
        <source>Output Device</source>
        <translation>Urządzenie wyjściowe</translation>
    </message>
    <message>
        <source>A-B Loop</source>
        <translation>Pętla A-B</translation>
    </message>
    <message>
        <source>Set A</source>
        <translation>Ustaw A</translation>
    </message>
    <message>
        <source>Set B</source>
        <translation>Ustaw B</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Hardware Decoding</source>
        <translation>Dekodowanie sprzętowe</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Przesuń w lewo</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Przesuń w prawo</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Przesuń w górę</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Przesuń w dół</translation>
    </message>
    <message>
        <source>Fill Window</source>
        <translation>Wypełnij okno</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>Zwiększ jasność</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>Zmniejsz jasność</translation>
    </message>
    <message>
        <source>Contrast Up</source>
        <translation>Zwiększ kontrast</translation>
    </message>
    <message>
        <source>Contrast Down</source>
        <translation>Zmniejsz kontrast</translation>
    </message>
    <message>
        <source>Saturation Up</source>
        <translation>Zwiększ nasycenie</translation>
    </message>
    <message>
        <source>Saturation Down</source>
        <translation>Zmniejsz nasycenie</translation>
    </message>
    <message>
        <source>Gamma Up</source>
        <translation>Zwiększ gammę</translation>
    </message>
    <message>
        <source>Gamma Down</source>
        <translation>Zmniejsz gammę</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Wideo</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Proporcje obrazu</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Powiększenie</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Obrót</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Usuwanie przeplotu</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
</context>
<context>
    <name>Movie line</name>
    <message>
        <source>Opening… %1</source>
        <translation>Otwieranie… %1</translation>
    </message>
    <message>
        <source>%1 is not an address this player opens</source>
        <translation>%1 nie jest adresem, który ten odtwarzacz może otworzyć</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>Nie znaleziono %1</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server answered %2</source>
        <translation>Nie można otworzyć %1: serwer odpowiedział %2</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server refused the connection</source>
        <translation>Nie można otworzyć %1: serwer odrzucił połączenie</translation>
    </message>
    <message>
        <source>%1 could not be opened: no server of that name was found</source>
        <translation>Nie można otworzyć %1: nie znaleziono serwera o tej nazwie</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server did not answer</source>
        <translation>Nie można otworzyć %1: serwer nie odpowiada</translation>
    </message>
    <message>
        <source>%1 is a web page, and playing one needs yt-dlp: install yt-dlp (%2)</source>
        <extracomment>%2 is how to install yt-dlp: commands, kept as they are</extracomment>
        <translation>%1 jest stroną internetową, a do jej odtworzenia potrzebny jest yt-dlp: zainstaluj yt-dlp (%2)</translation>
    </message>
    <message>
        <source>%1 is a page that holds no video</source>
        <translation>%1 jest stroną, która nie zawiera wideo</translation>
    </message>
    <message>
        <source>%1 could not be read by yt-dlp (%2); updating yt-dlp may help</source>
        <extracomment>%2 is yt-dlp&apos;s own message, in English</extracomment>
        <translation>yt-dlp nie może odczytać %1 (%2); aktualizacja yt-dlp może pomóc</translation>
    </message>
    <message>
        <source>%1 is not a movie, or is in a format this player cannot read</source>
        <translation>%1 nie jest filmem lub ma format, którego ten odtwarzacz nie potrafi odczytać</translation>
    </message>
    <message>
        <source>%1 could not be read: permission denied</source>
        <translation>Nie można odczytać %1: brak uprawnień</translation>
    </message>
    <message>
        <source>%1 could not be played</source>
        <translation>Nie można odtworzyć %1</translation>
    </message>
</context>
<context>
    <name>Movie menu</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Odtwórz</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Wstrzymaj</translation>
    </message>
    <message>
        <source>&amp;Rewind</source>
        <translation>&amp;Przewiń do początku</translation>
    </message>
    <message>
        <source>Show Controls</source>
        <translation>Pokaż panel sterowania</translation>
    </message>
    <message>
        <source>Loop Movie</source>
        <translation>Zapętl film</translation>
    </message>
    <message>
        <source>Play Last Movie at Startup</source>
        <translation>Odtwarzaj ostatni film po uruchomieniu</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Oryginalny rozmiar</translation>
    </message>
    <message>
        <source>Stay On &amp;Top</source>
        <translation>&amp;Zawsze na wierzchu</translation>
    </message>
</context>
<context>
    <name>Play bar</name>
    <message>
        <source>Play bar</source>
        <translation>Pasek odtwarzania</translation>
    </message>
    <message>
        <source>Play or pause, seek bar, elapsed and total time, mute and volume</source>
        <translation type="vanished">Odtwarzanie lub wstrzymanie, pasek przewijania, czas odtworzony i całkowity, wyciszenie i głośność</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Seek bar</source>
        <translation>Pasek przewijania</translation>
    </message>
    <message>
        <source>Elapsed and total time</source>
        <translation>Czas odtworzony i całkowity</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Wyłącz wyciszenie</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>Głośność %1%</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>the volume&apos;s value, in percent</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>the time played, then the movie&apos;s length: 1:02 of 5:00</extracomment>
        <translation>%1 z %2</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 już istnieje.
Czy chcesz go zastąpić?</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Loading...</source>
        <translation>Wczytywanie...</translation>
    </message>
</context>
</TS>
