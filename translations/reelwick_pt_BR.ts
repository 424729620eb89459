<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Desktop</name>
    <message>
        <source>Playing a movie</source>
        <translation>Reproduzindo um filme</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save Frame As</source>
        <translation>Salvar quadro como</translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation>Carregar arquivo de legenda</translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation>Arquivos QuickTime</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Subtitle Files</source>
        <translation>Arquivos de legenda</translation>
    </message>
    <message>
        <source>PNG Images</source>
        <translation>Imagens PNG</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Enter URL for QuickTime Movie</source>
        <translation>Digite a URL do filme QuickTime</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Ostrun. Free software under the MIT licence.</source>
        <translation>Copyright (C) 2026 Ostrun. Software livre sob a licença MIT.</translation>
    </message>
</context>
<context>
    <name>File menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <translation>Abrir &amp;URL...</translation>
    </message>
    <message>
        <source>&amp;Show List</source>
        <translation>&amp;Mostrar lista</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
</context>
<context>
    <name>Folder list</name>
    <message>
        <source>Movies in this folder</source>
        <translation>Filmes nesta pasta</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
</context>
<context>
    <name>Line over the movie</name>
    <message>
        <source>Volume %1% (muted)</source>
        <translation>Volume %1% (mudo)</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>Volume %1%</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>Velocidade normal</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <extracomment>the speed as the play bar shows it: 1.5×, 0.75×</extracomment>
        <translation>Velocidade %1</translation>
    </message>
    <message>
        <source>Subtitles on time</source>
        <translation>Legendas sem atraso</translation>
    </message>
    <message>
        <source>Subtitles %1 s later</source>
        <translation>Legendas atrasadas em %1 s</translation>
    </message>
    <message>
        <source>Subtitles %1 s sooner</source>
        <translation>Legendas adiantadas em %1 s</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Capítulo %1</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <extracomment>the chapter&apos;s place (from 1), then its title</extracomment>
        <translation>Capítulo %1: %2</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Reproduzindo</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Loop cleared</source>
        <translation>Repetição A-B removida</translation>
    </message>
    <message>
        <source>Loop from %1</source>
        <translation>Repetição a partir de %1</translation>
    </message>
    <message>
        <source>Loop %1 to %2</source>
        <translation>Repetição de %1 a %2</translation>
    </message>
    <message>
        <source>Sound on time</source>
        <translation>Áudio sem atraso</translation>
    </message>
    <message>
        <source>Sound %1 ms later</source>
        <translation>Áudio atrasado em %1 ms</translation>
    </message>
    <message>
        <source>Sound %1 ms sooner</source>
        <translation>Áudio adiantado em %1 ms</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Mudo</translation>
    </message>
    <message>
        <source>One frame back</source>
        <translation>Um quadro para trás</translation>
    </message>
    <message>
        <source>One frame forward</source>
        <translation>Um quadro para a frente</translation>
    </message>
    <message>
        <source>Subtitles off</source>
        <translation>Legendas desativadas</translation>
    </message>
    <message>
        <source>Subtitles: %1</source>
        <translation>Legendas: %1</translation>
    </message>
    <message>
        <source>Audio: %1</source>
        <translation>Faixa de áudio: %1</translation>
    </message>
    <message>
        <source>Audio off</source>
        <translation>Faixa de áudio desativada</translation>
    </message>
    <message>
        <source>Zoom reset</source>
        <translation>Zoom redefinido</translation>
    </message>
    <message>
        <source>Picture values reset</source>
        <translation>Valores da imagem redefinidos</translation>
    </message>
    <message>
        <source>Output device: automatic</source>
        <translation>Dispositivo de saída: automático</translation>
    </message>
    <message>
        <source>Output device: %1</source>
        <translation>Dispositivo de saída: %1</translation>
    </message>
    <message>
        <source>Hardware decoding off</source>
        <translation>Decodificação por hardware desativada</translation>
    </message>
    <message>
        <source>Hardware decoding on</source>
        <translation>Decodificação por hardware ativada</translation>
    </message>
    <message>
        <source>Aspect ratio: automatic</source>
        <translation>Proporção de tela: automática</translation>
    </message>
    <message>
        <source>Aspect ratio %1</source>
        <translation>Proporção de tela %1</translation>
    </message>
    <message>
        <source>Zoom %1%</source>
        <translation>Zoom %1%</translation>
    </message>
    <message>
        <source>%1% left</source>
        <translation>%1% à esquerda</translation>
    </message>
    <message>
        <source>%1% right</source>
        <translation>%1% à direita</translation>
    </message>
    <message>
        <source>%1% up</source>
        <translation>%1% para cima</translation>
    </message>
    <message>
        <source>%1% down</source>
        <translation>%1% para baixo</translation>
    </message>
    <message>
        <source>Picture centred</source>
        <translation>Imagem centralizada</translation>
    </message>
    <message>
        <source>Picture moved %1</source>
        <extracomment>where the zoomed picture is: &quot;10% right, 5% up&quot;</extracomment>
        <translation>Imagem deslocada %1</translation>
    </message>
    <message>
        <source>Fill Window on</source>
        <translation>Preenchimento da janela ativado</translation>
    </message>
    <message>
        <source>Fill Window off</source>
        <translation>Preenchimento da janela desativado</translation>
    </message>
    <message>
        <source>Not rotated</source>
        <translation>Sem rotação</translation>
    </message>
    <message>
        <source>Rotated %1°</source>
        <translation>Rotação de %1°</translation>
    </message>
    <message>
        <source>Deinterlace: on</source>
        <translation>Desentrelaçamento: ativado</translation>
    </message>
    <message>
        <source>Deinterlace: off</source>
        <translation>Desentrelaçamento: desativado</translation>
    </message>
    <message>
        <source>Deinterlace: automatic</source>
        <translation>Desentrelaçamento: automático</translation>
    </message>
    <message>
        <source>Brightness %1</source>
        <translation>Brilho %1</translation>
    </message>
    <message>
        <source>Contrast %1</source>
        <translation>Contraste %1</translation>
    </message>
    <message>
        <source>Saturation %1</source>
        <translation>Saturação %1</translation>
    </message>
    <message>
        <source>Gamma %1</source>
        <translation>Gama %1</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;Filme</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
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
        <translation>Faixa %1</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Capítulo %1</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>where a chapter starts (0:03), then its title</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation>Carregar arquivo de legenda...</translation>
    </message>
    <message>
        <source>Sooner</source>
        <translation>Mais cedo</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Legendas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Capítulos</translation>
    </message>
    <message>
        <source>Previous Movie in Folder</source>
        <translation>Filme anterior na pasta</translation>
    </message>
    <message>
        <source>Next Movie in Folder</source>
        <translation>Próximo filme na pasta</translation>
    </message>
    <message>
        <source>Play Folder Through</source>
        <translation>Reproduzir a pasta inteira</translation>
    </message>
    <message>
        <source>Save Frame As...</source>
        <translation>Salvar quadro como...</translation>
    </message>
    <message>
        <source>Copy Frame</source>
        <translation>Copiar quadro</translation>
    </message>
    <message>
        <source>Resume Where Left Off</source>
        <translation>Continuar de onde parou</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Atraso</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Output Device</source>
        <translation>Dispositivo de saída</translation>
    </message>
    <message>
        <source>A-B Loop</source>
        <translation>Repetição A-B</translation>
    </message>
    <message>
        <source>Set A</source>
        <translation>Definir A</translation>
    </message>
    <message>
        <source>Set B</source>
        <translation>Definir B</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Hardware Decoding</source>
        <translation>Decodificação por hardware</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Mover para a esquerda</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Mover para a direita</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Fill Window</source>
        <translation>Preencher janela</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>Aumentar brilho</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>Diminuir brilho</translation>
    </message>
    <message>
        <source>Contrast Up</source>
        <translation>Aumentar contraste</translation>
    </message>
    <message>
        <source>Contrast Down</source>
        <translation>Diminuir contraste</translation>
    </message>
    <message>
        <source>Saturation Up</source>
        <translation>Aumentar saturação</translation>
    </message>
    <message>
        <source>Saturation Down</source>
        <translation>Diminuir saturação</translation>
    </message>
    <message>
        <source>Gamma Up</source>
        <translation>Aumentar gama</translation>
    </message>
    <message>
        <source>Gamma Down</source>
        <translation>Diminuir gama</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Proporção de tela</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Desentrelaçamento</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
