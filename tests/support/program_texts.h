#pragma once
#include <string>

// The program's own texts that tests look for or compare against, written
// once here; a test that finds one changed fails where the program changed.

// Windows and dialogs.
inline constexpr wchar_t MainTitle[] = L"Quoddle - Bundelor 1.0";
inline constexpr wchar_t ProgramCaption[] = L"Bundelor";  // message boxes and the text requester
inline constexpr wchar_t NamingPrompt[] = L"Benennung der Paket-Verzeichnisse:";
inline constexpr wchar_t DefaultPattern[] = L"Paket #";
inline constexpr wchar_t DestinationPrompt[] = L"Speicher-Pfad der Pakete";
inline constexpr wchar_t CopyTitle[] = L"Dateien kopieren...";
inline constexpr wchar_t MoveTitle[] = L"Dateien verschieben...";
inline constexpr wchar_t CopyCancellingTitle[] = L"Dateien kopieren... (Abbruch l\u00e4uft...)";
inline constexpr wchar_t MoveCancellingTitle[] = L"Dateien verschieben... (Abbruch l\u00e4uft...)";

// Main window texts.
inline constexpr wchar_t ContentsCaption[] = L"Inhalt des markierten Pakets";
// The contents caption with a package selected, up to its size.
inline constexpr wchar_t SizedContentsCaption[] =
    L"Inhalt des markierten Pakets (Gr\u00f6\u00dfe: ";
inline constexpr wchar_t RunButtonText[] = L"Paketierung durchf\u00fchren";

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
inline std::wstring RoomQuestion(unsigned long long freeMiB, unsigned long long neededMiB) {
  return L"Auf dem Ziel sind nur " + std::to_wstring(freeMiB) + L" MiB frei, die Pakete brauchen " +
         std::to_wstring(neededMiB) + L" MiB.\r\nTrotzdem beginnen?";
}

// The run's questions before its first file.
inline constexpr wchar_t SameNamesInstruction[] = L"Gleiche Dateinamen in einem Paket";
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
