// buffer_file: a whole file in one block.
#include "sonex.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

using Block = std::unique_ptr<void, decltype(&std::free)>;

Block buffer(const std::string &path) { return Block(buffer_file(path.c_str()), std::free); }

TEST(BufferFile, HoldsTheWholeFile)
{
  const std::string path = "/usr/share/open-invaders/endsong.mod";
  const std::string contents = read_file(path);
  if (contents.empty())
    GTEST_SKIP() << "open-invaders-data is not installed";
  Block block = buffer(path);
  ASSERT_NE(nullptr, block);
  EXPECT_EQ(contents, std::string(static_cast<const char *>(block.get()), contents.size()));
}

TEST(BufferFile, EmptyFileIsABlockMissingOrUnreadableIsNull)
{
  const std::string empty = temp_path("empty.bin");
  ASSERT_TRUE(write_file(empty, ""));
  EXPECT_NE(nullptr, buffer(empty));
  EXPECT_EQ(nullptr, buffer(temp_path("missing.bin")));
  EXPECT_EQ(nullptr, buffer(test_temp_dir()));
  EXPECT_EQ(nullptr, buffer_file(nullptr));
}

}  // namespace
