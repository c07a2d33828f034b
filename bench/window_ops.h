#pragma once

// Times each window operation that the packaging worker makes per file, called
// from a thread of its own on a progress window like the program's, while this
// thread waits for events; prints seconds per call.
int TimeWindowOperations(int calls);
