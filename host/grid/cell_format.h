// The format of a cell: its type with parameters, lock, colours, the four borders and the
// font. Formats are values; the sheet keeps each distinct one once (FormatPool) and a cell
// refers to it by number, so only cells with a non-default format pay for one.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "ss_types.h"

struct CellBorder {
    int style = SS_BORDERSTYLE_NONE;
    COLORREF color = 0;
    bool operator==(const CellBorder&) const = default;
};

// Border sides in the order left, right, top, bottom (the order of the SS_BORDERTYPE bits).
enum CellSide { kSideLeft = 0, kSideRight = 1, kSideTop = 2, kSideBottom = 3 };

struct CellFormat {
    SSCellType cellType;
    bool lock = false;
    COLORREF background = SS_COLOR_DEFAULT;
    COLORREF foreground = SS_COLOR_DEFAULT;
    std::array<CellBorder, 4> borders{};
    SSFont font;
    bool operator==(const CellFormat&) const = default;
};

// Keeps distinct formats and numbers them; number 0 is always the default format. Numbers
// stay valid for the pool's life (formats are never removed).
class FormatPool {
  public:
    FormatPool();
    // A copy numbers every format as `other` does.
    FormatPool(const FormatPool& other) { *this = other; }
    FormatPool& operator=(const FormatPool& other);
    // Makes every number `other` has name the same format here. A pool copied from `other`
    // already does so while `other` has not grown since (formats are only ever added), even
    // after formats were added here: it keeps those, and the numbers it gave them.
    void assignNumbering(const FormatPool& other);
    // The number of a format equal to `format`, adding it when new.
    std::uint32_t intern(const CellFormat& format);
    // The number of the format `from` with its cell type replaced by `type`, adding it when
    // new; the format is copied only then.
    std::uint32_t internWithType(std::uint32_t from, const SSCellType& type) {
        // A recent answer stands for a known `from` only: unknown numbers are never kept.
        for (const TypeChange& c : recentTypeChanges_) {
            if (c.from == from && formats_[c.to].cellType == type) return c.to;
        }
        return internWithNewType(from, type);
    }
    // The format of a number; the default format for an unknown number.
    const CellFormat& get(std::uint32_t id) const {
        return id < formats_.size() ? formats_[id] : formats_.front();
    }
    std::size_t size() const { return formats_.size(); }

  private:
    static std::size_t hashOf(const SSCellType& type, const CellFormat& rest);
    static bool sameBesideType(const CellFormat& a, const CellFormat& b);
    std::uint32_t add(CellFormat format, std::size_t hash);
    std::uint32_t findOrAddWithType(std::uint32_t from, const SSCellType& type);
    // internWithType for a change no recent answer knows: found or added, then kept.
    std::uint32_t internWithNewType(std::uint32_t from, const SSCellType& type);
    std::vector<CellFormat> formats_;
    std::unordered_multimap<std::size_t, std::uint32_t> byHash_;
    // Recent answers of internWithType: the format `to` is `from` with `to`'s cell type, so
    // a cell switching among a few types skips the hashing.
    struct TypeChange {
        std::uint32_t from = 0;
        std::uint32_t to = 0;
    };
    std::array<TypeChange, 4> recentTypeChanges_{};
    std::size_t nextTypeChange_ = 0;
    // Each pool's own number (never given twice), and the pool it was last copied from with
    // that pool's size then.
    std::uint64_t serial_ = 0;
    std::uint64_t copiedFrom_ = 0;
    std::size_t copiedSize_ = 0;
    static std::uint64_t nextSerial();
};
