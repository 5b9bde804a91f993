#include "engine/shoe.h"

#include <algorithm>
#include <array>
#include <ctime>

namespace bj {

namespace {

// No more than a third of the shoe left: CardsLeft * 100 <= size * 33.
std::int32_t ReshufflePoint(int decks) {
    return static_cast<std::int32_t>(decks * 52 * 33 / 100);
}

} // namespace

void BuildShoe(GameState& gs) {
    static const std::array<Card, 52> kDeck = [] {
        std::array<Card, 52> deck {};
        for (int suit = 1; suit <= 4; ++suit)
            for (int rank = 1; rank <= 13; ++rank)
                deck[(suit - 1) * 13 + rank - 1]
                    = Card {static_cast<std::uint8_t>(rank), static_cast<std::uint8_t>(suit)};
        return deck;
    }();
    const int decks = gs.DecksInShoe < 1 ? 1 : gs.DecksInShoe;
    gs.Shoe.resize(static_cast<std::size_t>(decks) * kDeck.size());
    for (int deck = 0; deck < decks; ++deck)
        std::copy(kDeck.begin(), kDeck.end(), gs.Shoe.begin() + deck * 52);
    gs.CardsLeft = static_cast<std::int32_t>(gs.Shoe.size());
    gs.ReshuffleAt = ReshufflePoint(decks);
}

void SetDecksInShoe(GameState& gs, int decks) {
    gs.DecksInShoe = decks;
    gs.ReshuffleAt = ReshufflePoint(decks < 1 ? 1 : decks);
}

// A stacked card is taken out of the live shoe when it is there, so the shoe stays a
// true deck; a card the shoe no longer holds is dealt all the same.
Card TakeStackedCard(GameState& gs) {
    const Card card = gs.StackedCards.back();
    gs.StackedCards.pop_back();
    for (int i = 0; i < gs.CardsLeft; ++i) {
        if (gs.Shoe[i].rank == card.rank && gs.Shoe[i].suit == card.suit) {
            gs.Shoe[i] = gs.Shoe[gs.CardsLeft - 1];
            --gs.CardsLeft;
            break;
        }
    }
    if (gs.CardsLeft <= gs.ReshuffleAt)
        BuildShoe(gs);
    return card;
}

void SeedRandom(GameState& gs, std::uint64_t seed) {
    gs.Rng.Seed(seed);
}

void SeedRandomFromClock(GameState& gs) {
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    SeedRandom(
        gs, static_cast<std::uint64_t>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec));
}

void StackShoe(GameState& gs, std::initializer_list<Card> cards) {
    gs.StackedCards.assign(std::rbegin(cards), std::rend(cards));
}

void StackShoeRanks(GameState& gs, std::initializer_list<int> ranks) {
    gs.StackedCards.clear();
    for (auto it = std::rbegin(ranks); it != std::rend(ranks); ++it)
        gs.StackedCards.push_back(Card {static_cast<std::uint8_t>(*it), kSpades});
}

} // namespace bj
