// save_child SOURCE TARGET: replaces TARGET with a copy of SOURCE the way Save does,
// announcing each written block on stdout and pausing after it, so that a test can
// kill the process in the middle of the save.
#include "app/AtomicFileCopy.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace {
void AnnounceAndPause(long long written) {
    std::printf("written %lld\n", written);
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    filecopy::SetCopyProgressHook(&AnnounceAndPause);
    std::string error;
    if (!filecopy::ReplaceWithCopy(argv[1], argv[2], &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
