#pragma once
// The service control manager on real Windows.

#include "platform/api/Services.h"

namespace tonvel::win32 {

class CWin32Services : public IServices {
public:
    ServiceHandle OpenManager(uint32_t access) override;
    ServiceHandle OpenNamedService(ServiceHandle manager, const std::u16string& name,
                                   uint32_t access) override;
    bool QueryState(ServiceHandle service, uint32_t& state) override;
    bool Control(ServiceHandle service, uint32_t control) override;
    bool Start(ServiceHandle service) override;
    bool Delete(ServiceHandle service) override;
    void Close(ServiceHandle handle) override;
    void Sleep(uint32_t milliseconds) override;
};

} // namespace tonvel::win32
