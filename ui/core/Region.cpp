#include "ui/core/Region.h"

#include <algorithm>

namespace tonvel::ui {
namespace {

int32_t ReadInt32(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                                (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24));
}

void WriteInt32(std::vector<uint8_t>& out, int32_t value) {
    const uint32_t v = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(v >> shift));
}

UI_RECT ReadRect(const uint8_t* p) {
    return {ReadInt32(p), ReadInt32(p + 4), ReadInt32(p + 8), ReadInt32(p + 12)};
}

} // namespace

bool ParseRegionData(const uint8_t* data, size_t size, REGION_DATA& region) {
    if (!data || size < 32) return false;
    const int32_t headerSize = ReadInt32(data);
    const int32_t type = ReadInt32(data + 4);
    const int32_t count = ReadInt32(data + 8);
    if (headerSize != 32 || type != 1 || count < 0) return false;
    if (static_cast<uint64_t>(count) * 16 > size - 32) return false;
    REGION_DATA parsed;
    parsed.bounds = ReadRect(data + 16);
    parsed.rects.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i)
        parsed.rects.push_back(ReadRect(data + 32 + 16 * static_cast<size_t>(i)));
    region = std::move(parsed);
    return true;
}

std::vector<uint8_t> BuildRegionData(const std::vector<UI_RECT>& rects) {
    UI_RECT bounds;
    if (!rects.empty()) {
        bounds = rects.front();
        for (const UI_RECT& r : rects) {
            bounds.left = std::min(bounds.left, r.left);
            bounds.top = std::min(bounds.top, r.top);
            bounds.right = std::max(bounds.right, r.right);
            bounds.bottom = std::max(bounds.bottom, r.bottom);
        }
    }
    std::vector<uint8_t> out;
    out.reserve(32 + 16 * rects.size());
    WriteInt32(out, 32);
    WriteInt32(out, 1);
    WriteInt32(out, static_cast<int32_t>(rects.size()));
    WriteInt32(out, static_cast<int32_t>(rects.size() * 16));
    for (int32_t v : {bounds.left, bounds.top, bounds.right, bounds.bottom})
        WriteInt32(out, v);
    for (const UI_RECT& r : rects)
        for (int32_t v : {r.left, r.top, r.right, r.bottom})
            WriteInt32(out, v);
    return out;
}

bool RegionContains(const REGION_DATA& region, UI_POINT p) {
    return std::any_of(region.rects.begin(), region.rects.end(),
                       [&](const UI_RECT& r) { return r.Contains(p); });
}

} // namespace tonvel::ui
