#pragma once
// A file system held in memory for the fuzz targets: files by exact path, no folders. Writes can be made
// to fail, to check what an operation leaves behind when the platform refuses it.

#include "platform/api/FileSystem.h"

#include <map>

namespace tonvel::fuzz {

class CMemoryFiles : public IFileSystem {
public:
    std::map<std::u16string, std::vector<uint8_t>> m_Files;
    bool m_FailWrites = false;

    uint32_t Attributes(const std::u16string& path) override {
        return m_Files.count(path) != 0 ? FileAttrArchive : FileAttrInvalid;
    }
    int32_t CreateFolder(const std::u16string&) override { return FileAccessDenied; }
    int32_t RemoveFolder(const std::u16string&) override { return FilePathNotFound; }
    int32_t ReadAll(const std::u16string& path, std::vector<uint8_t>& bytes) override {
        const auto found = m_Files.find(path);
        if (found == m_Files.end()) return FileNotFound;
        bytes = found->second;
        return FileOk;
    }
    int32_t WriteAll(const std::u16string& path, const void* data, size_t size) override {
        if (m_FailWrites) return FileWriteFault;
        const auto* bytes = static_cast<const uint8_t*>(data);
        m_Files[path].assign(bytes, bytes + size);
        return FileOk;
    }
    int32_t Copy(const std::u16string&, const std::u16string&, bool) override { return FileAccessDenied; }
    int32_t Delete(const std::u16string& path) override {
        return m_Files.erase(path) != 0 ? FileOk : FileNotFound;
    }
    int32_t Move(const std::u16string& from, const std::u16string& to, uint32_t flags) override {
        const auto found = m_Files.find(from);
        if (found == m_Files.end()) return FileNotFound;
        if ((flags & MoveReplaceExisting) == 0 && m_Files.count(to) != 0) return FileAlreadyExists;
        auto bytes = std::move(found->second);
        m_Files.erase(found);
        m_Files[to] = std::move(bytes);
        return FileOk;
    }
    int32_t ListFolders(const std::u16string&, std::vector<std::u16string>& names) override {
        names.clear();
        return FileOk;
    }
    int32_t ListFiles(const std::u16string&, std::vector<std::u16string>& names) override {
        names.clear();
        for (const auto& file : m_Files)
            names.push_back(file.first);
        return FileOk;
    }
    std::u16string ModuleFileName() override { return u"C:\\Program Files\\Tonvel\\Tonvel.exe"; }
};

} // namespace tonvel::fuzz
