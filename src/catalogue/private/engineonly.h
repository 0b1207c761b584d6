#pragma once

// The headers of this folder are the engine's inside: Jet pages, SQLite
// handles, statement rewriting. Only the catalogue library and its own
// white-box tests define CATALOGUE_ENGINE; every other target goes through
// Database, Recordset and the regional formats.
#ifndef CATALOGUE_ENGINE
#error "a private header of the catalogue engine; include the engine's public headers instead"
#endif
