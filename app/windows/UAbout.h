#pragma once

#include "platform/ui/Form.h"

class TLabel;
class TImage;
class TGlyphButton;

// The about box: product, software code, version and document code, in fixed texts.
class TFAbout : public TForm {
public:
    explicit TFAbout(TComponent* AOwner);

    TGlyphButton* GlyphButton1 = nullptr;
    TImage* Image2 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* Label12 = nullptr;

    void FormShow(TObject* Sender);
    // The web address and the picture do nothing when clicked.
    void Label4Click(TObject* Sender);
};

extern TFAbout* FAbout;

// The maker's web address as the windows show it.
inline constexpr const char* Maker_Web_Address = "www.quorvelco.com";
