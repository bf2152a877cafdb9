// The controls of a window, modelled on the component library the window's design comes from.
// A control owns its Qt widget and translates both ways through one dispatch point, which
// keeps these event rules, and nothing else:
//  1. an editor's OnChange after every change of its text, by the user or the program;
//  2. the check box's OnClick after every change of its state, none when set to the state it has;
//  3. a drop-down's OnChange and the list box's OnClick only for the user's selection changes;
//  4. an editor's OnExit when the user moves the focus from it to another control of the same
//     window; a control clicked with the mouse takes the focus first, so that exit runs before
//     the click, and a click whose exit handler gave the focus back to the editor does not
//     happen. The program's own SetFocus is no exit.
// A handler that throws never unwinds through Qt: the dispatch point hands the failure to the
// application's default error report.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Events.h"
#include "platform/TextList.h"

class QComboBox;
class QWidget;
class QObject;
class TForm;
class TWinControl;

class TControl {
public:
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    const std::string& Name() const { return name_; }
    TWinControl* Parent() const { return parent_; }
    TForm* OwnerForm() const { return owner_; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);

    // Position in the focus order among the parent's children; -1 for controls that
    // never take the focus.
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order) { tabOrder_ = order; }
    virtual bool TakesFocus() const { return tabOrder_ >= 0; }
    void SetFocus();
    bool Focused() const;

    // For the platform and for tests that drive the real widget.
    QWidget* Widget() const { return widget_; }

protected:
    TControl(TWinControl* parent, std::string name, QWidget* widget);
    // Only for the form itself, which has no parent.
    TControl(TForm* self, std::string name, QWidget* widget);

    // Runs an event handler: not while the window is being torn down, and never letting a
    // failure reach Qt.
    void Dispatch(const std::function<void()>& handler) const;
    // Runs an event's handler, if one is set, through the dispatch point.
    void Raise(const TNotifyEvent& event) const {
        Dispatch([&event] {
            if (event) event();
        });
    }
    void UpdateToolTip();
    // Records position and size without touching the widget, for controls that place their
    // widget themselves.
    void RememberBounds(int left, int top, int width, int height);

private:
    std::string name_;
    TWinControl* parent_ = nullptr;
    TForm* owner_ = nullptr;
    QWidget* widget_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string hint_;
    bool showHint_ = false;
    int tabOrder_ = -1;
};

// A control that holds other controls; their positions are relative to its client area.
class TWinControl : public TControl {
public:
    const std::vector<TControl*>& Controls() const { return children_; }
    // The client area's widget, where children are placed.
    virtual QWidget* ClientWidget() const { return Widget(); }

protected:
    using TControl::TControl;

private:
    friend class TControl;
    std::vector<TControl*> children_;
};

// The items of a list box or drop-down. Filling or emptying them raises no event.
class TItems {
public:
    int Count() const { return lines_.Count(); }
    const std::string& Get(int index) const { return lines_.Get(index); }
    const std::string& operator[](int index) const { return lines_.Get(index); }
    void Add(const std::string& text);
    void Clear();
    void Assign(const TStringList& lines);
    const TStringList& Lines() const { return lines_; }

private:
    friend class TListBox;
    friend class TComboBox;
    friend class TFileListBox;
    // added: one item appended at the end; reset: the items replaced as a whole.
    TItems(std::function<void(const std::string&)> added, std::function<void()> reset)
        : added_(std::move(added)), reset_(std::move(reset)) {}
    TStringList lines_;
    std::function<void(const std::string&)> added_;
    std::function<void()> reset_;
};

class TLabel : public TControl {
public:
    TLabel(TWinControl* parent, std::string name);
    const std::string& Caption() const { return caption_; }
    // The label's width follows its caption, as the text is drawn in the window's font.
    void SetCaption(const std::string& caption);
    // Fits the width to the caption in the current font.
    void AdjustSize();

private:
    std::string caption_;
};

class TGroupBox : public TWinControl {
public:
    TGroupBox(TWinControl* parent, std::string name);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool TakesFocus() const override { return false; }

private:
    std::string caption_;
};

class TListBox : public TControl {
public:
    TListBox(TWinControl* parent, std::string name);
    TItems Items;
    int ItemIndex() const;
    void SetItemIndex(int index);  // raises no event
    TNotifyEvent OnClick;

private:
    void Refill();
    void Append(const std::string& text);
    int programSetting_ = 0;
    int lastIndex_ = -1;
};

enum class TComboBoxStyle { csDropDown, csDropDownList };

class TComboBox : public TControl {
public:
    TComboBox(TWinControl* parent, std::string name, TComboBoxStyle style);
    TComboBoxStyle Style() const { return style_; }
    TItems Items;
    int ItemIndex() const;
    void SetItemIndex(int index);  // raises no event
    // The editable box's text; for a drop-down list the selected item's text.
    std::string Text() const;
    void SetText(const std::string& text);
    TNotifyEvent OnChange;

private:
    void Refill();
    void Append(const std::string& text);
    void ChangeItems(const std::function<void(QComboBox&)>& change);
    TComboBoxStyle style_;
    int programSetting_ = 0;
};

class TLabeledEdit : public TControl {
public:
    TLabeledEdit(TWinControl* parent, std::string name);
    ~TLabeledEdit() override;
    std::string Text() const;
    void SetText(const std::string& text);
    // The label above the editor: left edges aligned, 3 pixels between the two.
    TLabel& EditLabel() { return *label_; }
    const TLabel& EditLabel() const { return *label_; }
    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool visible) override;
    TNotifyEvent OnChange;
    TNotifyEvent OnExit;

private:
    void PlaceLabel();
    std::unique_ptr<TLabel> label_;
};

class TCheckBox : public TControl {
public:
    TCheckBox(TWinControl* parent, std::string name);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Checked() const;
    void SetChecked(bool checked);
    TNotifyEvent OnClick;

private:
    std::string caption_;
};

class TButton : public TControl {
public:
    TButton(TWinControl* parent, std::string name);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    TNotifyEvent OnClick;

private:
    std::string caption_;
};

// Lists the names of the files of a folder that match its mask. Never shown.
class TFileListBox : public TControl {
public:
    TFileListBox(TWinControl* parent, std::string name);
    const std::string& Mask() const { return mask_; }
    void SetMask(const std::string& mask) { mask_ = mask; }
    void SetDirectory(const std::string& folder);
    TItems Items;

private:
    std::string mask_ = "*.*";
};
