#include "grid/foundation/FileStringList.h"

void TFileStringList::Reset() {
    fp = 0;
    cache.clear();
}

void TFileStringList::ReadLn(std::string& s) {
    s = (*this)[fp];
    ++fp;
}

void TFileStringList::WriteLn(std::string_view s) {
    cache += s;
    Add(cache);
    cache.clear();
}
