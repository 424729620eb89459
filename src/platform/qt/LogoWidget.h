#pragma once

#include <QPixmap>
#include <QWidget>

namespace rw {

// The logo `Image1`: a plain widget that stretches the 48 by 48 logo bitmap
// over its whole area, whatever its size.
class LogoWidget final : public QWidget {
    Q_OBJECT

  public:
    explicit LogoWidget(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
};

}  // namespace rw
