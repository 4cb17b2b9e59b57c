// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The process's one random source: a 32-bit linear congruential generator,
// seed := seed * 134775813 + 1 (mod 2^32). A draw advances the seed first and
// then returns the high 32 bits of the 64-bit product seed * n.
namespace RandomSource {

quint32 seed();
void setSeed(quint32 seed);

// Seeds from the UTC time of day: ((h*60+m)*60+s)*1000+ms. Called once at start-up.
void seedFromClock();

// A draw from 0..n-1; n <= 0 gives 0 without advancing the seed.
int random(int n);

} // namespace RandomSource
