#include <windows.h>

#include <commctrl.h>

#include <string>

#include "gui/requesters.h"
#include "gui/requesters/requester_owner.h"

int RequestChoice(const wchar_t* caption, const wchar_t* instruction, const wchar_t* content,
                  const wchar_t* first, const wchar_t* second) {
  const std::wstring texts[] = {first ? first : L"", second ? second : L""};
  const TASKDIALOG_BUTTON buttons[] = {{ChoiceFirst, texts[0].c_str()},
                                       {ChoiceSecond, texts[1].c_str()}};
  TASKDIALOGCONFIG config = {};
  config.cbSize = sizeof config;
  config.hwndParent = RequesterOwner();
  // A close request (also the one a program that is ending sends) counts as Abbrechen.
  config.dwFlags =
      TDF_USE_COMMAND_LINKS | TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
  config.dwCommonButtons = TDCBF_CANCEL_BUTTON;
  config.pszWindowTitle = caption ? caption : L"";
  config.pszMainIcon = TD_WARNING_ICON;
  config.pszMainInstruction = instruction ? instruction : L"";
  config.pszContent = content ? content : L"";
  config.cButtons = 2;
  config.pButtons = buttons;
  config.nDefaultButton = ChoiceFirst;
  DisableThreadWindows();
  int answer = IDCANCEL;
  if (FAILED(TaskDialogIndirect(&config, &answer, nullptr, nullptr))) answer = IDCANCEL;
  EnableThreadWindows();
  return answer == ChoiceFirst ? 1 : answer == ChoiceSecond ? 2 : 0;
}
