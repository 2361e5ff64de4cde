// The parse rule for numbers typed into controls and windows: the text must
// hold exactly one number, optionally surrounded by blanks ("007" is 7,
// " 7 " is 7; "7 7", "12a" and "" are refused). Numbers are decimal. A
// number outside the range of its type is refused too, and an unsigned
// number takes no minus sign. On refusal the output is left untouched.
#pragma once

bool ParseLongValue(const char* text, long& out);
bool ParseIntValue(const char* text, int& out);
bool ParseUnsignedValue(const char* text, unsigned& out);
bool ParseRealValue(const char* text, double& out);
bool ParseFloatValue(const char* text, float& out);

// True when every character is white space; an empty or null text too.
bool IsBlankText(const char* text);
