#pragma once

#include "engine/currency.h"

#include <QString>

#include <cstdint>

class QLabel;

namespace bj {

// Whole numbers: digits, a leading "-" when negative, no thousands separator.
QString WholeText(std::int64_t value);
// Money with as many decimals as it needs (none for a whole amount, at most four).
QString CurrencyText(Currency value);

// A statistics label that follows a number of the game state. Plain labels show the number.
// A running label shows a count that only ever grows by additions; if something other than
// this object rewrote its caption, the next addition starts from what the caption says (0 if
// it is not a number), exactly as a caption that stored its own value would.
class StatLabel {
public:
    enum class Form { Whole, Money };

    StatLabel() = default;
    StatLabel(QLabel* label, Form form, bool running);

    // Shows `value` (whole units or Currency units by the form) if it changed.
    void Show(std::int64_t value);
    // Writes `text` as the caption for the value `value`, forgetting any earlier rebase.
    void Restart(const QString& text, std::int64_t value);

    QLabel* label() const { return label_; }

private:
    QString Text(std::int64_t value) const;
    std::int64_t CaptionValue() const;

    QLabel* label_ = nullptr;
    Form form_ = Form::Whole;
    bool running_ = false;
    std::int64_t shown_ = 0; // game-state value behind what was written last
    std::int64_t offset_ = 0; // game-state value minus the caption's value
    QString written_;
};

} // namespace bj
