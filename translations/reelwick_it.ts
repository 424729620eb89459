<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>Desktop</name>
    <message>
        <source>Playing a movie</source>
        <translation>Riproduzione di un film</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save Frame As</source>
        <translation>Salva fotogramma come</translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation>Carica file di sottotitoli</translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation>File QuickTime</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Subtitle Files</source>
        <translation>File di sottotitoli</translation>
    </message>
    <message>
        <source>PNG Images</source>
        <translation>Immagini PNG</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Enter URL for QuickTime Movie</source>
        <translation>Inserire l’URL del filmato QuickTime</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Ostrun. Free software under the MIT licence.</source>
        <translation>Copyright (C) 2026 Ostrun. Software libero con licenza MIT.</translation>
    </message>
</context>
<context>
    <name>File menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <translation>Apri &amp;URL...</translation>
    </message>
    <message>
        <source>&amp;Show List</source>
        <translation>&amp;Mostra elenco</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
</context>
<context>
    <name>Folder list</name>
    <message>
        <source>Movies in this folder</source>
        <translation>Film in questa cartella</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
</context>
<context>
    <name>Line over the movie</name>
    <message>
        <source>Volume %1% (muted)</source>
        <translation>Volume %1% (audio disattivato)</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>Volume %1%</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>Velocità normale</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <extracomment>the speed as the play bar shows it: 1.5×, 0.75×</extracomment>
        <translation>Velocità %1</translation>
    </message>
    <message>
        <source>Subtitles on time</source>
        <translation>Sottotitoli senza ritardo</translation>
    </message>
    <message>
        <source>Subtitles %1 s later</source>
        <translation>Sottotitoli ritardati di %1 s</translation>
    </message>
    <message>
        <source>Subtitles %1 s sooner</source>
        <translation>Sottotitoli anticipati di %1 s</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Capitolo %1</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <extracomment>the chapter&apos;s place (from 1), then its title</extracomment>
        <translation>Capitolo %1: %2</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Riproduzione</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Loop cleared</source>
        <translation>Ripetizione A-B cancellata</translation>
    </message>
    <message>
        <source>Loop from %1</source>
        <translation>Ripetizione da %1</translation>
    </message>
    <message>
        <source>Loop %1 to %2</source>
        <translation>Ripetizione da %1 a %2</translation>
    </message>
    <message>
        <source>Sound on time</source>
        <translation>Audio senza ritardo</translation>
    </message>
    <message>
        <source>Sound %1 ms later</source>
        <translation>Audio ritardato di %1 ms</translation>
    </message>
    <message>
        <source>Sound %1 ms sooner</source>
        <translation>Audio anticipato di %1 ms</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Fermato</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Audio disattivato</translation>
    </message>
    <message>
        <source>One frame back</source>
        <translation>Un fotogramma indietro</translation>
    </message>
    <message>
        <source>One frame forward</source>
        <translation>Un fotogramma avanti</translation>
    </message>
    <message>
        <source>Subtitles off</source>
        <translation>Sottotitoli disattivati</translation>
    </message>
    <message>
        <source>Subtitles: %1</source>
        <translation>Sottotitoli: %1</translation>
    </message>
    <message>
        <source>Audio: %1</source>
        <translation>Traccia audio: %1</translation>
    </message>
    <message>
        <source>Audio off</source>
        <translation>Traccia audio disattivata</translation>
    </message>
    <message>
        <source>Zoom reset</source>
        <translation>Zoom ripristinato</translation>
    </message>
    <message>
        <source>Picture values reset</source>
        <translation>Valori dell’immagine ripristinati</translation>
    </message>
    <message>
        <source>Output device: automatic</source>
        <translation>Dispositivo di uscita: automatico</translation>
    </message>
    <message>
        <source>Output device: %1</source>
        <translation>Dispositivo di uscita: %1</translation>
    </message>
    <message>
        <source>Hardware decoding off</source>
        <translation>Decodifica hardware disattivata</translation>
    </message>
    <message>
        <source>Hardware decoding on</source>
        <translation>Decodifica hardware attivata</translation>
    </message>
    <message>
        <source>Aspect ratio: automatic</source>
        <translation>Rapporto d’aspetto: automatico</translation>
    </message>
    <message>
        <source>Aspect ratio %1</source>
        <translation>Rapporto d’aspetto %1</translation>
    </message>
    <message>
        <source>Zoom %1%</source>
        <translation>Zoom %1%</translation>
    </message>
    <message>
        <source>%1% left</source>
        <translation>%1% a sinistra</translation>
    </message>
    <message>
        <source>%1% right</source>
        <translation>%1% a destra</translation>
    </message>
    <message>
        <source>%1% up</source>
        <translation>%1% in alto</translation>
    </message>
    <message>
        <source>%1% down</source>
        <translation>%1% in basso</translation>
    </message>
    <message>
        <source>Picture centred</source>
        <translation>Immagine centrata</translation>
    </message>
    <message>
        <source>Picture moved %1</source>
        <extracomment>where the zoomed picture is: &quot;10% right, 5% up&quot;</extracomment>
        <translation>Immagine spostata %1</translation>
    </message>
    <message>
        <source>Fill Window on</source>
        <translation>Riempimento della finestra attivato</translation>
    </message>
    <message>
        <source>Fill Window off</source>
        <translation>Riempimento della finestra disattivato</translation>
    </message>
    <message>
        <source>Not rotated</source>
        <translation>Nessuna rotazione</translation>
    </message>
    <message>
        <source>Rotated %1°</source>
        <translation>Rotazione di %1°</translation>
    </message>
    <message>
        <source>Deinterlace: on</source>
        <translation>Deinterlacciamento: attivato</translation>
    </message>
    <message>
        <source>Deinterlace: off</source>
        <translation>Deinterlacciamento: disattivato</translation>
    </message>
    <message>
        <source>Deinterlace: automatic</source>
        <translation>Deinterlacciamento: automatico</translation>
    </message>
    <message>
        <source>Brightness %1</source>
        <translation>Luminosità %1</translation>
    </message>
    <message>
        <source>Contrast %1</source>
        <translation>Contrasto %1</translation>
    </message>
    <message>
        <source>Saturation %1</source>
        <translation>Saturazione %1</translation>
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
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>Fil&amp;m</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
</context>
<context>
    <name>Menu on the movie</name>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>a track&apos;s title, then its language</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Traccia %1</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Capitolo %1</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>where a chapter starts (0:03), then its title</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation>Carica file di sottotitoli...</translation>
    </message>
    <message>
        <source>Sooner</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Capitoli</translation>
    </message>
    <message>
        <source>Previous Movie in Folder</source>
        <translation>Film precedente nella cartella</translation>
    </message>
    <message>
        <source>Next Movie in Folder</source>
        <translation>Film successivo nella cartella</translation>
    </message>
    <message>
        <source>Play Folder Through</source>
        <translation>Riproduci tutta la cartella</translation>
    </message>
    <message>
        <source>Save Frame As...</source>
        <translation>Salva fotogramma come...</translation>
    </message>
    <message>
        <source>Copy Frame</source>
        <translation>Copia fotogramma</translation>
    </message>
    <message>
        <source>Resume Where Left Off</source>
        <translation>Riprendi da dove si era interrotto</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Ritardo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Output Device</source>
        <translation>Dispositivo di uscita</translation>
    </message>
    <message>
        <source>A-B Loop</source>
        <translation>Ripetizione A-B</translation>
    </message>
    <message>
        <source>Set A</source>
        <translation>Imposta A</translation>
    </message>
    <message>
        <source>Set B</source>
        <translation>Imposta B</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Hardware Decoding</source>
        <translation>Decodifica hardware</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Rimpicciolisci</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Sposta a sinistra</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Sposta a destra</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta in alto</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta in basso</translation>
    </message>
    <message>
        <source>Fill Window</source>
        <translation>Riempi la finestra</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>Aumenta luminosità</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>Diminuisci luminosità</translation>
    </message>
    <message>
        <source>Contrast Up</source>
        <translation>Aumenta contrasto</translation>
    </message>
    <message>
        <source>Contrast Down</source>
        <translation>Diminuisci contrasto</translation>
    </message>
    <message>
        <source>Saturation Up</source>
        <translation>Aumenta saturazione</translation>
    </message>
    <message>
        <source>Saturation Down</source>
        <translation>Diminuisci saturazione</translation>
    </message>
    <message>
        <source>Gamma Up</source>
        <translation>Aumenta gamma</translation>
    </message>
    <message>
        <source>Gamma Down</source>
        <translation>Diminuisci gamma</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Rapporto d’aspetto</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Deinterlacciamento</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
