#pragma once

class QFileDevice;

namespace modcol {

// Copies what is left of `from` into `to`, a megabyte at a time, and flushes
// `to`. False when a read or a write fails (a file that ends early included).
bool copyContents(QFileDevice &from, QFileDevice &to);

} // namespace modcol
