// File names that are bytes, not UTF-8: the trip through UTF-16 that carries
// them through Qt, and their stored form in the settings file, which a
// hand-edited or damaged file can fill with anything.

#include <string>

#include "FuzzCheck.h"
#include "platform/ByteText.h"

namespace {

void CheckStoredForm(const std::string& value) {
    const std::string stored = rw::ToStoredText(value);
    FUZZ_CHECK(rw::IsValidUtf8(stored));
    FUZZ_CHECK(rw::FromStoredText(stored) == value);
    // Values that need no escaping keep the form files had before.
    const bool plain = rw::IsValidUtf8(value) && !value.starts_with(rw::kStoredBytesMarker);
    FUZZ_CHECK((stored == value) == plain);
    // Any text read from a file decodes to something no longer than itself.
    FUZZ_CHECK(rw::FromStoredText(value).size() <= value.size());
}

void CheckUtf16(const std::string& bytes) {
    const std::u16string text = rw::BytesToUtf16(bytes);
    FUZZ_CHECK(text.size() <= bytes.size());
    FUZZ_CHECK(rw::Utf16ToBytes(text) == bytes);
    // The same input read as UTF-16 from elsewhere: whatever comes out goes
    // round the trip unchanged.
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        units += static_cast<char16_t>((static_cast<unsigned char>(bytes[i]) << 8) |
                                       static_cast<unsigned char>(bytes[i + 1]));
    const std::string again = rw::Utf16ToBytes(units);
    FUZZ_CHECK(rw::Utf16ToBytes(rw::BytesToUtf16(again)) == again);
}

void CheckValidity(const std::string& bytes) {
    std::size_t pos = 0;
    bool valid = true;
    while (pos < bytes.size()) {
        const std::size_t length = rw::Utf8SequenceAt(bytes, pos);
        FUZZ_CHECK(length <= 4 && pos + length <= bytes.size());
        if (length == 0) {
            valid = false;
            ++pos;
        } else {
            pos += length;
        }
    }
    FUZZ_CHECK(rw::IsValidUtf8(bytes) == valid);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = rw::fuzz::TextOf(data, size);
    CheckStoredForm(bytes);
    CheckUtf16(bytes);
    CheckValidity(bytes);
    return 0;
}
