#pragma once
// DES deciphering of the platform: CryptoAPI on Windows, nettle elsewhere. Linked in as the library
// platform_crypto; the right implementation is chosen by the build.

#include <cstddef>

namespace tonvel {

// Results of DesCbcDecipher.
inline constexpr int DesOk = 0;
inline constexpr int DesNoProvider = 1; // the cryptographic provider cannot be acquired
inline constexpr int DesBadKey = 2;     // the key cannot be imported
inline constexpr int DesBadBlock = 3;   // a block fails to decipher, including bad padding

// Deciphers `data` in place, eight bytes at a time in order: DES in CBC mode with an all-zero
// initialisation vector, the last block deciphered as the final one so that its PKCS #5 padding is checked
// and removed. `length` is a multiple of 8 and not 0. On success *plainLength is the plaintext's length
// (the sum of what each block reports). Every resource is released before returning.
int DesCbcDecipher(const unsigned char (&key)[8], unsigned char* data, size_t length, size_t* plainLength);

} // namespace tonvel
