#pragma once

struct FileError;

// Ends the program after a data file could not be created, opened or written: the message of
// the failure, the file name with the system's reason on the standard error stream, exit code 1.
[[noreturn]] void fileFailure(const FileError& error);

// Tells the user that the recovery journal could not be written: the work goes on, and the
// data files are saved at the close as always.
void journalFailure(const FileError& error);
