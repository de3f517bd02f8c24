#pragma once

#include <QImage>

class TPOpenFlowView;

// Supplies the cover flow's pictures. The object behind it must also be a QObject.
class TPOpenFlowViewDataSource
{
public:
    virtual ~TPOpenFlowViewDataSource() = default;

    // The view needs the picture of that cover; answer now or later with setImageForIndex().
    virtual void openFlowViewRequestImageForIndex(TPOpenFlowView *view, int index) = 0;
    // Shown on covers whose picture has not arrived.
    virtual QImage defaultImage() = 0;
};
