// Deciphering of protected values. Built natively (nettle) and for Windows (CryptoAPI, run under wine64):
// the same tokens must give the same results on both.

#include "foundation/protect/Protect.h"
#include "foundation/protect/tests/TokenTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tonvel;
using namespace tonvel::test;

namespace {

const unsigned char* Bytes(std::string_view text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

struct DECRYPTED {
    int status;
    std::string plain;
    size_t length;
    std::vector<unsigned char> buffer;
};

// DecryptValue into a buffer of `capacity` bytes pre-filled with 0xAA; `slack` more 0xAA bytes follow it.
DECRYPTED Decrypt(std::string_view token, size_t capacity = 4096, size_t slack = 16) {
    DECRYPTED result;
    result.buffer.assign(capacity + slack, 0xAA);
    result.length = capacity;
    result.status = DecryptValue(Bytes(token), token.size(), result.buffer.data(), &result.length);
    if (result.status == 0)
        result.plain.assign(reinterpret_cast<const char*>(result.buffer.data()), result.length);
    return result;
}

std::vector<unsigned char> Decode(std::string_view text) {
    std::vector<unsigned char> out(text.size() + 1);
    size_t length = out.size();
    EXPECT_EQ(Base64Decode(Bytes(text), text.size(), out.data(), &length), 0) << text;
    out.resize(length);
    return out;
}

class TokenTable : public testing::TestWithParam<TOKEN_CASE> {};

} // namespace

TEST_P(TokenTable, DecipheredAsExpected) {
    const TOKEN_CASE& c = GetParam();
    const DECRYPTED d = Decrypt(c.token);
    ASSERT_EQ(d.status, c.status);
    if (c.status == 0) {
        EXPECT_EQ(d.plain, std::string(c.plain));
        EXPECT_EQ(d.length, c.plain.size());
    } else {
        EXPECT_EQ(d.length, 0u);
    }
    // The whole capacity is cleared before the DES stage (success or not); past it nothing is touched.
    const size_t clearedFrom = c.status == 0 ? c.plain.size() : 0;
    if (c.status != 1) {
        for (size_t i = clearedFrom; i < 4096; ++i)
            ASSERT_EQ(d.buffer[i], 0) << i;
    }
    for (size_t i = 4096; i < d.buffer.size(); ++i)
        ASSERT_EQ(d.buffer[i], 0xAA) << i;
}

INSTANTIATE_TEST_SUITE_P(Protect, TokenTable, testing::ValuesIn(TokenCases),
                         [](const testing::TestParamInfo<TOKEN_CASE>& info) { return info.param.name; });

TEST(DecryptValue, TokenLengthLimit) {
    // The longest real token fits and deciphers; the next size fails in the Base64 stage.
    const DECRYPTED longest = Decrypt(LongestToken);
    ASSERT_EQ(LongestToken.size(), 1356u);
    ASSERT_EQ(longest.status, 0);
    EXPECT_EQ(longest.plain, LongPlaintext(1015));
    ASSERT_EQ(TooLongToken.size(), 1368u);
    EXPECT_EQ(Decrypt(TooLongToken).status, 1);

    // 1364 characters pass the Base64 stage (then 1023 bytes are not whole blocks); 1368 do not.
    EXPECT_EQ(Decrypt(std::string(1364, 'A')).status, 2);
    EXPECT_EQ(Decrypt(std::string(1368, 'A')).status, 1);
}

TEST(DecryptValue, OutputCapacityBelowCiphertextFailsInTheDesStage) {
    // 37 bytes of plaintext in 40 bytes of ciphertext: the capacity must hold the ciphertext.
    const std::string_view token = TokenCases[0].token;
    const DECRYPTED small = Decrypt(token, 39);
    EXPECT_EQ(small.status, 2);
    EXPECT_EQ(small.length, 0u);
    for (size_t i = 0; i < 39; ++i)
        ASSERT_EQ(small.buffer[i], 0) << i;
    for (size_t i = 39; i < small.buffer.size(); ++i)
        ASSERT_EQ(small.buffer[i], 0xAA) << i;

    const DECRYPTED exact = Decrypt(token, 40);
    EXPECT_EQ(exact.status, 0);
    EXPECT_EQ(exact.plain, std::string(TokenCases[0].plain));
    EXPECT_EQ(exact.buffer[37], 0);
    EXPECT_EQ(exact.buffer[40], 0xAA);
}

TEST(DecryptValue, Base64FailureLeavesTheOutputAlone) {
    const DECRYPTED d = Decrypt("vM8A WsDP1A=", 64);
    EXPECT_EQ(d.status, 1);
    for (unsigned char b : d.buffer)
        ASSERT_EQ(b, 0xAA);
}

TEST(DecryptValue, NullArgumentsFail) {
    unsigned char out[64];
    size_t length = sizeof out;
    EXPECT_EQ(DecryptValue(nullptr, 12, out, &length), 1);
    EXPECT_EQ(DecryptValue(Bytes("vM8A+WsDP1A="), 12, out, nullptr), 1);
    length = sizeof out;
    EXPECT_EQ(DecryptValue(Bytes("vM8A+WsDP1A="), 12, nullptr, &length), 2);
}

TEST(Base64Decode, Groups) {
    struct Case {
        std::string_view text;
        std::vector<unsigned char> bytes;
    } cases[] = {
        {"QQ==", {'A'}},
        {"QUI=", {'A', 'B'}},
        {"QUJD", {'A', 'B', 'C'}},
        {"QUJDRA==", {'A', 'B', 'C', 'D'}},
        {"AAAA", {0, 0, 0}},
        {"////", {0xFF, 0xFF, 0xFF}},
        {"+/+/", {0xFB, 0xFF, 0xBF}},
        {"AZaz09+/", {0x01, 0x96, 0xB3, 0xD3, 0xDF, 0xBF}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Decode(c.text), c.bytes) << c.text;
}

TEST(Base64Decode, Failures) {
    struct Case {
        std::string_view text;
        size_t capacity;
        int status;
    } cases[] = {
        {"", 16, 1},
        {"QUJ", 16, 1},
        {"QUJDR", 16, 1},
        {"QUJD", 3, 2}, // the capacity must be greater
                        // than length / 4 * 3
        {"QUI=", 3, 2}, // even when padding makes the output shorter
        {"QUJD", 0, 2},
        {"QU D", 16, 3},
        {"QU_D", 16, 3},
        {"QUJ\x80", 16, 3},
        {"QUJ\0"sv, 16, 3},
    };
    for (const auto& c : cases) {
        std::vector<unsigned char> out(c.capacity + 4, 0xAA);
        size_t length = c.capacity;
        EXPECT_EQ(Base64Decode(Bytes(c.text), c.text.size(), out.data(), &length), c.status) << c.text;
        EXPECT_EQ(length, c.capacity) << c.text;
        for (size_t i = c.capacity; i < out.size(); ++i)
            ASSERT_EQ(out[i], 0xAA) << c.text;
    }
}

TEST(Base64Decode, BufferOfTheDecryptStage) {
    unsigned char out[ProtectBase64BufferSize];
    size_t length = sizeof out;
    const std::string fits(1364, 'A');
    EXPECT_EQ(Base64Decode(Bytes(fits), fits.size(), out, &length), 0);
    EXPECT_EQ(length, 1023u);
    length = sizeof out;
    const std::string tooLong(1368, 'A');
    EXPECT_EQ(Base64Decode(Bytes(tooLong), tooLong.size(), out, &length), 2);
}

TEST(DesDecrypt, Results) {
    const std::vector<unsigned char> usb = Decode(TokenCases[0].token); // 40 bytes
    const std::vector<unsigned char> badPadding = Decode("ifbOEja1lis=");
    const unsigned char* key = Bytes("Kq4vTz9R");
    struct Case {
        const char* name;
        const std::vector<unsigned char>* cipher;
        size_t length;
        size_t capacity;
        int status;
    } cases[] = {
        {"whole", &usb, 40, 40, 0},
        {"notWholeBlocks", &usb, 39, 64, -1},
        {"empty", &usb, 0, 64, 3},
        {"capacityBelowCiphertext", &usb, 40, 39, 4},
        {"badPadding", &badPadding, 8, 64, 3},
    };
    for (const auto& c : cases) {
        std::vector<unsigned char> out(c.capacity + 4, 0xAA);
        size_t length = c.capacity;
        ASSERT_EQ(DesDecrypt(c.cipher->data(), c.length, out.data(), &length, key, 8), c.status) << c.name;
        if (c.status == 0) {
            EXPECT_EQ(std::string(out.begin(), out.begin() + length), std::string(TokenCases[0].plain));
        } else {
            EXPECT_EQ(length, c.capacity) << c.name;
            for (unsigned char b : out)
                ASSERT_EQ(b, 0xAA) << c.name;
        }
    }
}

TEST(DesDecrypt, KeyIsTheFirstEightBytesZeroPadded) {
    struct Case {
        std::string_view token; // made with tonvel_encipher [--key KEY]
        std::string_view key;
    } cases[] = {
        {"PI2K7D3LTHVHMH48/3+8md0ZwnmDc1ze", "Kq4vTz9R"},
        {"PI2K7D3LTHVHMH48/3+8md0ZwnmDc1ze", "Kq4vTz9R and more"},
        {"l2pXXHRwfhyNNqikT5k7iNfpuUgfFHHU", "Kq4vTz9"},
        {"l2pXXHRwfhyNNqikT5k7iNfpuUgfFHHU", "Kq4vTz9\0"sv},
    };
    for (const auto& c : cases) {
        const std::vector<unsigned char> cipher = Decode(c.token);
        unsigned char out[64];
        size_t length = sizeof out;
        ASSERT_EQ(DesDecrypt(cipher.data(), cipher.size(), out, &length, Bytes(c.key), c.key.size()), 0)
            << c.key;
        EXPECT_EQ(std::string(reinterpret_cast<char*>(out), length), "HID\\VID_7F1C&PID_7213") << c.key;
    }
}
