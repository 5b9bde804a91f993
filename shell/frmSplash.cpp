#include "shell/frmSplash.h"

#include "shell/card_logo.h"
#include "shell/input_helpers.h"
#include "shell/window_services.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace bj {
namespace {

constexpr int kLogoHeight = 150;

void Enlarge(QLabel* label, double factor, bool bold) {
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    label->setFont(font);
}

} // namespace

frmSplash::frmSplash(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    BuildControls();
    Form_Load();
}

QLabel* frmSplash::AddLabel(const char* name, const QString& text) {
    auto* label = new QLabel(text, Frame1);
    label->setObjectName(QLatin1String(name));
    return label;
}

void frmSplash::BuildControls() {
    setFocusPolicy(Qt::StrongFocus);
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->installEventFilter(this);

    imgLogo = AddLabel("imgLogo", QString());
    imgLogo->setPixmap(CardLogo(kLogoHeight));
    lblCompanyProduct = AddLabel("lblCompanyProduct", QStringLiteral("Casino Strategy Software"));
    lblProductName = AddLabel("lblProductName", QString());
    Enlarge(lblProductName, 1.9, true);
    lblPlatform = AddLabel("lblPlatform", QStringLiteral("Platform (32 Bit)"));
    Enlarge(lblPlatform, 1.2, true);
    lblVersion = AddLabel("lblVersion", QString());
    Enlarge(lblVersion, 1.1, true);
    Label2 = AddLabel("Label2", QStringLiteral("Patent Pending"));
    lblLicenseTo = AddLabel("lblLicenseTo", QStringLiteral("Licensed for personal use"));
    lblCopyright = AddLabel("lblCopyright",
        QStringLiteral("Copyright \u00a9 2026 the Black Jack Strategy Tester authors"));
    lblWarning = AddLabel("lblWarning",
        QStringLiteral("For study and entertainment only. No strategy overcomes the house edge; "
                       "results of past hands do not predict future ones."));
    lblWarning->setWordWrap(true);
    for (QLabel* right : {lblCompanyProduct, lblProductName, lblPlatform, lblVersion, Label2})
        right->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* grid = new QGridLayout(Frame1);
    grid->setContentsMargins(18, 14, 18, 14);
    grid->setHorizontalSpacing(24);
    grid->addWidget(lblLicenseTo, 0, 0);
    grid->addWidget(lblCompanyProduct, 0, 1);
    grid->addWidget(imgLogo, 1, 0, 5, 1, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(lblProductName, 1, 1);
    grid->addWidget(lblPlatform, 2, 1);
    grid->addWidget(lblVersion, 3, 1);
    grid->addWidget(Label2, 4, 1);
    grid->setRowStretch(5, 1);
    grid->addWidget(lblCopyright, 6, 0, 1, 2);
    grid->addWidget(lblWarning, 7, 0, 1, 2);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->addWidget(Frame1);
    resize(492, 283); // 7380 x 4245 twips

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
}

// Sized and centred with its texts in place: they widen it.
void frmSplash::Form_Load() {
    lblVersion->setText(AppVersionText());
    lblProductName->setText(AppTitle());
    setWindowTitle(AppTitle());
    adjustSize();
    CenterForm(this);
    Timer1->start(kShowMilliseconds);
}

void frmSplash::Form_KeyPress(int) {
    Unload();
}

void frmSplash::Frame1_Click() {
    Unload();
}

void frmSplash::Timer1_Timer() {
    Unload();
}

void frmSplash::Unload() {
    Timer1->stop();
    hide();
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    Form_KeyPress(text.isEmpty() ? 0 : text.at(0).unicode());
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Frame1 && event->type() == QEvent::MouseButtonRelease
        && Frame1->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        Frame1_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace bj
