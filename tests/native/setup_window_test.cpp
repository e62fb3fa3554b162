// The setup window's logic: initialisation, switches and keys through toggles and upkeep,
// closing, positions; and the worked-before window's position and button layout.
#include <gtest/gtest.h>

#include "platform/portable/memory_settings.h"
#include "tests/native/window_fakes.h"
#include "windows/worked_before_window.h"

namespace {

using windows::ToolKind;
using Boxes = std::array<bool, 3>;

class SetupWindow : public ::testing::Test {
protected:
    windows::SetupWindowLogic& logic(bool withHost = true, bool russian = false) {
        windows::SetupWindowLogic::ConnectHost connect;
        if (withHost)
            connect = fake::connectScriptedHost(host);
        logic_ = std::make_unique<windows::SetupWindowLogic>(settings, view, tools, connect, russian);
        return *logic_;
    }
    platform::MemorySettings settings;
    fake::SetupView view;
    fake::ToolFactory tools;
    fake::HostLink* host = nullptr;
    std::unique_ptr<windows::SetupWindowLogic> logic_;
};

TEST_F(SetupWindow, FirstOpeningWithoutSettings) {
    auto& l = logic();
    l.initialise();
    EXPECT_EQ(view.record->moves, (std::vector<std::pair<int, int>>{{10, 10}}));
    EXPECT_TRUE(view.topmost);
    EXPECT_FALSE(view.russian);
    EXPECT_EQ(view.boxes, std::vector<Boxes>{Boxes{}});
    EXPECT_EQ(view.arms, 1);
    EXPECT_TRUE(tools.created.empty());
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->macros, (std::vector<std::string>{"<MODE:BPSK31>", "<BAUDRATE:63>"}));
    EXPECT_EQ(settings.writeCount(), 0u);
}

TEST_F(SetupWindow, WithoutHostAndWithRussianCaptions) {
    settings.write("master_x", "-1280");
    settings.write("master_y", "0");
    auto& l = logic(false, true);
    l.initialise();
    EXPECT_EQ(l.hostLink(), nullptr);
    EXPECT_TRUE(view.russian);
    EXPECT_EQ(view.record->moves.back(), std::make_pair(-1280, 10));
}

TEST_F(SetupWindow, SwitchOnInSettingsTicksAtOnceAndOpensWithTheFirstPoll) {
    settings.write("DXCC", "1");
    settings.write("Call_Area", "x");
    auto& l = logic(false);
    l.initialise();
    EXPECT_EQ(view.boxes.back(), (Boxes{true, false, false}));
    EXPECT_TRUE(tools.created.empty());
    l.onTimer();
    EXPECT_FALSE(view.timerRunning);
    ASSERT_EQ(tools.created.size(), 1u);
    EXPECT_EQ(tools.created[0].first, ToolKind::WorkedBefore);
    EXPECT_TRUE(tools.created[0].second->shown);
    l.onTimer();  // already open: nothing new
    EXPECT_EQ(tools.created.size(), 1u);
}

TEST_F(SetupWindow, TogglesOpenAndCloseWithTheirKeys) {
    auto& l = logic();
    l.initialise();
    for (const auto& s : windows::kSwitches) {
        const int arms = view.arms;
        l.toggle(s.boxId);
        auto record = tools.latest(s.kind);
        ASSERT_NE(record, nullptr);
        EXPECT_TRUE(record->shown);
        EXPECT_EQ(settings.stored(s.key), "1");
        EXPECT_TRUE(l.switchOn(s.kind));
        EXPECT_EQ(view.arms, arms + 1);

        l.toggle(s.boxId);
        EXPECT_TRUE(record->closed);
        EXPECT_EQ(settings.stored(s.key), "0");
        EXPECT_FALSE(l.switchOn(s.kind));
        EXPECT_EQ(l.toolWindow(s.kind), nullptr);
        EXPECT_EQ(view.boxes.back(), Boxes{});
    }
    const size_t writes = settings.writeCount();
    l.toggle(1278);  // the label: no switch
    EXPECT_EQ(settings.writeCount(), writes);
}

