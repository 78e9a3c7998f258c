#pragma once

// Small controls for the platform's UI tests: they record what reaches them.

#include "platform/ui/Canvas.h"
#include "platform/ui/Control.h"
#include "platform/ui/Form.h"

#include <string>
#include <vector>

class RecordingControl : public TCustomControl {
public:
    explicit RecordingControl(TComponent* owner, TWinControl* parent = nullptr)
        : TCustomControl(owner) {
        SetTabStop(true);
        if (parent)
            SetParent(parent);
        SetBounds(0, 0, 40, 20);
    }

    void WndProc(TMessage& message) override {
        Received.push_back(message.Msg);
        TCustomControl::WndProc(message);
    }

    bool Saw(UINT msg) const {
        for (UINT m : Received)
            if (m == msg)
                return true;
        return false;
    }

    std::vector<UINT> Received;
};

// A form with a fixed client area for tests.
class TestForm : public TForm {
public:
    explicit TestForm(TComponent* owner) : TForm(owner) {
        SetClientWidth(200);
        SetClientHeight(100);
    }
};
