#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/mpv/pure/References.h"

namespace rw {
namespace {

// A case of a table: a reference and what the function under test makes of
// it. Each table is a suite of its own.
template <typename Want>
struct RefCase {
    std::string ref;
    Want want;
};

template <typename Want>
class RefTable : public testing::TestWithParam<RefCase<Want>> {};

using IsAllowedReferenceTest = RefTable<bool>;
using ToMpvPathTest = RefTable<std::string>;
using LocalPathOfTest = RefTable<std::optional<std::string>>;

TEST_P(IsAllowedReferenceTest, DecidesByScheme) {
    EXPECT_EQ(IsAllowedReference(GetParam().ref), GetParam().want) << GetParam().ref;
}

// Anything without "scheme://" at its start is a file name, as libmpv reads it.
const RefCase<bool> kLocalPaths[] = {
    {"/home/u/movie.mov", true},
    {"movie.mov", true},
    {"../clips/a.mp4", true},
    {"-", true},
    {"/a/b:c.mov", true},
    {"clip:1.mov", true},
    {"av:lavfi", true},
    {"/tmp/edl://x.mov", true},
    {"dir/a://b.mov", true},
    {"1http://x", true},
    {"://x", true},
    {" http://x", true},
    {"C:\\movies\\a.avi", true},
};
INSTANTIATE_TEST_SUITE_P(LocalPaths, IsAllowedReferenceTest, testing::ValuesIn(kLocalPaths));

const RefCase<bool> kAllowedUrls[] = {
    {"file:///home/u/a.mov", true},
    {"FILE:///home/u/a.mov", true},
    {"http://example.com/a.mp4", true},
    {"HTTPS://example.com/a.mp4", true},
    {"rtsp://cam/stream", true},
    {"rtmp://host/live", true},
    {"RtMpS://host/live", true},
    {"mms://host/a", true},
    {"mmsh://host/a", true},
    {"ftp://host/a.mpg", true},
    {"udp://239.0.0.1:1234", true},
    {"rtp://239.0.0.1:5004", true},
    {"srt://host:9000", true},
};
INSTANTIATE_TEST_SUITE_P(AllowedUrls, IsAllowedReferenceTest, testing::ValuesIn(kAllowedUrls));

// libmpv's own schemes, FFmpeg's, and any other.
const RefCase<bool> kRefused[] = {
    {"", false},
    {std::string("/tmp/a.mov\0edl://x", 18), false},
    {"av://lavfi:testsrc", false},
    {"AV://lavfi:testsrc", false},
    {"avdevice://v4l2:/dev/video0", false},
    {"lavf://concat:/etc/passwd", false},
    {"ffmpeg://udp://x", false},
    {"fd://0", false},
    {"fdclose://3", false},
    {"edl://a.mkv,0,5", false},
    {"ytdl://abc", false},
    {"memory://data", false},
    {"hex://6162", false},
    {"mf://*.png", false},
    {"dvd://1", false},
    {"dvdnav://", false},
    {"bd://1", false},
    {"bluray://", false},
    {"cdda://", false},
    {"dvb://1", false},
    {"null://", false},
    {"slice://0-10@a.mkv", false},
    {"appending://a.ts", false},
    {"archive://a.zip", false},
    {"smb://host/share/a.avi", false},
    {"tcp://host:80", false},
    {"data://text", false},
    {"gopher://host", false},
    {"x-custom+1.a://y", false},
    {"httpx://host/a", false},
};
INSTANTIATE_TEST_SUITE_P(Refused, IsAllowedReferenceTest, testing::ValuesIn(kRefused));

TEST_P(ToMpvPathTest, KeepsFileNamesFileNames) {
    EXPECT_EQ(ToMpvPath(GetParam().ref), GetParam().want) << GetParam().ref;
}

// "-" and "file://-" (also %-encoded) would read standard input.
const RefCase<std::string> kPaths[] = {
    {"/home/u/a.mov", "/home/u/a.mov"},
    {"/a/b:c.mov", "/a/b:c.mov"},
    {"a.mov", "./a.mov"},
    {"clip:1.mov", "./clip:1.mov"},
    {"-", "./-"},
    {"../x.mp4", "./../x.mp4"},
    {"file:///home/u/a.mov", "file:///home/u/a.mov"},
    {"File:///a.mov", "File:///a.mov"},
    {"file://-", "file://./-"},
    {"file://%2D", "file://./%2D"},
    {"http://h/a.mp4", "http://h/a.mp4"},
    {"rtsp://h:554/s", "rtsp://h:554/s"},
};
INSTANTIATE_TEST_SUITE_P(All, ToMpvPathTest, testing::ValuesIn(kPaths));

TEST_P(LocalPathOfTest, NamesTheFileLibmpvOpens) {
    EXPECT_EQ(LocalPathOf(GetParam().ref), GetParam().want) << GetParam().ref;
}

const RefCase<std::optional<std::string>> kLocal[] = {
    {"/home/u/a.mov", "/home/u/a.mov"},
    {"a.mov", "a.mov"},
    {"clip:1.mov", "clip:1.mov"},
    {"/a/100%25.mov", "/a/100%25.mov"},
    {"file:///home/u/a.mov", "/home/u/a.mov"},
    {"FILE:///dev/zero", "/dev/zero"},
    {"file:///home/u/My%20Movie.mov", "/home/u/My Movie.mov"},
    {"file:///a/%e2%82%ac.mov", "/a/\xe2\x82\xac.mov"},
    {"file:///a/100%.mov", "/a/100%.mov"},
    {"file:///a/%zz.mov", "/a/%zz.mov"},
    {"file:///a/%4", "/a/%4"},
    {"file://-", "-"},
    {"http://h/a.mp4", std::nullopt},
    {"fd://0", std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(All, LocalPathOfTest, testing::ValuesIn(kLocal));

}  // namespace
}  // namespace rw
