// The result text and score: points by distance class, DXCC and province multipliers per
// band, and the per-band lists of worked multipliers that the tool windows show.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/contest_state.h"

namespace output {

inline constexpr int kBandSlots = 6;
// Band slot texts of the display and result tables (exact, case-sensitive match).
inline constexpr std::array<std::string_view, kBandSlots> kBandSlotTexts = {"160m", "80m", "40m", "20m", "15m", "10m"};

// Slot of a band text, or -1 when it names no slot.
int bandSlot(std::string_view band);

using SlotLists = std::array<std::vector<std::string>, kBandSlots>;

struct ResultState {
    std::string ResultText;
    int32_t ClaimedScore = 0;
    SlotLists BandPrefixes;
    SlotLists BandProvinces;
};

// Recounts the log into result.ResultText and result.ClaimedScore, sorts contest.bandsWorked
// in place and refills the slot lists of the bands worked.
void buildResult(ResultState& result, engine::ContestState& contest);

// Order in which the result rows appear: descending by the band name left-padded with "0" to
// 20 characters, by exchange sort (equal keys keep their order relative to the pass).
void sortBandsWorked(std::vector<std::string>& bands);

}  // namespace output
