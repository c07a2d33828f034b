#include <windows.h>
#include <shellapi.h>

#include "app/source_folder.h"
#include "gui/requesters.h"
#include "gui/toolbox/scoped.h"

void OpenSourceFromCommandLine(const wchar_t* commandLine) {
  int count = 0;
  const ScopedLocalMemory<wchar_t**> arguments(CommandLineToArgvW(commandLine, &count));
  // The first argument after the program's own name.
  const wchar_t* folder = arguments.Valid() && count > 1 ? arguments.Get()[1] : nullptr;
  if (!folder || !folder[0]) return;
  if (ShowSourceFolder(folder)) return;
  const std::wstring text = std::wstring(L"Das Verzeichnis\r\n") + folder +
                            L"\r\nwurde nicht gefunden. Bundelor startet ohne Quell-Verzeichnis.";
  RequestMessage(L"Bundelor", text.c_str(), MessageWarning);
}
