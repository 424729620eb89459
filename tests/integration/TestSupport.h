#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <string>

namespace rw::test {

// Makes a clip with ffmpeg; returns its path, or empty text on failure.
// `video` is an ffmpeg lavfi source such as "color=c=red:s=320x240:d=2".
std::string MakeClip(const QTemporaryDir& dir, const QString& name, const QString& video,
                     bool withAudio = false);

// Mean colour of a square of the image around (x, y).
QColor MeanColour(const QImage& image, int x, int y, int radius = 4);

bool IsRed(const QColor& c);
bool IsBlack(const QColor& c);

// Folder of the third-party media, or empty text when absent.
QString MediaDir();

}  // namespace rw::test
