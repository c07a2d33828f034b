#pragma once

// What the layer's start and end use of the window part.

void InitWindowPart();
// Closes every window that is still open.
void ShutDownWindowPart();
