// Nodes of entries erased from a hash map, kept (at most kKept of them) for the map's next new
// entries: a map that loses and regains the same few entries over and over, as a grid does
// between two loads of the same sheet, then allocates nothing for them. Few enough are kept
// that the nodes of a large map stay where its own insertions put them.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

template <typename Map>
class SpareNodes {
  public:
    static constexpr std::size_t kKept = 64;

    SpareNodes() = default;
    // Spares belong to their own map: a copy starts with none.
    SpareNodes(const SpareNodes&) {}
    SpareNodes& operator=(const SpareNodes&) { return *this; }

    // map[key]; a new entry takes a spare node when there is one (its value reset, so it
    // equals a default-constructed one).
    typename Map::mapped_type& at(Map& map, const typename Map::key_type& key) {
        if (auto it = map.find(key); it != map.end()) return it->second;
        return addNew(map, key);
    }
    // at() for a key the map is known not to hold: no search first.
    typename Map::mapped_type& addNew(Map& map, const typename Map::key_type& key) {
        if (spares_.empty()) return map.try_emplace(key).first->second;
        typename Map::node_type node = std::move(spares_.back());
        spares_.pop_back();
        node.key() = key;
        resetValue(node.mapped());
        return map.insert(std::move(node)).position->second;
    }
    void erase(Map& map, typename Map::iterator it) {
        if (spares_.size() < kKept)
            spares_.push_back(map.extract(it));
        else
            map.erase(it);
    }
    // map = other, the map's own nodes and the spares used first. A large copy is left to the
    // map's own assignment (which reuses its nodes too, and frees the rest).
    void assign(Map& map, const Map& other) {
        if (&map == &other) return;
        if (other.size() > kKept) {
            map = other;
            return;
        }
        while (!map.empty()) erase(map, map.begin());
        for (const auto& [key, value] : other) {
            if (spares_.empty()) {
                map.emplace(key, value);
                continue;
            }
            typename Map::node_type node = std::move(spares_.back());
            spares_.pop_back();
            node.key() = key;
            node.mapped() = value;
            map.insert(std::move(node));
        }
    }

  private:
    // A value with a reset() (strings cleared in place, their buffers kept) takes that;
    // others are assigned a fresh value.
    static void resetValue(typename Map::mapped_type& value) {
        if constexpr (requires { value.reset(); })
            value.reset();
        else
            value = typename Map::mapped_type{};
    }
    std::vector<typename Map::node_type> spares_;
};
