// Holds a file open without sharing, as a spreadsheet holds what it shows, until its standard input
// ends; prints "held" once it holds it.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    HANDLE subor = CreateFileA(argc == 2 ? argv[1] : "", GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (subor == INVALID_HANDLE_VALUE)
        return 1;
    std::puts("held");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
