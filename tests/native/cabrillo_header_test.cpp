// The Cabrillo header step through a fake dialog: loading, decoding, defaults, what is taken
// back and written on confirmation, the soapbox file form, cancel.
#include <gtest/gtest.h>

#include <functional>

#include "output/cabrillo_header.h"
#include "platform/portable/memory_settings.h"

namespace {

using output::HeaderFields;

// Settings that also remember the order of writes.
class RecordingSettings final : public platform::Settings {
public:
    std::string read(std::string_view key, std::string_view def) override { return store.read(key, def); }
    void write(std::string_view key, std::string_view value) override {
        writes.emplace_back(key);
        store.write(key, value);
    }
    platform::MemorySettings store;
    std::vector<std::string> writes;
};

class FakeDialog final : public output::HeaderDialog {
public:
    bool run(HeaderFields& fields) override {
        shown.push_back(fields);
        if (edit) edit(fields);
        return confirm;
    }
    std::vector<HeaderFields> shown;
    std::function<void(HeaderFields&)> edit;
    bool confirm = true;
};

class HeaderStep : public ::testing::Test {
protected:
    bool run(std::string_view ownCall = "SP7QQA") { return output::editHeader(log, ownCall, settings, dialog); }
    RecordingSettings settings;
    FakeDialog dialog;
    output::CabrilloLog log;
};

TEST(ReplaceAll, LeftToRightWithoutOverlap) {
    struct Case {
        const char *text, *search, *replacement, *expected;
    } cases[] = {{"a<CR>b<CR>", "<CR>", "\r", "a\rb\r"},
                 {"aaaa", "aa", "a", "aa"},
                 {"abab", "ab", "abab", "abababab"},
                 {"x", "x", "x", "x"},
                 {"", "a", "b", ""},
                 {"<C<CR>R>", "<CR>", "", "<CR>"}};
    for (const auto& c : cases) EXPECT_EQ(output::ReplaceAll(c.text, c.search, c.replacement), c.expected) << c.text;
}

TEST(CabrilloFileBase, SlashesBecomeUnderscoresAndBlankBecomesNovt) {
    struct Case {
        const char *call, *expected;
    } cases[] = {{"SP7QQA", "SP7QQA"}, {"SP7QQA/P", "SP7QQA_P"}, {"DL\\SP7QQA/M", "DL_SP7QQA_M"},
                 {" \tSP7QQA \r\n", "SP7QQA"}, {" \t\v\f", "NOVT"}, {"", "NOVT"}};
    for (const auto& c : cases) EXPECT_EQ(output::cabrilloFileBase(c.call), c.expected) << c.call;
}

TEST(ComboSelection, FirstEntryBeginningWithTheTextIgnoringCase) {
    const std::vector<std::string_view> entries = {"SINGLE-OP", "MULTI-OP", "CHECKLOG"};
    EXPECT_EQ(output::comboSelection(entries, "SINGLE-OP"), 0);
    EXPECT_EQ(output::comboSelection(entries, "multi"), 1);
    EXPECT_EQ(output::comboSelection(entries, "C"), 2);
    EXPECT_EQ(output::comboSelection(entries, ""), 0);
    EXPECT_EQ(output::comboSelection(entries, "SINGLE-OPX"), -1);
    EXPECT_EQ(output::comboSelection(entries, "TWO"), -1);
}

TEST_F(HeaderStep, WithoutSettingsOnlyCallOperatorsAndFixedDefaults) {
    run("SP7QQA/P");
    ASSERT_EQ(dialog.shown.size(), 1u);
    const HeaderFields& f = dialog.shown[0];
    EXPECT_EQ(f.Callsign, "SP7QQA/P");
    EXPECT_EQ(f.Operators, "SP7QQA/P");
    EXPECT_EQ(f.Contest, "Polska WW BPSK 63 Contest");
    EXPECT_EQ(f.CategoryOperator, "SINGLE-OP");
    EXPECT_EQ(f.CategoryBand, "ALL");
    EXPECT_EQ(f.CategoryMode, "BPSK63");
    EXPECT_EQ(f.CategoryPower, "HIGH");
    EXPECT_EQ(f.CategoryTransmitter, "ONE");
    for (const std::string* empty : {&f.Claimed, &f.Name, &f.Address, &f.AddressCity, &f.AddressPostalcode,
                                     &f.AddressCountry, &f.Club, &f.SoapBox, &f.Email})
        EXPECT_EQ(*empty, "");
    EXPECT_EQ(log.FileBase, "SP7QQA_P");
}

TEST_F(HeaderStep, ConfirmTakesBackWritesInOrderAndClearsQsoLines) {
    settings.store.write("Claimed", "1234");
    log.QsoLines = {"old line\r\n"};
    dialog.edit = [](HeaderFields& f) {
        f.Callsign = "SP7QQA/M";  // the file base stays from the own call
        f.CategoryOperator = "MULTI-OP";
        f.CategoryPower = "QRP ";  // typed text kept as typed
        f.Name = "Jan Nowak";
        f.Email = "sp7qqa@example.org";
        f.Club = "PK";
        f.Claimed = "999999";     // shown only
        f.CategoryMode = "RTTY";  // read-only in the dialog
        f.AddressCity = "Lodz";
    };
    EXPECT_TRUE(run());
    EXPECT_EQ(settings.writes, (std::vector<std::string>{"Operators", "Name", "Email", "Address", "Category",
                                                         "Contest", "Club", "SoapBox"}));
    EXPECT_EQ(settings.store.stored("Category"), "MULTI-OP");
    EXPECT_EQ(settings.store.stored("Contest"), "Polska WW BPSK 63 Contest");
    EXPECT_EQ(settings.store.stored("Claimed"), "1234");
    EXPECT_FALSE(settings.store.stored("Address_City"));
    EXPECT_EQ(log.Callsign, "SP7QQA/M");
    EXPECT_EQ(log.FileBase, "SP7QQA");
    EXPECT_EQ(log.CategoryOperator, "MULTI-OP");
    EXPECT_EQ(log.CategoryPower, "QRP ");
    EXPECT_EQ(log.CategoryMode, "BPSK63");
    EXPECT_EQ(log.AddressCity, "Lodz");
    EXPECT_TRUE(log.QsoLines.empty());

    // The next step starts from the fixed defaults again, whatever was stored.
    dialog.edit = nullptr;
    run();
    EXPECT_EQ(dialog.shown.back().CategoryOperator, "SINGLE-OP");
    EXPECT_EQ(dialog.shown.back().Name, "Jan Nowak");
    EXPECT_EQ(dialog.shown.back().Claimed, "1234");
}

TEST_F(HeaderStep, SoapBoxRoundTripsAndReachesTheFileAsOneLinePerLine) {
    settings.store.write("SoapBox", "first line<CR><LF>second line");
    EXPECT_TRUE(run());
    EXPECT_EQ(dialog.shown[0].SoapBox, "first line\r\nsecond line");
    EXPECT_EQ(settings.store.stored("SoapBox"), "first line<CR><LF>second line");
    EXPECT_EQ(log.SoapBox, "first line\r\nSOAPBOX: second line");

    dialog.confirm = false;
    settings.writes.clear();
    log.QsoLines = {"kept\r\n"};
    EXPECT_FALSE(run());
    EXPECT_EQ(log.SoapBox, "first line\r\nSOAPBOX: second line");
    EXPECT_TRUE(settings.writes.empty());
    EXPECT_EQ(log.QsoLines, std::vector<std::string>{"kept\r\n"});
}

TEST_F(HeaderStep, CancelTakesNothingBack) {
    dialog.confirm = false;
    dialog.edit = [](HeaderFields& f) { f.Name = "lost"; };
    settings.store.write("Name", "Jan");
    run();
    EXPECT_EQ(log.Name, "Jan");
    EXPECT_TRUE(settings.writes.empty());
}

TEST_F(HeaderStep, AddressWithLineBreaksIsStoredEncodedAndReadsBackTheSame) {
    settings.store.write("Address", "ul. Polna 1<CR><LF>m. 5");
    EXPECT_TRUE(run());
    EXPECT_EQ(dialog.shown[0].Address, "ul. Polna 1\r\nm. 5");
    EXPECT_EQ(settings.store.stored("Address"), "ul. Polna 1<CR><LF>m. 5");
    run();
    EXPECT_EQ(dialog.shown[1].Address, "ul. Polna 1\r\nm. 5");

    dialog.edit = [](HeaderFields& f) { f.Address = "ul. Polna 1"; };
    run();
    EXPECT_EQ(settings.store.stored("Address"), "ul. Polna 1");
}

TEST_F(HeaderStep, StoredValuesAreReadCutTo99Characters) {
    settings.store.write("Name", std::string(150, 'N'));
    settings.store.write("Operators", std::string(120, 'O'));
    run();
    EXPECT_EQ(dialog.shown[0].Name, std::string(99, 'N'));
    EXPECT_EQ(dialog.shown[0].Operators, std::string(99, 'O'));
}

}  // namespace
