#pragma once

#include "platform/core/Exception.h"
#include "platform/ui/CheckBox.h" // TCheckBoxState, shared with the platform check box

// The order of a sort, and of automatic numbering.
enum TSortDirection { sdAscending, sdDescending };

// The enumerations of the string grid. Their ordinal order is part of stored settings and
// streams: append, never reorder.

enum TGridLook {
    glStandard,
    glSoft,
    glClassic,
    glULK,
    glXP,
    glListView,
    glVista,
    glWin7,
    glOffice2007,
    glCustom
};

// How the scroll bars are drawn.
enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
// Which scroll bars stay on even when everything fits.
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum THintShowLargeTextPos { hpCell, hpCursor };
enum THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum TFilterDropDownColumns { fdNormal, fdAll };
enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
enum TMouseSelectMode { msNormal, msRow, msColumn, msAll };
enum TGridControlStyle { csClassic, csFlat, csTheme, csWinXP, csMetro, csBorland, csULK, csGlyph };
enum TSearchAction { saFindFirst, saFindNext, saFindPrevious, saHighlight };

// Progress points of the export and import operations.
enum TGridExportState {
    esExportStart,
    esExportNewRow,
    esExportDone,
    esExportSelRow,
    esExportFail,
    esExportNextRow
};
enum TGridImportState { isImportStart, isImportNewRow, isImportDone, isImportSelRow };
// The last clipboard operation of a grid.
enum TClipOperation { coCut, coCopy };

// The kinds of a cell graphic; ctEmpty is also the kind of a cell without one.
enum TCellType {
    ctBitmap,
    ctIcon,
    ctNone,
    ctImageList,
    ctCheckBox,
    ctDataCheckBox,
    ctRotated,
    ctDataImage,
    ctNode,
    ctRadio,
    ctEmpty,
    ctImages,
    ctPicture,
    ctFilePicture,
    ctValue,
    ctProgress,
    ctComment,
    ctButton,
    ctBitButton,
    ctVirtCheckBox,
    ctRowCheckBox,
    ctProgressPie,
    ctSummary,
    ctRangeIndicator,
    ctXPProgress,
    ctInterface,
    ctScrollbar,
    ctRadioButton,
    ctBalloon,
    ctShape,
    ctRating,
    ctTriStateCheckBox,
    ctExpand
};

// The string grid's own error, raised with fixed English messages.
class ROvoVariRodev : public Exception {
public:
    using Exception::Exception;
};
