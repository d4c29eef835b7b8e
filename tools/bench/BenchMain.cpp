// The benchmark program: runs each section and prints its numbers. Speed
// goals are measured here, not in the tests. Run it from the output folder:
//   MorvexBench.exe            every section
//   MorvexBench.exe hid        the sections whose name starts with "hid"
#include "tools/bench/DfuFlowBench.h"
#include "tools/bench/DownloadBench.h"
#include "tools/bench/GridBench.h"
#include "tools/bench/HidPackageBench.h"
#include "tools/bench/Md5Bench.h"
#include "tools/bench/PackageCheckBench.h"
#include "tools/bench/SettingsRowsBench.h"
#include "tools/bench/StartupBench.h"
#include <cstdio>
#include <cstring>

namespace {

struct Section {
    const char* name;
    void (*run)();
};

void HidPackage() {
    // 1 MB of part data: about a thousand full reports.
    PrintHidPackageBench(stdout, RunHidPackageBench(1 << 20));
}

void DfuFlow() {
    // 3 waits, 80 download steps and the manifest, 250 ms apart: some 21 s
    // of the headset's own time, as a small image takes.
    PrintDfuFlowBench(stdout, RunDfuFlowBench(250, 80));
}

void Grid() { PrintGridBench(stdout, RunGridBench(100, 15)); }

void GridRows() { PrintSettingsRowsBench(stdout, RunSettingsRowsBench(200)); }

// 50 MB, as a large firmware image or installer.
void Download() { PrintDownloadBench(stdout, RunDownloadBench(50LL << 20, 7)); }

void Md5() { PrintMd5Bench(stdout, RunMd5Bench(256LL << 20, 64 * 1024, 3)); }

// 1, 4 and 16 MB packages whose entries all name one block: a check that
// hashed each entry's part whole grew with the square of the size.
void PackageCheck() { PrintPackageCheckBench(stdout, RunPackageCheckBench({1LL << 20, 4LL << 20, 16LL << 20}, 3)); }

void Startup() { PrintStartupBench(stdout, RunStartupBench(7)); }

const Section kSections[] = {
    {"hid-package", HidPackage},
    {"dfu-flow", DfuFlow},
    {"grid-rows", GridRows},
    {"download", Download},
    {"md5", Md5},
    {"package-check", PackageCheck},
    {"startup", Startup},
    {"grid", Grid},
};

}  // namespace

int main(int argc, char** argv) {
    const char* only = argc > 1 ? argv[1] : "";
    int ran = 0;
    for (const Section& s : kSections) {
        if (std::strncmp(s.name, only, std::strlen(only)) != 0) continue;
        s.run();
        std::fflush(stdout);
        ++ran;
    }
    if (ran == 0) std::fprintf(stderr, "no section named %s\n", only);
    return ran ? 0 : 1;
}
