#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cuedeck {

/// One of the computer's input devices, as the Options dialog lists them.
struct InputDevice
{
    std::string path;   ///< the stable /dev/input/by-id/ name where there is one
    std::string name;   ///< as the device calls itself
    std::string vendor; ///< "05f3:00ff"; empty when unknown

    friend bool operator==(const InputDevice&, const InputDevice&) = default;
};

/// The event devices under `devices` (/dev/input), described from `classes`
/// (/sys/class/input), in the kernel's order.
std::vector<InputDevice> input_devices(const std::string& devices = "/dev/input",
                                       const std::string& classes = "/sys/class/input");

/// The device `path` (a by-id name, or the node itself) among `listed`.
std::optional<InputDevice> input_device_at(const std::string& path,
                                           const std::vector<InputDevice>& listed);

} // namespace cuedeck
