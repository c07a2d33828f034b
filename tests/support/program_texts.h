#pragma once
#include <string>
#include <vector>

// The program's own texts that tests look for or compare against, written
// once here; a test that finds one changed fails where the program changed.

// Windows and dialogs.
inline constexpr wchar_t MainTitle[] = L"Quoddle - Bundelor 1.0";
inline constexpr wchar_t ProgramCaption[] = L"Bundelor";  // message boxes and the text requester
inline constexpr wchar_t NamingPrompt[] = L"Benennung der Paket-Verzeichnisse:";
inline constexpr wchar_t DefaultPattern[] = L"Paket #";
inline constexpr wchar_t DestinationPrompt[] = L"Speicher-Pfad der Pakete";
inline constexpr wchar_t SourcePrompt[] = L"Quell-Pfad";
inline constexpr wchar_t CopyTitle[] = L"Dateien kopieren...";
inline constexpr wchar_t MoveTitle[] = L"Dateien verschieben...";
inline constexpr wchar_t CopyCancellingTitle[] = L"Dateien kopieren... (Abbruch l\u00e4uft...)";
inline constexpr wchar_t MoveCancellingTitle[] = L"Dateien verschieben... (Abbruch l\u00e4uft...)";

// Main window texts.
inline constexpr wchar_t ContentsCaption[] = L"Inhalt des markierten Pakets";
// The contents caption with a package selected, its size in MiB as shown ("1.50").
inline std::wstring SizedContentsCaption(const std::wstring& mib) {
  return ContentsCaption + (L" (Gr\u00f6\u00dfe: " + mib + L" MiB)");
}
// The package list after a preview of count packages: "Paket 1" to "Paket count".
inline std::vector<std::wstring> PackageItems(int count) {
  std::vector<std::wstring> items;
  for (int package = 1; package <= count; ++package)
    items.push_back(L"Paket " + std::to_wstring(package));
  return items;
}
inline constexpr wchar_t PreviewButtonText[] = L"Vorschau";
inline constexpr wchar_t RunButtonText[] = L"Paketierung durchf\u00fchren";
// The size unit list, in the order it offers them.
inline constexpr const wchar_t* SizeUnits[] = {
    L"B", L"KiB (1024)", L"MiB (1024)", L"GiB (1024)", L"KB (1000)", L"MB (1000)", L"GB (1000)"};

// Messages.
inline constexpr wchar_t Completed[] = L"Die Paketierung ist abgeschlossen!";
inline constexpr wchar_t NoDestination[] =
    L"Sie haben kein Speicher-Pfad f\u00fcr die Pakete angegeben.\r\nDer Vorgang wird abgebrochen.";
inline constexpr wchar_t CopyFailed[] =
    L"Eine Datei konnte zum Speicher-Ort nicht kopiert werden.\r\nDer Vorgang wird abgebrochen.";
inline constexpr wchar_t MoveFailed[] =
    L"Eine Datei konnte zum Verzeichnis im Speicher-Ort nicht verschoben werden.\r\n"
    L"Der Vorgang wird abgebrochen.";
inline constexpr wchar_t CounterAdded[] =
    L"Das Z\u00e4hlzeichen # ist erforderlich.\r\nEs wurde f\u00fcr Sie hinzugef\u00fcgt.";
inline constexpr wchar_t BadCharacters[] =
    L"Die Zeichen \\ / : * ? \" < > | und Steuerzeichen sind in der Benennung nicht erlaubt.\r\n"
    L"Bitte \u00e4ndern Sie die Benennung.";
inline constexpr wchar_t BadNameEnd[] =
    L"Ordnernamen d\u00fcrfen nicht mit einem Punkt oder einem Leerzeichen enden.\r\n"
    L"Bitte \u00e4ndern Sie die Benennung.";
inline constexpr wchar_t OutOfMemory[] =
    L"Es ist nicht genug Arbeitsspeicher frei, um alle Dateien aufzulisten.\r\n"
    L"Der Vorgang wird abgebrochen.";
