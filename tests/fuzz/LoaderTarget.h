#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

// One fuzz input through the loader and the start-up checks. The input is the files split by form
// feeds (0x0C): the employee master file, the schedule file, the change file, the staffing targets'
// file, the labour settings' file, the requests' file, a CSV file for the requests' import and the
// shift patterns' file. The data files are read as at start-up and every check runs on them; then
// each table is saved and read back, which must give the same file (and the same cells, unless an
// empty line stood before a named row: the saver leaves it out). The changes read take effect over
// the tables, and their saved file must read back into the same changes. The files beside them go
// through their own targets (TargetsTarget.h, LabourTarget.h, RequestsTarget.h, PatternsTarget.h,
// which abort on a fault) and then into the data holder. Then every view and report computes over
// the tables (ViewsTarget.h) on the start-up date that digits after a last vertical tab (0x0B)
// give. Returns what went wrong, or the empty text.
QString exerciseLoaderAndChecks(const std::uint8_t* data, std::size_t size);
