// The platform services that running a program and watching its window need.
#pragma once
#include "app/Clock.h"
#include "app/ProcessServices.h"
#include "app/WindowServices.h"
#include "display/DisplaySettings.h"
#include "framework/MessageBox.h"

struct RunServices {
    IDisplaySettings& display;
    IMessageBox& messages;
    IProcessServices& processes;
    IWindowServices& windows;
    IClock& clock;
};
