#pragma once
// A press on the body of a new camera's card highlights it (state 2), so the user sees which
// new camera a double-click will set up. The highlight is only drawn: the row keeps state 1.

#include "discovery/camera_list.h"

namespace vistrel {

// Handles a press on the body of card `index`; highlightedRow is -1 or the highlighted entry.
// Returns whether the list needs a redraw.
bool pressOnCardBody(CameraList& list, int& highlightedRow, int index);

} // namespace vistrel
