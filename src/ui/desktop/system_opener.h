// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QUrl;

// Hands url to the system's opener (xdg-open) and calls failed, later and on
// the GUI thread, when there is none or it reports that it could not open
// url (no browser, no mail program). An opener still running when the game
// ends keeps running: it may be the browser itself.
void openWithSystem(const QUrl &url, const std::function<void()> &failed);
