#pragma once

#include <QAbstractFileIconProvider>
#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QListView>
#include <QMainWindow>
#include <QPointer>
#include <QSortFilterProxyModel>
#include <memory>
#include <optional>

#include "platform/Window.h"
#include "platform/qt/QtMenus.h"
#include "platform/qt/Text.h"

class QKeyEvent;

namespace rw {

namespace file_list_box {

// The list shows bare names. Without this the model looks up every file's
// icon and type, most of the cost of reading a folder of 100,000 files.
class NoIcons final : public QAbstractFileIconProvider {
  public:
    QIcon icon(IconType) const override { return {}; }
    QIcon icon(const QFileInfo&) const override { return {}; }
    // Not empty: the model takes a file without a type for one not read yet.
    QString type(const QFileInfo&) const override { return QStringLiteral("File"); }

    // Lives as long as the program: the model's reader thread may still use
    // it while the model is being destroyed.
    static NoIcons* Shared() {
        static NoIcons provider;
        return &provider;
    }
};

// Names in the order a person reads them: "clip2" before "clip10", letter
// case aside. The file model's own order has no numeric order under the C
// locale, so the collator gets a real language then.
class NaturalOrder final : public QSortFilterProxyModel {
  public:
    explicit NaturalOrder(QObject* parent) : QSortFilterProxyModel(parent) {
        QLocale locale;
        if (locale.language() == QLocale::C) locale = QLocale(QLocale::English);
        collator_ = QCollator(locale);
        collator_.setNumericMode(true);
        collator_.setCaseSensitivity(Qt::CaseInsensitive);
        setDynamicSortFilter(true);
        sort(0);
    }

  protected:
    bool lessThan(const QModelIndex& a, const QModelIndex& b) const override {
        return collator_.compare(a.data().toString(), b.data().toString()) < 0;
    }

  private:
    QCollator collator_;
};

}  // namespace file_list_box

// The folder file list `files`: the names of the files of one folder that
// match the patterns, without folders and hidden files, read by Qt's file
// model on its own thread, so a huge folder never blocks the window.
class FileListBox final : public QListView {
  public:
    FileListBox(QWidget* parent, const QStringList& patterns)
        : QListView(parent),
          model_(new QFileSystemModel(this)),
          order_(new file_list_box::NaturalOrder(this)),
          folder_(QDir::currentPath()) {
        model_->setIconProvider(file_list_box::NoIcons::Shared());
        model_->setReadOnly(true);
        // Files only: no folders, no "." and "..", no hidden files. The filter
        // goes first: it decides the name filters' letter case.
        model_->setFilter(QDir::Files | QDir::NoDotAndDotDot);
        model_->setNameFilters(patterns);
        model_->setNameFilterDisables(false);  // hide the others rather than grey them
        order_->setSourceModel(model_);
        setModel(order_);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setDragDropMode(QAbstractItemView::NoDragDrop);
        setUniformItemSizes(true);  // no measuring of 100,000 names
    }

    QString Folder() const { return folder_; }

    // Lists `folder`, a cleaned absolute path; the selection goes with a
    // change of folder.
    void SetFolder(const QString& folder) {
        if (folder != folder_) selectionModel()->clear();
        folder_ = folder;
        Read();
    }

    // The start-up folder is read only when the list is first shown.
    void ReadOnce() {
        if (!read_) Read();
    }

    // Row of the selected name, -1 for none.
    int ListIndex() const { return Selected().isValid() ? Selected().row() : -1; }

    // The selected name, empty for none.
    QString FileName() const {
        const QModelIndex selected = Selected();
        return selected.isValid() ? model_->fileName(order_->mapToSource(selected)) : QString();
    }

  private:
    void Read() {
        model_->setRootPath(folder_);
        setRootIndex(order_->mapFromSource(model_->index(folder_)));
        read_ = true;
    }

    QModelIndex Selected() const {
        // The list selects the name column only: a row is never selected whole.
        const QModelIndexList picked = selectionModel()->selectedIndexes();
        if (!read_ || picked.isEmpty() || picked.first().parent() != rootIndex()) return {};
        return picked.first();
    }

    QFileSystemModel* model_;
    QSortFilterProxyModel* order_;
    QString folder_;
    bool read_ = false;
};

// The main window formReelwick on Qt Widgets: a menu bar over a black client
// area that holds the folder file list `files`, the logo `Image1` and the
// player's widget, all placed absolutely by the logic. The logic's units are
// twips; here 1440 / the screen's logical DPI twips make one pixel.
class QtWindow final : public QMainWindow, public IWindow {
    Q_OBJECT