TEST_F(SetupWindow, ToggleFollowsTheReferenceNotTheBox) {
    auto& l = logic();
    l.initialise();
    l.toggle(1014);
    tools.latest(ToolKind::WorkedBefore)->hidden = true;  // Escape, not noticed by a poll yet
    l.toggle(1014);
    EXPECT_TRUE(tools.latest(ToolKind::WorkedBefore)->closed);
    EXPECT_EQ(view.boxes.back(), Boxes{});
    EXPECT_EQ(tools.created.size(), 1u);
}

TEST_F(SetupWindow, UpkeepDropsAHiddenWindowAndLeavesTheOthers) {
    auto& l = logic();
    l.initialise();
    l.toggle(1014);
    l.toggle(1042);
    tools.latest(ToolKind::Province)->hidden = true;
    l.onTimer();
    EXPECT_EQ(settings.stored("Call_Area"), "0");
    EXPECT_EQ(settings.stored("DXCC"), "1");
    EXPECT_EQ(view.boxes.back(), (Boxes{true, false, false}));
    EXPECT_EQ(l.toolWindow(ToolKind::Province), nullptr);
    EXPECT_NE(l.toolWindow(ToolKind::WorkedBefore), nullptr);
    // A later toggle opens a new window.
    l.toggle(1042);
    EXPECT_EQ(tools.created.size(), 3u);
}

TEST_F(SetupWindow, ClosingStopsTheTimerAndKeepsTheKeys) {
    auto& l = logic();
    l.initialise();
    l.toggle(1014);
    l.toggle(1028);
    l.closeToolWindows();
    EXPECT_FALSE(view.timerRunning);
    EXPECT_TRUE(tools.latest(ToolKind::WorkedBefore)->closed);
    EXPECT_TRUE(tools.latest(ToolKind::Dxcc)->closed);
    EXPECT_EQ(l.toolWindow(ToolKind::Dxcc), nullptr);
    EXPECT_EQ(settings.stored("DXCC"), "1");
    EXPECT_EQ(settings.stored("setup_view_dxcc_extended"), "1");
}

TEST_F(SetupWindow, AWindowThatCannotBeCreatedLeavesItsSwitchOff) {
    tools.failing[ToolKind::Dxcc] = true;
    auto& l = logic();
    l.initialise();
    l.toggle(1028);
    EXPECT_FALSE(l.switchOn(ToolKind::Dxcc));
    EXPECT_FALSE(settings.stored("setup_view_dxcc_extended"));
    EXPECT_EQ(view.boxes.back(), Boxes{});
}

TEST_F(SetupWindow, PositionIsSavedOnlyWhenItChanged) {
    auto& l = logic();
    l.initialise();
    l.savePosition();
    EXPECT_EQ(settings.writeCount(), 0u);
    view.record->rect = {-1280, 10, -1080, 110};
    l.savePosition();
    EXPECT_EQ(settings.stored("master_x"), "-1280");
    EXPECT_FALSE(settings.stored("master_y"));
    l.savePosition();
    EXPECT_EQ(settings.writeCount(), 1u);
}

class NoDisplay final : public windows::WorkedBeforeSource {
public:
    windows::WorkedBeforeView snapshot() override { return {}; }
};

TEST(WorkedBeforeWindow, PositionDefaultsAndButtonLayout) {
    platform::MemorySettings settings;
    fake::Window window(std::make_shared<fake::WindowRecord>());
    NoDisplay source;
    windows::WorkedBeforeLogic first(settings, window, source);
    first.initialise();
    EXPECT_EQ(window.outerRect().left, 10);
    EXPECT_EQ(window.outerRect().top, 400);
    window.moveTo(-1280, 50);
    first.savePosition();
    EXPECT_EQ(settings.stored("dxcc_x"), "-1280");
    EXPECT_EQ(settings.stored("dxcc_y"), "50");

    windows::WorkedBeforeLogic second(settings, window, source);
    window.moveTo(0, 0);
    second.initialise();
    EXPECT_EQ(window.outerRect().left, -1280);
    EXPECT_EQ(window.outerRect().top, 50);

    EXPECT_EQ(windows::WorkedBeforeLogic::buttonRect(300, 200), (windows::Rect{1, 1, 297, 197}));
}

}  // namespace
