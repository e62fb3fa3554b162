// The thin interfaces through which the portable code reaches the operating system: the
// settings file, plain files, modal messages. platform/win32 realises them with the Windows
// API; platform/portable with the C library (native builds); tests use in-memory fakes.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Profile strings of one file and section. A read yields at most 99 characters, like a read
// into a 100-byte buffer; a missing key or file yields the default.
class Settings {
public:
    virtual ~Settings() = default;
    virtual std::string read(std::string_view key, std::string_view defaultValue) = 0;
    // Failures are ignored by every caller, so none is reported.
    virtual void write(std::string_view key, std::string_view value) = 0;
};

inline constexpr size_t kProfileBufferSize = 100;

// Decimal value of the leading characters (white space skipped, optional sign, digits);
// 0 when there are none. Clamped to the 32-bit range.
int32_t parseLeadingInt(std::string_view text);

class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual void write(std::string_view bytes) = 0;
};

struct FileVersion {
    uint32_t mostSignificant = 0;
    uint32_t leastSignificant = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Opened for appending in shared mode, created when missing; null when it cannot be.
    virtual std::unique_ptr<OutputFile> openForAppend(const std::string& path) = 0;
    // Created or truncated; null when it cannot be.
    virtual std::unique_ptr<OutputFile> openForRewrite(const std::string& path) = 0;
    // Names of the "*.exe" entries of the current folder, in listing order.
    virtual std::vector<std::string> listExecutables() = 0;
    virtual std::optional<FileVersion> fileVersion(const std::string& name) = 0;
};

enum class MessageKind { Plain, Information };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal; owned by the calling thread's active window, if any. An empty caption means the
    // platform's default caption.
    virtual void messageBox(std::string_view text, std::string_view caption, MessageKind kind) = 0;
};

struct Services {
    Settings& settings;
    FileSystem& files;
    Dialogs& dialogs;
};

// The services of the system the module runs on (defined once per platform).
Services& systemServices();

}  // namespace platform
