#include "grid/stringgrid/ExButtonAppearance.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/ui/Component.h"
#include "platform/ui/Font.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Counts the firings of an event.
struct Counter {
    int Count = 0;
    TObject* LastSender = nullptr;
    TNotifyEvent Handler() {
        return [this](TObject* sender) {
            ++Count;
            LastSender = sender;
        };
    }
};

template <class TAppearance> void ExpectStripDefaults(const TAppearance& a, TComponent* owner) {
    EXPECT_EQ(a.GetOwner(), owner);
    EXPECT_EQ(a.Color(), 0xC0C0C0);
    EXPECT_EQ(a.ColorTo(), 0xFFFFFF);
    EXPECT_EQ(a.Caption(), "");
    EXPECT_EQ(a.GradientDirection(), gdVertical);
    EXPECT_TRUE(a.Visible());
    EXPECT_EQ(a.Height(), 22);
    EXPECT_EQ(a.BorderColor(), 0);
    EXPECT_EQ(a.BorderWidth(), 1);
    EXPECT_EQ(a.ImageIndex(), -1);
    EXPECT_EQ(a.Buttons()->Count(), 0);
    EXPECT_EQ(a.Buttons()->GetOwner(), owner);
    EXPECT_EQ(a.ButtonAlignment(), baRight);
}

// Gives every shared property a value other than its default.
template <class TAppearance> void ChangeEverything(TAppearance& a) {
    a.SetColor(clRed);
    a.SetColorTo(clBlue);
    a.SetCaption("Pick one");
    a.Font()->SetName("Verdana");
    a.Font()->SetHeight(-17);
    a.SetGradientDirection(gdHorizontal);
    a.SetVisible(false);
    a.SetHeight(30);
    a.SetBorderColor(clGreen);
    a.SetBorderWidth(2);
    a.SetImageIndex(4);
    a.SetButtonAlignment(baLeft);
    auto* button = a.Buttons()->Add();
    button->SetCaption("OK");
    button->SetWidth(60);
    button->SetHeight(20);
    button->SetImageIndex(3);
    button->SetEnabled(false);
}

template <class TAppearance> void ExpectSameStrip(const TAppearance& a, const TAppearance& b) {
    EXPECT_EQ(a.Color(), b.Color());
    EXPECT_EQ(a.ColorTo(), b.ColorTo());
    EXPECT_EQ(a.Caption(), b.Caption());
    EXPECT_TRUE(a.Font()->SameAs(*b.Font()));
    EXPECT_EQ(a.GradientDirection(), b.GradientDirection());
    EXPECT_EQ(a.Visible(), b.Visible());
    EXPECT_EQ(a.Height(), b.Height());
    EXPECT_EQ(a.BorderColor(), b.BorderColor());
    EXPECT_EQ(a.BorderWidth(), b.BorderWidth());
    EXPECT_EQ(a.ImageIndex(), b.ImageIndex());
    EXPECT_EQ(a.ButtonAlignment(), b.ButtonAlignment());
    ASSERT_EQ(a.Buttons()->Count(), b.Buttons()->Count());
    for (int i = 0; i < a.Buttons()->Count(); ++i) {
        const auto* x = a.Buttons()->GetItem(i);
        const auto* y = b.Buttons()->GetItem(i);
        EXPECT_NE(x, y) << "buttons are copied, not shared";
        EXPECT_EQ(x->Caption(), y->Caption());
        EXPECT_EQ(x->ImageIndex(), y->ImageIndex());
        EXPECT_EQ(x->Enabled(), y->Enabled());
        EXPECT_EQ(x->Width(), y->Width());
        EXPECT_EQ(x->Height(), y->Height());
    }
}

} // namespace

TEST(HeaderAppearance, Defaults) {
    TComponent owner(nullptr);
    THeaderAppearance header(&owner);
    ExpectStripDefaults(header, &owner);
    EXPECT_EQ(header.Font()->Name(), "Tahoma");
}

