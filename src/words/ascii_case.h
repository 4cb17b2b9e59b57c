// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Dictionary attribute names match without regard to case, in ASCII only:
// a name's bytes are not decoded first.
constexpr char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}
