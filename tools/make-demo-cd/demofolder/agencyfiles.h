#pragma once

#include <QString>

namespace demofolder {

// The agency's name as the partner folder carries it.
inline constexpr char AgencyName[] = "Inmobiliaria Peñíscola Costa";

// nombreinmobiliaria.txt as written on Windows: Windows-1252, CR LF line
// ends, blanks around the name on the first line, an address on the second.
void writeAgencyNameFile(const QString &path);

// logocolaborador.jpg: the agency's logo, a wide picture with its name.
void writeAgencyLogo(const QString &path);

} // namespace demofolder
