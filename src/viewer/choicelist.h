#pragma once

#include <functional>

class QComboBox;

namespace viewer {

// Makes `list` a list to choose from, never to type into: it takes no key
// but those that move the focus or open its drop-down, and the wheel does
// not change it. Enter runs `onEnter` when given; every other key goes to
// the window, which sees keys before its controls.
void acceptNoTyping(QComboBox *list, std::function<void()> onEnter = {});

} // namespace viewer
