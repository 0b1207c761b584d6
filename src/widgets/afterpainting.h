#pragma once

#include <functional>

class QObject;

namespace modcol {

// Runs `call` on `context`'s thread after the repaints already queued
// there, which Qt posts at low priority: the user sees a window's new state
// before the work that follows it. Never runs once `context` is gone.
void callAfterPainting(QObject *context, std::function<void()> call);

} // namespace modcol
