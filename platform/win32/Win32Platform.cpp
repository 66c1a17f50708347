#include "platform/win32/Win32Platform.h"

namespace tonvel::win32 {

CWin32Platform::CWin32Platform() = default;
CWin32Platform::~CWin32Platform() = default;

} // namespace tonvel::win32
