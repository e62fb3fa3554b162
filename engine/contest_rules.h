// The fixed word lists of the contest and the small tests built on them: bands, mode,
// Polish provinces, the prefixes that get Russian captions, and the exchange check.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// An ordered list of contest words, filled once from a fixed table.
class CContestRules {
public:
    CContestRules(const std::string_view* table, size_t count);

    // True when some entry equals text ignoring letter case; the text is compared whole.
    bool contains(std::string_view text) const;
    size_t count() const { return entries_.size(); }
    const std::string& at(size_t i) const { return entries_[i]; }

private:
    std::vector<std::string> entries_;
};

// "80m" stands twice and "160m" is absent on purpose: the six positions name the six
// worked-before rows, and 160 m is not a contest band.
inline constexpr std::array<std::string_view, 6> kBandTable = {"80m", "80m", "40m", "20m", "15m", "10m"};
inline constexpr std::array<std::string_view, 1> kModeTable = {"BPSK63"};
inline constexpr std::array<std::string_view, 16> kProvinceCodes = {
    "B", "C", "D", "F", "G", "J", "K", "L", "M", "O", "P", "R", "S", "U", "W", "Z"};
inline constexpr std::array<std::string_view, 7> kRussianPrefixes = {
    "UA", "UA2", "UA9", "CE9/KC4", "UR", "UN", "EU"};

const CContestRules& bandList();
const CContestRules& modeList();

bool isPolish(std::string_view prefix);
bool isProvince(std::string_view text);
bool isRussianPrefix(std::string_view prefix);

// Letter case of ASCII letters ignored; other bytes compared as they are.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// Upper-case (single-byte code page rules), then strip leading and trailing white space.
std::string normalise(std::string_view text);

// 1 when the received exchange is acceptable for a station with this DXCC prefix, else 0.
int isValidExchange(std::string_view exchange, std::string_view prefix);

}  // namespace engine
