#pragma once
// The .zembra file: the format version, the caption and the text (each behind a presence flag)
// and the style word. Reading is split at the version so that a caller can ask the user
// before it reads a file of another version.

#include "app/core/BoxBlock.h"
#include "app/core/MessageBoxDesign.h"

#include <vector>

class CArchive;

double ReadZembraVersion(CArchive& ar);
// True when the version compares less or greater than the program's; a NaN compares neither way.
bool IsOtherVersion(double version);
// Reads what follows the version into the design, the box block last: a block that is not sound
// leaves the design without extras, and the result says why.
BoxBlockRead ReadZembraBody(CArchive& ar, MessageBoxDesign& design);

// Writes the whole file: the program's version, then the design, with its box block when it has
// extras.
void WriteZembra(CArchive& ar, const MessageBoxDesign& design);
// The whole file of a design, as WriteZembra writes it.
std::vector<unsigned char> ZembraBytes(const MessageBoxDesign& design);
