// Counts restart requests instead of making them.
#pragma once
#include <functional>

#include "dialog/SystemRestart.h"

class FakeSystemRestart : public ISystemRestart {
public:
    int requests = 0;
    // Runs at each request, so a test can see what had happened by then.
    std::function<void()> onRequest;

    void RequestRestart() override {
        ++requests;
        if (onRequest) onRequest();
    }
};
