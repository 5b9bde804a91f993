#include "../qt_case_rows.h"
#include "shell/window_services.h"
#include "store/database_location.h"

#include <QStandardPaths>
#include <QTest>

using namespace bj;
using namespace bj::test;

// bjsim names the desktop program's data folder without Qt; both must find the same folder.
class DataFolderTest : public QObject {
    Q_OBJECT
private slots:
    // XDG_DATA_HOME and HOME, null when not set.
    void bjsimAndQtNameTheSameFolder_data() {
        CaseRows<std::pair<QByteArray, QByteArray>>(
            {{"XDG_DATA_HOME", {"/srv/data", "/home/u"}}, {"relative", {"data", "/home/u"}},
                {"HOME", {{}, "/home/u"}}, {"empty XDG_DATA_HOME", {"", "/home/u/"}},
                {"untidy HOME", {{}, "//home/./u//../v/"}}, {"no HOME", {}}});
    }
    void bjsimAndQtNameTheSameFolder() {
        const auto [xdgDataHome, home] = Case<std::pair<QByteArray, QByteArray>>();
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
