#pragma once

#include "grid/stringgrid/EditLink.h"
#include "platform/ui/Edit.h"

#include <string>

// A custom editor as an application writes one: a line edit whose key-down goes to the link.
class TLineEditLink : public TEditLink {
public:
    using TEditLink::TEditLink;

    TWinControl* GetEditControl() override { return Edit; }
    void CreateEditor(TWinControl* AParent) override {
        if (Edit == nullptr) {
            Edit = new TEdit(AParent);
            Edit->OnKeyDown = [this](TObject* Sender, WORD& Key, TShiftState Shift) {
                EditKeyDown(Sender, Key, Shift);
                // Kept with WantTabs, Tab is this editor's own: it does not move the focus.
                if (Key == VK_TAB)
                    Key = 0;
            };
        }
        Edit->SetParent(AParent);
    }
    void DestroyEditor() override {
        delete Edit;
        Edit = nullptr;
    }
    std::string GetEditorValue() override { return Edit ? Edit->Text() : ""; }
    void SetEditorValue(const std::string& s) override {
        if (Edit)
            Edit->SetText(s);
    }

    TEdit* Edit = nullptr;
};
