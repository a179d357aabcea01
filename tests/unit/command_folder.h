#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/unit/test_images.h"

// Tests of imgscan's commands: a fresh folder of the test's own for the files
// they read and write, and the command's two output streams.
class CommandFolder : public ::testing::Test {
protected:
    explicit CommandFolder(std::string prefix) : prefix_(std::move(prefix)) {}
    void SetUp() override { dir_ = FreshTestFolder(prefix_); }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    // Writes `bytes` as the file `name` of the folder; its path.
    std::string Write(const std::string& name, const Bytes& bytes) const;
    Bytes Read(const std::string& name) const;
    // A writer command (extract-icon, replace-bitmap, sheet, ...); its exit status.
    int Run(const std::string& command, const std::vector<std::string>& words);

    std::filesystem::path dir_;
    std::ostringstream out_, err_;

private:
    std::string prefix_;
};
