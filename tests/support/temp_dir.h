#pragma once
// A fresh directory made current for a test, removed afterwards (without Qt, for the core
// tests).
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

class InTempDir {
  public:
    InTempDir() : old_(std::filesystem::current_path()) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "chargefield-XXXXXX").string();
        dir_ = mkdtemp(pattern.data());
        std::filesystem::current_path(dir_);
    }
    ~InTempDir() {
        std::filesystem::current_path(old_);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    InTempDir(const InTempDir&) = delete;
    InTempDir& operator=(const InTempDir&) = delete;
    const std::filesystem::path& dir() const { return dir_; }

  private:
    std::filesystem::path old_, dir_;
};

// The bytes of a file (none when it cannot be read).
inline std::string read_bytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
