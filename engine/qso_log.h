// The in-memory log: one record per stored QSO in delivery order, with indexes kept in step
// so that dupe and multiplier questions never scan the log.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/date_time.h"
#include "engine/text_index.h"

namespace engine {

// One QSO as the host delivered it.
struct CInfo {
    std::string Call;
    std::string Prefix;
    std::string Continent;
    std::string Band;
    std::string Mode;
    std::string RstRcvd;
    std::string RstSent;
    std::string ExchRcvd;
    std::string ExchSent;
    std::string Province;
    int32_t FreqKHz = 0;
    int32_t Flagged = 0;
    OleDateTime Time{};
};

class QsoLog {
public:
    size_t count() const { return records_.size(); }
    const CInfo& at(size_t position) const { return records_[position]; }
    const std::vector<CInfo>& records() const { return records_; }

    void append(CInfo record);
    // Takes out the first record with this call and band (exact); false when there is none.
    bool removeFirst(std::string_view call, std::string_view band);
    void clear();

    // Stored records with exactly this call, band and mode.
    size_t countSameContact(std::string_view call, std::string_view band, std::string_view mode) const;
    bool hasCallOnBand(std::string_view call, std::string_view band) const;
    bool hasPrefixOnBand(std::string_view band, std::string_view prefix) const;

private:
    // What the log holds for one call on one band.
    struct CallOnBand {
        size_t records = 0;
        uint64_t firstSequence = 0;  // append number of the earliest of them
        // Records per mode: nearly always one mode, kept inline.
        std::string mode;
        size_t modeRecords = 0;
        std::vector<std::pair<std::string, size_t>> otherModes;

        size_t countOf(std::string_view m) const;
        void add(std::string_view m);
        void remove(std::string_view m);
    };

    size_t positionOf(uint64_t sequence) const;

    std::vector<CInfo> records_;
    // Append numbers of the records, ascending with position: a record's position is found
    // by binary search, so removal needs no scan of the texts.
    std::vector<uint64_t> sequence_;
    uint64_t nextSequence_ = 0;
    TextPairIndex<CallOnBand> callsOnBand_;  // call, band
    TextPairIndex<size_t> prefixOnBand_;     // band, prefix
};

// Band texts of accepted QSOs, each once, in the order of their first QSO (exact comparison).
class BandsWorked {
public:
    void addIfAbsent(std::string_view band);
    void clear() { bands_.clear(); }
    size_t count() const { return bands_.size(); }
    const std::string& at(size_t i) const { return bands_[i]; }
    std::vector<std::string>& entries() { return bands_; }
    const std::vector<std::string>& entries() const { return bands_; }

private:
    std::vector<std::string> bands_;
};

}  // namespace engine
