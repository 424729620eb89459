#include <gtest/gtest.h>

#include <string>

#include "formats/SubtitleScript.h"

namespace rw {
namespace {

const std::string kHead = "[Script Info]\nPlayResX: 384\nPlayResY: 288\n\n";
const std::string kStyles =
    "[V4+ Styles]\nFormat: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, "
    "OutlineColour, BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, "
    "Angle, BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\n";
std::string StyleLine(const char* size, const char* scale, const char* outline) {
    return std::string("Style: Default,Sans,") + size + ",&H00FFFFFF,&H000000FF,&H0,&H0,0,0,0,0," +
           scale + "," + scale + ",0,0,1," + outline + ",2,2,10,10,10,1\n";
}
std::string Dialogue(const char* text) {
    return std::string("Dialogue: 0,0:00:00.00,0:00:05.00,Default,,0,0,0,,") + text + "\n";
}

struct BoundCase {
    const char* name;
    std::string text;
    std::string expected;  // empty: the text as it was
};

class SubtitleBoundTest : public testing::TestWithParam<BoundCase> {};

TEST_P(SubtitleBoundTest, BringsSizesWithinTheScreen) {
    const auto& c = GetParam();
    const BoundedSubtitle bounded = BoundSubtitleText(c.text);
    EXPECT_EQ(bounded.text, c.expected.empty() ? c.text : c.expected);
    EXPECT_EQ(bounded.changed > 0, !c.expected.empty());
}

const BoundCase kBounds[] = {
    {"ordinary_script_untouched",
     kHead + kStyles + StyleLine("48", "100", "2") + Dialogue("{\\fs40\\fscx120\\bord3}Hi"), ""},
    {"letters_as_high_as_the_picture_pass", kHead + Dialogue("{\\fs288\\fscy400}Hi"), ""},
    {"huge_style_size", kHead + kStyles + StyleLine("60000", "100", "2"),
     kHead + kStyles + StyleLine("288", "100", "2")},
    {"huge_style_scale_and_outline", kHead + kStyles + StyleLine("20", "90000", "5000"),
     kHead + kStyles + StyleLine("20", "400", "72")},
    {"size_in_another_format_order", "[V4+ Styles]\nFormat: Name, Fontsize\nStyle: A,1e9\n",
     "[V4+ Styles]\nFormat: Name, Fontsize\nStyle: A,288\n"},
    {"ssa_style_outline", "[V4 Styles]\nStyle: A,Sans,20,0,0,0,0,0,0,1,900,2,2,10,10,10,0,0\n",
     "[V4 Styles]\nStyle: A,Sans,20,0,0,0,0,0,0,1,72,2,2,10,10,10,0,0\n"},
    {"huge_override_size", kHead + Dialogue("{\\fs60000}Hi"), kHead + Dialogue("{\\fs288}Hi")},
    {"size_with_an_exponent", Dialogue("{\\fs 6e4}Hi"), Dialogue("{\\fs 288}Hi")},
    {"size_beyond_a_double", Dialogue("{\\fs1e999}Hi"), Dialogue("{\\fs288}Hi")},
    {"size_relative_to_a_tall_script", "PlayResY: 1080\n" + Dialogue("{\\fs5000}Hi"),
     "PlayResY: 1080\n" + Dialogue("{\\fs1080}Hi")},
    {"growing_steps_dropped", Dialogue("{\\fs+9\\fs-2}Hi"), Dialogue("{\\fs+0\\fs-2}Hi")},
    {"scales_borders_shadows_in_animations",
     Dialogue("{\\t(\\fscx60000\\fscy-900\\xbord999\\shad80)}Hi"),
     Dialogue("{\\t(\\fscx400\\fscy-400\\xbord72\\shad72)}Hi")},
    {"spacing_and_blur_left_to_libass", Dialogue("{\\fsp60000\\blur9999\\be999}Hi"), ""},
    {"tags_outside_braces_are_text", Dialogue("\\fs60000 is no tag"), ""},
    {"tiny_script_raised", "PlayResX: 1\nPlayResY: 2\n" + Dialogue("{\\fs50}Hi"),
     "PlayResX: 64\nPlayResY: 64\n" + Dialogue("{\\fs50}Hi")},
    {"srt_font_size", "1\n00:00:01,000 --> 00:00:02,000\n<font size=\"60000\">Hi</font>\n",
     "1\n00:00:01,000 --> 00:00:02,000\n<font size=\"288\">Hi</font>\n"},
    {"unclosed_brace_and_bare_tag", Dialogue("{\\fs"), ""},
    {"malformed_numbers_left", Dialogue("{\\fs.\\fscx+\\bord-e5}Hi") + "Style: ,,,\n", ""},
};

INSTANTIATE_TEST_SUITE_P(Table, SubtitleBoundTest, testing::ValuesIn(kBounds),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rw
