// `weather-editor --diff OLD NEW`: what differs between the configurations of two files.
#pragma once

class QIODevice;
class QString;
class QTextStream;

// Loads the two files (one of them may be "-", standard input) and writes to `out`, in UTF-8,
// one line per difference and a last line that sums up (see configdiff.h). Returns 0 when the
// configurations and the lines around them are equal, 1 when they differ, 2 on trouble: each file
// that fails to load prints its "FILE:LINE: message" to `err` and nothing goes to `out`.
int runDiff(const QString& oldFile, const QString& newFile, QIODevice& out, QTextStream& err);

// The same, writing to standard output.
int runDiff(const QString& oldFile, const QString& newFile, QTextStream& err);
