// The window thread through the real DLL under Xvfb: the setup window started by the recount,
// its switches and keys, the worked-before window, the mode macros to the host's automation
// object, Escape, and unloading with windows up.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>

#include "tests/wine/plugin_fixture.h"
#include "tools/host/automation_object.h"
#include "tools/host/dialog_watcher.h"

namespace {

using wine_test::PluginTest;
using Clock = std::chrono::steady_clock;

constexpr char kSetupTitle[] = "Setup SP WW BPSK63 ";

// Waits up to timeoutMs for the condition, letting this thread's messages through.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 3000) {
    const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (Clock::now() > end) return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(10);
    }
    return true;
}

HWND visibleDialog(const char* title) {
    HWND window = FindWindowA("#32770", title);
    return window && IsWindowVisible(window) ? window : nullptr;
}

// The worked-before window, whatever a poll has titled it: the visible dialog of this process
// that holds the owner-drawn button 1016.
HWND workedBeforeWindow() {
    for (HWND dialog : tovu::visibleDialogs())
        if (GetDlgItem(dialog, 1016)) return dialog;
    return nullptr;
}

bool checked(HWND dialog, int box) { return IsDlgButtonChecked(dialog, box) == BST_CHECKED; }

void click(HWND dialog, int box) { PostMessageA(GetDlgItem(dialog, box), BM_CLICK, 0, 0); }

class WindowsTest : public PluginTest {
protected:
    void TearDown() override {
        PluginTest::TearDown();
        DeleteFileA("RurorUZEDEZU63_07_07_2009.txt");
    }
    HWND startSetupWindow() {
        plugin.resetStats(tovu::Recount{});
        HWND setup = nullptr;
        waitFor([&] { return (setup = visibleDialog(kSetupTitle)) != nullptr; });
        return setup;
    }
};

TEST_F(WindowsTest, FirstRecountStartsTheSetupWindowOnTopWithTheModeMacros) {
    tovu::AutomationObject host;
    std::string error;
    ASSERT_TRUE(host.start(&error)) << error;

    HWND setup = startSetupWindow();
    ASSERT_NE(setup, nullptr);
    RECT r{};
    GetWindowRect(setup, &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 10);
    EXPECT_TRUE(GetWindowLongA(setup, GWL_EXSTYLE) & WS_EX_TOPMOST);
    for (int box : {1014, 1028, 1042}) EXPECT_FALSE(checked(setup, box)) << box;
    EXPECT_EQ(wine_test::setting("Start"), "1");

    ASSERT_TRUE(host.waitForMacros(2, 3000));
    const auto macros = host.macros();
    EXPECT_EQ(macros[0].text, "<MODE:BPSK31>");
    EXPECT_EQ(macros[1].text, "<BAUDRATE:63>");

    // The second recount flips "Start" and leaves the same window running.
    plugin.resetStats(tovu::Recount{});
    EXPECT_EQ(wine_test::setting("Start"), "0");
    EXPECT_EQ(visibleDialog(kSetupTitle), setup);
    EXPECT_EQ(host.macros().size(), 2u);
}

TEST_F(WindowsTest, DxccSwitchOpensAndClosesTheWorkedBeforeWindow) {
    HWND setup = startSetupWindow();
    ASSERT_NE(setup, nullptr);
    click(setup, 1014);
    ASSERT_TRUE(waitFor([] { return workedBeforeWindow() != nullptr; }));
    // The window shows before the toggle writes the key and ticks the box.
    EXPECT_TRUE(waitFor([] { return wine_test::setting("DXCC") == "1"; }));
    EXPECT_TRUE(waitFor([&] { return checked(setup, 1014); }));
    RECT r{};
    GetWindowRect(workedBeforeWindow(), &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 400);

    click(setup, 1014);
    EXPECT_TRUE(waitFor([] { return workedBeforeWindow() == nullptr; }));
    EXPECT_TRUE(waitFor([] { return wine_test::setting("DXCC") == "0"; }));
    EXPECT_FALSE(checked(setup, 1014));
}

TEST_F(WindowsTest, StoredSwitchOpensItsWindowWithTheFirstPollWithoutAHost) {
    WritePrivateProfileStringA("Settings", "DXCC", "1", wine_test::kSettingsFile);
    const auto start = Clock::now();
    HWND setup = startSetupWindow();
    ASSERT_NE(setup, nullptr);
    EXPECT_TRUE(checked(setup, 1014));  // at once
    ASSERT_TRUE(waitFor([] { return workedBeforeWindow() != nullptr; }));
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    EXPECT_GE(ms, 250);  // the first poll comes 300 ms after the window's initialisation
}

TEST_F(WindowsTest, HiddenToolWindowIsNoticedByThePollThatCheckCallArms) {
    WritePrivateProfileStringA("Settings", "DXCC", "1", wine_test::kSettingsFile);
    HWND setup = startSetupWindow();
    ASSERT_NE(setup, nullptr);
    HWND tool = nullptr;
    ASSERT_TRUE(waitFor([&] { return (tool = workedBeforeWindow()) != nullptr; }));
    PostMessageA(tool, WM_KEYDOWN, VK_ESCAPE, 0);  // the operator ends it
    ASSERT_TRUE(waitFor([] { return workedBeforeWindow() == nullptr; }));
    EXPECT_EQ(wine_test::setting("DXCC"), "1");  // no poll yet

    tovu::CallCheck typing;
    typing.call = "DL1ABC";
    typing.prefix = "DL";
    plugin.checkCall(typing);
    EXPECT_TRUE(waitFor([] { return wine_test::setting("DXCC") == "0"; }));
    EXPECT_TRUE(waitFor([&] { return !checked(setup, 1014); }));
}

TEST_F(WindowsTest, EscapeEndsTheSetupWindowForGood) {
    WritePrivateProfileStringA("Settings", "DXCC", "1", wine_test::kSettingsFile);
    HWND setup = startSetupWindow();
    ASSERT_NE(setup, nullptr);
    ASSERT_TRUE(waitFor([] { return workedBeforeWindow() != nullptr; }));
    PostMessageA(setup, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(waitFor([] { return visibleDialog(kSetupTitle) == nullptr && workedBeforeWindow() == nullptr; }));
    EXPECT_EQ(wine_test::setting("DXCC"), "1");  // the switches keep their keys

    const std::string start = wine_test::setting("Start");
    plugin.resetStats(tovu::Recount{});
    Sleep(300);
    EXPECT_EQ(visibleDialog(kSetupTitle), nullptr);
    EXPECT_EQ(wine_test::setting("Start"), start);
}

TEST_F(WindowsTest, UnloadingWithBothWindowsUpIsPromptAndLeavesNoWindow) {
    tovu::AutomationObject host;
    ASSERT_TRUE(host.start());
    WritePrivateProfileStringA("Settings", "DXCC", "1", wine_test::kSettingsFile);
    HWND setup = startSetupWindow();
    ASSERT_NE(setup, nullptr);
    HWND tool = nullptr;
    ASSERT_TRUE(waitFor([&] { return (tool = workedBeforeWindow()) != nullptr; }));

    const auto start = Clock::now();
    plugin.unload();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    EXPECT_LT(ms, 1500);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(setup) && !IsWindow(tool); }, 2000));

    // And the plug-in comes back as new: "Start" = "1" from before skips one recount.
    std::string error;
    ASSERT_TRUE(plugin.load(&error)) << error;
    plugin.resetStats(tovu::Recount{});
    EXPECT_EQ(wine_test::setting("Start"), "0");
    EXPECT_NE(startSetupWindow(), nullptr);
}

}  // namespace
