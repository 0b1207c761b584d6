#pragma once

#include <QString>

// The files of the agency's folder that the program reads, by the names the
// agency gives them (found without regard to case): the program and the
// check of a folder before it is handed out both go by these.
namespace modcol {

inline const QString CatalogueFile = QStringLiteral("brezomar.mdb");
inline const QString AgencyNameFile = QStringLiteral("nombreinmobiliaria.txt");
inline const QString AgencyLogoFile = QStringLiteral("logocolaborador.jpg");
inline const QString HelpDocumentFile = QStringLiteral("funcionesbrezomar.pdf");

} // namespace modcol
