#pragma once

#include <QString>

class QAccessibleEvent;

namespace rw {

class ControllerBar;

// The play bar's painted parts as assistive technology sees them: children
// of the bar, in this order.
enum class BarPart { Play, Seek, Time, Mute, Volume };

// Teaches Qt's accessibility to build the bar's interface with its parts
// as children (buttons, sliders, a label). Once per program; idempotent.
void InstallControllerBarAccess();

// Tells assistive technology that a part changed because the user changed
// it: the name of Play/Pause, Mute's check state, a slider's value. Not
// for playback's steady advance, which a screen reader would read out
// every second.
void AnnounceBarChange(ControllerBar* bar, BarPart part, double value = 0);

// Where announcements go: to Qt's accessibility, which passes them on only
// while a screen reader listens; a test hears them with a spy of its own
// (nullptr: back to Qt's).
using BarAnnouncementSink = void (*)(QAccessibleEvent* event);
void SetBarAnnouncementSink(BarAnnouncementSink sink);

// Whether the position moved from `before` to `after` by a seek rather
// than by playback: any step back, or a step forward longer than playback
// makes between two reports even at double speed or after a busy moment.
bool IsPositionJump(double before, double after);

// The seek bar's value as a screen reader says it: "1:02 of 5:00", or only
// "1:02" when the length is not known.
QString PositionOfLength(double position, double length);

}  // namespace rw
