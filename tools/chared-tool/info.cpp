#include "info.h"

#include "crc32.h"

namespace {

void print_string(FILE *out, const char *s) {
  std::fputc('"', out);
  for (; *s; s++) {
    unsigned char c = static_cast<unsigned char>(*s);
    if (c == '"' || c == '\\')
      std::fprintf(out, "\\%c", c);
    else if (c < 0x20)
      std::fprintf(out, "\\u%04x", c);
    else
      std::fputc(c, out);
  }
  std::fputc('"', out);
}

uint32_t frame_crc(const ANIMATION *ani, int i) {
  uint32_t crc = 0;
  for (int y = 0; y < ani->h; y++) crc = crc32_update(crc, ani->frames[i]->line[y], ani->w);
  return crc;
}

// The fields an animation shares in both kinds of file.
void print_animation(FILE *out, const ANIMATION *ani, bool palette) {
  std::fprintf(out, "\"w\": %d, \"h\": %d, \"f\": %d, \"d\": %d, \"palette\": %s, \"crc32\": [",
               ani->w, ani->h, ani->f, ani->d, palette ? "true" : "false");
  for (int i = 0; i < ani->f; i++) std::fprintf(out, "%s\"%08x\"", i ? ", " : "", frame_crc(ani, i));
  std::fputc(']', out);
}

void print_head(FILE *out, const char *filename, const char *kind) {
  std::fputs("{\"file\": ", out);
  print_string(out, filename);
  std::fprintf(out, ", \"kind\": \"%s\"", kind);
}

}  // namespace

void print_ani_info(FILE *out, const char *filename, const ANIMATION *ani, bool palette) {
  print_head(out, filename, "ani");
  std::fputs(", ", out);
  print_animation(out, ani, palette);
  std::fputs("}\n", out);
}

void print_sprite_info(FILE *out, const char *filename, const ZQ_SPRITE *s, unsigned palettes) {
  print_head(out, filename, "spr");
  std::fputs(", \"slots\": [\n", out);
  for (int i = 0; i < ZQ_SPRITE_SLOTS; i++) {
    std::fprintf(out, "  {\"slot\": %d, \"present\": %s, ", i, s->ani[i] ? "true" : "false");
    if (s->ani[i]) {
      print_animation(out, s->ani[i], palettes >> i & 1);
      std::fputs(", ", out);
    }
    std::fprintf(out, "\"box\": {\"x\": %d, \"y\": %d, \"w\": %d, \"h\": %d}}%s\n", s->cx[i], s->cy[i],
                 s->cw[i], s->ch[i], i + 1 < ZQ_SPRITE_SLOTS ? "," : "");
  }
  std::fputs("]}\n", out);
}
