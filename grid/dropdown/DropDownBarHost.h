#pragma once

#include "grid/dropdown/DropDownCloser.h"
#include "platform/ui/Colors.h"

class TExButtonAppearance;
class TFooterAppearance;
class THeaderAppearance;
class TImageList;

// What the header and footer bars of a popup need of the drop-down edit they serve: its looks,
// its image list, its popup frame and sizing, and its button-click events.
class TDropDownBarHost : public TDropDownCloser {
public:
    virtual THeaderAppearance* DropDownHeader() const = 0;
    virtual TFooterAppearance* DropDownFooter() const = 0;
    virtual TExButtonAppearance* ButtonAppearance() const = 0;
    virtual TImageList* Images() const = 0;
    virtual bool DropDownSizeable() const = 0;
    virtual int DropDownBorderWidth() const = 0;
    virtual TColor DropDownBorderColor() const = 0;
    // Fire the drop-down's OnDropDownHeaderButtonClick and OnDropDownFooterButtonClick.
    virtual void DropDownHeaderButtonClick(int ButtonIndex) = 0;
    virtual void DropDownFooterButtonClick(int ButtonIndex) = 0;
};
