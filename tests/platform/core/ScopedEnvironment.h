#pragma once

#include <cstdlib>
#include <string>

// Sets an environment variable for the lifetime of the object, then restores it.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : FName(name) {
        const char* old = std::getenv(name);
        FHadOld = old != nullptr;
        if (old)
            FOld = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (FHadOld)
            ::setenv(FName, FOld.c_str(), 1);
        else
            ::unsetenv(FName);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* FName;
    std::string FOld;
    bool FHadOld = false;
};
