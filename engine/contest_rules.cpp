// Contest word lists and exchange rules.
#include "engine/contest_rules.h"

#include <algorithm>

namespace engine {

namespace {
// Classification in the "C" locale of the host's single-byte code page: only ASCII letters
// change case, so bytes of multi-byte characters stay whole.
char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

template <size_t N>
bool inTable(const std::array<std::string_view, N>& table, std::string_view text) {
    return std::find(table.begin(), table.end(), text) != table.end();
}
}  // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return upperAscii(x) == upperAscii(y); });
}

CContestRules::CContestRules(const std::string_view* table, size_t count) {
    entries_.reserve(count);
    for (size_t i = 0; i < count; ++i) entries_.emplace_back(table[i]);
}

bool CContestRules::contains(std::string_view text) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const std::string& entry) { return equalsIgnoringCase(entry, text); });
}

const CContestRules& bandList() {
    static const CContestRules list(kBandTable.data(), kBandTable.size());
    return list;
}

const CContestRules& modeList() {
    static const CContestRules list(kModeTable.data(), kModeTable.size());
    return list;
}

bool isPolish(std::string_view prefix) { return prefix == "SP"; }
bool isProvince(std::string_view text) { return inTable(kProvinceCodes, text); }
bool isRussianPrefix(std::string_view prefix) { return inTable(kRussianPrefixes, prefix); }

std::string normalise(std::string_view text) {
    size_t first = 0, last = text.size();
    while (first < last && isSpace(text[first])) ++first;
    while (last > first && isSpace(text[last - 1])) --last;
    std::string out(text.substr(first, last - first));
    std::transform(out.begin(), out.end(), out.begin(), upperAscii);
    return out;
}

int isValidExchange(std::string_view exchange, std::string_view prefix) {
    if (isPolish(prefix)) return isProvince(normalise(exchange)) ? 1 : 0;
    if (exchange.size() != 3 && exchange.size() != 4) return 0;
    if (!std::all_of(exchange.begin(), exchange.end(), [](char c) { return c >= '0' && c <= '9'; })) return 0;
    return exchange == "599" ? 0 : 1;
}

}  // namespace engine
