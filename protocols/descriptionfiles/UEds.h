#pragma once

#include "protocols/descriptionfiles/DescriptionFiles.h"

#include <cstdint>
#include <string>
#include <vector>

// The CANopen electronic data sheet (EDS 4.0) of the CANopen gateway: fixed communication
// objects, one receive or transmit PDO per row of the PDO tables and one manufacturer object per
// object index of the SDO server tables.

struct TEdsPdo {
    int COB_ID = 0;
    int Dimension = 8; // data bytes, 0..8
};

struct SDO_Sub_Type {
    uint8_t Sub = 0;
    uint8_t Quantity = 0; // size of the value in bytes
    bool Readonly = true;
};

struct SDO_Index {
    uint16_t Index = 0;
    std::vector<SDO_Sub_Type> Sub_Indexs; // never empty
};

struct TEdsTables {
    std::vector<TEdsPdo> Receive_PDOs;
    std::vector<TEdsPdo> Transmit_PDOs;
    std::vector<SDO_Index> SDO_Index_List; // in order of first appearance
};

// "MM-DD-YYYY" and the 12-hour "hh:mmAM" / "hh:mmPM" (midnight 12:00AM, noon 12:00PM).
std::string EDS_Date_Text(const TFileStamp& stamp);
std::string EDS_Time_Text(const TFileStamp& stamp);

// The receive and transmit PDOs of the PDO table file; none when the file does not exist. A
// COB-ID that is not a number reads as 0, a Dimension as 8.
void EDS_Read_PDO(const std::string& pdoFile, TEdsTables& tables);
// Appends the objects of the SDO server table file (read rows before write rows); nothing when
// the file does not exist. A sub-index listed again adds no second entry: listed in both
// sections it is read-write.
void EDS_Read_SDO_Server(const std::string& sdoServerFile, TEdsTables& tables);
// Position of the index in the list, -1 when absent.
int EDS_Find_Index(const TEdsTables& tables, int index);
// Every object's sub-entries in ascending sub-index order, keeping reading order among equals.
void EDS_Sort_SubIndexes(TEdsTables& tables);

// The lines of the data sheet.
std::vector<std::string> EDS_Lines(const TEdsTables& tables, const TFileStamp& stamp);

// Reads both table files and writes the data sheet to `fileName` in the ANSI code page with
// CR LF, atomically. Throws EFileError when the file cannot be written.
void EDS_Write(const std::string& fileName, const std::string& pdoFile,
               const std::string& sdoServerFile, const TFileStamp& stamp = File_Stamp_Now());
