// The millisecond clock and sleeping, behind a seam so tests run on scripted time.
#pragma once
#include <windows.h>

class IClock {
public:
    virtual ~IClock() = default;
    // GetTickCount64: milliseconds since the system started, never wrapping.
    virtual ULONGLONG Now() = 0;
    virtual void Sleep(DWORD milliseconds) = 0;
};

class Win32Clock : public IClock {
public:
    ULONGLONG Now() override;
    void Sleep(DWORD milliseconds) override;
};
