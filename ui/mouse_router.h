// Mouse events of every control reach its handlers through one application-wide router,
// which also runs manual drag and drop (ControlBase::Drag) and menu shortcuts over fields.
#pragma once

class QWidget;

namespace ui {

// Installed once on the application.
void installMouseRouter();
// True while a manual drag is in progress.
bool dragInProgress();
// Ends a drag whose source lies in `window` (hidden or going away): the pointer and the
// outline come back as they were.
void endDragsIn(QWidget* window);

} // namespace ui
