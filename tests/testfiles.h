// Helpers shared by the tests: files in the game's layout, built by hand (not by the writer).
#pragma once

#include "weathertable.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace testfiles {

// A table of `count` records numbered firstNumber, firstNumber + 1, ..., every value distinct.
weather::ConfigTable makeTable(int count, int firstNumber = 0);

// A season line holding `values` (normally 18) in the exact layout, without its line end.
QByteArray seasonLine(int season, const QList<int>& values);
// 18 values derived from `seed`, all different.
QList<int> sampleValues(int seed);

// The ten lines of one record: five comment lines, the name line and four season lines.
QList<QByteArray> recordLines(const QByteArray& nameLine, int seed = 0);

// The header line and the count line, then `records`.
QList<QByteArray> fileLines(const QByteArray& countLine, const QList<QByteArray>& records = {});

// Lines joined with `eol` after every line.
QByteArray join(const QList<QByteArray>& lines, const QByteArray& eol = "\r\n");

QString examplePath();
QByteArray readAll(const QString& path);
bool writeAll(const QString& path, const QByteArray& data);

} // namespace testfiles
