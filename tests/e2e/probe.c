/* Prints, from inside wine, the Win32 facts of the program's main window that X cannot show;
   with the argument "close", asks the window to close as the taskbar's Close does. */
#include <stdio.h>
#include <string.h>
#include <windows.h>

int main(int argc, char** argv) {
    HWND window = FindWindowA("WindowClass", " Objekty");
    RECT r;
    if (window == NULL || !GetWindowRect(window, &r)) {
        printf("found 0\n");
        return 1;
    }
    printf("found 1\n");
    printf("rect %ld %ld %ld %ld\n", (long)r.left, (long)r.top, (long)r.right, (long)r.bottom);
    printf("style 0x%08lx\n", (unsigned long)GetWindowLongPtrA(window, GWL_STYLE));
    printf("exstyle 0x%08lx\n", (unsigned long)GetWindowLongPtrA(window, GWL_EXSTYLE));
    if (argc > 1 && strcmp(argv[1], "close") == 0)
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
}
