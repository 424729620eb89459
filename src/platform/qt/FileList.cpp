#include "platform/qt/FileList.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCollator>
#include <QCollatorSortKey>
#include <QCoreApplication>
#include <QDir>
#include <QFutureWatcher>
#include <QKeyEvent>
#include <QLocale>
#include <QPromise>
#include <QStringListModel>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <filesystem>
#include <numeric>
#include <system_error>
#include <vector>

#include "platform/Step.h"
#include "platform/qt/Text.h"
#include "sources/OpenDialog.h"

namespace rw {
namespace {

// How many names pass between two looks at the cancel flag.
constexpr int kCancelCheckEvery = 1024;

bool IsPlainExtension(QStringView extension) {
    return !extension.isEmpty() && !extension.contains(QLatin1Char('.')) &&
           !extension.contains(QLatin1Char('*')) && !extension.contains(QLatin1Char('?')) &&
           !extension.contains(QLatin1Char('['));
}

// Natural order: "clip2" before "clip10", letter case aside. Under the C
// locale the collator knows no numeric order, so it gets a real language.
QCollator NaturalCollator() {
    QLocale locale;
    if (locale.language() == QLocale::C) locale = QLocale(QLocale::English);
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

// Plain files and links to them; not folders, devices, pipes or sockets, nor
// a link that leads nowhere.
bool IsFile(DIR* dir, const dirent& entry) {
    if (entry.d_type == DT_REG) return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return false;
    struct stat info {};
    return ::fstatat(::dirfd(dir), entry.d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
}

// Names and folders are carried as ToQString gives them, so that a name that
// is not UTF-8 still names its file; the list shows them readably.
class NameModel final : public QStringListModel {
  public:
    using QStringListModel::QStringListModel;

    QVariant data(const QModelIndex& index, int role) const override {
        QVariant value = QStringListModel::data(index, role);
        if (role == Qt::DisplayRole && value.isValid()) return Readable(value.toString());
        return value;
    }
};

// The process's current folder, its bytes carried in the QString.
QString CurrentFolder() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? QString() : ToQString(folder.native());
}

}  // namespace

NamePatterns::NamePatterns(const QStringList& patterns) {
    for (const QString& raw : patterns) {
        const QString pattern = raw.trimmed();
        if (pattern.isEmpty()) continue;
        if (pattern.startsWith(QLatin1String("*.")) &&
            IsPlainExtension(QStringView(pattern).mid(2)))
            extensions_.insert(pattern.mid(2).toLower());
        else
            others_.append(QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive));
    }
}

bool NamePatterns::Matches(const QString& name) const {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0 && extensions_.contains(name.mid(dot + 1).toLower())) return true;
    return std::any_of(others_.begin(), others_.end(),
                       [&](const QRegularExpression& re) { return re.match(name).hasMatch(); });
}

QStringList ReadFolderNames(const QString& folder, const NamePatterns& patterns,
                            const std::function<bool()>& canceled) {
    const auto stop = [&] { return canceled && canceled(); };
    QStringList names;
    // readdir itself rather than QDirIterator: the entry's type comes with its
    // name, and only a matching link or an entry of unknown type costs a
    // look at the file. That halves the reading of a big folder.
    DIR* dir = ::opendir(ToStdString(folder).c_str());
    if (!dir) return {};
    int seen = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (++seen % kCancelCheckEvery == 0 && stop()) break;
        if (entry->d_name[0] == '.') continue;  // hidden, and "." and ".."
        const QString name = ToQString(entry->d_name);
        if (patterns.Matches(name) && IsFile(dir, *entry)) names.append(name);
    }
    ::closedir(dir);
    if (stop()) return {};

    // One sort key per name, then plain byte comparisons: comparing names
    // through the collator directly is about eight times slower.
    const QCollator collator = NaturalCollator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names) {
        if (keys.size() % kCancelCheckEvery == 0 && stop()) return {};
        keys.push_back(collator.sortKey(Readable(name)));
    }
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = keys[static_cast<std::size_t>(a)].compare(keys[static_cast<std::size_t>(b)]);
        return c != 0 ? c < 0 : names[a] < names[b];  // "a.mov" and "A.mov": one fixed order
    });
    if (stop()) return {};
    QStringList sorted;
    sorted.reserve(names.size());
    for (int i : order) sorted.append(names[i]);
    return sorted;
}

