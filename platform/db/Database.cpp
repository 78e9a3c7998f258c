#include "platform/db/Database.h"

#include <sql.h>
#include <sqlext.h>

#include <algorithm>

namespace {

std::string Diagnostics(SQLSMALLINT type, SQLHANDLE handle) {
    std::string text;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLCHAR message[1024] = {};
        SQLSMALLINT length = 0;
        if (!SQL_SUCCEEDED(SQLGetDiagRec(type, handle, record, state, &native, message,
                                         sizeof message, &length)))
            break;
        if (!text.empty())
            text += "\n";
        text += reinterpret_cast<const char*>(message);
    }
    return text.empty() ? "unknown error" : text;
}

void Check(SQLRETURN result, SQLSMALLINT type, SQLHANDLE handle, const std::string& what) {
    if (!SQL_SUCCEEDED(result))
        throw EDatabaseError(what + ": " + Diagnostics(type, handle));
}

} // namespace

std::string ConnectionStringValue(std::string_view value) {
    const bool braced = value.find_first_of(";{}=") != std::string_view::npos ||
                        (!value.empty() && (value.front() == ' ' || value.back() == ' '));
    if (!braced)
        return std::string(value);
    std::string text = "{";
    for (char c : value) {
        text += c;
        if (c == '}')
            text += '}';
    }
    return text + "}";
}

std::string AccessConnectionString(std::string_view fileName) {
    return "Driver={Microsoft Access Driver (*.mdb)};DBQ=" + ConnectionStringValue(fileName);
}

struct TDbConnectionData {
    SQLHENV Environment = SQL_NULL_HENV;
    SQLHDBC Connection = SQL_NULL_HDBC;
    bool Connected = false;
};

TDbConnection::TDbConnection() : FData(std::make_unique<TDbConnectionData>()) {}

TDbConnection::~TDbConnection() {
    Close();
}

void TDbConnection::Open(const std::string& connectionString) {
    Close();
    TDbConnectionData& data = *FData;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &data.Environment)))
        throw EDatabaseError("The ODBC driver manager cannot start");
    SQLSetEnvAttr(data.Environment, SQL_ATTR_ODBC_VERSION,
                  reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    Check(SQLAllocHandle(SQL_HANDLE_DBC, data.Environment, &data.Connection), SQL_HANDLE_ENV,
          data.Environment, "Cannot connect");
    std::string text = connectionString;
    SQLCHAR out[1024];
    SQLSMALLINT outLength = 0;
    const SQLRETURN result =
        SQLDriverConnect(data.Connection, nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
                         static_cast<SQLSMALLINT>(std::min<size_t>(text.size(), 32767)), out,
                         sizeof out, &outLength, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(result)) {
        const std::string message = Diagnostics(SQL_HANDLE_DBC, data.Connection);
        Close();
        throw EDatabaseError("Cannot connect to the database: " + message);
    }
    data.Connected = true;
}

void TDbConnection::Close() {
    TDbConnectionData& data = *FData;
    if (data.Connected)
        SQLDisconnect(data.Connection);
    if (data.Connection != SQL_NULL_HDBC)
        SQLFreeHandle(SQL_HANDLE_DBC, data.Connection);
    if (data.Environment != SQL_NULL_HENV)
        SQLFreeHandle(SQL_HANDLE_ENV, data.Environment);
    data = {};
}

bool TDbConnection::Connected() const {
    return FData->Connected;
}

std::string TDbConnection::QuoteIdentifier(std::string_view name) const {
    std::string quote = "\"";
    if (FData->Connected) {
        SQLCHAR answer[8] = {};
        SQLSMALLINT length = 0;
        if (SQL_SUCCEEDED(SQLGetInfo(FData->Connection, SQL_IDENTIFIER_QUOTE_CHAR, answer,
                                     sizeof answer, &length)) &&
            answer[0] != ' ' && answer[0] != '\0')
            quote = reinterpret_cast<const char*>(answer);
    }
    std::string text = quote;
    for (size_t i = 0; i < name.size(); ++i) {
        text += name[i];
        if (name.compare(i, quote.size(), quote) == 0)
            text += quote;
    }
    return text + quote;
}

