#pragma once

class QLabel;

namespace viewer {

// Why a picture box has no photo to show.
enum class Placeholder {
    PhotoUnavailable, // its file is missing, unreadable or refused
    NoPhotos,         // the offer has no photo to show
};

// Shows, in place of a picture, a short text that says why, centred in
// `box` (placed where the picture would be) on the ground it stands on,
// legible on a light or a dark ground.
void showPlaceholder(QLabel *box, Placeholder why);

} // namespace viewer
