#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

// PNG files that declare far more pixels than their bytes suggest, as a
// damaged or hostile catalogue may carry: PNG cannot be decoded scaled, so
// a decoder that trusts them inflates every declared row.
namespace testsupport {

// A small PNG whose header declares `size` (8-bit RGB) and whose data holds
// one black row: read up to its header, it passes for a picture of that size.
QByteArray pngDeclaring(QSize size);

// A whole black 8-bit RGB PNG of `size` at `path`, compressed as it is
// written (about 1 MB for 20000 x 20000, which takes seconds to make and to
// inflate). False when the file cannot be written.
bool writeBlackPng(const QString &path, QSize size);

} // namespace testsupport
