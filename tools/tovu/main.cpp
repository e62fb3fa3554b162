// Tovu.exe, the simulated host: loads Plugins\Stats.dll from the current folder and drives it
// as the logging program does.
//   Tovu.exe                          prints what the entry points answer
//   Tovu.exe demo <session.log> <out> replays a contest session and saves what it produced
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/host/dialog_watcher.h"
#include "tools/host/session_log.h"
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

bool copyInto(const std::string& name, const std::string& folder) {
    return CopyFileA(name.c_str(), (folder + "\\" + name).c_str(), FALSE) != 0;
}

bool writeText(const std::string& path, const std::string& text) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::fwrite(text.data(), 1, text.size(), f);
    return std::fclose(f) == 0;
}

tovu::Recount demoStation() {
    tovu::Recount r;
    r.ownCall = "SP7QQA";
    r.ownPrefix = "SP";
    r.ownContinent = "EU";
    r.periodStart = {tovu::oleDate(2026, 12, 5, 12, 0), kDateTimeValid};
    r.periodEnd = {tovu::oleDate(2026, 12, 6, 12, 0), kDateTimeValid};
    return r;
}

// The host's recount: reset, then every QSO of the log again (deletions are taken out).
void replay(tovu::StatsPlugin& plugin, const tovu::Recount& station, const std::vector<tovu::LogEvent>& events,
            bool verbose) {
    plugin.resetStats(station);
    int stored = 0, refused = 0, removed = 0;
    for (const auto& e : events) {
        tovu::Qso q = e.qso;
        q.ownCall = station.ownCall;
        if (e.deletion) {
            plugin.removeData(q);
            ++removed;
        } else if (plugin.addData(q) == 1) {
            ++stored;
        } else {
            ++refused;
        }
    }
    if (verbose) std::printf("Replayed the log: %d QSOs stored, %d refused, %d deleted\n", stored, refused, removed);
}

int runDemo(tovu::StatsPlugin& plugin, const std::string& logPath, const std::string& outFolder) {
    std::vector<tovu::LogEvent> events;
    std::string error;
    if (!tovu::readSessionLog(logPath, events, &error)) {
        std::fprintf(stderr, "Tovu: %s\n", error.c_str());
        return 1;
    }
    CreateDirectoryA(outFolder.c_str(), nullptr);
    tovu::DialogWatcher watcher;  // the operator answers every message box with OK

    const tovu::Recount station = demoStation();
    replay(plugin, station, events, true);

    std::printf("\nWhile typing (CheckCall0: 0 dupe, 1 known prefix, 2 new multiplier, 4 no contest QSO):\n");
    const tovu::CallCheck typed[] = {{"OK1TWF", "BPSK63", "OK", "80m", "80m"},
                                     {"OK2NEW", "BPSK63", "OK", "80m", "80m"},
                                     {"ZL1ABC", "BPSK63", "ZL", "40m", "40m"},
                                     {"DL1ABC", "BPSK63", "DL", "160m", "160m"}};
    for (const auto& c : typed)
        std::printf("  %-8s on %-4s -> %d\n", c.call.c_str(), c.band.c_str(), plugin.checkCall(c));

    int32_t flag = 0;
    const std::string result = plugin.getResult(&flag);
    std::printf("\nGetResult0:\n%s", result.c_str());
    writeText(outFolder + "\\result.txt", result);

    const std::string report = "RurorUZEDEZU63_06_12_2026.txt";
    if (copyInto(report, outFolder)) std::printf("\nError report: %s\n", report.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    tovu::StatsPlugin plugin;
    std::string error;
    if (!plugin.load(&error)) {
        std::fprintf(stderr, "Tovu: cannot load Plugins\\Stats.dll: %s\n", error.c_str());
        return 1;
    }
    if (argc == 4 && std::string(argv[1]) == "demo") return runDemo(plugin, argv[2], argv[3]);
    std::printf("Loaded Plugins\\Stats.dll\n");
    return printExportAnswers(plugin);
}
