// PICT files from anywhere: any bytes give nothing, or pixels within the
// limits in the size they claim and JPEG bands taken from the bytes; which
// readers a file goes to is decided from any name and bytes without fault.

#include "FuzzCheck.h"
#include "formats/Pict.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = rw::fuzz::TextOf(data, size);
    const int version = rw::PictVersionOf(bytes);
    FUZZ_CHECK(version >= 0 && version <= 2);
    for (const char* name : {"a.pict", "a.jpg", "a"}) (void)rw::StillReadersFor(name, bytes);
    for (const auto jpeg : {rw::PictJpeg::Bands, rw::PictJpeg::Fallback}) {
        const auto picture = rw::DecodePict(bytes, jpeg);
        if (!picture) continue;
        FUZZ_CHECK(version != 0);
        FUZZ_CHECK(picture->width > 0 && picture->height > 0);
        FUZZ_CHECK(picture->width <= rw::kMaxStillSide && picture->height <= rw::kMaxStillSide);
        FUZZ_CHECK(picture->rgba.empty() ||
                   picture->rgba.size() == static_cast<std::size_t>(picture->width) *
                                               static_cast<std::size_t>(picture->height) * 4);
        FUZZ_CHECK(!picture->rgba.empty() || !picture->bands.empty());
        FUZZ_CHECK(jpeg == rw::PictJpeg::Bands || picture->bands.empty());
        for (const auto& band : picture->bands) {
            FUZZ_CHECK(band.jpeg.size() >= 2 && band.jpeg.size() < size);
            FUZZ_CHECK(band.width > 0 && band.height > 0 && band.sourceWidth > 0 &&
                       band.sourceHeight > 0);
        }
    }
    return 0;
}
