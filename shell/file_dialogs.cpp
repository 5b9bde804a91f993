#include "shell/file_dialogs.h"

#include <QFileDialog>
#include <QSaveFile>

namespace bj {
namespace {

class QtFileDialogs final : public FileDialogService {
public:
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
        const QString& filter) override {
        return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    }
    QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
    }
};

FileDialogService* installed = nullptr;

} // namespace

QString WriteFileWhole(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit())
        return QString();
    return file.errorString();
}

FileDialogService& FileDialogs() {
    static QtFileDialogs real;
    return installed ? *installed : real;
}

void SetFileDialogs(FileDialogService* service) {
    installed = service;
}

} // namespace bj
