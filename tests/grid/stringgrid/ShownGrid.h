#pragma once

#include "ExGridTestGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"

#include <memory>

// A grid on show in a form of the offscreen platform.
struct ShownGrid {
    ShownGrid() {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 500, 400);
        grid = new TTestExGrid(form.get());
        grid->SetParent(form.get());
        form->Show();
        Application->ProcessMessages();
    }
    // Lets every pending paint run.
    void Settle() {
        for (int i = 0; i < 3; ++i)
            Application->ProcessMessages();
    }
    std::unique_ptr<TForm> form;
    TTestExGrid* grid;
};
