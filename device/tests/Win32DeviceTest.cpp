// The device side of the real Win32 layer under wine64, where no headset and no filter driver exist:
// hid.dll and SetupAPI find nothing of ours, the filter channel cannot be opened, and device-change
// notices reach the device link through the notification window.

#include "device/DeviceIdGroupMatcher.h"
#include "device/DeviceLink.h"
#include "device/DeviceSearch.h"
#include "device/FilterChannel.h"
#include "device/HidDiscovery.h"
#include "foundation/devid/DeviceIdMgr.h"
#include "platform/win32/Win32DeviceBroadcast.h"
#include "platform/win32/Win32DeviceInstall.h"
#include "platform/win32/Win32Guid.h"
#include "platform/win32/Win32Platform.h"

#include <windows.h>

#include <dbt.h>
#include <setupapi.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace tonvel {
namespace {

// SetupAPI packs its records on 32-bit Windows: the detail record's fixed part is a DWORD and one WCHAR.
#ifdef _WIN64
constexpr uint32_t DetailSizeField = 8;
#else
constexpr uint32_t DetailSizeField = 6;
#endif
static_assert(sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W) == DetailSizeField);

constexpr std::u16string_view HeadsetPath = u"\\\\?\\hid#vid_7f1c&pid_72a5&mi_03#7&2a1b3c4d&0&0000#"
                                            u"{4d1e55b2-f16f-11cf-88cb-001111000030}";

std::string Narrow(std::u16string_view text) {
    return std::string(text.begin(), text.end());
}

class Win32Device : public ::testing::Test {
protected:
    win32::CWin32Platform m_Windows;
    const Platform& P() { return m_Windows.platform(); }
};

TEST_F(Win32Device, TheBundleCarriesTheRealDeviceSide) {
    EXPECT_NE(dynamic_cast<win32::CWin32Hid*>(P().hid), nullptr);
    EXPECT_NE(dynamic_cast<win32::CWin32DeviceInstall*>(P().deviceInstall), nullptr);
    EXPECT_NE(dynamic_cast<win32::CWin32ControlDevice*>(P().controlDevice), nullptr);
    EXPECT_EQ(P().deviceNotifications, &m_Windows.DeviceNotifications());
    EXPECT_EQ(P().hid->GetHidGuid(), HidInterfaceClass);
}

TEST_F(Win32Device, NoHeadsetIsFound) {
    for (const auto& [vendor, product] :
         {std::pair<uint16_t, uint16_t>{0x7F1C, 0x7213}, {0x7F1C, 0x721B}, {0, 0}}) {
        EXPECT_EQ(OpenAudioHidDevice(*P().hid, *P().deviceInstall, vendor, product), NoHidHandle);
    }
    std::u16string id = u"unchanged";
    const HardwareIdMatcher any = [](std::u16string_view) { return true; };
    EXPECT_EQ(FindMatchingDevice(*P().deviceInstall, KsCategoryAudio, DiscoveryPattern, any, &id), 0);
    EXPECT_EQ(id, u"unchanged");

    CDeviceIdMgr emptyGroup;
    CDeviceLink link(P());
    link.Discover(MatchDeviceIdGroup(emptyGroup));
    EXPECT_EQ(link.VendorId(), 0);
    EXPECT_EQ(link.ProductId(), 0);
    EXPECT_EQ(link.DeviceConnected(), 0);
    EXPECT_FALSE(link.HasPresenceHandle());
}

TEST_F(Win32Device, EveryFilterRequestFindsNoControlDevice) {
    IControlDevice& control = *P().controlDevice;
    EXPECT_EQ(control.Open(FilterChannelPath), NoControlHandle);
    uint32_t value = 0x1234;
    EXPECT_EQ(DriverGeneralRequest(control, 0, value), 1);
    EXPECT_EQ(value, 0x1234u);
    EXPECT_EQ(DriverSelectEffect(control, 2), 1);
    EXPECT_EQ(DriverSetVirtualSpeakers(control, 1, VirtualSpeakerParameters{}), 1);
    value = 0x5678;
    EXPECT_EQ(DriverQueryState(control, value), 1);
    EXPECT_EQ(value, 0x5678u);
}

