#pragma once

#include <QByteArray>

class TFormData;

// The requests under fuzzing, over tables the loader filled (data is not changed). Each aborts
// the run with a message on stderr when a promise breaks.
//
// The sixth file: read, saved and read again, which must give the same requests and save again
// into the same bytes; then every cell's wish and mark, the wishes apart and the report
// "希望の反映状況" are computed over the registered and the next period.
void fuzzRequests(const QByteArray& sixthFile, const TFormData& data);

// The import's parser on any bytes, with the columns the sixth file remembers, for the registered
// names and both planned periods: every row taken is a registered name on a planned date, no row
// is both taken and refused or listed twice, and taking the rows gives each of them as its wish.
void fuzzRequestImport(const QByteArray& csv, const TFormData& data);
