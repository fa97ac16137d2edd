// The marker of a text that the plain layers (catalog/, engine/, report/, cli/) show a user. Written
// around the Korean literal where the text is written once, it lets lupdate put the text into
// translations/brivane_en.ts, in the context below; the window translates it from there and
// brivane-cli's English is generated from there. engine/Messages.h says how to add a text.
#pragma once

// Qt's own definition is this same identity, so the two may meet in the window's sources in either
// order without a redefinition.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace brivane {

// The translation context every marker in the plain layers names, written out as a literal at each
// marker because lupdate reads the marker's arguments as they stand.
inline constexpr const char* kTextContext = "brivane::EngineTexts";

}  // namespace brivane
