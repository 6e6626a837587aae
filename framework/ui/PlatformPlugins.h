#pragma once

#include <string>

namespace fw {

// Whether Qt would find a platform by this name (e.g. "wayland"), asked before the application
// object exists: a plugin whose keys hold the name, ignoring case, in QT_QPA_PLATFORM_PLUGIN_PATH
// or in the platforms folder of one of Qt's plugin folders. Its keys are read from the file; no
// plugin is loaded.
bool PlatformPluginInstalled(const std::string& name);

}  // namespace fw
