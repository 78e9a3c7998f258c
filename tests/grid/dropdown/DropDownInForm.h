#pragma once

#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/ExCustomDropDown.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"

#include <functional>
#include <memory>

// A drop-down made by Make, standing in a shown form with the focus, as a user meets it.
struct TDropDownInForm {
    explicit TDropDownInForm(const std::function<TExCustomDropDown*(TForm*)>& Make)
        : Form(std::make_unique<TForm>(nullptr)) {
        Form->SetBounds(100, 100, 500, 400);
        Drop = Make(Form.get());
        Drop->SetParent(Form.get());
        Drop->SetBounds(10, 40, 200, 21);
        Form->Show();
        Drop->SetFocus();
    }
    // A click on the drop-down's button, which opens the popup.
    void ClickButton() const {
        TControl* button = Drop->Button();
        InputSimulation::Click(button, {button->Width() / 2, button->Height() / 2});
    }

    std::unique_ptr<TForm> Form;
    TExCustomDropDown* Drop = nullptr;
};
