// The one module instance, created when the module is loaded.
#include "plugin/module.h"

namespace plugin {

namespace {
Module gModule(platform::systemServices(), systemHeaderDialog(), systemSetupWindow());
}

Module& module() { return gModule; }

}  // namespace plugin
