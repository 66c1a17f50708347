// The device-ID group loader on any configuration file: Load never reads or writes out of bounds, every
// accepted entry is proven by its token (the token deciphers to exactly the pattern), and Match finds every
// accepted pattern, whatever stands at its "X" places and in whatever letter case.

#include "foundation/devid/DeviceIdMgr.h"
#include "foundation/protect/Protect.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/MemoryFiles.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

const std::u16string Config = u"C:\\AudioConfig.cfg";

tonvel::fuzz::CMemoryFiles& Files() {
    static tonvel::fuzz::CMemoryFiles files;
    return files;
}

// The token's plain text as the pattern must read: 8-bit text up to its first zero byte, bytes from 0x80
// widened as signed 8-bit characters. Empty when the token does not decipher.
std::u16string PlainText(const std::u16string& token, bool& deciphered) {
    std::string bytes;
    for (char16_t unit : token)
        bytes.push_back(static_cast<char>(unit & 0xFF));
    unsigned char plain[4096];
    size_t length = sizeof plain;
    deciphered = tonvel::DecryptValue(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                                      plain, &length) == 0;
    std::u16string text;
    for (size_t i = 0; deciphered && i < length && plain[i] != 0; ++i)
        text.push_back(plain[i] < 0x80 ? plain[i] : static_cast<char16_t>(0xFF00 | plain[i]));
    return text;
}

// The pattern with its "X" places filled and its ASCII letters in lower case: a hardware ID it matches.
std::u16string MatchingId(const std::u16string& pattern) {
    std::u16string id = pattern;
    for (char16_t& unit : id) {
        if (unit == u'X')
            unit = u'7';
        else if (unit >= u'A' && unit <= u'Z')
            unit = static_cast<char16_t>(unit - u'A' + u'a');
    }
    return id;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Files().WriteAll(Config, data, size);
    for (const char16_t* section : {u"USB_VID_PID", u"HID_VID_PID"}) {
        tonvel::CDeviceIdMgr group;
        const int32_t status = group.Load(Files(), Config, section);
        TONVEL_FUZZ_CHECK(status >= tonvel::DeviceIdLoaded && status <= tonvel::DeviceIdEmptySide);
        size_t longest = 0;
        for (const auto& [pattern, token] : group.DeviceMap()) {
            TONVEL_FUZZ_CHECK(!pattern.empty() && !token.empty());
            bool deciphered = false;
            const std::u16string plain = PlainText(token, deciphered);
            TONVEL_FUZZ_CHECK(deciphered);
            TONVEL_FUZZ_CHECK(plain == pattern);
            longest = pattern.size() > longest ? pattern.size() : longest;
            bool upper = true;
            for (char16_t unit : pattern)
                upper = upper && !(unit >= u'a' && unit <= u'z');
            if (!upper)
                continue; // hardware IDs are upper-cased before matching: such a pattern never matches
            TONVEL_FUZZ_CHECK(group.Match(pattern));
            TONVEL_FUZZ_CHECK(group.Match(MatchingId(pattern)));
        }
        // Only a pattern of the same length can match.
        TONVEL_FUZZ_CHECK(!group.Match(u""));
        TONVEL_FUZZ_CHECK(!group.Match(std::u16string(longest + 1, u'X')));
        const std::u16string headset = u"USB\\VID_7F1C&PID_7213&REV_0100&MI_03";
        if (group.Match(headset)) {
            bool sameLength = false;
            for (const auto& entry : group.DeviceMap())
                sameLength = sameLength || entry.first.size() == headset.size();
            TONVEL_FUZZ_CHECK(sameLength);
        }
    }
    return 0;
}
