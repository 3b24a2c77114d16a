// Helpers for the sound tests: temporary folders, files and outside programs.
#ifndef CHARED_TESTS_SOUND_TEST_SUPPORT_H
#define CHARED_TESTS_SOUND_TEST_SUPPORT_H

#include <string>

// A folder made for this process and removed with its contents at exit.
const std::string &test_temp_dir();
// A path inside test_temp_dir().
std::string temp_path(const std::string &name);
// Runs a shell command line; true when it exits with status 0.
bool run_command(const std::string &command);
std::string read_file(const std::string &path);
bool write_file(const std::string &path, const std::string &bytes);
// Writes a format-0 MIDI file of one half-second note into test_temp_dir()
// and returns its path.
std::string write_test_midi(const std::string &name);

#endif
