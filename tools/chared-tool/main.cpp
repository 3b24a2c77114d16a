// chared-tool: looks at, copies and makes animation (ani) and character
// (spr) files from scripts and build pipelines.
//   chared-tool info FILE          JSON summary on stdout
//   chared-tool copy IN OUT        load and save again
//   chared-tool new W H OUT.spr    a fresh character, as File > New makes it
// Exit status: 0 done, 1 a file could not be read or written, 2 usage.
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "info.h"
#include "sprite.h"

namespace {

constexpr int exit_file = 1;
constexpr int exit_usage = 2;

int usage(const char *why) {
  std::fprintf(stderr,
               "chared-tool: %s\n"
               "usage: chared-tool info FILE\n"
               "       chared-tool copy IN OUT\n"
               "       chared-tool new W H OUT.spr\n",
               why);
  return exit_usage;
}

int file_error(const char *filename, const char *reason) {
  std::fprintf(stderr, "chared-tool: %s: %s\n", filename, reason);
  return exit_file;
}

int load_error(const char *filename, const LoadStatus &st) {
  if (st.slot < 0) return file_error(filename, load_error_text(st.error));
  std::string reason = std::string(load_error_text(st.error)) + " (slot " + std::to_string(st.slot) + ")";
  return file_error(filename, reason.c_str());
}

// Anything that starts like an ANI stream is read as one; everything else
// as a character file, which has no magic of its own.
bool looks_like_ani(const char *filename) {
  char head[3] = {};
  FILE *f = std::fopen(filename, "rb");
  if (!f) return false;
  size_t n = std::fread(head, 1, sizeof head, f);
  std::fclose(f);
  return n == sizeof head && std::memcmp(head, "ANI", 3) == 0;
}

int info(const char *filename) {
  LoadStatus st;
  if (looks_like_ani(filename)) {
    AniPtr ani(load_ani(filename, nullptr, &st));
    if (!ani) return load_error(filename, st);
    print_ani_info(stdout, filename, ani.get(), st.palettes & 1);
  } else {
    SpritePtr s(zq_sprite_load(filename, &st));
    if (!s) return load_error(filename, st);
    print_sprite_info(stdout, filename, s.get(), st.palettes);
  }
  return std::fflush(stdout) == 0 ? 0 : exit_file;
}

int copy(const char *in, const char *out) {
  LoadStatus st;
  int saved;
  if (looks_like_ani(in)) {
    PALETTE pal;
    AniPtr ani(load_ani(in, pal, &st));
    if (!ani) return load_error(in, st);
    saved = save_ani(ani.get(), out, (st.palettes & 1) ? pal : nullptr);
  } else {
    SpritePtr s(zq_sprite_load(in, &st));
    if (!s) return load_error(in, st);
    saved = zq_sprite_save(s.get(), out);
  }
  return saved ? 0 : file_error(out, "cannot write");
}

bool parse_side(const char *text, int *side) {
  char *end = nullptr;
  errno = 0;
  long v = std::strtol(text, &end, 10);
  if (errno || end == text || *end || v < 1 || v > ANI_MAX_SIDE) return false;
  *side = static_cast<int>(v);
  return true;
}

int make_new(const char *wtext, const char *htext, const char *out) {
  int w, h;
  if (!parse_side(wtext, &w) || !parse_side(htext, &h)) {
    std::string why = "W and H must be whole numbers from 1 to " + std::to_string(ANI_MAX_SIDE);
    return usage(why.c_str());
  }
  SpritePtr s(zq_sprite_create());
  BitmapPtr blank(create_bitmap_ex(8, w, h));
  if (!s || !blank) return file_error(out, load_error_text(LoadError::no_memory));
  clear_to_color(blank.get(), 0);
  for (int i = 0; i < ZQ_SPRITE_SLOTS; i++) {
    s->ani[i] = create_ani(w, h);
    if (!s->ani[i] || !animation_add_frame(s->ani[i], blank.get()))
      return file_error(out, load_error_text(LoadError::no_memory));
    s->cw[i] = w;
    s->ch[i] = h;
  }
  return zq_sprite_save(s.get(), out) ? 0 : file_error(out, "cannot write");
}

}  // namespace

int main(int argc, char **argv) {
  if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
    std::fprintf(stderr, "chared-tool: cannot start Allegro\n");
    return exit_file;
  }
  std::string cmd = argc > 1 ? argv[1] : "";
  if (cmd == "info" && argc == 3) return info(argv[2]);
  if (cmd == "copy" && argc == 4) return copy(argv[2], argv[3]);
  if (cmd == "new" && argc == 5) return make_new(argv[2], argv[3], argv[4]);
  if (cmd == "info" || cmd == "copy" || cmd == "new") return usage("wrong number of arguments");
  return usage(cmd.empty() ? "no command" : ("unknown command " + cmd).c_str());
}
END_OF_MAIN()
