#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rw {

// Whether a reference may be handed to libmpv. Local paths (anything without
// a "scheme://" prefix), file:// URLs and the network schemes http, https,
// rtsp, rtmp, rtmps, mms, mmsh, ftp, udp, rtp and srt are allowed; libmpv's
// own schemes (av://, edl://, fd://, memory://, ...) and every other scheme
// are refused, as are the empty text and text libmpv cannot receive intact.
bool IsAllowedReference(const std::string& ref);

// The URL schemes IsAllowedReference lets through, in lower case ("file",
// "http", ...), for those who must tell others what the player opens.
std::vector<std::string_view> AllowedSchemes();

// The text to give libmpv's loadfile for an allowed reference. A relative
// path gets a "./" prefix so that libmpv can never read it as a URL, as
// standard input ("-") or as anything but a file name; absolute paths and
// URLs are returned unchanged.
std::string ToMpvPath(const std::string& ref);

// The file a reference names on this machine, as libmpv will open it: a
// path as it is, a file:// URL without "file://" and with its %-escapes
// decoded. Nothing for network URLs and other schemes.
std::optional<std::string> LocalPathOf(const std::string& ref);

}  // namespace rw
