#pragma once

#include <QString>

// The shared state of a run: set once at start-up, read by every window.
namespace modcol {

extern QString RutaApp;    // the program's folder, ending with the separator
extern QString RutaTemp;   // the working copy of the catalogue
extern QString RutaBd;     // second base folder for photos, possibly empty
extern QString NombreInmo; // the agency's display name

} // namespace modcol
