#pragma once

#include <QSize>
#include <QWidget>

#include <utility>
#include <vector>

class QPainter;

namespace bj {

// The finished hands of a split round, in small under the player's cards: each hand's cards,
// its total and, once settled, its result. The tooltip lists the same, one hand a line.
class SplitHandsRow final : public QWidget {
public:
    enum class Result { Pending, Won, Lost, Push };
    struct Hand {
        std::vector<std::pair<int, int>> cards; // rank, suit
        int total = 0;
        bool doubled = false;
        Result result = Result::Pending;
    };

    explicit SplitHandsRow(QWidget* parent = nullptr);

    void Clear();
    void AddHand(Hand hand);
    void SetResult(int index, Result result);
    void SetCardSize(QSize card);
    const std::vector<Hand>& Hands() const { return hands_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Changed();
    QFont TextFont(bool total) const;
    int HandWidth(const Hand& hand, int overlap) const;
    int Overlap() const;
    void PaintHand(QPainter& painter, const Hand& hand, int x, int overlap) const;

    std::vector<Hand> hands_;
    QSize card_ {20, 31};
};

// "won", "lost", "push", with "doubled, " before a doubled hand's; "doubled" or nothing while
// the hand waits for the dealer.
QString SplitHandResultText(const SplitHandsRow::Hand& hand);

} // namespace bj
