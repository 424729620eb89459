#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace rw {

// Posix: "/" is the only separator and "\" an ordinary character. Windows:
// both separators, and "/" is turned into "\".
enum class PathStyle { Posix, Windows };

inline constexpr PathStyle kNativePathStyle = PathStyle::Posix;

// A "file:///" reference (any letter case) as a local path; anything else
// keeps its text (in the Windows style with "/" turned into "\"). No percent
// decoding.
std::string UrlToPath(const std::string& reference, PathStyle style = kNativePathStyle);

// The part after the last separator; the whole text when there is none.
std::string FileNameOf(const std::string& path, PathStyle style = kNativePathStyle);

// The lower-case extension of a file name, without the dot; empty for none.
std::string ExtensionOf(const std::string& name);

// True when the reference names a regular file longer than zero bytes. Never
// throws.
bool MovieFileExists(IFileSystem& files, const std::string& reference,
                     PathStyle style = kNativePathStyle);

// A reference typed relative to a folder (a terminal's, or the current one)
// made absolute against `folder`, when it names an existing movie file there:
// the recent list and the last played movie must find it again from
// anywhere. Absolute paths, URLs ("scheme://...") and names of no existing
// file come back unchanged. "." and ".." segments are resolved by name.
std::string AbsoluteMoviePath(IFileSystem& files, const std::string& reference,
                              const std::string& folder);

// A folder and a file name joined with exactly one separator.
std::string JoinFolderAndName(const std::string& folder, const std::string& name,
                              PathStyle style = kNativePathStyle);

// Whether two references name the same movie for the recent list: letter
// case counts on POSIX file systems (Clip.mov and clip.mov are two files) and
// not in the Windows style.
bool SameReference(const std::string& a, const std::string& b, PathStyle style = kNativePathStyle);

// Doubles every "&" so that a file name shows as itself in a menu caption.
std::string EscapeAmpersands(const std::string& text);

}  // namespace rw
