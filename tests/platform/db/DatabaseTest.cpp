// Connections and record sets through the ODBC driver manager, against the SQLite driver.
#include "platform/db/Database.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

constexpr const char* DriverFolder = "/usr/lib/x86_64-linux-gnu/odbc/";

// The drivers registered in a file of the test's own, never in the system's.
class Database : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        char pattern[] = "/tmp/velmaro-db-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        Folder = pattern;
        std::ofstream ini(Folder + "/odbcinst.ini");
        ini << "[SQLite3]\nDriver=" << DriverFolder << "libsqlite3odbc.so\n\n"
            << "[Microsoft Access Driver (*.mdb)]\nDriver=" << DriverFolder << "libmdbodbc.so\n";
        ini.close();
        setenv("ODBCSYSINI", Folder.c_str(), 1);
        setenv("ODBCINSTINI", "odbcinst.ini", 1);
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(Folder); }

    void SetUp() override {
        if (!std::filesystem::exists(std::string(DriverFolder) + "libsqlite3odbc.so"))
            GTEST_SKIP() << "the SQLite ODBC driver is not installed";
    }
    static std::string SQLite(const std::string& name) {
        return "Driver=SQLite3;Database=" + ConnectionStringValue(Folder + "/" + name);
    }
    static void Run(TDbConnection& connection, const std::string& sql) {
        TRecordSet statement;
        statement.ActiveConnection = &connection;
        statement.Open(sql);
    }

    static inline std::string Folder;
};

TEST(ConnectionString, BracesValuesThatWouldBreakIt) {
    struct Case {
        const char* Value;
        const char* Text;
    };
    const Case cases[] = {
        {"/data/plain.mdb", "/data/plain.mdb"}, {"/data/a;b.mdb", "{/data/a;b.mdb}"},
        {"/data/{x}.mdb", "{/data/{x}}.mdb}"},  {"/data/a=b.mdb", "{/data/a=b.mdb}"},
        {" lead.mdb", "{ lead.mdb}"},           {"/with space/x.mdb", "/with space/x.mdb"}};
    for (const Case& c : cases)
        EXPECT_EQ(ConnectionStringValue(c.Value), c.Text) << c.Value;
    EXPECT_EQ(AccessConnectionString("/d/x;y.mdb"),
              "Driver={Microsoft Access Driver (*.mdb)};DBQ={/d/x;y.mdb}");
}

TEST_F(Database, ReadsFieldsValuesNullsAndLongTexts) {
    TDbConnection connection;
    connection.Open(SQLite("values.db"));
    Run(connection, "CREATE TABLE t (name TEXT, amount REAL, note TEXT)");
    Run(connection,
        "INSERT INTO t VALUES ('Grüße', 3.5, NULL), ('', 7, '" + std::string(10000, 'x') + "')");
    TRecordSet records;
    records.ActiveConnection = &connection;
    records.Open("SELECT name, amount, note FROM t ORDER BY amount");
    ASSERT_EQ(records.FieldCount(), 3);
    EXPECT_EQ(records.FieldName(1), "amount");
    EXPECT_EQ(records.RecordCount(), -1);
    ASSERT_FALSE(records.Eof());
    EXPECT_EQ(records.FieldValue(0), "Grüße");
    EXPECT_EQ(records.FieldValue(1), "3.5");
    EXPECT_EQ(records.ActualSize(2), -1);
    records.MoveNext();
    EXPECT_EQ(records.ActualSize(0), 0);
    EXPECT_EQ(records.FieldValue(2), std::string(10000, 'x'));
    records.MoveNext();
    EXPECT_TRUE(records.Eof());
}

TEST_F(Database, QuotesNamesAsTheDriverWants) {
    TDbConnection connection;
    connection.Open(SQLite("names.db"));
    const std::string table = connection.QuoteIdentifier("odd \"name\"; DROP");
    EXPECT_EQ(table, "\"odd \"\"name\"\"; DROP\"");
    Run(connection, "CREATE TABLE " + table + " (v TEXT)");
    Run(connection, "INSERT INTO " + table + " VALUES ('in')");
    TRecordSet records;
    records.ActiveConnection = &connection;
    records.Open("SELECT * FROM " + table);
    EXPECT_EQ(records.FieldValue(0), "in");
}

TEST_F(Database, FailuresRaiseWithTheDriversMessage) {
    TDbConnection connection;
    EXPECT_THROW(connection.Open("Driver=No Such Driver;Database=x"), EDatabaseError);
    EXPECT_FALSE(connection.Connected());
    connection.Open(SQLite("errors.db"));
    TRecordSet records;
    EXPECT_THROW(records.Open("SELECT 1"), EDatabaseError); // no connection given
    records.ActiveConnection = &connection;
    try {
        records.Open("SELECT * FROM missing_table");
        FAIL() << "the query ran";
    } catch (const EDatabaseError& error) {
        EXPECT_NE(error.Message.find("missing_table"), std::string::npos) << error.Message;
    }
}

TEST_F(Database, TheAccessDriverRefusesAMissingFile) {
    TDbConnection connection;
    EXPECT_THROW(connection.Open(AccessConnectionString(Folder + "/missing.mdb")), EDatabaseError);
}

} // namespace
