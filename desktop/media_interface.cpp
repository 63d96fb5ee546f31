#include "desktop/media_interface.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QUrl>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "control/commands/commands.h"
#include "control/session/media_status.h"
#include "control/state/run_state.h"

namespace cuedeck {

namespace {

constexpr const char* player_interface = "org.mpris.MediaPlayer2.Player";
constexpr const char* track_prefix = "/org/cuedeck/tip/";
constexpr const char* no_track = "/org/mpris/MediaPlayer2/TrackList/NoTrack";
/// How often listeners hear of changes at most: the tick's rate.
constexpr int send_interval_ms = 1000;

/// org.mpris.MediaPlayer2: the program itself.
class RootAdaptor : public QDBusAbstractAdaptor
{
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
    explicit RootAdaptor(MediaInterface& media) : QDBusAbstractAdaptor(&media), m_media(media) {}

    bool CanQuit() const { return true; }
    bool CanRaise() const { return true; }
    bool HasTrackList() const { return false; }
    QString Identity() const { return "Cuedeck"; }
    QString DesktopEntry() const { return "cuedeck"; }
    // Files come by the window, its menus and drops, not by the bus.
    QStringList SupportedUriSchemes() const { return {}; }
    QStringList SupportedMimeTypes() const { return {}; }

public slots:
    void Raise() { m_media.raise(); }
    void Quit() { m_media.quit(); }

private:
    MediaInterface& m_media;
};

/// org.mpris.MediaPlayer2.Player: the transport.
class PlayerAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(double Rate READ Rate WRITE setRate)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Volume READ Volume)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(double MinimumRate READ MinimumRate)
    Q_PROPERTY(double MaximumRate READ MaximumRate)
    Q_PROPERTY(bool CanGoNext READ CanGoNext)
    Q_PROPERTY(bool CanGoPrevious READ CanGoPrevious)
    Q_PROPERTY(bool CanPlay READ CanPlay)
    Q_PROPERTY(bool CanPause READ CanPause)
    Q_PROPERTY(bool CanSeek READ CanSeek)
    Q_PROPERTY(bool CanControl READ CanControl)
    Q_PROPERTY(QString LoopStatus READ LoopStatus WRITE setLoopStatus)

public:
    explicit PlayerAdaptor(MediaInterface& media) : QDBusAbstractAdaptor(&media), m_media(media)
    {
        connect(&media, &MediaInterface::seeked, this, &PlayerAdaptor::Seeked);
    }

    QString PlaybackStatus() const { return m_media.playback_status(); }
    double Rate() const { return m_media.rate(); }
    void setRate(double rate) { m_media.set_rate(rate); }
    QVariantMap Metadata() const { return m_media.metadata(); }
    double Volume() const { return m_media.volume(); }
    qlonglong Position() const { return m_media.position(); }
    double MinimumRate() const { return m_media.minimum_rate(); }
    double MaximumRate() const { return m_media.maximum_rate(); }
    bool CanGoNext() const { return m_media.can_go_next(); }
    bool CanGoPrevious() const { return m_media.can_go_previous(); }
    bool CanPlay() const { return m_media.can_play(); }
    bool CanPause() const { return m_media.can_play(); }
    bool CanSeek() const { return m_media.can_seek(); }
    bool CanControl() const { return true; }
    QString LoopStatus() const { return m_media.loop_status(); }
    void setLoopStatus(const QString& wanted) { m_media.set_loop_status(wanted); }

public slots:
    void Next() { m_media.next(); }
    void Previous() { m_media.previous(); }
    void Pause() { m_media.pause(); }
    void PlayPause() { m_media.play_pause(); }
    void Stop() { m_media.pause(); } // there is no stopped state of our own
    void Play() { m_media.play(); }
    void Seek(qlonglong offset) { m_media.seek(offset); }
    void SetPosition(const QDBusObjectPath& track, qlonglong position)
    {
        m_media.set_position(track, position);
    }
    void OpenUri(const QString&) {} // no schemes are offered

signals:
    void Seeked(qlonglong position);

private:
    MediaInterface& m_media;
};

} // namespace

