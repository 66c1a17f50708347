#include "foundation/ini/IniSection.h"

#include "foundation/ini/IniText.h"

namespace tonvel {

void CIniSection::Parse(const std::vector<std::u16string_view>& lines) {
    m_Values.reserve(lines.size());
    for (const std::u16string_view raw : lines) {
        const std::u16string_view line = TrimUnit(TrimUnit(TrimUnit(raw, u' '), u'\r'), u'\n');
        if (line.empty() || line.front() == u';') continue;
        if (IsBracketed(line)) {
            m_Name.assign(line.substr(1, line.size() - 2));
            continue;
        }
        const size_t equals = line.find(u'=');
        if (equals == std::u16string_view::npos || equals == 0) continue;
        m_Values.push_back({line.substr(0, equals), line.substr(equals + 1)});
    }
}

} // namespace tonvel
