#include "platform/qt/NativeNames.h"

#include <dirent.h>
#include <sys/stat.h>

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QUrl>

#include "platform/qt/Text.h"

namespace rw {
namespace {

bool Exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// The one entry of `folder` whose name Qt decodes as `name`.
std::optional<std::string> EntryDecodedAs(const std::string& folder, const QString& name) {
    DIR* dir = ::opendir(folder.empty() ? "/" : folder.c_str());
    if (!dir) return std::nullopt;
    std::optional<std::string> found;
    bool ambiguous = false;
    while (const dirent* entry = ::readdir(dir)) {
        if (QFile::decodeName(entry->d_name) != name) continue;
        if (found) {
            ambiguous = true;
            break;
        }
        found = entry->d_name;
    }
    ::closedir(dir);
    if (ambiguous) return std::nullopt;
    return found;
}

}  // namespace

std::string LocalFileOf(const QUrl& url) {
    if (!url.isLocalFile()) return {};
    // A fully encoded path is plain ASCII.
    const QByteArray path =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    std::string local;
    if (!url.host().isEmpty()) {
        local = "//" + ToStdString(url.host());
        if (!path.isEmpty() && !path.startsWith('/')) local += '/';
    }
    local.append(path.constData(), static_cast<std::size_t>(path.size()));
    return local;
}

std::optional<std::string> ExistingPathOf(const QString& decoded) {
    const std::string direct = ToStdString(decoded);
    if (Exists(direct)) return direct;
    if (!decoded.startsWith(QLatin1Char('/'))) return std::nullopt;
    std::string resolved;  // empty for the root
    for (const QString& part : decoded.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const std::string next = resolved + '/' + ToStdString(part);
        if (Exists(next)) {
            resolved = next;
            continue;
        }
        const auto entry = EntryDecodedAs(resolved, part);
        if (!entry) return std::nullopt;
        resolved += '/' + *entry;
    }
    return resolved.empty() ? std::string("/") : resolved;
}

}  // namespace rw