TEST(FooterAppearance, Defaults) {
    TComponent owner(nullptr);
    TFooterAppearance footer(&owner);
    ExpectStripDefaults(footer, &owner);
    EXPECT_TRUE(footer.SizeGrip());
    EXPECT_TRUE(footer.Font()->SameAs(TFont()));
}

TEST(HeaderAppearance, AssignCopiesEveryPropertyAndTheButtons) {
    THeaderAppearance source(nullptr);
    ChangeEverything(source);
    THeaderAppearance target(nullptr);
    Counter visible, buttons;
    target.OnChange = visible.Handler();
    target.OnButtonsChanged = buttons.Handler();
    target.Assign(&source);
    ExpectSameStrip(target, source);
    EXPECT_EQ(visible.Count, 1) << "Visible changed through its setter";
    EXPECT_EQ(buttons.LastSender, &target);
    EXPECT_GE(buttons.Count, 1);
    // Assigning the same values again changes nothing visible.
    target.Assign(&source);
    EXPECT_EQ(visible.Count, 1);
}

TEST(FooterAppearance, AssignAlsoCopiesTheSizeGripAndModalResults) {
    TFooterAppearance source(nullptr);
    ChangeEverything(source);
    source.SetSizeGrip(false);
    source.Buttons()->GetItem(0)->SetModalResult(mrOk);
    TFooterAppearance target(nullptr);
    target.Assign(&source);
    ExpectSameStrip(target, source);
    EXPECT_FALSE(target.SizeGrip());
    EXPECT_EQ(target.Buttons()->GetItem(0)->ModalResult(), mrOk);
}

TEST(DropDownStripAppearance, HeaderAndFooterDoNotCopyEachOther) {
    THeaderAppearance header(nullptr);
    ChangeEverything(header);
    TFooterAppearance footer(nullptr);
    footer.Assign(&header);
    footer.AssignColors(&header);
    ExpectStripDefaults(footer, nullptr);

    TFooterAppearance otherFooter(nullptr);
    ChangeEverything(otherFooter);
    THeaderAppearance plainHeader(nullptr);
    plainHeader.Assign(&otherFooter);
    plainHeader.AssignColors(&otherFooter);
    plainHeader.Assign(nullptr);
    ExpectStripDefaults(plainHeader, nullptr);
}

TEST(DropDownStripAppearance, AssignColorsCopiesOnlyTheLook) {
    THeaderAppearance source(nullptr);
    ChangeEverything(source);
    THeaderAppearance target(nullptr);
    target.AssignColors(&source);
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_EQ(target.ColorTo(), clBlue);
    EXPECT_EQ(target.BorderColor(), clGreen);
    EXPECT_EQ(target.GradientDirection(), gdHorizontal);
    EXPECT_EQ(target.Font()->Name(), "Verdana");
    EXPECT_EQ(target.Caption(), "");
    EXPECT_TRUE(target.Visible());
    EXPECT_EQ(target.Height(), 22);
    EXPECT_EQ(target.BorderWidth(), 1);
    EXPECT_EQ(target.Buttons()->Count(), 0);

    TFooterAppearance footerSource(nullptr);
    ChangeEverything(footerSource);
    footerSource.SetSizeGrip(false);
    TFooterAppearance footer(nullptr);
    footer.AssignColors(&footerSource);
    EXPECT_EQ(footer.Color(), clRed);
    EXPECT_TRUE(footer.SizeGrip());
    EXPECT_EQ(footer.Buttons()->Count(), 0);
}

