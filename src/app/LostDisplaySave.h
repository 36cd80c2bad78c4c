#pragma once

namespace orvane {

class TfrmMain;

// What the game can still do when the display connection is lost. Qt's X11 platform then
// ends the process with exit() from inside the event loop, and any window call made
// afterwards runs into the broken connection and ends it again, half-way. So the store is
// written the way the window's close writes it (the credit kept for the next run), with
// no window call at all, and only between table actions, when the table is whole; during
// an action the last save of the table stands. Gives whether it saved.
bool SaveWithoutDisplay(TfrmMain& window);

}  // namespace orvane
