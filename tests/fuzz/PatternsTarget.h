#pragma once

#include <QByteArray>

class TFormData;

// The shift patterns' file of one fuzz input over the tables of data. The file is read; every
// pattern and staff line taken keeps the rules of its fields and stands beside the others as the
// window would let it, and the saved file must read back whole into the same patterns and save
// again into the same bytes. Then every entry of both periods is named: a pattern it names has
// its times, and each pattern's own entry is one the change file takes and names that pattern
// again. A fault is written to the standard error stream and aborts.
void fuzzPatterns(const QByteArray& seventhFile, const TFormData& data);
