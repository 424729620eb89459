#include "platform/qt/LogoWidget.h"

#include <QPainter>

namespace rw {

LogoWidget::LogoWidget(QWidget* parent) : QWidget(parent), picture_(QStringLiteral(":/logo.bmp")) {
    setObjectName(QStringLiteral("Image1"));
}

void LogoWidget::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;  // the black client area shows through
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
}

}  // namespace rw
