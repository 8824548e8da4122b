#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

#include "config/config_record.h"

// A record from its leading bytes; the rest are 0.
inline ConfigRecord RecordOf(std::initializer_list<std::uint8_t> bytes) {
    std::uint8_t all[ConfigRecord::kSize] = {};
    std::size_t i = 0;
    for (auto b : bytes) all[i++] = b;
    ConfigRecord r;
    r.ReplaceAll(all);
    return r;
}

// A file's whole contents, and a file made of given bytes.
inline std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
inline void PutFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh folder for the running test, removed afterwards.
class TempDir {
  public:
    explicit TempDir(const std::string& prefix) {
        path_ = std::filesystem::temp_directory_path() /
                (prefix + "-" + std::to_string(getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};
