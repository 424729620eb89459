#include "sources/RecentList.h"

#include <algorithm>

#include "platform/Step.h"
#include "playback/OpenMovie.h"
#include "sources/Paths.h"

namespace rw {

std::string RecentCaption(int index, const std::string& reference) {
    return "&" + std::to_string(index + 1) + ":" + EscapeAmpersands(FileNameOf(reference));
}

void AddRecentEntry(Form& form, const std::string& reference, std::int16_t& slot) {
    if (!MovieFileExists(form.files, reference)) return;
    IWindow& w = form.window;
    Step([&] { w.SetTag(RecentItem(slot), UrlToPath(reference)); });
    Step([&] { w.SetItemCaption(RecentItem(slot), RecentCaption(slot, reference)); });
    Step([&] { w.SetVisible(RecentItem(slot), true); });
    Step([&] { w.SetVisible(Menu::FileSep2, true); });
    ++slot;
}

void PushRecentEntry(Form& form, const std::string& reference) {
    if (!MovieFileExists(form.files, reference)) return;
    IWindow& w = form.window;

    // Listed already (hidden items included): the list keeps its order.
    for (int i = 0; i <= kRecentUpperBound; ++i) {
        bool listed = false;
        Step([&] { listed = SameReference(reference, w.Tag(RecentItem(i))); });
        if (listed) return;
    }

    for (int i = kRecentUpperBound; i >= 1; --i) {
        Step([&] { w.SetTag(RecentItem(i), UrlToPath(w.Tag(RecentItem(i - 1)))); });
        Step([&] { w.SetItemCaption(RecentItem(i), RecentCaption(i, w.Tag(RecentItem(i)))); });
        Step([&] {
            w.SetVisible(RecentItem(i), MovieFileExists(form.files, w.Tag(RecentItem(i))));
        });
    }
    Step([&] { w.SetItemCaption(Menu::Recent0, RecentCaption(0, reference)); });
    Step([&] { w.SetTag(Menu::Recent0, reference); });
    Step([&] { w.SetVisible(Menu::Recent0, true); });
    Step([&] { w.SetVisible(Menu::FileSep2, true); });
}

void mnuRecent_Click(Form& form, int index) {
    std::string reference;
    if (Step([&] { reference = form.window.Tag(RecentItem(index)); })) {
        OpenMovie(form, reference);
    }
}

std::vector<std::optional<std::string>> RecentKeysToWrite(
    const std::vector<std::optional<std::string>>& visible,
    const std::vector<std::optional<std::string>>& stored) {
    std::vector<std::string> listed;  // path forms, from key 0 down
    const auto repeats = [&](const std::string& reference) {
        const std::string path = UrlToPath(reference);
        const bool seen = std::any_of(listed.begin(), listed.end(),
                                      [&](const std::string& p) { return SameReference(p, path); });
        if (!seen) listed.push_back(path);
        return seen;
    };
    std::vector<std::optional<std::string>> writes(visible.size());
    for (std::size_t i = 0; i < visible.size(); ++i) {
        if (visible[i]) {
            writes[i] = !visible[i]->empty() && repeats(*visible[i]) ? "" : *visible[i];
        } else if (i < stored.size() && stored[i] && !stored[i]->empty() && repeats(*stored[i])) {
            writes[i] = "";
        }
    }
    return writes;
}

}  // namespace rw
