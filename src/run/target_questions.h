#pragma once
#include <string>
#include <vector>

#include "run/run_state.h"
#include "run/run_targets.h"

class FileList;

// Every target of the run and every replacement, decided with the user before
// the first file. False when the run must end with nothing touched: the user
// chose Abbrechen or Nein, a move would meet files already there, or the
// program is ending. replace holds, per entry, whether its target may be replaced.
bool DecideTargets(TransferMode mode, FileList& files, const std::wstring& source,
                   const std::wstring& destination, const std::wstring& pattern,
                   RunTargets* targets, std::vector<bool>* replace);
