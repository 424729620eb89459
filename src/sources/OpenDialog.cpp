#include "sources/OpenDialog.h"

#include "platform/Step.h"
#include "platform/Tr.h"
#include "playback/OpenMovie.h"

namespace rw {

const char* const kOpenFilter =
    "QuickTime Files|*.mov;*.qt;*.avi;*.vfw;*.mp2;*.mpm;*.mpa;*.mp4;*.mpg4;*.mp3;*.mpg;*.mpeg;"
    "*.wav;*.mid;*.au;*.snd;*.aif;*.gif;*.jpg;*.png;*.bmp;*.tif;*.tiff;*.swf;*.tga;*.psd;*.rtsp;"
    "*.sdp;*.smi;*.smil;*.sml;*.flc;*.fli;*.ulw;*.midi;*.kar;*.smf;*.qcp;*.sd2;*.gsm;*.aiff;"
    "*.cdda;*.aifc;*.m1s;*.m1a;*.swa;*.m3u;*.pnt;*.mac;*.pict;*.pic;*.pct;*.qtif;*.qti;*.sgi;"
    "*.rgb;*.dv;*.dif;*.fpx;*.jpeg|All files (*.*)|*.*";

// The filters' names are translated where the dialog shows them, in the
// context "Dialogs" (QtNameFilters); the patterns stay as they are.
[[maybe_unused]] constexpr const char* kFilterNames[] = {
    RW_TR_NOOP("Dialogs", "QuickTime Files"), RW_TR_NOOP("Dialogs", "All files (*.*)"),
    RW_TR_NOOP("Dialogs", "Subtitle Files"), RW_TR_NOOP("Dialogs", "PNG Images")};

const char* const kFolderListPattern =
    "*.mov;*.qt;*.avi;*.vfw;*.mp2;*.mpm;*.mpa;*.mp4;*.mpg4;*.mp3;*.mpg;*.mpeg;*.wav;*.mid;*.au;"
    "*.snd;*.aif;*.gif;*.jpg;*.png;*.bmp;*.tif;*.tiff;*.swf;*.tga;*.psd;*.rtsp;*.sdp;*.smi;"
    "*.smil;*.sml;*.flc;*.fli;*.ulw;*.midi;*.kar;*.smf;*.qcp;*.sd2;*.gsm;*.aiff";

namespace {

std::vector<std::string> Split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t pos = text.find(sep); pos != std::string::npos; pos = text.find(sep, start)) {
        parts.push_back(text.substr(start, pos - start));
        start = pos + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

std::vector<NameFilter> ParseFilter(const std::string& filter) {
    std::string text = filter;
    if (text.empty()) return {};
    if (text.back() != '|') text += '|';
    text.pop_back();  // every part now ends at a "|" or at the end
    const auto parts = Split(text, '|');
    std::vector<NameFilter> filters;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        NameFilter f{parts[i], {}};
        if (i + 1 < parts.size()) {
            for (auto& p : Split(parts[i + 1], ';')) {
                if (!p.empty()) f.patterns.push_back(p);
            }
        }
        filters.push_back(std::move(f));
    }
    return filters;
}

std::string ShowOpenDialog(Form& form, const std::string& filter, const std::string& title,
                           const std::optional<std::string>& initialFolder) {
    std::string chosen;
    Step([&] { chosen = form.dialogs.OpenFile(filter, title, initialFolder); });
    return chosen;
}

void mnuFileOpen_Click(Form& form) {
    const std::string chosen =
        ShowOpenDialog(form, kOpenFilter, RW_TR("Dialogs", "Open File"), std::nullopt);
    if (chosen.empty()) return;
    OpenMovie(form, chosen);
}

}  // namespace rw
