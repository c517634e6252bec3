// Reads an extended dialog template from the module's resources, so tests can check captions,
// fonts, controls, their order and styles as the platform will see them.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct DialogItem {
    DWORD style = 0;
    int id = 0;              // -1 for an item without an id
    std::wstring className;  // "Button", "Static", ... for the predefined classes
    std::wstring text;
};

struct DialogTemplate {
    DWORD style = 0;
    std::wstring caption;
    WORD pointSize = 0;
    std::wstring typeface;
    std::vector<DialogItem> items;  // in template order
};

// The template of the given id and language; none when there is no such extended template.
std::optional<DialogTemplate> ReadDialogTemplate(WORD id, LANGID language);
