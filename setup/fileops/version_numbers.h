// Four-part file versions held as two 32-bit words (major.minor in the most
// significant word, release.build in the least), and their dotted text as
// fiver.ini keeps it.
#pragma once

#include <cstddef>
#include <cstdint>

// -1, 0 or 1 as version a is lower than, equal to or higher than version b:
// most significant words first, both unsigned, so 1.10 is above 1.9.
int CompareVersionWords(uint32_t aMs, uint32_t aLs, uint32_t bMs, uint32_t bLs);

// Reads "a.b.c.d" the way "%d.%d.%d.%d" does (blanks before a number and an
// optional sign allowed, anything after the fourth number ignored); each
// number keeps its low 16 bits. False when fewer than four numbers are there
// or a number does not fit a signed 32-bit integer.
bool ParseDottedVersion(const char* text, uint32_t& ms, uint32_t& ls);

// Writes the version as "%d.%d.%d.%d"; false when size cannot hold it.
bool FormatDottedVersion(uint32_t ms, uint32_t ls, char* text, size_t size);
