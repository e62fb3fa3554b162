// In-memory settings store.
#include "platform/portable/memory_settings.h"

namespace platform {

std::string MemorySettings::read(std::string_view key, std::string_view defaultValue) {
    std::lock_guard<std::mutex> guard(lock_);
    auto it = values_.find(key);
    std::string value = it == values_.end() ? std::string(defaultValue) : it->second;
    if (value.size() > kProfileBufferSize - 1) value.resize(kProfileBufferSize - 1);
    return value;
}

void MemorySettings::write(std::string_view key, std::string_view value) {
    std::lock_guard<std::mutex> guard(lock_);
    values_[std::string(key)] = std::string(value);
    ++writes_;
}

std::optional<std::string> MemorySettings::stored(std::string_view key) const {
    std::lock_guard<std::mutex> guard(lock_);
    auto it = values_.find(key);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::map<std::string, std::string> MemorySettings::all() const {
    std::lock_guard<std::mutex> guard(lock_);
    return {values_.begin(), values_.end()};
}

size_t MemorySettings::writeCount() const {
    std::lock_guard<std::mutex> guard(lock_);
    return writes_;
}

void MemorySettings::clear() {
    std::lock_guard<std::mutex> guard(lock_);
    values_.clear();
    writes_ = 0;
}

}  // namespace platform
