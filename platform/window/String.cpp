#include "String.h"

#include "platform/window/Resources.h"

#include <cstdarg>
#include <cstdio>

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) {
        m_text.clear();
    } else {
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        std::vsnprintf(text.data(), text.size(), format, args);
        text.resize(static_cast<std::size_t>(length));
        m_text = std::move(text);
    }
    va_end(args);
}

BOOL CString::LoadString(UINT id)
{
    const char* text = AfxFindString(id);
    if (text == nullptr)
        return FALSE;
    m_text = text;
    return TRUE;
}
