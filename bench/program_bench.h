#pragma once
#include <string>

// Drives the program's own main window in this process, through its event
// loop and handlers, and times what the user waits for.

// Starts the program once.
void StartProgramForBench();

// Empties the plan and both preview lists, as a fresh start would have them;
// returns the seconds that took.
double ClearPlan();
// Presses the preview button with the tree as source, packages by size
// (value in the unit of that index of the unit list); returns the seconds
// until its handler has returned.
double TimePreview(const std::wstring& source, int sizeValue, int unitIndex);

struct PackageChoice {
  int package;       // 0 when the plan is empty
  long long files;
};
// The package of the current plan that holds the most files.
PackageChoice LargestPackage();
// Selects the package's line in the package list; returns the seconds until
// its handler has returned, and the number of lines it listed.
double TimeSelection(int package, long long* listed);

// A whole copy run into destination, by count into that many packages with
// the default names, the requesters answered from a helper thread. Returns the seconds from the
// worker setting the progress bar's maximum (its last step before the file
// loop) to its close request after the last file, and in *firstFile the
// part up to the bar's first step; negative when the run did not complete.
double TimeCopyRun(const std::wstring& source, const std::wstring& destination, int packages,
                   double* firstFile);
