#pragma once

// How the list-like pickers paint the selected and the hot item.
enum TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };

// Where an item's caption stands relative to its image or box.
enum TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };
