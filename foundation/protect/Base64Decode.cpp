#include "foundation/protect/Protect.h"

namespace tonvel {
namespace {

// The 6-bit value of a Base64 character, 64 for the padding "=", -1 for anything else.
int SextetOf(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    if (c == '=') return 64;
    return -1;
}

} // namespace

int Base64Decode(const unsigned char* text, size_t length, unsigned char* out, size_t* outLength) {
    if (text == nullptr || outLength == nullptr || length == 0 || length % 4 != 0) return 1;
    // At most three bytes per group are written, so this bounds every write below.
    if (out == nullptr || *outLength <= length / 4 * 3) return 2;

    size_t written = 0;
    for (size_t group = 0; group < length; group += 4) {
        int v[4];
        for (int i = 0; i < 4; ++i) {
            v[i] = SextetOf(text[group + i]);
            if (v[i] < 0) return 3;
        }
        const bool last = group + 4 == length;
        out[written++] = static_cast<unsigned char>(v[0] << 2 | v[1] >> 4);
        if (last && text[group + 2] == '=') break;
        out[written++] = static_cast<unsigned char>(v[1] << 4 | v[2] >> 2);
        if (last && text[group + 3] == '=') break;
        out[written++] = static_cast<unsigned char>(v[2] << 6 | v[3]);
    }
    *outLength = written;
    return 0;
}

} // namespace tonvel
