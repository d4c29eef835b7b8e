#include "standins/dfuengine/include/DFUStrings.h"
#include <cwchar>
#include <new>

CStringX::CStringX() : data_(nullptr), length_(0), capacity_(0) {}
CStringX::CStringX(const wchar_t* text) : CStringX() { Assign(text, text ? (int)std::wcslen(text) : 0); }
CStringX::CStringX(const CStringX& other) : CStringX() { Assign(other.data_, other.length_); }
CStringX::~CStringX() { delete[] data_; }

CStringX& CStringX::operator=(const CStringX& other) {
    if (this != &other) Assign(other.data_, other.length_);
    return *this;
}

CStringX& CStringX::operator=(const wchar_t* text) {
    Assign(text, text ? (int)std::wcslen(text) : 0);
    return *this;
}

void CStringX::Assign(const wchar_t* text, int length) {
    if (length + 1 > capacity_) {
        wchar_t* grown = new (std::nothrow) wchar_t[length + 1];
        if (!grown) return;  // keeps the old value
        delete[] data_;
        data_ = grown;
        capacity_ = length + 1;
    }
    if (length) std::wmemmove(data_, text, length);
    data_[length] = 0;
    length_ = length;
}

CStringX::operator const wchar_t*() const { return data_ ? data_ : L""; }
int CStringX::GetLength() const { return length_; }

wchar_t* CStringX::GetBuffer(int minLength) {
    if (minLength < length_) minLength = length_;
    if (minLength + 1 > capacity_ || !data_) {
        wchar_t* grown = new (std::nothrow) wchar_t[minLength + 1];
        if (!grown) return nullptr;
        if (data_) std::wmemcpy(grown, data_, length_ + 1);
        else grown[0] = 0;
        delete[] data_;
        data_ = grown;
        capacity_ = minLength + 1;
    }
    return data_;
}

void CStringX::ReleaseBuffer(int newLength) {
    if (!data_) return;
    if (newLength < 0 || newLength >= capacity_) newLength = (int)wcsnlen(data_, capacity_ - 1);
    data_[newLength] = 0;
    length_ = newLength;
}

struct CStringListX::Node {
    CStringX text;
    Node* next;
};

CStringListX::CStringListX() : head_(nullptr), tail_(nullptr), count_(0) {}
CStringListX::~CStringListX() { RemoveAll(); }

POSITION CStringListX::GetHeadPosition() const { return (POSITION)head_; }

CStringX& CStringListX::GetNext(POSITION& pos) {
    Node* node = (Node*)pos;
    pos = (POSITION)node->next;
    return node->text;
}

const CStringX& CStringListX::GetNext(POSITION& pos) const {
    Node* node = (Node*)pos;
    pos = (POSITION)node->next;
    return node->text;
}

POSITION CStringListX::AddTail(const CStringX& text) {
    Node* node = new (std::nothrow) Node{text, nullptr};
    if (!node) return nullptr;
    if (tail_) tail_->next = node;
    else head_ = node;
    tail_ = node;
    ++count_;
    return (POSITION)node;
}

int CStringListX::GetCount() const { return count_; }
bool CStringListX::IsEmpty() const { return count_ == 0; }

void CStringListX::RemoveAll() {
    while (head_) {
        Node* next = head_->next;
        delete head_;
        head_ = next;
    }
    tail_ = nullptr;
    count_ = 0;
}
