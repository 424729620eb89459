#include "platform/qt/LatinKeys.h"

#include <QGuiApplication>

// After Qt: Xlib defines macros (None, KeyPress, Bool) that Qt's headers use as names.
#include <X11/XKBlib.h>

namespace rw {
namespace {

bool IsLatin1(std::uint32_t keysym) { return keysym >= 0x20 && keysym <= 0xff; }

std::uint32_t SymbolAt(const KeyboardGroups& keyboard, std::uint32_t keycode, std::size_t group) {
    if (keycode < keyboard.minKeycode || keycode - keyboard.minKeycode >= keyboard.keys.size())
        return 0;
    const auto& groups = keyboard.keys[keycode - keyboard.minKeycode];
    return group < groups.size() ? groups[group] : 0;
}

// The first group whose letters are Latin: a Russian layout has Latin-1
// punctuation, but on other keys than a Latin layout has it.
std::size_t FirstLatinGroup(const KeyboardGroups& keyboard) {
    std::size_t first = SIZE_MAX;
    for (const auto& groups : keyboard.keys) {
        for (std::size_t group = 0; group < groups.size() && group < first; ++group) {
            if (groups[group] >= 'a' && groups[group] <= 'z') first = group;
        }
    }
    return first;
}

}  // namespace

std::uint32_t LatinKeysymOf(const KeyboardGroups& keyboard, std::uint32_t keycode, bool physical) {
    if (keycode < keyboard.minKeycode || keycode - keyboard.minKeycode >= keyboard.keys.size())
        return 0;
    const auto& groups = keyboard.keys[keycode - keyboard.minKeycode];
    if (physical) {
        const std::size_t latin = FirstLatinGroup(keyboard);
        return latin < groups.size() && IsLatin1(groups[latin]) ? groups[latin] : 0;
    }
    // Layouts count in the order the user listed them, as in Qt's own
    // shortcut matching.
    for (std::size_t group = 0; group < groups.size(); ++group) {
        const std::uint32_t sym = groups[group];
        if (!IsLatin1(sym)) continue;
        // An earlier layout that puts the symbol on another key gives it to
        // that key: one letter never stands for two keys.
        for (std::size_t earlier = 0; earlier < group; ++earlier) {
            for (std::size_t other = 0; other < keyboard.keys.size(); ++other) {
                if (SymbolAt(keyboard, keyboard.minKeycode + static_cast<std::uint32_t>(other),
                             earlier) == sym)
                    return 0;
            }
        }
        return sym;
    }
    return 0;
}

KeyboardGroups CurrentKeyboardGroups() {
    KeyboardGroups keyboard;
    const auto* x11 = qGuiApp != nullptr
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                          : nullptr;
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr) return keyboard;
    // Asks the server each time (one round trip): the keymap that Xlib keeps
    // is refreshed only by events that Qt, owning the connection's events,
    // never passes to it.
    XkbDescPtr desc = XkbGetMap(display, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd);
    if (desc == nullptr) return keyboard;
    if (desc->map != nullptr && desc->min_key_code <= desc->max_key_code) {
        keyboard.minKeycode = desc->min_key_code;
        for (int code = desc->min_key_code; code <= desc->max_key_code; ++code) {
            std::vector<std::uint32_t> groups;
            const int count = XkbKeyNumGroups(desc, code);
            for (int group = 0; group < count; ++group) {
                groups.push_back(
                    XkbKeyGroupWidth(desc, code, group) > 0
                        ? static_cast<std::uint32_t>(XkbKeySymEntry(desc, code, 0, group))
                        : 0);
            }
            keyboard.keys.push_back(std::move(groups));
        }
    }
    XkbFreeKeyboard(desc, 0, True);
    return keyboard;
}

std::uint32_t LatinKeysymOnX(std::uint32_t keycode, bool physical) {
    return LatinKeysymOf(CurrentKeyboardGroups(), keycode, physical);
}

}  // namespace rw
