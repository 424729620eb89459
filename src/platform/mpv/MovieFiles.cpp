#include "platform/mpv/MovieFiles.h"

#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "formats/MacPaint.h"
#include "formats/Pict.h"
#include "formats/Playlists.h"
#include "formats/StillPicture.h"
#include "formats/SubtitleScript.h"
#include "platform/Step.h"
#include "platform/mpv/pure/References.h"
#include "platform/mpv/pure/SubtitleNames.h"

namespace rw {
namespace {

namespace fs = std::filesystem;

// Enough of a file's start to tell what it is.
constexpr std::size_t kHeadBytes = 4096;

// Up to `limit` bytes of a regular file; nothing for anything else (a pipe
// would block), an unreadable file or one longer than `limit` when `whole`.
std::optional<std::string> ReadFile(const std::string& path, std::size_t limit, bool whole) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(limit + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > limit) {
        if (whole) return std::nullopt;
        bytes.resize(limit);
    }
    return bytes;
}

struct Expansion {
    std::vector<std::string> candidates;
    int reads = 0;
    std::vector<std::string> languages;  // the user's, for SMIL's tests
};

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

void Expand(const std::string& reference, int depth, Expansion& out) {
    if (out.candidates.size() >= MovieFiles::kMaxTries) return;
    if (!IsAllowedReference(reference) || !IsOpenable(reference)) return;
    const auto path = LocalPathOf(reference);
    if (path) {
        const auto head = ReadFile(*path, kHeadBytes, false);
        const auto kind = head ? PlaylistKindOf(*path, *head) : std::nullopt;
        if (kind) {
            // A playlist that lists itself, or playlists that list each
            // other, end here.
            if (depth >= MovieFiles::kMaxDepth || out.reads >= MovieFiles::kMaxReads) return;
            ++out.reads;
            const auto text = ReadFile(*path, kMaxPlaylistBytes, true);
            if (!text) return;
            const auto folder = fs::path(*path).parent_path().string();
            const bool latin1 = MayHoldLatin1(*kind, *path);
            for (const auto& entry : ReadPlaylist(*kind, *text, out.languages)) {
                Expand(FindEntry(entry, folder, latin1, &Exists), depth + 1, out);
            }
            return;
        }
    }
    out.candidates.push_back(reference);
}

// The picture as an image to save: its pixels (shared, not copied), or
// white where it has none, with its JPEG bands drawn over them in order.
// Null when a band does not decode.
QImage Composed(StillPicture& picture) {
    QImage image;
    if (!picture.rgba.empty()) {
        image = QImage(picture.rgba.data(), picture.width, picture.height,
                       static_cast<qsizetype>(picture.width) * 4, QImage::Format_RGBA8888);
    } else {
        image = QImage(picture.width, picture.height, QImage::Format_RGB32);
        if (image.isNull()) return {};
        image.fill(Qt::white);
    }
    if (picture.bands.empty()) return image;
    QPainter painter(&image);
    for (const JpegBand& band : picture.bands) {
        QImage jpeg;
        if (!jpeg.loadFromData(
                QByteArrayView(band.jpeg.data(), static_cast<qsizetype>(band.jpeg.size())),
                "JPEG")) {
            return {};
        }
        const QRect source =
            QRect(band.sourceLeft, band.sourceTop, band.sourceWidth, band.sourceHeight)
                .intersected(jpeg.rect());
        if (source.isEmpty()) return {};
        painter.drawImage(QRect(band.left, band.top, band.width, band.height), jpeg, source);
    }
    return image;
}

// Reports what became of a subtitle file (reelwick.player).
void Report(const std::string& what) {
    if (const FailureSink sink = CurrentFailureSink().load()) sink(Service::Player, what.c_str());
}

// The regular files of `folder` that are subtitles of `movie`, sorted. A
// VobSub .sub goes with the .idx of its name, which libmpv opens instead.
std::vector<std::string> SubtitlesIn(const fs::path& folder, const std::string& movie) {
    std::vector<std::string> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code type;
        if (IsSubtitleFor(movie, name) && it->is_regular_file(type)) {
            found.push_back(it->path().string());
        }
    }
    std::sort(found.begin(), found.end());
    std::erase_if(found, [&](const std::string& path) {
        const fs::path file(path);
        if (file.extension() != ".sub") return false;
        return std::binary_search(found.begin(), found.end(),
                                  fs::path(file).replace_extension(".idx").string());
    });
    return found;
}

}  // namespace

