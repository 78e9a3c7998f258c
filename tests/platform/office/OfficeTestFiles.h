#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

// A private folder for the files of one test, removed with it.
class TTestFolder {
public:
    TTestFolder() {
        char pattern[] = "/tmp/velmaro-office-XXXXXX";
        if (mkdtemp(pattern))
            Path = pattern;
    }
    ~TTestFolder() {
        if (!Path.empty())
            std::filesystem::remove_all(Path);
    }
    std::string File(const std::string& name) const { return Path + "/" + name; }
    std::string Path;
};
