#pragma once

#include <QString>
#include <algorithm>
#include <string>
#include <string_view>

#include "platform/ByteText.h"

namespace rw {

// The logic keeps text, references and file names as std::string bytes,
// normally UTF-8; Qt keeps QString. These two carry any bytes through a
// QString and back unchanged: bytes that are not UTF-8 (a Latin-1 file name)
// travel as unpaired surrogates (see BytesToUtf16). Such a QString is for
// carrying only: Qt's file functions cannot open it and it shows badly, so
// file access goes through ToStdString, and what the user sees through
// ToReadableQString.
inline QString ToQString(const std::string& bytes) {
    if (IsValidUtf8(bytes)) return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    const std::u16string text = BytesToUtf16(bytes);
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}

inline bool HasSurrogates(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSurrogate(); });
}

inline std::string ToStdString(const QString& text) {
    if (!HasSurrogates(text)) {
        const QByteArray utf8 = text.toUtf8();
        return std::string(utf8.constData(), std::size_t(utf8.size()));
    }
    return Utf16ToBytes(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                            std::size_t(text.size())));
}

// For showing a name: bytes that are not UTF-8 appear as U+FFFD, the usual
// sign of a character that cannot be shown.
inline QString ToReadableQString(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

// A QString from ToQString, for showing.
inline QString Readable(const QString& carried) {
    return HasSurrogates(carried) ? ToReadableQString(ToStdString(carried)) : carried;
}

}  // namespace rw
