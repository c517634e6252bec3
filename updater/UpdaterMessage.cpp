#include "updater/UpdaterMessage.h"

#include "updater/UpdaterRequest.h"

namespace {

const wchar_t kNoSource[] = L"No update source is configured or reachable, so no newer version can be looked for.";

}  // namespace

UpdaterMessage UpdaterMessageFor(const std::wstring& parameters) {
    const std::optional<UpdaterRequest> request = ParseUpdaterRequest(parameters);
    if (!request) {
        return {true,
                L"The updater was started with parameters it cannot read:\n\n" + parameters +
                    L"\n\nIt expects the program path, 0, the program's version number and 1 or 0.",
                MB_OK | MB_ICONERROR};
    }
    if (request->automatic) return {false, L"", 0};
    const std::wstring installed = request->fileVersion == 0
                                       ? std::wstring(L"The installed Pixmode has no version information.")
                                       : L"Pixmode " + DottedFileVersion(request->fileVersion) + L" is installed.";
    return {true, installed + L"\n\n" + kNoSource, MB_OK | MB_ICONINFORMATION};
}
