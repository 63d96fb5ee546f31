// The computer's HID devices, as the Options dialog lists them for the foot pedal.
#include "system/input_devices.h"

#include <windows.h>

// The HID headers declare C functions without saying so.
extern "C" {
#include <hidsdi.h>
}
#include <setupapi.h>

#include <cstdio>

#include "base/text_lines.h"
#include "base/wide_text.h"

namespace cuedeck {

namespace {

std::optional<InputDevice> described(const std::wstring& path)
{
    // No access asked: the attributes and names can be read of a device
    // another program holds, and of a keyboard Windows keeps for itself.
    HANDLE device = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (device == INVALID_HANDLE_VALUE)
        return std::nullopt;
    InputDevice found{utf8_from_wide(path), {}, {}};
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof attributes;
    if (HidD_GetAttributes(device, &attributes)) {
        char vendor[10] = {};
        std::snprintf(vendor, sizeof vendor, "%04x:%04x", unsigned(attributes.VendorID),
                      unsigned(attributes.ProductID));
        found.vendor = vendor;
    }
    wchar_t name[127] = {}; // the longest a USB string can be
    if (HidD_GetProductString(device, name, sizeof name))
        found.name = utf8_from_wide(name);
    CloseHandle(device);
    if (found.name.empty())
        found.name = found.vendor.empty() ? "HID device" : "HID device " + found.vendor;
    return found;
}

} // namespace

std::vector<InputDevice> input_devices(const std::string&, const std::string&)
{
    std::vector<InputDevice> devices;
    GUID hid_class{};
    HidD_GetHidGuid(&hid_class);
    HDEVINFO listed =
        SetupDiGetClassDevsW(&hid_class, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (listed == INVALID_HANDLE_VALUE)
        return devices;
    SP_DEVICE_INTERFACE_DATA entry{};
    entry.cbSize = sizeof entry;
    for (DWORD index = 0; SetupDiEnumDeviceInterfaces(listed, nullptr, &hid_class, index, &entry);
         ++index) {
        DWORD size = 0;
        SetupDiGetDeviceInterfaceDetailW(listed, &entry, nullptr, 0, &size, nullptr);
        if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W))
            continue;
        std::vector<unsigned char> buffer(size);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (!SetupDiGetDeviceInterfaceDetailW(listed, &entry, detail, size, nullptr, nullptr))
            continue;
        if (auto device = described(detail->DevicePath))
            devices.push_back(std::move(*device));
    }
    SetupDiDestroyDeviceInfoList(listed);
    return devices;
}

std::optional<InputDevice> input_device_at(const std::string& path,
                                           const std::vector<InputDevice>& listed)
{
    for (const InputDevice& device : listed) {
        if (equal_ignoring_case(device.path, path))
            return device;
    }
    return std::nullopt;
}

} // namespace cuedeck
