#include "platform/Controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "platform/Cp1252.h"
#include "platform/Dispatch.h"
#include "platform/FileSystem.h"
#include "platform/Forms.h"

// ---------------------------------------------------------------- TControl

TControl::TControl(TWinControl* parent, std::string name, QWidget* widget)
    : name_(std::move(name)), parent_(parent), owner_(parent->OwnerForm()), widget_(widget) {
    parent_->children_.push_back(this);
    widget_->setParent(parent_->ClientWidget());
    widget_->setFocusPolicy(Qt::NoFocus);
    widget_->setObjectName(QString::fromStdString(name_));
}

TControl::TControl(TForm* self, std::string name, QWidget* widget)
    : name_(std::move(name)), owner_(self), widget_(widget) {
    widget_->setObjectName(QString::fromStdString(name_));
}

TControl::~TControl() = default;

void TControl::SetBounds(int left, int top, int width, int height) {
    RememberBounds(left, top, width, height);
    widget_->setGeometry(left, top, width, height);
}

void TControl::RememberBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TControl::SetVisible(bool visible) {
    visible_ = visible;
    widget_->setVisible(visible);
}

void TControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    widget_->setEnabled(enabled);
}

void TControl::SetHint(const std::string& hint) {
    hint_ = hint;
    UpdateToolTip();
}

void TControl::SetShowHint(bool show) {
    showHint_ = show;
    UpdateToolTip();
}

void TControl::UpdateToolTip() { widget_->setToolTip(showHint_ ? FromCp1252(hint_) : QString()); }

void TControl::SetFocus() {
    ExitsSuspended programMove;
    widget_->setFocus(Qt::OtherFocusReason);
}

bool TControl::Focused() const {
    const QWidget* focus = widget_->window()->focusWidget();
    return focus != nullptr && (focus == widget_ || focus->focusProxy() == widget_);
}

void TControl::Dispatch(const std::function<void()>& handler) const { DispatchEvent(owner_, handler); }

// ---------------------------------------------------------------- TItems

void TItems::Add(const std::string& text) {
    lines_.Add(text);
    added_(text);
}

void TItems::Clear() {
    lines_.Clear();
    reset_();
}

void TItems::Assign(const TStringList& lines) {
    lines_.Assign(lines);
    reset_();
}

namespace {
QStringList QtTextsOf(const TStringList& lines) {
    QStringList texts;
    for (const std::string& line : lines.Lines()) texts << FromCp1252(line);
    return texts;
}

// Holds a counter up while the program itself changes a control, so that its signals are
// known not to be the user's.
class ProgramChange {
public:
    explicit ProgramChange(int& counter) : counter_(counter) { ++counter_; }
    ~ProgramChange() { --counter_; }

private:
    int& counter_;
};
}  // namespace

// ---------------------------------------------------------------- TLabel

TLabel::TLabel(TWinControl* parent, std::string name) : TControl(parent, std::move(name), new QLabel) {
    static_cast<QLabel*>(Widget())->setTextFormat(Qt::PlainText);
}

void TLabel::SetCaption(const std::string& caption) {
    caption_ = caption;
    static_cast<QLabel*>(Widget())->setText(FromCp1252(caption));
    AdjustSize();
}

void TLabel::AdjustSize() {
    const int textWidth = Widget()->fontMetrics().horizontalAdvance(FromCp1252(caption_));
    SetBounds(Left(), Top(), textWidth, Height());
}

// ---------------------------------------------------------------- TGroupBox

TGroupBox::TGroupBox(TWinControl* parent, std::string name)
    : TWinControl(parent, std::move(name), new QGroupBox) {
    // The caption sits in the frame's top edge, as on the desktop the design comes from;
    // children are placed relative to the frame's outer corner either way.
    Widget()->setStyleSheet(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 7px; padding: 0px 2px; }");
}

void TGroupBox::SetCaption(const std::string& caption) {
    caption_ = caption;
    static_cast<QGroupBox*>(Widget())->setTitle(FromCp1252(caption));
}

// ---------------------------------------------------------------- TListBox

