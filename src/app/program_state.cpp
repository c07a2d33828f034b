#include "app/program_state.h"

namespace {
ProgramState state;
}

ProgramState& Program() { return state; }
