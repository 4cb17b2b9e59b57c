// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// Whether the desktop opens HTML pages in a web browser. A desktop may name
// a text editor for text/html, or nothing at all; then xdg-open shows the
// help page as raw markup, or not at all, and the game shows it itself.
namespace HtmlHandler {

enum class Default {
    Browser,     // a web browser is the default for text/html
    NoBrowser,   // none, or an application that is no browser
    Unknown,     // the desktop cannot be asked (no xdg-mime)
};

// Asks `xdg-mime query default text/html` and reads the desktop entry it names.
Default forHtml();

// From a desktop entry's text: whether its application is a web browser
// (its categories say WebBrowser, or it opens http addresses).
bool isBrowserEntry(const QByteArray &entry);

} // namespace HtmlHandler
