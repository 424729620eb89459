// The conversions of texts read from the settings file: numbers, booleans,
// 16-bit integers, single-precision values, the stored window placement and
// the places where films were left.
// A hand-edited or damaged file can hold anything.

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "FuzzCheck.h"
#include "film/Resume.h"
#include "window/Numbers.h"
#include "window/Placement.h"

namespace {

bool IsNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E' ||
           c == ' ' || c == '\t';
}

void CheckNumber(const std::string& text) {
    const auto number = rw::ParseNumber(text);
    if (!number) return;
    FUZZ_CHECK(std::isfinite(*number));
    for (char c : text) FUZZ_CHECK(IsNumberCharacter(c));
    // The C library reads the same decimal text to the same double.
    const double reference = std::strtod(text.c_str(), nullptr);
    FUZZ_CHECK(reference == *number);
}

void CheckIntegers(const std::string& text) {
    const auto number = rw::ParseNumber(text);
    const auto i32 = rw::ParseInt32(text);
    if (i32) {
        FUZZ_CHECK(number && std::fabs(*number - *i32) <= 0.5);
    }
    const auto i16 = rw::ParseInt16(text);
    if (i16) {
        FUZZ_CHECK(i32 && *i32 == *i16);
    } else if (i32) {
        FUZZ_CHECK(*i32 < std::numeric_limits<std::int16_t>::min() ||
                   *i32 > std::numeric_limits<std::int16_t>::max());
    }
}

void CheckSingle(const std::string& text) {
    const auto single = rw::ParseSingle(text);
    if (!single) return;
    FUZZ_CHECK(std::isfinite(*single));
    // What shutdown writes reads back at start-up as the very same value.
    const auto again = rw::ParseSingle(rw::FormatSingle(*single));
    FUZZ_CHECK(again && *again == *single && std::signbit(*again) == std::signbit(*single));
}

void CheckBoolean(const std::string& text) {
    const auto value = rw::ParseBoolean(text);
    const auto number = rw::ParseNumber(text);
    if (number) {
        FUZZ_CHECK(value && *value == (*number != 0.0));
    } else if (value) {
        FUZZ_CHECK(text.size() == 4 || text.size() == 5);  // some spelling of True or False
        FUZZ_CHECK(rw::ParseBoolean(rw::FormatBoolean(*value)) == value);
    }
}

void CheckPlacement(const std::string& text) {
    auto parts = rw::fuzz::SplitAt(text, '\n');
    parts.resize(4);
    const rw::StoredPlacement stored{parts[0], parts[1], parts[2], parts[3]};
    const auto placement = rw::ParsePlacement(stored);
    const bool all = rw::ParseSingle(parts[0]) && rw::ParseNumber(parts[1]) &&
                     rw::ParseNumber(parts[2]) && rw::ParseNumber(parts[3]);
    FUZZ_CHECK(placement.has_value() == all);
    if (!placement) return;
    FUZZ_CHECK(std::isfinite(placement->left) && std::isfinite(placement->top) &&
               std::isfinite(placement->width) && std::isfinite(placement->height));
    FUZZ_CHECK(placement->left == *rw::ParseSingle(parts[0]));
}

void CheckResumeEntry(const std::string& text) {
    const auto entry = rw::ParseResumeEntry(text);
    if (!entry) return;
    FUZZ_CHECK(std::isfinite(entry->first) && entry->first > 0);
    FUZZ_CHECK(!entry->second.empty() && text.ends_with(entry->second));
    // What exit writes reads back as the same movie, at the same tenth.
    const auto again = rw::ParseResumeEntry(rw::FormatResumeEntry(entry->first, entry->second));
    FUZZ_CHECK(again && again->second == entry->second);
    FUZZ_CHECK(std::fabs(again->first - entry->first) <= 0.05 + entry->first * 1e-15);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::setlocale(LC_NUMERIC, "C");  // strtod's decimal point, as the program sets it
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = rw::fuzz::TextOf(data, size);
    CheckNumber(text);
    CheckIntegers(text);
    CheckSingle(text);
    CheckBoolean(text);
    CheckPlacement(text);
    CheckResumeEntry(text);
    return 0;
}
