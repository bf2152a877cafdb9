#include "platform/Forms.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QWidget>
#include <algorithm>

#include "platform/Application.h"
#include "platform/Cp1252.h"
#include "platform/Dispatch.h"

namespace {

// The window's frame as the design counts it (96 pixels per inch): the outer size given to a
// form is its client size plus these.
struct FrameMetrics {
    int border;
    int caption;
};
constexpr FrameMetrics SizeableFrame{4, 19};
constexpr FrameMetrics SingleFrame{3, 19};

FrameMetrics FrameOf(TBorderStyle style) {
    return style == TBorderStyle::bsSingle ? SingleFrame : SizeableFrame;
}

// The form's top-level widget: a close asked for by the window system (the title bar's close
// button) goes through the form's own close, which decides and hides the window itself.
class FormWidget : public QWidget {
public:
    explicit FormWidget(TForm* form) : form_(form) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        if (!form_->Destroying()) form_->CloseRequestedByWindowSystem();
    }

private:
    TForm* form_;
};

// The controls of a container that take the focus, depth first, each level in tab order.
void CollectFocusChain(const TWinControl& container, std::vector<QWidget*>& chain) {
    std::vector<TControl*> children = container.Controls();
    std::stable_sort(children.begin(), children.end(),
                     [](const TControl* a, const TControl* b) { return a->TabOrder() < b->TabOrder(); });
    for (TControl* child : children) {
        if (child->TabOrder() < 0) continue;
        if (auto* inner = dynamic_cast<TWinControl*>(child)) CollectFocusChain(*inner, chain);
        if (child->TakesFocus() && (child->Widget()->focusPolicy() & Qt::TabFocus)) chain.push_back(child->Widget());
    }
}

// The family itself when the system has it, else its first substitute that it has.
QString FamilyOnThisSystem(const QString& family) {
    if (QFontDatabase::hasFamily(family)) return family;
    for (const QString& substitute : QFont::substitutes(family))
        if (QFontDatabase::hasFamily(substitute)) return substitute;
    return family;
}

}  // namespace

TForm::TForm(std::string name) : TWinControl(this, std::move(name), new FormWidget(this)) {
    Widget()->setAttribute(Qt::WA_DeleteOnClose, false);
    SetVisible(false);
}

TForm::~TForm() {
    destroying_ = true;
    delete Widget();
}

void TForm::SetCaption(const std::string& caption) {
    caption_ = caption;
    Widget()->setWindowTitle(FromCp1252(caption));
}

void TForm::SetBounds(int left, int top, int width, int height) {
    RememberBounds(left, top, width, height);
    const FrameMetrics frame = FrameOf(borderStyle_);
    Widget()->move(left, top);
    const QSize client(std::max(0, width - 2 * frame.border), std::max(0, height - 2 * frame.border - frame.caption));
    // A fixed frame keeps the user from resizing; the program still sets its size here.
    if (borderStyle_ == TBorderStyle::bsSingle)
        Widget()->setFixedSize(client);
    else
        Widget()->resize(client);
}

int TForm::ClientWidth() const { return Widget()->width(); }
int TForm::ClientHeight() const { return Widget()->height(); }

void TForm::SetClientWidth(int width) {
    const FrameMetrics frame = FrameOf(borderStyle_);
    SetBounds(Left(), Top(), width + 2 * frame.border, Height());
}

void TForm::SetClientHeight(int height) {
    const FrameMetrics frame = FrameOf(borderStyle_);
    SetBounds(Left(), Top(), Width(), height + 2 * frame.border + frame.caption);
}

void TForm::SetBorderStyle(TBorderStyle style) {
    borderStyle_ = style;
    Widget()->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, style == TBorderStyle::bsSingle);
    Widget()->setWindowFlag(Qt::WindowMaximizeButtonHint, style != TBorderStyle::bsSingle);
    if (style != TBorderStyle::bsSingle) Widget()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    SetBounds(Left(), Top(), Width(), Height());
}

void TForm::SetFont(const TFont& font) {
    font_ = font;
    QFont qtFont(FamilyOnThisSystem(FromCp1252(font.Name)));
    qtFont.setPixelSize(font.Height < 0 ? -font.Height : font.Height);
    Widget()->setFont(qtFont);
    // Labels fit their captions, which the new font draws in another width.
    for (TControl* control : AllControls())
        if (auto* label = dynamic_cast<TLabel*>(control)) label->AdjustSize();
}

void TForm::SetIcon(const std::string& resource) { Widget()->setWindowIcon(QIcon(FromCp1252(resource))); }

void TForm::Show() {
    closed_ = false;
    if (!shownOnce_) {
        shownOnce_ = true;
        DispatchEvent(this, [this] {
            if (OnShow) OnShow();
        });
        // The show handler may already have closed the window.
        if (closed_) return;
    }
    SetVisible(true);
}

void TForm::Hide() { SetVisible(false); }

int TForm::ShowModal() {
    Widget()->setWindowModality(Qt::ApplicationModal);
    Show();
    if (!closed_) {
        QEventLoop loop;
        modalLoop_ = &loop;
        loop.exec(QEventLoop::DialogExec);
        modalLoop_ = nullptr;
    }
    Widget()->setWindowModality(Qt::NonModal);
    return 0;
}

void TForm::Close() {
    bool canClose = true;
    const bool asked = DispatchEvent(this, [this, &canClose] {
        if (OnCloseQuery) OnCloseQuery(canClose);
    });
    if (!asked || !canClose) return;
    TCloseAction action = TCloseAction::caHide;
    const bool told = DispatchEvent(this, [this, &action] {
        if (OnClose) OnClose(action);
    });
    if (!told || action == TCloseAction::caNone) return;
    Finish();
}

void TForm::Finish() {
    Hide();
    closed_ = true;
    if (modalLoop_ != nullptr) modalLoop_->quit();
    if (Application != nullptr && Application->MainForm() == this) Application->Terminate();
}

void TForm::CloseRequestedByWindowSystem() { Close(); }

std::vector<TControl*> TForm::AllControls() const {
    std::vector<TControl*> controls;
    for (const auto& control : owned_) controls.push_back(control.get());
    return controls;
}

TControl* TForm::FindControl(const std::string& name) const {
    for (const auto& control : owned_)
        if (control->Name() == name) return control.get();
    return nullptr;
}

void TForm::AfterConstruction() {
    LayOutFocusOrder();
    DispatchEvent(this, [this] {
        if (OnCreate) OnCreate();
    });
}

void TForm::LayOutFocusOrder() {
    std::vector<QWidget*> chain;
    CollectFocusChain(*this, chain);
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}
