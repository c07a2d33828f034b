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
  int package;  // 0 when the plan is empty
  long long files;
};
// The package of the current plan that holds the most files.
PackageChoice LargestPackage();
// Selects the package's line in the package list; returns the seconds until
// its handler has returned, and the number of lines it listed.
double TimeSelection(int package, long long* listed);

// What a whole run looked like from the main thread.
struct RunFigures {
  double seconds;       // from the bar's maximum (the worker's last step before
                        // the file loop) to the close request after the last file
  double shown;         // the part of it until the progress window appeared
  long long refreshes;  // new file names the label was given meanwhile
  double longestGap;    // the longest time the label kept one name meanwhile
};
// A whole copy (or move) run into destination, by count into that many
// packages with the default names, the requesters answered from a helper
// thread. False when the run did not complete.
bool TimeRun(bool move, const std::wstring& source, const std::wstring& destination, int packages,
             RunFigures* figures);
