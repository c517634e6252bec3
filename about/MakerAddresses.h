// The maker's addresses that the about box's links open.
#pragma once

inline constexpr wchar_t kSupportEmailAddress[] = L"support@pixmode.example";
inline constexpr wchar_t kHomePageAddress[] = L"https://www.pixmode.example/";
