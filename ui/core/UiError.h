#pragma once
// The framework's errors as status values. Functions that can fail return one of the codes below and fill a
// CUiError with the text the framework's error box shows; nothing is thrown.

#include <cstdint>
#include <string>
#include <string_view>

namespace tonvel::ui {

inline constexpr int32_t UiOk = 0;
inline constexpr int32_t UiConvertError = 1; // a text that is not a whole number
inline constexpr int32_t UiFileError = 2;    // a file that cannot be opened
inline constexpr int32_t UiPictureError = 3; // a picture file that cannot be decoded, or an unknown kind

struct CUiError {
    int32_t code = UiOk;
    std::u16string message;
    bool Failed() const { return code != UiOk; }
};

// Sets the error and returns its code, so that a failing function can end with "return Fail(...)".
int32_t Fail(CUiError* error, int32_t code, std::u16string message);

// The whole-number conversion: an optional sign and decimal digits making up the whole text, within 32 bits
// (no blanks, no other bases). On failure value is left alone and the error reads "'abc' is not a valid
// integer value".
int32_t StrToInt(std::u16string_view text, int32_t& value, CUiError* error = nullptr);

// The texts of the file errors.
std::u16string FileOpenErrorText(std::u16string_view path);
std::u16string PictureErrorText(std::u16string_view path);
std::u16string UnknownPictureErrorText(std::u16string_view extension);

} // namespace tonvel::ui
