#pragma once

#include "platform/ui/Object.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TStringList;

// Which text of a row a condition tests.
enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
// How a condition's result joins the running result of the conditions before it.
enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
// fmContains: the text holds the condition anywhere, without regard to case, every character
// taken as it is (what a user types to narrow a list). fmOneOf: the text equals one of Values
// exactly, or matches Condition as an expression when that is not empty (values ticked in a
// check list, beside alternatives a handler gave as conditions).
enum TFilterMethod { fmExpression, fmLiteral, fmContains, fmOneOf };

// One condition on one column.
class TFilterData : public TObject {
public:
    // Copies every setting of another condition; nullptr does nothing, another class throws.
    void Assign(const TObject* Source);

    int16_t Column = 0;
    std::string Condition; // empty accepts every row, but literally only an empty text
    bool CaseSensitive = true;
    std::string Suffix; // removed from the end of the text before matching
    std::string Prefix; // removed from the start of the text before matching
    TFilterOperation Operation = foSHORT;
    TFilterCells Data = fcVirtual;
    TFilterMethod Method = fmExpression;
    std::vector<std::string> Values; // the texts fmOneOf accepts
};

// The row filter: conditions in the order they are evaluated.
class TFilter : public TObject {
public:
    // Copies the conditions of another filter; other sources are ignored.
    void Assign(const TObject* Source);

    int Count() const { return static_cast<int>(FItems.size()); }
    // Appends a condition joined by foNONE when it is the only one, else by foAND.
    TFilterData* Add();
    // Inserts a condition at Index (clamped to 0..Count); its Operation stays foSHORT.
    TFilterData* Insert(int Index);
    void Delete(int Index);
    void Clear() { FItems.clear(); }
    // nullptr outside 0..Count - 1.
    TFilterData* Items(int Index) const;
    void SetItem(int Index, const TFilterData* Value);

    // The first condition on Col; one is added (by Add) when there is none.
    TFilterData* ColumnFilter(int Col);
    bool HasFilter(int Col) const;
    // Deletes every condition on Col.
    void RemoveColumnFilter(int Col);

private:
    std::vector<std::unique_ptr<TFilterData>> FItems;
};

// A condition made ready once for testing many texts. The commonest condition, a plain
// wildcard pattern (no comparison, joiner, group, negation or quote) tested against a text of
// ASCII characters, is matched here without the condition matcher's per-text preparation;
// anything else goes to the matcher, so both give the same answer.
class TPreparedCondition {
public:
    TPreparedCondition(std::string Condition, bool CaseSensitive);
    bool Matches(std::string_view Text) const;
    bool IsFor(const TFilterData& Item) const {
        return FCaseSensitive == Item.CaseSensitive && FCondition == Item.Condition;
    }

private:
    std::string FCondition;
    bool FCaseSensitive;
    bool FPlain = false;
    std::string FPattern; // the plain pattern as the matcher would see it
};

using TCustomFilterEvent = std::function<void(TObject* Sender, int ARow, bool& AcceptRow)>;
using TFilterProgressEvent = std::function<void(TObject* Sender, int16_t Progress)>;
using TGetColumnFilterEvent = std::function<void(TObject* Sender, int Column, TStringList* Filter)>;
using TFilterSelectEvent =
    std::function<void(TObject* Sender, int Column, int ItemIndex, const std::string& FriendlyName,
                       std::string& FilterCondition)>;
// CheckList: the check marks of the drop-down, one per entry of the grid's FilterList.
using TFilterCheckEvent =
    std::function<void(TObject* Sender, int Column, int ItemIndex, const std::string& FriendlyName,
                       std::string& FilterCondition, const std::vector<bool>& CheckList)>;
