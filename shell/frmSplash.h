#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QTimer;

namespace bj {

// Shown at start-up until a key, a click on the frame or three seconds have passed.
class frmSplash final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kShowMilliseconds = 3000;

    explicit frmSplash(QWidget* parent = nullptr);

    void Form_Load();
    void Form_KeyPress(int keyAscii);
    void Frame1_Click();
    void Timer1_Timer();
    // Ends the splash; whichever of key, click and timer comes first.
    void Unload();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    QLabel* AddLabel(const char* name, const QString& text);

    QFrame* Frame1 = nullptr;
    QTimer* Timer1 = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblCompanyProduct = nullptr;
    QLabel* lblLicenseTo = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* lblWarning = nullptr;
};

} // namespace bj
