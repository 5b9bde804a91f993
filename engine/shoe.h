#pragma once

#include "engine/game_state.h"

#include <cstdint>
#include <initializer_list>

namespace bj {

// Fills the shoe with DecksInShoe decks in deck, suit, rank order.
void BuildShoe(GameState& gs);
// A new deck count, whose reshuffle point holds from the next card on, as the reshuffle test
// reads the count in force; the shoe itself is rebuilt only by that test or BuildShoe.
void SetDecksInShoe(GameState& gs, int decks);

// Puts a card after the last one of a hand, follows its sums and returns its position.
inline int AddCard(GameState& gs, int who, Card card) {
    HandSums& hand = gs.Hands[who];
    const int position = hand.Cards + 1;
    const auto value = static_cast<std::int8_t>(CountValue(card.rank));
    gs.CardSlots[who][position] = CardSlot {card.rank, card.suit, value};
    hand.Cards = static_cast<std::int8_t>(position);
    hand.Total = static_cast<std::int8_t>(hand.Total + value);
    hand.SoftAces = static_cast<std::int8_t>(hand.SoftAces + (value == 11 ? 1 : 0));
    return position;
}

// The test seam: the next stacked card, taken out of the shoe where the shoe holds it. Out of
// line and off the path of a random draw.
Card TakeStackedCard(GameState& gs);

// Takes a card uniformly among those left and rebuilds the shoe once no more than a third of
// it is left, so a shoe that has dealt a card always holds one more; only a game that never
// built its shoe must build it first. The round passes its own copy of the generator, which
// the compiler keeps in registers; card stores into the game state would otherwise force it
// back to memory after every card.
inline Card DrawCard(GameState& gs, Random& rng) {
    // Every remaining card is equally likely; the last live card fills the gap.
    Card* const live = gs.Shoe.data();
    const auto p = rng.Below(static_cast<std::uint32_t>(gs.CardsLeft));
    const Card card = live[p];
    live[p] = live[--gs.CardsLeft];
    if (gs.CardsLeft <= gs.ReshuffleAt) [[unlikely]]
        BuildShoe(gs);
    return card;
}

void SeedRandom(GameState& gs, std::uint64_t seed);
// Seconds since midnight, as the program has always seeded.
void SeedRandomFromClock(GameState& gs);

// Test seam: the next cards dealt, in order; ranks 1..13, suit defaults to spades.
void StackShoe(GameState& gs, std::initializer_list<Card> cards);
void StackShoeRanks(GameState& gs, std::initializer_list<int> ranks);

} // namespace bj
