#pragma once

// Which kinds of file the program plays, measured on files opened one after
// another in a running program, and the Markdown table that tells it
// (docs/formats.md is made from it by scripts/formats_table.sh).

#include <QImage>
#include <QString>
#include <QStringList>
#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"

namespace rw {
class Program;
}

namespace rw::test {

// What the player made of one file. It plays when the player keeps it
// loaded with a movie rectangle and its playback gets under way: the clock
// moves, or a still picture reaches its end.
struct Outcome {
    bool loaded = false;  // the player kept the reference
    std::string rect;     // its movie rectangle, empty when none
    bool underWay = false;
    bool logo = false;   // no picture: the player shows the logo
    bool sound = false;  // the player selected a sound track
    bool Plays() const { return loaded && !rect.empty() && underWay; }
    QString Picture() const;
};

class Measurer {
  public:
    explicit Measurer(Program& program) : program_(program) {}

    // What the player shows of a file without a picture: the logo.
    void LearnTheLogo(const std::string& soundOnly);
    // The same window for every file, so that files of the same shape are
    // laid out alike and their snapshots compare: before each open.
    void Prepare();
    // What the player made of the file opened last; leaves it paused.
    Outcome Measure();
    // Prepares, opens the file as a person would, and measures.
    Outcome Open(const std::string& path);

  private:
    QImage Snapshot();

    Program& program_;
    QImage logo_;
};

// What a person gets of a file, best last.
enum class Verdict { Nothing, Sound, Picture };

struct Row {
    MediaFile sample;
    Outcome outcome;

    // The logo in place of a picture is playing only when there is sound.
    Verdict Got() const;
    QString Told() const;
};

// The rows of each extension.
using Rows = std::map<QString, std::vector<Row>>;

// The filter's extensions by the best that a sample in good shape gave, or
// that the sample set has none in good shape.
struct Summary {
    QStringList picture, sound, nothing, untried;
};

Summary Summarize(const QStringList& extensions, const Rows& rows);
// The extensions of the Open dialog's "QuickTime Files" filter, in its
// order: "mov", "qt", ...
QStringList FilterExtensions();
// The whole of docs/formats.md.
QString Table(const QStringList& extensions, const Rows& rows);

}  // namespace rw::test
