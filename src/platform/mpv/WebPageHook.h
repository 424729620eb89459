#pragma once

struct mpv_handle;

namespace rw {

// libmpv's yt-dlp hook plays the movie on a web page: when libmpv cannot
// open an http or https address itself, the hook asks yt-dlp for the movie
// behind it, with the address after "--". Sets the hook's options on a
// handle not yet initialised. Without a yt-dlp found, the hook searches PATH
// itself and logs that it found none. The hook's yt-dlp ends with the load
// it serves: libmpv kills it when another movie is loaded or the core is
// destroyed.
void SetWebPageOptions(mpv_handle* mpv);

}  // namespace rw
