// The character record and its file: a slot count (always 16 when written),
// then per slot a present flag, the slot's ANI stream when present (never
// with a palette), and the collision box.
#include "sprite.h"

#include <cstdlib>

#include "filepack.h"
#include "packio.h"

namespace {

ZQ_SPRITE *refuse(LoadStatus *status, LoadError error, int slot) {
  if (status) {
    status->error = error;
    status->slot = slot;
  }
  return nullptr;
}

}  // namespace

ZQ_SPRITE *zq_sprite_create() { return static_cast<ZQ_SPRITE *>(std::calloc(1, sizeof(ZQ_SPRITE))); }

void zq_sprite_destroy(ZQ_SPRITE *s) {
  if (!s) return;
  for (ANIMATION *ani : s->ani) destroy_ani(ani);
  std::free(s);
}

int zq_sprite_save_fp(ZQ_SPRITE *s, PACKFILE *f) {
  if (!s || !f || !write_le32(f, ZQ_SPRITE_SLOTS)) return 0;
  for (int i = 0; i < ZQ_SPRITE_SLOTS; i++) {
    if (!write_le32(f, s->ani[i] ? 1 : 0)) return 0;
    if (s->ani[i] && !save_ani_fp(s->ani[i], f, nullptr)) return 0;
    unsigned char box[16];
    put_le32(box, s->cx[i]);
    put_le32(box + 4, s->cy[i]);
    put_le32(box + 8, s->cw[i]);
    put_le32(box + 12, s->ch[i]);
    if (!write_bytes(f, box, sizeof box)) return 0;
  }
  return pack_ferror(f) ? 0 : 1;
}

int zq_sprite_save(ZQ_SPRITE *s, const char *filename) {
  if (!s) return 0;
  return save_replacing(filename, [&](PACKFILE *f) { return zq_sprite_save_fp(s, f) == 1; });
}

ZQ_SPRITE *zq_sprite_load_fp(PACKFILE *f, LoadStatus *status) {
  if (!f) return refuse(status, LoadError::cannot_open, -1);
  SpritePtr s(zq_sprite_create());
  if (!s) return refuse(status, LoadError::no_memory, -1);
  int32_t count;
  if (!read_le32(f, &count)) return refuse(status, LoadError::truncated, -1);
  if (count > ZQ_SPRITE_SLOTS) return refuse(status, LoadError::bad_header, -1);

  unsigned palettes = 0;
  for (int i = 0; i < count; i++) {
    int32_t present;
    if (!read_le32(f, &present)) return refuse(status, LoadError::truncated, i);
    if (present) {
      LoadStatus slot;
      s->ani[i] = load_ani_fp(f, nullptr, &slot);
      if (!s->ani[i]) return refuse(status, slot.error, i);
      palettes |= slot.palettes << i;
    }
    unsigned char box[16];
    if (!read_bytes(f, box, sizeof box)) return refuse(status, LoadError::truncated, i);
    s->cx[i] = get_le32(box);
    s->cy[i] = get_le32(box + 4);
    s->cw[i] = get_le32(box + 8);
    s->ch[i] = get_le32(box + 12);
  }
  if (status) *status = LoadStatus{LoadError::none, -1, palettes};
  return s.release();
}

ZQ_SPRITE *zq_sprite_load(const char *filename, LoadStatus *status) {
  PACKFILE *f = filepack_open_read(filename);
  if (!f) return refuse(status, LoadError::cannot_open, -1);
  ZQ_SPRITE *s = zq_sprite_load_fp(f, status);
  pack_fclose(f);
  return s;
}
