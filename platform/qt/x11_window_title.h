#pragma once

class QWidget;

namespace tappon {

// On X11 an empty window title is not left empty by the toolkit: it writes the
// program's name instead. This removes the title properties from the native window,
// so a window with an empty caption really has none. Elsewhere it does nothing.
void clearNativeWindowTitle(QWidget& window);

}  // namespace tappon
