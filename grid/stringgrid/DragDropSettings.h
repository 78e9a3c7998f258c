#pragma once

#include "platform/ui/Object.h"

class TExStringGrid;

// Settings of drag and drop between grids and other programs.
class TDragDropSettings : public TObject {
public:
    explicit TDragDropSettings(TExStringGrid* Owner = nullptr) : FOwner(Owner) {}

    void Assign(const TObject* Source) {
        const auto* source = dynamic_cast<const TDragDropSettings*>(Source);
        if (!source)
            return;
        SetOleDropTarget(source->FOleDropTarget);
        OleDropSource = source->OleDropSource;
        OleAcceptText = source->OleAcceptText;
        OleAcceptFiles = source->OleAcceptFiles;
        OleAcceptURLs = source->OleAcceptURLs;
        SetOleDropRTF(source->FOleDropRTF);
        OleEntireRows = source->OleEntireRows;
        OleAppendRows = source->OleAppendRows;
        OleInsertRows = source->OleInsertRows;
        OleRemoveRows = source->OleRemoveRows;
        OleCopyAlways = source->OleCopyAlways;
        OleColumnDragDrop = source->OleColumnDragDrop;
        OleColumnsOnly = source->OleColumnsOnly;
        OleColumnReorder = source->OleColumnReorder;
        ShowCells = source->ShowCells;
    }

    // The grid takes drops while this is on.
    bool OleDropTarget() const { return FOleDropTarget; }
    void SetOleDropTarget(bool Value);
    // Drags offer and drops take RTF; the flag is shared by every grid of the program.
    bool OleDropRTF() const { return FOleDropRTF; }
    void SetOleDropRTF(bool Value);

    bool OleDropSource = false;
    bool OleAcceptText = true;
    bool OleAcceptFiles = true;
    bool OleAcceptURLs = true;
    bool OleEntireRows = false;
    bool OleAppendRows = false;
    bool OleInsertRows = false;
    bool OleRemoveRows = false;
    bool OleCopyAlways = false;
    bool OleColumnDragDrop = false;
    bool OleColumnsOnly = false;
    bool OleColumnReorder = false;
    bool ShowCells = true;

private:
    TExStringGrid* FOwner;
    bool FOleDropTarget = false;
    bool FOleDropRTF = false;
};
