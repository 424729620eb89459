// The player component on libmpv against real third-party media: common and
// rare formats, still images, playlists and deliberately broken files. None
// may crash or hang the player, and it must load a good clip afterwards.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <memory>
#include <string>
#include <vector>

#include "PlayerTestSupport.h"
#include "TestSupport.h"
#include "platform/Step.h"
#include "platform/mpv/MpvPlayer.h"

namespace rw {
namespace {

struct MediaFile {
    QString path;  // relative to the media folder
    QString note;
    QString streams;  // what ffprobe found

    // A file meant to be sound (not marked broken) in which ffprobe found
    // sound or pictures: the player must load it, with or without a picture.
    bool Playable() const {
        return !note.contains("problematic") &&
               (streams.contains("codec_type=video") || streams.contains("codec_type=audio"));
    }
};

std::vector<MediaFile> ReadManifest(const QString& folder) {
    std::vector<MediaFile> files;
    QFile manifest(folder + "/MANIFEST.tsv");
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text)) return files;
    QTextStream lines(&manifest);
    lines.readLine();  // the column names
    while (!lines.atEnd()) {
        const QStringList columns = lines.readLine().split('\t');
        if (columns.size() >= 6 && !columns[0].isEmpty()) {
            files.push_back({columns[0], columns[4], columns[5]});
        }
    }
    return files;
}

TEST(PlayerMedia, PlaysEveryFileOfTheSharedMediaOnce) {
    const QString folder = test::MediaDir();
    if (folder.isEmpty()) {
        GTEST_SKIP() << "no third-party media: set REELWICK_MEDIA_DIR or put them in "
                        "../shared/media beside the source tree";
    }
    const std::vector<MediaFile> files = ReadManifest(folder);
    ASSERT_FALSE(files.empty()) << "MANIFEST.tsv lists no files";

    MpvPlayer player(test::SolidImage(Qt::green, 64, 48));
    ASSERT_TRUE(player.IsAvailable());
    player.resize(640, 480);
    player.show();
    // Some files wait for packets that never come (an .sdp file); keep the
    // whole walk short.
    player.SetLoadTimeout(1500);

    int withRectangle = 0;
    for (const MediaFile& file : files) {
        SCOPED_TRACE(file.path.toStdString());
        const std::string reference = (folder + "/" + file.path).toStdString();
        player.Load(reference);
        std::string rect = "(none)";
        const bool hasRect = Step([&] { rect = player.MovieRect(); });
        if (hasRect) ++withRectangle;
        if (file.Playable()) {
            EXPECT_TRUE(hasRect) << "ffprobe found: " << file.streams.toStdString();
        }
        Step([&] { player.Play(); });
        test::Spin(300);
        Step([&] { player.Pause(); });
        std::printf("  %-50s %-14s %s\n", qPrintable(file.path), rect.c_str(),
                    player.Reference().empty() ? "failed" : "loaded");
    }
    std::printf("  %d of %zu files have a movie rectangle\n", withRectangle, files.size());

    if (test::CanMakeClips()) {
        player.Load(test::ClipPath(test::Clip::Red43));
        std::string rect;
        EXPECT_TRUE(Step([&] { rect = player.MovieRect(); }));
        EXPECT_EQ(rect, "0,0,320,240");
    }
}

}  // namespace
}  // namespace rw
