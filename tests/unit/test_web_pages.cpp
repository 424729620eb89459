#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/mpv/pure/WebPages.h"

namespace rw {
namespace {

struct LocaleCase {
    const char* name;
    const char* language;
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    const char* want;
};

class MessageLanguageTest : public testing::TestWithParam<LocaleCase> {};

TEST_P(MessageLanguageTest, TakesTheCodeGettextWouldUse) {
    const LocaleCase& c = GetParam();
    EXPECT_EQ(MessageLanguage(c.language, c.lcAll, c.lcMessages, c.lang), c.want);
}

const LocaleCase kLocales[] = {
    {"NothingSet", "", "", "", "", ""},
    {"LangOnly", "", "", "", "de_DE.UTF-8", "de"},
    {"LangWithModifier", "", "", "", "ca_ES@valencia", "ca"},
    {"LangWithoutCountry", "", "", "", "fr", "fr"},
    {"ThreeLetters", "", "", "", "fil_PH.UTF-8", "fil"},
    {"MessagesOverLang", "", "", "sv_SE.UTF-8", "de_DE.UTF-8", "sv"},
    {"AllOverMessages", "", "pt_BR.UTF-8", "sv_SE.UTF-8", "de_DE.UTF-8", "pt"},
    {"LanguageListFirst", "nl:de", "", "", "en_US.UTF-8", "nl"},
    {"LanguageIgnoredForC", "nl", "C", "", "de_DE.UTF-8", ""},
    {"LanguageIgnoredWithNoLocale", "nl", "", "", "", ""},
    {"CUtf8", "", "C.UTF-8", "", "", ""},
    {"Posix", "", "", "", "POSIX", ""},
    {"BadLanguageFallsBack", "x-klingon", "", "", "it_IT.UTF-8", "it"},
    {"UpperCaseIsNoCode", "", "", "", "DE_de", ""},
    {"OddSeparator", "", "", "", "de-DE", ""},
};
INSTANTIATE_TEST_SUITE_P(Locales, MessageLanguageTest, testing::ValuesIn(kLocales),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SubtitleLanguagesTest, UsersLanguageThenEnglish) {
    EXPECT_EQ(SubtitleLanguages("de"), "de,en");
    EXPECT_EQ(SubtitleLanguages("en"), "en");
    EXPECT_EQ(SubtitleLanguages(""), "en");
}

TEST(PageFormatTest, CapsThePictureAtTheScreensHeight) {
    EXPECT_EQ(PageFormat(1440), "bestvideo[height<=?1440]+bestaudio/best[height<=?1440]/best");
    EXPECT_EQ(PageFormat(0), "bestvideo+bestaudio/best");
}

struct CandidateCase {
    const char* name;
    const char* path;
    const char* home;
    std::vector<std::string> want;
};

class YtDlpCandidatesTest : public testing::TestWithParam<CandidateCase> {};

TEST_P(YtDlpCandidatesTest, LocalBinThenPath) {
    EXPECT_EQ(YtDlpCandidates(GetParam().path, GetParam().home), GetParam().want);
}

const CandidateCase kCandidates[] = {
    {"HomeThenPath",
     "/usr/bin:/bin",
     "/home/u",
     {"/home/u/.local/bin/yt-dlp", "/usr/bin/yt-dlp", "/bin/yt-dlp"}},
    {"TrailingSlashes", "/opt/x/", "/home/u/", {"/home/u/.local/bin/yt-dlp", "/opt/x/yt-dlp"}},
    {"NoHome", "/usr/bin", "", {"/usr/bin/yt-dlp"}},
    {"RelativeHome", "/usr/bin", "home", {"/usr/bin/yt-dlp"}},
    {"EmptyAndRelativeFoldersSkipped", ":.:bin::/usr/bin:", "", {"/usr/bin/yt-dlp"}},
    {"NothingAtAll", "", "", {}},
};
INSTANTIATE_TEST_SUITE_P(Paths, YtDlpCandidatesTest, testing::ValuesIn(kCandidates),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rw
