#pragma once

// Event codes that the layer hands to the program's event loop.
enum AppEventCode : int {
  EventNone = 0,
  EventMove = 3,
  EventSize = 5,
  EventRepaint = 15,
  EventClose = 16,
  EventGadget = 13100,
  EventActivate = 13104,
  EventMinimize = 13107,
  EventMaximize = 13108,
  EventRestore = 13109,
  EventFilesDropped = 13200,  // files or folders dropped on a window that accepts them
};

// Subtypes of gadget events beyond the controls' own notification codes.
enum GadgetEventSubtype : int {
  SubtypeFocusGained = 14000,
  SubtypeFocusLost = 14001,
  SubtypeDragStart = 14002,
};