</context>
<context>
    <name>Movie line</name>
    <message>
        <source>Opening… %1</source>
        <translation>Abrindo… %1</translation>
    </message>
    <message>
        <source>%1 is not an address this player opens</source>
        <translation>%1 não é um endereço que este reprodutor consiga abrir</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>%1 não foi encontrado</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server answered %2</source>
        <translation>Não foi possível abrir %1: o servidor respondeu %2</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server refused the connection</source>
        <translation>Não foi possível abrir %1: o servidor recusou a conexão</translation>
    </message>
    <message>
        <source>%1 could not be opened: no server of that name was found</source>
        <translation>Não foi possível abrir %1: nenhum servidor com esse nome foi encontrado</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server did not answer</source>
        <translation>Não foi possível abrir %1: o servidor não respondeu</translation>
    </message>
    <message>
        <source>%1 is a web page, and playing one needs yt-dlp: install yt-dlp (%2)</source>
        <extracomment>%2 is how to install yt-dlp: commands, kept as they are</extracomment>
        <translation>%1 é uma página da web, e reproduzi-la requer o yt-dlp: instale o yt-dlp (%2)</translation>
    </message>
    <message>
        <source>%1 is a page that holds no video</source>
        <translation>%1 é uma página sem vídeo</translation>
    </message>
    <message>
        <source>%1 could not be read by yt-dlp (%2); updating yt-dlp may help</source>
        <extracomment>%2 is yt-dlp&apos;s own message, in English</extracomment>
        <translation>O yt-dlp não conseguiu ler %1 (%2); atualizar o yt-dlp pode ajudar</translation>
    </message>
    <message>
        <source>%1 is not a movie, or is in a format this player cannot read</source>
        <translation>%1 não é um filme ou está em um formato que este reprodutor não consegue ler</translation>
    </message>
    <message>
        <source>%1 could not be read: permission denied</source>
        <translation>Não foi possível ler %1: permissão negada</translation>
    </message>
    <message>
        <source>%1 could not be played</source>
        <translation>Não foi possível reproduzir %1</translation>
    </message>
