// The image picker over an image cell as a user works it: the edit shows the cell's image with
// its caption, the open popup highlights that image, every step the keys make in the popup moves
// the highlight with the selection, and Enter takes the highlighted image.
#include "DropDownCellForm.h"
#include "GridEditEventLog.h"
#include "grid/dropdown/GridDropDownEditors.h"

#include "grid/dropdown/DropDownForm.h"
#include "grid/foundation/ScopedFormatSettings.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

const char* const ImageCaptions[] = {"Red", "Green", "Blue", "Grey"};
const TColor ImageColors[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x808080};

// A grid whose column 1 holds data images (the cell's number plus Offset names its image) edited
// with the image picker, the picker offering the four images with captions; an edit beside the
// grid.
struct ImageCellForm : DropDownCellForm {
    explicit ImageCellForm(TCellType Type = ctDataImage, int Offset = 0)
        : DropDownCellForm(30, edImagePickerDropDown) {
        auto* images = new TImageList(Grid);
        for (const TColor color : ImageColors) {
            TBitmap image;
            image.SetSize(16, 16);
            image.Canvas()->Brush()->SetColor(color);
            image.Canvas()->FillRect(TRect{0, 0, 16, 16});
            images->Add(&image, clNone);
        }
        Grid->GridImages = images;
        for (int r = 1; r < 30; ++r) {
            if (Type == ctDataImage) {
                Grid->SetCells(1, r, "1");
                Grid->AddDataImage(1, r, Offset, haLeft, vaTop);
            } else {
                Grid->SetCells(1, r, "cell text");
                Grid->AddImageIdx(1, r, 1, haLeft, vaTop);
            }
        }
        Picker = Grid->ImagePickerDropDown();
        for (int i = 0; i < 4; ++i) {
            TImageItem* item = Picker->Items()->Add();
            item->SetImageIndex(i);
            item->SetCaption(ImageCaptions[i]);
        }
        Picker->SetColumns(2);
        Show();
    }
    ~ImageCellForm() {
        if (Picker->DroppedDown())
            Picker->HideDropDown(true);
    }
    bool Open() const { return Grid->EditMode && Picker->Visible(); }
    TControl* Focused() const { return InputSimulation::FocusedControl(); }
    int Hot() const { return Picker->ItemSelector()->ItemHot(); }
    int Selected() const { return Picker->ItemSelector()->ItemIndex(); }
    // F2, then Alt+Down opens the popup.
    void OpenPopup() {
        InputSimulation::KeyPress(Grid, VK_F2);
        ASSERT_TRUE(Open());
        OpenPopupOnTheEditor();
    }
    void OpenPopupOnTheEditor() {
        InputSimulation::KeyPress(Picker, VK_DOWN, 0, TShiftState() << ssAlt);
        ASSERT_TRUE(Picker->DroppedDown());
    }
    void WheelDownOverPopup() { InputSimulation::Wheel(Picker->DropDownForm(), {5, 5}, -120); }

    TExImagePickerDropDown* Picker;
};

TEST(GridImagePickerCell, TheEditShowsTheChosenImagesCaptionAsThePickMoves) {
    ImageCellForm f;
    InputSimulation::KeyPress(f.Grid, VK_F2);
    ASSERT_TRUE(f.Open());
    EXPECT_EQ(f.Picker->ItemIndex(), 1);
    EXPECT_EQ(f.Picker->Text(), "Green") << "the cell's image shows its caption";
    f.Events.clear();
    // Keys on the closed picker that move the pick: End and Home.
    InputSimulation::KeyPress(f.Picker, VK_END);
    EXPECT_TRUE(f.Open());
    EXPECT_EQ(f.Picker->Text(), "Grey");
    InputSimulation::KeyPress(f.Picker, VK_HOME);
    EXPECT_EQ(f.Picker->Text(), "Red");
    EXPECT_EQ(f.Events, std::vector<std::string>{}) << "a pick is no edit of the text";
    InputSimulation::KeyPress(f.Picker, VK_ESCAPE, 0x1B);
    EXPECT_EQ(f.Grid->Cells(1, 1), "1");
    // The next cell's editor starts on its own image again.
    InputSimulation::KeyPress(f.Grid, VK_DOWN);
    InputSimulation::KeyPress(f.Grid, VK_F2);
    EXPECT_EQ(f.Picker->Text(), "Green");
}

