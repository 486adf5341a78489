// Placeholder; replaced by the generated-name implementation.
#include <windows.h>
extern "C" __declspec(dllexport) short WINAPI GetUName(unsigned short, wchar_t* buffer)
{
    static const wchar_t text[] = L"Undefined";
    for (int i = 0; i < 9; ++i) buffer[i] = text[i];
    return 9;
}
