#include "framework/module_name.h"

namespace {

int Length(const wchar_t* text)
{
    int n = 0;
    while (text[n]) ++n;
    return n;
}

// Index of the file name's first character: after the last separator.
int FileNameStart(const wchar_t* path, int length)
{
    int start = 0;
    for (int i = 0; i < length; ++i)
        if (path[i] == L'\\' || path[i] == L'/' || path[i] == L':') start = i + 1;
    return start;
}

// Index of the extension's dot within the file name, or length when none.
int ExtensionStart(const wchar_t* path, int length)
{
    const int nameStart = FileNameStart(path, length);
    for (int i = length - 1; i > nameStart; --i)
        if (path[i] == L'.') return i;
    return length;
}

}  // namespace

TextSpan ModuleBaseName(const wchar_t* path)
{
    const int length = Length(path);
    const int start = FileNameStart(path, length);
    return {start, ExtensionStart(path, length) - start};
}

bool HelpFilePathFor(const wchar_t* path, wchar_t* out, int outSize)
{
    static const wchar_t extension[] = L".HLP";
    const int length = Length(path);
    const int stem = ExtensionStart(path, length);
    const int extensionLength = static_cast<int>(sizeof extension / sizeof extension[0]);
    const int needed = stem + extensionLength;  // the terminator included
    if (outSize <= 0) return false;
    out[0] = L'\0';
    if (needed > outSize) return false;
    for (int i = 0; i < stem; ++i) out[i] = path[i];
    for (int i = 0; i < extensionLength; ++i) out[stem + i] = extension[i];
    return true;
}
