#include "platform/mpv/MovieFiles.h"

#include <QFile>
#include <QImage>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "platform/mpv/MacPaint.h"
#include "platform/mpv/Pict.h"
#include "platform/mpv/Playlists.h"
#include "platform/mpv/References.h"

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

std::string LowerExtension(const std::string& path) {
    std::string ext = fs::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

struct Expansion {
    std::vector<std::string> candidates;
    int reads = 0;
};

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
            for (const auto& entry : ReadPlaylist(*kind, *text)) {
                Expand(ResolveEntry(entry, folder), depth + 1, out);
            }
            return;
        }
    }
    out.candidates.push_back(reference);
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
    Expand(reference, 0, out);
    return out.candidates;
}

std::optional<std::string> MovieFiles::MpvTarget(const std::string& reference) {
    const auto path = LocalPathOf(reference);
    const auto head = path ? ReadFile(*path, kHeadBytes, false) : std::nullopt;
    if (!head) return ToMpvPath(reference);
    const auto ext = LowerExtension(*path);
    const bool pictMagic = LooksLikePict(*head);
    const bool macMagic = LooksLikeMacPaint(*head);
    const bool pict = pictMagic || ext == ".pict" || ext == ".pic" || ext == ".pct";
    const bool mac = macMagic || ext == ".mac" || ext == ".pnt" || ext == ".pntg";
    if (!pict && !mac) return ToMpvPath(reference);

    std::optional<StillPicture> picture;
    if (const auto bytes = ReadFile(*path, kMaxStillFileBytes, true)) {
        if (pict) picture = DecodePict(*bytes);
        if (!picture && mac) picture = DecodeMacPaint(*bytes);
    }
    if (!picture) {
        // Named so but not one of ours (a .pic of another kind): libmpv may
        // know it. One that says it is ours by its content is refused.
        if (pictMagic || macMagic) return std::nullopt;
        return ToMpvPath(reference);
    }

    if (!dir_) dir_ = std::make_unique<QTemporaryDir>();
    if (!dir_->isValid()) return std::nullopt;
    // A new name for every picture: libmpv must not mistake one for another.
    const QString name = dir_->filePath(
        QStringLiteral("still-%1.%2").arg(++count_).arg(picture->jpeg.empty() ? "png" : "jpg"));
    bool written = false;
    if (!picture->jpeg.empty()) {
        QFile file(name);
        written = file.open(QIODevice::WriteOnly) &&
                  file.write(picture->jpeg.data(), static_cast<qint64>(picture->jpeg.size())) ==
                      static_cast<qint64>(picture->jpeg.size());
    } else {
        const QImage image(picture->rgba.data(), picture->width, picture->height,
                           static_cast<qsizetype>(picture->width) * 4, QImage::Format_RGBA8888);
        written = image.save(name, "PNG", 100);
    }
    if (!previous_.empty()) QFile::remove(QString::fromStdString(previous_));
    previous_ = name.toStdString();
    if (!written) return std::nullopt;
    return previous_;
}

}  // namespace rw
