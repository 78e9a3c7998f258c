#pragma once

#include "app/core/ParGenFile.h"

#include <string>

// The outcome of the checks that run before "ParGen.xml" is written.
struct TParGenCheck {
    bool Passed = true;
    // For a failure: the element of the offending value (e.g. "Ethernet_IP4"), the language slot
    // of its message and the message text.
    std::string Element;
    int Lang_Index = 0;
    std::string Message;
};

// Runs the checks in their fixed order and returns the first failure. Numbers are read with the
// platform's integer conversion; a text that does not convert counts as out of range. The DNS
// octets, the flags, the list items and the web-pages log-in are not checked.
TParGenCheck Check_ParGen_Values(const TParGenValues& values);
