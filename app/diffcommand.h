// `weather-editor --diff OLD NEW`: what differs between the configurations of two files.
#pragma once

#include <QStringList>
#include <QTextStream>

// Loads the two files (one of them may be "-", standard input) and prints to `out` one line per
// difference and a last line that sums up (see configdiff.h). Returns 0 when the
// configurations are equal, 1 when they differ, 2 when a file fails to load; each file that
// fails prints its "FILE:LINE: message" to `err` and nothing goes to `out`.
int runDiff(const QString& oldFile, const QString& newFile, QTextStream& out, QTextStream& err);
