// Log store operations and the indexes that answer dupe and multiplier questions.
#include "engine/qso_log.h"

#include <algorithm>
#include <tuple>

namespace engine {

size_t QsoLog::CallOnBand::countOf(std::string_view m) const {
    if (modeRecords != 0 && mode == m) return modeRecords;
    for (const auto& [other, n] : otherModes)
        if (other == m) return n;
    return 0;
}

void QsoLog::CallOnBand::add(std::string_view m) {
    if (modeRecords == 0 || mode == m) {
        if (modeRecords++ == 0) mode = m;
        return;
    }
    for (auto& [other, n] : otherModes)
        if (other == m) {
            ++n;
            return;
        }
    otherModes.emplace_back(std::string(m), 1);
}

void QsoLog::CallOnBand::remove(std::string_view m) {
    if (modeRecords != 0 && mode == m) {
        if (--modeRecords == 0 && !otherModes.empty()) {
            // Keep the inline slot filled while other modes remain.
            std::tie(mode, modeRecords) = std::move(otherModes.back());
            otherModes.pop_back();
        }
        return;
    }
    for (auto it = otherModes.begin(); it != otherModes.end(); ++it)
        if (it->first == m) {
            if (--it->second == 0) otherModes.erase(it);
            return;
        }
}

size_t QsoLog::positionOf(uint64_t sequence) const {
    return size_t(std::lower_bound(sequence_.begin(), sequence_.end(), sequence) - sequence_.begin());
}

void QsoLog::append(CInfo record) {
    CallOnBand& entry = callsOnBand_(record.Call, record.Band);
    if (entry.records++ == 0) entry.firstSequence = nextSequence_;
    entry.add(record.Mode);
    ++prefixOnBand_(record.Band, record.Prefix);
    sequence_.push_back(nextSequence_++);
    records_.push_back(std::move(record));
}

bool QsoLog::removeFirst(std::string_view call, std::string_view band) {
    CallOnBand* found = callsOnBand_.find(call, band);
    if (!found) return false;
    CallOnBand& entry = *found;
    size_t position = positionOf(entry.firstSequence);
    const CInfo& r = records_[position];

    entry.remove(r.Mode);
    if (--*prefixOnBand_.find(r.Band, r.Prefix) == 0) prefixOnBand_.erase(r.Band, r.Prefix);
    records_.erase(records_.begin() + std::ptrdiff_t(position));
    sequence_.erase(sequence_.begin() + std::ptrdiff_t(position));

    if (--entry.records == 0) {
        callsOnBand_.erase(call, band);
        return true;
    }
    // The next record with this call and band lies behind the removed one.
    while (records_[position].Call != call || records_[position].Band != band) ++position;
    entry.firstSequence = sequence_[position];
    return true;
}

void QsoLog::clear() {
    records_.clear();
    sequence_.clear();
    callsOnBand_.clear();
    prefixOnBand_.clear();
}

size_t QsoLog::countSameContact(std::string_view call, std::string_view band, std::string_view mode) const {
    const CallOnBand* found = callsOnBand_.find(call, band);
    return found ? found->countOf(mode) : 0;
}

bool QsoLog::hasCallOnBand(std::string_view call, std::string_view band) const {
    return callsOnBand_.find(call, band) != nullptr;
}

bool QsoLog::hasPrefixOnBand(std::string_view band, std::string_view prefix) const {
    return prefixOnBand_.find(band, prefix) != nullptr;
}

void BandsWorked::addIfAbsent(std::string_view band) {
    if (std::find(bands_.begin(), bands_.end(), band) == bands_.end()) bands_.emplace_back(band);
}

}  // namespace engine
