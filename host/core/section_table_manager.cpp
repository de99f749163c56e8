#include "section_table_manager.h"

#include "file_search.h"
#include "ktx_settings.h"
#include "section_table_file.h"

Ktx_SectionTableManager gSectionTables;

namespace {

// The table name without a ".pr" ending (letter case folded), as a view of the name.
std::string_view familyView(const Ktx_String& name) {
    const std::string_view view = name.view();
    return name.endsWith(".pr", false) ? view.substr(0, view.size() - 3) : view;
}

Ktx_String withoutPr(const Ktx_String& name) {
    if (name.endsWith(".pr", false)) return name.getSubStringAt(0, name.length() - 3);
    return name;
}

// Removes cell 1 (the "I/O" column) from arrays with more than one cell.
void dropIoColumn(Ktx_StringArray& cells) {
    if (cells.length() > 1) cells.removeAt(1);
}

}  // namespace

Ktx_String Ktx_SectionTable::familyName() const {
    return withoutPr(name);
}

int Ktx_SectionTable::languageCount() const {
    return header.length() >= 6 && header[5] == "Korean" ? 5 : 4;
}

const Ktx_SectionTable* Ktx_SectionTableManager::table(int index) const {
    if (index < 0 || index >= tableCount()) return nullptr;
    return &tables_[static_cast<size_t>(index)];
}

bool Ktx_SectionTableManager::hasTable(const Ktx_String& tableName, int& index) const {
    const Ktx_String wanted = withoutPr(tableName);
    for (int i = 0; i < tableCount(); ++i) {
        if (!tables_[static_cast<size_t>(i)].familyName().equal(wanted, false)) continue;
        index = i;
        return true;
    }
    return false;
}

Acad::ErrorStatus Ktx_SectionTableManager::removeTable(int index) {
    if (index < 0 || index >= tableCount()) return Acad::eInvalidInput;
    tables_.erase(tables_.begin() + index);
    forgetIndex();
    return Acad::eOk;
}

Acad::ErrorStatus Ktx_SectionTableManager::addSectionTable(const Ktx_String& tableName,
                                                           const Ktx_String& shape,
                                                           const Ktx_StringArray& header,
                                                           const Ktx_Array<Ktx_StringArray>& rows) {
    if (withoutPr(tableName).isEmpty() || header.isEmpty()) return Acad::eInvalidInput;
    int existing = 0;
    if (hasTable(tableName, existing)) return Acad::eDuplicateKey;
    tables_.push_back({tableName, shape, header, rows});
    forgetIndex();
    return Acad::eOk;
}

Acad::ErrorStatus Ktx_SectionTableManager::getSectionName(int tableIndex, int row,
                                                          Ktx_String& fullName) const {
    const Ktx_SectionTable* t = table(tableIndex);
    if (!t || !t->rows.isValidIndex(row) || t->rows[row].isEmpty()) return Acad::eInvalidInput;
    fullName = t->familyName() + "-" + t->rows[row][0];
    return Acad::eOk;
}

const Ktx_SectionTableManager::SectionIndex& Ktx_SectionTableManager::sectionIndex() const {
    if (index_) return *index_;
    index_ = std::make_unique<SectionIndex>();
    std::string key;
    for (int t = 0; t < tableCount(); ++t) {
        const Ktx_SectionTable& table = tables_[static_cast<size_t>(t)];
        // The family is the table name without ".pr"; the full name is "<family>-<system>".
        key.assign(familyView(table.name)).append("-");
        const size_t prefix = key.size();
        for (int r = 0; r < table.rows.length(); ++r) {
            if (table.rows[r].isEmpty()) continue;
            key.resize(prefix);
            key.append(table.rows[r][0].view());
            index_->emplace(key, std::make_pair(t, r));  // the first occurrence wins
        }
    }
    return *index_;
}

void Ktx_SectionTableManager::forgetIndex() {
    index_.reset();
    for (SectionLookUp& lookUp : lookUps_) lookUp.used = false;
}

bool Ktx_SectionTableManager::findSection(const Ktx_String& fullName, int& tableIndex,
                                          int& row) const {
    const SectionLookUp* answer = nullptr;
    for (const SectionLookUp& lookUp : lookUps_) {
        if (lookUp.used && lookUp.name == fullName.view()) {
            answer = &lookUp;
            break;
        }
    }
    if (!answer) {
        const SectionIndex& index = sectionIndex();
        const auto it = index.find(fullName.str());
        SectionLookUp& kept = lookUps_[nextLookUp_];
        nextLookUp_ = (nextLookUp_ + 1) % kKeptLookUps;
        kept.used = true;
        kept.name = fullName.str();
        kept.table = it == index.end() ? -1 : it->second.first;
        kept.row = it == index.end() ? 0 : it->second.second;
        answer = &kept;
    }
    if (answer->table < 0) return false;
    tableIndex = answer->table;
    row = answer->row;
    return true;
}

