#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace bj {

// Read-only help: how to set a playing strategy, or, with bolFromMulti set before it is
// shown, what the multi-session simulator does.
class frmPlayingStrategiesInstr : public QWidget {
    Q_OBJECT
public:
    explicit frmPlayingStrategiesInstr(QWidget* parent = nullptr);

    void Form_Load();
    void Form_Unload();
    void Command1_Click();

    bool bolFromMulti = false;
    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool loaded_ = false;
};

// The texts of the two modes, as Label1 shows them.
QString PlayingStrategyInstructions();
QString MultipleSessionInformation();

} // namespace bj
