#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace rw::test {

std::string MakeClip(const QTemporaryDir& dir, const QString& name, const QString& video,
                     bool withAudio) {
    const QString path = dir.filePath(name);
    QStringList args{"-v", "error", "-y", "-f", "lavfi", "-i", video};
    if (withAudio)
        args << "-f"
             << "lavfi"
             << "-i"
             << "sine=frequency=440:duration=2";
    args << "-pix_fmt"
         << "yuv420p";
    if (withAudio) args << "-shortest";
    args << path;
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", args);
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0) return {};
    return path.toStdString();
}

QColor MeanColour(const QImage& image, int x, int y, int radius) {
    long r = 0, g = 0, b = 0, n = 0;
    for (int yy = y - radius; yy <= y + radius; ++yy) {
        for (int xx = x - radius; xx <= x + radius; ++xx) {
            if (!image.valid(xx, yy)) continue;
            const QColor c = image.pixelColor(xx, yy);
            r += c.red();
            g += c.green();
            b += c.blue();
            ++n;
        }
    }
    if (n == 0) return QColor();
    return QColor(int(r / n), int(g / n), int(b / n));
}

bool IsRed(const QColor& c) { return c.red() > 180 && c.green() < 70 && c.blue() < 70; }

bool IsBlack(const QColor& c) { return c.red() < 30 && c.green() < 30 && c.blue() < 30; }

QString MediaDir() {
    QString dir = qEnvironmentVariable("REELWICK_MEDIA_DIR");
    if (dir.isEmpty()) dir = QStringLiteral(REELWICK_SOURCE_DIR "/../shared/media");
    return QFileInfo(dir + "/MANIFEST.tsv").exists() ? QDir(dir).absolutePath() : QString();
}

}  // namespace rw::test