  public:
    // `player` is the movie player's widget; the window takes it over.
    explicit QtWindow(QWidget* player, QWidget* parent = nullptr);
    ~QtWindow() override;

    // Where the window reports its events; nullptr stops reporting.
    void SetEvents(IFormEvents* events) { events_ = events; }

    // The window's parts, for the host program and tests.
    QAction* MenuAction(Menu item) const { return menus_->Action(item); }
    QListView* FilesList() const { return files_; }
    QWidget* Logo() const { return logo_; }
    QWidget* Player() const { return player_; }

    std::string Caption() override { return ToStdString(windowTitle()); }
    void SetCaption(const std::string& caption) override { setWindowTitle(ToQString(caption)); }
    void Show() override {
        show();
        raise();
    }
    void Close() override { close(); }
    void ProcessEvents() override { QCoreApplication::processEvents(); }

    WindowState State() override;
    void SetState(WindowState state) override;
    RectTwips Placement() override;
    void MoveWindow(double left, double top, double width, double height) override;
    void SetOuterHeight(double height) override;
    double ClientWidth() override;
    double ClientHeight() override;
    double TwipsPerPixelX() override;
    double TwipsPerPixelY() override;
    double ScreenWidth() override;
    double ScreenHeight() override;
    std::vector<RectTwips> Screens() override;
    double TitleBarHeight() override;
    void SetTopMost(bool on) override;

    bool Checked(Menu item) override { return menus_->Checked(item); }
    void SetChecked(Menu item, bool on) override { menus_->SetChecked(item, on); }
    bool Visible(Menu item) override { return menus_->Visible(item); }
    void SetVisible(Menu item, bool on) override { menus_->SetVisible(item, on); }
    std::string ItemCaption(Menu item) override { return menus_->Caption(item); }
    void SetItemCaption(Menu item, const std::string& caption) override {
        menus_->SetCaption(item, caption);
    }
    std::string Tag(Menu item) override { return menus_->Tag(item); }
    void SetTag(Menu item, const std::string& tag) override { menus_->SetTag(item, tag); }

    bool FilesVisible() override { return !files_->isHidden(); }
    void SetFilesVisible(bool on) override {
        if (on) files_->ReadOnce();
        files_->setVisible(on);
    }
    void MoveFiles(double left, double top, double width, double height) override {
        PlaceControl(files_, left, top, width, height);
    }
    std::string FilesPath() override { return ToStdString(files_->Folder()); }
    void SetFilesPath(const std::string& folder) override;
    int FilesListIndex() override { return files_->ListIndex(); }
    std::string FilesFileName() override { return ToStdString(files_->FileName()); }
    void FocusFiles() override;

    void SetLogoVisible(bool on) override { logo_->setVisible(on); }
    double LogoWidth() override { return logo_->width() * TwipsPerPixelX(); }
    double LogoHeight() override { return logo_->height() * TwipsPerPixelY(); }
    void MoveLogo(double left, double top) override;

    void ShowPlayer() override { player_->show(); }
    void MovePlayer(double left, double top, double width, double height) override {
        PlaceControl(player_, left, top, width, height);
        emit playerPlaced();
    }

  signals:
    // The layout has placed the player; any movie rectangle it had is stale.
    void playerPlaced();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    using KeyHandler = void (IFormEvents::*)(std::int16_t&, std::int16_t);
    bool KeyRelease(QObject* receiver, QKeyEvent* event);
    bool ForwardKey(const QKeyEvent& event, KeyHandler handler);
    bool DragOrDrop(QObject* receiver, QEvent* event);
    QRect PixelRect(double left, double top, double width, double height);
    void PlaceControl(QWidget* control, double left, double top, double width, double height);
    QMargins KnownFrameMargins() const;
    void PlaceOuter(const QRect& outer);
    void CorrectFirstFrame();
    void ApplyTopMost(bool on);

    QWidget* client_;
    QWidget* player_;
    QWidget* logo_;  // a LogoWidget
    FileListBox* files_;
    std::unique_ptr<QtMenus> menus_;
    IFormEvents* events_ = nullptr;
    bool unloaded_ = false;

    bool shownOnce_ = false;
    std::optional<QRect> pendingOuter_;
    std::optional<bool> topMostWhenShown_;

    // The key release being delivered, to tell its first delivery from its
    // travel up the parent chain.
    const QEvent* releaseEvent_ = nullptr;
    QPointer<QObject> releaseReceiver_;
};

}  // namespace rw
