#include "ui/core/UiError.h"

namespace tonvel::ui {

int32_t Fail(CUiError* error, int32_t code, std::u16string message) {
    if (error) {
        error->code = code;
        error->message = std::move(message);
    }
    return code;
}

int32_t StrToInt(std::u16string_view text, int32_t& value, CUiError* error) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const size_t digitsStart = i;
    int64_t magnitude = 0;
    bool inRange = true;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c < u'0' || c > u'9') break;
        // Stop accumulating once out of range so a long run of digits cannot overflow.
        if (inRange) magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > 2147483648LL) inRange = false;
    }
    const bool valid = i == text.size() && i > digitsStart && inRange &&
                       (negative ? magnitude <= 2147483648LL : magnitude <= 2147483647LL);
    if (!valid) {
        std::u16string message = u"'";
        message.append(text);
        message += u"' is not a valid integer value";
        return Fail(error, UiConvertError, std::move(message));
    }
    value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return UiOk;
}

std::u16string FileOpenErrorText(std::u16string_view path) {
    std::u16string message = u"Cannot open file \"";
    message.append(path);
    message += u"\"";
    return message;
}

std::u16string PictureErrorText(std::u16string_view path) {
    std::u16string message = u"The picture \"";
    message.append(path);
    message += u"\" is not a valid image";
    return message;
}

std::u16string UnknownPictureErrorText(std::u16string_view extension) {
    std::u16string message = u"Unknown picture file extension (";
    message.append(extension);
    message += u")";
    return message;
}

} // namespace tonvel::ui