// Interface classes that wine lists on its display (the tests run on one): display adapters and monitors.
// The HID interfaces it lists are its own input devices (none of ours, and none at all on some machines),
// so the paths are checked on these as well.
constexpr std::u16string_view DisplayAdapterClass = u"{5B45201D-F2F2-4F3B-85BB-30FF1F953599}";
constexpr std::u16string_view MonitorClass = u"{E6F07B5F-EE97-4A90-B076-33F57BF4EAA7}";

// Every interface of the class that is present: each path is whole (no terminator inside, it begins with
// "\\?\"). SetupAPI gives no path when the detail record's size field is not the fixed part of the record
// (the buffer's size, say); Windows also refuses the other bitness's value (8 in a 32-bit process, 6 in a
// 64-bit one), wine does not.
uint32_t CheckInterfacePaths(IDeviceInstall& install, std::u16string_view interfaceClass) {
    const DeviceListHandle list = install.GetClassDevs(interfaceClass, DigcfPresent | DigcfDeviceInterface);
    EXPECT_NE(list, NoDeviceList);
    if (list == NoDeviceList) return 0;
    uint32_t count = 0;
    for (uint32_t index = 0; index < 64; ++index) {
        DEVICE_INTERFACE_DATA data;
        if (!install.EnumDeviceInterfaces(list, interfaceClass, index, data)) break;
        ++count;
        EXPECT_EQ(data.InterfaceClass, interfaceClass);
        std::u16string path;
        EXPECT_TRUE(install.GetDeviceInterfacePath(list, data, path)) << "no path for interface " << index;
        EXPECT_EQ(path.rfind(u"\\\\?\\", 0), 0u) << Narrow(path);
        EXPECT_EQ(path.find(u'\0'), std::u16string::npos);
    }
    install.DestroyDeviceInfoList(list);
    return count;
}

TEST_F(Win32Device, DeviceListsOpenAndTheirInterfacesGiveTerminatedPaths) {
    IDeviceInstall& install = *P().deviceInstall;
    EXPECT_EQ(install.GetClassDevs(u"{not a class}", DigcfPresent | DigcfDeviceInterface), NoDeviceList);
    // Wine registers its display devices when a program first asks for them.
    DISPLAY_DEVICEW display{};
    display.cb = sizeof display;
    EXPECT_TRUE(EnumDisplayDevicesW(nullptr, 0, &display, 0));
    const uint32_t displays = CheckInterfacePaths(install, DisplayAdapterClass);
    const uint32_t monitors = CheckInterfacePaths(install, MonitorClass);
    EXPECT_GT(displays + monitors, 0u) << "wine lists no display adapter and no monitor: nothing was checked";
    // HID interfaces: none under wine here; any it lists are checked too.
    const uint32_t hid = CheckInterfacePaths(install, HidInterfaceClass);
    RecordProperty("interfaces", "display adapters " + std::to_string(displays) + ", monitors " +
                                     std::to_string(monitors) + ", HID " + std::to_string(hid));
}