</context>
<context>
    <name>Movie menu</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproduzir</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>&amp;Rewind</source>
        <translation>Voltar ao &amp;início</translation>
    </message>
    <message>
        <source>Show Controls</source>
        <translation>Mostrar controles</translation>
    </message>
    <message>
        <source>Loop Movie</source>
        <translation>Repetir filme</translation>
    </message>
    <message>
        <source>Play Last Movie at Startup</source>
        <translation>Reproduzir o último filme ao iniciar</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Tamanho original</translation>
    </message>
    <message>
        <source>Stay On &amp;Top</source>
        <translation>Sempre na &amp;frente</translation>
    </message>
</context>
<context>
    <name>Play bar</name>
    <message>
        <source>Play bar</source>
        <translation>Barra de reprodução</translation>
    </message>
    <message>
        <source>Play or pause, seek bar, elapsed and total time, mute and volume</source>
        <translation type="vanished">Reproduzir ou pausar, barra de progresso, tempo decorrido e total, mudo e volume</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Seek bar</source>
        <translation>Barra de progresso</translation>
    </message>
    <message>
        <source>Elapsed and total time</source>
        <translation>Tempo decorrido e total</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Ativar som</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
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
        <translation>Posição</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>the time played, then the movie&apos;s length: 1:02 of 5:00</extracomment>
        <translation>%1 de %2</translation>
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
    <name>Window</name>
    <message>
        <source>Loading...</source>
        <translation>Carregando...</translation>
    </message>
</context>
</TS>
