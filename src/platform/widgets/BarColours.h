#pragma once

#include <QColor>
#include <QPalette>

namespace rw {

// The play bar's colours, from the desktop's palette. The bar sits under
// the movie, so it is always the dark end of the palette with the light end
// drawn on it: the darker of window and window text, lifted a little toward
// the lighter so that a black end becomes charcoal, and the lighter end for
// the icons, the time and the played part. Qt's default light palette gives
// the bar's long-standing greys; a dark or high-contrast palette brings its
// own pair, so text stays as legible as the desktop made it.
struct BarColours {
    QColor background;
    QColor foreground;
    QColor groove;     // the part of a slider not yet reached
    QColor highlight;  // a slider's played part while the user drags it
};

// `group`: QPalette::Disabled for a disabled bar, its own colours then.
BarColours BarColoursFrom(const QPalette& palette, QPalette::ColorGroup group);

}  // namespace rw
