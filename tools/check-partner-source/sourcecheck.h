#pragma once

#include <QString>

#include "sourcereport.h"

namespace partnercheck {

class Progress;

// Checks an agency's folder as the program will read it from a partner's
// desktop (the folder as the program's own, no second base folder), with
// the program's own code: the catalogue opened and sent every statement of
// the program, each offer's thumbnail and photos found by the program's
// rules and judged by its picture decoder, and the agency's files.
SourceReport checkSource(const QString &folder, Progress &progress);

} // namespace partnercheck
