#pragma once

#include "protocols/descriptionfiles/DescriptionFiles.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

// The BACnet engineering data exchange (EDE) file of the BACnet-slave gateway: a ';'-separated
// list of the objects of the BACnet object tables, for a client's engineering tool.

struct TBACnet_EDE_Obj {
    std::string Keyname;
    std::string DevObjInstance;
    std::string ObjectName;
    std::string ObjectType;
    std::string ObjectInstance;
    std::string Description;
    std::string UnitCode;
};

struct TEdeRun {
    std::string Device_Instance;
    bool Long_Names = false; // object names of 32 characters instead of 16
    std::map<int, int> Next_Instance;
    std::vector<TBACnet_EDE_Obj> Objects;
};

// The BACnet object type number of a table's "Data_Type" text (blanks and case ignored), -1 for
// a text that names none.
int BACnet_Object_Type_Code(std::string_view dataType);
// The type's next instance number, counted from 0.
int BACnet_Next_Instance(TEdeRun& run, int typeCode);

// "hh:mm:ss dd/mm/yyyy"
std::string EDE_Timestamp(const TFileStamp& stamp);

// The device instance and the name length from the general parameters; nothing when the file
// does not exist.
void EDE_Read_ParGen(const std::string& parGenFile, TEdeRun& run);
// One record per row of the BACnet object tables, read rows first. A row without one of its
// attributes or of an unknown object type throws Exception naming the row.
void EDE_Read_Objects(const std::string& bacnetSlaveFile, TEdeRun& run);

std::vector<std::string> EDE_Lines(const TEdeRun& run, std::string_view projectName,
                                   const TFileStamp& stamp);

// The chosen file name with ".csv" appended unless it ends in it (any case).
std::string EDE_File_Name(std::string_view chosen);

// One whole run writing the file to `path` in the ANSI code page with CR LF, atomically;
// nothing is written when a table row is refused. Throws EFileError when the file cannot be
// written.
void EDE_Build_File(const std::string& path, const std::string& parGenFile,
                    const std::string& bacnetSlaveFile, std::string_view projectName,
                    const TFileStamp& stamp = File_Stamp_Now());
