#pragma once

#include <filesystem>
#include <string>

// A private directory for the fixture files of one test, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return root; }
    // Writes `content` byte for byte to `name` under the directory and returns the file's path.
    std::string write(const std::string& name, const std::string& content) const;

private:
    std::filesystem::path root;
};
