// DLL entry: remembers the module handle for resources and runs the exit step at unload.
#include <windows.h>

#include "plugin/module.h"
#include "plugin/win32_module_handle.h"

namespace plugin {
HINSTANCE gModuleHandle = nullptr;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            plugin::gModuleHandle = instance;
            break;
        case DLL_PROCESS_DETACH:
            // A non-null reserved pointer means the process is ending and its other threads
            // are already gone: nothing may be waited for.
            plugin::module().unload(reserved != nullptr);
            break;
        default:
            break;
    }
    return TRUE;
}
