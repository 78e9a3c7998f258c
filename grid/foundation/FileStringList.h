#pragma once

#include "platform/core/StringList.h"

#include <string>
#include <string_view>

// Line-by-line reading and writing over a string list, for text import and export.
class TFileStringList : public TStringList {
public:
    void Reset();
    bool Eof() const { return fp >= Count(); }
    // Past the last line throws the list's index error; test Eof first.
    void ReadLn(std::string& s);
    // Text waits until the next WriteLn ends the line.
    void Write(std::string_view s) { cache += s; }
    void WriteLn(std::string_view s);

private:
    int fp = 0;
    std::string cache;
};
