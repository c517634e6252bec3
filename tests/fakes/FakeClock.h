// Scripted time: Sleep advances the clock at once and runs the events scripted for the time
// passed, so waits and polls are tested without real sleeping.
#pragma once
#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

#include "app/Clock.h"

class FakeClock : public IClock {
public:
    ULONGLONG now = 0;
    std::vector<DWORD> sleeps;
    // A run that is still sleeping past this time is taken to loop for ever: the test fails.
    ULONGLONG limit = 24ull * 60 * 60 * 1000;

    // Runs event once the clock reaches time.
    void At(ULONGLONG time, std::function<void()> event) { m_events.emplace(time, std::move(event)); }

    // Moves the clock forward to time, running every event due on the way in time order.
    void AdvanceTo(ULONGLONG time) {
        if (time > limit) throw std::runtime_error("scripted clock ran past its limit");
        while (!m_events.empty() && m_events.begin()->first <= time) {
            auto due = m_events.begin();
            now = std::max(now, due->first);
            std::function<void()> event = std::move(due->second);
            m_events.erase(due);
            event();
        }
        now = std::max(now, time);
    }

    ULONGLONG Now() override { return now; }
    void Sleep(DWORD milliseconds) override {
        sleeps.push_back(milliseconds);
        AdvanceTo(now + milliseconds);
    }

private:
    std::multimap<ULONGLONG, std::function<void()>> m_events;
};
