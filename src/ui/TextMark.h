// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a text written in code that holds no Qt (a rule, a table of data) as one the windows
// show in the language of the run, and names the window whose catalogue context holds it. It is
// the text itself: the window that shows it translates it there, e.g. tr(board::exactCountMessage).
// The translation tools find the marked texts (translations/README.md).
#define PH_TRANSLATE_NOOP(context, text) text
