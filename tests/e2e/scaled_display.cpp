#include "e2e/scaled_display.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {
void SetLogPixels(int dpi) {
  const DWORD value = static_cast<DWORD>(dpi);
  EXPECT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD,
                            &value, sizeof value),
            ERROR_SUCCESS);
}
}  // namespace

ScaledDisplay::ScaledDisplay(int dpi) { SetLogPixels(dpi); }
ScaledDisplay::~ScaledDisplay() { SetLogPixels(96); }
