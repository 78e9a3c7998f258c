#pragma once

#include <functional>

class QLineEdit;

// Keeps what the user types or pastes into a native line edit within a number of UTF-16 units,
// as the framework's edits do: a typed character that does not fit is dropped, a pasted text
// keeps the part that fits. A text set as a whole (by the program, or the item a combo box's user
// picks) passes whole, so a longer value read from a file is shown and kept as it is. Shared by
// the edit and the combo box's edit.
namespace EditLengthLimit {

// Installs the limit on the line edit (0 = no limit), or changes the one installed; the text
// already shown stays whole.
void Apply(QLineEdit* line, int limit);
// Runs a change made by the program past the limit.
void ProgramChange(QLineEdit* line, const std::function<void()>& change);
// Whether a change made by the program is under way on the line edit.
bool InProgramChange(const QLineEdit* line);

} // namespace EditLengthLimit
