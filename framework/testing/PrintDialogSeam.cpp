#include "framework/testing/PrintDialogSeam.h"

namespace fw::testing {

namespace {

struct SeamState {
    std::optional<PrintDialogSeam::Answer> answer;
    int timesAsked = 0;
};

SeamState& State() {
    static SeamState state;
    return state;
}

}  // namespace

void PrintDialogSeam::Cancel() {
    State().answer = Answer{true, String()};
}

void PrintDialogSeam::PrintToPdf(const String& path) {
    State().answer = Answer{false, path};
}

void PrintDialogSeam::Reset() {
    State() = SeamState{};
}

int PrintDialogSeam::TimesAsked() {
    return State().timesAsked;
}

std::optional<PrintDialogSeam::Answer> PrintDialogSeam::Ask() {
    ++State().timesAsked;
    return State().answer;
}

}  // namespace fw::testing
