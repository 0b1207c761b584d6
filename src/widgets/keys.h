#pragma once

class QAbstractButton;
class QKeyEvent;
class QWidget;

// Keys that every window reads the same way.
namespace modcol {

// Enter, from the main keyboard or the keypad.
bool isEnter(const QKeyEvent *key);

// Enter on `button` presses it, as Space does, once however long it is
// held; whether `key` was Enter.
bool pressOnEnter(QAbstractButton *button, const QKeyEvent *key);

// The keys a list that takes no typing still lets through to its own
// handling: the focus moves, Escape (which the window's cancel takes), and
// the keys that open its drop-down to choose from. A window's own handler
// decides what every other key does to such a list.
bool reachesChoiceList(const QKeyEvent *key);

// Keeps the keys of a window that steps through photos with them in the
// window itself: it takes the first focus, takes it back when its ground is
// clicked, and hears the arrow keys pressed on any button, option button or
// check box it has now (such a control would move the focus with them, and
// an option button would change with it).
void keepKeysInWindow(QWidget *window);

} // namespace modcol
