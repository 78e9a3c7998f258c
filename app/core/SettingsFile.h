#pragma once

#include <string>

// The settings file "Velmaro.xml" beside the program keeps, from one run to the next, the last
// configuration, the last device address, the language and the four options of AppState().

std::string Settings_File_Path();

// Reads Project_Name, Last_IP_Address, Language_Name and the four flags. Every value the file
// does not give, and every value of a missing or unreadable file, takes its default; nothing is
// reported. A configuration name that is not valid (ConfigurationName.h), one leading out of
// PROJECTS for instance, reads as no configuration. Project_Path is not touched (see
// Reopen_Last_Project).
void Load_Settings();

// Writes the current values, replacing the file atomically. Throws EFileError naming the file;
// closing the program must not depend on it, so the caller decides whether to show it.
void Save_Setting();
