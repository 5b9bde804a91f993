#include "shell/frmSplash.h"
#include "shell/window_services.h"

#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace bj;

namespace {

QString LabelText(const QWidget& w, const char* name) {
    const auto* label = w.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

} // namespace

class SplashTest : public QObject {
    Q_OBJECT
private slots:
    void loadFillsTheLabelsAndStartsTheTimer() {
        frmSplash splash;
        QCOMPARE(LabelText(splash, "lblVersion"), QString("Version 1.0.1"));
        QCOMPARE(LabelText(splash, "lblProductName"), AppTitle());
        QCOMPARE(LabelText(splash, "Label2"), QString("Patent Pending"));
        QCOMPARE(LabelText(splash, "lblPlatform"), QString("Platform (32 Bit)"));
        QVERIFY(!splash.findChild<QLabel*>("imgLogo")->pixmap().isNull());
        const auto* timer = splash.findChild<QTimer*>("Timer1");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 3000);
    }

    void ends_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("key") << "key";
        QTest::newRow("escape") << "escape";
        QTest::newRow("click on the frame") << "click";
        QTest::newRow("click on a label inside the frame") << "label";
        QTest::newRow("timer") << "timer";
    }
    void ends() {
        QFETCH(QString, how);
        frmSplash splash;
        auto* timer = splash.findChild<QTimer*>("Timer1");
        if (how == "timer")
            timer->start(20);
        else
            QTimer::singleShot(0, &splash, [&] {
                if (how == "key")
                    QTest::keyClick(&splash, Qt::Key_A);
                else if (how == "escape")
                    QTest::keyClick(&splash, Qt::Key_Escape);
                else if (how == "click")
                    QTest::mouseClick(splash.findChild<QFrame*>("Frame1"), Qt::LeftButton);
                else
                    QTest::mouseClick(splash.findChild<QLabel*>("lblVersion"), Qt::LeftButton);
            });
        ShowModal(&splash);
        QVERIFY(!splash.isVisible());
        QVERIFY(!timer->isActive());
    }
};

QTEST_MAIN(SplashTest)
#include "splash_test.moc"
