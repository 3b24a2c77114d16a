// Saving to and loading from real files: a failed save never costs the
// previous file and never leaves a temporary behind.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "support.h"

namespace {

struct SaveFiles : DataTest {
  ScratchDir scratch;
};

// Caps the size of files this process may write, as a full disk would.
struct FileSizeCap {
  explicit FileSizeCap(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, SIG_IGN);
    rlimit cap = saved;
    cap.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &cap);
  }
  ~FileSizeCap() { setrlimit(RLIMIT_FSIZE, &saved); }
  rlimit saved;
};

TEST_F(SaveFiles, AniAndCharacterFilesRoundTrip) {
  AniPtr ani = make_ani(9, 4, 3, 5);
  PALETTE pal, back;
  make_palette(pal);
  std::string a = scratch.path("walk.ani"), s = scratch.path("hero.spr");
  ASSERT_EQ(save_ani(ani.get(), a.c_str(), pal), 1);
  EXPECT_EQ(read_file(a), ani_bytes(ani.get(), pal));
  AniPtr loaded(load_ani(a.c_str(), back));
  EXPECT_TRUE(same_ani(ani.get(), loaded.get()));
  EXPECT_EQ(back[200].g, pal[200].g);

  SpritePtr spr(zq_sprite_create());
  spr->ani[4] = ani.release();
  spr->cw[4] = 9;
  ASSERT_EQ(zq_sprite_save(spr.get(), s.c_str()), 1);
  SpritePtr again(zq_sprite_load(s.c_str()));
  ASSERT_TRUE(again);
  EXPECT_TRUE(same_sprite(spr.get(), again.get()));
  EXPECT_EQ(scratch.entries().size(), 2u) << "no temporary files left";
  struct stat info;
  ASSERT_EQ(stat(s.c_str(), &info), 0);
  EXPECT_NE(info.st_mode & S_IRGRP, 0u) << "the file gets the usual mode, not a private one";
}

TEST_F(SaveFiles, SavingOverAFileKeepsItsPermissions) {
  AniPtr ani = make_ani(3, 3, 1);
  SpritePtr spr(zq_sprite_create());
  std::string a = scratch.path("private.ani"), s = scratch.path("private.spr");
  for (const std::string &path : {a, s}) {
    write_file(path, Bytes{'o', 'l', 'd'});
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);
  }
  ASSERT_EQ(save_ani(ani.get(), a.c_str(), nullptr), 1);
  ASSERT_EQ(zq_sprite_save(spr.get(), s.c_str()), 1);
  for (const std::string &path : {a, s}) {
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u) << path;
  }
}

TEST_F(SaveFiles, MissingFilesAndFoldersAreRefused) {
  LoadStatus st;
  EXPECT_FALSE(load_ani(scratch.path("none.ani").c_str(), nullptr, &st));
  EXPECT_EQ(st.error, LoadError::cannot_open);
  EXPECT_FALSE(zq_sprite_load(scratch.path("none.spr").c_str(), &st));
  EXPECT_EQ(st.error, LoadError::cannot_open);
  EXPECT_FALSE(load_ani(nullptr, nullptr));

  AniPtr ani = make_ani(2, 2, 1);
  SpritePtr spr(zq_sprite_create());
  std::string missing = scratch.path("no/such/folder.spr");
  EXPECT_EQ(save_ani(ani.get(), missing.c_str(), nullptr), 0);
  EXPECT_EQ(zq_sprite_save(spr.get(), missing.c_str()), 0);
  EXPECT_EQ(zq_sprite_save(spr.get(), ""), 0);
  EXPECT_EQ(zq_sprite_save(nullptr, scratch.path("x.spr").c_str()), 0);
  // A folder in the way: the rename fails and the temporary goes away.
  ASSERT_EQ(mkdir(scratch.path("taken.spr").c_str(), 0755), 0);
  EXPECT_EQ(zq_sprite_save(spr.get(), scratch.path("taken.spr").c_str()), 0);
  EXPECT_EQ(scratch.entries(), std::vector<std::string>{"taken.spr"});
}

TEST_F(SaveFiles, AFailedSaveKeepsThePreviousFile) {
  std::string a = scratch.path("old.ani"), s = scratch.path("old.spr");
  const Bytes old_ani{'k', 'e', 'e', 'p'}, old_spr(324, 1);
  write_file(a, old_ani);
  write_file(s, old_spr);
  AniPtr big = make_ani(64, 64, 8);
  SpritePtr spr(zq_sprite_create());
  spr->ani[0] = duplicate_ani(big.get());
  {
    FileSizeCap cap(10000);  // both writes need far more than this
    EXPECT_EQ(save_ani(big.get(), a.c_str(), nullptr), 0);
    EXPECT_EQ(zq_sprite_save(spr.get(), s.c_str()), 0);
  }
  EXPECT_EQ(read_file(a), old_ani);
  EXPECT_EQ(read_file(s), old_spr);
  EXPECT_EQ(scratch.entries().size(), 2u) << "no temporary files left";
}

}  // namespace
