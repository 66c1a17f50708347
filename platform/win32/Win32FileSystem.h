#pragma once
// Files and folders through the kernel's file functions.

#include "platform/api/FileSystem.h"

namespace tonvel::win32 {

class CWin32FileSystem : public IFileSystem {
public:
    uint32_t Attributes(const std::u16string& path) override;
    int32_t CreateFolder(const std::u16string& path) override;
    int32_t RemoveFolder(const std::u16string& path) override;
    int32_t ReadAll(const std::u16string& path, std::vector<uint8_t>& bytes) override;
    int32_t WriteAll(const std::u16string& path, const void* data, size_t size) override;
    int32_t Copy(const std::u16string& from, const std::u16string& to, bool failIfExists) override;
    int32_t Delete(const std::u16string& path) override;
    int32_t Move(const std::u16string& from, const std::u16string& to, uint32_t flags) override;
    int32_t ListFolders(const std::u16string& folder, std::vector<std::u16string>& names) override;
    int32_t ListFiles(const std::u16string& folder, std::vector<std::u16string>& names) override;
    std::u16string ModuleFileName() override;

private:
    int32_t List(const std::u16string& folder, bool folders, std::vector<std::u16string>& names);
};

} // namespace tonvel::win32
