#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

#include <gtest/gtest.h>

// A fresh folder for one test, removed with everything in it when the test ends.
class TTempFolder {
public:
    TTempFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "appcore_" + std::to_string(getpid()) + "_" + test->test_suite_name() +
                           "_" + test->name();
        for (char& c : name) {
            if (c == '/')
                c = '_';
        }
        FPath = std::filesystem::path(::testing::TempDir()) / name;
        std::filesystem::remove_all(FPath);
        std::filesystem::create_directories(FPath);
    }
    ~TTempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(FPath, ignored);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    std::string Path() const { return FPath.string(); }
    std::string File(std::string_view name) const { return (FPath / name).string(); }

private:
    std::filesystem::path FPath;
};
