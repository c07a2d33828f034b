// Pictures for the README, taken by tools/screenshots.sh (these tests are off
// in the normal run): the main window with a preview, at 100 % and at 150 %
// display scale, the progress window during a copy. BUNDELOR_SCREENSHOT_DIR
// names the folder for the BMP files.
#include <cstdlib>
#include <cstring>

#include "e2e/e2e_fixture.h"
#include "e2e/scaled_display.h"
#include "e2e/window_picture.h"
#include "support/sized_file.h"
#include "support/temp_dir.h"

namespace {

std::wstring PictureFolder() {
  const char* folder = std::getenv("BUNDELOR_SCREENSHOT_DIR");
  return folder ? std::wstring(folder, folder + std::strlen(folder)) : std::wstring(L".");
}

// Plain, readable paths in the pictures rather than temp folder names.
class Screenshots : public E2eTest {
 protected:
  void TearDown() override {
    E2eTest::TearDown();
    RemoveTree(L"C:\\Fotos");
    RemoveTree(L"C:\\Pakete");
  }
  // Four packages by count of holiday photos, the second one selected.
  void ShowAPreview() {
    const wchar_t* names[] = {
        L"Berge\\IMG_0412.jpg",  L"Berge\\IMG_0415.jpg",  L"Berge\\IMG_0419.jpg",
        L"Berge\\IMG_0423.jpg",  L"Strand\\IMG_0201.jpg", L"Strand\\IMG_0204.jpg",
        L"Strand\\IMG_0210.jpg", L"Strand\\IMG_0233.jpg", L"Strand\\IMG_0236.jpg",
        L"Stadt\\IMG_0301.jpg",  L"Stadt\\IMG_0302.jpg",  L"Stadt\\IMG_0317.jpg"};
    CreateDirectoryW(L"C:\\Fotos", nullptr);
    CreateDirectoryW(L"C:\\Fotos\\Urlaub 2023", nullptr);
    for (const wchar_t* sub : {L"Berge", L"Strand", L"Stadt"}) {
      CreateDirectoryW((std::wstring(L"C:\\Fotos\\Urlaub 2023\\") + sub).c_str(), nullptr);
    }
    unsigned seed = 1;
    for (const wchar_t* name : names) {
      const int64_t size = 2100000 + 317000 * static_cast<int64_t>(seed % 7);
      ASSERT_TRUE(WriteSizedFile(std::wstring(L"C:\\Fotos\\Urlaub 2023\\") + name, size,
                                 FileFill::Whole, seed++));
    }
    ASSERT_NO_FATAL_FAILURE(ChooseSource(L"C:\\Fotos\\Urlaub 2023"));
    ASSERT_NO_FATAL_FAILURE(UseCount(4));
    ClickGadget(PreviewButton);
    ClickListLine(G(PackageList), 1);
    ASSERT_EQ(ListLines(G(ContentsList)).size(), 3u);
    Sleep(300);
  }
};
using DISABLED_Screenshots = Screenshots;

// The program started on a display at 150 %.
class DISABLED_ScaledScreenshots : public Screenshots {
 protected:
  ScaledDisplay display_{144};
};

TEST_F(DISABLED_Screenshots, MainWindowWithPreview) {
  ASSERT_NO_FATAL_FAILURE(ShowAPreview());
  EXPECT_TRUE(SaveWindowPicture(Main(), PictureFolder() + L"\\main-window.bmp"));
}

TEST_F(DISABLED_ScaledScreenshots, MainWindowWithPreviewAt150Percent) {
  ASSERT_NO_FATAL_FAILURE(ShowAPreview());
  EXPECT_TRUE(SaveWindowPicture(Main(), PictureFolder() + L"\\main-window-144dpi.bmp"));
}

TEST_F(DISABLED_Screenshots, ProgressWindowDuringACopy) {
  CreateDirectoryW(L"C:\\Fotos", nullptr);
  CreateDirectoryW(L"C:\\Pakete", nullptr);
  for (int i = 1; i <= 3; ++i) {
    ASSERT_TRUE(WriteSizedFile(L"C:\\Fotos\\Video_0" + std::to_wstring(i) + L".mp4", 300LL << 20,
                               FileFill::Whole, static_cast<unsigned>(i)));
  }
  ASSERT_NO_FATAL_FAILURE(ChooseSource(L"C:\\Fotos"));
  ASSERT_NO_FATAL_FAILURE(StartRun(nullptr, L"C:\\Pakete"));
  HWND progress = nullptr;
  ASSERT_TRUE(WaitFor(
      [&] {
        progress = ProgressWindow();
        return progress && IsWindowVisible(progress) &&
               WindowText(FindDescendant(progress, nullptr, CurrentFileText)) == L"Video_02.mp4";
      },
      30000));
  EXPECT_TRUE(SaveWindowPicture(progress, PictureFolder() + L"\\progress-window.bmp"));
  ForegroundOf(progress);
  Click(FindDescendant(progress, nullptr, CancelButton));
  EXPECT_TRUE(WaitForRunEnd(60000));
}

}  // namespace
