// PICT files from anywhere: any bytes give nothing, pixels within the limits
// in the size they claim, or a JPEG.

#include "FuzzCheck.h"
#include "platform/mpv/Pict.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = rw::fuzz::TextOf(data, size);
    (void)rw::LooksLikePict(bytes);
    const auto picture = rw::DecodePict(bytes);
    if (picture) {
        FUZZ_CHECK(picture->width > 0 && picture->height > 0);
        FUZZ_CHECK(picture->width <= rw::kMaxStillSide && picture->height <= rw::kMaxStillSide);
        if (picture->jpeg.empty()) {
            FUZZ_CHECK(picture->rgba.size() == static_cast<std::size_t>(picture->width) *
                                                   static_cast<std::size_t>(picture->height) * 4);
        } else {
            FUZZ_CHECK(picture->rgba.empty() && picture->jpeg.size() < size);
        }
    }
    return 0;
}
