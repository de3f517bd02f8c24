#pragma once

class TPOpenFlowView;

// Hears what the user does with the cover flow. Both operations are optional. The object behind
// it must also be a QObject.
class TPOpenFlowViewDelegate
{
public:
    virtual ~TPOpenFlowViewDelegate() = default;

    // The user moved the selection to that cover.
    virtual void openFlowViewSelectionDidChange(TPOpenFlowView * /*view*/, int /*index*/) {}
    // The user tapped the selected cover.
    virtual void openFlowViewDidWannaCheckIndex(TPOpenFlowView * /*view*/, int /*index*/) {}
};
