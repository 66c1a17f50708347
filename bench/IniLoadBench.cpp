// CIniMgr::LoadFile against inih's ini_parse on the same file: 4 MB of eight-bit (ANSI) text with CR LF
// line ends, in sections of 40 keys. inih keeps every entry as a (section, key, value) triple of strings,
// the least a caller of it needs to look entries up later. Both read the file from disk in every iteration
// and free what they built.

#include "bench/BenchRatio.h"
#include "foundation/ini/IniMgr.h"
#include "platform/sim/SimFileSystem.h"

#include <ini.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace tonvel::bench {
namespace {

constexpr size_t FileBytes = 4u << 20;
constexpr int KeysPerSection = 40;
constexpr int MaxValueWords = 6;

// Words for names and values; a few carry eight-bit (Windows-1252) letters.
const char* const Words[] = {"Tonvel",
                             "Audio",
                             "Band",
                             "Gain",
                             "Level",
                             "Speaker",
                             "Caf\xE9",
                             "Gr\xF6\xDF"
                             "e",
                             "Mode",
                             "Left",
                             "Right",
                             "Center",
                             "Surround",
                             "Micro",
                             "Phone",
                             "Effect",
                             "Room",
                             "Hall",
                             "7.1",
                             "Volume",
                             "D\xE9"
                             "faut"};
constexpr uint32_t WordCount = sizeof Words / sizeof Words[0];

std::string Number(uint32_t value, int width) {
    std::string digits = std::to_string(value);
    return std::string(digits.size() < size_t(width) ? width - digits.size() : 0, '0') + digits;
}

// The file's text; the same in every run (mt19937's sequence is fixed by the standard).
std::string MakeIniText() {
    std::mt19937 random(2024);
    std::string text;
    for (uint32_t section = 0; text.size() < FileBytes; ++section) {
        text += "[Section" + Number(section, 5) + "]\r\n";
        for (int key = 0; key < KeysPerSection; ++key) {
            text += Words[random() % WordCount];
            text += Words[random() % WordCount] + Number(key, 2) + "=";
            const uint32_t words = 1 + random() % MaxValueWords;
            for (uint32_t word = 0; word < words; ++word)
                text += std::string(word == 0 ? "" : " ") + Words[random() % WordCount];
            text += "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

// The benchmark file, written once into a temporary folder that is removed at exit. CIniMgr reads it through
// the simulated file system (the folder is its drive's host), inih by its host path.
class CBenchFile {
public:
    CBenchFile() : m_Host(NewFolder()), m_Files(m_Host) {
        const std::string text = MakeIniText();
        m_Size = text.size();
        m_Files.PutFile(m_Path, text);
        std::filesystem::path host;
        m_Files.HostPath(m_Path, host);
        m_HostPath = host.string();
    }
    ~CBenchFile() {
        std::error_code ignored;
        std::filesystem::remove_all(m_Host, ignored);
    }

    IFileSystem& Files() { return m_Files; }
    const std::u16string& Path() const { return m_Path; }
    const char* HostPath() const { return m_HostPath.c_str(); }
    int64_t Size() const { return static_cast<int64_t>(m_Size); }

private:
    static std::filesystem::path NewFolder() {
        const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                           ("tonvel_bench_" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(path);
        return path;
    }

    std::filesystem::path m_Host;
    sim::CSimFileSystem m_Files;
    const std::u16string m_Path = u"C:\\Bench.ini";
    std::string m_HostPath;
    size_t m_Size = 0;
};

CBenchFile& File() {
    static CBenchFile file;
    return file;
}

using INI_ENTRY = std::tuple<std::string, std::string, std::string>;

int KeepEntry(void* user, const char* section, const char* name, const char* value) {
    static_cast<std::vector<INI_ENTRY>*>(user)->emplace_back(section, name, value);
    return 1;
}

// Both parsers must see the same entries, or the comparison means nothing.
bool SameEntryCount() {
    CIniMgr ini;
    if (ini.LoadFile(File().Files(), File().Path()) != IniLoaded) return false;
    size_t ours = 0;
    for (const auto& section : ini.Sections())
        ours += section->m_Section.m_Values.size();
    std::vector<INI_ENTRY> entries;
    return ini_parse(File().HostPath(), KeepEntry, &entries) == 0 && entries.size() == ours;
}

void IniLoadFileCIniMgr(benchmark::State& state) {
    if (!SameEntryCount()) state.SkipWithError("the parsers disagree on the file");
    for (auto _ : state) {
        CIniMgr ini;
        benchmark::DoNotOptimize(ini.LoadFile(File().Files(), File().Path()));
    }
    state.SetBytesProcessed(state.iterations() * File().Size());
}

void IniLoadFileInih(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<INI_ENTRY> entries;
        benchmark::DoNotOptimize(ini_parse(File().HostPath(), KeepEntry, &entries));
    }
    state.SetBytesProcessed(state.iterations() * File().Size());
}

BENCHMARK(IniLoadFileCIniMgr)->Name("IniLoadFile/CIniMgr")->Unit(benchmark::kMillisecond);
BENCHMARK(IniLoadFileInih)->Name("IniLoadFile/inih")->Unit(benchmark::kMillisecond);
const bool Ratio = AddRatio("INI load", "IniLoadFile/CIniMgr", "IniLoadFile/inih");

} // namespace
} // namespace tonvel::bench
