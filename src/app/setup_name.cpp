#include "app/setup_name.h"

#include "platform/lfile.h"

#include <cctype>
#include <cstring>

bool IsSetupFileName(const char* path) {
    char title[LFile::kPathSize];
    LFile::_GetFileTitleFromPath(title, path);
    for (char* c = title; *c != '\0'; ++c)
        *c = static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
    return std::strstr(title, "SETUP") != nullptr;
}
