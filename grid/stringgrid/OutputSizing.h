#pragma once

#include "platform/core/LargeMemory.h"

#include <string>

// Room for a whole output at once, guessed from its first rows: growing it by doubling would
// copy it again and again, each time into memory touched for the first time.
class TOutputSizing {
public:
    TOutputSizing(std::string& Output, int Rows)
        : FOutput(Output), FStart(Output.size()), FRows(Rows) {}

    // After each row written.
    void RowDone() {
        if (++FDone != SampleRows || FRows <= FDone)
            return;
        const std::size_t sample = FOutput.size() - FStart;
        LargeMemory::ReserveLargeString(FOutput, FStart + sample / SampleRows * FRows * 9 / 8);
    }

private:
    // Rows written before the size of the whole output is guessed from them.
    static constexpr int SampleRows = 1024;

    std::string& FOutput;
    std::size_t FStart; // what the output held before
    int FRows;
    int FDone = 0;
};
