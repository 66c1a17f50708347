#pragma once
// Test data for the device-ID group tests: patterns with their tokens, and configuration files written into
// a private temporary folder.

#include "base/text/Utf.h"
#include "foundation/devid/DeviceIdMgr.h"
#include "platform/sim/SimFileSystem.h"

#include <filesystem>
#include <random>
#include <string>

namespace tonvel::test {

// Patterns and the tokens tools/encipher made for them with the product key.
inline const std::u16string WildUsb = u"USB\\VID_7F1C&PID_72XX&REV_0100&MI_03";
inline const std::string WildUsbToken = "z/OVCfH5P0ytofR7pY53nj5CDRFx6mO52Q3g7L2YIH+GiIOHdMMvBA==";
inline const std::u16string Usb = u"USB\\VID_7F1C&PID_7213&REV_0100&MI_03";
inline const std::string UsbToken = "z/OVCfH5P0ytofR7pY53nt0oCMmWxfJWymowHsmf5nkJmdlk4LEKNw==";
inline const std::u16string HidDeviceId = u"HID\\VID_7F1C&PID_7213&MI_03";
inline const std::string HidToken = "PI2K7D3LTHVHMH48/3+8mfmePvZnnTOdsyKx+C/a7nE=";
inline const std::u16string AnyUsb = u"USB\\VID_XXXX&PID_XXXX";
inline const std::string AnyUsbToken = "z/OVCfH5P0wlglSZQGPcfcWTqQTksQAa";
inline const std::u16string OtherUsb = u"USB\\VID_0D8C&PID_0012";
inline const std::string OtherUsbToken = "z/OVCfH5P0xcPuQIKeSRBzlA199JkmvV";
inline const std::u16string LeadingX = u"XSB\\VID_7F1C&PID_7213";
inline const std::string LeadingXToken = "B9TYrKLWLC0c0AEVf+gQMnTFMEaE2fgD";
inline const std::u16string LowerCase = u"usb\\vid_7f1c&pid_72xx";
inline const std::string LowerCaseToken = "LstyLu78gBiPKoKelPm3mdwu9UBd2NfZ";
// tonvel_encipher --key Zz8yXw7V with the text of WildUsb.
inline const std::string WildUsbOtherKeyToken = "dQ/f/UnwlxMqO7mHnph/12ojXfC3fYL5sgpv5O5OpHP6KN/DafkGRQ==";
// tonvel_encipher --hex 4142E9 and --hex 41420043.
inline const std::string HighByteToken = "EgEBHm43eY8=";
inline const std::string ZeroInsideToken = "o4cfAS/oII4=";

inline std::string Narrow(const std::u16string& text) {
    return std::string(text.begin(), text.end());
}
inline std::string Entry(const std::u16string& pattern, const std::string& token) {
    return Narrow(pattern) + "," + token;
}

// Configuration files in a simulated drive C: held in a private temporary folder.
class CConfigFolder {
public:
    CConfigFolder() : m_Host(NewHostFolder()), m_Files(m_Host) {}
    ~CConfigFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_Host, ignored);
    }
    IFileSystem& Files() { return m_Files; }
    std::u16string Write(const std::string& bytes) {
        const std::u16string path = u"C:\\AudioConfig" + AsciiToUtf16(std::to_string(m_Count++)) + u".cfg";
        m_Files.PutFile(path, bytes);
        return path;
    }
    std::u16string Missing() const { return u"C:\\missing.cfg"; }

private:
    static std::filesystem::path NewHostFolder() {
        std::random_device random;
        const std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("tonvel_devid_" + std::to_string(random()));
        std::filesystem::create_directories(path);
        return path;
    }

    std::filesystem::path m_Host;
    sim::CSimFileSystem m_Files;
    int m_Count = 0;
};

} // namespace tonvel::test
