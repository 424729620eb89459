#include "sources/Paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/Step.h"

namespace rw {

namespace {

bool SameLetterNoCase(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(), SameLetterNoCase);
}

}  // namespace

std::string UrlToPath(const std::string& reference, PathStyle style) {
    std::string path = reference;
    if (style == PathStyle::Posix) {
        // Keep the root slash: file:///home/u/a.mov is /home/u/a.mov.
        if (StartsWithNoCase(path, "file:///")) path.erase(0, 7);
        return path;
    }
    if (StartsWithNoCase(path, "file:///")) path.erase(0, 8);
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string FileNameOf(const std::string& path, PathStyle style) {
    const auto pos = style == PathStyle::Posix ? path.find_last_of('/') : path.find_last_of("/\\");
    if (pos == std::string::npos) return path;
    return path.substr(pos + 1);
}

bool MovieFileExists(IFileSystem& files, const std::string& reference, PathStyle style) {
    bool exists = false;
    Step([&] { exists = files.FileLength(UrlToPath(reference, style)) > 0; });
    return exists;
}

std::string AbsoluteMoviePath(IFileSystem& files, const std::string& reference,
                              const std::string& folder) {
    if (reference.empty() || reference.front() == '/' || folder.empty() || folder.front() != '/')
        return reference;
    if (reference.find("://") != std::string::npos) return reference;
    // Lexical only: no file system access beyond the test that it exists.
    const std::string joined =
        std::filesystem::path(JoinFolderAndName(folder, reference)).lexically_normal().string();
    return MovieFileExists(files, joined) ? joined : reference;
}

std::string JoinFolderAndName(const std::string& folder, const std::string& name, PathStyle style) {
    const char sep = style == PathStyle::Posix ? '/' : '\\';
    std::string path = folder;
    if (path.empty() || path.back() != sep) path += sep;
    return path + name;
}

bool SameReference(const std::string& a, const std::string& b, PathStyle style) {
    if (style == PathStyle::Posix) return a == b;
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameLetterNoCase);
}

std::string EscapeAmpersands(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        out += c;
        if (c == '&') out += '&';
    }
    return out;
}

std::string ExtensionOf(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == name.size()) return {};
    std::string extension = name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

}  // namespace rw