TEST_F(Win32Device, HardwareIdsOfPresentDevicesReadAsMultiStrings) {
    IDeviceInstall& install = *P().deviceInstall;
    const DeviceListHandle list = install.GetClassDevs(u"", DigcfPresent | DigcfAllClasses);
    ASSERT_NE(list, NoDeviceList);
    uint32_t devices = 0, withIds = 0;
    for (uint32_t index = 0; index < 64; ++index) {
        DEVICE_INFO_DATA device;
        if (!install.EnumDeviceInfo(list, index, device)) break;
        ++devices;
        const DEVICE_PROPERTY_RESULT probe =
            install.GetDeviceRegistryProperty(list, device, SpdrpHardwareId, nullptr, 0);
        if (probe.Error != ErrorInsufficientBuffer) continue; // a device without hardware IDs
        ++withIds;
        EXPECT_EQ(probe.ValueType, RegMultiSz);
        std::u16string id;
        EXPECT_TRUE(ReadFirstPropertyString(install, list, device, SpdrpHardwareId, id));
        EXPECT_FALSE(id.empty());
        EXPECT_EQ(id.find(u'\0'), std::u16string::npos) << Narrow(id);
    }
    install.DestroyDeviceInfoList(list);
    EXPECT_GT(withIds, 0u) << "wine lists " << devices
                           << " present devices, none with hardware IDs: nothing was checked";
    RecordProperty("devices",
                   std::to_string(devices) + " present, " + std::to_string(withIds) + " with hardware IDs");
}

// A device-interface record as Windows builds it: header, class, then the name and its terminator.
std::vector<uint8_t> InterfaceRecord(std::u16string_view name, uint32_t sizeField, bool terminate = true,
                                     uint32_t type = DBT_DEVTYP_DEVICEINTERFACE) {
    const size_t nameAt = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    std::vector<uint8_t> bytes(nameAt + (name.size() + (terminate ? 1 : 0)) * 2, 0);
    DEV_BROADCAST_DEVICEINTERFACE_W head{};
    head.dbcc_size = sizeField;
    head.dbcc_devicetype = type;
    EXPECT_TRUE(win32::ParseGuid(HidInterfaceClass, head.dbcc_classguid));
    std::memcpy(bytes.data(), &head, nameAt);
    std::memcpy(bytes.data() + nameAt, name.data(), name.size() * 2);
    return bytes;
}

constexpr uint32_t Whole = 0xFFFFFFFF; // the size field is the buffer's size

struct RECORD_CASE {
    const char* label;
    std::u16string_view name;
    uint32_t sizeField; // Whole, or a value
    bool terminate;
    uint32_t type;
    size_t available; // bytes the parser may read; 0 = the whole buffer
    bool ok;
    uint32_t deviceType;
    std::u16string_view expectedName;
};

