#pragma once
// Protected configuration values: a value's text enciphered by the maker with the product's DES key and
// written in Base64. The programs only decipher; tokens are made with tools/encipher.

#include <cstddef>

namespace tonvel {

// Size of the buffer the Base64 stage of DecryptValue decodes into. The decoded length must stay below it,
// so a token holds at most 1364 characters.
inline constexpr size_t ProtectBase64BufferSize = 1024;

// Decodes standard Base64 ("=" padding). *outLength holds the capacity of `out` on entry and the number of
// bytes written on success.
// Result: 0 ok; 1 length is 0 or not a multiple of 4 (also a null text or length pointer); 2 the capacity is
// not greater than length / 4 * 3 (also a null output); 3 a character outside the alphabet (and not "=").
int Base64Decode(const unsigned char* text, size_t length, unsigned char* out, size_t* outLength);

// Deciphers DES in CBC mode with an all-zero initialisation vector and removes the PKCS #5 padding. The key
// bytes are the first eight bytes of the key text, padded with zero bytes when it is shorter. *outLength
// holds the capacity of `out` on entry and the plaintext's length on success.
// Result: 0 ok; -1 length not a multiple of 8 (also a null ciphertext or length pointer); 1 no
// cryptographic provider; 2 the key cannot be imported; 3 a block fails to decipher (bad padding, or an
// empty ciphertext); 4 the output capacity is smaller than the ciphertext length (also a null output).
int DesDecrypt(const unsigned char* cipher, size_t length, unsigned char* out, size_t* outLength,
               const unsigned char* key, size_t keyLength);

// Turns a token back into its plain text with the product key. *outLength holds the capacity of `out` on
// entry and the plaintext's length on success (0 on failure). The output is cleared to zero over its whole
// capacity before the DES stage, so the bytes after the plaintext are zero.
// Result: 0 ok; 1 the Base64 stage failed (a token of more than 1364 characters fails here); 2 the DES stage
// failed (including an output capacity smaller than the ciphertext).
int DecryptValue(const unsigned char* token, size_t tokenLength, unsigned char* out, size_t* outLength);

} // namespace tonvel
