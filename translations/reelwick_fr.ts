<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Desktop</name>
    <message>
        <source>Playing a movie</source>
        <translation>Lecture d’un film</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save Frame As</source>
        <translation>Enregistrer l’image sous</translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation>Charger un fichier de sous-titres</translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation>Fichiers QuickTime</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Subtitle Files</source>
        <translation>Fichiers de sous-titres</translation>
    </message>
    <message>
        <source>PNG Images</source>
        <translation>Images PNG</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Enter URL for QuickTime Movie</source>
        <translation>Saisissez l’URL du film QuickTime</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Ostrun. Free software under the MIT licence.</source>
        <translation>Copyright (C) 2026 Ostrun. Logiciel libre sous licence MIT.</translation>
    </message>
</context>
<context>
    <name>File menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <translation>Ouvrir une &amp;URL...</translation>
    </message>
    <message>
        <source>&amp;Show List</source>
        <translation>Afficher la &amp;liste</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>Folder list</name>
    <message>
        <source>Movies in this folder</source>
        <translation>Films de ce dossier</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
</context>
<context>
    <name>Line over the movie</name>
    <message>
        <source>Volume %1% (muted)</source>
        <translation>Volume %1&#xa0;% (son coupé)</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>Volume %1&#xa0;%</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>Vitesse normale</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <extracomment>the speed as the play bar shows it: 1.5×, 0.75×</extracomment>
        <translation>Vitesse %1</translation>
    </message>
    <message>
        <source>Subtitles on time</source>
        <translation>Sous-titres sans décalage</translation>
    </message>
    <message>
        <source>Subtitles %1 s later</source>
        <translation>Sous-titres %1&#xa0;s plus tard</translation>
    </message>
    <message>
        <source>Subtitles %1 s sooner</source>
        <translation>Sous-titres %1&#xa0;s plus tôt</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Chapitre %1</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <extracomment>the chapter&apos;s place (from 1), then its title</extracomment>
        <translation>Chapitre %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Loop cleared</source>
        <translation>Boucle effacée</translation>
    </message>
    <message>
        <source>Loop from %1</source>
        <translation>Boucle à partir de %1</translation>
    </message>
    <message>
        <source>Loop %1 to %2</source>
        <translation>Boucle de %1 à %2</translation>
    </message>
    <message>
        <source>Sound on time</source>
        <translation>Son sans décalage</translation>
    </message>
    <message>
        <source>Sound %1 ms later</source>
        <translation>Son %1&#xa0;ms plus tard</translation>
    </message>
    <message>
        <source>Sound %1 ms sooner</source>
        <translation>Son %1&#xa0;ms plus tôt</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>One frame back</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>One frame forward</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>Subtitles off</source>
        <translation>Sous-titres désactivés</translation>
    </message>
    <message>
        <source>Subtitles: %1</source>
        <translation>Sous-titres&#xa0;: %1</translation>
    </message>
    <message>
        <source>Audio: %1</source>
        <translation>Audio&#xa0;: %1</translation>
    </message>
    <message>
        <source>Audio off</source>
        <translation>Audio désactivé</translation>
    </message>
    <message>
        <source>Zoom reset</source>
        <translation>Zoom réinitialisé</translation>
    </message>
    <message>
        <source>Picture values reset</source>
        <translation>Réglages de l’image réinitialisés</translation>
    </message>
    <message>
        <source>Output device: automatic</source>
        <translation>Périphérique de sortie&#xa0;: automatique</translation>
    </message>
    <message>
        <source>Output device: %1</source>
        <translation>Périphérique de sortie&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hardware decoding off</source>
        <translation>Décodage matériel désactivé</translation>
    </message>
    <message>
        <source>Hardware decoding on</source>
        <translation>Décodage matériel activé</translation>
    </message>
    <message>
        <source>Aspect ratio: automatic</source>
        <translation>Format d’image&#xa0;: automatique</translation>
    </message>
    <message>
        <source>Aspect ratio %1</source>
        <translation>Format d’image %1</translation>
    </message>
    <message>
        <source>Zoom %1%</source>
        <translation>Zoom %1&#xa0;%</translation>
    </message>
    <message>
        <source>%1% left</source>
        <translation>%1&#xa0;% vers la gauche</translation>
    </message>
    <message>
        <source>%1% right</source>
        <translation>%1&#xa0;% vers la droite</translation>
    </message>
    <message>
        <source>%1% up</source>
        <translation>%1&#xa0;% vers le haut</translation>
    </message>
    <message>
        <source>%1% down</source>
        <translation>%1&#xa0;% vers le bas</translation>
    </message>
    <message>
        <source>Picture centred</source>
        <translation>Image centrée</translation>
    </message>
    <message>
        <source>Picture moved %1</source>
        <extracomment>where the zoomed picture is: &quot;10% right, 5% up&quot;</extracomment>
        <translation>Image déplacée de %1</translation>
    </message>
    <message>
        <source>Fill Window on</source>
        <translation>Remplir la fenêtre&#xa0;: activé</translation>
    </message>
    <message>
        <source>Fill Window off</source>
        <translation>Remplir la fenêtre&#xa0;: désactivé</translation>
    </message>
    <message>
        <source>Not rotated</source>
        <translation>Sans rotation</translation>
    </message>
    <message>
        <source>Rotated %1°</source>
        <translation>Rotation de %1°</translation>
    </message>
    <message>
        <source>Deinterlace: on</source>
        <translation>Désentrelacement&#xa0;: activé</translation>
    </message>
    <message>
        <source>Deinterlace: off</source>
        <translation>Désentrelacement&#xa0;: désactivé</translation>
    </message>
    <message>
        <source>Deinterlace: automatic</source>
        <translation>Désentrelacement&#xa0;: automatique</translation>
    </message>
    <message>
        <source>Brightness %1</source>
        <translation>Luminosité %1</translation>
    </message>
    <message>
        <source>Contrast %1</source>
        <translation>Contraste %1</translation>
    </message>
    <message>
        <source>Saturation %1</source>
        <translation>Saturation %1</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>Fil&amp;m</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
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
        <translation>Piste %1</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Chapitre %1</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>where a chapter starts (0:03), then its title</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation>Charger un fichier de sous-titres...</translation>
    </message>
    <message>
        <source>Sooner</source>
        <translation>Plus tôt</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Chapitres</translation>
    </message>
    <message>
        <source>Previous Movie in Folder</source>
        <translation>Film précédent du dossier</translation>
    </message>
    <message>
        <source>Next Movie in Folder</source>
        <translation>Film suivant du dossier</translation>
    </message>
    <message>
        <source>Play Folder Through</source>
        <translation>Lire tout le dossier</translation>
    </message>
    <message>
        <source>Save Frame As...</source>
        <translation>Enregistrer l’image sous...</translation>
    </message>
    <message>
        <source>Copy Frame</source>
        <translation>Copier l’image</translation>
    </message>
    <message>
        <source>Resume Where Left Off</source>
        <translation>Reprendre là où la lecture s’est arrêtée</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Output Device</source>
        <translation>Périphérique de sortie</translation>
    </message>
    <message>
        <source>A-B Loop</source>
        <translation>Boucle A-B</translation>
    </message>
    <message>
        <source>Set A</source>
        <translation>Définir A</translation>
    </message>
    <message>
        <source>Set B</source>
        <translation>Définir B</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Hardware Decoding</source>
        <translation>Décodage matériel</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Déplacer vers la gauche</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Déplacer vers la droite</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Déplacer vers le haut</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Déplacer vers le bas</translation>
    </message>
    <message>
        <source>Fill Window</source>
        <translation>Remplir la fenêtre</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>Augmenter la luminosité</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>Diminuer la luminosité</translation>
    </message>
    <message>
        <source>Contrast Up</source>
        <translation>Augmenter le contraste</translation>
    </message>
    <message>
        <source>Contrast Down</source>
        <translation>Diminuer le contraste</translation>
    </message>
    <message>
        <source>Saturation Up</source>
        <translation>Augmenter la saturation</translation>
    </message>
    <message>
        <source>Saturation Down</source>
        <translation>Diminuer la saturation</translation>
    </message>
    <message>
        <source>Gamma Up</source>
        <translation>Augmenter le gamma</translation>
    </message>
    <message>
        <source>Gamma Down</source>
        <translation>Diminuer le gamma</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Format d’image</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Désentrelacement</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>Movie line</name>
    <message>
        <source>Opening… %1</source>
        <translation>Ouverture de %1…</translation>
    </message>
    <message>
        <source>%1 is not an address this player opens</source>
        <translation>%1 n’est pas une adresse que ce lecteur peut ouvrir</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>%1 est introuvable</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server answered %2</source>
        <translation>Impossible d’ouvrir %1&#xa0;: le serveur a répondu %2</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server refused the connection</source>
        <translation>Impossible d’ouvrir %1&#xa0;: le serveur a refusé la connexion</translation>
    </message>
    <message>
        <source>%1 could not be opened: no server of that name was found</source>
        <translation>Impossible d’ouvrir %1&#xa0;: aucun serveur de ce nom n’a été trouvé</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server did not answer</source>
        <translation>Impossible d’ouvrir %1&#xa0;: le serveur n’a pas répondu</translation>
    </message>
    <message>
        <source>%1 is a web page, and playing one needs yt-dlp: install yt-dlp (%2)</source>
        <extracomment>%2 is how to install yt-dlp: commands, kept as they are</extracomment>
        <translation>%1 est une page web, dont la lecture nécessite yt-dlp&#xa0;: installez yt-dlp (%2)</translation>
    </message>
    <message>
        <source>%1 is a page that holds no video</source>
        <translation>%1 est une page qui ne contient aucune vidéo</translation>
    </message>
    <message>
        <source>%1 could not be read by yt-dlp (%2); updating yt-dlp may help</source>
        <extracomment>%2 is yt-dlp&apos;s own message, in English</extracomment>
        <translation>yt-dlp n’a pas pu lire %1 (%2)&#xa0;; mettre à jour yt-dlp peut résoudre le problème</translation>
    </message>
    <message>
        <source>%1 is not a movie, or is in a format this player cannot read</source>
        <translation>%1 n’est pas un film, ou est dans un format que ce lecteur ne sait pas lire</translation>
    </message>
    <message>
        <source>%1 could not be read: permission denied</source>
        <translation>Impossible d’accéder à %1&#xa0;: permission refusée</translation>
    </message>
    <message>
        <source>%1 could not be played</source>
        <translation>Impossible de lire %1</translation>
    </message>
