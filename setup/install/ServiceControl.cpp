#include "setup/install/ServiceControl.h"

namespace tonvel {

int32_t ControlServiceByName(const Platform&, std::u16string_view, int32_t) {
    return ServiceManagerNotOpened;
}

} // namespace tonvel
