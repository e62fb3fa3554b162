// Services of native (non-Windows) builds: plain files through the C library, settings in
// memory, message boxes answered at once. Version resources do not exist here.
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "platform/portable/memory_settings.h"
#include "platform/services.h"

namespace platform {

namespace {

class StdioFile final : public OutputFile {
public:
    explicit StdioFile(std::FILE* f) : file_(f) {}
    ~StdioFile() override { std::fclose(file_); }
    StdioFile(const StdioFile&) = delete;
    StdioFile& operator=(const StdioFile&) = delete;
    void write(std::string_view bytes) override { std::fwrite(bytes.data(), 1, bytes.size(), file_); }

private:
    std::FILE* file_;
};

class StdioFileSystem final : public FileSystem {
public:
    std::unique_ptr<OutputFile> openForAppend(const std::string& path) override { return open(path, "ab"); }
    std::unique_ptr<OutputFile> openForRewrite(const std::string& path) override { return open(path, "wb"); }

    std::vector<std::string> listExecutables() override {
        std::vector<std::string> names;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(".", error))
            if (entry.path().extension() == ".exe") names.push_back(entry.path().filename().string());
        return names;
    }

    std::optional<FileVersion> fileVersion(const std::string&) override { return std::nullopt; }

private:
    static std::unique_ptr<OutputFile> open(const std::string& path, const char* mode) {
        std::FILE* f = std::fopen(path.c_str(), mode);
        if (!f) return nullptr;
        return std::make_unique<StdioFile>(f);
    }
};

class SilentDialogs final : public Dialogs {
public:
    void messageBox(std::string_view, std::string_view, MessageKind) override {}
};

}  // namespace

Services& systemServices() {
    static MemorySettings settings;
    static StdioFileSystem files;
    static SilentDialogs dialogs;
    static Services services{settings, files, dialogs};
    return services;
}

}  // namespace platform

// Native builds have no dialogs and no window thread: the header dialog counts as cancelled
// and there is no setup window to start.
#include "plugin/module.h"

namespace plugin {

namespace {

class CancelledHeaderDialog final : public output::HeaderDialog {
public:
    bool run(output::HeaderFields&) override { return false; }
};

class NoSetupWindow final : public SetupWindowControl {
public:
    bool running() override { return false; }
    bool closedOnce() override { return false; }
    void start() override {}
    void stop(bool) override {}
    void armPollTimer() override {}
};

}  // namespace

output::HeaderDialog& systemHeaderDialog() {
    static CancelledHeaderDialog dialog;
    return dialog;
}

SetupWindowControl& systemSetupWindow() {
    static NoSetupWindow window;
    return window;
}

}  // namespace plugin
