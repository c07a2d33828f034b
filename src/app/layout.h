#pragma once

// Handler of the main window's size event: places the gadgets its table
// anchors for the window's size now.
void LayoutMainWindow();
