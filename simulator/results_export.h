#pragma once

#include "simulator/session_results.h"

#include <QString>

class QTextStream;
class QWidget;

namespace bj {

// The results as CSV: every column of the grid and how each session ended, numbers
// without grouping so a spreadsheet reads them as numbers.
void WriteResultsCsv(QTextStream& out, const SessionResults& results);
// The hourly table as CSV, ending with the run's figure as the hourly window shows it.
void WriteHourlyCsv(QTextStream& out, const SessionResults& results, const QString& runHourly);

// Ask for a file through the save dialog and write it; a failure is told in a message.
// True when a file was written.
bool ExportResults(QWidget* parent, const SessionResults& results);
bool ExportHourly(QWidget* parent, const SessionResults& results, const QString& runHourly);

} // namespace bj
