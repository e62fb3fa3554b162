// The polling cycle against a scripted host: call field, rows, "<SP1>", band, titles, repaint,
// and the early ends (no host, a one- or two-character call, failing host calls).
#include <gtest/gtest.h>

#include <cmath>

#include "engine/recount.h"
#include "platform/portable/memory_settings.h"
#include "tests/native/window_fakes.h"
#include "windows/poll.h"

namespace {

using windows::ToolKind;

class ModuleAccess final : public windows::PollModuleAccess {
public:
    void refreshWorkedBeforeRows(const std::string& call) override { windows::refreshWorkedBeforeRows(state, call); }
    std::string contestYear() override { return state.ContestYear; }
    engine::ContestState state;
};

class Poll : public ::testing::Test {
protected:
    Poll() {
        engine::beginRecount(module.state, {"SP7QQA", "SP", "EU"}, {40182, kDateTimeValid}, {40183, kDateTimeValid});
    }
    void open(bool withHost = true) {
        windows::SetupWindowLogic::ConnectHost connect;
        if (withHost)
            connect = fake::connectScriptedHost(host);
        setup = std::make_unique<windows::SetupWindowLogic>(settings, view, tools, connect, false);
        setup->initialise();
    }
    void log(const char* call, const char* band, double minutes, const char* exch) {
        engine::CInfo r;
        r.Call = call;
        r.Band = band;
        r.Mode = "BPSK63";
        r.ExchRcvd = exch;
        r.Time = {40182 + minutes / 1440.0, kDateTimeValid};
        module.state.log.append(r);
    }
    void run() { windows::poll(*setup, state, module); }
    const std::vector<std::string>& row(int i) { return module.state.workedBeforeRows[size_t(i)]; }
    std::shared_ptr<fake::WindowRecord> workedBefore() { return tools.latest(ToolKind::WorkedBefore); }

