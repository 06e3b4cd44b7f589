#pragma once

#include <QString>

// Reasons beyond the C library's error numbers, for what Windows tells apart.
enum : int {
    // Another program holds the file open and does not let it be replaced (Windows).
    FileInUseError = 0x10001,
    // The file itself is marked read-only (Windows).
    ReadOnlyFileError = 0x10002,
};

// A short Ukrainian reason for a failed file operation, from the error number (errno, or
// one of the reasons above) that the failing call left.
QString ioReason(int systemError);

// Forgets the last system error, before a call whose failure is to be explained.
void clearSystemError();

// The error the file call that just failed left, as an error number for ioReason: errno,
// or on Windows the system's last error translated; EIO when the call left none.
int lastSystemError();

// Why a file could not be written or replaced at `path`, given the error the call left:
// on Windows a file held open by another program or marked read-only is told as such,
// whatever code the replace step gave.
int writeFailureCause(const QString &path, int systemError);
