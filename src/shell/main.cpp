#include "menus.h"
#include "spriteedit.h"

int main(int argc, char **argv)
{
    admin_mode = char_parse_admin(argc, argv);
    if (admin_mode)
        use_admin_file_menu();
    if (!char_init()) {
        char_exit();
        return 1;
    }
    char_main();
    char_exit();
    return 0;
}
END_OF_MAIN()
