// Records every message box and answers with scripted buttons.
#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "framework/MessageBox.h"

struct ShownBox {
    std::wstring text;
    UINT type;             // buttons and icon as the caller passed them
    bool plain;            // a plain platform box rather than the framework's
    std::wstring caption;  // plain boxes only
};

class FakeMessageBox : public IMessageBox {
public:
    std::vector<ShownBox> shown;
    // Buttons pressed for the successive boxes; once empty, OK for OK boxes and No for Yes/No.
    std::deque<int> answers;
    // Runs while a box is up, to look at what the user sees beside it.
    std::function<void(const std::wstring& text)> onShow;

    int Show(const std::wstring& text, UINT type) override {
        shown.push_back({text, type, false, L""});
        if (onShow) onShow(text);
        return Answer(type);
    }
    int ShowPlain(const std::wstring& text, const std::wstring& caption, UINT type) override {
        shown.push_back({text, type, true, caption});
        return Answer(type);
    }

    std::vector<std::wstring> Texts() const {
        std::vector<std::wstring> texts;
        for (const ShownBox& box : shown) texts.push_back(box.text);
        return texts;
    }

private:
    int Answer(UINT type) {
        if (!answers.empty()) {
            int answer = answers.front();
            answers.pop_front();
            return answer;
        }
        UINT buttons = type & MB_TYPEMASK;
        return buttons == MB_YESNO || buttons == MB_YESNOCANCEL ? IDNO : IDOK;
    }
};
