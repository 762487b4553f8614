#include "mainwindow/link_target.h"

#include <cstring>
#include <initializer_list>
#include <strings.h>

bool IsWebOrMailLink(const char* target) {
    const char* colon = std::strchr(target, ':');
    if (colon == nullptr) return false;
    const size_t length = static_cast<size_t>(colon - target);
    for (const char* scheme : {"http", "https", "ftp", "mailto"})
        if (length == std::strlen(scheme) && strncasecmp(target, scheme, length) == 0) return true;
    return false;
}
