#include "table/table_geometry.h"

#include "engine/cards.h"

#include <algorithm>

namespace bj {
namespace {

constexpr int kSideMargin = 8;
constexpr int kEndMargin = 6;
constexpr int kSpacing = 3;
constexpr int kFrame = 1; // the up-card frame around a card
constexpr int kTotalWidth = 180;
constexpr int kSplitRowPadding = 2;
constexpr int kLeastFreeHeight = 6; // between the dealer's side and the player's

QSize CardSize(int step) {
    return {9 * step, 14 * step};
}
// Two thirds of a card, so that a split hand's little cards stay legible at the smallest size.
QSize MiniCardSize(int step) {
    return {6 * step, (28 * step + 1) / 3};
}
QSize PlaceSize(int step) {
    return CardSize(step) + QSize(2 * kFrame, 2 * kFrame);
}
int PlaceGap(int step) {
    return std::max(1, step / 4);
}

int WidthFor(int step) {
    return 2 * kSideMargin + kMaxCardsInHand * PlaceSize(step).width()
        + (kMaxCardsInHand - 1) * PlaceGap(step);
}
int SplitRowHeight(int step) {
    return MiniCardSize(step).height() + 2 * kSplitRowPadding;
}
int HeightFor(int step, const TableTexts& texts) {
    return 2 * kEndMargin + 2 * (texts.captionHeight + kSpacing + PlaceSize(step).height())
        + kSpacing + texts.upCaptionHeight + kLeastFreeHeight + kSpacing + SplitRowHeight(step);
}

void PlaceRow(std::array<QRect, 12>& places, int top, int step) {
    const QSize place = PlaceSize(step);
    for (int position = 1; position <= kMaxCardsInHand; ++position)
        places[position] = QRect(
            QPoint(kSideMargin + (position - 1) * (place.width() + PlaceGap(step)), top), place);
}

} // namespace

TableGeometry LayTable(QSize area, const TableTexts& texts) {
    int step = kSmallestCardStep;
    while (WidthFor(step + 1) <= area.width() && HeightFor(step + 1, texts) <= area.height())
        ++step;

    TableGeometry g;
    g.step = step;
    g.card = CardSize(step);
    g.miniCard = MiniCardSize(step);
    const int width = std::max(area.width(), WidthFor(step));
    const int height = std::max(area.height(), HeightFor(step, texts));
    const int inner = width - 2 * kSideMargin;
    const int place = PlaceSize(step).height();

    int y = kEndMargin;
    g.dealerCaption = QRect(kSideMargin, y, inner - kTotalWidth, texts.captionHeight);
    g.dealerTotal = QRect(width - kSideMargin - kTotalWidth, y, kTotalWidth, texts.captionHeight);
    y += texts.captionHeight + kSpacing;
    PlaceRow(g.dealerPlaces, y, step);
    y += place + kSpacing;
    const int upWidth = std::max(texts.upCaptionWidth, PlaceSize(step).width());
    g.upCaption
        = QRect(g.dealerPlaces[2].center().x() - upWidth / 2, y, upWidth, texts.upCaptionHeight);

    y = height - kEndMargin - SplitRowHeight(step);
    g.splitRow = QRect(kSideMargin, y, inner, SplitRowHeight(step));
    y -= kSpacing + place;
    PlaceRow(g.playerPlaces, y, step);
    y -= kSpacing + texts.captionHeight;
    g.playerCaption = QRect(kSideMargin, y, inner - kTotalWidth, texts.captionHeight);
    g.playerTotal = QRect(width - kSideMargin - kTotalWidth, y, kTotalWidth, texts.captionHeight);
    return g;
}

QSize TableMinimumSize(const TableTexts& texts) {
    return {WidthFor(kSmallestCardStep), HeightFor(kSmallestCardStep, texts)};
}

} // namespace bj
