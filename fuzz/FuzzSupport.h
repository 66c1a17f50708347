#pragma once
// Small helpers shared by the fuzz targets: taking typed pieces out of the fuzzer's bytes, a scratch file
// per process, and a check that stops the run (a crash for libFuzzer) when a property does not hold.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tonvel::fuzz {

// Reports the failed property and aborts, so that libFuzzer saves the input.
[[noreturn]] void Fail(const char* what, const char* file, int line);

#define TONVEL_FUZZ_CHECK(cond)                                                                              \
    do {                                                                                                     \
        if (!(cond)) ::tonvel::fuzz::Fail(#cond, __FILE__, __LINE__);                                        \
    } while (0)

// Reads the fuzzer's bytes front to back; past the end every read gives zeros / empty text.
class CFuzzReader {
public:
    CFuzzReader(const uint8_t* data, size_t size) : m_Data(data), m_Size(size) {}

    bool Empty() const { return m_Pos >= m_Size; }
    uint8_t Byte();
    // Up to `maxLength` bytes, ending early at a byte 0x00 (which is consumed, not returned).
    std::string_view Piece(size_t maxLength);
    // The same piece as UTF-16, two bytes (little-endian) per unit, ending early at a unit 0x0000.
    std::u16string Piece16(size_t maxUnits);
    // Everything not read yet.
    std::string_view Rest();

private:
    const uint8_t* m_Data;
    size_t m_Size;
    size_t m_Pos = 0;
};

// A scratch file of this process, in $TMPDIR (else /dev/shm, else /tmp); removed at exit.
class CScratchFile {
public:
    explicit CScratchFile(const char* tag);
    ~CScratchFile();
    CScratchFile(const CScratchFile&) = delete;
    CScratchFile& operator=(const CScratchFile&) = delete;

    // Replaces the file's content; false if it cannot be written.
    bool Write(const void* data, size_t size) const;
    void Remove() const;
    const std::string& Path() const { return m_Path; }
    // The path as UTF-16 (it is ASCII).
    std::u16string Path16() const { return std::u16string(m_Path.begin(), m_Path.end()); }

private:
    std::string m_Path;
};

} // namespace tonvel::fuzz
