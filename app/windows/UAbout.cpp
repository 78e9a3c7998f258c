#include "app/windows/UAbout.h"

#include "app/controls/GlyphButton.h"
#include "app/controls/GlyphPictures.h"
#include "app/controls/WindowLook.h"
#include "app/core/AppState.h"
#include "app/windows/VersionCheck.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"

TFAbout* FAbout = nullptr;

TFAbout::TFAbout(TComponent* AOwner) : TForm(AOwner) {
    SetName("FAbout");
    Apply_Window_Look(this, 425, 148);
    Font()->SetColor(0x00333333);
    SetCaption("About...");

    GlyphButton1 = Make_Glyph_Button(this, this, 307, 110, 110, 28, "LBOK");
    GlyphButton1->SetCaption("OK");
    GlyphButton1->SetModalResult(mrOk);

    Image2 = new TImage(this);
    Image2->SetParent(this);
    Image2->SetBounds(12, 12, 81, 81);
    Image2->SetStretch(true);
    // The picture's key colour stands for the window's background.
    Image2->SetTransparent(true);
    TBitmap picture;
    if (Load_Stock_Glyph(picture, "GATEWAY"))
        Image2->Picture()->Assign(&picture);
    Image2->OnClick = [this](TObject* sender) { Label4Click(sender); };

    Label1 = Make_Label(this, this, 108, 12, "Software Velmaro ");
    Label1->Font()->SetStyle(TFontStyles{fsBold});
    Label1->Font()->SetHeight(-13);
    Label2 = Make_Label(this, this, 108, 34);
    Label6 = Make_Label(this, this, 108, 56, "Software Code : ");
    Label9 = Make_Label(this, this, 230, 56);
    Label3 = Make_Label(this, this, 108, 74, "Version :");
    Label10 = Make_Label(this, this, 230, 74);
    Label8 = Make_Label(this, this, 108, 92, "Document Code :");
    Label12 = Make_Label(this, this, 230, 92);
    Label4 = Make_Label(this, this, 12, 118, Maker_Web_Address);
    Label4->Font()->SetColor(clBlue);
    Label4->Font()->SetStyle(TFontStyles{fsUnderline});
    Label4->SetCursor(crHandPoint);
    Label4->OnClick = [this](TObject* sender) { Label4Click(sender); };

    OnShow = [this](TObject* sender) { FormShow(sender); };
}

void TFAbout::FormShow(TObject*) {
    Label2->SetCaption(AppState().SW_Desc);
    Label9->SetCaption(AppState().SW_Code);
    Label10->SetCaption(std::string(Program_Version));
    Label12->SetCaption("UM40215");
    SetClientWidth(425);
    SetClientHeight(148);
}

void TFAbout::Label4Click(TObject*) {}
