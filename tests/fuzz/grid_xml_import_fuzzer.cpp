// XML records read into the string grid: any bytes either load or are refused with an
// Exception that leaves the cells as they were; what loads writes back and reads the same.
#include "FuzzSupport.h"

#include "grid/stringgrid/ExGrid.h"
#include "platform/core/Exception.h"
#include "platform/ui/Application.h"
#include "platform/xml/XmlText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The grid stands on the window layer: one application for the whole run.
    static const bool started = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        Application->Initialize();
        std::atexit([] { Application->Finalize(); });
        return true;
    }();
    (void)started;
    if (size < 1 || size > 4096)
        return 0;
    const bool levelToRow = data[0] & 1;
    const bool loadFieldDescr = data[0] & 2;
    TExStringGrid grid(nullptr);
    grid.SetCells(1, 1, "kept");
    try {
        grid.LoadFromXMLText(FuzzText(data + 1, size - 1), levelToRow, loadFieldDescr);
    } catch (const Exception&) {
        if (grid.Cells(1, 1) != "kept")
            std::abort(); // a refused document changes nothing
        return 0;
    }
    if (grid.ColCount() < 1 || grid.RowCount() < 1)
        std::abort();
    // Whatever loaded is written and read back cell for cell.
    grid.SetFixedRows(0);
    grid.SetFixedCols(0);
    grid.XMLEncoding = "UTF-8";
    const std::string xml = grid.SaveToXMLText("L", "R", nullptr, true);
    TExStringGrid again(nullptr);
    again.SetFixedRows(0);
    again.SetFixedCols(0);
    again.LoadFromXMLText(xml);
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColCount(); ++c)
            if (again.Cells(c, r) != ValidXmlCharacters(grid.Cells(c, r)))
                std::abort();
    return 0;
}
