#include "simulator/results_export.h"

#include "shell/file_dialogs.h"
#include "shell/input_helpers.h"
#include "shell/message_box.h"
#include "simulator/amount_text.h"
#include "simulator/hourly_model.h"
#include "simulator/result_columns.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <functional>

namespace bj {
namespace {

const QString kFilter = QStringLiteral("CSV files (*.csv);;All files (*)");

bool SaveCsv(QWidget* parent, const QString& caption, const QString& suggested,
    const std::function<void(QTextStream&)>& write) {
    const QString path
        = FileDialogs().SaveFileName(parent, caption, QDir::home().filePath(suggested), kFilter);
    if (path.isEmpty())
        return false;
    // Millions of rows take a while to write.
    struct WaitCursor {
        WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
        ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    };
    QString error;
    {
        const WaitCursor waiting;
        error = WriteFileWhole(path, [&](QIODevice& file) {
            QTextStream out(&file);
            write(out);
            out.flush();
            return out.status() == QTextStream::Ok;
        });
    }
    if (error.isEmpty())
        return true;
    Messages().Show(QString("The file \"%1\" could not be written: %2.")
                        .arg(QDir::toNativeSeparators(path), error),
        caption, MsgIcon::Information, MsgButtons::Ok);
    return false;
}

} // namespace

void WriteResultsCsv(QTextStream& out, const SessionResults& results) {
    out << "Session,Max. Winning Amt,Max. Losing Amt,Hands Played,Time (HH:MM),Total,Won/Lost,"
           "Total Won/Lost,Ended\n";
    for (std::int64_t i = 0; i < results.Count(); ++i) {
        const SessionResults::Row& r = results[i];
        out << i + 1 << ',' << PlainAmount(r.MaxWinning) << ',' << PlainAmount(r.MaxLosing) << ','
            << r.Hands << ',' << ResultCellText(results, i, kColTime) << ','
            << PlainAmount(r.EndBank) << ',' << PlainAmount(results.WonLost(i)) << ','
            << PlainAmount(results.RunningTotal(i)) << ',' << EndName(r.End) << '\n';
    }
}

void WriteHourlyCsv(QTextStream& out, const SessionResults& results, const QString& runHourly) {
    out << "Session,Time (HH:MM),Hourly Avg. (Per Session)\n";
    for (std::int64_t i = 0; i < results.Count(); ++i)
        out << i + 1 << ',' << HourlyCellText(results, i, 1) << ','
            << FormatAmount(AmountValue(HourlyCellText(results, i, 2))) << '\n';
    out << "Total Won / Lost Per Hour,," << FormatAmount(AmountValue(runHourly)) << '\n';
}

bool ExportResults(QWidget* parent, const SessionResults& results) {
    return SaveCsv(parent, QStringLiteral("Export Results"), QStringLiteral("sessions.csv"),
        [&](QTextStream& out) { WriteResultsCsv(out, results); });
}

bool ExportHourly(QWidget* parent, const SessionResults& results, const QString& runHourly) {
    return SaveCsv(parent, QStringLiteral("Export Hourly Statistics"), QStringLiteral("hourly.csv"),
        [&](QTextStream& out) { WriteHourlyCsv(out, results, runHourly); });
}

} // namespace bj
