#include "foundation/protect/Protect.h"

#include "foundation/protect/ProductKey.h"

#include <cstring>

namespace tonvel {

int DecryptValue(const unsigned char* token, size_t tokenLength, unsigned char* out, size_t* outLength) {
    if (outLength == nullptr) return 1;
    const size_t capacity = *outLength;
    *outLength = 0;

    unsigned char cipher[ProtectBase64BufferSize];
    size_t cipherLength = sizeof cipher;
    if (Base64Decode(token, tokenLength, cipher, &cipherLength) != 0) return 1;

    if (out == nullptr) return 2;
    std::memset(out, 0, capacity);
    size_t plainLength = capacity;
    if (DesDecrypt(cipher, cipherLength, out, &plainLength,
                   reinterpret_cast<const unsigned char*>(ProductKey), ProductKeyLength) != 0)
        return 2;
    *outLength = plainLength;
    return 0;
}

} // namespace tonvel
