#pragma once
// The tables of the five database files, their recreate groups and the default database.
struct _ziko_intdat;

void RecreateMainTables();
void RecreatePathTables();
void RecreateAktionTable();
void RecreateEintragTable();
void RecreateAutoTables();
// keepName 1 keeps the district name (new database command), 0 sets "Testgau".
void CreateDefaultDatabase(int keepName);

// Copies the CREATE TABLE texts into their fields of the program-state record.
void fillCreateTexts(_ziko_intdat& intdat);
// The settings fields that a new database sets (part of CreateDefaultDatabase); the
// tables are left alone.
void setDefaultSettings(int keepName);