</context>
<context>
    <name>Movie menu</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Rewind</source>
        <translation>&amp;Rembobiner</translation>
    </message>
    <message>
        <source>Show Controls</source>
        <translation>Afficher les commandes</translation>
    </message>
    <message>
        <source>Loop Movie</source>
        <translation>Lire le film en boucle</translation>
    </message>
    <message>
        <source>Play Last Movie at Startup</source>
        <translation>Lire le dernier film au démarrage</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Taille d’origine</translation>
    </message>
    <message>
        <source>Stay On &amp;Top</source>
        <translation>&amp;Toujours au premier plan</translation>
    </message>
</context>
<context>
    <name>Play bar</name>
    <message>
        <source>Play bar</source>
        <translation>Barre de lecture</translation>
    </message>
    <message>
        <source>Play or pause, seek bar, elapsed and total time, mute and volume</source>
        <translation type="vanished">Lecture ou pause, barre de progression, temps écoulé et durée totale, sourdine et volume</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Seek bar</source>
        <translation>Barre de progression</translation>
    </message>
    <message>
        <source>Elapsed and total time</source>
        <translation>Temps écoulé et durée totale</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Rétablir le son</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>Volume %1&#xa0;%</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>the volume&apos;s value, in percent</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>the time played, then the movie&apos;s length: 1:02 of 5:00</extracomment>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
</context>
</TS>
