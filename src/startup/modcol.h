#pragma once

#include <memory>

#include <QString>

#include "filelookup/cataloguepaths.h"

namespace catalogue {
class Database;
}

// The shared state of a run: set once at start-up, read by every window.
namespace modcol {

// The application's title: the caption of the main window and of every message box.
inline const QString ApplicationTitle = QStringLiteral("PROPIEDADES COLABORADOR");

extern QString RutaApp;    // the program's folder, ending with "/"
extern QString RutaTemp;   // the run's working copy of the catalogue
extern QString RutaBd;     // the second base folder for photos, ending with "/", or empty
extern QString NombreInmo; // the agency's display name

// The catalogue, opened once per run on the working copy and shared by every window.
extern std::unique_ptr<catalogue::Database> BaseDatos;

// BaseDatos, for a statement. Throws catalogue::CatalogueError when no
// catalogue is open: a window's own failure handling then decides.
catalogue::Database &baseDatos();

// The base folders of photos and thumbnails as the shared state holds them.
BaseFolders baseFolders();

// Fills the shared state and names the working copy of the catalogue. No
// failure stops it: what cannot be read stays empty.
void Main();
// Main for a program that lies in `programFolder`.
void startRun(const QString &programFolder);

// Opens a catalogue file as the program does: with the catalogue's
// password, the indexes of the program's statements asked for. Throws
// catalogue::CatalogueError when it cannot be opened.
std::unique_ptr<catalogue::Database> openCatalogue(const QString &path);

// Makes the working copy unless it is made, and opens it; on any thread,
// once Main has run. Throws catalogue::CatalogueError when the copy cannot
// be made or opened.
std::unique_ptr<catalogue::Database> openWorkingCopy();

// Opens the working copy as BaseDatos unless it is open already.
void AbreBaseDatos();

} // namespace modcol
