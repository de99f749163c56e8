#pragma once
// The reader of macro files, shared by the files that handle its statements (macro_file.cpp:
// the macro and its modules; macro_file_tab.cpp: the tabs of the macro data and the standards).
#include <string>
#include <vector>

#include "macro_file.h"

namespace macro_file_detail {

using Words = std::vector<std::string>;

class MacroFileParser {
  public:
    bool parse(const std::string& text, std::string& error);
    Ktx_Macro macro;
    MacroData data;

  private:
    bool statement(const Words& w);
    bool moduleItem(const Words& w);
    bool tabItem(const Words& w);
    bool onMacro(const Words& w);
    bool onGeneral(const Words& w);
    bool onProfile(const Words& w);
    bool onGroup(const Words& w);
    bool onStandard(const Words& w);
    bool onModule(const Words& w);
    bool onVar(const Words& w, bool dialog);
    bool onCut(const Words& w);
    bool onPattern(const Words& w);
    bool onPlacement(const Words& w);
    bool onMemberGroup(const Words& w);
    bool onTab(const Words& w);
    bool onBolts(const Words& w);
    bool onNrBolts(const Words& w);
    bool onMember(const Words& w);
    bool onFlexFix(const Words& w);
    bool onKind(const Words& w);
    bool onTemplate(const Words& w);
    bool onCell(const Words& w);
    bool onBoltField(const Words& w);
    bool onBoltAssembly(const Words& w);
    bool onPlacing(const Words& w);
    bool onSections(const Words& w);
    bool onArray(const Words& w);
    bool onEntry(const Words& w);
    bool onTabCut(const Words& w);
    bool onBlocks(const Words& w);
    bool onFlexGroup(const Words& w);
    bool checkGroups();
    void addMissingTabs();
    bool argCount(const Words& w, size_t min, size_t max);
    bool number(const std::string& text, double& value);
    bool fail(const std::string& message);
    bool once(const std::string& key);  // false when the tab had that item already
    MacroGroupProps* memberOfTab(const std::string& group);
    Ktx_Module& module() { return macro.modules.back(); }
    MacroTabData& tab() { return data.tabs.back(); }

    int line_ = 0;
    enum class Scope { kTop, kModule, kTab } scope_ = Scope::kTop;
    std::vector<int> groupLines_;
    std::vector<std::string> onceSeen_;  // tab items given once per tab, seen in this tab
    std::string error_;
};

}  // namespace macro_file_detail
