#pragma once

#include "platform/ui/Set.h"

// Enumerations of the base grid. Their ordinal order is part of stored settings: append only.

// How selected cells are painted.
enum TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };

// Which cells of the row under the mouse take the hover colours.
enum THoverRowCell { hcNormal, hcFixed, hcSelected };
using THoverRowCells = TSet<THoverRowCell>;

// The calculation a footer cell shows for its column.
enum TColumnCalcType {
    acNONE,
    acSUM,
    acAVG,
    acCOUNT,
    acMIN,
    acMAX,
    acSPREAD,
    acCUSTOM,
    acDISTINCT,
    acSTDDEV
};
