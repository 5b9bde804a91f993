#include "shell/message_box.h"

#include "shell/window_services.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>

namespace bj {
namespace {

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The frame shows the title and cuts what does not fit, so a box with a short text would show
// the program's name cut in the middle. Room for the frame's icon and buttons is allowed for.
void WidenToTitle(QMessageBox& box) {
    constexpr int kFrameControls = 120;
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kFrameControls;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
        grid->rowCount(), 0, 1, grid->columnCount());
}

class QtMessages final : public MessageBoxService {
public:
    MsgAnswer Show(
        const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) override {
        const bool yesNo = buttons == MsgButtons::YesNo;
        // An untitled box carries the program's title, as the user expects of any dialog.
        QMessageBox box(ToQtIcon(icon), title.isEmpty() ? AppTitle() : title, text,
            yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
            QApplication::activeWindow());
        if (yesNo) {
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
        }
        WidenToTitle(box);
        const int pressed = box.exec();
        if (!yesNo)
            return MsgAnswer::Ok;
        return pressed == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
};

QtMessages& RealMessages() {
    static QtMessages service;
    return service;
}

MessageBoxService* installed = nullptr;

} // namespace

MessageBoxService& Messages() {
    return installed ? *installed : RealMessages();
}

void SetMessages(MessageBoxService* service) {
    installed = service;
}

} // namespace bj
