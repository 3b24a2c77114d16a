// The help text: read whole, byte for byte (CR LF stays as it is; the help
// box's text widget handles both line ends).
#include <cstdlib>

#include "spriteedit.h"

char *load_text(const char *path)
{
    int64_t size = file_size_ex(path);
    // A help file is a few kilobytes; anything negative or absurd is read as
    // empty rather than trusted for an allocation.
    constexpr int64_t max_help_size = 16 * 1024 * 1024;
    if (size < 0 || size > max_help_size)
        size = 0;
    auto *text = static_cast<char *>(std::malloc(static_cast<size_t>(size) + 1));
    if (!text)
        return nullptr;
    long got = 0;
    if (size > 0) {
        if (PACKFILE *f = pack_fopen(path, "r")) {
            got = pack_fread(text, static_cast<long>(size), f);
            pack_fclose(f);
        }
    }
    text[got > 0 ? got : 0] = '\0';
    return text;
}

void free_text(char *text)
{
    std::free(text);
}
