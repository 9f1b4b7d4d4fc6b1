#pragma once
// Closing DBConnection is needed by every way out of the process, including
// the fatal-error report, so it lives here below the access layer.

// Closes the connection when it is open; harmless otherwise.
void CloseDBConnection();
