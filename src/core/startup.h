#pragma once
// The start of a run up to a prepared database, and its end.
#include <string>

// Opens the five databases in the current directory. False (nothing written) when the
// directory cannot hold data.
bool OpenDatabases();
void CloseDatabases();

// InitGlobals, LoadSettings (or the default database, with a backup of existing data and a
// message), and the upgrade probes. Returns true when the default database was built.
bool PrepareDatabases();

// SaveSettings and closing of the databases.
void ShutDown();
