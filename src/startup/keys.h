#pragma once

class QKeyEvent;

// Keys that every window reads the same way.
namespace modcol {

// Enter, from the main keyboard or the keypad.
bool isEnter(const QKeyEvent *key);

// The keys a list that takes no typing still lets through to its own
// handling: the focus moves, Escape (which the window's cancel takes), and
// the keys that open its drop-down to choose from. A window's own handler
// decides what every other key does to such a list.
bool reachesChoiceList(const QKeyEvent *key);

} // namespace modcol
