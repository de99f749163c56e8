#pragma once
// The CAD host's growable array. Indices are checked: a read outside the array is a
// programmer error (asserted); insertAt/removeAt with a bad index change nothing.
#include <algorithm>
#include <cassert>
#include <vector>

template <typename T>
class AcArray {
  public:
    AcArray() = default;
    AcArray(std::initializer_list<T> values) : items_(values) {}

    int length() const { return static_cast<int>(items_.size()); }
    int logicalLength() const { return length(); }
    bool isEmpty() const { return items_.empty(); }

    // References as the storage gives them (a plain value for AcArray<bool>).
    using reference = typename std::vector<T>::reference;
    using const_reference = typename std::vector<T>::const_reference;

    reference at(int i) {
        assert(i >= 0 && i < length());
        return items_[static_cast<size_t>(i)];
    }
    const_reference at(int i) const {
        assert(i >= 0 && i < length());
        return items_[static_cast<size_t>(i)];
    }
    reference operator[](int i) { return at(i); }
    const_reference operator[](int i) const { return at(i); }
    reference first() { return at(0); }
    reference last() { return at(length() - 1); }

    AcArray& append(const T& value) {
        items_.push_back(value);
        return *this;
    }
    // Inserts before index i (0..length()); returns false and changes nothing otherwise.
    bool insertAt(int i, const T& value) {
        if (i < 0 || i > length()) return false;
        items_.insert(items_.begin() + i, value);
        return true;
    }
    bool removeAt(int i) {
        if (i < 0 || i >= length()) return false;
        items_.erase(items_.begin() + i);
        return true;
    }
    void removeAll() { items_.clear(); }
    void setLogicalLength(int n) { items_.resize(static_cast<size_t>(std::max(n, 0))); }

    bool contains(const T& value) const { return find(value) >= 0; }
    // Index of the first element equal to value, or -1.
    int find(const T& value) const {
        auto it = std::find(items_.begin(), items_.end(), value);
        return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
    }
    bool find(const T& value, int& index) const {
        index = find(value);
        return index >= 0;
    }

    const std::vector<T>& asVector() const { return items_; }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    friend bool operator==(const AcArray&, const AcArray&) = default;

  private:
    std::vector<T> items_;
};
