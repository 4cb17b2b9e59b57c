// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The How to Play page made fit for Qt's text browser, which knows only part
// of HTML and CSS: the page's header, navigation and sections become tables
// with the page's colours (a gradient becomes its middle colour), and the
// example board's rows become rows of table cells, each cell's letters in
// its own colour. The page's text is left as it is.
namespace HelpPageFeed {

QString forViewer(const QString &page);

} // namespace HelpPageFeed
