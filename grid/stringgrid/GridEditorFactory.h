#pragma once

// Editor controls whose platform base brings names that clash with the grid's own header are
// made here, from files that do not include the grid: the grid only holds them by pointer.

class TCellEditor;
class TExStringGrid;
class TGridCheckBox;
class TGridDateTimePicker;
class TWinControl;

// Owned by and placed on the grid, hidden and disabled, with the grid's handlers wired.
TGridDateTimePicker* CreateGridDateTimePicker(TExStringGrid* Grid);
TGridCheckBox* CreateGridCheckBox(TExStringGrid* Grid);
TCellEditor* CellEditorOf(TGridDateTimePicker* Picker);
TCellEditor* CellEditorOf(TGridCheckBox* CheckBox);
TWinControl* ControlOf(TGridDateTimePicker* Picker);
TWinControl* ControlOf(TGridCheckBox* CheckBox);
