#pragma once
// Probes that bring the tables of older databases up to date. Each looks at the columns a
// table has; on a current database nothing changes.
// The captains' and managers' tables, and the club texts below, declare their address and
// telephone columns TEXT afterwards; a table is built again only when one is not.
bool UpgradeTableMschFuehrer();
bool UpgradeTableWettkampfleiter();
bool UpgradeTableMschStammschuetzen();
bool UpgradeTableAktion();
bool UpgradeTableEintrag();
// The report settings of an older layout move from the paths database into RmeImport,
// deleted there only once RmeImport holds them; when either database cannot be written,
// nothing changes and one message names it.
// defaultCreated: the default database was built in this start, so the path rows are new
// and hold no older report-folder values; one fresh row per discipline is made instead.
bool UpgradeTableRmeImport(bool defaultCreated = false);
bool UpgradeTableVereineZstext();
bool UpgradePathTables();
// All in start-up order; defaultCreated: the default database was built in this start.
void RunUpgradeProbes(bool defaultCreated);
// The probes of the main database's address tables: part of RunUpgradeProbes, and run
// alone after a data file was opened. A table that cannot be built again (a full disk)
// keeps its rows as they were; then one message names the reason (a database another program
// holds in the start's words), and the result is false.
bool UpgradeAddressTables();
