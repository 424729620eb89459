#include "platform/widgets/ControllerBarAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <algorithm>
#include <array>
#include <cmath>

#include "platform/PlayText.h"
#include "platform/widgets/ControllerBar.h"

namespace rw {
namespace {

constexpr int kParts = 5;

BarAnnouncementSink announcementSink = nullptr;

void Announce(QAccessibleEvent& event) {
    if (announcementSink != nullptr) {
        announcementSink(&event);
    } else {
        QAccessible::updateAccessibility(&event);
    }
}

bool IsSlider(BarPart part) { return part == BarPart::Seek || part == BarPart::Volume; }

// One painted part of the bar. It has no QObject of its own: the bar's
// interface registers it with Qt's accessibility cache and removes it
// again when the bar goes.
class BarPartAccessible final : public QAccessibleInterface,
                                public QAccessibleActionInterface,
                                public QAccessibleValueInterface {
  public:
    BarPartAccessible(ControllerBar* bar, BarPart part) : bar_(bar), part_(part) {}

    bool isValid() const override { return !bar_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent()->window(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QAccessible::Role role() const override {
        switch (part_) {
            case BarPart::Play:
            case BarPart::Mute:
                return QAccessible::Button;  // Mute is checkable: a toggle
            case BarPart::Time:
                return QAccessible::StaticText;
            case BarPart::Seek:
            case BarPart::Volume:
                return QAccessible::Slider;
        }
        return QAccessible::NoRole;
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid() || Area().isEmpty() || !bar_->isVisible()) state.invisible = true;
        if (part_ == BarPart::Mute) {
            state.checkable = true;
            state.checked = bar_->IsMuted();
        }
        if (part_ == BarPart::Seek && bar_->Duration() <= 0) state.readOnly = true;
        if (part_ == BarPart::Time) state.readOnly = true;
        return state;
    }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return Name();
        if (t == QAccessible::Value && part_ == BarPart::Seek) {
            return PositionOfLength(bar_->ShownPosition(), bar_->Duration());
        }
        if (t == QAccessible::Value && part_ == BarPart::Volume) {
            //: the volume's value, in percent
            return QCoreApplication::translate("Play bar", "%1%").arg(std::lround(bar_->Volume()));
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        const QRect area = Area();
        return area.isEmpty() ? QRect() : QRect(bar_->mapToGlobal(area.topLeft()), area.size());
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface && !IsSlider(part_) && part_ != BarPart::Time) {
            return static_cast<QAccessibleActionInterface*>(this);
        }
        if (type == QAccessible::ValueInterface && IsSlider(part_)) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return nullptr;
    }

    // Play/Pause is pressed; Mute is pressed or toggled.
    QStringList actionNames() const override {
        if (part_ == BarPart::Mute) return {pressAction(), toggleAction()};
        return {pressAction()};
    }
    void doAction(const QString& name) override {
        if (!isValid() || !actionNames().contains(name)) return;
        if (part_ == BarPart::Play) bar_->PressPlayPause();
        if (part_ == BarPart::Mute) bar_->PressMute();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    QVariant currentValue() const override {
        if (!isValid()) return {};
        return part_ == BarPart::Seek ? bar_->ShownPosition() : bar_->Volume();
    }
    void setCurrentValue(const QVariant& value) override {
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (!isValid() || !ok || !std::isfinite(number)) return;
        if (part_ == BarPart::Seek) bar_->SeekTo(number);
        if (part_ == BarPart::Volume) bar_->ChangeVolume(number);
    }
    QVariant maximumValue() const override {
        if (!isValid()) return {};
        return part_ == BarPart::Seek ? std::max(bar_->Duration(), 0.0) : 100.0;
    }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return part_ == BarPart::Seek ? 1.0 : 5.0; }

  private:
    QRect Area() const {
        if (!isValid()) return {};
        const ControllerBar::Layout layout = bar_->ComputeLayout();
        switch (part_) {
            case BarPart::Play:
                return layout.play;
            case BarPart::Seek:
                return layout.seek;
            case BarPart::Time:
                return layout.time;
            case BarPart::Mute:
                return layout.mute;
            case BarPart::Volume:
                return layout.volume;
        }
        return {};
    }

    QString Name() const {
        switch (part_) {
            case BarPart::Play:
                return bar_->IsPlaying() ? QCoreApplication::translate("Play bar", "Pause")
                                         : QCoreApplication::translate("Play bar", "Play");
            case BarPart::Seek:
                return QCoreApplication::translate("Play bar", "Position");
            case BarPart::Time:
                return bar_->TimeText();
            case BarPart::Mute:
                return QCoreApplication::translate("Play bar", "Mute");
            case BarPart::Volume:
                return QCoreApplication::translate("Play bar", "Volume");
        }
        return {};
    }

    QPointer<ControllerBar> bar_;
    BarPart part_;
};

// The bar itself: a widget whose children are its painted parts.
class ControllerBarAccessible final : public QAccessibleWidget {
  public:
    explicit ControllerBarAccessible(ControllerBar* bar)
        : QAccessibleWidget(bar, QAccessible::ToolBar) {
        for (int i = 0; i < kParts; ++i) {
            parts_[i] = new BarPartAccessible(bar, static_cast<BarPart>(i));
            ids_[i] = QAccessible::registerAccessibleInterface(parts_[i]);
        }
    }
    ~ControllerBarAccessible() override {
        for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return kParts; }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < kParts ? parts_[index] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* at = std::find(parts_.begin(), parts_.end(), child);
        return at != parts_.end() ? static_cast<int>(at - parts_.begin()) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (BarPartAccessible* part : parts_) {
            if (part->rect().contains(x, y)) return part;
        }
        return nullptr;
    }

