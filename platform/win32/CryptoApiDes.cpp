// DES deciphering with CryptoAPI: a plain-text key blob imported into a verify-only context of the
// enhanced provider; the key's defaults for a block cipher are CBC, an all-zero IV and PKCS #5 padding.

#include "platform/api/Crypto.h"

#include <windows.h>

#include <wincrypt.h>

#include <cstring>

namespace tonvel {
namespace {

// A plain-text key blob: header, key length, key bytes (20 bytes).
#pragma pack(push, 1)
struct DES_KEY_BLOB {
    BLOBHEADER header;
    DWORD keyLength;
    BYTE key[8];
};
#pragma pack(pop)
static_assert(sizeof(DES_KEY_BLOB) == 20);

constexpr DWORD BlockSize = 8;

} // namespace

int DesCbcDecipher(const unsigned char (&key)[8], unsigned char* data, size_t length, size_t* plainLength) {
    if (data == nullptr || plainLength == nullptr || length == 0 || length % BlockSize != 0)
        return DesBadBlock;

    DES_KEY_BLOB blob = {};
    blob.header.bType = PLAINTEXTKEYBLOB;    // 8
    blob.header.bVersion = CUR_BLOB_VERSION; // 2
    blob.header.reserved = 0;
    blob.header.aiKeyAlg = CALG_DES; // 0x6601
    blob.keyLength = 8;
    std::memcpy(blob.key, key, sizeof blob.key);

    HCRYPTPROV provider = 0;
    if (!CryptAcquireContextW(&provider, nullptr, L"Microsoft Enhanced Cryptographic Provider v1.0",
                              PROV_RSA_FULL, CRYPT_VERIFYCONTEXT)) {
        SecureZeroMemory(&blob, sizeof blob);
        return DesNoProvider;
    }

    HCRYPTKEY keyHandle = 0;
    const BOOL imported =
        CryptImportKey(provider, reinterpret_cast<const BYTE*>(&blob), sizeof blob, 0, 0, &keyHandle);
    SecureZeroMemory(&blob, sizeof blob);
    if (!imported) {
        CryptReleaseContext(provider, 0);
        return DesBadKey;
    }

    // Block by block in order with the same key, so the CBC chain runs through all blocks; the last one is
    // the final block, whose padding the provider checks and removes.
    int result = DesOk;
    size_t total = 0;
    for (size_t at = 0; at < length; at += BlockSize) {
        const BOOL final = at + BlockSize == length;
        DWORD blockLength = BlockSize;
        if (!CryptDecrypt(keyHandle, 0, final, 0, data + at, &blockLength)) {
            result = DesBadBlock;
            break;
        }
        total += blockLength;
    }

    CryptDestroyKey(keyHandle);
    CryptReleaseContext(provider, 0);
    if (result == DesOk) *plainLength = total;
    return result;
}

} // namespace tonvel
