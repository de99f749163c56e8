// A mapping in the mapping file of its standard: one line per key.
#include <unordered_map>
#include <vector>

#include "ktx_settings.h"
#include "mapping_file.h"
#include "string_helpers.h"
#include "vn_kept_by_stamp.h"
#include "vn_ss_functions_host.h"
#include "vn_ss_mapping.h"

namespace {

std::vector<VnObjectMap> parseMappingLine(const Ktx_String& line);

// A mapping file's keys and the maps of their lines as read, kept per file while it is
// unchanged (the stamp is taken before the read; see vn_kept_by_stamp.h): every evaluation of
// a standard reads its mapping file, which costs one status call while it stays the same.
struct MappingLines {
    bool read = false;
    bool empty = true;
    Ktx_StringArray keys;
    std::vector<bool> hasMaps;  // per line: false for a line without "="
    std::vector<std::vector<VnObjectMap>> maps;
    std::vector<std::shared_ptr<VnMapLookups>> lookups;  // per line: what searches found
};

MappingLines parseMappingLines(const Ktx_String& path) {
    MappingLines m;
    Ktx_StringArray lines;
    m.read = readMappingLines(path, lines);
    if (!m.read) return m;
    m.empty = lines.isEmpty();
    m.keys = mappingLineKeys(lines);
    for (int i = 0; i < lines.length(); ++i) {
        m.hasMaps.push_back(lines[i].contains("="));
        m.maps.push_back(m.hasMaps.back() ? parseMappingLine(lines[i])
                                          : std::vector<VnObjectMap>());
        m.lookups.push_back(std::make_shared<VnMapLookups>());
    }
    return m;
}

// The mapping file of a standard, for the last name and library folder asked about: an
// evaluation asks for the same one each time.
const Ktx_String& keptMappingFilePath(const Ktx_String& ssName) {
    static Ktx_String name, libDir, path;
    if (path.isEmpty() || name.str() != ssName.str() || libDir.str() != gSettings.libDir.str()) {
        path = mappingFilePath(ssName);
        name = ssName;
        libDir = gSettings.libDir;
    }
    return path;
}

std::shared_ptr<const MappingLines> mappingLinesOf(const Ktx_String& path) {
    static VnKeptByStamp<MappingLines> kept;
    VnFileStamp stamp;
    std::string host;
    const bool stamped = vnHostPathAndStamp(path, host, stamp);
    if (stamped) {
        if (auto lines = kept.find(host, stamp)) return lines;
    }
    MappingLines m = parseMappingLines(path);
    if (stamped) return kept.keep(host, stamp, std::move(m));
    return std::make_shared<const MappingLines>(std::move(m));
}

const Ktx_String kPairSeparator(&kMappingPairSeparator, 1);
const Ktx_String kVarSeparator(&kMappingVarSeparator, 1);

// True when a text holds a byte that would break the line layout.
bool breaksLine(const Ktx_String& text) {
    return text.str().find_first_of("\r\n\x83\xBF") != std::string::npos;
}

// A key that a line can hold and give back.
bool isStorableKey(const Ktx_String& key) {
    return key.str().find_first_of("=\r\n") == std::string::npos;
}

// The pairs of a mapping in file order: the first map of each spreadsheet variable (letter
// case folded), leaving out names that cannot be file names and texts that would break the
// line.
void collectPairs(const VnSSMapping& mapping, Ktx_StringArray& vars, Ktx_StringArray& texts) {
    for (int i = 0; i < mapping.mapCount(); ++i) {
        Ktx_String text, var;
        if (mapping.map(i).setMappingToStrs(text, var) != Acad::eOk) continue;
        vars.append(var);
        texts.append(text);
    }
    Ktx_Array<int> duplicates = getDuplicates(vars, false);
    for (int i = duplicates.length() - 1; i >= 0; --i) {
        vars.removeAt(duplicates[i]);
        texts.removeAt(duplicates[i]);
    }
    for (int i = vars.length() - 1; i >= 0; --i) {
        if (!hasInvalidFileNameChars(vars[i]) && !breaksLine(vars[i]) && !breaksLine(texts[i]))
            continue;
        vars.removeAt(i);
        texts.removeAt(i);
    }
}

// The maps of a mapping line, in line order (pairs that do not parse left out).
std::vector<VnObjectMap> parseMappingLine(const Ktx_String& line) {
    std::vector<VnObjectMap> maps;
    Ktx_String key, rest;
    if (!splitString(line, "=", key, rest, false)) return maps;
    Ktx_StringArray pieces = splitStringAtSymbol(rest, kPairSeparator, true);
    for (int i = 0; i < pieces.length(); ++i) {
        Ktx_String var, text;
        if (!splitString(pieces[i], kVarSeparator, var, text, false)) continue;
        VnObjectMap map;
        if (map.getMappingFromStrs(var, text) == Acad::eOk) maps.push_back(std::move(map));
    }
    return maps;
}

// Parsing a line depends on nothing but its text, so the maps of the lines met are kept by
// text (each evaluation of a standard reads the same line of its mapping file).
const std::vector<VnObjectMap>& mapsOfLine(const Ktx_String& line) {
    static std::unordered_map<std::string, std::vector<VnObjectMap>> kept;
    auto it = kept.find(line.str());
    if (it != kept.end()) return it->second;
    if (kept.size() >= 256) kept.clear();
    return kept.emplace(line.str(), parseMappingLine(line)).first->second;
}

}  // namespace

