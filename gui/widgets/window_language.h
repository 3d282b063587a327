#pragma once

#include "core/text/wording.h"
#include "core/text/language.h"

// The language the windows show now, for every part of the window layer that
// words a text: the windows, the report and the desktop's start-up alike.
namespace zorvane {

// The language of the catalogue installed now: English when none is. Each
// catalogue translates its own code (context "LanguageCode", source "en"), so
// a window asks the application's translation instead of being told.
Language ShownLanguage();

// The shared formatting's wording for a language, its words translated by
// the application's installed catalogue.
Wording WindowWording(Language language);

}  // namespace zorvane
