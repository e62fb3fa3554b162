// Grid and list faces of the worked-before window, drawn in the button's own coordinates.
#include "windows/worked_before_painter.h"

#include <array>
#include <cstddef>
#include <utility>

namespace windows {

namespace {

constexpr int kRowsPerButton = 7;
constexpr int kRowLift = 10;             // text sits 10 pixels above its slot line
constexpr int kHighlightShortfall = 20;  // the highlight stops 20 pixels above the next slot line
constexpr int kHeadingY = 18;
constexpr int kFirstDrawnSlot = 2;       // slot 1 stays empty and row 0 (160 m) is never drawn
constexpr int kLastDrawnSlot = 6;
constexpr std::array<int, 4> kColumnX = {20, 96, 180, 260};

constexpr int kListLeft = 5;
constexpr int kListCellWidth = 40;
constexpr int kListLineHeight = 15;

// Next character of text from pos: one byte, or a lead byte and its trail byte together.
unsigned nextCharacter(std::string_view text, std::size_t& pos, LeadBytePredicate isLeadByte) {
    const auto first = static_cast<unsigned char>(text[pos++]);
    if (!isLeadByte(first) || pos == text.size()) return first;
    const auto trail = static_cast<unsigned char>(text[pos++]);
    return (unsigned(first) << 8) | trail;
}

// Exchange sort: the order is total, so any sort gives the same list, and lists stay short.
void sortPrefixes(std::vector<std::string>& prefixes, LeadBytePredicate isLeadByte) {
    for (std::size_t i = 0; i + 1 < prefixes.size(); ++i) {
        for (std::size_t j = i + 1; j < prefixes.size(); ++j) {
            if (compareMultibyte(prefixes[j], prefixes[i], isLeadByte) < 0) std::swap(prefixes[i], prefixes[j]);
        }
    }
}

void paintGrid(Canvas& canvas, const Rect& item, const WorkedBeforeView& view, int rowHeight) {
    canvas.fillRect(item, kGridBackground);
    if (view.CurrentBand >= 0) {
        const int top = rowHeight * (view.CurrentBand + 1) - kRowLift;
        const int bottom = rowHeight * (view.CurrentBand + 2) - kHighlightShortfall;
        canvas.fillRect({0, top, item.right, bottom}, kBandHighlight);
    }
    canvas.setTransparentText();
    canvas.textOut(20, kHeadingY, "Band");
    canvas.textOut(100, kHeadingY, "Mode");
    canvas.textOut(140, 0, view.CurrentCall);
    canvas.textOut(178, kHeadingY, "Time");
    canvas.textOut(243, kHeadingY, "NR/Prov");
    for (int slot = kFirstDrawnSlot; slot <= kLastDrawnSlot; ++slot) {
        const auto& row = view.workedBeforeRows[slot - 1];
        const int y = rowHeight * slot - kRowLift;
        // Text 4 is spare; a short row draws what it has.
        for (std::size_t column = 0; column < kColumnX.size() && column < row.size(); ++column) {
            canvas.textOut(kColumnX[column], y, row[column]);
        }
    }
}

void paintList(Canvas& canvas, const Rect& item, WorkedBeforeView& view, LeadBytePredicate isLeadByte) {
    canvas.fillRect(item, kListBackground);
    if (view.CurrentBand < 0) return;
    canvas.setTransparentText();
    sortPrefixes(view.BandPrefixes, isLeadByte);
    int x = kListLeft;
    int y = 0;
    for (const auto& prefix : view.BandPrefixes) {
        canvas.textOut(x, y, prefix);
        x += kListCellWidth;
        if (x > item.right - kListCellWidth) {
            y += kListLineHeight;
            x = kListLeft;
        }
    }
}

}  // namespace

bool noLeadByte(unsigned char) { return false; }

int compareMultibyte(std::string_view a, std::string_view b, LeadBytePredicate isLeadByte) {
    std::size_t posA = 0;
    std::size_t posB = 0;
    while (posA < a.size() && posB < b.size()) {
        const unsigned charA = nextCharacter(a, posA, isLeadByte);
        const unsigned charB = nextCharacter(b, posB, isLeadByte);
        if (charA != charB) return charA < charB ? -1 : 1;
    }
    if (posA < a.size()) return 1;
    if (posB < b.size()) return -1;
    return 0;
}

void paintWorkedBefore(Canvas& canvas, const Rect& item, WorkedBeforeView& view, LeadBytePredicate isLeadByte) {
    const int rowHeight = item.bottom / kRowsPerButton;
    if (view.CurrentCall.empty()) {
        paintList(canvas, item, view, isLeadByte);
        return;
    }
    paintGrid(canvas, item, view, rowHeight);
}

}  // namespace windows
