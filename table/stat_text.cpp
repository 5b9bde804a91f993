#include "table/stat_text.h"

#include "shell/input_helpers.h"

#include <QLabel>

#include <cstdlib>

namespace bj {

QString WholeText(std::int64_t value) {
    return QString::number(value);
}

QString CurrencyText(Currency value) {
    const std::int64_t units = value.Units();
    const std::int64_t whole = units / Currency::kScale;
    std::int64_t fraction = std::llabs(units % Currency::kScale);
    QString text = (units < 0 && whole == 0) ? QStringLiteral("-0") : QString::number(whole);
    if (fraction == 0)
        return text;
    QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    return text + QLatin1Char('.') + digits;
}

StatLabel::StatLabel(QLabel* label, Form form, bool running)
    : label_(label)
    , form_(form)
    , running_(running)
    , written_(label->text()) {
}

QString StatLabel::Text(std::int64_t value) const {
    return form_ == Form::Money ? CurrencyText(Currency::FromUnits(value)) : WholeText(value);
}

// Running captions are read back the way a stored caption always was: through FormatAmount,
// so anything that is not a number counts as 0.
std::int64_t StatLabel::CaptionValue() const {
    const double amount = AmountValue(FormatAmount(label_->text()));
    const std::int64_t units = Currency::FromDouble(amount).Units();
    return form_ == Form::Money ? units : units / Currency::kScale;
}

void StatLabel::Show(std::int64_t value) {
    const bool rewritten = label_->text() != written_;
    if (value == shown_ && (running_ || !rewritten))
        return;
    if (!running_ || value == 0)
        offset_ = 0;
    else if (rewritten)
        offset_ = shown_ - CaptionValue();
    shown_ = value;
    written_ = Text(value - offset_);
    label_->setText(written_);
}

void StatLabel::Restart(const QString& text, std::int64_t value) {
    shown_ = value;
    offset_ = 0;
    written_ = text;
    label_->setText(text);
}

} // namespace bj
