#pragma once
// The tables of the five database files, their recreate groups and the default database.
void RecreateMainTables();
void RecreatePathTables();
void RecreateAktionTable();
void RecreateEintragTable();
void RecreateAutoTables();
// keepName 1 keeps the district name (new database command), 0 sets "Testgau".
void CreateDefaultDatabase(int keepName);
