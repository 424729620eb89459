#include <cstdint>
#include <string>

#include "platform/Step.h"
#include "playback/OpenMovie.h"
#include "playback/Transport.h"
#include "sources/RecentList.h"
#include "sources/UrlAndDrops.h"
#include "window/Handlers.h"
#include "window/Numbers.h"
#include "window/Placement.h"
#include "window/Settings.h"

namespace rw {

namespace {

void RestorePlacement(Form& form) {
    IWindow& w = form.window;
    const RectTwips initial = w.Placement();
    std::string centreLeft, centreTop;
    Step([&] {
        centreLeft = std::to_string(CentredOrigin(w.ScreenWidth(), initial.width).value());
    });
    Step([&] {
        centreTop = std::to_string(CentredOrigin(w.ScreenHeight(), initial.height).value());
    });

    ISettingsStore& s = form.settings;
    const StoredPlacement texts{
        ReadSetting(s, kSettingsSection, "Left", centreLeft),
        ReadSetting(s, kSettingsSection, "Top", centreTop),
        ReadSetting(s, kSettingsSection, "Width", FormatSingle(static_cast<float>(initial.width))),
        ReadSetting(s, kSettingsSection, "Height",
                    FormatSingle(static_cast<float>(initial.height)))};
    auto placement = ParsePlacement(texts);
    if (!placement) return;  // not moved at all

    // A placement whose title bar is on no screen (a monitor was removed)
    // would leave the window unreachable: centre it as if none was stored.
    if (!TitleBarOnAnyScreen(*placement, w.TitleBarHeight(), w.Screens())) {
        const auto left = ParseSingle(centreLeft);
        const auto top = ParseNumber(centreTop);
        if (!left || !top) return;
        placement = RectTwips{*left, *top, initial.width, initial.height};
    }
    // A window stored on a larger screen comes back no larger than the one
    // it lands on, with its title bar there; the next exit stores what it
    // then is.
    if (const auto screen = ScreenOf(*placement, w.TitleBarHeight(), w.Screens())) {
        placement = FitToScreen(*placement, w.TitleBarHeight(), *screen);
    }
    w.MoveWindow(placement->left, placement->top, placement->width, placement->height);
}

void RestoreWindowState(Form& form) {
    const auto state = ParseInt16(ReadSetting(form.settings, kSettingsSection, "WindowState", "0"));
    if (!state || *state < 0 || *state > 2) return;  // stays normal
    form.window.SetState(static_cast<WindowState>(*state));
}

void RestoreOption(Form& form, Menu item, const char* key, bool defaultValue) {
    const auto value = ParseBoolean(
        ReadSetting(form.settings, kSettingsSection, key, FormatBoolean(defaultValue)));
    if (value) form.window.SetChecked(item, *value);
}

}  // namespace

void Form_Load(Form& form) {
    std::string movie = AbsoluteTypedReference(form, form.commandLine);

    Step([&] { RestorePlacement(form); });
    Step([&] { RestoreWindowState(form); });

    Step([&] { RestoreOption(form, Menu::MovieSize, "OriginalSize", false); });
    Step([&] { RestoreOption(form, Menu::PlayLastMovie, "PlayLastMovie", false); });
    Step([&] { RestoreOption(form, Menu::MovieLoop, "MovieLoop", false); });
    Step([&] { RestoreOption(form, Menu::MovieControls, "MovieControls", true); });

    std::int16_t slot = 0;
    for (int i = 0; i <= kRecentUpperBound; ++i) {
        const std::string entry = ReadSetting(form.settings, kMruSection, std::to_string(i), "");
        Step([&] { AddRecentEntry(form, entry, slot); });
    }

    // Only a real "True" turns Stay On Top on; an unreadable text leaves it
    // off like an absent key.
    Step([&] {
        const auto topMost =
            ParseBoolean(ReadSetting(form.settings, kSettingsSection, "TopMost", "False"));
        if (topMost.value_or(false)) mnuMovieOnTop_Click(form);
    });

    Step([&] {
        if (movie.empty() && form.window.Checked(Menu::PlayLastMovie)) {
            movie = ReadSetting(form.settings, kSettingsSection, "LastPlayed", "");
        }
    });

    if (!movie.empty()) OpenMovie(form, movie);
}

}  // namespace rw
