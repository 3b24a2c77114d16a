// Writes an uncompressed Allegro datafile of named binary objects, readable
// by Allegro through paths such as "chared.dat#tool0.pcx".
#pragma once

#include <string>
#include <vector>

namespace mkres {

struct DatObject {
  std::string name;
  std::vector<unsigned char> data;
};

// Encodes the whole datafile. Empty names are refused (Allegro could not
// find such an object), giving an empty result.
std::vector<unsigned char> encode_datafile(const std::vector<DatObject>& objects);

// Writes the datafile to `path` through a temporary file beside it, so an
// existing file survives any failure. Returns false on failure.
bool write_datafile(const std::string& path, const std::vector<DatObject>& objects);

}  // namespace mkres
