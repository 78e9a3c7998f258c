#pragma once

#include "platform/ui/Object.h"

#include <string>

// The icon of a cell's balloon, numbered as the balloon window's title icons.
enum TBalloonIcon { biNone, biInfo, biWarning, biError };

// The title and text of one cell's balloon, kept by the cell's graphic, which frees it with
// itself or when another graphic replaces it.
class TBalloonList : public TObject {
public:
    TBalloonList(std::string ATitle, std::string AText)
        : Title(std::move(ATitle)), Text(std::move(AText)) {}

    std::string Title;
    std::string Text;
};
