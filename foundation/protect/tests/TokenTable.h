#pragma once
// Tokens made once with tools/encipher and stored here, with the plaintexts they must give. The same table
// runs natively (nettle) and under wine64 (CryptoAPI).

#include <string>
#include <string_view>

namespace tonvel::test {

struct TOKEN_CASE {
    const char* name;
    std::string_view token;
    int status;             // of DecryptValue
    std::string_view plain; // expected on success
};

using namespace std::string_view_literals;

// clang-format off
inline const TOKEN_CASE TokenCases[] = {
    // tonvel_encipher TEXT
    {"UsbPattern", "z/OVCfH5P0ytofR7pY53nt0oCMmWxfJWymowHsmf5nkJmdlk4LEKNw==", 0,
     "USB\\VID_7F1C&PID_7213&REV_0100&MI_03"},
    {"HidPattern", "PI2K7D3LTHVHMH48/3+8mfmePvZnnTOdsyKx+C/a7nE=", 0, "HID\\VID_7F1C&PID_7213&MI_03"},
    {"WildcardPattern", "z/OVCfH5P0wlglSZQGPcfcWTqQTksQAa", 0, "USB\\VID_XXXX&PID_XXXX"},
    {"Empty", "vM8A+WsDP1A=", 0, ""},
    {"OneByte", "21StWOTZ9NI=", 0, "A"},
    {"SevenBytes", "EkO1IKFFdto=", 0, "ABCDEFG"},
    {"WholeBlockGetsPaddingBlock", "lfVfyWhotcuGrU/Aw0HJrQ==", 0, "ABCDEFGH"},
    {"EightBitBytes", "thNu8pmWLjq6ohXjdvRaag==", 0, "Ger\xC3\xA4t 7.1"},
    // tonvel_encipher --key Zz8yXw7V TEXT: under the product key one gives bad padding, one other text.
    {"OtherKeyBadPadding", "dQ/f/UnwlxMqO7mHnph/14cbTRPwV2WnQHg+YFUEaNn1E5Bncv/1jw==", 2, ""},
    {"OtherKeyOtherText", "dQ/f/UnwlxMqO7mHnph/11LwYsd7Q/fP", 0,
     "\x9a\xd9\xbb\x19\x7f\xec\x6c\xe0\xb8\x83\x8a\x65\xcd\x80\x02\x23\x3b\x1c\x30\x19\xbc\x1b\xe0"sv},
    // tonvel_encipher --hex --no-padding HEX: the last block's padding bytes as given.
    {"PaddingZero", "ifbOEja1lis=", 2, ""},          // 41424344454647 00
    {"PaddingNine", "AXTSLIPKWLc=", 2, ""},          // 41424344454647 09
    {"PaddingMismatch", "rCO30PtqGmg=", 2, ""},      // 414243444546 43 02
    {"PaddingTwo", "j4XIzVJ9z6Y=", 0, "ABCDEF"},     // 414243444546 02 02
    {"PaddingLetter", "LQKklKe96RA=", 2, ""},        // 41414141414141 41
    // Broken Base64.
    {"NoCharacters", "", 1, ""},
    {"LengthNotMultipleOfFour", "vM8A+WsDP1A", 1, ""},
    {"Space", "vM8A WsDP1A=", 1, ""},
    {"TrailingNewline", "vM8A+WsDP1A=\n", 1, ""},
    {"UrlAlphabet", "vM8A-WsDP1A=", 1, ""},
    {"NulCharacter", "vM8A\0WsDP1A="sv, 1, ""},
    // Decoded length not a multiple of 8.
    {"SixBytes", "vM8A+WsD", 2, ""},
    {"NineBytes", "z/OVCfH5P0yt", 2, ""},
};

// tonvel_encipher TEXT with TEXT the first 1015 bytes of LongPlaintext(): 1016 bytes of ciphertext, 1356
// characters, the longest token that fits.
inline constexpr std::string_view LongestToken =
    "z/OVCfH5P0ytofR7pY53nt0oCMmWxfJWymowHsmf5nn9T8Q0p4mUxcPdZoEbLd8XJannaT8L64kcdZP4zPUWi2jToK0f4Vegehvz"
    "lpGA3d7Yujd0bJB0UmFfYBOrr2fndzuNb7Wq3Kxr9V/43cylKTVnuwPUfh63eJyv7+eSzB85TVs8VfQ2n5S4JHj9h/XXdS+4HePA"
    "NzSZcqnDyVEy8GkSQ+tfaWIjTbKf/fvW1+Np+K1yAuHfmkexHQWT8ujshYO4ALWDx5358DKEZbfjRIUViZ6t6n6jvxR+eWGgWGuI"
    "MkYBolGSOu+rJrTa3E7WqyQ/QpLFkXo02Yw+jnRs4CI/Wmp2OtM4sowZDM2L9IA8ds7yZrbd4dbtUWo/9LAGPjjcyeS1WX7Ufcaw"
    "TGBXlkRcCc93FtOZDw+DCeyWjfSLsv18vYf7pjnvt9gwPF0HvdR4XrMEUzNlac7RYTZSHmkSUUO2UUExjuDepsHG578A7AmLHkAf"
    "TUx1tYcv2+T4VrJsMchFROASUg4AAayRPg81EJTvSXgRrOhmYhO8meEk6hJsbykZSKe8VXF16ZYnTjs3bgb/MU9VsDV/e6rF0wYB"
    "WJnKdH5jH37k4+VWYB0TTUVuUq7RIKbNBg6YGGMlfGhrJE3sCbPtuHPmMY/PnLjgqaB5T1D/Z4wiy97fPQ5kX/De4RT3v3T0Feps"
    "5PzrFas3Dp6/eh17wj+ucK4w8lOpq+YpL3pLlYy4KhODY/0ZotHoW9sgdnlh+m+qN+SJQyZ7yxNty77hANt9Nqq9h7+cvDM2+3N1"
    "KwkB7Ymb7zc+/J5slVkNcrF39diouJxcZ3pt5T/NRvOy8trFgD0AsFYWixfDDKNUtN9v52tXumsm6cSofVwORBmp+nHkK9XFp4zf"
    "AjnRKAE2kO4qq0HJSQzHIpyjBAsXt1nXKPXUF0nvEZZRVA9QS9lWsUnMJEOu6h6Z8rVPRjLdCDuDNWg8Kbjzh2bkVIW2WQlehASF"
    "mIP5WLrN+OSN0+u45qdpvhdCFbIs89K70MTreB5c+GDIWHhsJWylD6izyafAMAWqUrcEoXUG7urWoPIcRaIaSKxwADhucS0vVlmX"
    "4nPIaFlQf4B37jnxbgmIIlrm4jcxD62dyAxzz8LZdPaMCh2/J8USUKH2Y/EGt1Q+fwW7Z8If1J8PKWw5pQOnhH8yoyR65NfjY89c"
    "SKQ/6LdzHBBFqBdJVx7NiEN+2TwV4SZvMsogbFM2HUGZzDfPt59T65lLejgC6i5bgUNpooZ7ATEt0BHwLoCaXRx8CnXztOCLDQwa"
    "Lyrqm3oOwITpADaMWW/TAeRSQYZ1PzqOT/1gI4OP7sqbba7Vnn5MCVQ="
    ""sv;

// The same with the first 1016 bytes: 1024 bytes of ciphertext, 1368 characters, one group too many.
inline constexpr std::string_view TooLongToken =
    "z/OVCfH5P0ytofR7pY53nt0oCMmWxfJWymowHsmf5nn9T8Q0p4mUxcPdZoEbLd8XJannaT8L64kcdZP4zPUWi2jToK0f4Vegehvz"
    "lpGA3d7Yujd0bJB0UmFfYBOrr2fndzuNb7Wq3Kxr9V/43cylKTVnuwPUfh63eJyv7+eSzB85TVs8VfQ2n5S4JHj9h/XXdS+4HePA"
    "NzSZcqnDyVEy8GkSQ+tfaWIjTbKf/fvW1+Np+K1yAuHfmkexHQWT8ujshYO4ALWDx5358DKEZbfjRIUViZ6t6n6jvxR+eWGgWGuI"
    "MkYBolGSOu+rJrTa3E7WqyQ/QpLFkXo02Yw+jnRs4CI/Wmp2OtM4sowZDM2L9IA8ds7yZrbd4dbtUWo/9LAGPjjcyeS1WX7Ufcaw"
    "TGBXlkRcCc93FtOZDw+DCeyWjfSLsv18vYf7pjnvt9gwPF0HvdR4XrMEUzNlac7RYTZSHmkSUUO2UUExjuDepsHG578A7AmLHkAf"
    "TUx1tYcv2+T4VrJsMchFROASUg4AAayRPg81EJTvSXgRrOhmYhO8meEk6hJsbykZSKe8VXF16ZYnTjs3bgb/MU9VsDV/e6rF0wYB"
    "WJnKdH5jH37k4+VWYB0TTUVuUq7RIKbNBg6YGGMlfGhrJE3sCbPtuHPmMY/PnLjgqaB5T1D/Z4wiy97fPQ5kX/De4RT3v3T0Feps"
    "5PzrFas3Dp6/eh17wj+ucK4w8lOpq+YpL3pLlYy4KhODY/0ZotHoW9sgdnlh+m+qN+SJQyZ7yxNty77hANt9Nqq9h7+cvDM2+3N1"
    "KwkB7Ymb7zc+/J5slVkNcrF39diouJxcZ3pt5T/NRvOy8trFgD0AsFYWixfDDKNUtN9v52tXumsm6cSofVwORBmp+nHkK9XFp4zf"
    "AjnRKAE2kO4qq0HJSQzHIpyjBAsXt1nXKPXUF0nvEZZRVA9QS9lWsUnMJEOu6h6Z8rVPRjLdCDuDNWg8Kbjzh2bkVIW2WQlehASF"
    "mIP5WLrN+OSN0+u45qdpvhdCFbIs89K70MTreB5c+GDIWHhsJWylD6izyafAMAWqUrcEoXUG7urWoPIcRaIaSKxwADhucS0vVlmX"
    "4nPIaFlQf4B37jnxbgmIIlrm4jcxD62dyAxzz8LZdPaMCh2/J8USUKH2Y/EGt1Q+fwW7Z8If1J8PKWw5pQOnhH8yoyR65NfjY89c"
    "SKQ/6LdzHBBFqBdJVx7NiEN+2TwV4SZvMsogbFM2HUGZzDfPt59T65lLejgC6i5bgUNpooZ7ATEt0BHwLoCaXRx8CnXztOCLDQwa"
    "Lyrqm3oOwITpADaMWW/TAeRSQYZ1PzqOT/1gI4OP7sqbdCcgP1ACIcB6238p4r6YXQ=="
    ""sv;
// clang-format on

inline std::string LongPlaintext(size_t length) {
    std::string text;
    while (text.size() < length)
        text += "USB\\VID_7F1C&PID_7213&REV_0100&MI_03|";
    text.resize(length);
    return text;
}

} // namespace tonvel::test
