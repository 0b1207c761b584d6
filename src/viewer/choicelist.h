#pragma once

#include <functional>

class QComboBox;

namespace viewer {

// Makes `list` a list to choose from, never to type into: it takes only the
// keys that reach such a list (modcol::reachesChoiceList), and the wheel
// does not change it. Enter runs `onEnter` when given; every other key goes
// to the window, which sees keys before its controls.
void acceptNoTyping(QComboBox *list, std::function<void()> onEnter = {});

} // namespace viewer
