// chared-tool run as a script would run it.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "support.h"

namespace {

struct ToolRun {
  int status;
  std::string out, err;
};

struct Tool : DataTest {
  ScratchDir scratch;

  ToolRun run(const std::string &args) {
    std::string out = scratch.path("stdout.txt"), err = scratch.path("stderr.txt");
    std::string cmd = std::string(CHARED_TOOL) + " " + args + " >" + out + " 2>" + err;
    int raw = std::system(cmd.c_str());
    Bytes o = read_file(out), e = read_file(err);
    std::remove(out.c_str());
    std::remove(err.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, std::string(o.begin(), o.end()),
            std::string(e.begin(), e.end())};
  }
};

TEST_F(Tool, NewMakesTheCharacterOfFileNew) {
  std::string path = scratch.path("hero.spr");
  ASSERT_EQ(run("new 24 32 " + path).status, 0);
  EXPECT_EQ(read_file(path).size(), 4u + 16 * (4 + 21 + 24 * 32 + 16));
  SpritePtr s(zq_sprite_load(path.c_str()));
  ASSERT_TRUE(s);
  for (int i = 0; i < ZQ_SPRITE_SLOTS; i++) {
    ASSERT_TRUE(s->ani[i]);
    EXPECT_EQ(s->ani[i]->f, 1);
    EXPECT_EQ(s->ani[i]->d, 1);
    EXPECT_EQ(s->ani[i]->frames[0]->line[31][23], 0);
    EXPECT_EQ(s->cx[i] + s->cy[i], 0);
    EXPECT_EQ(s->cw[i], 24);
    EXPECT_EQ(s->ch[i], 32);
  }
}

TEST_F(Tool, CopyRoundTripsByteForByte) {
  AniPtr ani = make_ani(7, 5, 3, 42, 6);
  PALETTE pal;
  make_palette(pal);
  SpritePtr spr(zq_sprite_create());
  spr->ani[2] = duplicate_ani(ani.get());
  spr->cy[15] = -4;
  std::string a = scratch.path("a.ani"), p = scratch.path("p.ani"), s = scratch.path("s.spr");
  ASSERT_TRUE(save_ani(ani.get(), a.c_str(), nullptr));
  ASSERT_TRUE(save_ani(ani.get(), p.c_str(), pal));
  ASSERT_TRUE(zq_sprite_save(spr.get(), s.c_str()));
  for (const std::string &in : {a, p, s}) {
    std::string out = in + ".copy";
    ASSERT_EQ(run("copy " + in + " " + out).status, 0) << in;
    EXPECT_EQ(read_file(out), read_file(in)) << in;
  }
}

TEST_F(Tool, InfoSummarisesAsJson) {
  AniPtr ani(create_ani(9, 1));
  BitmapPtr row(create_bitmap_ex(8, 9, 1));
  for (int x = 0; x < 9; x++) row->line[0][x] = '1' + x;  // CRC-32 of "123456789" is cbf43926
  animation_add_frame(ani.get(), row.get());
  ani->d = 4;
  PALETTE pal;
  make_palette(pal);
  std::string a = scratch.path("nine.ani"), s = scratch.path("c.spr");
  ASSERT_TRUE(save_ani(ani.get(), a.c_str(), pal));
  ToolRun r = run("info " + a);
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("\"kind\": \"ani\", \"w\": 9, \"h\": 1, \"f\": 1, \"d\": 4, \"palette\": true, "
                       "\"crc32\": [\"cbf43926\"]}"),
            std::string::npos)
      << r.out;

  SpritePtr spr(zq_sprite_create());
  spr->ani[1] = ani.release();
  spr->cx[1] = 3;
  spr->cw[1] = 5;
  ASSERT_TRUE(zq_sprite_save(spr.get(), s.c_str()));
  r = run("info " + s);
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("\"kind\": \"spr\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("{\"slot\": 0, \"present\": false, \"box\": {\"x\": 0, \"y\": 0, \"w\": 0, \"h\": 0}}"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("{\"slot\": 1, \"present\": true, \"w\": 9, \"h\": 1, \"f\": 1, \"d\": 4, \"palette\": "
                       "false, \"crc32\": [\"cbf43926\"], \"box\": {\"x\": 3, \"y\": 0, \"w\": 5, \"h\": 0}}"),
            std::string::npos)
      << r.out;
}

TEST_F(Tool, ErrorsNameTheFileAndTheReason) {
  std::string good = scratch.path("good.spr");
  ASSERT_EQ(run("new 4 4 " + good).status, 0);
  Bytes b = read_file(good);
  std::string cut = scratch.path("cut.spr"), text = scratch.path("notes.txt"), ani = scratch.path("v.ani");
  write_file(cut, Bytes(b.begin(), b.begin() + 100));
  write_file(text, Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'});
  write_file(ani, Bytes{'A', 'N', 'I', 20, 0, 0, 0, 0});
  struct Case {
    std::string args, message;
  } cases[] = {
      {"info " + scratch.path("missing.spr"), scratch.path("missing.spr") + ": cannot open"},
      {"info " + cut, cut + ": truncated (slot 1)"},
      {"info " + text, text + ": bad header value"},
      {"copy " + ani + " " + scratch.path("out.ani"), ani + ": not an ani or spr file"},
      {"copy " + good + " " + scratch.path("no/dir.spr"), scratch.path("no/dir.spr") + ": cannot write"},
  };
  for (const Case &c : cases) {
    ToolRun r = run(c.args);
    EXPECT_EQ(r.status, 1) << c.args;
    EXPECT_EQ(r.err, "chared-tool: " + c.message + "\n") << c.args;
  }
  for (const char *args : {"", "info", "frobnicate x", "new 0 4 x.spr", "new 16 4097 x.spr", "new 1x 4 x.spr"})
    EXPECT_EQ(run(args).status, 2) << args;
  EXPECT_FALSE(std::ifstream(scratch.path("out.ani")).good());
}

}  // namespace
