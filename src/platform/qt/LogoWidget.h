#pragma once

#include <QPixmap>
#include <QWidget>

namespace rw {

// The logo `Image1`: a plain widget that stretches the 48 by 48 logo bitmap
// over its whole area, whatever its size. On a screen denser than 96 dpi the
// same artwork drawn at 256 pixels stands in for the bitmap, so that the logo
// is as sharp there as the rest of the window.
class LogoWidget final : public QWidget {
    Q_OBJECT

  public:
    explicit LogoWidget(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;  // the bitmap, on its black field
    QPixmap fine_;     // the artwork's largest drawing, on a transparent field
};

}  // namespace rw
