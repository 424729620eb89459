#include "platform/qt/QtFilmServices.h"

#include <QAction>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMenu>
#include <QMessageBox>
#include <QPromise>
#include <QStandardPaths>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>

#include "formats/Playlists.h"
#include "platform/Step.h"
#include "platform/qt/FileList.h"
#include "platform/qt/MenuAccess.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/Text.h"
#include "sources/OpenDialog.h"
#include "sources/Paths.h"

namespace rw {
namespace {

// Each item tells `chosen` when it is triggered, from a submenu as well.
void AddEntries(QMenu& menu, const std::vector<MenuEntry>& entries, std::optional<Action>& chosen) {
    for (const MenuEntry& entry : entries) {
        if (entry.IsSeparator()) {
            menu.addSeparator();
        } else if (entry.IsSubmenu()) {
            QMenu* sub = menu.addMenu(QString::fromStdString(entry.caption));
            sub->setEnabled(entry.enabled);
            AddEntries(*sub, entry.children, chosen);
        } else {
            QAction* action = menu.addAction(QString::fromStdString(entry.caption));
            action->setEnabled(entry.enabled);
            action->setCheckable(entry.checkable);
            action->setChecked(entry.checked);
            if (entry.captionIsName) action->setProperty(kCaptionIsNameProperty, true);
            QObject::connect(action, &QAction::triggered, &menu,
                             [&chosen, choice = entry.action] { chosen = choice; });
        }
    }
}

// The Open dialog's first filter, the kinds of movie file the program plays.
NamePatterns MoviePatterns(const std::string& alsoExtension) {
    const auto filters = ParseFilter(kOpenFilter);
    QStringList patterns;
    if (!alsoExtension.empty()) patterns << "*." + ToQString(alsoExtension);
    if (!filters.empty()) {
        for (const auto& pattern : filters.front().patterns)
            patterns << QString::fromStdString(pattern);
    }
    return NamePatterns(patterns);
}

// The extension of the filter's first pattern ("*.png": "png"); empty when
// that pattern is no plain extension.
QString FilterExtension(const std::string& filter) {
    const auto filters = ParseFilter(filter);
    if (filters.empty() || filters.front().patterns.empty()) return {};
    const QString pattern = ToQString(filters.front().patterns.front()).trimmed();
    const QString extension = pattern.mid(2);
    if (!pattern.startsWith(QLatin1String("*.")) || extension.isEmpty() ||
        extension.contains(QLatin1Char('*')) || extension.contains(QLatin1Char('?')))
        return {};
    return extension;
}

// A Save dialog whose chosen name always ends in its extension, and which
// asks about replacing the file of that name, the one that is written. Qt's
// default suffix alone is not enough: it is given only to a name without
// any dot, and its question would be about "shot.v2" while "shot.v2.png" is
// written.
class SaveFileDialog final : public QFileDialog {
  public:
    SaveFileDialog(QWidget* parent, const QString& title, QString extension)
        : QFileDialog(parent, title), extension_(std::move(extension)) {}

    // The path to write, once accepted.
    QString Chosen() const { return chosen_; }

  protected:
    void accept() override {
        const QStringList files = selectedFiles();
        // Qt's own handling enters a folder typed or picked.
        if (files.size() != 1 || QFileInfo(files.first()).isDir()) {
            QFileDialog::accept();
            return;
        }
        QString path = files.first();
        const std::string name = ToStdString(QFileInfo(path).fileName());
        if (!extension_.isEmpty() && ExtensionOf(name) != ToStdString(extension_.toLower()))
            path += QLatin1Char('.') + extension_;
        const QFileInfo written(path);
        if (written.exists()) {
            const QString question =
                QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                    .arg(written.fileName());
            if (QMessageBox::warning(this, windowTitle(), question,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) != QMessageBox::Yes)
                return;
        }
        chosen_ = path;
        QDialog::accept();
    }

