#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/Step.h"
#include "sources/RecentList.h"
#include "window/Handlers.h"
#include "window/Numbers.h"
#include "window/Settings.h"

namespace rw {

namespace {

void WriteTwips(Form& form, const char* key, double twips) {
    form.settings.Write(kSettingsSection, key, FormatSingle(static_cast<float>(twips)));
}

void WriteOption(Form& form, const char* key, Menu item) {
    form.settings.Write(kSettingsSection, key, FormatBoolean(form.window.Checked(item)));
}

}  // namespace

void Form_Unload(Form& form) {
    std::optional<WindowState> state;
    Step([&] { state = form.window.State(); });

    // Only a normal window's placement is its own; maximized or minimized,
    // the store keeps the last normal one.
    if (state == WindowState::Normal) {
        RectTwips p;
        if (Step([&] { p = form.window.Placement(); })) {
            Step([&] { WriteTwips(form, "Left", p.left); });
            Step([&] { WriteTwips(form, "Top", p.top); });
            Step([&] { WriteTwips(form, "Width", p.width); });
            Step([&] { WriteTwips(form, "Height", p.height); });
        }
    }
    if (state && *state != WindowState::Minimized) {
        Step([&] {
            form.settings.Write(kSettingsSection, "WindowState",
                                std::to_string(static_cast<int>(*state)));
        });
    }

    Step([&] { form.settings.Write(kSettingsSection, "LastPlayed", form.player.Reference()); });

    Step([&] { WriteOption(form, "TopMost", Menu::MovieOnTop); });
    Step([&] { WriteOption(form, "OriginalSize", Menu::MovieSize); });
    Step([&] { WriteOption(form, "PlayLastMovie", Menu::PlayLastMovie); });
    Step([&] { WriteOption(form, "MovieLoop", Menu::MovieLoop); });
    Step([&] { WriteOption(form, "MovieControls", Menu::MovieControls); });

    // The visible items' tags, each under its own index. A hidden item's
    // key keeps what the file holds now, which another window may have
    // written since start-up: it is read afresh, so that no movie is
    // written twice.
    std::vector<std::optional<std::string>> visible(kRecentUpperBound + 1), stored(visible.size());
    for (int i = 0; i <= kRecentUpperBound; ++i) {
        Step([&] {
            if (form.window.Visible(RecentItem(i))) visible[i] = form.window.Tag(RecentItem(i));
        });
    }
    if (std::find(visible.begin(), visible.end(), std::nullopt) != visible.end()) {
        Step([&] { form.settings.Reload(); });
        for (int i = 0; i <= kRecentUpperBound; ++i) {
            if (!visible[i])
                Step([&] { stored[i] = form.settings.Read(kMruSection, std::to_string(i)); });
        }
    }
    const auto writes = RecentKeysToWrite(visible, stored);
    for (int i = 0; i <= kRecentUpperBound; ++i) {
        if (writes[i])
            Step([&] { form.settings.Write(kMruSection, std::to_string(i), *writes[i]); });
    }
}

void mnuFileExit_Click(Form& form) {
    Step([&] { form.window.Close(); });
}

}  // namespace rw
