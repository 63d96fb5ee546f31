#include "desktop/global_keys_x11.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <optional>

namespace cuedeck {

namespace {

/// Keyboard symbol of F1; F2 and on follow it.
constexpr xcb_keysym_t keysym_f1 = 0xffbe;
/// Num Lock is the second extra modifier on every common keyboard map.
constexpr std::uint16_t num_lock = XCB_MOD_MASK_2;
/// The lock modifiers a grab must ignore: each key is grabbed with each of these.
constexpr std::uint16_t lock_states[] = {0, XCB_MOD_MASK_LOCK, num_lock,
                                         XCB_MOD_MASK_LOCK | num_lock};
/// The modifiers a pressed key is matched with, the locks left out.
constexpr std::uint16_t matched =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

std::optional<int> function_number(Key key)
{
    for (int number = 1; number <= 12; ++number) {
        if (function_key(number) == key)
            return number;
    }
    return std::nullopt;
}

} // namespace

std::unique_ptr<KeyGrab> X11KeyGrab::open(QObject* parent)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr)
        return nullptr;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen == nullptr)
        return nullptr;
    return std::unique_ptr<KeyGrab>(new X11KeyGrab(connection, screen->root, parent));
}

X11KeyGrab::X11KeyGrab(xcb_connection_t* connection, std::uint32_t root, QObject* parent)
    : KeyGrab(parent), m_connection(connection), m_root(root)
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11KeyGrab::~X11KeyGrab()
{
    ungrab_all();
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

std::uint8_t X11KeyGrab::key_code(Key key) const
{
    const auto number = function_number(key);
    if (!number)
        return 0;
    const xcb_keysym_t wanted = keysym_f1 + xcb_keysym_t(*number - 1);
    const xcb_setup_t* setup = xcb_get_setup(m_connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* mapping = xcb_get_keyboard_mapping_reply(
        m_connection,
        xcb_get_keyboard_mapping(m_connection, setup->min_keycode, std::uint8_t(count)), nullptr);
    if (mapping == nullptr)
        return 0;
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(mapping);
    const int per_code = mapping->keysyms_per_keycode;
    std::uint8_t found = 0;
    for (int i = 0; i < count && found == 0; ++i) {
        for (int j = 0; j < per_code; ++j) {
            if (symbols[i * per_code + j] == wanted) {
                found = std::uint8_t(setup->min_keycode + i);
                break;
            }
        }
    }
    std::free(mapping);
    return found;
}

void X11KeyGrab::take(const std::vector<KeyBinding>& keys, GlobalKeys choice)
{
    give_back();
    m_modifiers = choice == GlobalKeys::WithCtrlShift
                      ? std::uint16_t(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT)
                      : std::uint16_t(0);
    std::vector<Key> taken;
    for (const KeyBinding& binding : keys) {
        const std::uint8_t code = key_code(binding.key);
        if (code == 0) {
            taken.push_back(binding.key);
            continue;
        }
        // The key comes through to a window of ours as usual (owner events),
        // so that it acts once there.
        xcb_void_cookie_t cookies[std::size(lock_states)];
        for (std::size_t i = 0; i < std::size(lock_states); ++i)
            cookies[i] = xcb_grab_key_checked(m_connection, 1, m_root, m_modifiers | lock_states[i],
                                              code, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        bool refused = false;
        for (const xcb_void_cookie_t cookie : cookies) {
            if (xcb_generic_error_t* error = xcb_request_check(m_connection, cookie)) {
                refused = true;
                std::free(error);
            }
        }
        if (refused) {
            // Held by another program: what we did get of it goes back.
            for (const std::uint16_t locks : lock_states)
                xcb_ungrab_key(m_connection, code, m_root, m_modifiers | locks);
            taken.push_back(binding.key);
            continue;
        }
        m_grabs.push_back({code, binding.command});
    }
    xcb_flush(m_connection);
    emit noted(QString::fromStdString(taken_keys_note(taken, choice)));
}

void X11KeyGrab::give_back()
{
    ungrab_all();
}

void X11KeyGrab::ungrab_all()
{
    for (const Grab& grab : m_grabs) {
        for (const std::uint16_t locks : lock_states)
            xcb_ungrab_key(m_connection, grab.code, m_root, m_modifiers | locks);
    }
    if (!m_grabs.empty())
        xcb_flush(m_connection);
    m_grabs.clear();
}

bool X11KeyGrab::nativeEventFilter(const QByteArray& type, void* message, qintptr*)
{
    if (type != "xcb_generic_event_t" || m_grabs.empty())
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_KEY_PRESS)
        return false;
    const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
    if (press->event != m_root || (press->state & matched) != m_modifiers)
        return false;
    for (const Grab& grab : m_grabs) {
        if (grab.code == press->detail) {
            emit pressed(grab.command);
            return true;
        }
    }
    return false;
}

} // namespace cuedeck
