// Packfiles over stdio streams. Allegro's own file packfiles move bulk reads
// and writes one byte per call internally; these hand a whole frame to
// fread/fwrite at once, which makes loading and saving several times faster.
#pragma once

#include <allegro.h>

#include <cstdio>

// Takes ownership of `file`: pack_fclose closes it and reports its errors.
PACKFILE *filepack_wrap(FILE *file);
// Opens a file for reading. Paths into Allegro datafiles ("a.dat#b") go
// through pack_fopen, which knows them.
PACKFILE *filepack_open_read(const char *filename);
