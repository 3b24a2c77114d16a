#include "loadstatus.h"

const char *load_error_text(LoadError error) {
  switch (error) {
    case LoadError::none: return "no error";
    case LoadError::cannot_open: return "cannot open";
    case LoadError::bad_magic: return "not an ani or spr file";
    case LoadError::bad_header: return "bad header value";
    case LoadError::truncated: return "truncated";
    case LoadError::no_memory: return "out of memory";
  }
  return "unknown error";
}
