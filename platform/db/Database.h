#pragma once

#include "platform/core/Exception.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A database, its driver or a query that failed; the message holds the driver's diagnostics.
class EDatabaseError : public Exception {
public:
    using Exception::Exception;
};

// A value for an ODBC connection string: braced when it holds characters that would end or
// confuse the attribute (";", braces, "=", blanks at its ends), with "}" doubled inside.
std::string ConnectionStringValue(std::string_view value);
// The connection string of the Access driver for a database file.
std::string AccessConnectionString(std::string_view fileName);

struct TDbConnectionData;

// An open connection to a database through the ODBC driver manager.
class TDbConnection {
public:
    TDbConnection();
    ~TDbConnection();
    TDbConnection(const TDbConnection&) = delete;
    TDbConnection& operator=(const TDbConnection&) = delete;

    // Throws EDatabaseError when the driver or the database cannot be reached.
    void Open(const std::string& connectionString);
    void Close();
    bool Connected() const;
    // The name quoted as the driver's SQL wants it, any quote inside doubled.
    std::string QuoteIdentifier(std::string_view name) const;

private:
    friend class TRecordSet;
    std::unique_ptr<TDbConnectionData> FData;
};

struct TRecordSetData;

// The records of a query, read forward once.
class TRecordSet {
public:
    TRecordSet();
    ~TRecordSet();
    TRecordSet(const TRecordSet&) = delete;
    TRecordSet& operator=(const TRecordSet&) = delete;

    TDbConnection* ActiveConnection = nullptr;
    // Runs the query and moves to its first record. Throws EDatabaseError.
    void Open(const std::string& sql);
    void Close();

    int FieldCount() const;
    std::string FieldName(int index) const; // from 0
    // The number of records when the driver knows it before reading them, else -1.
    int RecordCount() const { return -1; }
    bool Eof() const;
    void MoveNext();
    // The current record's field as text and its size in bytes; a null value has size -1 and
    // empty text.
    const std::string& FieldValue(int index) const;
    int ActualSize(int index) const;

private:
    std::unique_ptr<TRecordSetData> FData;
};