FileList::FileList(QWidget* parent)
    : QListView(parent),
      patterns_(QString::fromLatin1(kFolderListPattern).split(QLatin1Char(';'))),
      names_(new NameModel(this)),
      folder_(CurrentFolder()) {
    setObjectName(QStringLiteral("files"));
    setAccessibleName(QCoreApplication::translate("Folder list", "Movies in this folder"));
    setFont(QFont(QStringLiteral("Verdana"), 9));
    setGeometry(35, 3, 178, 268);
    hide();
    setModel(names_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    // Files dropped on the list go to the window's filter, not to the list;
    // after the drag mode, which turns drops off.
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setUniformItemSizes(true);  // no measuring of 100,000 names
}

FileList::~FileList() {
    // The worker may still be reading; it stops at its next look.
    if (reader_) reader_->future().cancel();
}

void FileList::SetFolder(const QString& folder) {
    // The folder's own bytes, not Qt's decoding of them, which loses a name
    // that is not UTF-8.
    const std::string bytes = ToStdString(folder);
    struct stat info {};
    // Listing needs the right to read the folder, telling files from folders
    // the right to search it.
    if (bytes.empty() || ::stat(bytes.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        ::access(bytes.c_str(), R_OK | X_OK) != 0)
        throw PlatformError(Service::Window, "no such folder, or it cannot be read");
    const QString absolute =
        bytes.front() == '/' ? folder : CurrentFolder() + QLatin1Char('/') + folder;
    const QString cleaned = QDir::cleanPath(absolute);
    // Names of another folder must not stay selectable meanwhile: they would
    // be joined to the new folder.
    if (cleaned != folder_) names_->setStringList({});
    folder_ = cleaned;
    Read();
}

void FileList::ReadOnce() {
    if (!read_) Read();
}

int FileList::ListIndex() const {
    const QModelIndexList picked = selectionModel()->selectedIndexes();
    return picked.isEmpty() ? -1 : picked.first().row();
}

QString FileList::FileName() const {
    const QModelIndexList picked = selectionModel()->selectedIndexes();
    // The name as carried, not as shown.
    return picked.isEmpty() ? QString() : picked.first().data(Qt::EditRole).toString();
}

void FileList::TakeFocus() {
    if (isHidden()) throw PlatformError(Service::Window, "a hidden list cannot take the focus");
    setFocus();
}

bool FileList::Reading() const { return reader_ != nullptr; }

void FileList::Read() {
    read_ = true;
    if (reader_) {
        // Deleting the watcher drops whatever the older read still reports.
        reader_->future().cancel();
        delete reader_;
    }
    auto* reader = new QFutureWatcher<QStringList>(this);
    reader_ = reader;
    connect(reader, &QFutureWatcherBase::finished, this, [this, reader] {
        const QFuture<QStringList> done = reader->future();
        if (reader_ == reader) reader_ = nullptr;
        reader->deleteLater();
        if (!done.isCanceled() && done.resultCount() > 0) Take(done.result());
    });
    reader->setFuture(
        QtConcurrent::run([folder = folder_, patterns = patterns_](QPromise<QStringList>& promise) {
            promise.addResult(
                ReadFolderNames(folder, patterns, [&promise] { return promise.isCanceled(); }));
        }));
}

void FileList::Take(const QStringList& names) {
    // A folder read again, unchanged: the list keeps its selection and its
    // scroll position.
    if (names == names_->stringList()) return;
    const QString selected = FileName();
    names_->setStringList(names);
    const qsizetype row = selected.isEmpty() ? -1 : names.indexOf(selected);
    if (row >= 0) setCurrentIndex(names_->index(static_cast<int>(row)));
}

void FileList::keyPressEvent(QKeyEvent* event) {
    // As in a list box, the first arrow key with nothing selected selects the
    // row that has the focus frame; Qt's view would move past it.
    const QModelIndex current = currentIndex();
    const bool arrow = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
    if (arrow && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        current.isValid() && !selectionModel()->hasSelection()) {
        selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

}  // namespace rw
