/* Marks a text the user reads, wherever it is written (C, C++ or the Windows
   resource script): the catalogue check collects every text so marked, and
   the front ends show each through its translation. The mark changes
   nothing; the translation happens where the text is shown (see
   base/translation.h). */
#pragma once

#define UI_TEXT(text) text
