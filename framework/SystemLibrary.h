// DLLs from the system folder only. The program is often kept in folders where other files land
// unasked (downloads, USB sticks, shared tool folders); Windows looks in the program's own folder
// and in the current folder for any DLL outside its known-DLL list.
#pragma once
#include <windows.h>

// Limits the process's DLL search to the system folder and takes the current folder out of it, so
// that what the system's own libraries load later comes from there too. First thing at start.
void RestrictDllSearchToSystemFolder();

// A DLL loaded from the system folder by its file name, freed with the object.
class SystemLibrary {
public:
    explicit SystemLibrary(const wchar_t* fileName);
    ~SystemLibrary();
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    bool Loaded() const { return m_module != nullptr; }

    // An exported function; null when the library or the export is missing.
    template <typename Function>
    Function Find(const char* name) const {
        return m_module != nullptr ? FindIn<Function>(m_module, name) : nullptr;
    }

    // The same for a module already loaded.
    template <typename Function>
    static Function FindIn(HMODULE module, const char* name) {
        // void (*)() converts to and from any function pointer without a warning.
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
    }

private:
    HMODULE m_module;
};
