// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The board is designed around "Tahoma" and "MS Sans Serif". Debian does not
// install them for fontconfig, but fonts-wine ships free look-alikes of both;
// this makes them available to the program when they are there.
void loadLookAlikeFonts();
