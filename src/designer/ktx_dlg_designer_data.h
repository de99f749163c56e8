#pragma once
// Ktx_DlgDesignerData: one dialog template (its controls and picture) and the live child
// windows it draws into a dialog.
//
// Two uses: in design mode (the designer dialog) the user selects, moves, resizes, copies
// and aligns the drawn controls with the mouse and with commands; at run time (the macro
// dialog) the template is drawn once, gets a tab order, moves the focus on Tab and gives and
// takes control values by resource id.
//
// Files: a template is root + name + ".txt" (a properties list) with its picture beside it
// (".bmp"); root is getDesignerRootFolder(). Only paths under the root are read or written.
// Nothing here prints or throws: failures are false results or null pointers.
#include <memory>
#include <vector>

#include "designer_tracker.h"
#include "ktx_designer_control.h"
#include "win.h"

// Result of handleTabKey.
enum Ktx_TabMsgHandle : std::int32_t {
    kTabMoved = 0,       // the focus moved to another control of the template
    kTabNotHandled = 1,  // not the Tab key, or not for the template
    kTabAfterLast = 2,   // Tab on the last control of the tab order
    kTabBeforeFirst = 3  // Shift+Tab on the first
};

class Ktx_DlgDesignerData {
  public:
    Ktx_DlgDesignerData();
    Ktx_DlgDesignerData(const Ktx_DlgDesignerData&) = delete;
    Ktx_DlgDesignerData& operator=(const Ktx_DlgDesignerData&) = delete;
    virtual ~Ktx_DlgDesignerData();

    // --- Files ---
    // False when no file is at path or path is not under the root. Otherwise the controls
    // are replaced by the file's (each appended with the lowest free id) and, with
    // withPicture, the picture beside it is loaded (a missing picture is no failure).
    bool readFromFile(const Ktx_String& path, bool withPicture);
    // Writes the template to path (under the root only): the old name's picture is copied
    // beside it, positions are first taken from the drawn windows.
    void writeToFile(const Ktx_String& path);
    // As writeToFile; false when the path is not under the root or the file could not be
    // written.
    bool writeTemplate(const Ktx_String& path);
    // Loads the picture and builds its transparency mask (white pixels); nothing changes when
    // there is no file; a damaged file leaves a 0 x 0 picture.
    void attachBitmap(const Ktx_String& path);

    // --- Geometry (pixels of the picture, not rounded) ---
    double pixelsToFactor(bool horizontal, double pixels) const;
    double factorToPixels(bool horizontal, double factor) const;
    double getTopLeftX(const Ktx_DesignerControl& c) const;
    double getTopLeftY(const Ktx_DesignerControl& c) const;
    double getBottomRightX(const Ktx_DesignerControl& c) const;
    double getBottomRightY(const Ktx_DesignerControl& c) const;
    void setTopLeftX(Ktx_DesignerControl& c, double pixels) const;
    void setTopLeftY(Ktx_DesignerControl& c, double pixels) const;
    void setBottomRightX(Ktx_DesignerControl& c, double pixels) const;
    void setBottomRightY(Ktx_DesignerControl& c, double pixels) const;
    double getWidth(const Ktx_DesignerControl& c) const;
    double getHeight(const Ktx_DesignerControl& c) const;
    // Keeps the left edge.
    void setWidth(Ktx_DesignerControl& c, double pixels) const;
    // Keeps the bottom edge.
    void setHeight(Ktx_DesignerControl& c, double pixels) const;
    // Right (horizontal) or bottom edge at the top-left edge + pixels; a bad index does nothing.
    void changeCtrlSize(int index, bool horizontal, double pixels);
    void getImageSize(int& width, int& height) const;
    // The control's rectangle in whole pixels.
    CRect pixelRect(const Ktx_DesignerControl& c) const;

    // --- The list ---
    int getNrControls() const { return static_cast<int>(controls.size()); }
    const Ktx_DesignerControl* getControl(int index) const;
    Ktx_DesignerControl* getControlWrite(int index);
    Ktx_DesignerControl* getControlFromRes(int id);
    bool findCtrlFromResource(int id, int& index) const;
    bool findEditCtrlWithContents(const Ktx_String& text, int& index) const;
    // Appends a copy with the lowest free id of the range (0 when the range is used up);
    // the id is also stored in `control` and returned.
    int append(Ktx_DesignerControl& control);
    bool removeControl(int index);
    void removeAllControls();
    // The contents of every type-2 control, in list order.
    void getAllCtrlNames(Ktx_StringArray& names) const;

    // --- Drawing ---
    bool initialize(CWnd* dialog, int firstResourceId, int lastResourceId, int typeComboId,
                    int typeDescriptionId, int contentsId, int extensionCaptionId, int extensionId,
                    bool designMode);
    bool redrawAllControls();
    void removeAllDrawnCtrls();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnPaint(CDC* paintDC);
    BOOL OnSetCursor(UINT hitTest, UINT message);
    // Design mode: selection, moves, resizes and the rubber band; true when handled.
    bool OnLButtonDown(UINT flags, CPoint point);
    CWnd* getDlgPtr() const;