  private:
    std::array<BarPartAccessible*, kParts> parts_{};
    std::array<QAccessible::Id, kParts> ids_{};
};

QAccessibleInterface* BarFactory(const QString& className, QObject* object) {
    auto* bar = qobject_cast<ControllerBar*>(object);
    if (bar == nullptr || className != QLatin1String(bar->metaObject()->className())) {
        return nullptr;
    }
    return new ControllerBarAccessible(bar);
}

}  // namespace

void InstallControllerBarAccess() {
    static const bool installed = (QAccessible::installFactory(&BarFactory), true);
    (void)installed;
}

void SetBarAnnouncementSink(BarAnnouncementSink sink) { announcementSink = sink; }

void AnnounceBarChange(ControllerBar* bar, BarPart part, double value) {
    if (announcementSink == nullptr && !QAccessible::isActive()) return;  // nobody listens
    const int index = static_cast<int>(part);
    if (IsSlider(part)) {
        QAccessibleValueChangeEvent event(bar, value);
        event.setChild(index);
        Announce(event);
    } else if (part == BarPart::Mute) {
        QAccessible::State checked;
        checked.checked = true;
        QAccessibleStateChangeEvent event(bar, checked);
        event.setChild(index);
        Announce(event);
    } else {
        QAccessibleEvent event(bar, QAccessible::NameChanged);
        event.setChild(index);
        Announce(event);
    }
}

bool IsPositionJump(double before, double after) {
    if (!std::isfinite(before) || !std::isfinite(after)) return false;
    return after < before - 0.001 || after > before + 1.5;
}

QString PositionOfLength(double position, double length) {
    const QString at = QString::fromStdString(FormatPlayTime(position));
    if (!(length > 0)) return at;
    //: the time played, then the movie's length: 1:02 of 5:00
    return QCoreApplication::translate("Play bar", "%1 of %2")
        .arg(at, QString::fromStdString(FormatPlayTime(length)));
}

// The roads assistive technology takes, answered as the mouse's are.
void ControllerBar::PressPlayPause() { emit PlayPauseClicked(); }

void ControllerBar::PressMute() { emit MuteClicked(); }

void ControllerBar::SeekTo(double seconds) {
    if (duration_ <= 0 || drag_ != Drag::None) return;
    position_ = std::clamp(seconds, 0.0, duration_);  // until libmpv reports it
    emit SeekRequested(position_, true);
    AnnounceBarChange(this, BarPart::Seek, position_);
    update();
}

void ControllerBar::ChangeVolume(double percent) {
    const double clamped = std::clamp(percent, 0.0, 100.0);
    if (clamped == volume_) return;
    volume_ = clamped;
    emit VolumeRequested(volume_);
    AnnounceBarChange(this, BarPart::Volume, volume_);
    update();
}

}  // namespace rw