MediaInterface::MediaInterface(SessionPort& session) : m_session(session)
{
    new RootAdaptor(*this);
    new PlayerAdaptor(*this);
    m_next_send.setSingleShot(true);
    connect(&m_next_send, &QTimer::timeout, this, &MediaInterface::send_changes);
    m_listening = m_session.listen([this](bool moved) { window_changed(moved); });
}

MediaInterface::~MediaInterface()
{
    m_session.stop_listening(m_listening);
}

bool MediaInterface::connect_to_session_bus()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "cuedeck: no D-Bus session bus, so media keys and other "
                             "programs' remotes do not reach Cuedeck\n");
        return false;
    }
    if (!bus.registerObject(object_path, this, QDBusConnection::ExportAdaptors) ||
        !bus.registerService(service)) {
        std::fprintf(stderr,
                     "cuedeck: %s is taken on the session bus, so media keys do not "
                     "reach Cuedeck\n",
                     service);
        bus.unregisterObject(object_path);
        return false;
    }
    m_on_bus = true;
    m_told = media_status::followed(m_session.last_status(), m_session.state());
    return true;
}

QString MediaInterface::playback_status() const
{
    return QString::fromStdString(media_status::playback(m_session.last_status()));
}

QDBusObjectPath MediaInterface::track_id() const
{
    const auto track = media_status::track(m_session.last_status());
    if (!track)
        return QDBusObjectPath(no_track);
    return QDBusObjectPath(QString(track_prefix) + QString::number(*track));
}

QVariantMap MediaInterface::metadata() const
{
    const PlayerStatus& shown = m_session.last_status();
    QVariantMap data{{"mpris:trackid", QVariant::fromValue(track_id())}};
    if (!media_status::track(shown))
        return data;
    data["xesam:title"] = QString::fromStdString(shown.caption);
    if (const auto length = media_status::length_us(shown))
        data["mpris:length"] = qlonglong(*length);
    if (const auto file = media_status::file(shown))
        data["xesam:url"] = QUrl::fromLocalFile(QFile::decodeName(file->c_str())).toString();
    return data;
}

double MediaInterface::volume() const
{
    return media_status::volume(m_session.last_status());
}

qlonglong MediaInterface::position() const
{
    return qlonglong(m_session.position_now()) * 1000;
}

double MediaInterface::rate() const
{
    return media_status::rate(m_session.state());
}

QString MediaInterface::loop_status() const
{
    return QString::fromStdString(media_status::loop_status(m_session.state()));
}

void MediaInterface::set_loop_status(const QString& wanted)
{
    if (const auto command =
            media_status::command_for_loop_status(wanted.toStdString(), m_session.state()))
        carry_out_later({*command});
}

void MediaInterface::set_rate(double rate)
{
    if (!std::isfinite(rate))
        return;
    if (const auto percent = media_status::speed_for_rate(rate))
        carry_out_later({Command::SetSpeed, *percent});
    else
        pause(); // the interface's word for pause
}

double MediaInterface::minimum_rate() const
{
    return media_status::minimum_rate(m_session.state());
}

double MediaInterface::maximum_rate() const
{
    return media_status::maximum_rate(m_session.state());
}

bool MediaInterface::can_go_next() const
{
    return media_status::can_go_next(m_session.last_status());
}

bool MediaInterface::can_go_previous() const
{
    return media_status::can_go_previous(m_session.last_status());
}

bool MediaInterface::can_play() const
{
    return media_status::can_play(m_session.last_status());
}

bool MediaInterface::can_seek() const
{
    return media_status::can_seek(m_session.last_status());
}

void MediaInterface::carry_out_later(Request request)
{
    // Never inside the bus's call: a command may raise a dialog, and the
    // caller gets its reply at once rather than after the player has answered.
    m_session.submit_later(std::move(request));
}

void MediaInterface::next()
{
    carry_out_later({Command::NextTip});
}

void MediaInterface::previous()
{
    carry_out_later({Command::LastTip});
}

void MediaInterface::pause()
{
    carry_out_later({Command::Pause});
}

