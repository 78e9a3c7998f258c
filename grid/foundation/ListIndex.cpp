#include "grid/foundation/ListIndex.h"

#include "platform/core/Exception.h"

#include <string>

void CheckListIndex(int Index, int Limit) {
    if (Index < 0 || Index >= Limit)
        throw Exception("List index out of bounds (" + std::to_string(Index) + ")");
}
