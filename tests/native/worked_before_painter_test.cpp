// Worked-before painter: grid layout and highlight, list sort and wrap, and the multibyte
// comparison that orders the list.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "windows/worked_before_painter.h"

namespace {

using windows::Colour;
using windows::Rect;

struct Fill {
    Rect rect;
    Colour colour;
    friend bool operator==(const Fill&, const Fill&) = default;
};

struct Text {
    int x;
    int y;
    std::string text;
    friend bool operator==(const Text&, const Text&) = default;
};

std::ostream& operator<<(std::ostream& os, const Fill& f) {
    return os << "fill(" << f.rect.left << "," << f.rect.top << "," << f.rect.right << "," << f.rect.bottom
              << " #" << std::hex << f.colour << std::dec << ")";
}
std::ostream& operator<<(std::ostream& os, const Text& t) {
    return os << "text(" << t.x << "," << t.y << ",\"" << t.text << "\")";
}

// Records what was drawn; each op is also logged in order so tests can check the layering.
class RecordingCanvas : public windows::Canvas {
public:
    void fillRect(const Rect& rect, Colour colour) override {
        if (transparent) order.push_back("fill after text mode");
        fills.push_back({rect, colour});
    }
    void setTransparentText() override { transparent = true; }
    void textOut(int x, int y, std::string_view text) override {
        if (!transparent) order.push_back("text before transparent");
        texts.push_back({x, y, std::string(text)});
    }
    std::vector<Text> visibleTexts() const {
        std::vector<Text> out;
        for (const auto& t : texts) {
            if (!t.text.empty()) out.push_back(t);
        }
        return out;
    }

    std::vector<Fill> fills;
    std::vector<Text> texts;
    std::vector<std::string> order;  // layering faults
    bool transparent = false;
};

// A double-byte code page in the manner of the Japanese one: lead bytes 0x81-0x9F, 0xE0-0xFC.
bool testLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

constexpr int kWidth = 300;

class WorkedBeforePainter : public ::testing::Test {
protected:
    WorkedBeforePainter() {
        const char* labels[] = {"160m", "80m", "40m", "20m", "15m", "10m"};
        for (int i = 0; i < 6; ++i) {
            view.workedBeforeRows[i] = {labels[i], "PSK63", "12" + std::to_string(i), "00" + std::to_string(i), "spare"};
        }
    }
    void paint(int width, int height, windows::LeadBytePredicate lead = windows::noLeadByte) {
        windows::paintWorkedBefore(canvas, {0, 0, width, height}, view, lead);
    }
    void paintList(std::vector<std::string> prefixes, int width = kWidth, int band = 3) {
        view.CurrentCall.clear();
        view.CurrentBand = band;
        view.BandPrefixes = std::move(prefixes);
        paint(width, 130);
    }

