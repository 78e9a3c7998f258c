#include "EditorControlHarness.h"

#include "EditorControlTestGrid.h"

struct TEditorControlHarness::Impl : EditorControlFixture {
    using EditorControlFixture::Grid;
    using EditorControlFixture::Open;
};

TEditorControlHarness::TEditorControlHarness() : FImpl(std::make_unique<Impl>()) {}

TEditorControlHarness::~TEditorControlHarness() = default;

TExStringGrid* TEditorControlHarness::Grid() const {
    return FImpl->Grid;
}

TCellEditor* TEditorControlHarness::Open(TEditorType Kind, int Col, int Row,
                                         const std::string& Text) {
    return FImpl->Open(Kind, Col, Row, Text);
}

void TEditorControlHarness::RefuseWith(const std::string& Text) {
    FImpl->Grid->RefuseWith = Text;
}

const std::vector<std::string>& TEditorControlHarness::Validated() const {
    return FImpl->Grid->Validated;
}

bool TEditorControlHarness::NoAutoAdvance() const {
    return FImpl->Grid->FNoAutoAdvance;
}

double TEditorControlHarness::OriginalDateTime() const {
    return FImpl->Grid->FOriginalDateTime;
}

std::string TEditorControlHarness::CellText(int Col, int Row) const {
    return FImpl->Grid->Cells(Col, Row);
}
