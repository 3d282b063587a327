#pragma once

#include "core/text/wording.h"
#include "core/text/language.h"

namespace zorvane::cli {

// The wording of the text output in a language: the names from the core's
// tables, the other words from the program's compiled catalogue of that
// language (the window's own). Without a catalogue the words stay English.
Wording CliWording(Language language);

}  // namespace zorvane::cli