  private:
    QString extension_;
    QString chosen_;
};

}  // namespace

QtFilmServices::QtFilmServices(QWidget* parent, Listed listed)
    : parent_(parent), listed_(std::move(listed)) {}

QtFilmServices::~QtFilmServices() {
    if (reader_) reader_->future().cancel();
}

QPoint QtFilmServices::MovieCentre() const {
    const QWidget* over = player_ && player_->isVisible() ? player_.data() : logo_.data();
    if (over == nullptr || !over->isVisible()) over = parent_;
    return over != nullptr ? over->mapToGlobal(over->rect().center()) : QCursor::pos();
}

void QtFilmServices::SetMovieArea(QWidget* player, QWidget* logo) {
    player_ = player;
    logo_ = logo;
    HostMenus(player);
    HostMenus(logo);
}

// The movie area the menu opens over, so that screen readers find the menu
// as its child; the window when neither is shown.
QWidget* QtFilmServices::MenuParent() const {
    if (player_ && player_->isVisible()) return player_;
    if (logo_ && logo_->isVisible()) return logo_;
    return parent_;
}

std::optional<Action> QtFilmServices::PopupMenu(const std::vector<MenuEntry>& entries,
                                                bool overMovie) {
    if (open_) throw PlatformError(Service::Window, "the menu on the movie is already open");
    QMenu menu(MenuParent());
    menu.setObjectName(QStringLiteral("movieMenu"));
    std::optional<Action> chosen;
    AddEntries(menu, entries, chosen);
    AnnounceHostedMenu(&menu);
    open_ = &menu;
    const QPoint at = overMovie ? MovieCentre() : anchor_.value_or(QCursor::pos());
    anchor_.reset();
    menu.exec(at);
    open_ = nullptr;
    return chosen;
}

std::string QtFilmServices::SaveFileName(const std::string& title, const std::string& initialPath,
                                         const std::string& filter) {
    SaveFileDialog dialog(parent_, QString::fromStdString(title), FilterExtension(filter));
    // Qt's own dialog, as for Open: the same everywhere.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(QtNameFilters(filter));
    dialog.selectFile(ToQString(initialPath));
    if (dialog.exec() != QDialog::Accepted || dialog.Chosen().isEmpty()) return {};
    return ToStdString(dialog.Chosen());
}

std::string QtFilmServices::OpenFileName(const std::string& title, const std::string& initialFolder,
                                         const std::string& filter) {
    const QString chosen = QFileDialog::getOpenFileName(
        parent_, QString::fromStdString(title), ToQString(initialFolder),
        QtNameFilters(filter).join(QStringLiteral(";;")));
    return chosen.isEmpty() ? std::string() : ToStdString(chosen);
}

bool QtFilmServices::IsPresentation(const std::string& path) {
    // A plain file only: opening a named pipe or a device would wait on it.
    const QString name = ToQString(path);
    if (!QFileInfo(name).isFile()) return false;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return false;
    // The first element decides, and it comes early.
    const QByteArray head = file.read(4096);
    const std::string fileName = ToStdString(QFileInfo(name).fileName());
    return PlaylistKindOf(fileName, std::string_view(head.constData(), head.size())) ==
           PlaylistKind::Smil;
}

std::string QtFilmServices::PicturesFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return ToStdString(folder);
}

void QtFilmServices::ListFolder(const std::string& folder, const std::string& alsoExtension) {
    if (reader_) {
        // Deleting the watcher drops whatever the older listing reports.
        reader_->future().cancel();
        delete reader_;
    }
    auto* reader = new QFutureWatcher<std::vector<std::string>>(this);
    reader_ = reader;
    connect(reader, &QFutureWatcherBase::finished, this, [this, reader, folder] {
        const auto done = reader->future();
        if (reader_ == reader) reader_ = nullptr;
        reader->deleteLater();
        if (done.isCanceled() || done.resultCount() == 0) return;
        if (listed_) Step([&] { listed_(folder, done.result()); });
    });
    reader->setFuture(QtConcurrent::run(
        [folder = ToQString(folder), alsoExtension](QPromise<std::vector<std::string>>& promise) {
            const QStringList names = ReadFolderNames(folder, MoviePatterns(alsoExtension),
                                                      [&promise] { return promise.isCanceled(); });
            std::vector<std::string> result;
            result.reserve(static_cast<std::size_t>(names.size()));
            for (const QString& name : names) result.push_back(ToStdString(name));
            promise.addResult(std::move(result));
        }));
}

}  // namespace rw
