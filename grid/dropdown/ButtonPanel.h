#pragma once

#include "grid/dropdown/ButtonAppearance.h"
#include "grid/dropdown/CollectionItem.h"
#include "grid/dropdown/SelectionColorStyle.h"
#include "platform/ui/Control.h"

#include <functional>
#include <memory>
#include <string>

class TChangeLink;
class TImageList;
class TPicture;

// The calculator mode builds and places the keypad itself; the custom mode leaves the buttons and
// their rectangles to the user.
enum TButtonPanelType { plCalculator, plCustom };

using TCalculatorButtonClickEvent = std::function<void(TObject* Sender, int Index)>;

class TButtonItem : public TCollectionItemBase {
public:
    explicit TButtonItem(TButtonCollectionBase* Collection);
    ~TButtonItem() override;

    // From another button item; anything else is ignored. The rectangle and Special belong to the
    // panel's layout and are not copied.
    void Assign(const TObject* Source);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    TColor CaptionColor() const { return FCaptionColor; }
    void SetCaptionColor(TColor Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    // A picture that is not empty wins over the image list.
    TPicture* Image() const { return FImage.get(); }
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    // A disabled button can be neither hot nor pressed.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    // The caption is drawn in the appearance's SpecialTextColor.
    bool Special() const { return FSpecial; }
    void SetSpecial(bool Value) { FSpecial = Value; }

    TRect ButtonRect() const { return Rect(FLeft, FTop, FLeft + FWidth, FTop + FHeight); }
    void SetButtonRect(const TRect& R);

private:
    std::string FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    std::unique_ptr<TPicture> FImage;
    int FTag = 0;
    int FHeight = 0;
    int FLeft = 0;
    int FWidth = 0;
    int FTop = 0;
    std::string FName;
    TColor FCaptionColor = 0xFFFFFF;
    bool FSpecial = false;
};

using TButtonItems = TButtonCollection<TButtonItem>;

// A set of push buttons with a hot and a pressed button that reports a click with the button's
// index; in calculator mode it builds and places the 28 keys of a pocket calculator.
class TCustomButtonPanel : public TCustomControl {
public:
    static constexpr int CalculatorButtonCount = 28;

    explicit TCustomButtonPanel(TComponent* AOwner);
    ~TCustomButtonPanel() override;

    TButtonItems* Buttons() const { return FButtons.get(); }
    void SetButtons(const TButtonItems& Value) { FButtons->Assign(&Value); }
    TButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
    void SetButtonAppearance(const TButtonAppearance& Value) { FButtonAppearance->Assign(Value); }
    TItemLayout ButtonLayout() const { return FButtonLayout; }
    void SetButtonLayout(TItemLayout Value) { FButtonLayout = Value; }
    TButtonPanelType ButtonPanelType() const { return FButtonPanelType; }
    void SetButtonPanelType(TButtonPanelType Value);
    // Not owned; a list that is freed leaves the panel without images.
    TImageList* Images() const;
    void SetImages(TImageList* Value);
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    void SetItemColorStyle(TSelectionColorStyle Value) { FItemColorStyle = Value; }
    // The edit the panel serves; kept for its user.
    TWinControl* Edit() const { return FEdit; }
    void SetEdit(TWinControl* Value) { FEdit = Value; }
    // The drop-down that hosts the panel; a hosted panel leaves its frame and its repaints to the
    // popup.
    TComponent* ExDropDown() const { return FExDropDown; }
    void SetExDropDown(TComponent* DropDown) { FExDropDown = DropDown; }

    int ButtonHot() const { return FButtonHot; }
    int ButtonDown() const { return FButtonDown; }
    void SetButtonHot(int Index);
    void SetButtonDown(int Index);

    virtual void DrawButton(int Index, TCanvas* ACanvas);
    virtual void GetContentRect(TRect& R) const;
    // The size a button needs for the largest content of all buttons.
    virtual void GetButtonSize(TSize& Size);
    virtual void ClearButtons();
    // Rebuilds the default set.
    virtual void ResetButtons();
    // Nothing when the panel has buttons already; else the calculator keys in calculator mode.
    // Then the buttons are placed.
    virtual void CreateButtons();
    virtual void ArrangeButtons();
    virtual void InvalidateButton(int Index);
    virtual void DoButtonClick(int Index);

    TRect GetButtonRect(int Index) const;
    // Lowest button whose rectangle holds the point, -1 for none.
    int ButtonAtPos(int X, int Y) const;
    // Every button in index order; without IncludeHot the hot one is left out and drawn last.
    void DrawButtons(TCanvas* ACanvas, bool IncludeHot);
    // The stand-alone panel gets its keys when it is loaded from a form.
    void Loaded();

    TCalculatorButtonClickEvent OnButtonClick;

protected:
    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;

private:
    bool IsValidIndex(int Index) const { return Index >= 0 && Index < FButtons->Count(); }
    bool IsEnabledButton(int Index) const;
    // Moves the hot or pressed mark (Field) to Index.
    void MoveMark(int& Field, int Index);
    void AddCalculatorButtons();
    void ArrangeCalculatorButtons();
    void RepaintUnlessHosted();
    // The picture or image-list image of a button: its size, (0, 0) for none.
    TSize ImageSize(const TButtonItem& Item) const;
    void DrawImage(TCanvas* ACanvas, const TButtonItem& Item, int X, int Y) const;

    std::unique_ptr<TButtonItems> FButtons;
    TItemLayout FButtonLayout = ilCaptionRight;
    TSelectionColorStyle FItemColorStyle = scCustom;
    int FButtonHot = -1;
    int FOffSetX = 8;
    int FOffSetY = 8;
    int FButtonOffSetX = 4;
    int FButtonOffSetY = 4;
    std::unique_ptr<TChangeLink> FImageLink;
    int FCaptionGap = 0;
    TWinControl* FEdit = nullptr;
    TButtonPanelType FButtonPanelType = plCalculator;
    std::unique_ptr<TButtonAppearance> FButtonAppearance;
    int FButtonDown = -1;
    TComponent* FExDropDown = nullptr;
};
