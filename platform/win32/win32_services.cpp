// The Windows services: profile strings, shared-mode files, the host's version resource and
// message boxes owned by the calling thread's active window.
#include <windows.h>

#include "platform/services.h"
#include "plugin/module.h"

namespace platform {

namespace {

// Each thread reads settings into a buffer of its own, so the window thread and the host's
// thread never overwrite each other's value.
thread_local char ProfileBuffer[kProfileBufferSize];

class ProfileSettings final : public Settings {
public:
    std::string read(std::string_view key, std::string_view defaultValue) override {
        const std::string k(key), d(defaultValue);
        DWORD n = GetPrivateProfileStringA(plugin::kSettingsSection, k.c_str(), d.c_str(), ProfileBuffer,
                                           sizeof ProfileBuffer, plugin::kSettingsPath);
        return std::string(ProfileBuffer, n);
    }
    void write(std::string_view key, std::string_view value) override {
        const std::string k(key), v(value);
        WritePrivateProfileStringA(plugin::kSettingsSection, k.c_str(), v.c_str(), plugin::kSettingsPath);
    }
};

class HandleFile final : public OutputFile {
public:
    explicit HandleFile(HANDLE h) : handle_(h) {}
    ~HandleFile() override { CloseHandle(handle_); }
    HandleFile(const HandleFile&) = delete;
    HandleFile& operator=(const HandleFile&) = delete;
    void write(std::string_view bytes) override {
        while (!bytes.empty()) {
            DWORD written = 0;
            if (!WriteFile(handle_, bytes.data(), DWORD(bytes.size()), &written, nullptr) || written == 0) return;
            bytes.remove_prefix(written);
        }
    }

private:
    HANDLE handle_;
};

class Win32FileSystem final : public FileSystem {
public:
    std::unique_ptr<OutputFile> openForAppend(const std::string& path) override {
        // FILE_APPEND_DATA alone makes every write land at the end, even with other writers.
        return open(path, FILE_APPEND_DATA, OPEN_ALWAYS);
    }
    std::unique_ptr<OutputFile> openForRewrite(const std::string& path) override {
        return open(path, GENERIC_WRITE, CREATE_ALWAYS);
    }

    std::vector<std::string> listExecutables() override {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA("*.exe", &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }

    std::optional<FileVersion> fileVersion(const std::string& name) override {
        // A bare name would be looked up like a DLL (application folder first): use the
        // file of the current folder.
        char path[MAX_PATH];
        const DWORD pathLength = GetFullPathNameA(name.c_str(), MAX_PATH, path, nullptr);
        if (pathLength == 0 || pathLength >= MAX_PATH) return std::nullopt;
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
        if (size == 0) return std::nullopt;
        std::string block(size, '\0');
        if (!GetFileVersionInfoA(path, 0, size, block.data())) return std::nullopt;
        VS_FIXEDFILEINFO* info = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info ||
            length < sizeof(VS_FIXEDFILEINFO))
            return std::nullopt;
        return FileVersion{info->dwFileVersionMS, info->dwFileVersionLS};
    }

private:
    static std::unique_ptr<OutputFile> open(const std::string& path, DWORD access, DWORD disposition) {
        HANDLE h = CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return nullptr;
        return std::make_unique<HandleFile>(h);
    }
};

class Win32Dialogs final : public Dialogs {
public:
    void messageBox(std::string_view text, std::string_view caption, MessageKind kind) override {
        const std::string t(text), c(caption);
        const UINT style = MB_OK | (kind == MessageKind::Information ? MB_ICONINFORMATION : 0);
        // GetActiveWindow is null when the thread has none: the box then has no owner.
        MessageBoxA(GetActiveWindow(), t.c_str(), c.empty() ? nullptr : c.c_str(), style);
    }
};

}  // namespace

Services& systemServices() {
    static ProfileSettings settings;
    static Win32FileSystem files;
    static Win32Dialogs dialogs;
    static Services services{settings, files, dialogs};
    return services;
}

}  // namespace platform
