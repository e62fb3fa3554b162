// Tovu.exe, the simulated host: loads Plugins\Stats.dll from the current folder and drives it
// as the logging program does.
//   Tovu.exe                          prints what the entry points answer
//   Tovu.exe demo <session.log> <out> replays a contest session and saves what it produced
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/host/automation_object.h"
#include "tools/host/dialog_watcher.h"
#include "tools/host/screenshot.h"
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

bool copyInto(const std::string& path, const std::string& folder) {
    const std::string name = path.substr(path.find_last_of('\\') + 1);
    return CopyFileA(path.c_str(), (folder + "\\" + name).c_str(), FALSE) != 0;
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

// The operator's answer to the Cabrillo header dialog: the sample station's header, a
// screenshot of the filled-in dialog, then OK.
tovu::DialogWatcher::Action fillHeader(HWND dialog, const std::string& outFolder) {
    if (tovu::windowText(dialog) != "Polska WW BPSK63 Contest ") return nullptr;
    return [dialog, outFolder] {
        const struct {
            int id;
            const char* text;
        } fields[] = {{1007, "Jan Nowak"},        {1002, "ul. Polna 1"},         {1003, "Lodz"},
                      {1021, "90-001"},           {1014, "Poland"},              {1005, "PK Lodz"},
                      {1004, "sp7qqa@example.org"}, {1001, "Thanks for the QSOs!\r\n73 from Lodz"}};
        for (const auto& f : fields) SetDlgItemTextA(dialog, f.id, f.text);
        SendDlgItemMessageA(dialog, 1012, CB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>("SINGLE-OP"));
        tovu::saveScreenshot(dialog, outFolder + "\\header_dialog.bmp");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    };
}

HWND waitForVisibleDialog(const char* title, int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += 20) {
        HWND window = FindWindowA("#32770", title);
        if (window && IsWindowVisible(window)) return window;
        Sleep(20);
    }
    return nullptr;
}

// The operator types a call: the host asks the plug-in at each keystroke, then the plug-in's
// poll follows 300 ms after the last one.
void typeCall(tovu::StatsPlugin& plugin, tovu::AutomationObject& host, const std::string& call, double hertz,
              const char* band) {
    host.setFrequency(hertz);
    for (size_t typed = 0; typed <= call.size(); ++typed) {
        host.setEntryText(call.substr(0, typed));
        plugin.checkCall({call.substr(0, typed), "BPSK63", "", band, band});
        Sleep(60);
    }
    Sleep(700);
}

int runDemo(tovu::StatsPlugin& plugin, const std::string& logPath, const std::string& outFolder) {
    std::vector<tovu::LogEvent> events;
    std::string error;
    if (!tovu::readSessionLog(logPath, events, &error)) {
        std::fprintf(stderr, "Tovu: %s\n", error.c_str());
        return 1;
    }
    CreateDirectoryA(outFolder.c_str(), nullptr);
    // The operator: fills in the header dialog, answers every message box with OK.
    tovu::DialogWatcher watcher([&outFolder](HWND dialog) {
        if (tovu::isMessageBox(dialog)) return tovu::DialogWatcher::pressOk(dialog);
        return fillHeader(dialog, outFolder);
    });

    // The host publishes its automation object; the plug-in's windows follow it.
    tovu::AutomationObject host;
    std::string hostError;
    if (!host.start(&hostError)) std::printf("(automation object not published: %s)\n", hostError.c_str());
    host.setFrequency(7045000);

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

    // The setup window came up with the first recount; the operator switches on "DXCC".
    if (HWND setup = waitForVisibleDialog("Setup SP WW BPSK63 ", 3000)) {
        PostMessageA(GetDlgItem(setup, 1014), BM_CLICK, 0, 0);
        if (HWND workedBefore = waitForVisibleDialog("Multiplier", 3000)) {
            typeCall(plugin, host, "", 7045000, "40m");
            tovu::saveScreenshot(workedBefore, outFolder + "\\worked_before_list.bmp");
            typeCall(plugin, host, "OK2RTY", 7045000, "40m");
            tovu::saveScreenshot(nullptr, outFolder + "\\windows.bmp");
            std::printf("\nWindows: the setup window and the worked-before window for OK2RTY on 40m\n");
        }
    }
    std::printf("Macros the host received:");
    for (const auto& macro : host.macros()) std::printf(" %s", macro.text.c_str());
    std::printf("\n");

    const std::string report = "RurorUZEDEZU63_06_12_2026.txt";
    if (copyInto(report, outFolder)) std::printf("\nError report: %s\n", report.c_str());

    // The host asks for a Cabrillo log: a recount with the header dialog, then the result.
    std::printf("\nCabrillo log: the header dialog is filled in and confirmed\n");
    tovu::Recount withCabrillo = station;
    withCabrillo.cabrilloWanted = 1;
    replay(plugin, withCabrillo, events, false);
    flag = 0;
    plugin.getResult(&flag);
    const auto seen = watcher.seen();
    if (!seen.empty()) std::printf("Message \"%s\": %s\n", seen.back().caption.c_str(), seen.back().text.c_str());
    std::printf("Result flag after the Cabrillo log: %d\n", flag);
    if (copyInto("SP7QQA.cbr", outFolder)) std::printf("Cabrillo log: SP7QQA.cbr\n");
    if (copyInto("Plugins\\Ravezo-DOR63.ini", outFolder)) std::printf("Settings: Ravezo-DOR63.ini\n");
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
