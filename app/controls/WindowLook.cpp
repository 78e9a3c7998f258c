#include "app/controls/WindowLook.h"

#include "app/controls/GlyphButton.h"
#include "app/controls/GlyphPictures.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Font.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

void Apply_Window_Look(TForm* form, int clientWidth, int clientHeight) {
    form->SetColor(Window_Color);
    form->Font()->SetName("Verdana");
    form->Font()->SetHeight(-11);
    form->SetPosition(poScreenCenter);
    form->SetBorderStyle(bsSingle);
    form->SetBorderIcons(TBorderIcons{biSystemMenu});
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(clientHeight);
}

TLabel* Make_Label(TForm* owner, TWinControl* parent, int left, int top,
                   const std::string& caption) {
    auto* label = new TLabel(owner);
    label->SetParent(parent);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetTransparent(true);
    label->SetCaption(caption);
    return label;
}

TGlyphButton* Make_Glyph_Button(TForm* owner, TWinControl* parent, int left, int top, int width,
                                int height, std::string_view glyph, TGlyphButtonStyle style,
                                TColor hotTrack) {
    auto* button = new TGlyphButton(owner);
    button->SetParent(parent);
    button->SetBounds(left, top, width, height);
    button->SetStyle(style);
    button->SetColor(Window_Color);
    button->SetColorWhenDown(Button_Down_Color);
    button->SetHotTrackColor(hotTrack);
    button->SetLightColor(clGray);
    TBitmap picture;
    if (Load_Stock_Glyph(picture, glyph))
        button->SetGlyph(&picture);
    return button;
}

TPanel* Make_Window_Panel(TForm* form, TAlign align, int height) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetAlign(align);
    if (height > 0)
        panel->SetHeight(height);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(Window_Color);
    panel->SetCaption("");
    return panel;
}

void Style_Title_Labels(TLabel* code, TLabel* description) {
    code->Font()->SetName("Verdana");
    code->Font()->SetHeight(-32);
    code->Font()->SetColor(Title_Text_Color);
    description->Font()->SetName("Verdana");
    description->Font()->SetHeight(-11);
    description->Font()->SetColor(Title_Text_Color);
    description->Font()->SetStyle(TFontStyles{fsBold});
}
