#pragma once

#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QVariantMap>

#include <functional>
#include <optional>
#include <string_view>
#include <utility>

#include "control/commands/commands.h"
#include "control/session/media_status.h"
#include "control/session/session_port.h"
#include "player/player_vocabulary.h"

namespace cuedeck {

/// The desktop's media player interface (MPRIS 2) on the session bus, as
/// org.mpris.MediaPlayer2.cuedeck: media keys, the sound menu, playerctl and
/// phone remotes drive Cuedeck through it as its own keys do.
///
/// Changes go out as PropertiesChanged after the tick and after commands,
/// at most once a tick and only for values that changed: while nothing
/// changes, nothing is sent.
class MediaInterface : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* service = "org.mpris.MediaPlayer2.cuedeck";
    static constexpr const char* object_path = "/org/mpris/MediaPlayer2";

    explicit MediaInterface(SessionPort& session);
    ~MediaInterface() override;

    /// Offer the interface on the session bus; false, with a line on stderr,
    /// when there is no bus or the name is taken (Cuedeck runs on without).
    bool connect_to_session_bus();

    // What the two interfaces read and do.
    QString playback_status() const;
    QVariantMap metadata() const;
    double volume() const;
    qlonglong position() const;
    double rate() const;
    void set_rate(double rate);
    QString loop_status() const;
    void set_loop_status(const QString& wanted);
    double minimum_rate() const;
    double maximum_rate() const;
    bool can_go_next() const;
    bool can_go_previous() const;
    bool can_play() const;
    bool can_seek() const;

    void next();
    void previous();
    void pause();
    void play_pause();
    void play();
    void seek(qlonglong offset_us);
    void set_position(const QDBusObjectPath& track, qlonglong position_us);
    void raise();
    void quit();

signals:
    /// The position jumped (not just played on), in microseconds.
    void seeked(qlonglong position_us);

private:
    /// The value of one of the interface's properties that a listener
    /// follows (all but Position, which clients count on from the rate);
    /// invalid for a name it does not follow.
    QVariant followed_property(std::string_view name) const;
    void window_changed(bool moved);
    /// Carry a command out from the event loop, after the bus call returned.
    void carry_out_later(Request request);
    void send_changes();
    QDBusObjectPath track_id() const;

    SessionPort& m_session;
    SessionPort::ListenerId m_listening;
    /// What listeners were last told.
    media_status::Followed m_told;
    QElapsedTimer m_since_sent;
    QTimer m_next_send;
    bool m_on_bus = false;
};

} // namespace cuedeck
