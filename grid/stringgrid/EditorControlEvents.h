#pragma once

// The events the grid's editor controls raise into the grid, column before row.

#include "grid/foundation/GridTypes.h"
#include "platform/core/DateTimeValue.h"
#include "platform/ui/Object.h"

#include <functional>

class TStringList;
#include <string>

using TEditChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TComboObjectChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex,
                       const std::string& ASelection, TObject* AObject)>;
using TFloatSpinClickEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
using TDateTimeSpinClickEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TDateTime AValue, bool UpDown)>;
using TClipboardPasteEvent = std::function<void(TObject* Sender, bool& Allow)>;
using TClipboardBeforePasteCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value, bool& Allow)>;
using TUnitChangedEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, const std::string& NewUnit)>;
using TCustomStrToDateEvent =
    std::function<void(TObject* Sender, const std::string& Value, TDateTime& ADate)>;
using TDateTimeChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TDateTime ADateTime)>;
using TCellValidateEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value, bool& Valid)>;
using TControlComboListEvent = std::function<void(
    TObject* Sender, int ARow, int ACol, const std::string& CtrlID, const std::string& CtrlType,
    const std::string& CtrlVal, TStringList* Values, bool& Edit, int& DropCount)>;
using TControlComboSelectEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, int ItemIndex,
                       const std::string& CtrlID, const std::string& CtrlValue)>;
using TControlEditDoneEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& CtrlID,
                       const std::string& CtrlType, const std::string& CtrlVal)>;
using TDropDownButtonClickEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int ButtonIndex)>;
