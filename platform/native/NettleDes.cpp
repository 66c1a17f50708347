// DES deciphering outside Windows, with nettle. Matches what the Windows provider does for a DES key in its
// defaults: CBC with an all-zero initialisation vector, PKCS #5 padding checked and removed.

#include "platform/api/Crypto.h"

#include <nettle/cbc.h>
#include <nettle/des.h>

#include <cstring>

namespace tonvel {
namespace {

void DecipherBlocks(const void* ctx, size_t length, uint8_t* dst, const uint8_t* src) {
    des_decrypt(static_cast<const des_ctx*>(ctx), length, dst, src);
}

} // namespace

int DesCbcDecipher(const unsigned char (&key)[8], unsigned char* data, size_t length, size_t* plainLength) {
    if (data == nullptr || plainLength == nullptr || length == 0 || length % DES_BLOCK_SIZE != 0)
        return DesBadBlock;

    des_ctx ctx;
    // The parity bits are ignored; a weak key is still set (and accepted, as the Windows provider does).
    des_set_key(&ctx, key);
    uint8_t iv[DES_BLOCK_SIZE] = {};
    // One call per block with the chaining value carried over, so the chain runs through all blocks.
    for (size_t at = 0; at < length; at += DES_BLOCK_SIZE)
        cbc_decrypt(&ctx, DecipherBlocks, DES_BLOCK_SIZE, iv, DES_BLOCK_SIZE, data + at, data + at);
    std::memset(&ctx, 0, sizeof ctx);

    // The last block's padding: n bytes of value n, 1 <= n <= 8.
    const unsigned pad = data[length - 1];
    if (pad == 0 || pad > DES_BLOCK_SIZE) return DesBadBlock;
    for (unsigned i = 1; i <= pad; ++i)
        if (data[length - i] != pad) return DesBadBlock;
    *plainLength = length - pad;
    return DesOk;
}

} // namespace tonvel
