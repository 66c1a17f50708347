// The profile-string cases of the simulation, run through wine's own GetPrivateProfileStringW and
// WritePrivateProfileStringW (our Win32 layer) and through the simulation, each in a file of its own.
// Both must give the same results, except in the cases marked as known wine differences: there the
// simulation keeps the Windows rule and wine must still differ, so that a change on either side shows.
#include "platform/sim/SimWindows.h"
#include "platform/sim/tests/ProfileCases.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/tests/WineScratch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace tonvel {
namespace {

using sim::cases::PLACE;

// Text for failure messages: printable ASCII as is, everything else escaped; long texts by their ends.
std::string Show(const std::u16string& text) {
    std::string out;
    auto add = [&out](char16_t unit) {
        if (unit == u'\r')
            out += "\\r";
        else if (unit == u'\n')
            out += "\\n";
        else if (unit == u'\\')
            out += "\\\\";
        else if (unit >= 0x20 && unit < 0x7F)
            out.push_back(static_cast<char>(unit));
        else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\u%04X", static_cast<unsigned>(unit));
            out += hex;
        }
    };
    if (text.size() <= 80) {
        for (char16_t unit : text)
            add(unit);
    } else {
        for (size_t i = 0; i < 20; ++i)
            add(text[i]);
        out += "...(" + std::to_string(text.size()) + " units)...";
        for (size_t i = text.size() - 20; i < text.size(); ++i)
            add(text[i]);
    }
    return "\"" + out + "\"";
}

std::string ShowBytes(const std::vector<uint8_t>& bytes) {
    std::u16string units;
    for (uint8_t byte : bytes)
        units.push_back(byte);
    return Show(units);
}

// One side of the comparison: a platform and the folder its case files go in.
struct SIDE {
    IFileSystem& files;
    IProfileStrings& profile;
    std::u16string folder; // with a trailing backslash

    std::u16string PathFor(PLACE place, const std::string& name, const std::string& bytes) {
        const std::u16string file = folder + std::u16string(name.begin(), name.end()) + u".ini";
        switch (place) {
        case PLACE::File:
            EXPECT_EQ(FileOk, files.WriteAll(file, bytes.data(), bytes.size()));
            return file;
        case PLACE::NoFile:
            files.Delete(file);
            return file;
        case PLACE::NoFolder:
            return folder + u"missing\\" + std::u16string(name.begin(), name.end()) + u".ini";
        }
        return file;
    }
};

class ProfileDiff : public ::testing::Test {
protected:
    SIDE Wine() { return SIDE{m_Windows.Files(), m_Windows.Profile(), m_Scratch.Folder()}; }
    SIDE Sim() {
        m_Sim.Files().CreateFolders(u"C:\\Cases");
        return SIDE{m_Sim.Files(), m_Sim.Profile(), u"C:\\Cases\\"};
    }

    win32::CWin32Platform m_Windows;
    win32::CWineScratch m_Scratch{u"profile"};
    sim::CSimWindows m_Sim;
};

struct READ_RESULT {
    std::u16string value;
    uint32_t length = 0;
};

READ_RESULT Read(SIDE side, const sim::cases::PROFILE_READ_CASE& c) {
    const std::u16string path = side.PathFor(c.place, c.name, c.file);
    READ_RESULT result;
    result.value = u"garbage";
    result.length =
        side.profile.GetString(c.section, c.key, c.defaultValue, result.value, c.bufferSize, path);
    return result;
}

TEST_F(ProfileDiff, ReadCasesGiveWhatTheSimulationGives) {
    for (const auto& c : sim::cases::ReadCases()) {
        SCOPED_TRACE(c.name);
        const READ_RESULT wine = Read(Wine(), c);
        const READ_RESULT simulated = Read(Sim(), c);
        EXPECT_EQ(c.expected, simulated.value);
        EXPECT_EQ(simulated.value.size(), simulated.length);
        EXPECT_EQ(wine.value.size(), wine.length);
        if (c.wineDiffers == nullptr) {
            EXPECT_EQ(simulated.value, wine.value)
                << "wine " << Show(wine.value) << ", sim " << Show(simulated.value);
            EXPECT_EQ(simulated.length, wine.length);
        } else {
            EXPECT_NE(simulated.value, wine.value) << "known wine difference is gone: " << c.wineDiffers;
            std::printf("[ wine     ] %s: wine %s (length %u), Windows and sim %s (length %u): %s\n", c.name,
                        Show(wine.value).c_str(), wine.length, Show(simulated.value).c_str(),
                        simulated.length, c.wineDiffers);
        }
    }
}

struct WRITE_RESULT {
    std::vector<bool> written;
    std::vector<std::u16string> reads;
    bool fileThere = false;
    std::vector<uint8_t> bytes;
};

WRITE_RESULT Write(SIDE side, const sim::cases::PROFILE_WRITE_CASE& c) {
    const std::u16string path = side.PathFor(c.place, c.name, c.file);
    WRITE_RESULT result;
    for (const auto& write : c.writes)
        result.written.push_back(side.profile.WriteString(write.section, write.key, write.value, path));
    for (const auto& read : c.reads) {
        std::u16string value;
        side.profile.GetString(read.section, read.key, u"-", value, ProfileBufferSize, path);
        result.reads.push_back(value);
    }
    result.fileThere = side.files.ReadAll(path, result.bytes) == FileOk;
    return result;
}

TEST_F(ProfileDiff, WriteCasesLeaveWhatTheSimulationLeaves) {
    for (const auto& c : sim::cases::WriteCases()) {
        SCOPED_TRACE(c.name);
        const WRITE_RESULT wine = Write(Wine(), c);
        const WRITE_RESULT simulated = Write(Sim(), c);
        EXPECT_EQ(std::vector<bool>(c.writes.size(), c.written), simulated.written);
        EXPECT_EQ(simulated.written, wine.written);
        for (size_t i = 0; i < c.reads.size(); ++i) {
            EXPECT_EQ(c.reads[i].expected, simulated.reads[i]);
            EXPECT_EQ(simulated.reads[i], wine.reads[i])
                << "key " << Show(c.reads[i].key) << ": wine " << Show(wine.reads[i]);
        }
        if (!c.exactFile.empty()) {
            EXPECT_EQ(c.exactFile, std::string(simulated.bytes.begin(), simulated.bytes.end()));
        }
        EXPECT_EQ(simulated.fileThere, wine.fileThere);
        if (c.wineDiffers == nullptr) {
            EXPECT_EQ(simulated.bytes, wine.bytes)
                << "wine " << ShowBytes(wine.bytes) << ", sim " << ShowBytes(simulated.bytes);
        } else {
            EXPECT_NE(simulated.bytes, wine.bytes) << "known wine difference is gone: " << c.wineDiffers;
            std::printf("[ wine     ] %s: wine writes %s, Windows and sim %s: %s\n", c.name,
                        ShowBytes(wine.bytes).c_str(), ShowBytes(simulated.bytes).c_str(), c.wineDiffers);
        }
    }
}

} // namespace
} // namespace tonvel
