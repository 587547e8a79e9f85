// The keys of the desk calculator, one row each: the button array and index it belongs to, its
// caption, where it stands and what it does. The screen builds its buttons from this table, and
// the tests press keys by caption through it.
#pragma once

#include <span>
#include <string_view>

#include "tools/core/desk_calculator.h"

namespace hanhai::tools {

// Where a key stands. Block 0 is the left block: six rows of six keys, with "=" in a seventh
// column. Block 1 is the right block, twelve narrow columns wide, so that its top row holds
// three keys and the rows below four.
struct KeyPlace {
    int block;
    int row;
    int column;
    int rowSpan = 1;
    int columnSpan = 1;
};

struct DeskKey {
    const char *control;  // the button array, or the single button
    int index;            // the element of the array; -1 for a single button
    const char *caption;
    KeyPlace place;
    KeyReply (*action)(DeskCalculator &);  // none: the key is shown and does nothing
};

std::span<const DeskKey> deskKeys();

// The key with this caption (captions are all different); null when there is none.
const DeskKey *findDeskKey(std::string_view caption);

}  // namespace hanhai::tools
