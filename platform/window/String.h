// A text value: UTF-8, copied by value, with printf-style formatting and
// loading from the string table.
#pragma once

#include "platform/Types.h"

#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text != nullptr ? text : "") {}
    CString(std::string text) : m_text(std::move(text)) {}

    CString& operator=(const char* text)
    {
        m_text = text != nullptr ? text : "";
        return *this;
    }

    operator const char*() const { return m_text.c_str(); }
    const char* GetString() const { return m_text.c_str(); }
    int GetLength() const { return static_cast<int>(m_text.size()); }
    BOOL IsEmpty() const { return m_text.empty() ? TRUE : FALSE; }
    void Empty() { m_text.clear(); }

    // Replaces the text with the formatted arguments.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Replaces the text with string resource id; FALSE (text unchanged) when
    // the string table has no such entry.
    BOOL LoadString(UINT id);

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == (b != nullptr ? b : ""); }

private:
    std::string m_text;
};
