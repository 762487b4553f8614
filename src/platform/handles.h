// Owning types for the handles the program opens: each closes its handle once, when it goes.
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

  private:
    void Close() {
        if (valid()) CloseHandle(handle_);
        handle_ = nullptr;
    }
    HANDLE handle_ = nullptr;
};

// An open registry key.
class CKey {
  public:
    CKey() = default;
    ~CKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
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
