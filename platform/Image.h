// The picture control: shows a decoded JPEG picture unscaled from its top-left corner and
// reports a click of the left mouse button on it.
#pragma once

#include <string>

#include "platform/Controls.h"
#include "platform/Events.h"

class TImage : public TControl {
public:
    TImage(TWinControl* parent, std::string name);

    // Decodes bytes as a JPEG file and shows it; EConvertError when they are none, the old
    // picture then kept. The control keeps its size: the picture is clipped or leaves a margin.
    void LoadJpeg(const std::string& bytes);
    int PictureWidth() const { return pictureWidth_; }
    int PictureHeight() const { return pictureHeight_; }

    // The left button pressed on the control and released inside it.
    TNotifyEvent OnClick;

private:
    void Clicked();
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
};
