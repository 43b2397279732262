// `weather-editor --check FILE...`: loads each file without a window and reports the outcome.
#pragma once

#include <QStringList>
#include <QTextStream>

// Prints one line per file to `out`: "FILE: N configurations" or "FILE:LINE: message"; after
// the first, a "FILE:LINE: warning: message" line for each warning of the load. Returns 0 when
// every file loaded and 1 when any failed.
int runCheck(const QStringList& files, QTextStream& out);
