#pragma once

namespace modcol {

// Registers the fonts a partner folder carries in "lib/fonts" beside the
// program, so that a desktop with other fonts, or none, draws the windows
// alike: Liberation Sans stands in for Arial where no Arial is installed,
// and for the desktop's own font. Call after the application is made,
// before any window. A program without that folder (built from source)
// uses the desktop's fonts.
void registerBundledFonts();

} // namespace modcol
