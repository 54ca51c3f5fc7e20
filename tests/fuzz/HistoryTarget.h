#pragma once

#include <QByteArray>

class TFormData;

// The kept days' file of one fuzz input over the tables of data. The file is read; every day
// taken has the change file's form, and the saved file must read back whole into the same days
// and save again into the same bytes. Then the days a registration on each date of both periods
// would keep are gathered and kept, and each of them saves and reads back too. A fault is written
// to the standard error stream and aborts.
void fuzzHistory(const QByteArray& eighthFile, const TFormData& data);
