// Subtitle files come from anywhere: bounding any text keeps its length
// within reach, and bounding it twice changes nothing more.

#include "FuzzCheck.h"
#include "formats/SubtitleScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = rw::fuzz::TextOf(data, size);
    const rw::BoundedSubtitle once = rw::BoundSubtitleText(text);
    FUZZ_CHECK(once.changed >= 0);
    FUZZ_CHECK(once.text.size() <= text.size() + 64 * static_cast<std::size_t>(once.changed));
    FUZZ_CHECK(once.changed > 0 || once.text == text);
    const rw::BoundedSubtitle twice = rw::BoundSubtitleText(once.text);
    FUZZ_CHECK(twice.changed == 0);
    return 0;
}