</context>
<context>
    <name>Movie line</name>
    <message>
        <source>Opening… %1</source>
        <translation>Apertura di %1…</translation>
    </message>
    <message>
        <source>%1 is not an address this player opens</source>
        <translation>%1 non è un indirizzo che questo lettore può aprire</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>Impossibile trovare %1</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server answered %2</source>
        <translation>Impossibile aprire %1: il server ha risposto %2</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server refused the connection</source>
        <translation>Impossibile aprire %1: il server ha rifiutato la connessione</translation>
    </message>
    <message>
        <source>%1 could not be opened: no server of that name was found</source>
        <translation>Impossibile aprire %1: nessun server trovato con questo nome</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server did not answer</source>
        <translation>Impossibile aprire %1: il server non ha risposto</translation>
    </message>
    <message>
        <source>%1 is a web page, and playing one needs yt-dlp: install yt-dlp (%2)</source>
        <extracomment>%2 is how to install yt-dlp: commands, kept as they are</extracomment>
        <translation>%1 è una pagina web e per riprodurla serve yt-dlp: installare yt-dlp (%2)</translation>
    </message>
    <message>
        <source>%1 is a page that holds no video</source>
        <translation>%1 è una pagina che non contiene video</translation>
    </message>
    <message>
        <source>%1 could not be read by yt-dlp (%2); updating yt-dlp may help</source>
        <extracomment>%2 is yt-dlp&apos;s own message, in English</extracomment>
        <translation>yt-dlp non è riuscito a leggere %1 (%2); aggiornare yt-dlp potrebbe risolvere il problema</translation>
    </message>
    <message>
        <source>%1 is not a movie, or is in a format this player cannot read</source>
        <translation>%1 non è un film o è in un formato che questo lettore non sa leggere</translation>
    </message>
    <message>
        <source>%1 could not be read: permission denied</source>
        <translation>Impossibile leggere %1: permesso negato</translation>
    </message>
    <message>
        <source>%1 could not be played</source>
        <translation>Impossibile riprodurre %1</translation>
    </message>
