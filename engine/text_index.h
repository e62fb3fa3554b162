// A hash index from a pair of texts to a value, for the log's dupe and multiplier questions.
// Open addressing over a dense entry vector: lookups build no key string and allocate
// nothing, and clearing keeps the storage, so a full recount reuses it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace engine {

template <typename Value>
class TextPairIndex {
public:
    Value* find(std::string_view a, std::string_view b) {
        const size_t slot = findSlot(a, b, hashOf(a, b));
        return table_.empty() || table_[slot] == 0 ? nullptr : &entries_[indexAt(slot)].value;
    }
    const Value* find(std::string_view a, std::string_view b) const {
        return const_cast<TextPairIndex*>(this)->find(a, b);
    }

    // The value for (a, b), created value-initialised when absent.
    Value& operator()(std::string_view a, std::string_view b) {
        if ((entries_.size() + 1) * 2 > table_.size()) grow();
        const uint64_t hash = hashOf(a, b);
        const size_t slot = findSlot(a, b, hash);
        if (table_[slot] != 0) return entries_[indexAt(slot)].value;
        std::string key;
        key.reserve(a.size() + 1 + b.size());
        key.append(a).push_back('\0');
        key.append(b);
        entries_.push_back({std::move(key), hash, Value{}});
        table_[slot] = slotValue(hash, entries_.size() - 1);
        return entries_.back().value;
    }

    void erase(std::string_view a, std::string_view b) {
        if (table_.empty()) return;
        size_t slot = findSlot(a, b, hashOf(a, b));
        if (table_[slot] == 0) return;
        const size_t index = indexAt(slot);
        removeSlot(slot);
        // Move the last entry into the freed place and repoint its slot.
        const size_t last = entries_.size() - 1;
        if (index != last) {
            const uint64_t lastHash = entries_[last].hash;
            size_t lastSlot = lastHash & mask();
            while (table_[lastSlot] != slotValue(lastHash, last)) lastSlot = (lastSlot + 1) & mask();
            table_[lastSlot] = slotValue(lastHash, index);
            entries_[index] = std::move(entries_[last]);
        }
        entries_.pop_back();
    }

    void clear() {
        entries_.clear();
        std::fill(table_.begin(), table_.end(), uint64_t{0});
    }
    size_t size() const { return entries_.size(); }

private:
    struct Entry {
        std::string key;  // a, NUL, b: NUL never occurs inside a host text
        uint64_t hash;
        Value value;
    };

    static uint64_t hashOf(std::string_view a, std::string_view b) {
        const uint64_t h = std::hash<std::string_view>{}(a);
        return (h ^ (std::hash<std::string_view>{}(b) + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2))) *
               0xFF51AFD7ED558CCDull;
    }
    static bool matches(const std::string& key, std::string_view a, std::string_view b) {
        return key.size() == a.size() + 1 + b.size() && key.compare(0, a.size(), a) == 0 && key[a.size()] == '\0' &&
               key.compare(a.size() + 1, b.size(), b) == 0;
    }
    size_t mask() const { return table_.size() - 1; }

    // A slot holds the upper half of the entry's hash beside its index plus one, so probing
    // past other keys rarely has to look at their entries.
    static uint64_t slotValue(uint64_t hash, size_t index) { return (hash & ~0xFFFFFFFFull) | uint64_t(index + 1); }
    size_t indexAt(size_t slot) const { return size_t(table_[slot] & 0xFFFFFFFFu) - 1; }
    static bool tagMatches(uint64_t slotContent, uint64_t hash) { return ((slotContent ^ hash) >> 32) == 0; }

    // The slot holding (a, b), or the empty slot where it would go.
    size_t findSlot(std::string_view a, std::string_view b, uint64_t hash) const {
        if (table_.empty()) return 0;
        size_t slot = hash & mask();
        while (table_[slot] != 0) {
            if (tagMatches(table_[slot], hash)) {
                const Entry& e = entries_[indexAt(slot)];
                if (e.hash == hash && matches(e.key, a, b)) return slot;
            }
            slot = (slot + 1) & mask();
        }
        return slot;
    }

    // Linear-probing deletion: shift later members of the cluster back so no lookup breaks.
    void removeSlot(size_t hole) {
        size_t next = (hole + 1) & mask();
        while (table_[next] != 0) {
            const size_t home = entries_[indexAt(next)].hash & mask();
            const bool movable = (next > hole) ? (home <= hole || home > next) : (home <= hole && home > next);
            if (movable) {
                table_[hole] = table_[next];
                hole = next;
            }
            next = (next + 1) & mask();
        }
        table_[hole] = 0;
    }

    void grow() {
        std::vector<uint64_t> bigger(table_.empty() ? 64 : table_.size() * 2, uint64_t{0});
        table_.swap(bigger);
        for (size_t i = 0; i < entries_.size(); ++i) {
            size_t slot = entries_[i].hash & mask();
            while (table_[slot] != 0) slot = (slot + 1) & mask();
            table_[slot] = slotValue(entries_[i].hash, i);
        }
    }

    std::vector<Entry> entries_;
    std::vector<uint64_t> table_;  // 0: empty; else hash tag and index into entries_ plus one
};

}  // namespace engine
