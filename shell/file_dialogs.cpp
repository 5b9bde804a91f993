#include "shell/file_dialogs.h"

#include "shell/message_box.h"

#include <QFileIconProvider>
#include <QLineEdit>
#include <QMimeDatabase>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace bj {
namespace {

class FileTypesByName final : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override {
        if (!info.isFile())
            return QFileIconProvider::icon(info);
        const QMimeType mime = TypeOf(info);
        return QIcon::fromTheme(mime.iconName(),
            QIcon::fromTheme(mime.genericIconName(), QFileIconProvider::icon(File)));
    }
    QString type(const QFileInfo& info) const override {
        if (!info.isFile())
            return QFileIconProvider::type(info);
        const QMimeType mime = TypeOf(info);
        return mime.comment().isEmpty() ? mime.name() : mime.comment();
    }

private:
    QMimeType TypeOf(const QFileInfo& info) const {
        return mimes_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    }

    QMimeDatabase mimes_;
};

// The toolkit's dialog reads a double quote as a mark around one of several names, so a name
// typed with one would be taken as a piece of it in another folder; such a name is refused.
class OneNameFileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name && name->text().contains(QLatin1Char('"'))) {
            Messages().Show(QStringLiteral("A file name cannot contain a double quote (\").\n"
                                           "Please choose another name."),
                windowTitle(), MsgIcon::Information, MsgButtons::Ok);
            return;
        }
        QFileDialog::accept();
    }
};

QString ChosenFile(QFileDialog& dialog) {
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

class QtFileDialogs final : public FileDialogService {
public:
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
        const QString& filter) override {
        return ChosenFile(
            *MakeFileDialog(parent, caption, suggested, filter, QFileDialog::AcceptSave));
    }
    QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter) override {
        return ChosenFile(
            *MakeFileDialog(parent, caption, QString(), filter, QFileDialog::AcceptOpen));
    }
};

FileDialogService* installed = nullptr;

} // namespace

QString WriteFileWhole(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    errno = 0;
    // commit() misses a failure to write out what the file still buffers, a full disk for one,
    // and would put the short file in place; flushing first reports it.
    if (write(file) && file.flush() && file.commit())
        return QString();
    // For a failed flush, or a text stream's failed write, Qt keeps no reason ("Unknown
    // error"); the system's is the one to tell.
    return errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
}

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const QString& caption,
    const QString& suggested, const QString& filter, QFileDialog::AcceptMode mode) {
    auto dialog = std::make_unique<OneNameFileDialog>(parent, caption, suggested, filter);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(
        mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The dialog does not own it, and its file list asks it on another thread too: it must
    // outlive every dialog, so it is never deleted.
    static auto* byName = new FileTypesByName;
    dialog->setIconProvider(byName);
    return dialog;
}

FileDialogService& FileDialogs() {
    static QtFileDialogs real;
    return installed ? *installed : real;
}

void SetFileDialogs(FileDialogService* service) {
    installed = service;
}

} // namespace bj
