// The plug-in's own module handle, captured at load: templates and icons come from it.
#pragma once

#include <windows.h>

namespace plugin {
extern HINSTANCE gModuleHandle;
}
