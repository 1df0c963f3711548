#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace testsupport {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string Str() const { return path_.string(); }
    // Path of a file or folder inside, given with '/' separators.
    std::string operator/(std::string_view relative) const;

private:
    std::filesystem::path path_;
};

// Writes bytes to a file, creating its folders.
void WriteFile(const std::filesystem::path& file, std::string_view bytes);
// Reads a whole file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& file);

}  // namespace testsupport
