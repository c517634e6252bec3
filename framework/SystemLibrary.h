// DLLs from the system folder only. The program is often kept in folders where other files land
// unasked (downloads, USB sticks, shared tool folders); Windows looks in the program's own folder
// and in the current folder for any DLL outside its known-DLL list.
#pragma once
#include <windows.h>

#include "framework/ScopedHandle.h"

// The system's two ways of limiting the DLL search, behind a seam.
class IDllSearch {
public:
    virtual ~IDllSearch() = default;
    // SetDefaultDllDirectories; false where the system lacks it (a Windows 7 without the update that
    // brought it) or refuses the flags.
    virtual bool SetDefaultDirectories(DWORD flags) = 0;
    virtual void SetDirectory(const wchar_t* folder) = 0;  // SetDllDirectoryW
};

// Limits the process's DLL search to the system folder, or where the system cannot, takes the
// current folder out of it, so that what the system's own libraries load later comes from there
// too. First thing at start.
void RestrictDllSearchToSystemFolder(IDllSearch& search);
void RestrictDllSearchToSystemFolder();

using LibraryCloser = ReleasedBy<HMODULE, &FreeLibrary>;

// A system DLL loaded by its file name as the lookup says, freed with the object.
class SystemLibrary {
public:
    enum class Lookup {
        FullPath,
        // By name, for the common controls: only then is the version the manifest binds the one
        // loaded. Where nothing binds the name, the system folder alone is searched.
        ManifestFirst,
    };

    explicit SystemLibrary(const wchar_t* fileName, Lookup lookup = Lookup::FullPath);

    bool Loaded() const { return m_module.Get() != nullptr; }

    // An exported function; null when the library or the export is missing.
    template <typename Function>
    Function Find(const char* name) const {
        return Loaded() ? FindIn<Function>(m_module.Get(), name) : nullptr;
    }

    // The same for a module already loaded.
    template <typename Function>
    static Function FindIn(HMODULE module, const char* name) {
        // void (*)() converts to and from any function pointer without a warning.
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
    }

private:
    ScopedHandle<LibraryCloser> m_module;
};
