#pragma once

// Where a cell graphic stands beside the text (TCellGraphic::CellHAlign) and above or below it
// (CellVAlign).
enum TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
