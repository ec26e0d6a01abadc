#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh folder per test, standing in for the SD card or for where files are saved.
namespace kvitmark::sdcard::testing {

class CardFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::path(::testing::TempDir()) /
              ("sdcard_" + std::to_string(getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Folder() const { return folder_.string(); }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  static void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  int FilesInFolder() const {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_)) {
      ++count;
    }
    return count;
  }

 private:
  std::filesystem::path folder_;
};

// `count` lines, line n made by `line(n)`, each ended by CR LF.
template <typename LineOf>
std::string Lines(int count, LineOf line) {
  std::string text;
  for (int n = 1; n <= count; ++n) text += line(n) + "\r\n";
  return text;
}

// upload.art line n: a goods record of its own after the leading field.
inline std::string UploadLine(int n) {
  const std::string k = std::to_string(n);
  return "0;" + k + ";Name" + k + ";" + k + ".00;0.000;1;2;3;4;0;77" + k + ";";
}

// sales.art line n.
inline std::string SalesLine(int n) {
  const std::string k = std::to_string(n);
  return "1;0;" + k + ";" + k + ".50;0;0.00;0.00;";
}

}  // namespace kvitmark::sdcard::testing
