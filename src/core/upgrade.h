#pragma once
// Probes that bring the tables of older databases up to date.
bool UpgradeTableMschFuehrer();
bool UpgradeTableMschStammschuetzen();
bool UpgradeTableAktion();
bool UpgradeTableEintrag();
bool UpgradeTableRmeImport();
bool UpgradeTableVereineZstext();
bool UpgradePathTables();
// All seven in start-up order; defaultCreated: the default database was built in this start.
void RunUpgradeProbes(bool defaultCreated);
