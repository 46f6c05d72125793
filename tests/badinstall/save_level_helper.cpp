// A program that only saves the level, or only repairs what a save cut short
// left, the way the window does on closing and at start, so that a test can
// kill it at any one system call from outside (strace's fault injection).
// The save is bracketed by two look-ups of files that never exist, which mark
// in a trace where the save's own system calls begin and end.
//   save_level_helper save <et.ini> <level> <recovery folder>
//   save_level_helper recover <et.ini> <recovery folder>
// Exit code 0, or 2 with "Unable to write to ..." on standard error.
#include "app/app_error.h"
#include "app/settings.h"
#include "app/settings_save.h"

#include <QString>
#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc == 5 && std::strcmp(argv[1], "save") == 0) {
        const QString ini = QString::fromLocal8Bit(argv[2]);
        const int level = std::atoi(argv[3]);
        const QString recovery = QString::fromLocal8Bit(argv[4]);
        int code = 0;
        ::access("/ejteto-save-begins", F_OK);
        try {
            ejteto::writeLevel(ini, level, recovery);
        } catch (const ejteto::AppError& e) {
            std::fprintf(stderr, "%s\n", e.what());
            code = 2;
        }
        ::access("/ejteto-save-ends", F_OK);
        return code;
    }
    if (argc == 4 && std::strcmp(argv[1], "recover") == 0) {
        ejteto::recoverSettingsFile(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
        return 0;
    }
    std::fprintf(stderr, "usage: save_level_helper save INI LEVEL RECOVERY | recover INI RECOVERY\n");
    return 1;
}
