#pragma once
// Ktx_DesignerControl: one control of a dialog template. Its rectangle is four fractions of
// the background picture's size (x of its width, y of its height; values outside 0..1 are
// kept as they are). `contents` is the caption, the initial text or a variable name;
// `comboList` and the flex and advanced parts make up the type's extension, which the file
// stores as one ";"-separated value (getMergedExtComboList / setSplitExtComboList).
// Resource id, tab order, the read-only flag and `comboItems` live only at run time.
#include "ktx_control_type.h"
#include "ktx_properties_list.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

class CWnd;
class CComboBox;
class CButton;
class CEdit;

class Ktx_DesignerControl {
  public:
    Ktx_DesignerControl() = default;
    Ktx_DesignerControl(const Ktx_DesignerControl&) = default;
    Ktx_DesignerControl& operator=(const Ktx_DesignerControl&) = default;
    virtual ~Ktx_DesignerControl() = default;

    // Reads the seven keys of control i: "type"i (0 when missing), the four coordinates and
    // "contents"i (unchanged when missing), "comboList"i through setSplitExtComboList.
    void getFromPropList(const Ktx_PropertiesList& list, int i);
    // Writes the seven keys of control i.
    void setToPropList(Ktx_PropertiesList& list, int i) const;

    // The extension fields as one ";"-separated value, and back (always true).
    Ktx_String getMergedExtComboList() const;
    bool setSplitExtComboList(const Ktx_String& value);

    // The lines of the `comboList` file into items; items unchanged when comboList is empty
    // or names no file. A name that is not a full path is taken in the library folder.
    void getComboItemsFromFile(Ktx_StringArray& items) const;
    // The path of the `comboList` file as getComboItemsFromFile reads it.
    Ktx_String comboListPath() const;

    // The dialog's child window with `resourceId`; false (window null) without a dialog or
    // without such a child. The typed forms give null when the child is of another class.
    bool getCtrlPtr(const CWnd* dialog, CWnd*& window) const;
    CComboBox* getComboPtr(const CWnd* dialog) const;
    CButton* getButtonPtr(const CWnd* dialog) const;
    CEdit* getEditPtr(const CWnd* dialog) const;

    Ktx_ControlType type = kCtrlLabel;
    bool readOnly = false;
    int resourceId = 0;
    int tabOrder = 0;
    double topLeftX = 0.0;
    double topLeftY = 0.0;
    double bottomRightX = 0.0;
    double bottomRightY = 0.0;
    Ktx_String contents;
    Ktx_String comboList;
    Ktx_String flexGroup;
    Ktx_String flexPart2;
    Ktx_String flexPart3;
    Ktx_String flexPart4;
    Ktx_String advancedPart1;
    Ktx_String advancedPart2;
    Ktx_String advancedPart3;
    Ktx_String advancedPart4;
    Ktx_StringArray comboItems;
};

// The key of control i's property: word followed by i in decimal ("type3").
Ktx_String designerKey(const char* word, int i);
