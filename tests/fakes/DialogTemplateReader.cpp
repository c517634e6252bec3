#include "fakes/DialogTemplateReader.h"

#include <cstring>

namespace {

class Cursor {
public:
    Cursor(const BYTE* data, size_t size) : m_pData(data), m_nSize(size) {}

    template <typename T>
    T Read() {
        T value{};
        if (m_nAt + sizeof(T) <= m_nSize) std::memcpy(&value, m_pData + m_nAt, sizeof(T));
        m_nAt += sizeof(T);
        return value;
    }
    std::wstring ReadString() {
        std::wstring text;
        for (wchar_t c = Read<wchar_t>(); c != L'\0' && m_nAt <= m_nSize; c = Read<wchar_t>()) text += c;
        return text;
    }
    // A name or an ordinal; ordinals of the predefined classes come back as their names.
    std::wstring ReadNameOrOrdinal() {
        const WORD first = Read<WORD>();
        if (first == 0) return std::wstring();
        if (first == 0xFFFF) {
            const WORD ordinal = Read<WORD>();
            static const wchar_t* const classes[] = {L"Button",  L"Edit",      L"Static",
                                                     L"ListBox", L"ScrollBar", L"ComboBox"};
            if (ordinal >= 0x80 && ordinal <= 0x85) return classes[ordinal - 0x80];
            return L"#" + std::to_wstring(ordinal);
        }
        m_nAt -= sizeof(WORD);
        return ReadString();
    }
    void AlignToDword() { m_nAt = (m_nAt + 3) & ~size_t{3}; }
    void Skip(size_t bytes) { m_nAt += bytes; }
    bool Ok() const { return m_nAt <= m_nSize; }

private:
    const BYTE* m_pData;
    size_t m_nSize;
    size_t m_nAt = 0;
};

}  // namespace

std::optional<DialogTemplate> ReadDialogTemplate(WORD id, LANGID language) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceExW(module, RT_DIALOG, MAKEINTRESOURCEW(id), language);
    if (resource == nullptr) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, resource);
    const BYTE* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (data == nullptr) return std::nullopt;
    Cursor cursor(data, SizeofResource(module, resource));

    if (cursor.Read<WORD>() != 1 || cursor.Read<WORD>() != 0xFFFF) return std::nullopt;
    DialogTemplate dialog;
    cursor.Read<DWORD>();  // help id
    cursor.Read<DWORD>();  // extended style
    dialog.style = cursor.Read<DWORD>();
    const WORD count = cursor.Read<WORD>();
    cursor.Skip(4 * sizeof(short));  // place and size
    cursor.ReadNameOrOrdinal();      // menu
    cursor.ReadNameOrOrdinal();      // class
    dialog.caption = cursor.ReadString();
    if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog.pointSize = cursor.Read<WORD>();
        cursor.Read<WORD>();  // weight
        cursor.Read<BYTE>();  // italic
        cursor.Read<BYTE>();  // character set
        dialog.typeface = cursor.ReadString();
    }
    for (WORD i = 0; i < count; ++i) {
        cursor.AlignToDword();
        DialogItem item;
        cursor.Read<DWORD>();  // help id
        cursor.Read<DWORD>();  // extended style
        item.style = cursor.Read<DWORD>();
        cursor.Skip(4 * sizeof(short));  // place and size
        item.id = static_cast<int>(cursor.Read<DWORD>());
        item.className = cursor.ReadNameOrOrdinal();
        item.text = cursor.ReadNameOrOrdinal();
        cursor.Skip(cursor.Read<WORD>());  // creation data
        dialog.items.push_back(item);
    }
    if (!cursor.Ok()) return std::nullopt;
    return dialog;
}