    windows::WorkedBeforeView view;
    RecordingCanvas canvas;
};

TEST_F(WorkedBeforePainter, GridDrawsHeadingsCallAndRowsOneToFive) {
    view.CurrentCall = "DL1ABC";
    view.CurrentBand = -1;
    paint(kWidth, 205);  // h = 29
    EXPECT_EQ(canvas.fills, (std::vector<Fill>{{{0, 0, kWidth, 205}, windows::kGridBackground}}));
    EXPECT_TRUE(canvas.transparent);
    EXPECT_TRUE(canvas.order.empty()) << canvas.order.front();
    const std::vector<Text> expected = {
        {20, 18, "Band"}, {100, 18, "Mode"}, {140, 0, "DL1ABC"}, {178, 18, "Time"}, {243, 18, "NR/Prov"},
        {20, 48, "80m"},  {96, 48, "PSK63"},  {180, 48, "121"},  {260, 48, "001"},
        {20, 77, "40m"},  {96, 77, "PSK63"},  {180, 77, "122"},  {260, 77, "002"},
        {20, 106, "20m"}, {96, 106, "PSK63"}, {180, 106, "123"}, {260, 106, "003"},
        {20, 135, "15m"}, {96, 135, "PSK63"}, {180, 135, "124"}, {260, 135, "004"},
        {20, 164, "10m"}, {96, 164, "PSK63"}, {180, 164, "125"}, {260, 164, "005"},
    };
    EXPECT_EQ(canvas.texts, expected);
}

TEST_F(WorkedBeforePainter, GridRowsFollowTruncatedRowHeight) {
    struct Case {
        int height;
        std::vector<int> rowY;
    };
    const Case cases[] = {
        {205, {48, 77, 106, 135, 164}},  // 29
        {202, {46, 74, 102, 130, 158}},  // 28.86 truncates to 28
        {196, {46, 74, 102, 130, 158}},  // the button after resizing to a 300 x 200 client
        {6, {-10, -10, -10, -10, -10}},  // h = 0
    };
    view.CurrentCall = "DL1ABC";
    for (const auto& c : cases) {
        canvas = RecordingCanvas{};
        paint(kWidth, c.height);
        std::vector<int> rowY;
        for (const auto& t : canvas.texts) {
            if (t.x == 20 && t.text != "Band") rowY.push_back(t.y);
        }
        EXPECT_EQ(rowY, c.rowY) << "height " << c.height;
    }
}

TEST_F(WorkedBeforePainter, HighlightCoversCurrentBandLineBetweenBackgroundAndText) {
    struct Case {
        int height;
        int band;
        Rect highlight;
    };
    const Case cases[] = {
        {205, 3, {0, 106, kWidth, 125}},  // 20 m, under the 20 m line
        {205, 0, {0, 19, kWidth, 38}},    // 160 m: under the headings, where no line is drawn
        {205, 5, {0, 164, kWidth, 183}},
        {196, 1, {0, 46, kWidth, 64}},
    };
    view.CurrentCall = "DL1ABC";
    for (const auto& c : cases) {
        canvas = RecordingCanvas{};
        view.CurrentBand = c.band;
        paint(kWidth, c.height);
        const std::vector<Fill> expected = {{{0, 0, kWidth, c.height}, windows::kGridBackground},
                                            {c.highlight, windows::kBandHighlight}};
        EXPECT_EQ(canvas.fills, expected) << "band " << c.band << " height " << c.height;
        EXPECT_TRUE(canvas.order.empty()) << "band " << c.band;
    }
}

TEST_F(WorkedBeforePainter, GridDrawsOnlyTheTextsAShortRowHas) {
    view.CurrentCall = "DL1ABC";
    view.workedBeforeRows[2] = {"40m", "PSK63"};
    view.workedBeforeRows[4] = {};
    paint(kWidth, 205);
    std::vector<Text> rowTexts;
    for (const auto& t : canvas.texts) {
        if (t.y == 77 || t.y == 135) rowTexts.push_back(t);
    }
    EXPECT_EQ(rowTexts, (std::vector<Text>{{20, 77, "40m"}, {96, 77, "PSK63"}}));
}

TEST_F(WorkedBeforePainter, ListFaceSortsPrefixesAscending) {
    paintList({"SP", "DL", "9A", "OK"});
    EXPECT_EQ(canvas.fills, (std::vector<Fill>{{{0, 0, kWidth, 130}, windows::kListBackground}}));
    EXPECT_TRUE(canvas.order.empty()) << canvas.order.front();
    EXPECT_EQ(canvas.texts, (std::vector<Text>{{5, 0, "9A"}, {45, 0, "DL"}, {85, 0, "OK"}, {125, 0, "SP"}}));
}

TEST_F(WorkedBeforePainter, ListFaceWrapsWhenTheNextCellPassesWidthLessForty) {
    struct Case {
        int width;
        std::vector<Text> drawn;
    };
    const Case cases[] = {
        {200, {{5, 0, "A1"}, {45, 0, "A2"}, {85, 0, "A3"}, {125, 0, "A4"}, {5, 15, "A5"}, {45, 15, "A6"}}},
        {204, {{5, 0, "A1"}, {45, 0, "A2"}, {85, 0, "A3"}, {125, 0, "A4"}, {5, 15, "A5"}, {45, 15, "A6"}}},
        {205, {{5, 0, "A1"}, {45, 0, "A2"}, {85, 0, "A3"}, {125, 0, "A4"}, {165, 0, "A5"}, {5, 15, "A6"}}},
        {40, {{5, 0, "A1"}, {5, 15, "A2"}, {5, 30, "A3"}, {5, 45, "A4"}, {5, 60, "A5"}, {5, 75, "A6"}}},
    };
    for (const auto& c : cases) {
        canvas = RecordingCanvas{};
        paintList({"A1", "A2", "A3", "A4", "A5", "A6"}, c.width);
        EXPECT_EQ(canvas.texts, c.drawn) << "width " << c.width;
    }
}

TEST_F(WorkedBeforePainter, EmptyPrefixSortsFirstAndLeavesItsCellBlank) {
    paintList({"OK", "", "DL"});
    EXPECT_EQ(canvas.visibleTexts(), (std::vector<Text>{{45, 0, "DL"}, {85, 0, "OK"}}));
}

TEST_F(WorkedBeforePainter, ListFaceShowsOnlyBackgroundOffBandOrWithEmptyList) {
    struct Case {
        const char* name;
        int band;
        std::vector<std::string> prefixes;
    };
    const Case cases[] = {{"off band", -1, {"DL", "OK"}}, {"empty list", 2, {}}};
    for (const auto& c : cases) {
        canvas = RecordingCanvas{};
        paintList(c.prefixes, kWidth, c.band);
        EXPECT_EQ(canvas.fills, (std::vector<Fill>{{{0, 0, kWidth, 130}, windows::kListBackground}})) << c.name;
        EXPECT_TRUE(canvas.texts.empty()) << c.name;
    }
}

TEST_F(WorkedBeforePainter, ListSortUsesTheGivenLeadBytes) {
    view.CurrentBand = 3;
    view.BandPrefixes = {"\x81\x40", "\xA0"};
    paint(kWidth, 130);  // single-byte: 0x81 < 0xA0
    EXPECT_EQ(canvas.texts, (std::vector<Text>{{5, 0, "\x81\x40"}, {45, 0, "\xA0"}}));

    canvas = RecordingCanvas{};
    paint(kWidth, 130, testLeadByte);  // double-byte: 0x8140 > 0xA0
    EXPECT_EQ(canvas.texts, (std::vector<Text>{{5, 0, "\xA0"}, {45, 0, "\x81\x40"}}));
}

TEST(MultibyteCompare, OrdersByCharactersOfOneOrTwoBytes) {
    struct Case {
        std::string a;
        std::string b;
        windows::LeadBytePredicate lead;
        int sign;
        const char* why;
    };
    const Case cases[] = {
        {"DL", "DL", windows::noLeadByte, 0, "equal"},
        {"DL", "DL1", windows::noLeadByte, -1, "a prefix sorts first"},
        {"", "9A", windows::noLeadByte, -1, "empty sorts first"},
        {"9A", "DL", windows::noLeadByte, -1, "digits before letters"},
        {"\xE9", "z", windows::noLeadByte, 1, "bytes compare unsigned"},
        {"\x81\x40", "\xA0", windows::noLeadByte, -1, "no lead bytes: plain bytes"},
        {"\x81\x40", "\xA0", testLeadByte, 1, "a pair compares as one two-byte character"},
        {"A\x81\x40", "A\xA0", testLeadByte, 1, "pair after a single byte"},
        {"\x81\x81" "\xA0", "\x81\x81" "\x81\x40", testLeadByte, -1, "a trail byte in the lead range starts nothing"},
        {"\x81\x40", "\x81\x40", testLeadByte, 0, "equal pairs"},
        {"\x81", "\x80", testLeadByte, 1, "a lead byte at the end is one byte"},
        {"\x81", "\x81\x40", testLeadByte, -1, "lone lead byte below a pair it starts"},
    };
    const auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const auto& c : cases) {
        EXPECT_EQ(sign(windows::compareMultibyte(c.a, c.b, c.lead)), c.sign) << c.why;
        EXPECT_EQ(sign(windows::compareMultibyte(c.b, c.a, c.lead)), -c.sign) << c.why << " (reversed)";
    }
}

}  // namespace
