#pragma once

#include <QString>

#include <QFileDialog>

#include <functional>
#include <memory>

class QIODevice;
class QWidget;

namespace bj {

// Every file name the program asks the user for goes through here, so tests can answer.
class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The file to write, or the empty text when the user cancelled. `suggested` is the name
    // (and folder) the dialog starts with; `filter` as Qt's file dialogs take it.
    virtual QString SaveFileName(
        QWidget* parent, const QString& caption, const QString& suggested, const QString& filter)
        = 0;
    // The file to read, or the empty text when the user cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter)
        = 0;
};

// Writes a file whole or not at all: `write` fills a file aside, which replaces `path` only
// when `write` succeeded and every byte is down, so a failure never leaves half a file or
// spoils the one that was there. The error text, or the empty text when the file is written.
QString WriteFileWhole(const QString& path, const std::function<bool(QIODevice&)>& write);

// The dialog the real service shows. Its files' types and icons come from their names alone:
// Qt tells a type by reading the file, on the program's own thread, and a file such as
// /proc/kmsg never ends, which froze the whole program once the dialog looked into /proc.
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const QString& caption,
    const QString& suggested, const QString& filter, QFileDialog::AcceptMode mode);

// The service in force: the real dialogs unless a test has installed its own.
FileDialogService& FileDialogs();
void SetFileDialogs(FileDialogService* service); // nullptr restores the real dialogs

} // namespace bj
