#include "recorder/library/Devices.h"

#include <memory>
#include <mutex>
#include <set>

namespace bb::recorder::library {
namespace {

std::mutex g_mutex;
std::set<Device*> g_devices;

}  // namespace

neroapi::DeviceHandle OpenDevice(Recorder recorder) {
    auto device = std::make_unique<Device>(Device{std::move(recorder)});
    std::lock_guard lock(g_mutex);
    g_devices.insert(device.get());
    return device.release();
}

void CloseDevice(neroapi::DeviceHandle handle) {
    auto* device = static_cast<Device*>(handle);
    std::lock_guard lock(g_mutex);
    if (g_devices.erase(device) != 0) {
        delete device;
    }
}

Device* FindDevice(neroapi::DeviceHandle handle) {
    auto* device = static_cast<Device*>(handle);
    std::lock_guard lock(g_mutex);
    return g_devices.count(device) != 0 ? device : nullptr;
}

}  // namespace bb::recorder::library
