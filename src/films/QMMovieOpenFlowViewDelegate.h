#pragma once

// The screen behind the film shelf, told which film the user wants to open.
class QMMovieOpenFlowViewDelegate
{
public:
    virtual ~QMMovieOpenFlowViewDelegate() = default;
    virtual void switchToMovieForIndex(int index) = 0;
};
