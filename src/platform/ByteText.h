#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A Linux file name is a string of bytes, not text: "caf\xE9.mp4" (Latin-1)
// is a real file that no UTF-8 decoding can name. The program keeps such
// names as bytes everywhere; these conversions carry them unchanged through
// places that only hold text (Qt's UTF-16 strings, the settings file).

namespace rw {

// How many bytes the well-formed UTF-8 sequence at text[pos] takes (1 to 4),
// or 0 when no such sequence starts there: a stray continuation byte, an
// overlong form, a surrogate, a value past U+10FFFF or a cut-off sequence.
std::size_t Utf8SequenceAt(std::string_view text, std::size_t pos);

bool IsValidUtf8(std::string_view text);

// Bytes as UTF-16 with nothing lost: well-formed UTF-8 is decoded, and each
// byte that belongs to no well-formed sequence (always 0x80 or above) becomes
// the unpaired low surrogate U+DC80 + (byte - 0x80). Unpaired surrogates
// never come out of decoding, so the mapping can be undone exactly.
std::u16string BytesToUtf16(std::string_view bytes);

// The inverse of BytesToUtf16. Text that did not come from it is encoded as
// UTF-8, with any other unpaired surrogate written as U+FFFD.
std::string Utf16ToBytes(std::u16string_view text);

// The settings file holds text. A value that is well-formed UTF-8 is stored
// as it is, so files written before keep their meaning; any other value is
// stored as kStoredBytesMarker followed by the value with "%" and every byte
// outside well-formed UTF-8 written as %XX. A well-formed value that itself
// starts with the marker takes the escaped form too, so that it reads back
// as itself.
inline constexpr std::string_view kStoredBytesMarker = "%bytes:";

std::string ToStoredText(std::string_view value);

// The inverse of ToStoredText. Text without the marker is returned as it is;
// after the marker a "%" not followed by two hex digits stands for itself.
std::string FromStoredText(std::string_view stored);

}  // namespace rw
