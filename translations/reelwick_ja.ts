<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>Desktop</name>
    <message>
        <source>Playing a movie</source>
        <translation>ムービーを再生中</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save Frame As</source>
        <translation>名前を付けてフレームを保存</translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation>字幕ファイルを読み込む</translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation>QuickTime ファイル</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Subtitle Files</source>
        <translation>字幕ファイル</translation>
    </message>
    <message>
        <source>PNG Images</source>
        <translation>PNG 画像</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Enter URL for QuickTime Movie</source>
        <translation>QuickTime ムービーの URL を入力</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Ostrun. Free software under the MIT licence.</source>
        <translation>Copyright (C) 2026 Ostrun. MIT ライセンスで提供されるフリーソフトウェアです。</translation>
    </message>
</context>
<context>
    <name>File menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <translation>URL を開く(&amp;U)...</translation>
    </message>
    <message>
        <source>&amp;Show List</source>
        <translation>リストを表示(&amp;S)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
</context>
<context>
    <name>Folder list</name>
    <message>
        <source>Movies in this folder</source>
        <translation>このフォルダー内のムービー</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>Line over the movie</name>
    <message>
        <source>Volume %1% (muted)</source>
        <translation>音量 %1% (ミュート中)</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>音量 %1%</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>標準速度</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <extracomment>the speed as the play bar shows it: 1.5×, 0.75×</extracomment>
        <translation>再生速度 %1</translation>
    </message>
    <message>
        <source>Subtitles on time</source>
        <translation>字幕の遅延なし</translation>
    </message>
    <message>
        <source>Subtitles %1 s later</source>
        <translation>字幕：%1 秒遅れ</translation>
    </message>
    <message>
        <source>Subtitles %1 s sooner</source>
        <translation>字幕：%1 秒先行</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>チャプター %1</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <extracomment>the chapter&apos;s place (from 1), then its title</extracomment>
        <translation>チャプター %1：%2</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Loop cleared</source>
        <translation>A-B リピートを解除</translation>
    </message>
    <message>
        <source>Loop from %1</source>
        <translation>A-B リピート：%1 から</translation>
    </message>
    <message>
        <source>Loop %1 to %2</source>
        <translation>A-B リピート：%1 ～ %2</translation>
    </message>
    <message>
        <source>Sound on time</source>
        <translation>音声の遅延なし</translation>
    </message>
    <message>
        <source>Sound %1 ms later</source>
        <translation>音声：%1 ミリ秒遅れ</translation>
    </message>
    <message>
        <source>Sound %1 ms sooner</source>
        <translation>音声：%1 ミリ秒先行</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>One frame back</source>
        <translation>1 フレーム戻る</translation>
    </message>
    <message>
        <source>One frame forward</source>
        <translation>1 フレーム進む</translation>
    </message>
    <message>
        <source>Subtitles off</source>
        <translation>字幕オフ</translation>
    </message>
    <message>
        <source>Subtitles: %1</source>
        <translation>字幕：%1</translation>
    </message>
    <message>
        <source>Audio: %1</source>
        <translation>音声：%1</translation>
    </message>
    <message>
        <source>Audio off</source>
        <translation>音声オフ</translation>
    </message>
    <message>
        <source>Zoom reset</source>
        <translation>ズームをリセット</translation>
    </message>
    <message>
        <source>Picture values reset</source>
        <translation>画質調整をリセット</translation>
    </message>
    <message>
        <source>Output device: automatic</source>
        <translation>出力デバイス：自動</translation>
    </message>
    <message>
        <source>Output device: %1</source>
        <translation>出力デバイス：%1</translation>
    </message>
    <message>
        <source>Hardware decoding off</source>
        <translation>ハードウェアデコード：オフ</translation>
    </message>
    <message>
        <source>Hardware decoding on</source>
        <translation>ハードウェアデコード：オン</translation>
    </message>
    <message>
        <source>Aspect ratio: automatic</source>
        <translation>アスペクト比：自動</translation>
    </message>
    <message>
        <source>Aspect ratio %1</source>
        <translation>アスペクト比 %1</translation>
    </message>
    <message>
        <source>Zoom %1%</source>
        <translation>ズーム %1%</translation>
    </message>
    <message>
        <source>%1% left</source>
        <translation>左へ %1%</translation>
    </message>
    <message>
        <source>%1% right</source>
        <translation>右へ %1%</translation>
    </message>
    <message>
        <source>%1% up</source>
        <translation>上へ %1%</translation>
    </message>
    <message>
        <source>%1% down</source>
        <translation>下へ %1%</translation>
    </message>
    <message>
        <source>Picture centred</source>
        <translation>映像を中央に配置</translation>
    </message>
    <message>
        <source>Picture moved %1</source>
        <extracomment>where the zoomed picture is: &quot;10% right, 5% up&quot;</extracomment>
        <translation>映像の位置：%1</translation>
    </message>
    <message>
        <source>Fill Window on</source>
        <translation>ウィンドウいっぱいに表示：オン</translation>
    </message>
    <message>
        <source>Fill Window off</source>
        <translation>ウィンドウいっぱいに表示：オフ</translation>
    </message>
    <message>
        <source>Not rotated</source>
        <translation>回転なし</translation>
    </message>
    <message>
        <source>Rotated %1°</source>
        <translation>%1° 回転</translation>
    </message>
    <message>
        <source>Deinterlace: on</source>
        <translation>インターレース解除：オン</translation>
    </message>
    <message>
        <source>Deinterlace: off</source>
        <translation>インターレース解除：オフ</translation>
    </message>
    <message>
        <source>Deinterlace: automatic</source>
        <translation>インターレース解除：自動</translation>
    </message>
    <message>
        <source>Brightness %1</source>
        <translation>明るさ %1</translation>
    </message>
    <message>
        <source>Contrast %1</source>
        <translation>コントラスト %1</translation>
    </message>
    <message>
        <source>Saturation %1</source>
        <translation>彩度 %1</translation>
    </message>
    <message>
        <source>Gamma %1</source>
        <translation>ガンマ %1</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>ムービー(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
</context>
<context>
    <name>Menu on the movie</name>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>a track&apos;s title, then its language</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>トラック %1</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>チャプター %1</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>where a chapter starts (0:03), then its title</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation>字幕ファイルを読み込む...</translation>
    </message>
    <message>
        <source>Sooner</source>
        <translation>早める</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>遅らせる</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>再生速度</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>チャプター</translation>
    </message>
    <message>
        <source>Previous Movie in Folder</source>
        <translation>フォルダー内の前のムービー</translation>
    </message>
    <message>
        <source>Next Movie in Folder</source>
        <translation>フォルダー内の次のムービー</translation>
    </message>
    <message>
        <source>Play Folder Through</source>
        <translation>フォルダーを連続再生</translation>
    </message>
    <message>
        <source>Save Frame As...</source>
        <translation>名前を付けてフレームを保存...</translation>
    </message>
    <message>
        <source>Copy Frame</source>
        <translation>フレームをコピー</translation>
    </message>
    <message>
        <source>Resume Where Left Off</source>
        <translation>前回の位置から再開</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>フルスクリーン</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>遅延</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Output Device</source>
        <translation>出力デバイス</translation>
    </message>
    <message>
        <source>A-B Loop</source>
        <translation>A-B リピート</translation>
    </message>
    <message>
        <source>Set A</source>
        <translation>A 点を設定</translation>
    </message>
    <message>
        <source>Set B</source>
        <translation>B 点を設定</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>解除</translation>
    </message>
    <message>
        <source>Hardware Decoding</source>
        <translation>ハードウェアデコード</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>ズームイン</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>ズームアウト</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>左へ移動</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>右へ移動</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Fill Window</source>
        <translation>ウィンドウいっぱいに表示</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>明るさを上げる</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>明るさを下げる</translation>
    </message>
    <message>
        <source>Contrast Up</source>
        <translation>コントラストを上げる</translation>
    </message>
    <message>
        <source>Contrast Down</source>
        <translation>コントラストを下げる</translation>
    </message>
    <message>
        <source>Saturation Up</source>
        <translation>彩度を上げる</translation>
    </message>
    <message>
        <source>Saturation Down</source>
        <translation>彩度を下げる</translation>
    </message>
    <message>
        <source>Gamma Up</source>
        <translation>ガンマを上げる</translation>
    </message>
    <message>
        <source>Gamma Down</source>
        <translation>ガンマを下げる</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>映像</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>アスペクト比</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>インターレース解除</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画質調整</translation>
    </message>
</context>
<context>
    <name>Movie line</name>
    <message>
        <source>Opening… %1</source>
        <translation>%1 を開いています…</translation>
    </message>
    <message>
        <source>%1 is not an address this player opens</source>
        <translation>%1 はこのプレーヤーで開けるアドレスではありません</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>%1 が見つかりません</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server answered %2</source>
        <translation>%1 を開けませんでした：サーバーの応答は %2 です</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server refused the connection</source>
        <translation>%1 を開けませんでした：サーバーが接続を拒否しました</translation>
    </message>
    <message>
        <source>%1 could not be opened: no server of that name was found</source>
        <translation>%1 を開けませんでした：その名前のサーバーが見つかりません</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server did not answer</source>
        <translation>%1 を開けませんでした：サーバーから応答がありません</translation>
    </message>
    <message>
        <source>%1 is a web page, and playing one needs yt-dlp: install yt-dlp (%2)</source>
        <extracomment>%2 is how to install yt-dlp: commands, kept as they are</extracomment>
        <translation>%1 はウェブページです。再生には yt-dlp が必要です：yt-dlp をインストールしてください (%2)</translation>
    </message>
    <message>
        <source>%1 is a page that holds no video</source>
        <translation>%1 は動画を含まないページです</translation>
    </message>
    <message>
        <source>%1 could not be read by yt-dlp (%2); updating yt-dlp may help</source>
        <extracomment>%2 is yt-dlp&apos;s own message, in English</extracomment>
        <translation>yt-dlp で %1 を読み込めませんでした (%2)。yt-dlp を更新すると解決する場合があります</translation>
    </message>
    <message>
        <source>%1 is not a movie, or is in a format this player cannot read</source>
        <translation>%1 はムービーではないか、このプレーヤーで読み込めない形式です</translation>
    </message>
    <message>
        <source>%1 could not be read: permission denied</source>
        <translation>%1 を読み込めませんでした：アクセスが拒否されました</translation>
    </message>
    <message>
        <source>%1 could not be played</source>
        <translation>%1 を再生できませんでした</translation>
    </message>
</context>
<context>
    <name>Movie menu</name>
    <message>
        <source>&amp;Play</source>
        <translation>再生(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>一時停止(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Rewind</source>
        <translation>先頭に戻る(&amp;R)</translation>
    </message>
    <message>
        <source>Show Controls</source>
        <translation>コントロールを表示</translation>
    </message>
    <message>
        <source>Loop Movie</source>
        <translation>ムービーをループ再生</translation>
    </message>
    <message>
        <source>Play Last Movie at Startup</source>
        <translation>起動時に前回のムービーを再生</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>元のサイズ</translation>
    </message>
    <message>
        <source>Stay On &amp;Top</source>
        <translation>常に手前に表示(&amp;T)</translation>
    </message>
</context>
<context>
    <name>Play bar</name>
    <message>
        <source>Play bar</source>
        <translation>再生バー</translation>
    </message>
    <message>
        <source>Play or pause, seek bar, elapsed and total time, mute and volume</source>
        <translation type="vanished">再生/一時停止、シークバー、経過時間と総再生時間、ミュートと音量</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Seek bar</source>
        <translation>シークバー</translation>
    </message>
    <message>
        <source>Elapsed and total time</source>
        <translation>経過時間と総再生時間</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>ミュート解除</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>音量 %1%</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>the volume&apos;s value, in percent</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>再生位置</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>the time played, then the movie&apos;s length: 1:02 of 5:00</extracomment>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか？</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Loading...</source>
        <translation>読み込み中...</translation>
    </message>
</context>
</TS>
