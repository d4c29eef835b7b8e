// The DFU library's string and string-list types.
#pragma once
#include "standins/dfuengine/include/DFUEngineExport.h"

// A list position, as the window framework's lists have them.
struct __POSITION;
typedef __POSITION* POSITION;

// A wide-character string owned by the library.
class DFUENGINE_API CStringX {
public:
    CStringX();
    CStringX(const wchar_t* text);
    CStringX(const CStringX& other);
    ~CStringX();
    CStringX& operator=(const CStringX& other);
    CStringX& operator=(const wchar_t* text);

    operator const wchar_t*() const;
    int GetLength() const;
    // A writable buffer of at least minLength characters plus the
    // terminator; ReleaseBuffer takes the length back (-1 = up to the zero).
    wchar_t* GetBuffer(int minLength = 0);
    void ReleaseBuffer(int newLength = -1);

private:
    void Assign(const wchar_t* text, int length);
    wchar_t* data_;
    int length_;
    int capacity_;
};

// A list of library strings, walked with GetHeadPosition and GetNext.
class DFUENGINE_API CStringListX {
public:
    CStringListX();
    ~CStringListX();
    CStringListX(const CStringListX&) = delete;
    CStringListX& operator=(const CStringListX&) = delete;

    POSITION GetHeadPosition() const;
    // The string at pos; pos moves on (null after the last).
    CStringX& GetNext(POSITION& pos);
    const CStringX& GetNext(POSITION& pos) const;
    POSITION AddTail(const CStringX& text);
    int GetCount() const;
    bool IsEmpty() const;
    void RemoveAll();

private:
    struct Node;
    Node* head_;
    Node* tail_;
    int count_;
};
