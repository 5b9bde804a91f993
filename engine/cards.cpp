#include "engine/cards.h"

namespace bj {

const char* FaceText(int rank) {
    static const char* const kFaces[]
        = {"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    return (rank >= 1 && rank <= 13) ? kFaces[rank] : "";
}

} // namespace bj
