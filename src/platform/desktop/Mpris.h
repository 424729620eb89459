#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>

#include "platform/Desktop.h"

class QWidget;

namespace rw {

class MpvPlayer;

// Media keys and the desktop's media widgets: the program as an MPRIS 2
// player, org.mpris.MediaPlayer2.reelwick (with ".instance<pid>" when another
// copy has that name) at /org/mpris/MediaPlayer2 on the session bus.
//
// What it reports comes from the player component; what it is asked goes to
// the window's handlers through IDesktopEvents, each on its own turn of the
// event loop as a menu click would, after the caller has had its answer. No
// request is answered with an error: like the menu, whatever cannot be done
// is quietly not done.
class Mpris final : public QObject {
    Q_OBJECT

  public:
    static constexpr const char* kObjectPath = "/org/mpris/MediaPlayer2";
    static constexpr const char* kBaseName = "org.mpris.MediaPlayer2.reelwick";

    // `closed` tells when the window has closed: commands are dropped then.
    Mpris(QDBusConnection bus, MpvPlayer& player, QWidget& window, IDesktopEvents& events,
          std::function<bool()> closed);
    ~Mpris() override;

    // The name granted on the bus; empty until then, or when none was.
    QString Name() const { return name_; }
    // The Loop Movie option changed.
    void LoopChanged() { Notify(); }
    // Whether there is a movie before or after may have changed.
    void FilmChanged() { Notify(); }

    // For the adaptors: org.mpris.MediaPlayer2.
    void Raise();
    void Quit();

    // org.mpris.MediaPlayer2.Player.
    QString PlaybackStatus() const;
    QString LoopStatus() const;
    void SetLoopStatus(const QString& status);
    QVariantMap Metadata() const;
    double Volume() const;
    void SetVolume(double volume);
    qlonglong Position() const;
    bool CanPlay() const;
    bool CanSeek() const;
    double Rate() const;
    void SetRate(double rate);
    bool CanGoNext() const;
    bool CanGoPrevious() const;
    void Next();
    void Previous();
    void Play();
    void Pause();
    void PlayPause();
    void Stop();
    void Seek(qlonglong offsetUs);
    void SetPosition(const QString& trackId, qlonglong positionUs);
    void OpenUri(const QString& uri);

  signals:
    // Playback jumped to a new position, in microseconds.
    void Seeked(qlonglong positionUs);

  private:
    void AskForName(const QString& name, bool last);
    // Runs a command on the next turn of the event loop.
    void Later(std::function<void()> command);
    bool Playing() const;
    QString TrackId() const;
    // The Player properties that change; sent as PropertiesChanged when
    // they differ from what was last sent.
    QVariantMap PlayerState() const;
    void Notify();

    QDBusConnection bus_;
    MpvPlayer& player_;
    QWidget& window_;
    IDesktopEvents& events_;
    std::function<bool()> closed_;
    QString name_;
    QVariantMap sent_;
};

}  // namespace rw
