#pragma once
// Identifies an object of the drawing database. A value type: the null id is 0; ids compare
// and order by their number.
#include <cstdint>
#include <functional>

class AcDbObjectId {
  public:
    AcDbObjectId() = default;
    explicit AcDbObjectId(std::int64_t number) : number_(number) {}

    static const AcDbObjectId kNull;

    bool isNull() const { return number_ == 0; }
    void setNull() { number_ = 0; }
    std::int64_t asOldId() const { return number_; }
    AcDbObjectId& setFromOldId(std::int64_t number) {
        number_ = number;
        return *this;
    }

    friend bool operator==(const AcDbObjectId&, const AcDbObjectId&) = default;
    friend auto operator<=>(const AcDbObjectId&, const AcDbObjectId&) = default;

  private:
    std::int64_t number_ = 0;
};

inline const AcDbObjectId AcDbObjectId::kNull{};

template <>
struct std::hash<AcDbObjectId> {
    size_t operator()(const AcDbObjectId& id) const noexcept {
        return std::hash<std::int64_t>()(id.asOldId());
    }
};
