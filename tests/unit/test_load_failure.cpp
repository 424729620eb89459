#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/mpv/pure/LoadFailure.h"

namespace rw {
namespace {

struct ReasonCase {
    const char* name;
    FailedLoad load;
    std::string want;
};

class FailureReasonTest : public testing::TestWithParam<ReasonCase> {};

TEST_P(FailureReasonTest, SaysWhy) { EXPECT_EQ(FailureReason(GetParam().load), GetParam().want); }

using E = LoadError;
const std::string kYtDlp404 =
    "ytdl_hook: ERROR: [generic] None: Unable to download webpage: HTTP Error 404";

// The log lines are libmpv's own, as it gave them for such loads.
const ReasonCase kReasons[] = {
    {"FileGone",
     {E::LoadingFailed,
      false,
      true,
      false,
      {"file: Cannot open file '/gone.mp4': No such file or directory",
       "stream: Failed to open /gone.mp4."}},
     "%1 was not found"},
    {"TextNamedMp4",
     {E::UnknownFormat, false, true, true, {"cplayer: Failed to recognize file format."}},
     "%1 is not a movie, or is in a format this player cannot read"},
    {"UnknownFormatWithoutLog",
     {E::UnknownFormat, false, false, false, {}},
     "%1 is not a movie, or is in a format this player cannot read"},
    {"HttpStatus",
     {E::LoadingFailed,
      false,
      false,
      false,
      {"ffmpeg: http: HTTP error 404 Not Found", "stream: Failed to open http://h/x.mp4.",
       kYtDlp404}},
     "%1 could not be opened: the server answered 404 Not Found"},
    {"ConnectionRefused",
     {E::LoadingFailed,
      false,
      false,
      false,
      {"ffmpeg: tcp: Connection to tcp://127.0.0.1:9 failed: Connection refused"}},
     "%1 could not be opened: the server refused the connection"},
    {"NoAnswer",
     {E::LoadingFailed,
      false,
      false,
      false,
      {"ffmpeg: tcp: Connection to tcp://10.0.0.1:80 failed: Connection timed out"}},
     "%1 could not be opened: the server did not answer"},
    {"NoSuchHost",
     {E::LoadingFailed, false, false, false, {"ffmpeg: tcp: Failed to resolve hostname x: no"}},
     "%1 could not be opened: no server of that name was found"},
    {"YtDlpMissing",
     {E::LoadingFailed,
      false,
      false,
      false,
      {"ytdl_hook: youtube-dl failed: not found or not enough permissions"}},
     "%1 is a web page, and playing one needs yt-dlp: install yt-dlp (apt install yt-dlp, or pip "
     "install --user yt-dlp)"},
    {"PageWithoutVideo",
     {E::UnknownFormat,
      false,
      false,
      false,
      {"ytdl_hook: ERROR: Unsupported URL: http://h/page.html",
       "ytdl_hook: youtube-dl failed: unexpected error occurred",
       "cplayer: Failed to recognize file format."}},
     "%1 is a page that holds no video"},
    {"YtDlpError",
     {E::LoadingFailed,
      false,
      false,
      false,
      {"ytdl_hook: ERROR: [site] abc: Unable to extract data\nmore", "ytdl_hook: ERROR: second"}},
     "%1 could not be read by yt-dlp ([site] abc: Unable to extract data more); updating yt-dlp "
     "may help"},
    {"LongYtDlpErrorIsCut",
     {E::LoadingFailed, false, false, false, {"ytdl_hook: ERROR: " + std::string(200, 'x')}},
     "%1 could not be read by yt-dlp (" + std::string(120, 'x') + "...); updating yt-dlp may help"},
    {"RefusedByThePlayer",
     {E::None, true, false, false, {}},
     "%1 is not an address this player opens"},
    {"PermissionDenied",
     {E::LoadingFailed, false, true, true, {"file: Cannot open file '/a.mp4': Permission denied"}},
     "%1 could not be read: permission denied"},
    {"NothingKnown", {E::Other, false, true, true, {}}, "%1 could not be played"},
};
INSTANTIATE_TEST_SUITE_P(Table, FailureReasonTest, testing::ValuesIn(kReasons),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FailedLoadTest, KeepsTheFirstLogLinesOnly) {
    FailedLoad load;
    for (std::size_t i = 0; i < FailedLoad::kLogLines + 5; ++i) load.Note(std::to_string(i));
    ASSERT_EQ(load.log.size(), FailedLoad::kLogLines);
    EXPECT_EQ(load.log.front(), "0");
    EXPECT_EQ(load.log.back(), std::to_string(FailedLoad::kLogLines - 1));
}

struct NameCase {
    const char* name;
    std::string reference;
    std::string want;
};

class ShownNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(ShownNameTest, IsTheFileNameOrTheAddress) {
    EXPECT_EQ(ShownName(GetParam().reference), GetParam().want);
}

const NameCase kNames[] = {
    {"Path", "/home/u/clip.mp4", "clip.mp4"},
    {"RelativePath", "clip.mp4", "clip.mp4"},
    {"FileUrl", "file:///home/u/a%20b.mp4", "a b.mp4"},
    {"WebAddress", "http://h/x/y.mp4", "http://h/x/y.mp4"},
};
INSTANTIATE_TEST_SUITE_P(Table, ShownNameTest, testing::ValuesIn(kNames),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rw
