#include "shell/input_helpers.h"

#include "shell/message_box.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace bj {
namespace {

constexpr int kEnter = 13;
constexpr int kBackspace = 8;
constexpr double kTaskBarAllowance = 21; // pixels the table window sits higher

bool IsDigit(int keyCode) {
    return keyCode >= '0' && keyCode <= '9';
}

bool IsFrame(const QWidget* w) {
    return qobject_cast<const QGroupBox*>(w)
        || (qobject_cast<const QFrame*>(w) && w->objectName().startsWith(QLatin1String("fra")));
}

// A scroll area that asks for the whole size of what it shows, where a plain one caps its
// wish at a few dozen lines of text.
class WholeScrollArea final : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        return widget() ? widget()->sizeHint() : QScrollArea::sizeHint();
    }
};

} // namespace

int MoneyKeyFilter(int keyCode) {
    const bool passes
        = IsDigit(keyCode) || keyCode == '.' || keyCode == kEnter || keyCode == kBackspace;
    return passes ? keyCode : 0;
}

int DigitKeyFilter(int keyCode) {
    const bool passes = IsDigit(keyCode) || keyCode == kEnter || keyCode == kBackspace;
    return passes ? keyCode : 0;
}

void SelectAllText(QLineEdit* box) {
    if (box)
        box->setSelection(0, box->text().length());
}

QPointF CenteredTopLeft(QSize screen, QSize window, bool isTableWindow) {
    const double allowance = isTableWindow ? kTaskBarAllowance : 0;
    return {(screen.width() - window.width()) / 2.0,
        (screen.height() - allowance - window.height()) / 2.0};
}

void CenterForm(QWidget* form, bool isTableWindow) {
    if (!form)
        return;
    const QScreen* screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize size = form->isVisible() ? form->frameGeometry().size() : form->size();
    // A window not shown yet has no frame to measure; it is kept on the screen with one.
    const QSize outer = form->isVisible() ? size : size + kFrameAllowance;
    const QRect whole = screen->geometry();
    const QRect usable = screen->availableGeometry();
    const QPoint centred
        = whole.topLeft() + CenteredTopLeft(whole.size(), size, isTableWindow).toPoint();
    const int x = std::max(
        usable.left(), std::min(centred.x(), usable.x() + usable.width() - outer.width()));
    const int y = std::max(
        usable.top(), std::min(centred.y(), usable.y() + usable.height() - outer.height()));
    form->move(x, y);
}

void FitWithin(QWidget* form, QSize wanted, QSize usable) {
    if (!form)
        return;
    const QSize room = usable - kFrameAllowance;
    // A window that scrolls sideways is made taller by the scroll bar, room allowing, so its
    // controls keep their height.
    if (wanted.width() > room.width()
        && form->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly))
        wanted.rheight() += form->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    form->resize(wanted.boundedTo(room));
}

void FitOnScreen(QWidget* form, QSize wanted) {
    if (const QScreen* shown = form ? form->screen() : nullptr)
        FitWithin(form, wanted, shown->availableGeometry().size());
}

void ScrollWhenSmall(QWidget* form, QWidget* keptInView) {
    QLayout* controls = form ? form->layout() : nullptr;
    if (!controls)
        return;
    // The controls keep the margins they had as the window's, wider than a child widget's.
    const QMargins margins = controls->contentsMargins();
    // Born inside the window, so the controls moved into it keep their tab order.
    auto* body = new QWidget(form);
    body->setLayout(controls);
    controls->setContentsMargins(margins);
    auto* area = new WholeScrollArea(form);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    // Tab goes from control to control; the area only follows the focus into view.
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(body);
    auto* whole = new QHBoxLayout(form);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->setSpacing(0);
    whole->addWidget(area, 1);
    if (!keptInView)
        return;
    controls->setContentsMargins(margins.left(), margins.top(), 0, margins.bottom());
    auto* column = new QVBoxLayout;
    column->setContentsMargins(
        std::max(0, controls->spacing()), margins.top(), margins.right(), margins.bottom());
    column->addWidget(keptInView);
    whole->addLayout(column);
}

