// Owning types for the handles the program opens: each closes its handle once, when it goes,
// so that no early return can leak one. Each kind of handle is closed in its type alone.
#pragma once

#include <windows.h>

// A kernel handle (file, process, thread, mutex). Both null and INVALID_HANDLE_VALUE mean none.
class CHandle {
  public:
    CHandle() = default;
    explicit CHandle(HANDLE handle) : handle_(handle) {}
    ~CHandle() { Close(); }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    CHandle(CHandle&& other) noexcept : handle_(other.Release()) {}
    CHandle& operator=(CHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    void Reset(HANDLE handle = nullptr) {
        Close();
        handle_ = handle;
    }
    HANDLE Release() {
        HANDLE handle = handle_;
        handle_ = nullptr;
        return handle;
    }
    // Closes the handle now; false when CloseHandle failed (for a written file: the data may
    // not have reached the disk). True when none was open.
    bool Close() {
        const bool closed = !valid() || CloseHandle(handle_) != FALSE;
        handle_ = nullptr;
        return closed;
    }

  private:
    HANDLE handle_ = nullptr;
};

// A search of FindFirstFileA or FindFirstFileW, ended with FindClose.
class CFindHandle {
  public:
    // Starts the search for pattern; the first match, if any, is in found.
    CFindHandle(const char* pattern, WIN32_FIND_DATAA* found)
        : handle_(FindFirstFileA(pattern, found)) {}
    CFindHandle(const wchar_t* pattern, WIN32_FIND_DATAW* found)
        : handle_(FindFirstFileW(pattern, found)) {}
    ~CFindHandle() {
        if (valid()) FindClose(handle_);
    }
    CFindHandle(const CFindHandle&) = delete;
    CFindHandle& operator=(const CFindHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    // The next match into found; false when there is none.
    bool Next(WIN32_FIND_DATAA* found) { return FindNextFileA(handle_, found) != FALSE; }
    bool Next(WIN32_FIND_DATAW* found) { return FindNextFileW(handle_, found) != FALSE; }

  private:
    HANDLE handle_;
};

// An open registry key.
class CKey {
  public:
    CKey() = default;
    ~CKey() { Close(); }
    CKey(const CKey&) = delete;
    CKey& operator=(const CKey&) = delete;

    // Opens root\path with access; the error code of RegOpenKeyExA.
    LONG Open(HKEY root, const char* path, REGSAM access) {
        Close();
        HKEY key = nullptr;
        LONG result = RegOpenKeyExA(root, path, 0, access, &key);
        if (result == ERROR_SUCCESS) key_ = key;
        return result;
    }
    // Creates or opens root\path (non-volatile, empty class); disposition may be null.
    LONG Create(HKEY root, const char* path, REGSAM access, DWORD* disposition = nullptr) {
        Close();
        char emptyClass[] = "";
        DWORD ignored = 0;
        HKEY key = nullptr;
        LONG result =
            RegCreateKeyExA(root, path, 0, emptyClass, REG_OPTION_NON_VOLATILE, access, nullptr,
                            &key, disposition != nullptr ? disposition : &ignored);
        if (result == ERROR_SUCCESS) key_ = key;
        return result;
    }
    // Reads value name of at most limit bytes into out (limit + 1 bytes) and ends it there;
    // false when the value is missing or longer (out may then hold part of it, unended).
    bool QueryText(const char* name, char* out, DWORD limit) const {
        DWORD size = limit;
        if (RegQueryValueExA(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(out), &size) !=
            ERROR_SUCCESS)
            return false;
        out[size < limit ? size : limit] = '\0';
        return true;
    }
    // Closes the key; the error code of RegCloseKey, or 0 when none was open.
    LONG Close() {
        LONG result = key_ != nullptr ? RegCloseKey(key_) : ERROR_SUCCESS;
        key_ = nullptr;
        return result;
    }
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

// A window-system object the program loaded or created and that no window owns: a menu (not
// attached to a window) or an icon (not a shared resource icon).
template <typename T, BOOL(WINAPI* Destroy)(T)> class CUserObject {
  public:
    explicit CUserObject(T object) : object_(object) {}
    ~CUserObject() {
        if (object_ != nullptr) Destroy(object_);
    }
    CUserObject(const CUserObject&) = delete;
    CUserObject& operator=(const CUserObject&) = delete;
    T get() const { return object_; }

  private:
    T object_;
};
using CMenu = CUserObject<HMENU, DestroyMenu>;
using CIcon = CUserObject<HICON, DestroyIcon>;

// COM on this thread for the life of the object (single-threaded apartment). Uninitialises only
// what it initialised: a thread where COM was already up in another mode is left as it was.
class ScopedCom {
  public:
    ScopedCom() : initialized_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ScopedCom() {
        if (initialized_) CoUninitialize();
    }
    ScopedCom(const ScopedCom&) = delete;
    ScopedCom& operator=(const ScopedCom&) = delete;

  private:
    bool initialized_;
};

// A GDI object (font, brush, bitmap) the program created; deleted when it goes. The object must
// no longer be selected into a device context by then.
template <typename T> class CGdiObject {
  public:
    CGdiObject() = default;
    explicit CGdiObject(T object) : object_(object) {}
    ~CGdiObject() { Reset(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    T get() const { return object_; }
    void Reset(T object = nullptr) {
        if (object_ != nullptr) DeleteObject(object_);
        object_ = object;
    }

  private:
    T object_ = nullptr;
};
