#pragma once

#include "platform/ui/Keys.h"

#include <string>

// Where the calculator shows its number: the drop-down's edit, or a plain text for a keypad
// standing alone. Numbers are written in the display's own format.
class TCalculatorDisplay {
public:
    virtual ~TCalculatorDisplay() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& Value) = 0;
    virtual void SetFloatValue(double Value) = 0;
    // 0: no limit.
    virtual int MaxLength() const { return 0; }
    // A key changed (or could have changed) the value.
    virtual void SetModified() {}
};

// A display of its own: Precision decimals, thousand separators on request, the separators of
// the locale.
class TCalculatorTextDisplay : public TCalculatorDisplay {
public:
    std::string Text() const override { return FText; }
    void SetText(const std::string& Value) override { FText = Value; }
    void SetFloatValue(double Value) override;
    int MaxLength() const override { return FMaxLength; }
    void SetMaxLength(int Value) { FMaxLength = Value; }
    int Precision() const { return FPrecision; }
    void SetPrecision(int Value) { FPrecision = Value; }
    bool ShowThousandSeparator() const { return FShowThousandSeparator; }
    // Rewrites the number on display in the new format.
    void SetShowThousandSeparator(bool Value);
    bool Modified() const { return FModified; }
    void SetModified() override { FModified = true; }

private:
    std::string FText = "0.00";
    int FMaxLength = 0;
    int FPrecision = 2;
    bool FShowThousandSeparator = false;
    bool FModified = false;
};

// What a key asks of the popup around the keypad.
enum class TCalcKeyAction { Stay, CloseAccepted, CloseCancelled };

// The arithmetic of the pocket calculator: an accumulator machine without precedence. Each
// operator folds the number on display into the accumulator with the pending operator and then
// becomes the pending one; "=" folds and clears it. A display that holds no number counts as 0.
class TCalculatorEngine {
public:
    // Operation codes of the keypad's buttons (their Tag).
    enum : int {
        opAdd = 10,
        opSubtract = 11,
        opMultiply = 12,
        opDivide = 13,
        opChangeSign = 14,
        opDecimalPoint = 15,
        opClear = 16,
        opEquals = 17,
        opPercent = 18,
        opClearAll = 30,
        opBack = 31,
        opClearEntry = 32,
        opMemoryClear = 33,
        opMemoryRecall = 34,
        opMemoryStore = 35,
        opMemoryAdd = 36,
        opSquareRoot = 37,
        opReciprocal = 38,
    };
    static constexpr const char* ErrorText = "Error";

    // The display must outlive the engine.
    explicit TCalculatorEngine(TCalculatorDisplay& Display) : FDisplay(Display) {}

    // One keypad button by its operation code (0-9 are the digits); other codes only mark the
    // value modified.
    void PressButton(int Code);
    void CalcAdd() { Fold(0); }
    void CalcMultiply() { Fold(1); }
    void CalcSubtract() { Fold(2); }
    void CalcDivide() { Fold(3); }
    void CalcEquals();
    void CalcPercent();
    // The popup opens: the next digit starts a new number.
    void StartNewNumber();
    // A calculation given up (its popup cancelled): no pending operator, an empty accumulator.
    void DropPendingOperation();
    // A character typed while the popup is open (after the edit has taken it).
    TCalcKeyAction ProcessCalcKey(char32_t Key);
    // A key pressed down while the popup is open (after the edit has taken it).
    TCalcKeyAction PopupKeyDown(WORD Key);
    // A character typed into the edit while the popup is closed: operators, "=", Enter, "%" and
    // "C" act at once. True when the key did something.
    bool ClosedPopupKey(char32_t Key);
    // Delete pressed in the edit: an empty or "Error" display becomes "0".
    void EditDeleteKey();
    // The number on display (0 for one that is no number); an empty display becomes "0" first.
    double Value();
    void SetValue(double Value);

    // The next digit starts a new number (after an operator, "=", a clear or the popup opening).
    bool NewNumberPending() const { return FNewval; }
    // A digit typed into the edit began the new number.
    void NewNumberStarted() { FNewval = false; }

    double Accumulator() const { return static_cast<double>(FPrevval); }
    double Memory() const { return static_cast<double>(FMVal); }
    // -1 none, 0 add, 1 multiply, 2 subtract, 3 divide.
    int PendingOperator() const { return FPrevop; }

private:
    // The display as a number: thousand separators left out; empty, "Error", "-" and any other
    // text that is no number count as 0.
    long double DisplayNumber() const;
    bool DisplayIsEmptyOrError() const;
    void EvaluatePending();
    void Fold(int Operator);
    // The operator keys "*", "+", "-" and "/"; false for any other key.
    bool OperatorKey(char32_t Key);
    bool DisplayIsFull() const;
    void Digit(int D);
    void ChangeSign();
    void DecimalPoint();
    void Back();
    void ShowResult(long double Value);

    TCalculatorDisplay& FDisplay;
    // 0 while digits extend the integer part, else the divisor of the next decimal digit.
    long double FDecim = 0;
    bool FNewval = false;
    long double FPrevval = 0;
    int FPrevop = -1;
    long double FMVal = 0;
};
