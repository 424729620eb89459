#include "platform/qt/LogoWidget.h"

#include <QPainter>

namespace rw {

LogoWidget::LogoWidget(QWidget* parent)
    : QWidget(parent),
      picture_(QStringLiteral(":/logo.bmp")),
      fine_(QStringLiteral(":/icons/256.png")) {
    setObjectName(QStringLiteral("Image1"));
}

void LogoWidget::paintEvent(QPaintEvent*) {
    // At 96 dpi the window shows the bitmap itself, its own look; the fine
    // drawing only on a denser screen, where the bitmap would be enlarged
    // further: by Qt's scaling (a device pixel ratio) or, without it, by the
    // window's starting sizes in twips. Its transparent field shows the
    // black client area below, as the bitmap's black field does.
    const bool dense = (devicePixelRatioF() > 1 || logicalDpiX() > 96) && !fine_.isNull();
    const QPixmap& picture = dense ? fine_ : picture_;
    if (picture.isNull()) return;  // the black client area shows through
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture);
}

}  // namespace rw
