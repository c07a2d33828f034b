#pragma once

// The display scale of the programs started while it lives: the user's
// LogPixels (DPI), which a program reads as it starts. 96 again when it goes,
// also after a failed test.
class ScaledDisplay {
 public:
  explicit ScaledDisplay(int dpi);
  ~ScaledDisplay();
  ScaledDisplay(const ScaledDisplay&) = delete;
  ScaledDisplay& operator=(const ScaledDisplay&) = delete;
};
