#pragma once

// What the program answers when Windows ends the session (log-off, shutdown).
// query says whether the end may go on; end is told whether it does. Either
// may be null: the end is then allowed, and nothing is done.
using SessionQuery = bool (*)();
using SessionEnd = void (*)(bool ending);
void SetSessionEndHandlers(SessionQuery query, SessionEnd end);
