// The form: a top-level window that owns its controls, with the life-cycle events
// OnCreate (once, after all controls exist), OnShow (once, just before it first becomes
// visible), OnCloseQuery (may refuse a close) and OnClose (only after an accepted close).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Events.h"

class QWidget;

enum class TBorderStyle { bsSizeable, bsSingle };

struct TFont {
    std::string Name;
    int Height = -11;  // negative: the text height in pixels, as the design gives it
};

class TForm : public TWinControl {
public:
    explicit TForm(std::string name);
    ~TForm() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    // Outer position and size, frame and title bar included.
    void SetBounds(int left, int top, int width, int height) override;
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int width);
    void SetClientHeight(int height);

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    // An image among the program's resources, such as ":/icon.png".
    void SetIcon(const std::string& resource);

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TCloseQueryEvent OnCloseQuery;
    TCloseEvent OnClose;

    void Show();
    void Hide();
    // Shows the form and returns once it has been closed.
    int ShowModal();
    // Asks OnCloseQuery, then OnClose; the window closes only when both agree. Closing the
    // application's main form ends the program.
    void Close();

    bool Destroying() const { return destroying_; }
    bool Closed() const { return closed_; }
    bool ModalShowing() const { return modalLoop_ != nullptr; }

    // Creates a control of this form; the form owns it.
    template <class T, class... Args>
    T* Make(TWinControl* parent, std::string name, Args&&... args) {
        auto control = std::make_unique<T>(parent, std::move(name), std::forward<Args>(args)...);
        T* raw = control.get();
        owned_.push_back(std::move(control));
        return raw;
    }

    // Every control of the form in design order.
    std::vector<TControl*> AllControls() const;
    TControl* FindControl(const std::string& name) const;

    // Run by the application once the form's constructor has built every control:
    // the focus order is laid out, then OnCreate runs.
    void AfterConstruction();

    // Called when the window system asks the window to close (its close button).
    void CloseRequestedByWindowSystem();

private:
    void LayOutFocusOrder();
    void Finish();

    std::string caption_;
    TBorderStyle borderStyle_ = TBorderStyle::bsSizeable;
    TFont font_;
    std::vector<std::unique_ptr<TControl>> owned_;
    bool shownOnce_ = false;
    bool closed_ = false;
    bool destroying_ = false;
    class QEventLoop* modalLoop_ = nullptr;
};
