#pragma once

// Reads the system's font configuration on a second thread while the
// application and its windows are being made, so that the first text the
// main window draws does not wait for it. Does nothing when the font
// configuration library is not in the process.
void warmUpFontConfiguration();
