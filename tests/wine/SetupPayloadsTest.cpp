// The built TonvelSetup.exe carries every payload: each resource of its type and number, as large as the
// file it was made from; the programs of either bitness are what the setup expects to write.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

constexpr WORD MachineI386 = 0x014c;
constexpr WORD MachineAmd64 = 0x8664;
constexpr WORD NotAProgram = 0;

std::wstring WinePath(const char* unixPath) {
    std::wstring path = L"Z:";
    for (const char* p = unixPath; *p; ++p) {
        path += *p == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*p));
    }
    return path;
}

int64_t FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return -1;
    }
    return (int64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

// The machine field of a PE file's header, or 0 when the bytes are no program.
WORD Machine(const unsigned char* bytes, DWORD size) {
    if (size < sizeof(IMAGE_DOS_HEADER)) {
        return NotAProgram;
    }
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes);
    const auto offset = static_cast<DWORD>(dos->e_lfanew);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE || offset + sizeof(DWORD) + sizeof(IMAGE_FILE_HEADER) > size) {
        return NotAProgram;
    }
    DWORD signature = 0;
    memcpy(&signature, bytes + offset, sizeof(signature));
    IMAGE_FILE_HEADER header{};
    memcpy(&header, bytes + offset + sizeof(DWORD), sizeof(header));
    return signature == IMAGE_NT_SIGNATURE ? header.Machine : NotAProgram;
}

struct PAYLOAD_CASE {
    int id;
    const wchar_t* type; // as the setup asks for it
    const char* file;
    WORD machine;
};

TEST(SetupPayloads, SetupCarriesEveryPayload) {
    const PAYLOAD_CASE cases[] = {
        {102, L"Driver", TONVEL_PAYLOAD_DRIVER32, NotAProgram},
        {103, L"DRIVER", TONVEL_PAYLOAD_DRIVER64, NotAProgram},
        {105, L"Service", TONVEL_PAYLOAD_SERVICE32, MachineI386},
        {106, L"Service", TONVEL_PAYLOAD_SERVICE64, MachineAmd64},
        {107, L"APP", TONVEL_PAYLOAD_APP, sizeof(void*) == 8 ? MachineAmd64 : MachineI386},
        {108, L"Uninstall", TONVEL_PAYLOAD_UNINSTALL, sizeof(void*) == 8 ? MachineAmd64 : MachineI386},
        {110, L"WindowPatch", TONVEL_PAYLOAD_WINDOWPATCH, NotAProgram},
        {111, L"DevRestart", TONVEL_PAYLOAD_DEVRESTART64, MachineAmd64},
    };
    HMODULE setup = LoadLibraryExW(WinePath(TONVEL_SETUP_EXE).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(setup, nullptr) << GetLastError();
    for (const PAYLOAD_CASE& c : cases) {
        SCOPED_TRACE(testing::Message() << "payload " << c.id);
        HRSRC resource = FindResourceW(setup, MAKEINTRESOURCEW(c.id), c.type);
        ASSERT_NE(resource, nullptr);
        const DWORD size = SizeofResource(setup, resource);
        EXPECT_EQ(int64_t{size}, FileSize(WinePath(c.file)));
        HGLOBAL loaded = LoadResource(setup, resource);
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(Machine(static_cast<const unsigned char*>(LockResource(loaded)), size), c.machine);
    }
    FreeLibrary(setup);
}

} // namespace
