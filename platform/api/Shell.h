#pragma once
// The component library on the calling thread and shell links. The special folders are in Environment.h.

#include <cstdint>
#include <string_view>

namespace tonvel {

using COM_OBJECT = void*; // an interface pointer of a component object

class IShell {
public:
    virtual ~IShell() = default;

    // CoInitialize / CoUninitialize; HRESULT values (S_FALSE when the thread was initialised already).
    virtual int32_t CoInitialize() = 0;
    virtual void CoUninitialize() = 0;

    // CoCreateInstance of the shell link {00021401-0000-0000-C000-000000000046} for IShellLinkW
    // {000214F9-0000-0000-C000-000000000046}.
    virtual int32_t CreateShellLink(COM_OBJECT& link) = 0;
    // QueryInterface of a shell link for IPersistFile {0000010B-0000-0000-C000-000000000046}.
    virtual int32_t QueryPersistFile(COM_OBJECT link, COM_OBJECT& persistFile) = 0;
    virtual int32_t SetLinkPath(COM_OBJECT link, std::u16string_view target) = 0;
    // IPersistFile::Save.
    virtual int32_t SaveFile(COM_OBJECT persistFile, std::u16string_view path, bool remember) = 0;
    virtual void Release(COM_OBJECT object) = 0;
};

} // namespace tonvel
