#pragma once
// Pictures rendered at build time (tools/prerender) at the size they first
// show at, so that a window's first paint blits pixels instead of parsing
// and drawing an SVG, and the window icon at each of its sizes. The build
// lists which; see CMakeLists.txt.

#include <span>

namespace korvel {

struct PrerenderedPicture {
    const char* resource;         // the name the picture is loaded by, ":/pictures/…svg"
    int width;                    // pixels
    int height;                   // pixels
    const unsigned char* argb32;  // ARGB32 in this machine's byte order, rows of
                                  // width × 4 bytes, rendered over transparency
    bool premultiplied;           // else straight alpha (the window icon's sizes)
};

std::span<const PrerenderedPicture> prerenderedPictures();

}  // namespace korvel
