#include "control/commands/global_keys.h"
#include "base/translation.h"

namespace cuedeck {

GlobalKeys global_keys_from(int value)
{
    const SettingRow& row = setting_row(&Settings::global_keys);
    return GlobalKeys(within(row, value) ? value : row.default_value);
}

std::vector<KeyBinding> global_key_table()
{
    std::vector<KeyBinding> keys;
    for (int number = 4; number <= 12; ++number) {
        const std::optional<Key> key = function_key(number);
        if (const auto command = command_for_key(key))
            keys.push_back({*key, *command});
    }
    return keys;
}

std::string global_key_name(Key key, GlobalKeys choice)
{
    return (choice == GlobalKeys::WithCtrlShift ? translated(UI_TEXT("Ctrl+Shift+")) : "") +
           key_name(key);
}

std::string taken_keys_note(const std::vector<Key>& taken, GlobalKeys choice)
{
    if (taken.empty())
        return {};
    std::string names;
    for (std::size_t i = 0; i < taken.size(); ++i) {
        if (i > 0)
            names += i + 1 == taken.size() ? translated(UI_TEXT(" and ")) : ", ";
        names += global_key_name(taken[i], choice);
    }
    return translated(taken.size() == 1 ? UI_TEXT("%1 is taken by another program")
                                        : UI_TEXT("%1 are taken by other programs"),
                      {names});
}

} // namespace cuedeck
