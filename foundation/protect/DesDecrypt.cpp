#include "foundation/protect/Protect.h"

#include "platform/api/Crypto.h"

#include <cstring>
#include <memory>
#include <new>

namespace tonvel {

int DesDecrypt(const unsigned char* cipher, size_t length, unsigned char* out, size_t* outLength,
               const unsigned char* key, size_t keyLength) {
    if (cipher == nullptr || outLength == nullptr || length % 8 != 0) return -1;
    // PKCS #5 always leaves at least one block; an empty ciphertext cannot hold a value.
    if (length == 0) return 3;

    unsigned char keyBytes[8] = {};
    if (key != nullptr) std::memcpy(keyBytes, key, keyLength < 8 ? keyLength : 8);

    // The blocks are deciphered in a work buffer so that the caller's output is only written once the whole
    // ciphertext has deciphered and fits.
    std::unique_ptr<unsigned char[]> work(new (std::nothrow) unsigned char[length]);
    if (!work) return 3;
    std::memcpy(work.get(), cipher, length);

    size_t plainLength = 0;
    const int status = DesCbcDecipher(keyBytes, work.get(), length, &plainLength);
    if (status != DesOk) return status;

    if (out == nullptr || *outLength < length) return 4;
    std::memcpy(out, work.get(), plainLength);
    *outLength = plainLength;
    return 0;
}

} // namespace tonvel
