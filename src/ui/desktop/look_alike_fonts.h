// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The board is designed around "Tahoma" and "MS Sans Serif". Debian does not
// install them for fontconfig, but fonts-wine ships free look-alikes of both;
// this makes them available to the program when they are there. Once per
// run, when first needed: whatever draws or measures with them (a tile, the
// windows that show them) calls it first, so that start-up does not pay for
// reading them.
void loadLookAlikeFonts();
