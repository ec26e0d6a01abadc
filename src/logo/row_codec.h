#pragma once

#include <string>
#include <string_view>

#include "logo/logo_picture.h"

// One pixel row of the logo picture and the record text that carries it. A byte's most
// significant bit is its leftmost dot, and a dot is printed when its pixel's red component
// has its lowest bit clear: black prints, white does not.
namespace kvitmark::logo {

// Whether pixel (x, y) prints: inside the picture, its red with the lowest bit clear.
bool Printed(const LogoPicture& picture, int x, int y);

// The record text for row `y`: 24 byte values in decimal, each followed by ";". Pixels the
// picture does not have count as not printed; pixels right of the 192nd are ignored.
std::string EncodeRow(const LogoPicture& picture, int y);

// Paints row `y` from a read's answer text ("136;5;255;0;…"): the two fields before the
// record's own are skipped, and each field n (1 to 24) paints dots 8(n − 1) to 8(n − 1) + 7
// black or white. An empty field is 0; a field too large for a byte keeps its low eight
// bits. Dots of fields the answer lacks keep their colour, and so does the whole row when
// the answer has no second ";". Pixels outside the picture are dropped.
// Returns the number of fields taken.
int DecodeRow(std::string_view answer, LogoPicture& picture, int y);

}  // namespace kvitmark::logo
