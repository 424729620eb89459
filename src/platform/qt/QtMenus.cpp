#include "platform/qt/QtMenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "film/CommandTable.h"
#include "film/Commands.h"
#include "platform/Step.h"
#include "platform/qt/QtKeys.h"
#include "platform/qt/Text.h"

namespace rw {
namespace {

enum class Kind { Plain, Checkable, Separator };

struct ItemDef {
    int menu;  // 0 File, 1 Movie, 2 Help
    Menu item;
    const char* caption;
    Kind kind;
    bool checked;
    bool visible;
};

// The menu tree in menu order, with every caption and initial state. The
// items' shortcuts are the key table's (film/CommandTable.h).
constexpr ItemDef kItems[] = {
    {0, Menu::FileOpen, QT_TRANSLATE_NOOP("File menu", "&Open..."), Kind::Plain, false, true},
    {0, Menu::FileOpenURL, QT_TRANSLATE_NOOP("File menu", "Open &URL..."), Kind::Plain, false,
     true},
    {0, Menu::FileList, QT_TRANSLATE_NOOP("File menu", "&Show List"), Kind::Plain, false, true},
    {0, Menu::FileSep1, "", Kind::Separator, false, true},
    {0, Menu::Recent0, "", Kind::Plain, false, false},
    {0, Menu::Recent1, "", Kind::Plain, false, false},
    {0, Menu::Recent2, "", Kind::Plain, false, false},
    {0, Menu::Recent3, "", Kind::Plain, false, false},
    {0, Menu::Recent4, "", Kind::Plain, false, false},
    {0, Menu::Recent5, "", Kind::Plain, false, false},
    {0, Menu::Recent6, "", Kind::Plain, false, false},
    {0, Menu::Recent7, "", Kind::Plain, false, false},
    {0, Menu::FileSep2, "", Kind::Separator, false, false},
    {0, Menu::FileExit, QT_TRANSLATE_NOOP("File menu", "E&xit"), Kind::Plain, false, true},
    {1, Menu::MoviePlay, QT_TRANSLATE_NOOP("Movie menu", "&Play"), Kind::Plain, false, true},
    {1, Menu::MoviePause, QT_TRANSLATE_NOOP("Movie menu", "&Pause"), Kind::Plain, false, true},
    {1, Menu::MovieRewind, QT_TRANSLATE_NOOP("Movie menu", "&Rewind"), Kind::Plain, false, true},
    {1, Menu::MovieSep1, "", Kind::Separator, false, true},
    {1, Menu::MovieControls, QT_TRANSLATE_NOOP("Movie menu", "Show Controls"), Kind::Checkable,
     true, true},
    {1, Menu::MovieLoop, QT_TRANSLATE_NOOP("Movie menu", "Loop Movie"), Kind::Checkable, false,
     true},
    {1, Menu::PlayLastMovie, QT_TRANSLATE_NOOP("Movie menu", "Play Last Movie at Startup"),
     Kind::Checkable, false, true},
    {1, Menu::MovieSize, QT_TRANSLATE_NOOP("Movie menu", "Original Size"), Kind::Checkable, false,
     true},
    {1, Menu::MovieSep2, "", Kind::Separator, false, true},
    {1, Menu::MovieOnTop, QT_TRANSLATE_NOOP("Movie menu", "Stay On &Top"), Kind::Checkable, false,
     true},
    {2, Menu::HelpAbout, QT_TRANSLATE_NOOP("Help menu", "&About..."), Kind::Plain, false, true},
};
static_assert(std::size(kItems) == kMenuItemCount);

// The translation context of each menu's items: one per menu, so that a
// translator sees which access keys must differ.
constexpr const char* kMenuContexts[] = {"File menu", "Movie menu", "Help menu"};

// The key table's shortcut for the item's command; none for an item without.
QKeySequence ShortcutOf(Menu item) {
    const Command command = ActionOfMenu(item).command;
    for (const KeyRow& row : kKeyTable) {
        if (row.time == KeyTime::Shortcut && row.action.command == command)
            return QKeySequence(QKeyCombination(QtModifiersOf(row.modifiers),
                                                static_cast<Qt::Key>(QtKeyOf(row.key))));
    }
    return {};
}

}  // namespace

QtMenus::QtMenus(QMenuBar* bar, std::function<void(Menu)> onTriggered)
    : onTriggered_(std::move(onTriggered)) {
    QMenu* menus[] = {bar->addMenu(QCoreApplication::translate("Menu bar", "&File")),
                      bar->addMenu(QCoreApplication::translate("Menu bar", "&Movie")),
                      bar->addMenu(QCoreApplication::translate("Menu bar", "&Help"))};
    for (const ItemDef& def : kItems) {
        QMenu* menu = menus[def.menu];
        // Shown in the user's language; the logic reads and sets the English
        // caption (Caption), and the shortcut comes from the key table.
        auto* action =
            new QAction(QCoreApplication::translate(kMenuContexts[def.menu], def.caption), menu);
        action->setSeparator(def.kind == Kind::Separator);
        action->setCheckable(def.kind == Kind::Checkable);
        action->setChecked(def.checked);
        action->setVisible(def.visible);
        action->setData(QByteArray());
        if (const QKeySequence keys = ShortcutOf(def.item); !keys.isEmpty())
            action->setShortcut(keys);
        // Shortcuts fire from anywhere in the window, menu bar closed or not.
        action->setShortcutContext(Qt::WindowShortcut);
        menu->addAction(action);
        const Menu item = def.item;
        QObject::connect(action, &QAction::triggered, action,
                         [this, item, action](bool checked) { Triggered(item, action, checked); });
        actions_[static_cast<std::size_t>(item)] = action;
        captions_[static_cast<std::size_t>(item)] = def.caption;
    }
}

void QtMenus::Triggered(Menu item, QAction* action, bool checkedNow) {
    // Qt flips a checkable item's mark before `triggered`; the logic owns the
    // mark and flips it itself, so undo Qt's flip first.
    if (action->isCheckable()) action->setChecked(!checkedNow);
    if (onTriggered_) Step([&] { onTriggered_(item); });
}

QAction* QtMenus::Action(Menu item) const {
    const auto index = static_cast<std::size_t>(item);
    if (index >= actions_.size()) throw PlatformError(Service::Window, "no such menu item");
    return actions_[index];
}

bool QtMenus::Checked(Menu item) const { return Action(item)->isChecked(); }

void QtMenus::SetChecked(Menu item, bool on) {
    QAction* action = Action(item);
    if (on) action->setCheckable(true);
    action->setChecked(on);
}

bool QtMenus::Visible(Menu item) const { return Action(item)->isVisible(); }

void QtMenus::SetVisible(Menu item, bool on) { Action(item)->setVisible(on); }

std::string QtMenus::Caption(Menu item) const {
    const QAction* action = Action(item);
    return action->isSeparator() ? std::string("-") : captions_[static_cast<std::size_t>(item)];
}

void QtMenus::SetCaption(Menu item, const std::string& caption) {
    QAction* action = Action(item);
    // "-" as the whole caption makes a separator line; the text stays empty
    // because some styles draw a separator's text as a section title.
    const bool separator = caption == "-";
    action->setSeparator(separator);
    // A recent item's caption holds a file name, which need not be UTF-8: the
    // menu shows it readably, and the caption itself is kept as given.
    action->setText(separator ? QString() : ToReadableQString(caption));
    captions_[static_cast<std::size_t>(item)] = separator ? std::string() : caption;
}

// The Tag is a movie reference: bytes, kept as bytes.
std::string QtMenus::Tag(Menu item) const {
    const QByteArray tag = Action(item)->data().toByteArray();
    return std::string(tag.constData(), static_cast<std::size_t>(tag.size()));
}

void QtMenus::SetTag(Menu item, const std::string& tag) {
    Action(item)->setData(QByteArray(tag.data(), static_cast<qsizetype>(tag.size())));
}

}  // namespace rw
