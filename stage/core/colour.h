#pragma once
// Colours. Callers hold 0x00BBGGRR values plus an alpha; GDI+ wants 32-bit
// ARGB. Full opacity is written as alpha 254 (0xFE), never 255: the whole
// framework draws "opaque" colours that way, and pictures read back from the
// screen show it.
#include <windows.h>

#include <cstdint>
#include <optional>

namespace stage {

using Argb = DWORD;  // the type GDI+ takes for ARGB

// ARGB with red and blue swapped into place; alpha 255 or no alpha gives 254.
Argb MakeARGB(COLORREF colour, std::optional<int> alpha = std::nullopt);

// The same colour with another alpha, under the same 254 rule.
Argb WithAlpha(Argb colour, int alpha);

// The same colour with red, green and blue scaled by its alpha, as pixels
// of premultiplied surfaces hold it.
Argb Premultiply(Argb colour);

inline int AlphaOf(Argb c) { return int(c >> 24); }
inline int RedOf(Argb c) { return int((c >> 16) & 0xFF); }
inline int GreenOf(Argb c) { return int((c >> 8) & 0xFF); }
inline int BlueOf(Argb c) { return int(c & 0xFF); }

}  // namespace stage
