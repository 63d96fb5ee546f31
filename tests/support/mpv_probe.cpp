#include "player/mpv/mpv_protocol.h"
#include "support/deadline.h"
#include "support/headless_mpv.h"

namespace cuedeck::testing {

namespace {

std::optional<Json> ask(UnixSocket& socket, MpvProtocol& protocol, std::int64_t id,
                        const Json& command)
{
    const auto deadline = UnixSocket::Clock::now() + test_deadline();
    if (socket.send_all(MpvProtocol::encode(id, command), deadline) != UnixSocket::Status::Ok)
        return std::nullopt;
    for (;;) {
        if (auto reply = protocol.take(id))
            return reply->success ? std::optional<Json>(reply->data) : std::nullopt;
        std::string bytes;
        if (socket.receive(bytes, deadline) != UnixSocket::Status::Ok)
            return std::nullopt;
        protocol.feed(bytes);
    }
}

} // namespace

MpvProbe::MpvProbe(const std::string& socket_path) : m_protocol(std::make_unique<MpvProtocol>())
{
    m_socket.connect(socket_path);
}

MpvProbe::~MpvProbe() = default;

double MpvProbe::number(const std::string& property)
{
    const auto value = ask(m_socket, *m_protocol, m_next_id++, ipc("get_property", property));
    return value && value->is_number() ? value->get<double>() : -1000.0;
}

bool MpvProbe::flag(const std::string& property)
{
    const auto value = ask(m_socket, *m_protocol, m_next_id++, ipc("get_property", property));
    return value && value->is_boolean() && value->get<bool>();
}

std::string MpvProbe::text(const std::string& property)
{
    const auto value = ask(m_socket, *m_protocol, m_next_id++, ipc("get_property", property));
    return value ? value->dump() : std::string();
}

bool MpvProbe::load(const std::string& path)
{
    return ask(m_socket, *m_protocol, m_next_id++, ipc("loadfile", path)).has_value();
}

bool MpvProbe::set_flag(const std::string& property, bool value)
{
    return ask(m_socket, *m_protocol, m_next_id++, ipc("set_property", property, value))
        .has_value();
}

bool MpvProbe::seek(double seconds)
{
    return ask(m_socket, *m_protocol, m_next_id++, ipc("seek", seconds, "absolute")).has_value();
}

} // namespace cuedeck::testing
