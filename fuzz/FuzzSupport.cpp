#include "fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace tonvel::fuzz {

void Fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, what);
    std::abort();
}

uint8_t CFuzzReader::Byte() {
    return m_Pos < m_Size ? m_Data[m_Pos++] : 0;
}

std::string_view CFuzzReader::Piece(size_t maxLength) {
    const size_t start = m_Pos;
    while (m_Pos < m_Size && m_Pos - start < maxLength) {
        if (m_Data[m_Pos] == 0) {
            ++m_Pos;
            return {reinterpret_cast<const char*>(m_Data + start), m_Pos - 1 - start};
        }
        ++m_Pos;
    }
    return {reinterpret_cast<const char*>(m_Data + start), m_Pos - start};
}

std::u16string CFuzzReader::Piece16(size_t maxUnits) {
    std::u16string out;
    while (m_Pos + 1 < m_Size && out.size() < maxUnits) {
        const auto unit = static_cast<char16_t>(m_Data[m_Pos] | (m_Data[m_Pos + 1] << 8));
        m_Pos += 2;
        if (unit == 0) break;
        out.push_back(unit);
    }
    return out;
}

std::string_view CFuzzReader::Rest() {
    const size_t start = m_Pos < m_Size ? m_Pos : m_Size;
    m_Pos = m_Size;
    return {reinterpret_cast<const char*>(m_Data + start), m_Size - start};
}

CScratchFile::CScratchFile(const char* tag) {
    // A memory-backed folder where there is one: every input is written and read back.
    const char* dir = std::getenv("TMPDIR");
    if (dir == nullptr || *dir == 0) dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    m_Path = std::string(dir) + "/tonvel-fuzz-" + tag + "-" + std::to_string(getpid());
}

CScratchFile::~CScratchFile() {
    Remove();
}

bool CScratchFile::Write(const void* data, size_t size) const {
    std::FILE* file = std::fopen(m_Path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool ok = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && ok;
}

void CScratchFile::Remove() const {
    std::remove(m_Path.c_str());
}

} // namespace tonvel::fuzz