inline constexpr wchar_t Fat32TooLarge[] =
    L"Das Ziel ist mit FAT32 formatiert und kann keine Dateien von 4 GiB oder mehr aufnehmen.\r\n"
    L"Der Vorgang wird abgebrochen.";
// The question before a run that the destination has too little room for.
inline constexpr wchar_t RoomQuestionStart[] = L"Auf dem Ziel sind nur ";
inline std::wstring RoomQuestion(unsigned long long freeMiB, unsigned long long neededMiB) {
  return RoomQuestionStart + std::to_wstring(freeMiB) + L" MiB frei, die Pakete brauchen " +
         std::to_wstring(neededMiB) + L" MiB.\r\nTrotzdem beginnen?";
}
// The warning at start-up about a folder given on the command line.
inline std::wstring SourceNotFound(const std::wstring& folder) {
  return L"Das Verzeichnis\r\n" + folder +
         L"\r\nwurde nicht gefunden. Bundelor startet ohne Quell-Verzeichnis.";
}
// The notice after a scan that could not read everything: a heading that
// counts (this one for a single folder), the paths, then a note for each kind.
inline constexpr wchar_t OneFolderUnread[] = L"1 Verzeichnis konnte nicht gelesen werden:";
inline constexpr wchar_t UnreadFoldersNote[] =
    L"Der Inhalt nicht lesbarer Verzeichnisse fehlt in den Paketen.";
inline constexpr wchar_t UnreadFilesNote[] = L"Nicht lesbare Dateien werden trotzdem eingeplant.";

// The run's questions before its first file.
inline constexpr wchar_t SameNamesInstruction[] = L"Gleiche Dateinamen in einem Paket";
// Its text for one such file: its name and the two folders it is in.
inline std::wstring OneSameName(const std::wstring& name, const std::wstring& first,
                                const std::wstring& second) {
  return L"1 Datei hat denselben Namen wie eine andere Datei ihres Pakets, zum Beispiel \u201e" +
         name + L"\u201c aus \u201e" + first + L"\u201c und \u201e" + second + L"\u201c.";
}
// Its first choice, and the note below it with where an example file goes.
inline constexpr wchar_t KeepSubfolders[] = L"Unterordner beibehalten";
inline std::wstring SubfoldersKeptNote(const std::wstring& example) {
  return L"Jedes Paket erh\u00e4lt die Unterordner der Quelle, zum Beispiel \u201e" + example +
         L"\u201c.";
}
inline constexpr wchar_t DestinationInSource[] =
    L"Der Speicher-Pfad liegt im Quell-Verzeichnis.\r\nBitte w\u00e4hlen Sie einen Ort "
    L"au\u00dferhalb.";
inline std::wstring DeviceNameRefused(const std::wstring& name) {
  return L"Der Name \u201e" + name +
         L"\u201c ist unter Windows einem Ger\u00e4t vorbehalten.\r\nBitte \u00e4ndern Sie die "
         L"Benennung.";
}
// What the destination holds of a run's targets: for a copy the question,
// for a move the warning that ends it.
inline std::wstring FilesAlreadyThere(int count, const std::wstring& example, bool move) {
  const std::wstring quoted = L"\u201e" + example + L"\u201c";
  std::wstring text = count == 1 ? L"Im Ziel liegt schon 1 Datei mit einem Namen dieser "
                                   L"Paketierung: " +
                                       quoted + L".\r\n"
                                 : L"Im Ziel liegen schon " + std::to_wstring(count) +
                                       L" Dateien mit den Namen dieser Paketierung, zum Beispiel " +
                                       quoted + L".\r\n";
  if (move) return text + L"Der Vorgang wird abgebrochen.";
  return text + (count == 1 ? L"Soll sie ersetzt werden?" : L"Sollen sie ersetzt werden?");
}

// The program file's version resource.
inline constexpr wchar_t FileDescription[] = L"Erstellt Pakete von Dateien";
