#include <allegro.h>

#include <cstdio>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "spriteedit.h"

namespace {

class AllegroEnv : public ::testing::Environment {
public:
    void SetUp() override { install_allegro(SYSTEM_NONE, &errno, atexit); }
};
const auto *env = ::testing::AddGlobalTestEnvironment(new AllegroEnv);

std::string write_temp(const std::string &bytes)
{
    char name[] = "/tmp/chared-help-XXXXXX";
    const int fd = mkstemp(name);
    FILE *f = fdopen(fd, "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return name;
}

TEST(LoadText, KeepsEveryByteAndEndsWithNul)
{
    const std::string bytes = "Keys\r\nF1  help\r\n\tTAB\nlast";
    const std::string path = write_temp(bytes);
    char *text = load_text(path.c_str());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::string(text), bytes);
    free_text(text);
    std::remove(path.c_str());
}

TEST(LoadText, MissingOrEmptyFileGivesEmptyText)
{
    for (const char *path : {"/nonexistent/chared.txt", ""}) {
        char *text = load_text(path);
        ASSERT_NE(text, nullptr);
        EXPECT_STREQ(text, "");
        free_text(text);
    }
    const std::string empty = write_temp("");
    char *text = load_text(empty.c_str());
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, "");
    free_text(text);
    std::remove(empty.c_str());
}

TEST(LoadText, FreeAcceptsNull)
{
    free_text(nullptr);
}

TEST(AdminSwitch, AnyCaseAnywhere)
{
    struct Case {
        std::vector<std::string> args;
        int admin;
    };
    const Case cases[] = {
        {{"chared"}, 0},
        {{"chared", "-admin"}, 1},
        {{"chared", "-ADMIN"}, 1},
        {{"chared", "foo", "bar", "-AdMiN"}, 1},
        {{"chared", "admin"}, 0},
        {{"chared", "-admin2"}, 0},
        {{"chared", "--admin"}, 0},
        // The program name itself is not an argument.
        {{"-admin"}, 0},
    };
    for (const auto &c : cases) {
        std::vector<char *> argv;
        for (const auto &a : c.args)
            argv.push_back(const_cast<char *>(a.c_str()));
        EXPECT_EQ(char_parse_admin(static_cast<int>(argv.size()), argv.data()), c.admin)
            << c.args.back();
    }
}

} // namespace
