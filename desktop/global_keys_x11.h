#pragma once

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <memory>

#include "desktop/global_keys.h"

struct xcb_connection_t;

namespace cuedeck {

/// Keys for every window on X11: a passive grab of each key on the root
/// window, in every combination of the lock modifiers (Num Lock, Caps Lock),
/// so that a key acts whatever has the focus. While Cuedeck's own window has
/// the focus the key reaches the window as usual, and acts once.
class X11KeyGrab : public KeyGrab, public QAbstractNativeEventFilter
{
public:
    /// None when the application does not run on X11.
    static std::unique_ptr<KeyGrab> open(QObject* parent);
    ~X11KeyGrab() override;

    void take(const std::vector<KeyBinding>& keys, GlobalKeys choice) override;
    void give_back() override;
    GlobalKeysPath path() const override { return GlobalKeysPath::Grabbed; }
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

private:
    X11KeyGrab(xcb_connection_t* connection, std::uint32_t root, QObject* parent);
    void ungrab_all();
    /// The key code that types `key`'s symbol; 0 when the keyboard has none.
    std::uint8_t key_code(Key key) const;

    struct Grab
    {
        std::uint8_t code;
        Command command;
    };

    xcb_connection_t* m_connection;
    std::uint32_t m_root;
    std::uint16_t m_modifiers = 0; ///< what must be held: none, or Ctrl+Shift
    std::vector<Grab> m_grabs;
};

} // namespace cuedeck
