#pragma once

// Marks a text that a person reads, in its source language (Chinese), for translation. The core
// has no Qt, so the mark does nothing here: the command-line tool prints the text as it is,
// while the window looks it up in its translations under the same context and source text.
// Qt's lupdate finds these marks when told they stand for its own no-op macro:
//     lupdate -tr-function-alias QT_TRANSLATE_NOOP+=TAVREL_TRANSLATE_NOOP ...
#define TAVREL_TRANSLATE_NOOP(context, text) text
