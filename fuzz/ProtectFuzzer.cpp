// Protected values on any token: the Base64 stage, the DES stage and DecryptValue never write outside the
// buffers they are given (each buffer is allocated to exactly its stated capacity) and report lengths that
// fit them.

#include "foundation/protect/Protect.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

std::unique_ptr<unsigned char[]> Buffer(size_t size) {
    return std::unique_ptr<unsigned char[]>(new unsigned char[size == 0 ? 1 : size]);
}

void CheckBase64(const uint8_t* text, size_t size) {
    const size_t need = size / 4 * 3;
    // The smallest capacity the stage accepts.
    auto out = Buffer(need + 1);
    size_t length = need + 1;
    const int status = tonvel::Base64Decode(text, size, out.get(), &length);
    TONVEL_FUZZ_CHECK(status >= 0 && status <= 3);
    if (status == 0) {
        TONVEL_FUZZ_CHECK(size != 0 && size % 4 == 0);
        TONVEL_FUZZ_CHECK(length <= need && length + 2 >= need);
    }
    // One byte less is refused before anything is written.
    length = need;
    const int refused = tonvel::Base64Decode(text, size, out.get(), &length);
    TONVEL_FUZZ_CHECK(refused == 1 || refused == 2);
}

void CheckDes(const uint8_t* data, size_t size) {
    const size_t cipherLength = size / 8 * 8;
    const unsigned char key[] = {'K', 'q', '4', 'v', 'T', 'z', '9', 'R'};
    auto out = Buffer(cipherLength);
    size_t length = cipherLength;
    const int status = tonvel::DesDecrypt(data, cipherLength, out.get(), &length, key, sizeof key);
    TONVEL_FUZZ_CHECK(status >= 0 && status <= 4);
    if (status == 0)
        TONVEL_FUZZ_CHECK(cipherLength != 0 && length < cipherLength && length + 8 >= cipherLength);
    // A capacity below the ciphertext's length is refused.
    if (cipherLength != 0) {
        length = cipherLength - 1;
        const int refused = tonvel::DesDecrypt(data, cipherLength, out.get(), &length, key, size % 9);
        TONVEL_FUZZ_CHECK(refused != 0);
    }
}

void CheckDecryptValue(const uint8_t* token, size_t size, size_t capacity) {
    auto out = Buffer(capacity);
    size_t length = capacity;
    const int status = tonvel::DecryptValue(token, size, out.get(), &length);
    TONVEL_FUZZ_CHECK(status >= 0 && status <= 2);
    // More than 1364 characters never pass the Base64 stage.
    if (size > 1364) TONVEL_FUZZ_CHECK(status == 1);
    if (status != 0) {
        TONVEL_FUZZ_CHECK(length == 0);
        return;
    }
    TONVEL_FUZZ_CHECK(length < capacity && length < size);
    // The rest of the buffer was cleared.
    for (size_t i = length; i < capacity; ++i)
        TONVEL_FUZZ_CHECK(out[i] == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckBase64(data, size);
    CheckDes(data, size);
    // The capacity the device-ID groups use, and one that only the shortest plaintexts fit.
    CheckDecryptValue(data, size, 4096);
    CheckDecryptValue(data, size, 16);
    return 0;
}
