#include "platform/qt/MenuAccess.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMenu>
#include <QPointer>

namespace rw {
namespace {

const char* const kHostProperty = "reelwickMenuHost";

// The host as Qt describes a plain widget, plus its menus after its other
// children.
class MenuHostAccessible final : public QAccessibleWidget {
  public:
    explicit MenuHostAccessible(QWidget* host) : QAccessibleWidget(host) {}

    int childCount() const override {
        return QAccessibleWidget::childCount() + static_cast<int>(Menus().size());
    }
    QAccessibleInterface* child(int index) const override {
        const int own = QAccessibleWidget::childCount();
        if (index < own) return QAccessibleWidget::child(index);
        const QList<QMenu*> menus = Menus();
        if (index - own >= menus.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(menus.at(index - own));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const int index = child != nullptr ? Menus().indexOf(child->object()) : -1;
        if (index >= 0) return QAccessibleWidget::childCount() + index;
        return QAccessibleWidget::indexOfChild(child);
    }

  private:
    QList<QMenu*> Menus() const {
        return widget()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly);
    }
};

QAccessibleInterface* HostFactory(const QString& className, QObject* object) {
    // The most derived class only, so that Qt's own interface of a known
    // base class is never asked for in its place later.
    if (object == nullptr || !object->isWidgetType() || !object->property(kHostProperty).toBool() ||
        className != QLatin1String(object->metaObject()->className())) {
        return nullptr;
    }
    return new MenuHostAccessible(static_cast<QWidget*>(object));
}

}  // namespace

void HostMenus(QWidget* host) {
    static const bool installed = (QAccessible::installFactory(&HostFactory), true);
    (void)installed;
    if (host == nullptr || host->property(kHostProperty).toBool()) return;
    host->setProperty(kHostProperty, true);
    // An interface Qt made for it before (a name or description set on it
    // asks for one) is dropped, so that the next one asked is a host's.
    if (QAccessibleInterface* before = QAccessible::queryAccessibleInterface(host)) {
        if (dynamic_cast<MenuHostAccessible*>(before) == nullptr) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(before));
        }
    }
}

void AnnounceHostedMenu(QMenu* menu) {
    QAccessibleEvent created(menu, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&created);
}

}  // namespace rw
