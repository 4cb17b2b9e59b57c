// SPDX-License-Identifier: GPL-3.0-or-later
// The one source of a test library's precompiled headers (tests/CMakeLists.txt).
