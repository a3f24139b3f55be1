// The program with a text heap that refuses every allocation of at least as
// many bytes as the first argument, so that the fatal error report is shown for
// real. Built for the tests only.

#include "app/program_main.h"
#include "app/shell.h"
#include "ui/text.h"

#include <cstdlib>
#include <string>

namespace {

std::size_t refuseFrom = 0;

void* AllocateBelowLimit(std::size_t size) {
    return size >= refuseFrom ? nullptr : std::malloc(size);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    refuseFrom = std::stoul(argv[1]);
    vh::UseTextHeap({&AllocateBelowLimit, &std::free});
    const int exitCode = vh::ProgramMain();
    vh::EndShell();
    return exitCode;
}
