#pragma once

#include "shell/file_dialogs.h"

#include <QStringList>

#include <deque>

namespace bj {

// Test double for file dialogs. While it lives it is the service in force. It records the
// caption of every dialog (and a save dialog's suggested name) and answers from `answers`, front
// first; once they are used up the user cancels.
class ScriptedFileDialogs final : public FileDialogService {
public:
    ScriptedFileDialogs()
        : previous_(&FileDialogs()) {
        SetFileDialogs(this);
    }
    ~ScriptedFileDialogs() override { SetFileDialogs(previous_); }
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    QString SaveFileName(
        QWidget*, const QString& caption, const QString& suggested, const QString&) override {
        asked << caption + " | " + suggested;
        return Answer();
    }
    QString OpenFileName(QWidget*, const QString& caption, const QString&) override {
        asked << caption;
        return Answer();
    }

    QStringList asked;
    std::deque<QString> answers;

private:
    QString Answer() {
        if (answers.empty())
            return {};
        const QString answer = answers.front();
        answers.pop_front();
        return answer;
    }

    FileDialogService* previous_;
};

} // namespace bj
