// Checks of a dialog template as the user meets it: the controls the code drives are there as
// the kind of control it drives them as, the labels read as written, each mnemonic letter leads
// to one control only, and Tab visits the controls in order.
#pragma once
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "fakes/DialogTemplateReader.h"

enum class Kind {
    PushButton,
    DefaultButton,
    CheckBox,
    RadioButton,
    GroupBox,
    Label,
    RightLabel,
    BlackFrame,
    EtchedLine,
    ReportList,
    UnsortedDropDownList,
};

struct ExpectedControl {
    int id;  // -1: a label without an id, found by its kind and text
    Kind kind;
    const wchar_t* text;  // null: the code fills it in
    DWORD styles;         // further styles the user relies on
};

// The program's British English template id, read from the test program's own resources.
inline DialogTemplate BritishTemplate(int id) {
    const auto dialog = ReadDialogTemplate(id, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK));
    if (!dialog) ADD_FAILURE() << "no template " << id;
    return dialog.value_or(DialogTemplate{});
}

// A modal frame with a caption and system menu in the dialog font, and none of the forbidden styles.
inline void ExpectModalFrame(const DialogTemplate& dialog, const std::wstring& caption, DWORD forbidden) {
    EXPECT_EQ(dialog.caption, caption);
    EXPECT_EQ(dialog.typeface, L"MS Shell Dlg");
    EXPECT_EQ(dialog.pointSize, 8);
    const DWORD required = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    EXPECT_EQ(dialog.style & required, required);
    EXPECT_EQ(dialog.style & forbidden, 0u);
}

// Without an id the template holds 0xFFFF or 0xFFFFFFFF: both are -1 as a short.
inline int IdOf(const DialogItem& item) { return static_cast<short>(item.id); }

inline bool HasKind(const DialogItem& item, Kind kind) {
    // Class names are compared as the platform compares them, without regard to case.
    const auto is = [&item](const wchar_t* name) { return _wcsicmp(item.className.c_str(), name) == 0; };
    const DWORD button = item.style & BS_TYPEMASK;
    const DWORD label = item.style & SS_TYPEMASK;
    switch (kind) {
    case Kind::PushButton: return is(L"Button") && button == BS_PUSHBUTTON;
    case Kind::DefaultButton: return is(L"Button") && button == BS_DEFPUSHBUTTON;
    case Kind::CheckBox: return is(L"Button") && button == BS_AUTOCHECKBOX;
    case Kind::RadioButton: return is(L"Button") && button == BS_AUTORADIOBUTTON;
    case Kind::GroupBox: return is(L"Button") && button == BS_GROUPBOX;
    case Kind::Label: return is(L"Static") && label == SS_LEFT;
    case Kind::RightLabel: return is(L"Static") && label == SS_RIGHT;
    case Kind::BlackFrame: return is(L"Static") && label == SS_BLACKFRAME;
    case Kind::EtchedLine: return is(L"Static") && label == SS_ETCHEDVERT;
    case Kind::ReportList: return is(WC_LISTVIEWW) && (item.style & LVS_TYPEMASK) == LVS_REPORT;
    case Kind::UnsortedDropDownList:
        return is(L"ComboBox") && (item.style & 3) == CBS_DROPDOWNLIST && (item.style & CBS_SORT) == 0;
    }
    return false;
}

inline std::string Narrow(const std::wstring& text) { return testing::PrintToString(text); }

// Each id stands once, so that the code reaches the control it means.
inline void ExpectControls(const DialogTemplate& dialog, const std::vector<ExpectedControl>& controls) {
    for (const ExpectedControl& want : controls) {
        SCOPED_TRACE("id " + std::to_string(want.id) + " " + (want.text ? Narrow(want.text) : std::string()));
        std::vector<const DialogItem*> found;
        for (const DialogItem& item : dialog.items) {
            if (IdOf(item) != want.id) continue;
            if (want.id != -1 || (HasKind(item, want.kind) && want.text != nullptr && item.text == want.text)) {
                found.push_back(&item);
            }
        }
        EXPECT_EQ(found.size(), 1u);
        if (found.size() != 1) continue;
        const DialogItem& item = *found.front();
        EXPECT_TRUE(HasKind(item, want.kind)) << Narrow(item.className) << " style " << std::hex << item.style;
        if (want.text != nullptr) {
            EXPECT_EQ(item.text, want.text);
        }
        EXPECT_EQ(item.style & want.styles, want.styles) << std::hex << item.style;
    }
}

// The letter after a single '&', upper-cased; 0 without one ("&&" shows an ampersand).
inline wchar_t MnemonicOf(const std::wstring& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] != L'&') return static_cast<wchar_t>(towupper(text[i + 1]));
        ++i;
    }
    return 0;
}

inline void ExpectUniqueMnemonics(const DialogTemplate& dialog) {
    std::map<wchar_t, std::wstring> taken;
    for (const DialogItem& item : dialog.items) {
        const bool noPrefix = _wcsicmp(item.className.c_str(), L"Static") == 0 && (item.style & SS_NOPREFIX) != 0;
        const wchar_t letter = noPrefix ? 0 : MnemonicOf(item.text);
        if (letter == 0) continue;
        const auto [at, added] = taken.emplace(letter, item.text);
        EXPECT_TRUE(added) << Narrow(item.text) << " and " << Narrow(at->second) << " share a mnemonic";
    }
}

// The ids Tab visits, in order: the visible tab stops.
inline std::vector<int> TabStops(const DialogTemplate& dialog) {
    std::vector<int> ids;
    for (const DialogItem& item : dialog.items) {
        if ((item.style & (WS_TABSTOP | WS_VISIBLE)) == (WS_TABSTOP | WS_VISIBLE)) ids.push_back(IdOf(item));
    }
    return ids;
}

// The ids of the controls that have the style, or that lack it when present is false.
inline std::vector<int> IdsWhere(const DialogTemplate& dialog, DWORD style, bool present) {
    std::vector<int> ids;
    for (const DialogItem& item : dialog.items) {
        if (((item.style & style) == style) == present) ids.push_back(IdOf(item));
    }
    return ids;
}

inline std::vector<int> IdsOfKind(const DialogTemplate& dialog, Kind kind) {
    std::vector<int> ids;
    for (const DialogItem& item : dialog.items) {
        if (HasKind(item, kind)) ids.push_back(IdOf(item));
    }
    return ids;
}

// The id of the item after the one whose mnemonic is the letter: the control the letter leads to
// when that one is a label. 0 when no item has the letter.
inline int IdAfterMnemonic(const DialogTemplate& dialog, wchar_t letter) {
    for (size_t i = 0; i + 1 < dialog.items.size(); ++i) {
        if (MnemonicOf(dialog.items[i].text) == letter) return IdOf(dialog.items[i + 1]);
    }
    return 0;
}