// Each way of moving the pick in the open popup, then Enter: the cell takes the image the
// highlight is on; the pick reports no edit of the text, only the end of the edit.
TEST(GridImagePickerCell, EnterInTheOpenPopupTakesTheHighlightedImage) {
    struct Move {
        const char* Name;
        std::function<void(ImageCellForm&)> Do;
        int Hot; // the highlighted image after the move
    };
    const Move moves[] = {
        {"nothing", [](ImageCellForm&) {}, 1},
        {"wheel", [](ImageCellForm& f) { f.WheelDownOverPopup(); }, 2},
        {"right", [](ImageCellForm&) { InputSimulation::KeyPressFocused(VK_RIGHT); }, 2},
        {"wheel, then left",
         [](ImageCellForm& f) {
             f.WheelDownOverPopup();
             InputSimulation::KeyPressFocused(VK_LEFT);
         },
         0},
        {"home", [](ImageCellForm&) { InputSimulation::KeyPressFocused(VK_HOME); }, 0},
        {"typed search", [](ImageCellForm&) { InputSimulation::KeyPressFocused('B', 'b'); }, 2},
        {"mouse over an image",
         [](ImageCellForm& f) {
             TCustomItemSelector* panel = f.Picker->ItemSelector()->SelectorPanel();
             const TRect cell = panel->GetItemRect(3);
             InputSimulation::MouseMove(panel, {cell.Left + 3, cell.Top + 3});
         },
         3},
    };
    for (const Move& move : moves) {
        SCOPED_TRACE(move.Name);
        ImageCellForm f;
        f.OpenPopup();
        EXPECT_EQ(f.Hot(), 1) << "the highlight starts on the cell's image";
        f.Events.clear();
        move.Do(f);
        EXPECT_TRUE(f.Picker->DroppedDown());
        EXPECT_EQ(f.Hot(), move.Hot);
        EXPECT_EQ(f.Grid->Cells(1, 1), "1") << "nothing stored yet";
        InputSimulation::KeyPressFocused(VK_RETURN, '\r');
        Application->ProcessMessages();
        EXPECT_FALSE(f.Open());
        EXPECT_FALSE(f.Picker->DroppedDown());
        EXPECT_EQ(f.Grid->Cells(1, 1), std::to_string(move.Hot));
        EXPECT_EQ(f.Focused(), f.Grid);
        EXPECT_EQ(f.Events, std::vector<std::string>{"done 1,1"});
    }
}

// Up and Down in the open popup end the edit with the pick, as in every drop-down cell: the
// grid stays on its row.
TEST(GridImagePickerCell, UpAndDownInTheOpenPopupStoreThePickAndEndTheEdit) {
    for (const WORD key : {VK_UP, VK_DOWN}) {
        SCOPED_TRACE(key);
        ImageCellForm f;
        f.OpenPopup();
        InputSimulation::KeyPressFocused(VK_RIGHT);
        InputSimulation::KeyPressFocused(key);
        Application->ProcessMessages();
        EXPECT_FALSE(f.Open());
        EXPECT_FALSE(f.Picker->DroppedDown());
        EXPECT_EQ(f.Grid->Cells(1, 1), "2");
        EXPECT_EQ(f.Grid->Row(), 1);
        EXPECT_EQ(f.Focused(), f.Grid);
    }
}

// An image-list cell keeps its text: the pick changes its image only, and Escape none of it.
TEST(GridImagePickerCell, AnImageListCellTakesThePickedImageAndKeepsItsText) {
    for (const WORD leave : {VK_RETURN, VK_ESCAPE}) {
        SCOPED_TRACE(leave == VK_RETURN ? "enter" : "escape");
        ImageCellForm f(ctImageList);
        InputSimulation::KeyPress(f.Grid, VK_F2);
        ASSERT_TRUE(f.Open());
        EXPECT_EQ(f.Picker->Text(), "Green");
        f.Events.clear();
        InputSimulation::KeyPress(f.Picker, VK_END);
        EXPECT_EQ(f.Picker->Text(), "Grey");
        InputSimulation::KeyPress(f.Picker, leave, leave == VK_RETURN ? '\r' : 0x1B);
        Application->ProcessMessages();
        EXPECT_FALSE(f.Open());
        int image = -1;
        EXPECT_TRUE(f.Grid->GetImageIdx(1, 1, image));
        EXPECT_EQ(image, leave == VK_RETURN ? 3 : 1);
        EXPECT_EQ(f.Grid->Cells(1, 1), "cell text");
        EXPECT_EQ(f.Events, std::vector<std::string>{"done 1,1"}) << "the text never changed";
        EXPECT_EQ(f.Focused(), f.Grid);
    }
}

