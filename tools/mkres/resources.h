// Builds the objects of the editor's datafile: the palette-carrying pointer
// image "mouse_corner.pcx" and the tool box images "tool0.pcx" to "tool8.pcx".
#pragma once

#include "datafile_writer.h"

#include <allegro.h>

#include <vector>

namespace mkres {

// Encodes an 8-bit bitmap as PCX bytes with Allegro's writer; empty on failure.
std::vector<unsigned char> encode_pcx(BITMAP* bmp, const RGB* pal);

// All ten objects in datafile order, or an empty list when one could not be
// made. Needs Allegro to be installed.
std::vector<DatObject> build_resources();

}  // namespace mkres
