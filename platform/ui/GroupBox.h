#pragma once

#include "platform/ui/Control.h"

// A frame with a caption in its top edge around a group of controls. Aligned children are
// placed inside the frame, below the caption.
class TGroupBox : public TCustomControl {
public:
    explicit TGroupBox(TComponent* AOwner);

    // Aligned children follow the caption's height.
    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;
    void AlignControls(TControl* control, TRect& rect) override;

private:
    int CaptionHeight() const;
};