// The open popup drawn: the cell's image is highlighted, the others are not; after a wheel
// notch the highlight stands on the next image.
TEST(GridImagePickerCell, TheOpenPopupHighlightsTheCellsImage) {
    ImageCellForm f;
    f.OpenPopup();
    TCustomItemSelector* panel = f.Picker->ItemSelector()->SelectorPanel();
    // A cell's background just inside its frame, beside the image.
    const auto background = [&](const TBitmap& Picture, int Index) {
        const TRect cell = panel->GetItemRect(Index);
        return Picture.Pixel(cell.Right - 3, cell.Bottom - 3);
    };
    const auto highlighted = [&](int Steps) {
        TBitmap picture(panel->Width(), panel->Height());
        panel->PaintTo(picture.Canvas(), 0, 0);
        if (const char* folder = std::getenv("VELMARO_IMAGE_PICKER_PICTURES"))
            picture.SaveToFile(std::string(folder) + "/popup" + std::to_string(Steps) + ".bmp");
        const TColor plain = f.Picker->ItemSelector()->Color();
        std::vector<int> lit;
        for (int i = 0; i < 4; ++i)
            if (background(picture, i) != ColorToRGB(plain))
                lit.push_back(i);
        return lit;
    };
    EXPECT_EQ(highlighted(0), std::vector<int>{1});
    f.WheelDownOverPopup();
    // The pick stays on the cell's image until Enter takes the highlighted one.
    EXPECT_EQ(highlighted(1), (std::vector<int>{1, 2}));
    InputSimulation::KeyPressFocused(VK_RIGHT);
    EXPECT_EQ(highlighted(2), std::vector<int>{2}) << "a key moves pick and highlight together";
    // The edit shows the picked image.
    TBitmap edit(f.Picker->Width(), f.Picker->Height());
    f.Picker->PaintTo(edit.Canvas(), 0, 0);
    if (const char* folder = std::getenv("VELMARO_IMAGE_PICKER_PICTURES"))
        edit.SaveToFile(std::string(folder) + "/edit.bmp");
    int blue = 0;
    for (int x = 0; x < edit.Width(); ++x)
        for (int y = 0; y < edit.Height(); ++y)
            blue += edit.Pixel(x, y) == ImageColors[2] ? 1 : 0;
    EXPECT_GE(blue, 12 * 12);
}

} // namespace

