#pragma once

#include "engine/game_state.h"

#include <cstdint>
#include <initializer_list>

namespace bj {

// Fills the shoe with DecksInShoe decks in deck, suit, rank order.
void BuildShoe(GameState& gs);

// Draws a card uniformly among those left into `position` of CurrentHand; rebuilds the
// shoe once no more than a third of it is left.
void DealCard(GameState& gs, int position);

void SeedRandom(GameState& gs, std::uint64_t seed);
// Seconds since midnight, as the program has always seeded.
void SeedRandomFromClock(GameState& gs);

// Test seam: the next cards dealt, in order; ranks 1..13, suit defaults to spades.
void StackShoe(GameState& gs, std::initializer_list<Card> cards);
void StackShoeRanks(GameState& gs, std::initializer_list<int> ranks);

} // namespace bj