TEST(Win32DeviceBroadcast, RecordsAreReadWithinTheirBounds) {
    const size_t nameAt = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    const uint32_t cutAt = static_cast<uint32_t>(nameAt + 10 * 2);
    const RECORD_CASE cases[] = {
        {"whole record", HeadsetPath, Whole, true, DBT_DEVTYP_DEVICEINTERFACE, 0, true, 5, HeadsetPath},
        {"size field cuts the name", HeadsetPath, cutAt, true, DBT_DEVTYP_DEVICEINTERFACE, 0, true, 5,
         HeadsetPath.substr(0, 10)},
        {"odd size field drops the half character", HeadsetPath, cutAt + 1, true, DBT_DEVTYP_DEVICEINTERFACE,
         0, true, 5, HeadsetPath.substr(0, 10)},
        {"unterminated name ends with the record", HeadsetPath, Whole, false, DBT_DEVTYP_DEVICEINTERFACE, 0,
         true, 5, HeadsetPath},
        {"size field beyond the buffer", HeadsetPath, 4096, true, DBT_DEVTYP_DEVICEINTERFACE, nameAt + 6 * 2,
         true, 5, HeadsetPath.substr(0, 6)},
        {"no name at all", u"", static_cast<uint32_t>(nameAt), false, DBT_DEVTYP_DEVICEINTERFACE, 0, true, 5,
         u""},
        {"shorter than the interface record's fixed part", HeadsetPath, static_cast<uint32_t>(nameAt - 2),
         true, DBT_DEVTYP_DEVICEINTERFACE, 0, false, 0, u""},
        {"shorter than a header", HeadsetPath, 8, true, DBT_DEVTYP_DEVICEINTERFACE, 0, false, 0, u""},
        {"buffer shorter than a header", HeadsetPath, Whole, true, DBT_DEVTYP_DEVICEINTERFACE, 8, false, 0,
         u""},
        {"volume record: type only", u"", sizeof(DEV_BROADCAST_VOLUME), false, DBT_DEVTYP_VOLUME, 0, true,
         DBT_DEVTYP_VOLUME, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<uint8_t> bytes = InterfaceRecord(c.name, 0, c.terminate, c.type);
        if (bytes.size() < sizeof(DEV_BROADCAST_VOLUME)) bytes.resize(sizeof(DEV_BROADCAST_VOLUME), 0);
        const uint32_t size = c.sizeField == Whole ? static_cast<uint32_t>(bytes.size()) : c.sizeField;
        std::memcpy(bytes.data(), &size, sizeof size);
        DEVICE_CHANGE_RECORD record;
        record.Name = u"stale";
        EXPECT_EQ(win32::ParseDeviceBroadcast(bytes.data(), c.available ? c.available : bytes.size(), record),
                  c.ok);
        EXPECT_EQ(record.DeviceType, c.deviceType);
        EXPECT_EQ(record.Name, c.expectedName);
        if (c.ok && c.type == DBT_DEVTYP_DEVICEINTERFACE) {
            EXPECT_EQ(record.ClassGuid, HidInterfaceClass);
        }
    }
    DEVICE_CHANGE_RECORD record;
    EXPECT_FALSE(win32::ParseDeviceBroadcast(nullptr, 64, record));
}

TEST(Win32Guid, RegistryFormReadsAndWritesBack) {
    GUID guid{};
    ASSERT_TRUE(win32::ParseGuid(u"{6994ad04-93ef-11d0-a3cc-00a0c9223196}", guid));
    EXPECT_EQ(win32::GuidText(guid), KsCategoryAudio);
    for (const char16_t* bad :
         {u"", u"6994AD04-93EF-11D0-A3CC-00A0C9223196", u"{6994AD04-93EF-11D0-A3CC-00A0C922319G}",
          u"{6994AD04+93EF-11D0-A3CC-00A0C9223196}", u"{6994AD04-93EF-11D0-A3CC-00A0C92231960}"}) {
        GUID untouched = guid;
        EXPECT_FALSE(win32::ParseGuid(bad, untouched));
        EXPECT_TRUE(IsEqualGUID(untouched, guid));
    }
}

// Sends WM_DEVICECHANGE to a registration's window as Windows would, with the record in lParam.
void SendNotice(win32::CWin32DeviceNotifications& notices, uint32_t registration, WPARAM event,
                std::vector<uint8_t>& record) {
    HWND window = reinterpret_cast<HWND>(notices.WindowOf(registration));
    ASSERT_NE(window, nullptr);
    ::SendMessageW(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(record.data()));
}

struct NOTICE {
    uint32_t Event;
    DEVICE_CHANGE_RECORD Record;
};

TEST_F(Win32Device, NotificationWindowHandsArrivalAndRemovalToTheHandler) {
    win32::CWin32DeviceNotifications& notices = m_Windows.DeviceNotifications();
    std::vector<NOTICE> seen;
    const uint32_t id = notices.Register([&seen](uint32_t event, const DEVICE_CHANGE_RECORD& r) {
        seen.push_back({event, r});
    });
    ASSERT_NE(id, 0u);

    std::vector<uint8_t> record = InterfaceRecord(HeadsetPath, 0);
    const auto size = static_cast<uint32_t>(record.size());
    std::memcpy(record.data(), &size, sizeof size);
    SendNotice(notices, id, DBT_DEVICEARRIVAL, record);
    SendNotice(notices, id, DBT_DEVNODES_CHANGED, record); // not an arrival or removal: no call
    SendNotice(notices, id, DBT_DEVICEREMOVECOMPLETE, record);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].Event, DbtDeviceArrival);
    EXPECT_EQ(seen[1].Event, DbtDeviceRemoveComplete);
    EXPECT_EQ(seen[0].Record.DeviceType, DbtDevtypDeviceInterface);
    EXPECT_EQ(seen[0].Record.ClassGuid, HidInterfaceClass);
    EXPECT_EQ(seen[0].Record.Name, HeadsetPath);

    notices.Unregister(id);
    EXPECT_EQ(notices.WindowOf(id), 0u);
}

