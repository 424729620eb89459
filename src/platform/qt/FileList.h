#pragma once

#include <QList>
#include <QListView>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

class QStringListModel;
template <typename T>
class QFutureWatcher;

namespace rw {

// The list's file-name patterns, matched without regard to letter case.
class NamePatterns {
  public:
    explicit NamePatterns(const QStringList& patterns);
    bool Matches(const QString& name) const;

  private:
    QSet<QString> extensions_;  // "*.mov" as "mov", lower case: one look-up per name
    QList<QRegularExpression> others_;
};

// Folders and names here are QStrings from ToQString (platform/qt/Text.h):
// they carry the file system's bytes, also where those are not UTF-8.

// The names, without folder, of the files of `folder` that match `patterns`:
// files only, no hidden ones (a name starting with "."), in the order a person
// reads them ("clip2" before "clip10", letter case aside). Runs on any
// thread; gives up with an empty list as soon as `canceled` says so.
QStringList ReadFolderNames(const QString& folder, const NamePatterns& patterns,
                            const std::function<bool()>& canceled = {});

// The folder file list `files`. A folder is read and sorted on a worker
// thread and its names reach the list in one piece, so a folder of 100,000
// files never stalls the window; a newer folder cancels an older read. Names
// that are not UTF-8 are shown readably and handed on as their bytes.
class FileList final : public QListView {
  public:
    // Hidden, at the place and in the font of the window's definition.
    explicit FileList(QWidget* parent);
    ~FileList() override;

    QString Folder() const { return folder_; }

    // Lists `folder`; throws PlatformError for a folder that does not exist
    // or cannot be read. Another folder empties the list at once; the same
    // folder keeps its names and selection until the new names are there.
    void SetFolder(const QString& folder);

    // The start-up folder is read only when the list is first shown.
    void ReadOnce();

    // Row of the selected name, -1 for none.
    int ListIndex() const;

    // The selected name, empty for none.
    QString FileName() const;

    // Throws PlatformError while the list is hidden.
    void TakeFocus();

    // Whether a read is under way.
    bool Reading() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Read();
    void Take(const QStringList& names);

    NamePatterns patterns_;
    QStringListModel* names_;
    QFutureWatcher<QStringList>* reader_ = nullptr;
    QString folder_;
    bool read_ = false;
};

}  // namespace rw
