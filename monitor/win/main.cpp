#include <windows.h>

#include "monitor/win/program_start.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return velmorant::RunProgram();
}
