#pragma once

#include <QList>
#include <QString>

// A line of a file beside the data files that the reader did not take, and why. Every such file
// is read line by line; whatever is not taken is named to the user in one message and its bytes
// are kept in the file's backup before the file is next replaced.
struct RejectedLine {
    int line = 0; // counted from 1
    QString reason;

    bool operator==(const RejectedLine&) const = default;
};

// The lines of such a message: "　N 行目：reason" per line (CRLF after each), the first ones,
// then how many more.
QString rejectedLinesList(const QList<RejectedLine>& rejected);
