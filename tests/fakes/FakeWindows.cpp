#include "fakes/FakeWindows.h"

#include <cwchar>
#include <stdexcept>

namespace {
// Copies as the platform does: at most capacity - 1 characters and a terminating zero.
int CopyTruncated(const std::wstring& source, wchar_t* text, int capacity) {
    if (capacity <= 0) return 0;
    const size_t length = std::min(source.size(), static_cast<size_t>(capacity - 1));
    wmemcpy(text, source.data(), length);
    text[length] = L'\0';
    return static_cast<int>(length);
}

std::string HandleText(HWND handle) { return std::to_string(reinterpret_cast<uintptr_t>(handle)); }
}  // namespace

FakeWindow& FakeWindows::Add(DWORD thread, const std::wstring& title) {
    FakeWindow window;
    window.handle = FakeHandle(0x100 * (windows.size() + 1));
    window.thread = thread;
    window.title = title;
    windows.push_back(window);
    return windows.back();
}

FakeWindow* FakeWindows::Find(HWND handle) {
    for (FakeWindow& window : windows) {
        if (window.handle == handle) return &window;
    }
    return nullptr;
}

FakeWindow& FakeWindows::Get(HWND handle) {
    FakeWindow* window = Find(handle);
    if (window == nullptr) throw std::logic_error("no such scripted window");
    return *window;
}

void FakeWindows::Activate(HWND handle, bool zoomed) {
    Get(handle).zoomed = zoomed;
    foreground = handle;
}

void FakeWindows::Destroy(HWND handle) {
    Get(handle).alive = false;
    if (foreground == handle) foreground = nullptr;
}

void FakeWindows::EnumThreadWindows(DWORD threadId, const std::function<void(HWND)>& visit) {
    ++enumerations;
    // Copy first: the visitor may look windows up while we walk.
    std::vector<HWND> handles;
    for (const FakeWindow& window : windows) {
        if (window.alive && window.thread == threadId) handles.push_back(window.handle);
    }
    for (HWND handle : handles) visit(handle);
}

HWND FakeWindows::GetParent(HWND window) {
    const FakeWindow* found = Find(window);
    return found != nullptr && found->alive ? found->parent : nullptr;
}

bool FakeWindows::IsVisible(HWND window) {
    const FakeWindow* found = Find(window);
    return found != nullptr && found->alive && found->visible;
}

LONG FakeWindows::WindowLong(HWND window, int index) {
    const FakeWindow* found = Find(window);
    if (found == nullptr || !found->alive) return 0;
    if (index == GWL_STYLE) return static_cast<LONG>(found->style);
    if (index == GWL_EXSTYLE) return static_cast<LONG>(found->exStyle);
    throw std::logic_error("unexpected window long index");
}

int FakeWindows::WindowText(HWND window, wchar_t* text, int capacity) {
    textCapacities.push_back(capacity);
    const FakeWindow* found = Find(window);
    return CopyTruncated(found != nullptr && found->alive ? found->title : L"", text, capacity);
}

int FakeWindows::ClassName(HWND window, wchar_t* text, int capacity) {
    classCapacities.push_back(capacity);
    const FakeWindow* found = Find(window);
    return CopyTruncated(found != nullptr && found->alive ? found->className : L"", text, capacity);
}

HWND FakeWindows::ForegroundWindow() { return foreground; }

bool FakeWindows::IsZoomed(HWND window) {
    const FakeWindow* found = Find(window);
    return found != nullptr && found->alive && found->zoomed;
}

bool FakeWindows::ShowWindow(HWND window, int command) {
    shows.emplace_back(window, command);
    if (journal != nullptr) journal->Add("ShowWindow " + HandleText(window) + " " + std::to_string(command));
    FakeWindow* found = Find(window);
    if (found == nullptr || !found->alive) return false;
    const bool wasVisible = found->visible;
    if (command == SW_MAXIMIZE) found->zoomed = true;
    if (command == SW_RESTORE || command == SW_MINIMIZE) found->zoomed = false;
    found->visible = command != SW_HIDE;
    return wasVisible;
}

bool FakeWindows::IsWindow(HWND window) {
    const FakeWindow* found = Find(window);
    return found != nullptr && found->alive;
}

HWND FakeWindows::FindWindowMatching(HWND parent, HWND after, const wchar_t* className, const wchar_t* title) {
    ++findCalls;
    bool past = after == nullptr;
    for (const FakeWindow& window : windows) {
        if (!past) {
            past = window.handle == after;
            continue;
        }
        if (!window.alive || window.parent != parent) continue;
        if (className != nullptr && window.className != className) continue;
        if (title != nullptr && window.title != title) continue;
        return window.handle;
    }
    return nullptr;
}
