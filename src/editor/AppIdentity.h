#pragma once
#include <QtGlobal>

// The product's fixed texts.
inline constexpr const char* kProductName = "TuneSnip";
inline constexpr const char* kWebAddress = "www.tunesnip.example";
inline constexpr const char* kOwnershipLine = "\xC2\xA9 2026 TuneSnip developers";  // UTF-8 ©
inline constexpr const char* kSupportAddress = "feedback@tunesnip.example";
inline constexpr const char* kFriendAddress = "friend@example.com";
// The reverse-DNS id of the desktop entry, its icons, the AppStream metainfo and the package.
inline constexpr const char* kAppId = "example.tunesnip.TuneSnip";
// What the file-name label shows while no file is open.
inline constexpr const char* kNoFileCaption = QT_TRANSLATE_NOOP("EditorSession", "No file open");
