#pragma once

#include <utility>

// Gives a field a value for the length of a scope and puts the old value back when the scope
// ends, also when it ends by an exception, so a re-entrancy flag never stays stuck.
template <typename T> class TScopedValue {
public:
    TScopedValue(T& Field, T Value) : FField(Field), FOld(std::exchange(Field, std::move(Value))) {}
    ~TScopedValue() { FField = std::move(FOld); }
    TScopedValue(const TScopedValue&) = delete;
    TScopedValue& operator=(const TScopedValue&) = delete;

private:
    T& FField;
    T FOld;
};

// A flag set for the length of a scope.
class TScopedFlag : public TScopedValue<bool> {
public:
    explicit TScopedFlag(bool& Flag) : TScopedValue<bool>(Flag, true) {}
};
