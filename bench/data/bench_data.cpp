// Saving and loading a full character (16 slots of 256 frames of 64 x 64,
// 16 MiB of pixels) through files, next to writing and reading the same
// bytes with plain stdio. The goal: the data layer within 3x of the plain copy.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "sprite.h"

namespace {

constexpr int side = 64;
constexpr int frames = 256;

struct Fixture {
  Fixture() {
    // Keep freed memory in the process. Otherwise glibc hands the 4096
    // freed frames back to the kernel after every load, and each load then
    // spends most of its time faulting fresh pages in (a cost the plain read,
    // reusing one buffer, never pays). Both sides now run on warm memory.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    install_allegro(SYSTEM_NONE, &errno, atexit);
    const char *tmp = std::getenv("TMPDIR");
    std::string base = std::string(tmp && *tmp ? tmp : "/tmp") + "/chared-bench-" + std::to_string(getpid());
    spr_path = base + ".spr";
    raw_path = base + ".raw";
    sprite.reset(zq_sprite_create());
    BitmapPtr frame(create_bitmap_ex(8, side, side));
    unsigned seed = 1;
    for (int i = 0; i < ZQ_SPRITE_SLOTS; i++) {
      sprite->ani[i] = create_ani(side, side);
      for (int j = 0; j < frames; j++) {
        for (int y = 0; y < side; y++)
          for (int x = 0; x < side; x++) frame->line[y][x] = (seed = seed * 1103515245 + 12345) >> 16;
        animation_add_frame(sprite->ani[i], frame.get());
      }
    }
    zq_sprite_save(sprite.get(), spr_path.c_str());
    FILE *f = std::fopen(spr_path.c_str(), "rb");
    bytes.resize(4 + ZQ_SPRITE_SLOTS * (4 + 21 + frames * side * side + 16));
    if (!f || std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size()) std::abort();
    std::fclose(f);
  }
  ~Fixture() {
    std::remove(spr_path.c_str());
    std::remove(raw_path.c_str());
  }
  SpritePtr sprite;
  std::vector<unsigned char> bytes;
  std::string spr_path, raw_path;
};

Fixture &fixture() {
  static Fixture fx;
  return fx;
}

void set_bytes(benchmark::State &state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * fixture().bytes.size());
}

void BM_SaveCharacter(benchmark::State &state) {
  Fixture &fx = fixture();
  for (auto _ : state) {
    if (!zq_sprite_save(fx.sprite.get(), fx.spr_path.c_str())) state.SkipWithError("save failed");
  }
  set_bytes(state);
}

void BM_LoadCharacter(benchmark::State &state) {
  Fixture &fx = fixture();
  for (auto _ : state) {
    SpritePtr s(zq_sprite_load(fx.spr_path.c_str()));
    if (!s) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(s.get());
  }
  set_bytes(state);
}

// The same bytes written to a new file and renamed, as the save does.
void BM_PlainWrite(benchmark::State &state) {
  Fixture &fx = fixture();
  std::string tmp = fx.raw_path + ".tmp";
  for (auto _ : state) {
    FILE *f = std::fopen(tmp.c_str(), "wb");
    if (!f || std::fwrite(fx.bytes.data(), 1, fx.bytes.size(), f) != fx.bytes.size()) state.SkipWithError("write");
    if (f) std::fclose(f);
    std::rename(tmp.c_str(), fx.raw_path.c_str());
  }
  set_bytes(state);
}

// The same bytes read back into fresh memory.
void BM_PlainRead(benchmark::State &state) {
  Fixture &fx = fixture();
  for (auto _ : state) {
    std::vector<unsigned char> in(fx.bytes.size());
    FILE *f = std::fopen(fx.spr_path.c_str(), "rb");
    if (!f || std::fread(in.data(), 1, in.size(), f) != in.size()) state.SkipWithError("read");
    if (f) std::fclose(f);
    benchmark::DoNotOptimize(in.data());
  }
  set_bytes(state);
}

BENCHMARK(BM_SaveCharacter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadCharacter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
