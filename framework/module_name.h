#pragma once
// Names derived from the executable's full path (as GetModuleFileNameW gives
// it). Pure text work, kept apart so it can be checked on its own.

// Where the file's base name (no directory, no extension) starts in path,
// and how many characters it has. "C:\dir\Pellorin.exe" gives "Pellorin".
struct TextSpan {
    int start;
    int length;
};
TextSpan ModuleBaseName(const wchar_t* path);

// path with its extension replaced by ".HLP" (appended when it has none),
// into out of outSize characters. false, and out empty, when it does not fit.
bool HelpFilePathFor(const wchar_t* path, wchar_t* out, int outSize);
