// The real Stats.dll under Wine, driven as the host drives it: export table, trivial entry
// points, the exchange check, SetupSet0's message box, reloading, hostile input.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

#include "tests/wine/plugin_fixture.h"
#include "tools/host/dialog_watcher.h"

namespace {

using wine_test::PluginTest;

std::set<std::string> exportedNames(HMODULE module, std::string* dllName) {
    auto* base = reinterpret_cast<const BYTE*>(module);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
    const auto& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    auto* dir = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
    *dllName = reinterpret_cast<const char*>(base + dir->Name);
    auto* names = reinterpret_cast<const DWORD*>(base + dir->AddressOfNames);
    std::set<std::string> result;
    for (DWORD i = 0; i < dir->NumberOfNames; ++i) result.insert(reinterpret_cast<const char*>(base + names[i]));
    return result;
}

TEST_F(PluginTest, ExportDirectoryNamesTheModuleAndBothNameForms) {
    std::string dllName;
    const auto names = exportedNames(plugin.handle(), &dllName);
    EXPECT_EQ(dllName, "Stats.dll");
    for (const char* name : {"AddData0", "RemoveData0", "CheckCall0", "GetExchgCount0", "GetNumberOfSets", "GetResult0",
                             "GetSetName", "IsValidExchg0", "ResetStats0", "SetupSet0"})
        EXPECT_EQ(names.count(name), 1u) << name;
    // The decorated symbols of the implementing functions resolve to the same code.
    const struct {
        const char* plain;
        const char* decoratedStart;
    } pairs[] = {{"CheckCall0", "_Z14CheckCallFunc0"},
                 {"GetExchgCount0", "_Z19StatsGetExchgCount0"},
                 {"IsValidExchg0", "_Z18StatsIsValidExchg0"},
                 {"AddData0", "_Z8AddData0"},
                 {"ResetStats0", "_Z11ResetStats0"}};
    for (const auto& p : pairs) {
        std::string decorated;
        for (const auto& n : names)
            if (n.rfind(p.decoratedStart, 0) == 0) decorated = n;
        ASSERT_FALSE(decorated.empty()) << p.decoratedStart;
        EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(plugin.handle(), decorated.c_str())),
                  reinterpret_cast<void*>(GetProcAddress(plugin.handle(), p.plain)))
            << decorated;
    }
}

TEST_F(PluginTest, TrivialEntryPointsAnswer) {
    EXPECT_EQ(plugin.GetNumberOfSets(), 1);
    EXPECT_EQ(plugin.GetExchgCount0(nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(plugin.GetExchgCount0("a", "b", "c"), 1);
    EXPECT_STREQ(plugin.GetSetName(0), "Polska WW BPSK63 Contest (C)");
    EXPECT_STREQ(plugin.GetSetName(1), "");
    EXPECT_STREQ(plugin.GetSetName(-1), "");
}

TEST_F(PluginTest, IsValidExchangeOverATable) {
    const struct {
        const char* exchange;
        const char* prefix;
        int expected;
    } cases[] = {{"w", "SP", 1},   {" W ", "SP", 1},  {"W\t", "SP", 1},   {"A", "SP", 0},   {"BB", "SP", 0},
                 {"", "SP", 0},    {"B", "sp", 0},    {"123", "sp", 1},   {"123", "SP9", 1}, {"001", "DL", 1},
                 {"0599", "DL", 1}, {"599", "DL", 0}, {"12", "DL", 0},    {"12345", "DL", 0}, {"12a", "DL", 0},
                 {" 123", "DL", 0}, {"123", "", 1},   {nullptr, "DL", 0}, {"123", nullptr, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(plugin.IsValidExchg0(c.exchange, "x", c.prefix, "y", 1, 2, 3), c.expected)
            << (c.exchange ? c.exchange : "(null)") << " / " << (c.prefix ? c.prefix : "(null)");
}

TEST_F(PluginTest, SetupSetShowsItsMessageAndReturnsWhenDismissed) {
    tovu::DialogWatcher watcher;
    plugin.SetupSet0();  // returns only after the watcher pressed OK
    const auto seen = watcher.seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "No additional setup for this plugin");
    EXPECT_FALSE(seen[0].hasOwner);  // this thread has no active window
}

TEST_F(PluginTest, SetupSetIsOwnedByTheActiveWindow) {
    HWND window = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    SetActiveWindow(window);
    {
        tovu::DialogWatcher watcher;
        plugin.SetupSet0();
        const auto seen = watcher.seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_TRUE(seen[0].hasOwner);
    }
    DestroyWindow(window);
}

TEST_F(PluginTest, LoadCallUnloadAndLoadAgain) {
    tovu::Recount recount;
    EXPECT_EQ(plugin.resetStats(recount), 1);
    tovu::Qso qso;
    qso.call = "DL1ABC";
    qso.exchRcvd = "123";
    qso.prefix = "DL";
    EXPECT_EQ(plugin.addData(qso), 1);
    plugin.unload();
    std::string error;
    ASSERT_TRUE(plugin.load(&error)) << error;
    // A fresh module: the log is empty again.
    EXPECT_NE(std::string(plugin.getResult(nullptr)).find("Total\t 0\t  0\t   0\t  0\r\n"), std::string::npos);
    EXPECT_EQ(plugin.GetNumberOfSets(), 1);
}

TEST_F(PluginTest, NullTextsAndNullDateTimesNeverCrash) {
    EXPECT_EQ(plugin.ResetStats0(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr),
              1);
    // The report is named after a null period end: an empty date text.
    EXPECT_TRUE(wine_test::fileExists("RurorUZEDEZU63_.txt"));
    // All texts null: no band, refused.
    EXPECT_EQ(plugin.AddData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr,
                              nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                              nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr, nullptr, nullptr),
              0);
    EXPECT_EQ(plugin.AddData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, "BPSK63", nullptr, nullptr,
                              "1", "2", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                              nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr, "40m", nullptr),
              1);
    EXPECT_EQ(plugin.RemoveData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr,
                                 nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr, nullptr, nullptr),
              1);
    EXPECT_EQ(plugin.CheckCall0(nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr, nullptr, nullptr,
                                nullptr, nullptr, nullptr, nullptr),
              4);
    EXPECT_NE(plugin.GetResult0(nullptr), nullptr);
    DeleteFileA("RurorUZEDEZU63_.txt");
}

TEST_F(PluginTest, VeryLongTextsAreHandledWhole) {
    const std::string longCall(64 * 1024, 'K');
    tovu::Recount recount;
    recount.ownCall = std::string(64 * 1024, 'S');
    recount.periodEnd = {40183, kDateTimeValid};
    plugin.resetStats(recount);
    tovu::Qso qso;
    qso.call = longCall;
    qso.exchRcvd = "123";
    qso.prefix = std::string(64 * 1024, 'P');
    EXPECT_EQ(plugin.addData(qso), 1);
    EXPECT_EQ(plugin.addData(qso), 1);  // a dupe line of more than 128 KiB
    const std::string report = wine_test::readFile("RurorUZEDEZU63_05_01_2010.txt");
    EXPECT_NE(report.find(longCall + "  599  123   DUPE !!!\r\n"), std::string::npos);
    const std::string result = plugin.getResult(nullptr);
    EXPECT_NE(result.find("Contestant: " + recount.ownCall + "\r\n"), std::string::npos);
    tovu::CallCheck check;
    check.call = longCall;
    check.prefix = qso.prefix;
    EXPECT_EQ(plugin.checkCall(check), 0);
    DeleteFileA("RurorUZEDEZU63_05_01_2010.txt");
}

}  // namespace
