#include "tests/soak/soak.h"

void StepLog::Begin(int step, const std::string& action) { lines_.push_back("#" + std::to_string(step) + " " + action); }

void StepLog::Note(const std::string& text) {
    if (lines_.empty()) lines_.emplace_back();
    lines_.back() += " " + text;
}

const Action& ChooseAction(const std::vector<Action>& actions, Chance& chance) {
    std::vector<const Action*> possible;
    int total = 0;
    for (const Action& action : actions)
        if (action.possible()) {
            possible.push_back(&action);
            total += action.weight;
        }
    Require(!possible.empty(), "no action is possible");
    int pick = chance.Below(total);
    for (const Action* action : possible) {
        if (pick < action->weight) return *action;
        pick -= action->weight;
    }
    return *possible.back();
}