// A handle registration on an open file: Windows asks its window whether the device may go; the handler
// hears it and the query is granted (TRUE); interface notices and other records are not its business.
TEST_F(Win32Device, AHandleRegistrationHearsTheQueryRemoveAndGrantsIt) {
    wchar_t folder[MAX_PATH] = {};
    wchar_t file[MAX_PATH] = {};
    ASSERT_NE(::GetTempPathW(MAX_PATH, folder), 0u);
    ASSERT_NE(::GetTempFileNameW(folder, L"tnv", 0, file), 0u);
    HANDLE handle = ::CreateFileW(file, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    win32::CWin32DeviceNotifications& notices = m_Windows.DeviceNotifications();
    std::vector<uint32_t> seen;
    const uint32_t id = notices.RegisterHandle(reinterpret_cast<uintptr_t>(handle),
                                               [&seen](uint32_t event) { seen.push_back(event); });
    ASSERT_NE(id, 0u) << "RegisterDeviceNotification with a handle filter";
    HWND window = reinterpret_cast<HWND>(notices.WindowOf(id));
    ASSERT_NE(window, nullptr);

    DEV_BROADCAST_HANDLE notice{};
    notice.dbch_size = sizeof notice;
    notice.dbch_devicetype = DBT_DEVTYP_HANDLE;
    notice.dbch_handle = handle;
    const auto send = [&](WPARAM event, const void* record) {
        return ::SendMessageW(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(record));
    };
    EXPECT_EQ(send(DBT_DEVICEQUERYREMOVE, &notice), TRUE);
    send(DBT_DEVICEQUERYREMOVEFAILED, &notice);
    send(DBT_DEVICEREMOVECOMPLETE, &notice);
    std::vector<uint8_t> other = InterfaceRecord(HeadsetPath, 0);
    const auto size = static_cast<uint32_t>(other.size());
    std::memcpy(other.data(), &size, sizeof size);
    send(DBT_DEVICEARRIVAL, other.data());
    send(DBT_DEVICEREMOVECOMPLETE, other.data());
    EXPECT_EQ(seen, (std::vector<uint32_t>{DbtDeviceQueryRemove, DbtDeviceQueryRemoveFailed,
                                           DbtDeviceRemoveComplete}));
    notices.Unregister(id);
    EXPECT_EQ(notices.WindowOf(id), 0u);
    ::CloseHandle(handle);
}

TEST_F(Win32Device, ArrivalOfAHeadsetThatDoesNotOpenLeavesTheLinkAbsent) {
    CDeviceLink link(P());
    ASSERT_TRUE(link.RegisterNotifications());
    // The link's registration is the first of this platform's notifications.
    std::vector<uint8_t> record = InterfaceRecord(HeadsetPath, 0);
    const auto size = static_cast<uint32_t>(record.size());
    std::memcpy(record.data(), &size, sizeof size);
    SendNotice(m_Windows.DeviceNotifications(), 1, DBT_DEVICEARRIVAL, record);
    EXPECT_EQ(link.VendorId(), 0x7F1C);
    EXPECT_EQ(link.ProductId(), 0x72A5);
    EXPECT_EQ(link.DeviceConnected(), 0);
    EXPECT_FALSE(link.HasPresenceHandle());
    link.UnregisterNotifications();
    EXPECT_EQ(m_Windows.DeviceNotifications().WindowOf(1), 0u);
}

} // namespace
} // namespace tonvel
