// Log store operations and the indexes that answer dupe and multiplier questions.
#include "engine/qso_log.h"

#include <algorithm>

namespace engine {

// NUL cannot occur inside a host text, so it separates the parts of a key unambiguously.
std::string QsoLog::key(std::string_view a, std::string_view b) {
    std::string k;
    k.reserve(a.size() + b.size() + 1);
    k.append(a).push_back('\0');
    k.append(b);
    return k;
}

std::string QsoLog::key(std::string_view a, std::string_view b, std::string_view c) {
    std::string k = key(a, b);
    k.push_back('\0');
    k.append(c);
    return k;
}

size_t QsoLog::lookup(const Counts& counts, const std::string& k) {
    auto it = counts.find(k);
    return it == counts.end() ? 0 : it->second;
}

void QsoLog::index(const CInfo& r, bool adding) {
    auto bump = [adding](Counts& counts, std::string k) {
        if (adding) {
            ++counts[std::move(k)];
            return;
        }
        auto it = counts.find(k);
        if (it != counts.end() && --it->second == 0) counts.erase(it);
    };
    bump(contacts_, key(r.Call, r.Band, r.Mode));
    bump(callsOnBand_, key(r.Call, r.Band));
    bump(prefixOnBand_, key(r.Band, r.Prefix));
}

void QsoLog::append(CInfo record) {
    index(record, true);
    records_.push_back(std::move(record));
}

bool QsoLog::removeFirst(std::string_view call, std::string_view band) {
    if (!hasCallOnBand(call, band)) return false;
    auto it = std::find_if(records_.begin(), records_.end(),
                           [&](const CInfo& r) { return r.Call == call && r.Band == band; });
    index(*it, false);
    records_.erase(it);
    return true;
}

void QsoLog::clear() {
    records_.clear();
    records_.shrink_to_fit();
    contacts_.clear();
    callsOnBand_.clear();
    prefixOnBand_.clear();
}

size_t QsoLog::countSameContact(std::string_view call, std::string_view band, std::string_view mode) const {
    return lookup(contacts_, key(call, band, mode));
}

bool QsoLog::hasCallOnBand(std::string_view call, std::string_view band) const {
    return lookup(callsOnBand_, key(call, band)) != 0;
}

bool QsoLog::hasPrefixOnBand(std::string_view band, std::string_view prefix) const {
    return lookup(prefixOnBand_, key(band, prefix)) != 0;
}

void BandsWorked::addIfAbsent(std::string_view band) {
    if (std::find(bands_.begin(), bands_.end(), band) == bands_.end()) bands_.emplace_back(band);
}

}  // namespace engine