TEST(DropDownStripAppearance, OnlyAChangeOfVisibleFiresOnChange) {
    THeaderAppearance header(nullptr);
    Counter changes;
    header.OnChange = changes.Handler();
    header.SetVisible(true);
    EXPECT_EQ(changes.Count, 0);
    header.SetVisible(false);
    EXPECT_EQ(changes.Count, 1);
    EXPECT_EQ(changes.LastSender, &header);
    header.SetColor(clRed);
    header.SetHeight(40);
    header.SetCaption("x");
    TFont font;
    font.SetName("Arial");
    header.SetFont(&font);
    EXPECT_EQ(changes.Count, 1);
    EXPECT_EQ(header.Font()->Name(), "Arial");
    EXPECT_NE(header.Font(), &font);
}

TEST(DropDownStripAppearance, ButtonChangesReachOnButtonsChanged) {
    TFooterAppearance footer(nullptr);
    Counter buttons;
    footer.OnButtonsChanged = buttons.Handler();
    TFooterButton* button = footer.Buttons()->Add();
    EXPECT_EQ(buttons.Count, 1);
    EXPECT_EQ(buttons.LastSender, &footer);
    struct Write {
        const char* What;
        std::function<void()> Do;
        int Fires;
    };
    const std::vector<Write> writes = {
        {"new caption", [&] { button->SetCaption("Close"); }, 1},
        {"same caption", [&] { button->SetCaption("Close"); }, 0},
        {"disable", [&] { button->SetEnabled(false); }, 1},
        {"disable again", [&] { button->SetEnabled(false); }, 0},
        {"width", [&] { button->SetWidth(70); }, 1},
        {"same width", [&] { button->SetWidth(70); }, 0},
        {"height", [&] { button->SetHeight(12); }, 0},
        {"image", [&] { button->SetImageIndex(2); }, 0},
        {"modal result", [&] { button->SetModalResult(mrCancel); }, 0},
        {"insert", [&] { footer.Buttons()->Insert(0); }, 1},
        {"delete", [&] { footer.Buttons()->Delete(0); }, 1},
    };
    for (const Write& w : writes) {
        int before = buttons.Count;
        w.Do();
        EXPECT_EQ(buttons.Count - before, w.Fires) << w.What;
    }
    EXPECT_EQ(footer.Buttons()->GetItem(0), button);
    EXPECT_THROW(footer.Buttons()->GetItem(1), std::out_of_range);
}

TEST(DropDownStripAppearance, ButtonDefaultsAndCopies) {
    THeaderButtons headerButtons(nullptr);
    THeaderButton* header = headerButtons.Add();
    EXPECT_EQ(header->Caption(), "");
    EXPECT_EQ(header->ImageIndex(), -1);
    EXPECT_TRUE(header->Enabled());
    EXPECT_EQ(header->Width(), 0);
    EXPECT_EQ(header->Height(), 0);
    EXPECT_EQ(header->Collection(), &headerButtons);

    TFooterButtons footerButtons(nullptr);
    TFooterButton* footer = footerButtons.Add();
    EXPECT_EQ(footer->ModalResult(), mrNone);
    footer->SetCaption("Apply");
    footer->SetModalResult(mrYes);
    footer->SetHeight(9);
    // A header button takes what it has of a footer button; a footer button keeps its modal
    // result when copied from a header button.
    header->Assign(footer);
    EXPECT_EQ(header->Caption(), "Apply");
    EXPECT_EQ(header->Height(), 9);
    TFooterButton* second = footerButtons.Add();
    second->SetModalResult(mrAbort);
    second->Assign(header);
    EXPECT_EQ(second->Caption(), "Apply");
    EXPECT_EQ(second->ModalResult(), mrAbort);
    footerButtons.SetItem(1, footer);
    EXPECT_EQ(second->ModalResult(), mrYes);
}

