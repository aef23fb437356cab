#pragma once
// The start of a run up to a prepared database, and its end.
#include <string>

// Opens the five databases in the current directory. False (nothing written, the reason
// shown) when the directory cannot hold data, the settings file cannot be read or a
// database file is damaged or foreign.
bool OpenDatabases();
void CloseDatabases();

// InitGlobals, LoadSettings (or the default database, with a backup of existing data and a
// message), and the upgrade probes. Returns true when the default database was built (or
// tried); ok turns false when it could not be built and the run must end.
bool PrepareDatabases(bool* ok = nullptr);

// SaveSettings (a failure is shown) and closing of the databases.
void ShutDown();
