#pragma once

// Handlers of the buttons and the package list that build, show and carry out the plan.
void PreviewPlan();
void RunPackaging();
void ShowSelectedPackage();
// Builds the plan from the main window's settings; false when it stopped at
// the message about a missing source folder or ran out of memory (then no
// plan is left).
bool BuildPlan();
