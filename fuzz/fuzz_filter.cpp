// The Open File dialog's filter text: "display|patterns|display|patterns",
// patterns separated by ";".

#include <algorithm>

#include "FuzzCheck.h"
#include "sources/OpenDialog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = rw::fuzz::TextOf(data, size);
    const auto filters = rw::ParseFilter(text);
    if (text.empty()) {
        FUZZ_CHECK(filters.empty());
        return 0;
    }

    // One trailing "|" ends the last part; every other "|" separates two.
    std::string body = text;
    if (body.back() == '|') body.pop_back();
    const auto parts = rw::fuzz::SplitAt(body, '|');
    FUZZ_CHECK(filters.size() == (parts.size() + 1) / 2);

    for (std::size_t i = 0; i < filters.size(); ++i) {
        const auto& filter = filters[i];
        FUZZ_CHECK(filter.display == parts[2 * i]);
        std::vector<std::string> expected;
        if (2 * i + 1 < parts.size()) {
            for (auto& p : rw::fuzz::SplitAt(parts[2 * i + 1], ';')) {
                if (!p.empty()) expected.push_back(p);
            }
        }
        FUZZ_CHECK(filter.patterns == expected);
        for (const auto& pattern : filter.patterns) {
            FUZZ_CHECK(!pattern.empty() && pattern.find_first_of(";|") == std::string::npos);
        }
    }
    return 0;
}
