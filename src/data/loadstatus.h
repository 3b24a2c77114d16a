// Why a reader refused a stream. The editor only needs "null or not"; the
// command-line tool and later dialogs use this to tell the user what was wrong.
#pragma once

enum class LoadError {
  none,
  cannot_open,  // the file could not be opened
  bad_magic,    // not an ANI stream (or an embedded one is not)
  bad_header,   // a size, frame count or slot count out of range
  truncated,    // the data ends early
  no_memory,    // a record or bitmap could not be allocated
};

// Filled by the readers when the caller passes one.
struct LoadStatus {
  LoadError error = LoadError::none;
  int slot = -1;          // character files: the slot being read when refused
  unsigned palettes = 0;  // bit i: stream i (slot i, or 0 for an ANI file) held a palette
};

// A short lower-case phrase for messages ("truncated", "bad header value", ...).
const char *load_error_text(LoadError error);
