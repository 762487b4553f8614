// How the settings store reads its texts as numbers and flags.
#pragma once

// Decimal text as atoi reads it (leading white space, one optional sign, digits up to the first
// non-digit; no digits gives 0). Values beyond the int range are clamped to it.
// An empty text gives def.
int SettingTextToInt(const char* text, int def);
// "0" as the first character is false, any other first character true; an empty text gives def.
bool SettingTextToBool(const char* text, bool def);
