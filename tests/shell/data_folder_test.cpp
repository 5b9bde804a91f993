#include "shell/window_services.h"
#include "store/database_location.h"

#include <QStandardPaths>
#include <QTest>

using namespace bj;

// bjsim names the desktop program's data folder without Qt; both must find the same folder.
class DataFolderTest : public QObject {
    Q_OBJECT
private slots:
    void bjsimAndQtNameTheSameFolder_data() {
        QTest::addColumn<QByteArray>("xdgDataHome"); // null: not set
        QTest::addColumn<QByteArray>("home");
        QTest::newRow("XDG_DATA_HOME") << QByteArray("/srv/data") << QByteArray("/home/u");
        QTest::newRow("relative") << QByteArray("data") << QByteArray("/home/u");
        QTest::newRow("HOME") << QByteArray() << QByteArray("/home/u");
        QTest::newRow("empty XDG_DATA_HOME") << QByteArray("") << QByteArray("/home/u/");
        QTest::newRow("untidy HOME") << QByteArray() << QByteArray("//home/./u//../v/");
        QTest::newRow("no HOME") << QByteArray() << QByteArray();
    }
    void bjsimAndQtNameTheSameFolder() {
        QFETCH(QByteArray, xdgDataHome);
        QFETCH(QByteArray, home);
        for (const auto& [name, value] :
            {std::pair {"XDG_DATA_HOME", xdgDataHome}, {"HOME", home}}) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
        QCoreApplication::setApplicationName(AppTitle());
        QCOMPARE(QString::fromStdString(UserDataFolder(AppTitle().toStdString())),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    }
};

QTEST_GUILESS_MAIN(DataFolderTest)
#include "data_folder_test.moc"
