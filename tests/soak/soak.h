#pragma once
#include <cstdint>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

// What every random session shares: its random numbers, its record of steps
// and the way it fails.

// A broken invariant or a program that stopped answering: ends the session.
struct SoakFailure : std::runtime_error {
    explicit SoakFailure(const std::string& what) : std::runtime_error(what) {}
};

// The seeded random choices of one session: the same seed, the same session.
class Chance {
public:
    explicit Chance(uint64_t seed) : engine_(seed) {}
    int Below(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool OneIn(int n) { return Below(n) == 0; }
    template <typename T>
    const T& Pick(const std::vector<T>& items) { return items[static_cast<size_t>(Below(static_cast<int>(items.size())))]; }

private:
    std::mt19937_64 engine_;
};

// The steps taken so far, one line each, for the failure report.
class StepLog {
public:
    void Begin(int step, const std::string& action);
    // What happened during the step: a dialog and its answer, a message.
    void Note(const std::string& text);
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

// One thing a user can do: chosen by weight among those possible now.
// Opening a file by drop is one more entry of this kind, beside the one
// through the Open dialog; both end in the same expectations.
struct Action {
    const char* name;
    int weight;
    std::function<bool()> possible;
    std::function<void()> run;
};

// Picks an action by weight among the possible ones.
const Action& ChooseAction(const std::vector<Action>& actions, Chance& chance);

// Fails with `what` unless `holds`.
inline void Require(bool holds, const std::string& what) {
    if (!holds) throw SoakFailure(what);
}
