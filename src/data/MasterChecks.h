#pragma once

#include "data/Table.h"

#include <QStringList>

// The start-up checks of the employee master table, in three stages that the main window
// runs with its progress captions between them. Each stage returns the lines to append to
// the status panel: none when it passes. They look only at rows 0 to n − 1, n being the
// number of rows with a name anywhere in the table, and never change the table.
namespace masterchecks {

int checkedRowCount(const Table& master);

// Every cell of rows 0 to n − 1 is filled.
QStringList completeness(const Table& master);
// Wage, hour, minute and net-minute columns are integers of the allowed lengths.
QStringList numbers(const Table& master);
// Names are 1 to 24 bytes; attributes are 1 to 6 bytes and one of the four values.
QStringList namesAndAttributes(const Table& master);

} // namespace masterchecks
