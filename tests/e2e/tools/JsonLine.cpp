#include "JsonLine.h"

#include <windows.h>

#include <cstdio>

namespace {

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr, nullptr);
    return result;
}

}  // namespace

std::string JsonString(const std::wstring& text) {
    std::wstring escaped;
    for (const wchar_t c : text) {
        switch (c) {
        case L'"': escaped += L"\\\""; break;
        case L'\\': escaped += L"\\\\"; break;
        case L'\n': escaped += L"\\n"; break;
        case L'\r': escaped += L"\\r"; break;
        case L'\t': escaped += L"\\t"; break;
        default:
            if (c < 0x20) {
                static const wchar_t digits[] = L"0123456789abcdef";
                escaped += L"\\u00";
                escaped += digits[(c >> 4) & 0xF];
                escaped += digits[c & 0xF];
            } else {
                escaped += c;
            }
        }
    }
    return "\"" + Utf8(escaped) + "\"";
}

void JsonLine::Key(const char* key) {
    m_body += m_body.empty() ? "" : ", ";
    m_body += "\"";
    m_body += key;
    m_body += "\": ";
}

JsonLine& JsonLine::Add(const char* key, const std::wstring& value) {
    Key(key);
    m_body += JsonString(value);
    return *this;
}

JsonLine& JsonLine::Add(const char* key, const char* value) {
    Key(key);
    m_body += "\"";
    m_body += value;
    m_body += "\"";
    return *this;
}

JsonLine& JsonLine::Add(const char* key, std::int64_t value) {
    Key(key);
    m_body += std::to_string(value);
    return *this;
}

JsonLine& JsonLine::Add(const char* key, bool value) {
    Key(key);
    m_body += value ? "true" : "false";
    return *this;
}

JsonLine& JsonLine::Add(const char* key, const std::vector<int>& values) {
    Key(key);
    m_body += "[";
    for (size_t i = 0; i < values.size(); ++i) m_body += (i ? ", " : "") + std::to_string(values[i]);
    m_body += "]";
    return *this;
}

JsonLine& JsonLine::Add(const char* key, const std::vector<std::wstring>& values) {
    Key(key);
    m_body += "[";
    for (size_t i = 0; i < values.size(); ++i) m_body += (i ? ", " : "") + JsonString(values[i]);
    m_body += "]";
    return *this;
}

void JsonLine::Print() const {
    const std::string line = "{" + m_body + "}\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}
