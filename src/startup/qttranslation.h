#pragma once

class QCoreApplication;

namespace modcol {

// Puts Qt's own texts (context menus of text boxes, message-box buttons) in
// Spanish with Qt's translation "qtbase_es". Returns whether it was found;
// without it those texts stay English and the program runs on.
bool installQtTranslation(QCoreApplication &app);

} // namespace modcol
