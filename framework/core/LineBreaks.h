#pragma once
// Line breaks as Windows files and edit controls store them.

#include <string>

// The text with every line feed that no carriage return precedes stored as CR LF; a CR LF stays
// as it is. before is the character that came just ahead of text, for a text handled in pieces.
std::string WithCrLf(const std::string& text, char before = '\0');
