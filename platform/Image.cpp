#include "platform/Image.h"

#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

#include <functional>
#include <utility>

#include "platform/JpegImage.h"

namespace {
// A label that turns a press and release of the left button on it into a click. It takes
// the mouse events itself, so they do not pass on to the window beneath.
class PictureWidget : public QLabel {
public:
    explicit PictureWidget(std::function<void()> clicked) : clicked_(std::move(clicked)) {
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setScaledContents(false);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        event->accept();
        if (event->button() == Qt::LeftButton) pressed_ = true;
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        event->accept();
        if (event->button() != Qt::LeftButton) return;
        const bool click = pressed_ && rect().contains(event->position().toPoint());
        pressed_ = false;
        if (click) clicked_();
    }

private:
    std::function<void()> clicked_;
    bool pressed_ = false;
};
}  // namespace

TImage::TImage(TWinControl* parent, std::string name)
    : TControl(parent, std::move(name), new PictureWidget([this] { Clicked(); })) {}

void TImage::LoadJpeg(const std::string& bytes) {
    const TDecodedImage decoded = DecodeJpeg(bytes);
    // QImage only borrows the buffer given to it; the copy owns its pixels.
    const QImage picture = QImage(decoded.Rgb.data(), decoded.Width, decoded.Height, decoded.Width * 3,
                                  QImage::Format_RGB888)
                               .copy();
    static_cast<QLabel*>(Widget())->setPixmap(QPixmap::fromImage(picture));
    pictureWidth_ = decoded.Width;
    pictureHeight_ = decoded.Height;
}

void TImage::Clicked() { Raise(OnClick); }
