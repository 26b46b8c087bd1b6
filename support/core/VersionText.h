#pragma once
// Versions as text: the product's own version and a document's, as the product writes them, and
// a version exactly as it is.

#include <string>

// A version as the product writes it: fixed point with one decimal (DoubleToString), so the
// product's own version reads "1.0", and so does a document's 1.04.
std::string VersionText(double version);

// The product's own version as it is written everywhere: "1.0", the text VersionText gives for
// product::kVersion. Written out rather than formatted, so that a program which formats no number
// (the uninstaller) carries no number formatting.
inline std::string ProductVersionText() {
    return "1.0";
}

// A version exactly: the shortest text that reads back as the same number, with at least one
// decimal ("1.0", "1.04", "2.5", "1e+300", "nan").
std::string ExactVersionText(double version);
