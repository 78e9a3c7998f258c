#pragma once

#include <string>
#include <vector>

// The BACnet engineering units: each code's name and the groups the units are offered in.

inline constexpr int BACnet_Unit_Count = 237; // codes 0 .. 236

// The name of a unit code, "unknown" for a code without one.
std::string Desc_Unit(int Code);

struct TBACnetUnitGroup {
    const char* Name;
    std::vector<int> Codes; // in the order the group lists them
};

// The 23 groups in the order they are offered; every code stands in exactly one of them.
const std::vector<TBACnetUnitGroup>& BACnet_Unit_Groups();
