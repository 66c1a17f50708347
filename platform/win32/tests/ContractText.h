#pragma once
// The Win32 contract tests write down what each call gave as lines of text: names as ASCII, and the line of
// one step looked up again, so that a few anchors also say what Windows says, not only that both agree.

#include <string>
#include <vector>

namespace tonvel::test {

// ASCII as is, every other unit as "?".
inline std::string Narrow(const std::u16string& text) {
    std::string out;
    for (char16_t unit : text)
        out.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    return out;
}

// The first line that records the step `what` ("what -> ...").
inline std::string Step(const std::vector<std::string>& lines, const std::string& what) {
    for (const auto& line : lines)
        if (line.rfind(what + " ->", 0) == 0) return line;
    return "no step " + what;
}

} // namespace tonvel::test
