#include "editors/playing_editor.h"

#include "editors/strategy_value.h"
#include "shell/file_dialogs.h"
#include "shell/message_box.h"
#include "store/playing_strategies.h"
#include "store/playing_strategy_csv.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

namespace bj {

namespace {

const QString kImportCaption = "Import Playing Strategy";
const QString kExportCaption = "Export Playing Strategy";
const QString kCsvFilter = "Playing strategies (*.csv);;All files (*)";
// Far above any playing strategy file, so a wrong pick is refused before it is read whole.
constexpr qint64 kLargestCsv = 64 * 1024;

void Tell(const QString& text, const QString& title) {
    Messages().Show(text, title, MsgIcon::Information, MsgButtons::Ok);
}

// The file's text, or the empty optional after telling the user why there is none.
std::optional<QByteArray> ReadCsvFile(const QString& path) {
    // A pipe would block the program in opening it, and a device such as /dev/zero never ends.
    if (QFileInfo info(path); info.exists() && !info.isFile()) {
        Tell("The file " + path + " could not be read:\nit is not an ordinary file.",
            kImportCaption);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Tell("The file " + path + " could not be read:\n" + file.errorString(), kImportCaption);
        return std::nullopt;
    }
    // Read up to one byte past the limit, as a file's size may be told wrong or grow.
    QByteArray text = file.read(kLargestCsv + 1);
    if (text.size() > kLargestCsv) {
        Tell("The file " + path + " was not imported:\nit is far larger than a playing strategy.",
            kImportCaption);
        return std::nullopt;
    }
    return text;
}

QString SuggestedFileName(const std::string& name) {
    QString base = QString::fromStdString(name).trimmed();
    for (const QChar c : {'/', '\\', ':', '*', '?', '"', '<', '>', '|'})
        base.replace(c, '-');
    return (base.isEmpty() ? QString("Playing strategy") : base) + ".csv";
}

} // namespace

// What is shown becomes a strategy to name and save; nothing stored changes.
void frmConfiguration::BecomeUnsavedNew(const QString& name) {
    ctx_.gs.PlayingStrategyRefNo = 0;
    bNamingNew = true;
    SetNameBox(QString(name).remove('[').remove(']').left(50));
    ShowHouseRules();
    cboPlayer_Click();
    ShowWholeStrategy();
    SetEditButtons(true, true);
    txtName->setFocus();
}

void frmConfiguration::cmdBest_Click() {
    if (!SaveEditsFirst())
        return;
    FillBestTable(ctx_.gs);
    BecomeUnsavedNew(QString());
}

void frmConfiguration::cmdImport_Click() {
    const QString path = FileDialogs().OpenFileName(this, kImportCaption, kCsvFilter);
    if (path.isEmpty())
        return;
    const std::optional<QByteArray> text = ReadCsvFile(path);
    if (!text)
        return;
    const PlayingStrategyCsv read
        = PlayingStrategyFromCsv(std::string_view(text->constData(), std::size_t(text->size())));
    if (!read.Strategy) {
        Tell("The file " + path + " was not imported:\n" + QString::fromStdString(read.Error),
            kImportCaption);
        return;
    }
    if (!SaveEditsFirst())
        return;
    PutPlayingStrategy(*read.Strategy, ctx_.gs);
    BecomeUnsavedNew(QString::fromStdString(read.Strategy->Name));
}

void frmConfiguration::cmdExport_Click() {
    const GameState& gs = ctx_.gs;
    const QString path = FileDialogs().SaveFileName(
        this, kExportCaption, SuggestedFileName(gs.PlayingStrategyName), kCsvFilter);
    if (path.isEmpty())
        return;
    const std::string csv = PlayingStrategyToCsv(PlayingStrategyFromGameState(gs));
    const QString error = WriteFileWhole(path, [&](QIODevice& file) {
        return file.write(csv.data(), qint64(csv.size())) == qint64(csv.size());
    });
    if (!error.isEmpty())
        Tell(
            "The playing strategy could not be written to " + path + ":\n" + error, kExportCaption);
}

} // namespace bj