    platform::MemorySettings settings;
    fake::SetupView view;
    fake::ToolFactory tools;
    fake::HostLink* host = nullptr;
    std::unique_ptr<windows::SetupWindowLogic> setup;
    windows::PollState state;
    ModuleAccess module;
};

TEST(BandOfFrequency, WholeMegahertzPickTheSlot) {
    const struct {
        double hertz;
        int slot;
        const char* text;
    } cases[] = {{1'800'000, 0, "160m"},     {1'999'999, 0, "160m"}, {3'580'000, 1, "80m"},  {7'050'000, 2, "40m"},
                 {14'070'000, 3, "20m"},     {21'070'000, 4, "15m"}, {28'999'999, 5, "10m"}, {29'000'000, -1, ""},
                 {29'500'000, -1, ""},       {0, -1, ""},            {-7'050'000, -1, ""},   {2'500'000, -1, ""},
                 {1e300, -1, ""},            {NAN, -1, ""}};
    for (const auto& c : cases) {
        const auto band = windows::bandOfFrequency(c.hertz);
        EXPECT_EQ(band.slot, c.slot) << c.hertz;
        EXPECT_EQ(band.text, c.text) << c.hertz;
    }
}

TEST_F(Poll, EmptyCallTitlesTheWindowsWithYearAndBandAndDashesTheRows) {
    settings.write("DXCC", "1");
    settings.write("setup_view_dxcc_extended", "1");
    open();
    host->frequency = 7'050'000;
    run();
    EXPECT_EQ(state.CurrentBand, 2);
    EXPECT_EQ(state.CurrentCall, "");
    EXPECT_EQ(workedBefore()->title, "POLSKA WW PSK63 2010 DXCC worked on 40m");
    EXPECT_EQ(tools.latest(ToolKind::Dxcc)->title, "POLSKA WW PSK63 2010 DXCC worked on 40m");
    EXPECT_EQ(workedBefore()->repaints, 1);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(row(i), (std::vector<std::string>{i < 2 ? "80m" : row(i)[0], "     -", "   -", "   -", "  -"}));
    EXPECT_EQ(host->fields, std::vector<int>{5});
    EXPECT_FALSE(view.timerRunning);  // the poll never re-arms
}

TEST_F(Poll, OffTheBandsTheTitleHasAnEmptyBandText) {
    settings.write("DXCC", "1");
    open();
    host->frequency = 29'500'000;
    run();
    EXPECT_EQ(state.CurrentBand, -1);
    EXPECT_EQ(workedBefore()->title, "POLSKA WW PSK63 2010 DXCC worked on ");
}

TEST_F(Poll, Sp1FollowsDialMovesOfMoreThan300Hz) {
    open();
    const struct {
        double hertz;
        bool sent;
    } steps[] = {{14'070'000, true}, {14'070'250, false}, {14'070'300, false}, {14'070'301, true},
                 {14'070'000, true}, {NAN, false}};
    size_t expected = 2;  // the two mode macros of the opening
    for (const auto& s : steps) {
        host->frequency = s.hertz;
        run();
        if (s.sent) ++expected;
        EXPECT_EQ(host->macros.size(), expected) << s.hertz;
        EXPECT_EQ(host->macros.back(), s.sent ? "<SP1>" : host->macros.back());
    }
    EXPECT_EQ(state.LastSp1Frequency, 14'070'000);
    EXPECT_EQ(state.CurrentBand, -1);  // not a number: no band
}

TEST_F(Poll, RowsShowTheLastQsoInLogOrderWithTheExactCall) {
    settings.write("DXCC", "1");
    open();
    log("QQ1QQ", "40m", 12 * 60 + 30, "014");
    log("QQ1QQ", "40m", 12 * 60 + 1, "007");
    log("QQ1QQ", "10m", 13 * 60, "099");
    log("OTHER", "20m", 13 * 60, "001");
    host->call = "QQ1QQ";
    host->frequency = 14'070'000;
    run();
    EXPECT_EQ(row(2), (std::vector<std::string>{"40m", "BPSK63", "12:01", "  007", "  -"}));
    EXPECT_EQ(row(5), (std::vector<std::string>{"10m", "BPSK63", "13:00", "  099", "  -"}));
    EXPECT_EQ(row(3), (std::vector<std::string>{"20m", "     -", "   -", "   -", "  -"}));
    EXPECT_EQ(workedBefore()->title, "POLSKA WW PSK63 worked with QQ1QQ ");
    EXPECT_EQ(state.CurrentBand, 3);

    host->call = "qq1qq";  // letter case counts
    run();
    EXPECT_EQ(row(2)[1], "     -");
    EXPECT_EQ(workedBefore()->title, "POLSKA WW PSK63 worked with qq1qq ");
}

TEST_F(Poll, ShortCallEndsThePollAfterStoringIt) {
    open();
    log("QQ1QQ", "40m", 600, "014");
    host->call = "QQ1QQ";
    host->frequency = 7'040'000;
    run();
    const auto rows = module.state.workedBeforeRows;
    const size_t macros = host->macros.size();
    host->call = "SP";
    host->frequency = 21'000'000;
    run();
    EXPECT_EQ(state.CurrentCall, "SP");
    EXPECT_EQ(state.CurrentBand, 2);
    EXPECT_EQ(module.state.workedBeforeRows, rows);
    EXPECT_EQ(host->macros.size(), macros);
}

TEST_F(Poll, WithoutHostOnlyTheToolWindowsAreLookedAfter) {
    settings.write("DXCC", "1");
    open(false);
    state.CurrentBand = 4;
    run();
    ASSERT_NE(workedBefore(), nullptr);
    EXPECT_TRUE(workedBefore()->shown);
    EXPECT_EQ(workedBefore()->title, "");
    EXPECT_EQ(workedBefore()->repaints, 0);
    EXPECT_EQ(state.CurrentBand, 4);
    EXPECT_EQ(row(2)[1], "-");  // as the recount left it
}

TEST_F(Poll, FailingHostCallsEndThePollWhereTheyFail) {
    settings.write("DXCC", "1");
    open();
    host->failEntry = true;
    run();
    EXPECT_EQ(row(2)[1], "-");
    EXPECT_EQ(workedBefore()->repaints, 0);

    host->failEntry = false;
    host->failFrequency = true;
    host->call = "QQ1QQ";
    run();
    EXPECT_EQ(state.CurrentCall, "QQ1QQ");
    EXPECT_EQ(row(2)[1], "     -");  // done before the failure stays done
    EXPECT_EQ(state.CurrentBand, -1);
    EXPECT_EQ(workedBefore()->repaints, 0);

    host->failFrequency = false;
    host->failMacro = true;
    host->frequency = 7'040'000;
    run();
    EXPECT_EQ(state.LastSp1Frequency, 0.0);  // not stored when the macro failed
    EXPECT_EQ(state.CurrentBand, -1);
}

}  // namespace
