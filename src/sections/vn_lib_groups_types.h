#pragma once
// The library editor's groups page (8138) and types page (8139) over the editor's copy of
// DlgEditLibData.
#include "dlg_edit_lib_data.h"
#include "vn_lib_items_page.h"

class VnLibGroupsPage : public VnLibItemsPage {
  public:
    static constexpr UINT kResourceId = 8138;
    explicit VnLibGroupsPage(DlgEditLibData& data);

  protected:
    int itemCount() const override { return data_.groups.length(); }
    Ktx_String itemName(int index) const override { return data_.groups.getName(index); }
    bool itemEnabled(int index) const override { return data_.groups.getEnabled(index); }
    Ktx_String itemImage(int index) const override { return data_.groups.getImage(index); }
    Ktx_StringArray itemNames(int index) const override { return data_.groups.getLangs(index); }
    void storeItem(int index, bool enabled, const Ktx_String& image,
                   const Ktx_StringArray& names) override;
    int appendItem() override;
    void removeItem(int index) override { data_.groups.removeAt(index); }
    void swapItems(int a, int b) override { data_.groups.swap(a, b); }

  private:
    DlgEditLibData& data_;
};

class VnLibTypesPage : public VnLibItemsPage {
  public:
    static constexpr UINT kResourceId = 8139;
    enum ExtraControl : int {
        kNameLabel = 1187,
        kTableLabel = 1188,
        kGroupLabel = 1192,
        kTable = 1198,
        kGroup = 1199,
    };
    explicit VnLibTypesPage(DlgEditLibData& data);

    BOOL OnInitDialog() override;
    // On showing the page: the group names and the table names (of the tables page's list)
    // refilled; the table's text stays.
    void refreshLists();

  protected:
    int itemCount() const override { return static_cast<int>(data_.types.size()); }
    Ktx_String itemName(int index) const override;
    bool itemEnabled(int index) const override { return type(index).enabled; }
    Ktx_String itemImage(int index) const override { return type(index).image; }
    Ktx_StringArray itemNames(int index) const override { return type(index).names; }
    void storeItem(int index, bool enabled, const Ktx_String& image,
                   const Ktx_StringArray& names) override;
    int appendItem() override;
    void removeItem(int index) override;
    void swapItems(int a, int b) override;
    void showExtra(int index) override;
    void storeExtra(int index) override;

  private:
    const SectionType& type(int index) const;
    DlgEditLibData& data_;
    CComboBox group_;
    CComboBox table_;
};
