// MacPaint files from anywhere: any bytes give nothing or a whole picture.

#include "FuzzCheck.h"
#include "formats/MacPaint.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto picture = rw::DecodeMacPaint(rw::fuzz::TextOf(data, size));
    if (picture) {
        FUZZ_CHECK(picture->width == rw::kMacPaintWidth && picture->height == rw::kMacPaintHeight);
        FUZZ_CHECK(picture->rgba.size() == static_cast<std::size_t>(picture->width) *
                                               static_cast<std::size_t>(picture->height) * 4);
    }
    return 0;
}
