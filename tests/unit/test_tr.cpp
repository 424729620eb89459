#include <gtest/gtest.h>

#include <string>

#include "platform/Tr.h"

namespace rw {
namespace {

struct FillCase {
    const char* name;
    const char* pattern;
    std::string want;
};

// Two arguments: "A" for %1, "%1" (a place inside an argument) for %2.
const FillCase kFills[] = {
    {"InOrder", "%1 of %2", "A of %1"},
    {"Reordered", "%2, %1", "%1, A"},
    {"Twice", "%1%1", "AA"},
    {"PlaceWithoutArgument", "%1 %3", "A %3"},
    {"PercentNotBeforeADigit", "100% %1", "100% A"},
    {"PercentAtTheEnd", "%1 %", "A %"},
    {"PercentZero", "%0", "%0"},
    {"Empty", "", ""},
};

class FillTest : public testing::TestWithParam<FillCase> {};

TEST_P(FillTest, PutsEachArgumentInItsPlaceOnce) {
    EXPECT_EQ(Fill(GetParam().pattern, {"A", "%1"}), GetParam().want);
}

INSTANTIATE_TEST_SUITE_P(Table, FillTest, testing::ValuesIn(kFills),
                         [](const auto& info) { return std::string(info.param.name); });

std::string Shout(const char* context, const char* text) {
    return std::string(context) + ":" + text;
}

TEST(TranslateTest, AsksTheInstalledTranslatorAndIsEnglishWithout) {
    EXPECT_EQ(RW_TR("Window", "Loading..."), "Loading...");
    SetTranslator(&Shout);
    EXPECT_EQ(RW_TR("Window", "Loading..."), "Window:Loading...");
    SetTranslator(nullptr);
    EXPECT_EQ(RW_TR("Window", "Loading..."), "Loading...");
}

}  // namespace
}  // namespace rw
