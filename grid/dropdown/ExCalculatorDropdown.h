#pragma once

#include "grid/dropdown/CalculatorEngine.h"
#include "grid/dropdown/ExCustomDropDown.h"

#include <memory>

class TButtonAppearance;
class TCustomButtonPanel;

// A drop-down edit for numbers with a pocket calculator in its popup. The edit is the display
// (a number with Precision decimals, or "Error"); the keypad's buttons, the keys typed into the
// closed edit and the keys typed in the open popup all drive one calculator engine. The
// accumulator, the pending operator and the memory survive an accepted close and reopening the
// popup.
class TExCalculatorDropdown : public TExCustomDropDown {
public:
    explicit TExCalculatorDropdown(TComponent* AOwner);
    ~TExCalculatorDropdown() override;

    // The number on display; an empty display becomes "0" first, a text that is no number
    // reads as 0.
    double Value();
    // Written in the shortest general form.
    void SetValue(double Value);
    // Folds the pending operation into the display, as "=".
    void CalcResult();

    TButtonAppearance* CalcButtonAppearance() const { return FCalcButtonAppearance.get(); }
    void SetCalcButtonAppearance(const TButtonAppearance& Value);
    bool ShowThousandSeparator() const { return FShowThousandSeparator; }
    // The display is rewritten in the new format.
    void SetShowThousandSeparator(bool Value);
    // The keypad, made with the popup.
    TCustomButtonPanel* ButtonPanel() const { return FExButtonPanel; }
    TCalculatorEngine& Engine() { return FEngine; }
    const TCalculatorEngine& Engine() const { return FEngine; }

    // The preset's colours, and the keypad's taken from the drop-down's button colours.
    void SetComponentStyle(TULKStyle AStyle) override;
    // Characters typed into the edit reach the calculator before the edit's own typing rules.
    void WndProc(TMessage& Message) override;

protected:
    // Runs before every keypad click and every key typed in the popup.
    virtual void BeforeCalculate() {}

    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    // A cancelled close gives the calculation up with the value it restores; an accepted one
    // keeps the pending operation.
    void DoHideDropDown(bool Cancelled) override;
    void DropDownFormKeyPress(TChar& Key) override;
    void DropDownFormKeyDown(WORD& Key, TShiftState Shift) override;

private:
    // The engine's display is the edit's value.
    class TEditDisplay : public TCalculatorDisplay {
    public:
        explicit TEditDisplay(TExCalculatorDropdown& Edit) : FEdit(Edit) {}
        std::string Text() const override;
        void SetText(const std::string& Value) override;
        void SetFloatValue(double Value) override;
        int MaxLength() const override;
        void SetModified() override;

    private:
        TExCalculatorDropdown& FEdit;
    };

    void CalculatorButtonClick(int Index);
    // A character typed into the edit: with the popup closed operators act at once; then only
    // digits, the decimal separator and Backspace type, a digit starting a new number alone.
    // Key becomes 0 when it was taken.
    void CalculatorKeyPress(TChar& Key);
    bool PopupShowing() const;
    // The display holds Digit alone, the caret behind it.
    void StartNumberWith(TChar Digit);
    void Act(TCalcKeyAction Action);

    TCustomButtonPanel* FExButtonPanel = nullptr; // owned as a component
    std::unique_ptr<TButtonAppearance> FCalcButtonAppearance;
    bool FCalcClosed = true;
    bool FShowThousandSeparator = false;
    TEditDisplay FDisplay{*this};
    TCalculatorEngine FEngine{FDisplay};
};
