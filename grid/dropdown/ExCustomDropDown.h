#pragma once

#include "grid/dropdown/DropDownBarHost.h"
#include "grid/dropdown/ExDropDownTypes.h"
#include "grid/foundation/ExStyleIF.h"
#include "platform/ui/Colors.h"
#include "platform/ui/MaskEdit.h"

#include <cstdint>
#include <memory>
#include <string>

class TItemAppearance;
class TBitmap;
class TDropDownEditButton;
class TDropDownForm;
class TExButtonAppearance;
class TFooterAppearance;
class THeaderAppearance;
class TImageList;
class TLabel;

// The base of every drop-down editor: a one-line edit holding a typed value between a fixed
// prefix and suffix, with a button inside its right edge that opens a top-most popup below or
// above it. Descendants put their control into the popup (CreateDropDownForm, DoBeforeDropDown)
// and take the value from it. The class is split by feature: ExCustomDropDown.cpp (properties,
// button, construction), ExCustomDropDownPopup.cpp (opening and closing), ExCustomDropDownKeys.cpp
// (keys and mouse), ExCustomDropDownText.cpp (value text, typing, clipboard),
// ExCustomDropDownLook.cpp (label, border) and ExCustomDropDownStyles.cpp (style presets).
class TExCustomDropDown : public TCustomMaskEdit,
                          public IULKStyle,
                          public IULKTones,
                          public TDropDownBarHost {
public:
    explicit TExCustomDropDown(TComponent* AOwner);
    ~TExCustomDropDown() override;

    // Creates the popup and the button (each once) through the virtual steps. The base's
    // constructor runs it; a constructor does not dispatch to a derived class, so descendants
    // run it again at the end of theirs to make their popup control.
    void CreateControls();

    // The value: the edit text without prefix and suffix.
    std::string Text() const override;
    // Writes the value formatted for the edit type between prefix and suffix; the value is the
    // one a cancelled popup restores, and the edit counts as unmodified.
    void SetText(const std::string& Value) override;
    // The edit text as given: no prefix, suffix or formatting, the restore value kept.
    void SetTextDirect(const std::string& Value);

    void ShowDropDown() { DoDropDown(); }
    void HideDropDown(bool CancelChanges) { DoHideDropDown(CancelChanges); }
    bool DroppedDown() const { return FDroppedDown; }
    // Tab or Shift+Tab typed in the open popup: closes it keeping what was chosen there and goes
    // on from the edit as the same key typed in the edit would. False when the popup is closed.
    bool LeavePopupByTab();
    // Whether Tab leaves the popup even from a list that keeps Tab from stepping out of it: a
    // cell editor ends its edit with Tab wherever the keys are.
    virtual bool TabLeavesEveryPopupList() const { return false; }
    TDropDownEditButton* Button() const { return FButton; }
    TDropDownForm* DropDownForm() const { return FDropDownForm; }

    // The value selected, without prefix and suffix.
    void SelectAll();
    // Caret just before or after the value's first decimal separator (at the value's start
    // without one).
    void SelectBeforeDecimal();
    void SelectAfterDecimal();

    // The value as a number, by edit type; text that is no number reads as 0.
    double GetFloatValue() const;
    void SetFloatValue(double X);
    void SetIntValue(int N);
    void SetModified(bool Value);

    // Copies the looks and the value rules of another drop-down; text, label and events stay.
    void Assign(const TObject* Source);

    // Published properties.
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; }
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool Value);
    TExButtonAppearance* ButtonAppearance() const override { return FButtonAppearance.get(); }
    void SetButtonAppearance(const TExButtonAppearance* Value);
    THeaderAppearance* DropDownHeader() const override { return FDropDownHeader.get(); }
    void SetDropDownHeader(const THeaderAppearance* Value);
    TFooterAppearance* DropDownFooter() const override { return FDropDownFooter.get(); }
    void SetDropDownFooter(const TFooterAppearance* Value);
    TColor DropDownBorderColor() const override { return FDropDownBorderColor; }
    void SetDropDownBorderColor(TColor Value) { FDropDownBorderColor = Value; }
    int DropDownBorderWidth() const override { return FDropDownBorderWidth; }
    void SetDropDownBorderWidth(int Value) { FDropDownBorderWidth = Value; }
    TColor DropDownColor() const { return FDropDownColor; }
    void SetDropDownColor(TColor Value) { FDropDownColor = Value; }
    TColor DropDownColorTo() const { return FDropDownColorTo; }
    void SetDropDownColorTo(TColor Value) { FDropDownColorTo = Value; }
    TGradientDirection DropDownGradient() const { return FDropDownGradient; }
    void SetDropDownGradient(TGradientDirection Value) { FDropDownGradient = Value; }
    bool DropDownEnabled() const { return FDropDownEnabled; }
    void SetDropDownEnabled(bool Value) { FDropDownEnabled = Value; }
    TBitmap* DropDownButtonGlyph() const;
    void SetDropDownButtonGlyph(const TBitmap* Value);
    const std::string& DropDownButtonHint() const { return FButtonHint; }
    void SetDropDownButtonHint(const std::string& Value);
    int DropDownButtonWidth() const { return FButtonWidth; }
    void SetDropDownButtonWidth(int Value);
    int DropDownHeight() const { return FDropDownHeight; }
    void SetDropDownHeight(int Value);
    int DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int Value);
    bool DropDownShadow() const { return FDropDownShadow; }
    void SetDropDownShadow(bool Value) { FDropDownShadow = Value; }
    bool DropDownSizeable() const override { return FDropDownSizeable; }
    void SetDropDownSizeable(bool Value) { FDropDownSizeable = Value; }
    TDropPosition DropPosition() const { return FDropPosition; }
    void SetDropPosition(TDropPosition Value) { FDropPosition = Value; }
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value);
    TImageList* Images() const override { return FImages; }
    void SetImages(TImageList* Value) { FImages = Value; }
    TColor SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(TColor Value) { FSelectionColor = Value; }
    TColor SelectionColorTo() const { return FSelectionColorTo; }
    void SetSelectionColorTo(TColor Value) { FSelectionColorTo = Value; }
    TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
    // Stores the style and, unless scCustom, its selection colours.
    virtual void SetSelectionColorStyle(TSelectionColorStyle Value);

    // Style presets: popup, header, footer and their buttons take the preset's colours;
    // tsCustom keeps every colour.
    void SetComponentStyle(TULKStyle AStyle) override;
    TULKStyle GetComponentStyle() const { return FULKStyle; }
    // Loads the preset's hot and selected colours into the items of a list-like picker;
    // tsCustom and a missing appearance change nothing.
    static void ApplyItemAppearanceStyle(TItemAppearance* Appearance, TULKStyle Style);
    // The button takes the tones' colours (and with them its colour-set face); the edit's
    // border the background tone's border.
    void SetColorTones(const TColorTones& ATones) override;
    // A selected item: solid in scCustom, else the style's framed gradient. Position: 0 a
    // single item, 1 first, 2 last, 3 middle of a run.
    virtual void DrawSelectionBackground(TCanvas* Canvas, const TRect& R, TColor BackColor,
                                         uint8_t Position);
    void DrawGradientRect(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps,
                          const TRect& R, TGradientDirection Direction);
    // The caption label beside the edit, made on the first caption written.
    std::string LabelCaption() const;
    void SetLabelCaption(const std::string& Value);
    TFont* LabelFont() const { return FLabelFont.get(); }
    // Copied unless the edit takes its parent's font.
    void SetLabelFont(const TFont* Value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int Value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition Value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value) { FLabelAlwaysEnabled = Value; }
    TLabel* Label() const { return FLabel; }
    std::string Version() const { return "1.2.1.4"; }
    virtual int GetVersionNr() const { return 0x01020104; }

    // Value rules (descendants publish the ones that fit them).
    TDropDownEditType EditType() const { return FEditType; }
    void SetEditType(TDropDownEditType Value);
    int Precision() const { return FPrecision; }
    void SetPrecision(int Value);
    const std::string& Prefix() const { return FPrefix; }
    void SetPrefix(const std::string& Value) { FPrefix = Value; }
    const std::string& Suffix() const { return FSuffix; }
    void SetSuffix(const std::string& Value) { FSuffix = Value; }
    int LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(int Value) { FLengthLimit = static_cast<int16_t>(Value); }
    bool Signed() const { return FSigned; }
    void SetSigned(bool Value) { FSigned = Value; }
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
    bool AllowNumericNullValue() const { return FAllowNumericNullValue; }
    void SetAllowNumericNullValue(bool Value) { FAllowNumericNullValue = Value; }
    bool DefaultHandling() const { return FDefaultHandling; }
    void SetDefaultHandling(bool Value) { FDefaultHandling = Value; }
    bool CanUndo() const { return FCanUndo; }
    void SetCanUndo(bool Value) { FCanUndo = Value; }
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
    const std::string& ValidChars() const { return FValidChars; }
    void SetValidChars(const std::string& Value) { FValidChars = Value; }
    bool AutoThousandSeparator() const { return FAutoThousandSeparator; }
    void SetAutoThousandSeparator(bool Value) { FAutoThousandSeparator = Value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value) { FFlat = Value; }
    bool FocusDraw() const { return FFocusDraw; }
    void SetFocusDraw(bool Value) { FFocusDraw = Value; }
    bool ForceShadow() const { return FForceShadow; }
    void SetForceShadow(bool Value) { FForceShadow = Value; }
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value) { FFocusControl = Value; }
    TControl* Control() const { return FControl; }
    void SetControl(TControl* Value);
    bool IsModified() const { return FIsModified; }
    // The remembered popup size of the last closing; -1 when none.
    int UserDropDownWidth() const { return FUserDropDownWidth; }
    int UserDropDownHeight() const { return FUserDropDownHeight; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetEnabled(bool Value) override;
    void WndProc(TMessage& Message) override;

    TNotifyEvent OnBeforeDropDown;
    TDropDown OnDropDown;
    TNotifyEvent OnBeforeDropUp;
    TDropUp OnDropUp;
    TDropDownButtonItemClick OnDropDownHeaderButtonClick;
    TDropDownButtonItemClick OnDropDownFooterButtonClick;
    TDrawBackGroundEvent OnDrawHeader;
    TDrawBackGroundEvent OnDrawFooter;
    TGetTextEvent OnGetHeaderText;
    TGetTextEvent OnGetFooterText;
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardCut;
    TClipboardEvent OnClipboardPaste;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

protected:
    // Steps descendants extend; see the class comment for the order they run in.
    virtual void CreateDropDownForm();
    virtual void CreateDropDownButton();
    virtual void SizeDropDownButton();
    virtual void DoBeforeDropDown();
    virtual void AdjustDropDownHeight(int& Height) {}
    virtual void FocusDropDownControl();
    virtual void DoDropDown();
    virtual void PlaceDropDownControl();
    virtual void SizeDropDownForm();
    // The popup's height without its hosted control: border and visible header and footer.
    int PopupFrameHeight() const;
    // An open popup follows a change of what it shows: sized and placed again at once.
    void RelayoutOpenPopup();
    // The next opening sizes the popup to its content again, not to the user's last size.
    void ForgetUserDropDownSize();
    void DoHideDropDown(bool Cancelled) override;
    void DropDownHeaderButtonClick(int ButtonIndex) override;
    void DropDownFooterButtonClick(int ButtonIndex) override;
    virtual void DropDownFormHide();
    virtual void DropDownFormDestroy() {}
    virtual void DropDownFormKeyPress(TChar& Key);
    virtual void DropDownFormKeyDown(WORD& Key, TShiftState Shift);
    virtual void DropDownFormKeyUp(WORD& Key, TShiftState Shift);
    virtual void ControlKeyDown(WORD& Key, TShiftState Shift);
    // The key-down of a control in the popup: Tab leaves the popup, other keys go to
    // ControlKeyDown.
    void PopupControlKeyDown(WORD& Key, TShiftState Shift);
    virtual void ControlKeyUp(WORD& Key, TShiftState Shift);
    virtual void ControlKeyPress(TChar& Key);
    virtual void DropDownFormSizing() {}
    virtual void DoWheelDown() {}
    virtual void DoWheelUp() {}
    // Whether the wheel over the hosted control steps the value (DoWheelDown, DoWheelUp) instead
    // of scrolling the control.
    virtual bool WheelStepsOverControl() const { return false; }
    virtual void SetEditRect();
    virtual void DoLabelClick();
    virtual void DoLabelDblClick();
    // Paints the focused value of a non-editable edit as a highlighted box.
    virtual void PaintEditContent();
    void CreateLabel();
    void UpdateLabelPosition();
    void PaintOver() override;
    virtual void PlaceDropDownButton();
    // The key-down and key-press hooks the grid's editor wrappers call.
    virtual void HandleKeyDown(WORD& Key, TShiftState Shift);
    virtual void HandleKeyPress(TChar& Key);

    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(TChar& Key) override;
    void DoEnter() override;
    void DoExit() override;
    // Whether leaving the edit writes its number in the edit type's format.
    virtual bool FormatsValueOnExit() const { return true; }
    void Change() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void Resize() override;
    void Notification(TComponent* component, bool removing) override;

    // The smallest height the edit accepts: its font's height and a quarter more.
    int GetMinHeight() const;
    // Types a character (8: Backspace) at the caret, over the selection, as the edit would.
    void InsertTyped(TChar Key);
    void DropDownButtonClick();
    TRect GetEditRect() const { return FEditRect; }

private:
    // Positions in the edit text count UTF-16 units, as the edit's caret does.
    struct TValueSpan {
        std::u16string EditText;
        int P = 0; // prefix length
        int L = 0; // value length
        int S = 0; // suffix length, when the text ends with the suffix
        std::u16string Value() const { return EditText.substr(P, L); }
    };
    TValueSpan Span() const;
    void SetEditTextKeepingState(const std::u16string& EditText);
    void SetCaret(int Position, int Length = 0);
    int DigitsBeforeDecimal(const std::u16string& S) const;
    int DecimalPos() const;
    bool IsMinusAllowed(TChar Key) const;
    bool IsDecimalsFull(const TValueSpan& Shown, int Caret) const;
    bool ThousandGroupRefuses(const TValueSpan& Shown, int Caret) const;
    void FormatMoney();
    // The typing rules of the edit types; false drops the character.
    bool FilterChar(TMessage& Message);
    bool FilterTypedChar(TChar& Key, const TValueSpan& Shown);
    bool FilterFloatChar(TChar& Key, const TValueSpan& Shown, bool Money);
    void ToggleSign(const TValueSpan& Shown);
    void SendCharToEdit(TChar Key);
    // Caret rules around prefix and suffix; false swallows the key.
    bool FilterEditKey(WORD& Key, TShiftState Shift);
    void KeepCaretInValue();
    bool PressInSelection(const TMessage& Message) const;
    void PasteValue();
    void CutValue();
    void CopyValue();
    void FormatOnExit();
    void HandleKeyDownMessage(TMessage& Message);
    bool WantSpecialKey(TMessage& Message);
    void HookControlKeys();
    // The popup sized to what it shows (or to the user's size) and its control placed.
    void SizePopupToContent();
    // Where the popup goes on the screen, below or above the edit inside the work area.
    TRect PopupScreenRect();
    void PaintBorder();
    // Flat edits look sunken while the mouse is over them or they hold the focus.
    bool IsHot() const;

    int FDropDownWidth = 0;
    int FDropDownHeight = 0;
    int FUserDropDownWidth = -1;
    int FUserDropDownHeight = -1;
    bool FEditorEnabled = true;
    TDropPosition FDropPosition = dpAuto;
    bool FFlat = false;
    TImageList* FImages = nullptr;
    bool FDropDownShadow = true;
    int FDropDownBorderWidth = 1;
    std::string FButtonHint;
    TColor FDropDownColorTo = clNone;
    TColor FDropDownColor = 0xFFFFFF;
    TColor FDropDownBorderColor = 0;
    int FButtonWidth = 17;
    bool FMouseInControl = false;
    TWinControl* FFocusControl = nullptr;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TExButtonAppearance> FButtonAppearance;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
    TControl* FControl = nullptr;
    TGradientDirection FDropDownGradient = gdHorizontal;
    bool FDropDownSizeable = true;
    TColor FSelectionColor = 0xD7FFFD;
    TColor FSelectionColorTo = 0x58D4FC;
    TULKStyle FULKStyle = tsOffice2007Luna;
    TSelectionColorStyle FSelectionColorStyle = scOffice2007;
    TDropDownEditType FEditType = etString;
    int16_t FLengthLimit = 0;
    int16_t FPrecision = 0;
    std::string FPrefix;
    std::string FSuffix;
    bool FSigned = false;
    bool FReturnIsTab = false;
    bool FBlockChange = false;
    bool FAllowNumericNullValue = false;
    bool FDefaultHandling = true;
    bool FCanUndo = true;
    bool FExcelStyleDecimalSeparator = false;
    std::string FValidChars;
    bool FBlockCopy = false;
    bool FButtonDown = false;
    bool FAutoThousandSeparator = true;
    bool FIsModified = false;
    TRect FEditRect{};
    bool FDropDownEnabled = false;
    bool FDroppedDown = false;
    bool FFocusDraw = true;
    bool FForceShadow = false;
    TColor FBorderColor = clNone;
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = true;
    TDropDownForm* FDropDownForm = nullptr;
    TDropDownEditButton* FButton = nullptr;
    std::string FOldText;
    TLabel* FLabel = nullptr;
    std::unique_ptr<TFont> FLabelFont;
    int FLabelMargin = 4;
    TLabelPosition FLabelPosition = lpLeftTop;
    bool FLabelAlwaysEnabled = false;
    bool FLabelTransparent = false;
    // The value when the popup opened: what a cancel brings back.
    std::string FValueAtDropDown;
    bool FDestroying = false;
};
