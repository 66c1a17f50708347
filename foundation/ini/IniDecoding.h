#pragma once
// Turns the raw bytes of an INI file into its lines: recognises the byte-order mark, converts the text to
// UTF-16 and cuts it at line feeds.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tonvel {

// Encoding of a loaded file, as found from its byte-order mark.
enum TextEncoding : int32_t {
    TextEightBit = 0, // no mark: one byte per character
    TextUtf8 = 1,     // EF BB BF
    TextUtf16Le = 2,  // FF FE
    TextUtf16Be = 3,  // FE FF
    TextUtf32Le = 4,  // FF FE 00 00
    TextUtf32Be = 5,  // 00 00 FE FF
};

// Finds the encoding from the mark at the start of the data and returns it; *markLength receives the
// number of mark bytes to skip (0 without a mark).
TextEncoding DetectEncoding(const unsigned char* data, size_t length, size_t* markLength);

// Converts the data (without its mark) to UTF-16. False if the text cannot be decoded: bad UTF-8, a UTF-32
// length that is not a multiple of 4, or a character outside the Basic Multilingual Plane.
bool DecodeText(const unsigned char* data, size_t length, TextEncoding encoding, std::u16string* text);

// Cuts the text at every line feed, skips empty pieces, trims each remaining piece of its outer spaces and
// then its outer carriage returns and appends it to lines (also when it became empty). The lines are views
// into the text.
void SplitLines(std::u16string_view text, std::vector<std::u16string_view>* lines);

} // namespace tonvel
