// In-memory platform for native tests: files as byte strings, a directory of executables with
// versions, settings with the profile rules, and recorded message boxes.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/portable/memory_settings.h"
#include "platform/services.h"

namespace fake {

class FileSystem final : public platform::FileSystem {
public:
    std::unique_ptr<platform::OutputFile> openForAppend(const std::string& path) override;
    std::unique_ptr<platform::OutputFile> openForRewrite(const std::string& path) override;
    std::vector<std::string> listExecutables() override { return executables; }
    std::optional<platform::FileVersion> fileVersion(const std::string& name) override;

    bool exists(const std::string& path) const;
    std::string contents(const std::string& path) const;
    void put(const std::string& path, std::string bytes);
    void removeAll();

    std::vector<std::string> executables;
    std::map<std::string, platform::FileVersion> versions;
    std::vector<std::string> unwritable;  // paths whose opening fails
    int opens = 0;

private:
    friend class File;
    mutable std::mutex lock_;
    std::map<std::string, std::string> files_;
};

struct ShownMessage {
    std::string text, caption;
    platform::MessageKind kind;
};

class Dialogs final : public platform::Dialogs {
public:
    void messageBox(std::string_view text, std::string_view caption, platform::MessageKind kind) override {
        shown.push_back({std::string(text), std::string(caption), kind});
    }
    std::vector<ShownMessage> shown;
};

// A fresh platform per test.
struct Platform {
    platform::MemorySettings settings;
    FileSystem files;
    Dialogs dialogs;
    platform::Services services{settings, files, dialogs};
};

}  // namespace fake
