#pragma once
// Ktx_Array<T>: the Core library's growable array. Its storage grows by a growth step (or by
// half its length when that is more, so long arrays still append in amortised constant time).
//
// Indices are checked. insertAt with an index outside 0..length() and removeAt with one outside
// 0..length()-1 print "*Error* Invalid index passed to insert.\n" / "... to remove.\n" on the
// command line, return Acad::eInvalidIndex and leave the array unchanged. Element access with
// a bad index is a programmer error (asserted); in a release build it yields a default value.
#include <algorithm>
#include <cassert>
#include <vector>

#include "acad_error_status.h"
#include "command_line.h"

template <typename T>
class Ktx_Array {
  public:
    explicit Ktx_Array(int physicalLength = 0, int growLength = 8)
        : growLength_(std::max(growLength, 1)) {
        items_.reserve(static_cast<size_t>(std::max(physicalLength, 0)));
    }

    int length() const { return static_cast<int>(items_.size()); }
    int logicalLength() const { return length(); }
    int physicalLength() const { return static_cast<int>(items_.capacity()); }
    int growLength() const { return growLength_; }
    void setGrowLength(int n) { growLength_ = std::max(n, 1); }
    bool isEmpty() const { return items_.empty(); }
    bool isValidIndex(int i) const { return i >= 0 && i < length(); }

    T& at(int i) { return isValidIndex(i) ? items_[static_cast<size_t>(i)] : badIndex(); }
    const T& at(int i) const {
        return isValidIndex(i) ? items_[static_cast<size_t>(i)] : badIndex();
    }
    T& operator[](int i) { return at(i); }
    const T& operator[](int i) const { return at(i); }
    T& first() { return at(0); }
    const T& first() const { return at(0); }
    T& last() { return at(length() - 1); }
    const T& last() const { return at(length() - 1); }

    // Appends and returns the new element's index.
    int append(const T& value) {
        makeRoomForOne();
        items_.push_back(value);
        return length() - 1;
    }
    Ktx_Array& append(const Ktx_Array& other) {
        for (const T& v : other.items_) append(v);
        return *this;
    }
    Acad::ErrorStatus insertAt(int i, const T& value) {
        if (i < 0 || i > length()) return reportBadIndex("insert");
        makeRoomForOne();
        items_.insert(items_.begin() + i, value);
        return Acad::eOk;
    }
    Acad::ErrorStatus removeAt(int i) {
        if (!isValidIndex(i)) return reportBadIndex("remove");
        items_.erase(items_.begin() + i);
        return Acad::eOk;
    }
    void removeAll() { items_.clear(); }
    // Shortens, or lengthens with default elements.
    void setLogicalLength(int n) {
        n = std::max(n, 0);
        if (n > physicalLength()) setPhysicalLength(n);
        items_.resize(static_cast<size_t>(n));
    }
    void setPhysicalLength(int n) { items_.reserve(static_cast<size_t>(std::max(n, 0))); }
    void reverse() { std::reverse(items_.begin(), items_.end()); }

    // Index of the first element equal to value at or after start, or -1.
    int find(const T& value, int start = 0) const {
        for (int i = std::max(start, 0); i < length(); ++i) {
            if (items_[static_cast<size_t>(i)] == value) return i;
        }
        return -1;
    }
    bool contains(const T& value) const { return find(value) >= 0; }

    const std::vector<T>& asVector() const { return items_; }
    std::vector<T>& asVector() { return items_; }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    friend bool operator==(const Ktx_Array& a, const Ktx_Array& b) { return a.items_ == b.items_; }

  private:
    void makeRoomForOne() {
        if (items_.size() < items_.capacity()) return;
        const size_t step = std::max(static_cast<size_t>(growLength_), items_.size() / 2);
        items_.reserve(items_.size() + step);
    }
    static Acad::ErrorStatus reportBadIndex(const char* operation) {
        acutPrintf("*Error* Invalid index passed to %s.\n", operation);
        return Acad::eInvalidIndex;
    }
    static T& badIndex() {
        assert(!"Ktx_Array index out of range");
        static T fallback;
        fallback = T();
        return fallback;
    }

    std::vector<T> items_;
    int growLength_;
};