void TabToChosenOption(const QList<QAbstractButton*>& options) {
    const auto follow = [options] {
        const bool chosen = std::any_of(
            options.begin(), options.end(), [](QAbstractButton* o) { return o->isChecked(); });
        for (QAbstractButton* option : options) {
            const int policy = option->focusPolicy();
            const bool stop = option->isChecked() || !chosen;
            option->setFocusPolicy(
                Qt::FocusPolicy(stop ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
        }
    };
    for (QAbstractButton* option : options)
        QObject::connect(option, &QAbstractButton::toggled, option, follow);
    follow();
}

void ListWithScrollBar(QComboBox* box) {
    box->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void MatchBackColors(QWidget* form) {
    if (!form)
        return;
    const QColor back = form->palette().color(form->backgroundRole());
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!IsFrame(w) && !qobject_cast<QRadioButton*>(w) && !qobject_cast<QCheckBox*>(w))
            continue;
        QPalette palette = w->palette();
        palette.setColor(w->backgroundRole(), back);
        w->setPalette(palette);
        // Drawn over what is behind them rather than filled: a frame may draw its inside a
        // shade off the window's colour (Fusion does), and a filled option button or inner
        // frame would stand out on it as a strip.
        w->setAutoFillBackground(false);
    }
}

std::optional<double> ParseAmount(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^([-+]?)(\$?)([-+]?)((?:\d+(?:,\d+)*)(?:\.\d*)?|\.\d+)$)"));
    QString s = text.trimmed();
    bool negative = false;
    if (s.startsWith(u'(') && s.endsWith(u')')) {
        negative = true;
        s = s.mid(1, s.size() - 2).trimmed();
    }
    const QRegularExpressionMatch m = pattern.match(s);
    if (!m.hasMatch())
        return std::nullopt;
    const QString sign = m.captured(1) + m.captured(3);
    if (sign.size() > 1 || (negative && !sign.isEmpty()))
        return std::nullopt;
    negative = negative || sign == QLatin1String("-");
    bool ok = false;
    const double value = m.captured(4).remove(u',').toDouble(&ok);
    // Too many digits for a double is a number all the same, too large for any use.
    if (!ok && !std::isinf(value))
        return std::nullopt;
    return negative ? -value : value;
}

QString FormatAmount(double value) {
    if (!std::isfinite(value))
        value = 0;
    QString text = QString::number(value, 'f', 2);
    if (text == QLatin1String("-0.00"))
        text = QStringLiteral("0.00");
    return text;
}

QString FormatAmount(Currency value) {
    constexpr std::int64_t kUnitsPerCent = Currency::kScale / 100;
    const std::int64_t units = value.Units();
    const std::int64_t magnitude = units < 0 ? -units : units;
    const std::int64_t cents = (magnitude + kUnitsPerCent / 2) / kUnitsPerCent;
    const QString digits = QStringLiteral("%1.%2")
                               .arg(cents / 100)
                               .arg(static_cast<int>(cents % 100), 2, 10, QLatin1Char('0'));
    return units < 0 && cents != 0 ? QLatin1Char('-') + digits : digits;
}

QString FormatAmount(const QString& text) {
    return FormatAmount(ParseAmount(text).value_or(0));
}

QString FormatAmount(const char* text) {
    return FormatAmount(QString::fromUtf8(text));
}

QString FormatAmount(const QVariant& value) {
    if (value.isNull())
        return FormatAmount(0.0);
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return FormatAmount(value.toDouble());
    default:
        return FormatAmount(value.toString());
    }
}

double AmountValue(const QString& text) {
    return ParseAmount(text).value_or(0);
}

double RoundedAmount(const QString& text) {
    const double value = AmountValue(text);
    return std::isinf(value) ? value : AmountValue(FormatAmount(value));
}

QString TrimText(const QString& text) {
    return text.trimmed();
}

QString TrimText(const QVariant& value) {
    return value.isNull() ? QString() : value.toString().trimmed();
}

namespace {

QString WithoutHalfCharacters(const QString& text) {
    QString whole;
    whole.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text[i];
        if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            whole.append(unit).append(text[++i]);
        } else if (!unit.isSurrogate()) {
            whole.append(unit);
        }
    }
    return whole;
}

} // namespace

QString NameFromBox(const QString& text) {
    return WithoutHalfCharacters(text).trimmed();
}

void LimitNameLength(QLineEdit* box, int units) {
    box->setMaxLength(units);
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        const QString whole = WithoutHalfCharacters(text);
        if (whole.size() == text.size())
            return;
        const int cursor = box->cursorPosition();
        const auto before = WithoutHalfCharacters(text.left(cursor)).size();
        box->setText(whole);
        box->setCursorPosition(static_cast<int>(before));
    });
}

int FindItemData(const QComboBox* list, qint64 value) {
    const int count = list ? list->count() : 0;
    for (int i = 0; i < count; ++i) {
        const QVariant data = list->itemData(i);
        if (data.isValid() && data.toLongLong() == value)
            return i;
    }
    return count - 1;
}

int FindListText(const QComboBox* list, const QString& text) {
    const int count = list ? list->count() : 0;
    for (int i = 0; i < count; ++i) {
        if (list->itemText(i) == text)
            return i;
    }
    return 0;
}

QString SqlQuote(const QString& text) {
    QString quoted = text;
    return quoted.replace(u'\'', QLatin1String("''"));
}

void RefuseEntry(QLineEdit* box, const QString& text, const QString& title) {
    Messages().Show(text, title, MsgIcon::Information, MsgButtons::Ok);
    // A box that kept the focus gets no focus-in to select it.
    box->setFocus();
    box->selectAll();
}

bool ConfirmSaveChanges(const QString& name) {
    // A strategy not named yet is asked about as such, not as "changes to ?".
    const QString shown = name.trimmed().isEmpty() ? QStringLiteral("the new strategy") : name;
    return Messages().Show(QStringLiteral("Do you wish to save changes to ") + shown + u'?', name,
               MsgIcon::None, MsgButtons::YesNo)
        == MsgAnswer::Yes;
}

} // namespace bj
