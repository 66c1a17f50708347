#pragma once
// COM initialisation and shell links (IShellLinkW, IPersistFile).

#include "platform/api/Shell.h"

namespace tonvel::win32 {

class CWin32Shell : public IShell {
public:
    int32_t CoInitialize() override;
    void CoUninitialize() override;
    int32_t CreateShellLink(COM_OBJECT& link) override;
    int32_t QueryPersistFile(COM_OBJECT link, COM_OBJECT& persistFile) override;
    int32_t SetLinkPath(COM_OBJECT link, std::u16string_view target) override;
    int32_t SaveFile(COM_OBJECT persistFile, std::u16string_view path, bool remember) override;
    void Release(COM_OBJECT object) override;
};

} // namespace tonvel::win32
