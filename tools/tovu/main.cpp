// Tovu.exe, the simulated host: loads Plugins\Stats.dll from the current folder and drives it
// as the logging program does. Run without arguments it prints what the entry points answer.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tools/host/dialog_watcher.h"
#include "tools/host/stats_plugin.h"

namespace {

int printExportAnswers(tovu::StatsPlugin& plugin) {
    std::printf("GetNumberOfSets() = %d\n", plugin.GetNumberOfSets());
    std::printf("GetExchgCount0(...) = %d\n", plugin.GetExchgCount0("a", "b", "c"));
    std::printf("GetSetName(0) = \"%s\"\n", plugin.GetSetName(0));
    std::printf("GetSetName(1) = \"%s\"\n", plugin.GetSetName(1));
    const struct {
        const char* exchange;
        const char* prefix;
    } exchanges[] = {{"123", "DL"}, {"599", "DL"}, {" w ", "SP"}, {"A", "SP"}};
    for (const auto& e : exchanges)
        std::printf("IsValidExchg0(\"%s\", prefix \"%s\") = %d\n", e.exchange, e.prefix,
                    plugin.IsValidExchg0(e.exchange, "", e.prefix, "", 0, 0, 0));

    tovu::DialogWatcher watcher;
    plugin.SetupSet0();
    for (const auto& box : watcher.seen()) std::printf("SetupSet0 showed: \"%s\"\n", box.text.c_str());
    return 0;
}

}  // namespace

int main() {
    tovu::StatsPlugin plugin;
    std::string error;
    if (!plugin.load(&error)) {
        std::fprintf(stderr, "Tovu: cannot load Plugins\\Stats.dll: %s\n", error.c_str());
        return 1;
    }
    std::printf("Loaded Plugins\\Stats.dll\n");
    return printExportAnswers(plugin);
}
