#pragma once

#include <QString>

// A short Ukrainian reason for a failed file operation, from the system error number
// left by the failing call.
QString ioReason(int systemError);