Acad::ErrorStatus Ktx_SectionTableManager::getSectionColumnNames(const Ktx_String& fullName,
                                                                 Ktx_StringArray& names) const {
    int t = 0, r = 0;
    if (!findSection(fullName, t, r)) return Acad::eKeyNotFound;
    names = tables_[static_cast<size_t>(t)].header;
    return Acad::eOk;
}

Acad::ErrorStatus Ktx_SectionTableManager::getSectionValue(const Ktx_String& fullName, int column,
                                                           Ktx_String& value) const {
    int t = 0, r = 0;
    if (!findSection(fullName, t, r)) return Acad::eKeyNotFound;
    const Ktx_SectionTable& table = tables_[static_cast<size_t>(t)];
    if (column < 0 || column >= table.header.length() || !table.rows[r].isValidIndex(column))
        return Acad::eInvalidInput;
    value = table.rows[r][column];
    return Acad::eOk;
}

Acad::ErrorStatus Ktx_SectionTableManager::getSystemName(const Ktx_String& anyName,
                                                         Ktx_String& fullName) const {
    int t = 0, r = 0;
    if (findSection(anyName, t, r)) {
        fullName = anyName;
        return Acad::eOk;
    }
    for (t = 0; t < tableCount(); ++t) {
        const Ktx_SectionTable& table = tables_[static_cast<size_t>(t)];
        for (r = 0; r < table.rows.length(); ++r) {
            const Ktx_StringArray& cells = table.rows[r];
            for (int c = 1; c <= table.languageCount() && c < cells.length(); ++c) {
                if (!(cells[c] == anyName) || anyName.isEmpty()) continue;
                fullName = table.familyName() + "-" + cells[0];
                return Acad::eOk;
            }
        }
    }
    return Acad::eKeyNotFound;
}

Acad::ErrorStatus Ktx_SectionTableManager::getUserName(const Ktx_String& fullName,
                                                       Ktx_String& userName) const {
    int t = 0, r = 0;
    if (!findSection(fullName, t, r)) return Acad::eKeyNotFound;
    const Ktx_SectionTable& table = tables_[static_cast<size_t>(t)];
    int column = table.header.find(language_);
    if (column < 1 || column > table.languageCount()) column = 1;
    if (!table.rows[r].isValidIndex(column)) return Acad::eInvalidInput;
    userName = table.rows[r][column];
    return Acad::eOk;
}

bool Ktx_SectionTableManager::loadTableFile(const Ktx_String& path) {
    Ktx_String name;
    Ktx_Array<Ktx_StringArray> rows;
    return readFile(path, name, rows) && addTableFromFileRows(name, rows) == Acad::eOk;
}

Acad::ErrorStatus Ktx_SectionTableManager::addTableFromFileRows(
    const Ktx_String& name, const Ktx_Array<Ktx_StringArray>& rows) {
    if (rows.length() < 2) return Acad::eInvalidInput;
    Ktx_String shape = rows[0].isEmpty() ? Ktx_String() : rows[0][0];
    if (shape.contains(".")) shape = "Prof\\" + shape;
    Ktx_StringArray header = rows[1];
    dropIoColumn(header);
    Ktx_Array<Ktx_StringArray> sizes;
    for (int r = 2; r < rows.length(); ++r) {
        Ktx_StringArray cells = rows[r];
        dropIoColumn(cells);
        sizes.append(cells);
    }
    int existing = 0;
    if (hasTable(name, existing)) removeTable(existing);
    return addSectionTable(name + ".pr", shape, header, sizes);
}

int Ktx_SectionTableManager::loadFolder(const Ktx_String& folder) {
    Ktx_StringArray files;
    ObjectExportFindFiles(folder, "*.pr", files);
    int count = 0;
    for (int i = 0; i < files.length(); ++i) {
        if (loadTableFile(files[i]))
            ++count;
        else
            acutPrintf("Cannot read section table %s\n", files[i].c_str());
    }
    return count;
}

int Ktx_SectionTableManager::loadLibrary() {
    return loadFolder(gSettings.libDir + "prof\\");
}
