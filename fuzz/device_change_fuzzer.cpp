// Arrival and removal records of any shape and length: the decision reads no byte beyond
// what was delivered (the sanitizer sees a copy of exactly that size) and leaves the
// presence flag at True or False.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "hid/controller_identity.h"
#include "hid/device_change.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint32_t events[] = {kDeviceArrival, kDeviceRemoveComplete, 0x0007, data[0]};
    const std::uint32_t event = events[data[1] % 4];
    data += 2, size -= 2;
    // An exact-size heap copy, so that any read past the end is caught.
    std::unique_ptr<std::uint8_t[]> record(new std::uint8_t[size == 0 ? 1 : size]);
    if (size > 0) std::memcpy(record.get(), data, size);
    static DeviceChangeCopies copies;
    static std::int16_t flag = PresenceFlag::kFalse;
    HandleDeviceChange(copies, event, record.get(), size, ControllerIdentity::kMatchKey, flag);
    if (flag != PresenceFlag::kTrue && flag != PresenceFlag::kFalse) std::abort();
    return 0;
}
