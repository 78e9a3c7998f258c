#pragma once

#include "grid/foundation/EsgEditBtn.h"

#include <functional>
#include <memory>
#include <string>

class TPopupMenu;
class TStringList;

using TUnitChangeEvent = std::function<void(TObject* Sender, const std::string& NewUnit)>;

// The edit with button with a unit text (a physical unit, say) drawn between the text and the
// button. The button opens a menu of the allowed units; value and unit are read and written
// together as TextAndUnit.
class TEsgUnitEditBtn : public TEsgEditBtn {
public:
    explicit TEsgUnitEditBtn(TComponent* AOwner);
    ~TEsgUnitEditBtn() override;

    // Raises OnClickBtn with the edit, then lets the user pick a unit from the menu.
    void DoClickBtn(TObject* Sender) override;

    TStringList* Units() const { return FUnits.get(); }
    // Copies the lines of value; nullptr leaves the units as they are.
    void SetUnits(const TStringList* value);
    const std::string& UnitID() const { return FUnitID; }
    void SetUnitID(const std::string& value);
    int UnitSpace() const { return FUnitSize; }
    void SetUnitSpace(int value);
    // The text followed directly by UnitID.
    std::string TextAndUnit() const;
    // Splits value at the first unit of Units (in list order) whose first occurrence ends it;
    // nothing changes when no unit does.
    void SetTextAndUnit(const std::string& value);

    void WndProc(TMessage& Message) override;

    TUnitChangeEvent OnUnitChanged;

protected:
    void PaintOver() override;
    // A command of the unit menu: item n picks the unit of line n - 1.
    virtual void HandleCommand(TMessage& Message);
    // Shows the unit menu at the screen point and returns when it closes.
    virtual void PopupUnitMenu(TPopupMenu* Menu, TPoint At);

private:
    std::string FUnitID;
    std::unique_ptr<TStringList> FUnits;
};
