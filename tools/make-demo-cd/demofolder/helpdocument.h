#pragma once

#include <QString>

namespace demofolder {

// funcionesbrezomar.pdf: a short Spanish guide to the program's functions,
// opened from the about window. Written without any date or random
// identifier, so the same program writes the same bytes.
void writeHelpDocument(const QString &path);

} // namespace demofolder
