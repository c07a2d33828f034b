#pragma once

// Handlers of the main window's events, each run to its end by the loop.
void BrowseSourceFolder();
// Of what was dropped on the main window, the first folder becomes the source.
void TakeDroppedSource();
void LayoutMainWindow();
void PreviewPlan();
void RunPackaging();
void ShowSelectedPackage();
// Builds the plan from the main window's settings; false when it stopped at
// the message about a missing source folder or ran out of memory (then no
// plan is left).
bool BuildPlan();
[[noreturn]] void ShutDown();
// A session that ends (log-off, shutdown) cancels a run first, then ends the
// program as its close does.
void AnswerSessionEnd();