bool IsOpenable(const std::string& reference) {
    const auto path = LocalPathOf(reference);
    if (!path) return true;
    std::error_code error;
    const auto type = fs::status(*path, error).type();
    return type != fs::file_type::directory && type != fs::file_type::character &&
           type != fs::file_type::block;
}

std::vector<std::string> MovieFiles::Candidates(const std::string& reference) {
    Expansion out;
    for (const QString& language : QLocale::system().uiLanguages())
        out.languages.push_back(language.toStdString());
    Expand(reference, 0, out);
    return out.candidates;
}

std::optional<std::string> MovieFiles::MpvTarget(const std::string& reference) {
    const auto path = LocalPathOf(reference);
    const auto head = path ? ReadFile(*path, kHeadBytes, false) : std::nullopt;
    if (!head) return ToMpvPath(reference);
    const StillReaders readers = StillReadersFor(*path, *head);
    if (!readers.pict && !readers.macPaint) return ToMpvPath(reference);

    const auto bytes = ReadFile(*path, kMaxStillFileBytes, true);
    std::optional<StillPicture> picture;
    if (bytes && readers.pict) picture = DecodePict(*bytes);
    if (bytes && !picture && readers.macPaint) picture = DecodeMacPaint(*bytes);
    QImage image = picture ? Composed(*picture) : QImage();
    if (image.isNull() && picture && !picture->bands.empty()) {
        // A JPEG band that does not decode: the picture as it is drawn for
        // readers without JPEG.
        picture = DecodePict(*bytes, PictJpeg::Fallback);
        image = picture ? Composed(*picture) : QImage();
    }
    // Not one of ours after all (a .pic of another kind, a file that only
    // looked like one): libmpv may know it, else its load fails.
    if (image.isNull()) return ToMpvPath(reference);

    if (!dir_) dir_ = std::make_unique<QTemporaryDir>();
    if (!dir_->isValid()) return std::nullopt;
    // A new name for every picture: libmpv must not mistake one for another.
    const QString name = dir_->filePath(QStringLiteral("still-%1.png").arg(++count_));
    const bool written = image.save(name, "PNG", 100);
    if (!previous_.empty()) QFile::remove(QString::fromStdString(previous_));
    previous_ = name.toStdString();
    if (!written) return std::nullopt;
    return previous_;
}

std::vector<std::string> MovieFiles::SubtitlesFor(const std::string& reference) {
    subtitleDir_.reset();
    const auto path = LocalPathOf(reference);
    if (!path) return {};
    const fs::path movie(*path);
    std::vector<std::string> files = SubtitlesIn(movie.parent_path(), movie.filename().string());
    for (const std::string_view folder : kSubtitleFolders) {
        const auto more = SubtitlesIn(movie.parent_path() / folder, movie.filename().string());
        files.insert(files.end(), more.begin(), more.end());
    }
    std::vector<std::string> targets;
    for (const auto& file : files) {
        if (auto target = SubtitleTarget(file)) targets.push_back(std::move(*target));
    }
    return targets;
}

std::optional<std::string> MovieFiles::SubtitleTarget(const std::string& path) {
    const auto text = ReadFile(path, kMaxSubtitleBytes, true);
    if (!text) {
        Report("subtitle file left out (no regular file, unreadable or too large): " + path);
        return std::nullopt;
    }
    // Pictures (VobSub, PGS) and Matroska files are not text to check.
    if (text->find('\0') != std::string::npos) return path;
    const BoundedSubtitle bounded = BoundSubtitleText(*text);
    if (bounded.changed == 0) return path;
    if (!subtitleDir_) subtitleDir_ = std::make_unique<QTemporaryDir>();
    // The copy keeps the file's name, which libmpv shows and takes the
    // language from; a folder of its own keeps it apart from other copies.
    const fs::path folder = fs::path(QFile::encodeName(subtitleDir_->path()).toStdString()) /
                            std::to_string(++subtitleCount_);
    const fs::path copy = folder / fs::path(path).filename();
    std::error_code error;
    bool written = subtitleDir_->isValid() && fs::create_directory(folder, error);
    if (written) {
        std::ofstream out(copy, std::ios::binary);
        written = static_cast<bool>(
            out.write(bounded.text.data(), static_cast<std::streamsize>(bounded.text.size())));
    }
    if (!written) {
        Report("subtitle file left out (its sizes could not be brought down): " + path);
        return std::nullopt;
    }
    Report("subtitle file shown with " + std::to_string(bounded.changed) +
           " sizes brought within the screen: " + path);
    return copy.string();
}

}  // namespace rw
