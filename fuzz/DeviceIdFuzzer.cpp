// The device-ID group loader on any configuration file: Load never reads or writes out of bounds, every
// accepted entry is proven by its token, and every accepted pattern matches itself.

#include "foundation/devid/DeviceIdMgr.h"
#include "foundation/protect/Protect.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/MemoryFiles.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

const std::u16string kConfig = u"C:\\AudioConfig.cfg";

tonvel::fuzz::CMemoryFiles& Files() {
    static tonvel::fuzz::CMemoryFiles files;
    return files;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    Files().WriteAll(kConfig, data, size);
    for (const char16_t* section : {u"USB_VID_PID", u"HID_VID_PID"}) {
        tonvel::CDeviceIdMgr group;
        const std::int32_t status = group.Load(Files(), kConfig, section);
        TONVEL_FUZZ_CHECK(status >= tonvel::kDeviceIdLoaded && status <= tonvel::kDeviceIdEmptySide);
        for (const auto& [pattern, token] : group.DeviceMap()) {
            TONVEL_FUZZ_CHECK(!pattern.empty() && !token.empty());
            std::string bytes;
            for (char16_t unit : token)
                bytes.push_back(static_cast<char>(unit & 0xFF));
            unsigned char plain[4096];
            std::size_t length = sizeof plain;
            TONVEL_FUZZ_CHECK(tonvel::DecryptValue(reinterpret_cast<const unsigned char*>(bytes.data()),
                                                   bytes.size(), plain, &length) == 0);
            bool upper = true;
            for (char16_t unit : pattern)
                upper = upper && !(unit >= u'a' && unit <= u'z');
            if (upper) TONVEL_FUZZ_CHECK(group.Match(pattern));
        }
        group.Match(u"USB\\VID_7F1C&PID_7213&REV_0100&MI_03");
        group.Match(u"");
    }
    return 0;
}
