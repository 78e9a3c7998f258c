#pragma once

#include "platform/core/StringList.h"
#include "platform/ui/Object.h"

#include <string>
#include <string_view>

// A list of text lines that tells its owner when it changes, as the grid's header lists do.
class TGridStrings : public TObject {
public:
    int Count() const { return FLines.Count(); }
    const std::string& operator[](int Index) const { return FLines[Index]; }
    const TStringList& Lines() const { return FLines; }

    void Add(std::string_view Line) {
        FLines.Add(Line);
        Changed();
    }
    void SetStrings(int Index, std::string_view Line) {
        FLines[Index] = std::string(Line);
        Changed();
    }
    void Clear() {
        FLines.Clear();
        Changed();
    }
    std::string Text() const { return FLines.Text(); }
    void SetText(std::string_view Text) {
        FLines.SetText(Text);
        Changed();
    }
    void Assign(const TStringList& Source) {
        FLines.Clear();
        for (const std::string& line : Source)
            FLines.Add(line);
        Changed();
    }
    void Assign(const TGridStrings& Source) { Assign(Source.FLines); }

    TNotifyEvent OnChange;

private:
    void Changed() { FireEvent(OnChange, this); }

    TStringList FLines;
};
