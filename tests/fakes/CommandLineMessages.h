// The command-line run's own message texts, written out as the user reads them.
#pragma once
#include <string>

const std::wstring kBadMonitor =
    L"Failed to EnumDisplayDevices - you may have specified an invalid monitor number.\n\n"
    L"The operation will continue with the default monitor";
const std::wstring kNoSettings =
    L"Failed to get current or registry settings.\n\n"
    L"Please report this to us and let us know your current graphics configuration";
const std::wstring kNoCurrent = L"Can't get current settings.\n\nThis shouldn't happen - bad driver perhaps?";
const std::wstring kNeedMonitor = L"The /P & /S options require a valid monitor number with option /M";
