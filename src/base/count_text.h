// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A translated text with a count in it, in the language's plural form:
// "%n day(s)" marked with QT_TRANSLATE_N_NOOP. The game ships no English
// translation, so without one the English source takes its own plural:
// "1 day", "2 days".
QString countText(const char *context, const char *source, int n);
