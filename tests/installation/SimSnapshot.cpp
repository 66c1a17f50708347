#include "tests/installation/SimSnapshot.h"

#include "base/text/Utf.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tonvel::sim {

namespace {

std::string Hex(const std::vector<uint8_t>& bytes) {
    std::string text;
    char digits[4];
    for (uint8_t byte : bytes) {
        std::snprintf(digits, sizeof digits, "%02X", byte);
        text += digits;
    }
    return text;
}

void WalkKey(IRegistry& registry, RegKey hive, const std::string& hiveName, const std::u16string& path,
             std::map<std::string, std::string>& out) {
    RegKey key = 0;
    if (registry.OpenKey(hive, path, RegRead | RegView64, key) != RegOk) return;
    const std::string name = hiveName + "\\" + Utf16ToUtf8(path);
    out[name] = "";
    std::u16string valueName;
    uint32_t type = 0;
    std::vector<uint8_t> data;
    for (uint32_t i = 0; registry.EnumValue(key, i, valueName, type, data) == RegOk; ++i)
        out[name + "|" + Utf16ToUtf8(valueName)] = std::to_string(type) + ":" + Hex(data);
    std::vector<std::u16string> subKeys;
    std::u16string subKey;
    for (uint32_t i = 0; registry.EnumKey(key, i, subKey) == RegOk; ++i)
        subKeys.push_back(subKey);
    registry.CloseKey(key);
    for (const auto& child : subKeys)
        WalkKey(registry, hive, hiveName, path.empty() ? child : path + u"\\" + child, out);
}

void Compare(const std::map<std::string, std::string>& before,
             const std::map<std::string, std::string>& after, const std::string& area,
             std::vector<std::string>& lines) {
    for (const auto& [name, value] : before) {
        const auto found = after.find(name);
        if (found == after.end())
            lines.push_back("- " + area + " " + name);
        else if (found->second != value)
            lines.push_back("~ " + area + " " + name);
    }
    for (const auto& [name, value] : after)
        if (!before.count(name)) lines.push_back("+ " + area + " " + name);
}

} // namespace

SIM_SNAPSHOT TakeSnapshot(CSimWindows& windows) {
    SIM_SNAPSHOT snapshot;
    const std::pair<RegKey, const char*> hives[] = {{RegClassesRoot, "HKCR"},
                                                    {RegCurrentUser, "HKCU"},
                                                    {RegLocalMachine, "HKLM"},
                                                    {RegUsers, "HKU"},
                                                    {RegCurrentConfig, "HKCC"}};
    for (const auto& [hive, name] : hives)
        WalkKey(windows.Registry(), hive, name, u"", snapshot.Registry);
    const std::filesystem::path& root = windows.Files().Root();
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string name = std::filesystem::relative(entry.path(), root).generic_string();
        if (entry.is_directory()) {
            snapshot.Files[name] = "<folder>";
            continue;
        }
        std::ifstream file(entry.path(), std::ios::binary);
        snapshot.Files[name] = std::string(std::istreambuf_iterator<char>(file), {});
    }
    for (const SIM_SERVICE* service : windows.Services().Installed())
        snapshot.Services[Utf16ToUtf8(service->Name)] = std::to_string(service->State);
    for (const auto& move : windows.Files().PendingMoves())
        snapshot.PendingMoves.push_back(Utf16ToUtf8(move.from) + " -> " + Utf16ToUtf8(move.to));
    return snapshot;
}

std::vector<std::string> Differences(const SIM_SNAPSHOT& before, const SIM_SNAPSHOT& after) {
    std::vector<std::string> lines;
    Compare(before.Registry, after.Registry, "registry", lines);
    Compare(before.Files, after.Files, "file", lines);
    Compare(before.Services, after.Services, "service", lines);
    if (before.PendingMoves != after.PendingMoves) lines.push_back("~ pending moves");
    return lines;
}

} // namespace tonvel::sim