namespace {

// Tab and Shift+Tab while the open popup has the keys end the edit with the pick as they do from
// the closed editor, and the keys go where the same key sends them from there: without goTabs
// Tab goes on to the edit below and Shift+Tab back to the grid; with goTabs the grid moves to
// the neighbouring cell.
TEST(GridImagePickerCell, TabInTheOpenPopupStoresThePickAndMovesOnAsFromTheEditor) {
    struct Outcome {
        int Col;
        int Row;
        bool EditorOpen;
        bool ToOther;
    };
    for (const TabOutOfTheEditor& c : TabsOutOfTheEditor) {
        SCOPED_TRACE(c.Name);
        const TShiftState shift = c.ShiftState();
        Outcome closed{};
        for (const bool popup : {false, true}) {
            SCOPED_TRACE(popup ? "popup open" : "popup closed");
            ImageCellForm f;
            if (c.GridTakesTab)
                f.Grid->SetOptions(f.Grid->Options() << goTabs);
            InputSimulation::KeyPress(f.Grid, VK_F2);
            ASSERT_TRUE(f.Open());
            if (popup) {
                InputSimulation::KeyPress(f.Picker, VK_F4);
                ASSERT_TRUE(f.Picker->DroppedDown());
            }
            f.Events.clear();
            // Open: the next image; closed: the last one.
            InputSimulation::KeyPressFocused(popup ? VK_RIGHT : VK_END);
            InputSimulation::KeyPressFocused(VK_TAB, '\t', shift);
            Application->ProcessMessages();
            const std::string picked = popup ? "2" : "3";
            EXPECT_FALSE(f.Picker->DroppedDown());
            EXPECT_EQ(f.Grid->Cells(1, 1), picked);
            // The pick is no edit of the text; with goTabs the editor opens on the empty
            // neighbour and shows its text.
            const std::vector<std::string> events =
                c.GridTakesTab ? std::vector<std::string>{"change ", "done 1,1"}
                               : std::vector<std::string>{"done 1,1"};
            EXPECT_EQ(f.Events, events);
            EXPECT_EQ(std::count(f.Events.begin(), f.Events.end(), "done 1,1"), 1);
            const Outcome now{f.Grid->Col(), f.Grid->Row(), f.Open(), f.Focused() == f.Other};
            if (!c.GridTakesTab) {
                EXPECT_EQ(now.Row, 1);
                EXPECT_FALSE(now.EditorOpen);
                EXPECT_EQ(f.Focused(), c.Shift ? static_cast<TControl*>(f.Grid)
                                               : static_cast<TControl*>(f.Other));
            }
            if (!popup) {
                closed = now;
                continue;
            }
            EXPECT_EQ(now.Col, closed.Col);
            EXPECT_EQ(now.Row, closed.Row);
            EXPECT_EQ(now.EditorOpen, closed.EditorOpen);
            EXPECT_EQ(now.ToOther, closed.ToOther);
        }
    }
}

} // namespace

