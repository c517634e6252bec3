#include "dialog/AboutMenuItem.h"

#include "res/resource.h"

void AddAboutMenuItem(HMENU menu, const std::wstring& text) {
    if (menu == nullptr || text.empty()) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, text.c_str());
}
