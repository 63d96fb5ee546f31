// Holds one function key on the X display, as another program that took it
// first would, until it is killed.
//   grab_key NUMBER      (12 for F12)
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const xcb_keysym_t wanted = 0xffbe + xcb_keysym_t(std::stoi(argv[1]) - 1);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return 1;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    auto* mapping = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, std::uint8_t(count)),
        nullptr);
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(mapping);
    for (int i = 0; i < count * mapping->keysyms_per_keycode; ++i) {
        if (symbols[i] != wanted)
            continue;
        const auto code = xcb_keycode_t(setup->min_keycode + i / mapping->keysyms_per_keycode);
        // Every lock state, as a careful program does.
        for (const int locks : {0, int(XCB_MOD_MASK_LOCK), int(XCB_MOD_MASK_2),
                                int(XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2)})
            if (xcb_generic_error_t* error = xcb_request_check(
                    connection,
                    xcb_grab_key_checked(connection, 1, root, std::uint16_t(locks), code,
                                         XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC))) {
                std::free(error);
                return 1;
            }
        std::puts("held");
        std::fflush(stdout);
        pause();
    }
    return 1;
}