namespace {

// The mouse outside the picker ends the edit. A press outside the open popup cancels it (the pick
// goes back to the cell's image) before the grid moves on; the wheel over the closed picker steps
// the pick among the images of the last opening, then the grid takes it and moves on.
TEST(GridImagePickerCell, TheMouseBesideThePickerEndsTheEdit) {
    const struct {
        const char* Name;
        std::function<void(ImageCellForm&)> Do;
        const char* Stored;
    } cases[] = {
        {"press on another cell while the popup is open",
         [](ImageCellForm& f) {
             InputSimulation::KeyPress(f.Picker, VK_F4);
             InputSimulation::KeyPressFocused(VK_RIGHT);
             ASSERT_EQ(f.Picker->ItemIndex(), 2);
             f.Events.clear();
             const TRect cell = f.Grid->CellRect(3, 4);
             InputSimulation::Click(f.Grid, TPoint{cell.Left + 5, cell.Top + 5});
         },
         "1"},
        {"wheel over the closed picker",
         [](ImageCellForm& f) {
             InputSimulation::KeyPress(f.Picker, VK_F4);
             InputSimulation::KeyPressFocused(VK_F4);
             ASSERT_FALSE(f.Picker->DroppedDown());
             f.Events.clear();
             InputSimulation::Wheel(f.Picker, {5, 5}, -120);
         },
         "2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ImageCellForm f;
        InputSimulation::KeyPress(f.Grid, VK_F2);
        ASSERT_TRUE(f.Open());
        c.Do(f);
        Application->ProcessMessages();
        EXPECT_FALSE(f.Open());
        EXPECT_FALSE(f.Picker->DroppedDown());
        EXPECT_EQ(f.Grid->Cells(1, 1), c.Stored);
        EXPECT_EQ(f.Events, std::vector<std::string>{"done 1,1"});
        EXPECT_GT(f.Grid->Row(), 1);
        EXPECT_EQ(f.Focused(), f.Grid);
    }
}

} // namespace

namespace {

// A data-image cell whose text names no image of the picker (a number beyond the images, a word,
// nothing) keeps its text whichever way the edit ends: the picker shows no image and no caption.
TEST(GridImagePickerCell, ACellTextThatNamesNoImageSurvivesTheEdit) {
    for (const char* text : {"9", "abc", ""}) {
        for (const WORD leave : {VK_RETURN, VK_ESCAPE, VK_DOWN}) {
            SCOPED_TRACE(std::string(text) + " / key " + std::to_string(leave));
            ImageCellForm f;
            f.Grid->SetCells(1, 1, text);
            InputSimulation::KeyPress(f.Grid, VK_F2);
            ASSERT_TRUE(f.Open());
            EXPECT_EQ(f.Picker->ItemIndex(), -1);
            EXPECT_EQ(f.Picker->Text(), "");
            InputSimulation::KeyPress(f.Picker, leave, leave == VK_RETURN ? '\r' : 0);
            Application->ProcessMessages();
            EXPECT_FALSE(f.Open());
            EXPECT_EQ(f.Grid->Cells(1, 1), text);
        }
    }
}

// A pick the cell's validation refuses leaves the editor open on the pick with the cell as it
// was, whichever committing key the user pressed; the handler sees the picked number.
TEST(GridImagePickerCell, ARefusedPickKeepsTheEditorOpenAndTheCellAsItWas) {
    for (const WORD key : {VK_RETURN, VK_TAB, VK_DOWN}) {
        SCOPED_TRACE(key);
        ImageCellForm f;
        std::vector<std::string> validated;
        f.Grid->OnCellValidate = [&](TObject*, int, int, std::string& Value, bool& Valid) {
            validated.push_back(Value);
            Valid = false;
        };
        InputSimulation::KeyPress(f.Grid, VK_F2);
        InputSimulation::KeyPress(f.Picker, VK_END);
        InputSimulation::KeyPressFocused(key, key == VK_RETURN ? '\r' : key == VK_TAB ? '\t' : 0);
        Application->ProcessMessages();
        EXPECT_EQ(validated, std::vector<std::string>{"3"});
        EXPECT_TRUE(f.Open());
        EXPECT_EQ(f.Focused(), f.Picker);
        EXPECT_EQ(f.Picker->Text(), "Grey");
        EXPECT_EQ(f.Grid->Cells(1, 1), "1");
        EXPECT_EQ(f.Grid->Row(), 1);
    }
}

// The keys of the closed picker on a cell in the middle of the grid: the page keys and the
// vertical arrows store the pick and end the edit (only the arrows move the grid); Left and
// Right leave the pick alone and Home picks the first image, all without ending the edit.
TEST(GridImagePickerCell, TheKeysOfTheClosedPickerAfterAPick) {
    const struct {
        WORD Key;
        bool Ends;
        int Row;
        const char* Shown;
    } cases[] = {
        {VK_DOWN, true, 6, "3"},   {VK_UP, true, 4, "3"},      {VK_NEXT, true, 5, "3"},
        {VK_PRIOR, true, 5, "3"},  {VK_LEFT, false, 5, "Grey"}, {VK_RIGHT, false, 5, "Grey"},
        {VK_HOME, false, 5, "Red"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Key);
        ImageCellForm f;
        f.Grid->FocusCell(1, 5, true);
        InputSimulation::KeyPress(f.Grid, VK_F2);
        ASSERT_TRUE(f.Open());
        InputSimulation::KeyPress(f.Picker, VK_END);
        InputSimulation::KeyPress(f.Picker, c.Key);
        Application->ProcessMessages();
        EXPECT_EQ(f.Open(), !c.Ends);
        EXPECT_EQ(f.Grid->Row(), c.Row);
        EXPECT_EQ(f.Grid->Col(), 1);
        if (c.Ends) {
            EXPECT_EQ(f.Grid->Cells(1, 5), c.Shown);
            EXPECT_EQ(f.Focused(), f.Grid);
        } else {
            EXPECT_EQ(f.Picker->Text(), c.Shown);
            EXPECT_EQ(f.Grid->Cells(1, 5), "1");
        }
    }
}

} // namespace

namespace {

// What the edit reports as edited is the caption it shows, and only when that changes: loading a
// cell's image shows its caption, a pick shows another without reporting it, and Enter refused
// for a data image leaves the edit as it is.
TEST(GridImagePickerCell, TheEditReportsTheCaptionItShowsNotThePicks) {
    for (const TCellType type : {ctDataImage, ctImageList}) {
        SCOPED_TRACE(type == ctDataImage ? "data image" : "image list");
        ImageCellForm f(type);
        bool refuse = false;
        f.Grid->OnCellValidate = [&](TObject*, int, int, std::string&, bool& Valid) {
            Valid = !refuse;
        };
        f.Events.clear();
        InputSimulation::KeyPress(f.Grid, VK_F2);
        ASSERT_TRUE(f.Open());
        EXPECT_EQ(f.Events, std::vector<std::string>{"change Green"});

        // The next cell shows the same caption: nothing to report.
        f.Events.clear();
        InputSimulation::KeyPress(f.Picker, VK_ESCAPE, 0x1B);
        InputSimulation::KeyPress(f.Grid, VK_DOWN);
        InputSimulation::KeyPress(f.Grid, VK_F2);
        Application->ProcessMessages();
        ASSERT_TRUE(f.Open());
        EXPECT_EQ(f.Events, std::vector<std::string>{"done 1,1"});

        f.Events.clear();
        InputSimulation::KeyPress(f.Picker, VK_END);
        EXPECT_EQ(f.Picker->Text(), "Grey");
        // An image-list cell's text is its value: it never changes, and is not validated again.
        if (type == ctDataImage) {
            refuse = true;
            InputSimulation::KeyPress(f.Picker, VK_RETURN, '\r');
            Application->ProcessMessages();
            EXPECT_TRUE(f.Open());
            EXPECT_EQ(f.Picker->Text(), "Grey");
            refuse = false;
        }
        EXPECT_EQ(f.Events, std::vector<std::string>{});

        InputSimulation::KeyPress(f.Picker, VK_RETURN, '\r');
        Application->ProcessMessages();
        EXPECT_FALSE(f.Open());
        EXPECT_EQ(f.Events, std::vector<std::string>{"done 1,2"});
        int image = -1;
        if (type == ctDataImage)
            EXPECT_EQ(f.Grid->Cells(1, 2), "3");
        else
            EXPECT_TRUE(f.Grid->GetImageIdx(1, 2, image) && image == 3);
    }
}

} // namespace

namespace {

// The pixels of a colour within a rectangle of a rendered control.
int ImageCellColourCount(TWinControl* Control, const TRect& Area, TColor Colour) {
    TBitmap picture(Control->Width(), Control->Height());
    Control->PaintTo(picture.Canvas(), 0, 0);
    int count = 0;
    for (int x = Area.Left; x < Area.Right; ++x)
        for (int y = Area.Top; y < Area.Bottom; ++y)
            count += picture.Pixel(x, y) == Colour ? 1 : 0;
    return count;
}

// A data image moved on by an offset: the picker opens on the image the cell shows, and the
// image picked is the one the cell shows after the edit.
TEST(GridImagePickerCell, ThePickerShowsAndTakesTheImageTheCellShows) {
    for (const int offset : {0, 1, 2}) {
        SCOPED_TRACE(offset);
        ImageCellForm f(ctDataImage, offset);
        const TRect cell = f.Grid->CellRect(1, 1);
        const TRect whole{0, 0, f.Picker->Width(), f.Picker->Height()};
        const int shown = 1 + offset;
        EXPECT_GE(ImageCellColourCount(f.Grid, cell, ImageColors[shown]), 12 * 12);
        InputSimulation::KeyPress(f.Grid, VK_F2);
        ASSERT_TRUE(f.Open());
        EXPECT_EQ(f.Picker->Text(), ImageCaptions[shown]);
        EXPECT_GE(ImageCellColourCount(f.Picker, whole, ImageColors[shown]), 12 * 12);
        f.OpenPopupOnTheEditor();
        EXPECT_EQ(f.Hot(), shown) << "the highlight starts on the cell's image";
        InputSimulation::KeyPressFocused(VK_F4);
        ASSERT_FALSE(f.Picker->DroppedDown());
        InputSimulation::KeyPress(f.Picker, VK_END);
        InputSimulation::KeyPress(f.Picker, VK_RETURN, '\r');
        Application->ProcessMessages();
        EXPECT_FALSE(f.Open());
        EXPECT_EQ(f.Grid->Cells(1, 1), std::to_string(3 - offset));
        EXPECT_GE(ImageCellColourCount(f.Grid, cell, ImageColors[3]), 12 * 12);
        // Escape leaves the cell on its image.
        InputSimulation::KeyPress(f.Grid, VK_DOWN);
        InputSimulation::KeyPress(f.Grid, VK_F2);
        EXPECT_EQ(f.Picker->ItemIndex(), shown);
        InputSimulation::KeyPress(f.Picker, VK_HOME);
        InputSimulation::KeyPress(f.Picker, VK_ESCAPE, 0x1B);
        EXPECT_EQ(f.Grid->Cells(1, 2), "1");
    }
}

} // namespace