</context>
<context>
    <name>Movie menu</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Riproduci</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Rewind</source>
        <translation>Ri&amp;avvolgi</translation>
    </message>
    <message>
        <source>Show Controls</source>
        <translation>Mostra controlli</translation>
    </message>
    <message>
        <source>Loop Movie</source>
        <translation>Ripeti il film</translation>
    </message>
    <message>
        <source>Play Last Movie at Startup</source>
        <translation>Riproduci l’ultimo film all’avvio</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Dimensione originale</translation>
    </message>
    <message>
        <source>Stay On &amp;Top</source>
        <translation>&amp;Sempre in primo piano</translation>
    </message>
</context>
<context>
    <name>Play bar</name>
    <message>
        <source>Play bar</source>
        <translation>Barra di riproduzione</translation>
    </message>
    <message>
        <source>Play or pause, seek bar, elapsed and total time, mute and volume</source>
        <translation type="vanished">Riproduci o pausa, barra di avanzamento, tempo trascorso e totale, muto e volume</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Seek bar</source>
        <translation>Barra di avanzamento</translation>
    </message>
    <message>
        <source>Elapsed and total time</source>
        <translation>Tempo trascorso e totale</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Riattiva audio</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Disattiva audio</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>Volume %1%</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>the volume&apos;s value, in percent</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>the time played, then the movie&apos;s length: 1:02 of 5:00</extracomment>
        <translation>%1 di %2</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Loading...</source>
        <translation>Caricamento...</translation>
    </message>
</context>
</TS>
