#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorvane {

// True when the bytes are well-formed UTF-8 (RFC 3629: no overlong forms, no
// surrogates, nothing past U+10FFFF).
bool IsValidUtf8(std::string_view text);

// The text with each byte that does not belong to a well-formed UTF-8
// character replaced by U+FFFD, so that it can go into JSON (which must be
// UTF-8) whatever a command-line argument or a file held.
std::string ValidUtf8(std::string_view text);

// The text for a terminal or a menu: control characters (C0, DEL, C1) and the
// marks that reorder text on screen (the bidirectional embeddings, overrides
// and isolates) written as escapes, "\x1b" or "\u{202e}", and bytes that are
// not UTF-8 as "\xff". Everything else is kept as it is.
std::string EscapeControls(std::string_view text);

// The columns a terminal or a fixed font gives UTF-8 text: one a character
// but the marks drawn over or under the one before (Devanagari's vowel signs
// above and below, virama, nukta, anusvara, candrabindu; the joiners).
std::size_t TerminalColumns(std::string_view text);

// The text followed by spaces up to the given columns.
std::string PaddedToColumns(std::string text, std::size_t columns);

}  // namespace zorvane
