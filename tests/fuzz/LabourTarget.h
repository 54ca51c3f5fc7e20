#pragma once

#include <QByteArray>

class TFormData;

// The labour settings' file of one fuzz input over the tables of the data holder. The file is
// read; every setting must lie in its range, and the saved file must read back whole into the
// same settings and save again into the same bytes. Then, over the registered and the next
// period, every employee's check and premium, each cell's findings and every line of the report
// are computed with those settings: no premium or count of minutes may be negative, and a
// conversion error may stop only a report line, as the program shows it for tables the start-up
// checks refuse. A fault is written to the standard error stream and aborts.
void fuzzLabour(const QByteArray& fifthFile, const TFormData& data);
