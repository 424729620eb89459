#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QStringList>
#include <QVariantMap>

#include "platform/desktop/Mpris.h"

namespace rw {

// The two interfaces of an MPRIS 2 player, as QtDBus exports them: each
// property and slot below is one on the bus, under the name it has here.
// They only translate; Mpris does the work.

class MprisRootAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ CanQuit)
    Q_PROPERTY(bool CanRaise READ CanRaise)
    Q_PROPERTY(bool HasTrackList READ HasTrackList)
    Q_PROPERTY(QString Identity READ Identity)
    Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ SupportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ SupportedMimeTypes)

  public:
    explicit MprisRootAdaptor(Mpris& mpris) : QDBusAbstractAdaptor(&mpris), mpris_(mpris) {}

    bool CanQuit() const { return true; }
    bool CanRaise() const { return true; }
    bool HasTrackList() const { return false; }
    QString Identity() const;
    QString DesktopEntry() const;
    QStringList SupportedUriSchemes() const;
    QStringList SupportedMimeTypes() const;

  public slots:
    void Raise() { mpris_.Raise(); }
    void Quit() { mpris_.Quit(); }

  private:
    Mpris& mpris_;
};

class MprisPlayerAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(QString LoopStatus READ LoopStatus WRITE SetLoopStatus)
    Q_PROPERTY(double Rate READ Rate WRITE SetRate)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Volume READ Volume WRITE SetVolume)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(double MinimumRate READ MinimumRate)
    Q_PROPERTY(double MaximumRate READ MaximumRate)
    Q_PROPERTY(bool CanGoNext READ CanGoNext)
    Q_PROPERTY(bool CanGoPrevious READ CanGoPrevious)
    Q_PROPERTY(bool CanPlay READ CanPlay)
    Q_PROPERTY(bool CanPause READ CanPause)
    Q_PROPERTY(bool CanSeek READ CanSeek)
    Q_PROPERTY(bool CanControl READ CanControl)

  public:
    explicit MprisPlayerAdaptor(Mpris& mpris);

    QString PlaybackStatus() const { return mpris_.PlaybackStatus(); }
    QString LoopStatus() const { return mpris_.LoopStatus(); }
    void SetLoopStatus(const QString& status) { mpris_.SetLoopStatus(status); }
    // The speeds of the Speed menu.
    double Rate() const { return mpris_.Rate(); }
    void SetRate(double rate) { mpris_.SetRate(rate); }
    double MinimumRate() const { return 0.5; }
    double MaximumRate() const { return 2.0; }
    QVariantMap Metadata() const { return mpris_.Metadata(); }
    double Volume() const { return mpris_.Volume(); }
    void SetVolume(double volume) { mpris_.SetVolume(volume); }
    qlonglong Position() const { return mpris_.Position(); }
    bool CanGoNext() const { return mpris_.CanGoNext(); }
    bool CanGoPrevious() const { return mpris_.CanGoPrevious(); }
    bool CanPlay() const { return mpris_.CanPlay(); }
    bool CanPause() const { return mpris_.CanPlay(); }
    bool CanSeek() const { return mpris_.CanSeek(); }
    bool CanControl() const { return true; }

  public slots:
    // The movies after and before the playing one in its folder.
    void Next() { mpris_.Next(); }
    void Previous() { mpris_.Previous(); }
    void Play() { mpris_.Play(); }
    void Pause() { mpris_.Pause(); }
    void PlayPause() { mpris_.PlayPause(); }
    void Stop() { mpris_.Stop(); }
    void Seek(qlonglong offset) { mpris_.Seek(offset); }
    void SetPosition(const QDBusObjectPath& trackId, qlonglong position) {
        mpris_.SetPosition(trackId.path(), position);
    }
    void OpenUri(const QString& uri) { mpris_.OpenUri(uri); }

  signals:
    void Seeked(qlonglong position);

  private:
    Mpris& mpris_;
};

}  // namespace rw
