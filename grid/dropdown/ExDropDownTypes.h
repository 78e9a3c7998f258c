#pragma once

#include "grid/dropdown/SelectionColorStyle.h"
#include "grid/foundation/LabelPosition.h"
#include "grid/stringgrid/DropDownStripAppearance.h"
#include "platform/ui/Types.h"

#include <functional>
#include <string>

class TCanvas;
class TObject;

// Types shared by the drop-down edit, its popup and its button. TGradientDirection comes with
// the strip appearances.

enum TDropPosition { dpAuto, dpDown, dpUp };
enum TButtonStyle { bsButton, bsDropDown };
// The label positions the grid foundation's list lacks: above and below, right-aligned.
constexpr TLabelPosition lpTopRight = static_cast<TLabelPosition>(lpRighBottom + 1);
constexpr TLabelPosition lpBottomRight = static_cast<TLabelPosition>(lpRighBottom + 2);
enum TDropDownEditType {
    etString,
    etNumeric,
    etFloat,
    etUppercase,
    etMixedCase,
    etLowerCase,
    etPassword,
    etMoney,
    etRange,
    etHex,
    etAlphaNumeric,
    etValidChars
};

// acceptdrop arrives true; false cancels the opening.
using TDropDown = std::function<void(TObject* Sender, bool& acceptdrop)>;
using TDropUp = std::function<void(TObject* Sender, bool Cancelled)>;
using TDropDownButtonItemClick = std::function<void(TObject* Sender, int ButtonIndex)>;
using TDrawBackGroundEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect)>;
using TGetTextEvent = std::function<void(TObject* Sender, std::string& Text)>;
using TClipboardEvent = std::function<void(TObject* Sender, const std::string& value, bool& allow)>;
