// Drawing of the worked-before window's button: the grid face (the last QSO with the current
// call on each band) and the list face (the prefixes worked on the current band, sorted and
// wrapped). Plain logic over a Canvas; the Win32 side supplies the surface and the lead bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/contest_state.h"
#include "windows/canvas.h"

namespace windows {

inline constexpr Colour kListBackground = rgb(255, 250, 198);
inline constexpr Colour kGridBackground = rgb(255, 255, 198);
inline constexpr Colour kBandHighlight = rgb(198, 255, 255);

// Tells whether a byte starts a double-byte character in the active code page.
using LeadBytePredicate = bool (*)(unsigned char);

// Single-byte code pages: no byte is a lead byte.
bool noLeadByte(unsigned char);

// Orders two texts character by character on unsigned values, where a lead byte and its trail
// byte form one character of value lead * 256 + trail; a lead byte with nothing after it
// counts as a single byte. A text that is a prefix of the other sorts first.
// Returns a negative number, 0 or a positive number.
int compareMultibyte(std::string_view a, std::string_view b, LeadBytePredicate isLeadByte);

// What one paint needs, copied by the caller under the module lock.
struct WorkedBeforeView {
    std::string CurrentCall;                  // empty selects the list face
    int CurrentBand = -1;                     // band slot 0..5, -1 off the contest bands
    engine::WorkedBeforeRows workedBeforeRows;
    std::vector<std::string> BandPrefixes;    // the current band's list; sorted by the paint
};

// Paints the face that view selects over item, whose left and top are 0. Sorts
// view.BandPrefixes in place when it draws the list face.
void paintWorkedBefore(Canvas& canvas, const Rect& item, WorkedBeforeView& view,
                       LeadBytePredicate isLeadByte = noLeadByte);

}  // namespace windows
