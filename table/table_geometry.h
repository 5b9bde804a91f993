#pragma once

#include <QRect>
#include <QSize>

#include <array>

namespace bj {

// Where the parts of the green table go at a given size. Cards grow in steps of 9 × 14 pixels,
// so that they keep their proportions exactly; the smallest card is 36 × 56.
struct TableGeometry {
    int step = 0; // card width / 9
    QSize card; // the card picture
    QSize miniCard; // a card of a finished split hand
    QRect dealerCaption, dealerTotal, upCaption, playerCaption, playerTotal, splitRow;
    std::array<QRect, 12> dealerPlaces {}, playerPlaces {}; // positions 1..11
};

struct TableTexts {
    int captionHeight; // "Dealer", "Player" and the hand totals
    int upCaptionHeight;
    int upCaptionWidth;
};

constexpr int kSmallestCardStep = 4;

// The largest cards that fit `area`, or the smallest when none do.
TableGeometry LayTable(QSize area, const TableTexts& texts);
// The room the table needs for its smallest cards.
QSize TableMinimumSize(const TableTexts& texts);

} // namespace bj
