#pragma once

// The events the grid's editor controls raise into the grid, column before row.

#include "grid/foundation/GridTypes.h"
#include "platform/core/DateTimeValue.h"
#include "platform/ui/Object.h"

#include <functional>
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
using TDropDownButtonClickEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int ButtonIndex)>;
