#include "framework/testing/EventRecorder.h"

namespace fw::testing {

namespace {
EventRecorder* g_current = nullptr;
}

EventRecorder::EventRecorder() : m_previous(g_current) {
    g_current = this;
}

EventRecorder::~EventRecorder() {
    g_current = m_previous;
}

EventRecorder* EventRecorder::Current() {
    return g_current;
}

}  // namespace fw::testing
