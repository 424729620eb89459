#pragma once

namespace rw {

// Whether the session has a bus to talk to, settled once at start-up,
// before anything asks for one.
//
// Without DBUS_SESSION_BUS_ADDRESS (and without a per-user bus socket in
// $XDG_RUNTIME_DIR, which libdbus finds by itself), the first request for
// the session bus makes libdbus "autolaunch" one: it runs dbus-launch, which
// starts a bus daemon that outlives the program, and start and exit wait
// for it. Qt's accessibility bridge asks for the session bus as soon as the
// window is built. So where there is no bus, this sets the address to
// "disabled:", a transport libdbus does not know: every request fails at
// once and nothing is launched, for the program and its children alike.
// Call before the first widget exists; later calls return the same answer.
bool PrepareSessionBus();

}  // namespace rw
