// The random session of one program: soak.exe PROGRAM SEED SECONDS [STEPS].
// Started by bench/soak.sh, which sets up Wine, the program's copy and the
// settings read here.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "tests/e2e/desktop.h"
#include "tests/soak/session.h"

namespace {

std::vector<std::string> List(const std::string& text) {
    std::vector<std::string> items;
    size_t from = 0;
    while (from < text.size()) {
        const size_t end = std::min(text.find(';', from), text.size());
        if (end > from) items.push_back(text.substr(from, end - from));
        from = end + 1;
    }
    return items;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || FindTarget(argv[1]) == nullptr) {
        std::fprintf(stderr, "usage: soak PROGRAM SEED SECONDS [STEPS]  (PROGRAM: VESKARIN, PELTRANE, MORDELIX, ZANDOVIR)\n");
        return 2;
    }
    const Target& target = *FindTarget(argv[1]);
    const uint64_t seed = std::strtoull(argv[2], nullptr, 10);
    const int seconds = std::atoi(argv[3]);
    const int steps = argc > 4 ? std::atoi(argv[4]) : 0;
    SessionSetup setup{Setting("SOAK_WORK"), Setting("SOAK_IMGSCAN"), Setting("SOAK_WINE_MODULES"),
                       List(Setting("SOAK_MODULES")), List(Setting("SOAK_PICTURES"))};
    const DWORD start = GetTickCount();
    std::unique_ptr<Session> session;
    std::string failure;
    try {
        session = target.inspector ? MakeInspectorSession(target, setup, seed) : MakeGallerySession(target, setup, seed);
        session->Run(seconds, steps);
    } catch (const SoakFailure& broken) {
        failure = broken.what();
    }
    const double minutes = (GetTickCount() - start) / 60000.0;
    const int taken = session ? session->Steps() : 0;
    const double stepping = session ? session->StepMinutes() : 0;
    if (session) {
        std::ofstream record(setup.work + "\\steps.txt");
        for (const std::string& line : session->Log().Lines()) record << line << "\n";
    }
    if (!failure.empty()) {
        std::printf("SOAK FAILED: %s, seed %llu, step %d: %s\n", target.program, static_cast<unsigned long long>(seed),
                    taken, failure.c_str());
        std::printf("Replay: bash bench/soak.sh %s --seed %llu --steps %d\nSteps:\n", target.program,
                    static_cast<unsigned long long>(seed), taken);
        if (session)
            for (const std::string& line : session->Log().Lines()) std::printf("  %s\n", line.c_str());
        return 1;
    }
    std::printf("SOAK PASSED: %s, seed %llu: %d steps in %.1f minutes (%.0f steps per minute; %.1f minutes in all)\n%s",
                target.program, static_cast<unsigned long long>(seed), taken, stepping,
                stepping > 0 ? taken / stepping : 0.0, minutes, session->Summary().c_str());
    return 0;
}
