#include "Fakes.h"

#include <utility>

namespace rw::test {

FakeWindow::FakeWindow(Journal& j) : journal(j) {
    checked[Menu::MovieControls] = true;
    for (int i = 0; i <= kRecentUpperBound; ++i) visible[RecentItem(i)] = false;
    visible[Menu::FileSep2] = false;
}

void FakeWindow::MaybeFail(const std::string& op) {
    if (failing.count(op)) throw PlatformError(Service::Window, op + " failed");
}

std::string FakeWindow::Caption() {
    MaybeFail("Caption");
    return caption;
}

void FakeWindow::SetCaption(const std::string& c) {
    MaybeFail("SetCaption");
    caption = c;
    journal.push_back("Caption " + c);
}

void FakeWindow::Show() {
    MaybeFail("Show");
    shown = true;
    journal.push_back("Show");
}

void FakeWindow::Close() {
    MaybeFail("Close");
    journal.push_back("Close");
}

void FakeWindow::ProcessEvents() {
    journal.push_back("Yield");
    auto events = std::move(pendingEvents);
    pendingEvents.clear();
    for (auto& e : events) e();
}

WindowState FakeWindow::State() {
    MaybeFail("State");
    return state;
}

void FakeWindow::SetState(WindowState s) {
    MaybeFail("SetState");
    state = s;
}

RectTwips FakeWindow::Placement() {
    MaybeFail("Placement");
    return placement;
}

void FakeWindow::MoveWindow(double l, double t, double w, double h) {
    MaybeFail("MoveWindow");
    if (w < 15 || h < 15 || w > maxExtent || h > maxExtent)
        throw PlatformError(Service::Window, "refused");
    placement = {l, t, w, h};
    journal.push_back("MoveWindow");
}

void FakeWindow::SetOuterHeight(double h) {
    MaybeFail("SetOuterHeight");
    journal.push_back("SetOuterHeight " + std::to_string(static_cast<long long>(h)));
    if (fullScreen) throw PlatformError(Service::Window, "a full-screen window keeps its size");
    placement.height = h;
    clientHeight = h - frameHeight;
    if (onResize) onResize();
}

double FakeWindow::ClientWidth() {
    MaybeFail("ClientWidth");
    return clientWidth;
}

double FakeWindow::ClientHeight() {
    MaybeFail("ClientHeight");
    return clientHeight;
}

bool FakeWindow::FullScreen() {
    MaybeFail("FullScreen");
    return fullScreen;
}

void FakeWindow::SetFullScreen(bool on) {
    MaybeFail("SetFullScreen");
    journal.push_back(on ? "FullScreen on" : "FullScreen off");
    if (on == fullScreen) return;
    fullScreen = on;
    if (on) {
        normalClientWidth = clientWidth;
        normalClientHeight = clientHeight;
        clientWidth = screenWidth;
        clientHeight = screenHeight;
    } else {
        clientWidth = normalClientWidth;
        clientHeight = normalClientHeight;
    }
    if (onResize) onResize();
}

void FakeWindow::SetTopMost(bool on) {
    MaybeFail("SetTopMost");
    topMost = on;
    journal.push_back(on ? "TopMost on" : "TopMost off");
}

bool FakeWindow::Checked(Menu m) {
    MaybeFail("Checked");
    return checked[m];
}

void FakeWindow::SetChecked(Menu m, bool on) {
    MaybeFail("SetChecked");
    checked[m] = on;
}

bool FakeWindow::Visible(Menu m) {
    auto it = visible.find(m);
    return it == visible.end() ? true : it->second;
}

void FakeWindow::SetVisible(Menu m, bool on) { visible[m] = on; }

std::string FakeWindow::Tag(Menu m) {
    MaybeFail("Tag");
    return tags[m];
}

void FakeWindow::SetFilesVisible(bool on) {
    MaybeFail("SetFilesVisible");
    filesVisible = on;
    journal.push_back(on ? "Files shown" : "Files hidden");
}

std::string FakeWindow::FilesPath() {
    MaybeFail("FilesPath");
    return filesPath;
}

void FakeWindow::SetFilesPath(const std::string& f) {
    MaybeFail("SetFilesPath");
    filesPath = f;
}

void FakeWindow::FocusFiles() {
    MaybeFail("FocusFiles");
    journal.push_back("FocusFiles");
}

void FakeWindow::SetLogoVisible(bool on) {
    logoVisible = on;
    journal.push_back(on ? "Logo shown" : "Logo hidden");
}

void FakeWindow::MoveLogo(double l, double t) { logoPos = RectTwips{l, t, logoWidth, logoHeight}; }

void FakeWindow::ShowPlayer() {
    playerVisible = true;
    journal.push_back("ShowPlayer");
}

void FakeWindow::MovePlayer(double l, double t, double w, double h) {
    playerRect = RectTwips{l, t, w, h};
    journal.push_back("MovePlayer");
}

void FakePlayer::Log(const std::string& entry) {
    const auto name = entry.substr(0, entry.find(' '));
    if (failing.count(name)) throw PlatformError(Service::Player, name + " failed");
    journal.push_back(entry);
}

void FakePlayer::Load(const std::string& r) {
    Log("Load " + r);
    reference = loadFails ? "" : r;
}

std::string FakePlayer::Reference() {
    if (failing.count("Reference")) throw PlatformError(Service::Player, "Reference failed");
    return reference;
}

std::string FakePlayer::MovieRect() {
    Log("MovieRect");
    return rect;
}

std::optional<std::string> FakeSettings::Read(const std::string& s, const std::string& k) {
    if (failAll) throw PlatformError(Service::Settings, "store unreadable");
    reads.push_back(s + "/" + k);
    return Get(s, k);
}

void FakeSettings::Write(const std::string& s, const std::string& k, const std::string& v) {
    if (failAll) throw PlatformError(Service::Settings, "store refuses writes");
    writes.push_back(s + "/" + k);
    values[{s, k}] = v;
}

void FakeSettings::Reload() {
    if (failAll) throw PlatformError(Service::Settings, "store unreadable");
    ++reloads;
    if (onReload) std::exchange(onReload, nullptr)();
}

std::optional<std::string> FakeSettings::Get(const std::string& s, const std::string& k) const {
    auto it = values.find({s, k});
    if (it == values.end()) return std::nullopt;
    return it->second;
}

std::uintmax_t FakeFileSystem::FileLength(const std::string& path) {
    auto it = files.find(path);
    if (it == files.end()) throw PlatformError(Service::Files, "no such file");
    return it->second;
}

std::string FakeDialogs::OpenFile(const std::string& filter, const std::string& title,
                                  const std::optional<std::string>& initialFolder) {
    journal.push_back("OpenFile");
    lastFilter = filter;
    lastTitle = title;
    if (initialFolder) throw PlatformError(Service::Dialogs, "unexpected initial folder");
    return openFileResult;
}

std::string FakeDialogs::InputBox(const std::string& prompt, const std::string& title,
                                  const std::string& initial) {
    journal.push_back("InputBox");
    lastPrompt = prompt;
    lastTitle = title;
    lastInitial = initial;
    return inputResult;
}

MessageAnswer FakeDialogs::MessageOkCancel(const std::string& text, const std::string& title) {
    journal.push_back("Message");
    if (messageFails) throw PlatformError(Service::Dialogs, "cannot show message");
    lastMessage = text;
    lastTitle = title;
    return answer;
}

void FakeDialogs::OpenUrl(const std::string& url) {
    journal.push_back("OpenUrl " + url);
    opened.push_back(url);
}

std::vector<std::string> Rig::Calls(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& e : journal) {
        if (e.rfind(prefix, 0) == 0) out.push_back(e);
    }
    return out;
}

}  // namespace rw::test
