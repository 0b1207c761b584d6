#pragma once

#include <QCursor>
#include <QPixmap>

// The pictures the windows carry, drawn by tools/draw-pictures.
namespace results {

QPixmap makerLogo();     // 442 x 99, on the start panel
QPixmap makerBanner();   // 442 x 99, on the maker's window
QPixmap helpIcon();      // 32 x 32, opens the help document
QPixmap windowIcon();    // 256 x 256, every window's and the desktop's
QCursor handCursor();    // over everything that reacts to a click

} // namespace results
