#include "test_support.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace {

struct TempDir {
  std::string path;
  TempDir()
  {
    std::string pattern = "/tmp/sonex-test-XXXXXX";
    if (mkdtemp(pattern.data()))
      path = pattern;
  }
  ~TempDir()
  {
    if (!path.empty())
      run_command("rm -rf '" + path + "'");
  }
};

}  // namespace

const std::string &test_temp_dir()
{
  static TempDir dir;
  return dir.path;
}

std::string temp_path(const std::string &name) { return test_temp_dir() + "/" + name; }

bool run_command(const std::string &command) { return std::system(command.c_str()) == 0; }

std::string read_file(const std::string &path)
{
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool write_file(const std::string &path, const std::string &bytes)
{
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out);
}

std::string write_test_midi(const std::string &name)
{
  static const unsigned char bytes[] = {
      'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,  // header: 96 ticks a beat
      'M', 'T', 'r', 'k', 0, 0, 0, 12,                     // one track of 12 bytes
      0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0,              // note on, 96 ticks, note off
      0x00, 0xFF, 0x2F, 0x00};                             // end of track
  const std::string path = temp_path(name);
  write_file(path, std::string(reinterpret_cast<const char *>(bytes), sizeof bytes));
  return path;
}
