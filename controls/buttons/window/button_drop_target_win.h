#pragma once
#include <windows.h>

#include "controls/buttons/model/button_interaction.h"
#include "platform/handles_win.h"

class DropTarget;

// The data object a drag event's Data stands for; null for none. It is the
// drag's, alive while the event is raised.
IDataObject* DataObjectOf(DragData data);

// The button's window as a place to drop dragged data: every drag the
// system reports over it is raised as OLEDragOver, and a drop as
// OLEDragDrop, with the pointer in client pixels. The Effect the handlers
// leave is what the drag source is told; it starts as the effects the source
// allows. Needs OLE on the thread (OleInitialize); without it the window is
// no drop target and nothing is raised.
class ButtonDropTarget {
public:
    ButtonDropTarget(HWND window, ButtonInteraction& button);
    // Revokes the registration; a drag still holding the target is told
    // nothing more.
    ~ButtonDropTarget();
    ButtonDropTarget(const ButtonDropTarget&) = delete;
    ButtonDropTarget& operator=(const ButtonDropTarget&) = delete;

private:
    HWND window_;
    Com<DropTarget> target_;
};
