// Settings kept in memory, with the read rules of the profile functions (default for a
// missing key, at most 99 characters). Used by native builds and tests.
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "platform/services.h"

namespace platform {

class MemorySettings final : public Settings {
public:
    std::string read(std::string_view key, std::string_view defaultValue) override;
    void write(std::string_view key, std::string_view value) override;

    // Test access.
    std::optional<std::string> stored(std::string_view key) const;
    std::map<std::string, std::string> all() const;
    size_t writeCount() const;
    void clear();

private:
    mutable std::mutex lock_;
    std::map<std::string, std::string, std::less<>> values_;
    size_t writes_ = 0;
};

}  // namespace platform
