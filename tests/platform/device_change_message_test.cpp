// The Windows device-change path: WM_DEVICECHANGE messages whose records are built as the
// platform builds them (8-bit names for an ANSI window, UTF-16 for a Unicode one) reach the
// link's decision and set its presence flag; what another program may send is never read
// past its header. On Windows, through a real message-only window as well.
#include "platform/windows/device_change_message.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ios>
#include <string>
#include <vector>

#include "fake_hid_platform.h"
#include "hid/hid_link.h"
#include "recording_reporter.h"

namespace {

constexpr std::uint32_t kVolume = 2;  // DBT_DEVTYP_VOLUME

// A broadcast record: size, device type, reserved, class GUID, the ANSI name and its zero.
std::vector<std::uint8_t> Record(const char* name, std::uint32_t type = kDeviceTypeInterface) {
    std::vector<std::uint8_t> r(kBroadcastNameOffset + std::strlen(name) + 1, 0);
    const auto size = static_cast<std::uint32_t>(r.size());
    std::memcpy(&r[0], &size, 4);
    std::memcpy(&r[4], &type, 4);
    std::memcpy(&r[kBroadcastNameOffset], name, std::strlen(name));
    return r;
}

// The same record as a Unicode window gets it: the name in UTF-16, size counting its bytes.
std::vector<std::uint8_t> WideRecord(std::u16string_view name) {
    std::vector<std::uint8_t> r(kBroadcastNameOffset + 2 * (name.size() + 1), 0);
    const auto size = static_cast<std::uint32_t>(r.size());
    std::memcpy(&r[0], &size, 4);
    std::memcpy(&r[4], &kDeviceTypeInterface, 4);
    std::memcpy(&r[kBroadcastNameOffset], name.data(), 2 * name.size());
    return r;
}

struct Window {
    FakeHidPlatform platform;
    RecordingReporter reporter;
    HidLink link{platform, reporter};
    DeviceChangeSource::Handler handler = [this](std::uint32_t e, const std::uint8_t* r,
                                                 std::size_t n) { link.OnDeviceChange(e, r, n); };
    bool Message(std::uint32_t event, const std::vector<std::uint8_t>& record, bool wide = false) {
        return DeliverDeviceChange(kWmDeviceChange, event,
                                   reinterpret_cast<std::intptr_t>(record.data()), wide, handler);
    }
};

const char* const kController =
    "\\\\?\\USB#VID_0001&PID_0001#0001#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
const char16_t* const kWideController =
    u"\\\\?\\USB#VID_0001&PID_0001#0001#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";

}  // namespace

TEST(WinDeviceChange, ArrivalAndRemovalOfTheControllerSetTheFlag) {
    Window w;
    w.Message(kDeviceArrival, Record(kController));
    EXPECT_TRUE(w.link.present());
    w.Message(kDeviceRemoveComplete, Record(kController));
    EXPECT_FALSE(w.link.present());
}

TEST(WinDeviceChange, OtherClassesShortNamesAndOtherMessagesChangeNothing) {
    Window w;
    w.Message(kDeviceArrival, Record(kController, kVolume));
    EXPECT_FALSE(w.link.present()) << "a volume, not a device interface";
    w.Message(kDeviceArrival, Record("\\\\?\\USB#VID_0001&PID_0001#000"));
    EXPECT_FALSE(w.link.present()) << "a name of 29 characters";
    w.Message(kDeviceArrival, Record("\\\\?\\HID#VID_0001&PID_0002#0001#{x}"));
    EXPECT_FALSE(w.link.present());
    const auto record = Record(kController);
    EXPECT_FALSE(DeliverDeviceChange(0x0010 /* WM_CLOSE */, kDeviceArrival,
                                     reinterpret_cast<std::intptr_t>(record.data()), false,
                                     w.handler));
    EXPECT_FALSE(DeliverDeviceChange(kWmDeviceChange, 0x0007, 0, false, w.handler))
        << "DBT_DEVNODES_CHANGED carries no record";
    // Other events with the controller's own record: a query or a pending removal is not
    // a removal, nor an arrival.
    for (std::uint32_t other : {0x8001u /* query remove */, 0x8003u /* remove pending */}) {
        EXPECT_FALSE(w.Message(other, record)) << std::hex << other;
    }
    EXPECT_FALSE(w.link.present());
}

