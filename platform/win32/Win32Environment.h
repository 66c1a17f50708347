#pragma once
// Environment variables, special folders (SHGetFolderPathW), the system directory and OutputDebugStringW.

#include "platform/api/Environment.h"

namespace tonvel::win32 {

class CWin32DebugOutput : public IDebugOutput {
public:
    void Write(const std::u16string& text) override;
};

class CWin32Environment : public IEnvironment {
public:
    bool Variable(const std::u16string& name, std::u16string& value) override;
    int32_t FolderPath(int32_t csidl, std::u16string& path) override;
    std::u16string SystemDirectory() override;
    IDebugOutput& DebugOutput() override { return m_DebugOutput; }

private:
    CWin32DebugOutput m_DebugOutput;
};

} // namespace tonvel::win32
