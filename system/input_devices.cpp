#include "system/input_devices.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

namespace cuedeck {

namespace fs = std::filesystem;

namespace {

std::string first_line(const fs::path& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

/// "event12" sorts after "event2".
int event_number(const std::string& name)
{
    return std::atoi(name.c_str() + 5);
}

} // namespace

std::vector<InputDevice> input_devices(const std::string& devices, const std::string& classes)
{
    std::error_code error;
    // The stable names, by the node they lead to.
    std::map<std::string, std::string> by_id;
    for (const auto& entry : fs::directory_iterator(fs::path(devices) / "by-id", error)) {
        const fs::path node = fs::weakly_canonical(entry.path(), error);
        const std::string name = entry.path().filename().string();
        // A device's "event" name, not the joystick or mouse interfaces beside it.
        if (!error && name.find("event") != std::string::npos)
            by_id.emplace(node.filename().string(), entry.path().string());
    }
    std::vector<std::string> events;
    for (const auto& entry : fs::directory_iterator(classes, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("event", 0) == 0)
            events.push_back(name);
    }
    std::sort(events.begin(), events.end(), [](const std::string& a, const std::string& b) {
        return event_number(a) < event_number(b);
    });
    std::vector<InputDevice> found;
    for (const std::string& event : events) {
        const fs::path device = fs::path(classes) / event / "device";
        InputDevice listed;
        const auto stable = by_id.find(event);
        listed.path = stable != by_id.end() ? stable->second : (fs::path(devices) / event).string();
        listed.name = first_line(device / "name");
        const std::string vendor = first_line(device / "id" / "vendor");
        const std::string product = first_line(device / "id" / "product");
        if (!vendor.empty() && !product.empty())
            listed.vendor.append(vendor).append(1, ':').append(product);
        found.push_back(listed);
    }
    return found;
}

std::optional<InputDevice> input_device_at(const std::string& path,
                                           const std::vector<InputDevice>& listed)
{
    std::error_code error;
    const fs::path node = fs::weakly_canonical(path, error);
    for (const InputDevice& device : listed) {
        if (device.path == path || (!error && fs::weakly_canonical(device.path, error) == node))
            return device;
    }
    return std::nullopt;
}

} // namespace cuedeck
