// tonvel_encipher: makes the tokens of protected configuration values (for example the device-ID entries of
// assets/AudioConfig.cfg). Each text is enciphered with DES in CBC mode, an all-zero IV and PKCS #5 padding,
// under the product key, and printed in Base64, one token per line. The programs themselves only decipher.
//
//   tonvel_encipher [--key KEYTEXT] [--hex] [--no-padding] TEXT...
//
// --key uses another key text (first eight bytes, zero-padded), --hex reads each TEXT as hexadecimal bytes,
// --no-padding leaves out the padding (the input must fill whole blocks); these make test tokens.

#include "foundation/protect/ProductKey.h"

#include <nettle/base64.h>
#include <nettle/cbc.h>
#include <nettle/des.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void EncipherBlocks(const void* ctx, size_t length, uint8_t* dst, const uint8_t* src) {
    des_encrypt(static_cast<const des_ctx*>(ctx), length, dst, src);
}

bool FromHex(const char* text, std::vector<uint8_t>* bytes) {
    const size_t n = std::strlen(text);
    if (n % 2 != 0) return false;
    for (size_t i = 0; i < n; i += 2) {
        if (!std::isxdigit(static_cast<unsigned char>(text[i])) ||
            !std::isxdigit(static_cast<unsigned char>(text[i + 1])))
            return false;
        const char pair[3] = {text[i], text[i + 1], '\0'};
        bytes->push_back(static_cast<uint8_t>(std::strtoul(pair, nullptr, 16)));
    }
    return true;
}

std::string Encipher(const uint8_t (&key)[8], std::vector<uint8_t> data, bool pad) {
    if (pad) data.insert(data.end(), 8 - data.size() % 8, static_cast<uint8_t>(8 - data.size() % 8));
    des_ctx ctx;
    des_set_key(&ctx, key);
    uint8_t iv[DES_BLOCK_SIZE] = {};
    cbc_encrypt(&ctx, EncipherBlocks, DES_BLOCK_SIZE, iv, data.size(), data.data(), data.data());
    std::string token(BASE64_ENCODE_RAW_LENGTH(data.size()), '\0');
    base64_encode_raw(token.data(), data.size(), data.data());
    return token;
}

int Usage() {
    std::fprintf(stderr, "usage: tonvel_encipher [--key KEYTEXT] [--hex] [--no-padding] TEXT...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    uint8_t key[8] = {};
    std::memcpy(key, tonvel::ProductKey, tonvel::ProductKeyLength);
    bool hex = false;
    bool pad = true;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string arg = argv[first];
        if (arg == "--key" && first + 1 < argc) {
            const char* text = argv[++first];
            std::memset(key, 0, sizeof key);
            std::memcpy(key, text, std::min<size_t>(std::strlen(text), sizeof key));
        } else if (arg == "--hex") {
            hex = true;
        } else if (arg == "--no-padding") {
            pad = false;
        } else if (arg == "--") {
            ++first;
            break;
        } else if (arg.starts_with("--")) {
            return Usage();
        } else {
            break;
        }
    }
    if (first >= argc) return Usage();

    for (int i = first; i < argc; ++i) {
        std::vector<uint8_t> data;
        if (hex) {
            if (!FromHex(argv[i], &data)) return Usage();
        } else {
            data.assign(argv[i], argv[i] + std::strlen(argv[i]));
        }
        if (!pad && (data.empty() || data.size() % 8 != 0)) {
            std::fprintf(stderr, "tonvel_encipher: without padding the input must fill whole blocks\n");
            return 2;
        }
        std::printf("%s\n", Encipher(key, data, pad).c_str());
    }
    return 0;
}
