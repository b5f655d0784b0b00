#pragma once

#ifdef _WIN32

#include <string>
#include <vector>

namespace quillon {

// The folders Windows names for the user who runs the program, as the system reports them
// (under Wine, from its own registry); each without a final separator, empty when unknown.
std::string DocumentsFolder();
std::string LocalAppDataFolder();
std::string RoamingAppDataFolder();  // %APPDATA%
// The folder of the running program's file.
std::string ProgramFolder();
// Program Files and, on a 64-bit system, Program Files (x86).
std::vector<std::string> ProgramFilesFolders();

}  // namespace quillon

#endif
