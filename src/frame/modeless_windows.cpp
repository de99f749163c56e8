#include "modeless_windows.h"

#include <vector>

#include "acad.h"
#include "window_api.h"

namespace {

struct ModelessRegistries {
    std::vector<std::unique_ptr<CDialog>> macroDlgs;
    std::function<bool(int)> ender;
    std::unique_ptr<CDialog> constraintEditor;
};

ModelessRegistries& registries() {
    static ModelessRegistries r;
    return r;
}

bool validSlot(int number) {
    return number >= 0 && number < static_cast<int>(registries().macroDlgs.size());
}

bool destroyAndForget(int number) {
    std::unique_ptr<CDialog>& slot = registries().macroDlgs[static_cast<size_t>(number)];
    if (slot && IsWindow(slot->GetSafeHwnd()) && !slot->DestroyWindow()) return false;
    slot.reset();
    return true;
}

}  // namespace

int macroDlgSlotCount() {
    return static_cast<int>(registries().macroDlgs.size());
}

CDialog* macroDlgAt(int number) {
    return validSlot(number) ? registries().macroDlgs[static_cast<size_t>(number)].get() : nullptr;
}

int reserveMacroDlgSlot() {
    auto& dlgs = registries().macroDlgs;
    for (int n = static_cast<int>(dlgs.size()) - 1; n >= 0; --n) {
        if (!dlgs[static_cast<size_t>(n)]) return n;
    }
    dlgs.emplace_back();
    return static_cast<int>(dlgs.size()) - 1;
}

bool setMacroDlgAt(int number, std::unique_ptr<CDialog>& dialog) {
    auto& dlgs = registries().macroDlgs;
    if (number < 0 || !dialog) return false;
    if (number >= static_cast<int>(dlgs.size())) dlgs.resize(static_cast<size_t>(number) + 1);
    if (dlgs[static_cast<size_t>(number)]) return false;
    dlgs[static_cast<size_t>(number)] = std::move(dialog);
    return true;
}

std::unique_ptr<CDialog> takeMacroDlgAt(int number) {
    if (!validSlot(number)) return nullptr;
    return std::move(registries().macroDlgs[static_cast<size_t>(number)]);
}

void dropLastMacroDlgSlot() {
    auto& dlgs = registries().macroDlgs;
    if (!dlgs.empty() && !dlgs.back()) dlgs.pop_back();
}

int modelessMacroDlgCount() {
    int n = 0;
    for (const auto& d : registries().macroDlgs) n += d ? 1 : 0;
    return n;
}

void setMacroDlgEnder(std::function<bool(int)> ender) {
    registries().ender = std::move(ender);
}

void DestroyAllMacroDlgs() {
    for (int n = macroDlgSlotCount() - 1; n >= 0; --n) {
        if (!validSlot(n) || !registries().macroDlgs[static_cast<size_t>(n)]) continue;
        if (registries().ender) {
            registries().ender(n);
        } else {
            destroyAndForget(n);
        }
    }
}

CDialog* constraintEditor() {
    return registries().constraintEditor.get();
}
bool isConstraintEditorOpen() {
    return registries().constraintEditor != nullptr;
}

bool setConstraintEditor(std::unique_ptr<CDialog>& editor) {
    if (registries().constraintEditor || !editor) return false;
    registries().constraintEditor = std::move(editor);
    return true;
}

void EndDlgEditConstraints() {
    auto& editor = registries().constraintEditor;
    if (!editor) return;
    if (!editor->DestroyWindow()) acutPrintf("Erase window failed\n");
    editor.reset();
    acedPostCommandPrompt();
}

void resetModelessWindowsForTests() {
    auto& r = registries();
    r.ender = nullptr;
    for (auto& d : r.macroDlgs) d.reset();
    r.macroDlgs.clear();
    r.constraintEditor.reset();
}
