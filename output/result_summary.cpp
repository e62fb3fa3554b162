// Result summary: the recount behind GetResult0.
#include "output/result_summary.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace output {

namespace {

std::string sortKey(const std::string& band) {
    constexpr size_t kWidth = 20;
    return band.size() >= kWidth ? band : std::string(kWidth - band.size(), '0') + band;
}

bool keyLess(const std::string& a, const std::string& b) {
    // Byte by byte as unsigned characters: std::string's char_traits compare does exactly that.
    return a.compare(b) < 0;
}

template <typename... Args>
void appendFormat(std::string& out, const char* format, Args... args) {
    char buffer[160];
    int n = std::snprintf(buffer, sizeof buffer, format, args...);
    if (n > 0) out.append(buffer, std::min<size_t>(size_t(n), sizeof buffer - 1));
}

struct BandCount {
    int32_t qsos = 0, onePoint = 0, twoPoint = 0, threePoint = 0, dxcc = 0, provinces = 0;
    int64_t points() const { return int64_t(onePoint) + 2 * int64_t(twoPoint) + 3 * int64_t(threePoint); }
};

int32_t clampToInt32(int64_t value) {
    return int32_t(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

int bandSlot(std::string_view band) {
    for (int slot = 0; slot < kBandSlots; ++slot)
        if (kBandSlotTexts[slot] == band) return slot;
    return -1;
}

void sortBandsWorked(std::vector<std::string>& bands) {
    std::vector<std::string> keys;
    keys.reserve(bands.size());
    for (const auto& b : bands) keys.push_back(sortKey(b));
    for (size_t i = 0; i + 1 < bands.size(); ++i)
        for (size_t j = i + 1; j < bands.size(); ++j)
            if (keyLess(keys[i], keys[j])) {
                std::swap(keys[i], keys[j]);
                std::swap(bands[i], bands[j]);
            }
}

void buildResult(ResultState& result, engine::ContestState& contest) {
    std::string& text = result.ResultText;
    text.clear();
    // Own call and period texts may be long: append them whole rather than through a buffer.
    text.append("   \tPolska WW BPSK 63 Contest ").append(contest.PeriodStartText).append("-");
    text.append(contest.PeriodEndText).append(" \r\n\t\tContestant: ").append(contest.OwnCall);
    text.append("\r\n\tQSOs\tPoints\tDXCC\tProv\r\n");

    sortBandsWorked(contest.bandsWorked.entries());
    const std::vector<std::string>& bands = contest.bandsWorked.entries();

    // One pass over the log fills every band's counts; each band keeps its own sets, in the
    // order of first occurrence.
    struct BandTally {
        BandCount count;
        std::vector<std::string> prefixes, provinces;
        std::unordered_set<std::string_view> seenPrefixes, seenProvinces;
    };
    std::vector<BandTally> tallies(bands.size());
    std::unordered_map<std::string_view, size_t> bandIndex;
    for (size_t i = 0; i < bands.size(); ++i) bandIndex.emplace(bands[i], i);

    for (const engine::CInfo& r : contest.log.records()) {
        if (r.Call.empty() || r.Flagged != 0) continue;
        auto band = bandIndex.find(r.Band);
        if (band == bandIndex.end()) continue;
        BandTally& t = tallies[band->second];
        BandCount& c = t.count;
        ++c.qsos;
        if (r.Prefix == contest.OwnPrefix)
            ++c.onePoint;
        else if (r.Continent == contest.OwnContinent)
            ++c.twoPoint;
        else
            ++c.threePoint;
        if (t.seenPrefixes.insert(r.Prefix).second) {
            t.prefixes.push_back(r.Prefix);
            ++c.dxcc;
        }
        if (!r.Province.empty() && t.seenProvinces.insert(r.Province).second) {
            t.provinces.push_back(r.Province);
            ++c.provinces;
        }
    }

    BandCount total;
    int64_t totalPoints = 0;
    for (size_t i = 0; i < bands.size(); ++i) {
        BandTally& t = tallies[i];
        // A band name that names no slot (a host spelling such as "40M") still gets its row
        // but must not disturb the lists of another band.
        const int slot = bandSlot(bands[i]);
        if (slot >= 0) {
            result.BandPrefixes[slot] = std::move(t.prefixes);
            result.BandProvinces[slot] = std::move(t.provinces);
        }
        const BandCount& c = t.count;
        const int64_t points = c.points();
        text.append(bands[i]);
        appendFormat(text, "\t %i\t  %i\t   %i\t  %i\r\n", c.qsos, clampToInt32(points), c.dxcc, c.provinces);
        total.qsos += c.qsos;
        totalPoints += points;
        total.dxcc += c.dxcc;
        total.provinces += c.provinces;
    }
    const int32_t points = clampToInt32(totalPoints);
    const int32_t score = clampToInt32(totalPoints * (int64_t(total.dxcc) + total.provinces));
    appendFormat(text, "Total\t %i\t  %i\t   %i\t  %i\r\n", total.qsos, points, total.dxcc, total.provinces);
    appendFormat(text, "Score\t %i x (%i + %i) = %i\r\n", points, total.dxcc, total.provinces, score);
    result.ClaimedScore = score;
}

}  // namespace output
