// The column settings stream of the column grid.
#include "grid/stringgrid/ExCGrid.h"

#include "grid/stringgrid/ExCGridIO.h"

void TExColumnGrid::SaveColumnsToStream(std::string& Stream) {
    TExColumnGridIO io;
    TExColumnGridIO::CopyItems(*FColumnCollection, io.Items());
    // The grid keeps the widths; the items' stored ones may be older.
    for (int i = 0; i < io.Items().Count(); ++i)
        io.Items().GetItem(i)->SetStoredWidth(FColumnCollection->GetItem(i)->Width());
    io.Write(Stream);
}

void TExColumnGrid::LoadColumnsFromStream(std::string_view Stream) {
    size_t position = 0;
    LoadColumnsFromStream(Stream, position);
}

// The items take the stream's values but keep their number: one per column of the grid, which
// the load does not change. A stream that cannot be read changes nothing.
void TExColumnGrid::LoadColumnsFromStream(std::string_view Stream, size_t& Position) {
    TExColumnGridIO io;
    io.Read(Stream, Position, Owner());
    {
        TNoRecursiveUpdate guard(*FColumnCollection);
        TExColumnGridIO::CopyItems(io.Items(), *FColumnCollection);
        SynchronizeItems();
    }
    RebuildHeaderList();
    Invalidate();
}
