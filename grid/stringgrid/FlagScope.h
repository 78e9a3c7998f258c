#pragma once

// Sets a flag for the length of a scope and gives it back its earlier value at the end, so a
// nested scope does not clear a flag its caller still holds.
class TFlagScope {
public:
    explicit TFlagScope(bool& Flag, bool Value = true) : FFlag(Flag), FOld(Flag) { FFlag = Value; }
    ~TFlagScope() { FFlag = FOld; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& FFlag;
    bool FOld;
};
