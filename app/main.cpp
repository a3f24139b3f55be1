#include "program_main.h"
#include "shell.h"

// The command line is ignored entirely.
int main() {
    const int exitCode = vh::ProgramMain();
    vh::EndShell();
    return exitCode;
}
