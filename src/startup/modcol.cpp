#include "startup/modcol.h"

namespace modcol {

QString RutaApp;
QString RutaTemp;
QString RutaBd;
QString NombreInmo;

} // namespace modcol
