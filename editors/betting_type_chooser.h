#pragma once

#include "shell/navigation.h"

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

namespace bj {

// Lets the user choose streak or variable betting; its only result is BettingType.
class frmSelectBettingStrat : public QWidget {
    Q_OBJECT
public:
    explicit frmSelectBettingStrat(AppContext& ctx, QWidget* parent = nullptr);

    void Form_Load();
    void optStrategyType_Click(int index);
    void optStrategyType_KeyDown(int index, int keyCode);
    void cmdOK_Click();

    std::array<QRadioButton*, 2> optStrategyType {};
    QPushButton* cmdOK = nullptr;
    QLabel* lblHint = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Unload();

    AppContext& ctx_;
    bool loaded_ = false;
};

} // namespace bj
