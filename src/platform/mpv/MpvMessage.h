#pragma once

#include <QString>
#include <QWidget>

class QTimer;

namespace rw {

// The short line a command leaves over the movie for about a second (see
// MpvView::ShowLine): light text with a dark outline on a dark box. Over the
// OpenGL renderer's picture, a native window of its own like the controller
// bar, so that it stacks above the picture's window.
class MessageLine final : public QWidget {
  public:
    static constexpr int kShownMs = 1200;

    // `native`: the picture has a window of its own to be shown over.
    MessageLine(QWidget* view, bool native);

    // Shows `text` at the top left of `area` (the widget's coordinates) in
    // place of the line before, for kShownMs.
    void Show(const QString& text, const QRect& area);
    void Drop();
    // What is shown; empty when nothing is.
    QString Text() const { return isVisible() ? text_ : QString(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    // While the line shows: a menu (the menu bar's too) or a dialog that
    // opens takes it away, since nothing shows over either.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString text_;
    bool native_ = false;
    QTimer* timer_ = nullptr;
};

}  // namespace rw
