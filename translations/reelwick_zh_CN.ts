<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Desktop</name>
    <message>
        <source>Playing a movie</source>
        <translation>正在播放影片</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save Frame As</source>
        <translation>将帧另存为</translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation>加载字幕文件</translation>
    </message>
    <message>
        <source>QuickTime Files</source>
        <translation>QuickTime 文件</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Subtitle Files</source>
        <translation>字幕文件</translation>
    </message>
    <message>
        <source>PNG Images</source>
        <translation>PNG 图像</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Enter URL for QuickTime Movie</source>
        <translation>输入 QuickTime 影片的网址</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Ostrun. Free software under the MIT licence.</source>
        <translation>Copyright (C) 2026 Ostrun。依据 MIT 许可证发布的自由软件。</translation>
    </message>
</context>
<context>
    <name>File menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <translation>打开网址(&amp;U)...</translation>
    </message>
    <message>
        <source>&amp;Show List</source>
        <translation>显示列表(&amp;S)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
</context>
<context>
    <name>Folder list</name>
    <message>
        <source>Movies in this folder</source>
        <translation>此文件夹中的影片</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>Line over the movie</name>
    <message>
        <source>Volume %1% (muted)</source>
        <translation>音量 %1%（已静音）</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>音量 %1%</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>正常速度</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <extracomment>the speed as the play bar shows it: 1.5×, 0.75×</extracomment>
        <translation>播放速度 %1</translation>
    </message>
    <message>
        <source>Subtitles on time</source>
        <translation>字幕无延迟</translation>
    </message>
    <message>
        <source>Subtitles %1 s later</source>
        <translation>字幕延后 %1 秒</translation>
    </message>
    <message>
        <source>Subtitles %1 s sooner</source>
        <translation>字幕提前 %1 秒</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>第 %1 章</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <extracomment>the chapter&apos;s place (from 1), then its title</extracomment>
        <translation>第 %1 章：%2</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>正在播放</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Loop cleared</source>
        <translation>已清除 A-B 循环</translation>
    </message>
    <message>
        <source>Loop from %1</source>
        <translation>A-B 循环：从 %1 开始</translation>
    </message>
    <message>
        <source>Loop %1 to %2</source>
        <translation>A-B 循环：%1 至 %2</translation>
    </message>
    <message>
        <source>Sound on time</source>
        <translation>音频无延迟</translation>
    </message>
    <message>
        <source>Sound %1 ms later</source>
        <translation>音频延后 %1 毫秒</translation>
    </message>
    <message>
        <source>Sound %1 ms sooner</source>
        <translation>音频提前 %1 毫秒</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>已静音</translation>
    </message>
    <message>
        <source>One frame back</source>
        <translation>后退一帧</translation>
    </message>
    <message>
        <source>One frame forward</source>
        <translation>前进一帧</translation>
    </message>
    <message>
        <source>Subtitles off</source>
        <translation>字幕已关闭</translation>
    </message>
    <message>
        <source>Subtitles: %1</source>
        <translation>字幕：%1</translation>
    </message>
    <message>
        <source>Audio: %1</source>
        <translation>音轨：%1</translation>
    </message>
    <message>
        <source>Audio off</source>
        <translation>音轨已关闭</translation>
    </message>
    <message>
        <source>Zoom reset</source>
        <translation>缩放已重置</translation>
    </message>
    <message>
        <source>Picture values reset</source>
        <translation>画面参数已重置</translation>
    </message>
    <message>
        <source>Output device: automatic</source>
        <translation>输出设备：自动</translation>
    </message>
    <message>
        <source>Output device: %1</source>
        <translation>输出设备：%1</translation>
    </message>
    <message>
        <source>Hardware decoding off</source>
        <translation>硬件解码已关闭</translation>
    </message>
    <message>
        <source>Hardware decoding on</source>
        <translation>硬件解码已开启</translation>
    </message>
    <message>
        <source>Aspect ratio: automatic</source>
        <translation>宽高比：自动</translation>
    </message>
    <message>
        <source>Aspect ratio %1</source>
        <translation>宽高比 %1</translation>
    </message>
    <message>
        <source>Zoom %1%</source>
        <translation>缩放 %1%</translation>
    </message>
    <message>
        <source>%1% left</source>
        <translation>左移 %1%</translation>
    </message>
    <message>
        <source>%1% right</source>
        <translation>右移 %1%</translation>
    </message>
    <message>
        <source>%1% up</source>
        <translation>上移 %1%</translation>
    </message>
    <message>
        <source>%1% down</source>
        <translation>下移 %1%</translation>
    </message>
    <message>
        <source>Picture centred</source>
        <translation>画面已居中</translation>
    </message>
    <message>
        <source>Picture moved %1</source>
        <extracomment>where the zoomed picture is: &quot;10% right, 5% up&quot;</extracomment>
        <translation>画面位置：%1</translation>
    </message>
    <message>
        <source>Fill Window on</source>
        <translation>填满窗口：开启</translation>
    </message>
    <message>
        <source>Fill Window off</source>
        <translation>填满窗口：关闭</translation>
    </message>
    <message>
        <source>Not rotated</source>
        <translation>未旋转</translation>
    </message>
    <message>
        <source>Rotated %1°</source>
        <translation>已旋转 %1°</translation>
    </message>
    <message>
        <source>Deinterlace: on</source>
        <translation>去隔行：开启</translation>
    </message>
    <message>
        <source>Deinterlace: off</source>
        <translation>去隔行：关闭</translation>
    </message>
    <message>
        <source>Deinterlace: automatic</source>
        <translation>去隔行：自动</translation>
    </message>
    <message>
        <source>Brightness %1</source>
        <translation>亮度 %1</translation>
    </message>
    <message>
        <source>Contrast %1</source>
        <translation>对比度 %1</translation>
    </message>
    <message>
        <source>Saturation %1</source>
        <translation>饱和度 %1</translation>
    </message>
    <message>
        <source>Gamma %1</source>
        <translation>伽马 %1</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>影片(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>Menu on the movie</name>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>a track&apos;s title, then its language</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>轨道 %1</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>第 %1 章</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>where a chapter starts (0:03), then its title</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation>加载字幕文件...</translation>
    </message>
    <message>
        <source>Sooner</source>
        <translation>提前</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>延后</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音轨</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>播放速度</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>章节</translation>
    </message>
    <message>
        <source>Previous Movie in Folder</source>
        <translation>文件夹中的上一个影片</translation>
    </message>
    <message>
        <source>Next Movie in Folder</source>
        <translation>文件夹中的下一个影片</translation>
    </message>
    <message>
        <source>Play Folder Through</source>
        <translation>连续播放整个文件夹</translation>
    </message>
    <message>
        <source>Save Frame As...</source>
        <translation>将帧另存为...</translation>
    </message>
    <message>
        <source>Copy Frame</source>
        <translation>复制帧</translation>
    </message>
    <message>
        <source>Resume Where Left Off</source>
        <translation>从上次停止处继续播放</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延迟</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Output Device</source>
        <translation>输出设备</translation>
    </message>
    <message>
        <source>A-B Loop</source>
        <translation>A-B 循环</translation>
    </message>
    <message>
        <source>Set A</source>
        <translation>设置 A 点</translation>
    </message>
    <message>
        <source>Set B</source>
        <translation>设置 B 点</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Hardware Decoding</source>
        <translation>硬件解码</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>向左移动</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>向右移动</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>向上移动</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>向下移动</translation>
    </message>
    <message>
        <source>Fill Window</source>
        <translation>填满窗口</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>提高亮度</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>降低亮度</translation>
    </message>
    <message>
        <source>Contrast Up</source>
        <translation>提高对比度</translation>
    </message>
    <message>
        <source>Contrast Down</source>
        <translation>降低对比度</translation>
    </message>
    <message>
        <source>Saturation Up</source>
        <translation>提高饱和度</translation>
    </message>
    <message>
        <source>Saturation Down</source>
        <translation>降低饱和度</translation>
    </message>
    <message>
        <source>Gamma Up</source>
        <translation>提高伽马</translation>
    </message>
    <message>
        <source>Gamma Down</source>
        <translation>降低伽马</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>宽高比</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>去隔行</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画面</translation>
    </message>
</context>
<context>
    <name>Movie line</name>
    <message>
        <source>Opening… %1</source>
        <translation>正在打开… %1</translation>
    </message>
    <message>
        <source>%1 is not an address this player opens</source>
        <translation>%1 不是本播放器能打开的地址</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>找不到 %1</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server answered %2</source>
        <translation>无法打开 %1：服务器返回了 %2</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server refused the connection</source>
        <translation>无法打开 %1：服务器拒绝了连接</translation>
    </message>
    <message>
        <source>%1 could not be opened: no server of that name was found</source>
        <translation>无法打开 %1：找不到该名称的服务器</translation>
    </message>
    <message>
        <source>%1 could not be opened: the server did not answer</source>
        <translation>无法打开 %1：服务器没有响应</translation>
    </message>
    <message>
        <source>%1 is a web page, and playing one needs yt-dlp: install yt-dlp (%2)</source>
        <extracomment>%2 is how to install yt-dlp: commands, kept as they are</extracomment>
        <translation>%1 是网页，播放网页需要 yt-dlp：请安装 yt-dlp (%2)</translation>
    </message>
    <message>
        <source>%1 is a page that holds no video</source>
        <translation>%1 是不含视频的网页</translation>
    </message>
    <message>
        <source>%1 could not be read by yt-dlp (%2); updating yt-dlp may help</source>
        <extracomment>%2 is yt-dlp&apos;s own message, in English</extracomment>
        <translation>yt-dlp 无法读取 %1 (%2)；更新 yt-dlp 也许能解决</translation>
    </message>
    <message>
        <source>%1 is not a movie, or is in a format this player cannot read</source>
        <translation>%1 不是影片，或者是本播放器无法读取的格式</translation>
    </message>
    <message>
        <source>%1 could not be read: permission denied</source>
        <translation>无法读取 %1：权限不足</translation>
    </message>
    <message>
        <source>%1 could not be played</source>
        <translation>无法播放 %1</translation>
    </message>
</context>
<context>
    <name>Movie menu</name>
    <message>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Rewind</source>
        <translation>回到开头(&amp;R)</translation>
    </message>
    <message>
        <source>Show Controls</source>
        <translation>显示控制栏</translation>
    </message>
    <message>
        <source>Loop Movie</source>
        <translation>循环播放影片</translation>
    </message>
    <message>
        <source>Play Last Movie at Startup</source>
        <translation>启动时播放上次的影片</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>原始大小</translation>
    </message>
    <message>
        <source>Stay On &amp;Top</source>
        <translation>总在最前(&amp;T)</translation>
    </message>
</context>
<context>
    <name>Play bar</name>
    <message>
        <source>Play bar</source>
        <translation>播放栏</translation>
    </message>
    <message>
        <source>Play or pause, seek bar, elapsed and total time, mute and volume</source>
        <translation type="vanished">播放或暂停、进度条、已播放时间和总时长、静音和音量</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Seek bar</source>
        <translation>进度条</translation>
    </message>
    <message>
        <source>Elapsed and total time</source>
        <translation>已播放时间和总时长</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>取消静音</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
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
        <translation>播放位置</translation>
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
        <translation>%1 已存在。
是否替换？</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Loading...</source>
        <translation>正在加载...</translation>
    </message>
</context>
</TS>
