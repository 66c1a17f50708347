#include "foundation/ini/tests/IniTestFiles.h"

#ifdef _WIN32
#include "platform/win32/Win32FileSystem.h"
#else
#include "platform/sim/SimFileSystem.h"
#endif

#include <filesystem>
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

// The test folder and the file system that reaches it, with the folder's path in that file system.
struct TEST_FILES {
    CTestFolder host;
#ifdef _WIN32
    win32::CWin32FileSystem files;
    std::u16string folder = host.Path().u16string() + u"\\";
#else
    // The simulated drive C: is a sub-folder of the test folder.
    sim::CSimFileSystem files{host.Path()};
    std::u16string folder = u"C:\\";
#endif
};

TEST_FILES& Files() {
    static TEST_FILES files;
    return files;
}

} // namespace

IFileSystem& IniTestFiles() {
    return Files().files;
}

std::u16string IniTestPath(std::u16string_view name) {
    return Files().folder + std::u16string(name);
}

std::u16string WriteIniTestFile(std::u16string_view name, std::string_view bytes) {
    const std::u16string path = IniTestPath(name);
    IniTestFiles().WriteAll(path, bytes.data(), bytes.size());
    return path;
}

int32_t LoadIniBytes(CIniMgr& ini, std::string_view bytes) {
    return ini.LoadFile(IniTestFiles(), WriteIniTestFile(u"scratch.ini", bytes));
}

} // namespace tonvel::test
