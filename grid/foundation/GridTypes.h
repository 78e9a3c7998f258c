#pragma once

#include "platform/ui/Set.h"

// The enumerations shared by the base grid, the string grid, its editors and the drop-down
// editors. Their ordinal order is part of stored settings and streams: append, never reorder.

// The cell editor kinds. edNone means the cell cannot be edited.
enum TEditorType {
    edNormal,
    edSpinEdit,
    edComboEdit,
    edComboList,
    edEditBtn,
    edCheckBox,
    edDateEdit,
    edDateEditUpDown,
    edTimeEdit,
    edButton,
    edDataCheckBox,
    edNumeric,
    edPositiveNumeric,
    edFloat,
    edCapital,
    edMixedCase,
    edPassword,
    edUnitEditBtn,
    edLowerCase,
    edUpperCase,
    edFloatSpinEdit,
    edTimeSpinEdit,
    edDateSpinEdit,
    edNumericEditBtn,
    edFloatEditBtn,
    edCustom,
    edRichEdit,
    edNone,
    edDateTimeEdit,
    edValidChars,
    edTrackbarDropDown,
    edMemoDropDown,
    edCalculatorDropDown,
    edTimePickerDropDown,
    edDetailDropDown,
    edGridDropDown,
    edColorPickerDropDown,
    edImagePickerDropDown,
    edExGridDropDown,
    edPositiveFloat,
    edNumericUnitEditBtn,
    edFloatUnitEditBtn,
    edMaskEditBtn
};

// How a column is compared when sorting and formatted.
enum TSortStyle {
    ssAutomatic,
    ssAlphabetic,
    ssNumeric,
    ssDate,
    ssAlphaNoCase,
    ssAlphaCase,
    ssShortDateEU,
    ssShortDateUS,
    ssCustom,
    ssFinancial,
    ssAnsiAlphaCase,
    ssAnsiAlphaNoCase,
    ssRaw,
    ssHTML,
    ssImages,
    ssCheckBox,
    ssDateTime,
    ssTime,
    ssAlphaNumeric,
    ssAlphaNumericNoCase
};

enum TVAlignment { vtaTop, vtaCenter, vtaBottom };
enum TCellGradientDirection { GradientVertical, GradientHorizontal };
enum TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = TSet<TCellBorder>;
enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };
enum TExGridButtonStyle { tasButton, tasCheck };
enum TSearchDirection { sdTopBottom, sdLeftRight };
enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum TClipboardPasteAction { paReplace, paInsert };
enum TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition { pInsertBefore, pInsertAfter };
enum TCursorAdvance { caDefault, caSnake, caLoop };
enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction { waMoveSelection, waScroll };

// Editor kinds grouped by the control that edits them.
constexpr bool IsSpinEditor(TEditorType kind) {
    return kind == edSpinEdit || kind == edFloatSpinEdit || kind == edTimeSpinEdit ||
           kind == edDateSpinEdit;
}
constexpr bool IsComboEditor(TEditorType kind) {
    return kind == edComboEdit || kind == edComboList;
}
constexpr bool IsButtonEditor(TEditorType kind) {
    return kind == edEditBtn || kind == edNumericEditBtn || kind == edFloatEditBtn ||
           kind == edMaskEditBtn;
}
constexpr bool IsUnitEditor(TEditorType kind) {
    return kind == edUnitEditBtn || kind == edNumericUnitEditBtn || kind == edFloatUnitEditBtn;
}
constexpr bool IsDropDownEditor(TEditorType kind) {
    return kind >= edTrackbarDropDown && kind <= edExGridDropDown;
}
