#pragma once

// The program's windows after the main window, created once each in their fixed order: the
// configurator's dialogs, then the table windows of the family's other gateways, each joined to
// the main window's step that opens it and to its language change.
void Create_Other_Windows();
