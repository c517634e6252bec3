// One JSON object per output line, so the Python side reads the tool's answers with json.loads.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class JsonLine {
public:
    JsonLine& Add(const char* key, const std::wstring& value);
    JsonLine& Add(const char* key, const char* value);
    JsonLine& Add(const char* key, std::int64_t value);
    JsonLine& Add(const char* key, bool value);
    JsonLine& Add(const char* key, const std::vector<int>& values);
    JsonLine& Add(const char* key, const std::vector<std::wstring>& values);
    // Writes the object and a line break to standard output.
    void Print() const;

private:
    void Key(const char* key);
    std::string m_body;
};

// A wide string as a quoted JSON string in UTF-8.
std::string JsonString(const std::wstring& text);
