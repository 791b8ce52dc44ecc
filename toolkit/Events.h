#pragma once

// Lets the window handle every event that is waiting, once, and returns
// without waiting for more. Does nothing before the application exists.
void ProcessPendingEvents();
