// Reading the result of a database query into the string grid through ODBC.
#include "grid/stringgrid/ExGrid.h"
#include "platform/db/Database.h"

#include <functional>

namespace {

void ReadRecords(TExStringGrid& grid, TRecordSet& records) {
    const int fields = records.FieldCount();
    grid.SetColCount(fields + grid.FixedCols());
    if (grid.FixedRows() > 0)
        for (int i = 0; i < fields; ++i)
            grid.SetCells(grid.FixedCols() + i, grid.FixedRows() - 1, records.FieldName(i));
    if (records.RecordCount() > 0)
        grid.SetRowCount(grid.FixedRows() + records.RecordCount());

    int row = grid.FixedRows();
    grid.BeginUpdate();
    try {
        for (; !records.Eof(); records.MoveNext(), ++row) {
            if (row >= grid.RowCount())
                grid.SetRowCount(row + 1);
            for (int i = 0; i < fields; ++i)
                grid.LoadCell(grid.FixedCols() + i, row,
                              records.ActualSize(i) > 0 ? records.FieldValue(i) : std::string());
        }
        // Rows of the previous content below the records would read as part of the result.
        grid.SetRowCount(std::max(row, grid.FixedRows() + 1));
        if (row == grid.FixedRows())
            for (int i = 0; i < fields; ++i)
                grid.LoadCell(grid.FixedCols() + i, row, "");
    } catch (...) {
        grid.EndUpdate();
        throw;
    }
    grid.EndUpdate();
}

// The query is made once the connection can tell how its SQL quotes names.
void LoadQuery(TExStringGrid& grid, const std::string& connectionString,
               const std::function<std::string(const TDbConnection&)>& query) {
    TDbConnection connection;
    connection.Open(connectionString);
    TRecordSet records;
    records.ActiveConnection = &connection;
    records.Open(query(connection));
    ReadRecords(grid, records);
    records.Close();
    connection.Close();
}

} // namespace

void TExStringGrid::LoadFromMDBSQL(const std::string& Filename, const std::string& SQL) {
    LoadFromDatabaseSQL(AccessConnectionString(Filename), SQL);
}

void TExStringGrid::LoadFromMDBTable(const std::string& Filename, const std::string& Table) {
    LoadFromDatabaseTable(AccessConnectionString(Filename), Table);
}

void TExStringGrid::LoadFromDatabaseSQL(const std::string& ConnectionString,
                                        const std::string& SQL) {
    LoadQuery(*this, ConnectionString, [&](const TDbConnection&) { return SQL; });
}

void TExStringGrid::LoadFromDatabaseTable(const std::string& ConnectionString,
                                          const std::string& Table) {
    LoadQuery(*this, ConnectionString, [&](const TDbConnection& connection) {
        return "SELECT * FROM " + connection.QuoteIdentifier(Table);
    });
}
