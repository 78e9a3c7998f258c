// Query results of an ODBC database in the string grid, against the SQLite driver and a
// database each test makes.
#include "ExGridTestGrid.h"

#include "platform/db/Database.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

class ExGridDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        TDbConnection probe;
        try {
            probe.Open("Driver=SQLite3;Database=:memory:");
        } catch (const EDatabaseError& error) {
            GTEST_SKIP() << "the SQLite ODBC driver is not registered: " << error.Message;
        }
        char pattern[] = "/tmp/exgriddbXXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        Folder = pattern;
        Connection = "Driver=SQLite3;Database=" + ConnectionStringValue(Folder + "/grid.db");
        TDbConnection connection;
        connection.Open(Connection);
        for (const char* sql :
             {"CREATE TABLE \"odd name\" (id INTEGER, name TEXT, note TEXT)",
              "INSERT INTO \"odd name\" VALUES (1, 'Grüße', NULL), (2, '', 'x'), (3, 'c', 'y')"}) {
            TRecordSet statement;
            statement.ActiveConnection = &connection;
            statement.Open(sql);
        }
    }
    void TearDown() override {
        if (!Folder.empty())
            std::filesystem::remove_all(Folder);
    }

    std::string Folder;
    std::string Connection;
};

TEST_F(ExGridDatabase, FieldNamesGoIntoTheLastFixedRowAndRecordsBelow) {
    TTestExGrid grid(nullptr);
    grid.SetFixedCols(1);
    grid.SetFixedRows(2);
    grid.SetRowCount(20); // rows of an earlier content do not stay below the records
    grid.SetCells(1, 10, "stale");
    grid.LoadFromDatabaseSQL(Connection, "SELECT id, name, note FROM \"odd name\" ORDER BY id");
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Cells(1, 1), "id");
    EXPECT_EQ(grid.Cells(3, 1), "note");
    EXPECT_EQ(grid.Cells(2, 2), "Grüße");
    EXPECT_EQ(grid.Cells(3, 2), ""); // null
    EXPECT_EQ(grid.Cells(2, 3), "");
    EXPECT_EQ(grid.Cells(3, 4), "y");
}

TEST_F(ExGridDatabase, ATableNameIsQuotedAndAnEmptyResultLeavesOneEmptyRow) {
    TTestExGrid grid(nullptr);
    grid.SetFixedCols(0);
    grid.SetFixedRows(1);
    grid.LoadFromDatabaseTable(Connection, "odd name");
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cells(1, 3), "c");
    grid.LoadFromDatabaseSQL(Connection, "SELECT id, name FROM \"odd name\" WHERE id > 9");
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_EQ(grid.Cells(0, 0), "id");
    EXPECT_THROW(grid.LoadFromDatabaseTable(Connection, "odd name\"; DROP TABLE x; --"),
                 EDatabaseError);
}

TEST_F(ExGridDatabase, FailuresReachTheCaller) {
    TTestExGrid grid(nullptr);
    EXPECT_THROW(grid.LoadFromDatabaseSQL(Connection, "SELEKT"), EDatabaseError);
    EXPECT_THROW(grid.LoadFromMDBSQL(Folder + "/missing.mdb", "SELECT 1"), EDatabaseError);
    EXPECT_THROW(grid.LoadFromMDBTable(Folder + "/missing.mdb", "t"), EDatabaseError);
}

} // namespace
