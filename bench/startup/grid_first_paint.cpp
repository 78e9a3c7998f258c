// The first paint of a large grid on a real window: the project's base grid against
// QTableWidget, same cells, same column widths and row heights, same window size. Prints the
// microseconds from showing the window to its first picture on the screen.
//
//   bench_grid_first_paint grid|table [ROWS]
#include "FirstPaint.h"
#include "grid/foundation/BaseGrid.h"
#include "platform/ui/Application.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int Columns = 20;
constexpr int Column_Width = 96;
constexpr int Row_Height = 22;
constexpr int Window_Width = 1200;
constexpr int Window_Height = 900;

std::string CellText(int col, int row) {
    return std::to_string(row) + ":" + std::to_string(col);
}

// The font set-up is loaded once per process, by whichever comes first; load it before the
// clock starts so both sides measure their paint, not the font set-up.
void LoadFonts() {
    (void)QFontMetrics(QApplication::font()).height();
}

void ReportFirstPaintFrom(std::chrono::steady_clock::time_point shown) {
    SetAfterFirstPaint([shown] {
        auto elapsed = std::chrono::steady_clock::now() - shown;
        std::printf("%lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count()));
        std::fflush(stdout);
        std::_Exit(EXIT_SUCCESS);
    });
}

int ShowBaseGrid(int rows) {
    Application->Initialize();
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetClientWidth(Window_Width);
    form->SetClientHeight(Window_Height);
    auto* grid = new TBaseGrid(form);
    grid->SetParent(form);
    grid->SetColCount(Columns + 1);
    grid->SetRowCount(rows + 1);
    grid->SetDefaultColWidth(Column_Width);
    grid->SetDefaultRowHeight(Row_Height);
    grid->SetBounds(0, 0, Window_Width, Window_Height);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= Columns; ++c)
            grid->SetCells(c, r, CellText(c, r));
    LoadFonts();
    ReportFirstPaintFrom(std::chrono::steady_clock::now());
    Application->Run();
    return EXIT_FAILURE;
}

int ShowTableWidget(int rows, int argc, char** argv) {
    QApplication app(argc, argv);
    QTableWidget table(rows, Columns);
    table.horizontalHeader()->setDefaultSectionSize(Column_Width);
    table.verticalHeader()->setDefaultSectionSize(Row_Height);
    table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < Columns; ++c)
            table.setItem(r, c,
                          new QTableWidgetItem(QString::fromStdString(CellText(c + 1, r + 1))));
    table.resize(Window_Width, Window_Height);
    LoadFonts();
    ReportFirstPaintFrom(std::chrono::steady_clock::now());
    table.show();
    app.exec();
    return EXIT_FAILURE;
}

} // namespace

int main(int argc, char** argv) {
    const bool table = argc > 1 && std::strcmp(argv[1], "table") == 0;
    const int rows = argc > 2 ? std::atoi(argv[2]) : 10'000;
    return table ? ShowTableWidget(rows, argc, argv) : ShowBaseGrid(rows);
}
