#include "table/split_hands_row.h"

#include "engine/cards.h"
#include "table/card_pictures.h"

#include <QPainter>

#include <algorithm>

namespace bj {
namespace {

constexpr int kHandSpacing = 14;
constexpr int kTextGap = 4;

QColor ResultColor(SplitHandsRow::Result result) {
    switch (result) {
    case SplitHandsRow::Result::Won:
        return QColor(0xff, 0xd5, 0x4a);
    case SplitHandsRow::Result::Lost:
        return QColor(0xff, 0xa8, 0xa8);
    default:
        return Qt::white;
    }
}

QString HandLine(const SplitHandsRow::Hand& hand) {
    QStringList ranks;
    for (const auto& [rank, suit] : hand.cards)
        ranks << QString::fromLatin1(FaceText(rank));
    QString line
        = ranks.join(QLatin1Char(' ')) + QStringLiteral(": ") + QString::number(hand.total);
    const QString result = SplitHandResultText(hand);
    return result.isEmpty() ? line : line + QStringLiteral(", ") + result;
}

} // namespace

QString SplitHandResultText(const SplitHandsRow::Hand& hand) {
    QString result;
    switch (hand.result) {
    case SplitHandsRow::Result::Won:
        result = QStringLiteral("won");
        break;
    case SplitHandsRow::Result::Lost:
        result = QStringLiteral("lost");
        break;
    case SplitHandsRow::Result::Push:
        result = QStringLiteral("push");
        break;
    case SplitHandsRow::Result::Pending:
        break;
    }
    if (!hand.doubled)
        return result;
    return result.isEmpty() ? QStringLiteral("doubled") : QStringLiteral("doubled, ") + result;
}

SplitHandsRow::SplitHandsRow(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("splitHands"));
}

void SplitHandsRow::Clear() {
    if (hands_.empty())
        return;
    hands_.clear();
    Changed();
}

void SplitHandsRow::AddHand(Hand hand) {
    hands_.push_back(std::move(hand));
    Changed();
}

void SplitHandsRow::SetResult(int index, Result result) {
    if (index < 0 || index >= static_cast<int>(hands_.size()))
        return;
    hands_[index].result = result;
    Changed();
}

void SplitHandsRow::SetCardSize(QSize card) {
    card_ = card;
    update();
}

void SplitHandsRow::Changed() {
    QStringList lines;
    for (const Hand& hand : hands_)
        lines << HandLine(hand);
    setToolTip(lines.join(QLatin1Char('\n')));
    update();
}

// The texts grow with the little cards, from the window's own type on the smallest.
QFont SplitHandsRow::TextFont(bool total) const {
    QFont type = font();
    const int least = QFontInfo(type).pixelSize();
    type.setPixelSize(std::max(least, qRound(card_.height() * (total ? 0.3 : 0.24))));
    type.setBold(total);
    return type;
}

int SplitHandsRow::HandWidth(const Hand& hand, int overlap) const {
    const int cards = static_cast<int>(hand.cards.size());
    // Room for the longest result the hand can get, so that no hand moves when one is settled.
    const QFontMetrics metrics(TextFont(false));
    int text = QFontMetrics(TextFont(true)).horizontalAdvance(QStringLiteral("00"));
    for (Result result : {Result::Won, Result::Lost, Result::Push})
        text = std::max(
            text, metrics.horizontalAdvance(SplitHandResultText({{}, 0, hand.doubled, result})));
    return card_.width() + std::max(0, cards - 1) * overlap + kTextGap + text;
}

// Cards overlap so that each shows its rank, more when the hands do not fit otherwise.
int SplitHandsRow::Overlap() const {
    const int roomy = card_.width() * 3 / 5;
    int needed = 0;
    for (const Hand& hand : hands_)
        needed += HandWidth(hand, roomy) + kHandSpacing;
    return needed > width() ? std::max(card_.width() / 3, 8) : roomy;
}

void SplitHandsRow::PaintHand(QPainter& painter, const Hand& hand, int x, int overlap) const {
    const int top = (height() - card_.height()) / 2;
    for (std::size_t c = 0; c < hand.cards.size(); ++c) {
        const QPointF corner(x + static_cast<int>(c) * overlap, top);
        PaintCard(
            painter, QRectF(corner, QSizeF(card_)), hand.cards[c].first, hand.cards[c].second);
    }
    const int fanRight
        = x + card_.width() + std::max(0, static_cast<int>(hand.cards.size()) - 1) * overlap;
    const QRect text(fanRight + kTextGap, top, x + HandWidth(hand, overlap) - fanRight - kTextGap,
        card_.height());
    painter.setPen(Qt::white);
    painter.setFont(TextFont(true));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, QString::number(hand.total));
    painter.setPen(ResultColor(hand.result));
    painter.setFont(TextFont(false));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignBottom, SplitHandResultText(hand));
}

// The hands that do not fit even so are counted at the end.
void SplitHandsRow::paintEvent(QPaintEvent*) {
    if (hands_.empty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const int overlap = Overlap();
    const QFontMetrics metrics(TextFont(false));
    int x = 0;
    for (std::size_t i = 0; i < hands_.size(); ++i) {
        const int w = HandWidth(hands_[i], overlap);
        const bool last = i + 1 == hands_.size();
        const int reserve = last ? 0 : metrics.horizontalAdvance(QStringLiteral("+00 more"));
        if (x + w > width() - reserve) {
            painter.setPen(Qt::white);
            painter.setFont(TextFont(false));
            painter.drawText(QRect(x, 0, width() - x, height()), Qt::AlignLeft | Qt::AlignVCenter,
                QStringLiteral("+%1 more").arg(hands_.size() - i));
            return;
        }
        PaintHand(painter, hands_[i], x, overlap);
        x += w + kHandSpacing;
    }
}

} // namespace bj