void MediaInterface::play_pause()
{
    carry_out_later({Command::PlayPause});
}

void MediaInterface::play()
{
    carry_out_later({Command::Play});
}

void MediaInterface::seek(qlonglong offset_us)
{
    const int target = media_status::seek_target_ms(m_session.position_now(), offset_us);
    carry_out_later({Command::JumpTo, target});
}

void MediaInterface::set_position(const QDBusObjectPath& track, qlonglong position_us)
{
    std::optional<int> requested;
    if (const QString path = track.path(); path.startsWith(track_prefix)) {
        bool number = false;
        const int index = path.mid(int(std::strlen(track_prefix))).toInt(&number);
        if (number)
            requested = index;
    }
    if (const auto target =
            media_status::position_target_ms(m_session.last_status(), requested, position_us))
        carry_out_later({Command::JumpTo, *target});
}

void MediaInterface::raise()
{
    m_session.later([this] { m_session.come_forward(); });
}

void MediaInterface::quit()
{
    // After the answer to the call: the shut-down may ask whether to save.
    carry_out_later({Command::Exit});
}

QVariant MediaInterface::followed_property(std::string_view name) const
{
    using Read = QVariant (*)(const MediaInterface&);
    // Each property media_status follows, with what the bus is sent for it.
    static constexpr std::pair<std::string_view, Read> reads[] = {
        {"PlaybackStatus", [](const MediaInterface& m) -> QVariant { return m.playback_status(); }},
        {"Metadata", [](const MediaInterface& m) -> QVariant { return m.metadata(); }},
        {"Volume", [](const MediaInterface& m) -> QVariant { return m.volume(); }},
        {"Rate", [](const MediaInterface& m) -> QVariant { return m.rate(); }},
        {"MinimumRate", [](const MediaInterface& m) -> QVariant { return m.minimum_rate(); }},
        {"MaximumRate", [](const MediaInterface& m) -> QVariant { return m.maximum_rate(); }},
        {"CanGoNext", [](const MediaInterface& m) -> QVariant { return m.can_go_next(); }},
        {"CanGoPrevious", [](const MediaInterface& m) -> QVariant { return m.can_go_previous(); }},
        {"CanPlay", [](const MediaInterface& m) -> QVariant { return m.can_play(); }},
        {"CanPause", [](const MediaInterface& m) -> QVariant { return m.can_play(); }},
        {"CanSeek", [](const MediaInterface& m) -> QVariant { return m.can_seek(); }},
        {"LoopStatus", [](const MediaInterface& m) -> QVariant { return m.loop_status(); }},
    };
    for (const auto& [named, read] : reads) {
        if (named == name)
            return read(*this);
    }
    return {};
}

void MediaInterface::window_changed(bool moved)
{
    if (!m_on_bus)
        return;
    if (moved)
        emit seeked(position());
    if (m_next_send.isActive())
        return;
    const qint64 since = m_since_sent.isValid() ? m_since_sent.elapsed() : send_interval_ms;
    if (since >= send_interval_ms)
        send_changes();
    else
        m_next_send.start(int(send_interval_ms - since));
}

void MediaInterface::send_changes()
{
    media_status::Followed now = media_status::followed(m_session.last_status(), m_session.state());
    const std::vector<std::string> names = media_status::changed_properties(m_told, now);
    if (names.empty())
        return;
    m_told = std::move(now);
    m_since_sent.restart();
    QVariantMap changed;
    for (const std::string& name : names) {
        // A property without a value would abort the bus's marshalling:
        // one we do not know how to read is left out, never sent empty.
        if (QVariant value = followed_property(name); value.isValid())
            changed.insert(QString::fromStdString(name), value);
        else
            std::fprintf(stderr, "cuedeck: no value to send for the property %s\n", name.c_str());
    }
    if (changed.isEmpty())
        return;
    QDBusMessage message = QDBusMessage::createSignal(
        object_path, "org.freedesktop.DBus.Properties", "PropertiesChanged");
    message << QString(player_interface) << changed << QStringList();
    QDBusConnection::sessionBus().send(message);
}

} // namespace cuedeck

#include "media_interface.moc"
