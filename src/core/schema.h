#pragma once
// The tables of the five database files, their recreate groups and the default database.
#include <sqlite3.h>

#include <string>

struct _ziko_intdat;

// Each group in one transaction; true when every table of the group stands afterwards.
bool RecreateMainTables();
bool RecreatePathTables();
bool RecreateAktionTable();
bool RecreateEintragTable();
bool RecreateAutoTables();
// keepName 1 keeps the district name (new database command), 0 sets "Testgau". True when
// every statement succeeded. With why, a failure is told once by the caller rather than
// statement by statement: no error box is shown and why gets the first failure's reason.
bool CreateDefaultDatabase(int keepName, std::string* why = nullptr);

// Whether a main database holds the program's tables with their columns; older files may
// lack what the upgrade probes add (the club texts and their telephone column).
bool holdsMainTables(sqlite3* conn);

// Copies the CREATE TABLE texts into their fields of the program-state record.
void fillCreateTexts(_ziko_intdat& intdat);
// The settings fields that a new database sets (part of CreateDefaultDatabase); the
// tables are left alone.
void setDefaultSettings(int keepName);

// Drops a table and creates it from its CREATE text; a table that does not exist yet simply
// has nothing to drop. False, without the creation, when the drop failed.
bool recreateTable(sqlite3* conn, const char* table, const std::string& create);
// The row of discipline d in one of the path tables, every path the program folder.
bool insertEinzelausgb10Row(long d);
bool insertNeueSaisonRow(long d);
bool insertImpExpRow(long d);
// The report-import row of discipline d: local report folder, user, password, server address.
bool insertRmeImportRow(long d, const std::string& folder, const std::string& user,
                        const std::string& password, const std::string& url);
// The path rows and the report-import row that a new discipline gets, where missing. The
// export folders are kept in the row of discipline 0 alone.
void addDisciplineSettingsRows(int nr);
// "%4d/%4d": this calendar year and the next, the season of a new discipline.
std::string currentSeasonName();
// The name a discipline without one is shown and stored under.
std::string defaultDisciplineName(long nr);
// The name row of a new discipline with its default settings; false when it failed.
bool insertDisznamenRow(int nr, const std::string& name, const std::string& season);
