#pragma once

class QMenu;
class QWidget;

namespace rw {

// Qt's accessibility leaves a popup menu out of the tree: the application
// lists no popup windows and a widget lists no menus among its children,
// so a menu opened over a widget (not from a menu bar) has a parent that
// does not know it, and a screen reader walking the tree never finds it.
// A widget made a menu host lists the menus parented to it as children of
// its own while they exist.
void HostMenus(QWidget* host);

// Tells assistive technology that `menu`, parented to a host, is now one
// of its children: call before opening it.
void AnnounceHostedMenu(QMenu* menu);

}  // namespace rw
