// What a link clicked in a note leads to.
#pragma once

// True when target's scheme (the letters before its first ':', without case) is http, https, ftp
// or mailto: a web page or a mail address, opened without a question. Any other scheme (file:,
// a program's own protocol) or none may start a program, so the user is asked first.
bool IsWebOrMailLink(const char* target);
