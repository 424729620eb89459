#pragma once

#include <QString>
#include <optional>
#include <string>

class QUrl;

namespace rw {

// Qt decodes file names as UTF-8 and turns every other byte into U+FFFD for
// good, so a file called "caf\xE9.mp4" (Latin-1) comes out of Qt's own
// conversions as a name that does not exist. These recover the real bytes.

// The local file a file:// URL names, as bytes: the path's %-escapes are
// decoded to bytes as they stand, where QUrl::toLocalFile would decode them
// as UTF-8. A host other than the local one gives "//host/path", as
// toLocalFile does. Empty for a URL that is not a local file.
std::string LocalFileOf(const QUrl& url);

// The existing file or folder whose absolute path Qt decoded as `decoded`:
// the path itself when it exists, else each part that does not exist is
// matched against the names in its folder as Qt decodes them. Nothing when
// no entry, or more than one ("caf\xE9" and "caf\xE8" both read "caf\uFFFD"),
// fits.
std::optional<std::string> ExistingPathOf(const QString& decoded);

}  // namespace rw
