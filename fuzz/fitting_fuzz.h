#pragma once
// One fuzz input as one state of a calculator window, run through every
// command the window computes with and held to what the window can show: the
// same checks as the randomized tests (a message when a command stops,
// well-formed listed texts, finite drawn and placed coordinates, a usable
// remembered scale). Then through the window's file commands as the
// randomized tests run them (checkExports): the flat pattern's DXF and the
// CAD drawing's into a scratch folder, the 1:1 template laid out and, when
// it has at most kPaintedPages pages, painted into a PDF in memory. A
// violated check prints the state and aborts, which libFuzzer reports as a
// crash and saves the input.
//
// An input is text, fields separated by '|':
//
//   CONTROL|BOX 1|BOX 2|...|LIST 1|LIST 2|...
//
// CONTROL is up to six characters, each read as a choice counted from '0'
// (wrapping around its table): the window among those the target runs, the
// rounding (odd: decimals), the outer width, the outer height, the
// remembered scale and the template's paper (paperSizes(), counted from A0
// and wrapping around); a missing character or '0' is the window as it
// opens (first window, whole numbers, opening size, nothing remembered) and
// A0. The boxes follow in the order
// of the window's panel, then its lists; a missing field keeps the preset.
// A list field "#k" picks the list's item k (wrapping), anything else is
// taken as the list's text as it stands. Box texts are made valid UTF-8 the
// way a text box would receive them (a bad byte becomes U+FFFD).
//
//   "0"                         the presets
//   "01|1e999"                  the first box too large, listed with decimals
//   "0|1120|560|90|10|#0|#3"    the first window (the elbow) with R = D / 2,
//                               its first list's first item and its second
//                               list's fourth

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/window_design.h"

namespace korvel::fuzz {

// The largest template painted into a PDF, pages: painting costs a few
// milliseconds a page, and a template of the presets has hundreds. Larger
// ones are laid out, tiled and counted only.
inline constexpr int kPaintedPages = 4;

// The input's fields split at '|'; the first is the control field.
std::vector<std::string_view> fieldsOf(std::string_view input);

// `text` with every byte that does not begin a valid UTF-8 sequence (no
// overlong forms, no surrogates) replaced by U+FFFD.
std::string validUtf8(std::string_view text);

// The state of `design` the fields stand for.
FormState stateOf(const WindowDesign& design, const std::vector<std::string_view>& fields);

// Picks the window from `windows` by the control field, runs every list's
// change and every menu command with a `run` on the state in menu order,
// handing the remembered scale on as the window does, then the window's file
// commands, and aborts on the first outcome that fails the checks. The PDF
// needs a QGuiApplication.
void runInput(const std::uint8_t* data, std::size_t size, const std::vector<const WindowDesign*>& windows);

}  // namespace korvel::fuzz
