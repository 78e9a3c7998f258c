// Reads any bytes as RTF, writes the runs back and reads them again: the second reading must give
// the same runs, the written bytes must be 7-bit RTF, and the runs must keep their promises
// (UTF-8 text, no empty run, no two neighbours of one format, values inside their limits).
#include "platform/core/RtfText.h"
#include "platform/core/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

void CheckRuns(const TRtfRuns& runs) {
    for (size_t i = 0; i < runs.size(); ++i) {
        const TRtfRun& run = runs[i];
        Check(!run.Text.empty());
        Check(i == 0 || !(runs[i - 1].Format == run.Format));
        Check(ReplaceInvalidUtf8(run.Text) == run.Text);
        for (unsigned char c : run.Text)
            Check(c >= 0x20 || c == '\n' || c == '\t');
        Check(ReplaceInvalidUtf8(run.Format.FontName) == run.Format.FontName);
        Check(run.Format.SizeHalfPoints >= 0 && run.Format.SizeHalfPoints <= RtfMaxSizeHalfPoints);
        Check(run.Format.OffsetHalfPoints >= -RtfMaxOffsetHalfPoints &&
              run.Format.OffsetHalfPoints <= RtfMaxOffsetHalfPoints);
        Check(!run.Format.Color || *run.Format.Color <= 0xFFFFFF);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TRtfRuns first = ReadRtf(bytes);
    CheckRuns(first);

    const std::string written = WriteRtf(first);
    Check(IsRtf(written));
    for (unsigned char c : written)
        Check(c < 0x80);

    const TRtfRuns second = ReadRtf(written);
    Check(second == first);
    Check(WriteRtf(second) == written);
    return 0;
}
