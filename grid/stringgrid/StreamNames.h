#pragma once

#include <array>

// The names under which the grid's enumerations and sets are streamed, in ordinal order: the
// column settings stream and the binary grid stream write and read them.
inline constexpr std::array<const char*, 3> AlignmentNames{"taLeftJustify", "taRightJustify",
                                                           "taCenter"};
inline constexpr std::array<const char*, 43> EditorNames{"edNormal",
                                                         "edSpinEdit",
                                                         "edComboEdit",
                                                         "edComboList",
                                                         "edEditBtn",
                                                         "edCheckBox",
                                                         "edDateEdit",
                                                         "edDateEditUpDown",
                                                         "edTimeEdit",
                                                         "edButton",
                                                         "edDataCheckBox",
                                                         "edNumeric",
                                                         "edPositiveNumeric",
                                                         "edFloat",
                                                         "edCapital",
                                                         "edMixedCase",
                                                         "edPassword",
                                                         "edUnitEditBtn",
                                                         "edLowerCase",
                                                         "edUpperCase",
                                                         "edFloatSpinEdit",
                                                         "edTimeSpinEdit",
                                                         "edDateSpinEdit",
                                                         "edNumericEditBtn",
                                                         "edFloatEditBtn",
                                                         "edCustom",
                                                         "edRichEdit",
                                                         "edNone",
                                                         "edDateTimeEdit",
                                                         "edValidChars",
                                                         "edTrackbarDropDown",
                                                         "edMemoDropDown",
                                                         "edCalculatorDropDown",
                                                         "edTimePickerDropDown",
                                                         "edDetailDropDown",
                                                         "edGridDropDown",
                                                         "edColorPickerDropDown",
                                                         "edImagePickerDropDown",
                                                         "edExGridDropDown",
                                                         "edPositiveFloat",
                                                         "edNumericUnitEditBtn",
                                                         "edFloatUnitEditBtn",
                                                         "edMaskEditBtn"};
inline constexpr std::array<const char*, 4> FontStyleNames{"fsBold", "fsItalic", "fsUnderline",
                                                           "fsStrikeOut"};
inline constexpr std::array<const char*, 3> VAlignmentNames{"vtaTop", "vtaCenter", "vtaBottom"};
inline constexpr std::array<const char*, 8> BrushStyleNames{
    "bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
    "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
inline constexpr std::array<const char*, 2> GradientDirectionNames{"GradientVertical",
                                                                   "GradientHorizontal"};
inline constexpr std::array<const char*, 33> CellTypeNames{
    "ctBitmap",      "ctIcon",         "ctNone",      "ctImageList",
    "ctCheckBox",    "ctDataCheckBox", "ctRotated",   "ctDataImage",
    "ctNode",        "ctRadio",        "ctEmpty",     "ctImages",
    "ctPicture",     "ctFilePicture",  "ctValue",     "ctProgress",
    "ctComment",     "ctButton",       "ctBitButton", "ctVirtCheckBox",
    "ctRowCheckBox", "ctProgressPie",  "ctSummary",   "ctRangeIndicator",
    "ctXPProgress",  "ctInterface",    "ctScrollbar", "ctRadioButton",
    "ctBalloon",     "ctShape",        "ctRating",    "ctTriStateCheckBox",
    "ctExpand"};
inline constexpr std::array<const char*, 6> CellVAlignNames{
    "vaTop", "vaBottom", "vaCenter", "vaUnderText", "vaAboveText", "vaFull"};
inline constexpr std::array<const char*, 6> CellHAlignNames{
    "haLeft", "haRight", "haCenter", "haBeforeText", "haAfterText", "haFull"};
inline constexpr std::array<const char*, 3> CheckBoxStateNames{"cbUnchecked", "cbChecked",
                                                               "cbGrayed"};
