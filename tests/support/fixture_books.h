#pragma once
// The books the report and export tests share: tests/data/fixture_year.sql
// on the bundled masters, opened as DBConnection.
#include "temp_install.h"

#include <QByteArray>

void OpenFixtureBooks(TempInstall& install);

// The run log with the temporary installation's folder written as
// "<install>", so that logs naming paths can be compared with golden files.
QByteArray RunLogWithInstallFolder(const TempInstall& install);
