// Fixture of the Wine tests: a host folder (the current folder of the test run) with
// Plugins\Stats.dll, a freshly loaded plug-in per test, no settings file left over.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "tools/host/stats_plugin.h"

namespace wine_test {

inline constexpr char kSettingsFile[] = "Plugins\\Ravezo-DOR63.ini";

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline bool fileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

inline std::string setting(const char* key) {
    char buffer[256] = {};
    GetPrivateProfileStringA("Settings", key, "<missing>", buffer, sizeof buffer, kSettingsFile);
    return buffer;
}

class PluginTest : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteFileA(kSettingsFile);
        std::string error;
        ASSERT_TRUE(plugin.load(&error)) << error;
    }
    void TearDown() override { plugin.unload(); }

    tovu::StatsPlugin plugin;
};

}  // namespace wine_test
