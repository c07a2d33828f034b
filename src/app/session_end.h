#pragma once

// A session that ends (log-off, shutdown) cancels a run first, then ends the
// program as its close does.
void AnswerSessionEnd();