TEST(WinDeviceChange, AUnicodeWindowsUtf16RecordsAreReadAsSuch) {
    Window w;
    EXPECT_TRUE(w.Message(kDeviceArrival, WideRecord(kWideController), true));
    EXPECT_TRUE(w.link.present()) << "the arrival as a Unicode window gets it";
    EXPECT_TRUE(w.Message(kDeviceRemoveComplete, WideRecord(kWideController), true));
    EXPECT_FALSE(w.link.present());
    // A character outside ASCII in the slice never matches; one after it changes nothing.
    w.Message(kDeviceArrival, WideRecord(u"\\\\?\\USB#VID_0001&PID_0001#00\u00e91#{x}"), true);
    EXPECT_FALSE(w.link.present());
    w.Message(kDeviceArrival, WideRecord(u"\\\\?\\USB#VID_0001&PID_0001#0001#\u5de5\u574a"), true);
    EXPECT_TRUE(w.link.present());
    // A character outside ASCII becomes '?', never its low byte: U+0131's is '1'.
    w.Message(kDeviceRemoveComplete, WideRecord(kWideController), true);
    w.Message(kDeviceArrival, WideRecord(u"\\\\?\\USB#VID_0001&PID_0001#000\u0131#{x}"), true);
    EXPECT_FALSE(w.link.present());
}