struct TRecordSetData {
    SQLHSTMT Statement = SQL_NULL_HSTMT;
    std::vector<std::string> Names;
    std::vector<std::string> Values;
    std::vector<int> Sizes;
    bool Eof = true;

    void Fetch() {
        const SQLRETURN result = SQLFetch(Statement);
        if (result == SQL_NO_DATA) {
            Eof = true;
            return;
        }
        Check(result, SQL_HANDLE_STMT, Statement, "Cannot read a record");
        Eof = false;
        for (size_t i = 0; i < Names.size(); ++i)
            ReadField(static_cast<SQLUSMALLINT>(i + 1), Values[i], Sizes[i]);
    }

    // Reads the value in pieces: the driver tells the full size only as it goes.
    void ReadField(SQLUSMALLINT column, std::string& value, int& size) {
        value.clear();
        char buffer[4096];
        while (true) {
            SQLLEN indicator = 0;
            const SQLRETURN result =
                SQLGetData(Statement, column, SQL_C_CHAR, buffer, sizeof buffer, &indicator);
            if (result == SQL_NO_DATA)
                break;
            Check(result, SQL_HANDLE_STMT, Statement, "Cannot read a field");
            if (indicator == SQL_NULL_DATA) {
                size = -1;
                return;
            }
            const size_t piece = indicator == SQL_NO_TOTAL || indicator >= SQLLEN(sizeof buffer)
                                     ? sizeof buffer - 1
                                     : static_cast<size_t>(indicator);
            value.append(buffer, piece);
            if (result == SQL_SUCCESS)
                break;
        }
        size = static_cast<int>(value.size());
    }
};

TRecordSet::TRecordSet() : FData(std::make_unique<TRecordSetData>()) {}

TRecordSet::~TRecordSet() {
    Close();
}

void TRecordSet::Open(const std::string& sql) {
    Close();
    if (!ActiveConnection || !ActiveConnection->Connected())
        throw EDatabaseError("The record set has no open connection");
    TRecordSetData& data = *FData;
    SQLHDBC connection = ActiveConnection->FData->Connection;
    Check(SQLAllocHandle(SQL_HANDLE_STMT, connection, &data.Statement), SQL_HANDLE_DBC, connection,
          "Cannot run the query");
    std::string text = sql;
    Check(SQLExecDirect(data.Statement, reinterpret_cast<SQLCHAR*>(text.data()),
                        static_cast<SQLINTEGER>(text.size())),
          SQL_HANDLE_STMT, data.Statement, "Cannot run the query");
    SQLSMALLINT columns = 0;
    Check(SQLNumResultCols(data.Statement, &columns), SQL_HANDLE_STMT, data.Statement,
          "Cannot run the query");
    for (SQLSMALLINT i = 1; i <= columns; ++i) {
        SQLCHAR name[256] = {};
        SQLSMALLINT length = 0, type = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        Check(SQLDescribeCol(data.Statement, i, name, sizeof name, &length, &type, &size, &digits,
                             &nullable),
              SQL_HANDLE_STMT, data.Statement, "Cannot run the query");
        data.Names.emplace_back(reinterpret_cast<const char*>(name));
    }
    data.Values.resize(columns);
    data.Sizes.resize(columns);
    if (columns > 0)
        data.Fetch();
}

void TRecordSet::Close() {
    TRecordSetData& data = *FData;
    if (data.Statement != SQL_NULL_HSTMT)
        SQLFreeHandle(SQL_HANDLE_STMT, data.Statement);
    data = {};
}

int TRecordSet::FieldCount() const {
    return static_cast<int>(FData->Names.size());
}

std::string TRecordSet::FieldName(int index) const {
    return index >= 0 && index < FieldCount() ? FData->Names[index] : std::string();
}

bool TRecordSet::Eof() const {
    return FData->Eof;
}

void TRecordSet::MoveNext() {
    if (!FData->Eof)
        FData->Fetch();
}

const std::string& TRecordSet::FieldValue(int index) const {
    static const std::string none;
    return index >= 0 && index < FieldCount() && !FData->Eof ? FData->Values[index] : none;
}

int TRecordSet::ActualSize(int index) const {
    return index >= 0 && index < FieldCount() && !FData->Eof ? FData->Sizes[index] : -1;
}
