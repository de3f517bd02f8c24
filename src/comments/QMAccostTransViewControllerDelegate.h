#pragma once

class QMAccostTransViewController;

// The opener of the reply / re-post sheet: it closes the sheet when the sheet asks.
class QMAccostTransViewControllerDelegate
{
public:
    virtual ~QMAccostTransViewControllerDelegate() = default;
    virtual void accostTransViewControllerWillDismiss(QMAccostTransViewController *controller) = 0;
};
