// In-memory platform for native tests.
#include "tests/native/fake_platform.h"

#include <algorithm>

namespace fake {

class File final : public platform::OutputFile {
public:
    File(FileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}
    void write(std::string_view bytes) override {
        std::lock_guard<std::mutex> guard(fs_.lock_);
        fs_.files_[path_].append(bytes);
    }

private:
    FileSystem& fs_;
    std::string path_;
};

std::unique_ptr<platform::OutputFile> FileSystem::openForAppend(const std::string& path) {
    if (std::find(unwritable.begin(), unwritable.end(), path) != unwritable.end()) return nullptr;
    std::lock_guard<std::mutex> guard(lock_);
    ++opens;
    files_[path];
    return std::make_unique<File>(*this, path);
}

std::unique_ptr<platform::OutputFile> FileSystem::openForRewrite(const std::string& path) {
    if (std::find(unwritable.begin(), unwritable.end(), path) != unwritable.end()) return nullptr;
    std::lock_guard<std::mutex> guard(lock_);
    ++opens;
    files_[path].clear();
    return std::make_unique<File>(*this, path);
}

std::optional<platform::FileVersion> FileSystem::fileVersion(const std::string& name) {
    auto it = versions.find(name);
    if (it == versions.end()) return std::nullopt;
    return it->second;
}

bool FileSystem::exists(const std::string& path) const {
    std::lock_guard<std::mutex> guard(lock_);
    return files_.count(path) != 0;
}

std::string FileSystem::contents(const std::string& path) const {
    std::lock_guard<std::mutex> guard(lock_);
    auto it = files_.find(path);
    return it == files_.end() ? std::string() : it->second;
}

void FileSystem::put(const std::string& path, std::string bytes) {
    std::lock_guard<std::mutex> guard(lock_);
    files_[path] = std::move(bytes);
}

}  // namespace fake

namespace fake {

void FileSystem::removeAll() {
    std::lock_guard<std::mutex> guard(lock_);
    files_.clear();
}

}  // namespace fake
