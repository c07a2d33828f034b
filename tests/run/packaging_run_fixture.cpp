#include "run/packaging_run_fixture.h"

#include "support/program_texts.h"

bool RunUntilProgressShown() {
  return RunLoopUntil([] {
    HWND progress = AppWindowHandle(ProgressWindow);
    return progress && IsWindowVisible(progress);
  });
}

bool RunUntilEnded(DWORD timeoutMs) { return RunLoopUntil(RunHasEnded, timeoutMs); }

DialogStep MessageStep(std::wstring* text, bool* progressOpen) {
  return {MessageBoxMatch(ProgramCaption), [text, progressOpen](HWND box) {
            if (progressOpen) *progressOpen = AppWindowHandle(ProgressWindow) != nullptr;
            *text = MessageBoxText(box);
            PostButtonCommand(box, IDOK);
          }};
}

std::vector<DialogStep> DefaultAnswers(const std::wstring& destination, std::wstring* message,
                                       bool* progressOpen) {
  return {{TextRequesterMatch(ProgramCaption), AnswerEnter()},
          {FolderChooserMatch(), AnswerFolder(destination)},
          MessageStep(message, progressOpen)};
}