// The narrowed name: counted in characters within the record's size, cut to leave room for
// its terminating zero inside the 8-bit record.
TEST(WinDeviceChange, ANarrowedNameStaysWithinItsRecordAndItsSize) {
    std::string seen;
    std::size_t seenSize = 0;
    const DeviceChangeSource::Handler handler = [&](std::uint32_t, const std::uint8_t* r,
                                                    std::size_t n) {
        seen = InterfaceNameOf(r, n);
        seenSize = n;
        EXPECT_EQ(r[n - 1], 0) << "the name's zero inside the size";
    };
    // A name of 20 characters, not terminated within the size, with more text after it.
    auto record = WideRecord(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const std::uint32_t twenty = kBroadcastNameOffset + 2 * 20;
    std::memcpy(&record[0], &twenty, 4);
    DeliverDeviceChange(kWmDeviceChange, kDeviceArrival,
                        reinterpret_cast<std::intptr_t>(record.data()), true, handler);
    EXPECT_EQ(seen, "ABCDEFGHIJKLMNOPQRST");
    // A name longer than the 8-bit record holds: 255 characters and the zero.
    const auto longest = WideRecord(std::u16string(400, u'A'));
    DeliverDeviceChange(kWmDeviceChange, kDeviceArrival,
                        reinterpret_cast<std::intptr_t>(longest.data()), true, handler);
    EXPECT_EQ(seen, std::string(kBroadcastNameSize - 1, 'A'));
    EXPECT_EQ(seenSize, kBroadcastInterfaceSize);
}

TEST(WinDeviceChange, WhatAnotherProgramSendsIsNotRead) {
    Window w;
    const auto deliver = [&](std::uintptr_t event, std::intptr_t lParam) {
        return DeliverDeviceChange(kWmDeviceChange, event, lParam, true, w.handler);
    };
    // Numbers that are no records: never followed (address 1 would crash the test).
    EXPECT_FALSE(deliver(0x0007, 1)) << "DBT_DEVNODES_CHANGED with a number";
    EXPECT_FALSE(deliver(0x0018, 1)) << "DBT_CONFIGCHANGECANCELED";
    EXPECT_FALSE(deliver(kDeviceArrival, 1)) << "an arrival with an address no record has";
    // Headers that do not hold together.
    auto tooShort = WideRecord(kWideController);
    const std::uint32_t small = 8, large = 0x7fffffff, headerOnly = kBroadcastHeaderSize;
    std::memcpy(&tooShort[0], &small, 4);
    EXPECT_FALSE(w.Message(kDeviceArrival, tooShort, true));
    std::memcpy(&tooShort[0], &large, 4);
    EXPECT_FALSE(w.Message(kDeviceArrival, tooShort, true));
    std::memcpy(&tooShort[0], &headerOnly, 4);
    EXPECT_FALSE(w.Message(kDeviceArrival, tooShort, true)) << "an interface without its name";
    EXPECT_FALSE(w.link.present());
}

// The record checks at their edges: the size a header may give, and the room a Unicode
// interface record needs for its name; other kinds are passed on as they are.
TEST(WinDeviceChange, SizeAndKindBoundsAtTheirEdges) {
    std::vector<std::uint8_t> record(kLargestBroadcastRecord + 8, 0);
    // The size the handler is given, or -1 when the message is not taken.
    const auto delivered = [&](std::uint32_t size, std::uint32_t type, bool wide) {
        std::memcpy(&record[0], &size, 4);
        std::memcpy(&record[4], &type, 4);
        long seen = -1;
        const DeviceChangeSource::Handler handler =
            [&](std::uint32_t, const std::uint8_t*, std::size_t n) { seen = static_cast<long>(n); };
        DeliverDeviceChange(kWmDeviceChange, kDeviceArrival,
                            reinterpret_cast<std::intptr_t>(record.data()), wide, handler);
        return seen;
    };
    const long header = kBroadcastHeaderSize, largest = kLargestBroadcastRecord;
    EXPECT_EQ(delivered(header - 1, kVolume, false), -1);
    EXPECT_EQ(delivered(header, kVolume, false), header);
    EXPECT_EQ(delivered(largest, kVolume, false), largest);
    EXPECT_EQ(delivered(largest + 1, kVolume, false), -1);
    const long nameAt = kBroadcastNameOffset;
    EXPECT_EQ(delivered(nameAt - 1, kDeviceTypeInterface, true), -1);
    EXPECT_EQ(delivered(nameAt, kDeviceTypeInterface, true), long{kBroadcastInterfaceSize});
    EXPECT_EQ(delivered(largest, kDeviceTypeInterface, true), long{kBroadcastInterfaceSize});
    EXPECT_EQ(delivered(largest + 1, kDeviceTypeInterface, true), -1);
    EXPECT_EQ(delivered(nameAt - 1, kVolume, true), nameAt - 1);
}

#ifdef _WIN32
// clang-format off
#include <windows.h>
#include <dbt.h>
// clang-format on

#include <cwchar>
#include <thread>

#include "platform/windows/message_window_device_changes.h"

// vt350ctl's message-only window, sent the structures Windows itself sends.
TEST(WinDeviceChange, TheMessageOnlyWindowTakesRealUtf16Records) {
    Window w;
    MessageWindowDeviceChanges changes;
    ASSERT_TRUE(w.link.Follow(changes));
    const HWND hwnd = static_cast<HWND>(changes.window());
    ASSERT_NE(hwnd, nullptr);
    EXPECT_TRUE(IsWindowUnicode(hwnd));

    const wchar_t name[] =
        L"\\\\?\\USB#VID_0001&PID_0001#0001#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
    std::vector<std::uint8_t> storage(sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) + sizeof name);
    auto* record = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(storage.data());
    record->dbcc_size =
        static_cast<DWORD>(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + sizeof name);
    record->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    std::wcscpy(record->dbcc_name, name);

    SendMessageW(hwnd, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(record));
    EXPECT_TRUE(w.link.present());
    // Sent from another thread, as the system sends it: the wait takes it in.
    std::thread system([&] {
        SendMessageW(hwnd, WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE,
                     reinterpret_cast<LPARAM>(record));
    });
    for (int i = 0; i < 100 && w.link.present(); ++i) changes.WaitForEvents(100);
    system.join();
    EXPECT_FALSE(w.link.present());
    // Another program's message with a number for a record.
    SendMessageW(hwnd, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, 1);
    SendMessageW(hwnd, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 1);
    EXPECT_FALSE(w.link.present());
    changes.Unregister();
}
#endif
