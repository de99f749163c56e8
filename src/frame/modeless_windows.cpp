#include "modeless_windows.h"

#include <memory>
#include <vector>

#include "acad.h"

namespace {

struct ModelessRegistries {
    std::vector<std::unique_ptr<VnModelessWindow>> macroDlgs;
    std::unique_ptr<VnModelessWindow> constraintEditor;
};

ModelessRegistries& registries() {
    static ModelessRegistries r;
    return r;
}

}  // namespace

int modelessMacroDlgCount() {
    return static_cast<int>(registries().macroDlgs.size());
}

bool isConstraintEditorOpen() {
    return registries().constraintEditor != nullptr;
}

void DestroyAllMacroDlgs() {
    for (auto& dlg : registries().macroDlgs) {
        if (dlg) dlg->destroyWindow();
    }
    registries().macroDlgs.clear();
}

void EndDlgEditConstraints() {
    auto& editor = registries().constraintEditor;
    if (!editor) return;
    if (!editor->destroyWindow()) acutPrintf("Erase window failed\n");
    editor.reset();
    acedPostCommandPrompt();
}

void resetModelessWindowsForTests() {
    registries().macroDlgs.clear();
    registries().constraintEditor.reset();
}
