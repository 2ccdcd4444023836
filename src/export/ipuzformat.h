// ipuz as a document format of File > Open, Save and Save As: read through
// openIpuzFile, written as the export writes it, letter numbers and all.
#pragma once

#include "documentformats.h"

namespace qbrx {

inline constexpr const char* kIpuzFilterEntry = "ipuz Files (*.ipuz)|*.ipuz";

FileFormat ipuzFileFormat();

}  // namespace qbrx
