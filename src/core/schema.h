#pragma once
// The tables of the five database files, their recreate groups and the default database.
#include <sqlite3.h>

#include <string>

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

// Drops a table and creates it from its CREATE text. Neither statement is checked: a table
// that does not exist yet simply has nothing to drop.
void recreateTable(sqlite3* conn, const char* table, const std::string& create);
// The row of discipline d in one of the path tables, every path the program folder.
void insertEinzelausgb10Row(long d);
void insertNeueSaisonRow(long d);
void insertImpExpRow(long d);