TListBox::TListBox(TWinControl* parent, std::string name)
    : TControl(parent, std::move(name), new QListWidget),
      Items([this](const std::string& text) { Append(text); }, [this] { Refill(); }) {
    auto* list = static_cast<QListWidget*>(Widget());
    list->setFocusPolicy(Qt::StrongFocus);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [this, list] {
        if (programSetting_ > 0) return;
        const int index = ItemIndex();
        // A single-selection list never loses its selection to the user (Ctrl+click).
        if (index < 0 && lastIndex_ >= 0) {
            SetItemIndex(lastIndex_);
            return;
        }
        if (index == lastIndex_) return;
        lastIndex_ = index;
        Raise(OnClick);
    });
}

int TListBox::ItemIndex() const {
    const auto selected = static_cast<QListWidget*>(Widget())->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void TListBox::SetItemIndex(int index) {
    ProgramChange change(programSetting_);
    auto* list = static_cast<QListWidget*>(Widget());
    if (index < 0 || index >= Items.Count()) {
        list->clearSelection();
        list->setCurrentRow(-1, QItemSelectionModel::Clear);
        lastIndex_ = -1;
        return;
    }
    list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    lastIndex_ = index;
}

void TListBox::Append(const std::string& text) {
    ProgramChange change(programSetting_);
    static_cast<QListWidget*>(Widget())->addItem(FromCp1252(text));
}

void TListBox::Refill() {
    ProgramChange change(programSetting_);
    const int kept = ItemIndex();
    auto* list = static_cast<QListWidget*>(Widget());
    list->clear();
    list->addItems(QtTextsOf(Items.Lines()));
    SetItemIndex(kept < Items.Count() ? kept : -1);
}

// ---------------------------------------------------------------- TComboBox

namespace {
class ReturnKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
};
}  // namespace

TComboBox::TComboBox(TWinControl* parent, std::string name, TComboBoxStyle style)
    : TControl(parent, std::move(name), new QComboBox),
      Items([this](const std::string& text) { Append(text); }, [this] { Refill(); }),
      style_(style) {
    auto* box = static_cast<QComboBox*>(Widget());
    box->setFocusPolicy(Qt::StrongFocus);
    box->setEditable(style == TComboBoxStyle::csDropDown);
    box->setInsertPolicy(QComboBox::NoInsert);
    if (box->isEditable()) {
        // Typing into the box's text is no choice: nothing completes it into an item, and
        // Return does not turn it into a selection.
        box->setCompleter(nullptr);
        box->lineEdit()->installEventFilter(new ReturnKeyFilter(box->lineEdit()));
    }
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [this] {
        if (programSetting_ > 0) return;
        Raise(OnChange);
    });
}

int TComboBox::ItemIndex() const { return static_cast<QComboBox*>(Widget())->currentIndex(); }

void TComboBox::SetItemIndex(int index) {
    ProgramChange change(programSetting_);
    static_cast<QComboBox*>(Widget())->setCurrentIndex(index >= 0 && index < Items.Count() ? index : -1);
}

std::string TComboBox::Text() const { return ToCp1252(static_cast<QComboBox*>(Widget())->currentText()); }

void TComboBox::SetText(const std::string& text) {
    ProgramChange change(programSetting_);
    auto* box = static_cast<QComboBox*>(Widget());
    // The text selects the item that spells it, or none.
    box->setCurrentIndex(box->findText(FromCp1252(text), Qt::MatchExactly));
    if (box->isEditable()) box->setEditText(FromCp1252(text));
}

void TComboBox::Append(const std::string& text) {
    ChangeItems([&text](QComboBox& box) { box.addItem(FromCp1252(text)); });
}

void TComboBox::Refill() {
    ChangeItems([this](QComboBox& box) {
        box.clear();
        box.addItems(QtTextsOf(Items.Lines()));
    });
}

void TComboBox::ChangeItems(const std::function<void(QComboBox&)>& change) {
    ProgramChange programChange(programSetting_);
    auto& box = *static_cast<QComboBox*>(Widget());
    const int kept = box.currentIndex();
    const QString keptText = box.currentText();
    change(box);
    // Changing the items keeps the selection where it was; Qt would select the first item
    // added to an empty box.
    box.setCurrentIndex(kept < Items.Count() ? kept : -1);
    if (box.isEditable() && box.currentIndex() < 0) box.setEditText(keptText);
}

