// Scripted screen capabilities, counting the reads.
#pragma once
#include "dialog/ScreenCaps.h"

class FakeScreenCaps : public IScreenCaps {
public:
    ScreenMode mode{640, 480, 8, 0};
    int reads = 0;

    ScreenMode Read() override {
        ++reads;
        return mode;
    }
};
