// Asking the platform to restart the system, behind a seam so tests see the request.
#pragma once

class ISystemRestart {
public:
    virtual ~ISystemRestart() = default;
    // Requests a reboot; whether the platform grants it is not reported.
    virtual void RequestRestart() = 0;
};

// Enables the shutdown privilege of the process (the platform grants a restart only with it),
// then calls ExitWindowsEx with EWX_REBOOT.
class Win32SystemRestart : public ISystemRestart {
public:
    void RequestRestart() override;
};