// ---------------------------------------------------------------- TLabeledEdit

namespace {
// Turns the editor's focus-out into its exit event when the focus went to another control of
// the same window. A focus lost to a message box, a popup or another window is no exit.
class ExitWatcher : public QObject {
public:
    ExitWatcher(QWidget* editor, std::function<void()> onExit)
        : QObject(editor), editor_(editor), onExit_(std::move(onExit)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == editor_ && event->type() == QEvent::FocusOut) Exited(static_cast<QFocusEvent*>(event)->reason());
        return false;
    }

private:
    void Exited(Qt::FocusReason reason) {
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
        if (ExitsSuspended::Active()) return;
        const QWidget* next = QApplication::focusWidget();
        if (next == nullptr || next->window() != editor_->window()) return;
        {
            ExitsSuspended scope;
            onExit_();
        }
        // The editor's window may still be inactive after a message box: what counts is the
        // control its window gives the focus to.
        if (reason == Qt::MouseFocusReason && editor_->window()->focusWidget() == editor_) SwallowCurrentMousePress();
    }

    QWidget* editor_;
    std::function<void()> onExit_;
};
}  // namespace

TLabeledEdit::TLabeledEdit(TWinControl* parent, std::string name)
    : TControl(parent, name, new QLineEdit), label_(std::make_unique<TLabel>(parent, name + ".EditLabel")) {
    auto* edit = static_cast<QLineEdit*>(Widget());
    edit->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this] { Raise(OnChange); });
    auto* watcher = new ExitWatcher(edit, [this] { Raise(OnExit); });
    edit->installEventFilter(watcher);
    label_->SetBounds(0, 0, 0, 13);
}

TLabeledEdit::~TLabeledEdit() = default;

std::string TLabeledEdit::Text() const { return ToCp1252(static_cast<QLineEdit*>(Widget())->text()); }

void TLabeledEdit::SetText(const std::string& text) {
    auto* edit = static_cast<QLineEdit*>(Widget());
    edit->setText(FromCp1252(text));
    edit->setCursorPosition(0);
}

void TLabeledEdit::SetBounds(int left, int top, int width, int height) {
    TControl::SetBounds(left, top, width, height);
    PlaceLabel();
}

void TLabeledEdit::SetVisible(bool visible) {
    TControl::SetVisible(visible);
    label_->SetVisible(visible);
}

void TLabeledEdit::PlaceLabel() {
    constexpr int Spacing = 3;
    label_->SetBounds(Left(), Top() - label_->Height() - Spacing, label_->Width(), label_->Height());
}

// ---------------------------------------------------------------- TCheckBox

TCheckBox::TCheckBox(TWinControl* parent, std::string name) : TControl(parent, std::move(name), new QCheckBox) {
    auto* box = static_cast<QCheckBox*>(Widget());
    box->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(box, &QCheckBox::toggled, box, [this] { Raise(OnClick); });
}

void TCheckBox::SetCaption(const std::string& caption) {
    caption_ = caption;
    static_cast<QCheckBox*>(Widget())->setText(FromCp1252(caption));
}

bool TCheckBox::Checked() const { return static_cast<QCheckBox*>(Widget())->isChecked(); }

void TCheckBox::SetChecked(bool checked) { static_cast<QCheckBox*>(Widget())->setChecked(checked); }

// ---------------------------------------------------------------- TButton

TButton::TButton(TWinControl* parent, std::string name) : TControl(parent, std::move(name), new QPushButton) {
    auto* button = static_cast<QPushButton*>(Widget());
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] { Raise(OnClick); });
}

void TButton::SetCaption(const std::string& caption) {
    caption_ = caption;
    static_cast<QPushButton*>(Widget())->setText(FromCp1252(caption));
}

// ---------------------------------------------------------------- TFileListBox

TFileListBox::TFileListBox(TWinControl* parent, std::string name)
    // Never shown, so its names live in Items alone and its widget stays empty.
    : TControl(parent, std::move(name), new QListWidget), Items([](const std::string&) {}, [] {}) {}

void TFileListBox::SetDirectory(const std::string& folder) {
    Items.Assign(TStringList(ListFiles(folder, mask_)));
}
