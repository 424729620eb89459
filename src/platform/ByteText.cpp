#include "platform/ByteText.h"

namespace rw {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // + the byte (0x80..0xFF)
constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The code point of the well-formed sequence of `length` bytes at `p`.
char32_t Decode(const unsigned char* p, std::size_t length) {
    switch (length) {
        case 1:
            return p[0];
        case 2:
            return (char32_t(p[0] & 0x1F) << 6) | (p[1] & 0x3F);
        case 3:
            return (char32_t(p[0] & 0x0F) << 12) | (char32_t(p[1] & 0x3F) << 6) | (p[2] & 0x3F);
        default:
            return (char32_t(p[0] & 0x07) << 18) | (char32_t(p[1] & 0x3F) << 12) |
                   (char32_t(p[2] & 0x3F) << 6) | (p[3] & 0x3F);
    }
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void AppendEscaped(std::string& out, unsigned char byte) {
    constexpr char kHex[] = "0123456789ABCDEF";
    out += '%';
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

}  // namespace

std::size_t Utf8SequenceAt(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data()) + pos;
    const std::size_t left = text.size() - pos;
    const unsigned char c = p[0];
    if (c < 0x80) return 1;
    // The second byte's range rules out overlong forms, surrogates and
    // values past U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    std::size_t length = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0) low = 0xA0;
        if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (left < length || p[1] < low || p[1] > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!IsContinuation(p[i])) return 0;
    return length;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = Utf8SequenceAt(text, pos);
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

std::u16string BytesToUtf16(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = Utf8SequenceAt(bytes, pos);
        if (length == 0) {
            out += static_cast<char16_t>(kEscapeBase + p[pos]);
            ++pos;
            continue;
        }
        const char32_t c = Decode(p + pos, length);
        if (c < 0x10000) {
            out += static_cast<char16_t>(c);
        } else {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
        pos += length;
    }
    return out;
}

std::string Utf16ToBytes(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            AppendUtf8(out, 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF) {
            out += static_cast<char>(c - kEscapeBase);
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

std::string ToStoredText(std::string_view value) {
    if (IsValidUtf8(value) && !value.starts_with(kStoredBytesMarker)) return std::string(value);
    std::string out(kStoredBytesMarker);
    out.reserve(out.size() + value.size() + value.size() / 4);
    for (std::size_t pos = 0; pos < value.size();) {
        const std::size_t length = Utf8SequenceAt(value, pos);
        if (length == 0 || value[pos] == '%') {
            AppendEscaped(out, static_cast<unsigned char>(value[pos]));
            ++pos;
        } else {
            // Well-formed characters stay readable in the file.
            out.append(value.substr(pos, length));
            pos += length;
        }
    }
    return out;
}

std::string FromStoredText(std::string_view stored) {
    if (!stored.starts_with(kStoredBytesMarker)) return std::string(stored);
    const std::string_view body = stored.substr(kStoredBytesMarker.size());
    std::string out;
    out.reserve(body.size());
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '%' && i + 2 < body.size() && HexValue(body[i + 1]) >= 0 &&
            HexValue(body[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(body[i + 1]) * 16 + HexValue(body[i + 2]));
            i += 2;
        } else {
            out += body[i];
        }
    }
    return out;
}

}  // namespace rw
