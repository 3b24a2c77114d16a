// chared-mkres: writes the editor's datafile.
//   chared-mkres OUTPUT.dat
#include "datafile_writer.h"
#include "resources.h"

#include <allegro.h>

#include <cerrno>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: chared-mkres OUTPUT.dat\n");
    return 2;
  }
  if (install_allegro(SYSTEM_NONE, &errno, nullptr) != 0) {
    std::fprintf(stderr, "chared-mkres: cannot start Allegro\n");
    return 1;
  }
  const auto objects = mkres::build_resources();
  const bool ok = !objects.empty() && mkres::write_datafile(argv[1], objects);
  allegro_exit();
  if (!ok) {
    std::fprintf(stderr, "chared-mkres: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
END_OF_MAIN()
