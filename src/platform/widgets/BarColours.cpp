#include "platform/widgets/BarColours.h"

namespace rw {
namespace {

// `from` moved `amount` (0 to 1) of the way to `to`, channel by channel.
QColor Mix(const QColor& from, const QColor& to, double amount) {
    const auto channel = [amount](int a, int b) { return qRound(a + (b - a) * amount); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

}  // namespace

BarColours BarColoursFrom(const QPalette& palette, QPalette::ColorGroup group) {
    const QColor window = palette.color(group, QPalette::Window);
    const QColor text = palette.color(group, QPalette::WindowText);
    const bool lightWindow = window.lightnessF() >= text.lightnessF();
    const QColor dark = lightWindow ? text : window;
    const QColor light = lightWindow ? window : text;
    // With Qt's default palette (#efefef on black) these amounts give the
    // bar's greys: #202020, #e0e0e0 and #585858.
    return {Mix(dark, light, 0.135), Mix(light, dark, 0.063), Mix(dark, light, 0.368),
            palette.color(group, QPalette::Highlight)};
}

}  // namespace rw
