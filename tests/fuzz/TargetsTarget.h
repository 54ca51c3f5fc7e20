#pragma once

#include <QByteArray>

class TFormData;

// One fuzz input's staffing targets file over the tables of data: the file is read, its table
// saved and read back, which must give the same table and the same bytes again (else the
// program aborts with what went wrong); then the coverage of the registered and of the next
// period, the lines of "人員過不足一覧", the change window's date marks, the export's
// person-hours and the hour chart's comparison of every date of both periods are computed.
void fuzzTargets(const QByteArray& fourthFile, const TFormData& data);
