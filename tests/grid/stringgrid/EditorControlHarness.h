#pragma once

// The editor-control fixture for test files that cannot include the grid's header (their
// control's platform base clashes with names of the grid): the grid stays behind this class.

#include "grid/foundation/GridTypes.h"

#include <memory>
#include <string>
#include <vector>

class TCellEditor;
class TExStringGrid;

class TEditorControlHarness {
public:
    TEditorControlHarness();
    ~TEditorControlHarness();

    TExStringGrid* Grid() const;
    // The road of one edit of the cell (Col, Row) holding Text with the editor kind.
    TCellEditor* Open(TEditorType Kind, int Col, int Row, const std::string& Text);
    // From now on validation refuses and leaves Text as the new value.
    void RefuseWith(const std::string& Text);
    const std::vector<std::string>& Validated() const;
    bool NoAutoAdvance() const;
    double OriginalDateTime() const;
    std::string CellText(int Col, int Row) const;

private:
    struct Impl;
    std::unique_ptr<Impl> FImpl;
};
