#pragma once

class QCoreApplication;

namespace modcol {

// Drops the repeats of a held Escape key in every window, so that holding it
// closes one window, not every window behind it as well.
void ignoreEscapeRepeats(QCoreApplication &app);

} // namespace modcol