TEST(ExButtonAppearance, Defaults) {
    TExButtonAppearance a;
    struct Colour {
        const char* Name;
        TColor Value, Expected;
    };
    const std::vector<Colour> colours = {
        {"BorderColor", a.BorderColor(), clNone},
        {"BorderColorHot", a.BorderColorHot(), 0x808080},
        {"BorderColorDown", a.BorderColorDown(), 0x800000},
        {"BorderColorChecked", a.BorderColorChecked(), 0xFF0000},
        {"BorderColorDisabled", a.BorderColorDisabled(), 0x808080},
        {"Color", a.Color(), clNone},
        {"ColorTo", a.ColorTo(), clNone},
        {"ColorDisabled", a.ColorDisabled(), 0xF2F2F2},
        {"ColorDisabledTo", a.ColorDisabledTo(), clNone},
        {"ColorDown", a.ColorDown(), 0xF5D8CA},
        {"ColorDownTo", a.ColorDownTo(), 0xF9BDA0},
        {"ColorHot", a.ColorHot(), 0xF5F0E1},
        {"ColorHotTo", a.ColorHotTo(), 0xF9D2B2},
        {"ColorChecked", a.ColorChecked(), 0xF5D8CA},
        {"ColorCheckedTo", a.ColorCheckedTo(), 0xF9BDA0},
    };
    for (const Colour& c : colours)
        EXPECT_EQ(c.Value, c.Expected) << c.Name;
    EXPECT_EQ(a.Gradient(), gdVertical);
    EXPECT_EQ(a.Font()->Name(), "Tahoma");
}

TEST(ExButtonAppearance, AssignCopiesEveryColourThroughTheSettersButNotTheFont) {
    TExButtonAppearance source;
    int value = 1;
    for (auto setter :
         {&TExButtonAppearance::SetBorderColor, &TExButtonAppearance::SetBorderColorHot,
          &TExButtonAppearance::SetBorderColorDown, &TExButtonAppearance::SetBorderColorChecked,
          &TExButtonAppearance::SetBorderColorDisabled, &TExButtonAppearance::SetColor,
          &TExButtonAppearance::SetColorTo, &TExButtonAppearance::SetColorDisabled,
          &TExButtonAppearance::SetColorDisabledTo, &TExButtonAppearance::SetColorDown,
          &TExButtonAppearance::SetColorDownTo, &TExButtonAppearance::SetColorHot,
          &TExButtonAppearance::SetColorHotTo, &TExButtonAppearance::SetColorChecked,
          &TExButtonAppearance::SetColorCheckedTo})
        (source.*setter)(value++);
    source.SetGradient(gdHorizontal);
    source.Font()->SetName("Courier New");

    TExButtonAppearance target;
    Counter changes;
    target.OnChange = changes.Handler();
    target.Assign(&source);
    EXPECT_EQ(changes.Count, 16) << "one per changed value";
    EXPECT_EQ(changes.LastSender, &target);
    const std::vector<TColor> copied = {target.BorderColor(),
                                        target.BorderColorHot(),
                                        target.BorderColorDown(),
                                        target.BorderColorChecked(),
                                        target.BorderColorDisabled(),
                                        target.Color(),
                                        target.ColorTo(),
                                        target.ColorDisabled(),
                                        target.ColorDisabledTo(),
                                        target.ColorDown(),
                                        target.ColorDownTo(),
                                        target.ColorHot(),
                                        target.ColorHotTo(),
                                        target.ColorChecked(),
                                        target.ColorCheckedTo()};
    for (size_t i = 0; i < copied.size(); ++i)
        EXPECT_EQ(copied[i], static_cast<TColor>(i + 1)) << i;
    EXPECT_EQ(target.Gradient(), gdHorizontal);
    EXPECT_EQ(target.Font()->Name(), "Tahoma");

    target.Assign(&source);
    EXPECT_EQ(changes.Count, 16) << "nothing changed the second time";
    target.SetColorHot(target.ColorHot());
    EXPECT_EQ(changes.Count, 16);
    TFont font;
    font.SetName("Arial");
    target.SetFont(&font);
    EXPECT_EQ(changes.Count, 16);
    EXPECT_EQ(target.Font()->Name(), "Arial");
}
