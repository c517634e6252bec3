#include "ListView.h"

#include <commctrl.h>

#include "RemoteMemory.h"
#include "WindowQueries.h"

namespace {

// Remote layout: the item record first, then the text buffer it points to.
constexpr std::size_t kTextChars = 1024;
constexpr std::size_t kTextOffset = (sizeof(LVITEMW) + 15) / 16 * 16;
constexpr std::size_t kBufferSize = kTextOffset + kTextChars * sizeof(wchar_t);

bool ReadRemoteText(const CRemoteBuffer& buffer, std::wstring* text) {
    std::wstring value(kTextChars, L'\0');
    if (!buffer.Read(kTextOffset, value.data(), kTextChars * sizeof(wchar_t))) return false;
    value.resize(wcsnlen(value.c_str(), kTextChars));
    *text = value;
    return true;
}

bool ReadHeaders(HWND list, const CRemoteBuffer& buffer, std::vector<std::wstring>* headers) {
    LRESULT header = 0;
    if (!SendWithTimeout(list, LVM_GETHEADER, 0, 0, &header) || header == 0) return true;
    LRESULT count = 0;
    if (!SendWithTimeout(reinterpret_cast<HWND>(header), HDM_GETITEMCOUNT, 0, 0, &count)) {
        return false;
    }
    for (int column = 0; column < count; ++column) {
        LVCOLUMNW request{};
        request.mask = LVCF_TEXT;
        request.pszText = reinterpret_cast<LPWSTR>(static_cast<char*>(buffer.Address()) + kTextOffset);
        request.cchTextMax = static_cast<int>(kTextChars);
        const wchar_t empty = L'\0';
        LRESULT ok = 0;
        std::wstring text;
        if (!buffer.Write(0, &request, sizeof(request)) || !buffer.Write(kTextOffset, &empty, sizeof(empty)) ||
            !SendWithTimeout(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(buffer.Address()), &ok) ||
            !ReadRemoteText(buffer, &text)) {
            return false;
        }
        headers->push_back(text);
    }
    return true;
}

bool ReadCell(HWND list, const CRemoteBuffer& buffer, int row, int column, ListViewRow* result) {
    LVITEMW request{};
    request.mask = LVIF_TEXT | (column == 0 ? LVIF_STATE | LVIF_PARAM : 0);
    request.iItem = row;
    request.iSubItem = column;
    request.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    request.pszText = reinterpret_cast<LPWSTR>(static_cast<char*>(buffer.Address()) + kTextOffset);
    request.cchTextMax = static_cast<int>(kTextChars);
    const wchar_t empty = L'\0';
    LRESULT ok = 0;
    if (!buffer.Write(0, &request, sizeof(request)) || !buffer.Write(kTextOffset, &empty, sizeof(empty)) ||
        !SendWithTimeout(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(buffer.Address()), &ok)) {
        return false;
    }
    LVITEMW answer{};
    std::wstring text;
    if (!buffer.Read(0, &answer, sizeof(answer)) || !ReadRemoteText(buffer, &text)) return false;
    result->cells.push_back(text);
    if (column == 0) {
        result->selected = (answer.state & LVIS_SELECTED) != 0;
        result->focused = (answer.state & LVIS_FOCUSED) != 0;
        result->param = answer.lParam;
    }
    return true;
}

}  // namespace

bool ReadListView(HWND list, std::vector<ListViewRow>* rows, std::vector<std::wstring>* headers) {
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    CProcessHandle process(processId);
    if (process.Get() == nullptr) return false;
    CRemoteBuffer buffer(process.Get(), kBufferSize);
    if (!buffer.Valid() || !ReadHeaders(list, buffer, headers)) return false;
    const int columns = headers->empty() ? 1 : static_cast<int>(headers->size());
    LRESULT count = 0;
    if (!SendWithTimeout(list, LVM_GETITEMCOUNT, 0, 0, &count)) return false;
    for (int row = 0; row < count; ++row) {
        ListViewRow result{};
        for (int column = 0; column < columns; ++column) {
            if (!ReadCell(list, buffer, row, column, &result)) return false;
        }
        rows->push_back(result);
    }
    return true;
}

bool SelectListViewRow(HWND list, int row) {
    LRESULT count = 0;
    if (!SendWithTimeout(list, LVM_GETITEMCOUNT, 0, 0, &count) || row < -1 || row >= count) return false;
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    CProcessHandle process(processId);
    if (process.Get() == nullptr) return false;
    CRemoteBuffer buffer(process.Get(), sizeof(LVITEMW));
    if (!buffer.Valid()) return false;
    LVITEMW request{};
    // Item -1 addresses every row: clearing the selected state there leaves none selected.
    request.stateMask = row < 0 ? LVIS_SELECTED : LVIS_SELECTED | LVIS_FOCUSED;
    request.state = row < 0 ? 0 : LVIS_SELECTED | LVIS_FOCUSED;
    LRESULT ok = 0;
    return buffer.Write(0, &request, sizeof(request)) &&
           SendWithTimeout(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buffer.Address()),
                           &ok) &&
           ok != FALSE;
}