    // --- Design commands ---
    bool addNewControl(int type);
    bool removeCurControls();
    bool copyCurCtrls();
    // Asks for a width or height in pixels (one-line input dialog) for the selected controls.
    bool changeCtrlSize(bool horizontal);
    bool outlineCurCtrls();
    bool stickRightCurCtrls();
    // The index of the one selected control; -1 for none or several.
    int getCurSel() const;
    // Resource ids of the selected controls, in selection order.
    std::vector<int> getSelectedIds() const;
    void printPositions() const;
    // The property panel (design mode, ids given to initialize).
    void updatePropsOfCurSel();
    void propsOfCurSelUpdated();

    // --- Run time ---
    void sortAllControls();
    bool handleTabKey(UINT key, Ktx_TabMsgHandle& handling);
    bool setFocusToCtrl(bool first);
    bool getFocusedDynControl(int& id) const;
    bool isADynControl(int id) const;
    bool getDynControlType(int id, Ktx_ControlType& type) const;
    bool isTypeBoltCount(int id) const;
    bool getCtrlValue(int id, Ktx_String& text) const;
    bool setCtrlValue(int id, const Ktx_String& text);
    bool setCtrlReadOnly(int id, bool readOnly);

    // --- Flex buttons (type 30) ---
    bool getFlexBtnsInGroup(const Ktx_String& group, Ktx_Array<int>& all,
                            Ktx_Array<int>& withThirdPart) const;
    void getFlexBtnsGroups(Ktx_StringArray& names) const;
    bool findFlexButton(const Ktx_String& group, const Ktx_String& variable, int& index) const;
    void getAllFlexVarsOfGroup(const Ktx_String& group, Ktx_StringArray& names) const;
    bool getFlexBtnGroupName(int id, Ktx_String& group, Ktx_String& variable) const;
    bool getFlexBtnStatus(int index, int& state) const;
    bool setFlexBtnStatus(const Ktx_String& group, const Ktx_String& variable, int state);
    void hideAllFlexBtns(const Ktx_String& group);

    // The drawn controls, in drawing order (tests and the designer read them).
    int drawnCount() const { return static_cast<int>(drawnControls.size()); }
    CControlRect* drawnAt(int index) const;
    CDesignerTracker* tracker() const { return tracker_.get(); }
    const CBitmap& picture() const { return picture_; }
    const CBitmap& mask() const { return mask_; }

    bool initialized = false;
    bool spareFlag = false;
    HWND dialog = nullptr;
    HICON icon = nullptr;
    int imageWidth = 0;
    int imageHeight = 0;
    int firstResourceId = 0;
    int lastResourceId = 0;
    bool designMode = false;
    int typeComboId = 0;
    int typeDescriptionId = 0;
    int contentsId = 0;
    int extensionCaptionId = 0;
    int extensionId = 0;
    Ktx_String name;
    bool spareSetFlag = true;
    std::vector<std::unique_ptr<Ktx_DesignerControl>> controls;

  protected:
    bool getNameFromFile(const Ktx_String& path, Ktx_String& outName) const;
    bool drawControl(Ktx_DesignerControl& control);
    void removeDrawnCtrlOnly(int id);
    bool findDrawnCtrlFromResource(int id, int& index, CControlRect*& drawn) const;
    bool getCtrlPtr(int id, CWnd*& window) const;
    bool selectCtrls(const std::vector<int>& ids);
    bool findMostLeftCtrl(const std::vector<int>& ids, int& index) const;
    void getSizeFromAllControls();
    void getSizeFromControl(int index);
    void sortNextRow(std::vector<int>& candidates, int& counter);
    bool findCtrlWithTabOrder(int order, int& index) const;
    bool containsEditableCtrls() const;
    bool setFocusToCtrl(int index);
    bool getComboValue(int id, Ktx_String& text) const;
    bool setComboValue(int id, const Ktx_String& text);
    bool getCheckValue(int id, Ktx_String& text) const;
    bool setCheckValue(int id, const Ktx_String& text);
    void setBtnIcon(CWnd* button, int unused = 0);

  private:
    std::unique_ptr<CWnd> createWindow(const Ktx_DesignerControl& control, const CRect& rect);
    void fillCombo(Ktx_DesignerControl& control);
    CRect drawnRect(const Ktx_DesignerControl& control) const;
    void redrawAndSelect(const std::vector<int>& ids);
    void fillTypeCombo();

    std::vector<std::unique_ptr<CControlRect>> drawnControls;
    std::unique_ptr<CDesignerTracker> tracker_;
    CBitmap picture_;
    CBitmap mask_;
    bool panelGuard_ = false;
};

// The module-wide dialog scale: 1.0 until the macro dialog sets it from its OK button.
double designerDialogScale();
void setDesignerDialogScale(double scale);

// Template folders and names.
Ktx_String getDesignerRootFolder();
void getModuleImages(Ktx_StringArray& names);
void GetImageDlgCtrlNames(const Ktx_String& path, Ktx_StringArray& names);