Acad::ErrorStatus VnSSMapping::takeLineMaps(bool hasMaps, const std::vector<VnObjectMap>& maps) {
    removeAllMaps();
    if (!hasMaps) return Acad::eInvalidInput;
    maps_.reserve(maps.size());
    for (const VnObjectMap& map : maps) appendMap(map);
    return Acad::eOk;
}

Acad::ErrorStatus VnSSMapping::shareLineMaps(bool hasMaps,
                                             std::shared_ptr<const std::vector<VnObjectMap>> maps,
                                             std::shared_ptr<VnMapLookups> lookups) {
    removeAllMaps();
    if (!hasMaps) return Acad::eInvalidInput;
    lineMaps_ = std::move(maps);
    lookups_ = std::move(lookups);
    return Acad::eOk;
}

Acad::ErrorStatus VnSSMapping::initMappingFromLine(const Ktx_String& line) {
    if (!line.contains("=")) return takeLineMaps(false, {});
    return takeLineMaps(true, mapsOfLine(line));
}

Acad::ErrorStatus VnSSMapping::getMappingFromFile(Ktx_String ssName, const Ktx_String& key) {
    const std::shared_ptr<const MappingLines> file = mappingLinesOf(keptMappingFilePath(ssName));
    if (!file->read) return Acad::eInvalidInput;
    if (file->empty) return Acad::eOk;
    int index = file->keys.find(key, true);
    if (index < 0) return Acad::eInvalidInput;
    const size_t line = static_cast<size_t>(index);
    // The line's maps shared, kept alive by the kept file they belong to.
    return shareLineMaps(file->hasMaps[line],
                         std::shared_ptr<const std::vector<VnObjectMap>>(file, &file->maps[line]),
                         file->lookups[line]);
}

Acad::ErrorStatus VnSSMapping::setMappingToFile(Ktx_String ssName, const Ktx_String& key) {
    if (!isStorableKey(key)) return Acad::eInvalidInput;
    Ktx_StringArray vars, texts;
    collectPairs(*this, vars, texts);
    const Ktx_String path = mappingFilePath(ssName);
    Ktx_StringArray lines;
    if (!readMappingLines(path, lines)) lines.removeAll();
    int index = mappingLineKeys(lines).find(key, true);
    if (index >= 0) {
        VnSSMapping stored;
        if (stored.initMappingFromLine(lines[index]) == Acad::eOk && isEqual(stored))
            return Acad::eOk;
        lines.removeAt(index);
    }
    Ktx_String line = key + "=";
    for (int i = 0; i < vars.length(); ++i) {
        if (i > 0) line += kPairSeparator;
        line += vars[i] + kVarSeparator + texts[i];
    }
    lines.append(line);
    return writeMappingLines(path, lines) ? Acad::eOk : Acad::eInvalidInput;
}

bool VnSSMapping::hasSameMapping(const Ktx_String& ssName, Ktx_String& key) {
    Ktx_StringArray lines;
    if (!readMappingLines(mappingFilePath(ssName), lines)) return false;
    for (int i = 0; i < lines.length(); ++i) {
        VnSSMapping stored;
        if (stored.initMappingFromLine(lines[i]) != Acad::eOk || !isEqual(stored)) continue;
        key = mappingLineKey(lines[i]);
        return true;
    }
    return false;
}
