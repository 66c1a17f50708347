#include "foundation/ini/tests/IniTestFiles.h"

#include <filesystem>
#include <fstream>
#include <random>

namespace tonvel::test {
namespace {

class CTestFolder {
public:
    CTestFolder() {
        std::random_device random;
        m_Path = std::filesystem::temp_directory_path() / ("tonvel_ini_" + std::to_string(random()));
        std::filesystem::create_directories(m_Path);
    }
    ~CTestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_Path, ignored);
    }
    const std::filesystem::path& Path() const { return m_Path; }

private:
    std::filesystem::path m_Path;
};

const std::filesystem::path& Folder() {
    static CTestFolder folder;
    return folder.Path();
}

} // namespace

std::u16string IniTestPath(std::u16string_view name) {
    return (Folder() / std::u16string(name)).u16string();
}

std::u16string WriteIniTestFile(std::u16string_view name, std::string_view bytes) {
    const std::filesystem::path path = Folder() / std::u16string(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path.u16string();
}

std::int32_t LoadIniBytes(CIniMgr& ini, std::string_view bytes) {
    return ini.LoadFile(WriteIniTestFile(u"scratch.ini", bytes));
}

} // namespace tonvel::test
