// Holds a file open without sharing, as a spreadsheet holds what it shows, until its standard input
// ends; prints "held" once it holds it.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    HANDLE subor = CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (subor == INVALID_HANDLE_VALUE)
        return 1;
    std::puts("held");
    std::fflush(stdout);
    char znak;
    while (std::fread(&znak, 1, 1, stdin) == 1) {
    }
    CloseHandle(subor);
    return 0;
}
